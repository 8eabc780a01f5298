#include "store/dialect.h"

#include "store/database.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSqlQuery>

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

void snapshot(Database& db, const QString& file) {
    // VACUUM INTO refuses an existing target: write beside it, then replace it.
    const QString temp = file + QStringLiteral(".part");
    QFile::remove(temp);
    db.exec(QStringLiteral("VACUUM INTO ?"), {QDir::toNativeSeparators(temp)});
    QFile::remove(file);
    if (!QFile::rename(temp, file)) {
        QFile::remove(temp);
        throw StoreError(QStringLiteral("cannot write %1").arg(file));
    }
}

} // namespace dialect
