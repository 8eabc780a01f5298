#include "platform/fakeplatform.h"
#include "printing/gui/reportpreview.h"
#include "settlement/gui/tcheck.h"
#include "settlement/gui/tcheckbycus.h"
#include "store/database.h"
#include "support/reportcells.h"
#include "support/shop.h"
#include "support/tempbook.h"
#include "support/testmain.h"
#include "support/workbookread.h"
#include "ui/dialogs.h"

#include <QApplication>
#include <QCalendarWidget>
#include <QComboBox>
#include <QDateEdit>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <QTableWidget>
#include <QToolButton>

using printing::ReportPreview;
using testing::child;
using testing::runCommand;

namespace {
template <typename Window> Window* windowOf(Tmain* main) {
    for (QMdiSubWindow* window : main->findChild<QMdiArea*>()->subWindowList()) {
        if (auto* found = qobject_cast<Window*>(window->widget()))
            return found;
    }
    return nullptr;
}

void entered(Database& db, const QString& cus, const QString& num, const QString& code,
             const QString& column, double stake) {
    for (const char* table : {"tballcus", "tball"}) {
        db.exec(QStringLiteral("INSERT INTO %1 (num, %2, cus, codeins) VALUES (?, ?, ?, ?)")
                    .arg(QLatin1String(table), column),
                {num, stake, cus, code});
    }
}

QString text(Tcheck* w, const QString& name) {
    return child<QLineEdit>(w, name)->text();
}

QStringList captions(Tcheck* w) {
    QStringList shown;
    for (int row = 1; row <= 10; ++row)
        shown << child<QLabel>(w, QStringLiteral("caption%1").arg(row))->text();
    return shown;
}

// A box typed into as a clerk does: its text selected, so the keys replace it.
void retype(QLineEdit* box, const QString& keys) {
    box->setFocus();
    box->selectAll();
    QTest::keyClicks(box, keys);
}

const QStringList kSetup = {QStringLiteral("(2)ตั้งค่า")};
} // namespace

class PrizeWindowsTest : public testing::Test {
    Q_OBJECT
private slots:
    void init() {
        testing::Test::init();
        shop_ = std::make_unique<testing::Shop>();
        book_ = shop_->main->desk().openShared();
        Database& db = *book_;
        db.exec("UPDATE change SET h3 = '500', t3 = '100', h2 = '70'");
        db.exec("UPDATE change3 SET h3 = '10', t3 = '20', l3 = '0', h2 = '0', t2 = '0', l2 = '0', "
                "h1 = '0', l1 = '0', h4 = '0', h5 = '0'");
        db.exec("UPDATE checkdata SET h3 = '111111', l2 = '22'");
        db.exec(
            "INSERT INTO cus (id, name, h3, t3, c3hp, c3tp) VALUES ('ก', 'ก', 550, 100, 25, 30)");
        entered(db, "ก", "456", "h3", "h", 100);
        entered(db, "ก", "123", "h3", "h", 300);
        entered(db, "ก", "465", "t3", "t", 10);
        entered(db, "ข", "456", "h3", "h", 9);
    }
    void cleanup() {
        book_.reset();
        shop_.reset();
        testing::Test::cleanup();
    }

