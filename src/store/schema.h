#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

enum class Kind;
enum class Engine;

class Database;

namespace schema {

struct ObjectDef {
    QString name;
    QString sql; // one statement, or several separated by ";\n" (a table with its triggers)
};

// The definitions on each engine.
// The book: tball, tballcus, tblog and the sums kept beside tball.
QVector<ObjectDef> betTableDefs(Engine engine);
// Totals and sum views of the ten kinds, read from the kept sums.
QVector<ObjectDef> betViewDefs(Engine engine);
// Every other table, then every other view.
QVector<ObjectDef> tableDefs(Engine engine);
QVector<ObjectDef> viewDefs(Engine engine);

// Names of everything a complete database holds.
QStringList allTableNames();
QStringList allViewNames();

// Creates every missing table and view; seeds the single-row and fixed tables of a new file.
void createMissing(Database& db, const QString& programFolder);
// Creates every missing table, then every missing view, without seeding anything.
void createTablesAndViews(Database& db);

// Seeds a database whose tables were just created (programFolder ends with '/').
void seedFresh(Database& db, const QString& programFolder);

// Drops and creates tball, tballcus or tblog again (its counter restarts at 1); for
// tball the kept sums are emptied with it.
void recreateBetTable(Database& db, const QString& name);

// Sets the kept sums (tbtotals, tbkind) from the lines of tball, as the triggers would have
// kept them: for a rewrite of the book that stopped the triggers.
void recountSums(Database& db);

// The summary of a past draw that its archive carries (one row), made in the archive file only.
ObjectDef drawSummaryDef(Engine engine);

// Brings an old-layout database up to date: backc 19 -> 25 columns, emenu 30 -> 33, the
// tables added later, the date of the last prize check and the unique customer code (left out while codes are shared). Each
// table's column additions stop silently at the first failure.
// A failing creation is returned as the database's message (start-up shows it and goes on).
QStringList upgradeOldLayout(Database& db);
// ref with a single column gains comname and total.
void upgradeRef(Database& db);

// Discount percent column of a kind in cus: h3 -> c3hp, l2 -> c2lp.
QString percentColumn(Kind kind);
// The unique index on cus(id), created when missing.
QString cusCodeIndex();
// The index of tbtotals by kind and top total.
QString totalsByAmountIndex();
// The columns of tbtotals the cuts mark numbers with, as "name type"; addCutMarks adds those a
// book lacks.
QStringList cutMarkColumns(Engine engine);
void addCutMarks(Database& db);
// An SQLite book whose sums were made with row numbers has them made again in the order of
// their key (after addCutMarks).
void orderSumsByKey(Database& db);
// The condition on tbtotals of a group kind's number whose total moved since its kept list took
// it, word for word as the partial index movedTotalsIndex() is written with (a query that
// reads that index repeats it).
QString movedGroupTotals();
QString movedTotalsIndex();
// The index of the entered lines by customer and entry (a customer's lines and stakes).
QString enteredByCustomerIndex();
QString enteredByNumberIndex();
QString retiredNumberIndex();
QString retiredStampIndex();
// The index of the entered lines by kind and customer, with their stakes (the accounts).
QString enteredByKindIndex();
// Every index of the entered lines, made when missing, and the statements that drop them: a
// batch of many lines builds them once after its rows rather than row by row.
QStringList enteredIndexes();
QStringList dropEnteredIndexes();

// Runs statements separated by ";\n"; trigger and function bodies stay whole.
void execScript(Database& db, const QString& sql);

} // namespace schema
