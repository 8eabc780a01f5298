#pragma once

#include <QString>
#include <QVector>

class Database;

// The latest kept amounts of two kinds side by side, one row per number: three-digit top with
// tod, or two-digit top with bottom. Read for the report that prints them, so two computers
// asking at once each print their own.
namespace keptpairs {

enum class Pair { topTod3, topBottom2 };

struct Line {
    QString num;
    double first = 0;
    double second = 0;
};

QVector<Line> read(Database& db, Pair pair);

} // namespace keptpairs
