#include "cutting/gui/tnumlimitf.h"
#include "cutting/gui/tnumlimitf2.h"
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

#include <QCheckBox>
#include <QComboBox>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QProgressBar>
#include <QPushButton>
#include <QSqlTableModel>
#include <QTableView>

namespace {
// A logged-in main window over a fresh program folder, with the list window last opened.
struct Desk : testing::Desk {
    QWidget* window = nullptr;

    explicit Desk(const std::function<void(SettingsRecord&)>& setUp = {}) : testing::Desk(setUp) {
        Dialogs::clear();
    }
    ~Desk() { main->closeWithoutAsking(); }

    template <typename Form> Form* open() {
        auto* form = new Form(main.get());
        main->mdi()->addSubWindow(form)->show();
        form->activateWindow();
        window = form;
        return form;
    }
    template <typename T> T* part(const QString& name) const {
        T* found = window->findChild<T*>(name);
        if (!found)
            qWarning("no %s", qPrintable(name));
        return found;
    }
    QLineEdit* edit(const char* name) const { return part<QLineEdit>(name); }
    DataGrid* grid(const QString& code) const { return part<DataGrid>("grid" + code + "Panel"); }
    QComboBox* combo(const char* name) const { return part<QComboBox>(name); }
    void click(const QString& button) const { part<QPushButton>(button)->click(); }

    // Picks an item of c1 and types the number and the amount, each ended the clerk's way.
    void line(int item, const QString& number, const QString& amount) {
        combo("c1")->setCurrentIndex(item - 1);
        QTest::keyClicks(edit("path"), number);
        QLineEdit* n2 = edit("n2");
        if (window->focusWidget() != n2)
            QTest::keyClick(edit("path"), Qt::Key_Return);
        QTest::keyClicks(n2, amount);
        QTest::keyClick(n2, Qt::Key_Return);
    }
    QStringList rows(const QString& table = "numlimit") {
        return rowsOf(main->own(),
                      QString("SELECT num, h, codeins FROM %1 ORDER BY id").arg(table));
    }
    QString stored(Backc field) { return SettingsRecord(main->own()).text(field); }
    bool said(const QString& text) const {
        for (const Dialogs::Asked& asked : Dialogs::asked()) {
            if (asked.text == text)
                return true;
        }
        return false;
    }
};

QString lastNum(DataGrid* grid) {
    return grid->value(grid->model()->rowCount() - 1, "num").toString();
}
QString numTitle(DataGrid* grid) {
    return grid->model()->headerData(grid->columnOf("num"), Qt::Horizontal).toString();
}
} // namespace

class ListFormsTest : public QObject {
    Q_OBJECT
private slots:
    void cleanup() { QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete); }
    void typedLineIsListedAndShownLast();
    void numberBoxTakesOnlyDigitsOfAChosenItem();
    void bulkFillByDigitPosition();
    void switchesAreWrittenAndReachTheEntryForm();
    void namingModeChangesItemsAndGrids();
    void deletionsKeepTheOtherKinds();
    void gridEditsAreChecked();
    void serverCopyOnlyOnAStation();
};

void ListFormsTest::typedLineIsListedAndShownLast() {
    Desk desk;
    auto* form = desk.open<Tnumlimitf>();
    QCOMPARE(form->windowTitle(), QString("ตั้งค่ารับเลขแบบเฉพาะตัวเลข"));
    desk.main->own().exec("INSERT INTO numlimit (num, h, codeins) VALUES ('001', 5, 'h3')");

    desk.combo("c1")->setCurrentIndex(0);
    const int beeps = desk.platform->beeps;
    QTest::keyClicks(desk.edit("path"), "123");
    // At three digits the amount box takes over with its text selected, and the computer beeps.
    QCOMPARE(form->focusWidget(), desk.edit("n2"));
    QCOMPARE(desk.edit("n2")->selectedText(), QString("0"));
    QCOMPARE(desk.platform->beeps, beeps + 1);
    QTest::keyClicks(desk.edit("n2"), "500");
    QTest::keyClick(desk.edit("n2"), Qt::Key_Return);
    QCOMPARE(desk.rows(), QStringList({"001|5|h3", "123|500|h3"}));
    QCOMPARE(lastNum(desk.grid("h3")), QString("123"));
    QCOMPARE(desk.grid("h3")->view()->currentIndex().row(), 1);
    QCOMPARE(desk.edit("path")->text(), QString());
    QCOMPARE(form->focusWidget(), desk.edit("path"));
    QVERIFY(Dialogs::asked().isEmpty());

    desk.line(1, "123", "700");
    QCOMPARE(Dialogs::last().kind, QString("info"));
    QCOMPARE(Dialogs::last().text, QString("มีเลขนี้แล้วในรายการ"));
    QCOMPARE(desk.rows().size(), 2);

    // An item of two kinds reopens both grids.
    desk.line(12, "47", "30");
    QCOMPARE(lastNum(desk.grid("h2")), QString("74"));
    QCOMPARE(lastNum(desk.grid("l2")), QString("74"));

    // A refused amount keeps the number for another try.
    desk.line(4, "55", "x");
    QVERIFY(desk.said("จำนวนเงินไม่ถูกต้อง"));
    QCOMPARE(desk.edit("path")->text(), QString("55"));
    QCOMPARE(form->focusWidget(), desk.edit("n2"));
}

