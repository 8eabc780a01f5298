#include "cutting/keptpairs.h"

#include "store/database.h"

#include <QSqlQuery>

namespace keptpairs {

QVector<Line> read(Database& db, Pair pair, Source source) {
    const bool three = pair == Pair::topTod3;
    const QString table = source == Source::kept ? QStringLiteral("cut") : QStringLiteral("sent");
    const QString sql =
        QStringLiteral("SELECT num, sum(a), sum(b) FROM (SELECT num, h AS a, 0 AS b FROM %1 "
                       "UNION ALL SELECT num, 0 AS a, %2 AS b FROM %3) k GROUP BY num ORDER BY num")
            .arg((three ? QStringLiteral("h3") : QStringLiteral("h2")) + table,
                 three ? QStringLiteral("t") : QStringLiteral("l"),
                 (three ? QStringLiteral("t3") : QStringLiteral("l2")) + table);
    QVector<Line> lines;
    QSqlQuery query = db.exec(sql);
    while (query.next())
        lines.push_back(
            {query.value(0).toString(), query.value(1).toDouble(), query.value(2).toDouble()});
    return lines;
}

} // namespace keptpairs
