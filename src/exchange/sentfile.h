#pragma once

#include "exchange/rowrefused.h"
#include "store/kinds.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

class Database;
class SourceBook;

// The exchange file of sent amounts an upstream dealer reads: one table tball of the columns
// num, h, t, l, codeins, in that order; and such a file added to the book as bets of one
// customer.
namespace sentfile {

// The kinds of "รวมเลข" in the order they are written.
const std::array<Kind, kKindCount>& allKinds();

// The latest sent amounts of the kind (all kinds when none) written as a new file at path,
// which is put over an earlier one only once it is whole; progress gets the kind and the rows
// written of it. Returns the rows written; throws StoreError.
qint64 write(Database& book, const QString& path, std::optional<Kind> kind,
             const std::function<void(Kind, qint64)>& progress = {});

// A copy of file at target, put over an earlier one in one step; empty or the reason.
QString copyOver(const QString& file, const QString& target);

struct Added {
    qint64 rows = 0;
    QStringList skipped; // "แถวที่ n ..." of rows of no known kind or number
};
// Every row of the source's tball booked to customer in the book and its entered lines, in
// one transaction; progress gets whole percent. Throws StoreError or RowRefused.
Added add(Database& book, SourceBook& source, const QString& customer,
          const std::function<void(int)>& progress = {});

// What the window says after an import.
QString addedText(const Added& added);

} // namespace sentfile