void ListFormsTest::numberBoxTakesOnlyDigitsOfAChosenItem() {
    Desk desk;
    auto* form = desk.open<Tnumlimitf2>();
    QTest::keyClicks(desk.edit("path"), "1");
    QCOMPARE(Dialogs::last().kind, QString("warning"));
    QCOMPARE(Dialogs::last().text, QString("กรุณาเลือกชนิดของข้อมูลก่อน"));
    QCOMPARE(desk.edit("path")->text(), QString());
    QTest::keyClick(desk.edit("n2"), Qt::Key_Return);
    QCOMPARE(Dialogs::last().text, QString("กรุณาเลือกชนิดของข้อมูลก่อน"));
    QVERIFY(desk.rows("numlimit2").isEmpty());

    desk.combo("c1")->setCurrentIndex(3); // 2ตัวบน
    QTest::keyClicks(desk.edit("path"), "a-4");
    QCOMPARE(desk.edit("path")->text(), QString("4"));
    QCOMPARE(form->focusWidget(), desk.edit("path"));
    QTest::keyClicks(desk.edit("path"), "2");
    QCOMPARE(form->focusWidget(), desk.edit("n2"));
    QTest::keyClick(desk.edit("n2"), Qt::Key_Return);
    QCOMPARE(desk.rows("numlimit2"), QStringList{"42|0|h2"});
}

void ListFormsTest::bulkFillByDigitPosition() {
    Desk desk;
    desk.open<Tnumlimitf>();
    desk.main->own().exec("INSERT INTO numlimit (num, h, codeins) VALUES ('512', 80, 'h3')");
    desk.combo("c4")->setCurrentIndex(5);
    desk.click("run");
    QCOMPARE(Dialogs::last().text, QString("กรุณาเลือกการรับ/ส่ง"));
    QCOMPARE(desk.window->focusWidget(), desk.combo("c5"));
    QCOMPARE(desk.rows().size(), 1);

    desk.combo("c5")->setCurrentIndex(0);
    QCOMPARE(desk.edit("e1")->text(), QString("50000"));
    desk.combo("c5")->setCurrentIndex(2); // ส่งทั้งหมด
    QCOMPARE(desk.edit("e1")->text(), QString("0"));
    desk.combo("c2")->setCurrentIndex(0);
    desk.combo("c3")->setCurrentIndex(0);
    desk.click("run");
    const QStringList rows = desk.rows();
    QCOMPARE(rows.size(), 100);
    QCOMPARE(rows.first(), QString("512|80|h3")); // a listed number keeps its limit
    QCOMPARE(rows.at(1), QString("500|0|h3"));
    QCOMPARE(rows.last(), QString("599|0|h3"));
    QCOMPARE(desk.grid("h3")->model()->rowCount(), 100);
    QCOMPARE(lastNum(desk.grid("h3")), QString("599"));
    QCOMPARE(desk.part<QProgressBar>("pg")->value(), 99);

    // Two-digit kinds have no hundreds.
    desk.combo("c2")->setCurrentIndex(2);
    desk.click("run");
    QCOMPARE(Dialogs::last().text, QString("คุณเลือกข้อมูลผิด"));
    QCOMPARE(desk.rows().size(), 100);
}

