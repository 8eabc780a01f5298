#include "store/dialect.h"

#include "store/database.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlError>
#include <QSqlQuery>

namespace {
// SQLITE_CORRUPT and SQLITE_NOTADB (with their extended codes): the file itself is damaged.
bool isDamage(const QSqlError& error) {
    bool number = false;
    const int code = error.nativeErrorCode().toInt(&number) & 0xff;
    return number && (code == 11 || code == 26);
}

QString engineText(const QSqlError& error) {
    return error.databaseText().isEmpty() ? error.text() : error.databaseText();
}

// A half-written copy and whatever journal the engine gave it.
void removeWritten(const QString& file) {
    for (const char* suffix : {"", "-journal", "-wal", "-shm"})
        QFile::remove(file + QLatin1String(suffix));
}
} // namespace

namespace dialect {

void prepareConnection(Database& db) {
    // WAL keeps a line's commit cheap and lets readers go on while a line is written.
    db.exec(QStringLiteral("PRAGMA journal_mode=WAL"));
    db.exec(QStringLiteral("PRAGMA synchronous=FULL"));
}

bool tableExists(Database& db, const QString& name) {
    return db
        .scalar(QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type='table' AND "
                               "lower(name)=lower(?)"),
                {name})
        .toInt() > 0;
}

bool viewExists(Database& db, const QString& name) {
    return db
        .scalar(QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type='view' AND "
                               "lower(name)=lower(?)"),
                {name})
        .toInt() > 0;
}

QString quoteIdentifier(const QString& name) {
    QString escaped = name;
    escaped.replace(QLatin1Char('"'), QLatin1String("\"\""));
    return QLatin1Char('"') + escaped + QLatin1Char('"');
}

QStringList columnNames(Database& db, const QString& table) {
    QStringList names;
    QSqlQuery query = db.exec(QStringLiteral("PRAGMA table_info(%1)").arg(quoteIdentifier(table)));
    while (query.next())
        names << query.value(1).toString();
    return names;
}

QString counterColumn() { return QStringLiteral("INTEGER PRIMARY KEY AUTOINCREMENT"); }

QString nowDefault() {
    return QStringLiteral("(strftime('%Y-%m-%d %H:%M:%S','now','localtime'))");
}

QString textType() { return QStringLiteral("TEXT(50)"); }
QString numberType() { return QStringLiteral("DOUBLE"); }
QString longType() { return QStringLiteral("INTEGER"); }

QString nowText() {
    return QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH:mm:ss"));
}

void addTextColumn(Database& db, const QString& table, const QString& column) {
    db.exec(QStringLiteral("ALTER TABLE %1 ADD COLUMN %2 %3")
                .arg(quoteIdentifier(table), quoteIdentifier(column), textType()));
}

QString pageDamage(Database& db) {
    QSqlQuery query(db.handle());
    query.setForwardOnly(true);
    QStringList findings;
    if (query.exec(QStringLiteral("PRAGMA quick_check(10)"))) {
        while (query.next()) {
            const QString line = query.value(0).toString();
            if (line != QLatin1String("ok"))
                findings << line;
        }
    }
    // A page too damaged to read stops the check itself.
    const QSqlError error = query.lastError();
    if (error.isValid()) {
        if (!isDamage(error))
            throw StoreError::fromEngine(error);
        findings << engineText(error);
    }
    return findings.join(QLatin1Char('\n'));
}

SnapshotResult snapshot(Database& db, const QString& newFile) {
    SnapshotResult result;
    result.file = newFile;
    if (QFileInfo::exists(newFile)) {
        result.detail = QStringLiteral("file exists: ") + newFile;
        return result;
    }
    try {
        result.detail = pageDamage(db);
    } catch (const StoreError& error) {
        result.detail = error.message();
        return result;
    }
    if (!result.detail.isEmpty()) {
        result.status = SnapshotResult::Damaged;
        return result;
    }
    QSqlQuery query(db.handle());
    query.setForwardOnly(true);
    if (query.prepare(QStringLiteral("VACUUM INTO ?"))) {
        query.addBindValue(QDir::toNativeSeparators(newFile));
        if (query.exec()) {
            result.status = SnapshotResult::Written;
            return result;
        }
    }
    const QSqlError error = query.lastError();
    query.finish();
    removeWritten(newFile);
    result.status = isDamage(error) ? SnapshotResult::Damaged : SnapshotResult::Failed;
    result.detail = engineText(error);
    return result;
}

} // namespace dialect
