#include "store/dialect.h"
#include "store/dialect_engines.h"

#include <QDate>
#include <QDateTime>
#include <QLocale>
#include <QSqlError>
#include <QSqlQuery>
#include <QTimeZone>
#include <QUrl>
#include <QUrlQuery>
#include <cmath>

namespace {

// Null as the SQLite driver takes it: a null text or bytes, an invalid date or time.
bool isNullValue(const QVariant& value) {
    if (value.isNull())
        return true;
    switch (value.metaType().id()) {
    case QMetaType::QString:
        return value.toString().isNull();
    case QMetaType::QByteArray:
        return value.toByteArray().isNull();
    case QMetaType::QDateTime:
        return !value.toDateTime().isValid();
    case QMetaType::QDate:
        return !value.toDate().isValid();
    case QMetaType::QTime:
        return !value.toTime().isValid();
    default:
        return false;
    }
}

QString conninfoValue(QString value) {
    value.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    value.replace(QLatin1Char('\''), QLatin1String("\\'"));
    return QLatin1Char('\'') + value + QLatin1Char('\'');
}

// A -c setting inside libpq's options: spaces and backslashes escaped.
QString optionValue(QString value) {
    value.replace(QLatin1Char('\\'), QLatin1String("\\\\"));
    value.replace(QLatin1Char(' '), QLatin1String("\\ "));
    return value;
}

bool textHas(const QString& lower, std::initializer_list<const char*> words) {
    for (const char* word : words) {
        if (lower.contains(QLatin1String(word)))
            return true;
    }
    return false;
}

} // namespace

