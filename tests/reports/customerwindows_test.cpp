#include "platform/fakeplatform.h"
#include "printing/gui/reportpreview.h"
#include "reports/gui/fillwait.h"
#include "reports/gui/tallinput.h"
#include "reports/gui/tformallbycus.h"
#include "reports/gui/tselectcus.h"
#include "store/database.h"
#include "support/reportcells.h"
#include "support/shop.h"
#include "support/testmain.h"

#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QProgressBar>
#include <QPushButton>

using printing::ReportPreview;
using testing::cellsOf;

namespace {
const QString kTotals = QStringLiteral("(3)แสดงยอด");

template <typename Window> Window* opened(Tmain* main, const QString& caption) {
    for (QAction* action : testing::menuActions(main, {kTotals})) {
        if (action->text() == caption) {
            if (!action->isEnabled())
                return nullptr;
            action->trigger();
            break;
        }
    }
    Window* found = nullptr;
    for (QMdiSubWindow* window : main->findChild<QMdiArea*>()->subWindowList()) {
        if (auto* w = qobject_cast<Window*>(window->widget()))
            found = w;
    }
    return found;
}

void pick(QComboBox* box, const QString& item) {
    const int index = box->findText(item);
    QVERIFY2(index >= 0, qPrintable(item));
    box->setCurrentIndex(index);
    emit box->activated(index);
}

void waitOut(FillWait* wait, QPushButton* show) {
    for (int i = 1; i < FillWait::kTicks; ++i) {
        wait->tick();
        QVERIFY(!show->isEnabled());
    }
    wait->tick();
    QVERIFY(show->isEnabled());
    QVERIFY(!wait->running());
}
} // namespace

class CustomerWindowsTest : public testing::Test {
    Q_OBJECT
private slots:
    void init() {
        testing::Test::init();
        shop_ = std::make_unique<testing::Shop>();
        std::unique_ptr<Database> db = shop_->main->desk().openShared();
        for (const char* name : {"สมชาย", "สมชายแผ่นที่1", "สมศรี"})
            db->exec(QStringLiteral("INSERT INTO cus (id, name) VALUES (?, ?)"),
                     {QString::fromUtf8(name), QString::fromUtf8(name)});
        auto line = [&](const char* cus, const char* num, const char* column, const char* kind,
                        double stake) {
            for (const char* table : {"tballcus", "tball"})
                db->exec(
                    QStringLiteral("INSERT INTO %1 (num, %2, cus, codeins) VALUES (?, ?, ?, ?)")
                        .arg(QLatin1String(table), QLatin1String(column)),
                    {QLatin1String(num), stake, QString::fromUtf8(cus), QLatin1String(kind)});
        };
        line("สมชาย", "123", "h", "h3", 100);
        line("สมชาย", "45", "l", "l2", 20);
        line("สมชาย", "45", "t", "t2", 0);
        line("สมชายแผ่นที่1", "123", "h", "h3", 5);
        line("สมศรี", "9", "h", "h1", 30);
    }
    void cleanup() {
        shop_.reset();
        testing::Test::cleanup();
    }

    void byCustomerWaitsThenShows() {
        auto* window = opened<Tselectcus>(shop_->main.get(), QStringLiteral("3.ยอดรวมแยกตามชื่อ"));
        QVERIFY(window);
        auto* show = testing::child<QPushButton>(window, "show");
        QVERIFY(!show->isEnabled());
        QCOMPARE(window->kindBox()->currentText(), QStringLiteral("รวม"));
        QCOMPARE(window->nameBox()->currentText(), QStringLiteral("เลือกชื่อ"));
        QCOMPARE(window->nameBox()->count(), 3);

        pick(window->kindBox(), QStringLiteral("2ตัวล่าง"));
        QCOMPARE(window->nameBox()->currentText(), QStringLiteral("เลือกชื่อ"));
        pick(window->nameBox(), QStringLiteral("สมชาย"));
        waitOut(window->wait(), show);
        QTest::mouseClick(show, Qt::LeftButton);
        QCOMPARE(ReportPreview::shown().size(), 1);
        const printing::Report& report = ReportPreview::shown().front().report;
        QCOMPARE(ReportPreview::shown().front().title, QStringLiteral("แสดงยอดแยกตามชื่อ"));
        QCOMPARE(report.heading, QStringLiteral("สรุปยอด2ตัวล่างของสมชาย"));
        QCOMPARE(report.across, 3);
        QCOMPARE(report.pageNumbers, printing::PageNumbers::ofCount);
        QCOMPARE(report.rows.size(), 1);
        QCOMPARE(cellsOf(report, 0), (QStringList{"45", "", "", "20"}));
        QCOMPARE(report.summary.size(), 6);
        QVERIFY(report.summary[4].startsWith(QStringLiteral("2ตัวล่าง=20")));
        QVERIFY(report.summary[1].endsWith(QStringLiteral("2ตัวโต๊ด=")));
        QCOMPARE(report.summary.last(), QStringLiteral("ยอดรวม=20"));

        // All sheets: the list loses the sheet customers, the report takes them in.
        testing::child<QCheckBox>(window, "allSheets")->setChecked(true);
        QCOMPARE(window->nameBox()->count(), 2);
        QTest::mouseClick(testing::child<QPushButton>(window, "restart"), Qt::LeftButton);
        QCOMPARE(window->kindBox()->currentText(), QStringLiteral("รวม"));
        QCOMPARE(window->nameBox()->currentText(), QStringLiteral("แบบรวม"));
        pick(window->nameBox(), QStringLiteral("สมชาย"));
        QVERIFY(!show->isEnabled());
        waitOut(window->wait(), show);
        window->showReport();
        const printing::Report& all = ReportPreview::shown().last().report;
        QCOMPARE(all.heading, QStringLiteral("สรุปยอดรวมทุกแผ่นของสมชาย"));
        QCOMPARE(all.summary.last(), QStringLiteral("ยอดรวม=125"));
        QVERIFY(all.summary[0].startsWith(QStringLiteral("3ตัวบน=105")));
    }

