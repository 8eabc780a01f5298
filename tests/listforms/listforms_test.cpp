#include "common/settings.h"
#include "cutting/gui/tnumlimitf.h"
#include "cutting/gui/tnumlimitf2.h"
#include "entry/gui/tfminput.h"
#include "platform/fakeplatform.h"
#include "shell/gui/tmain.h"
#include "store/database.h"
#include "support/shop.h"
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
struct Shop : testing::Shop {
    QWidget* window = nullptr;

    explicit Shop(const std::function<void(SettingsRecord&)>& setUp = {}) : testing::Shop(setUp) {
        Dialogs::clear();
    }
    ~Shop() { main->closeWithoutAsking(); }

    template <typename Form> Form* open() {
        auto* form = new Form(main->desk());
        main->mdi()->addSubWindow(form)->show();
        form->activateWindow();
        window = form;
        return form;
    }
    template <typename T> T* part(const QString& name) const {
        return testing::child<T>(window, name);
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

class ListFormsTest : public testing::Test {
    Q_OBJECT
private slots:
    void cleanup() {
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        testing::Test::cleanup();
    }
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
    Shop shop;
    auto* form = shop.open<Tnumlimitf>();
    QCOMPARE(form->windowTitle(), QString("ตั้งค่ารับเลขแบบเฉพาะตัวเลข"));
    shop.main->own().exec("INSERT INTO numlimit (num, h, codeins) VALUES ('001', 5, 'h3')");

    shop.combo("c1")->setCurrentIndex(0);
    const int beeps = shop.platform->beeps;
    QTest::keyClicks(shop.edit("path"), "123");
    // At three digits the amount box takes over with its text selected, and the computer beeps.
    QCOMPARE(form->focusWidget(), shop.edit("n2"));
    QCOMPARE(shop.edit("n2")->selectedText(), QString("0"));
    QCOMPARE(shop.platform->beeps, beeps + 1);
    QTest::keyClicks(shop.edit("n2"), "500");
    QTest::keyClick(shop.edit("n2"), Qt::Key_Return);
    QCOMPARE(shop.rows(), QStringList({"001|5|h3", "123|500|h3"}));
    QCOMPARE(lastNum(shop.grid("h3")), QString("123"));
    QCOMPARE(shop.grid("h3")->view()->currentIndex().row(), 1);
    QCOMPARE(shop.edit("path")->text(), QString());
    QCOMPARE(form->focusWidget(), shop.edit("path"));
    QVERIFY(Dialogs::asked().isEmpty());

    shop.line(1, "123", "700");
    QCOMPARE(Dialogs::last().kind, QString("info"));
    QCOMPARE(Dialogs::last().text, QString("มีเลขนี้แล้วในรายการ"));
    QCOMPARE(shop.rows().size(), 2);

    // An item of two kinds reopens both grids.
    shop.line(12, "47", "30");
    QCOMPARE(lastNum(shop.grid("h2")), QString("74"));
    QCOMPARE(lastNum(shop.grid("l2")), QString("74"));

    // A refused amount keeps the number for another try.
    shop.line(4, "55", "x");
    QVERIFY(shop.said("จำนวนเงินไม่ถูกต้อง"));
    QCOMPARE(shop.edit("path")->text(), QString("55"));
    QCOMPARE(form->focusWidget(), shop.edit("n2"));
}

void ListFormsTest::numberBoxTakesOnlyDigitsOfAChosenItem() {
    Shop shop;
    auto* form = shop.open<Tnumlimitf2>();
    QTest::keyClicks(shop.edit("path"), "1");
    QCOMPARE(Dialogs::last().kind, QString("warning"));
    QCOMPARE(Dialogs::last().text, QString("กรุณาเลือกชนิดของข้อมูลก่อน"));
    QCOMPARE(shop.edit("path")->text(), QString());
    QTest::keyClick(shop.edit("n2"), Qt::Key_Return);
    QCOMPARE(Dialogs::last().text, QString("กรุณาเลือกชนิดของข้อมูลก่อน"));
    QVERIFY(shop.rows("numlimit2").isEmpty());

    shop.combo("c1")->setCurrentIndex(3); // 2ตัวบน
    QTest::keyClicks(shop.edit("path"), "a-4");
    QCOMPARE(shop.edit("path")->text(), QString("4"));
    QCOMPARE(form->focusWidget(), shop.edit("path"));
    QTest::keyClicks(shop.edit("path"), "2");
    QCOMPARE(form->focusWidget(), shop.edit("n2"));
    QTest::keyClick(shop.edit("n2"), Qt::Key_Return);
    QCOMPARE(shop.rows("numlimit2"), QStringList{"42|0|h2"});
}

void ListFormsTest::bulkFillByDigitPosition() {
    Shop shop;
    shop.open<Tnumlimitf>();
    shop.main->own().exec("INSERT INTO numlimit (num, h, codeins) VALUES ('512', 80, 'h3')");
    shop.combo("c4")->setCurrentIndex(5);
    shop.click("run");
    QCOMPARE(Dialogs::last().text, QString("กรุณาเลือกการรับ/ส่ง"));
    QCOMPARE(shop.window->focusWidget(), shop.combo("c5"));
    QCOMPARE(shop.rows().size(), 1);

    shop.combo("c5")->setCurrentIndex(0);
    QCOMPARE(shop.edit("e1")->text(), QString("50000"));
    shop.combo("c5")->setCurrentIndex(2); // ส่งทั้งหมด
    QCOMPARE(shop.edit("e1")->text(), QString("0"));
    shop.combo("c2")->setCurrentIndex(0);
    shop.combo("c3")->setCurrentIndex(0);
    shop.click("run");
    const QStringList rows = shop.rows();
    QCOMPARE(rows.size(), 100);
    QCOMPARE(rows.first(), QString("512|80|h3")); // a listed number keeps its limit
    QCOMPARE(rows.at(1), QString("500|0|h3"));
    QCOMPARE(rows.last(), QString("599|0|h3"));
    QCOMPARE(shop.grid("h3")->model()->rowCount(), 100);
    QCOMPARE(lastNum(shop.grid("h3")), QString("599"));
    QCOMPARE(shop.part<QProgressBar>("pg")->value(), 99);

    // Two-digit kinds have no hundreds.
    shop.combo("c2")->setCurrentIndex(2);
    shop.click("run");
    QCOMPARE(Dialogs::last().text, QString("คุณเลือกข้อมูลผิด"));
    QCOMPARE(shop.rows().size(), 100);
}

void ListFormsTest::switchesAreWrittenAndReachTheEntryForm() {
    Shop shop([](SettingsRecord& s) { s.set(Backc::back19, "0"); });
    auto* limits = shop.open<Tnumlimitf>();
    QVERIFY(!shop.part<QCheckBox>("f2")->isChecked());
    shop.part<QCheckBox>("f2")->click();
    QCOMPARE(shop.stored(Backc::back19), QString("1"));
    QVERIFY(limits->fiftyPercent());
    shop.part<QCheckBox>("f2")->click();
    QCOMPARE(shop.stored(Backc::back19), QString("0"));
    QVERIFY(!limits->fiftyPercent());

    auto* closed = shop.open<Tnumlimitf2>();
    QVERIFY(!shop.part<QCheckBox>("f3")->isChecked());
    QVERIFY(!shop.part<QCheckBox>("f4")->isChecked());
    shop.line(1, "123", "0");
    shop.part<QCheckBox>("f3")->click();
    shop.part<QCheckBox>("f4")->click();
    QCOMPARE(shop.stored(Backc::back23), QString("1"));
    QCOMPARE(shop.stored(Backc::back27), QString("1"));
    QVERIFY(closed->closedWarning() && closed->watch());

    // The open entry form warns at once, and stops when the switch goes off.
    Tfminput* entry = shop.main->entryForm();
    QVERIFY(entry);
    auto* num = entry->findChild<QLineEdit*>("num");
    QTest::keyClick(num, Qt::Key_F1);
    Dialogs::clear();
    QTest::keyClicks(num, "123");
    QTest::keyClick(num, Qt::Key_Return);
    QVERIFY(Dialogs::last().text.endsWith("เป็นเลข ปิดรับ"));

    shop.part<QCheckBox>("f3")->click();
    QCOMPARE(shop.stored(Backc::back23), QString("0"));
    Dialogs::clear();
    num->clear();
    QTest::keyClicks(num, "123");
    QTest::keyClick(num, Qt::Key_Return);
    QVERIFY(Dialogs::asked().isEmpty());
}

void ListFormsTest::namingModeChangesItemsAndGrids() {
    {
        Shop shop;
        shop.open<Tnumlimitf2>();
        QCOMPARE(shop.combo("c1")->count(), 9);
        for (const char* hidden : {"t2", "h1", "l1"})
            QVERIFY(!shop.part<QWidget>(QString("box") + hidden)->isVisible());
        QCOMPARE(numTitle(shop.grid("t3")), QString("เลข3ตัวโต๊ด"));
    }
    Shop shop([](SettingsRecord& s) { s.set(Backc::back13, "1"); });
    shop.open<Tnumlimitf2>();
    QVERIFY(shop.part<QWidget>("boxt2")->isVisible());
    QVERIFY(!shop.part<QWidget>("boxh1")->isVisible());
    QCOMPARE(numTitle(shop.grid("t2")), QString("หัว3ตัว"));
    QCOMPARE(shop.combo("c1")->itemText(9), QString("หัว3ตัวบน"));
    shop.line(10, "908", "0");
    QCOMPARE(shop.rows("numlimit2"), QStringList{"908|0|t2"});
    QCOMPARE(lastNum(shop.grid("t2")), QString("908"));

    // The limit window's item 6 becomes three head digits.
    auto* limits = shop.open<Tnumlimitf>();
    QCOMPARE(shop.combo("c1")->itemText(5), QString("หัว3ตัวบน"));
    QCOMPARE(numTitle(shop.grid("t2")), QString("หัว3ตัว"));
    shop.combo("c1")->setCurrentIndex(5);
    QTest::keyClicks(shop.edit("path"), "12");
    QCOMPARE(limits->focusWidget(), shop.edit("path"));
    QTest::keyClicks(shop.edit("path"), "3");
    QCOMPARE(limits->focusWidget(), shop.edit("n2"));
}

void ListFormsTest::deletionsKeepTheOtherKinds() {
    Shop shop;
    shop.open<Tnumlimitf2>();
    shop.line(1, "123", "0");
    shop.line(3, "123", "0");
    shop.line(4, "12", "0");

    Dialogs::setNextAnswer(false);
    shop.click("delh3"); // not confirmed
    QCOMPARE(shop.rows("numlimit2").size(), 3);
    Dialogs::setNextAnswer(true);
    shop.click("delh3");
    QCOMPARE(Dialogs::last().text, QString("ลบข้อมูลเรียบร้อย"));
    QCOMPARE(shop.rows("numlimit2"), QStringList({"123|0|l3", "12|0|h2"}));
    QCOMPARE(shop.grid("h3")->model()->rowCount(), 0);
    QCOMPARE(shop.grid("l3")->model()->rowCount(), 1);

    Dialogs::setNextAnswer(true);
    shop.click("delall");
    QCOMPARE(Dialogs::last().text, QString("ลบข้อมูลเรียบร้อย"));
    QVERIFY(shop.rows("numlimit2").isEmpty());
    QCOMPARE(shop.grid("h2")->model()->rowCount(), 0);
}

void ListFormsTest::gridEditsAreChecked() {
    Shop shop;
    shop.open<Tnumlimitf>();
    shop.line(1, "123", "500");
    DataGrid* grid = shop.grid("h3");
    QSqlTableModel* model = grid->model();
    auto set = [&](int row, const char* field, const QVariant& value) {
        QVERIFY(model->setData(model->index(row, grid->columnOf(field)), value));
    };

    shop.click("gridh3_insert");
    QCOMPARE(model->rowCount(), 2);
    set(1, "num", "45");
    shop.click("gridh3_post");
    QCOMPARE(Dialogs::last().text, QString("กรุณาป้อนเลข 3 ตัว"));
    set(1, "num", "123");
    shop.click("gridh3_post");
    QCOMPARE(Dialogs::last().text, QString("มีเลขนี้แล้วในรายการ"));
    set(1, "num", "456");
    set(1, "h", "สิบ");
    shop.click("gridh3_post");
    QCOMPARE(Dialogs::last().text, QString("จำนวนเงินไม่ถูกต้อง"));
    QCOMPARE(shop.rows(), QStringList{"123|500|h3"});
    set(1, "h", 40);
    shop.click("gridh3_post");
    QCOMPARE(shop.rows(), QStringList({"123|500|h3", "456|40|h3"}));

    // Changing a listed row onto another listed number is refused; its own number is fine.
    set(0, "num", "456");
    shop.click("gridh3_post");
    QCOMPARE(Dialogs::last().text, QString("มีเลขนี้แล้วในรายการ"));
    set(0, "num", "123");
    set(0, "h", 0);
    shop.click("gridh3_post");
    QCOMPARE(shop.rows(), QStringList({"123|0|h3", "456|40|h3"}));

    // A row deleted in the grid is not held back by the check.
    grid->view()->selectRow(0);
    Dialogs::setNextAnswer(true);
    shop.click("gridh3_delete");
    QCOMPARE(shop.rows(), QStringList{"456|40|h3"});
}

void ListFormsTest::serverCopyOnlyOnAStation() {
    {
        Shop shop;
        shop.open<Tnumlimitf>();
        QVERIFY(!shop.part<QPushButton>("bt2")->isVisible());
    }
    TempBook server;
    server.db().exec("INSERT INTO numlimit2 (num, h, codeins) VALUES ('777', NULL, 'h3')");
    server.db().exec("INSERT INTO numlimit2 (num, h, codeins) VALUES ('12', 0, 'l2')");
    Shop shop([&](SettingsRecord& s) {
        s.set(Cstr::tran, "1");
        s.set(Cstr::cstr2, server.folder());
        s.set(Backc::back20, "1");
    });
    shop.open<Tnumlimitf2>();
    shop.line(1, "123", "0");
    QVERIFY(shop.part<QPushButton>("bt2")->isVisible());
    Dialogs::setNextAnswer(true);
    shop.click("bt2");
    QCOMPARE(Dialogs::last().text, QString("โหลดข้อมูลเรียบร้อย"));
    QCOMPARE(shop.rows("numlimit2"), QStringList({"777|0|h3", "12|0|l2"}));
    QCOMPARE(lastNum(shop.grid("h3")), QString("777"));
    QCOMPARE(shop.part<QProgressBar>("pg")->value(), 100);

    // A server that cannot be reached leaves the own list as it was.
    Shop away([&](SettingsRecord& s) {
        s.set(Cstr::tran, "1");
        s.set(Cstr::cstr2, shop.dir.path() + "/nowhere");
        s.set(Backc::back20, "1");
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
