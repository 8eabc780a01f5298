#include "entry/recorder.h"

#include "common/betbatch.h"
#include "store/database.h"
#include "store/dialect.h"

#include <QSqlQuery>

namespace {
// The records' rows of table; the rows get their ids in the order of the records.
void insertRecords(Database& db, const QString& table, const BetRecords& records,
                   const QString& customer, const QString& now) {
    QVector<BetRow> rows;
    rows.reserve(records.size());
    for (const BetRecord& record : records) {
        rows.push_back(betRow(record.number, record.kind, record.stake, customer));
    }
    insertBetRows(db, table, rows, now);
}

void logLine(Database& db, qint64 rows) {
    db.exec(QStringLiteral("INSERT INTO tblog (s) VALUES (?)"), {QString::number(rows)});
}
} // namespace

int Recorder::recordLine(const BetRecords& records, const QString& customer) {
    if (records.isEmpty())
        return 0;
    const QString now = dialect::nowText();
    Transaction transaction(db_);
    for (const QString& table : {QStringLiteral("tball"), QStringLiteral("tballcus")})
        insertRecords(db_, table, records, customer, now);
    logLine(db_, records.size());
    transaction.commit();
    return records.size();
}

void Recorder::stampUnstamped() {
    Transaction transaction(db_);
    db_.exec(QStringLiteral("UPDATE tball SET ti2=tim WHERE ti2='yy'"));
    db_.exec(QStringLiteral("UPDATE tballcus SET ti2=tim WHERE ti2='yy'"));
    transaction.commit();
}

BookSums readBookSums(Database& db) {
    // One statement: on a server every statement is a round trip.
    QStringList parts;
    for (Kind kind : columnOrder())
        parts << QStringLiteral("(SELECT %1 FROM %2sum)").arg(stakeColumn(kind), kindCode(kind));
    parts << QStringLiteral("(SELECT n FROM tballcount)")
          << QStringLiteral("(SELECT max(id) FROM tball)");
    QSqlQuery query = db.exec(QStringLiteral("SELECT ") + parts.join(QStringLiteral(", ")));
    BookSums sums;
    if (!query.next())
        return sums;
    int column = 0;
    for (Kind kind : columnOrder()) {
        const double value = query.value(column++).toDouble();
        sums.byKind[static_cast<size_t>(kind)] = value;
        sums.grandTotal += value;
    }
    sums.rowCount = query.value(column++).toLongLong();
    sums.lastId = query.value(column).toLongLong();
    return sums;
}

GridQuery gridQuery(GridMode mode, qint64 lastId, int rows) {
    switch (mode) {
    case GridMode::Station:
        return {QStringLiteral("SELECT * FROM tball ORDER BY id"), {}};
    case GridMode::Lan:
        rows = 50;
        break;
    case GridMode::Own:
        break;
    }
    return {QStringLiteral("SELECT * FROM tball WHERE id > ? ORDER BY id"), {lastId - rows}};
}

void recordRun(Database& db, Kind kind, double stake, const QString& customer) {
    const QString now = dialect::nowText();
    BetRecords records;
    for (int n = 0; n < 100; ++n)
        records.push_back({QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')), kind, stake});
    Transaction transaction(db);
    for (const QString& table : {QStringLiteral("tball"), QStringLiteral("tballcus")})
        insertRecords(db, table, records, customer, now);
    transaction.commit();
}

int loadSampleRows(Database& db) {
    Transaction transaction(db);
    int rows = 0;
    for (const QString& table : {QStringLiteral("tball"), QStringLiteral("tballcus")}) {
        rows = db.exec(QStringLiteral("INSERT INTO %1 (num,h,t,l,cus,codeins) SELECT num, h, t, l, "
                                      "cus, codeins FROM tballsave2 WHERE codeins IS NOT NULL")
                           .arg(table))
                   .numRowsAffected();
    }
    transaction.commit();
    return rows;
}
