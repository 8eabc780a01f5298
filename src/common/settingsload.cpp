#include "common/settingsload.h"

#include "store/database.h"
#include "store/kinds.h"

#include <QSqlQuery>
#include <QSqlRecord>

namespace {
// Copies one single-row (or many-row) table by the listed columns, read by position.
void copyRows(Database& own, Database& from, const QString& table, const QStringList& columns,
              const QVector<int>& positions) {
    own.exec(QStringLiteral("DELETE FROM %1").arg(table));
    QStringList marks;
    for (int i = 0; i < columns.size(); ++i)
        marks << QStringLiteral("?");
    const QString insert = QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                               .arg(table, columns.join(QLatin1Char(',')), marks.join(QLatin1Char(',')));
    QSqlQuery rows = from.exec(QStringLiteral("SELECT * FROM %1").arg(table));
    while (rows.next()) {
        QVariantList values;
        for (int position : positions)
            values << rows.value(position);
        own.exec(insert, values);
    }
}

QVector<int> firstPositions(int count) {
    QVector<int> positions;
    for (int i = 0; i < count; ++i)
        positions << i;
    return positions;
}

// The kind codes in the column order of the per-kind tables.
QStringList kindColumns() {
    QStringList codes;
    for (Kind kind : columnOrder())
        codes << kindCode(kind);
    return codes;
}
} // namespace

void loadSettings(Database& own, Database& from, const std::function<void(int)>& progress) {
    Transaction transaction(own);
    progress(20);
    own.exec(QStringLiteral("UPDATE cstr SET cstr2 = ?"),
             {from.scalar(QStringLiteral("SELECT * FROM cstr"))});
    progress(30);
    own.exec(QStringLiteral("UPDATE pass SET pass = ?"),
             {from.scalar(QStringLiteral("SELECT * FROM pass"))});

    // cus: name, the ten percents (every third column from 1), id, the ten pay rates.
    QStringList cusColumns{QStringLiteral("name")};
    QVector<int> cusPositions{0};
    const QStringList percents = {QStringLiteral("c3hp"), QStringLiteral("c3tp"),
                                  QStringLiteral("c3lp"), QStringLiteral("c2hp"),
                                  QStringLiteral("c2lp"), QStringLiteral("c2tp"),
                                  QStringLiteral("c1hp"), QStringLiteral("c1lp"),
                                  QStringLiteral("c4hp"), QStringLiteral("c5hp")};
    for (int i = 0; i < percents.size(); ++i) {
        cusColumns << percents[i];
        cusPositions << 1 + 3 * i;
    }
    cusColumns << QStringLiteral("id");
    cusPositions << 31;
    const QStringList kinds = kindColumns();
    for (int i = 0; i < kinds.size(); ++i) {
        cusColumns << kinds[i];
        cusPositions << 32 + i;
    }
    copyRows(own, from, QStringLiteral("cus"), cusColumns, cusPositions);
    progress(50);

    const QStringList rates = kinds + QStringList{QStringLiteral("hb"), QStringLiteral("lb")};
    copyRows(own, from, QStringLiteral("change"), rates, firstPositions(rates.size()));
    copyRows(own, from, QStringLiteral("change2"), kinds, firstPositions(kinds.size()));
    progress(60);
    copyRows(own, from, QStringLiteral("change3"), rates, firstPositions(rates.size()));

    QStringList backc{QStringLiteral("back")};
    for (int i = 2; i <= 19; ++i)
        backc << QStringLiteral("back%1").arg(i);
    copyRows(own, from, QStringLiteral("backc"), backc, firstPositions(backc.size()));
    transaction.commit();
    progress(100);
}
