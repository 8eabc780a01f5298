#include "entry/gui/tfminput.h"
#include "platform/fakeplatform.h"
#include "shell/gui/tmain.h"
#include "shell/settings.h"
#include "store/database.h"
#include "support/desk.h"
#include "support/tempbook.h"
#include "support/testmain.h"
#include "ui/datagrid.h"
#include "ui/dialogs.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSqlTableModel>
#include <QTableView>

// The clerk types where the focus is; a test checks it is where the form put it.
#define QCOMPARE_FOCUS(e)                                                                          \
    do {                                                                                           \
        if (form()->focusWidget() != (e))                                                          \
            qWarning("typing into %s, focus is in %s", qPrintable((e)->objectName()),             \
                     form()->focusWidget() ? qPrintable(form()->focusWidget()->objectName())       \
                                           : "nothing");                                           \
        (e)->setFocus();                                                                           \
    } while (false)

namespace {
// A program folder, a logged-in main window and its entry form.
struct Desk : testing::Desk {
    using testing::Desk::Desk;
    Tfminput* form() const { return main->entryForm(); }
    QLineEdit* edit(const char* name) const { return form()->findChild<QLineEdit*>(name); }
    QString text(const char* name) const { return form()->findChild<QLabel*>(name)->text(); }
    Database& db() { return main->own(); }

    // Types into a field and confirms with Enter, as a clerk does.
    void type(const char* field, const QString& keys) {
        QLineEdit* e = edit(field);
        QCOMPARE_FOCUS(e);
        QTest::keyClicks(e, keys);
        QTest::keyClick(e, Qt::Key_Return);
    }
    void key(Qt::Key k) { QTest::keyClick(edit("num"), k); }
    void line(const QString& number, const QStringList& stakes) {
        type("num", number);
        static const char* const fields[] = {"n1", "n2", "nu3"};
        for (int i = 0; i < stakes.size(); ++i)
            type(fields[i], stakes[i]);
    }
    QStringList book(const QString& table = "tball") {
        return rowsOf(db(), QString("SELECT num,h,t,l,codeins FROM %1 ORDER BY id").arg(table));
    }
};
} // namespace

class EntryFormTest : public QObject {
    Q_OBJECT
private slots:
    void topAndTodLine();
    void noModeWarnsAndF9Widens();
    void arrowMenu();
    void lengthAndClosedNumbers();
    void inputLimit();
    void sheetForACustomer();
    void autorunSteps();
    void badStakeIsRefused();
    void gridShowsTheNewestRows();
    void threeStakeF7();
    void nameWarning();
};

void EntryFormTest::topAndTodLine() {
    Desk desk;
    QVERIFY(desk.form());
    QVERIFY(desk.text("Label1").startsWith("เมนูเริ่มต้น==>>"));
    desk.key(Qt::Key_F2);
    desk.line("123", {"10", "5"});
    QCOMPARE(desk.book(), (QStringList{"123|10|0|0|h3", "123|0|5|0|t3"}));
    QCOMPARE(desk.book("tballcus"), desk.book());
    QCOMPARE(rowsOf(desk.db(), "SELECT s FROM tblog"), QStringList{"2"});
    QCOMPARE(desk.text("Label4"), QString("ป้อน123สำเร็จ"));
    QCOMPARE(desk.form()->findChild<QLabel*>("total_h3")->text(), QString("10"));
    QCOMPARE(desk.form()->findChild<QLabel*>("total_t3")->text(), QString("5"));
    QCOMPARE(desk.text("lsum"), QString("15"));
    QCOMPARE(desk.text("Label16"), QString("2"));
    // The number stays, selected: the next one replaces it.
    QCOMPARE(desk.edit("num")->selectedText(), QString("123"));
    QCOMPARE(desk.form()->focusWidget(), desk.edit("num"));
    desk.line("456", {"20", "0"});
    QCOMPARE(desk.book().size(), 3);
    QCOMPARE(desk.book().last(), QString("456|20|0|0|h3"));
}

void EntryFormTest::noModeWarnsAndF9Widens() {
    Desk desk;
    desk.form()->showPage(Tfminput::NormalPage);
    QVERIFY(!desk.form()->hasMode());
    QTest::keyClicks(desk.edit("num"), "1");
    QCOMPARE(Dialogs::last().text, QString("กรุณาเลือกชนิดของการป้อนข้อมูลโดยการกดF1-F9หรือกดลูกศรขึ้น-ลง"));
    QCOMPARE(desk.platform->beeps, 1);
    desk.key(Qt::Key_F9);
    QCOMPARE(desk.form()->mode(), NormalMode::F9);
    QCOMPARE(desk.edit("n1")->width(), 425);
    desk.line("7", {"10*20"});
    QCOMPARE(desk.book().size(), 38);
    // q and w switch pages and never reach the number.
    desk.key(Qt::Key_W);
    QCOMPARE(desk.form()->page(), Tfminput::SetPage);
    desk.key(Qt::Key_Q);
    QCOMPARE(desk.form()->page(), Tfminput::NormalPage);
    QCOMPARE(desk.edit("num")->text(), QString("7"));
}

