#pragma once

#include <QString>
#include <QVector>

class Database;

// The latest kept (or sent) amounts of two kinds side by side, one row per number: three-digit top with
// tod, or two-digit top with bottom. Read for the report that prints them, so two computers
// asking at once each print their own.
namespace keptpairs {

enum class Pair { topTod3, topBottom2 };
// The kept amounts of the latest cut, or the amounts it sent.
enum class Source { kept, sent };

struct Line {
    QString num;
    double first = 0;
    double second = 0;
};

QVector<Line> read(Database& db, Pair pair, Source source = Source::kept);

} // namespace keptpairs
