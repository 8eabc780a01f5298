#include "entry/gui/tfminput.h"
#include "support/entryshop.h"
#include "support/testmain.h"
#include "ui/appstyle.h"
#include "ui/datagrid.h"
#include "ui/dialogs.h"

#include <QApplication>
#include <QCheckBox>
#include <QHeaderView>
#include <QStatusBar>
#include <QTabBar>
#include <QTabWidget>
#include <QTableView>
#include <QTableWidget>

namespace {
using Shop = testing::EntryShop;

QStringList log(Shop& shop) {
    return rowsOf(shop.db(), "SELECT s FROM tblog ORDER BY id");
}
} // namespace

class EntryPagesTest : public testing::Test {
    Q_OBJECT
private slots:
    void headPage();
    void setPage();
    void stockPage();
    void stakeInNumber();
    void stakesTypedAnyWay();
    void hundredPanel();
    void pagesByKeyAndMenu();
    void normalPageOptionsAndBanners();
    void fitsTheCommonLaptopScreen();
};

void EntryPagesTest::headPage() {
    Shop shop([](SettingsRecord& s) { s.set(Backc::back23, "1"); });
    shop.form()->showPage(Tfminput::HeadPage);
    QCOMPARE(shop.text("Label1"), QString("เมนูเลขหัว"));
    shop.key(Qt::Key_F4);
    QCOMPARE(shop.text("Label1"), QString("3ตัวหัว+ท้าย+โต๊ด(F4)"));
    QCOMPARE(shop.text("l1"), QString("เงินตรงหัว+ท้าย"));
    shop.line("321", {"15", "10"});
    QCOMPARE(shop.book(),
             (QStringList{"321|7|0|0|h3", "321|7|0|0|h5", "123|0|5|0|t3", "123|5|0|0|h4"}));
    QCOMPARE(shop.book("tballcus"), shop.book());
    shop.key(Qt::Key_F1);
    shop.line("455", {"30"});
    QCOMPARE(shop.book().mid(4), (QStringList{"455|30|0|0|h5", "545|30|0|0|h5", "554|30|0|0|h5"}));
    // A length the mode does not take is said, and nothing is written.
    shop.line("1234", {"30"});
    QVERIFY(Dialogs::last().text.contains("1234"));
    QCOMPARE(log(shop), (QStringList{"4", "3"}));
    // A head number closed as t2 stops the line while the warning is on.
    shop.db().exec("INSERT INTO numlimit2 (num, codeins) VALUES ('321', 't2')");
    shop.key(Qt::Key_F5);
    shop.type("num", "123");
    QCOMPARE(Dialogs::last().text, QString("321 หัวเป็นเลขปิดรับ"));
    QCOMPARE(shop.edit("num")->text(), QString());
    QCOMPARE(log(shop).size(), 2);
    // F7 of the page keeps working for as long as it is shown.
    shop.key(Qt::Key_F7);
    QCOMPARE(shop.text("Label2"), QString("เลข4ตัว"));
    shop.line("1234", {"5"});
    QCOMPARE(log(shop).last(), QString("24"));
}

