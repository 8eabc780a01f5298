#include "cutting/kindsql.h"

#include "common/cutsession.h"

#include <QStringList>

namespace cut::kindsql {

Names namesOf(Kind kind) {
    return {QLatin1Char('\'') + kindCode(kind) + QLatin1Char('\''),
            stakeColumn(kind),
            totalsView(kind),
            keptTable(kind),
            sentTable(kind),
            QString::number(kindInfo(kind).rep)};
}

QString fill(QString sql, const Names& n) {
    sql.replace(QLatin1String("{code}"), n.code);
    sql.replace(QLatin1String("{c}"), n.column);
    sql.replace(QLatin1String("{view}"), n.view);
    sql.replace(QLatin1String("{kept}"), n.kept);
    sql.replace(QLatin1String("{sent}"), n.sent);
    sql.replace(QLatin1String("{rep}"), n.rep);
    return sql;
}

QString keptAmounts(const Names& n) {
    QStringList amounts;
    for (const char* column : {"h", "t", "l"})
        amounts << (n.column == QLatin1String(column) ? n.column : QStringLiteral("0"));
    return amounts.join(QStringLiteral(", "));
}

void insertLines(Database& db, const Names& n, const QString& customer, const QString& now,
                 const QString& only, const QString& table) {
    db.exec(fill(QStringLiteral("INSERT INTO tball (num, {c}, codeins, cus, tim) SELECT num, {c}, "
                                "{code}, ?, ? FROM %1 %2 ORDER BY num"),
                 n)
                .arg(table.isEmpty() ? n.kept : table, only),
            {customer, now});
}

} // namespace cut::kindsql
