#pragma once

#include "settlement/draw.h"
#include "settlement/winningrules.h"
#include "store/kinds.h"

#include <QString>
#include <QVector>
#include <array>

class Database;

// The check of the draw against the kept amounts of the last cut: per kind what the bookmaker
// keeps after his discount, what he pays on the winning numbers and the difference.
namespace prizecheck {

// The kinds in the order of the form's rows.
const std::array<Kind, kKindCount>& rowOrder();

struct KindResult {
    Kind kind = Kind::h3;
    bool won = false;
    qint64 winningStake = 0; // W, times the weight of each winning number
    qint64 paid = 0;         // W times the pay rate
    qint64 kept = 0;         // the kept sum less the discount percent, cut toward zero
    qint64 net = 0;          // kept - paid
    QString caption;         // the win text and W, or the no-win text
};

struct Result {
    std::array<KindResult, kKindCount> rows; // in rowOrder()
    qint64 total = 0;
    // "กำไร=", "ขาดทุน=", or empty when the total is 0 (the caption keeps its text).
    QString totalCaption() const;
};

// percents by row. Reads the cut tables and the pay rates of change; writes nothing.
Result check(Database& db, const Draw& draw, const std::array<qint64, kKindCount>& percents,
             int mode);

// The kept amount of a sum: sum - sum * percent / 100, cut toward zero, exact for any sum of
// whole or half amounts.
qint64 keptAfterDiscount(double sum, qint64 percent);
// A whole number, halves to the even one.
qint64 roundedWhole(double value);

// A discount percent as typed: a whole number from 0 to 100, or what is wrong with it, to
// follow "%ส่วนลดของ" and the kind.
struct Percent {
    qint64 value = 0;
    QString fault; // empty when taken
};
Percent percentOf(const QString& typed);

// The discount percents of change3 by row, as stored; and their update from the boxes.
std::array<QString, kKindCount> storedPercents(Database& db);
void storePercents(Database& db, const std::array<qint64, kKindCount>& percents);
// The average of the customers' discount percents per row, halves to even; empty when
// there is no customer.
std::array<QString, kKindCount> averagePercents(Database& db);

// Empties the ten cut tables and keeps every number's whole current total, under the cut lock.
void keepAllCurrent(Database& db);

// One winning bet line of a customer.
struct WinningLine {
    QString name, cus, num;
    double stake = 0;
    qint64 rate = 0;    // the customer's pay rate of the kind
    qint64 percent = 0; // his discount percent of the kind
    QString caption;    // the kind as the source names it
    qint64 pays() const { return roundedWhole(stake * static_cast<double>(rate)); }
};

// The winning lines of every customer in one kind, in entry order; a line that wins several
// times (a group with a repeated digit) is listed once for each.
QVector<WinningLine> winners(Database& db, const winning::Rule& rule);

} // namespace prizecheck
