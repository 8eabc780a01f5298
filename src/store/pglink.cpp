#include "store/pglink.h"

#include "store/database.h"
#include "store/dialect_engines.h"

#include <QSqlDatabase>
#include <QSqlDriver>
#include <QSqlField>
#include <QSqlIndex>
#include <QSqlQuery>
#include <QSqlRecord>
#include <QSqlResult>
#include <libpq-fe.h>
#include <vector>

namespace {

// Type ids of the server's catalogue.
enum Oid : unsigned {
    boolOid = 16,
    byteaOid = 17,
    int8Oid = 20,
    int2Oid = 21,
    int4Oid = 23,
    oidOid = 26,
    float4Oid = 700,
    float8Oid = 701,
    numericOid = 1700,
};

QMetaType typeOf(unsigned oid) {
    switch (oid) {
    case boolOid:
        return QMetaType(QMetaType::Bool);
    case byteaOid:
        return QMetaType(QMetaType::QByteArray);
    case int8Oid:
        return QMetaType(QMetaType::LongLong);
    case int2Oid:
    case int4Oid:
        return QMetaType(QMetaType::Int);
    case oidOid:
        return QMetaType(QMetaType::UInt);
    case float4Oid:
    case float8Oid:
    case numericOid:
        return QMetaType(QMetaType::Double);
    default:
        return QMetaType(QMetaType::QString);
    }
}

QVariant valueOf(const char* text, int length, unsigned oid) {
    switch (oid) {
    case boolOid:
        return text[0] == 't';
    case byteaOid: {
        size_t size = 0;
        unsigned char* bytes =
            PQunescapeBytea(reinterpret_cast<const unsigned char*>(text), &size);
        const QByteArray result(reinterpret_cast<const char*>(bytes), qsizetype(size));
        PQfreemem(bytes);
        return result;
    }
    case int8Oid:
        return QByteArray::fromRawData(text, length).toLongLong();
    case int2Oid:
    case int4Oid:
        return QByteArray::fromRawData(text, length).toInt();
    case oidOid:
        return QByteArray::fromRawData(text, length).toUInt();
    case float4Oid:
    case float8Oid:
    case numericOid: {
        const QByteArray number = QByteArray::fromRawData(text, length);
        if (number == "NaN")
            return qQNaN();
        if (number == "Infinity")
            return qInf();
        if (number == "-Infinity")
            return -qInf();
        return number.toDouble();
    }
    default:
        return QString::fromUtf8(text, length);
    }
}

// A refusal with the server's code; libpq's own failures carry none, and a connection that
// went is said with the code of a lost connection.
QSqlError errorOf(PGconn* connection, const PGresult* result, QSqlError::ErrorType type) {
    QString message = result ? QString::fromUtf8(PQresultErrorMessage(result)) : QString();
    if (message.isEmpty() && connection)
        message = QString::fromUtf8(PQerrorMessage(connection));
    QString code = result ? QString::fromLatin1(PQresultErrorField(result, PG_DIAG_SQLSTATE))
                          : QString();
    if (code.isEmpty() && connection && PQstatus(connection) == CONNECTION_BAD)
        code = QStringLiteral("08006");
    return QSqlError(QString(), message.trimmed(), type, code);
}

void quiet(void*, const char*) {}

// The values of a statement as libpq takes them: text, or a null pointer for null.
struct Values {
    std::vector<QByteArray> texts;
    std::vector<const char*> pointers;
    explicit Values(const QVariantList& binds) {
        texts.reserve(size_t(binds.size()));
        for (const QVariant& value : binds)
            texts.push_back(pgdialect::parameterText(value));
        for (const QByteArray& text : texts)
            pointers.push_back(text.isNull() ? nullptr : text.constData());
    }
    int count() const { return int(pointers.size()); }
    const char* const* data() const { return pointers.empty() ? nullptr : pointers.data(); }
};

class Driver;

class Result : public QSqlResult {
public:
    explicit Result(const Driver* driver);
    ~Result() override { clear(); }

protected:
    QVariant data(int field) override {
        if (!result_ || field < 0 || field >= PQnfields(result_))
            return QVariant();
        if (PQgetisnull(result_, at(), field))
            return QVariant(typeOf(PQftype(result_, field)));
        return valueOf(PQgetvalue(result_, at(), field), PQgetlength(result_, at(), field),
                       PQftype(result_, field));
    }
    bool isNull(int field) override {
        return !result_ || PQgetisnull(result_, at(), field);
    }
    bool reset(const QString& query) override;
    bool prepare(const QString& query) override {
        prepared_ = query;
        return true;
    }
    bool exec() override;
    bool fetch(int row) override {
        if (!result_ || row < 0 || row >= PQntuples(result_))
            return false;
        setAt(row);
        return true;
    }
    bool fetchFirst() override { return fetch(0); }
    bool fetchLast() override { return result_ ? fetch(PQntuples(result_) - 1) : false; }
    int size() override { return result_ && isSelect() ? PQntuples(result_) : -1; }
    int numRowsAffected() override {
        return result_ ? QByteArray(PQcmdTuples(result_)).toInt() : -1;
    }
    QSqlRecord record() const override {
        QSqlRecord fields;
        if (!result_)
            return fields;
        for (int i = 0; i < PQnfields(result_); ++i)
            fields.append(
                QSqlField(QString::fromUtf8(PQfname(result_, i)), typeOf(PQftype(result_, i))));
        return fields;
    }
    QVariant handle() const override {
        return QVariant::fromValue(static_cast<void*>(result_));
    }
    void detachFromResultSet() override { clear(); }

private:
    bool take(PGresult* result);
    void clear() {
        if (result_)
            PQclear(result_);
        result_ = nullptr;
    }
    PGconn* connection() const;
    PGresult* result_ = nullptr;
    QString prepared_;
};

class Driver : public QSqlDriver {
public:
    ~Driver() override { close(); }
    PGconn* connection() const { return connection_; }

