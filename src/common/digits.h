#pragma once

#include <QChar>
#include <QString>
#include <QStringList>

// Number helpers shared by the expansions of every entry page.

// Non-empty and only the Latin digits 0 to 9 (a Thai or other digit is not one).
bool isDigits(const QString& text);
// The text with each Thai digit (U+0E50 to U+0E59) and each full-width digit (U+FF10 to
// U+FF19) turned into its Latin digit; every other character as it is.
QString latinDigits(const QString& text);
// The digit printed on the key that gives this character of the number row on the Thai
// layout (ๅ 1, ภ 4, ถ 5, ุ 6, ึ 7, ค 8, ต 9, จ 0); null for any other character. The row's
// "/" and "-" are told apart by the key only.
QChar thaiLayoutDigit(QChar typed);
// What the number box keeps of typed or pasted text: Latin digits (Thai and full-width digits
// turned into them, as any full-width character into its Latin one) and "X" (from x or X); anything
// else is dropped.
QString numberBoxText(const QString& text);
// What a stake box keeps: Latin digits (Thai and full-width ones turned), "-", and with operators
// also
// "*", "+" and "/".
QString stakeBoxText(const QString& text, bool operators);

// A 2X pattern: three characters, exactly one "X", the others digits.
bool isTwoX(const QString& text);

// The characters in ascending order ("321" -> "123").
QString sortedDigits(const QString& number);
// Tod form of a three-digit number: sorted while digit sorting is on, else as typed.
QString todForm(const QString& number, bool sortDigits);
// Group form of a four- or five-digit number: the same rule as the tod form.
inline QString groupForm(const QString& number, bool sortDigits) {
    return todForm(number, sortDigits);
}
// "12" -> "21"; a double is its own reverse.
QString reverseOf(const QString& number);

// The six arrangements of abc in the order abc, acb, bac, bca, cab, cba; empty unless the
// text has three characters. Repeated characters give repeated arrangements.
QStringList arrangements(const QString& abc);
// The distinct arrangements, in the same order (6 or 3 numbers); empty for three equal
// characters.
QStringList setOf(const QString& abc);

// The nineteen two-digit numbers holding the digit: dd, d1..d9 with d0 in the place of dd,
// then 1d..9d with 0d in the place of dd. Empty for a character that is not a digit.
QStringList nineteenDoors(QChar digit);
