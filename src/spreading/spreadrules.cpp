#include "spreading/spreadrules.h"

#include "common/digits.h"

#include <cmath>

namespace spread {

namespace {

bool isNumberOf(const QString& num, int digits) {
    return num.size() == digits && isDigits(num);
}

Line lineOf(const QString& num, Kind kind, qint64 stake, const QString& customer) {
    return {num, kind, static_cast<double>(stake), customer, 0};
}

// The whole part of a total taken as it is; a whole total keeps its exactness.
bool isWhole(double value) {
    return std::isfinite(value) && value == std::trunc(value) && std::fabs(value) < 9e15;
}

// (a + margin% of a) / parts, cut to its whole part, in whole numbers.
qint64 withMargin(qint64 a, int margin, int parts) {
    return a * (100 + margin) / (100 * parts);
}

// The three digits of a number at the given positions (1-based, as "124").
QString digitsAt(const QString& num, const char* positions) {
    QString out;
    for (const char* p = positions; *p; ++p)
        out += num.at(*p - '1');
    return out;
}

} // namespace

qint64 wholeTotal(double total) {
    if (!std::isfinite(total))
        return 0;
    return static_cast<qint64>(std::nearbyint(total));
}

NumberSpread todToTop(const QString& num, double total, int margin, bool threeDoorsOnly) {
    NumberSpread out;
    if (!isNumberOf(num, 3))
        return out;
    const qint64 a = wholeTotal(total);
    const QStringList numbers = setOf(num);
    if (numbers.isEmpty()) {
        out.lines << lineOf(num, Kind::h3, a, todToTopCustomer());
    } else if (numbers.size() == 3) {
        for (const QString& x : numbers)
            out.lines << lineOf(x, Kind::h3, a / 3, todToTopCustomer());
    } else if (!threeDoorsOnly) {
        for (const QString& x : numbers)
            out.lines << lineOf(x, Kind::h3, withMargin(a, margin, 6), todToTopCustomer());
    } else {
        return out;
    }
    out.spread = true;
    return out;
}

// The h1 total less the discount when it is deducted.
static double runTotal(double total, bool deductDiscount, int discount) {
    if (!deductDiscount)
        return total;
    if (isWhole(total)) {
        const qint64 a = static_cast<qint64>(total);
        return static_cast<double>(a - a * discount / 100);
    }
    return total - std::trunc(discount / 100.0 * total);
}

qint64 runStake(double total, bool deductDiscount, int discount) {
    const double a = runTotal(total, deductDiscount, discount);
    if (a == 0)
        return 0;
    if (isWhole(a))
        return (static_cast<qint64>(a) + 271) / 271;
    return static_cast<qint64>(std::trunc(a / 271 + 1));
}

NumberSpread runToTop(const QString& digit, double total, bool deductDiscount, int discount) {
    NumberSpread out;
    if (!isNumberOf(digit, 1))
        return out;
    out.spread = true;
    // Nothing to cover: no 271 baht out of a total of 0.
    if (runTotal(total, deductDiscount, discount) == 0)
        return out;
    const qint64 stake = runStake(total, deductDiscount, discount);
    for (int i = 0; i < 1000; ++i) {
        const QString num = QStringLiteral("%1").arg(i, 3, 10, QLatin1Char('0'));
        if (num.contains(digit.at(0)))
            out.lines << lineOf(num, Kind::h3, stake, runCustomer());
    }
    return out;
}

NumberSpread twoToTop(const QString& num, double total, int margin) {
    NumberSpread out;
    if (!isNumberOf(num, 2))
        return out;
    out.spread = true;
    const qint64 stake = withMargin(wholeTotal(total), margin, 10);
    for (char d = '0'; d <= '9'; ++d)
        out.lines << lineOf(QLatin1Char(d) + num, Kind::h3, stake, twoToTopCustomer());
    return out;
}

TodForms todForms(const QStringList& totRows) {
    TodForms forms;
    for (const QString& row : totRows) {
        const QString key = sortedDigits(row);
        if (!forms.contains(key))
            forms.insert(key, row);
    }
    return forms;
}

NumberSpread groupToTod(const QString& num, double total, const TodForms& forms) {
    static const char* const kFour[] = {"123", "124", "134", "234"};
    static const char* const kFive[] = {"123", "124", "125", "134", "135",
                                        "145", "234", "235", "245", "345"};
    NumberSpread out;
    if (!isNumberOf(num, 4) && !isNumberOf(num, 5))
        return out;
    out.spread = true;
    const bool four = num.size() == 4;
    const qint64 stake = wholeTotal(total) / (four ? 4 : 10);
    const int count = four ? 4 : 10;
    for (int i = 0; i < count; ++i) {
        const QString three = digitsAt(num, four ? kFour[i] : kFive[i]);
        const QString form = forms.value(sortedDigits(three), three);
        out.lines << lineOf(form, Kind::t3, stake, groupCustomer(num.size()));
    }
    return out;
}

NumberSpread runToTwo(const QString& digit, double total) {
    NumberSpread out;
    if (!isNumberOf(digit, 1))
        return out;
    out.spread = true;
    const qint64 stake = isWhole(total) ? static_cast<qint64>(total) / 19
                                        : static_cast<qint64>(std::trunc(total / 19));
    for (const QString& num : nineteenDoors(digit.at(0)))
        out.lines << lineOf(num, Kind::l2, stake, runCustomer());
    return out;
}

TopToTod topToTod(const QVector<Total>& totals, bool fullAmount) {
    QHash<QString, qint64> left; // the numbers not yet part of a group, with their totals
    for (const Total& total : totals) {
        if (isNumberOf(total.num, 3))
            left.insert(total.num, wholeTotal(total.total));
    }
    TopToTod out;
    for (int i = 0; i < totals.size(); ++i) {
        const QString& s = totals.at(i).num;
        if (!left.contains(s) || setOf(s).size() != 6)
            continue;
        const QStringList group = arrangements(s);
        qint64 b = left.value(s);
        bool whole = true;
        for (const QString& x : group) {
            if (!left.contains(x)) {
                whole = false;
                break;
            }
            b = std::min(b, left.value(x));
        }
        if (!whole || b <= 0)
            continue;
        Line tod = lineOf(s, Kind::t3, (fullAmount ? 6 : 5) * b, topToTodCustomer());
        tod.source = i;
        out.lines << tod;
        for (const QString& x : group) {
            const qint64 over = left.take(x) - b;
            if (over > 0) {
                Line top = lineOf(x, Kind::h3, over, topRemainderCustomer());
                top.source = i;
                out.lines << top;
            }
            out.spread << x;
        }
    }
    return out;
}

QString todToTopCustomer() {
    return QStringLiteral("กระจายโต๊ด");
}
QString topToTodCustomer() {
    return QStringLiteral("3บน==>>");
}
QString topRemainderCustomer() {
    return QStringLiteral("=3บน=");
}
QString runCustomer() {
    return QStringLiteral("กระจายวิ่ง");
}
QString twoToTopCustomer() {
    return QStringLiteral("กระจาย2ตัว");
}
QString groupCustomer(int digits) {
    return QStringLiteral("กระจาย%1ตัว").arg(digits);
}

} // namespace spread
