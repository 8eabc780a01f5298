#include "common/desk.h"
#include "cutting/cutbylimit.h"
#include "entry/gui/tdelform.h"
#include "entry/gui/tfminput.h"
#include "entry/recorder.h"
#include "maintenance/gui/bookrows.h"
#include "maintenance/gui/tdeloption.h"
#include "store/kindrow.h"
#include "support/entryshop.h"
#include "support/testmain.h"
#include "ui/datagrid.h"
#include "ui/dialogs.h"
#include "ui/subwindow.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableView>

using testing::child;
using testing::windowOf;
using testing::runCommand;

namespace {
using Shop = testing::EntryShop;

// A click where a clerk clicks: a choice on its mark, a button in its middle.
void click(QWidget* button) {
    const bool choice = qobject_cast<QRadioButton*>(button) || qobject_cast<QCheckBox*>(button);
    QTest::mouseClick(button, Qt::LeftButton, {},
                      choice ? QPoint(8, button->height() / 2) : button->rect().center());
}

// Clicks the row of the entry form's grid holding id.
void clickRow(Tfminput* form, qint64 id) {
    auto* grid = child<DataGrid>(form, "DBGrid1Panel");
    for (int row = 0; row < grid->model()->rowCount(); ++row) {
        if (grid->value(row, "id").toLongLong() != id)
            continue;
        const QModelIndex index = grid->model()->index(row, 0);
        grid->view()->scrollTo(index);
        QTest::mouseClick(grid->view()->viewport(), Qt::LeftButton, {},
                          grid->view()->visualRect(index).center());
        return;
    }
    QFAIL(qPrintable(QString("no row %1 in the grid").arg(id)));
}

qint64 idOf(Database& db, const QString& table, const QString& num, const QString& code) {
    return db
        .scalar(QString("SELECT min(id) FROM %1 WHERE num = ? AND codeins = ?").arg(table),
                {num, code})
        .toLongLong();
}

QStringList linesOf(Database& db, const QString& table) {
    return rowsOf(db, QString("SELECT num, codeins, cus FROM %1 ORDER BY id").arg(table));
}

// Lines a second apart, as clerks type them.
void enter(Database& db, int second, const QString& num, const QString& code, double stake,
           const QString& customer) {
    const QString time = QString("2024-06-16 09:00:%1").arg(second, 2, 10, QLatin1Char('0'));
    for (const char* table : {"tball", "tballcus"})
        db.exec(QString("INSERT INTO %1 (num, h, t, l, cus, codeins, tim, ti2) VALUES (?, ?, 0, "
                        "0, ?, ?, ?, ?)")
                    .arg(QLatin1String(table)),
                {num, stake, customer, code, time, time});
}

const QStringList kRemoval = {QStringLiteral("(8)ลบข้อมูล")};
} // namespace

class DeleteWindowsTest : public testing::Test {
    Q_OBJECT
private slots:
    void byConditionInHeadNaming();
    void byEntryAndCustomer();
    void dialogFollowsThePicks();
    void dialogAfterACut();
    void entryFormGoesOnAfterADeletion();
};

void DeleteWindowsTest::byConditionInHeadNaming() {
    Shop shop([](SettingsRecord& settings) { settings.set(Backc::back13, "1"); });
    Database& db = shop.db();
    enter(db, 1, "12", "t2", 5, "ก");
    enter(db, 2, "123", "h3", 7, "ก");
    enter(db, 3, "34", "t2", 9, "ข");
    Tmain* main = shop.main.get();
    runCommand(main, kRemoval, "ลบข้อมูลตามเงื่อนไข");
    // The copy D, without the latest-operation copy.
    const QString folder = main->run().programFolder;
    QVERIFY(QFileInfo::exists(folder + "dbbackup/D000.mde"));
    QVERIFY(!QFileInfo::exists(folder + "lastdb/lastdatab.mde"));
    Tdeloption* window = windowOf<Tdeloption>(main);
    QVERIFY(window);
    QCOMPARE(window->windowTitle(), QStringLiteral("ลบข้อมูลตามเงื่อนไข"));
    QCOMPARE(window->rows()->rowCount(), 3);

    click(child<QRadioButton>(window, "p3"));
    click(child<QPushButton>(window, "delete"));
    QCOMPARE(Dialogs::last().text, QStringLiteral("กรุณาเลือกชนิดเลข"));
    auto* kinds = child<QComboBox>(window, "c1");
    QCOMPARE(kinds->itemText(5), QStringLiteral("หัว2ตัว"));
    QCOMPARE(kinds->itemText(9), QStringLiteral("หัว3ตัว"));
    kinds->setCurrentIndex(5);
    emit kinds->activated(5);
    QCOMPARE(window->rows()->rowCount(), 2);
    Dialogs::setNextAnswer(true);
    click(child<QPushButton>(window, "delete"));
    QCOMPARE(Dialogs::asked().at(Dialogs::asked().size() - 2).text,
             QStringLiteral("คุณจะลบข้อมูลหัว2ตัวจากข้อมูลประมวลผลหรือไม่ ?"));
    QCOMPARE(Dialogs::last().text, QStringLiteral("ลบเรียบร้อย"));
    QCOMPARE(linesOf(db, "tball"), QStringList{"123|h3|ก"});
    QCOMPARE(linesOf(db, "tballcus").size(), 3);
    // The entry form heard of it.
    QCOMPARE(shop.text("lsum"), QStringLiteral("7"));
}

