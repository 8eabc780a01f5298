#include "store/database.h"

#include "platform/platform.h"
#include "store/dialect.h"
#include "store/dialect_engines.h"
#include "store/pglink.h"

#include <QAtomicInt>
#include <QDateTime>
#include <QFileInfo>
#include <QSqlError>
#include <algorithm>

namespace {
QAtomicInt connectionSerial;

QString newConnectionName() {
    return QStringLiteral("tabulox-%1").arg(connectionSerial.fetchAndAddRelaxed(1));
}

void removeConnection(const QString& name) {
    {
        QSqlDatabase db = QSqlDatabase::database(name, false);
        if (db.isOpen())
            db.close();
    }
    QSqlDatabase::removeDatabase(name);
}

// The connection went while the server was asked to keep the work: never said not to be kept.
QString uncertainCommitText(const QString& detail) {
    return QStringLiteral("การเชื่อมต่อกับเครื่องแม่ข่ายขาดหายขณะยืนยันการบันทึก "
                          "ข้อมูลนี้อาจบันทึกแล้วหรือยังไม่ได้บันทึก "
                          "กรุณาตรวจสอบในตารางข้อมูลก่อนป้อนซ้ำ (") +
           detail + QLatin1Char(')');
}

StoreError withAddress(const StoreError& error, const QString& address) {
    return StoreError(error.message() + QLatin1Char(' ') + pgdialect::shownAddress(address),
                      error.kind());
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
    case serverGone:
        return QStringLiteral("ติดต่อเครื่องแม่ข่ายไม่ได้หรือการเชื่อมต่อขาดหาย ข้อมูลที่กำลังบันทึกจึงไม่ถูกบันทึก "
                              "กรุณาตรวจสอบเครื่องแม่ข่ายและสายแลน แล้วลองใหม่");
    case serverLogin:
        return QStringLiteral("เครื่องแม่ข่ายไม่ยอมรับชื่อผู้ใช้หรือรหัสผ่าน กรุณาตรวจสอบที่อยู่ของเครื่องแม่ข่าย");
    case noServerBook:
        return QStringLiteral("ไม่พบฐานข้อมูลของร้านบนเครื่องแม่ข่าย กรุณาสร้างฐานข้อมูลบนเครื่องแม่ข่ายก่อน "
                              "หรือตรวจสอบชื่อฐานข้อมูลในที่อยู่ของเครื่องแม่ข่าย");
    case other:
        break;
    }
    return QString();
}

QString engineText(const QSqlError& error) {
    const QString text = error.databaseText().isEmpty() ? error.text() : error.databaseText();
    return text.trimmed();
}

StoreError StoreError::fromEngine(const QSqlError& error, Engine engine) {
    const Kind kind = dialect::kindOf(engine, error);
    const QString engine_ = engineText(error);
    if (kind == other)
        return StoreError(engine_, kind);
    return StoreError(thaiFor(kind) + QStringLiteral(" (") + engine_ + QLatin1Char(')'), kind);
}

Database::Database(const QString& path, Engine engine, const QString& connectionName)
    : path_(path), engine_(engine), connectionName_(connectionName) {}

bool Database::isServerAddress(const QString& location) {
    return pgdialect::isAddress(location);
}

std::unique_ptr<Database> Database::openSqlite(const QString& path, const QString& options) {
    // Even a reader writes the engine's shared-memory file beside the book: nothing of it goes
    // over a share.
    if (Platform::instance().onNetworkShare(path))
        throw StoreError(networkShareText(path), StoreError::readOnly);
    const QString name = newConnectionName();
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(path);
        db.setConnectOptions(options);
        if (!db.open()) {
            const StoreError error = StoreError::fromEngine(db.lastError());
            db = QSqlDatabase();
            QSqlDatabase::removeDatabase(name);
            throw error;
        }
    }
    return std::unique_ptr<Database>(new Database(path, Engine::sqlite, name));
}

