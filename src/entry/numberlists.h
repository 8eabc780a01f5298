#pragma once

#include <QChar>
#include <QString>
#include <QStringList>

// The families of numbers the head, set and stock pages put one stake on.
namespace numberlists {

// 00, 11 ... 99.
QStringList doubles();
// Every number of two different odd digits, each pair followed by its reverse (20).
QStringList oddList();
// The same for the even digits 0, 2, 4, 6, 8 (20).
QStringList evenList();
// Every number of two neighbouring digits, 9 and 0 counted as neighbours (20).
QStringList siblingList();
// 01, 10, 19, 28 ... 91: the nine whose digits add up to ten, and 01 and 10 (11).
QStringList sumTenList();
// d0 ... d9 and 0d ... 9d; empty for a character that is not a digit.
QStringList frontRun(QChar digit);
QStringList backRun(QChar digit);

// Every ordered pair of two different positions of the number, as the two digits side by side:
// three digits p1p2, p1p3, p2p3, p2p1, p3p1, p3p2; more by first position, then second.
// Repeated digits are not merged.
QStringList winPairs(const QString& number);
// Every ordered pick of three different positions, by first, second, then third position,
// each distinct number once.
QStringList distinctPicksOfThree(const QString& number);
// Every order of the four positions, each distinct number once.
QStringList distinctArrangementsOfFour(const QString& number);
// For each third digit k from 0 to 9: kab, kba, akb, bka, abk, bak; each distinct number once.
QStringList threeFromTwo(const QString& ab);

} // namespace numberlists
