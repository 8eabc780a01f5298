#include "common/settings.h"
#include "entry/gui/tfminput.h"
#include "platform/fakeplatform.h"
#include "shell/gui/tmain.h"
#include "store/database.h"
#include "support/entryshop.h"
#include "support/shop.h"
#include "support/tempbook.h"
#include "support/testmain.h"
#include "ui/datagrid.h"
#include "ui/dialogs.h"

#include <QCheckBox>
#include <QClipboard>
#include <QComboBox>
#include <QGuiApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlTableModel>
#include <QTableView>

namespace {
using Shop = testing::EntryShop;
} // namespace

class EntryFormTest : public testing::Test {
    Q_OBJECT
private slots:
    void topAndTodLine();
    void noModeWarnsAndF9Widens();
    void arrowMenu();
    void lengthAndClosedNumbers();
    void inputLimit();
    void inputLimitPastThirtyTwoBits();
    void sheetForACustomer();
    void autorunSteps();
    void badStakeIsRefused();
    void thaiAndPastedDigits();
    void lineWithoutBetsIsSaid();
    void gridShowsTheNewestRows();
    void threeStakeF7();
    void nameWarning();
};

void EntryFormTest::topAndTodLine() {
    Shop shop;
    QVERIFY(shop.form());
    QVERIFY(shop.text("Label1").startsWith("เมนูเริ่มต้น==>>"));
    shop.key(Qt::Key_F2);
    shop.line("123", {"10", "5"});
    QCOMPARE(shop.book(), (QStringList{"123|10|0|0|h3", "123|0|5|0|t3"}));
    QCOMPARE(shop.book("tballcus"), shop.book());
    QCOMPARE(rowsOf(shop.db(), "SELECT s FROM tblog"), QStringList{"2"});
    QCOMPARE(shop.text("Label4"), QString("ป้อน123สำเร็จ"));
    QCOMPARE(shop.form()->findChild<QLabel*>("total_h3")->text(), QString("10"));
    QCOMPARE(shop.form()->findChild<QLabel*>("total_t3")->text(), QString("5"));
    QCOMPARE(shop.text("lsum"), QString("15"));
    QCOMPARE(shop.text("Label16"), QString("2"));
    // The number stays, selected: the next one replaces it.
    QCOMPARE(shop.edit("num")->selectedText(), QString("123"));
    QCOMPARE(shop.form()->focusWidget(), shop.edit("num"));
    shop.line("456", {"20", "0"});
    QCOMPARE(shop.book().size(), 3);
    QCOMPARE(shop.book().last(), QString("456|20|0|0|h3"));
}

void EntryFormTest::noModeWarnsAndF9Widens() {
    Shop shop;
    shop.form()->showPage(Tfminput::NormalPage);
    QVERIFY(!shop.form()->hasMode());
    QTest::keyClicks(shop.edit("num"), "1");
    QCOMPARE(Dialogs::last().text, QString("กรุณาเลือกชนิดของการป้อนข้อมูลโดยการกดF1-F9หรือกดลูกศรขึ้น-ลง"));
    QCOMPARE(shop.platform->beeps, 1);
    shop.key(Qt::Key_F9);
    QCOMPARE(shop.form()->mode(), NormalMode::F9);
    QCOMPARE(shop.edit("n1")->width(), 425);
    shop.line("7", {"10*20"});
    QCOMPARE(shop.book().size(), 38);
    // q and w switch pages and never reach the number.
    shop.key(Qt::Key_W);
    QCOMPARE(shop.form()->page(), Tfminput::SetPage);
    shop.key(Qt::Key_Q);
    QCOMPARE(shop.form()->page(), Tfminput::NormalPage);
    QCOMPARE(shop.edit("num")->text(), QString("7"));
}

void EntryFormTest::arrowMenu() {
    Shop shop;
    shop.form()->showPage(Tfminput::NormalPage);
    shop.key(Qt::Key_Up);
    QCOMPARE(shop.form()->arrowPosition(), 3);
    QCOMPARE(shop.text("Label1"), QString("(เมนู3)All In One(F9)"));
    for (int i = 0; i < 6; ++i)
        shop.key(Qt::Key_Up);
    QCOMPARE(shop.form()->arrowPosition(), 8);
    QVERIFY(shop.text("Label1").startsWith("(เมนู8)3ตัวชุด-กลุ่ม"));
    shop.key(Qt::Key_PageDown);
    QCOMPARE(shop.form()->arrowPosition(), 2);
    shop.key(Qt::Key_Down);
    shop.key(Qt::Key_Down);
    QCOMPARE(shop.form()->arrowPosition(), 1);
    shop.line("123", {"7"});
    QCOMPARE(shop.book(), QStringList{"123|0|7|0|t3"});
    shop.key(Qt::Key_F1);
    QCOMPARE(shop.form()->arrowPosition(), 0);
}

