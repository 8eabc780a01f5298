#pragma once

#include "store/database.h"
#include "support/testmain.h"

#include <QString>

namespace testing {

// The server the PostgreSQL half of the tests runs on (TABULOX_TEST_PG), or empty.
QString serverAddress();
// The engine of the running test function: SQLite unless a test of both engines says so.
Engine engine();
// Skips the running test visibly when there is no server (and fails it on CI, which always
// has one); true when the test may go on.
bool haveServer();

// A test class whose every function runs on SQLite (row "sqlite") and on PostgreSQL (row
// "postgresql"). A class with its own init() or cleanup() calls these.
class BothEngines : public Test {
    Q_OBJECT
protected slots:
    void initTestCase_data();
    void init();
    void cleanup();
};

// The address with a server setting added to its options ("lock_timeout=300").
QString withSetting(const QString& address, const QString& setting);

// A schema of its own on the test server, dropped with everything in it at the end.
class ServerSchema {
public:
    ServerSchema();
    ~ServerSchema();
    ServerSchema(const ServerSchema&) = delete;
    ServerSchema& operator=(const ServerSchema&) = delete;
    // The server's address with this schema first on the search path.
    QString address() const { return address_; }
    QString name() const { return name_; }

private:
    QString name_;
    QString address_;
};

} // namespace testing

// Skips (or on CI fails) the test when there is no server to run it on.
#define REQUIRE_SERVER()                                                                           \
    do {                                                                                           \
        if (!testing::haveServer())                                                                \
            return;                                                                                \
    } while (false)
