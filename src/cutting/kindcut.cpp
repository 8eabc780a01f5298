#include "cutting/kindcut.h"

#include "common/settings.h"
#include "cutting/numberlimits.h"
#include "store/dialect.h"
#include "store/kindrow.h"

#include <QSqlQuery>
#include <optional>

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
    QString rep; // the report group the sent rows carry
};

Names namesOf(Kind kind) {
    return {quoted(kindCode(kind)), stakeColumn(kind), totalsView(kind),
            keptTable(kind),        sentTable(kind),   QString::number(kindInfo(kind).rep)};
}

QString fill(QString sql, const Names& n) {
    sql.replace(QLatin1String("{code}"), n.code);
    sql.replace(QLatin1String("{c}"), n.column);
    sql.replace(QLatin1String("{view}"), n.view);
    sql.replace(QLatin1String("{kept}"), n.kept);
    sql.replace(QLatin1String("{sent}"), n.sent);
    sql.replace(QLatin1String("{rep}"), n.rep);
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
    db.exec(
        fill(QStringLiteral("INSERT INTO {sent} (num, {c}, rep) SELECT v.num, v.{c} - %1, "
                            "{rep} FROM {view} v WHERE v.num IN %2 AND v.{c} >= %1 ORDER BY v.num"),
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
    db.exec(fill(QStringLiteral(
                     "INSERT INTO {sent} (num, {c}, rep) SELECT k.num, k.{c}, {rep} "
                     "FROM {kept} k WHERE k.num IN %1 AND k.{c} <> 0 AND NOT EXISTS (SELECT 1 FROM "
                     "{sent} s WHERE s.num = k.num) ORDER BY k.num"),
                 n)
                .arg(listed));
}

// Where the kind's lines begin, when every line of the kind is known to lie at or above that
// id and the lines from there are a small part of the book: a cut that rewrites the kind then
// reads only those, not the whole book. Written by the cuts that rewrite all of a kind's lines;
// lines come later with higher ids, so it holds until then, and it is checked before it is used.
std::optional<qint64> linesFrom(Database& db, const Names& n) {
    QSqlQuery query = db.exec(
        fill(QStringLiteral("SELECT (SELECT max(id) FROM tbfrom WHERE codeins = {code}), (SELECT "
                            "max(id) FROM tball), (SELECT coalesce(sum(n), 0) FROM tbkind), "
                            "(SELECT coalesce(sum(n), 0) FROM tbkind WHERE codeins = {code})"),
             n));
    if (!query.next() || query.value(0).isNull())
        return std::nullopt;
    const qint64 from = query.value(0).toLongLong();
    const qint64 last = query.value(1).toLongLong();
    const qint64 all = query.value(2).toLongLong();
    const qint64 lines = query.value(3).toLongLong();
    query.finish();
    if ((last - from + 1) * 2 > all)
        return std::nullopt;
    const qint64 found =
        db.scalar(fill(QStringLiteral("SELECT count(*) FROM tball WHERE id >= ? AND codeins = "
                                      "{code}"),
                       n),
                  {from})
            .toLongLong();
    if (found != lines)
        return std::nullopt;
    return from;
}

// The lines about to be written for the kind, and every later line of it, have an id above the
// book's highest now.
void markLinesFrom(Database& db, const Names& n) {
    const qint64 next =
        db.scalar(QStringLiteral("SELECT coalesce(max(id), 0) + 1 FROM tball")).toLongLong();
    db.exec(fill(QStringLiteral("DELETE FROM tbfrom WHERE codeins = {code}"), n));
    db.exec(fill(QStringLiteral("INSERT INTO tbfrom (codeins, id) VALUES ({code}, ?)"), n), {next});
}

bool hasNumberStep(Kind kind) {
    return limitKinds().contains(kind);
}

// The rows of table (the kind's kept table unless said) as lines of the kind.
void insertLines(Database& db, const Names& n, const QString& customer, const QString& now,
                 const QString& only = QString(), const QString& table = QString()) {
    db.exec(fill(QStringLiteral("INSERT INTO tball (num, {c}, codeins, cus, tim) SELECT num, {c}, "
                                "{code}, ?, ? FROM %1 %2 ORDER BY num"),
                 n)
                .arg(table.isEmpty() ? n.kept : table, only),
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
    insertLines(db, n, customer, now, QStringLiteral("WHERE num IN ") + over);
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

// The kind's kept sums after its lines became the rows of table, one line per number.
void keptSums(Database& db, const Names& n, const QString& table) {
    const QString amounts = keptAmounts(n);
    db.exec(fill(QStringLiteral("DELETE FROM tbtotals WHERE codeins = {code}"), n));
    db.exec(fill(QStringLiteral("INSERT INTO tbtotals (codeins, num, h, t, l, n) SELECT {code}, "
                                "num, %1, 1 FROM %2 ORDER BY num"),
                 n)
                .arg(amounts, table));
    db.exec(fill(QStringLiteral("DELETE FROM tbkind WHERE codeins = {code}"), n));
    QStringList sums;
    for (const QString& amount : amounts.split(QStringLiteral(", ")))
        sums << (amount == QLatin1String("0") ? amount : QStringLiteral("sum(%1)").arg(amount));
    db.exec(fill(QStringLiteral("INSERT INTO tbkind (codeins, h, t, l, n, cnum) SELECT {code}, "
                                "%1, count(*), count(num) FROM %2 HAVING count(*) > 0"),
                 n)
                .arg(sums.join(QStringLiteral(", ")), table));
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

std::array<qint64, kKindCount> wholeRow(Database& book, const QString& table) {
    const QStringList stored = kindrow::read(book, table);
    std::array<qint64, kKindCount> values{};
    for (Kind kind : columnOrder()) {
        const int column = static_cast<int>(kind);
        values[static_cast<size_t>(column)] =
            column < stored.size() ? wholeAmount(stored.at(column)) : 0;
    }
    return values;
}

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

void divideTotals(Database& db, Kind kind, const Keep& keep, bool fiftyPercentMode) {
    const Names n = namesOf(kind);
    const QVariant value = static_cast<qlonglong>(keep.value);
    db.exec(fill(QStringLiteral("DELETE FROM {kept}"), n));
    db.exec(fill(QStringLiteral("DELETE FROM {sent}"), n));
    if (keep.percent) {
        // A total above the value keeps that percent of itself, its whole part; the rest goes.
        // A total of the value or less is kept whole.
        const QString kept =
            dialect::wholeOf(db.engine(), fill(QStringLiteral("{c} * ? / 100.0"), n));
        db.exec(fill(QStringLiteral("INSERT INTO {kept} (num, {c}, codeins) SELECT num, CASE WHEN "
                                    "{c} > ? THEN %1 ELSE {c} END, {code} FROM {view} ORDER BY "
                                    "num"),
                     n)
                    .arg(kept),
                {value, value});
        db.exec(fill(QStringLiteral("INSERT INTO {sent} (num, {c}, rep) SELECT num, {c} - %1, "
                                    "{rep} FROM {view} WHERE {c} > ? ORDER BY num"),
                     n)
                    .arg(kept),
                {value, value});
        db.exec(fill(QStringLiteral("DELETE FROM {sent} WHERE {c} = 0"), n));
    } else {
        // A total of the limit or more keeps the limit, a total over it sends the rest (a
        // total of exactly the limit sends nothing).
        db.exec(fill(QStringLiteral("INSERT INTO {kept} (num, {c}, codeins) SELECT num, CASE WHEN "
                                    "{c} >= ? THEN ? ELSE {c} END, {code} FROM {view} ORDER BY "
                                    "num"),
                     n),
                {value, value});
        db.exec(fill(QStringLiteral("INSERT INTO {sent} (num, {c}, rep) SELECT num, {c} - ?, {rep} "
                                    "FROM {view} WHERE {c} > ? ORDER BY num"),
                     n),
                {value, value});
    }

    if (hasNumberStep(kind)) {
        const int listed =
            db.scalar(
                  fill(QStringLiteral("SELECT count(*) FROM numlimit WHERE codeins = {code}"), n))
                .toInt();
        if (listed > 0) {
            if (fiftyPercentMode)
                fiftyPercent(db, n);
            else
                numberLimits(db, n);
        }
    }
}

void rewriteLines(Database& db, Kind kind, const QString& table, const QString& customer,
                  const QString& now) {
    const Names n = namesOf(kind);
    const std::optional<qint64> from = linesFrom(db, n);
    suspendSums(db);
    if (from)
        db.exec(fill(QStringLiteral("DELETE FROM tball WHERE id >= ? AND codeins = {code}"), n),
                {*from});
    else
        db.exec(fill(QStringLiteral("DELETE FROM tball WHERE codeins = {code}"), n));
    markLinesFrom(db, n);
    insertLines(db, n, customer, now, QString(), table);
    keptSums(db, n, table);
    resumeSums(db);
}

int addLines(Database& db, Kind kind, const QString& rows, const QVariantList& binds,
             const QString& customer, const QString& now) {
    const Names n = namesOf(kind);
    const QString from = QStringLiteral("FROM (%1) r WHERE 1 = 1").arg(rows);
    suspendSums(db);
    const int lines =
        db.exec(fill(QStringLiteral("INSERT INTO tball (num, {c}, codeins, cus, tim) SELECT r.num, "
                                    "r.amount, {code}, ?, ? %1 ORDER BY r.num"),
                     n)
                    .arg(from),
                QVariantList{customer, now} + binds)
            .numRowsAffected();
    const QString amounts = keptAmounts(n).replace(n.column, QStringLiteral("sum(r.amount)"));
    db.exec(fill(QStringLiteral("INSERT INTO tbtotals (codeins, num, h, t, l, n) SELECT {code}, "
                                "coalesce(r.num, ''), %1, count(*) %2 GROUP BY coalesce(r.num, "
                                "'') ON CONFLICT (codeins, num) DO UPDATE SET h = tbtotals.h + "
                                "excluded.h, t = tbtotals.t + excluded.t, l = tbtotals.l + "
                                "excluded.l, n = tbtotals.n + excluded.n"),
                 n)
                .arg(amounts, from),
            binds);
    db.exec(fill(QStringLiteral("INSERT INTO tbkind (codeins, h, t, l, n, cnum) SELECT {code}, %1, "
                                "count(*), count(r.num) %2 HAVING count(*) > 0 ON CONFLICT "
                                "(codeins) DO UPDATE SET h = tbkind.h + excluded.h, t = tbkind.t + "
                                "excluded.t, l = tbkind.l + excluded.l, n = tbkind.n + excluded.n, "
                                "cnum = tbkind.cnum + excluded.cnum"),
                 n)
                .arg(amounts, from),
            binds);
    resumeSums(db);
    return lines;
}

KindOutcome outcomeOf(Database& db, Kind kind) {
    const Names n = namesOf(kind);
    KindOutcome outcome;
    outcome.kind = kind;
    outcome.cut = true;
    rowsAndSum(db, n.kept, n.column, &outcome.keptRows, &outcome.kept);
    rowsAndSum(db, n.sent, n.column, &outcome.sentRows, &outcome.sent);
    return outcome;
}

KindOutcome cutKind(Database& db, const KindCut& job, bool linesRemoved, const QString& now) {
    const Names n = namesOf(job.kind);
    const bool menu = job.variant == Variant::menu;
    divideTotals(db, job.kind, Keep{job.limit, false}, menu && job.fiftyPercent);

    const QString customer = menu ? menuCutCustomer(job.number) : immediateCutCustomer();
    if (linesRemoved) {
        markLinesFrom(db, n);
        insertLines(db, n, customer, now);
        keptSums(db, n, n.kept);
    } else if (!menu && (job.kind == Kind::h4 || job.kind == Kind::h5)) {
        suspendSums(db);
        overLimitLines(db, n, customer, now);
        resumeSums(db);
    } else {
        rewriteLines(db, job.kind, n.kept, customer, now);
    }

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
    return outcomeOf(db, job.kind);
}

} // namespace cut