void EntryPagesTest::setPage() {
    Shop shop;
    shop.key(Qt::Key_W);
    QCOMPARE(shop.form()->page(), Tfminput::SetPage);
    shop.click("f18");
    QCOMPARE(shop.text("Label1"), QString("7ตัว=>3ตัวบน210ชุด"));
    QCOMPARE(shop.text("Label2"), QString("ป้อนเลข7ตัว"));
    shop.line("1234567", {"10"});
    QCOMPARE(log(shop), QStringList{"210"});
    QCOMPARE(rowsOf(shop.db(), "SELECT count(*), count(DISTINCT num), sum(h) FROM tball"),
             QStringList{"210|210|2100"});
    QCOMPARE(rowsOf(shop.db(), "SELECT count(*) FROM tballcus"), QStringList{"210"});
    // A number of another length is refused before anything is written.
    shop.click("f13");
    shop.type("num", "123");
    QCOMPARE(Dialogs::last().text, QString("คุณป้อนข้อมูลไม่ถูกต้องป้อนเลข 4 ตัวเท่านั้น"));
    QCOMPARE(shop.form()->focusWidget(), shop.edit("num"));
    QCOMPARE(log(shop).size(), 1);
    // The 19 doors, then the bottom-only variant left by unticking cb1.
    shop.click("f19");
    shop.line("0", {"20", "10"});
    QCOMPARE(log(shop).last(), QString("38"));
    QCOMPARE(shop.book().mid(210, 2), (QStringList{"00|20|0|0|h2", "01|20|0|0|h2"}));
    QCOMPARE(shop.book().last(), QString("90|0|0|10|l2"));
    QTest::mouseClick(testing::child<QCheckBox>(shop.form(), "cb1"), Qt::LeftButton);
    QCOMPARE(shop.text("Label1"), QString("19ประตูล่าง"));
    QVERIFY(!shop.edit("n1")->isVisible());
    shop.type("num", "9");
    shop.type("n2", "4");
    QCOMPARE(log(shop).last(), QString("19"));
    QCOMPARE(shop.book().last(), QString("09|0|0|4|l2"));
}

void EntryPagesTest::stockPage() {
    Shop shop;
    shop.form()->showPage(Tfminput::StockPage);
    shop.key(Qt::Key_F2);
    shop.type("num", "3");
    shop.type("n1", "20");
    shop.type("n2", "");
    QCOMPARE(shop.edit("n2")->text(), QString("0"));
    QCOMPARE(shop.book().size(), 10);
    QCOMPARE(shop.book().first(), QString("30|20|0|0|h2"));
    QCOMPARE(shop.text("Label4"), QString("ป้อนสำเร็จ"));
    shop.key(Qt::Key_F8);
    shop.line("1234", {"10"});
    // Win pairs leave the status line as the typing left it.
    QVERIFY(!shop.text("Label4").contains("สำเร็จ"));
    QCOMPARE(log(shop), (QStringList{"10", "12"}));
    QCOMPARE(shop.book().at(10), QString("12|10|0|0|h2"));
    QCOMPARE(shop.book().last(), QString("43|10|0|0|h2"));
    shop.key(Qt::Key_F3);
    QCOMPARE(shop.text("Label2"), QString("เงินคี่"));
    shop.line("0", {"5"});
    QCOMPARE(log(shop).last(), QString("20"));
    QCOMPARE(shop.book().last(), QString("86|5|0|0|h2"));
    // F2 of another length warns.
    shop.key(Qt::Key_F2);
    shop.type("num", "12");
    QCOMPARE(Dialogs::last().text, QString("คุณป้อนข้อมูลไม่ถูกต้องป้อนเลข 1 ตัวเท่านั้น"));
    QCOMPARE(log(shop).size(), 3);
}

void EntryPagesTest::stakeInNumber() {
    Shop shop;
    shop.form()->showPage(Tfminput::StockPage);
    shop.key(Qt::Key_F1);
    QCOMPARE(shop.text("Label2"), QString("เงินบน"));
    QVERIFY(!shop.edit("n1")->isVisible());
    QVERIFY(shop.edit("num")->styleSheet().contains("yellow"));
    shop.type("num", "");
    QCOMPARE(Dialogs::last().text, QString("คุณยังไม่ได้ป้อนข้อมูล"));
    QCOMPARE(shop.text("Label4"), QString("คุณป้อนข้อมูลไม่ถูกต้อง"));
    shop.type("num", "50");
    QCOMPARE(log(shop), QStringList{"10"});
    QCOMPARE(shop.book().last(), QString("99|50|0|0|h2"));
    QCOMPARE(shop.edit("num")->text(), QString());
    QCOMPARE(shop.text("Label4"), QString("ป้อนสำเร็จ"));
    shop.click("f112");
    QCOMPARE(shop.text("Label2"), QString("เงิน"));
    shop.type("num", "10");
    QCOMPARE(shop.book().mid(28), (QStringList{"90|10|0|0|h2", "09|10|0|0|h2"}));
    shop.key(Qt::Key_F7);
    shop.type("num", "5");
    QCOMPARE(log(shop), (QStringList{"10", "20", "11"}));
    QCOMPARE(shop.book("tballcus").size(), 41);
}

