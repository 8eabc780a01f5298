#include "common/customerbook.h"
#include "platform/fakeplatform.h"
#include "printing/gui/reportpreview.h"
#include "printing/layout.h"
#include "settlement/gui/tcusaccount.h"
#include "settlement/gui/tpercent.h"
#include "store/database.h"
#include "support/reportcells.h"
#include "support/shop.h"
#include "support/testmain.h"
#include "ui/dialogs.h"

#include <QComboBox>
#include <QLabel>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPointer>
#include <QProgressBar>
#include <QTimer>

using printing::ReportPreview;
using testing::cellsOf;
using testing::windowOf;

namespace {
const QString kTotals = QStringLiteral("(3)แสดงยอด");
const QString kDiscounts = QStringLiteral("4.ยอดหักเปอร์เซ็นต์");
const QString kAccount = QStringLiteral("5.ยอดบัญชีรวมแบบแยกรายชื่อ");

// Customers made in this order, with one percent for every kind but h3 and h1; the sheet of
// สมชาย settles on its own; ไม่ซื้อ has no lines.
void fill(testing::Shop& shop) {
    std::unique_ptr<Database> db = shop.main->desk().openShared();
    auto customer = [&](const char* name, int percent, int h3, int h1) {
        QVariantList binds{QString::fromUtf8(name), QString::fromUtf8(name), h3};
        for (int k = 1; k < kKindCount; ++k)
            binds << (k == 6 ? h1 : percent);
        db->exec(QStringLiteral("INSERT INTO cus (id, name, %1) VALUES (?,?,?,?,?,?,?,?,?,?,?,?)")
                     .arg(customerbook::percentColumns().join(',')),
                 binds);
    };
    customer("สมศรี", 10, 10, 100);
    customer("สมชาย", 10, 25, 10);
    customer("สมชายแผ่นที่1", 10, 25, 10);
    customer("ไม่ซื้อ", 10, 10, 10);
    auto line = [&](const char* cus, const char* kind, double stake) {
        Kind k;
        kindFromCode(QLatin1String(kind), &k);
        for (const char* table : {"tballcus", "tball"})
            db->exec(QStringLiteral("INSERT INTO %1 (num, %2, cus, codeins) VALUES ('1', ?, ?, ?)")
                         .arg(QLatin1String(table), stakeColumn(k)),
                     {stake, QString::fromUtf8(cus), QLatin1String(kind)});
    };
    line("สมชาย", "h3", 100);     // 25
    line("สมชาย", "l2", 35);      // 3.5 -> 4
    line("สมชาย", "h5", 25);      // 2.5 -> 2
    line("สมชายแผ่นที่1", "h3", 10); // 2.5 -> 2
    line("สมศรี", "h1", 30);       // 30, nothing to collect
    line("สมศรี", "t3", 50);       // 5
    line("แบบรวม", "h3", 500);    // nobody's account
}

QStringList captionsOf(const printing::Report& report) {
    QStringList captions;
    for (const printing::Column& column : report.columns)
        captions << column.caption;
    return captions;
}

void pick(QComboBox* box, const QString& item) {
    const int index = box->findText(item);
    QVERIFY2(index >= 0, qPrintable(item));
    box->setCurrentIndex(index);
    emit box->activated(index);
}

QStringList items(QComboBox* box) {
    QStringList all;
    for (int i = 0; i < box->count(); ++i)
        all << box->itemText(i);
    return all;
}
} // namespace

class AccountWindowsTest : public testing::Test {
    Q_OBJECT
private slots:
    void cleanup() {
        shop_.reset();
        testing::Test::cleanup();
    }