    void checkOfTheKeptAmounts() {
        Tmain* main = shop_->main.get();
        runCommand(main, kSetup, QStringLiteral("6.ตรวจรางวัล"));
        QPointer<Tcheck> w = windowOf<Tcheck>(main);
        QVERIFY(w);
        QCOMPARE(text(w, "Edit1"), QStringLiteral("111111"));
        QCOMPARE(text(w, "Edit7"), QStringLiteral("10"));
        QCOMPARE(child<QLabel>(w, "caption6")->text(), QStringLiteral("คู่โต๊ด"));
        QTest::mouseClick(child<QPushButton>(w, "keepAll"), Qt::LeftButton);
        // Clicking into the first prize empties it for the new number.
        QTest::mouseClick(child<QLineEdit>(w, "Edit1"), Qt::LeftButton);
        QVERIFY(text(w, "Edit1").isEmpty());
        QTest::keyClicks(child<QLineEdit>(w, "Edit1"), "456");
        auto* check = child<QPushButton>(w, "check");
        QTest::mouseClick(check, Qt::LeftButton);
        QVERIFY(!check->isEnabled());
        QCOMPARE(text(w, "Edit1"), QStringLiteral("000456"));
        QVERIFY(child<QLabel>(w, "caption1")->text().isEmpty());
        const int beeps = shop_->platform->beeps;
        w->runCheck();
        QVERIFY(check->isEnabled());
        QCOMPARE(shop_->platform->beeps, beeps + 1);
        // 409 kept less 10% is 368; 109 of 456 paid at 500.
        QCOMPARE(child<QLabel>(w, "caption1")->text(),
                 QStringLiteral("3ตัวบนมีเลขถูกรางวัลจำนวน==109"));
        QCOMPARE(text(w, "Edit17"), QStringLiteral("368"));
        QCOMPARE(text(w, "Edit27"), QStringLiteral("54500"));
        QCOMPARE(text(w, "Edit37"), QStringLiteral("-54132"));
        QCOMPARE(child<QLabel>(w, "caption2")->text(),
                 QStringLiteral("3ตัวโต๊ดมีเลขถูกรางวัลจำนวน==10"));
        QCOMPARE(text(w, "Edit18"), QStringLiteral("8"));
        QCOMPARE(text(w, "Edit28"), QStringLiteral("1000"));
        QCOMPARE(child<QLabel>(w, "caption4")->text(), QStringLiteral("2ตัวบนไม่มีเลขถูกรางวัล"));
        QCOMPARE(text(w, "Edit30"), QStringLiteral("0"));
        QCOMPARE(text(w, "Edit47"), QString::number(368 - 54500 + 8 - 1000));
        QCOMPARE(child<QLabel>(w, "totalCaption")->text(), QStringLiteral("ขาดทุน="));
        // The draw and the percents are kept for the next check.
        QCOMPARE(book_->scalar("SELECT h3 FROM checkdata").toString(), QStringLiteral("000456"));
        QCOMPARE(book_->scalar("SELECT h3 FROM change3").toString(), QStringLiteral("10"));
        QVERIFY(Dialogs::asked().isEmpty());
    }

    void percentNotWholeStopsTheCheck() {
        Tmain* main = shop_->main.get();
        runCommand(main, kSetup, QStringLiteral("6.ตรวจรางวัล"));
        Tcheck* w = windowOf<Tcheck>(main);
        child<QLineEdit>(w, "Edit12")->setText("1.5");
        child<QLineEdit>(w, "Edit7")->setText("33");
        w->startCheck();
        QCOMPARE(Dialogs::last().kind, QStringLiteral("warning"));
        QCOMPARE(Dialogs::last().text, QStringLiteral("%ส่วนลดของคู่โต๊ดต้องเป็นตัวเลขจำนวนเต็ม"));
        QVERIFY(child<QPushButton>(w, "check")->isEnabled());
        QCOMPARE(book_->scalar("SELECT h3 FROM change3").toString(), QStringLiteral("10"));
        QVERIFY(text(w, "Edit17").isEmpty());
        // The averages of the customers' percents fill the boxes; nothing is stored yet.
        book_->exec("INSERT INTO cus (id, name, c3hp) VALUES ('ข', 'ข', 26)");
        QTest::mouseClick(child<QPushButton>(w, "average"), Qt::LeftButton);
        QCOMPARE(text(w, "Edit7"), QStringLiteral("26")); // 25.5 halves to even
        QCOMPARE(book_->scalar("SELECT h3 FROM change3").toString(), QStringLiteral("10"));
    }

