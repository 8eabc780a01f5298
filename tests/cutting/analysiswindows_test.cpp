#include "cutting/cutbylimit.h"
#include "cutting/deductout.h"
#include "cutting/gui/cutpages.h"
#include "cutting/gui/tfmcut.h"
#include "cutting/gui/tfmcut2.h"
#include "entry/gui/tfminput.h"
#include "printing/gui/reportpreview.h"
#include "store/database.h"
#include "store/kindrow.h"
#include "support/cutbook.h"
#include "support/entryshop.h"
#include "support/reportcells.h"
#include "support/tempbook.h"
#include "support/testmain.h"
#include "ui/dialogs.h"
#include "ui/kindvalueform.h"

#include <QCheckBox>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QTableWidget>

using printing::ReportPreview;
using testing::cellsOf;
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

const QString kCut = QStringLiteral("(7)การตัดยอด");
const QStringList kDeduct = {kCut, QStringLiteral("ตัดยอดแบบหักออก")};
const QString kTotals = QStringLiteral("(3)แสดงยอด");

void click(QWidget* root, const char* name) {
    QPushButton* button = child<QPushButton>(root, QLatin1String(name));
    QTest::mouseClick(button, Qt::LeftButton);
}

void type(QLineEdit* box, const QString& text) {
    QTest::mouseClick(box, Qt::LeftButton); // empties it
    QCOMPARE(box->text(), QString());
    QTest::keyClicks(box, text);
}

QString labelText(QWidget* root, const char* name) {
    return child<QLabel>(root, QLatin1String(name))->text();
}

const printing::Report& lastReport() {
    return ReportPreview::shown().back().report;
}
} // namespace

class AnalysisWindowsTest : public testing::Test {
    Q_OBJECT
private slots:
    void init() {
        testing::Test::init();
        shop_ = std::make_unique<testing::EntryShop>();
        book_ = shop_->main->desk().openShared();
        kindrow::write(*book_, QStringLiteral("change"), 0, QStringLiteral("500"));
        kindrow::write(*book_, QStringLiteral("change3"), 0, QStringLiteral("20"));
    }
    void cleanup() {
        book_.reset();
        shop_.reset();
        testing::Test::cleanup();
    }