void EntryFormTest::lengthAndClosedNumbers() {
    Shop shop([](SettingsRecord& s) { s.set(Backc::back23, "1"); });
    shop.db().exec("INSERT INTO numlimit2 (num, codeins) VALUES ('321', 'h3')");
    shop.key(Qt::Key_F2);
    shop.type("num", "1234");
    QCOMPARE(Dialogs::last().text, QString("คุณป้อนข้อมูลไม่ถูกต้องป้อนเลข 3 ตัวเท่านั้น"));
    QCOMPARE(shop.form()->focusWidget(), shop.edit("num"));
    shop.key(Qt::Key_F1);
    shop.type("num", "123");
    QCOMPARE(Dialogs::last().text, QString("321 บนเป็นเลขปิดรับ"));
    QCOMPARE(shop.edit("num")->text(), QString());
    shop.db().exec("DELETE FROM numlimit2");
    shop.db().exec("INSERT INTO numlimit2 (num, codeins) VALUES ('123', 'h3')");
    shop.type("num", "123");
    QCOMPARE(Dialogs::last().text, QString("123 บนเป็นเลข ปิดรับ"));
    QVERIFY(shop.book().isEmpty());
}

void EntryFormTest::inputLimit() {
    Shop shop([](SettingsRecord& s) { s.set(InputLimit::l1, "500"); });
    shop.key(Qt::Key_F3);
    shop.line("12", {"600"});
    QCOMPARE(Dialogs::last().text, QString("คุณป้อนข้อมูลเกิน500"));
    QVERIFY(shop.book().isEmpty());
    shop.line("5", {"600"});
    QCOMPARE(shop.book(), QStringList{"5|0|0|600|l1"});
    shop.key(Qt::Key_F9);
    shop.line("12", {"600"});
    QCOMPARE(shop.book().last(), QString("12|600|0|0|h2"));
    const int recorded = shop.book().size();
    const QString over = "คุณป้อนข้อมูลเกิน500";

    // A stake typed in num goes onto two-digit numbers: held to the limit, and left to mend.
    shop.form()->showPage(Tfminput::StockPage);
    for (Qt::Key key : {Qt::Key_F1, Qt::Key_F6, Qt::Key_F7}) {
        shop.key(key);
        Dialogs::clear();
        shop.type("num", "700");
        QCOMPARE(Dialogs::last().text, over);
        QCOMPARE(shop.edit("num")->text(), QString("700"));
    }
    shop.key(Qt::Key_F3);
    shop.type("num", "5");
    Dialogs::clear();
    shop.type("n1", "600");
    QCOMPARE(Dialogs::last().text, over);
    // One digit spread onto its two-digit numbers: the doors, the runs.
    shop.key(Qt::Key_F5);
    shop.line("3", {"600"});
    QCOMPARE(Dialogs::last().text, over);
    shop.key(Qt::Key_F2);
    shop.line("3", {"10", "600"});
    QCOMPARE(Dialogs::last().text, over);
    shop.key(Qt::Key_W);
    shop.click("f19");
    shop.line("3", {"600", "10"});
    QCOMPARE(Dialogs::last().text, over);
    QCOMPARE(shop.form()->focusWidget(), shop.edit("num"));
    shop.form()->showPage(Tfminput::NormalPage);
    shop.key(Qt::Key_F10);
    shop.line("3", {"*600"});
    QCOMPARE(Dialogs::last().text, over);
    QCOMPARE(shop.book().size(), recorded);

    // A running digit is never limited, nor a sum the mode makes of two stakes.
    shop.key(Qt::Key_F6);
    shop.line("3", {"600", "600"});
    QCOMPARE(shop.book().mid(recorded), (QStringList{"3|600|0|0|h1", "3|0|0|600|l1"}));
    testing::child<QCheckBox>(shop.form(), "f4c")->setChecked(true);
    shop.key(Qt::Key_F4);
    shop.line("123", {"300", "300"});
    QCOMPARE(shop.book().at(recorded + 2), QString("123|600|0|0|h3"));
    shop.form()->showPage(Tfminput::StockPage);
    shop.key(Qt::Key_F7);
    shop.type("num", "500");
    QCOMPARE(shop.book().last(), QString("91|500|0|0|h2"));
}