    // A percent outside 0 to 100 and a first prize of another length stop the check before
    // anything is stored or shown; the window keeps what it showed.
    void refusedPercentsAndFirstPrizes() {
        Tmain* main = shop_->main.get();
        runCommand(main, kSetup, QStringLiteral("6.ตรวจรางวัล"));
        Tcheck* w = windowOf<Tcheck>(main);
        auto* check = child<QPushButton>(w, "check");
        auto* first = child<QLineEdit>(w, "Edit1");
        QTest::mouseClick(child<QPushButton>(w, "keepAll"), Qt::LeftButton);
        const QStringList kinds = {"3ตัวบน", "3ตัวโต๊ด", "3ตัวล่าง", "2ตัวบน",  "2ตัวล่าง",
                                   "คู่โต๊ด",  "วิ่งบน",   "วิ่งล่าง",  "กลุ่ม4ตัว", "กลุ่ม5ตัว"};
        QCOMPARE(captions(w), kinds);
        const QString stored = "SELECT h3 || t3 || l3 || h2 || t2 || l2 || h1 || l1 || h4 || h5 "
                               "FROM change3";
        const QString percents = book_->scalar(stored).toString();
        for (int row = 0; row < 10; ++row) {
            auto* box = child<QLineEdit>(w, QStringLiteral("Edit%1").arg(7 + row));
            const QString before = box->text();
            retype(box, row % 2 ? "-1" : "150");
            QTest::mouseClick(check, Qt::LeftButton);
            QCOMPARE(Dialogs::last().text, QStringLiteral("%ส่วนลดของ") + kinds[row] +
                                               QStringLiteral("ต้องอยู่ระหว่าง 0 ถึง 100"));
            QVERIFY(check->isEnabled());
            QCOMPARE(QApplication::focusWidget(), box);
            QCOMPARE(captions(w), kinds);
            retype(box, before);
        }
        QCOMPARE(book_->scalar(stored).toString(), percents);

        // Three digits stand for six; the bounds themselves are taken.
        QTest::mouseClick(first, Qt::LeftButton);
        QTest::keyClicks(first, "456");
        retype(child<QLineEdit>(w, "Edit7"), "100");
        QTest::mouseClick(check, Qt::LeftButton);
        w->runCheck();
        QCOMPARE(text(w, "Edit1"), QStringLiteral("000456"));
        QCOMPARE(text(w, "Edit17"), QStringLiteral("0"));
        const QStringList shown = captions(w);
        QCOMPARE(shown.first(), QStringLiteral("3ตัวบนมีเลขถูกรางวัลจำนวน==109"));

        // Five digits, or a percent refused, leave the last check's results as they were.
        QTest::mouseClick(first, Qt::LeftButton);
        QTest::keyClicks(first, "56180");
        QTest::mouseClick(check, Qt::LeftButton);
        QCOMPARE(Dialogs::last().text, QStringLiteral("รางวัลที่1ต้องเป็นเลข 6 ตัว (หรือ 3 ตัวท้าย)"));
        QCOMPARE(QApplication::focusWidget(), first);
        QCOMPARE(text(w, "Edit1"), QStringLiteral("56180"));
        QCOMPARE(captions(w), shown);
        QCOMPARE(text(w, "Edit17"), QStringLiteral("0"));
        QCOMPARE(book_->scalar("SELECT h3 FROM checkdata").toString(), QStringLiteral("000456"));
        retype(child<QLineEdit>(w, "Edit8"), "x");
        QTest::mouseClick(check, Qt::LeftButton);
        QCOMPARE(Dialogs::last().text, QStringLiteral("%ส่วนลดของ3ตัวโต๊ดต้องเป็นตัวเลขจำนวนเต็ม"));
        QCOMPARE(captions(w), shown);
        retype(child<QLineEdit>(w, "Edit8"), "0");

        // Seven digits: the box takes six. A box spoilt while the check waits for its tick
        // stops it with the kinds' own captions.
        QTest::mouseClick(first, Qt::LeftButton);
        QTest::keyClicks(first, "1234567");
        QCOMPARE(text(w, "Edit1"), QStringLiteral("123456"));
        QTest::mouseClick(check, Qt::LeftButton);
        QVERIFY(!check->isEnabled());
        child<QLineEdit>(w, "Edit9")->setText("101");
        w->runCheck();
        QCOMPARE(Dialogs::last().text, QStringLiteral("%ส่วนลดของ3ตัวล่างต้องอยู่ระหว่าง 0 ถึง 100"));
        QCOMPARE(captions(w), kinds);
        QVERIFY(check->isEnabled());
        retype(child<QLineEdit>(w, "Edit9"), "0");
        QTest::mouseClick(check, Qt::LeftButton);
        w->runCheck();
        QCOMPARE(captions(w), shown);
        QCOMPARE(book_->scalar("SELECT h3 FROM checkdata").toString(), QStringLiteral("123456"));
    }

    void winnersOfEachCustomerAndClosing() {
        Tmain* main = shop_->main.get();
        runCommand(main, kSetup, QStringLiteral("6.ตรวจรางวัล"));
        QPointer<Tcheck> w = windowOf<Tcheck>(main);
        child<QLineEdit>(w, "Edit1")->setText("000456");
        auto* chooser = child<QComboBox>(w, "c1");
        QCOMPARE(chooser->currentText(), QStringLiteral("เลือกชนิดข้อมูล"));
        ReportPreview::reset();
        w->showWinners(1);
        QCOMPARE(ReportPreview::shown().size(), 1);
        const printing::Report& r = ReportPreview::shown().last().report;
        QCOMPARE(r.heading, QStringLiteral("3ตัวบน"));
        // The line of a name not among the customers is not listed.
        QCOMPARE(r.rows.size(), 1);
        QCOMPARE(testing::cellsOf(r, 0), (QStringList{"ก", "456", "100", "550", "55000"}));
        QCOMPARE(r.sumCaption, QStringLiteral("ยอดรวม="));
        // Closing keeps the draw in the boxes; so does the window closing itself.
        child<QLineEdit>(w, "Edit2")->setText("99");
        w->onCloseTimer();
        QTRY_VERIFY(!w);
        QCOMPARE(book_->scalar("SELECT h3 || '/' || l2 FROM checkdata").toString(),
                 QStringLiteral("000456/99"));
    }

