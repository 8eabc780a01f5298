#include "common/settings.h"
#include "network/sending.h"
#include "network/stationsetup.h"
#include "support/engines.h"
#include "support/tempbook.h"
#include "support/testmain.h"

#include <QFile>
#include <QTemporaryDir>

// The role of a computer, the shop's password kept for the client library, the sending
// settings and a station's book made again from what it sent.
class SetupTest : public testing::Test {
    Q_OBJECT
private slots:
    void roles();
    void passwordFile();
    void sendingSettings();
    void rebuildFromSentRows();
    void tryingTheShopsBook();
};

void SetupTest::roles() {
    TempBook book;
    Database& own = book.db();
    SettingsRecord settings(own);
    QVERIFY(stationsetup::isServerName("server") && stationsetup::isServerName("SERVER"));
    QVERIFY(!stationsetup::isServerName("Server2"));

    stationsetup::makeStation(own, "192.168.1.10");
    QCOMPARE(settings.text(Cstr::cstr2), QString("\\\\192.168.1.10"));
    QCOMPARE(settings.text(Cstr::tran), QString("1"));
    settings.set(Backc::back6, "2");
    stationsetup::resetToStation(own, "SHOP:5433");
    QCOMPARE(settings.text(Cstr::cstr2), QString("\\\\SHOP:5433"));
    QCOMPARE(settings.text(Backc::back6), QString("0"));
    QCOMPARE(settings.text(Backc::back22), QString("200"));
    // A name that names no computer changes nothing.
    for (const char* bad : {"", "a b", "x'y", "SHOP:0", "SHOP\\db"})
        QVERIFY_THROWS_EXCEPTION(StoreError, stationsetup::makeStation(own, bad));
    QCOMPARE(settings.text(Cstr::cstr2), QString("\\\\SHOP:5433"));

    stationsetup::makeServer(own, book.folder());
    QCOMPARE(settings.text(Cstr::cstr2), book.folder());
    QCOMPARE(settings.text(Cstr::tran), QString("0"));
    // The address of the shop's book on a database server stays.
    settings.set(Cstr::cstr2, "postgresql://tabulox@localhost/tabulox");
    stationsetup::makeServer(own, book.folder());
    QCOMPARE(settings.text(Cstr::cstr2), QString("postgresql://tabulox@localhost/tabulox"));
}

void SetupTest::passwordFile() {
    QTemporaryDir home;
    const QString file = home.path() + "/pgpass";
    qputenv("PGPASSFILE", file.toLocal8Bit());
    QFile other(file);
    QVERIFY(other.open(QIODevice::WriteOnly));
    other.write("*:*:other:other:secret\n");
    other.close();

    pgpass::keep("SHOP", -1, "first");
    pgpass::keep("10.0.0.5", 5433, "pa:ss\\word");
    pgpass::keep("SHOP", -1, "second");
    QCOMPARE(pgpass::find("SHOP", -1), QString("second"));
    QCOMPARE(pgpass::find("10.0.0.5", 5433), QString("pa:ss\\word"));
    QCOMPARE(pgpass::find("10.0.0.5", -1), QString());
    QFile kept(file);
    QVERIFY(kept.open(QIODevice::ReadOnly));
    const QStringList lines = QString::fromUtf8(kept.readAll()).split('\n', Qt::SkipEmptyParts);
    // The newest first, before a line that matches every computer; each computer once.
    QCOMPARE(lines, (QStringList{"SHOP:*:tabulox:tabulox:second",
                                 "10.0.0.5:5433:tabulox:tabulox:pa\\:ss\\\\word",
                                 "*:*:other:other:secret"}));
    // The client library reads no file that others may read.
    QCOMPARE(kept.permissions() & (QFileDevice::ReadGroup | QFileDevice::ReadOther),
             QFileDevice::Permissions());
    const QString password = pgpass::newPassword();
    QCOMPARE(password.size(), 24);
    QVERIFY(password != pgpass::newPassword());
    qunsetenv("PGPASSFILE");
}

