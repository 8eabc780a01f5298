#include "common/settings.h"
#include "entry/gui/tfminput.h"
#include "platform/fakeplatform.h"
#include "shell/gui/tmain.h"
#include "store/database.h"
#include "support/shop.h"
#include "support/tempbook.h"
#include "support/testmain.h"
#include "ui/dialogs.h"

#include <QAction>
#include <QCheckBox>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenu>
#include <QMenuBar>

using testing::findAction;
using testing::menuCaptions;

class CommandsTest : public testing::Test {
    Q_OBJECT
private slots:
    void init();
    void menusArePresent();
    void runNumbers();
    void inputLimitSavesAndEnds();
    void digitSortingNeedsTheCode();
    void sampleData();
    void setupPasswordGuardsTheAddress();
    void addressCommandsSayWhatTheComputerCannotDo();
    void hotKeysAndTheEmptyArea();
    void refusedHotKeysWorkInTheProgram();
    void menusFollowANewNamingMode();
    void rolesNeedTheCodeAndEndTheProgram();
    void setupWindowsOpenOnce();

private:
    std::unique_ptr<testing::Shop> shop_;
};

void CommandsTest::init() {
    testing::Test::init();
    shop_.reset();
    shop_ = std::make_unique<testing::Shop>();
}

void CommandsTest::menusArePresent() {
    QStringList tops;
    for (QAction* action : shop_->main->menuBar()->actions())
        tops << action->text();
    QCOMPARE(tops, (QStringList{"(1)ป้อนข้อมูล", "(2)ตั้งค่า", "(3)แสดงยอด", "(4)แสดงยอดExcel", "(5)ค้นหา",
                                "(6)เพิ่มและส่งออกMsAccess", "(7)การตัดยอด", "(8)ลบข้อมูล",
                                "(9)การบำรุงรักษา", "(11)ช่วยเหลือ", "(12)updateโปรแกรม"}));
    // Built commands work; the others show but cannot be used.
    QVERIFY(findAction(shop_->main.get(), "9.เปลี่ยนรหัสผ่าน")->isEnabled());
    QVERIFY(findAction(shop_->main.get(), "6.ตรวจรางวัล")->isEnabled());
    QVERIFY(!findAction(shop_->main.get(), "สำรองโปรแกรมลงUSB")->isEnabled());
    QVERIFY(findAction(shop_->main.get(), "(14) Run 00-99 ล่าง"));
    // Naming mode 0 hides the head names among the by-amount totals.
    QVERIFY(!findAction(shop_->main.get(), "หัว3ตัว")->isVisible());
}

void CommandsTest::runNumbers() {
    Dialogs::setNextText("5");
    findAction(shop_->main.get(), "(13) Run 00-99 บน")->trigger();
    Database& db = shop_->main->entryForm()->bets();
    QCOMPARE(
        rowsOf(db, "SELECT count(*), min(num), max(num), sum(h) FROM tball WHERE codeins='h2'"),
        QStringList{"100|00|99|500"});
    QCOMPARE(rowsOf(db, "SELECT count(*) FROM tballcus"), QStringList{"100"});
    QCOMPARE(rowsOf(db, "SELECT count(*) FROM tblog"), QStringList{"0"});
    QCOMPARE(Dialogs::last().text, QString("  Run 00-99 บน เรียบร้อย"));
    Dialogs::setNextText("abc");
    findAction(shop_->main.get(), "(14) Run 00-99 ล่าง")->trigger();
    QCOMPARE(rowsOf(db, "SELECT count(*) FROM tball WHERE codeins='l2'"), QStringList{"0"});
    // A stake too large for the book is refused, not stored rounded.
    Dialogs::setNextText("1000000000000000");
    findAction(shop_->main.get(), "(14) Run 00-99 ล่าง")->trigger();
    QVERIFY(Dialogs::last().text.startsWith("จำนวนต้องเป็นตัวเลขจำนวนเต็มเท่านั้น"));
    QCOMPARE(rowsOf(db, "SELECT count(*) FROM tball WHERE codeins='l2'"), QStringList{"0"});
}

