#pragma once

#include "common/betbatch.h"
#include "exchange/rowrefused.h"
#include "exchange/sheetfile.h"

#include <functional>

class Database;

// The bets of a sheet added to the book in one go.
namespace sheetimport {

// The lines of one sheet row by the length of its number: three digits give top, tod and
// bottom, two digits top, tod and bottom of the two-digit kinds, one digit top and bottom,
// four and five digits the group kinds; a line is written even with a stake of 0.
QVector<BetRow> linesOf(const QString& num, double h, double t, double l, const QString& customer,
                        bool sortDigits);

// A row that was not imported, and why.
struct Skipped {
    int line = 0;
    QString num;
    QString why;
};

struct Result {
    int rows = 0;  // sheet rows imported
    int lines = 0; // bet lines written
    QVector<Skipped> skipped;
    QString stopText; // "สิ้นสุดข้อมูลที่เลข..." when a row said stop
};

// Every row in sheet order until a row whose number is "stop", in one transaction of the
// book; progress gets whole percent of the rows done. Throws RowRefused or StoreError with
// the book unchanged.
Result import(Database& book, const QVector<sheetfile::Row>& rows, const QString& customer,
              bool sortDigits, const std::function<void(int)>& progress = {});

// What the clerk is told after the import: the rows and lines, then every row skipped.
QString report(const Result& result);

} // namespace sheetimport
