#include "printing/layout.h"
#include "support/testmain.h"

using namespace printing;

namespace {
Report rowsOf(int count, int across, double firstAmount = 1) {
    Report report;
    report.heading = QStringLiteral("สรุปยอด");
    report.columns = {{QStringLiteral("เลข")}, {QStringLiteral("จำนวน"), 1, true}};
    report.across = across;
    for (int i = 0; i < count; ++i)
        report.rows.push_back(
            {{{QString::number(i)}, {QString::number(firstAmount + i)}}, firstAmount + i});
    return report;
}

bool sameSlot(const Slot& a, const Slot& b) {
    return a.page == b.page && a.column == b.column && a.line == b.line;
}
} // namespace

class LayoutTest : public testing::Test {
    Q_OBJECT
private slots:
    void rowsFillColumnsThenPages() {
        // Three lines a column, two columns across: six rows a page.
        const Layout exact(rowsOf(12, 2), 3);
        QCOMPARE(exact.pageCount(), 2);
        QCOMPARE(exact.page(1).firstRow, 6);
        QCOMPARE(exact.page(1).rowCount, 6);
        QVERIFY(sameSlot(exact.slotOf(2), {0, 0, 2}));
        QVERIFY(sameSlot(exact.slotOf(3), {0, 1, 0}));
        QVERIFY(sameSlot(exact.slotOf(5), {0, 1, 2}));
        QVERIFY(sameSlot(exact.slotOf(6), {1, 0, 0}));
        QVERIFY(sameSlot(exact.slotOf(11), {1, 1, 2}));

        const Layout oneMore(rowsOf(13, 2), 3);
        QCOMPARE(oneMore.pageCount(), 3);
        QCOMPARE(oneMore.page(2).firstRow, 12);
        QCOMPARE(oneMore.page(2).rowCount, 1);
        QVERIFY(sameSlot(oneMore.slotOf(12), {2, 0, 0}));

        // Newspaper columns are kept to one to five across.
        QCOMPARE(Layout(rowsOf(1, 7), 3).across(), 5);
        QCOMPARE(Layout(rowsOf(1, 0), 3).across(), 1);
    }

    void emptyReportIsOnePage() {
        const Layout empty(rowsOf(0, 5), 30);
        QCOMPARE(empty.pageCount(), 1);
        QCOMPARE(empty.page(0).rowCount, 0);
        QCOMPARE(empty.grandTotal(), 0.0);
        QCOMPARE(empty.sumText(0), QStringLiteral("ยอดรวม=0"));
        QCOMPARE(empty.pageText(0), QStringLiteral("หน้าที่ 1"));
    }

    void runningSumsAndGrandTotal() {
        // Amounts 1..13, six a page: 21, 57, 13.
        const Layout layout(rowsOf(13, 2), 3);
        QCOMPARE(layout.page(0).sum, 21.0);
        QCOMPARE(layout.page(1).sum, 57.0);
        QCOMPARE(layout.page(2).sum, 13.0);
        QCOMPARE(layout.page(0).runningSum, 21.0);
        QCOMPARE(layout.page(1).runningSum, 78.0);
        QCOMPARE(layout.grandTotal(), 91.0);
        QCOMPARE(layout.sumText(2), QStringLiteral("ยอดรวม=91"));

        Report negative = rowsOf(2, 1, -1000.5);
        const Layout down(negative, 10);
        QCOMPARE(down.sumText(0), QStringLiteral("ยอดรวม=-2,000"));

        // Two running sums with their own captions.
        Report two = rowsOf(13, 2);
        two.sumCaption = QStringLiteral("ยอดรวมตรง=");
        two.sumCaption2 = QStringLiteral("ยอดรวมโต๊ด=");
        for (int i = 0; i < two.rows.size(); ++i)
            two.rows[i].amount2 = 10 * (i + 1);
        const Layout pair(two, 3);
        QCOMPARE(pair.sumText(0), QStringLiteral("ยอดรวมตรง=21    ยอดรวมโต๊ด=210"));
        QCOMPARE(pair.sumText(2), QStringLiteral("ยอดรวมตรง=91    ยอดรวมโต๊ด=910"));
    }

    void pageNumbers() {
        Report report = rowsOf(13, 2);
        QCOMPARE(Layout(report, 3).pageText(1), QStringLiteral("หน้าที่ 2"));
        report.pageNumbers = PageNumbers::ofCount;
        const Layout counted(report, 3);
        QCOMPARE(counted.pageText(0), QStringLiteral("หน้าที่ 1/3"));
        QCOMPARE(counted.pageText(2), QStringLiteral("หน้าที่ 3/3"));
    }

    void summaryFollowsTheLastRow() {
        // Seven rows: the last page holds one row, two lines free below it.
        Report report = rowsOf(7, 2);
        report.summary = {QStringLiteral("รวม 7 รายการ"), QStringLiteral("ยอดรวม 28")};
        const Layout fits(report, 3);
        QCOMPARE(fits.pageCount(), 2);
        QCOMPARE(fits.page(0).summaryLine, -1);
        QCOMPARE(fits.page(1).summaryLine, 1);

        // Three lines do not fit below it: a page of its own, with the grand total.
        report.summary << QStringLiteral("ท้าย");
        const Layout own(report, 3);
        QCOMPARE(own.pageCount(), 3);
        QCOMPARE(own.page(1).summaryLine, -1);
        QCOMPARE(own.page(2).summaryLine, 0);
        QCOMPARE(own.page(2).rowCount, 0);
        QCOMPARE(own.grandTotal(), 28.0);

        // An empty report still prints its summary.
        Report none = rowsOf(0, 1);
        none.summary = {QStringLiteral("ไม่มีรายการ")};
        const Layout nothing(none, 3);
        QCOMPARE(nothing.pageCount(), 1);
        QCOMPARE(nothing.page(0).summaryLine, 0);
    }

    void amountsAndGeometry() {
        QCOMPARE(amountText(1234567), QStringLiteral("1,234,567"));
        QCOMPARE(amountText(-5), QStringLiteral("-5"));
        QCOMPARE(amountText(2.5), QStringLiteral("2.50"));
        QCOMPARE(amountText(0.001), QStringLiteral("0"));

        const Geometry landscape = Geometry::a4(Orientation::landscape);
        const Geometry portrait = Geometry::a4(Orientation::portrait);
        QVERIFY(landscape.page.width() > landscape.page.height());
        QVERIFY(landscape.linesPerColumn() >= 20);
        QVERIFY(portrait.linesPerColumn() > landscape.linesPerColumn());
        // Five columns and their gaps fill the width between the margins.
        const double right = landscape.columnLeft(4, 5) + landscape.columnWidth(5);
        QCOMPARE(qRound(right), qRound(landscape.page.width() - landscape.margin));
    }
};

TABULOX_TEST(LayoutTest)
#include "layout_test.moc"
