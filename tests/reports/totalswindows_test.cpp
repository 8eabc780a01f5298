#include "common/settings.h"
#include "printing/gui/reportpreview.h"
#include "store/database.h"
#include "store/kindrow.h"
#include "support/reportcells.h"
#include "support/shop.h"
#include "support/testmain.h"

#include <QAction>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>

using printing::ReportPreview;
using testing::cellsOf;
using testing::runCommand;

namespace {
const QString kTotals = QStringLiteral("(3)แสดงยอด");
const QString kByNumber = QStringLiteral("1.ยอดปัจจุบันเรียงตามเลข");
} // namespace

class TotalsWindowsTest : public testing::Test {
    Q_OBJECT
private slots:
    void init() {
        testing::Test::init();
        shop_ = std::make_unique<testing::Shop>([](SettingsRecord& settings) {
            settings.setFlag(Backc::back26, true);
            settings.setFlag(Backc::back27, true);
        });
        std::unique_ptr<Database> db = shop_->main->desk().openShared();
        kindrow::write(*db, QStringLiteral("change2"), 0, QStringLiteral("100"));
        auto bet = [&](const char* num, const char* column, const char* kind, double stake) {
            db->exec(QStringLiteral("INSERT INTO tball (num, %1, cus, codeins) VALUES (?, ?, "
                                    "'ก', ?)")
                         .arg(QLatin1String(column)),
                     {QLatin1String(num), stake, QLatin1String(kind)});
        };
        bet("012", "h", "h3", 150);
        bet("345", "h", "h3", 100);
        bet("7", "h", "h1", 30);
        bet("1234", "h", "h4", 5);
        bet("5678", "h", "h4", 50);
        db->exec(QStringLiteral("INSERT INTO numlimit2 (num, h, codeins) VALUES ('345', 0, 'h3')"));
        db->exec(QStringLiteral("INSERT INTO numlimit (num, h, codeins) VALUES ('345', 10, 'h3')"));
    }
    void cleanup() {
        shop_.reset();
        testing::Test::cleanup();
    }

    void menuShowsTheKindWithItsMarks() {
        runCommand(shop_->main.get(), {kTotals, kByNumber}, QStringLiteral("3ตัวบน"));
        QCOMPARE(ReportPreview::shown().size(), 1);
        const ReportPreview::Shown& shown = ReportPreview::shown().front();
        QCOMPARE(shown.title, QStringLiteral("แสดงยอด3ตัวบน"));
        const printing::Report& report = shown.report;
        QCOMPARE(report.heading, QStringLiteral("สรุปยอด3ตัวบน"));
        QCOMPARE(report.across, 5);
        QCOMPARE(report.columns.size(), 2);
        QCOMPARE(report.columns[0].caption, QStringLiteral("เลข"));
        QCOMPARE(report.columns[1].caption, QStringLiteral("จำนวน"));
        QCOMPARE(report.rows.size(), 2);
        QCOMPARE(cellsOf(report, 0), (QStringList{"012", "150"}));
        QCOMPARE(report.rows[0].cells[0].marks, printing::bold | printing::underline);
        QCOMPARE(report.rows[0].cells[1].marks, unsigned(printing::redUnderline));
        // Equal to the limit: not over; closed: underlined in blue.
        QCOMPARE(report.rows[1].cells[0].marks, printing::bold | printing::blueUnderline);
        QCOMPARE(report.rows[1].cells[1].marks, unsigned(printing::plain));
        QCOMPARE(report.rows[0].amount + report.rows[1].amount, 250.0);
        QVERIFY(shop_->main->windowState() & Qt::WindowMaximized);
    }

    void limitedRunningAndSortedCommands() {
        runCommand(shop_->main.get(), {kTotals, QStringLiteral("17.แสดงยอดเลขอั้นปัจจุบัน")},
                   QStringLiteral("3ตัวบน"));
        runCommand(shop_->main.get(), {kTotals, kByNumber}, QStringLiteral("วิ่งบน"));
        runCommand(shop_->main.get(), {kTotals, QStringLiteral("2.ยอดปัจจุบันเรียงตามจำนวน")},
                   QStringLiteral("กลุ่ม4ตัว"));
        runCommand(shop_->main.get(), {kTotals, kByNumber}, QStringLiteral("กลุ่ม4ตัว"));
        const QList<ReportPreview::Shown>& shown = ReportPreview::shown();
        QCOMPARE(shown.size(), 4);
        QCOMPARE(shown[0].report.heading, QStringLiteral("แสดงยอดเลขอั้น3ตัวบน "));
        QCOMPARE(shown[0].report.rows.size(), 1);
        QCOMPARE(cellsOf(shown[0].report, 0), (QStringList{"345", "100"}));
        QCOMPARE(shown[1].title, QStringLiteral("แสดงยอดวิ่งบน"));
        QCOMPARE(shown[1].report.across, 2);
        QCOMPARE(cellsOf(shown[1].report, 0), (QStringList{"7", "=", "30"}));
        QCOMPARE(cellsOf(shown[2].report, 0), (QStringList{"5678", "50"}));
        QCOMPARE(cellsOf(shown[3].report, 0), (QStringList{"1234", "5"}));
    }

    void entryFormTotalOpensItsKind() {
        auto* total = testing::child<QLabel>(shop_->main.get(), QStringLiteral("total_h1"));
        QTest::mouseClick(total, Qt::LeftButton);
        QCOMPARE(ReportPreview::shown().size(), 1);
        QCOMPARE(ReportPreview::shown().front().title, QStringLiteral("แสดงยอดวิ่งบน"));
        QCOMPARE(ReportPreview::shown().front().report.rows.size(), 1);
    }

private:
    std::unique_ptr<testing::Shop> shop_;
};

TABULOX_TEST(TotalsWindowsTest)
#include "totalswindows_test.moc"