void EntryFormTest::inputLimitPastThirtyTwoBits() {
    // Three thousand million is read as it is stored, not as 0.
    Shop shop([](SettingsRecord& s) { s.set(InputLimit::l1, "3000000000"); });
    shop.key(Qt::Key_F3);
    shop.line("12", {"2999999999"});
    QCOMPARE(shop.book(), QStringList{"12|0|2999999999|0|t2"});
    shop.line("34", {"3000000001"});
    QCOMPARE(Dialogs::last().text, QString("คุณป้อนข้อมูลเกิน3000000000"));
    QCOMPARE(shop.book().size(), 1);
}

void EntryFormTest::sheetForACustomer() {
    Shop shop;
    shop.db().exec("INSERT INTO cus (id, name, c3hp, h3) VALUES ('สมชาย', 'สมชาย', 20, 800)");
    shop.main->openEntryForm(); // the customer list is read when the form opens
    auto* customers = shop.form()->findChild<QComboBox*>("dbc1");
    auto* sheets = shop.form()->findChild<QComboBox*>("ComboBox1");
    QMetaObject::invokeMethod(sheets, "activated", Q_ARG(int, 2));
    QCOMPARE(Dialogs::last().text, QString("ถ้าต้องการแยกแผ่นข้อมูลกรุณาเลือกชื่อ"));
    const int index = customers->findText("สมชาย");
    QVERIFY(index > 0);
    customers->setCurrentIndex(index);
    QMetaObject::invokeMethod(customers, "activated", Q_ARG(int, index));
    QMetaObject::invokeMethod(sheets, "activated", Q_ARG(int, 2));
    QCOMPARE(shop.form()->customer(), QString("สมชายแผ่นที่3"));
    QCOMPARE(rowsOf(shop.db(), "SELECT id, c3hp, h3 FROM cus WHERE name = 'สมชายแผ่นที่3'"),
             QStringList{"สมชายแผ่นที่3|20|800"});
    shop.key(Qt::Key_F3);
    shop.line("7", {"10"});
    QCOMPARE(rowsOf(shop.db(), "SELECT cus FROM tball"), QStringList{"สมชายแผ่นที่3"});
    // A sheet of a sheet is refused.
    QMetaObject::invokeMethod(sheets, "activated", Q_ARG(int, 4));
    QCOMPARE(Dialogs::last().text, QString("เลือกข้อมูลซ้ำซ้อนลองใหม่"));
    QCOMPARE(shop.form()->customer(), QString("สมชายแผ่นที่3"));
}

void EntryFormTest::autorunSteps() {
    Shop shop([](SettingsRecord& s) { s.set(Disp::disp3, "1"); });
    shop.key(Qt::Key_F3);
    shop.line("09", {"5"});
    QCOMPARE(shop.edit("num")->text(), QString("10"));
    QCOMPARE(shop.book(), QStringList{"09|0|5|0|t2"});
}

void EntryFormTest::badStakeIsRefused() {
    Shop shop;
    shop.key(Qt::Key_F9);
    shop.line("123", {"5*+2"});
    QVERIFY(shop.book().isEmpty());
    QVERIFY(rowsOf(shop.db(), "SELECT count(*) FROM tblog") == QStringList{"0"});
}

