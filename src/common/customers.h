#pragma once

#include <QString>
#include <QStringList>

class Database;

// The customer list and sheet customers.
namespace customers {

inline QString combined() {
    return QStringLiteral("แบบรวม");
}
inline QString sheetWord() {
    return QStringLiteral("แผ่น");
}

// Names of the customer list, by name or by creation; sheet customers only when asked.
QStringList names(Database& db, bool byName, bool withSheets = false);

// True when a name already ends in a sheet ("แผ่นที่" and a sheet number).
bool isSheetName(const QString& name);
QString sheetCaption(int sheet); // "แผ่นที่12"
// The customer himself or one of his own sheets (his name, "แผ่นที่" and a number); "A" does
// not take in "AB".
bool isOwnOrSheet(const QString& customer, const QString& name);

// Creates the sheet customer parent + caption with the parent's percents and rates when
// it does not exist; returns true when it was created.
bool ensureSheet(Database& db, const QString& parent, const QString& sheetName);

} // namespace customers
