#pragma once

#include "store/database.h"
#include "store/kinds.h"

#include <QString>
#include <memory>

// The session every change of many rows of the book runs in (a cut, its undo, the prize
// check's kept sums), and the names of each kind's totals view, kept and sent tables.
namespace cut {

// A transaction that writes the book and holds its cut lock: a second cut, undo or halving on
// the same book is refused with the Thai words of refusedText() instead of waiting for it.
class Session {
public:
    // A session that rewrites the whole book (a start-over, a consolidation) leaves the pages it
    // frees unwiped, so an emptied table costs no writing of it.
    enum Frees { wiped, unwiped };
    explicit Session(Database& book, Frees frees = wiped);
    ~Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;
    // A session forgets, as it commits, which kept lists follow the totals (see
    // keepsKeptLists), unless it said it keeps them so.
    void commit();
    void keepsKeptLists() { keepsKeptLists_ = true; }
    // The time the session's lines are written with.
    QString now() const { return now_; }

private:
    Database& book_;
    std::unique_ptr<Transaction> transaction_;
    int cache_ = 0;
    bool unwiped_ = false;
    bool keepsKeptLists_ = false;
    int frees_ = 0;
    QString now_;
};

// Inside a session: the triggers that keep the book's sums stop while a writer sets the sums
// itself, and start again before the session commits.
void suspendSums(Database& book);
void resumeSums(Database& book);
// Meanwhile: rows written by the session added to the book's sums, number by number in one
// statement; rows is a table and its condition ("sentall WHERE ..."), the kind in kindColumn.
// A session that commits without keeping the kept lists may mark the numbers it sums as taken
// by them: the next immediate cut takes every kept list again whole anyway.
enum class Taken { unmarked, marked };
void addToSums(Database& book, const QString& kindColumn, const QString& rows,
               const QVariantList& binds, Taken taken = Taken::unmarked);

// Inside a session, around a write of the sums of many numbers at once: an SQLite book builds
// the indexes of the sums again after it faster than it follows each row.
void setSumIndexesAside(Database& book);
void buildSumIndexesAgain(Database& book);

// Removes every line of the given kinds from tball; the sum triggers must be suspended (the
// writer sets the kinds' sums again).
void removeLines(Database& book, const QStringList& codes);

// Why a cut did not start.
QString refusedText();

// The totals view of a kind (qt3 for t3) and its kept and sent tables.
QString totalsView(Kind kind);
QString keptTable(Kind kind);
QString sentTable(Kind kind);

} // namespace cut
