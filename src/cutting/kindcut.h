#pragma once

#include "store/database.h"
#include "store/kinds.h"

#include <QString>

// The cut of one kind, run inside a cut session; the menu cut and the immediate cut are its
// two variants.
namespace cut {

// A transaction that writes the book and holds its cut lock: a second cut, undo or halving on
// the same book is refused with the Thai words of refusedText() instead of waiting for it.
class Session {
public:
    explicit Session(Database& book);
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;
    void commit() { transaction_->commit(); }
    // The time the session's lines are written with.
    QString now() const { return now_; }

private:
    Database& book_;
    std::unique_ptr<Transaction> transaction_;
    int cache_ = 0;
    QString now_;
};

// Inside a session: the triggers that keep the book's sums stop while a writer sets the sums
// itself, and start again before the session commits.
void suspendSums(Database& book);
void resumeSums(Database& book);

// Why a cut did not start.
QString refusedText();

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

// Removes every line of the given kinds from tball; the sum triggers must be suspended (the
// sums are set again by cutKind).
void removeLines(Database& book, const QStringList& codes);

// The totals view of a kind (qt3 for t3) and its kept and sent tables.
QString totalsView(Kind kind);
QString keptTable(Kind kind);
QString sentTable(Kind kind);

// The number of numbers with a total, per kind (by Kind), in one statement.
std::array<int, kKindCount> numbersWithTotals(Database& book);

// Customer names of the lines a cut writes.
QString menuCutCustomer(int number); // ตัดยอด-n
QString immediateCutCustomer();      // การตัดยอด

} // namespace cut
