#include "common/settings.h"
#include "network/gui/tautosent.h"
#include "network/gui/tsetip.h"
#include "network/gui/tsharef.h"
#include "network/stationsetup.h"
#include "platform/fakeplatform.h"
#include "printing/gui/reportpreview.h"
#include "store/location.h"
#include "support/engines.h"
#include "support/reportcells.h"
#include "support/shop.h"
#include "support/tempbook.h"
#include "support/testmain.h"
#include "ui/dialogs.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QPushButton>
#include <QRadioButton>
#include <QTemporaryDir>
#include <QUrl>

// The set-up windows of the shop's network and the views of what a station sent, on the
// platform's fake.
class NetworkWindowsTest : public testing::Test {
    Q_OBJECT
private slots:
    void stationSetUp();
    void stationSetUpAsksTheShopsPasswordOnce();
    void sharingTheShopsBook();
    void sendingSettings();
    void sentRowsAndEntryOrder();
    void sentPairsAndTheCumulativeLog();
    void networkTest();
};

namespace {
const QString kSetup = QStringLiteral("(2)ตั้งค่า");

template <typename Window> Window* windowOf(Tmain* main) {
    Window* window = main->mdi()->findChild<Window*>();
    if (!window)
        QTest::qFail("the window is not open", __FILE__, __LINE__);
    return window;
}

void setStation(SettingsRecord& settings) {
    settings.set(Cstr::tran, "1");
    settings.set(Cstr::cstr2, "\\\\127.0.0.1:1");
    settings.set(Backc::back20, "1"); // the entry form does not offer to empty the book
}

// The test server's book reached as a station reaches the shop's: by the computer's address
// and port, the password from the password file and the schema from the session's options.
struct ShopOnLoopback {
    testing::ServerSchema place;
    QTemporaryDir home;
    QString computer;
    QString password;
    ShopOnLoopback() {
        location::createServerBook(place.address());
        const QUrl server(testing::serverAddress());
        computer = server.host() + ":" + QString::number(server.port());
        password = server.password();
        qputenv("PGPASSFILE", (home.path() + "/pgpass").toLocal8Bit());
        qputenv("PGOPTIONS", ("-c search_path=" + place.name()).toLocal8Bit());
    }
    ~ShopOnLoopback() {
        qunsetenv("PGPASSFILE");
        qunsetenv("PGOPTIONS");
    }
};
} // namespace

void NetworkWindowsTest::stationSetUp() {
    {
        // The computer named SERVER is the server.
        testing::Shop shop({}, [](FakePlatform& computer) { computer.name = "SERVER"; });
        Dialogs::setNextText("tab2547");
        testing::runCommand(shop.main.get(), {kSetup}, "7.ระบบการป้อน");
        Tsetip* window = windowOf<Tsetip>(shop.main.get());
        QCOMPARE(window->windowTitle(), QString("serversetup"));
        QVERIFY(testing::child<QRadioButton>(window, "r1")->isChecked());
        QVERIFY(!testing::child<QRadioButton>(window, "r2")->isEnabled());
        QCOMPARE(testing::child<QLineEdit>(window, "Edit1")->text(), QString("SERVER"));
        window->save();
        QCOMPARE(Dialogs::last().text, QString("Set_To_Server_Ok"));
        QVERIFY(shop.main->hasEnded());
        QCOMPARE(SettingsRecord(shop.main->own()).text(Cstr::tran), QString("0"));
    }
    // A station of a server that does not answer now: kept all the same, and said.
    testing::Shop shop;
    Dialogs::setNextText("tab2547");
    testing::runCommand(shop.main.get(), {kSetup}, "7.ระบบการป้อน");
    Tsetip* window = windowOf<Tsetip>(shop.main.get());
    testing::child<QRadioButton>(window, "r2")->click();
    testing::child<QLineEdit>(window, "Edit1")->setText("127.0.0.1:1");
    Dialogs::clear();
    QTest::mouseClick(testing::child<QPushButton>(window, "BitBtn1"), Qt::LeftButton);
    QCOMPARE(Dialogs::asked().size(), 2);
    QVERIFY(Dialogs::asked().first().text.startsWith("ยังเชื่อมต่อฐานข้อมูลร้านที่เครื่อง 127.0.0.1:1 ไม่ได้"));
    QCOMPARE(Dialogs::last().text, QString("Set_To_Lan_Ok"));
    SettingsRecord settings(shop.main->own());
    QCOMPARE(settings.text(Cstr::cstr2), QString("\\\\127.0.0.1:1"));
    QCOMPARE(settings.text(Cstr::tran), QString("1"));
    QVERIFY(shop.main->hasEnded());
}

