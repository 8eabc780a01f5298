#include "entry/gui/tfminput.h"
#include "platform/fakeplatform.h"
#include "shell/gui/tmain.h"
#include "shell/settings.h"
#include "store/database.h"
#include "support/tempbook.h"
#include "support/testmain.h"
#include "ui/dialogs.h"

#include <QAction>
#include <QCheckBox>
#include <QMenu>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QTemporaryDir>

namespace {
QAction* findAction(QWidget* root, const QString& caption) {
    for (QAction* action : root->findChildren<QAction*>()) {
        if (action->text() == caption)
            return action;
    }
    return nullptr;
}
} // namespace

class CommandsTest : public QObject {
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
    void menusFollowANewNamingMode();
    void rolesNeedTheCodeAndEndTheProgram();
    void setupWindowsOpenOnce();

private:
    std::unique_ptr<QTemporaryDir> dir_;
    std::unique_ptr<Tmain> main_;
    FakePlatform* platform_ = nullptr;
};

void CommandsTest::init() {
    main_.reset();
    dir_ = std::make_unique<QTemporaryDir>();
    platform_ = &testing::freshPlatform();
    Dialogs::clear();
    main_ = std::make_unique<Tmain>(dir_->path() + "/tabulox");
    main_->show();
    main_->loggedIn();
}

void CommandsTest::menusArePresent() {
    QStringList tops;
    for (QAction* action : main_->menuBar()->actions())
        tops << action->text();
    QCOMPARE(tops, (QStringList{"(1)ป้อนข้อมูล", "(2)ตั้งค่า", "(3)แสดงยอด", "(4)แสดงยอดExcel",
                                "(5)ค้นหา", "(6)เพิ่มและส่งออกMsAccess", "(7)การตัดยอด",
                                "(8)ลบข้อมูล", "(9)การบำรุงรักษา", "(11)ช่วยเหลือ",
                                "(12)updateโปรแกรม"}));
    // Built commands work; the others show but cannot be used.
    QVERIFY(findAction(main_.get(), "9.เปลี่ยนรหัสผ่าน")->isEnabled());
    QVERIFY(!findAction(main_.get(), "6.ตรวจรางวัล")->isEnabled());
    QVERIFY(findAction(main_.get(), "(14) Run 00-99 ล่าง"));
    // Naming mode 0 hides the head names among the by-amount totals.
    QVERIFY(!findAction(main_.get(), "หัว3ตัว")->isVisible());
}

void CommandsTest::runNumbers() {
    Dialogs::setNextText("5");
    findAction(main_.get(), "(13) Run 00-99 บน")->trigger();
    Database& db = main_->entryForm()->bets();
    QCOMPARE(rowsOf(db, "SELECT count(*), min(num), max(num), sum(h) FROM tball WHERE codeins='h2'"),
             QStringList{"100|00|99|500"});
    QCOMPARE(rowsOf(db, "SELECT count(*) FROM tballcus"), QStringList{"100"});
    QCOMPARE(rowsOf(db, "SELECT count(*) FROM tblog"), QStringList{"0"});
    QCOMPARE(Dialogs::last().text, QString("  Run 00-99 บน เรียบร้อย"));
    Dialogs::setNextText("abc");
    findAction(main_.get(), "(14) Run 00-99 ล่าง")->trigger();
    QCOMPARE(rowsOf(db, "SELECT count(*) FROM tball WHERE codeins='l2'"), QStringList{"0"});
}

void CommandsTest::inputLimitSavesAndEnds() {
    Dialogs::setNextText("12.5");
    findAction(main_.get(), "17.Limitการป้อนตัวเลข")->trigger();
    QVERIFY(!main_->hasEnded());
    Dialogs::setNextText("700");
    findAction(main_.get(), "17.Limitการป้อนตัวเลข")->trigger();
    QCOMPARE(Dialogs::last().text,
             QString("ตั้งค่าLimit=700เรียบร้อยกรุณาปิดโปรแกรมเพื่อเริ่มใช้งานค่าตัวแปรใหม่"));
    QVERIFY(main_->hasEnded());
    std::unique_ptr<Database> db = Database::openFile(dir_->path() + "/db/tabulox.mde");
    QCOMPARE(SettingsRecord(*db).text(InputLimit::l1), QString("700"));
}

