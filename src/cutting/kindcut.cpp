#include "cutting/kindcut.h"

#include "cutting/numberlimits.h"

#include <QSqlQuery>

namespace cut {

namespace {

QString quoted(const QString& code) {
    return QLatin1Char('\'') + code + QLatin1Char('\'');
}

// The names of one kind's statements.
struct Names {
    QString code;   // 'h3', quoted
    QString column; // stake column
    QString view;
    QString kept;
    QString sent;
};

Names namesOf(Kind kind) {
    return {quoted(kindCode(kind)), stakeColumn(kind), totalsView(kind), keptTable(kind),
            sentTable(kind)};
}

QString fill(QString sql, const Names& n) {
    sql.replace(QLatin1String("{code}"), n.code);
    sql.replace(QLatin1String("{c}"), n.column);
    sql.replace(QLatin1String("{view}"), n.view);
    sql.replace(QLatin1String("{kept}"), n.kept);
    sql.replace(QLatin1String("{sent}"), n.sent);
    return sql;
}

// The total of a number and its per-number limit (the latest row listing it wins, as the
// list is read in its order); a limit left empty is 0.
const char* kTotalOf = "(SELECT v.{c} FROM {view} v WHERE v.num = %1)";
const char* kLimitOf = "(SELECT coalesce(n.h, 0) FROM numlimit n WHERE n.codeins = {code} AND "
                       "n.num = %1 ORDER BY n.id DESC LIMIT 1)";
const char* kListed = "(SELECT num FROM numlimit WHERE codeins = {code})";

QString totalOf(const Names& n, const QString& num) {
    return fill(QString::fromLatin1(kTotalOf).arg(num), n);
}
QString limitOf(const Names& n, const QString& num) {
    return fill(QString::fromLatin1(kLimitOf).arg(num), n);
}

// The per-number limit replaces the kind limit both ways: a number keeps at most its own limit
// and sends the rest of its whole total; a limit of 0 sends all of it. Zero rows go last, once,
// so that no listed number loses its kept amount to another's step.
void numberLimits(Database& db, const Names& n) {
    const QString listed = fill(QString::fromLatin1(kListed), n);
    const QString keptTotal = totalOf(n, n.kept + QStringLiteral(".num"));
    const QString keptLimit = limitOf(n, n.kept + QStringLiteral(".num"));
    db.exec(fill(QStringLiteral("UPDATE {kept} SET {c} = CASE WHEN %1 >= %2 THEN %2 ELSE %1 END "
                                "WHERE num IN %3"),
                 n)
                .arg(keptTotal, keptLimit, listed));
    db.exec(fill(QStringLiteral("DELETE FROM {sent} WHERE num IN %1"), n).arg(listed));
    const QString limit = limitOf(n, QStringLiteral("v.num"));
    db.exec(fill(QStringLiteral("INSERT INTO {sent} (num, {c}) SELECT v.num, v.{c} - %1 FROM "
                                "{view} v WHERE v.num IN %2 AND v.{c} >= %1 ORDER BY v.num"),
                 n)
                .arg(limit, listed));
    db.exec(fill(QStringLiteral("DELETE FROM {kept} WHERE {c} = 0"), n));
    db.exec(fill(QStringLiteral("DELETE FROM {sent} WHERE {c} = 0"), n));
}

// The menu cut's fifty-percent mode: a listed number keeps half its total and sends the other
// half, also when its total is within the kind limit (it then has no sent row yet).
void fiftyPercent(Database& db, const Names& n) {
    const QString listed = fill(QString::fromLatin1(kListed), n);
    db.exec(fill(QStringLiteral("UPDATE {kept} SET {c} = %1 / 2.0 WHERE num IN %2"), n)
                .arg(totalOf(n, n.kept + QStringLiteral(".num")), listed));
    db.exec(fill(QStringLiteral("UPDATE {sent} SET {c} = %1 / 2.0 WHERE num IN %2"), n)
                .arg(totalOf(n, n.sent + QStringLiteral(".num")), listed));
    db.exec(fill(QStringLiteral("INSERT INTO {sent} (num, {c}) SELECT k.num, k.{c} FROM {kept} k "
                                "WHERE k.num IN %1 AND k.{c} <> 0 AND NOT EXISTS (SELECT 1 FROM "
                                "{sent} s WHERE s.num = k.num) ORDER BY k.num"),
                 n)
                .arg(listed));
}

bool hasNumberStep(Kind kind) {
    return limitKinds().contains(kind);
}

void insertKeptLines(Database& db, const Names& n, const QString& customer, const QString& now,
                     const QString& only = QString()) {
    db.exec(fill(QStringLiteral("INSERT INTO tball (num, {c}, codeins, cus, tim) SELECT num, {c}, "
                                "codeins, ?, ? FROM {kept} %1 ORDER BY num"),
                 n)
                .arg(only),
            {customer, now});
}

QString keptAmounts(const Names& n) {
    QStringList amounts;
    for (const char* column : {"h", "t", "l"})
        amounts << (n.column == QLatin1String(column) ? n.column : QStringLiteral("0"));
    return amounts.join(QStringLiteral(", "));
}

// The numbers over the limit of a group kind become one line each; the others keep their
// lines. Their sums are their kept rows; the kind's sums lose what was sent and the lines that
// went, and gain the new lines.
void overLimitLines(Database& db, const Names& n, const QString& customer, const QString& now) {
    const QString over = fill(QStringLiteral("(SELECT num FROM {sent})"), n);
    // Lines without a number count as the number '' in the totals; the kind's sums count them
    // in n and not in cnum.
    QSqlQuery before =
        db.exec(fill(QStringLiteral("SELECT (SELECT n - cnum FROM tbkind WHERE codeins = {code}), "
                                    "(SELECT count(*) FROM {sent} WHERE num = ''), (SELECT "
                                    "coalesce(sum({c}), 0) FROM {sent})"),
                     n));
    before.next();
    const qint64 withoutNumber = before.value(1).toInt() > 0 ? before.value(0).toLongLong() : 0;
    const double sent = before.value(2).toDouble();
    const qint64 removed =
        db.exec(fill(QStringLiteral("DELETE FROM tball WHERE codeins = {code} AND coalesce(num, "
                                    "'') IN %1"),
                     n)
                    .arg(over))
            .numRowsAffected();
    insertKeptLines(db, n, customer, now, QStringLiteral("WHERE num IN ") + over);
    db.exec(fill(QStringLiteral("DELETE FROM tbtotals WHERE codeins = {code} AND num IN %1"), n)
                .arg(over));
    const qint64 written =
        db.exec(fill(QStringLiteral("INSERT INTO tbtotals (codeins, num, h, t, l, n) SELECT "
                                    "codeins, num, %1, 1 FROM {kept} WHERE num IN %2"),
                     n)
                    .arg(keptAmounts(n), over))
            .numRowsAffected();
    if (removed == 0 && written == 0)
        return;
    db.exec(fill(QStringLiteral("UPDATE tbkind SET {c} = {c} - ?, n = n - ? + ?, cnum = cnum - ? + "
                                "? WHERE codeins = {code}"),
                 n),
            {sent, removed, written, removed - withoutNumber, written});
}

// The kind's kept sums after its lines became its kept rows, one line per number.
void keptSums(Database& db, const Names& n) {
    const QString amounts = keptAmounts(n);
    db.exec(fill(QStringLiteral("DELETE FROM tbtotals WHERE codeins = {code}"), n));
    db.exec(fill(QStringLiteral("INSERT INTO tbtotals (codeins, num, h, t, l, n) SELECT codeins, "
                                "num, %1, 1 FROM {kept} ORDER BY num"),
                 n)
                .arg(amounts));
    db.exec(fill(QStringLiteral("DELETE FROM tbkind WHERE codeins = {code}"), n));
    QStringList sums;
    for (const QString& amount : amounts.split(QStringLiteral(", ")))
        sums << (amount == QLatin1String("0") ? amount : QStringLiteral("sum(%1)").arg(amount));
    db.exec(fill(QStringLiteral("INSERT INTO tbkind (codeins, h, t, l, n, cnum) SELECT {code}, "
                                "%1, count(*), count(num) FROM {kept} HAVING count(*) > 0"),
                 n)
                .arg(sums.join(QStringLiteral(", "))));
}

void rowsAndSum(Database& db, const QString& table, const QString& column, int* rows, double* sum) {
    QSqlQuery query =
        db.exec(QStringLiteral("SELECT count(*), coalesce(sum(%1), 0) FROM %2").arg(column, table));
    if (query.next()) {
        *rows = query.value(0).toInt();
        *sum = query.value(1).toDouble();
    }
}

} // namespace

QString menuCutCustomer(int number) {
    return QStringLiteral("ตัดยอด-") + QString::number(number);
}

QString immediateCutCustomer() {
    return QStringLiteral("การตัดยอด");
}

std::array<int, kKindCount> numbersWithTotals(Database& book) {
    QStringList parts;
    for (Kind kind : columnOrder())
        parts << QStringLiteral("(SELECT count(%1) FROM %2)")
                     .arg(stakeColumn(kind), totalsView(kind));
    QSqlQuery query = book.exec(QStringLiteral("SELECT ") + parts.join(QStringLiteral(", ")));
    std::array<int, kKindCount> counts{};
    if (query.next()) {
        for (Kind kind : columnOrder())
            counts[static_cast<size_t>(kind)] = query.value(static_cast<int>(kind)).toInt();
    }
    return counts;
}

KindOutcome cutKind(Database& db, const KindCut& job, bool linesRemoved, const QString& now) {
    const Names n = namesOf(job.kind);
    const QVariant limit = static_cast<qlonglong>(job.limit);
    const bool menu = job.variant == Variant::menu;

    db.exec(fill(QStringLiteral("DELETE FROM {kept}"), n));
    db.exec(fill(QStringLiteral("DELETE FROM {sent}"), n));
    // The kind limit: a total of the limit or more keeps the limit, a total over it sends the
    // rest (a total of exactly the limit sends nothing).
    db.exec(fill(QStringLiteral("INSERT INTO {kept} (num, {c}, codeins) SELECT num, CASE WHEN {c} "
                                ">= ? THEN ? ELSE {c} END, {code} FROM {view} ORDER BY num"),
                 n),
            {limit, limit});
    db.exec(fill(QStringLiteral("INSERT INTO {sent} (num, {c}) SELECT num, {c} - ? FROM {view} "
                                "WHERE {c} > ? ORDER BY num"),
                 n),
            {limit, limit});

    if (hasNumberStep(job.kind)) {
        const int listed =
            db.scalar(
                  fill(QStringLiteral("SELECT count(*) FROM numlimit WHERE codeins = {code}"), n))
                .toInt();
        if (listed > 0) {
            if (menu && job.fiftyPercent)
                fiftyPercent(db, n);
            else
                numberLimits(db, n);
        }
    }

    const QString customer = menu ? menuCutCustomer(job.number) : immediateCutCustomer();
    if (linesRemoved) {
        insertKeptLines(db, n, customer, now);
        keptSums(db, n);
    } else if (!menu && (job.kind == Kind::h4 || job.kind == Kind::h5)) {
        suspendSums(db);
        overLimitLines(db, n, customer, now);
        resumeSums(db);
    } else {
        suspendSums(db);
        db.exec(fill(QStringLiteral("DELETE FROM tball WHERE codeins = {code}"), n));
        insertKeptLines(db, n, customer, now);
        keptSums(db, n);
        resumeSums(db);
    }

    db.exec(fill(QStringLiteral("UPDATE {sent} SET rep = ?"), n), {kindInfo(job.kind).rep});
    if (menu) {
        db.exec(fill(QStringLiteral("INSERT INTO sentall (num, {c}, rep, cod, name) SELECT num, "
                                    "{c}, rep, ?, {code} FROM {sent} ORDER BY num"),
                     n),
                {QString::number(job.number)});
        db.exec(fill(QStringLiteral("INSERT INTO sentall2 (num, {c}, rep) SELECT num, {c}, rep "
                                    "FROM {sent} ORDER BY num"),
                     n));
    } else {
        // No cut number; the kind is kept so that taking all cuts back restores these too.
        db.exec(fill(QStringLiteral("INSERT INTO sentall (num, {c}, rep, name) SELECT num, {c}, "
                                    "rep, {code} FROM {sent} ORDER BY num"),
                     n));
    }

    KindOutcome outcome;
    outcome.kind = job.kind;
    outcome.cut = true;
    rowsAndSum(db, n.kept, n.column, &outcome.keptRows, &outcome.kept);
    rowsAndSum(db, n.sent, n.column, &outcome.sentRows, &outcome.sent);
    return outcome;
}

} // namespace cut
