#pragma once

#include "cutting/keptsent.h"
#include "cutting/kindcut.h"

#include <QString>
#include <QStringList>
#include <QVector>
#include <array>

class Database;

// The deduct-out cut: one kind's totals cut at an amount or a percent kept per number, its
// lines rewritten to the kept amounts under a per-kind cut number and the deducted amounts
// logged (cutlog), from where one cut or all cuts of the kind go back into the book. Every cut
// and restore is one transaction under the cut lock: done whole or not at all.
namespace deductout {

// The customer of the lines a cut writes, before its number: "3บนหักออก-" ...
QString customerPrefix(Kind kind, int namingMode);

// The cuts made so far per kind (cutlogc), by Kind.
std::array<int, kKindCount> counters(Database& book);

// Empty when typed is a keep value the cut takes (a whole amount of 0 or more; a percent of at
// most 100), else the message to show.
QString valueRefusal(const QString& typed, bool percent);

struct Cut {
    Kind kind = Kind::h3;
    qint64 value = 0;
    bool percent = false;      // "ค่าเปอร์เซ็นต์"
    bool swap = false;         // "สลับยอด": the excess is kept and the rest deducted
    bool fiftyPercent = false; // backc.back19
    int namingMode = 0;
};
struct Done {
    int number = 0; // the kind's cut number
    cut::KindOutcome outcome;
};
// The kind's counter moves on; its lines become the kept amounts (with swap, the excess) under
// the prefix and the number, and the rest goes to the log under the number. Afterwards the
// kind's kept table holds what stays in the book and its sent table what was deducted.
Done cutKind(Database& book, const Cut& cut);

// The log of one kind: one choice per cut 1..c, then "ยอดส่งออก<kind>แบบรวม".
QStringList choices(Database& book, Kind kind, int namingMode);
// A choice as what it selects: cut 1..c, 0 for all cuts, -1 for none.
int cutOfChoice(int count, int choiceIndex);

// The deducted amounts of one cut of the kind, or of all its cuts (cut 0) added up per number,
// ordered by number, with the report's title.
keptsent::Listing logOf(Database& book, Kind kind, int cut, int namingMode);

// Puts a cut back: its deducted amounts become lines of the kind under "คืนค่า<kind>-i" (all
// cuts, added up per number: "คืนค่า-" and the choice's number) and leave the log; the count
// of lines goes to tblog. The counter stays. Returns the lines written.
int restore(Database& book, Kind kind, int cut, int namingMode);

// The window's words.
QString noKindText(); // กรุณาเลือกชนิดของตัวเลข
QString noChoiceText(int count, bool restoring); // กรุณาเลือกข้อมูลที่ต้องการ...ครั้ง
QString noCutsText();       // ยังไม่มีการตัดยอด
QString restoreCancelled(); // ยกเลิกการคืนค่า

} // namespace deductout