void Database::connectServer() {
    const pgdialect::Address address = pgdialect::parseAddress(path_);
    QSqlDatabase db = handle();
    db.setHostName(address.host);
    db.setPort(address.port);
    db.setDatabaseName(address.dbname);
    db.setUserName(address.user);
    db.setPassword(address.password);
    db.setConnectOptions(pgdialect::connectOptions(address, readOnly_, true));
    if (db.open())
        return;
    // A time zone the server does not know: its own, the offset set after.
    if (db.lastError().text().contains(QLatin1String("TimeZone"))) {
        db.setConnectOptions(pgdialect::connectOptions(address, readOnly_, false));
        if (db.open()) {
            const int minutes = QDateTime::currentDateTime().offsetFromUtc() / 60;
            QSqlQuery(db).exec(QStringLiteral("SET TIME ZONE INTERVAL '%1%2:%3' HOUR TO MINUTE")
                                   .arg(minutes < 0 ? QLatin1Char('-') : QLatin1Char('+'))
                                   .arg(qAbs(minutes) / 60, 2, 10, QLatin1Char('0'))
                                   .arg(qAbs(minutes) % 60, 2, 10, QLatin1Char('0')));
            return;
        }
    }
    StoreError error = StoreError::fromEngine(db.lastError(), Engine::postgres);
    if (error.kind() == StoreError::other)
        error = StoreError(StoreError::thaiFor(StoreError::serverGone) + QStringLiteral(" (") +
                               db.lastError().text() + QLatin1Char(')'),
                           StoreError::serverGone);
    throw withAddress(error, path_);
}

std::unique_ptr<Database> Database::openPostgres(const QString& address, bool readOnly) {
    pgdialect::parseAddress(address);
    const QString name = newConnectionName();
    QSqlDatabase::addDatabase(pglink::newDriver(), name);
    std::unique_ptr<Database> result(new Database(address, Engine::postgres, name));
    result->readOnly_ = readOnly;
    result->connectServer();
    dialect::prepareConnection(*result);
    return result;
}

QString Database::networkShareText(const QString& path) {
    return QStringLiteral("ฐานข้อมูล ") + path +
           QStringLiteral(" อยู่บนไดรฟ์เครือข่าย โปรแกรมจะไม่เปิดไฟล์ฐานข้อมูลผ่านเครือข่าย "
                          "เพราะไฟล์จะเสียหายเมื่อหลายเครื่องบันทึกพร้อมกัน\n"
                          "กรุณาเก็บฐานข้อมูลร่วมไว้บนเครื่องแม่ข่าย PostgreSQL แล้วตั้งที่อยู่เครื่องแม่ข่ายเป็น "
                          "postgresql://ผู้ใช้:รหัสผ่าน@เครื่องแม่ข่าย:5432/tabulox แทนโฟลเดอร์ที่แชร์");
}

