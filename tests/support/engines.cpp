#include "support/engines.h"

#include <QAtomicInt>
#include <QCoreApplication>
#include <QRandomGenerator>
#include <QUrl>
#include <QUrlQuery>

namespace testing {

QString withSetting(const QString& address, const QString& setting) {
    QUrl url(address);
    QUrlQuery query(url);
    const QString options = query.queryItemValue("options", QUrl::FullyDecoded);
    query.removeAllQueryItems("options");
    query.addQueryItem("options", QString(QUrl::toPercentEncoding(options + " -c " + setting)));
    url.setQuery(query);
    return url.toString(QUrl::FullyEncoded);
}

namespace {
Engine current = Engine::sqlite;
QAtomicInt schemaSerial;
const char* const kNoServer = "no PostgreSQL: TABULOX_TEST_PG not set";
} // namespace

QString serverAddress() {
    return qEnvironmentVariable("TABULOX_TEST_PG");
}

Engine engine() {
    return current;
}

bool haveServer() {
    if (!serverAddress().isEmpty())
        return true;
    if (qEnvironmentVariableIsSet("CI")) {
        QTest::qFail("CI runs every test on PostgreSQL too, but TABULOX_TEST_PG is not set",
                     __FILE__, __LINE__);
    } else {
        QTest::qSkip(kNoServer, __FILE__, __LINE__);
    }
    return false;
}

void BothEngines::initTestCase_data() {
    QTest::addColumn<int>("engine");
    QTest::newRow("sqlite") << int(Engine::sqlite);
    QTest::newRow("postgresql") << int(Engine::postgres);
}

void BothEngines::init() {
    Test::init();
    QFETCH_GLOBAL(int, engine);
    current = static_cast<Engine>(engine);
    if (current == Engine::postgres && serverAddress().isEmpty()) {
        if (qEnvironmentVariableIsSet("CI"))
            QFAIL("CI runs every test on PostgreSQL too, but TABULOX_TEST_PG is not set");
        QSKIP(kNoServer);
    }
}

void BothEngines::cleanup() {
    current = Engine::sqlite;
    Test::cleanup();
}

ServerSchema::ServerSchema() {
    name_ = QStringLiteral("t%1_%2_%3")
                .arg(QCoreApplication::applicationPid())
                .arg(schemaSerial.fetchAndAddRelaxed(1))
                .arg(QRandomGenerator::global()->bounded(1000000));
    const QString base = serverAddress();
    std::unique_ptr<Database> server = Database::openServer(base);
    server->exec(QStringLiteral("CREATE SCHEMA ") + name_);
    const QString options =
        QString::fromLatin1(QUrl::toPercentEncoding(QStringLiteral("-c search_path=") + name_));
    address_ = base + (base.contains(QLatin1Char('?')) ? QLatin1Char('&') : QLatin1Char('?')) +
               QStringLiteral("options=") + options;
}

ServerSchema::~ServerSchema() {
    try {
        std::unique_ptr<Database> server = Database::openServer(serverAddress());
        server->exec(QStringLiteral("DROP SCHEMA ") + name_ + QStringLiteral(" CASCADE"));
    } catch (const StoreError& error) {
        qWarning("schema %s left on the test server: %s", qPrintable(name_),
                 qPrintable(error.message()));
    }
}

} // namespace testing