void NetworkWindowsTest::stationSetUpAsksTheShopsPasswordOnce() {
    REQUIRE_SERVER();
    ShopOnLoopback shopBook;
    testing::Shop shop;
    Dialogs::setNextText("tab2547");
    testing::runCommand(shop.main.get(), {kSetup}, "7.ระบบการป้อน");
    Tsetip* window = windowOf<Tsetip>(shop.main.get());
    testing::child<QRadioButton>(window, "r2")->click();
    testing::child<QLineEdit>(window, "Edit1")->setText(shopBook.computer);
    Dialogs::setNextText(shopBook.password);
    window->save();
    QStringList asked;
    for (const Dialogs::Asked& box : Dialogs::asked())
        asked << box.kind + ": " + box.title + " " + box.text + " [" + box.proposed + "]";
    // The password is asked once and the set-up said done; every box is named when not.
    const QString password = "input: รหัสผ่านฐานข้อมูลร้าน ป้อนรหัสผ่านฐานข้อมูลของร้าน (ดูได้ที่หน้าต่าง "
                             "Restartserver ของเครื่องแม่ข่าย) [****]";
    QVERIFY2(asked.count(password) == 1 && asked.last() == "info:  Set_To_Lan_Ok []",
             qPrintable(asked.join('\n')));
    QCOMPARE(pgpass::find(shopBook.computer.section(':', 0, 0), shopBook.computer.section(':', 1).toInt()),
             shopBook.password);
    // From now on the station reaches the book without asking.
    QCOMPARE(location::sharedLocation(SettingsRecord(shop.main->own()).text(Cstr::cstr2)),
             location::shopAddress(shopBook.computer.section(':', 0, 0),
                                   shopBook.computer.section(':', 1).toInt()));
    QVERIFY(Database::openExisting(location::sharedLocation("\\\\" + shopBook.computer)));
}

