#pragma once

#include <QString>
#include <QStringList>

class Database;

// The customer list and sheet customers.
namespace customers {

inline QString combined() { return QStringLiteral("แบบรวม"); }
inline QString sheetWord() { return QStringLiteral("แผ่น"); }

// Names of the customer list without sheet customers, by name or by creation.
QStringList names(Database& db, bool byName);

// True when a name already ends in a sheet ("แผ่นที่" and a sheet number).
bool isSheetName(const QString& name);
QString sheetCaption(int sheet); // "แผ่นที่12"

// Creates the sheet customer parent + caption with the parent's percents and rates when
// it does not exist; returns true when it was created.
bool ensureSheet(Database& db, const QString& parent, const QString& sheetName);

} // namespace customers