void DeleteWindowsTest::byEntryAndCustomer() {
    Shop shop;
    Database& db = shop.db();
    for (int i = 1; i <= 5; ++i)
        enter(db, i, QString("%1%1%1").arg(i), "h3", i, i % 2 ? "ก" : "ข");
    Tmain* main = shop.main.get();
    runCommand(main, kRemoval, "ลบข้อมูลตามเงื่อนไข");
    Tdeloption* window = windowOf<Tdeloption>(main);
    QVERIFY(window);

    // From the entered lines, up to entry 3.
    click(child<QRadioButton>(window, "r2"));
    click(child<QRadioButton>(window, "p2"));
    click(child<QPushButton>(window, "delete"));
    QCOMPARE(Dialogs::last().text, QStringLiteral("กรุณาป้อนลำดับเริ่มต้น"));
    auto* grid = child<QTableView>(window, "DBGrid1");
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                      grid->visualRect(window->rows()->index(2, 0)).center());
    QCOMPARE(child<QLineEdit>(window, "n1")->text(), QStringLiteral("3"));
    click(child<QCheckBox>(window, "cb1"));
    Dialogs::setNextAnswer(false);
    click(child<QPushButton>(window, "delete"));
    QCOMPARE(Dialogs::last().text, QStringLiteral("ยกเลิกการลบ"));
    QCOMPARE(rowsOf(db, "SELECT count(*) FROM tballcus"), QStringList{"5"});
    Dialogs::setNextAnswer(true);
    click(child<QPushButton>(window, "delete"));
    QCOMPARE(Dialogs::asked().at(Dialogs::asked().size() - 2).text,
             QStringLiteral("คุณจะลบข้อมูลที่เริ่มจากลำดับ=3จากข้อมูลสำรองหรือไม่ ?"));
    QCOMPARE(rowsOf(db, "SELECT id FROM tballcus ORDER BY id"), (QStringList{"4", "5"}));
    QCOMPARE(rowsOf(db, "SELECT count(*) FROM tball"), QStringList{"5"});

    // From the book, the customer of a clicked row.
    click(child<QPushButton>(window, "reset"));
    click(child<QRadioButton>(window, "p1"));
    click(child<QPushButton>(window, "delete"));
    QCOMPARE(Dialogs::last().text, QStringLiteral("กรุณาเลือกรหัสในการลบ"));
    QTest::mouseClick(grid->viewport(), Qt::LeftButton, {},
                      grid->visualRect(window->rows()->index(1, 0)).center());
    Dialogs::setNextAnswer(true);
    click(child<QPushButton>(window, "delete"));
    QCOMPARE(Dialogs::asked().at(Dialogs::asked().size() - 2).text,
             QStringLiteral("คุณจะลบข้อมูลที่มีรหัส=ขจากข้อมูลประมวลผลหรือไม่ ?"));
    QCOMPARE(rowsOf(db, "SELECT num FROM tball ORDER BY id"), (QStringList{"111", "333", "555"}));
    QCOMPARE(window->rows()->rowCount(), 3);
}