// Every box that takes a stake on the four pages reads the number row as its digits with the
// Thai layout on, full-width digits as digits, and keeps a minus typed before the stake.
void EntryPagesTest::stakesTypedAnyWay() {
    Shop shop;
    const QString fullWidth14 = QString::fromUtf8("１４");
    qint64 last = 0;
    // The rows of the line just recorded.
    auto line = [&] {
        const QStringList rows = rowsOf(
            shop.db(),
            QString("SELECT num,h,t,l,codeins FROM tball WHERE id > %1 ORDER BY id").arg(last));
        last = shop.db().scalar("SELECT max(id) FROM tball").toLongLong();
        return rows;
    };

    // The normal page: n1, n2 and nu3, each typed every way; a Thai-layout number too.
    shop.form()->showPage(Tfminput::NormalPage);
    shop.key(Qt::Key_F7);
    shop.typeThaiLayout("num", "123");
    QCOMPARE(shop.edit("num")->text(), QString("123"));
    shop.typeThaiLayout("n1", "50");
    shop.typeThai("n2", fullWidth14);
    shop.type("nu3", "-5");
    QCOMPARE(line(), (QStringList{"123|50|0|0|h3", "123|0|14|0|t3", "123|0|0|-5|l3"}));
    shop.line("123", {"-7"});
    shop.typeThaiLayout("n2", "32", true);
    shop.typeThai("nu3", QString::fromUtf8("－２"));
    QCOMPARE(line(), (QStringList{"123|-7|0|0|h3", "123|0|32|0|t3", "123|0|0|-2|l3"}));
    shop.type("num", "123");
    shop.typeThai("n1", fullWidth14);
    shop.type("n2", "-9");
    shop.typeThaiLayout("nu3", "40", true);
    QCOMPARE(line(), (QStringList{"123|14|0|0|h3", "123|0|-9|0|t3", "123|0|0|40|l3"}));

    // The head page: n1 and n2.
    shop.form()->showPage(Tfminput::HeadPage);
    shop.key(Qt::Key_F2);
    shop.type("num", "321");
    shop.typeThaiLayout("n1", "23", true);
    shop.typeThai("n2", fullWidth14);
    QCOMPARE(line(), (QStringList{"321|23|0|0|h5", "123|14|0|0|h4"}));
    shop.type("num", "321");
    shop.typeThai("n1", fullWidth14);
    shop.type("n2", "-6");
    QCOMPARE(line(), (QStringList{"321|14|0|0|h5", "123|-6|0|0|h4"}));
    shop.type("num", "321");
    shop.type("n1", "-8");
    shop.typeThaiLayout("n2", "90");
    QCOMPARE(line(), (QStringList{"321|-8|0|0|h5", "123|90|0|0|h4"}));

    // The set page: the bottom set takes n1, the 19 doors n1 and n2.
    shop.key(Qt::Key_W);
    shop.click("f14");
    shop.type("num", "828");
    shop.typeThaiLayout("n1", "50");
    QCOMPARE(line(), (QStringList{"828|0|0|50|l3", "882|0|0|50|l3", "288|0|0|50|l3"}));
    shop.type("num", "828");
    shop.typeThai("n1", fullWidth14);
    QCOMPARE(line().last(), QString("288|0|0|14|l3"));
    shop.type("num", "828");
    shop.type("n1", "-3");
    QCOMPARE(line().last(), QString("288|0|0|-3|l3"));
    shop.click("f19");
    shop.type("num", "7");
    shop.typeThaiLayout("n1", "20", true);
    shop.type("n2", "-4");
    QStringList doors = line();
    QCOMPARE(doors.size(), 38);
    QCOMPARE(doors.first(), QString("77|20|0|0|h2"));
    QCOMPARE(doors.last(), QString("97|0|0|-4|l2"));
    shop.type("num", "7");
    shop.type("n1", "-2");
    shop.typeThai("n2", fullWidth14);
    doors = line();
    QCOMPARE(doors.first(), QString("77|-2|0|0|h2"));
    QCOMPARE(doors.last(), QString("97|0|0|14|l2"));

    // The stock page: the stake typed in num, then n1 and n2.
    shop.form()->showPage(Tfminput::StockPage);
    shop.key(Qt::Key_F1);
    shop.typeThaiLayout("num", "50");
    QStringList rows = line();
    QCOMPARE(rows.size(), 10);
    QCOMPARE(rows.first(), QString("00|50|0|0|h2"));
    shop.key(Qt::Key_F6);
    shop.type("num", "-20");
    rows = line();
    QCOMPARE(rows.size(), 20);
    QCOMPARE(rows.last(), QString("09|-20|0|0|h2"));
    shop.key(Qt::Key_F7);
    shop.typeThai("num", fullWidth14);
    QCOMPARE(line().last(), QString("91|14|0|0|h2"));
    shop.key(Qt::Key_F3);
    shop.type("num", "-1");
    shop.typeThaiLayout("n1", "36", true);
    rows = line();
    QCOMPARE(rows.first(), QString("13|-1|0|0|h2"));
    QCOMPARE(rows.last(), QString("86|36|0|0|h2"));
    shop.typeThaiLayout("num", "5");
    shop.type("n1", "-5");
    QCOMPARE(line().last(), QString("86|-5|0|0|h2"));
    shop.key(Qt::Key_F2);
    shop.type("num", "4");
    shop.typeThai("n1", fullWidth14);
    shop.typeThaiLayout("n2", "70", true);
    rows = line();
    QCOMPARE(rows.first(), QString("40|14|0|0|h2"));
    QCOMPARE(rows.last(), QString("94|70|0|0|h2"));
    shop.type("num", "4");
    shop.typeThaiLayout("n1", "10");
    shop.type("n2", "-1");
    QCOMPARE(line().last(), QString("94|-1|0|0|h2"));
    QVERIFY(Dialogs::asked().isEmpty());
    QCOMPARE(shop.book("tballcus"), shop.book());

    // A stake in num keeps a minus only in front; a number keeps none.
    shop.key(Qt::Key_F6);
    shop.type("num", "2-0");
    QVERIFY(Dialogs::last().text.startsWith(QString::fromUtf8("จำนวนเงินไม่ถูกต้อง: 2-0")));
    QCOMPARE(shop.edit("num")->text(), QString("2-0"));
    QCOMPARE(line(), QStringList());
    shop.key(Qt::Key_F8);
    QTest::keyClicks(shop.edit("num"), "-12");
    QCOMPARE(shop.edit("num")->text(), QString("12"));
}

