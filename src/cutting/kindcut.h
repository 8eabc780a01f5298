#pragma once

#include "common/cutsession.h"
#include "store/database.h"
#include "store/kinds.h"

#include <QString>

// The cut of one kind, run inside a cut session; the menu cut and the immediate cut are its
// two variants.
namespace cut {

enum class Variant { menu, immediate };

struct KindCut {
    Kind kind = Kind::h3;
    Variant variant = Variant::menu;
    qint64 limit = 0;
    int number = 0;            // the menu cut's number (ตัดยอด-n, the log's cod)
    bool fiftyPercent = false; // menu cut only
};

// What one kind's cut left: its kept and sent rows and their sums.
struct KindOutcome {
    Kind kind = Kind::h3;
    bool cut = false; // false: the kind had no totals and was skipped
    int keptRows = 0;
    int sentRows = 0;
    double kept = 0;
    double sent = 0;
};

// How a kind's totals are divided into kept and sent amounts: a total above the value keeps
// the value (an amount) or that percent of itself, its whole part (a percent); a total of the
// value or less is kept whole, so kept and sent always add up to the total.
struct Keep {
    qint64 value = 0;
    bool percent = false;
};

// Empties and fills the kind's kept and sent tables from its totals by keep; then the kind's
// per-number limits replace it for their numbers (with the fifty-percent mode, a listed number
// keeps half its total and sends half). The sent rows carry the kind's report group.
void divideTotals(Database& book, Kind kind, const Keep& keep, bool fiftyPercent);

// As divideTotals at the limit, for a kind without per-number limits, with the kept rows of
// only the numbers in moved (a SELECT of num) taken again from their totals; the others stay.
void divideMovedTotals(Database& book, Kind kind, qint64 limit, const QString& moved);

// The id the next line of the book is written with, unless another writer takes it first.
qint64 nextLineId(Database& book);

// The kind's lines in tball become the rows of table (its kept or its sent table), one line per
// number under customer; the kind's sums are set from them.
void rewriteLines(Database& book, Kind kind, const QString& table, const QString& customer,
                  const QString& now);

// Adds one line of the kind per row of rows (a SELECT giving num and amount, with its binds)
// under customer, the kind's sums following in one pass; returns the lines written.
int addLines(Database& book, Kind kind, const QString& rows, const QVariantList& binds,
             const QString& customer, const QString& now);

// The kind's kept and sent rows and sums as they stand.
KindOutcome outcomeOf(Database& book, Kind kind);

// Fills the kind's kept and sent tables, rewrites its lines in tball and logs its sent rows.
// linesRemoved: the caller has already removed every line of the kind with the sum triggers
// suspended (the menu cut, for all its kinds in one pass); the kept lines and the kind's sums
// are written here. Otherwise the cut removes the lines itself.
KindOutcome cutKind(Database& book, const KindCut& job, bool linesRemoved, const QString& now);

// The number of numbers with a total, per kind (by Kind), in one statement.
std::array<int, kKindCount> numbersWithTotals(Database& book);

// A one-row table of per-kind values (change, change2, change3, cutlogc) as whole numbers, by
// Kind; a value that is not a number is 0.
std::array<qint64, kKindCount> wholeRow(Database& book, const QString& table);

// Customer names of the lines a cut writes.
QString menuCutCustomer(int number); // ตัดยอด-n
QString immediateCutCustomer();      // การตัดยอด

} // namespace cut