    bool hasFeature(DriverFeature feature) const override {
        switch (feature) {
        case Transactions:
        case QuerySize:
        case BLOB:
        case Unicode:
        case PreparedQueries:
        case PositionalPlaceholders:
        case LowPrecisionNumbers:
            return true;
        default:
            return false;
        }
    }

    bool open(const QString& db, const QString& user, const QString& password,
              const QString& host, int port, const QString& options) override {
        close();
        QStringList info;
        auto add = [&info](const char* key, const QString& value) {
            if (value.isEmpty())
                return;
            QString quoted = value;
            quoted.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
            quoted.replace(QLatin1Char('\''), QLatin1String("\\'"));
            info << QString::fromLatin1(key) + QStringLiteral("='") + quoted + QLatin1Char('\'');
        };
        add("host", host);
        add("port", port > 0 ? QString::number(port) : QString());
        add("dbname", db);
        add("user", user);
        add("password", password);
        info << options;
        connection_ = PQconnectdb(info.join(QLatin1Char(' ')).toUtf8().constData());
        if (PQstatus(connection_) != CONNECTION_OK) {
            setLastError(QSqlError(QString(),
                                   QString::fromUtf8(PQerrorMessage(connection_)).trimmed(),
                                   QSqlError::ConnectionError));
            PQfinish(connection_);
            connection_ = nullptr;
            setOpenError(true);
            return false;
        }
        PQsetNoticeProcessor(connection_, quiet, nullptr);
        PQsetClientEncoding(connection_, "UTF8");
        setOpen(true);
        setOpenError(false);
        return true;
    }

    void close() override {
        if (connection_)
            PQfinish(connection_);
        connection_ = nullptr;
        setOpen(false);
        setOpenError(false);
    }

    QSqlResult* createResult() const override { return new Result(this); }