    void trialCutProposesCutsAndShows() {
        cutbook::bet(*book_, "123", Kind::h3, 60000);
        cutbook::bet(*book_, "456", Kind::h3, 39900);
        cutbook::bet(*book_, "789", Kind::h3, 100);
        // The latest lists of a menu cut of l2.
        cutbook::bet(*book_, "12", Kind::l2, 90);
        cutbook::limitOf(*book_, Kind::l2, 50);
        cutbook::limitOf(*book_, Kind::h3, 1000000);
        cut::menuCut(*book_);
        cutbook::numberLimit(*book_, Kind::h3, "789", 0);
        const QStringList kept = cutbook::keptOf(*book_, Kind::h3);
        const QStringList linesBefore = rowsOf(*book_, "SELECT * FROM tball ORDER BY id");

        Tmain* main = shop_->main.get();
        runCommand(main, {kCut}, QStringLiteral("ตัดยอด+วิเคราะห์+คำนวณยอดเพิ่มทุน"));
        Tfmcut* window = windowOf<Tfmcut>(main);
        QVERIFY(window);
        QCOMPARE(window->windowTitle(), QStringLiteral("หน้าตัดยอดและวิเคราะห์"));
        QCOMPARE(window->header(), QStringLiteral("หน้าหลัก"));
        QVERIFY(window->width() <= 1366 && window->height() <= 700);

        // Looking at the pages keeps the latest lists.
        window->showCutPage(Kind::l2);
        window->showCutPage(Kind::h3);
        QCOMPARE(window->header(), QStringLiteral("ตัดยอด3ตัวบน"));
        QCOMPARE(cutbook::keptOf(*book_, Kind::h3), kept);
        QCOMPARE(cutbook::sentOf(*book_, Kind::l2), QStringList{"12|40"});
        CutPage* page = window->cutPage(Kind::h3);
        QCOMPARE(labelText(page, "lowest"), QStringLiteral("ยอดต่ำสุด=100"));
        QCOMPARE(labelText(page, "highest"), QStringLiteral("ยอดสูงสุด=60000"));
        QCOMPARE(labelText(page, "average"), QStringLiteral("ยอดเฉลี่ยต่อตัว=33333"));
        QCOMPARE(labelText(page, "rate"), QStringLiteral("อัตราจ่าย=500"));

        // 100000 less 20% is 80000, which stands 160 a number at 500.
        click(page, "fight");
        QCOMPARE(labelText(page, "net"), QStringLiteral("ยอดสุทธิหลังหักส่วนลด=80000"));
        QLineEdit* keep = child<QLineEdit>(page, "keep");
        QCOMPARE(keep->text(), QStringLiteral("160"));
        type(child<QLineEdit>(page, "capital"), QStringLiteral("500"));
        click(page, "fight");
        QCOMPARE(keep->text(), QStringLiteral("161"));

        child<QCheckBox>(page, "rounding")->setChecked(true);
        type(keep, QStringLiteral("160"));
        QTest::keyClick(keep, Qt::Key_Return);
        QCOMPARE(window->header(), QStringLiteral("ผล3ตัวบน"));
        QCOMPARE(labelText(page, "roundingStatus"), QStringLiteral("ปัดเศษ50-100"));
        QCOMPARE(child<QTableWidget>(page, "sentGrid")->rowCount(), 3);
        QCOMPARE(cutbook::sentOf(*book_, Kind::h3),
                 (QStringList{"123|59850", "456|39750", "789|100"}));
        QCOMPARE(rowsOf(*book_, "SELECT * FROM tball ORDER BY id"), linesBefore);

        ResultPage* result = window->resultPage(Kind::h3);
        QCOMPARE(labelText(result, "title"), QStringLiteral("ผลการวิเคราะห์การตัดยอดที่160บาท"));
        QCOMPARE(labelText(result, "largest"),
                 QStringLiteral("ความน่าจะเป็นสูงสุดที่ต้องจ่าย=80000โดยมีความเสี่ยง=0%"));
        QCOMPARE(labelText(result, "kept"), QStringLiteral("ยอดรวมที่เก็บไว้หลังจากหัก20%=256"));
        QLabel* loss = child<QLabel>(result, "atLargest");
        QVERIFY(loss->text().startsWith(QStringLiteral("ความน่าจะเป็นจากเงินสูงสุดที่เก็บคือขาดทุน=")));
        QVERIFY(loss->styleSheet().contains(QStringLiteral("red")));

        click(result, "showKept");
        QCOMPARE(ReportPreview::shown().size(), 1);
        QCOMPARE(lastReport().heading, QStringLiteral("แสดงยอด3ตัวบนที่เก็บ"));
        QCOMPARE(lastReport().across, 5);
        QCOMPARE(cellsOf(lastReport(), 0), (QStringList{"123", "160"}));
        QCOMPARE(lastReport().summary, QStringList{"ยอดรวม=320"});
        child<QCheckBox>(result, "byAmount")->setChecked(true);
        click(result, "showSent");
        QCOMPARE(lastReport().heading, QStringLiteral("แสดงยอด3ตัวตรงที่ส่ง"));
        QCOMPARE(cellsOf(lastReport(), 0), (QStringList{"123", "59,850"}));
        QCOMPARE(cellsOf(lastReport(), 2), (QStringList{"789", "100"}));
        // The number with a limit of its own is left out, and the list is not rounded.
        child<QCheckBox>(result, "separate")->setChecked(true);
        click(result, "showSent");
        QCOMPARE(lastReport().rows.size(), 2);
        QCOMPARE(cellsOf(lastReport(), 0), (QStringList{"123", "59,840"}));

        click(result, "halve");
        QCOMPARE(Dialogs::last().text, QStringLiteral("แบ่งยอดส่งเรียบร้อย"));
        QCOMPARE(cutbook::sentOf(*book_, Kind::h3).first(), QStringLiteral("123|29925"));

        // A wrong keep amount is said and cuts nothing.
        window->showCutPage(Kind::h3);
        type(keep, QStringLiteral("1o0"));
        click(page, "cutButton");
        QCOMPARE(Dialogs::last().kind, QStringLiteral("warning"));
        QCOMPARE(window->header(), QStringLiteral("ตัดยอด3ตัวบน"));
    }

