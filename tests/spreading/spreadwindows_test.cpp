#include "common/settings.h"
#include "entry/gui/tfminput.h"
#include "spreading/conversions.h"
#include "spreading/gui/th1toh3.h"
#include "spreading/gui/tinvert6tot.h"
#include "spreading/gui/tinverttot.h"
#include "spreading/gui/tsumtot.h"
#include "store/database.h"
#include "store/kindrow.h"
#include "support/shop.h"
#include "support/tempbook.h"
#include "support/testmain.h"
#include "ui/dialogs.h"

#include <QCheckBox>
#include <QFileInfo>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>

using testing::activeWindow;
using testing::activeWindowOf;
using testing::child;
using testing::runCommand;

namespace {
const QStringList kSpreading = {QStringLiteral("(7)การตัดยอด"), QStringLiteral("การกระจายตัวเลข")};
} // namespace

class SpreadWindowsTest : public testing::Test {
    Q_OBJECT
private slots:
    void init() {
        testing::Test::init();
        shop_ = std::make_unique<testing::Shop>();
        book_ = shop_->main->desk().openOwnLines();
    }
    void cleanup() {
        book_.reset();
        shop_.reset();
        testing::Test::cleanup();
    }

    void eachConversionFromItsMenu() {
        struct Case {
            spread::Conversion conversion;
            const char* num;
            const char* copy;
            int lines;
            const char* total; // the target kind's total on the entry form
        };
        const Case cases[] = {
            {spread::Conversion::todToTop, "123", "T000", 6, "96"},
            {spread::Conversion::topToTod, "456", "T001", 1, "500"},
            {spread::Conversion::runToTop, "5", "1H002", 271, "271"},
            {spread::Conversion::twoToTop, "45", "2H003", 10, "100"},
            {spread::Conversion::fourToTod, "1234", "4H004", 4, "100"},
            {spread::Conversion::fiveToTod, "12345", "5H005", 10, "100"},
            {spread::Conversion::runToTwo, "7", "1L006", 19, "95"},
        };
        Tmain* main = shop_->main.get();
        for (const Case& c : cases) {
            const spread::ConversionInfo& info = spread::infoOf(c.conversion);
            const QString source = kindCode(info.source);
            book_->exec("DELETE FROM tball");
            if (c.conversion == spread::Conversion::topToTod) {
                for (const char* num : {"456", "465", "546", "564", "645", "654"})
                    bet(num, "h3", 100);
            } else {
                bet(c.num, source.toLatin1().constData(), 100);
            }
            runCommand(main, kSpreading, QString::fromUtf8(info.menuCaption));
            QVERIFY(QFileInfo::exists(shop_->dir.path() + "/dbbackup/" + c.copy + ".mde"));
            auto* window = activeWindowOf<SpreadWindow>(main);
            QVERIFY2(window, info.menuCaption);
            QCOMPARE(window->windowTitle(), QString::fromUtf8(info.windowCaption));
            QVERIFY(!window->shownTotals().isEmpty());
            QTest::mouseClick(child<QPushButton>(window, "start"), Qt::LeftButton);
            QCOMPARE(Dialogs::last().text, QString::fromUtf8(info.doneText));
            QCOMPARE(window->progress(), 100);
            QVERIFY(window->shownTotals().isEmpty());
            QCOMPARE(rowsOf(*book_, "SELECT count(*) FROM tball WHERE codeins = ?", {source}),
                     QStringList{"0"});
            QCOMPARE(lineCount(), c.lines);
            // The entry form heard of it.
            QCOMPARE(child<QLabel>(main, "total_" + kindCode(info.target))->text(),
                     QString::fromLatin1(c.total));
            window->parentWidget()->close();
        }
    }

    void startWaitsForTotals() {
        Tmain* main = shop_->main.get();
        runCommand(main, kSpreading, QStringLiteral("กระจาย2ตัวบน=>>3ตัวบน"));
        QVERIFY(!child<QPushButton>(activeWindow(main), "start")->isEnabled());
        // The l1 window starts without totals and writes nothing.
        runCommand(main, kSpreading, QStringLiteral("กระจายเลขวิ่งล่าง=>>2ตัวล่าง"));
        QWidget* window = activeWindow(main);
        QCOMPARE(window->objectName(), QStringLiteral("Tl1tol2"));
        QTest::mouseClick(child<QPushButton>(window, "start"), Qt::LeftButton);
        QCOMPARE(Dialogs::last().text, QStringLiteral("กระจายวิ่งล่างเรียบร้อย"));
        QCOMPARE(lineCount(), 0);
    }