    bool beginTransaction() override { return command("BEGIN"); }
    bool commitTransaction() override { return command("COMMIT"); }
    bool rollbackTransaction() override { return command("ROLLBACK"); }

    QSqlRecord record(const QString& table) const override {
        QSqlRecord fields;
        QSqlQuery query(createResult());
        query.prepare(QStringLiteral(
            "SELECT column_name, data_type FROM information_schema.columns WHERE table_schema = "
            "current_schema() AND table_name = ? ORDER BY ordinal_position"));
        query.addBindValue(unquoted(table));
        if (!query.exec())
            return fields;
        while (query.next()) {
            const QString type = query.value(1).toString();
            QMetaType meta(QMetaType::QString);
            if (type == QLatin1String("bigint"))
                meta = QMetaType(QMetaType::LongLong);
            else if (type == QLatin1String("integer") || type == QLatin1String("smallint"))
                meta = QMetaType(QMetaType::Int);
            else if (type == QLatin1String("double precision") || type == QLatin1String("real") ||
                     type == QLatin1String("numeric"))
                meta = QMetaType(QMetaType::Double);
            else if (type == QLatin1String("boolean"))
                meta = QMetaType(QMetaType::Bool);
            fields.append(QSqlField(query.value(0).toString(), meta, unquoted(table)));
        }
        return fields;
    }

    QSqlIndex primaryIndex(const QString& table) const override {
        QSqlIndex index(unquoted(table));
        QSqlQuery query(createResult());
        query.prepare(QStringLiteral(
            "SELECT k.column_name FROM information_schema.table_constraints c JOIN "
            "information_schema.key_column_usage k ON k.constraint_name = c.constraint_name AND "
            "k.table_schema = c.table_schema WHERE c.table_schema = current_schema() AND "
            "c.table_name = ? AND c.constraint_type = 'PRIMARY KEY' ORDER BY k.ordinal_position"));
        query.addBindValue(unquoted(table));
        if (!query.exec())
            return index;
        const QSqlRecord fields = record(table);
        while (query.next()) {
            const QSqlField field = fields.field(query.value(0).toString());
            if (field.isValid())
                index.append(field);
        }
        return index;
    }

    QString escapeIdentifier(const QString& identifier, IdentifierType) const override {
        if (identifier.size() > 1 && identifier.startsWith(QLatin1Char('"')) &&
            identifier.endsWith(QLatin1Char('"')))
            return identifier;
        QString escaped = identifier;
        escaped.replace(QLatin1Char('"'), QLatin1String("\"\""));
        return QLatin1Char('"') + escaped + QLatin1Char('"');
    }

    QVariant handle() const override { return QVariant::fromValue(static_cast<void*>(connection_)); }

private:
    static QString unquoted(QString name) {
        if (name.size() > 1 && name.startsWith(QLatin1Char('"')) && name.endsWith(QLatin1Char('"')))
            name = name.mid(1, name.size() - 2).replace(QLatin1String("\"\""), QLatin1String("\""));
        return name.toLower();
    }
    bool command(const char* sql) {
        if (!connection_)
            return false;
        PGresult* result = PQexec(connection_, sql);
        const bool ok = PQresultStatus(result) == PGRES_COMMAND_OK;
        if (!ok)
            setLastError(errorOf(connection_, result, QSqlError::TransactionError));
        PQclear(result);
        return ok;
    }