namespace pgdialect {

bool isAddress(const QString& location) {
    const QString trimmed = location.trimmed();
    return trimmed.startsWith(QLatin1String("postgresql://"), Qt::CaseInsensitive) ||
           trimmed.startsWith(QLatin1String("postgres://"), Qt::CaseInsensitive);
}

Address parseAddress(const QString& location) {
    const QUrl url(location.trimmed(), QUrl::StrictMode);
    if (!isAddress(location) || !url.isValid()) {
        throw StoreError(QStringLiteral("ที่อยู่ของเครื่องแม่ข่ายไม่ถูกต้อง: ") + shownAddress(location),
                         StoreError::cannotOpen);
    }
    Address address;
    address.host = url.host(QUrl::FullyDecoded);
    address.port = url.port(-1);
    address.dbname = url.path(QUrl::FullyDecoded).mid(1);
    address.user = url.userName(QUrl::FullyDecoded);
    address.password = url.password(QUrl::FullyDecoded);
    for (const auto& [key, value] : QUrlQuery(url).queryItems(QUrl::FullyDecoded)) {
        // Keywords are plain words; anything else would not be one.
        bool word = !key.isEmpty();
        for (const QChar c : key)
            word = word && (c.isLetterOrNumber() || c == QLatin1Char('_'));
        if (!word)
            throw StoreError(QStringLiteral("ที่อยู่ของเครื่องแม่ข่ายไม่ถูกต้อง: ") + key,
                             StoreError::cannotOpen);
        address.parameters << key + QLatin1Char('=') + conninfoValue(value);
    }
    return address;
}

QString shownAddress(const QString& location) {
    QUrl url(location.trimmed());
    if (!url.isValid())
        return QStringLiteral("postgresql://...");
    // A password may also come as a setting of the address.
    QUrlQuery query(url);
    for (const QString& key : {QStringLiteral("password"), QStringLiteral("sslpassword")}) {
        if (query.hasQueryItem(key)) {
            query.removeAllQueryItems(key);
            query.addQueryItem(key, QStringLiteral("***"));
        }
    }
    url.setQuery(query);
    return url.toString(QUrl::RemovePassword);
}

QString connectOptions(const Address& address, bool readOnly, bool withTimeZone) {
    QStringList parameters;
    QString own;
    bool timeout = false;
    bool keepalive = false;
    for (const QString& parameter : address.parameters) {
        if (parameter.startsWith(QLatin1String("options="))) {
            // The address's own settings come after the program's, so they win.
            own = parameter.mid(9, parameter.size() - 10);
            own.replace(QLatin1String("\\'"), QLatin1String("'"));
            own.replace(QLatin1String("\\\\"), QLatin1String("\\"));
            continue;
        }
        timeout = timeout || parameter.startsWith(QLatin1String("connect_timeout="));
        keepalive = keepalive || parameter.startsWith(QLatin1String("keepalives")) ||
                    parameter.startsWith(QLatin1String("tcp_user_timeout="));
        parameters << parameter;
    }
    if (!timeout)
        parameters << QStringLiteral("connect_timeout=10");
    // A server that went away without a word (power, cable) is noticed within seconds.
    if (!keepalive) {
        parameters << QStringLiteral("keepalives=1") << QStringLiteral("keepalives_idle=5")
                   << QStringLiteral("keepalives_interval=2")
                   << QStringLiteral("keepalives_count=3")
                   << QStringLiteral("tcp_user_timeout=15000");
    }
    parameters << QStringLiteral("application_name=tabulox");
    // A row another computer holds gives a refusal within seconds, as a busy file does.
    QStringList settings{QStringLiteral("lock_timeout=5000"),
                         QStringLiteral("standard_conforming_strings=on"),
                         QStringLiteral("client_min_messages=warning")};
    // Dates the server writes by default are this computer's local time, as in an SQLite book.
    const QByteArray zone = QTimeZone::systemTimeZoneId();
    if (withTimeZone && !zone.isEmpty())
        settings << QStringLiteral("TimeZone=") + optionValue(QString::fromUtf8(zone));
    if (readOnly)
        settings << QStringLiteral("default_transaction_read_only=on");
    QString options;
    for (const QString& setting : settings)
        options += QStringLiteral(" -c ") + setting;
    // Naming options here hides libpq's PGOPTIONS: the environment's come back before the
    // address's own.
    options += QLatin1Char(' ') + QString::fromLocal8Bit(qgetenv("PGOPTIONS")).trimmed();
    options += QLatin1Char(' ') + own;
    parameters << QStringLiteral("options=") + conninfoValue(options.trimmed());
    return parameters.join(QLatin1Char(' '));
}

QString numbered(const QString& sql, int values) {
    QString result;
    result.reserve(sql.size() + 2 * values);
    int next = 0;
    QChar quote;
    for (int i = 0; i < sql.size(); ++i) {
        const QChar c = sql.at(i);
        if (!quote.isNull()) {
            if (c == quote)
                quote = QChar();
        } else if (c == QLatin1Char('\'') || c == QLatin1Char('"')) {
            quote = c;
        } else if (c == QLatin1Char('$') || c == QLatin1Char('\\') ||
                   sql.mid(i, 2) == QLatin1String("--") || sql.mid(i, 2) == QLatin1String("/*") ||
                   ((c == QLatin1Char('E') || c == QLatin1Char('e')) && i + 1 < sql.size() &&
                    sql.at(i + 1) == QLatin1Char('\'') &&
                    (i == 0 ||
                     !(sql.at(i - 1).isLetterOrNumber() || sql.at(i - 1) == QLatin1Char('_'))))) {
            // Where a ? could hide from this scan, no value is placed.
            throw StoreError(QStringLiteral("a statement with values holds a comment, a dollar "
                                            "quote or an escape string: ") +
                             sql);
        } else if (c == QLatin1Char('?')) {
            if (next >= values)
                throw StoreError(QStringLiteral("too few bound values: ") + sql);
            result += QLatin1Char('$') + QString::number(++next);
            continue;
        }
        result += c;
    }
    if (next != values)
        throw StoreError(QStringLiteral("too many bound values: ") + sql);
    return result;
}

QByteArray parameterText(const QVariant& value) {
    if (isNullValue(value))
        return QByteArray();
    QString text;
    switch (value.metaType().id()) {
    case QMetaType::Bool:
        // As SQLite keeps it.
        return value.toBool() ? QByteArrayLiteral("1") : QByteArrayLiteral("0");
    case QMetaType::Double:
    case QMetaType::Float: {
        const double number = value.toDouble();
        if (std::isnan(number))
            return QByteArrayLiteral("NaN");
        if (std::isinf(number))
            return number > 0 ? QByteArrayLiteral("Infinity") : QByteArrayLiteral("-Infinity");
        return QString::number(number, 'g', QLocale::FloatingPointShortest).toLatin1();
    }
    case QMetaType::QDateTime:
        text = value.toDateTime().toString(Qt::ISODateWithMs);
        break;
    case QMetaType::QDate:
        text = value.toDate().toString(Qt::ISODate);
        break;
    case QMetaType::QTime:
        text = value.toTime().toString(Qt::ISODateWithMs);
        break;
    case QMetaType::QByteArray:
        return QByteArrayLiteral("\\x") + value.toByteArray().toHex();
    default:
        text = value.toString();
        break;
    }
    if (text.contains(QChar(0)))
        throw StoreError(QStringLiteral("ข้อความมีอักขระที่บันทึกไม่ได้ (NUL)"));
    QByteArray bytes = text.toUtf8();
    // Never a null pointer for a value that is there.
    if (bytes.isNull())
        bytes = QByteArray("", 0);
    return bytes;
}

void prepareConnection(Database&) {
    // Everything the session needs came with the connection's options.
}

bool objectExists(Database& db, const char* type, const QString& name) {
    const QString kind = QString::fromLatin1(type);
    if (kind == QLatin1String("index")) {
        return db.scalar(QStringLiteral("SELECT count(*) FROM pg_indexes WHERE schemaname = "
                                        "current_schema() AND indexname = lower(?)"),
                         {name})
                   .toInt() > 0;
    }
    return db.scalar(QStringLiteral("SELECT count(*) FROM information_schema.tables WHERE "
                                    "table_schema = current_schema() AND table_type = ? AND "
                                    "table_name = lower(?)"),
                     {kind == QLatin1String("view") ? QStringLiteral("VIEW")
                                                    : QStringLiteral("BASE TABLE"),
                      name})
               .toInt() > 0;
}

QStringList columnNames(Database& db, const QString& table) {
    QStringList names;
    QSqlQuery query = db.exec(QStringLiteral("SELECT column_name FROM information_schema.columns "
                                             "WHERE table_schema = current_schema() AND "
                                             "table_name = lower(?) ORDER BY ordinal_position"),
                              {table});
    while (query.next())
        names << query.value(0).toString();
    return names;
}

StoreError::Kind kindOf(const QSqlError& error) {
    const QString code = error.nativeErrorCode();
    if (code.startsWith(QLatin1String("08")) || code == QLatin1String("57P01") ||
        code == QLatin1String("57P02") || code == QLatin1String("57P03"))
        return StoreError::serverGone;
    if (code.startsWith(QLatin1String("28")))
        return StoreError::serverLogin;
    if (code == QLatin1String("3D000"))
        return StoreError::noServerBook;
    if (code == QLatin1String("55P03") || code == QLatin1String("40P01") ||
        code == QLatin1String("40001") || code == QLatin1String("55006"))
        return StoreError::inUse;
    if (code == QLatin1String("53100"))
        return StoreError::diskFull;
    if (code == QLatin1String("25006"))
        return StoreError::readOnly;
    if (code == QLatin1String("XX001") || code == QLatin1String("XX002"))
        return StoreError::damaged;
    if (code == QLatin1String("58030"))
        return StoreError::diskError;
    if (!code.isEmpty())
        return StoreError::other;
    // libpq's own failures carry no code.
    const QString lower = (error.databaseText() + QLatin1Char(' ') + error.driverText()).toLower();
    if (textHas(lower, {"password authentication failed", "no password supplied",
                        "authentication failed"}))
        return StoreError::serverLogin;
    if (lower.contains(QLatin1String("database \"")) &&
        lower.contains(QLatin1String("does not exist")))
        return StoreError::noServerBook;
    if (textHas(lower, {"could not connect", "connection refused", "server closed the connection",
                        "no connection to the server", "terminating connection",
                        "connection to server", "timeout expired", "could not translate host",
                        "could not send data", "could not receive data", "lost synchronization",
                        "unable to connect", "connection not open", "the server is not"}))
        return StoreError::serverGone;
    return StoreError::other;
}

} // namespace pgdialect