    void margins() {
        bet("123", "t3", 100);
        runCommand(shop_->main.get(), kSpreading, QStringLiteral("กระจายเลข3ตัวโต๊ด=>>3ตัวบน"));
        auto* window = activeWindowOf<Tinverttot>(shop_->main.get());
        QVERIFY(window);
        QLabel* status = child<QLabel>(window, "status");
        QCOMPARE(status->text(), QStringLiteral("ส่วนต่างในการกระจายเลข=0%"));
        QPushButton* set = child<QPushButton>(window, "setMargin");
        // Refused where typed, nothing stored; a cancelled box changes nothing.
        for (const char* typed : {"12.5", "101", "-3", "abc"}) {
            Dialogs::setNextText(QString::fromLatin1(typed));
            QTest::mouseClick(set, Qt::LeftButton);
            QCOMPARE(Dialogs::last().kind, QStringLiteral("warning"));
        }
        Dialogs::setNextText(QStringLiteral("20"), false);
        QTest::mouseClick(set, Qt::LeftButton);
        QCOMPARE(settings().text(Backc::back12), QStringLiteral("0"));
        QCOMPARE(status->text(), QStringLiteral("ส่วนต่างในการกระจายเลข=0%"));

        Dialogs::setNextText(QStringLiteral("20"));
        QTest::mouseClick(set, Qt::LeftButton);
        QCOMPARE(Dialogs::asked().last().title, QStringLiteral("ป้อน%ส่วนต่างในการกระจายเลขที่ต้องการ"));
        QCOMPARE(Dialogs::asked().last().text, QStringLiteral("ป้อน%ที่ต้องการ"));
        QCOMPARE(Dialogs::asked().last().proposed, QStringLiteral("20"));
        QCOMPARE(settings().text(Backc::back12), QStringLiteral("20"));
        QCOMPARE(status->text(), QStringLiteral("ส่วนต่างในการกระจายเลข=20%"));
        QCOMPARE(settings().text(Backc::back11), QStringLiteral("0"));
        child<QCheckBox>(window, "threeDoors")->setChecked(true);
        bet("112", "t3", 30);
        window->reload();
        QTest::mouseClick(child<QPushButton>(window, "start"), Qt::LeftButton);
        QCOMPARE(rowsOf(*book_, "SELECT num, h FROM tball WHERE codeins = 'h3' ORDER BY num"),
                 (QStringList{"112|10", "121|10", "211|10"}));
        // The six-arrangement number stays, and can be started again.
        QCOMPARE(window->shownTotals(), QStringList{"123|100"});
        child<QCheckBox>(window, "threeDoors")->setChecked(false);
        QTest::mouseClick(child<QPushButton>(window, "start"), Qt::LeftButton);
        QCOMPARE(rowsOf(*book_, "SELECT h FROM tball WHERE num = '321'"), QStringList{"20"});
    }

    void fullAmountSwitch() {
        runCommand(shop_->main.get(), kSpreading, QStringLiteral("กระจายเลข3ตัวบน=>>3ตัวโต๊ด"));
        auto* window = activeWindowOf<Tinvert6tot>(shop_->main.get());
        QVERIFY(window);
        QCheckBox* six = child<QCheckBox>(window, "x6");
        QVERIFY(!six->isChecked());
        six->click();
        QCOMPARE(settings().text(Backc::back29), QStringLiteral("1"));
        QCOMPARE(Dialogs::last().text, QStringLiteral("กระจายแบบเต็มจำนวน"));
        QCOMPARE(window->windowTitle(), QStringLiteral("กระจาย3ตัวบน6กลับ =6/6"));
        QCOMPARE(window->parentWidget()->windowTitle(), QStringLiteral("กระจาย3ตัวบน6กลับ =6/6"));
        six->click();
        QCOMPARE(settings().text(Backc::back29), QStringLiteral("0"));
        QCOMPARE(window->windowTitle(), QStringLiteral("กระจาย3ตัวบน6กลับ =5/6"));
    }

