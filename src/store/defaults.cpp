#include "store/defaults.h"

#include "store/password.h"

namespace defaults {

QString loginDefault() {
    return QStringLiteral("1234");
}
QString fourDigitCode() {
    return loginDefault();
}
QString setupPassword() {
    return QStringLiteral("tab2547");
}
QString storedPassword() {
    return passwordTransform(loginDefault());
}

QStringList payRates() {
    return {QStringLiteral("500"), QStringLiteral("100"), QStringLiteral("100"),
            QStringLiteral("70"),  QStringLiteral("12"),  QStringLiteral("70"),
            QStringLiteral("3"),   QStringLiteral("4"),   QStringLiteral("100"),
            QStringLiteral("100"), QStringLiteral("0"),   QStringLiteral("0")};
}

QStringList kindLimits() {
    return {QStringLiteral("1000"), QStringLiteral("1000"), QStringLiteral("1000"),
            QStringLiteral("2000"), QStringLiteral("2000"), QStringLiteral("2000"),
            QStringLiteral("5000"), QStringLiteral("5000"), QStringLiteral("1000"),
            QStringLiteral("1000")};
}

QStringList discountRates() {
    QStringList rates;
    for (int i = 0; i < 12; ++i)
        rates << QStringLiteral("0");
    return rates;
}

QString inputLimit() {
    return QStringLiteral("100000");
}

} // namespace defaults
