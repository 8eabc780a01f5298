#include "store/dialect.h"
#include "store/dialect_engines.h"

#include <QDir>
#include <QFile>
#include <QSqlError>
#include <QSqlQuery>

namespace {
// SQLITE_CORRUPT and SQLITE_NOTADB (with their extended codes): the file itself is damaged.
bool isDamage(const QSqlError& error) {
    bool number = false;
    const int code = error.nativeErrorCode().toInt(&number) & 0xff;
    return number && (code == 11 || code == 26);
}

// The kind of an engine's refusal, by the text of an error that lost its code on the way.
StoreError::Kind kindOfText(const QString& text) {
    const QString lower = text.toLower();
    if (lower.contains(QLatin1String("database is locked")) ||
        lower.contains(QLatin1String("database table is locked")))
        return StoreError::inUse;
    if (lower.contains(QLatin1String("database or disk is full")))
        return StoreError::diskFull;
    if (lower.contains(QLatin1String("readonly database")))
        return StoreError::readOnly;
    if (lower.contains(QLatin1String("malformed")) ||
        lower.contains(QLatin1String("not a database")))
        return StoreError::damaged;
    if (lower.contains(QLatin1String("unable to open database file")))
        return StoreError::cannotOpen;
    if (lower.contains(QLatin1String("disk i/o error")))
        return StoreError::diskError;
    return StoreError::other;
}
} // namespace

void removeWritten(const QString& file) {
    for (const char* suffix : {"", "-journal", "-wal", "-shm"})
        QFile::remove(file + QLatin1String(suffix));
}

namespace sqlitedialect {

void prepareConnection(Database& db) {
    // WAL keeps a line's commit cheap and lets readers go on while a line is written.
    db.exec(QStringLiteral("PRAGMA journal_mode=WAL"));
    db.exec(QStringLiteral("PRAGMA synchronous=FULL"));
}

bool objectExists(Database& db, const char* type, const QString& name) {
    return db.scalar(QStringLiteral("SELECT count(*) FROM sqlite_master WHERE type=? AND "
                                    "lower(name)=lower(?)"),
                     {QString::fromLatin1(type), name})
               .toInt() > 0;
}

QStringList columnNames(Database& db, const QString& table) {
    QStringList names;
    QSqlQuery query =
        db.exec(QStringLiteral("PRAGMA table_info(%1)").arg(dialect::quoteIdentifier(table)));
    while (query.next())
        names << query.value(1).toString();
    return names;
}

bool rowsInKeyOrder(Database& db, const QString& table) {
    return db
        .scalar(QStringLiteral("SELECT sql FROM sqlite_master WHERE type = 'table' AND "
                               "lower(name) = lower(?)"),
                {table})
        .toString()
        .contains(QLatin1String("WITHOUT ROWID"), Qt::CaseInsensitive);
}

// The kind of an SQLite result code (its primary part).
StoreError::Kind kindOf(const QSqlError& error) {
    bool number = false;
    const int code = error.nativeErrorCode().toInt(&number) & 0xff;
    if (!number)
        return kindOfText(engineText(error));
    switch (code) {
    case 5: // SQLITE_BUSY
    case 6: // SQLITE_LOCKED
        return StoreError::inUse;
    case 13: // SQLITE_FULL
        return StoreError::diskFull;
    case 8: // SQLITE_READONLY
        return StoreError::readOnly;
    case 11: // SQLITE_CORRUPT
    case 26: // SQLITE_NOTADB
        return StoreError::damaged;
    case 14: // SQLITE_CANTOPEN
        return StoreError::cannotOpen;
    case 10: // SQLITE_IOERR
        return StoreError::diskError;
    default:
        return StoreError::other;
    }
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

} // namespace sqlitedialect