void NetworkWindowsTest::sharingTheShopsBook() {
    REQUIRE_SERVER();
    ShopOnLoopback shopBook;
    const QUrl server(testing::serverAddress());
    pgpass::keep("localhost", -1, shopBook.password);
    testing::Shop shop({}, [&](FakePlatform& computer) {
        computer.shopServerPort = server.port();
        computer.name = "SHOP1";
    });
    Dialogs::clear();
    // A desktop without the tools changes nothing and says why.
    testing::runCommand(shop.main.get(), {kSetup}, "2.ServerSetup-step2  (XP)");
    Tsharef* window = windowOf<Tsharef>(shop.main.get());
    QCOMPARE(window->windowTitle(), QString("Restartserver"));
    QTest::mouseClick(testing::child<QPushButton>(window, "BitBtn1"), Qt::LeftButton);
    QCOMPARE(Dialogs::last().kind, QString("warning"));
    QVERIFY(Dialogs::last().text.startsWith("เครื่องนี้ไม่มีโปรแกรม"));
    SettingsRecord settings(shop.main->own());
    QCOMPARE(settings.text(Cstr::cstr2), shop.main->run().programFolder);

    shop.platform->settingsSupported = true;
    QTest::mouseClick(testing::child<QPushButton>(window, "BitBtn1"), Qt::LeftButton);
    QCOMPARE(Dialogs::last().text, QString("เปิดการทำงานเรียบร้อย"));
    QCOMPARE(Dialogs::last().title, QString("เปิดการทำงานเรียบร้อย"));
    // The server keeps the password this computer knows; its book is the shop's now.
    QCOMPARE(shop.platform->shopServerPassword, shopBook.password);
    const QString address = location::shopAddress("localhost", server.port());
    QCOMPARE(settings.text(Cstr::cstr2), address);
    QCOMPARE(settings.text(Cstr::tran), QString("0"));
    QVERIFY(Database::openExisting(address)->tableExists("refdone"));
    QVERIFY(testing::child<QLabel>(window, "Label2")->text().contains("SHOP1:" + QString::number(server.port())));

    // Opened twice: the second time says it runs.
    QTest::mouseClick(testing::child<QPushButton>(window, "BitBtn1"), Qt::LeftButton);
    QCOMPARE(Dialogs::last().text, QString("Server กำลังทำงานอยู่"));
    QCOMPARE(Dialogs::last().title, QString("Server กำลังทำงานอยู่ ให้ปิดการทำงานก่อนเปิดการทำงาน"));
    QTest::mouseClick(testing::child<QPushButton>(window, "BitBtn2"), Qt::LeftButton);
    QCOMPARE(Dialogs::last().text, QString("ปิดการทำงานของ Serverเรียบร้อย "));
    QVERIFY(!shop.platform->shopServerRunning);
    QCOMPARE(shop.platform->settings, (QStringList{"open shop server", "open shop server",
                                                   "open shop server", "close shop server"}));
    shop.main->closeWithoutAsking();
}

void NetworkWindowsTest::sendingSettings() {
    {
        // A server computer has no sending to set.
        testing::Shop shop;
        QVERIFY(!testing::findAction(shop.main.get(), "16.การส่งข้อมูลไปServerอัตโนมัติ")->isEnabled());
    }
    testing::Shop shop(setStation);
    testing::runCommand(shop.main.get(), {kSetup}, "16.การส่งข้อมูลไปServerอัตโนมัติ");
    Tautosent* window = windowOf<Tautosent>(shop.main.get());
    QCOMPARE(window->windowTitle(), QString("การส่งข้อมูลไปServerอัตโนมัติ"));
    auto* edit = testing::child<QLineEdit>(window, "Edit1");
    auto* list = testing::child<QComboBox>(window, "dbc1");
    auto* label = testing::child<QLabel>(window, "Label2");
    QVERIFY(testing::child<QRadioButton>(window, "r2")->isChecked());
    QVERIFY(edit->isVisible() && !list->isVisible());
    SettingsRecord settings(shop.main->own());

    testing::child<QRadioButton>(window, "r1")->click();
    QCOMPARE(settings.text(Backc::back6), QString("1"));
    QVERIFY(list->isVisible() && label->isVisible() && !edit->isVisible());
    QCOMPARE(label->text(), QString("ค่าเริ่มต้น=50บรรทัด"));
    list->setCurrentIndex(4);
    emit list->activated(4);
    QCOMPARE(settings.text(Backc::back7), QString("200"));
    QCOMPARE(label->text(), QString("ค่าเริ่มต้น=200บรรทัด"));

    testing::child<QRadioButton>(window, "r2")->click();
    QCOMPARE(settings.text(Backc::back6), QString("0"));
    QCOMPARE(edit->text(), settings.text(Backc::back22));
    edit->setText("many");
    QTest::mouseClick(testing::child<QPushButton>(window, "BitBtn1"), Qt::LeftButton);
    QCOMPARE(Dialogs::last().kind, QString("warning"));
    edit->setText("120");
    QTest::mouseClick(testing::child<QPushButton>(window, "BitBtn1"), Qt::LeftButton);
    QCOMPARE(Dialogs::last().text, QString("บันทึกค่าเรียบร้อย"));
    QCOMPARE(settings.text(Backc::back22), QString("120"));

    testing::child<QRadioButton>(window, "r3")->click();
    QCOMPARE(settings.text(Backc::back6), QString("2"));
    QVERIFY(!edit->isVisible() && !list->isVisible() && !label->isVisible());
    // Closing ends the program: the mode is taken up at the next start.
    window->close();
    QVERIFY(shop.main->hasEnded());
}

