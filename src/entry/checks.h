#pragma once

#include "entry/betrecord.h"
#include "entry/closedrules.h"
#include "entry/normalmodes.h"

#include <QVector>

class Database;

// The closed numbers of the book.
ClosedLookup closedLookup(Database& db);

// The number lengths a mode takes at Enter in num; no lengths means no check.
struct LengthRule {
    QVector<int> lengths;
    QString warning;
    bool accepts(int length) const { return lengths.isEmpty() || lengths.contains(length); }
};
// The mode's rule, read from its row.
LengthRule lengthRule(NormalMode mode);

// The mode's closed-number check at Enter in num and n1 (while the warning is on); a number
// that is not all digits is not checked.
ClosedResult closedCheck(NormalMode mode, const QString& number, const ClosedLookup& isClosed);

// The checks inside All in One, run whatever the warning setting: a closed number blocks a
// single-stake form only while the warning is on, a two-stake form always (silently when off).
struct AllInOneCheck {
    bool closed = false;
    bool alwaysBlocks = false;
    QString message;
    bool blocks(bool warningOn) const { return closed && (warningOn || alwaysBlocks); }
};
AllInOneCheck allInOneCheck(const QString& number, const QString& stakeField,
                            const ClosedLookup& isClosed);

// A stake above the input limit on a number of two or more digits (All in One exempt).
bool overInputLimit(const QString& stake, double limit, int numberLength, bool exempt);
// A stake typed in one of the boxes (an amount of typed; num where it holds the stake) that
// goes above the limit onto a number of two or more digits of the line's records, whether
// the number was typed or is one digit's two-digit numbers. A sum the mode makes of two
// stakes is not a typed one.
bool overInputLimit(const QStringList& typed, const BetRecords& records, double limit);
QString inputLimitWarning(double limit);
