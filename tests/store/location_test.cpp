#include "store/database.h"
#include "store/location.h"
#include "support/testmain.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

class LocationTest : public testing::Test {
    Q_OBJECT
private slots:
    void serverPaths();
    void sharedFallsBackToOwn();
    void betConnection();
    void serverAddressIsTheSharedBook();
    void computerNamesTheShopsBook();
};

void LocationTest::serverPaths() {
    QCOMPARE(location::serverDatabasePath("\\\\SERVER"), QString("//SERVER/db/tabulox.mde"));
    QCOMPARE(location::serverDatabasePath("/srv/book/"), QString("/srv/book/db/tabulox.mde"));
    QCOMPARE(location::withSlash("C:\\tabulox"), QString("C:/tabulox/"));
}

void LocationTest::sharedFallsBackToOwn() {
    QTemporaryDir own;
    QTemporaryDir server;
    const QString ownPath = location::ownDatabasePath(own.path());
    location::Shared shared = location::resolveShared(server.path() + "/nothing", ownPath);
    QCOMPARE(shared.path, ownPath);
    QVERIFY(!shared.serverFound);
    QDir().mkpath(server.path() + "/db");
    QFile file(server.path() + "/db/tabulox.mde");
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.close();
    shared = location::resolveShared(server.path(), ownPath);
    QCOMPARE(shared.path, server.path() + "/db/tabulox.mde");
    QVERIFY(shared.serverFound);
}

void LocationTest::betConnection() {
    QCOMPARE(location::betDatabasePath("own", "server", true, true), QString("server"));
    QCOMPARE(location::betDatabasePath("own", "server", true, false), QString("own"));
    QCOMPARE(location::betDatabasePath("own", "server", false, true), QString("own"));
}

void LocationTest::serverAddressIsTheSharedBook() {
    const QString address = "postgresql://shop:pw@10.0.0.5:5432/tabulox";
    // Reached when used: nothing is looked for on the disk, spaces around it are left out.
    const location::Shared shared = location::resolveShared(" " + address + " ", "own");
    QCOMPARE(shared.path, address);
    QVERIFY(shared.serverFound);
    QCOMPARE(location::sharedLocation(address), address);
    QCOMPARE(location::sharedLocation("/srv/book"), QString("/srv/book/db/tabulox.mde"));
    // A server computer's lines go to the database server too; a station's only in LAN mode.
    for (bool lanAuto : {false, true}) {
        QCOMPARE(location::betDatabasePath("own", address, false, lanAuto), address);
        QCOMPARE(location::betDatabasePath("own", address, true, lanAuto),
                 lanAuto ? address : QString("own"));
    }
    QCOMPARE(location::shownLocation(address), QString("postgresql://shop@10.0.0.5:5432/tabulox"));
    QCOMPARE(location::serverName(address), QString("10.0.0.5"));
}

// A station's server path names a computer; the shop's book there is its shared book.
void LocationTest::computerNamesTheShopsBook() {
    for (const char* path : {"\\\\SERVER", "\\\\SERVER\\", " \\\\SERVER "}) {
        const location::Shared shared = location::resolveShared(path, "own");
        QCOMPARE(shared.path, QString("postgresql://tabulox@SERVER/tabulox"));
        QVERIFY(shared.serverFound);
    }
    QCOMPARE(location::sharedLocation("\\\\192.168.1.10:5433"),
             QString("postgresql://tabulox@192.168.1.10:5433/tabulox"));
    QCOMPARE(location::serverName("\\\\192.168.1.10"), QString("192.168.1.10"));
    QCOMPARE(location::serverName("\\\\SERVER"), QString("SERVER"));
    // A share's folder, a port that is none and a name with a quote stay folders.
    for (const char* path : {"\\\\SERVER\\db", "\\\\SERVER:x", "\\\\a'b", "\\\\"})
        QVERIFY2(!Database::isServerAddress(location::sharedLocation(path)), path);
}

TABULOX_TEST(LocationTest)
#include "location_test.moc"
