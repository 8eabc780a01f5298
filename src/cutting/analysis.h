#pragma once

#include "store/kinds.h"

#include <QString>
#include <QStringList>
#include <array>
#include <optional>

class Database;

// The cut and analysis: a kind cut on trial at a keep amount into its kept, sent and second
// sent tables (the book itself is not changed), what that cut means in money, and the keep
// amount the takings can stand. Every change runs as one transaction under the cut lock.
namespace analysis {

// Rounding of the sent amounts, as the chooser "เลือกค่าปัดเศษ" lists it.
enum class Rounding { none, up5, near10, up50, near100 };
// "5-10", "0-10", "50-100", "0-100", in the order of Rounding after none.
QStringList roundingCaptions();
// The status shown before a rounded cut: "ปัดเศษ50-100".
QString roundingText(Rounding rounding);
// An amount rounded: taken up to the whole baht first, then by its last one ("5-10", "0-10")
// or two digits ("50-100", "0-100"): up to the next 5 or 50, or to the nearer 10 or 100 with
// 5 or 50 left as it is.
double rounded(double amount, Rounding rounding);

// Which kinds have the second sent table, the rounding and "คำนวณสู้".
bool hasSecondSent(Kind kind); // h3 t3 l3 h2 l2 t2
bool hasRounding(Kind kind);   // h3 t3 l3 h2 l2
bool hasFight(Kind kind);      // h3 l3 l2
QString secondSentTable(Kind kind);

// The number space of a kind, for the share of numbers at risk.
int numberSpace(Kind kind);

// The pay rates (change) and discount percents (change3) as whole numbers, by Kind.
std::array<qint64, kKindCount> payRates(Database& book);
std::array<qint64, kKindCount> discountPercents(Database& book);
// The customers' discount percents averaged per kind, whole parts, written as the discount
// percents in one statement; returns them.
std::array<qint64, kKindCount> useCustomerAverages(Database& book);

// The smallest, largest and average total of the kind's numbers (0 without totals).
struct Statistics {
    double lowest = 0;
    double highest = 0;
    qint64 average = 0;
};
Statistics statistics(Database& book, Kind kind);
// The sum of the kind's totals.
double kindSum(Database& book, Kind kind);

// "คำนวณสู้": the takings after the discount, and the largest stake per number whose payout
// they cover with the extra capital. None at a pay rate of 0.
struct Fight {
    qint64 net = 0;
    qint64 keep = 0;
};
std::optional<Fight> fight(double sum, qint64 discount, qint64 capital, qint64 rate);

struct TrialCut {
    Kind kind = Kind::h3;
    qint64 keep = 0;
    Rounding rounding = Rounding::none;
    bool fiftyPercent = false; // backc.back19
};
// Fills the kind's kept and sent tables (and its second sent table, which leaves out the
// numbers with a per-number limit) as a cut at the keep amount would; rounds the sent rows.
void trialCut(Database& book, const TrialCut& cut);

// "แบ่งยอดส่ง50%": halves every positive sent amount of the kind (and of its second sent table
// when asked).
void halveSent(Database& book, Kind kind, bool second);

// The kept rows of a kind: how many, the largest and smallest (whole numbers) and their sum.
struct KeptFigures {
    int count = 0;
    qint64 largest = 0;
    qint64 smallest = 0;
    double sum = 0;
};
KeptFigures keptFigures(Database& book, Kind kind);

// The six labels of a result page.
struct Outcome {
    enum Kind { profit, loss, even };
    Kind kind = even;
    QString text;
};
struct Result {
    QString title;
    QString largest;
    QString smallest;
    QString kept;
    Outcome atLargest;
    Outcome atSmallest;
};
// keepText: the keep amount as the title shows it ("160บาท", "30%"). With a discount the
// kept sum is the net after it ("ยอดรวมที่เก็บไว้หลังจากหัก20%="); without, the kept sum.
Result result(const KeptFigures& figures, Kind kind, qint64 rate, std::optional<qint64> discount,
              const QString& keepText);

// A figure as the labels show it: whole, or with its fraction when it has one.
QString figureText(double value);

} // namespace analysis
