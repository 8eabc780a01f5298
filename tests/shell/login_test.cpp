#include "common/settings.h"
#include "platform/fakeplatform.h"
#include "shell/gui/tlogin2.h"
#include "shell/gui/tmain.h"
#include "store/database.h"
#include "support/testmain.h"
#include "ui/dialogs.h"

#include <QFileInfo>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>

class LoginTest : public testing::Test {
    Q_OBJECT
private slots:
    void init();
    void freshFolderIsPrepared();
    void lowDiskWarnsAfterTheFirstCopy();
    void wrongThenRightPassword();
    void closingTheLoginFormEndsWithoutAsking();
    void exitQuestion();
    void ctrlQEndsAtOnce();
    void secondInstanceEndsBoth();
    void damagedDatabase();
    void ticksContinueAcrossRuns();
    void serverNamedComputer();
    void changePassword();

private:
    std::unique_ptr<QTemporaryDir> dir_;
    FakePlatform* platform_ = nullptr;
    QString exe() const { return dir_->path() + "/tabulox"; }
};

void LoginTest::init() {
    testing::Test::init();
    dir_ = std::make_unique<QTemporaryDir>();
    platform_ = &testing::freshPlatform();
}

void LoginTest::freshFolderIsPrepared() {
    Tmain main(exe());
    main.show();
    const QString folder = dir_->path() + "/";
    QVERIFY(QFileInfo::exists(folder + "db/tabulox.mde"));
    QVERIFY(QFileInfo::exists(folder + "db/tabuloxbackup.mde"));
    QVERIFY(QFileInfo::exists(folder + "sound/enter.wav"));
    QVERIFY(QFileInfo::exists(folder + "sound/9.wav"));
    QCOMPARE(main.run().programFileName, QString("tabulox"));
    QCOMPARE(main.panelText(4), QString("Name=TESTPC"));
    QCOMPARE(main.panelText(0), QString("Ip= 127.0.0.1"));
    QCOMPARE(main.panelText(5), QString("DiskFree=100.00GB"));
    QCOMPARE(SettingsRecord(main.own()).text(Cstr::cstr2), folder);
    QVERIFY(!main.isEnabled());
    QVERIFY(Dialogs::asked().isEmpty());
}

// A shown warning holds the start until it is closed: the book's first copy is made before it.
void LoginTest::lowDiskWarnsAfterTheFirstCopy() {
    platform_->freeKb = 19e6;
    const QString copy = dir_->path() + "/db/tabuloxbackup.mde";
    bool copiedBefore = false;
    Dialogs::setWhenAsked([&](const Dialogs::Asked& asked) {
        if (asked.text == QStringLiteral("พื้นที่Diskต่ำกว่า20GB กรุณาลบข้อมูล"))
            copiedBefore = QFileInfo::exists(copy);
    });
    Tmain main(exe());
    main.show();
    QCOMPARE(Dialogs::last().text, QStringLiteral("พื้นที่Diskต่ำกว่า20GB กรุณาลบข้อมูล"));
    QVERIFY(copiedBefore);
    QCOMPARE(main.panelText(5), QString("DiskFree=19.00GB"));
}

void LoginTest::wrongThenRightPassword() {
    Tmain main(exe());
    main.show();
    QPointer<Tlogin2> login = main.openLogin();
    login->show();
    QVERIFY(login->windowTitle().endsWith("-Login"));
    auto* edit = login->findChild<QLineEdit*>("Edit1");
    edit->clear();
    QTest::keyClicks(edit, "9999");
    QTest::keyClick(edit, Qt::Key_Return);
    QCOMPARE(Dialogs::last().text, QString("Passwordไม่ถูกต้อง"));
    QVERIFY(!main.isEnabled());
    QVERIFY(!login->loggedIn());

    // The proposed text is the password of a new database: Enter logs in.
    edit->clear();
    QTest::keyClicks(edit, "1234");
    QTest::keyClick(edit, Qt::Key_Return);
    QVERIFY(main.isEnabled());
    QVERIFY(login->loggedIn());
    login->onFreeTimer();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(login.isNull());
    QVERIFY(platform_->endedPrograms.isEmpty());
}

void LoginTest::closingTheLoginFormEndsWithoutAsking() {
    Tmain main(exe());
    main.show();
    auto* login = main.openLogin();
    login->show();
    login->close();
    QVERIFY(main.hasEnded());
    QCOMPARE(platform_->endedPrograms, QStringList{exe()});
    QVERIFY(QFileInfo::exists(dir_->path() + "/dbcompact/compact.mde"));
    for (const Dialogs::Asked& asked : Dialogs::asked())
        QVERIFY(asked.kind != "question");
}

void LoginTest::exitQuestion() {
    Tmain main(exe());
    main.show();
    main.own().exec("INSERT INTO cusexe (cusid) VALUES ('x')");
    for (int i = 0; i < 7; ++i)
        main.onTimer1();
    Dialogs::setNextAnswer(false);
    QVERIFY(!main.close());
    QCOMPARE(Dialogs::last().text, QString("คุณจะออกจากโปรแกรมหรือไม่ ?"));
    QVERIFY(!main.hasEnded());
    Dialogs::setNextAnswer(true);
    QVERIFY(main.close());
    QVERIFY(main.hasEnded());
    QVERIFY(QFileInfo::exists(dir_->path() + "/dbcompact/compact.mde"));
    std::unique_ptr<Database> db = Database::openFile(dir_->path() + "/db/tabulox.mde");
    QCOMPARE(SettingsRecord(*db).text(Backc::back2), QString("7"));
    QCOMPARE(db->scalar("SELECT count(*) FROM cusexe").toInt(), 0);
}

