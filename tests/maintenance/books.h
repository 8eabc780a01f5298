#pragma once

// Books of a draw for the maintenance tests: lines entered at given times, and the whole book
// as rows, to tell whether anything changed.

#include "common/cutsession.h"
#include "store/database.h"
#include "store/kinds.h"
#include "store/schema.h"
#include "support/bookfaults.h"
#include "support/tempbook.h"

#include <QTest>
#include <algorithm>

namespace books {

struct Bet {
    QString num;
    Kind kind;
    double stake;
};

// One bet line entered at time (stamped with it), in tball and tballcus, and its log row.
inline void enterLine(Database& db, const QString& time, const QVector<Bet>& bets,
                      const QString& customer = QStringLiteral("ก")) {
    for (const char* table : {"tball", "tballcus"}) {
        for (const Bet& bet : bets)
            db.exec(QStringLiteral("INSERT INTO %1 (num, %2, cus, codeins, tim, ti2) VALUES (?, "
                                   "?, ?, ?, ?, ?)")
                        .arg(QLatin1String(table), stakeColumn(bet.kind)),
                    {bet.num, bet.stake, customer, kindCode(bet.kind), time, time});
    }
    db.exec(QStringLiteral("INSERT INTO tblog (s) VALUES (?)"), {QString::number(bets.size())});
}

inline QStringList sortedRows(Database& db, const QString& table) {
    QStringList rows =
        rowsOf(db, QStringLiteral("SELECT * FROM \"%1\"").arg(table));
    std::sort(rows.begin(), rows.end());
    return rows;
}

// Every table of the book, each as its sorted rows after its name.
inline QStringList everyTable(Database& db) {
    QStringList rows;
    for (const QString& table : schema::allTableNames())
        rows << QStringLiteral("== ") + table << sortedRows(db, table);
    return rows;
}

// What every totals view and sum of the book shows.
inline QStringList totalsOf(Database& db) {
    QStringList rows;
    for (Kind kind : listingOrder()) {
        const QString column = stakeColumn(kind);
        rows << kindCode(kind)
             << rowsOf(db, QStringLiteral("SELECT num, %1 FROM %2 ORDER BY num")
                               .arg(column, cut::totalsView(kind)))
             << rowsOf(db, QStringLiteral("SELECT %1 FROM %2sum").arg(column, kindCode(kind)));
    }
    return rows;
}

// A table replaced by a view no statement can write: the next writer of it is refused.
inline void replaceByView(Database& db, const QString& table, const QString& select) {
    db.exec(QStringLiteral("DROP TABLE %1%2")
                .arg(table, db.engine() == Engine::postgres ? QStringLiteral(" CASCADE")
                                                            : QString()));
    db.exec(QStringLiteral("CREATE VIEW %1 AS SELECT DISTINCT %2").arg(table, select));
}

// A number of the kind's width.
inline QString numberFor(Kind kind, int seed) {
    int space = 1;
    for (int i = 0; i < kindInfo(kind).digits; ++i)
        space *= 10;
    return QStringLiteral("%1").arg(seed % space, kindInfo(kind).digits, 10, QLatin1Char('0'));
}

} // namespace books
