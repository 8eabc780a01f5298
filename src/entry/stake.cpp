#include "entry/stake.h"

#include "common/digits.h"

namespace {
bool isOperator(QChar c) {
    return c == QLatin1Char('+') || c == QLatin1Char('-') || c == QLatin1Char('*') ||
           c == QLatin1Char('/');
}
} // namespace

bool parseStake(const QString& text, double* value) {
    if (text.isEmpty()) {
        *value = 0;
        return true;
    }
    const bool negative = text.startsWith(QLatin1Char('-'));
    const QString digits = negative ? text.mid(1) : text;
    if (!isDigits(digits))
        return false;
    bool ok = false;
    const qint64 amount = digits.toLongLong(&ok);
    if (!ok || amount > kMaxStake)
        return false;
    *value = static_cast<double>(negative ? -amount : amount);
    return true;
}

OperatorField splitOperatorField(const QString& field) {
    OperatorField split;
    if (!field.isEmpty() && isOperator(field[0])) {
        split.op = field[0];
        split.leading = true;
        split.a = field.mid(1);
        return split;
    }
    for (int i = 1; i < field.size(); ++i) {
        if (isOperator(field[i])) {
            split.op = field[i];
            split.a = field.left(i);
            split.b = field.mid(i + 1);
            return split;
        }
    }
    split.a = field;
    return split;
}

QString operatorForm(const OperatorField& field) {
    if (field.op.isNull())
        return QStringLiteral("A");
    return field.leading ? QString(field.op) + QLatin1Char('A')
                         : QLatin1Char('A') + QString(field.op) + QLatin1Char('B');
}