void LoginTest::ctrlQEndsAtOnce() {
    Tmain main(exe());
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    // From any window of the desktop, the login form still open.
    QVERIFY(platform_->press(Qt::Key_Q));
    QVERIFY(main.hasEnded());
    QCOMPARE(platform_->endedPrograms, QStringList{exe()});
    QVERIFY(!QFileInfo::exists(dir_->path() + "/dbcompact/compact.mde"));
    QVERIFY(Dialogs::asked().isEmpty());
}

void LoginTest::secondInstanceEndsBoth() {
    platform_->sameProgramRunning = 2;
    Tmain main(exe());
    main.show();
    Tlogin2* login = main.openLogin();
    QVERIFY(!login->isUsable());
    QCOMPARE(platform_->counted, QStringList{exe()});
    QCOMPARE(Dialogs::last().text, QString("โปรแกรมเปิดมากกว่า1จอ ต้องปิดก่อน"));
    QCOMPARE(platform_->endedPrograms, QStringList{exe()});
}

void LoginTest::damagedDatabase() {
    QDir().mkpath(dir_->path() + "/db");
    QFile file(dir_->path() + "/db/tabulox.mde");
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(QByteArray(8192, 'x'));
    file.close();
    Tmain main(exe());
    QVERIFY(main.isDamaged());
    QVERIFY(Dialogs::last().text.startsWith(
        QString("ฐานข้อมูลมีปัญหาต้องกด Repair1  เพื่อซ่อมแซมโดยMsAccess2010\n")));
    QCOMPARE(platform_->opened, QStringList{dir_->path() + "/db"});
    QCOMPARE(platform_->endedPrograms, QStringList{exe()});
}

void LoginTest::ticksContinueAcrossRuns() {
    {
        Tmain main(exe());
        for (int i = 0; i < 12; ++i)
            main.onTimer1();
        main.closeWithoutAsking();
    }
    Tmain main(exe());
    QCOMPARE(main.panelText(6), QString("12"));
    for (int i = 0; i < 18; ++i)
        main.onTimer1();
    QCOMPARE(main.panelText(6), QString("30"));
    // Written off the window's thread.
    main.desk().copies().waitForDone();
    QVERIFY(QFileInfo::exists(dir_->path() + "/dbautotime/AutoTime005.mde"));
}

void LoginTest::serverNamedComputer() {
    {
        Tmain first(exe());
        SettingsRecord settings(first.own());
        settings.set(Cstr::cstr2, "//OTHER/");
        settings.set(Cstr::tran, "1");
    }
    platform_->name = "server";
    platform_->freeKb = 5e6;
    Tmain main(exe());
    SettingsRecord settings(main.own());
    QCOMPARE(settings.text(Cstr::cstr2), dir_->path() + "/");
    QCOMPARE(settings.text(Cstr::tran), QString("0"));
    QCOMPARE(Dialogs::last().text, QString("พื้นที่Diskต่ำกว่า20GB กรุณาลบข้อมูล"));
    QCOMPARE(platform_->beeps, 1);
    // The timer warns again with a beep, but the box is not shown again within the hour.
    const int boxes = Dialogs::asked().size();
    main.onTimer1();
    main.onTimer1();
    QCOMPARE(platform_->beeps, 3);
    QCOMPARE(Dialogs::asked().size(), boxes);
}

void LoginTest::changePassword() {
    Tmain main(exe());
    main.resize(1200, 800);
    main.show();
    main.loggedIn();
    main.openChangePassword();
    auto* window = main.findChild<QWidget*>("Tchangepass");
    QVERIFY(window);
    // Centred over the frame, not in a corner.
    auto* frame = qobject_cast<QMdiSubWindow*>(window->parentWidget());
    QVERIFY(frame);
    const QPoint offCentre = frame->geometry().center() - main.mdi()->rect().center();
    QVERIFY2(offCentre.manhattanLength() < 40,
             qPrintable(QString::number(offCentre.manhattanLength())));
    auto* oldEdit = window->findChild<QLineEdit*>("Edit1");
    auto* newEdit = window->findChild<QLineEdit*>("Edit2");
    oldEdit->setText("0000");
    newEdit->setText("abc");
    window->findChild<QPushButton*>()->click();
    QCOMPARE(Dialogs::last().text, QString("รหัสผ่านเดิมไม่ถูกต้อง"));
    QCOMPARE(Dialogs::last().title, QString("โปรตรวจสอบอีกครั้ง"));
    oldEdit->setText("1234");
    window->findChild<QPushButton*>()->click();
    QCOMPARE(Dialogs::last().text, QString("เปลี่ยนรหัสผ่านสำเร็จรหัสใหม่ของคุณคือabc"));
    QCOMPARE(SettingsRecord(main.own()).text(Pass::pass), QString("38766"));
    // No empty frame stays behind.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    for (QMdiSubWindow* left : main.mdi()->subWindowList())
        QVERIFY(left->widget() && left->widget()->objectName() != "Tchangepass");
    QCOMPARE(main.mdi()->subWindowList().size(), 1); // the entry form
}

TABULOX_TEST(LoginTest)
#include "login_test.moc"