void ListFormsTest::switchesAreWrittenAndReachTheEntryForm() {
    Desk desk([](SettingsRecord& s) { s.set(Backc::back19, "0"); });
    auto* limits = desk.open<Tnumlimitf>();
    QVERIFY(!desk.part<QCheckBox>("f2")->isChecked());
    desk.part<QCheckBox>("f2")->click();
    QCOMPARE(desk.stored(Backc::back19), QString("1"));
    QVERIFY(limits->fiftyPercent());
    desk.part<QCheckBox>("f2")->click();
    QCOMPARE(desk.stored(Backc::back19), QString("0"));
    QVERIFY(!limits->fiftyPercent());

    auto* closed = desk.open<Tnumlimitf2>();
    QVERIFY(!desk.part<QCheckBox>("f3")->isChecked());
    QVERIFY(!desk.part<QCheckBox>("f4")->isChecked());
    desk.line(1, "123", "0");
    desk.part<QCheckBox>("f3")->click();
    desk.part<QCheckBox>("f4")->click();
    QCOMPARE(desk.stored(Backc::back23), QString("1"));
    QCOMPARE(desk.stored(Backc::back27), QString("1"));
    QVERIFY(closed->closedWarning() && closed->watch());

    // The open entry form warns at once, and stops when the switch goes off.
    Tfminput* entry = desk.main->entryForm();
    QVERIFY(entry);
    auto* num = entry->findChild<QLineEdit*>("num");
    QTest::keyClick(num, Qt::Key_F1);
    Dialogs::clear();
    QTest::keyClicks(num, "123");
    QTest::keyClick(num, Qt::Key_Return);
    QVERIFY(Dialogs::last().text.endsWith("เป็นเลข ปิดรับ"));

    desk.part<QCheckBox>("f3")->click();
    QCOMPARE(desk.stored(Backc::back23), QString("0"));
    Dialogs::clear();
    num->clear();
    QTest::keyClicks(num, "123");
    QTest::keyClick(num, Qt::Key_Return);
    QVERIFY(Dialogs::asked().isEmpty());
}

void ListFormsTest::namingModeChangesItemsAndGrids() {
    {
        Desk desk;
        desk.open<Tnumlimitf2>();
        QCOMPARE(desk.combo("c1")->count(), 9);
        for (const char* hidden : {"t2", "h1", "l1"})
            QVERIFY(!desk.part<QWidget>(QString("box") + hidden)->isVisible());
        QCOMPARE(numTitle(desk.grid("t3")), QString("เลข3ตัวโต๊ด"));
    }
    Desk desk([](SettingsRecord& s) { s.set(Backc::back13, "1"); });
    desk.open<Tnumlimitf2>();
    QVERIFY(desk.part<QWidget>("boxt2")->isVisible());
    QVERIFY(!desk.part<QWidget>("boxh1")->isVisible());
    QCOMPARE(numTitle(desk.grid("t2")), QString("หัว3ตัว"));
    QCOMPARE(desk.combo("c1")->itemText(9), QString("หัว3ตัวบน"));
    desk.line(10, "908", "0");
    QCOMPARE(desk.rows("numlimit2"), QStringList{"908|0|t2"});
    QCOMPARE(lastNum(desk.grid("t2")), QString("908"));

    // The limit window's item 6 becomes three head digits.
    auto* limits = desk.open<Tnumlimitf>();
    QCOMPARE(desk.combo("c1")->itemText(5), QString("หัว3ตัวบน"));
    QCOMPARE(numTitle(desk.grid("t2")), QString("หัว3ตัว"));
    desk.combo("c1")->setCurrentIndex(5);
    QTest::keyClicks(desk.edit("path"), "12");
    QCOMPARE(limits->focusWidget(), desk.edit("path"));
    QTest::keyClicks(desk.edit("path"), "3");
    QCOMPARE(limits->focusWidget(), desk.edit("n2"));
}

void ListFormsTest::deletionsKeepTheOtherKinds() {
    Desk desk;
    desk.open<Tnumlimitf2>();
    desk.line(1, "123", "0");
    desk.line(3, "123", "0");
    desk.line(4, "12", "0");

    desk.click("delh3"); // not confirmed
    QCOMPARE(desk.rows("numlimit2").size(), 3);
    Dialogs::setNextAnswer(true);
    desk.click("delh3");
    QCOMPARE(Dialogs::last().text, QString("ลบข้อมูลเรียบร้อย"));
    QCOMPARE(desk.rows("numlimit2"), QStringList({"123|0|l3", "12|0|h2"}));
    QCOMPARE(desk.grid("h3")->model()->rowCount(), 0);
    QCOMPARE(desk.grid("l3")->model()->rowCount(), 1);

    Dialogs::setNextAnswer(true);
    desk.click("delall");
    QCOMPARE(Dialogs::last().text, QString("ลบข้อมูลเรียบร้อย"));
    QVERIFY(desk.rows("numlimit2").isEmpty());
    QCOMPARE(desk.grid("h2")->model()->rowCount(), 0);
}