void SetupTest::sendingSettings() {
    TempBook book;
    Database& own = book.db();
    sending::setMode(own, sending::Mode::lan);
    QCOMPARE(SettingsRecord(own).text(Backc::back6), QString("2"));
    QCOMPARE(sending::read(own).mode, sending::Mode::lan);
    sending::setMode(own, sending::Mode::byCount);
    QCOMPARE(SettingsRecord(own).text(Backc::back6), QString("1"));
    QCOMPARE(sending::thresholdChoices().size(), 9);
    QCOMPARE(sending::thresholdChoices().first(), QString("10บรรทัด"));
    QCOMPARE(sending::thresholdOf("350บรรทัด"), 350);
    QCOMPARE(sending::thresholdOf("35บรรทัด"), 0);
    sending::setThreshold(own, 150);
    QCOMPARE(sending::read(own).threshold, 150);
    QCOMPARE(sending::thresholdText(150), QString("ค่าเริ่มต้น=150บรรทัด"));
    sending::setCeiling(own, " 300 ");
    QCOMPARE(sending::read(own).ceiling, QString("300"));
    for (const char* bad : {"", "0", "-5", "abc", "2.5"})
        QVERIFY_THROWS_EXCEPTION(StoreError, sending::setCeiling(own, bad));
    QCOMPARE(sending::read(own).ceiling, QString("300"));
}

void SetupTest::rebuildFromSentRows() {
    TempBook book;
    Database& own = book.db();
    QCOMPARE(sending::rebuildFromSent(own), 0);
    own.exec("INSERT INTO tball (num, h, cus, codeins) VALUES ('999', 5, 'x', 'h3')");
    own.exec("INSERT INTO tballsent (num, h, t, l, cus, codeins) VALUES ('123', 10, 0, 0, 'ก', "
             "'h3'), ('123', 0, 30, 0, 'ก', 't3')");
    QCOMPARE(sending::rebuildFromSent(own), 2);
    const QString select = "SELECT num, h, t, l, cus, codeins FROM %1 ORDER BY id";
    const QStringList rows{"123|10|0|0|ก|h3", "123|0|30|0|ก|t3"};
    QCOMPARE(rowsOf(own, select.arg("tball")), rows);
    QCOMPARE(rowsOf(own, select.arg("tballcus")), rows);
    QCOMPARE(rowsOf(own, "SELECT h, t FROM h3sum, t3sum"), QStringList{"10|30"});
    // An empty list of sent rows leaves an empty book.
    own.exec("DELETE FROM tballsent");
    QCOMPARE(sending::rebuildFromSent(own), 0);
    QCOMPARE(rowsOf(own, "SELECT count(*) FROM tball"), QStringList{"0"});
    QCOMPARE(rowsOf(own, "SELECT count(*) FROM tballcus"), QStringList{"0"});
}

void SetupTest::tryingTheShopsBook() {
    const QString name = sending::testName();
    QCOMPARE(name.size(), 8);
    for (QChar c : name)
        QVERIFY(QString("0123456789ABCDEFGHJKLMNPQRSTUVWXYZ").contains(c));
    TempBook book;
    sending::tryShopBook(book.dbPath(), name);
    QCOMPARE(rowsOf(book.db(), "SELECT count(*) FROM tot WHERE num = ?", {name}), QStringList{"0"});
    QVERIFY_THROWS_EXCEPTION(StoreError,
                             sending::tryShopBook("postgresql://tabulox:x@127.0.0.1:1/tabulox", name));
    REQUIRE_SERVER();
    testing::ServerSchema place;
    // A server that holds no book of the shop is not taken for one.
    try {
        sending::tryShopBook(place.address(), name);
        QFAIL("a server without the shop's book was taken");
    } catch (const StoreError& error) {
        QCOMPARE(error.kind(), StoreError::noServerBook);
    }
}

TABULOX_TEST(SetupTest)
#include "setup_test.moc"
