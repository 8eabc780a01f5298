#pragma once

#include <QString>
#include <QStringList>

class Database;

// The one-row tables of per-kind values: change (pay rates) and change2 (kind limits). Their
// columns start with the ten kinds in column order.
namespace kindrow {

// Every column of the row as stored, in column order; empty when the table has no row.
QStringList read(Database& db, const QString& table);

// Empty when text is a whole amount of 0 or more, else the message to show.
QString refusal(const QString& text);

// Writes a whole amount into one column of the row; throws StoreError when the value is
// refused (the message of refusal()) or the database refuses it.
void write(Database& db, const QString& table, int column, const QString& text);

// The value shown for a stored text: a whole number, 0 when it is not a number.
QString shown(const QString& stored);

} // namespace kindrow
