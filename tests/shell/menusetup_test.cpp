#include "common/settings.h"
#include "entry/gui/tfminput.h"
#include "platform/fakeplatform.h"
#include "shell/gui/tmain.h"
#include "shell/gui/tmenusetup.h"
#include "store/database.h"
#include "support/shop.h"
#include "support/testmain.h"
#include "ui/dialogs.h"

#include <QCheckBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>

namespace {
// A click on the box or the text, where a clerk would click.
void click(QAbstractButton* button) {
    QVERIFY(button);
    QTest::mouseClick(button, Qt::LeftButton, {}, QPoint(6, button->height() / 2));
}

// Typing as a clerk does; QTest::keyClicks knows only ASCII.
void type(QWidget* widget, const QString& text) {
    for (QChar c : text)
        QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

bool wasSaid(const QString& text) {
    for (const Dialogs::Asked& asked : Dialogs::asked()) {
        if (asked.text == text)
            return true;
    }
    return false;
}
} // namespace

class MenuSetupTest : public testing::Test {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void openingShowsTheStoredMenuSilently();
    void headPageGoesWithHeadNames();
    void twoDigitXNamesLeaveTheHeadPage();
    void savedMenuSurvivesReopening();
    void digitSortingIsWrittenAtOnce();
    void failedSaveWritesNothing();

private:
    Tmenusetup* open();
    template <typename T> T* part(const char* name) {
        T* found = window_ ? window_->findChild<T*>(QString::fromLatin1(name)) : nullptr;
        return found;
    }
    QCheckBox* box(const char* name) { return part<QCheckBox>(name); }
    QRadioButton* radio(const char* name) { return part<QRadioButton>(name); }
    QString stored(Emenu field) { return SettingsRecord(shop_->main->own()).text(field); }
    QString stored(Backc field) { return SettingsRecord(shop_->main->own()).text(field); }
    void save() { part<QPushButton>("BitBtn1")->click(); }

