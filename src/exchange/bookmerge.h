#pragma once

#include "exchange/rowrefused.h"

#include <QString>
#include <functional>

class Database;
class SourceBook;

// Another computer's book added to this one: its bet lines, and its sent log, deduct-out log,
// cut number and counters in place of this book's.
namespace bookmerge {

enum class Stage { bets, sentLog, cutLog };

struct Result {
    qint64 rows = 0;    // bet rows of the other book's tball
    qint64 entered = 0; // rows of its entered lines copied apart
    qint64 sent = 0;
    qint64 cutLog = 0;
};

// The tables a source must have; the entered lines only when they are copied apart.
QStringList missingTables(SourceBook& source, bool enteredApart);

// One transaction of the book: everything or, when any row is refused or a read fails,
// nothing. enteredApart ("แยกข้อมูลสำรอง") copies the source's entered lines by themselves
// instead of copying its book's lines twice. progress gets the stage and its whole percent.
// Throws StoreError or RowRefused.
Result merge(Database& book, SourceBook& source, bool enteredApart,
             const std::function<void(Stage, int)>& progress = {});

// "เพิ่มฐานข้อมูล" n "แถวเรียบร้อย"
QString doneText(qint64 rows);

} // namespace bookmerge