void CommandsTest::digitSortingNeedsTheCode() {
    Dialogs::setNextText("0000");
    findAction(main_.get(), "(11) แยกกลุ่มตัวโต๊ด")->trigger();
    QCOMPARE(Dialogs::last().text, QString("รหัสไม่ถูกต้อง"));
    QCOMPARE(SettingsRecord(main_->own()).text(Backc::back5), QString("0"));
    Dialogs::setNextText("1234");
    findAction(main_.get(), "(11) แยกกลุ่มตัวโต๊ด")->trigger();
    QCOMPARE(SettingsRecord(main_->own()).text(Backc::back5), QString("1"));
    QVERIFY(main_->entryForm()->findChild<QCheckBox*>("f2c")->isChecked());
}

void CommandsTest::sampleData() {
    Dialogs::setNextAnswer(true);
    findAction(main_.get(), "Loadตัวอย่างตารางข้อมูล")->trigger();
    Database& db = main_->entryForm()->bets();
    const QString count = rowsOf(db, "SELECT count(*) FROM tballsave2 WHERE codeins IS NOT NULL").first();
    QVERIFY(count.toInt() > 0);
    QCOMPARE(rowsOf(db, "SELECT count(*) FROM tball"), QStringList{count});
    QCOMPARE(rowsOf(db, "SELECT count(*) FROM tballcus"), QStringList{count});
    QCOMPARE(Dialogs::last().text, QString("loadตัวอย่างตารางข้อมูลเรียบร้อย"));
}

void CommandsTest::setupPasswordGuardsTheAddress() {
    QAction* command = findAction(main_.get(), "10.Ip-Address");
    Dialogs::setNextText("tab2548");
    command->trigger();
    QCOMPARE(Dialogs::last().text, QString("passwordไม่ถูกต้อง"));
    QCOMPARE(Dialogs::asked().size(), 2);
    QCOMPARE(Dialogs::asked().first().proposed, QString("****"));
    QVERIFY(platform_->settings.isEmpty());

    platform_->settingsSupported = true;
    Dialogs::clear();
    Dialogs::setNextText("tab2547");
    Dialogs::setNextText("192.168.1.300");
    command->trigger();
    QCOMPARE(Dialogs::last().text, QString("Ip-Addressไม่ถูกต้อง"));
    QVERIFY(platform_->settings.isEmpty());

    Dialogs::setNextText("tab2547");
    Dialogs::setNextText("192.168.1.20");
    command->trigger();
    QCOMPARE(platform_->settings, QStringList{"fixed 192.168.1.20"});
    QCOMPARE(Dialogs::last().text, QString("ตั้งค่าIp-Address=192.168.1.20เรียบร้อย"));
}

void CommandsTest::addressCommandsSayWhatTheComputerCannotDo() {
    // The proposal left as it is asks for an automatic address.
    Dialogs::setNextText("192.168.0.");
    findAction(main_.get(), "(7) ตั้งค่า-Ip-Adress")->trigger();
    QCOMPARE(platform_->settings, QStringList{"automatic address"});
    QCOMPARE(Dialogs::last().text, QString("เครื่องนี้ไม่รองรับคำสั่งนี้"));

    Dialogs::setNextText("9999");
    findAction(main_.get(), "(8) Set-computer-name")->trigger();
    QCOMPARE(Dialogs::last().text, QString("รหัสไม่ถูกต้อง"));
    platform_->settingsSupported = true;
    Dialogs::setNextText("1234");
    Dialogs::setNextText("SERVER");
    findAction(main_.get(), "(8) Set-computer-name")->trigger();
    QCOMPARE(platform_->settings, (QStringList{"automatic address", "name SERVER", "restart"}));
}