void DeleteWindowsTest::dialogFollowsThePicks() {
    Shop shop;
    shop.key(Qt::Key_F2);
    shop.line("123", {"10", "5"});
    Database& db = shop.db();
    Tfminput* form = shop.form();

    // The cancel button first: a row picked next opens the dialog.
    click(child<QPushButton>(form, "BitBtn3"));
    QCOMPARE(Dialogs::last().text, QStringLiteral("กรุณาเลือกข้อมูลที่ต้องการลบ"));
    clickRow(form, idOf(db, "tball", "123", "t3"));
    QPointer<Tdelform> dialog = form->deleteDialog();
    QVERIFY(dialog);
    QCOMPARE(dialog->windowTitle(), QStringLiteral("เมนูลบข้อมูล"));
    QVERIFY(!child<QPushButton>(form, "BitBtn3")->isEnabled());
    const QString stamp = form->deletePicks().stamp;
    QVERIFY(stamp != "yy");
    QCOMPARE(child<QRadioButton>(dialog, "r1")->text(), QStringLiteral("ลบเฉพาะเลข123"));
    QCOMPARE(child<QRadioButton>(dialog, "r2")->text(), "ลบเลขทั้งหมดที่ป้อนเวลา" + stamp);
    QVERIFY(!child<QRadioButton>(dialog, "r2")->isHidden());
    QCOMPARE(child<QRadioButton>(dialog, "r3")->text(),
             QStringLiteral("ลบข้อมูลที่เริ่มต้นจากเลข123ถึงเลขสุดท้าย"));

    // One number of the line, from both tables.
    Dialogs::setNextAnswer(true);
    click(child<QPushButton>(dialog, "delete"));
    QCOMPARE(Dialogs::last().text, QStringLiteral("ลบเลข123เรียบร้อย"));
    QCOMPARE(shop.book(), QStringList{"123|10|0|0|h3"});
    QCOMPARE(shop.book("tballcus"), shop.book());
    QVERIFY(QFileInfo::exists(shop.main->run().programFolder + "dbbackup/D000.mde"));
    QVERIFY(!child<QPushButton>(dialog, "delete")->isEnabled());
    QVERIFY(!form->deletePicks().any());
    QCOMPARE(shop.text("lsum"), QStringLiteral("10"));

    // An unstamped row hides the deletion by time until it is picked.
    // A line of another computer arrives meanwhile.
    Recorder(db).recordLine({{"456", Kind::h3, 20}}, "ข");
    shop.main->desk().bookWritten(BookChange::linesWritten);
    dialog->onTimer1();
    QVERIFY(child<QRadioButton>(dialog, "r2")->isHidden());
    clickRow(form, idOf(db, "tball", "456", "h3"));
    dialog->onTimer1();
    QVERIFY(!child<QRadioButton>(dialog, "r2")->isHidden());
    QVERIFY(child<QPushButton>(dialog, "delete")->isEnabled());
    click(child<QRadioButton>(dialog, "r2"));
    const QString lineStamp = form->deletePicks().stamp;
    Dialogs::setNextAnswer(false);
    click(child<QPushButton>(dialog, "delete"));
    QCOMPARE(Dialogs::last().text, "ยกเลิกการลบข้อมูลเลขที่ป้อนเวลา" + lineStamp);
    QCOMPARE(rowsOf(db, "SELECT count(*) FROM tballcus"), QStringList{"2"});

    dialog->close();
    QVERIFY(child<QPushButton>(form, "BitBtn3")->isEnabled());
    QTRY_VERIFY(!dialog);
}