    void discountPercentsOnTheMainPage() {
        book_->exec("INSERT INTO cus (name, id, c3hp, c2lp) VALUES ('ก', 'ก', 10, 40)");
        book_->exec("INSERT INTO cus (name, id, c3hp, c2lp) VALUES ('ข', 'ข', 15, 41)");
        Tmain* main = shop_->main.get();
        runCommand(main, {kCut}, QStringLiteral("ตัดยอด+วิเคราะห์+คำนวณยอดเพิ่มทุน"));
        Tfmcut* window = windowOf<Tfmcut>(main);
        QVERIFY(window);
        KindValueForm* percents = window->percents();
        QCOMPARE(child<QLineEdit>(percents, "e1")->text(), QStringLiteral("20"));
        QCOMPARE(labelText(percents, "Label1"), QStringLiteral("3ตัวบน=20"));
        child<QComboBox>(percents, "c1")->setCurrentIndex(5); // l2 in column order
        type(child<QLineEdit>(percents, "e1"), QStringLiteral("15"));
        click(percents, "BitBtn1");
        QCOMPARE(Dialogs::last().text, QStringLiteral("บันทึกค่าเรียบร้อย"));
        QCOMPARE(kindrow::read(*book_, QStringLiteral("change3")).at(5), QStringLiteral("15"));

        click(window, "averages");
        QVERIFY(Dialogs::last().text.contains(QStringLiteral("3ตัวบน=12")));
        QCOMPARE(labelText(percents, "Label1"), QStringLiteral("3ตัวบน=12"));
        QCOMPARE(labelText(percents, "Label6"), QStringLiteral("2ตัวล่าง=40"));
    }

    void deductOutCutsAndShows() {
        cutbook::bet(*book_, "123", Kind::h3, 800);
        cutbook::bet(*book_, "456", Kind::h3, 300);
        Tmain* main = shop_->main.get();
        runCommand(main, kDeduct, QStringLiteral("ตัดยอดแบบหักออก"));
        QVERIFY(QFileInfo::exists(shop_->dir.path() + "/dbbackup/N000.mde"));
        Tfmcut2* window = windowOf<Tfmcut2>(main);
        QVERIFY(window);
        QCOMPARE(window->windowTitle(), QStringLiteral("ตัดยอดแบบหักออก"));
        QCOMPARE(window->header(), QStringLiteral("ตัดยอด3ตัวบน"));
        QVERIFY(window->kinds()->isHidden());
        CutPage* page = window->cutPage(Kind::h3);
        type(child<QLineEdit>(page, "keep"), QStringLiteral("500"));
        click(page, "cutButton");
        QCOMPARE(rowsOf(*book_, "SELECT num, h, cus FROM tball ORDER BY num"),
                 (QStringList{"123|500|3บนหักออก-1", "456|300|3บนหักออก-1"}));
        QCOMPARE(window->header(), QStringLiteral("ผล3ตัวบน"));
        ResultPage* result = window->resultPage(Kind::h3);
        QCOMPARE(labelText(result, "title"), QStringLiteral("ผลการวิเคราะห์การตัดยอดที่500บาท"));
        QCOMPARE(labelText(result, "kept"), QStringLiteral("ยอดรวมที่เก็บไว้=800"));
        QVERIFY(!result->findChild<QCheckBox*>(QStringLiteral("separate")));
        // The entry form has heard of it.
        QCOMPARE(child<QLabel>(main, "total_h3")->text(), QStringLiteral("800"));

        click(result, "showSent");
        QCOMPARE(lastReport().heading, QStringLiteral("แสดงยอด3ตัวตรงที่ส่ง"));
        QCOMPARE(cellsOf(lastReport(), 0), (QStringList{"123", "300"}));

        // Percent, swapped.
        window->showCutPage(Kind::h3);
        child<QRadioButton>(page, "percent")->setChecked(true);
        child<QCheckBox>(page, "swap")->setChecked(true);
        type(child<QLineEdit>(page, "keep"), QStringLiteral("150"));
        click(page, "cutButton");
        QCOMPARE(Dialogs::last().kind, QStringLiteral("warning")); // not a percent
        type(child<QLineEdit>(page, "keep"), QStringLiteral("10"));
        click(page, "cutButton");
        QCOMPARE(labelText(result, "title"), QStringLiteral("ผลการวิเคราะห์การตัดยอดที่10%"));
        // The excess stays in the book, the part within the percent goes to the log.
        QCOMPARE(rowsOf(*book_, "SELECT num, h, cus FROM tball ORDER BY num"),
                 (QStringList{"123|450|3บนหักออก-2", "456|270|3บนหักออก-2"}));
        QCOMPARE(rowsOf(*book_, "SELECT nn, num, h FROM cutlog ORDER BY nn, num"),
                 (QStringList{"1|123|300", "2|123|50", "2|456|30"}));
    }

