#include "common/settings.h"
#include "entry/recorder.h"
#include "platform/fakeplatform.h"
#include "store/location.h"
#include "support/engines.h"
#include "support/entryshop.h"
#include "support/testmain.h"
#include "ui/dialogs.h"

#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QTimer>

// A station's entry form passing its rows to the shop's book on a server over loopback: by the
// button, by the sending timer and in LAN mode; and the server's form taking notice of them.
class StationTransferTest : public testing::Test {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void transferByTheButton();
    void sendingTimerAtItsThreshold();
    void anotherStationUnderWay();
    void serverGoneInTheMiddle();
    void lanModeAndTheServersNotice();
    void checksWhenTheFormOpens();
    void periodicProbeOfTheServer();
    void rowCeilingOfAStationByHand();
    void clearingOfferedWhenTheFormOpens();

private:
    // A station of the server's book, sending as mode says.
    std::unique_ptr<testing::EntryShop> station(const QString& mode,
                                                const std::function<void(SettingsRecord&)>& more = {},
                                                const QString& ip = "192.168.1.5");
    std::unique_ptr<testing::ServerSchema> place_;
    std::unique_ptr<Database> server_;
};

namespace {
// n rows on the station's own book, h3 and t3 in turn.
void typeRows(Database& own, int n) {
    BetRecords line;
    for (int i = 0; i < n; ++i) {
        const QString number = QStringLiteral("%1").arg(i / 2, 3, 10, QLatin1Char('0'));
        line.push_back(i % 2 == 0 ? BetRecord{number, Kind::h3, 10} : BetRecord{number, Kind::t3, 30});
    }
    Recorder(own).recordLine(line, "ก");
}

// Every errand of the station with the server done and said.
void settle(Tfminput* form) {
    form->waitForServer();
}

int count(Database& db, const QString& table) {
    return db.scalar("SELECT count(*) FROM " + table).toInt();
}

} // namespace

void StationTransferTest::init() {
    testing::Test::init();
    if (!testing::haveServer())
        return;
    place_ = std::make_unique<testing::ServerSchema>();
    server_ = location::createServerBook(place_->address());
}

void StationTransferTest::cleanup() {
    server_.reset();
    place_.reset();
    testing::Test::cleanup();
}

std::unique_ptr<testing::EntryShop>
StationTransferTest::station(const QString& mode, const std::function<void(SettingsRecord&)>& more,
                             const QString& ip) {
    const QString address = place_->address();
    return std::make_unique<testing::EntryShop>(
        [&](SettingsRecord& settings) {
            settings.set(Cstr::tran, "1");
            settings.set(Cstr::cstr2, address);
            settings.set(Backc::back6, mode);
            settings.set(Backc::back20, "1");
            if (more)
                more(settings);
        },
        [&](FakePlatform& computer) {
            computer.name = "PC1";
            computer.ip = ip;
        });
}

void StationTransferTest::transferByTheButton() {
    if (!server_)
        return;
    auto shop = station("0", [](SettingsRecord& s) { s.set(Backc::back25, "1"); });
    Tfminput* form = shop->form();
    auto* button = testing::child<QPushButton>(form, "tran");
    QVERIFY(button->isVisible() && button->isEnabled());
    QCOMPARE(button->text(), QString("ถ่ายโอนข้อมูลไปที่Server"));
    QVERIFY(testing::child<QCheckBox>(form, "chktran")->isChecked());
    QCOMPARE(shop->main->desk().status(2), QString("ระบบLan"));

    // Nothing held: said, and the button stays.
    QTest::mouseClick(button, Qt::LeftButton);
    settle(form);
    QCOMPARE(Dialogs::last().text, QString("ไม่มีข้อมูลที่ต้องถ่ายโอน"));
    QVERIFY(button->isEnabled());

    typeRows(shop->db(), 120);
    const QStringList typed = rowsOf(shop->db(), "SELECT num,h,t,l FROM tball ORDER BY id");
    Dialogs::clear();
    QTest::mouseClick(button, Qt::LeftButton);
    settle(form);
    QCOMPARE(Dialogs::last().title, QString("การถ่ายโอนข้อมูล"));
    QCOMPARE(Dialogs::last().text, QString("การถ่ายโอนข้อมูลจำนวน120แถวไปยัง127.0.0.1สำเร็จ"));
    QCOMPARE(rowsOf(*server_, "SELECT num,h,t,l FROM tball ORDER BY id"), typed);
    QCOMPARE(count(*server_, "tballcus"), 120);
    QCOMPARE(rowsOf(*server_, "SELECT back4 FROM backc"), QStringList{"1"});
    QCOMPARE(count(shop->db(), "tball"), 0);
    QCOMPARE(count(shop->db(), "tballcus"), 0);
    QCOMPARE(count(shop->db(), "tballsent"), 120);
    QCOMPARE(shop->text("Label16"), QString("0"));
    QVERIFY(button->isEnabled());
    // The station's book was copied before its rows left.
    QVERIFY(QFileInfo::exists(shop->main->run().programFolder + "dbbackup/SL000.mde"));
    shop->main->closeWithoutAsking();
}