void NetworkWindowsTest::sentRowsAndEntryOrder() {
    testing::Shop shop(setStation);
    Database& own = shop.main->own();
    own.exec("INSERT INTO tballsent (num, h, t, l, cus, codeins, time) VALUES ('123', 10, 0, 0, "
             "'ก', 'h3', '2024-05-01 10:00:00'), ('45', 0, 0, 20, 'ข', 'l2', '2024-05-01 10:01:00')");
    own.exec("INSERT INTO tball (num, h, t, l, cus, codeins, tim) VALUES ('777', 5, 0, 0, 'ค', "
             "'h3', '2024-05-01 11:00:00')");
    const QString totals = "(3)แสดงยอด";
    using printing::ReportPreview;
    testing::runCommand(shop.main.get(), {totals}, "13.ข้อมูลทั้งหมดที่ส่งไปServer");
    QCOMPARE(ReportPreview::shown().size(), 1);
    const printing::Report& sent = ReportPreview::shown().last().report;
    QCOMPARE(sent.heading, QString("สรุปยอดข้อมูลทั้งหมดที่ส่งไปServer"));
    QCOMPARE(sent.orientation, printing::Orientation::portrait);
    QStringList captions;
    for (const printing::Column& column : sent.columns)
        captions << column.caption;
    QCOMPARE(captions, (QStringList{"เลข", "บน", "โต๊ด", "ล่าง", "ลำดับ", "รหัสการป้อน", "เวลาป้อน"}));
    QCOMPARE(sent.rows.size(), 2);
    QCOMPARE(testing::cellsOf(sent, 1).mid(0, 6), (QStringList{"45", "0", "0", "20", "2", "ข"}));

    testing::runCommand(shop.main.get(), {totals}, "11.ลำดับการป้อน(รวม)");
    const printing::Report& order = ReportPreview::shown().last().report;
    QCOMPARE(order.heading, QString("สรุปยอดลำดับการป้อน"));
    QCOMPARE(order.rows.size(), 1);
    QCOMPARE(testing::cellsOf(order, 0).at(0), QString("777"));

    // The station's book made again from what it sent.
    const QString care = "(9)การบำรุงรักษา";
    const QString load = "Loadข้อมูลทั้งหมดที่ส่งไปServerเข้าตารางประมวลผล";
    Dialogs::setNextAnswer(false);
    testing::runCommand(shop.main.get(), {care}, load);
    QCOMPARE(Dialogs::last().text, QString("ยกเลิกการLoadข้อมูล"));
    QCOMPARE(rowsOf(own, "SELECT num FROM tball"), QStringList{"777"});
    Dialogs::setNextAnswer(true);
    testing::runCommand(shop.main.get(), {care}, load);
    QCOMPARE(Dialogs::last().text, QString("Loadข้อมูลที่ส่งไปServerทั้งหมดเรียบร้อย"));
    QCOMPARE(rowsOf(own, "SELECT num FROM tball ORDER BY id"), (QStringList{"123", "45"}));
    QCOMPARE(rowsOf(own, "SELECT num FROM tballcus ORDER BY id"), (QStringList{"123", "45"}));
    shop.main->closeWithoutAsking();

    // A server has no rows it sent.
    testing::Shop server;
    QVERIFY(!testing::findAction(server.main.get(), load)->isEnabled());
    QVERIFY(!testing::findAction(server.main.get(), "13.ข้อมูลทั้งหมดที่ส่งไปServer")->isVisible());
    server.main->closeWithoutAsking();
}