void ListFormsTest::gridEditsAreChecked() {
    Desk desk;
    desk.open<Tnumlimitf>();
    desk.line(1, "123", "500");
    DataGrid* grid = desk.grid("h3");
    QSqlTableModel* model = grid->model();
    auto set = [&](int row, const char* field, const QVariant& value) {
        QVERIFY(model->setData(model->index(row, grid->columnOf(field)), value));
    };

    desk.click("gridh3_insert");
    QCOMPARE(model->rowCount(), 2);
    set(1, "num", "45");
    desk.click("gridh3_post");
    QCOMPARE(Dialogs::last().text, QString("กรุณาป้อนเลข 3 ตัว"));
    set(1, "num", "123");
    desk.click("gridh3_post");
    QCOMPARE(Dialogs::last().text, QString("มีเลขนี้แล้วในรายการ"));
    set(1, "num", "456");
    set(1, "h", "สิบ");
    desk.click("gridh3_post");
    QCOMPARE(Dialogs::last().text, QString("จำนวนเงินไม่ถูกต้อง"));
    QCOMPARE(desk.rows(), QStringList{"123|500|h3"});
    set(1, "h", 40);
    desk.click("gridh3_post");
    QCOMPARE(desk.rows(), QStringList({"123|500|h3", "456|40|h3"}));

    // Changing a listed row onto another listed number is refused; its own number is fine.
    set(0, "num", "456");
    desk.click("gridh3_post");
    QCOMPARE(Dialogs::last().text, QString("มีเลขนี้แล้วในรายการ"));
    set(0, "num", "123");
    set(0, "h", 0);
    desk.click("gridh3_post");
    QCOMPARE(desk.rows(), QStringList({"123|0|h3", "456|40|h3"}));

    // A row deleted in the grid is not held back by the check.
    grid->view()->selectRow(0);
    Dialogs::setNextAnswer(true);
    desk.click("gridh3_delete");
    QCOMPARE(desk.rows(), QStringList{"456|40|h3"});
}

void ListFormsTest::serverCopyOnlyOnAStation() {
    {
        Desk desk;
        desk.open<Tnumlimitf>();
        QVERIFY(!desk.part<QPushButton>("bt2")->isVisible());
    }
    TempBook server;
    server.db().exec("INSERT INTO numlimit2 (num, h, codeins) VALUES ('777', NULL, 'h3')");
    server.db().exec("INSERT INTO numlimit2 (num, h, codeins) VALUES ('12', 0, 'l2')");
    Desk desk([&](SettingsRecord& s) {
        s.set(Cstr::tran, "1");
        s.set(Cstr::cstr2, server.folder());
    });
    desk.open<Tnumlimitf2>();
    desk.line(1, "123", "0");
    QVERIFY(desk.part<QPushButton>("bt2")->isVisible());
    Dialogs::setNextAnswer(true);
    desk.click("bt2");
    QCOMPARE(Dialogs::last().text, QString("โหลดข้อมูลเรียบร้อย"));
    QCOMPARE(desk.rows("numlimit2"), QStringList({"777|0|h3", "12|0|l2"}));
    QCOMPARE(lastNum(desk.grid("h3")), QString("777"));
    QCOMPARE(desk.part<QProgressBar>("pg")->value(), 100);

    // A server that cannot be reached leaves the own list as it was.
    Desk away([&](SettingsRecord& s) {
        s.set(Cstr::tran, "1");
        s.set(Cstr::cstr2, desk.dir.path() + "/nowhere");
    });
    away.open<Tnumlimitf2>();
    away.line(1, "321", "0");
    Dialogs::setNextAnswer(true);
    away.click("bt2");
    QCOMPARE(Dialogs::last().kind, QString("warning"));
    QCOMPARE(away.rows("numlimit2"), QStringList{"321|0|h3"});
}

TABULOX_TEST(ListFormsTest)
#include "listforms_test.moc"
