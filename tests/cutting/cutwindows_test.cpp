#include "cutting/cutbylimit.h"
#include "cutting/gui/tcutend.h"
#include "cutting/gui/tcutover.h"
#include "entry/gui/tfminput.h"
#include "platform/fakeplatform.h"
#include "printing/gui/reportpreview.h"
#include "store/database.h"
#include "store/kindrow.h"
#include "support/reportcells.h"
#include "support/shop.h"
#include "support/tempbook.h"
#include "support/testmain.h"
#include "ui/dialogs.h"

#include <QAction>
#include <QComboBox>
#include <QFileInfo>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>

using printing::ReportPreview;
using testing::cellsOf;
using testing::windowOf;
using testing::runCommand;

namespace {
const QStringList kByLimit = {QStringLiteral("(7)การตัดยอด"), QStringLiteral("ตัดยอดเกินตามค่าอั้น")};
} // namespace

class CutWindowsTest : public testing::Test {
    Q_OBJECT
private slots:
    void init() {
        testing::Test::init();
        shop_ = std::make_unique<testing::Shop>();
        book_ = shop_->main->desk().openShared();
        kindrow::write(*book_, QStringLiteral("change2"), 0, QStringLiteral("500"));
        for (const auto& [num, stake] : {std::pair{"123", 800}, {"456", 500}, {"789", 200}})
            book_->exec(QStringLiteral("INSERT INTO tball (num, h, cus, codeins) VALUES (?, ?, "
                                       "'ก', 'h3')"),
                        {QLatin1String(num), stake});
    }
    void cleanup() {
        book_.reset();
        shop_.reset();
        testing::Test::cleanup();
    }

    void menuCutShowsEachKindThenTheSentList() {
        Tmain* main = shop_->main.get();
        QLabel* total = testing::child<QLabel>(main, "total_h3");
        main->entryForm()->colourTotals();
        QVERIFY(total->property("overLimit").toBool());
        runCommand(main, kByLimit, QStringLiteral("ตัดยอด"));
        QPointer<Tcutend> window = windowOf<Tcutend>(main);
        QVERIFY(window);
        QCOMPARE(window->windowTitle(), QStringLiteral("ตัดยอดเกินตามค่าอั้น"));
        QCOMPARE(window->status(), QStringLiteral("การตัดยอดอาจใช้เวลาซักครู่"));
        window->advance();
        // Nothing is cut before the pauses are over.
        QCOMPARE(rowsOf(*book_, "SELECT count(*) FROM tball WHERE cus LIKE 'ตัดยอด%'"),
                 QStringList{"0"});
        const int beeps = shop_->platform->beeps;
        window->advance();
        QCOMPARE(window->result().number, 1);
        QCOMPARE(rowsOf(*book_, "SELECT num, h, cus FROM tball ORDER BY num"),
                 (QStringList{"123|500|ตัดยอด-1", "456|500|ตัดยอด-1", "789|200|ตัดยอด-1"}));
        const QString folder = shop_->dir.path() + QStringLiteral("/");
        QVERIFY(QFileInfo::exists(folder + "dbbackup/N000.mde"));
        QVERIFY(QFileInfo::exists(folder + "lastdb/lastdatab.mde"));
        // The entry form has heard of it, and nothing is over the limit any more.
        QCOMPARE(total->text(), QStringLiteral("1,200"));
        QVERIFY(!total->property("overLimit").toBool());
        QCOMPARE(window->status(), QStringLiteral("ตัดยอด3ตัวบน=500"));
        QCOMPARE(window->progress(), 20);

        QStringList statuses;
        QList<int> bars;
        while (window && window->stage() != Tcutend::Stage::finished) {
            window->advance();
            if (!window)
                break;
            statuses << window->status();
            bars << window->progress();
        }
        QVERIFY(shop_->platform->beeps >= beeps + 10);
        QVERIFY(statuses.contains(QStringLiteral("ตัดยอดเรียบร้อย")));
        QVERIFY(statuses.contains(QStringLiteral("กำลังแสดงผล 5")));
        QVERIFY(statuses.contains(QStringLiteral("กำลังแสดงผล 0")));
        QVERIFY(bars.contains(90) && !bars.contains(95)); // h5 had no totals
        QCOMPARE(bars.last(), 100);
        QTRY_VERIFY(!window);

        QCOMPARE(ReportPreview::shown().size(), 1);
        const printing::Report& sent = ReportPreview::shown().front().report;
        QCOMPARE(sent.heading, QStringLiteral("สรุปยอดส่งรวมปัจจุบัน"));
        QCOMPARE(sent.rows.size(), 1);
        QCOMPARE(cellsOf(sent, 0), (QStringList{"123", "300", "0", "0"}));
    }