void EntryPagesTest::hundredPanel() {
    Shop shop([](SettingsRecord& s) { s.set(Backc::back9, "1"); });
    shop.db().exec("UPDATE change2 SET h2 = ?", {"40"});
    auto* panel = testing::child<QWidget>(shop.form(), "Panel7");
    auto* toggle = testing::child<QPushButton>(shop.form(), "cb100");
    shop.form()->showPage(Tfminput::StockPage);
    QVERIFY(panel->isVisibleTo(shop.form()));
    // The normal page's options stand beside the stakes only while that page is in front.
    QVERIFY(!testing::child<QCheckBox>(shop.form(), "f4c")->isVisibleTo(shop.form()));
    QCOMPARE(toggle->text(), QString("ปิด100ตัวเลข"));
    auto* first = testing::child<QTableWidget>(shop.form(), "DBGrid12");
    auto* last = testing::child<QTableWidget>(shop.form(), "DBGrid18");
    QCOMPARE(first->rowCount(), 16);
    QCOMPARE(last->rowCount(), 4);
    QCOMPARE(last->item(3, 0)->text(), QString("99"));
    shop.key(Qt::Key_F5);
    shop.line("1", {"40"});
    // 11 is a double of the doors: 40, at the limit, is not marked.
    QCOMPARE(first->item(11, 1)->text(), QString("40"));
    QCOMPARE(first->item(11, 1)->background().color(), QColor(Qt::white));
    shop.key(Qt::Key_F1);
    shop.type("num", "5");
    QCOMPARE(first->item(11, 1)->text(), QString("45"));
    QCOMPARE(first->item(11, 1)->background().color(), QColor(Qt::red));
    QCOMPARE(first->item(0, 1)->text(), QString("5"));
    // Hidden by the button, and the choice is kept.
    shop.click("cb100");
    QVERIFY(!panel->isVisibleTo(shop.form()));
    QCOMPARE(toggle->text(), QString("แสดง100ตัวเลข"));
    QCOMPARE(SettingsRecord(shop.db()).hundredPanel(), false);
    shop.form()->showPage(Tfminput::NormalPage);
    QVERIFY(!panel->isVisibleTo(shop.form()));
    QVERIFY(testing::child<QCheckBox>(shop.form(), "f4c")->isVisibleTo(shop.form()));
}

