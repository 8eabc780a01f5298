#include "settlement/customercheck.h"

#include <QMap>

namespace customercheck {

QVector<prizecheck::WinningLine> winningLines(Database& db, const Draw& draw, int mode) {
    QVector<prizecheck::WinningLine> all;
    for (Kind kind : listingOrder()) {
        QVector<prizecheck::WinningLine> lines =
            prizecheck::winners(db, winning::ruleOf(kind, mode, draw));
        const QString caption = winning::lineCaption(kind, mode);
        for (prizecheck::WinningLine& line : lines) {
            line.caption = caption;
            all.push_back(line);
        }
    }
    return all;
}

QVector<Winner> winnersOf(const QVector<prizecheck::WinningLine>& lines) {
    QMap<QString, QString> byCode;
    for (const prizecheck::WinningLine& line : lines)
        if (!byCode.contains(line.cus))
            byCode.insert(line.cus, line.name);
    QVector<Winner> winners;
    for (auto it = byCode.cbegin(); it != byCode.cend(); ++it)
        winners.push_back({it.key(), it.value()});
    return winners;
}

QString countText(int winners) {
    if (winners <= 0)
        return QStringLiteral("ไม่มีผู้ถูกรางวัล");
    return QStringLiteral("มีผู้ถูกรางวัลจำนวน%1คน(คลิ๊กที่ชื่อ)").arg(winners);
}

QString Settlement::line() const {
    if (won > toCollect)
        return QStringLiteral("ต้องจ่ายคืน  =  %1 - %2 = %3")
            .arg(won)
            .arg(toCollect)
            .arg(won - toCollect);
    if (won < toCollect)
        return QStringLiteral("ต้องเรียกเก็บเพิ่ม  =  %1 - %2 = %3")
            .arg(toCollect)
            .arg(won)
            .arg(toCollect - won);
    return QStringLiteral("ยอดเรียกเก็บ=");
}

qint64 wonBy(const QVector<prizecheck::WinningLine>& lines, const QString& cus) {
    qint64 won = 0;
    for (const prizecheck::WinningLine& line : lines)
        if (line.cus == cus)
            won += line.pays();
    return won;
}

QString drawDateText(const QDate& date) {
    static const char* const months[12] = {"มกราคม",  "กุมภาพันธ์", "มีนาคม",    "เมษายน",
                                           "พฤษภาคม", "มิถุนายน",  "กรกฏาคม",  "สิงหาคม",
                                           "กันยายน",  "ตุลาคม",   "พฤษจิกายน", "ธันวาคม"};
    if (!date.isValid())
        return QString();
    const int year = date.year() < 2500 ? date.year() + 543 : date.year();
    return QStringLiteral("%1 / %2 / %3")
        .arg(date.day())
        .arg(QString::fromUtf8(months[date.month() - 1]))
        .arg(year);
}

} // namespace customercheck