    void commandClosesAnOpenCutWindow() {
        Tmain* main = shop_->main.get();
        runCommand(main, kByLimit, QStringLiteral("ตัดยอด"));
        QPointer<Tcutend> window = windowOf<Tcutend>(main);
        QVERIFY(window);
        window->advance();
        runCommand(main, kByLimit, QStringLiteral("ตัดยอด"));
        QTRY_VERIFY(!window);
        QCOMPARE(rowsOf(*book_, "SELECT count(*) FROM sentall"), QStringList{"0"});
    }

    void logWindowPrintsAndTakesBack() {
        cut::menuCut(*book_);
        Tmain* main = shop_->main.get();
        runCommand(main, {QStringLiteral("(3)แสดงยอด")},
                   QStringLiteral("9.ยอดส่งออก จากการตัดจากค่าอั้น"));
        Tcutover* window = windowOf<Tcutover>(main);
        QVERIFY(window);
        QCOMPARE(window->chooser()->count(), 2);
        QCOMPARE(window->chooser()->currentText(), QStringLiteral("เลือกข้อมูล"));
        window->takeBack();
        QCOMPARE(Dialogs::last().text, QStringLiteral("กรุณาเลือกข้อมูลการตัดยอด"));

        window->chooser()->setCurrentIndex(0);
        window->printChosen();
        QCOMPARE(ReportPreview::shown().last().report.heading, QStringLiteral("สรุปยอดส่งครั้งที่..1"));
        window->printLatest();
        QCOMPARE(ReportPreview::shown().last().report.heading, QStringLiteral("สรุปยอดส่งล่าสุด"));

        Dialogs::setNextAnswer(false);
        window->takeBack();
        QVERIFY(Dialogs::last().text.startsWith(QStringLiteral("ยกเลิกการคืนค่า")));
        window->chooser()->setCurrentIndex(0);
        Dialogs::setNextAnswer(true);
        window->takeBack();
        QCOMPARE(rowsOf(*book_, "SELECT num, h FROM tball WHERE cus = 'คืนค่า-1'"),
                 QStringList{"123|300"});
        QCOMPARE(testing::child<QLabel>(main, "total_h3")->text(), QStringLiteral("1,500"));
        // The cut is still listed, the choice forgotten.
        QCOMPARE(window->chooser()->count(), 2);
        QCOMPARE(window->chooser()->currentIndex(), -1);
    }

    void halvingAndDeletingTheLog() {
        cut::menuCut(*book_);
        Tmain* main = shop_->main.get();
        runCommand(main, kByLimit, QStringLiteral("ปรับยอดส่งให้เหลือ 50%"));
        QCOMPARE(Dialogs::asked().first().text, QStringLiteral("ปรับยอดส่งออก50%เรียบร้อย"));
        QCOMPARE(cellsOf(ReportPreview::shown().last().report, 0),
                 (QStringList{"123", "150", "0", "0"}));

        const QStringList removal = {QStringLiteral("(8)ลบข้อมูล")};
        Dialogs::setNextAnswer(false);
        runCommand(main, removal, QStringLiteral("ลบข้อมูลยอดเกินอั้นสะสม"));
        QVERIFY(rowsOf(*book_, "SELECT count(*) FROM sentall") != QStringList{"0"});
        Dialogs::setNextAnswer(true);
        runCommand(main, removal, QStringLiteral("ลบข้อมูลยอดเกินอั้นสะสม"));
        QCOMPARE(Dialogs::last().text, QStringLiteral("ลบข้อมูลยอดเกินอั้นสะสมเรียบร้อย"));
        QCOMPARE(rowsOf(*book_, "SELECT count(*) FROM sentall"), QStringList{"0"});
    }

private:
    std::unique_ptr<testing::Shop> shop_;
    std::unique_ptr<Database> book_;
};

TABULOX_TEST(CutWindowsTest)
#include "cutwindows_test.moc"
