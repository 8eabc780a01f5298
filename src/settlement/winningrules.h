#pragma once

#include "settlement/draw.h"
#include "store/database.h"
#include "store/kinds.h"

#include <QString>
#include <QStringList>
#include <QVariantList>

// Which numbers of a kind win against a draw. One rule serves the check of the kept amounts
// and the winning lines of the customers, so both always agree.
namespace winning {

enum class Shape {
    numbers,     // the number is one of a list
    containsAll, // a group holds each of three different digits somewhere
    groupPairs,  // a group holds the repeated digit twice and the other digit elsewhere
    twoX,        // a two-digit-X pattern with two of its positions matching
};

struct Rule {
    Kind kind = Kind::h3;
    Shape shape = Shape::numbers;
    QStringList numbers; // distinct: a number drawn twice is paid once
    QString top3;
    Repeat repeat;
};

// Naming mode 1 reads t2 as the two-digit head and h4, h5 as the three-digit head; mode 2
// reads t2 as the two-digit-X pattern. Otherwise t2 is the pairs of top3 and h4, h5 groups.
Rule ruleOf(Kind kind, int mode, const Draw& draw);

// How many times a number wins: 0 when it does not; a group with a repeated digit wins once
// for every pair of positions holding it with the other digit elsewhere.
int weight(const Rule& rule, const QString& num);

// A condition on the column num that keeps every winning row (and perhaps others: weight()
// decides); "" when every row of the kind must be read.
struct Filter {
    QString sql;
    QVariantList binds;
    bool nothing = false; // no number can win
};
Filter filterOf(const Rule& rule, Engine engine, const QString& column = QStringLiteral("num"));

// The check window's row caption, followed by the winning stake when one won.
QString winText(Kind kind, int mode);
QString noWinText(Kind kind, int mode);
// The kind as the winning lines of a customer name it.
QString lineCaption(Kind kind, int mode);

} // namespace winning