void CommandsTest::hotKeysAndTheEmptyArea() {
    const QString folder = main_->run().programFolder;
    QTest::keyClick(main_.get(), Qt::Key_D, Qt::ControlModifier);
    QCOMPARE(platform_->opened, QStringList{folder});
    QVERIFY(!main_->hasEnded());
    QTest::keyClick(main_.get(), Qt::Key_L, Qt::ControlModifier);
    QCOMPARE(platform_->properties, QStringList{folder + "db"});
    QTest::keyClick(main_.get(), Qt::Key_N, Qt::ControlModifier);
    QCOMPARE(platform_->settings, QStringList{"network panel"});
    QCOMPARE(Dialogs::last().text, QString("เครื่องนี้ไม่รองรับคำสั่งนี้"));

    // A click where no window is opens the entry form afresh.
    QMdiSubWindow* formWindow = main_->mdi()->activeSubWindow();
    QVERIFY(formWindow);
    formWindow->showNormal();
    formWindow->setGeometry(0, 0, 200, 150);
    QWidget* area = main_->mdi()->viewport();
    const QPoint empty(area->width() - 5, area->height() - 5);
    QVERIFY(!area->childAt(empty));
    Tfminput* before = main_->entryForm();
    QTest::mouseClick(area, Qt::LeftButton, {}, empty);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(main_->entryForm());
    QVERIFY(main_->entryForm() != before);
    QCOMPARE(main_->mdi()->subWindowList().size(), 1);
}

void CommandsTest::menusFollowANewNamingMode() {
    QVERIFY(findAction(main_.get(), "คู่โต๊ด"));
    main_->setKindNamingMode(2);
    QVERIFY(!findAction(main_.get(), "คู่โต๊ด"));
    QVERIFY(findAction(main_.get(), "เลข2ตัวx"));
    QVERIFY(!findAction(main_.get(), "หัว3ตัว")->isVisible());
    QVERIFY(findAction(main_.get(), "หัว3ตัวโต๊ด")->isVisible());
    QVERIFY(findAction(main_.get(), "กลุ่ม5ตัว")->isVisible());
    main_->setKindNamingMode(1);
    QVERIFY(findAction(main_.get(), "หัว3ตัว")->isVisible());
    QVERIFY(!findAction(main_.get(), "กลุ่ม4ตัว")->isVisible());
    // One set of menus, not one per mode.
    int runCommands = 0;
    for (QAction* action : main_->findChildren<QAction*>())
        runCommands += action->text() == "(13) Run 00-99 บน";
    QCOMPARE(runCommands, 1);
}

void CommandsTest::rolesNeedTheCodeAndEndTheProgram() {
    const QString before = SettingsRecord(main_->own()).text(Cstr::cstr2);
    Dialogs::setNextText("4321");
    findAction(main_.get(), "(5) Reset-to-Lan")->trigger();
    QCOMPARE(Dialogs::last().text, QString("รหัสไม่ถูกต้อง"));
    QCOMPARE(SettingsRecord(main_->own()).text(Cstr::cstr2), before);
    QVERIFY(!main_->hasEnded());

    Dialogs::setNextText("1234");
    Dialogs::setNextText("192.168.0.9");
    findAction(main_.get(), "(5) Reset-to-Lan")->trigger();
    QCOMPARE(Dialogs::last().text, QString("ResetTo_Lan_Ok"));
    QVERIFY(main_->hasEnded());
    std::unique_ptr<Database> db = Database::openFile(dir_->path() + "/db/tabulox.mde");
    SettingsRecord settings(*db);
    QCOMPARE(settings.text(Cstr::cstr2), QString("\\\\192.168.0.9"));
    QCOMPARE(settings.text(Cstr::tran), QString("1"));
    QCOMPARE(settings.text(Backc::back6), QString("0"));
    QCOMPARE(settings.text(Backc::back22), QString("200"));

    // The computer named server cannot become a station.
    main_.reset();
    platform_->name = "SERVER";
    main_ = std::make_unique<Tmain>(dir_->path() + "/tabulox");
    QVERIFY(!findAction(main_.get(), "(5) Reset-to-Lan")->isEnabled());
    main_->closeWithoutAsking();
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
        QAction* action = findAction(main_.get(), QString::fromUtf8(command));
        QVERIFY2(action && action->isEnabled(), command);
        action->trigger();
        action->trigger();
        QCOMPARE(main_->mdi()->findChildren<QWidget*>(form).size(), 1);
        QCOMPARE(main_->mdi()->activeSubWindow()->widget()->objectName(), QString(form));
    }
    QVERIFY(Dialogs::asked().isEmpty());
}

TABULOX_TEST(CommandsTest)
#include "commands_test.moc"