    void deductOutLogPrintsAndRestores() {
        cutbook::bet(*book_, "123", Kind::h3, 800);
        deductout::Cut cut;
        cut.kind = Kind::h3;
        cut.value = 600;
        deductout::cutKind(*book_, cut);
        cut.value = 500;
        deductout::cutKind(*book_, cut);

        Tmain* main = shop_->main.get();
        runCommand(main, kDeduct, QStringLiteral("คืนค่าการตัดยอดแบบหักออก"));
        Tfmcut2* window = windowOf<Tfmcut2>(main);
        QVERIFY(window);
        QCOMPARE(window->mode(), Tfmcut2::Mode::coloredLog);
        QCOMPARE(window->header(), QStringLiteral("ข้อมูลการตัดยอดแบบหักออกทั้งหมด"));
        QVERIFY(window->styleSheet().contains(QStringLiteral("background")));
        QVERIFY(child<QWidget>(window, "pages")->isHidden());

        click(window, "print");
        QCOMPARE(Dialogs::last().text, QStringLiteral("กรุณาเลือกชนิดของตัวเลข"));
        window->kinds()->setCurrentIndex(1); // t3: no cuts yet
        QCOMPARE(window->cuts()->count(), 1);
        window->cuts()->setCurrentIndex(0);
        click(window, "print");
        QCOMPARE(Dialogs::last().text, QStringLiteral("ยังไม่มีการตัดยอด"));
        window->kinds()->setCurrentIndex(0);
        QCOMPARE(window->cuts()->count(), 3);
        click(window, "restore");
        QCOMPARE(Dialogs::last().text,
                 QStringLiteral("กรุณาเลือกข้อมูลที่ต้องการgเรียกคืนโดยมีการตัดยอดทั้งหมดจำนวน2ครั้ง"));

        window->cuts()->setCurrentIndex(1);
        click(window, "print");
        QCOMPARE(lastReport().heading, QStringLiteral("สรุปยอดส่ง3ตัวบนครั้งที่--2"));
        QCOMPARE(cellsOf(lastReport(), 0), (QStringList{"123", "100"}));

        Dialogs::setNextAnswer(false);
        click(window, "restore");
        QCOMPARE(Dialogs::last().text, QStringLiteral("ยกเลิกการคืนค่า"));
        Dialogs::setNextAnswer(true);
        click(window, "restore");
        QCOMPARE(Dialogs::asked().at(Dialogs::asked().size() - 2).text,
                 QStringLiteral("คุณจะคืนค่ายอดส่งออก3ตัวบนครั้งที่2หรือไม่ ?"));
        QCOMPARE(Dialogs::last().text, QStringLiteral("คืนค่ายอดส่งออก3ตัวบนครั้งที่2เรียบร้อย"));
        QCOMPARE(rowsOf(*book_, "SELECT num, h FROM tball WHERE cus = 'คืนค่า3ตัวบน-2'"),
                 QStringList{"123|100"});
        QCOMPARE(child<QLabel>(main, "total_h3")->text(), QStringLiteral("600"));

        window->cuts()->setCurrentIndex(2);
        click(window, "print");
        QCOMPARE(lastReport().heading, QStringLiteral("สรุปยอดส่ง3ตัวบนแบบรวม"));
        QCOMPARE(cellsOf(lastReport(), 0), (QStringList{"123", "200"}));
    }