    PGconn* connection_ = nullptr;
};

Result::Result(const Driver* driver) : QSqlResult(driver) {}

PGconn* Result::connection() const {
    return static_cast<const Driver*>(driver())->connection();
}

bool Result::take(PGresult* result) {
    clear();
    const ExecStatusType status = PQresultStatus(result);
    if (status != PGRES_TUPLES_OK && status != PGRES_COMMAND_OK) {
        setLastError(errorOf(connection(), result, QSqlError::StatementError));
        if (result)
            PQclear(result);
        setActive(false);
        return false;
    }
    result_ = result;
    setSelect(status == PGRES_TUPLES_OK);
    setAt(QSql::BeforeFirstRow);
    setActive(true);
    return true;
}

bool Result::reset(const QString& query) {
    if (!connection()) {
        setLastError(QSqlError(QString(), QStringLiteral("connection not open"),
                               QSqlError::ConnectionError, QStringLiteral("08003")));
        return false;
    }
    // Without values: a script of several statements may come in one piece.
    return take(PQexec(connection(), query.toUtf8().constData()));
}

bool Result::exec() {
    if (!connection()) {
        setLastError(QSqlError(QString(), QStringLiteral("connection not open"),
                               QSqlError::ConnectionError, QStringLiteral("08003")));
        return false;
    }
    try {
        const QVariantList binds = boundValues();
        const QByteArray sql = pgdialect::numbered(prepared_, int(binds.size())).toUtf8();
        const Values values(binds);
        return take(PQexecParams(connection(), sql.constData(), values.count(), nullptr,
                                 values.data(), nullptr, nullptr, 0));
    } catch (const StoreError& error) {
        setLastError(QSqlError(QString(), error.message(), QSqlError::StatementError));
        return false;
    }
}

} // namespace

namespace pglink {

QSqlDriver* newDriver() {
    return new Driver;
}

PipelineError runTogether(const QSqlDatabase& db, const QVector<Statement>& statements) {
    PipelineError outcome;
    auto* connection = static_cast<PGconn*>(db.driver()->handle().value<void*>());
    if (!connection) {
        outcome.error = QSqlError(QString(), QStringLiteral("connection not open"),
                                  QSqlError::ConnectionError, QStringLiteral("08003"));
        return outcome;
    }
    std::vector<QByteArray> texts;
    std::vector<Values> values;
    try {
        for (const Statement& statement : statements) {
            texts.push_back(
                pgdialect::numbered(statement.first, int(statement.second.size())).toUtf8());
            values.emplace_back(statement.second);
        }
    } catch (const StoreError& error) {
        outcome.error = QSqlError(QString(), error.message(), QSqlError::StatementError);
        return outcome;
    }
    if (!PQenterPipelineMode(connection)) {
        outcome.error = errorOf(connection, nullptr, QSqlError::StatementError);
        return outcome;
    }
    bool sent = true;
    for (size_t i = 0; i < texts.size() && sent; ++i)
        sent = PQsendQueryParams(connection, texts[i].constData(), values[i].count(), nullptr,
                                 values[i].data(), nullptr, nullptr, 0) == 1;
    // Everything up to the sync is one transaction of the server's.
    sent = sent && PQpipelineSync(connection) == 1;
    if (!sent) {
        outcome.error = errorOf(connection, nullptr, QSqlError::StatementError);
        outcome.unknown = PQstatus(connection) == CONNECTION_BAD;
        PQexitPipelineMode(connection);
        return outcome;
    }
    // Each statement's result, each followed by a null, then the sync's.
    bool synced = false;
    while (!synced) {
        PGresult* result = PQgetResult(connection);
        if (!result) {
            if (PQstatus(connection) == CONNECTION_BAD) {
                // A statement refused first: the server kept nothing of the round trip.
                if (!outcome.error.isValid()) {
                    outcome.error = errorOf(connection, nullptr, QSqlError::StatementError);
                    outcome.unknown = true;
                }
                break;
            }
            continue;
        }
        const ExecStatusType status = PQresultStatus(result);
        if (status == PGRES_PIPELINE_SYNC)
            synced = true;
        else if (status == PGRES_FATAL_ERROR && !outcome.error.isValid())
            outcome.error = errorOf(connection, result, QSqlError::StatementError);
        PQclear(result);
    }
    PQexitPipelineMode(connection);
    return outcome;
}

} // namespace pglink
