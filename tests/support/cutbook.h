#pragma once

#include "store/database.h"
#include "store/kinds.h"

#include <QString>
#include <QStringList>

// Books for the tests of the cuts: lines, limits, and the kinds' tables read back as text.
namespace cutbook {

// A line of the kind in tball and tballcus.
void bet(Database& db, const QString& num, Kind kind, double stake,
         const QString& customer = QStringLiteral("ก"));
void limitOf(Database& db, Kind kind, qint64 amount);
void numberLimit(Database& db, Kind kind, const QString& num, double amount);

// num|amount of a kind's kept or sent table, by number.
QStringList keptOf(Database& db, Kind kind);
QStringList sentOf(Database& db, Kind kind);
// num|amount|customer of the kind's lines in the book.
QStringList linesOf(Database& db, Kind kind);

// A number of the kind's width.
QString numberFor(Kind kind, int seed);

} // namespace cutbook