void StationTransferTest::sendingTimerAtItsThreshold() {
    if (!server_)
        return;
    auto shop = station("1", [](SettingsRecord& s) { s.set(Backc::back7, "100"); });
    Tfminput* form = shop->form();
    auto* button = testing::child<QPushButton>(form, "tran");
    auto* timer = testing::child<QTimer>(form, "Timer5");
    typeRows(shop->db(), 100);
    // The periodic refresh arms the sending timer only above the threshold.
    form->onTimer4();
    QVERIFY(!timer->isActive());
    QCOMPARE(button->styleSheet(), QString("color: blue;"));
    form->onTimer5();
    settle(form);
    QCOMPARE(count(*server_, "tballcus"), 0);
    QCOMPARE(count(shop->db(), "tball"), 100);

    typeRows(shop->db(), 1);
    form->onTimer4();
    QVERIFY(timer->isActive());
    QCOMPARE(button->styleSheet(), QString("color: red;"));
    form->onTimer5();
    settle(form);
    QCOMPARE(count(*server_, "tballcus"), 101);
    QCOMPARE(count(shop->db(), "tball"), 0);
    QCOMPARE(Dialogs::last().text,
             QString("การถ่ายโอนข้อมูลจำนวน101แถวไปยัง127.0.0.1เรียบร้อยเลขลำดับสุดท้ายที่ส่งคือเลข101"
                     "จำนวนตารางที่ตรวจสอบคือ100บรรทัด"));
    QVERIFY(shop->platform->sounds.last().endsWith("sound/sound.wav"));
    // Only the batch's own ref row came and went.
    QCOMPARE(count(*server_, "ref"), 0);
    shop->main->closeWithoutAsking();
}

void StationTransferTest::anotherStationUnderWay() {
    if (!server_)
        return;
    server_->exec("INSERT INTO ref (ref1, comname, total) VALUES ('X', 'PC2', '40')");
    auto shop = station("0");
    Tfminput* form = shop->form();
    auto* button = testing::child<QPushButton>(form, "tran");
    typeRows(shop->db(), 4);

    Dialogs::setNextAnswer(false);
    QTest::mouseClick(button, Qt::LeftButton);
    settle(form);
    QCOMPARE(Dialogs::asked().at(Dialogs::asked().size() - 2).text,
             QString("ไม่มี-เครื่องอื่น กำลังส่ง ข้อมูลใช่หรือไม่ ?"));
    QCOMPARE(Dialogs::last().text, QString("ไม่สามารถถ่ายโอนข้อมูลได้เพราะ เครื่อง PC2 กำลังถ่ายโอน"));
    QCOMPARE(count(shop->db(), "tball"), 4);
    QCOMPARE(count(*server_, "tballcus"), 0);
    QVERIFY(button->isEnabled());

    // Yes: the stale row goes, the rows go.
    Dialogs::setNextAnswer(true);
    QTest::mouseClick(button, Qt::LeftButton);
    settle(form);
    QCOMPARE(count(*server_, "tballcus"), 4);
    QCOMPARE(count(*server_, "ref"), 0);
    shop->main->closeWithoutAsking();
    shop.reset();

    // The sending timer does not ask: it stops until the next refresh.
    server_->exec("INSERT INTO ref (ref1, comname, total) VALUES ('Y', 'PC2', NULL)");
    shop = station("1", [](SettingsRecord& s) { s.set(Backc::back7, "10"); });
    form = shop->form();
    typeRows(shop->db(), 12);
    form->onTimer4();
    form->onTimer5();
    settle(form);
    QCOMPARE(Dialogs::last().text, QString("ไม่สามารถถ่ายโอนข้อมูลได้เพราะ เครื่อง PC2 กำลังถ่ายโอน"));
    QVERIFY(!testing::child<QTimer>(form, "Timer5")->isActive());
    QCOMPARE(count(shop->db(), "tball"), 12);
    shop->main->closeWithoutAsking();
}