    void discountsAfterThreeBeeps() {
        shop_ = std::make_unique<testing::Shop>();
        fill(*shop_);
        testing::runCommand(shop_->main.get(), {kTotals}, kDiscounts);
        QPointer<Tpercent> wait = windowOf<Tpercent>(shop_->main.get());
        QVERIFY(wait);
        auto* frame = qobject_cast<QMdiSubWindow*>(wait->parentWidget());
        QVERIFY(frame);
        QVERIFY(!(frame->windowFlags() & Qt::WindowCloseButtonHint));
        QVERIFY(!(frame->windowFlags() & Qt::WindowSystemMenuHint));
        QVERIFY(!wait->isEnabled());
        QVERIFY(wait->timer()->isActive());
        QCOMPARE(wait->timer()->interval(), 1000);
        auto* bar = testing::child<QProgressBar>(wait, "ProgressBar1");
        QCOMPARE(bar->maximum(), 3);

        const int beeps = shop_->platform->beeps;
        wait->tick();
        wait->tick();
        QCOMPARE(bar->value(), 2);
        QVERIFY(ReportPreview::shown().isEmpty());
        wait->tick();
        QCOMPARE(shop_->platform->beeps, beeps + 3);
        QCOMPARE(ReportPreview::shown().size(), 1);
        QCOMPARE(ReportPreview::shown().front().title, QStringLiteral("แสดงยอดหักเปอร์เซ็นต์"));
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(!wait);

        const printing::Report& report = ReportPreview::shown().front().report;
        QCOMPARE(report.heading, QStringLiteral("สรุปยอดหักเปอร์เซ็นต์"));
        QCOMPARE(captionsOf(report),
                 (QStringList{"ชื่อ", "3ตัวบน", "3ตัวโต๊ด", "3ตัวล่าง", "2ตัวบน", "2ตัวล่าง", "คู่โต๊ด", "วิ่งบน",
                              "วิ่งล่าง", "4ตัว", "5ตัว", "ยอดรวม", "%รวม", "ยอดเรียกเก็บ"}));
        // By code; the discounts of each kind, halves to even.
        QCOMPARE(report.rows.size(), 3);
        QCOMPARE(cellsOf(report, 0), (QStringList{"สมชาย", "25", "0", "0", "0", "4", "0", "0", "0",
                                                  "0", "2", "160", "31", "129"}));
        QCOMPARE(cellsOf(report, 1), (QStringList{"สมชายแผ่นที่1", "2", "0", "0", "0", "0", "0", "0",
                                                  "0", "0", "0", "10", "2", "8"}));
        QCOMPARE(cellsOf(report, 2), (QStringList{"สมศรี", "0", "5", "0", "0", "0", "0", "30", "0",
                                                  "0", "0", "80", "35", "45"}));
        // The footer: date, the running sum of what is collected, the page.
        QVERIFY(report.footerDate);
        QVERIFY(report.footerSum);
        const printing::Layout twoAPage(report, 2);
        QCOMPARE(twoAPage.pageCount(), 2);
        QCOMPARE(twoAPage.sumText(0), QStringLiteral("ยอดเรียกเก็บรวม=137"));
        QCOMPARE(twoAPage.sumText(1), QStringLiteral("ยอดเรียกเก็บรวม=182"));
        QCOMPARE(twoAPage.pageText(1), QStringLiteral("หน้าที่ 2"));
    }

