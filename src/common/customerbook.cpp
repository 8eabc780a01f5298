#include "common/customerbook.h"

#include "common/customers.h"
#include "common/settings.h"
#include "store/amounts.h"
#include "store/database.h"
#include "store/kinds.h"
#include "store/schema.h"

#include <QHash>
#include <QRegularExpression>
#include <QSqlQuery>
#include <cmath>

namespace customerbook {

namespace {

const QString kExists = QStringLiteral("ไม่สามารถเพิ่มชื่อได้เพราะมีชื่อนี้อยู่แล้วในระบบ");
const int kLargestCount = 10000;

QStringList marks(int count) {
    QStringList result;
    for (int i = 0; i < count; ++i)
        result << QStringLiteral("?");
    return result;
}

// A cell value as it is stored: null stays null, number text becomes a number.
QVariant stored(const QVariant& value) {
    if (value.isNull())
        return value;
    return value.toString().trimmed().toDouble();
}

bool nameInUse(Database& db, const QString& name) {
    return db.scalar(QStringLiteral("SELECT count(*) FROM cus WHERE id = ? OR name = ?"),
                     {name, name})
               .toInt() > 0;
}

void insert(Database& db, const QString& name, const QVariantList& percents,
            const QVariantList& rates) {
    const QStringList columns = QStringList{QStringLiteral("id"), QStringLiteral("name")} +
                                percentColumns() + rateColumns();
    QVariantList binds{name, name};
    for (const QVariant& percent : percents)
        binds << stored(percent);
    for (const QVariant& rate : rates)
        binds << stored(rate);
    db.exec(QStringLiteral("INSERT INTO cus (%1) VALUES (%2)")
                .arg(columns.join(QLatin1Char(',')), marks(columns.size()).join(QLatin1Char(','))),
            binds);
}

QString listQuery(const QString& columns, bool byName) {
    return QStringLiteral("SELECT %1 FROM cus WHERE %2 ORDER BY %3, id2")
        .arg(columns, listCondition(), orderField(byName));
}

} // namespace

const QStringList& percentColumns() {
    static const QStringList columns = [] {
        QStringList list;
        for (Kind kind : listingOrder())
            list << schema::percentColumn(kind);
        return list;
    }();
    return columns;
}

const QStringList& rateColumns() {
    static const QStringList columns = [] {
        QStringList list;
        for (Kind kind : columnOrder())
            list << kindCode(kind);
        return list;
    }();
    return columns;
}

QString listCondition() {
    // A fixed pattern, no typed text.
    return QStringLiteral("name NOT LIKE '%") + customers::sheetWord() + QStringLiteral("%'");
}

QString orderField(bool byName) {
    return byName ? QStringLiteral("name") : QStringLiteral("id2");
}

bool orderedByName(Database& db) {
    return SettingsRecord(db).customersByName();
}

void setOrderedByName(Database& db, bool byName) {
    SettingsRecord(db).setFlag(Backc::back21, byName);
}

QVariantList overallRates(Database& db) {
    QSqlQuery query =
        db.exec(QStringLiteral("SELECT %1 FROM change").arg(rateColumns().join(QLatin1Char(','))));
    const bool found = query.next();
    QVariantList rates;
    for (int i = 0; i < rateColumns().size(); ++i) {
        bool ok = false;
        const double rate = found ? query.value(i).toString().trimmed().toDouble(&ok) : 0.0;
        rates << (ok && std::isfinite(rate) ? rate : 0.0);
    }
    return rates;
}

QString numberRefusal(const QString& text) {
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    if (ok && inAmountRange(value))
        return QString();
    if (ok && std::isfinite(value))
        return tooLargeMessage(text.trimmed());
    return QStringLiteral("ค่า \"%1\" ไม่ใช่ตัวเลข กรุณาป้อนเป็นตัวเลข").arg(text);
}

QString nameRefusal(const QString& name) {
    return name.trimmed().isEmpty() ? QStringLiteral("กรุณาป้อนชื่อลูกค้า") : QString();
}

bool isNumberValue(const QVariant& value) {
    return value.isNull() || numberRefusal(value.toString()).isEmpty();
}

Outcome add(Database& db, const QString& name, const QStringList& percents,
            const QVariantList& rates) {
    if (const QString refusal = nameRefusal(name); !refusal.isEmpty())
        return {false, refusal};
    QVariantList values;
    for (const QString& percent : percents) {
        const QString refusal = numberRefusal(percent);
        if (!refusal.isEmpty())
            return {false, refusal};
        values << percent;
    }
    Transaction transaction(db);
    if (nameInUse(db, name))
        return {false, kExists};
    insert(db, name, values, rates);
    transaction.commit();
    return {true, QString()};
}

Outcome copySeries(Database& db, const QString& name, const QVariantList& percents,
                   const QVariantList& rates, const QString& countText) {
    bool ok = false;
    const int count = countText.trimmed().toInt(&ok);
    if (!ok || count < 1 || count > kLargestCount) {
        return {false, QStringLiteral("กรุณาป้อนจำนวนเป็นตัวเลขจำนวนเต็ม 1 ถึง %1").arg(kLargestCount)};
    }
    if (name.isEmpty())
        return {false, QStringLiteral("กรุณาเลือกรายชื่อที่ต้องการcopy")};
    for (const QVariant& percent : percents) {
        if (!isNumberValue(percent))
            return {false, numberRefusal(percent.toString())};
    }
    Transaction transaction(db);
    for (int i = 1; i <= count; ++i) {
        const QString numbered = name + QString::number(i);
        if (nameInUse(db, numbered))
            return {false, kExists + QStringLiteral(" : ") + numbered};
        insert(db, numbered, percents, rates);
    }
    transaction.commit();
    return {true, QStringLiteral("ป้อนข้อมูลจำนวน%1รายชื่อเรียบร้อย").arg(count)};
}

void removeAll(Database& db) {
    Transaction transaction(db);
    db.exec(QStringLiteral("DELETE FROM cus"));
    transaction.commit();
}

QStringList mismatchedNames(Database& db, bool byName) {
    QStringList names;
    QSqlQuery query = db.exec(listQuery(QStringLiteral("name, id"), byName));
    while (query.next()) {
        if (query.value(0).toString() != query.value(1).toString())
            names << query.value(0).toString();
    }
    return names;
}

bool codesFromNames(Database& db) {
    Transaction transaction(db);
    const int shared =
        db.scalar(QStringLiteral("SELECT count(*) FROM (SELECT name FROM cus WHERE name IS NOT "
                                 "NULL GROUP BY name HAVING count(*) > 1) AS twice"))
            .toInt();
    if (shared > 0)
        return false;
    // Codes that change are cleared first, so two rows swapping names never meet on one code.
    db.exec(QStringLiteral(
        "UPDATE cus SET id = NULL WHERE id IS NOT NULL AND (name IS NULL OR id <> name)"));
    db.exec(QStringLiteral("UPDATE cus SET id = name WHERE id IS NULL"));
    transaction.commit();
    return true;
}

int copyRatesToSheets(Database& db, bool byName) {
    static const QRegularExpression sheet(QStringLiteral("^(.*)แผ่นที่[0-9]{1,4}$"));
    Transaction transaction(db);
    // Sheet customers by the name they belong to.
    QHash<QString, QStringList> sheets;
    QSqlQuery all = db.exec(QStringLiteral("SELECT name FROM cus WHERE name IS NOT NULL"));
    while (all.next()) {
        const QString name = all.value(0).toString();
        const QRegularExpressionMatch match = sheet.match(name);
        if (match.hasMatch())
            sheets[match.captured(1)] << name;
    }
    QList<QPair<QString, QVariantList>> customers;
    QSqlQuery listed =
        db.exec(listQuery(QStringLiteral("name, ") + rateColumns().join(QLatin1Char(',')), byName));
    while (listed.next()) {
        QVariantList rates;
        for (int i = 0; i < rateColumns().size(); ++i)
            rates << listed.value(i + 1);
        customers.push_back({listed.value(0).toString(), rates});
    }

    QStringList sets;
    for (const QString& column : rateColumns())
        sets << column + QStringLiteral(" = ?");
    const QString update =
        QStringLiteral("UPDATE cus SET %1 WHERE name = ?").arg(sets.join(QLatin1Char(',')));
    int written = 0;
    for (const auto& [customer, rates] : customers) {
        for (const QString& name : QStringList{customer} + sheets.value(customer))
            written += db.exec(update, QVariantList(rates) << name).numRowsAffected();
    }
    transaction.commit();
    return written;
}

} // namespace customerbook