    void runDigitDiscount() {
        kindrow::write(*book_, QStringLiteral("change3"), static_cast<int>(Kind::h1),
                       QStringLiteral("10"));
        bet("5", "h1", 2710);
        runCommand(shop_->main.get(), kSpreading, QStringLiteral("กระจายเลขวิ่งบน=>>3ตัวบน"));
        auto* window = activeWindowOf<Th1toh3>(shop_->main.get());
        QVERIFY(window);
        QCOMPARE(child<QLabel>(window, "status")->text(), QStringLiteral("ส่วนลด= 10%"));
        QCOMPARE(child<QPushButton>(window, "start")->text(), QStringLiteral("เริ่มต้น"));
        QVERIFY(child<QRadioButton>(window, "full")->isChecked());
        child<QRadioButton>(window, "deduct")->setChecked(true);
        QTest::mouseClick(child<QPushButton>(window, "start"), Qt::LeftButton);
        QCOMPARE(child<QLabel>(window, "stake")->text(), QStringLiteral("คำนวณได้ตัวละ 10 บาท"));
        QCOMPARE(rowsOf(*book_, "SELECT count(*), sum(h) FROM tball"), QStringList{"271|2710"});
    }

    void regroupingFromItsMenu() {
        bet("123", "t3", 50);
        bet("321", "t3", 30);
        bet("213", "t3", 20);
        Tmain* main = shop_->main.get();
        runCommand(main, {QStringLiteral("(7)การตัดยอด"), QStringLiteral("รวมกลุ่มตัวโต๊ด")},
                   QStringLiteral("รวมกลุ่ม3ตัวโต๊ด"));
        QVERIFY(QFileInfo::exists(shop_->dir.path() + "/dbbackup/T3S000.mde"));
        auto* window = activeWindowOf<Tsumtot>(main);
        QVERIFY(window);
        QCOMPARE(window->windowTitle(), QStringLiteral("รวมกลุ่มตัวโต๊ด"));
        QCOMPARE(window->shownTotals(), (QStringList{"123|50", "213|20", "321|30"}));
        QPushButton* start = child<QPushButton>(window, "start");
        QTest::mouseClick(start, Qt::LeftButton);
        QCOMPARE(Dialogs::last().text, QStringLiteral("รวมกลุ่ม 3ตัวโต๊ด เรียบร้อย"));
        QVERIFY(!start->isEnabled());
        QCOMPARE(window->progress(), 100);
        QCOMPARE(window->shownTotals(), QStringList{"123|100"});
        QCOMPARE(child<QLabel>(main, "total_t3")->text(), QStringLiteral("100"));
    }

    void groupingSwitchesNeedTheCode() {
        Tmain* main = shop_->main.get();
        QCheckBox* sorting = child<QCheckBox>(main->entryForm(), "f2c");
        Dialogs::setNextText(QStringLiteral("1234"));
        testing::findAction(main, QStringLiteral("(11) แยกกลุ่มตัวโต๊ด"))->trigger();
        QVERIFY(sorting->isChecked());
        Dialogs::setNextText(QStringLiteral("4321"));
        testing::findAction(main, QStringLiteral("(12)รวมกลุ่มตัวโต๊ด"))->trigger();
        QCOMPARE(Dialogs::last().text, QStringLiteral("รหัสไม่ถูกต้อง"));
        QCOMPARE(settings().text(Backc::back5), QStringLiteral("1"));
        Dialogs::setNextText(QStringLiteral("1234"));
        testing::findAction(main, QStringLiteral("(12)รวมกลุ่มตัวโต๊ด"))->trigger();
        QCOMPARE(Dialogs::asked().at(Dialogs::asked().size() - 2).title,
                 QStringLiteral("ป้อนรหัส1234"));
        QCOMPARE(Dialogs::last().text, QStringLiteral("รวมกลุ่มตัวโต๊ด"));
        QCOMPARE(settings().text(Backc::back5), QStringLiteral("0"));
        QVERIFY(!sorting->isChecked());
    }

private:
    void bet(const char* num, const char* code, double stake) {
        Kind kind = Kind::h3;
        kindFromCode(QLatin1String(code), &kind);
        for (const char* table : {"tball", "tballcus"})
            book_->exec(
                QStringLiteral("INSERT INTO %1 (num, %2, cus, codeins) VALUES (?, ?, 'ก', ?)")
                    .arg(QLatin1String(table), stakeColumn(kind)),
                {QLatin1String(num), stake, QLatin1String(code)});
    }
    int lineCount() { return book_->scalar("SELECT count(*) FROM tball").toInt(); }
    SettingsRecord settings() { return SettingsRecord(shop_->main->own()); }

    std::unique_ptr<testing::Shop> shop_;
    std::unique_ptr<Database> book_;
};

TABULOX_TEST(SpreadWindowsTest)
#include "spreadwindows_test.moc"