void CommandsTest::inputLimitSavesAndEnds() {
    Dialogs::setNextText("12.5");
    findAction(shop_->main.get(), "17.Limitการป้อนตัวเลข")->trigger();
    QVERIFY(!shop_->main->hasEnded());
    Dialogs::setNextText("1000000000000000");
    findAction(shop_->main.get(), "17.Limitการป้อนตัวเลข")->trigger();
    QCOMPARE(Dialogs::last().text, QString("Limitต้องไม่เกิน 999,999,999,999,999"));
    QVERIFY(!shop_->main->hasEnded());
    Dialogs::setNextText("700");
    findAction(shop_->main.get(), "17.Limitการป้อนตัวเลข")->trigger();
    QCOMPARE(Dialogs::last().text,
             QString("ตั้งค่าLimit=700เรียบร้อยกรุณาปิดโปรแกรมเพื่อเริ่มใช้งานค่าตัวแปรใหม่"));
    QVERIFY(shop_->main->hasEnded());
    std::unique_ptr<Database> db = Database::openFile(shop_->dir.path() + "/db/tabulox.mde");
    QCOMPARE(SettingsRecord(*db).text(InputLimit::l1), QString("700"));
}

void CommandsTest::digitSortingNeedsTheCode() {
    Dialogs::setNextText("0000");
    findAction(shop_->main.get(), "(11) แยกกลุ่มตัวโต๊ด")->trigger();
    QCOMPARE(Dialogs::last().text, QString("รหัสไม่ถูกต้อง"));
    QCOMPARE(SettingsRecord(shop_->main->own()).text(Backc::back5), QString("0"));
    Dialogs::setNextText("1234");
    findAction(shop_->main.get(), "(11) แยกกลุ่มตัวโต๊ด")->trigger();
    QCOMPARE(SettingsRecord(shop_->main->own()).text(Backc::back5), QString("1"));
    QVERIFY(shop_->main->entryForm()->findChild<QCheckBox*>("f2c")->isChecked());
}

void CommandsTest::sampleData() {
    Dialogs::setNextAnswer(true);
    findAction(shop_->main.get(), "Loadตัวอย่างตารางข้อมูล")->trigger();
    Database& db = shop_->main->entryForm()->bets();
    const QString count =
        rowsOf(db, "SELECT count(*) FROM tballsave2 WHERE codeins IS NOT NULL").first();
    QVERIFY(count.toInt() > 0);
    QCOMPARE(rowsOf(db, "SELECT count(*) FROM tball"), QStringList{count});
    QCOMPARE(rowsOf(db, "SELECT count(*) FROM tballcus"), QStringList{count});
    QCOMPARE(Dialogs::last().text, QString("loadตัวอย่างตารางข้อมูลเรียบร้อย"));
}

void CommandsTest::setupPasswordGuardsTheAddress() {
    QAction* command = findAction(shop_->main.get(), "10.Ip-Address");
    Dialogs::setNextText("tab2548");
    command->trigger();
    QCOMPARE(Dialogs::last().text, QString("passwordไม่ถูกต้อง"));
    QCOMPARE(Dialogs::asked().size(), 2);
    QCOMPARE(Dialogs::asked().first().proposed, QString("****"));
    QVERIFY(shop_->platform->settings.isEmpty());

    shop_->platform->settingsSupported = true;
    Dialogs::clear();
    Dialogs::setNextText("tab2547");
    Dialogs::setNextText("192.168.1.300");
    command->trigger();
    QCOMPARE(Dialogs::last().text, QString("Ip-Addressไม่ถูกต้อง"));
    QVERIFY(shop_->platform->settings.isEmpty());

    Dialogs::setNextText("tab2547");
    Dialogs::setNextText("192.168.1.20");
    command->trigger();
    QCOMPARE(shop_->platform->settings, QStringList{"fixed 192.168.1.20"});
    QCOMPARE(Dialogs::last().text, QString("ตั้งค่าIp-Address=192.168.1.20เรียบร้อย"));
}

void CommandsTest::addressCommandsSayWhatTheComputerCannotDo() {
    // The proposal left as it is asks for an automatic address.
    Dialogs::setNextText("192.168.0.");
    findAction(shop_->main.get(), "(7) ตั้งค่า-Ip-Adress")->trigger();
    QCOMPARE(shop_->platform->settings, QStringList{"automatic address"});
    QCOMPARE(Dialogs::last().text,
             QString("เครื่องนี้ไม่มีโปรแกรม nmcli จึงทำคำสั่งนี้ไม่ได้ ไม่มีการเปลี่ยนแปลงใดๆ"));

    Dialogs::setNextText("9999");
    findAction(shop_->main.get(), "(8) Set-computer-name")->trigger();
    QCOMPARE(Dialogs::last().text, QString("รหัสไม่ถูกต้อง"));
    shop_->platform->settingsSupported = true;
    Dialogs::setNextText("1234");
    Dialogs::setNextText("SERVER");
    findAction(shop_->main.get(), "(8) Set-computer-name")->trigger();
    QCOMPARE(shop_->platform->settings,
             (QStringList{"automatic address", "name SERVER", "restart"}));
}

