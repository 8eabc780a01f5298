#include "common/customers.h"

#include "common/customerbook.h"
#include "store/database.h"

#include <QRegularExpression>
#include <QSqlQuery>

namespace customers {

namespace {
const QString kPercentsAndRates = QStringLiteral(
    "c3hp,c3tp,c3lp,c2hp,c2lp,c2tp,c1hp,c1lp,c4hp,c5hp,h3,t3,l3,h2,t2,l2,h1,l1,h4,h5");
}

QStringList names(Database& db, bool byName, bool withSheets) {
    QStringList result;
    const QString condition =
        withSheets ? QStringLiteral("name IS NOT NULL") : customerbook::listCondition();
    QSqlQuery query = db.exec(QStringLiteral("SELECT name FROM cus WHERE %1 ORDER BY %2, id2")
                                  .arg(condition, customerbook::orderField(byName)));
    while (query.next())
        result << query.value(0).toString();
    return result;
}

bool isSheetName(const QString& name) {
    static const QRegularExpression sheet(QStringLiteral("แผ่นที่\\d{1,4}$"));
    return sheet.match(name).hasMatch();
}

bool isOwnOrSheet(const QString& customer, const QString& name) {
    if (name == customer)
        return true;
    static const QRegularExpression sheet(QStringLiteral("^แผ่นที่[0-9]{1,4}$"));
    return name.startsWith(customer) && sheet.match(name.mid(customer.size())).hasMatch();
}

QString sheetCaption(int sheet) {
    return QStringLiteral("แผ่นที่%1").arg(sheet);
}

bool ensureSheet(Database& db, const QString& parent, const QString& sheetName) {
    if (db.scalar(QStringLiteral("SELECT count(*) FROM cus WHERE name = ?"), {sheetName}).toInt() >
        0)
        return false;
    Transaction transaction(db);
    const int copied = db.exec(QStringLiteral("INSERT INTO cus (id,name,%1) SELECT ?, ?, %1 FROM "
                                              "cus WHERE name = ? LIMIT 1")
                                   .arg(kPercentsAndRates),
                               {sheetName, sheetName, parent})
                           .numRowsAffected();
    if (copied <= 0)
        db.exec(QStringLiteral("INSERT INTO cus (id,name) VALUES (?, ?)"), {sheetName, sheetName});
    transaction.commit();
    return true;
}

} // namespace customers
