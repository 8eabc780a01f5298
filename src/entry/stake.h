#pragma once

#include "store/amounts.h"

#include <QChar>
#include <QString>

// Largest stake magnitude a double stake column holds exactly.
constexpr qint64 kMaxStake = kMaxAmount;

// A stake as typed: a whole number with an optional leading "-"; an empty text is 0.
// Anything else (operators, spaces, fractions, more than kMaxStake) is refused.
bool parseStake(const QString& text, double* value);

// A stake field that may carry one operator (+ - * /), as typed in All in One: in front of
// one amount (+A, -A, *A, /A), between two amounts (A+B ...), or none (A). The split is at
// the first operator; the parts are not checked here.
struct OperatorField {
    QChar op;             // null for a plain amount
    bool leading = false; // the operator stands in front of the only amount
    QString a;
    QString b; // empty unless the operator stands between two amounts
};

OperatorField splitOperatorField(const QString& field);

// The form of a field: "A", "A+B", "*A" ... (the operator in place).
QString operatorForm(const OperatorField& field);
