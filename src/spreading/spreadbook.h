#pragma once

#include "spreading/spreadrules.h"
#include "store/database.h"

#include <QStringList>
#include <functional>

// What the spreading reads from and writes into the book, inside a cut session.
namespace spread {

// A kind's totals by number, ascending, as the totals view gives them.
QVector<Total> totalsOf(Database& book, Kind kind);

// Inside a cut session: removes the lines of the given numbers of a kind (every line of the
// kind when everyNumber) and writes the new lines at the time now, a few statements at a time,
// keeping the sums of both (set here in one pass rather than line by line); told after each
// statement of new lines the index of the source number of its last line.
void replaceLines(Database& book, Kind kind, const QStringList& nums, bool everyNumber,
                  const QVector<Line>& lines, const QString& now,
                  const std::function<void(int source)>& written = {});

} // namespace spread
