#pragma once

#include <QString>
#include <QStringList>

class Database;
struct SnapshotResult;

// Everything that differs between database engines lives here; the statements of the
// windows and rules are written once, in portable SQL with bound values.
namespace dialect {

void prepareConnection(Database& db);

bool tableExists(Database& db, const QString& name);
bool viewExists(Database& db, const QString& name);
QStringList columnNames(Database& db, const QString& table);
QString quoteIdentifier(const QString& name);

// Column definitions for the store's DDL.
QString counterColumn();  // auto-increment key in insertion order
QString nowDefault();     // default of a date column: the local time of the insert
QString textType();       // text(50)
QString numberType();     // double
QString longType();       // 32-bit integer

// The local time as the store writes it into date columns.
QString nowText();

void addTextColumn(Database& db, const QString& table, const QString& column);

// The quick check of every page: empty when sound, else the findings; throws StoreError
// when the check cannot run.
QString pageDamage(Database& db);
// A consistent copy of the open database written into newFile (which must not exist) after
// the quick check; a damaged database gives no copy. A failure removes what was written.
SnapshotResult snapshot(Database& db, const QString& newFile);

} // namespace dialect
