#pragma once

#include "spreading/spreadrules.h"
#include "store/database.h"

#include <QStringList>
#include <functional>

// What the spreading reads from and writes into the book, inside a cut session.
namespace spread {

// A kind's totals by number, ascending, as the totals view gives them.
QVector<Total> totalsOf(Database& book, Kind kind);

// Removes the lines of the given numbers of a kind from tball, or every line of the kind when
// everyNumber, and takes them out of the kept sums.
void removeNumbers(Database& book, Kind kind, const QStringList& nums, bool everyNumber);

// Writes the lines into tball at the time now, a few statements at a time; told after each
// statement the index of the source number of its last line.
void writeLines(Database& book, const QVector<Line>& lines, const QString& now,
                const std::function<void(int source)>& written = {});

} // namespace spread