std::unique_ptr<Database> Database::openFile(const QString& path) {
    std::unique_ptr<Database> result =
        openSqlite(path, QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000"));
    dialect::prepareConnection(*result);
    return result;
}

std::unique_ptr<Database> Database::openServer(const QString& address) {
    return openPostgres(address, false);
}

namespace {
// A server that answers but holds no book is never taken for an empty book.
void requireServerBook(Database& db) {
    if (!db.tableExists(QStringLiteral("backc"))) {
        throw StoreError(StoreError::thaiFor(StoreError::noServerBook) + QStringLiteral(" (") +
                             pgdialect::shownAddress(db.path()) + QLatin1Char(')'),
                         StoreError::noServerBook);
    }
}
} // namespace

std::unique_ptr<Database> Database::openServerBook(const QString& address, bool readOnly) {
    std::unique_ptr<Database> result = openPostgres(address, readOnly);
    requireServerBook(*result);
    return result;
}

void Database::requireFile(const QString& path) {
    if (!QFileInfo(path).isFile())
        throw StoreError(QStringLiteral("ไม่พบไฟล์ ") + path);
}

std::unique_ptr<Database> Database::openExisting(const QString& location) {
    if (isServerAddress(location))
        return openServerBook(location, false);
    requireFile(location);
    return openFile(location);
}

std::unique_ptr<Database> Database::openExistingReadOnly(const QString& location) {
    if (isServerAddress(location))
        return openServerBook(location, true);
    requireFile(location);
    std::unique_ptr<Database> result =
        openSqlite(location, QStringLiteral("QSQLITE_BUSY_TIMEOUT=5000;QSQLITE_OPEN_READONLY"));
    // A file that is not a database fails here rather than half-way through a copy.
    result->tableExists(QStringLiteral("backc"));
    return result;
}

Database::~Database() {
    removeConnection(connectionName_);
}

QSqlDatabase Database::handle() const {
    return QSqlDatabase::database(connectionName_, false);
}

void Database::reconnectIfLost() {
    if (!lost_ || transactions_ > 0)
        return;
    handle().close();
    connectServer();
    lost_ = false;
    dialect::prepareConnection(*this);
}

void Database::fail(const QSqlError& error) {
    const StoreError refusal = StoreError::fromEngine(error, engine_);
    if (refusal.kind() == StoreError::serverGone)
        lost_ = true;
    if (transactions_ > 0)
        failedInTransaction_ = true;
    throw refusal;
}

QSqlQuery Database::exec(const QString& sql, const QVariantList& binds) {
    reconnectIfLost();
    QSqlQuery query(handle());
    if (engine_ == Engine::postgres) {
        // One round trip, the values apart from the statement. The whole result comes at once,
        // so a caller may run other statements while reading it.
        const bool done = binds.isEmpty() ? query.exec(sql) : [&] {
            query.prepare(sql);
            for (const QVariant& value : binds)
                query.addBindValue(value);
            return query.exec();
        }();
        if (!done)
            fail(query.lastError());
        return query;
    }
    query.setForwardOnly(true);
    if (!query.prepare(sql))
        fail(query.lastError());
    for (const QVariant& value : binds)
        query.addBindValue(value);
    if (!query.exec())
        fail(query.lastError());
    return query;
}

void Database::execTogether(const QVector<Statement>& statements) {
    if (engine_ != Engine::postgres || inTransaction()) {
        std::unique_ptr<Transaction> transaction;
        if (!inTransaction())
            transaction = std::make_unique<Transaction>(*this);
        for (const Statement& statement : statements)
            exec(statement.sql, statement.binds);
        if (transaction)
            transaction->commit();
        return;
    }
    reconnectIfLost();
    QVector<pglink::Statement> batch;
    for (const Statement& statement : statements)
        batch.push_back({statement.sql, statement.binds});
    const pglink::PipelineError outcome = pglink::runTogether(handle(), batch);
    if (!outcome.error.isValid())
        return;
    if (outcome.unknown) {
        lost_ = true;
        throw StoreError(uncertainCommitText(outcome.error.databaseText()), StoreError::serverGone);
    }
    fail(outcome.error);
}

void Database::insertRows(const QString& table, const QStringList& columns,
                          const QVector<QVariantList>& rows, const QString& then) {
    QStringList marks;
    for (int i = 0; i < columns.size(); ++i)
        marks << QStringLiteral("?");
    execRows(QStringLiteral("INSERT INTO %1 (%2) VALUES ").arg(table, columns.join(QLatin1Char(','))),
             QLatin1Char('(') + marks.join(QLatin1Char(',')) + QLatin1Char(')'),
             then.isEmpty() ? QString() : QLatin1Char(' ') + then, rows);
}

void Database::execRows(const QString& head, const QString& row, const QString& tail,
                        const QVector<QVariantList>& rows) {
    if (rows.isEmpty())
        return;
    if (engine_ == Engine::postgres) {
        // On a server each statement is a round trip.
        constexpr int kRowsPerStatement = 100;
        for (int first = 0; first < rows.size(); first += kRowsPerStatement) {
            const int count = qMin(kRowsPerStatement, int(rows.size()) - first);
            QStringList placeholders;
            QVariantList binds;
            for (int i = first; i < first + count; ++i) {
                placeholders << row;
                binds += rows[i];
            }
            exec(head + placeholders.join(QLatin1Char(',')) + tail, binds);
        }
        return;
    }
    // The driver looks a placeholder up by its position in a list of all of them, so a
    // statement of many rows costs the square of its placeholders; one row, prepared once,
    // costs its own.
    reconnectIfLost();
    QSqlQuery query(handle());
    query.setForwardOnly(true);
    if (!query.prepare(head + row + tail))
        fail(query.lastError());
    for (const QVariantList& values : rows) {
        for (int i = 0; i < values.size(); ++i)
            query.bindValue(i, values[i]);
        if (!query.exec())
            fail(query.lastError());
    }
}

QVariant Database::scalar(const QString& sql, const QVariantList& binds) {
    QSqlQuery query = exec(sql, binds);
    if (query.next())
        return query.value(0);
    return QVariant();
}

bool Database::tableExists(const QString& name) {
    return dialect::tableExists(*this, name);
}

bool Database::viewExists(const QString& name) {
    return dialect::viewExists(*this, name);
}

bool Database::indexExists(const QString& name) {
    return dialect::indexExists(*this, name);
}

QStringList Database::columnNames(const QString& table) {
    return dialect::columnNames(*this, table);
}

QString Database::pageDamage() {
    return dialect::pageDamage(*this);
}

SnapshotResult Database::snapshotTo(const QString& newFile) {
    return dialect::snapshot(*this, newFile);
}

// Statements, not the driver's calls, so a refusal keeps the engine's code.
Transaction::Transaction(Database& db, const QString& begin) : db_(db) {
    if (db_.inTransaction())
        throw StoreError(QStringLiteral("a transaction is already open"));
    db_.exec(begin);
    ++db_.transactions_;
    db_.failedInTransaction_ = false;
    open_ = true;
}

Transaction::~Transaction() {
    if (open_)
        rollback();
}

void Transaction::rollback() {
    if (!db_.lost_) {
        QSqlQuery query(db_.handle());
        query.exec(QStringLiteral("ROLLBACK"));
    }
    --db_.transactions_;
    open_ = false;
}

void Transaction::commit() {
    // A server ends a transaction at its first failure and takes a later COMMIT for a
    // ROLLBACK: that is never said to be a success.
    if (db_.failedInTransaction_ && db_.engine() == Engine::postgres) {
        rollback();
        throw StoreError(QStringLiteral("ไม่ได้บันทึก: คำสั่งหนึ่งของรายการนี้ไม่สำเร็จ"));
    }
    try {
        db_.exec(QStringLiteral("COMMIT"));
    } catch (const StoreError& error) {
        rollback();
        // The server may have kept the work before the connection went: never say it did not.
        if (error.kind() == StoreError::serverGone)
            throw StoreError(uncertainCommitText(error.message()), StoreError::serverGone);
        throw;
    }
    --db_.transactions_;
    open_ = false;
}

Savepoint::Savepoint(Database& db) : db_(db) {
    if (!db_.inTransaction())
        return;
    const QString name = QStringLiteral("keep%1").arg(db_.savepoints_ + 1);
    db_.exec(QStringLiteral("SAVEPOINT ") + name);
    ++db_.savepoints_;
    name_ = name;
    failedBefore_ = db_.failedInTransaction_;
}

Savepoint::~Savepoint() {
    if (name_.isEmpty())
        return;
    QSqlQuery query(db_.handle());
    if (query.exec(QStringLiteral("ROLLBACK TO SAVEPOINT ") + name_)) {
        query.exec(QStringLiteral("RELEASE SAVEPOINT ") + name_);
        db_.failedInTransaction_ = failedBefore_;
    }
    --db_.savepoints_;
}

void Savepoint::release() {
    if (name_.isEmpty())
        return;
    db_.exec(QStringLiteral("RELEASE SAVEPOINT ") + name_);
    --db_.savepoints_;
    name_.clear();
}
