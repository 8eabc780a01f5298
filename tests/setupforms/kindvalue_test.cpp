#include "common/settings.h"
#include "cutting/gui/tcu3.h"
#include "entry/gui/tfminput.h"
#include "entry/recorder.h"
#include "settlement/gui/tchange.h"
#include "shell/gui/tmain.h"
#include "store/database.h"
#include "support/shop.h"
#include "support/tempbook.h"
#include "support/testmain.h"
#include "ui/dialogs.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>

using testing::findAction;

// The kind-limit and pay-rate windows, driven as a bookmaker sets up his shop.
class KindValueFormTest : public testing::Test {
    Q_OBJECT
private slots:
    void cleanup();
    void limitSavedReachesTheEntryForm();
    void limitChangedElsewhereShowsAtTheNextTick();
    void nothingChosenOrNotWholeWritesNothing();
    void headNamesRelabelOnlyThreeKinds();
    void redWarningSwitch();
    void ratesSheetItemsAndSelfClose();

private:
    void start(int namingMode = 0);
    template <typename W> W* open(const char* command) {
        findAction(shop_->main.get(), QString::fromUtf8(command))->trigger();
        return shop_->main->findChild<W*>();
    }
    QString label(QWidget* form, int column) {
        return form->findChild<QLabel*>(QStringLiteral("Label%1").arg(column + 1))->text();
    }
    void choose(QWidget* form, int item, const QString& value) {
        form->findChild<QComboBox*>("c1")->setCurrentIndex(item);
        form->findChild<QLineEdit*>("e1")->setText(value);
        form->findChild<QPushButton*>("BitBtn1")->click();
    }
    QString stored(const QString& sql) { return rowsOf(shop_->main->own(), sql).value(0); }

    std::unique_ptr<testing::Shop> shop_;
};

void KindValueFormTest::start(int namingMode) {
    std::function<void(SettingsRecord&)> setUp;
    if (namingMode != 0)
        setUp = [namingMode](SettingsRecord& s) {
            s.set(Backc::back13, QString::number(namingMode));
        };
    shop_ = std::make_unique<testing::Shop>(setUp);
}

void KindValueFormTest::cleanup() {
    if (shop_)
        shop_->main->closeWithoutAsking();
    shop_.reset();
    testing::Test::cleanup();
}

void KindValueFormTest::limitSavedReachesTheEntryForm() {
    start();
    Recorder(shop_->main->entryForm()->bets()).recordLine({{"123", Kind::h3, 10}}, "A");
    shop_->main->entryForm()->colourTotals();
    QLabel* total = shop_->main->entryForm()->findChild<QLabel*>("total_h3");
    QVERIFY(total);
    QCOMPARE(total->property("overLimit").toBool(), false);

    Tcu3* form = open<Tcu3>("12.การอั้นแบบรวม");
    QVERIFY(form);
    QCOMPARE(form->windowTitle(), QString("ตั้งค่าการอั้น"));
    choose(form, 0, "5");
    QCOMPARE(Dialogs::last().text, QString("บันทึกค่าเรียบร้อย"));
    QCOMPARE(label(form, 0), QString("3ตัวบน=5"));
    QCOMPARE(stored("SELECT h3 FROM change2"), QString("5"));
    QCOMPARE(total->property("overLimit").toBool(), true);
    // A second use of the command brings the same window to the front.
    QCOMPARE(open<Tcu3>("12.การอั้นแบบรวม"), form);
    QCOMPARE(shop_->main->findChildren<Tcu3*>().size(), 1);
}

void KindValueFormTest::limitChangedElsewhereShowsAtTheNextTick() {
    start();
    Tcu3* form = open<Tcu3>("12.การอั้นแบบรวม");
    auto other = Database::openFile(shop_->dir.path() + "/db/tabulox.mde");
    other->exec("UPDATE change2 SET l2 = '777'");
    form->onRefreshTick();
    QCOMPARE(label(form, static_cast<int>(Kind::l2)), QString("2ตัวล่าง=777"));
}