void DeleteWindowsTest::dialogAfterACut() {
    Shop shop;
    Database& db = shop.db();
    enter(db, 1, "123", "h3", 100, "ก");
    enter(db, 1, "123", "t3", 50, "ก");
    enter(db, 2, "45", "h2", 30, "ข");
    enter(db, 2, "54", "h2", 30, "ข");
    enter(db, 3, "999", "h3", 20, "ค");
    enter(db, 4, "67", "h2", 5, "ค");
    kindrow::write(db, "change2", static_cast<int>(Kind::h3), "50");
    cut::immediateCut(db, Kind::h3);
    shop.main->desk().bookWritten(BookChange::cut);
    Tfminput* form = shop.form();

    // A range of the book after the cut: the same lines go from the entered lines.
    clickRow(form, idOf(db, "tball", "123", "t3"));
    click(child<QPushButton>(form, "BitBtn3"));
    QPointer<Tdelform> dialog = form->deleteDialog();
    QVERIFY(dialog);
    clickRow(form, idOf(db, "tball", "54", "h2"));
    dialog->onTimer1();
    QCOMPARE(child<QRadioButton>(dialog, "r4")->text(),
             QStringLiteral("ลบข้อมูลที่เริ่มต้นจากเลข123ถึงเลข54"));
    click(child<QRadioButton>(dialog, "r4"));
    QVERIFY(dialog->marks(idOf(db, "tball", "45", "h2"), QString()));
    QVERIFY(!dialog->marks(idOf(db, "tball", "67", "h2"), QString()));
    Dialogs::setNextAnswer(true);
    click(child<QPushButton>(dialog, "delete"));
    QCOMPARE(Dialogs::last().text,
             QStringLiteral("ลบข้อมูลการป้อนที่เริ่มจากเลข123ถึงเลข54จำนวน3ข้อมูลเรียบร้อย"));
    QCOMPARE(linesOf(db, "tball"),
             (QStringList{"67|h2|ค", "123|h3|การตัดยอด", "999|h3|การตัดยอด"}));
    // The h3 lines live on in the cut's lines and stay entered.
    QCOMPARE(linesOf(db, "tballcus"), (QStringList{"123|h3|ก", "999|h3|ค", "67|h2|ค"}));

    // From a row to the end: the cut's lines were entered by nobody.
    clickRow(form, idOf(db, "tball", "123", "h3"));
    click(child<QRadioButton>(dialog, "r3"));
    Dialogs::setNextAnswer(true);
    click(child<QPushButton>(dialog, "delete"));
    QCOMPARE(Dialogs::last().text, QStringLiteral("ลบข้อมูลเรียบร้อย"));
    QCOMPARE(linesOf(db, "tball"), QStringList{"67|h2|ค"});
    QCOMPARE(linesOf(db, "tballcus"), (QStringList{"123|h3|ก", "999|h3|ค", "67|h2|ค"}));

    // A whole line by its time, in both.
    clickRow(form, idOf(db, "tball", "67", "h2"));
    click(child<QRadioButton>(dialog, "r2"));
    Dialogs::setNextAnswer(true);
    click(child<QPushButton>(dialog, "delete"));
    QCOMPARE(linesOf(db, "tball"), QStringList());
    QCOMPARE(linesOf(db, "tballcus"), (QStringList{"123|h3|ก", "999|h3|ค"}));
    QCOMPARE(shop.text("Label16"), QStringLiteral("0"));
}

void DeleteWindowsTest::entryFormGoesOnAfterADeletion() {
    Shop shop;
    Database& db = shop.db();
    // More entered lines than the grid of the entered page reads at once.
    for (int i = 1; i <= 300; ++i)
        enter(db, i % 60, QString("%1").arg(i, 3, 10, QLatin1Char('0')), "h3", 1, "ก");
    Tmain* main = shop.main.get();
    main->openEntryForm();
    auto* entered = child<DataGrid>(shop.form(), "DBGrid2Panel");
    auto* pages = child<QTabWidget>(shop.form(), "PageControl1");
    pages->setCurrentIndex(1);
    QVERIFY(entered->model()->rowCount() > 0);
    QVERIFY(entered->model()->canFetchMore());

    runCommand(main, kRemoval, "ลบข้อมูลตามเงื่อนไข");
    Tdeloption* window = windowOf<Tdeloption>(main);
    QVERIFY(window);
    click(child<QRadioButton>(window, "p2"));
    child<QLineEdit>(window, "n1")->setText("291");
    Dialogs::setNextAnswer(true);
    click(child<QPushButton>(window, "delete"));
    QCOMPARE(Dialogs::last().text, QStringLiteral("ลบเรียบร้อย"));
    closeWithFrame(window);

    // The form sees the deletion and its next line is written.
    QCOMPARE(shop.text("Label16"), QStringLiteral("290"));
    main->mdi()->setActiveSubWindow(main->mdi()->subWindowList().first());
    shop.key(Qt::Key_F2);
    shop.line("777", {"10", "5"});
    QCOMPARE(rowsOf(db, "SELECT num, sum(h + t) FROM tball WHERE id > 300 GROUP BY num"),
             QStringList{"777|15"});
    QCOMPARE(shop.text("Label16"), QStringLiteral("292"));
    // The entered page lets go of its rows once it is left.
    pages->setCurrentIndex(0);
    QVERIFY(!entered->model()->canFetchMore());
    QCOMPARE(entered->model()->rowCount(), 0);
    pages->setCurrentIndex(1);
    QCOMPARE(entered->model()->rowCount(), 256);
    QCOMPARE(entered->view()->isColumnHidden(entered->columnOf("ti2")), true);
}

TABULOX_TEST(DeleteWindowsTest)
#include "deletewindows_test.moc"
