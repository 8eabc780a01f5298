#pragma once

#include "store/kinds.h"

#include <QString>

class Database;

// Taking rows back: by condition from the book (tball) or the entered lines (tballcus), from
// the entry form's grid in both, and the book made again from the entered lines. Each is one
// transaction, whole or not at all; each returns the rows it deleted (of tball where both).
namespace deletion {

enum class Table { book, entered };
QString tableName(Table table);
// "จากข้อมูลประมวลผลหรือไม่ ?" or "จากข้อมูลสำรองหรือไม่ ?"
QString questionEnding(Table table);

int byCustomer(Database& db, Table table, const QString& customer);
// The rows from entry number id on, or up to it.
int byEntry(Database& db, Table table, qint64 id, bool upTo);
int byKind(Database& db, Table table, Kind kind);

// One number of one kind of the bet line stamped stamp, whose row picked is in the grid.
int numberOfLine(Database& db, qint64 picked, const QString& num, const QString& kindCode,
                 const QString& stamp);
// Every row stamped stamp (the bet line of the picked row).
int wholeLine(Database& db, qint64 picked, const QString& stamp);
// The rows first to last of tball and, when alsoEntered, the rows of tballcus entered with the
// same bet lines: the same time, number, kind and customer, in the same order; never rows
// found by their position, which a cut, a spreading or a consolidation leaves unlike.
int rows(Database& db, qint64 first, qint64 last, bool alsoEntered);

// The book made again from the entered lines: every cut, spreading and consolidation of the
// book is lost; the lines keep their customers, times and stamps. Returns the rows written.
int rebuildFromEntered(Database& db);

} // namespace deletion