void KindValueFormTest::nothingChosenOrNotWholeWritesNothing() {
    start();
    const QString before = rowsOf(shop_->main->own(), "SELECT * FROM change2").value(0);
    Tcu3* form = open<Tcu3>("12.การอั้นแบบรวม");
    form->findChild<QPushButton*>("BitBtn1")->click();
    QCOMPARE(Dialogs::last().kind, QString("warning"));
    QCOMPARE(Dialogs::last().text, QString("กรุณาเลือกข้อมูลก่อนบันทึกค่า"));
    choose(form, 2, "12.5");
    QCOMPARE(Dialogs::last().kind, QString("warning"));
    QCOMPARE(rowsOf(shop_->main->own(), "SELECT * FROM change2").value(0), before);
    // Clicking into the value box empties it.
    QLineEdit* e1 = form->findChild<QLineEdit*>("e1");
    QTest::mouseClick(e1, Qt::LeftButton);
    QCOMPARE(e1->text(), QString());
}

void KindValueFormTest::headNamesRelabelOnlyThreeKinds() {
    start(1);
    Tcu3* form = open<Tcu3>("12.การอั้นแบบรวม");
    QVERIFY(label(form, static_cast<int>(Kind::t2)).startsWith("หัว2ตัว="));
    QVERIFY(label(form, static_cast<int>(Kind::h4)).startsWith("หัว3ตัวโต๊ด="));
    QVERIFY(label(form, static_cast<int>(Kind::h5)).startsWith("หัว3ตัว="));
    QVERIFY(label(form, static_cast<int>(Kind::l2)).startsWith("2ตัวล่าง="));
    QComboBox* c1 = form->findChild<QComboBox*>("c1");
    QCOMPARE(c1->itemText(4), QString("หัว2ตัว"));
    choose(form, 4, "44");
    QCOMPARE(stored("SELECT t2 FROM change2"), QString("44"));
    // The totals menu follows the head names too.
    QVERIFY(findAction(shop_->main.get(), "หัว2ตัวหน้า"));
    QVERIFY(findAction(shop_->main.get(), "หัว3ตัว")->isVisible());
    QVERIFY(!findAction(shop_->main.get(), "กลุ่ม5ตัว")->isVisible());
}

void KindValueFormTest::redWarningSwitch() {
    start();
    Tcu3* form = open<Tcu3>("12.การอั้นแบบรวม");
    QCheckBox* box = form->findChild<QCheckBox*>("chkcolor");
    QCOMPARE(box->text(), QString(" แจ้งเตือน สีแดง ตัวเลข"));
    QVERIFY(!box->isChecked());
    box->click();
    QCOMPARE(stored("SELECT back26 FROM backc"), QString("1"));
    QVERIFY(form->redWarning());
    box->click();
    QCOMPARE(stored("SELECT back26 FROM backc"), QString("0"));
    QVERIFY(!form->redWarning());
}

void KindValueFormTest::ratesSheetItemsAndSelfClose() {
    start();
    QPointer<Tchange> form = open<Tchange>("4.ตั้งอัตราการจ่ายแบบรวม");
    QVERIFY(form);
    QCOMPARE(form->windowTitle(), QString("ตั้งอัตราการจ่ายแบบรวม"));
    QComboBox* c1 = form->findChild<QComboBox*>("c1");
    QCOMPARE(c1->count(), 12);
    QCOMPARE(c1->itemText(11), QString("ใบ2ตัวล่าง"));
    QStringList labels;
    for (int i = 0; i < 10; ++i)
        labels << label(form, i);
    choose(form, 10, "65");
    QCOMPARE(stored("SELECT hb FROM change"), QString("65"));
    for (int i = 0; i < 10; ++i)
        QCOMPARE(label(form, i), labels.at(i));
    choose(form, 0, "850");
    QCOMPARE(label(form, 0), QString("3ตัวบน=850"));

    // An open message box is answered before the window closes itself.
    {
        QMessageBox box(form);
        box.setWindowModality(Qt::ApplicationModal);
        box.show();
        form->onCloseTimer();
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(form);
    }
    form->onCloseTimer();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QVERIFY(!form);
    // A new opening has nothing chosen, whatever the last one chose.
    form = open<Tchange>("4.ตั้งอัตราการจ่ายแบบรวม");
    QCOMPARE(form->chosen(), -1);
    form->findChild<QPushButton*>("BitBtn1")->click();
    QCOMPARE(stored("SELECT h3 FROM change"), QString("850"));
}

TABULOX_TEST(KindValueFormTest)
#include "kindvalue_test.moc"