void EntryFormTest::arrowMenu() {
    Desk desk;
    desk.form()->showPage(Tfminput::NormalPage);
    desk.key(Qt::Key_Up);
    QCOMPARE(desk.form()->arrowPosition(), 3);
    QCOMPARE(desk.text("Label1"), QString("(เมนู3)All In One(F9)"));
    for (int i = 0; i < 6; ++i)
        desk.key(Qt::Key_Up);
    QCOMPARE(desk.form()->arrowPosition(), 8);
    QVERIFY(desk.text("Label1").startsWith("(เมนู8)3ตัวชุด-กลุ่ม"));
    desk.key(Qt::Key_PageDown);
    QCOMPARE(desk.form()->arrowPosition(), 2);
    desk.key(Qt::Key_Down);
    desk.key(Qt::Key_Down);
    QCOMPARE(desk.form()->arrowPosition(), 1);
    desk.line("123", {"7"});
    QCOMPARE(desk.book(), QStringList{"123|0|7|0|t3"});
    desk.key(Qt::Key_F1);
    QCOMPARE(desk.form()->arrowPosition(), 0);
}

void EntryFormTest::lengthAndClosedNumbers() {
    Desk desk([](SettingsRecord& s) { s.set(Backc::back23, "1"); });
    desk.db().exec("INSERT INTO numlimit2 (num, codeins) VALUES ('321', 'h3')");
    desk.key(Qt::Key_F2);
    desk.type("num", "1234");
    QCOMPARE(Dialogs::last().text, QString("คุณป้อนข้อมูลไม่ถูกต้องป้อนเลข 3 ตัวเท่านั้น"));
    QCOMPARE(desk.form()->focusWidget(), desk.edit("num"));
    desk.key(Qt::Key_F1);
    desk.type("num", "123");
    QCOMPARE(Dialogs::last().text, QString("321 บนเป็นเลขปิดรับ"));
    QCOMPARE(desk.edit("num")->text(), QString());
    desk.db().exec("DELETE FROM numlimit2");
    desk.db().exec("INSERT INTO numlimit2 (num, codeins) VALUES ('123', 'h3')");
    desk.type("num", "123");
    QCOMPARE(Dialogs::last().text, QString("123 บนเป็นเลข ปิดรับ"));
    QVERIFY(desk.book().isEmpty());
}

void EntryFormTest::inputLimit() {
    Desk desk([](SettingsRecord& s) { s.set(InputLimit::l1, "500"); });
    desk.key(Qt::Key_F3);
    desk.line("12", {"600"});
    QCOMPARE(Dialogs::last().text, QString("คุณป้อนข้อมูลเกิน500"));
    QVERIFY(desk.book().isEmpty());
    desk.line("5", {"600"});
    QCOMPARE(desk.book(), QStringList{"5|0|0|600|l1"});
    desk.key(Qt::Key_F9);
    desk.line("12", {"600"});
    QCOMPARE(desk.book().last(), QString("12|600|0|0|h2"));
}

void EntryFormTest::sheetForACustomer() {
    Desk desk;
    desk.db().exec("INSERT INTO cus (id, name, c3hp, h3) VALUES ('สมชาย', 'สมชาย', 20, 800)");
    desk.main->openEntryForm(); // the customer list is read when the form opens
    auto* customers = desk.form()->findChild<QComboBox*>("dbc1");
    auto* sheets = desk.form()->findChild<QComboBox*>("ComboBox1");
    QMetaObject::invokeMethod(sheets, "activated", Q_ARG(int, 2));
    QCOMPARE(Dialogs::last().text, QString("ถ้าต้องการแยกแผ่นข้อมูลกรุณาเลือกชื่อ"));
    const int index = customers->findText("สมชาย");
    QVERIFY(index > 0);
    customers->setCurrentIndex(index);
    QMetaObject::invokeMethod(customers, "activated", Q_ARG(int, index));
    QMetaObject::invokeMethod(sheets, "activated", Q_ARG(int, 2));
    QCOMPARE(desk.form()->customer(), QString("สมชายแผ่นที่3"));
    QCOMPARE(rowsOf(desk.db(), "SELECT id, c3hp, h3 FROM cus WHERE name = 'สมชายแผ่นที่3'"),
             QStringList{"สมชายแผ่นที่3|20|800"});
    desk.key(Qt::Key_F3);
    desk.line("7", {"10"});
    QCOMPARE(rowsOf(desk.db(), "SELECT cus FROM tball"), QStringList{"สมชายแผ่นที่3"});
    // A sheet of a sheet is refused.
    QMetaObject::invokeMethod(sheets, "activated", Q_ARG(int, 4));
    QCOMPARE(Dialogs::last().text, QString("เลือกข้อมูลซ้ำซ้อนลองใหม่"));
    QCOMPARE(desk.form()->customer(), QString("สมชายแผ่นที่3"));
}