void StationTransferTest::serverGoneInTheMiddle() {
    if (!server_)
        return;
    // The server ends the station's connection while the batch's rows go in.
    server_->exec("CREATE FUNCTION cut_off() RETURNS trigger LANGUAGE plpgsql AS $$\n"
                  "BEGIN\n"
                  "IF NEW.num = '030' THEN PERFORM pg_terminate_backend(pg_backend_pid()); END IF;\n"
                  "RETURN NEW;\n"
                  "END\n"
                  "$$");
    server_->exec("CREATE TRIGGER cut_off BEFORE INSERT ON tballcus FOR EACH ROW EXECUTE FUNCTION "
                  "cut_off()");
    auto shop = station("0");
    Tfminput* form = shop->form();
    typeRows(shop->db(), 200);
    const QStringList typed = rowsOf(shop->db(), "SELECT num,h,t,l FROM tball ORDER BY id");
    QTest::mouseClick(testing::child<QPushButton>(form, "tran"), Qt::LeftButton);
    settle(form);
    QVERIFY2(Dialogs::last().text.contains("ข้อมูลทุกแถวยังอยู่ที่เครื่องนี้"),
             qPrintable(Dialogs::last().text));
    QCOMPARE(count(*server_, "tballcus"), 0);
    QCOMPARE(rowsOf(shop->db(), "SELECT num,h,t,l FROM tball ORDER BY id"), typed);

    // The server is back: the next transfer sends every row once.
    server_->exec("DROP TRIGGER cut_off ON tballcus");
    QTest::mouseClick(testing::child<QPushButton>(form, "tran"), Qt::LeftButton);
    settle(form);
    QCOMPARE(rowsOf(*server_, "SELECT num,h,t,l FROM tballcus ORDER BY id"), typed);
    QCOMPARE(count(shop->db(), "tball"), 0);
    shop->main->closeWithoutAsking();
}

void StationTransferTest::lanModeAndTheServersNotice() {
    if (!server_)
        return;
    {
        auto shop = station("2");
        Tfminput* form = shop->form();
        QCOMPARE(shop->main->desk().status(2), QString("ระบบLan=Auto"));
        QVERIFY(!testing::child<QPushButton>(form, "tran")->isVisible());
        QTest::keyClick(shop->edit("num"), Qt::Key_F2);
        shop->line("123", {"10", "5"});
        QCOMPARE(rowsOf(*server_, "SELECT num, h, t FROM tball ORDER BY id"),
                 (QStringList{"123|10|0", "123|0|5"}));
        QCOMPARE(count(shop->db(), "tball"), 0);
        QCOMPARE(rowsOf(*server_, "SELECT back4 FROM backc"), QStringList{"1"});
        shop->main->closeWithoutAsking();
    }
    // The server computer's periodic refresh takes the notice: a copy of the shop's book.
    const QString address = place_->address();
    testing::EntryShop serverDesk(
        [&](SettingsRecord& settings) {
            settings.set(Cstr::tran, "0");
            settings.set(Cstr::cstr2, address);
        },
        [](FakePlatform& computer) { computer.ip = "192.168.1.2"; });
    // Opening the form already took it; a station's next rows are noticed at the next tick.
    serverDesk.main->desk().copies().waitForDone();
    server_->exec("UPDATE backc SET back4 = '1'");
    server_->exec("INSERT INTO tball (num, h, codeins) VALUES ('555', 7, 'h3')");
    serverDesk.platform->sounds.clear();
    serverDesk.form()->onTimer4();
    serverDesk.main->desk().copies().waitForDone();
    QCOMPARE(rowsOf(*server_, "SELECT back4 FROM backc"), QStringList{"0"});
    QCOMPARE(serverDesk.platform->sounds.size(), 1);
    QCOMPARE(serverDesk.text("total_h3"), QString("17"));
    const QString folder = serverDesk.main->run().programFolder;
    QVERIFY(QFileInfo::exists(folder + "dbbackup/L001.mde"));
    QCOMPARE(rowsOf(*Database::openExisting(folder + "dbbackup/L001.mde"),
                    "SELECT num FROM tball ORDER BY id"),
             (QStringList{"123", "123", "555"}));
    // Without a new notice, no copy.
    serverDesk.form()->onTimer4();
    serverDesk.main->desk().copies().waitForDone();
    QVERIFY(!QFileInfo::exists(folder + "dbbackup/L002.mde"));
    serverDesk.main->closeWithoutAsking();
}

