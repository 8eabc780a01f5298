#include "cutting/keptsent.h"

#include "common/cutsession.h"
#include "cutting/analysis.h"
#include "store/database.h"
#include "store/kindcaptions.h"

#include <QSqlQuery>

namespace keptsent {

QString title(Kind kind, bool kept, int namingMode) {
    QString name = kindCaption(kind, namingMode);
    if (kind == Kind::h3 && !kept)
        name = QStringLiteral("3ตัวตรง");
    else if (kind == Kind::t2 && namingMode == 2)
        name.prepend(QLatin1Char(' '));
    return QStringLiteral("แสดงยอด") + name +
           (kept ? QStringLiteral("ที่เก็บ") : QStringLiteral("ที่ส่ง"));
}

Listing read(Database& book, Kind kind, Part part, bool byAmount, int namingMode) {
    QString table = cut::keptTable(kind);
    if (part == Part::sent || (part == Part::secondSent && !analysis::hasSecondSent(kind)))
        table = cut::sentTable(kind);
    else if (part == Part::secondSent)
        table = analysis::secondSentTable(kind);
    const QString column = stakeColumn(kind);
    Listing listing;
    listing.title = title(kind, part == Part::kept, namingMode);
    QSqlQuery query = book.exec(
        QStringLiteral("SELECT num, %1 FROM %2 ORDER BY %3")
            .arg(column, table,
                 byAmount ? column + QStringLiteral(" DESC, num") : QStringLiteral("num")));
    while (query.next()) {
        Line line{query.value(0).toString(), query.value(1).toDouble()};
        listing.total += line.amount;
        listing.lines.push_back(line);
    }
    return listing;
}

} // namespace keptsent
