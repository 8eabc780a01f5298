#include "cutting/kindcut.h"

#include "common/batchinflight.h"
#include "common/settings.h"
#include "cutting/groupcut.h"
#include "cutting/kindsql.h"
#include "cutting/numberlimits.h"
#include "store/dialect.h"
#include "store/kindrow.h"

#include <QSqlQuery>
#include <optional>

namespace cut {

namespace {

using kindsql::fill;
using kindsql::Names;
using kindsql::namesOf;

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
qint64 markLinesFrom(Database& db, const Names& n) {
    const qint64 next = nextLineId(db);
    db.exec(fill(QStringLiteral("DELETE FROM tbfrom WHERE codeins = {code}"), n));
    db.exec(fill(QStringLiteral("INSERT INTO tbfrom (codeins, id) VALUES ({code}, ?)"), n), {next});
    return next;
}

bool hasNumberStep(Kind kind) {
    return limitKinds().contains(kind);
}

// The kind's kept sums after its lines became the rows of table, one line per number, written
// from the id firstLine on.
void keptSums(Database& db, const Names& n, const QString& table, qint64 firstLine) {
    const QString amounts = kindsql::keptAmounts(n);
    db.exec(fill(QStringLiteral("DELETE FROM tbtotals WHERE codeins = {code}"), n));
    db.exec(fill(QStringLiteral("INSERT INTO tbtotals (codeins, num, h, t, l, n, lowid, keptat) "
                                "SELECT {code}, num, %1, 1, ?, {c} FROM %2 ORDER BY num"),
                 n)
                .arg(amounts, table),
            {firstLine});
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

namespace {

// The kept rows of the numbers in scope (a SELECT of num; all numbers when empty) taken again
// from their totals at an amount: a total of the limit or more keeps the limit.
void keptAtAmount(Database& db, const Names& n, qint64 limit, const QString& scope) {
    const QVariant value = static_cast<qlonglong>(limit);
    const QString only = scope.isEmpty() ? QString() : QStringLiteral(" WHERE num IN (%1)").arg(scope);
    db.exec(fill(QStringLiteral("DELETE FROM {kept}"), n) + only);
    db.exec(fill(QStringLiteral("INSERT INTO {kept} (num, {c}, codeins) SELECT num, CASE WHEN {c} "
                                ">= ? THEN ? ELSE {c} END, {code} FROM {view}%1 ORDER BY num"),
                 n)
                .arg(only),
            {value, value});
}

// Every total over the limit sends the rest (a total of exactly the limit sends nothing). When
// few totals are over, as after an immediate cut of a group kind (whose column is h), they are
// read through the index of the totals by amount.
enum class Over { many, few };
void sentAtAmount(Database& db, const Names& n, qint64 limit, Over over = Over::many) {
    const QVariant value = static_cast<qlonglong>(limit);
    const QString totals =
        over == Over::many
            ? QStringLiteral("{view} WHERE")
            : QStringLiteral("tbtotals%1 WHERE codeins = {code} AND")
                  .arg(dialect::readThrough(db.engine(), QStringLiteral("tbtotals_h")));
    db.exec(fill(QStringLiteral("DELETE FROM {sent}"), n));
    db.exec(fill(QStringLiteral("INSERT INTO {sent} (num, {c}, rep) SELECT num, {c} - ?, {rep} "
                                "FROM %1 {c} > ? ORDER BY num")
                     .arg(totals),
                 n),
            {value, value});
}

void numberStep(Database& db, Kind kind, const Names& n, bool fiftyPercentMode) {
    if (!hasNumberStep(kind))
        return;
    const int listed =
        db.scalar(fill(QStringLiteral("SELECT count(*) FROM numlimit WHERE codeins = {code}"), n))
            .toInt();
    if (listed == 0)
        return;
    if (fiftyPercentMode)
        fiftyPercent(db, n);
    else
        numberLimits(db, n);
}

} // namespace

void divideTotals(Database& db, Kind kind, const Keep& keep, bool fiftyPercentMode) {
    const Names n = namesOf(kind);
    if (keep.percent) {
        // A total above the value keeps that percent of itself, its whole part; the rest goes.
        // A total of the value or less is kept whole.
        const QVariant value = static_cast<qlonglong>(keep.value);
        db.exec(fill(QStringLiteral("DELETE FROM {kept}"), n));
        db.exec(fill(QStringLiteral("DELETE FROM {sent}"), n));
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
        keptAtAmount(db, n, keep.value, QString());
        sentAtAmount(db, n, keep.value);
    }
    numberStep(db, kind, n, fiftyPercentMode);
}

void divideMovedTotals(Database& db, Kind kind, qint64 limit, const QString& moved) {
    const Names n = namesOf(kind);
    keptAtAmount(db, n, limit, moved);
    sentAtAmount(db, n, limit, Over::few);
}

qint64 nextLineId(Database& db) {
    return db.scalar(QStringLiteral("SELECT coalesce(max(id), 0) + 1 FROM tball")).toLongLong();
}

void rewriteLines(Database& db, Kind kind, const QString& table, const QString& customer,
                  const QString& now) {
    const Names n = namesOf(kind);
    inflight::refuseChange(db, QStringLiteral("codeins = ") + n.code);
    const std::optional<qint64> from = linesFrom(db, n);
    suspendSums(db);
    if (from)
        db.exec(fill(QStringLiteral("DELETE FROM tball WHERE id >= ? AND codeins = {code}"), n),
                {*from});
    else
        db.exec(fill(QStringLiteral("DELETE FROM tball WHERE codeins = {code}"), n));
    const qint64 firstLine = markLinesFrom(db, n);
    kindsql::insertLines(db, n, customer, now, QString(), table);
    keptSums(db, n, table, firstLine);
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
    const QString amounts =
        kindsql::keptAmounts(n).replace(n.column, QStringLiteral("sum(r.amount)"));
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
    const QString customer = menu ? menuCutCustomer(job.number) : immediateCutCustomer();
    if (!menu && !linesRemoved && isGroupKind(job.kind)) {
        cutGroupKind(db, job.kind, job.limit, customer, now);
    } else {
        divideTotals(db, job.kind, Keep{job.limit, false}, menu && job.fiftyPercent);
        if (linesRemoved) {
            const qint64 firstLine = markLinesFrom(db, n);
            kindsql::insertLines(db, n, customer, now);
            keptSums(db, n, n.kept, firstLine);
        } else {
            rewriteLines(db, job.kind, n.kept, customer, now);
        }
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
