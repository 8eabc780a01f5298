#pragma once

#include "store/database.h"

#include <QString>
#include <QStringList>
#include <QVariantList>

class QSqlError;

// The two engines' own halves of the dialect; only the store includes this.

// The engine's own words of an error (the driver's where the engine gave none).
QString engineText(const QSqlError& error);
// A half-written copy and whatever journal the engine gave it.
void removeWritten(const QString& file);

namespace sqlitedialect {
void prepareConnection(Database& db);
bool objectExists(Database& db, const char* type, const QString& name);
QStringList columnNames(Database& db, const QString& table);
bool rowsInKeyOrder(Database& db, const QString& table);
StoreError::Kind kindOf(const QSqlError& error);
QString pageDamage(Database& db);
SnapshotResult snapshot(Database& db, const QString& newFile);
} // namespace sqlitedialect

namespace pgdialect {
// The parts of a server address; what is empty is left to libpq (PG* variables, ~/.pgpass).
struct Address {
    QString host;
    int port = -1;
    QString dbname;
    QString user;
    QString password;
    QStringList parameters; // further libpq keywords, "key='value'"
};
bool isAddress(const QString& location);
// Throws StoreError for an address it cannot read.
Address parseAddress(const QString& location);
// The address without its password, for messages.
QString shownAddress(const QString& location);
// libpq keywords of a connection of this program (session settings included).
QString connectOptions(const Address& address, bool readOnly, bool withTimeZone);
// The statement with each ? outside quotes numbered $1, $2 ... for its values; throws
// StoreError where a ? could hide from the scan (a comment, a dollar quote, an escape string)
// or when the count of values differs.
QString numbered(const QString& sql, int values);
// A value as the text the server reads for a parameter of no given type, which takes the type
// of the column or expression it meets; null for a null value. Throws StoreError for a text the
// server cannot take (NUL).
QByteArray parameterText(const QVariant& value);
void prepareConnection(Database& db);
bool objectExists(Database& db, const char* type, const QString& name);
QStringList columnNames(Database& db, const QString& table);
StoreError::Kind kindOf(const QSqlError& error);
// A copy of the server's book into a new SQLite file of the same layout.
SnapshotResult snapshot(Database& db, const QString& newFile);
} // namespace pgdialect
