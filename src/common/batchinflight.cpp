#include "common/batchinflight.h"

#include "store/database.h"

namespace inflight {

void refuseChange(Database& book, const QString& condition, const QVariantList& binds) {
    const QVariant last = book.scalar(
        QStringLiteral("SELECT lastid FROM refsend WHERE ref1 IS NOT NULL AND ref1 <> ''"));
    if (!last.isValid() || last.isNull())
        return;
    QString sql = QStringLiteral("SELECT 1 FROM tball WHERE id <= ?");
    if (!condition.isEmpty())
        sql += QStringLiteral(" AND (%1)").arg(condition);
    if (book.scalar(sql + QStringLiteral(" LIMIT 1"), QVariantList{last} + binds).isValid())
        throw StoreError(refusedText(), StoreError::inUse);
}

QString refusedText() {
    return QStringLiteral("แก้ไขหรือลบข้อมูลนี้ไม่ได้ในขณะนี้ เพราะอยู่ในชุดที่กำลังส่งไปเครื่อง Server "
                          "กรุณารอให้ถ่ายโอนข้อมูลเสร็จแล้วลองใหม่");
}

} // namespace inflight
