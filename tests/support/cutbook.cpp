#include "support/cutbook.h"

#include "common/cutsession.h"
#include "store/kindrow.h"
#include "support/tempbook.h"

#include <QTest>

namespace cutbook {

void bet(Database& db, const QString& num, Kind kind, double stake, const QString& customer) {
    for (const char* table : {"tball", "tballcus"})
        db.exec(QStringLiteral("INSERT INTO %1 (num, %2, cus, codeins) VALUES (?, ?, ?, ?)")
                    .arg(QLatin1String(table), stakeColumn(kind)),
                {num, stake, customer, kindCode(kind)});
}

void limitOf(Database& db, Kind kind, qint64 amount) {
    kindrow::write(db, QStringLiteral("change2"), static_cast<int>(kind), QString::number(amount));
}

void numberLimit(Database& db, Kind kind, const QString& num, double amount) {
    db.exec(QStringLiteral("INSERT INTO numlimit (num, h, codeins) VALUES (?, ?, ?)"),
            {num, amount, kindCode(kind)});
}

QStringList keptOf(Database& db, Kind kind) {
    return rowsOf(db, QStringLiteral("SELECT num, %1 FROM %2 ORDER BY num")
                          .arg(stakeColumn(kind), cut::keptTable(kind)));
}

QStringList sentOf(Database& db, Kind kind) {
    return rowsOf(db, QStringLiteral("SELECT num, %1 FROM %2 ORDER BY num")
                          .arg(stakeColumn(kind), cut::sentTable(kind)));
}

QStringList linesOf(Database& db, Kind kind) {
    return rowsOf(db,
                  QStringLiteral("SELECT num, %1, cus FROM tball WHERE codeins = ? ORDER BY "
                                 "coalesce(num, ''), id")
                      .arg(stakeColumn(kind)),
                  {kindCode(kind)});
}

QString numberFor(Kind kind, int seed) {
    int space = 1;
    for (int i = 0; i < kindInfo(kind).digits; ++i)
        space *= 10;
    return QStringLiteral("%1").arg(seed % space, kindInfo(kind).digits, 10, QLatin1Char('0'));
}

} // namespace cutbook
