#pragma once

#include "store/kinds.h"

#include <QHash>
#include <QString>
#include <QVector>

// How one number's total of a kind is spread over the numbers of another kind. Amounts are
// whole numbers: a total is rounded (halves to even) unless a rule says it is taken as it is,
// and a share is cut to its whole part.
namespace spread {

// One line the spreading writes into the book.
struct Line {
    QString num;
    Kind kind = Kind::h3;
    double stake = 0;
    QString customer;
    int source = 0; // the index of the source number it comes from
};

// A source number and its total.
struct Total {
    QString num;
    double total = 0;
};

// What became of one source number: spread (its lines leave the book) into these lines, or
// left as it is.
struct NumberSpread {
    bool spread = false;
    QVector<Line> lines;
};

// A total as the rules take it: rounded to a whole number, halves to even.
qint64 wholeTotal(double total);

// t3 to h3: three different digits give their six arrangements (a + margin%) / 6 each,
// unless only the numbers of three arrangements are spread; two equal digits give their three
// arrangements a / 3 each; three equal digits are their own only arrangement and take a.
NumberSpread todToTop(const QString& num, double total, int margin, bool threeDoorsOnly);

// h1 to h3: the 271 three-digit numbers holding the digit, each Int(a / 271 + 1), the total a
// taken unrounded (less Int(discount% of a) when the discount is deducted). A total of 0 is
// spread into nothing.
qint64 runStake(double total, bool deductDiscount, int discount);
NumberSpread runToTop(const QString& digit, double total, bool deductDiscount, int discount);

// h2 to h3: 0xy ... 9xy, each (a + margin%) / 10.
NumberSpread twoToTop(const QString& num, double total, int margin);

// The tod form the book keeps for each group of arrangements: the first row of tot for each
// set of digits.
using TodForms = QHash<QString, QString>;
TodForms todForms(const QStringList& totRows);

// h4 and h5 to t3: every three digits of the number in their order (4 and 10 of them), each
// a div 4 or a div 10, on the tod form of those digits (the digits themselves when tot has
// none).
NumberSpread groupToTod(const QString& num, double total, const TodForms& forms);

// l1 to l2: the nineteen two-digit numbers holding the digit, each Int(a / 19), a unrounded.
NumberSpread runToTwo(const QString& digit, double total);

// h3 to t3 over all h3 totals (ascending): a number of three different digits whose six
// arrangements all have totals, the least b of them above 0, becomes one t3 line of 5b (6b at
// the full amount) on the first of them and h3 lines of what each arrangement holds over b;
// its six numbers leave the book. Every other number stays as it is. The source of a line is
// the index of the group's first number in totals.
struct TopToTod {
    QVector<Line> lines;
    QStringList spread; // the h3 numbers whose lines leave the book
};
TopToTod topToTod(const QVector<Total>& totals, bool fullAmount);

// The customer names of the lines written.
QString todToTopCustomer();        // กระจายโต๊ด
QString topToTodCustomer();        // 3บน==>> on the t3 line
QString topRemainderCustomer();    // =3บน= on what stays on top
QString runCustomer();             // กระจายวิ่ง, h1 and l1
QString twoToTopCustomer();        // กระจาย2ตัว
QString groupCustomer(int digits); // กระจาย4ตัว, กระจาย5ตัว

} // namespace spread