    void winnersWorkbook() {
        Tmain* main = shop_->main.get();
        runCommand(main, kSetup, QStringLiteral("6.ตรวจรางวัล"));
        Tcheck* w = windowOf<Tcheck>(main);
        child<QLineEdit>(w, "Edit1")->setText("000456");
        w->showWinners(0);
        const QString folder = main->desk().run().programFolder + "excel";
        QCOMPARE(shop_->platform->opened.size(), 1);
        const QString path = shop_->platform->opened.last();
        QVERIFY(path.startsWith(folder + "/ผลการตรวจรางวัล "));
        const QJsonObject read = testing::readWorkbook(path);
        const QJsonObject cells = read["cells"]["Sheet1"].toObject();
        QCOMPARE(cells["A3"]["v"].toString(), QStringLiteral("ก"));
        QCOMPARE(cells["C3"]["v"].toString(), QStringLiteral("456"));
        QCOMPARE(cells["D3"]["v"].toDouble(), 100.0);
        QCOMPARE(cells["H3"]["v"].toString(), QStringLiteral("465"));
        // No spreadsheet program: said, with the file; the first file is kept.
        shop_->platform->programsExist = false;
        w->showWinners(0);
        QCOMPARE(Dialogs::last().kind, QStringLiteral("info"));
        const QString second = shop_->platform->opened.last();
        QVERIFY(second != path);
        QVERIFY(Dialogs::last().text.endsWith(QDir::toNativeSeparators(second)));
        QCOMPARE(QDir(folder).entryList(QDir::Files).size(), 2);
    }

    void checkByCustomerSettlesEachWinner() {
        Tmain* main = shop_->main.get();
        runCommand(main, kSetup, QStringLiteral("6.ตรวจรางวัล"));
        QPointer<Tcheck> check = windowOf<Tcheck>(main);
        QTest::mouseClick(child<QPushButton>(check, "accounts"), Qt::LeftButton);
        QPointer<Tcheckbycus> w = windowOf<Tcheckbycus>(main);
        QVERIFY(w);
        QCOMPARE(child<QLineEdit>(w, "Edit1")->text(), QStringLiteral("111111"));
        child<QLineEdit>(w, "Edit1")->setText("000456");
        w->runCheck();
        QCOMPARE(child<QLabel>(w, "total")->text(), QStringLiteral("มีผู้ถูกรางวัลจำนวน1คน(คลิ๊กที่ชื่อ)"));
        auto* grid = child<QTableWidget>(w, "DBGrid1");
        QCOMPARE(grid->rowCount(), 1);
        QCOMPARE(grid->item(0, 0)->text(), QStringLiteral("ก"));
        child<QDateEdit>(w, "dt1")->setDate(QDate(2014, 7, 16));
        QCOMPARE(w->dateText(), QStringLiteral("16 / กรกฏาคม / 2557"));

        ReportPreview::reset();
        w->printCustomer(0);
        QCOMPARE(ReportPreview::shown().size(), 1);
        const printing::Report& r = ReportPreview::shown().last().report;
        QCOMPARE(r.heading, QStringLiteral("เลขที่ถูกรางวัลของก   งวดวันที่  16 / กรกฏาคม / 2557"));
        QCOMPARE(r.rows.size(), 2);
        QCOMPARE(testing::cellsOf(r, 0), (QStringList{"3ตัวบน", "456", "100", "550", "55000"}));
        QCOMPARE(testing::cellsOf(r, 1), (QStringList{"3ตัวโต๊ด", "465", "10", "100", "1000"}));
        // Staked 410; 25% of 400 and 30% of 10 off leave 307 to collect.
        QCOMPARE(r.summary,
                 (QStringList{"ยอดรวมถูกรางวัลที่จ่าย = 56000", "ยอดซื้อทั้งหมด = 410", "ส่วนลดรวม = 103",
                              "ยอดเรียกเก็บ = 307", "ต้องจ่ายคืน  =  56000 - 307 = 55693"}));
        QTest::mouseClick(child<QPushButton>(w, "reset"), Qt::LeftButton);
        QVERIFY(child<QLabel>(w, "total")->text().isEmpty());
        // A draw nobody won.
        child<QLineEdit>(w, "Edit1")->setText("000999");
        w->runCheck();
        QCOMPARE(child<QLabel>(w, "total")->text(), QStringLiteral("ไม่มีผู้ถูกรางวัล"));
        QCOMPARE(grid->rowCount(), 0);
        // Closing it ends the prize check too; the draw is kept.
        w->parentWidget()->close();
        QTRY_VERIFY(!w);
        QTRY_VERIFY(!check);
        QCOMPARE(book_->scalar("SELECT h3 FROM checkdata").toString(), QStringLiteral("000999"));
    }

