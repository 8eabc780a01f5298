#include "entry/hundredpanel.h"

#include "store/database.h"
#include "store/kindrow.h"
#include "store/kinds.h"

#include <QSqlQuery>

QVector<PanelCell> readHundredPanel(Database& db, bool paintWatched) {
    const QStringList limits = kindrow::read(db, QStringLiteral("change2"));
    const double limit = limits.value(static_cast<int>(Kind::h2)).toDouble();
    QSqlQuery query = db.exec(
        QStringLiteral("SELECT p.num, p.h, CASE WHEN ? = 1 AND EXISTS (SELECT 1 FROM numlimit2 w "
                       "WHERE w.codeins = 'h2' AND w.num = p.num) THEN 1 ELSE 0 END FROM h2h2 p "
                       "ORDER BY p.id"),
        {paintWatched ? 1 : 0});
    QVector<PanelCell> cells;
    cells.reserve(100);
    while (query.next()) {
        PanelCell cell;
        cell.number = query.value(0).toString();
        cell.total = query.value(1).toDouble();
        cell.overLimit = static_cast<qint64>(cell.total) > limit;
        cell.watched = query.value(2).toInt() == 1;
        cells << cell;
    }
    return cells;
}
