#include "common/kindlimits.h"

#include "common/cutsession.h"
#include "store/database.h"
#include "store/kindrow.h"

#include <QSqlQuery>

std::array<bool, kKindCount> kindsOverLimit(Database& db) {
    return kindsOverLimit(db, kindrow::read(db, QStringLiteral("change2")));
}

std::array<bool, kKindCount> kindsOverLimit(Database& db, const QStringList& limits) {
    std::array<bool, kKindCount> over{};
    if (limits.size() < kKindCount)
        return over;
    // One statement for the ten kinds (on a server each statement is a round trip); the first
    // number over a kind's limit answers for it, no need to count them all.
    QStringList tests;
    QVariantList binds;
    for (Kind kind : columnOrder()) {
        const QString view = cut::totalsView(kind);
        tests << QStringLiteral(
                     "CASE WHEN EXISTS (SELECT 1 FROM %2 WHERE %1 > ?) THEN 1 ELSE 0 END")
                     .arg(stakeColumn(kind), view);
        binds << limits.at(static_cast<int>(kind)).toDouble();
    }
    QSqlQuery query = db.exec(QStringLiteral("SELECT ") + tests.join(QStringLiteral(", ")), binds);
    if (!query.next())
        return over;
    int column = 0;
    for (Kind kind : columnOrder())
        over[static_cast<size_t>(kind)] = query.value(column++).toInt() > 0;
    return over;
}
