#pragma once

#include <QString>

// Whole amounts of money: stakes, limits, percents and rates. The largest that a stake
// column (a double) holds exactly, with room for the sums of many of them.
constexpr qint64 kMaxAmount = 999999999999999;

// A number the book can hold as an amount: finite and at most kMaxAmount either way.
bool inAmountRange(double value);

// A stored amount shown as a whole number, halves rounded to even; text that is not a
// number shows 0, and a number too large to be a whole amount shows as stored.
QString shownWhole(const QString& stored);

// The refusal of a typed amount too large to hold, and the largest as it is written in it.
QString tooLargeMessage(const QString& typed);
QString maxAmountText();
