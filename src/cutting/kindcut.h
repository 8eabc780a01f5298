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

// Fills the kind's kept and sent tables, rewrites its lines in tball and logs its sent rows.
// linesRemoved: the caller has already removed every line of the kind with the sum triggers
// suspended (the menu cut, for all its kinds in one pass); the kept lines and the kind's sums
// are written here. Otherwise the cut removes the lines itself.
KindOutcome cutKind(Database& book, const KindCut& job, bool linesRemoved, const QString& now);

// The number of numbers with a total, per kind (by Kind), in one statement.
std::array<int, kKindCount> numbersWithTotals(Database& book);

// Customer names of the lines a cut writes.
QString menuCutCustomer(int number); // ตัดยอด-n
QString immediateCutCustomer();      // การตัดยอด

} // namespace cut
