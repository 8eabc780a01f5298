#pragma once

#include "store/database.h"
#include "store/kinds.h"

#include <QString>

// The immediate cut of a group kind (h4, h5). Its numbers are many and mostly within the limit:
// only the numbers over it lose their lines, and its kept list takes again only the numbers
// whose totals moved since the last such cut, while nothing else wrote a kept list meanwhile.
namespace cut {

bool isGroupKind(Kind kind);

// Divides the kind's totals at limit into its kept and sent tables and replaces the lines of
// every number over it by one line of what it keeps, under customer. The session it runs in
// keeps the kept lists (Session::keepsKeptLists).
void cutGroupKind(Database& book, Kind kind, qint64 limit, const QString& customer,
                  const QString& now);

// The kind's kept list, written by another cut at limit with its lines, has just taken every
// total of the kind (each number's sums marked taken): the next immediate cut goes on from it.
void keptListTaken(Database& book, Kind kind, qint64 limit);

} // namespace cut