void StationTransferTest::periodicProbeOfTheServer() {
    if (!server_)
        return;
    auto shop = station("1", [](SettingsRecord& s) { s.set(Backc::back7, "10"); });
    Tfminput* form = shop->form();
    const QString before = shop->text("Label4");
    form->onTimer4();
    settle(form);
    QCOMPARE(shop->text("Label4"), before);

    // The server's book is gone (its marker rows with it): said on the status line.
    const QStringList markers = rowsOf(*server_, "SELECT num FROM tballsave2 ORDER BY num");
    server_->exec("DELETE FROM tballsave2");
    server_->exec("DELETE FROM \"2hh\"");
    form->onTimer4();
    settle(form);
    QCOMPARE(shop->text("Label4"), QString("กรุณาตรวจสอบการเชื่อมต่อกับ127.0.0.1"));

    // Back again; the sending timer that came during the probe sends after it.
    for (const QString& num : markers)
        server_->exec("INSERT INTO tballsave2 (num) VALUES (?)", {num});
    typeRows(shop->db(), 12);
    form->onTimer4();
    form->onTimer5();
    settle(form);
    QCOMPARE(count(*server_, "tballcus"), 12);
    QCOMPARE(count(shop->db(), "tball"), 0);
    QCOMPARE(shop->text("Label4"), QString("เชื่อมต่อกับ127.0.0.1ได้แล้ว"));
    shop->main->closeWithoutAsking();
}

void StationTransferTest::checksWhenTheFormOpens() {
    if (!server_)
        return;
    // No network: said when the form opens, then numbered at the periodic refresh, four times.
    auto shop = station("0", {}, "127.0.0.1");
    Tfminput* form = shop->form();
    const QString warning =
        "กรุณาตรวจสอบอุปกรณ์การเชื่อมต่อ เช่นสายLan หรือการ์ดLanว่าได้ต่อไว้อย่างถูกต้องหรือไม่";
    QCOMPARE(testing::said("warning").count(warning), 1);
    QVERIFY(!testing::child<QPushButton>(form, "tran")->isEnabled());
    for (int i = 0; i < 6; ++i)
        form->onTimer4();
    QStringList numbered;
    for (const QString& text : testing::said("warning")) {
        if (text != warning && text.endsWith(warning))
            numbered << text.left(2);
    }
    QCOMPARE(numbered, (QStringList{"1-", "2-", "3-", "4-"}));
    shop->main->closeWithoutAsking();
    shop.reset();

    // A station named as its server sends nothing.
    shop = std::make_unique<testing::EntryShop>(
        [&](SettingsRecord& s) {
            s.set(Cstr::tran, "1");
            s.set(Cstr::cstr2, place_->address());
            s.set(Backc::back20, "1");
        },
        [](FakePlatform& computer) {
            computer.name = "127.0.0.1";
            computer.ip = "192.168.1.5";
        });
    QVERIFY(!testing::child<QPushButton>(shop->form(), "tran")->isEnabled());
    shop->main->closeWithoutAsking();
    shop.reset();

    // A server that cannot be reached is said once; the button says ERROR-.
    shop = std::make_unique<testing::EntryShop>(
        [](SettingsRecord& s) {
            s.set(Cstr::tran, "1");
            s.set(Cstr::cstr2, "postgresql://tabulox:pw@127.0.0.1:1/tabulox");
            s.set(Backc::back20, "1");
        },
        [](FakePlatform& computer) { computer.ip = "192.168.1.5"; });
    QVERIFY(Dialogs::last().text.startsWith("ERROR1ไม่สามารถเชื่อมต่อกับเครื่อง127.0.0.1"));
    auto* button = testing::child<QPushButton>(shop->form(), "tran");
    QCOMPARE(button->text(), QString("ERROR- "));
    QVERIFY(!button->isEnabled());
    QVERIFY(shop->main->run().serverMissing);
    shop->main->closeWithoutAsking();
}

