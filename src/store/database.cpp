#include "store/database.h"

#include "store/dialect.h"

#include <QAtomicInt>
#include <QFileInfo>
#include <QSqlError>

namespace {
QAtomicInt connectionSerial;

QString engineText(const QSqlError& error) {
    QString text = error.databaseText();
    if (text.isEmpty())
        text = error.text();
    return text;
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
    if (lower.contains(QLatin1String("malformed")) || lower.contains(QLatin1String("not a database")))
        return StoreError::damaged;
    if (lower.contains(QLatin1String("unable to open database file")))
        return StoreError::cannotOpen;
    if (lower.contains(QLatin1String("disk i/o error")))
        return StoreError::diskError;
    return StoreError::other;
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
} // namespace

StoreError::StoreError(const QString& message, Kind kind)
    : std::runtime_error(message.toStdString()), message_(message), kind_(kind) {}

QString StoreError::thaiFor(Kind kind) {
    switch (kind) {
    case inUse:
        return QStringLiteral("ฐานข้อมูลกำลังถูกใช้งานโดยโปรแกรมอื่นหรือเครื่องอื่น กรุณารอสักครู่แล้วลองใหม่");
    case diskFull:
        return QStringLiteral("พื้นที่ดิสก์เต็ม บันทึกข้อมูลไม่ได้ กรุณาลบไฟล์ที่ไม่ใช้ให้มีพื้นที่ว่างก่อน");
    case readOnly:
        return QStringLiteral("ฐานข้อมูลเขียนไม่ได้ (อ่านได้อย่างเดียว) กรุณาตรวจสอบสิทธิ์ของไฟล์และโฟลเดอร์ db");
    case damaged:
        return QStringLiteral("ฐานข้อมูลเสียหาย ต้องกด Repair 1 หรือ Repair 2 ในหน้า Login เพื่อซ่อมแซม");
    case cannotOpen:
        return QStringLiteral("เปิดไฟล์ฐานข้อมูลไม่ได้ กรุณาตรวจสอบว่ามีไฟล์และมีสิทธิ์ใช้ไฟล์นี้");
    case diskError:
        return QStringLiteral("อ่านหรือเขียนดิสก์ไม่สำเร็จ ดิสก์อาจเต็มหรือเสีย");
    case other:
        break;
    }
    return QString();
}

StoreError StoreError::fromEngine(const QSqlError& error) {
    const Kind kind = kindOf(error);
    const QString engine = engineText(error);
    if (kind == other)
        return StoreError(engine, kind);
    return StoreError(thaiFor(kind) + QStringLiteral(" (") + engine + QLatin1Char(')'), kind);
}

Database::Database(const QString& path, const QString& connectionName)
    : path_(path), connectionName_(connectionName) {}

QString Database::connect(const QString& path, const QString& options) {
    const QString name = QStringLiteral("tabulox-%1").arg(connectionSerial.fetchAndAddRelaxed(1));
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
    db.setDatabaseName(path);
    db.setConnectOptions(options);
    if (!db.open()) {
        const StoreError error = StoreError::fromEngine(db.lastError());
        db = QSqlDatabase();
        QSqlDatabase::removeDatabase(name);
        throw error;
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
        throw StoreError::fromEngine(query.lastError());
    for (const QVariant& value : binds)
        query.addBindValue(value);
    if (!query.exec())
        throw StoreError::fromEngine(query.lastError());
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

// Statements, not the driver's calls, so a refusal keeps the engine's code.
Transaction::Transaction(Database& db) : db_(db) {
    db_.exec(QStringLiteral("BEGIN"));
    open_ = true;
}

Transaction::~Transaction() {
    if (open_)
        rollback();
}

void Transaction::rollback() {
    QSqlQuery query(db_.handle());
    query.exec(QStringLiteral("ROLLBACK"));
    open_ = false;
}

void Transaction::commit() {
    try {
        db_.exec(QStringLiteral("COMMIT"));
    } catch (const StoreError&) {
        rollback();
        throw;
    }
    open_ = false;
}
