#include "reports/customerviews.h"

#include "common/customers.h"
#include "store/database.h"
#include "store/kindcaptions.h"

#include <QDateTime>
#include <QSqlQuery>
#include <algorithm>
#include <array>
#include <functional>
#include <map>

namespace customerviews {

namespace {

// The number groups of the stake sources: their suffix and the kinds in the h, t, l columns.
struct NumberGroup {
    const char* suffix;
    std::optional<Kind> h, t, l;
};

const std::array<NumberGroup, 5>& numberGroups() {
    static const std::array<NumberGroup, 5> groups = {{
        {"3", Kind::h3, Kind::t3, Kind::l3},
        {"2", Kind::h2, Kind::t2, Kind::l2},
        {"1", Kind::h1, std::nullopt, Kind::l1},
        {"4", Kind::h4, std::nullopt, std::nullopt},
        {"5", Kind::h5, std::nullopt, std::nullopt},
    }};
    return groups;
}

int groupOf(Kind kind) {
    switch (kindInfo(kind).digits) {
    case 3:
        return 0;
    case 2:
        return 1;
    case 1:
        return 2;
    case 4:
        return 3;
    default:
        return 4;
    }
}

std::optional<double> valueOf(const QSqlQuery& query, int column) {
    const QVariant value = query.value(column);
    return value.isNull() ? 0.0 : value.toDouble();
}

// The rows of a source: num, h, t, l first; only the columns the group fills, or only the
// kind's column when one kind is asked.
Line lineOf(const QSqlQuery& query, const NumberGroup& group, std::optional<Kind> only) {
    Line line;
    line.num = query.value(0).toString();
    auto fill = [&](std::optional<double>& target, const std::optional<Kind>& kind, int column) {
        if (kind && (!only || *only == *kind))
            target = valueOf(query, column);
    };
    fill(line.h, group.h, 1);
    fill(line.t, group.t, 2);
    fill(line.l, group.l, 3);
    return line;
}

double stakesOf(const Line& line) {
    return line.h.value_or(0) + line.t.value_or(0) + line.l.value_or(0);
}

// The summary's pairs: h3 t3, h2 t2, h1 l1, l3 h4, l2 h5.
const std::array<Kind, kKindCount> kFigureOrder = {Kind::h3, Kind::t3, Kind::h2, Kind::t2,
                                                   Kind::h1, Kind::l1, Kind::l3, Kind::h4,
                                                   Kind::l2, Kind::h5};

QString figureCaption(Kind kind, int namingMode) {
    if (namingMode == 1 || namingMode == 2) {
        if (kind == Kind::t2 || kind == Kind::h4 || kind == Kind::h5)
            return kindCaption(kind, namingMode) + QLatin1Char('=');
    }
    switch (kind) {
    case Kind::t2:
        return QStringLiteral("2ตัวโต๊ด=");
    case Kind::h4:
        return QStringLiteral("4ตัว=");
    case Kind::h5:
        return QStringLiteral("5ตัว=");
    default:
        return kindCaption(kind, 0) + QLatin1Char('=');
    }
}

using Sums = std::map<Kind, double>;

// Adds a query's rows of codeins and its h, t, l sums (from column first on) to sums.
void addSums(Sums& sums, QSqlQuery& query, int first) {
    Kind kind;
    if (!kindFromCode(query.value(first).toString(), &kind))
        return;
    const int column = QStringLiteral("htl").indexOf(stakeColumn(kind));
    sums[kind] += query.value(first + 1 + column).toDouble();
}

QVector<Figure> figures(const Sums& sums, int namingMode, const std::function<bool(Kind)>& shown) {
    QVector<Figure> result;
    for (Kind kind : kFigureOrder) {
        Figure figure{figureCaption(kind, namingMode), std::nullopt};
        const auto found = sums.find(kind);
        if (found != sums.end() && shown(kind))
            figure.amount = found->second;
        result.push_back(figure);
    }
    return result;
}

// The customer, and with his sheets his own sheet customers of the list (a sheet is listed
// before its first line is recorded).
QVariantList customerNames(Database& db, const QString& name, bool allSheets) {
    QVariantList names{name};
    if (allSheets) {
        for (const QString& listed : customers::names(db, false, true)) {
            if (listed != name && customers::isOwnOrSheet(name, listed))
                names << listed;
        }
    }
    return names;
}

QString customerCondition(const QVariantList& names) {
    QStringList marks;
    for (int i = 0; i < names.size(); ++i)
        marks << QStringLiteral("?");
    return QStringLiteral("cus IN (%1)").arg(marks.join(QLatin1Char(',')));
}

QString timeText(const QVariant& value) {
    QDateTime time = value.toDateTime();
    if (!time.isValid())
        time = QDateTime::fromString(value.toString(), Qt::ISODate);
    return time.isValid() ? time.toString(QStringLiteral("dd/MM/yyyy HH:mm:ss")) : value.toString();
}

} // namespace

Kind kindOfChoice(int choice) {
    return listingOrder()[static_cast<size_t>(std::clamp(choice, 1, kKindCount) - 1)];
}

QStringList kindChoices(int namingMode) {
    return kindCaptions(namingMode, listingOrder());
}

Listing byCustomer(Database& db, const ByCustomer& request) {
    Listing listing;
    const bool oneKind = request.kind != kAllKinds;
    const std::optional<Kind> only =
        oneKind ? std::optional<Kind>(kindOfChoice(request.kind)) : std::nullopt;
    if (request.allSheets)
        listing.heading = QStringLiteral("สรุปยอดรวมทุกแผ่นของ") + request.name;
    else if (oneKind)
        listing.heading =
            QStringLiteral("สรุปยอด") + request.kindText + QStringLiteral("ของ") + request.name;
    else
        listing.heading = QStringLiteral("สรุปยอดรวม ของ") + request.name;

    const QVariantList binds = customerNames(db, request.name, request.allSheets);
    const QString condition = customerCondition(binds);
    for (int g = 0; g < static_cast<int>(numberGroups().size()); ++g) {
        if (only && groupOf(*only) != g)
            continue;
        const NumberGroup& group = numberGroups()[static_cast<size_t>(g)];
        QString sql = QStringLiteral("SELECT num, h, t, l FROM tbycus%1 WHERE %2")
                          .arg(QLatin1String(group.suffix), condition);
        if (only)
            sql += QStringLiteral(" AND %1 <> 0").arg(stakeColumn(*only));
        QSqlQuery query = db.exec(sql, binds);
        while (query.next()) {
            listing.lines.push_back(lineOf(query, group, only));
            listing.total += stakesOf(listing.lines.back());
        }
    }

    Sums sums;
    QSqlQuery query = db.exec(QStringLiteral("SELECT codeins, sum(h), sum(t), sum(l) FROM "
                                             "allbycus WHERE %1 GROUP BY codeins")
                                  .arg(condition),
                              binds);
    while (query.next())
        addSums(sums, query, 0);
    listing.figures =
        figures(sums, request.namingMode, [&](Kind kind) { return !only || *only == kind; });
    return listing;
}

QStringList groupChoices() {
    return {QStringLiteral("ทั้งหมด"), QStringLiteral("เลข3ตัว"),    QStringLiteral("เลข2ตัว"),
            QStringLiteral("เลขวิ่ง"), QStringLiteral("เลขกลุ่ม4ตัว"), QStringLiteral("เลขกลุ่ม5ตัว")};
}

Listing everybody(Database& db, Source source, int group) {
    static const char* const kHeadings[] = {"สรุปยอด3ตัว", "สรุปยอด2ตัว", "สรุปยอดวิ่ง", "สรุปยอด4ตัว",
                                            "สรุปยอด5ตัว"};
    Listing listing;
    listing.headingInSummary = true;
    const int chosen = std::clamp(group, 0, 5) - 1; // -1 all
    if (chosen < 0)
        listing.heading = source == Source::entered ? QStringLiteral("สรุปยอดทั้งหมดที่ป้อน")
                                                    : QStringLiteral("สรุปยอดคงเหลือ");
    else
        listing.heading = QString::fromUtf8(kHeadings[chosen]);

    const QString tail = source == Source::entered ? QStringLiteral("2") : QStringLiteral("21");
    for (int g = 0; g < static_cast<int>(numberGroups().size()); ++g) {
        if (chosen >= 0 && chosen != g)
            continue;
        const NumberGroup& numbers = numberGroups()[static_cast<size_t>(g)];
        QSqlQuery query = db.exec(QStringLiteral("SELECT num, h, t, l FROM tbycus%1%2")
                                      .arg(QLatin1String(numbers.suffix), tail));
        while (query.next()) {
            listing.lines.push_back(lineOf(query, numbers, std::nullopt));
            listing.total += stakesOf(listing.lines.back());
        }
    }

    // The kind sums of the remaining totals are kept per kind; the entered ones are summed.
    Sums sums;
    QSqlQuery query = db.exec(source == Source::entered
                                  ? QStringLiteral("SELECT codeins, sum(h), sum(t), sum(l) FROM "
                                                   "tballcus GROUP BY codeins")
                                  : QStringLiteral("SELECT codeins, h, t, l FROM tbkind"));
    while (query.next())
        addSums(sums, query, 0);
    listing.figures =
        figures(sums, 0, [&](Kind kind) { return chosen < 0 || groupOf(kind) == chosen; });
    return listing;
}

namespace {
QVector<Entered> enteredLines(Database& db, const QString& sql, const QVariantList& binds) {
    QVector<Entered> lines;
    QSqlQuery query = db.exec(sql, binds);
    while (query.next()) {
        Entered line;
        line.id = query.value(0).toString();
        line.num = query.value(1).toString();
        line.h = query.value(2).toDouble();
        line.t = query.value(3).toDouble();
        line.l = query.value(4).toDouble();
        line.cus = query.value(5).toString();
        line.tim = timeText(query.value(6));
        lines.push_back(line);
    }
    return lines;
}
} // namespace

QString entryOrderHeading(int kind, const QString& name) {
    static const char* const kLabels[] = {"เลข3ตัวบน",  "เลข3ตัวโต๊ด", "เลข3ตัวล่าง", "เลข2ตัวบน",
                                          "เลข2ตัวล่าง", "เลขคู่โต๊ด",   "เลขวิ่งบน",   "เลขวิ่งล่าง",
                                          "เลข4ตัว",    "เลข5ตัว"};
    const QString label = kind == kAllKinds
                              ? QStringLiteral("แบบรวม")
                              : QString::fromUtf8(kLabels[std::clamp(kind, 1, kKindCount) - 1]);
    return QStringLiteral("สรุปยอดลำดับการป้อน") + label + QStringLiteral("ของ") + name;
}

QVector<Entered> entryOrder(Database& db, const QString& name, int kind) {
    QVector<Entered> lines;
    QVariant code =
        db.scalar(QStringLiteral("SELECT id FROM cus WHERE name = ? ORDER BY id2"), {name});
    // Lines typed without a chosen customer are kept under the combined name itself.
    if (code.isNull() && name == customers::combined())
        code = name;
    if (code.isNull())
        return lines;
    QString sql = QStringLiteral("SELECT id, num, h, t, l, cus, tim FROM tballcus WHERE cus = ?");
    QVariantList binds{code};
    if (kind != kAllKinds) {
        sql += QStringLiteral(" AND codeins = ?");
        binds << kindCode(kindOfChoice(kind));
    }
    return enteredLines(db, sql + QStringLiteral(" ORDER BY id"), binds);
}

QVector<Entered> bookOrder(Database& own) {
    return enteredLines(own, QStringLiteral("SELECT id, num, h, t, l, cus, tim FROM tball ORDER BY id"),
                        {});
}

QVector<Entered> sentOrder(Database& own) {
    QVector<Entered> lines = enteredLines(
        own, QStringLiteral("SELECT NULL, num, h, t, l, cus, \"time\" FROM tballsent"), {});
    for (int i = 0; i < lines.size(); ++i)
        lines[i].id = QString::number(i + 1);
    return lines;
}

} // namespace customerviews