void NetworkWindowsTest::sentPairsAndTheCumulativeLog() {
    testing::Shop shop;
    Database& book = shop.main->own();
    book.exec("INSERT INTO h2sent (num, h, rep) VALUES ('12', 100, 2), ('34', 50, 2)");
    book.exec("INSERT INTO l2sent (num, l, rep) VALUES ('12', 30, 2)");
    book.exec("INSERT INTO sentall (num, h, l, t, rep, cod) VALUES ('123', 40, 0, 0, 1, '1'), "
              "('12', 0, 5, 0, 2, '2')");
    using printing::ReportPreview;
    const QStringList sent = {"(3)แสดงยอด", "7.ยอดส่งออกล่าสุด"};
    testing::runCommand(shop.main.get(), sent, "2ตัวบน+ล่าง");
    const printing::Report& pair = ReportPreview::shown().last().report;
    QCOMPARE(pair.heading, QString("สรุปยอดส่ง2ตัวบน+ล่าง"));
    QCOMPARE(pair.columns.at(1).caption, QString(" บน "));
    QCOMPARE(pair.columns.at(2).caption, QString(" ล่าง"));
    QCOMPARE(pair.sumCaption, QString(" ยอดรวมบน="));
    QCOMPARE(pair.sumCaption2, QString(" ยอดรวมล่าง ="));
    QCOMPARE(testing::cellsOf(pair, 0), (QStringList{"12", "100", "30"}));
    QCOMPARE(testing::cellsOf(pair, 1), (QStringList{"34", "50", "0"}));
    testing::runCommand(shop.main.get(), sent, "3ตัวบน+โต๊ด");
    QCOMPARE(ReportPreview::shown().last().report.heading, QString("สรุปยอดส่ง3ตัวบน+โต๊ด"));
    QVERIFY(ReportPreview::shown().last().report.rows.isEmpty());

    // The entry form's countdown bar asks for every cut's sent amounts.
    shop.main->desk().sentLogAsked();
    const printing::Report& log = ReportPreview::shown().last().report;
    QCOMPARE(log.heading, QString("สรุปยอดส่งรวมสะสม"));
    QCOMPARE(log.across, 3);
    QCOMPARE(testing::cellsOf(log, 0).at(0), QString("123"));
    QCOMPARE(testing::cellsOf(log, 1).at(0), QString("12"));
    shop.main->closeWithoutAsking();
}

void NetworkWindowsTest::networkTest() {
    const QString help = "(11)ช่วยเหลือ";
    {
        testing::Shop server;
        QVERIFY(!testing::findAction(server.main.get(), "ทดสอบระบบเครือข่าย")->isEnabled());
        server.main->closeWithoutAsking();
    }
    testing::Shop shop(setStation);
    Dialogs::setNextText("127.0.0.1:1");
    testing::runCommand(shop.main.get(), {help}, "ทดสอบระบบเครือข่าย");
    QVERIFY(Dialogs::last().text.startsWith("ระบบไม่สามารถเชื่อมต่อกับฐานข้อมูล\n"));
    if (testing::serverAddress().isEmpty()) {
        shop.main->closeWithoutAsking();
        return;
    }
    ShopOnLoopback shopBook;
    pgpass::keep(shopBook.computer.section(':', 0, 0), -1, shopBook.password);
    Dialogs::setNextText(shopBook.computer);
    testing::runCommand(shop.main.get(), {help}, "ทดสอบระบบเครือข่าย");
    QCOMPARE(Dialogs::last().text, QString("ระบบสามารถเชื่อมต่อกับฐานข้อมูลได้"));
    Dialogs::setNextText(shopBook.computer);
    testing::runCommand(shop.main.get(), {help}, "ค้นหาเครื่องServer");
    QCOMPARE(Dialogs::last().text, "พบฐานข้อมูลร้านที่เครื่อง " + shopBook.computer);
    shop.main->closeWithoutAsking();
}

TABULOX_TEST(NetworkWindowsTest)
#include "windows_test.moc"
