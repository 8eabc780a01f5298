#include "common/customerbook.h"
#include "common/settings.h"
#include "cutting/gui/tcu3.h"
#include "entry/gui/tfminput.h"
#include "settlement/gui/tcuss.h"
#include "shell/gui/tmain.h"
#include "store/location.h"
#include "support/engines.h"
#include "support/shop.h"
#include "support/tempbook.h"
#include "support/testmain.h"
#include "ui/dialogs.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTableView>

// A desk whose server setting is a database server's address works on the server's book.
class ServerDeskTest : public testing::Test {
    Q_OBJECT
private slots:
    void serverComputerWorksOnTheServersBook();
    void stationNeverPutsItsLinesInItsOwnBook();
};

namespace {
void type(Tfminput* form, const char* field, const QString& keys) {
    auto* edit = testing::child<QLineEdit>(form, QString::fromLatin1(field));
    QVERIFY2(form->focusWidget() == edit, field);
    QTest::keyClicks(edit, keys);
    QTest::keyClick(edit, Qt::Key_Return);
}

QString label(Tfminput* form, const char* name) {
    return testing::child<QLabel>(form, QString::fromLatin1(name))->text();
}
} // namespace

void ServerDeskTest::serverComputerWorksOnTheServersBook() {
    REQUIRE_SERVER();
    testing::ServerSchema place;
    std::unique_ptr<Database> server = location::createServerBook(place.address());
    QVERIFY(customerbook::add(*server, "lek", QStringList(10, "20"),
                              customerbook::overallRates(*server))
                .done);
    server->exec("UPDATE change2 SET h3='777'");

    testing::Shop shop([&](SettingsRecord& settings) {
        settings.set(Cstr::tran, "0");
        settings.set(Cstr::cstr2, place.address());
    });
    // The address stays the server setting; the status bar shows it without its password.
    QCOMPARE(SettingsRecord(shop.main->own()).text(Cstr::cstr2), place.address());
    QCOMPARE(shop.main->desk().run().sharedPath, place.address());
    QCOMPARE(shop.main->desk().status(1), "Db=" + location::shownLocation(place.address()));

    Tfminput* form = shop.main->entryForm();
    QVERIFY(testing::child<QComboBox>(form, "dbc1")->findText("lek") >= 0);
    QTest::keyClick(testing::child<QLineEdit>(form, "num"), Qt::Key_F2);
    type(form, "num", "123");
    type(form, "n1", "10");
    type(form, "n2", "5");
    QCOMPARE(rowsOf(*server, "SELECT num, h, t, codeins FROM tball ORDER BY id"),
             (QStringList{"123|10|0|h3", "123|0|5|t3"}));
    QCOMPARE(rowsOf(*server, "SELECT count(*) FROM tballcus"), QStringList{"2"});
    QCOMPARE(rowsOf(shop.main->own(), "SELECT count(*) FROM tball"), QStringList{"0"});
    QCOMPARE(form->findChild<QLabel*>("total_h3")->text(), QString("10"));
    QCOMPARE(label(form, "lsum"), QString("15"));
    QCOMPARE(label(form, "Label16"), QString("2"));
    QCOMPARE(testing::child<QTableView>(form, "DBGrid1")->model()->rowCount(), 2);

    // Its copies are of the book its lines are in.
    const CopyResult copy = shop.main->desk().backups().closeCopy();
    QVERIFY2(copy.written(), qPrintable(copy.detail));
    QCOMPARE(rowsOf(*Database::openExisting(copy.file), "SELECT num, h, t FROM tball ORDER BY id"),
             (QStringList{"123|10|0", "123|0|5"}));

    // The limit and customer windows open the same book.
    Tcu3 limits(shop.main->desk());
    QCOMPARE(limits.db().engine(), Engine::postgres);
    QCOMPARE(limits.values().value(0), QString("777"));
    Tcuss customers(shop.main->desk());
    QCOMPARE(testing::child<QTableView>(&customers, "DBGrid1")->model()->rowCount(), 1);
    shop.main->closeWithoutAsking();
}

void ServerDeskTest::stationNeverPutsItsLinesInItsOwnBook() {
    // A server that cannot be reached: nothing listens on this loopback port.
    const QString address = "postgresql://tabulox:pw@127.0.0.1:1/tabulox?connect_timeout=2";
    testing::Shop shop([&](SettingsRecord& settings) {
        settings.set(Cstr::tran, "1");
        settings.set(Cstr::cstr2, address);
        settings.set(Backc::back6, "2");
        settings.set(Backc::back20, "1");
    });
    // Said when the form opened, and again for the line, which is not written anywhere.
    QVERIFY(Dialogs::last().text.startsWith(StoreError::thaiFor(StoreError::serverGone)));
    Dialogs::clear();
    Tfminput* form = shop.main->entryForm();
    QTest::keyClick(testing::child<QLineEdit>(form, "num"), Qt::Key_F2);
    type(form, "num", "123");
    type(form, "n1", "10");
    type(form, "n2", "5");
    QVERIFY(Dialogs::last().text.startsWith(StoreError::thaiFor(StoreError::serverGone)));
    QVERIFY(!Dialogs::last().text.contains(":pw@"));
    Dialogs::clear();
    QCOMPARE(rowsOf(shop.main->own(), "SELECT count(*) FROM tball"), QStringList{"0"});
    QCOMPARE(rowsOf(shop.main->own(), "SELECT count(*) FROM tballcus"), QStringList{"0"});
    QCOMPARE(shop.main->desk().status(1),
             QString("Db=postgresql://tabulox@127.0.0.1:1/tabulox?connect_timeout=2"));
    shop.main->closeWithoutAsking();
}

TABULOX_TEST(ServerDeskTest)
#include "serverdesk_test.moc"
