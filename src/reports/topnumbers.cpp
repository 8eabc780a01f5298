#include "reports/topnumbers.h"

#include "reports/totalsviews.h"
#include "store/database.h"

#include <QSqlQuery>

namespace topnumbers {

const std::array<List, kLists>& lists() {
    static const std::array<List, kLists> table = {{
        {"เลข3ตัวบน", "Tshowh3h"},
        {"เลข3ตัวโต๊ด", "Tt3th"},
        {"เลข3ตัวล่าง", "Tl3h"},
        {"เลข2ตัวบน", "Th2h"},
        {"เลข2ตัวล่าง", "Tl2h"},
    }};
    return table;
}

Board read(Database& db, bool marks) {
    Board board;
    for (int i = 0; i < kLists; ++i) {
        const totals::View* view =
            totals::view(QLatin1String(lists()[static_cast<size_t>(i)].totalsView));
        QSqlQuery query = db.exec(QStringLiteral("SELECT num, %1 FROM %2")
                                      .arg(stakeColumn(view->kind), QLatin1String(view->source)));
        QVector<Row>& rows = board.rows[static_cast<size_t>(i)];
        while (query.next())
            rows.push_back({query.value(0).toString(), query.value(1).toDouble()});
    }
    if (marks) {
        QSqlQuery query = db.exec(QStringLiteral(
            "SELECT num, codeins FROM numlimit2 WHERE codeins = 'h2' OR codeins = 'l2'"));
        while (query.next()) {
            const int list = query.value(1).toString() == QLatin1String("h2") ? 3 : 4;
            board.marked[static_cast<size_t>(list)].insert(query.value(0).toString());
        }
    }
    return board;
}

} // namespace topnumbers
