#include "entry/linecaptions.h"

#include "entry/stake.h"

#include <QHash>

namespace linecaption {

LineCaption allInOne(const QString& number, const QString& stakeField) {
    const int length = number.size();
    if (length == 4 || length == 5)
        return {QStringLiteral("กลุ่ม%1ตัว").arg(length), QString()};
    static const QHash<QString, QString> banners = {
        {QStringLiteral("3 A"), QStringLiteral("3ตัวบน")},
        {QStringLiteral("3 A+B"), QStringLiteral("3ตัวบน+โต๊ด")},
        {QStringLiteral("3 +A"), QStringLiteral("3ตัวชุด")},
        {QStringLiteral("3 A*B"), QStringLiteral("3ตัวชุด")},
        {QStringLiteral("3 *A"), QStringLiteral("3ตัวโต๊ด")},
        {QStringLiteral("3 -A"), QStringLiteral("3ตัวล่าง")},
        {QStringLiteral("3 /A"), QStringLiteral("3ตัวล่างชุด")},
        {QStringLiteral("3 A/B"), QStringLiteral("3ตัวบน+ล่าง")},
        {QStringLiteral("2 A"), QStringLiteral("2ตัวบน")},
        {QStringLiteral("2 A+B"), QStringLiteral("2ตัวบน+กลับ")},
        {QStringLiteral("2 A-B"), QStringLiteral("2ตัวล่าง+กลับ")},
        {QStringLiteral("2 A/B"), QStringLiteral("2ตัวบน+ล่าง")},
        {QStringLiteral("2 *A"), QStringLiteral("2ตัวโต๊ด")},
        {QStringLiteral("2 -A"), QStringLiteral("2ตัวล่าง")},
        {QStringLiteral("1 A"), QStringLiteral("วิ่งบน")},
        {QStringLiteral("1 -A"), QStringLiteral("วิ่งล่าง")},
    };
    const QString form = operatorForm(splitOperatorField(stakeField));
    const QString banner = banners.value(QString::number(length) + QLatin1Char(' ') + form);
    if (banner.isEmpty())
        return {};
    QString caption;
    if (form == QLatin1String("*A"))
        caption = QStringLiteral("โต๊ด");
    else if (form == QLatin1String("A/B"))
        caption = QStringLiteral("บน+ล่าง");
    else if (banner.contains(QStringLiteral("ล่าง")))
        caption = QStringLiteral("เงิน");
    return {banner, caption};
}

LineCaption bottomTotals(const QString& number, const QString& stakeField) {
    if (number.size() == 3 && stakeField.startsWith(QLatin1Char('*')))
        return {QStringLiteral("3ตัวล่างชุด"), QStringLiteral("3ตัวล่างชุด")};
    return {};
}

} // namespace linecaption
