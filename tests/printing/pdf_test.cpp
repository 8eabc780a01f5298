#include "printing/reportpainter.h"
#include "support/pdftext.h"
#include "support/testmain.h"

#include <QImage>
#include <QPainter>
#include <QTemporaryDir>

using namespace printing;
using testing::pdfPageCount;
using testing::pdfPageText;

namespace {
Report totals(int count) {
    Report report;
    report.heading = QStringLiteral("สรุปยอด3ตัวบน");
    report.columns = {{QStringLiteral("เลข")}, {QStringLiteral("จำนวน"), 1.4, true}};
    report.across = 5;
    report.printedAt = QDateTime(QDate(2026, 12, 9), QTime(18, 5, 7));
    for (int i = 0; i < count; ++i) {
        const QString number = QStringLiteral("%1").arg(i, 3, 10, QLatin1Char('0'));
        report.rows.push_back({{{number, bold}, {amountText(i + 1)}}, double(i + 1)});
    }
    return report;
}

// Pixels of a colour on one page drawn at twice the points.
int pixelsOf(const ReportPainter& painter, int page, bool (*colour)(QRgb)) {
    QImage image((painter.geometry().page * 2).toSize(), QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter p(&image);
    p.scale(2, 2);
    painter.paintPage(p, page);
    p.end();
    int count = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x)
            count += colour(image.pixel(x, y)) ? 1 : 0;
    return count;
}

bool reddish(QRgb c) {
    return qRed(c) > 180 && qGreen(c) < 80 && qBlue(c) < 80;
}
bool bluish(QRgb c) {
    return qBlue(c) > 180 && qRed(c) < 80 && qGreen(c) < 80;
}
} // namespace

class PdfTest : public testing::Test {
    Q_OBJECT
private slots:
    void initTestCase() {
        if (!testing::hasPdfText())
            QFAIL("pdftotext (poppler-utils) is not installed; scripts/deps.sh installs it");
    }

    void thaiHeadingCellsSumsAndPages() {
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("h3.pdf"));
        const Report report = totals(1000);
        const ReportPainter painter(report);
        const int pages = painter.layout().pageCount();
        QVERIFY(pages > 1);
        QString error;
        QVERIFY2(writePdf(report, pdf, &error), qPrintable(error));
        QCOMPARE(pdfPageCount(pdf), pages);

        const QString first = pdfPageText(pdf, 1);
        QVERIFY2(first.contains(QStringLiteral("สรุปยอด3ตัวบน")), qPrintable(first.left(400)));
        QVERIFY(first.contains(QStringLiteral("เลข")));
        QVERIFY2(first.contains(QStringLiteral("จำนวน")), qPrintable(first.left(1500)));
        QVERIFY(first.contains(QStringLiteral("09/12/2026 18:05:07")));
        QVERIFY(first.contains(QStringLiteral("หน้าที่ 1")));
        QVERIFY(first.contains(painter.layout().sumText(0)));
        const int perPage = painter.layout().rowsPerPage();
        // The last row of the page and its amount; the next page's first row is not here.
        const QString lastOfPage = QStringLiteral("%1").arg(perPage - 1, 3, 10, QLatin1Char('0'));
        QVERIFY(first.contains(QRegularExpression(lastOfPage + QStringLiteral("\\s+") +
                                                  amountText(perPage) + QStringLiteral("\\b"))));
        const QString nextFirst = QStringLiteral("%1").arg(perPage, 3, 10, QLatin1Char('0'));
        QVERIFY(!first.contains(
            QRegularExpression(QStringLiteral("\\b") + nextFirst + QStringLiteral("\\s+") +
                               amountText(perPage + 1) + QStringLiteral("\\b"))));

        const QString last = pdfPageText(pdf, pages);
        QVERIFY(last.contains(QStringLiteral("สรุปยอด3ตัวบน")));
        QVERIFY(last.contains(QStringLiteral("ยอดรวม=500,500")));
        QVERIFY(last.contains(QStringLiteral("หน้าที่ %1").arg(pages)));
        QVERIFY(last.contains(QRegularExpression(QStringLiteral("999\\s+1,000"))));
    }

    void countedPagesSummaryAndPortrait() {
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("list.pdf"));
        Report report = totals(3);
        report.orientation = Orientation::portrait;
        report.across = 1;
        report.pageNumbers = PageNumbers::ofCount;
        report.summary = {QStringLiteral("ลูกค้า นายสมชาย รวมทั้งสิ้น 6 บาท")};
        QVERIFY(writePdf(report, pdf));
        const QString text = pdfPageText(pdf, 1);
        QVERIFY(text.contains(QStringLiteral("หน้าที่ 1/1")));
        QVERIFY(text.contains(QStringLiteral("ลูกค้า นายสมชาย รวมทั้งสิ้น 6 บาท")));
        QVERIFY(text.contains(QStringLiteral("ยอดรวม=6")));
        QCOMPARE(pdfPageCount(pdf), 1);

        // A footer of the page number alone.
        report.footerDate = false;
        report.footerSum = false;
        report.summary.clear();
        QVERIFY(writePdf(report, pdf));
        const QString bare = pdfPageText(pdf, 1);
        QVERIFY(bare.contains(QStringLiteral("หน้าที่ 1/1")));
        QVERIFY(!bare.contains(QStringLiteral("ยอดรวม=")));
        QVERIFY(!bare.contains(QStringLiteral("2026")));
    }

    void emptyReportStillPrintsItsPage() {
        QTemporaryDir dir;
        const QString pdf = dir.filePath(QStringLiteral("empty.pdf"));
        QVERIFY(writePdf(totals(0), pdf));
        const QString text = pdfPageText(pdf, 1);
        QVERIFY(text.contains(QStringLiteral("สรุปยอด3ตัวบน")));
        QVERIFY(text.contains(QStringLiteral("ยอดรวม=0")));
        QVERIFY(text.contains(QStringLiteral("หน้าที่ 1")));
    }

    void marksAreDrawnInTheirColours() {
        Report report = totals(4);
        const ReportPainter plainPainter(report);
        QCOMPARE(pixelsOf(plainPainter, 0, reddish), 0);
        QCOMPARE(pixelsOf(plainPainter, 0, bluish), 0);

        report.rows[1].cells[1].marks = redUnderline;
        report.rows[2].cells[0].marks = bold | blueUnderline;
        const ReportPainter marked(report);
        QVERIFY(pixelsOf(marked, 0, reddish) > 20);
        QVERIFY(pixelsOf(marked, 0, bluish) > 20);
    }

    void unwritableFileIsSaid() {
        QString error;
        QVERIFY(!writePdf(totals(1), QStringLiteral("/nonexistent-folder/x.pdf"), &error));
        QVERIFY(error.contains(QStringLiteral("/nonexistent-folder/x.pdf")));
    }
};

TABULOX_TEST(PdfTest)
#include "pdf_test.moc"