void StationTransferTest::rowCeilingOfAStationByHand() {
    if (!server_)
        return;
    auto shop = station("0", [](SettingsRecord& s) { s.set(Backc::back22, "4"); });
    QTest::keyClick(shop->edit("num"), Qt::Key_F2);
    shop->line("123", {"10", "5"});
    shop->line("124", {"10", "5"});
    QCOMPARE(shop->text("Label16"), QString("4"));
    Dialogs::clear();
    QTest::keyClicks(shop->edit("num"), "12");
    QCOMPARE(testing::said("warning"), QStringList{"ข้อมูลเกินค่าสูงสุดกรุณากดถ่ายโอนข้อมูล"});
    // Nothing is held up.
    QTest::keyClick(shop->edit("num"), Qt::Key_Backspace);
    QTest::keyClick(shop->edit("num"), Qt::Key_Backspace);
    shop->main->closeWithoutAsking();
}


void StationTransferTest::clearingOfferedWhenTheFormOpens() {
    const QString offer = "ในการป้อนข้อมูลระบบLan ควรลบข้อมูลก่อนป้อนข้อมูล จะลบข้อมูลก่อนป้อนหรือไม่ ?";
    // A station whose server is away still keeps its own book. No to the offer:
    Dialogs::setNextAnswer(false);
    testing::EntryShop shop(
        [](SettingsRecord& s) {
            s.set(Cstr::tran, "1");
            s.set(Cstr::cstr2, "postgresql://tabulox:pw@127.0.0.1:1/tabulox");
        },
        [](FakePlatform& computer) { computer.ip = "192.168.1.5"; });
    Tfminput* form = shop.form();
    Database& own = shop.db();
    SettingsRecord settings(own);
    // the offer is not made again.
    QCOMPARE(testing::said("question").count(offer), 1);
    QCOMPARE(testing::said("info").count("ปิดการแจ้งเตือน"), 1);
    QCOMPARE(settings.text(Backc::back20), QString("1"));
    Dialogs::clear();
    form->offerClearing();
    QVERIFY(Dialogs::asked().isEmpty());

    // Lines not yet sent are never thrown away.
    settings.set(Backc::back20, "0");
    typeRows(own, 4);
    own.exec("INSERT INTO tballsent (num, h, cus, codeins) VALUES ('555', 5, 'ก', 'h3')");
    Dialogs::setNextAnswer(true);
    form->offerClearing();
    QCOMPARE(Dialogs::last().text, QString("ยังมีข้อมูลที่ยังไม่ได้ส่งไปServer 4 รายการ "
                                           "จึงยังไม่ได้ลบข้อมูล กรุณาถ่ายโอนข้อมูลก่อน"));
    QCOMPARE(count(own, "tball"), 4);
    QCOMPARE(count(own, "tballsent"), 1);

    // Everything sent: the book is emptied for the new draw and asked about again next time.
    own.exec("DELETE FROM tball");
    own.exec("DELETE FROM tballcus");
    const QString copies = shop.main->run().programFolder + "dbbackup";
    QVERIFY(QDir().mkpath(copies));
    Dialogs::setNextAnswer(true);
    form->offerClearing();
    QCOMPARE(Dialogs::last().text, QString("ลบข้อมูลเรียบร้อย"));
    QCOMPARE(count(own, "tballsent"), 0);
    QCOMPARE(own.scalar("SELECT s FROM tblog").toString(), QString("0"));
    QVERIFY(!QFileInfo::exists(copies));
    QCOMPARE(settings.text(Backc::back20), QString("0"));
    shop.main->closeWithoutAsking();
}

TABULOX_TEST(StationTransferTest)
#include "stationtransfer_test.moc"