void CommandsTest::hotKeysAndTheEmptyArea() {
    // The seven keys are the desktop's: they work whichever window has the focus.
    FakePlatform& platform = *shop_->platform;
    QCOMPARE(platform.hotKeys, (QList<int>{Qt::Key_Q, Qt::Key_D, Qt::Key_N, Qt::Key_F, Qt::Key_Z,
                                           Qt::Key_L, Qt::Key_S}));
    const QString folder = shop_->main->run().programFolder;
    QVERIFY(platform.press(Qt::Key_D));
    QCOMPARE(platform.opened, QStringList{folder});
    QVERIFY(!shop_->main->hasEnded());
    // The book is shared through the desktop's network settings.
    QVERIFY(platform.press(Qt::Key_L));
    QVERIFY(platform.properties.isEmpty());
    QVERIFY(platform.press(Qt::Key_N));
    QCOMPARE(platform.settings, (QStringList{"network panel", "network panel"}));
    QCOMPARE(Dialogs::last().text, QString("เครื่องนี้ไม่รองรับคำสั่งนี้"));
    // A grabbed key typed into the program is not handled twice.
    QTest::keyClick(shop_->main.get(), Qt::Key_D, Qt::ControlModifier);
    QCOMPARE(platform.opened, QStringList{folder});

    // A click where no window is opens the entry form afresh.
    QMdiSubWindow* formWindow = shop_->main->mdi()->activeSubWindow();
    QVERIFY(formWindow);
    formWindow->showNormal();
    formWindow->setGeometry(0, 0, 200, 150);
    QWidget* area = shop_->main->mdi()->viewport();
    const QPoint empty(area->width() - 5, area->height() - 5);
    QVERIFY(!area->childAt(empty));
    Tfminput* before = shop_->main->entryForm();
    QTest::mouseClick(area, Qt::LeftButton, {}, empty);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(shop_->main->entryForm());
    QVERIFY(shop_->main->entryForm() != before);
    QCOMPARE(shop_->main->mdi()->subWindowList().size(), 1);
}

void CommandsTest::refusedHotKeysWorkInTheProgram() {
    shop_.reset();
    shop_ = std::make_unique<testing::Shop>(nullptr, [](FakePlatform& computer) {
        computer.refusedHotKeys = {Qt::Key_D, Qt::Key_S};
    });
    FakePlatform& platform = *shop_->platform;
    // Said once, naming the keys.
    int said = 0;
    for (const Dialogs::Asked& asked : Dialogs::asked())
        said += asked.text.startsWith("ปุ่มลัด Ctrl+D, Ctrl+S ใช้ได้เฉพาะเมื่อหน้าต่างของโปรแกรมทำงานอยู่");
    QCOMPARE(said, 1);
    QVERIFY(!platform.press(Qt::Key_D));
    QVERIFY(platform.opened.isEmpty());
    QTest::keyClick(shop_->main.get(), Qt::Key_D, Qt::ControlModifier);
    QCOMPARE(platform.opened, QStringList{shop_->main->run().programFolder});
    // A key the desktop gave is not also caught inside.
    QTest::keyClick(shop_->main.get(), Qt::Key_L, Qt::ControlModifier);
    QVERIFY(platform.settings.isEmpty());
}