    void latestListsFromTheMainMenu() {
        cutbook::bet(*book_, "123", Kind::h3, 800);
        cutbook::bet(*book_, "7", Kind::h1, 80);
        cutbook::limitOf(*book_, Kind::h3, 500);
        cutbook::limitOf(*book_, Kind::h1, 50);
        cut::menuCut(*book_);
        Tmain* main = shop_->main.get();
        runCommand(main, {kTotals, QStringLiteral("6.ยอดตัดเก็บล่าสุด")}, QStringLiteral("3ตัวบน"));
        QCOMPARE(lastReport().heading, QStringLiteral("แสดงยอด3ตัวบนที่เก็บ"));
        QCOMPARE(cellsOf(lastReport(), 0), (QStringList{"123", "500"}));
        runCommand(main, {kTotals, QStringLiteral("7.ยอดส่งออกล่าสุด")}, QStringLiteral("วิ่งบน"));
        QCOMPARE(lastReport().heading, QStringLiteral("แสดงยอดวิ่งบนที่ส่ง"));
        QCOMPARE(lastReport().across, 3);
        QCOMPARE(cellsOf(lastReport(), 0), (QStringList{"7", "30"}));

        runCommand(main, {kTotals}, QStringLiteral("8.ยอดส่งจากการตัดแบบหักออก"));
        Tfmcut2* window = windowOf<Tfmcut2>(main);
        QVERIFY(window);
        QCOMPARE(window->mode(), Tfmcut2::Mode::log);
        QVERIFY(window->styleSheet().isEmpty());
        // The cut command replaces the log window by the cut pages.
        runCommand(main, kDeduct, QStringLiteral("ตัดยอดแบบหักออก"));
        QTRY_COMPARE(windowOf<Tfmcut2>(main)->mode(), Tfmcut2::Mode::cut);
    }

    void aLineAfterAnotherWindowsCut() {
        // Enough entered lines that their grid keeps reading as it scrolls.
        for (const char* table : {"tball", "tballcus"})
            book_->exec(QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 "
                                       "FROM n WHERE i < 600) INSERT INTO %1 (num, h, cus, "
                                       "codeins) SELECT substr('00' || (i % 1000), -3), 10, 'ก', "
                                       "'h3' FROM n")
                            .arg(QLatin1String(table)));
        Tmain* main = shop_->main.get();
        runCommand(main, {QStringLiteral("(1)ป้อนข้อมูล")}, QStringLiteral("ป้อนข้อมูล"));
        deductout::Cut cut;
        cut.kind = Kind::h3;
        cut.value = 5;
        deductout::cutKind(*book_, cut);
        main->desk().bookWritten(BookChange::cut);
        QCOMPARE(shop_->text("total_h3"), QStringLiteral("3,000"));
        shop_->form()->activateWindow();
        shop_->edit("num")->setFocus();
        shop_->line(QStringLiteral("555"), {QStringLiteral("10"), QStringLiteral("0")});
        QCOMPARE(rowsOf(*book_, "SELECT num, h, codeins FROM tball WHERE num = '555' AND cus "
                                "NOT LIKE '3%'"),
                 QStringList{"555|10|h3"});
        for (const Dialogs::Asked& asked : Dialogs::asked())
            QVERIFY2(asked.kind != QStringLiteral("warning"), qPrintable(asked.text));
    }

private:
    std::unique_ptr<testing::EntryShop> shop_;
    std::unique_ptr<Database> book_;
};

TABULOX_TEST(AnalysisWindowsTest)
#include "analysiswindows_test.moc"
