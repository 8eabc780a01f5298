#include "store/dialect.h"
#include "store/dialect_engines.h"
#include "store/schema.h"

#include <QSqlError>
#include <QSqlQuery>
#include <QSqlRecord>

// A copy of a server's book is an SQLite file of the same layout, so every copy of the shop
// is one format and opens anywhere.

namespace {

const int kRowsPerFetch = 5000;

QStringList tableNames() {
    QStringList names;
    for (const schema::ObjectDef& def : schema::betTableDefs(Engine::sqlite))
        names << def.name;
    for (const schema::ObjectDef& def : schema::tableDefs(Engine::sqlite))
        names << def.name;
    return names;
}

// Rows of one table, read through a cursor of the server's snapshot a few thousand at a time.
void copyTable(Database& server, Database& copy, const QString& table) {
    const QStringList target = copy.columnNames(table);
    QStringList columns;
    for (const QString& column : server.columnNames(table)) {
        if (target.contains(column))
            columns << dialect::quoteIdentifier(column);
    }
    if (columns.isEmpty())
        return;
    QStringList marks;
    for (int i = 0; i < columns.size(); ++i)
        marks << QStringLiteral("?");
    QSqlQuery insert(copy.handle());
    if (!insert.prepare(QStringLiteral("INSERT INTO %1 (%2) VALUES (%3)")
                            .arg(dialect::quoteIdentifier(table), columns.join(QLatin1Char(',')),
                                 marks.join(QLatin1Char(',')))))
        throw StoreError::fromEngine(insert.lastError());
    server.exec(QStringLiteral("DECLARE copyrows NO SCROLL CURSOR FOR SELECT %1 FROM %2")
                    .arg(columns.join(QLatin1Char(',')), dialect::quoteIdentifier(table)));
    for (;;) {
        QSqlQuery rows = server.exec(QStringLiteral("FETCH %1 FROM copyrows").arg(kRowsPerFetch));
        int fetched = 0;
        while (rows.next()) {
            ++fetched;
            for (int i = 0; i < columns.size(); ++i)
                insert.bindValue(i, rows.value(i));
            if (!insert.exec())
                throw StoreError::fromEngine(insert.lastError());
        }
        if (fetched < kRowsPerFetch)
            break;
    }
    server.exec(QStringLiteral("CLOSE copyrows"));
}

void writeCopy(Database& server, const QString& newFile, const QStringList& tables) {
    std::unique_ptr<Database> copy = Database::openFile(newFile);
    // The finished file is flushed to the disk by the caller, in one piece.
    copy->exec(QStringLiteral("PRAGMA journal_mode=OFF"));
    copy->exec(QStringLiteral("PRAGMA synchronous=OFF"));
    schema::createTablesAndViews(*copy);
    // The kept sums come with their rows; the triggers would only add them up again.
    schema::execScript(*copy, dialect::dropSumTriggers(Engine::sqlite));
    {
        Transaction transaction(*copy);
        for (const QString& table : tables)
            copyTable(server, *copy, table);
        transaction.commit();
    }
    schema::execScript(*copy, dialect::sumTriggers(Engine::sqlite));
    const QString damage = copy->pageDamage();
    if (!damage.isEmpty())
        throw StoreError(damage);
    // One self-contained file.
    copy->exec(QStringLiteral("PRAGMA journal_mode=DELETE"));
}

} // namespace

namespace pgdialect {

SnapshotResult snapshot(Database& db, const QString& newFile) {
    SnapshotResult result;
    result.file = newFile;
    try {
        // Every table as of one moment, while lines go on being recorded.
        QStringList tables;
        QStringList quoted;
        for (const QString& table : tableNames()) {
            if (db.tableExists(table)) {
                tables << table;
                quoted << dialect::quoteIdentifier(table);
            }
        }
        Transaction moment(db, QStringLiteral("BEGIN ISOLATION LEVEL REPEATABLE READ READ ONLY"));
        // Held before the moment is taken: a table emptied at once (TRUNCATE) waits for the
        // copy rather than showing it empty beside its old sums.
        db.exec(QStringLiteral("LOCK TABLE %1 IN ACCESS SHARE MODE")
                    .arg(quoted.join(QStringLiteral(", "))));
        writeCopy(db, newFile, tables);
        moment.commit();
    } catch (const StoreError& error) {
        removeWritten(newFile);
        result.detail = error.message();
        return result;
    }
    result.status = SnapshotResult::Written;
    return result;
}

} // namespace pgdialect
