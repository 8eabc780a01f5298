#include "entry/recorder.h"

#include "store/database.h"
#include "store/dialect.h"

#include <QSqlQuery>

namespace {
// Rows per statement: a statement of a few hundred rows costs more per row to prepare and bind
// than a few of this size.
constexpr int kRowsPerInsert = 32;

// The records' rows of table, a few statements for a line of many. The rows get their ids in
// the order of the records.
void insertRecords(QVector<Database::Statement>& statements, const QString& table,
                   const BetRecords& records, const QString& customer, const QString& now) {
    for (int first = 0; first < records.size(); first += kRowsPerInsert) {
        QStringList rows;
        QVariantList binds;
        for (const BetRecord& record : records.mid(first, kRowsPerInsert)) {
            const QString column = stakeColumn(record.kind);
            rows << QStringLiteral("(?,?,?,?,?,?,?)");
            binds << record.number << (column == QLatin1String("h") ? record.stake : 0.0)
                  << (column == QLatin1String("t") ? record.stake : 0.0)
                  << (column == QLatin1String("l") ? record.stake : 0.0) << customer
                  << kindCode(record.kind) << now;
        }
        statements.push_back({QStringLiteral("INSERT INTO %1 (num,h,t,l,cus,codeins,tim) VALUES %2")
                                  .arg(table, rows.join(QLatin1Char(','))),
                              binds});
    }
}

// The rows of both tables, and the line's tblog row when logged, in one transaction.
void recordRows(Database& db, const BetRecords& records, const QString& customer, bool logged) {
    const QString now = dialect::nowText();
    QVector<Database::Statement> statements;
    for (const QString& table : {QStringLiteral("tball"), QStringLiteral("tballcus")})
        insertRecords(statements, table, records, customer, now);
    if (logged)
        statements.push_back({QStringLiteral("INSERT INTO tblog (s) VALUES (?)"),
                              {QString::number(records.size())}});
    db.execTogether(statements);
}
} // namespace

int Recorder::recordLine(const BetRecords& records, const QString& customer) {
    if (records.isEmpty())
        return 0;
    recordRows(db_, records, customer, true);
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
    BetRecords records;
    for (int n = 0; n < 100; ++n)
        records.push_back({QStringLiteral("%1").arg(n, 2, 10, QLatin1Char('0')), kind, stake});
    recordRows(db, records, customer, false);
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