void EntryPagesTest::pagesByKeyAndMenu() {
    Shop shop([](SettingsRecord& s) { s.setFlag(Emenu::t3, false); });
    auto* pages = testing::child<QTabWidget>(shop.form(), "p2");
    QVERIFY(!pages->isTabVisible(Tfminput::HeadPage));
    shop.key(Qt::Key_W);
    QCOMPARE(pages->currentIndex(), int(Tfminput::SetPage));
    QCOMPARE(shop.text("Label1"), QString("เมนูชุด"));
    shop.key(Qt::Key_Home);
    QCOMPARE(shop.form()->page(), Tfminput::NormalPage);
    shop.form()->showPage(Tfminput::StockPage);
    QVERIFY(!shop.form()->hasMode());
    shop.key(Qt::Key_Q);
    QCOMPARE(shop.form()->page(), Tfminput::NormalPage);
    QCOMPARE(shop.edit("num")->text(), QString());

    // The head page switched on by the menu set-up: its tab shows it, and its keys work.
    Shop head([](SettingsRecord& s) {
        s.setFlag(Emenu::t3, true);
        s.set(Backc::back13, "1");
    });
    auto* tabs = testing::child<QTabWidget>(head.form(), "p2");
    QVERIFY(tabs->isTabVisible(Tfminput::HeadPage));
    QTest::mouseClick(tabs->tabBar(), Qt::LeftButton, {},
                      tabs->tabBar()->tabRect(Tfminput::HeadPage).center());
    QCOMPARE(head.form()->page(), Tfminput::HeadPage);
    QCOMPARE(head.text("caption_h5"), QString("หัว3ตัว="));
    head.key(Qt::Key_F6);
    head.line("12", {"10", "5"});
    QCOMPARE(head.book(), (QStringList{"12|0|10|0|t2", "21|0|5|0|t2"}));
}

// The option boxes of F4 and F7 can be used, and the hints of a number's length and the
// caption a line leaves are the banner.
void EntryPagesTest::normalPageOptionsAndBanners() {
    Shop shop;
    shop.form()->showPage(Tfminput::NormalPage);
    for (const char* box : {"f4c", "f7c", "f7c2"})
        QVERIFY2(testing::child<QCheckBox>(shop.form(), box)->isVisible(), box);
    shop.key(Qt::Key_F4);
    QTest::keyClicks(shop.edit("num"), "7");
    QCOMPARE(shop.text("Label1"), QString("ป้อนวิ่งบน"));
    auto* f4c = testing::child<QCheckBox>(shop.form(), "f4c");
    QTest::mouseClick(f4c, Qt::LeftButton, {}, QPoint(6, f4c->height() / 2));
    QCOMPARE(Dialogs::last().text, QString("เงินของตัวตรง จะบวกกับเงินของตัวกลับ"));
    shop.key(Qt::Key_F4);
    shop.line("123", {"10", "5"});
    QCOMPARE(shop.book().first(), QString("123|15|0|0|h3"));
    shop.key(Qt::Key_F7);
    QTest::keyClicks(shop.edit("num"), "1");
    QCOMPARE(shop.text("Label1"), QString("ป้อนเลขวิ่ง"));
    QTest::keyClicks(shop.edit("num"), "2");
    QCOMPARE(shop.text("Label1"), QString("ป้อนเลข2ตัวบน+ล่าง"));
    QTest::keyClicks(shop.edit("num"), "3");
    QCOMPARE(shop.text("Label1"), QString("ป้อนเลขบน+โต๊ด+ล่าง(F7)"));
    shop.key(Qt::Key_F8);
    QTest::keyClicks(shop.edit("num"), "12");
    QCOMPARE(shop.text("Label1"), QString("ป้อนเลข2ตัวบน+กลับ-ล่าง+กลับ(F8)"));
    shop.key(Qt::Key_F9);
    shop.line("321", {"10+5"});
    QCOMPARE(shop.text("Label1"), QString("3ตัวบน+โต๊ด"));
    shop.key(Qt::Key_F10);
    shop.line("123", {"*5"});
    QCOMPARE(shop.text("Label1"), QString("3ตัวล่างชุด"));
    QCOMPARE(shop.text("l1"), QString("3ตัวล่างชุด"));
}