    void accountOfOneCustomer() {
        shop_ = std::make_unique<testing::Shop>();
        fill(*shop_);
        testing::runCommand(shop_->main.get(), {kTotals}, kAccount);
        auto* window = windowOf<Tcusaccount>(shop_->main.get());
        QVERIFY(window);
        QCOMPARE(window->windowTitle(), QStringLiteral("แสดงยอดบัญชีรวมแบบแยกชื่อ"));
        QVERIFY(window->findChild<QLabel*>()->text() == QStringLiteral("เลือกชื่อที่ต้องการ"));
        QComboBox* chooser = testing::child<QComboBox>(window, "c1");
        QCOMPARE(chooser->currentText(), QStringLiteral("เลือกชื่อ"));
        QVERIFY(!chooser->isEnabled());
        // Every name with the sheets, in the order they were made.
        QCOMPARE(items(chooser), (QStringList{"สมศรี", "สมชาย", "สมชายแผ่นที่1", "ไม่ซื้อ"}));
        QVERIFY(window->timer()->isActive());
        QCOMPARE(window->timer()->interval(), 1000);

        // Nothing is shown before the accounts are there.
        window->chooseName(QStringLiteral("สมศรี"));
        QVERIFY(ReportPreview::shown().isEmpty());
        window->build();
        QVERIFY(chooser->isEnabled());
        QCOMPARE(testing::child<QProgressBar>(window, "ProgressBar1")->value(),
                 testing::child<QProgressBar>(window, "ProgressBar1")->maximum());

        pick(chooser, QStringLiteral("สมศรี"));
        QCOMPARE(ReportPreview::shown().size(), 1);
        QCOMPARE(ReportPreview::shown().front().title, QStringLiteral("แสดงยอดบัญชีรวมแบบแยกชื่อ"));
        const printing::Report& report = ReportPreview::shown().front().report;
        QCOMPARE(report.heading, QStringLiteral("สรุปยอดบัญชีรวมของสมศรี"));
        QCOMPARE(captionsOf(report),
                 (QStringList{"", "3ตัวบน", "3ตัวโต๊ด", "3ตัวล่าง", "2ตัวบน", "2ตัวล่าง", "คู่โต๊ด", "วิ่งบน",
                              "วิ่งล่าง", "กลุ่ม4ตัว", "กลุ่ม5ตัว", "รวม"}));
        QCOMPARE(report.rows.size(), 4);
        QCOMPARE(cellsOf(report, 0), (QStringList{"ยอดทั้งหมด", "0", "50", "0", "0", "0", "0", "30",
                                                  "0", "0", "0", "80"}));
        QCOMPARE(cellsOf(report, 1), (QStringList{"เปอเซนต์ส่วนลด", "10", "10", "10", "10", "10",
                                                  "10", "100", "10", "10", "10", ""}));
        QCOMPARE(cellsOf(report, 2), (QStringList{"ส่วนลดจริง", "0", "5", "0", "0", "0", "0", "30",
                                                  "0", "0", "0", "35"}));
        // A percent of 100 leaves nothing to pay on that kind.
        QCOMPARE(cellsOf(report, 3), (QStringList{"ยอดจ่ายจริง", "0", "45", "0", "0", "0", "0", "0",
                                                  "0", "0", "0", "45"}));
        QCOMPARE(report.summary,
                 (QStringList{"ยอดซื้อทั้งหมด   =80", "%ส่วนลดรวม   =35", "ยอดเรียกเก็บ   =45"}));

        // The sheet is an account of its own; a name without lines is said, not printed.
        pick(chooser, QStringLiteral("สมชายแผ่นที่1"));
        QCOMPARE(ReportPreview::shown().last().report.heading,
                 QStringLiteral("สรุปยอดบัญชีรวมของสมชายแผ่นที่1"));
        QCOMPARE(ReportPreview::shown().last().report.summary.last(),
                 QStringLiteral("ยอดเรียกเก็บ   =8"));
        pick(chooser, QStringLiteral("ไม่ซื้อ"));
        QCOMPARE(ReportPreview::shown().size(), 2);
        QCOMPARE(Dialogs::last().text, QStringLiteral("ไม่มียอดซื้อของ ไม่ซื้อ"));
    }

    void headNamesAndNameOrder() {
        shop_ = std::make_unique<testing::Shop>([](SettingsRecord& settings) {
            settings.set(Backc::back13, QStringLiteral("1"));
            settings.set(Backc::back21, QStringLiteral("1"));
        });
        fill(*shop_);
        testing::runCommand(shop_->main.get(), {kTotals}, kAccount);
        auto* window = windowOf<Tcusaccount>(shop_->main.get());
        QVERIFY(window);
        QCOMPARE(items(window->chooser()), (QStringList{"สมชาย", "สมชายแผ่นที่1", "สมศรี", "ไม่ซื้อ"}));
        window->build();
        pick(window->chooser(), QStringLiteral("สมชาย"));
        const QStringList account = captionsOf(ReportPreview::shown().last().report);
        QCOMPARE(account.mid(9, 2), (QStringList{"หัว3ตัวโต๊ด", "หัว3ตัว"}));
        QCOMPARE(account[6], QStringLiteral("คู่โต๊ด"));

        testing::runCommand(shop_->main.get(), {kTotals}, kDiscounts);
        Tpercent* wait = windowOf<Tpercent>(shop_->main.get());
        QVERIFY(wait);
        for (int i = 0; i < Tpercent::kTicks; ++i)
            wait->tick();
        const QStringList discounts = captionsOf(ReportPreview::shown().last().report);
        QCOMPARE(discounts.mid(9, 2), (QStringList{"หัว3ตัวโต๊ด", "หัว3ตัว"}));
        QCOMPARE(discounts[6], QStringLiteral("คู่โต๊ด"));
    }

private:
    std::unique_ptr<testing::Shop> shop_;
};

TABULOX_TEST(AccountWindowsTest)
#include "accountwindows_test.moc"
