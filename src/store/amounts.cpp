#include "store/amounts.h"

#include <QLocale>
#include <cmath>

bool inAmountRange(double value) {
    return std::isfinite(value) && std::fabs(value) <= static_cast<double>(kMaxAmount);
}

QString shownWhole(const QString& stored) {
    bool ok = false;
    const double value = stored.trimmed().toDouble(&ok);
    if (!ok)
        return QStringLiteral("0");
    if (!inAmountRange(value))
        return stored.trimmed();
    return QString::number(static_cast<qint64>(std::nearbyint(value)));
}

QString maxAmountText() {
    return QLocale(QLocale::English).toString(kMaxAmount);
}

QString tooLargeMessage(const QString& typed) {
    return QStringLiteral("ค่า \"%1\" มากเกินไป ป้อนได้ไม่เกิน %2").arg(typed, maxAmountText());
}
