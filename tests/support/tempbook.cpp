#include "support/tempbook.h"

#include "store/location.h"
#include "support/engines.h"

#include <QDir>
#include <QSqlQuery>
#include <QSqlRecord>

TempBook::TempBook(Contents contents) : TempBook(testing::engine(), contents) {}

TempBook::TempBook(Engine engine, Contents contents) {
    if (engine == Engine::postgres) {
        schema_ = std::make_unique<testing::ServerSchema>();
        if (contents == complete)
            db_ = location::createServerBook(schema_->address());
        else
            db_ = Database::openServer(schema_->address());
    } else if (contents == complete) {
        reopen();
    } else {
        QDir().mkpath(folder() + QStringLiteral("db"));
        db_ = Database::openFile(dbPath());
    }
}

TempBook::~TempBook() {
    db_.reset();
}

QString TempBook::folder() const {
    return location::withSlash(dir_.path());
}

QString TempBook::dbPath() const {
    return schema_ ? schema_->address() : location::ownDatabasePath(folder());
}

Engine TempBook::engine() const {
    return db_->engine();
}

void TempBook::reopen() {
    db_.reset();
    db_ = location::openBook(dbPath(), folder());
}

QStringList rowsOf(Database& db, const QString& sql, const QVariantList& binds) {
    QStringList rows;
    QSqlQuery query = db.exec(sql, binds);
    while (query.next()) {
        QStringList fields;
        // A server's null number reads as a typed null whose text is "0".
        for (int i = 0; i < query.record().count(); ++i)
            fields << (query.isNull(i) ? QString() : query.value(i).toString());
        rows << fields.join(QLatin1Char('|'));
    }
    return rows;
}