// A 1366x768 screen less a title bar and a panel: every page, the panel included, leaves the
// grid of entered rows ten rows and its navigator in sight.
void EntryPagesTest::fitsTheCommonLaptopScreen() {
    AppStyle::apply();
    Shop shop([](SettingsRecord& s) { s.set(Backc::back9, "1"); });
    shop.main->resize(1366, 710);
    shop.main->show();
    QVERIFY(QTest::qWaitForWindowExposed(shop.main.get()));
    Tfminput* form = shop.form();
    auto* grid = testing::child<DataGrid>(form, "DBGrid1Panel");
    // A look at each page: TABULOX_ENTRY_SHOT=/tmp/entry gives /tmp/entry0.png ...
    const QString shot = qEnvironmentVariable("TABULOX_ENTRY_SHOT");
    for (int page :
         {Tfminput::SetPage, Tfminput::HeadPage, Tfminput::NormalPage, Tfminput::StockPage}) {
        form->showPage(page);
        QApplication::processEvents();
        const QByteArray where = QByteArray::number(page);
        if (!shot.isEmpty())
            shop.main->grab().save(shot + where + ".png");
        const int rowHeight = grid->view()->verticalHeader()->defaultSectionSize();
        QVERIFY2(grid->view()->viewport()->height() >= 10 * rowHeight, where.constData());
        for (QWidget* w : grid->findChildren<QPushButton*>()) {
            const QRect inForm(w->mapTo(form, QPoint(0, 0)), w->size());
            QVERIFY2(form->rect().contains(inForm), where.constData());
        }
        const QRect formInMain(form->mapTo(shop.main.get(), QPoint(0, 0)), form->size());
        QVERIFY2(formInMain.bottom() < shop.main->statusBar()->geometry().top(), where.constData());
        const QRect panel(testing::child<QWidget>(form, "Panel7")->mapTo(form, QPoint(0, 0)),
                          testing::child<QWidget>(form, "Panel7")->size());
        QVERIFY2(form->rect().contains(panel), where.constData());
        if (page != Tfminput::StockPage)
            continue;
        // Every number of the panel and its whole total in sight.
        for (int g = 12; g <= 18; ++g) {
            auto* numbers = testing::child<QTableWidget>(form, QString("DBGrid%1").arg(g));
            const int last = numbers->rowCount() - 1;
            QVERIFY(numbers->rowViewportPosition(last) + numbers->rowHeight(last) <=
                    numbers->viewport()->height());
            QVERIFY(numbers->columnViewportPosition(1) + numbers->columnWidth(1) <=
                    numbers->viewport()->width());
            const QFontMetrics metrics(numbers->item(0, 1)->font());
            QVERIFY(metrics.horizontalAdvance("99,999") < numbers->columnWidth(1));
            QVERIFY(metrics.horizontalAdvance("99") + 8 < numbers->columnWidth(0));
        }
    }
}

TABULOX_TEST(EntryPagesTest)
#include "entrypages_test.moc"
