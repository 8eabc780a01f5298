#include "store/database.h"

#include "store/dialect.h"

#include <QAtomicInt>
#include <QFileInfo>
#include <QSqlError>

namespace {
QAtomicInt connectionSerial;

QString errorText(const QSqlError& error) {
    QString text = error.databaseText();
    if (text.isEmpty())
        text = error.text();
    return text;
}
} // namespace

StoreError::StoreError(const QString& message)
    : std::runtime_error(message.toStdString()), message_(message) {}

Database::Database(const QString& path, const QString& connectionName)
    : path_(path), connectionName_(connectionName) {}

QString Database::connect(const QString& path, const QString& options) {
    const QString name = QStringLiteral("tabulox-%1").arg(connectionSerial.fetchAndAddRelaxed(1));
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
    db.setDatabaseName(path);
    db.setConnectOptions(options);
    if (!db.open()) {
        const QString message = errorText(db.lastError());
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(name);
        throw StoreError(message);
    }
    return name;
}

std::unique_ptr<Database> Database::openFile(const QString& path) {
    std::unique_ptr<Database> result(
        new Database(path, connect(path, QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"))));
    dialect::prepareConnection(*result);
    return result;
}

std::unique_ptr<Database> Database::openExisting(const QString& path) {
    if (!QFileInfo(path).isFile())
        throw StoreError(QStringLiteral("ไม่พบไฟล์ ") + path);
    return openFile(path);
}

std::unique_ptr<Database> Database::openExistingReadOnly(const QString& path) {
    if (!QFileInfo(path).isFile())
        throw StoreError(QStringLiteral("ไม่พบไฟล์ ") + path);
    std::unique_ptr<Database> result(new Database(
        path, connect(path, QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000;QSQLITE_OPEN_READONLY"))));
    // A file that is not a database fails here rather than half-way through a copy.
    result->exec(QStringLiteral("SELECT count(*) FROM sqlite_master"));
    return result;
}

Database::~Database() {
    {
        QSqlDatabase db = QSqlDatabase::database(connectionName_, false);
        if (db.isOpen())
            db.close();
    }
    QSqlDatabase::removeDatabase(connectionName_);
}

QSqlDatabase Database::handle() const { return QSqlDatabase::database(connectionName_, false); }

QSqlQuery Database::exec(const QString& sql, const QVariantList& binds) {
    QSqlQuery query(handle());
    query.setForwardOnly(true);
    if (!query.prepare(sql))
        throw StoreError(errorText(query.lastError()));
    for (const QVariant& value : binds)
        query.addBindValue(value);
    if (!query.exec())
        throw StoreError(errorText(query.lastError()));
    return query;
}

QVariant Database::scalar(const QString& sql, const QVariantList& binds) {
    QSqlQuery query = exec(sql, binds);
    if (query.next())
        return query.value(0);
    return QVariant();
}

bool Database::tableExists(const QString& name) { return dialect::tableExists(*this, name); }

bool Database::viewExists(const QString& name) { return dialect::viewExists(*this, name); }

QStringList Database::columnNames(const QString& table) {
    return dialect::columnNames(*this, table);
}

QString Database::pageDamage() { return dialect::pageDamage(*this); }

SnapshotResult Database::snapshotTo(const QString& newFile) {
    return dialect::snapshot(*this, newFile);
}

Transaction::Transaction(Database& db) : db_(db) {
    if (!db_.handle().transaction())
        throw StoreError(errorText(db_.handle().lastError()));
    open_ = true;
}

Transaction::~Transaction() {
    if (open_)
        db_.handle().rollback();
}

void Transaction::commit() {
    if (!db_.handle().commit()) {
        const QString message = errorText(db_.handle().lastError());
        db_.handle().rollback();
        open_ = false;
        throw StoreError(message);
    }
    open_ = false;
}
