#pragma once

#include "store/database.h"

#include <QString>
#include <QStringList>

class QSqlError;

// Everything that differs between database engines lives here; the statements of the
// windows and rules are written once, in portable SQL with bound values.
namespace dialect {

void prepareConnection(Database& db);

bool tableExists(Database& db, const QString& name);
bool viewExists(Database& db, const QString& name);
bool indexExists(Database& db, const QString& name);
QStringList columnNames(Database& db, const QString& table);
QString quoteIdentifier(const QString& name);

// Column definitions for the store's DDL.
QString counterColumn(Engine engine); // auto-increment key in insertion order
QString dateType(Engine engine);      // a date kept as 'YYYY-MM-DD HH:MM:SS' text
QString nowDefault(Engine engine);    // default of a date column: the local time of the insert
QString textType(Engine engine);      // text(50), compared byte by byte
QString numberType(Engine engine);    // double
QString longType(Engine engine);      // whole number
// expr as a whole number, its fraction cut off (toward zero) on every engine.
QString wholeOf(Engine engine, const QString& expr);
// True where the text column holds the bound text somewhere (no pattern characters).
QString containsBound(Engine engine, const QString& column);

// The triggers on tball that keep tbtotals and tbkind, and the statements that drop them.
QString sumTriggers(Engine engine);
QString dropSumTriggers(Engine engine);

// What follows the making of a table of kept sums ("" or ";\n" and statements): a server
// rewrites such a row at every line, so it cleans up the old versions early.
QString keptSumsStorage(Engine engine, const QString& table);
// What ends the making of a table whose rows are read and written by their key: an SQLite
// book keeps such rows in the order of the key itself, with no separate row number.
QString keyOrderedRows(Engine engine);
// Whether the table was made so (always on a server).
bool keptInKeyOrder(Database& db, const QString& table);
// What follows a table's name in FROM to read it through the named index: SQLite without
// statistics cannot tell that a partial index or a range holds only a few rows.
QString readThrough(Engine engine, const QString& index);

// The statement that empties table and restarts its counter at 1 where the table stays (a
// server keeps the views over it); empty where the table is dropped and made again.
QString emptyRestartingCounter(Engine engine, const QString& table);

// The statements of a script separated by ";\n"; a trigger or function body stays whole.
QStringList splitStatements(Engine engine, const QString& script);

// Inside a transaction: holds the book's bet tables for this transaction alone, as the kept
// sums do, so that a line's scratch rows are never mixed with another computer's line.
void holdBets(Database& db);

// Inside a transaction: the server's turn to take a station's batch, held until the
// transaction ends; another batch waits for it (an SQLite book's write lock already is it).
void holdSending(Database& db);

// The statement that opens a transaction which writes from its start: on an SQLite book it
// takes the write lock at once, so a second writer waits its busy time and is refused.
QString beginWrite(Engine engine);
// Inside such a transaction: takes the book's cut lock for this transaction alone, or returns
// false at once when another connection holds it (an SQLite book's write lock already is it).
bool holdCut(Database& db);
// Inside a transaction: no other connection writes a bet line, a stored line or a line's log
// until it ends, while readers go on (an SQLite book's write lock already is it).
void holdBetTables(Database& db);

// The statement that removes every row of a table and keeps its counter where it is (a server
// frees the rows at once, as an SQLite book does for a table without triggers).
QString emptyKeepingCounter(Engine engine, const QString& table);

// A page cache large enough for a rewrite of the whole book (an SQLite book's default holds a
// few megabytes); the size before, for restoreCache().
int widenCache(Database& db);
void restoreCache(Database& db, int size);

// Pages freed by this connection are left as they are rather than overwritten with zeros (an
// SQLite built to wipe them writes a dropped table whole once more); the setting before, for
// restoreFrees().
int keepFreedPages(Database& db);
void restoreFrees(Database& db, int setting);

// Inside a transaction: the triggers that keep tbtotals and tbkind stop and start again, for
// a rewrite whose sums the writer sets itself.
QString suspendSumTriggers(Engine engine);
QString resumeSumTriggers(Engine engine);

// The local time as the store writes it into date columns.
QString nowText();

void addTextColumn(Database& db, const QString& table, const QString& column);

// The kind of an engine's refusal.
StoreError::Kind kindOf(Engine engine, const QSqlError& error);

// The quick check of every page: empty when sound, else the findings; throws StoreError
// when the check cannot run.
QString pageDamage(Database& db);
// A consistent copy of the open database written into newFile (which must not exist) after
// the quick check; a damaged database gives no copy. A failure removes what was written.
SnapshotResult snapshot(Database& db, const QString& newFile);

} // namespace dialect