    // The draw's date is picked and typed in the Buddhist era; the first prize is held to six
    // digits as in the prize check.
    void checkByCustomerInTheBuddhistEra() {
        Tmain* main = shop_->main.get();
        runCommand(main, kSetup, QStringLiteral("6.ตรวจรางวัล"));
        QTest::mouseClick(child<QPushButton>(windowOf<Tcheck>(main), "accounts"), Qt::LeftButton);
        Tcheckbycus* w = windowOf<Tcheckbycus>(main);
        auto* date = child<QDateEdit>(w, "dt1");
        date->setDate(QDate(2014, 3, 16));
        QCOMPARE(date->text(), QStringLiteral("16/03/2557"));
        QCOMPARE(w->dateText(), QStringLiteral("16 / มีนาคม / 2557"));
        // Typed section by section; 2559 is a leap year as 2016 is.
        date->setSelectedSection(QDateTimeEdit::YearSection);
        QTest::keyClicks(date, "2559");
        date->setSelectedSection(QDateTimeEdit::DaySection);
        QTest::keyClicks(date, "2902");
        QCOMPARE(date->date(), QDate(2016, 2, 29));
        QCOMPARE(w->dateText(), QStringLiteral("29 / กุมภาพันธ์ / 2559"));
        QTest::keyClick(date, Qt::Key_Up);
        QCOMPARE(date->date(), QDate(2017, 2, 28));
        QCOMPARE(date->text(), QStringLiteral("28/02/2560"));
        auto* year = date->calendarWidget()->findChild<QToolButton*>("qt_calendar_yearbutton");
        QVERIFY(year);
        date->calendarWidget()->setCurrentPage(2014, 7);
        QCOMPARE(year->text(), QStringLiteral("2557"));

        auto* first = child<QLineEdit>(w, "Edit1");
        QTest::mouseClick(first, Qt::LeftButton);
        QTest::keyClicks(first, "56180");
        QTest::mouseClick(child<QPushButton>(w, "check"), Qt::LeftButton);
        QCOMPARE(Dialogs::last().text, QStringLiteral("รางวัลที่1ต้องเป็นเลข 6 ตัว (หรือ 3 ตัวท้าย)"));
        QVERIFY(child<QLabel>(w, "total")->text().isEmpty());
        QCOMPARE(book_->scalar("SELECT h3 FROM checkdata").toString(), QStringLiteral("111111"));
        QTest::mouseClick(first, Qt::LeftButton);
        QTest::keyClicks(first, "456");
        QTest::mouseClick(child<QPushButton>(w, "check"), Qt::LeftButton);
        QCOMPARE(first->text(), QStringLiteral("000456"));
        QCOMPARE(child<QLabel>(w, "total")->text(), QStringLiteral("มีผู้ถูกรางวัลจำนวน1คน(คลิ๊กที่ชื่อ)"));
    }

    void headNamesHideTheWinnersChooser() {
        shop_.reset();
        book_.reset();
        shop_ =
            std::make_unique<testing::Shop>([](SettingsRecord& s) { s.set(Backc::back13, "1"); });
        Tmain* main = shop_->main.get();
        runCommand(main, kSetup, QStringLiteral("6.ตรวจรางวัล"));
        Tcheck* w = windowOf<Tcheck>(main);
        QVERIFY(!child<QComboBox>(w, "c1")->isVisibleTo(w));
        QCOMPARE(child<QLabel>(w, "caption6")->text(), QStringLiteral("หัว2ตัว"));
        QCOMPARE(child<QLabel>(w, "caption10")->text(), QStringLiteral("หัว3ตัว"));
    }

private:
    std::unique_ptr<testing::Shop> shop_;
    std::unique_ptr<Database> book_;
};

TABULOX_TEST(PrizeWindowsTest)
#include "prizewindows_test.moc"
