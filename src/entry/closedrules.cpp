#include "entry/closedrules.h"

#include "common/digits.h"

namespace {
ClosedResult closedAs(const QString& number, const QString& text, bool keepFocus = false) {
    return {true, number + text, keepFocus};
}

// The last closed of numbers for a kind; empty when none is.
QString lastClosed(const QStringList& numbers, Kind kind, const ClosedLookup& isClosed) {
    QString last;
    for (const QString& n : numbers) {
        if (isClosed(kind, n))
            last = n;
    }
    return last;
}

ClosedResult straightOrReverse(const QString& number, Kind kind, const QString& text,
                               bool keepFocus, const ClosedLookup& isClosed) {
    if (number.size() != 2)
        return {};
    const QString last = lastClosed({number, reverseOf(number)}, kind, isClosed);
    return last.isEmpty() ? ClosedResult{} : closedAs(last, text, keepFocus);
}
// The six arrangements of a three-digit number as the kind; the last closed one is named,
// with its own text when only the straight number is closed.
ClosedResult arrangementsAs(const QString& number, Kind kind, const QString& text,
                            const QString& straightText, const ClosedLookup& isClosed) {
    if (number.size() != 3)
        return {};
    QStringList closed;
    for (const QString& a : arrangements(number)) {
        if (isClosed(kind, a))
            closed << a;
    }
    if (closed.isEmpty())
        return {};
    const bool onlyStraight = closed.count(number) == closed.size();
    return closedAs(closed.last(), onlyStraight ? straightText : text);
}
} // namespace

namespace closedrule {

ClosedResult topArrangements(const QString& number, const ClosedLookup& isClosed) {
    return arrangementsAs(number, Kind::h3, QStringLiteral(" บนเป็นเลขปิดรับ"),
                          QStringLiteral(" บนเป็นเลข ปิดรับ"), isClosed);
}

ClosedResult headArrangements(const QString& number, const ClosedLookup& isClosed) {
    return arrangementsAs(number, Kind::t2, QStringLiteral(" หัวเป็นเลขปิดรับ"),
                          QStringLiteral(" หัวเป็นเลข ปิดรับ"), isClosed);
}

ClosedResult headThree(const QString& number, const ClosedLookup& isClosed) {
    if (number.size() == 3 && isClosed(Kind::t2, number))
        return closedAs(number, QStringLiteral(" หัว  เป็นเลขปิดรับ"));
    return {};
}

ClosedResult topAndReverse(const QString& number, const ClosedLookup& isClosed) {
    return straightOrReverse(number, Kind::h2, QStringLiteral(" บนเป็นเลขปิดรับ"), true, isClosed);
}

ClosedResult topReverseOrArrangements(const QString& number, const ClosedLookup& isClosed) {
    return number.size() == 3 ? topArrangements(number, isClosed) : topAndReverse(number, isClosed);
}

ClosedResult bottomAndReverse(const QString& number, const ClosedLookup& isClosed) {
    return straightOrReverse(number, Kind::l2, QStringLiteral(" ล่างเป็นเลขปิดรับ"), false, isClosed);
}

ClosedResult topOrBottomOfLength(const QString& number, const ClosedLookup& isClosed) {
    if (number.size() == 2)
        return topOrBottom(number, Kind::h2, Kind::l2, isClosed);
    if (number.size() == 3)
        return topOrBottom(number, Kind::h3, Kind::l3, isClosed);
    return {};
}

ClosedResult topThenTod(const QString& number, const ClosedLookup& isClosed) {
    if (number.size() != 3)
        return {};
    if (isClosed(Kind::h3, number))
        return closedAs(number, QStringLiteral(" บน  เป็นเลขปิดรับ"));
    if (isClosed(Kind::t3, number))
        return closedAs(number, QStringLiteral(" โต๊ด เป็นเลขปิดรับ"));
    return {};
}

ClosedResult topTwo(const QString& number, const ClosedLookup& isClosed) {
    if (number.size() == 2 && isClosed(Kind::h2, number))
        return closedAs(number, QStringLiteral(" บน เป็นเลขปิดรับ"));
    return {};
}

ClosedResult topTodOrTopTwo(const QString& number, const ClosedLookup& isClosed) {
    return number.size() == 3 ? topThenTod(number, isClosed) : topTwo(number, isClosed);
}

ClosedResult bottomThree(const QString& number, const ClosedLookup& isClosed) {
    if (number.size() == 3 && isClosed(Kind::l3, number))
        return closedAs(number, QStringLiteral(" ล่าง  เป็นเลขปิดรับ"));
    return {};
}

ClosedResult topOrBottom(const QString& number, Kind top, Kind bottom,
                         const ClosedLookup& isClosed) {
    if (isClosed(bottom, number))
        return closedAs(number, QStringLiteral(" ล่างเป็นเลขปิดรับ"));
    if (isClosed(top, number))
        return closedAs(number, QStringLiteral(" บนเป็นเลขปิดรับ"));
    return {};
}

} // namespace closedrule