void CommandsTest::menusFollowANewNamingMode() {
    const QString totals = "(3)แสดงยอด";
    const QStringList limited = {totals, "17.แสดงยอดเลขอั้นปัจจุบัน"};
    const QStringList limitedSent = {totals, "18.แสดงยอดเลขอั้นที่ส่ง ล่าสุด"};
    QVERIFY(findAction(shop_->main.get(), "คู่โต๊ด"));
    shop_->main->desk().kindNamingModeSaved(2);
    for (const char* renamed :
         {"1.ยอดปัจจุบันเรียงตามเลข", "2.ยอดปัจจุบันเรียงตามจำนวน", "6.ยอดตัดเก็บล่าสุด", "7.ยอดส่งออกล่าสุด"}) {
        const QStringList captions = menuCaptions(shop_->main.get(), {totals, renamed});
        QVERIFY2(captions.contains("เลข2ตัวx") && !captions.contains("คู่โต๊ด"), renamed);
    }
    // The limited-number views keep the group name in every mode.
    QCOMPARE(menuCaptions(shop_->main.get(), limited).last(), QString("คู่โต๊ด"));
    QCOMPARE(menuCaptions(shop_->main.get(), limitedSent).last(), QString("คู่โต๊ด"));
    QVERIFY(!findAction(shop_->main.get(), "หัว3ตัว")->isVisible());
    QVERIFY(findAction(shop_->main.get(), "หัว3ตัวโต๊ด")->isVisible());
    QVERIFY(findAction(shop_->main.get(), "กลุ่ม5ตัว")->isVisible());
    shop_->main->desk().kindNamingModeSaved(1);
    QVERIFY(findAction(shop_->main.get(), "หัว3ตัว")->isVisible());
    QVERIFY(!findAction(shop_->main.get(), "กลุ่ม4ตัว")->isVisible());
    QVERIFY(menuCaptions(shop_->main.get(), {totals, "7.ยอดส่งออกล่าสุด"}).contains("หัว2ตัวหน้า"));
    QCOMPARE(menuCaptions(shop_->main.get(), limited).last(), QString("คู่โต๊ด"));
    QCOMPARE(menuCaptions(shop_->main.get(), limitedSent).last(), QString("คู่โต๊ด"));
    // One set of menus, not one per mode.
    int runCommands = 0;
    for (QAction* action : shop_->main->findChildren<QAction*>())
        runCommands += action->text() == "(13) Run 00-99 บน";
    QCOMPARE(runCommands, 1);
}

void CommandsTest::rolesNeedTheCodeAndEndTheProgram() {
    const QString before = SettingsRecord(shop_->main->own()).text(Cstr::cstr2);
    Dialogs::setNextText("4321");
    findAction(shop_->main.get(), "(5) Reset-to-Lan")->trigger();
    QCOMPARE(Dialogs::last().text, QString("รหัสไม่ถูกต้อง"));
    QCOMPARE(SettingsRecord(shop_->main->own()).text(Cstr::cstr2), before);
    QVERIFY(!shop_->main->hasEnded());

    Dialogs::setNextText("1234");
    Dialogs::setNextText("192.168.0.9");
    findAction(shop_->main.get(), "(5) Reset-to-Lan")->trigger();
    QCOMPARE(Dialogs::last().text, QString("ResetTo_Lan_Ok"));
    QVERIFY(shop_->main->hasEnded());
    std::unique_ptr<Database> db = Database::openFile(shop_->dir.path() + "/db/tabulox.mde");
    SettingsRecord settings(*db);
    QCOMPARE(settings.text(Cstr::cstr2), QString("\\\\192.168.0.9"));
    QCOMPARE(settings.text(Cstr::tran), QString("1"));
    QCOMPARE(settings.text(Backc::back6), QString("0"));
    QCOMPARE(settings.text(Backc::back22), QString("200"));

    // The computer named server cannot become a station.
    shop_->main.reset();
    shop_->platform->name = "SERVER";
    shop_->main = std::make_unique<Tmain>(shop_->dir.path() + "/tabulox");
    QVERIFY(!findAction(shop_->main.get(), "(5) Reset-to-Lan")->isEnabled());
    shop_->main->closeWithoutAsking();
}

void CommandsTest::setupWindowsOpenOnce() {
    const QList<QPair<const char*, const char*>> windows = {
        {"4.ตั้งอัตราการจ่ายแบบรวม", "Tchange"},
        {"5.ตั้งอัตราการจ่ายแบบแยกชื่อ", "Tcuschange"},
        {"8.ข้อมูลลูกค้า", "Tcuss"},
        {"12.การอั้นแบบรวม", "Tcu3"},
        {"13.การอั้นเลขเฉพาะตัวเลข", "Tnumlimitf"},
        {"14.แจ้งเตือนเลขปิดรับและเลขเฝ้าระวัง", "Tnumlimitf2"},
    };
    for (const auto& [command, form] : windows) {
        QAction* action = findAction(shop_->main.get(), QString::fromUtf8(command));
        QVERIFY2(action && action->isEnabled(), command);
        action->trigger();
        action->trigger();
        QCOMPARE(shop_->main->mdi()->findChildren<QWidget*>(form).size(), 1);
        QCOMPARE(shop_->main->mdi()->activeSubWindow()->widget()->objectName(), QString(form));
    }
    QVERIFY(Dialogs::asked().isEmpty());
}

TABULOX_TEST(CommandsTest)
#include "commands_test.moc"
