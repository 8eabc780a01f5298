#include "store/dialect.h"
#include "store/kinds.h"
#include "store/schema.h"

// Views beside the totals and sums of the book. Per-kind totals come from the kept sums
// (tbtotals) or the totals views over them, never from a GROUP BY over tball; views of the
// entered lines (tballcus) and of the small scratch and log tables group their rows.

namespace schema {

namespace {

constexpr int kNone = -1;

// One amount column of a pivot: the sum of a kind's stake column, or 0 (kind kNone).
struct Stake {
    const char* alias;
    int kind;
};

int k(Kind kind) {
    return static_cast<int>(kind);
}

QString quoted(const QString& text) {
    return QLatin1Char('\'') + text + QLatin1Char('\'');
}

QString totalsView(Kind kind) {
    return kind == Kind::t3 ? QStringLiteral("qt3") : kindCode(kind);
}

QString stakeSums(const QVector<Stake>& stakes) {
    QStringList parts;
    for (const Stake& stake : stakes) {
        const QString alias = QString::fromLatin1(stake.alias);
        if (stake.kind == kNone) {
            parts << QStringLiteral("0 AS %1").arg(alias);
            continue;
        }
        const Kind kind = static_cast<Kind>(stake.kind);
        parts << QStringLiteral("sum(CASE WHEN codeins=%1 THEN %2 ELSE 0 END) AS %3")
                     .arg(quoted(kindCode(kind)), stakeColumn(kind), alias);
    }
    return parts.join(QStringLiteral(", "));
}

QString kindList(const QVector<Stake>& stakes) {
    QStringList codes;
    for (const Stake& stake : stakes) {
        if (stake.kind != kNone)
            codes << quoted(kindCode(static_cast<Kind>(stake.kind)));
    }
    return codes.join(QLatin1Char(','));
}

// One row per number over the rows of several kinds of source (tbtotals or tballcus).
ObjectDef pivotView(const QString& name, const QString& source, const QVector<Stake>& stakes) {
    return {name, QStringLiteral("CREATE VIEW %1 AS SELECT num, %2 FROM %3 WHERE codeins IN (%4) "
                                 "GROUP BY num ORDER BY num")
                      .arg(name, stakeSums(stakes), source, kindList(stakes))};
}

// One row per customer and number of the entered lines; name is the customer's listed name.
ObjectDef customerView(const QString& name, const QVector<Stake>& stakes) {
    return {name,
            QStringLiteral("CREATE VIEW %1 AS SELECT g.num AS num, g.h AS h, g.t AS t, g.l AS l, "
                           "g.cus AS cus, (SELECT max(c.name) FROM cus c WHERE c.name = g.cus) "
                           "AS name FROM (SELECT cus, num, %2 FROM tballcus WHERE codeins IN "
                           "(%3) GROUP BY cus, num) g ORDER BY g.cus, g.num")
                .arg(name, stakeSums(stakes), kindList(stakes))};
}

struct Group {
    const char* suffix;
    QVector<Stake> stakes; // h, t, l
};

QVector<Group> numberGroups() {
    return {
        {"3", {{"h", k(Kind::h3)}, {"t", k(Kind::t3)}, {"l", k(Kind::l3)}}},
        {"2", {{"h", k(Kind::h2)}, {"t", k(Kind::t2)}, {"l", k(Kind::l2)}}},
        {"1", {{"h", k(Kind::h1)}, {"t", kNone}, {"l", k(Kind::l1)}}},
        {"4", {{"h", k(Kind::h4)}, {"t", kNone}, {"l", kNone}}},
        {"5", {{"h", k(Kind::h5)}, {"t", kNone}, {"l", kNone}}},
    };
}

// The six kinds with sorted and limited-number views.
struct Limited {
    Kind kind;
    const char* byAmount;
};
const Limited kLimited[] = {{Kind::h3, "h3h"}, {Kind::t3, "t3sph"}, {Kind::l3, "l3h"},
                            {Kind::h2, "h2h"}, {Kind::l2, "l2h"},   {Kind::t2, "t2h"}};

void addTotalsViews(QVector<ObjectDef>& views) {
    for (const Limited& limited : kLimited) {
        const QString name = QString::fromLatin1(limited.byAmount);
        const QString column = stakeColumn(limited.kind);
        views.push_back({name, QStringLiteral("CREATE VIEW %1 AS SELECT num, %2 FROM %3 ORDER BY "
                                              "%2 DESC, num")
                                   .arg(name, column, totalsView(limited.kind))});
    }
    for (const Limited& limited : kLimited) {
        const QString code = kindCode(limited.kind);
        const QString column = stakeColumn(limited.kind);
        const QString listed =
            QStringLiteral("EXISTS (SELECT 1 FROM numlimit n WHERE n.codeins=%1 AND n.num=v.num)")
                .arg(quoted(code));
        views.push_back({code + QStringLiteral("limite"),
                         QStringLiteral("CREATE VIEW %1limite AS SELECT num, %2 FROM %3 v WHERE "
                                        "%4 ORDER BY num")
                             .arg(code, column, totalsView(limited.kind), listed)});
        views.push_back({code + QStringLiteral("limite2"),
                         QStringLiteral("CREATE VIEW %1limite2 AS SELECT num, %2 FROM %1sent v "
                                        "WHERE %3 ORDER BY num")
                             .arg(code, column, listed)});
    }

    const QString sums = QStringLiteral("tbtotals");
    views.push_back(
        pivotView(QStringLiteral("ht3"), sums, {{"h", k(Kind::h3)}, {"t", k(Kind::t3)}}));
    views.push_back(pivotView(QStringLiteral("htl3excel"), sums,
                              {{"h", k(Kind::h3)}, {"t", k(Kind::t3)}, {"l", k(Kind::l3)}}));
    views.push_back(pivotView(QStringLiteral("hl2excel"), sums,
                              {{"h", k(Kind::h2)}, {"l", k(Kind::l2)}, {"t", k(Kind::t2)}}));
    views.push_back(
        pivotView(QStringLiteral("hl1excel"), sums, {{"h", k(Kind::h1)}, {"l", k(Kind::l1)}}));

    // Every two-digit number 00..99 with its h2 total (0 without bets); id is its value.
    views.push_back(
        {QStringLiteral("h2h2"),
         QStringLiteral(
             "CREATE VIEW h2h2 AS WITH RECURSIVE seq(id) AS (SELECT 0 UNION ALL SELECT id + 1 "
             "FROM seq WHERE id < 99), nums(id, num) AS (SELECT id, CASE WHEN id < 10 THEN '0' "
             "|| CAST(id AS TEXT) ELSE CAST(id AS TEXT) END FROM seq) SELECT n.id AS id, n.num "
             "AS num, coalesce(x.h, 0) AS h FROM nums n LEFT JOIN tbtotals x ON x.codeins='h2' "
             "AND x.num=n.num ORDER BY n.id")});
}

void addCutViews(QVector<ObjectDef>& views) {
    const QString amounts =
        QStringLiteral("coalesce(sum(h),0) AS h, coalesce(sum(l),0) AS l, coalesce(sum(t),0) AS t");
    // The log of one cut: the rows of a number in one report group add up.
    views.push_back({QStringLiteral("qsentall"),
                     QStringLiteral("CREATE VIEW qsentall AS SELECT num, %1, rep, cod FROM "
                                    "sentall GROUP BY cod, rep, num ORDER BY rep, num")
                         .arg(amounts)});
    // All cuts together: one row per number and report group, without a cut number.
    views.push_back({QStringLiteral("qsentallp"),
                     QStringLiteral("CREATE VIEW qsentallp AS SELECT num, %1, rep, NULL AS cod "
                                    "FROM sentall GROUP BY rep, num ORDER BY rep, num")
                         .arg(amounts)});
    views.push_back({QStringLiteral("qsentall2"),
                     QStringLiteral("CREATE VIEW qsentall2 AS SELECT num, %1, rep FROM sentall2 "
                                    "GROUP BY rep, num ORDER BY rep, num")
                         .arg(amounts)});
    views.push_back({QStringLiteral("qlog"),
                     QStringLiteral("CREATE VIEW qlog AS SELECT num, coalesce(sum(h),0) AS h, "
                                    "codeins, NULL AS nn FROM cutlog GROUP BY codeins, num "
                                    "ORDER BY codeins, num")});

    views.push_back({QStringLiteral("ht3cutre"),
                     QStringLiteral("CREATE VIEW ht3cutre AS SELECT num, coalesce(sum(h),0) AS h, "
                                    "coalesce(sum(t),0) AS t2 FROM ht3cut GROUP BY num ORDER BY "
                                    "num")});
    views.push_back({QStringLiteral("ht3sentre"),
                     QStringLiteral("CREATE VIEW ht3sentre AS SELECT num, coalesce(sum(h),0) AS "
                                    "h, coalesce(sum(t),0) AS t2, coalesce(sum(l),0) AS l FROM "
                                    "ht3sent GROUP BY num ORDER BY num")});
    views.push_back({QStringLiteral("ht2sentre"),
                     QStringLiteral("CREATE VIEW ht2sentre AS SELECT num, %1 FROM ht2sent GROUP "
                                    "BY num ORDER BY num")
                         .arg(amounts)});
    views.push_back({QStringLiteral("ht1sentre"),
                     QStringLiteral("CREATE VIEW ht1sentre AS SELECT num, coalesce(sum(h),0) AS "
                                    "h, coalesce(sum(l),0) AS l FROM ht1sent GROUP BY num ORDER "
                                    "BY num")});
}

void addSettlementViews(QVector<ObjectDef>& views, Engine engine) {
    // One row per entered line of a listed customer; h is the stake whatever the kind.
    for (Kind kind : listingOrder()) {
        const QString code = kindCode(kind);
        const QString percent = QStringLiteral("c") + code.at(1) + code.at(0) + QLatin1Char('p');
        views.push_back(
            {code + QStringLiteral("cus"),
             QStringLiteral("CREATE VIEW %1cus AS SELECT c.name AS name, b.cus AS cus, b.num AS "
                            "num, b.%2 AS h, %6 AS ch3, %3 AS thai, c.%4 AS %4 FROM tballcus b "
                            "JOIN cus c ON c.name = b.cus WHERE b.codeins=%5 ORDER BY b.id")
                 .arg(code, stakeColumn(kind), quoted(QString::fromUtf8(kindInfo(kind).caption)),
                      percent, quoted(code),
                      dialect::wholeOf(engine, QStringLiteral("c.") + code))});
    }

    QStringList sums;
    for (Kind kind : listingOrder()) {
        const QString code = kindCode(kind);
        sums << QStringLiteral("coalesce(sum(sum%1),0) AS %2")
                    .arg(QString(code.at(1)) + code.at(0), code);
    }
    views.push_back({QStringLiteral("selectall"),
                     QStringLiteral("CREATE VIEW selectall AS SELECT cusid, %1, max(name) AS name "
                                    "FROM cusexe GROUP BY cusid ORDER BY cusid")
                         .arg(sums.join(QStringLiteral(", ")))});
    views.push_back({QStringLiteral("checkcussum"),
                     QStringLiteral("CREATE VIEW checkcussum AS SELECT cus, max(name) AS name FROM "
                                    "checkcus GROUP BY cus ORDER BY cus")});
}

void addCustomerViews(QVector<ObjectDef>& views) {
    const QVector<Group> groups = numberGroups();
    for (const Group& group : groups) {
        views.push_back(
            customerView(QStringLiteral("tbycus") + QLatin1String(group.suffix), group.stakes));
    }
    // Everybody's entered lines, then the remaining totals of the book.
    for (const Group& group : groups) {
        views.push_back(
            pivotView(QStringLiteral("tbycus") + QLatin1String(group.suffix) + QLatin1Char('2'),
                      QStringLiteral("tballcus"), group.stakes));
    }
    for (const Group& group : groups) {
        views.push_back(
            pivotView(QStringLiteral("tbycus") + QLatin1String(group.suffix) + QLatin1String("21"),
                      QStringLiteral("tbtotals"), group.stakes));
    }
    views.push_back({QStringLiteral("allbycus"),
                     QStringLiteral("CREATE VIEW allbycus AS SELECT cus, h, t, l, codeins FROM "
                                    "tballcus")});
}

void addEntryViews(QVector<ObjectDef>& views) {
    // The set modes' scratch rows, each number once.
    for (const char* size : {"24", "60", "64", "120", "220"}) {
        const QString table = QStringLiteral("tball") + QLatin1String(size);
        views.push_back({QLatin1Char('q') + table,
                         QStringLiteral("CREATE VIEW q%1 AS SELECT num, max(rep) AS rep, max(cus) "
                                        "AS cus, max(codeins) AS codeins FROM %1 GROUP BY num "
                                        "ORDER BY num")
                             .arg(table)});
    }
}

} // namespace

QVector<ObjectDef> viewDefs(Engine engine) {
    QVector<ObjectDef> views;
    addTotalsViews(views);
    addCutViews(views);
    addSettlementViews(views, engine);
    addCustomerViews(views);
    addEntryViews(views);
    return views;
}

} // namespace schema