void EntryFormTest::autorunSteps() {
    Desk desk([](SettingsRecord& s) { s.set(Disp::disp3, "1"); });
    desk.key(Qt::Key_F3);
    desk.line("09", {"5"});
    QCOMPARE(desk.edit("num")->text(), QString("10"));
    QCOMPARE(desk.book(), QStringList{"09|0|5|0|t2"});
}

void EntryFormTest::badStakeIsRefused() {
    Desk desk;
    desk.key(Qt::Key_F9);
    desk.line("123", {"5*+2"});
    QVERIFY(desk.book().isEmpty());
    QVERIFY(rowsOf(desk.db(), "SELECT count(*) FROM tblog") == QStringList{"0"});
}

void EntryFormTest::gridShowsTheNewestRows() {
    Desk desk([](SettingsRecord& s) { s.set(Backc::back3, "10"); });
    desk.key(Qt::Key_F1);
    for (int i = 0; i < 4; ++i)
        desk.line(QString("12%1").arg(i + 3), {"1"});
    auto* grid = desk.form()->findChild<QTableView*>("DBGrid1");
    QVERIFY(grid->model());
    QCOMPARE(grid->model()->rowCount(), 10);
    const auto* model = static_cast<QSqlTableModel*>(grid->model());
    QCOMPARE(model->data(model->index(9, 0)).toString(), QString("621"));
    // The line just entered is yellow, the one before it grey.
    QCOMPARE(model->data(model->index(9, 1), Qt::BackgroundRole).value<QColor>(), QColor(Qt::yellow));
    QVERIFY(model->data(model->index(3, 1), Qt::BackgroundRole).value<QColor>() != QColor(Qt::yellow));
}

void EntryFormTest::threeStakeF7() {
    Desk desk;
    desk.key(Qt::Key_F7);
    QTest::keyClicks(desk.edit("num"), "123");
    QVERIFY(desk.edit("nu3")->isVisibleTo(desk.form()));
    QCOMPARE(desk.form()->findChild<QPushButton*>("f7")->text(), QString("รวมบน+โต๊ด+ล่าง(F7)"));
    QTest::keyClick(desk.edit("num"), Qt::Key_Return);
    desk.type("n1", "10");
    desk.type("n2", "0");
    desk.type("nu3", "5");
    QCOMPARE(desk.book(), (QStringList{"123|10|0|0|h3", "123|0|0|5|l3"}));
    // Two digits take top and bottom only (f7c2 ticked by default): the button reads as stored.
    desk.edit("num")->clear();
    QTest::keyClicks(desk.edit("num"), "12");
    QVERIFY(!desk.edit("nu3")->isVisibleTo(desk.form()));
    QCOMPARE(desk.form()->findChild<QPushButton*>("f7")->text(), QString("รวม(F7)"));
}

void EntryFormTest::nameWarning() {
    Desk desk([](SettingsRecord& s) { s.set(Disp::disp1, "1"); });
    desk.key(Qt::Key_F3);
    Dialogs::setNextAnswer(false);
    QTest::keyClicks(desk.edit("num"), "1");
    QVERIFY(Dialogs::last().text.startsWith("กรุณาเลือกชื่อก่อนป้อนข้อมูล"));
    QCOMPARE(SettingsRecord(desk.db()).text(Disp::disp1), QString("1"));
    // Yes switches the warning off for good.
    Dialogs::setNextAnswer(true);
    QTest::keyClicks(desk.edit("num"), "2");
    QCOMPARE(SettingsRecord(desk.db()).text(Disp::disp1), QString("0"));
    Dialogs::clear();
    QTest::keyClicks(desk.edit("num"), "3");
    QVERIFY(Dialogs::asked().isEmpty());
}

TABULOX_TEST(EntryFormTest)
#include "entryform_test.moc"
