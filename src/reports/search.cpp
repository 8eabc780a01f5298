#include "reports/search.h"

#include "common/digits.h"
#include "store/amounts.h"
#include "store/database.h"
#include "store/kindcaptions.h"

#include <QSqlQuery>

namespace search {

QStringList groupChoices(int namingMode) {
    return {QStringLiteral("เลข3ตัว"), QStringLiteral("เลข2ตัว"), QStringLiteral("เลขวิ่ง"),
            namingMode == 1 ? QStringLiteral("หัว3ตัวโต๊ด") : QStringLiteral("เลขกลุ่ม4ตัว"),
            namingMode == 1 ? QStringLiteral("หัว3ตัว") : QStringLiteral("เลขกลุ่ม5ตัว")};
}

QVector<CustomerRow> customersOf(Database& db, int group, const QString& num) {
    static const char* const kSources[] = {"tbycus3", "tbycus2", "tbycus1", "tbycus4", "tbycus5"};
    QVector<CustomerRow> rows;
    if (group < 0 || group > 4)
        return rows;
    QSqlQuery query = db.exec(QStringLiteral("SELECT cus, name, num, h, t, l FROM %1 WHERE num = "
                                             "? ORDER BY cus")
                                  .arg(QLatin1String(kSources[group])),
                              {num});
    while (query.next()) {
        rows.push_back({query.value(0).toString(), query.value(1).toString(),
                        query.value(2).toString(), query.value(3).toDouble(),
                        query.value(4).toDouble(), query.value(5).toDouble()});
    }
    return rows;
}

QString foundText(int rows) {
    return QStringLiteral("พบข้อมูลจำนวน") + QString::number(rows) + QStringLiteral("รายการ");
}

QStringList kindChoices(int namingMode) {
    return kindCaptions(namingMode, listingOrder());
}

Kind kindOfChoice(int choice) {
    return listingOrder()[static_cast<size_t>(qBound(0, choice, kKindCount - 1))];
}

QString noKindText() {
    return QStringLiteral("กรุณาเลือกชนิดของตัวเลข");
}

QString tableName(Table table) {
    return table == Table::processed ? QStringLiteral("tball") : QStringLiteral("tballcus");
}

QVector<qint64> rowsOf(Database& db, Table table, Kind kind, const QString& num) {
    QSqlQuery query = db.exec(QStringLiteral("SELECT id FROM %1 WHERE num = ? AND codeins = ? "
                                             "ORDER BY id")
                                  .arg(tableName(table)),
                              {num, kindCode(kind)});
    QVector<qint64> ids;
    while (query.next())
        ids << query.value(0).toLongLong();
    return ids;
}

QString idFilter(const QVector<qint64>& ids) {
    if (ids.isEmpty())
        return QStringLiteral("1 = 0");
    QStringList list;
    for (qint64 id : ids)
        list << QString::number(id);
    return QStringLiteral("id IN (%1)").arg(list.join(QLatin1Char(',')));
}

QString editRefusal(const QString& field, const QString& typed, Kind kind) {
    const QString text = typed.trimmed();
    if (field == QLatin1String("num")) {
        const int digits = kindInfo(kind).digits;
        if ((text.size() == digits && isDigits(text)) || (kind == Kind::t2 && isTwoX(text)))
            return QString();
        return QStringLiteral("เลข%1ต้องเป็นตัวเลข %2 หลัก")
            .arg(QString::fromUtf8(kindInfo(kind).caption))
            .arg(digits);
    }
    if (field != QLatin1String("h") && field != QLatin1String("t") && field != QLatin1String("l"))
        return QString();
    const QString digitsPart = text.startsWith(QLatin1Char('-')) ? text.mid(1) : text;
    bool ok = isDigits(digitsPart) && digitsPart.size() <= 15;
    const qint64 stake = ok ? text.toLongLong(&ok) : 0;
    if (!ok || stake > kMaxAmount || stake < -kMaxAmount)
        return QStringLiteral("จำนวนต้องเป็นตัวเลขจำนวนเต็มเท่านั้น ไม่เกิน ") + maxAmountText();
    if (stake != 0 && field != stakeColumn(kind))
        return QStringLiteral("ช่องนี้ไม่ใช่ช่องจำนวนของ") + QString::fromUtf8(kindInfo(kind).caption);
    return QString();
}

} // namespace search