void EntryFormTest::thaiAndPastedDigits() {
    Shop shop;
    shop.key(Qt::Key_F2);
    // Thai digits typed are Latin ones in the box and in the book.
    shop.typeThai("num", QString::fromUtf8("๑๒๓"));
    QCOMPARE(shop.edit("num")->text(), QString("123"));
    shop.typeThai("n1", QString::fromUtf8("๑๐"));
    shop.typeThai("n2", QString::fromUtf8("๕"));
    QCOMPARE(shop.book(), (QStringList{"123|10|0|0|h3", "123|0|5|0|t3"}));
    // Pasted text keeps what a key would have let in.
    QGuiApplication::clipboard()->setText(QString::fromUtf8("๔๕๖ บาท"));
    QLineEdit* num = shop.edit("num");
    num->clear();
    QTest::keyClick(num, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(num->text(), QString("456"));
    QGuiApplication::clipboard()->setText(QString::fromUtf8("๒๐x"));
    QLineEdit* n1 = shop.edit("n1");
    n1->clear();
    QTest::keyClick(n1, Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(n1->text(), QString("20"));
}

void EntryFormTest::lineWithoutBetsIsSaid() {
    Shop shop;
    shop.key(Qt::Key_F1);
    // A set of three equal digits has no number: said, nothing written.
    shop.line("111", {"5"});
    QCOMPARE(Dialogs::last().kind, QString("warning"));
    QCOMPARE(Dialogs::last().text, QString("คุณป้อนข้อมูลไม่ถูกต้อง เลข 111 ใช้กับเมนูนี้ไม่ได้ ไม่ได้บันทึกข้อมูล"));
    QVERIFY(shop.book().isEmpty());
    QCOMPARE(rowsOf(shop.db(), "SELECT count(*) FROM tblog"), QStringList{"0"});
    // A number none of whose characters could be taken is named as typed.
    shop.key(Qt::Key_F9);
    shop.type("num", "ab");
    QCOMPARE(shop.edit("num")->text(), QString());
    shop.type("n1", "5");
    QCOMPARE(Dialogs::last().text, QString("คุณป้อนข้อมูลไม่ถูกต้อง เลข ab ใช้กับเมนูนี้ไม่ได้ ไม่ได้บันทึกข้อมูล"));
    // The next number is named alone; one erased is no number at all.
    shop.type("num", "d");
    shop.type("n1", "5");
    QVERIFY(Dialogs::last().text.contains(" เลข d ใช้"));
    QTest::keyClicks(shop.edit("num"), "e");
    QTest::keyClick(shop.edit("num"), Qt::Key_Backspace);
    shop.type("num", "");
    shop.type("n1", "5");
    QCOMPARE(Dialogs::last().text, QString("คุณยังไม่ได้ป้อนข้อมูล"));
    QVERIFY(shop.book().isEmpty());
}

void EntryFormTest::gridShowsTheNewestRows() {
    Shop shop([](SettingsRecord& s) { s.set(Backc::back3, "10"); });
    shop.key(Qt::Key_F1);
    for (int i = 0; i < 4; ++i)
        shop.line(QString("12%1").arg(i + 3), {"1"});
    auto* grid = shop.form()->findChild<QTableView*>("DBGrid1");
    QVERIFY(grid->model());
    QCOMPARE(grid->model()->rowCount(), 10);
    const auto* model = static_cast<QSqlTableModel*>(grid->model());
    QCOMPARE(model->data(model->index(9, 0)).toString(), QString("621"));
    // The line just entered is yellow, the one before it grey.
    QCOMPARE(model->data(model->index(9, 1), Qt::BackgroundRole).value<QColor>(),
             QColor(Qt::yellow));
    QVERIFY(model->data(model->index(3, 1), Qt::BackgroundRole).value<QColor>() !=
            QColor(Qt::yellow));
}

void EntryFormTest::threeStakeF7() {
    Shop shop;
    shop.key(Qt::Key_F7);
    QTest::keyClicks(shop.edit("num"), "123");
    QVERIFY(shop.edit("nu3")->isVisibleTo(shop.form()));
    QCOMPARE(shop.form()->findChild<QPushButton*>("f7")->text(), QString("รวมบน+โต๊ด+ล่าง(F7)"));
    QTest::keyClick(shop.edit("num"), Qt::Key_Return);
    shop.type("n1", "10");
    shop.type("n2", "0");
    shop.type("nu3", "5");
    QCOMPARE(shop.book(), (QStringList{"123|10|0|0|h3", "123|0|0|5|l3"}));
    // Two digits take top and bottom only (f7c2 ticked by default): the button reads as stored.
    shop.edit("num")->clear();
    QTest::keyClicks(shop.edit("num"), "12");
    QVERIFY(!shop.edit("nu3")->isVisibleTo(shop.form()));
    QCOMPARE(shop.form()->findChild<QPushButton*>("f7")->text(), QString("รวม(F7)"));
}

void EntryFormTest::nameWarning() {
    Shop shop([](SettingsRecord& s) { s.set(Disp::disp1, "1"); });
    shop.key(Qt::Key_F3);
    Dialogs::setNextAnswer(false);
    QTest::keyClicks(shop.edit("num"), "1");
    QVERIFY(Dialogs::last().text.startsWith("กรุณาเลือกชื่อก่อนป้อนข้อมูล"));
    QCOMPARE(SettingsRecord(shop.db()).text(Disp::disp1), QString("1"));
    // Yes switches the warning off for good.
    Dialogs::setNextAnswer(true);
    QTest::keyClicks(shop.edit("num"), "2");
    QCOMPARE(SettingsRecord(shop.db()).text(Disp::disp1), QString("0"));
    Dialogs::clear();
    QTest::keyClicks(shop.edit("num"), "3");
    QVERIFY(Dialogs::asked().isEmpty());
}

TABULOX_TEST(EntryFormTest)
#include "entryform_test.moc"
