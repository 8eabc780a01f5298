#include "entry/numberlists.h"

#include "common/digits.h"

#include <QSet>
#include <algorithm>
#include <iterator>

namespace numberlists {
namespace {
QString pair(QChar a, QChar b) {
    return QString(a) + b;
}
QChar digit(int d) {
    return QChar(u'0' + d);
}
// Each pair of different digits of the list followed by its reverse, in list order.
QStringList pairsAndReverses(const QString& digits) {
    QStringList numbers;
    for (int i = 0; i < digits.size(); ++i) {
        for (int j = i + 1; j < digits.size(); ++j)
            numbers << pair(digits[i], digits[j]) << pair(digits[j], digits[i]);
    }
    return numbers;
}
void appendNew(QStringList& numbers, QSet<QString>& seen, const QString& number) {
    if (!seen.contains(number)) {
        seen.insert(number);
        numbers << number;
    }
}
} // namespace

QStringList doubles() {
    QStringList numbers;
    for (int d = 0; d <= 9; ++d)
        numbers << pair(digit(d), digit(d));
    return numbers;
}

QStringList oddList() {
    return pairsAndReverses(QStringLiteral("13579"));
}

QStringList evenList() {
    return pairsAndReverses(QStringLiteral("02468"));
}

QStringList siblingList() {
    QStringList numbers;
    for (int d = 0; d <= 8; ++d)
        numbers << pair(digit(d), digit(d + 1)) << pair(digit(d + 1), digit(d));
    return numbers << QStringLiteral("90") << QStringLiteral("09");
}

QStringList sumTenList() {
    QStringList numbers{QStringLiteral("01"), QStringLiteral("10")};
    for (int d = 1; d <= 9; ++d)
        numbers << pair(digit(d), digit(10 - d));
    return numbers;
}

QStringList frontRun(QChar d) {
    if (!isDigits(QString(d)))
        return {};
    QStringList numbers;
    for (int k = 0; k <= 9; ++k)
        numbers << pair(d, digit(k));
    return numbers;
}

QStringList backRun(QChar d) {
    if (!isDigits(QString(d)))
        return {};
    QStringList numbers;
    for (int k = 0; k <= 9; ++k)
        numbers << pair(digit(k), d);
    return numbers;
}

QStringList winPairs(const QString& n) {
    if (n.size() == 3) {
        return {pair(n[0], n[1]), pair(n[0], n[2]), pair(n[1], n[2]),
                pair(n[1], n[0]), pair(n[2], n[0]), pair(n[2], n[1])};
    }
    QStringList numbers;
    for (int i = 0; i < n.size(); ++i) {
        for (int j = 0; j < n.size(); ++j) {
            if (i != j)
                numbers << pair(n[i], n[j]);
        }
    }
    return numbers;
}

QStringList distinctPicksOfThree(const QString& n) {
    QStringList numbers;
    QSet<QString> seen;
    for (int i = 0; i < n.size(); ++i) {
        for (int j = 0; j < n.size(); ++j) {
            for (int k = 0; k < n.size(); ++k) {
                if (i != j && j != k && i != k)
                    appendNew(numbers, seen, QString(n[i]) + n[j] + n[k]);
            }
        }
    }
    return numbers;
}

QStringList distinctArrangementsOfFour(const QString& n) {
    if (n.size() != 4)
        return {};
    QStringList numbers;
    QSet<QString> seen;
    int order[] = {0, 1, 2, 3};
    do {
        appendNew(numbers, seen, QString(n[order[0]]) + n[order[1]] + n[order[2]] + n[order[3]]);
    } while (std::next_permutation(std::begin(order), std::end(order)));
    return numbers;
}

QStringList threeFromTwo(const QString& ab) {
    if (ab.size() != 2)
        return {};
    const QChar a = ab[0], b = ab[1];
    QStringList numbers;
    QSet<QString> seen;
    for (int d = 0; d <= 9; ++d) {
        const QChar k = digit(d);
        for (const QString& number :
             {QString(k) + a + b, QString(k) + b + a, QString(a) + k + b, QString(b) + k + a,
              QString(a) + b + k, QString(b) + a + k})
            appendNew(numbers, seen, number);
    }
    return numbers;
}

} // namespace numberlists
