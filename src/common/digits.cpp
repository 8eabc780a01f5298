#include "common/digits.h"

#include <algorithm>

namespace {
bool isDigit(QChar c) {
    return c >= QLatin1Char('0') && c <= QLatin1Char('9');
}

// Latin digits, and the full-width forms of the other Latin characters (－ ＊ ｘ) as theirs.
QString narrowed(const QString& text) {
    QString narrow = latinDigits(text);
    for (QChar& c : narrow) {
        if (c.unicode() >= 0xFF01 && c.unicode() <= 0xFF5E)
            c = QChar(c.unicode() - 0xFEE0);
    }
    return narrow;
}
} // namespace

bool isDigits(const QString& text) {
    return !text.isEmpty() && std::all_of(text.begin(), text.end(), isDigit);
}

QString latinDigits(const QString& text) {
    QString latin = text;
    for (QChar& c : latin) {
        for (char16_t zero : {char16_t(0x0E50), char16_t(0xFF10)}) {
            if (c.unicode() >= zero && c.unicode() <= zero + 9)
                c = QChar(u'0' + (c.unicode() - zero));
        }
    }
    return latin;
}

QChar thaiLayoutDigit(QChar typed) {
    // The number row 1 to 0; "/" and "-" stand on 2 and 3.
    static const char16_t row[10] = {u'ๅ', 0, 0, u'ภ', u'ถ', u'ุ', u'ึ', u'ค', u'ต', u'จ'};
    for (int key = 0; key < 10; ++key) {
        if (row[key] != 0 && typed.unicode() == row[key])
            return QChar(u'0' + (key + 1) % 10);
    }
    return {};
}

QString numberBoxText(const QString& text) {
    QString kept;
    for (QChar c : narrowed(text)) {
        if (isDigit(c))
            kept += c;
        else if (c == QLatin1Char('x') || c == QLatin1Char('X'))
            kept += QLatin1Char('X');
    }
    return kept;
}

QString stakeBoxText(const QString& text, bool operators) {
    QString kept;
    for (QChar c : narrowed(text)) {
        if (isDigit(c) || c == QLatin1Char('-') ||
            (operators &&
             (c == QLatin1Char('*') || c == QLatin1Char('+') || c == QLatin1Char('/'))))
            kept += c;
    }
    return kept;
}

bool isTwoX(const QString& text) {
    if (text.size() != 3 || text.count(QLatin1Char('X')) != 1)
        return false;
    return std::all_of(text.begin(), text.end(),
                       [](QChar c) { return c == QLatin1Char('X') || isDigit(c); });
}

QString sortedDigits(const QString& number) {
    QString sorted = number;
    std::sort(sorted.begin(), sorted.end());
    return sorted;
}

QString todForm(const QString& number, bool sortDigits) {
    return sortDigits ? sortedDigits(number) : number;
}

QString reverseOf(const QString& number) {
    QString reversed = number;
    std::reverse(reversed.begin(), reversed.end());
    return reversed;
}

QStringList arrangements(const QString& abc) {
    if (abc.size() != 3)
        return {};
    const QChar a = abc[0], b = abc[1], c = abc[2];
    auto join = [](QChar x, QChar y, QChar z) { return QString(x) + y + z; };
    return {join(a, b, c), join(a, c, b), join(b, a, c),
            join(b, c, a), join(c, a, b), join(c, b, a)};
}

QStringList setOf(const QString& abc) {
    QStringList set;
    for (const QString& number : arrangements(abc)) {
        if (!set.contains(number))
            set << number;
    }
    if (set.size() == 1)
        set.clear();
    return set;
}

QStringList nineteenDoors(QChar digit) {
    if (!isDigit(digit))
        return {};
    const QChar zero = QLatin1Char('0');
    QStringList doors{QString(digit) + digit};
    for (char j = '1'; j <= '9'; ++j) {
        const QChar other = QLatin1Char(j);
        doors << QString(digit) + (other == digit ? zero : other);
    }
    for (char j = '1'; j <= '9'; ++j) {
        const QChar other = QLatin1Char(j);
        doors << QString(other == digit ? zero : other) + digit;
    }
    return doors;
}
