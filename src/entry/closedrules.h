#pragma once

#include "store/kinds.h"

#include <QString>
#include <QStringList>
#include <functional>

// Whether a number is closed for a kind (a row of numlimit2).
using ClosedLookup = std::function<bool(Kind, const QString&)>;

// The closed-number check at Enter in num and n1 (while the warning is on).
struct ClosedResult {
    bool closed = false;
    QString message;
    bool keepFocus = false; // the focus is not moved back to num
};

// The closed-number rules of the entry modes: a number of digits to the first closed
// finding, by the number's length; lengths a rule does not name are not checked.
namespace closedrule {
using Rule = ClosedResult (*)(const QString& number, const ClosedLookup& isClosed);

// Three digits: the six arrangements as h3; the last closed one is named, with
// " บนเป็นเลข ปิดรับ" when only the straight number is closed.
ClosedResult topArrangements(const QString& number, const ClosedLookup& isClosed);
// Two digits: straight and reverse as h2, the last closed named; the focus stays.
ClosedResult topAndReverse(const QString& number, const ClosedLookup& isClosed);
// Both of the above, by length (F4).
ClosedResult topReverseOrArrangements(const QString& number, const ClosedLookup& isClosed);
// Two digits: straight and reverse as l2, the last closed named.
ClosedResult bottomAndReverse(const QString& number, const ClosedLookup& isClosed);
// Two or three digits: the number as top and as bottom of its length.
ClosedResult topOrBottomOfLength(const QString& number, const ClosedLookup& isClosed);
// Three digits: h3, then the typed number (not its tod form) as t3.
ClosedResult topThenTod(const QString& number, const ClosedLookup& isClosed);
// Two digits: h2.
ClosedResult topTwo(const QString& number, const ClosedLookup& isClosed);
// Three digits as topThenTod, two as topTwo (F7).
ClosedResult topTodOrTopTwo(const QString& number, const ClosedLookup& isClosed);
// Three digits: l3.
ClosedResult bottomThree(const QString& number, const ClosedLookup& isClosed);

// Three digits: the six arrangements as t2 (head), named as topArrangements names them.
ClosedResult headArrangements(const QString& number, const ClosedLookup& isClosed);
// Three digits: the number as t2 (head).
ClosedResult headThree(const QString& number, const ClosedLookup& isClosed);

// One number as top and bottom: the bottom message wins when both are closed.
ClosedResult topOrBottom(const QString& number, Kind top, Kind bottom,
                         const ClosedLookup& isClosed);
} // namespace closedrule
