#pragma once

#include "store/kinds.h"

#include <QString>
#include <QVector>

class Database;

// The latest kept and sent amounts of one kind, as its two reports list them.
namespace keptsent {

struct Line {
    QString num;
    double amount = 0;
};
struct Listing {
    QString title;
    QVector<Line> lines;
    double total = 0;
};

// Which rows: the kind's kept table, its sent table, or its second sent table (the numbers
// without a per-number limit; the sent table for a kind that has none).
enum class Part { kept, sent, secondSent };

// "แสดงยอด3ตัวบนที่เก็บ", "แสดงยอด3ตัวตรงที่ส่ง" ... in the kind naming mode.
QString title(Kind kind, bool kept, int namingMode);

// The rows by number, or by amount largest first.
Listing read(Database& book, Kind kind, Part part, bool byAmount, int namingMode);

} // namespace keptsent
