#include "support/tempbook.h"

#include "store/location.h"

#include <QSqlQuery>
#include <QSqlRecord>

TempBook::TempBook() { reopen(); }

QString TempBook::folder() const { return location::withSlash(dir_.path()); }

QString TempBook::dbPath() const { return location::ownDatabasePath(folder()); }

void TempBook::reopen() {
    db_.reset();
    db_ = location::openBook(dbPath(), folder());
}

QStringList rowsOf(Database& db, const QString& sql, const QVariantList& binds) {
    QStringList rows;
    QSqlQuery query = db.exec(sql, binds);
    while (query.next()) {
        QStringList fields;
        for (int i = 0; i < query.record().count(); ++i)
            fields << query.value(i).toString();
        rows << fields.join(QLatin1Char('|'));
    }
    return rows;
}
