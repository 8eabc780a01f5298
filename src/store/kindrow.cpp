#include "store/kindrow.h"

#include "store/amounts.h"
#include "store/database.h"
#include "store/dialect.h"

#include <QSqlRecord>
#include <cmath>

namespace kindrow {

QStringList read(Database& db, const QString& table) {
    QSqlQuery query =
        db.exec(QStringLiteral("SELECT * FROM %1").arg(dialect::quoteIdentifier(table)));
    QStringList values;
    if (!query.next())
        return values;
    for (int i = 0; i < query.record().count(); ++i)
        values << query.value(i).toString();
    return values;
}

QString refusal(const QString& text) {
    bool ok = false;
    const qlonglong value = text.trimmed().toLongLong(&ok);
    if (!ok || value < 0)
        return QStringLiteral("กรุณาป้อนค่าเป็นตัวเลขจำนวนเต็มตั้งแต่ 0 ขึ้นไป");
    if (value > kMaxAmount)
        return tooLargeMessage(text.trimmed());
    return QString();
}

void write(Database& db, const QString& table, int column, const QString& text) {
    const QString refused = refusal(text);
    if (!refused.isEmpty())
        throw StoreError(refused);
    const QStringList columns = db.columnNames(table);
    if (column < 0 || column >= columns.size())
        throw StoreError(QStringLiteral("ไม่พบช่องข้อมูลที่เลือก"));
    Transaction transaction(db);
    db.exec(QStringLiteral("UPDATE %1 SET %2 = ?")
                .arg(dialect::quoteIdentifier(table), dialect::quoteIdentifier(columns.at(column))),
            {QString::number(text.trimmed().toLongLong())});
    transaction.commit();
}

QString shown(const QString& stored) {
    return shownWhole(stored);
}

} // namespace kindrow