    std::unique_ptr<testing::Shop> shop_;
    QPointer<Tmenusetup> window_;
};

void MenuSetupTest::init() {
    testing::Test::init();
    shop_ = std::make_unique<testing::Shop>();
    QVERIFY(QTest::qWaitForWindowExposed(shop_->main.get()));
}

void MenuSetupTest::cleanup() {
    shop_->main->closeWithoutAsking();
    shop_.reset();
    testing::Test::cleanup();
}

Tmenusetup* MenuSetupTest::open() {
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    shop_->main->openMenuSetup();
    window_ = shop_->main->findChild<Tmenusetup*>();
    return window_;
}

void MenuSetupTest::openingShowsTheStoredMenuSilently() {
    SettingsRecord settings(shop_->main->own());
    settings.set(Emenu::f3, "0");
    settings.set(Emenu::f5t, "ห้าตัว");
    settings.set(Emenu::t4, "0");
    settings.set(Emenu::t3, "0");
    settings.set(Backc::back10, "4");
    settings.set(Backc::back13, "1");
    settings.set(Backc::back5, "1");
    Dialogs::clear();

    QVERIFY(open());
    QCOMPARE(window_->windowTitle(), QString("ตั้งค่าการแสดงเมนู"));
    QVERIFY(Dialogs::asked().isEmpty());
    QVERIFY(!box("CheckBox3")->isChecked());
    QVERIFY(box("CheckBox81")->isChecked());
    QVERIFY(box("CheckBox100")->isChecked());
    QCOMPARE(part<QLineEdit>("Edit5")->text(), QString("ห้าตัว"));
    QCOMPARE(part<QLineEdit>("Edit10")->text(), QString("รวมล่าง"));
    QCOMPARE(box("CheckBox8")->text(), QString("ชุด"));
    QCOMPARE(box("CheckBox9")->text(), QString("หัว"));
    QCOMPARE(box("CheckBox10")->text(), QString("หุ้น"));
    QCOMPARE(box("CheckBox11")->text(), QString("ปกติ"));
    QVERIFY(!box("CheckBox10")->isChecked());
    QVERIFY(radio("RadioButton4")->isChecked());
    QCOMPARE(radio("RadioButton4")->text(), QString("2บนกลับ-3ตรงชุด(F4)"));
    QVERIFY(radio("r2item1")->isChecked());
    QVERIFY(box("f2c")->isChecked());
    // The head names bring the head page with them, already at the opening.
    QVERIFY(box("CheckBox9")->isChecked());
    QCOMPARE(stored(Emenu::t3), QString("1"));
    // The entry form stays behind the set-up window.
    QCOMPARE(shop_->main->mdi()->subWindowList().size(), 2);
}

void MenuSetupTest::headPageGoesWithHeadNames() {
    QPointer<Tfminput> oldForm = shop_->main->entryForm();
    QVERIFY(oldForm);
    QVERIFY(open());
    Dialogs::clear();
    click(box("CheckBox9"));
    QVERIFY(radio("r2item1")->isChecked());
    QCOMPARE(Dialogs::last().text, QString("เปิดเมนูการป้อนเลขหัวเรียบร้อย"));
    save();
    QVERIFY(wasSaid("ตั้งค่าเรียบร้อย"));
    QCOMPARE(stored(Backc::back13), QString("1"));
    QCOMPARE(stored(Emenu::t3), QString("1"));

    // Saving closed the window and put a new entry form in place of the old one.
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(window_.isNull());
    QVERIFY(oldForm.isNull());
    QVERIFY(shop_->main->entryForm());
    QCOMPARE(shop_->main->mdi()->subWindowList().size(), 1);

    // Unticking the head page goes back to the group names.
    QVERIFY(open());
    QVERIFY(box("CheckBox9")->isChecked());
    Dialogs::clear();
    click(box("CheckBox9"));
    QVERIFY(radio("r2item0")->isChecked());
    QCOMPARE(Dialogs::last().text, QString("เปิดเมนูการป้อนเลขกลุ่มเรียบร้อย"));
    QCOMPARE(stored(Backc::back13), QString("0"));
    QCOMPARE(stored(Emenu::t3), QString("0"));
}

void MenuSetupTest::twoDigitXNamesLeaveTheHeadPage() {
    SettingsRecord(shop_->main->own()).set(Backc::back13, "1");
    QVERIFY(open());
    QVERIFY(box("CheckBox9")->isChecked());
    Dialogs::clear();
    click(radio("r2item2"));
    // Unticking the head page here must not pull the mode back to the group names.
    QVERIFY(radio("r2item2")->isChecked());
    QVERIFY(!box("CheckBox9")->isChecked());
    QCOMPARE(Dialogs::asked().size(), 1);
    QCOMPARE(Dialogs::last().text, QString("เปิดเมนูการป้อนเลข2ตัวxเรียบร้อย"));
    QCOMPARE(stored(Backc::back13), QString("2"));
    QCOMPARE(stored(Emenu::t3), QString("0"));
    save();
    QCOMPARE(stored(Backc::back13), QString("2"));
    QCOMPARE(stored(Emenu::t3), QString("0"));
}

void MenuSetupTest::savedMenuSurvivesReopening() {
    QVERIFY(open());
    QLineEdit* edit1 = part<QLineEdit>("Edit1");
    edit1->setFocus();
    QTest::keyClick(edit1, Qt::Key_A, Qt::ControlModifier);
    type(edit1, "ชุด\"พิเศษ'");
    click(box("CheckBox2"));
    click(box("CheckBox10"));
    click(radio("RadioButton7"));
    save();
    QCOMPARE(stored(Emenu::f1t), QString("ชุด\"พิเศษ'"));
    QCOMPARE(stored(Emenu::f2), QString("0"));
    QCOMPARE(stored(Emenu::f1), QString("1"));
    QCOMPARE(stored(Emenu::t4), QString("0"));
    QCOMPARE(stored(Emenu::t1), QString("1"));
    QCOMPARE(stored(Emenu::f10t), QString("รวมล่าง"));
    QCOMPARE(stored(Backc::back10), QString("7"));

    QVERIFY(open());
    QCOMPARE(part<QLineEdit>("Edit1")->text(), QString("ชุด\"พิเศษ'"));
    QVERIFY(!box("CheckBox2")->isChecked());
    QVERIFY(box("CheckBox7")->isChecked());
    QVERIFY(!box("CheckBox10")->isChecked());
    QVERIFY(box("CheckBox8")->isChecked());
    QVERIFY(radio("RadioButton7")->isChecked());
    QVERIFY(!radio("RadioButton2")->isChecked());
}

void MenuSetupTest::digitSortingIsWrittenAtOnce() {
    QVERIFY(open());
    auto* entrySorting = shop_->main->entryForm()->findChild<QCheckBox*>("f2c");
    QVERIFY(entrySorting);
    QVERIFY(!box("f2c")->isChecked());
    Dialogs::clear();
    click(box("f2c"));
    QCOMPARE(stored(Backc::back5), QString("1"));
    QCOMPARE(Dialogs::last().text, QString("แยกกลุ่มตัวโต๊ด"));
    QVERIFY(entrySorting->isChecked());
    click(box("f2c"));
    QCOMPARE(stored(Backc::back5), QString("0"));
    QCOMPARE(Dialogs::last().text, QString("รวมกลุ่มตัวโต๊ด"));
    QVERIFY(!entrySorting->isChecked());
    // The entry form's box followed silently: one message per click.
    QCOMPARE(Dialogs::asked().size(), 2);
}

void MenuSetupTest::failedSaveWritesNothing() {
    QVERIFY(open());
    part<QLineEdit>("Edit3")->setText("ใหม่");
    click(box("CheckBox1"));
    // The last write of the save (back10) fails.
    shop_->main->own().exec("ALTER TABLE backc RENAME TO backc_gone");
    Dialogs::clear();
    save();
    QCOMPARE(Dialogs::last().kind, QString("warning"));
    QVERIFY(!wasSaid("ตั้งค่าเรียบร้อย"));
    QVERIFY(!window_.isNull());
    shop_->main->own().exec("ALTER TABLE backc_gone RENAME TO backc");
    QCOMPARE(stored(Emenu::f3t), QString("3ตัวล่าง-วิ่ง-คู่โต๊ด"));
    QCOMPARE(stored(Emenu::f1), QString("1"));
}

TABULOX_TEST(MenuSetupTest)
#include "menusetup_test.moc"
