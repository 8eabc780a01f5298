#include "cutting/groupcut.h"

#include "common/batchinflight.h"
#include "common/cutsession.h"
#include "cutting/kindcut.h"
#include "cutting/kindsql.h"
#include "store/dialect.h"
#include "store/schema.h"

#include <QSqlQuery>
#include <optional>

namespace cut {

namespace {

using kindsql::fill;
using kindsql::Names;

constexpr qint64 kHintedNumbers = 2000;

// How many numbers the kind had when its kept list last took its totals, when that was at the
// same limit and no other cut wrote a kept list since.
std::optional<qint64> keptSince(Database& db, const Names& n, qint64 limit) {
    QSqlQuery query = db.exec(
        fill(QStringLiteral("SELECT lim, numbers FROM tbkeptsync WHERE codeins = {code}"), n));
    if (!query.next() || query.value(0).toDouble() != static_cast<double>(limit))
        return std::nullopt;
    return query.value(1).toLongLong();
}

// The kind's kept list has just taken every total at this limit.
void writeKeptSince(Database& db, const Names& n, qint64 limit) {
    const qint64 numbers =
        db.scalar(fill(QStringLiteral("SELECT count(*) FROM tbtotals WHERE codeins = {code}"), n))
            .toLongLong();
    db.exec(fill(QStringLiteral("DELETE FROM tbkeptsync WHERE codeins = {code}"), n));
    db.exec(fill(QStringLiteral("INSERT INTO tbkeptsync (codeins, lim, numbers) VALUES ({code}, ?, "
                                "?)"),
                 n),
            {static_cast<double>(limit), numbers});
}

// The numbers whose totals moved since the kept list took them, in the temporary table
// groupmoved; fresh marks a number the kept list never took (new, or written again by another
// writer of the sums). Returns whether any number the kept list took has lost its totals row.
bool findMoved(Database& db, const Names& n, qint64 numbersThen) {
    db.exec(QStringLiteral("CREATE TEMP TABLE IF NOT EXISTS groupmoved (num %1 PRIMARY KEY, fresh "
                           "INTEGER)")
                .arg(dialect::textType(db.engine())));
    db.exec(QStringLiteral("DELETE FROM groupmoved"));
    db.exec(fill(QStringLiteral("INSERT INTO groupmoved (num, fresh) SELECT num, CASE WHEN keptat "
                                "IS NULL THEN 1 ELSE 0 END FROM tbtotals%1 WHERE codeins = {code} "
                                "AND %2"),
                 n)
                .arg(dialect::readThrough(db.engine(), QStringLiteral("tbtotals_moved")),
                     schema::movedGroupTotals()));
    QSqlQuery query = db.exec(fill(QStringLiteral("SELECT (SELECT count(*) FROM tbtotals WHERE "
                                                  "codeins = {code}), (SELECT coalesce(sum(fresh), "
                                                  "0) FROM groupmoved)"),
                                   n));
    query.next();
    const qint64 taken = query.value(0).toLongLong() - query.value(1).toLongLong();
    return taken < numbersThen;
}

// Removes every line of the numbers over the limit and returns how many went. The lines of a
// number a cut wrote lie from its lowid on, unless one was moved to it since; the count of its
// lines in the sums tells, and the kind's other lines are read only when some are missing.
qint64 removeOverLines(Database& db, const Names& n, const QString& over, qint64 overNumbers) {
    // Many numbers over at once have lines all over the book: they are read in one pass.
    if (overNumbers > kHintedNumbers) {
        return db.exec(fill(QStringLiteral("DELETE FROM tball WHERE codeins = {code} AND "
                                           "coalesce(num, '') IN %1"),
                            n)
                           .arg(over))
            .numRowsAffected();
    }
    QSqlQuery hint = db.exec(fill(QStringLiteral("SELECT coalesce(sum(n), 0), count(*), "
                                                 "count(lowid), min(lowid) FROM tbtotals WHERE "
                                                 "codeins = {code} AND num IN %1"),
                                  n)
                                 .arg(over));
    hint.next();
    const qint64 lines = hint.value(0).toLongLong();
    const qint64 numbers = hint.value(1).toLongLong();
    const bool hinted = numbers > 0 && numbers == hint.value(2).toLongLong();
    const qint64 from = hint.value(3).toLongLong();
    hint.finish();
    qint64 removed = 0;
    if (hinted) {
        removed = db.exec(fill(QStringLiteral("DELETE FROM tball WHERE id >= ? AND codeins = "
                                              "{code} AND num IN %1"),
                               n)
                              .arg(over),
                          {from})
                      .numRowsAffected();
    }
    if (removed < lines) {
        removed += db.exec(fill(QStringLiteral("DELETE FROM tball WHERE codeins = {code} AND "
                                               "coalesce(num, '') IN %1"),
                                n)
                               .arg(over))
                       .numRowsAffected();
    }
    return removed;
}

// The numbers over the limit become one line each, of the limit they keep (a group kind has no
// per-number limits); the others keep their lines. Their sums are that line; the kind's sums
// lose what was sent and the lines that went, and gain the new lines.
void overLimitLines(Database& db, const Names& n, qint64 limit, const QString& customer,
                    const QString& now) {
    const QString over = fill(QStringLiteral("(SELECT num FROM {sent})"), n);
    // Lines without a number count as the number '' in the totals; the kind's sums count them
    // in n and not in cnum.
    QSqlQuery before =
        db.exec(fill(QStringLiteral("SELECT (SELECT n - cnum FROM tbkind WHERE codeins = {code}), "
                                    "(SELECT count(*) FROM {sent} WHERE num = ''), (SELECT "
                                    "coalesce(sum({c}), 0) FROM {sent}), (SELECT count(*) FROM "
                                    "{sent})"),
                     n));
    before.next();
    const qint64 withoutNumber = before.value(1).toInt() > 0 ? before.value(0).toLongLong() : 0;
    const double sent = before.value(2).toDouble();
    const qint64 overNumbers = before.value(3).toLongLong();
    before.finish();
    if (overNumbers == 0)
        return;
    const qint64 removed = removeOverLines(db, n, over, overNumbers);
    const QString kept = QString::number(limit);
    const qint64 firstLine = nextLineId(db);
    kindsql::insertLines(db, n, customer, now, QString(),
                         fill(QStringLiteral("(SELECT num, %1 AS {c} FROM {sent}) k"), n).arg(kept));
    const QStringList amounts =
        kindsql::keptAmounts(n).replace(n.column, kept).split(QStringLiteral(", "));
    const qint64 written =
        db.exec(fill(QStringLiteral("UPDATE tbtotals SET h = %1, t = %2, l = %3, n = 1, lowid = ?, "
                                    "keptat = %4 WHERE codeins = {code} AND num IN %5"),
                     n)
                    .arg(amounts.at(0), amounts.at(1), amounts.at(2), kept, over),
                {firstLine})
            .numRowsAffected();
    db.exec(fill(QStringLiteral("UPDATE tbkind SET {c} = {c} - ?, n = n - ? + ?, cnum = cnum - ? + "
                                "? WHERE codeins = {code}"),
                 n),
            {sent, removed, written, removed - withoutNumber, written});
}

} // namespace

bool isGroupKind(Kind kind) {
    return kind == Kind::h4 || kind == Kind::h5;
}

void cutGroupKind(Database& db, Kind kind, qint64 limit, const QString& customer,
                  const QString& now) {
    const Names n = kindsql::namesOf(kind);
    inflight::refuseChange(db, QStringLiteral("codeins = ") + n.code);
    const std::optional<qint64> numbersThen = keptSince(db, n, limit);
    const QString moved = QStringLiteral("SELECT num FROM groupmoved");
    if (numbersThen) {
        if (findMoved(db, n, *numbersThen)) {
            // A number without totals now keeps nothing.
            db.exec(fill(QStringLiteral("DELETE FROM {kept} WHERE num NOT IN (SELECT num FROM "
                                        "tbtotals WHERE codeins = {code})"),
                         n));
        }
        divideMovedTotals(db, kind, limit, moved);
    } else {
        divideTotals(db, kind, Keep{limit, false}, false);
        // Every number of the kind is marked below, and most may be over.
        setSumIndexesAside(db);
    }
    suspendSums(db);
    overLimitLines(db, n, limit, customer, now);
    resumeSums(db);
    // Every number's total is now what its kept row says.
    if (numbersThen) {
        db.exec(fill(QStringLiteral("UPDATE tbtotals SET keptat = {c} WHERE codeins = {code} AND "
                                    "num IN (%1)"),
                     n)
                    .arg(moved));
    } else {
        db.exec(fill(QStringLiteral("UPDATE tbtotals SET keptat = {c} WHERE codeins = {code} AND %1"),
                     n)
                    .arg(schema::movedGroupTotals()));
        buildSumIndexesAgain(db);
    }
    writeKeptSince(db, n, limit);
}

void keptListTaken(Database& db, Kind kind, qint64 limit) {
    const Names n = kindsql::namesOf(kind);
    writeKeptSince(db, n, limit);
}

} // namespace cut
