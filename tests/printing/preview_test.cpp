#include "printing/gui/reportpreview.h"
#include "support/pdftext.h"
#include "support/shop.h"
#include "support/testmain.h"
#include "ui/dialogs.h"

#include <QAction>
#include <QLabel>
#include <QPrinter>
#include <QScrollArea>
#include <QTemporaryDir>

using namespace printing;

namespace {
Report numbers(int count) {
    Report report;
    report.heading = QStringLiteral("สรุปยอด2ตัวบน");
    report.columns = {{QStringLiteral("เลข")}, {QStringLiteral("จำนวน"), 1, true}};
    report.across = 5;
    for (int i = 0; i < count; ++i)
        report.rows.push_back({{{QString::number(i)}, {QString::number(10)}}, 10});
    return report;
}

void trigger(QObject* root, const QString& name) {
    testing::child<QAction>(root, name)->trigger();
}
} // namespace

class PreviewTest : public testing::Test {
    Q_OBJECT
private slots:
    void initTestCase() {
        if (!testing::hasPdfText())
            QFAIL("pdftotext (poppler-utils) is not installed; scripts/deps.sh installs it");
    }

    void mainWindowStepsAsideWhileShown() {
        testing::Shop shop;
        Tmain& main = *shop.main;
        QList<QPair<bool, Qt::WindowStates>> seen;
        connect(&main.desk(), &Desk::previewShown, this, [&](bool shown) {
            seen.append({shown, main.windowState()});
        });
        ReportPreview::show(main.desk(), numbers(3), QStringLiteral("แสดงยอด2ตัวบน"));

        QCOMPARE(ReportPreview::shown().size(), 1);
        QCOMPARE(ReportPreview::shown().front().title, QStringLiteral("แสดงยอด2ตัวบน"));
        QCOMPARE(ReportPreview::shown().front().report.rows.size(), 3);
        QCOMPARE(seen.size(), 2);
        QVERIFY(seen[0].first && (seen[0].second & Qt::WindowMinimized));
        QVERIFY(!seen[1].first && (seen[1].second & Qt::WindowMaximized));
        QVERIFY(!(seen[1].second & Qt::WindowMinimized));
    }

    void pagesTurnOneAtATime() {
        ReportPreview preview(numbers(1000), QStringLiteral("แสดงยอด"));
        const int pages = preview.pageCount();
        QVERIFY(pages > 3);
        auto* label = testing::child<QLabel>(&preview, QStringLiteral("pageLabel"));
        QCOMPARE(label->text().trimmed(), QStringLiteral("หน้า 1 / %1").arg(pages));
        trigger(&preview, QStringLiteral("previous"));
        QCOMPARE(preview.page(), 0);
        trigger(&preview, QStringLiteral("next"));
        trigger(&preview, QStringLiteral("next"));
        QCOMPARE(preview.page(), 2);
        trigger(&preview, QStringLiteral("last"));
        trigger(&preview, QStringLiteral("next"));
        QCOMPARE(preview.page(), pages - 1);
        QCOMPARE(label->text().trimmed(), QStringLiteral("หน้า %1 / %1").arg(pages));
        trigger(&preview, QStringLiteral("first"));
        QCOMPARE(preview.page(), 0);
        // The page shown is painted, not blank.
        preview.resize(900, 650);
        const QImage shot =
            testing::child<PageView>(&preview, QStringLiteral("page"))->grab().toImage();
        int dark = 0;
        for (int y = 0; y < shot.height(); y += 2)
            for (int x = 0; x < shot.width(); x += 2)
                dark += qGray(shot.pixel(x, y)) < 40 ? 1 : 0;
        QVERIFY(dark > 50);
    }

    void zoomScrollsAndFitsAgain() {
        ReportPreview preview(numbers(100), QStringLiteral("แสดงยอด"));
        preview.resize(900, 650);
        preview.QDialog::show();
        QVERIFY(QTest::qWaitForWindowExposed(&preview));
        const QSize fitted = preview.view()->size();
        const QSize port = preview.scrollArea()->viewport()->size();
        QCOMPARE(fitted, port);
        trigger(&preview, QStringLiteral("zoomIn"));
        trigger(&preview, QStringLiteral("zoomIn"));
        QVERIFY(preview.view()->width() > port.width());
        QVERIFY(preview.view()->height() > port.height());
        for (int i = 0; i < 20; ++i)
            trigger(&preview, QStringLiteral("zoomIn"));
        QCOMPARE(preview.zoom(), 4.0);
        trigger(&preview, QStringLiteral("fit"));
        QCOMPARE(preview.zoom(), 1.0);
        QTRY_COMPARE(preview.view()->size(), preview.scrollArea()->viewport()->size());
        trigger(&preview, QStringLiteral("zoomOut"));
        QCOMPARE(preview.zoom(), 1.0);
    }

    void savesAPdfOrNothing() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("ลูกค้า.pdf"));
        ReportPreview preview(numbers(1000), QStringLiteral("แสดงยอด2ตัวบน"));
        Dialogs::setNextFileName(QString());
        trigger(&preview, QStringLiteral("pdf"));
        QVERIFY(!QFile::exists(path));
        QCOMPARE(Dialogs::last().proposed.endsWith(QStringLiteral("แสดงยอด2ตัวบน.pdf")), true);

        Dialogs::setNextFileName(path);
        trigger(&preview, QStringLiteral("pdf"));
        QCOMPARE(testing::pdfPageCount(path), preview.pageCount());
        const QString last = testing::pdfPageText(path, preview.pageCount());
        QVERIFY(last.contains(QStringLiteral("ยอดรวม=10,000")));

        Dialogs::setNextFileName(QStringLiteral("/nonexistent-folder/a.pdf"));
        trigger(&preview, QStringLiteral("pdf"));
        QCOMPARE(Dialogs::last().kind, QStringLiteral("warning"));
    }

    void printsTheChosenPages() {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("printed.pdf"));
        ReportPreview preview(numbers(1000), QStringLiteral("แสดงยอด"));
        QPrinter printer(QPrinter::HighResolution);
        printer.setOutputFormat(QPrinter::PdfFormat);
        printer.setOutputFileName(path);
        printer.setPrintRange(QPrinter::PageRange);
        printer.setFromTo(2, 3);
        QVERIFY(preview.printTo(printer));
        QCOMPARE(testing::pdfPageCount(path), 2);
        QVERIFY(testing::pdfPageText(path, 1).contains(QStringLiteral("หน้าที่ 2")));
        QVERIFY(testing::pdfPageText(path, 2).contains(QStringLiteral("หน้าที่ 3")));
    }
};

TABULOX_TEST(PreviewTest)
#include "preview_test.moc"