    void everybodyFromTheMenusAndTheGrandTotal() {
        auto* entered = opened<Tallinput>(shop_->main.get(), QStringLiteral("14.ข้อมูลทั้งหมดที่ป้อน"));
        QVERIFY(entered);
        QCOMPARE(entered->windowTitle(), QStringLiteral("แสดงยอดทั้งหมดที่ป้อน"));
        QCOMPARE(entered->chooser()->currentText(), QStringLiteral("เลือกข้อมูล"));
        auto* show = testing::child<QPushButton>(entered, "show");
        QVERIFY(!show->isEnabled());
        // A line taken back leaves the remaining totals only.
        shop_->main->desk().openShared()->exec(
            QStringLiteral("DELETE FROM tball WHERE cus = 'สมศรี'"));
        const int beeps = shop_->platform->beeps;
        pick(entered->chooser(), QStringLiteral("เลขวิ่ง"));
        waitOut(entered->wait(), show);
        QCOMPARE(shop_->platform->beeps, beeps + 1);
        entered->showReport();
        const printing::Report& running = ReportPreview::shown().last().report;
        QCOMPARE(running.heading, QStringLiteral("สรุปยอดวิ่ง"));
        QCOMPARE(running.summary.first(), QStringLiteral("สรุปยอดวิ่ง"));
        QCOMPARE(cellsOf(running, 0), (QStringList{"9", "30", "", "0"}));

        auto* remaining = opened<Tallinput>(shop_->main.get(), QStringLiteral("15.ยอดคงเหลือปัจจุบัน"));
        QVERIFY(remaining && remaining != entered);
        QCOMPARE(remaining->windowTitle(), QStringLiteral("แสดงยอดคงเหลือปัจจุบัน"));
        remaining->choose(0);
        QCOMPARE(remaining->listing().heading, QStringLiteral("สรุปยอดคงเหลือ"));
        QCOMPARE(remaining->listing().total, 125.0);

        // The entry form's grand total shows everybody's remaining stakes at once.
        ReportPreview::reset();
        QTest::mouseClick(testing::child<QLabel>(shop_->main.get(), "lsum"), Qt::LeftButton);
        QCOMPARE(ReportPreview::shown().size(), 1);
        QCOMPARE(ReportPreview::shown().front().title, QStringLiteral("แสดงยอดทั้งหมด"));
        QCOMPARE(ReportPreview::shown().front().report.summary.last(),
                 QStringLiteral("ยอดรวม=125"));
    }

    void entryOrderShowsAtOnce() {
        auto* window =
            opened<Tformallbycus>(shop_->main.get(), QStringLiteral("12.ลำดับการป้อน(แยกตามชื่อ)"));
        QVERIFY(window);
        QCOMPARE(window->windowTitle(), QStringLiteral("ลำดับการป้อน(แยกตามชื่อ)"));
        pick(window->nameBox(), QStringLiteral("สมชาย"));
        QCOMPARE(ReportPreview::shown().size(), 1);
        const printing::Report& report = ReportPreview::shown().front().report;
        QCOMPARE(report.heading, QStringLiteral("สรุปยอดลำดับการป้อนแบบรวมของสมชาย"));
        QCOMPARE(report.orientation, printing::Orientation::portrait);
        QCOMPARE(report.columns.size(), 7);
        QCOMPARE(report.rows.size(), 3);
        QCOMPARE(cellsOf(report, 1).mid(1, 5), (QStringList{"45", "0", "0", "20", "สมชาย"}));

        pick(window->kindBox(), QStringLiteral("3ตัวบน"));
        QCOMPARE(window->nameBox()->currentText(), QStringLiteral("เลือกชื่อ"));
        pick(window->nameBox(), QStringLiteral("สมชาย"));
        QCOMPARE(ReportPreview::shown().last().report.rows.size(), 1);
        QCOMPARE(ReportPreview::shown().last().report.heading,
                 QStringLiteral("สรุปยอดลำดับการป้อนเลข3ตัวบนของสมชาย"));

        // A typed name that is nobody's gives an empty report.
        window->nameBox()->setEditText(QStringLiteral("ไม่มีชื่อนี้"));
        QTest::keyClick(window->nameBox(), Qt::Key_Return);
        QCOMPARE(ReportPreview::shown().size(), 3);
        QCOMPARE(ReportPreview::shown().last().report.rows.size(), 0);
    }

private:
    std::unique_ptr<testing::Shop> shop_;
};

TABULOX_TEST(CustomerWindowsTest)
#include "customerwindows_test.moc"
