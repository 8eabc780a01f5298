#include "common/workbook.h"
#include "settlement/winnersbook.h"
#include "support/testmain.h"
#include "support/workbookread.h"

#include <QFile>
#include <QJsonArray>
#include <QTemporaryDir>

using prizecheck::WinningLine;

namespace {
WinningLine line(const QString& name, const QString& num, double stake) {
    WinningLine l;
    l.name = name;
    l.cus = name;
    l.num = num;
    l.stake = stake;
    return l;
}

QJsonObject cell(const QJsonObject& book, const QString& sheet, const QString& at) {
    return book["cells"][sheet][at].toObject();
}
} // namespace

class WorkbookTest : public testing::Test {
    Q_OBJECT
private slots:
    void winnersBlocksOnFourSheets() {
        QTemporaryDir dir;
        const workbook::Book book = winnersbook::build([](Kind kind) {
            QVector<WinningLine> lines;
            if (kind == Kind::h3)
                lines = {line("สมชาย", "007", 100), line("ก\"1", "007", 2.5)};
            if (kind == Kind::h5)
                lines = {line("ข", "01234", 20)};
            return lines;
        });
        const QString path = dir.filePath("w.xlsx");
        QString error;
        QVERIFY2(book.save(path, &error), qPrintable(error));
        const QJsonObject read = testing::readWorkbook(path);
        QCOMPARE(read["sheets"].toArray().toVariantList(),
                 (QVariantList{"Sheet1", "Sheet2", "Sheet3", "Sheet4"}));
        QCOMPARE(read["active"].toString(), QStringLiteral("Sheet1"));
        QCOMPARE(read["title"].toString(), QStringLiteral("ผลการตรวจรางวัล"));

        // Titles in the second column of each block, headings in row 2.
        QCOMPARE(cell(read, "Sheet1", "B1")["v"].toString(), QStringLiteral("เลข3ตัวบนที่ถูกรางวัล"));
        QCOMPARE(cell(read, "Sheet1", "G1")["v"].toString(), QStringLiteral("เลข3ตัวโต๊ดที่ถูกรางวัล"));
        QCOMPARE(cell(read, "Sheet1", "L1")["v"].toString(), QStringLiteral("เลข3ตัวล่างที่ถูกรางวัล"));
        QCOMPARE(cell(read, "Sheet2", "G1")["v"].toString(), QStringLiteral("เลข2ตัวโต๊ดที่ถูกรางวัล"));
        QCOMPARE(cell(read, "Sheet3", "G1")["v"].toString(), QStringLiteral("เลขวิ่งล่างที่ถูกรางวัล"));
        QCOMPARE(cell(read, "Sheet4", "G1")["v"].toString(), QStringLiteral("เลข5ตัวที่ถูกรางวัล"));
        QStringList headings;
        for (const char* at : {"K2", "L2", "M2", "N2"})
            headings << cell(read, "Sheet1", at)["v"].toString();
        QCOMPARE(headings, (QStringList{"ชื่อ", "รหัสลูกค้า", "เลขที่ถูก", "จำนวน"}));

        // One line a row; the number keeps its zeros as text, the stake is a number.
        QCOMPARE(cell(read, "Sheet1", "A3")["v"].toString(), QStringLiteral("สมชาย"));
        QCOMPARE(cell(read, "Sheet1", "B4")["v"].toString(), QStringLiteral("ก\"1"));
        QCOMPARE(cell(read, "Sheet1", "C3")["v"].toString(), QStringLiteral("007"));
        QCOMPARE(cell(read, "Sheet1", "C3")["f"].toString(), QStringLiteral("@"));
        QCOMPARE(cell(read, "Sheet1", "D4")["v"].toDouble(), 2.5);
        QCOMPARE(cell(read, "Sheet4", "H3")["v"].toString(), QStringLiteral("01234"));
        QCOMPARE(cell(read, "Sheet4", "I3")["v"].toDouble(), 20.0);

        // Row 1 yellow and bold, even where it crosses a silver column; the blocks bold.
        QCOMPARE(read["rows"]["Sheet1"]["1"]["fill"].toString(), QStringLiteral("FFFF00"));
        QVERIFY(read["rows"]["Sheet1"]["1"]["b"].toBool());
        QCOMPARE(cell(read, "Sheet1", "E1")["fill"].toString(), QStringLiteral("FFFF00"));
        QCOMPARE(read["columns"]["Sheet1"]["E"]["fill"].toString(), QStringLiteral("C0C0C0"));
        QCOMPARE(read["columns"]["Sheet1"]["O"]["fill"].toString(), QStringLiteral("C0C0C0"));
        QVERIFY(read["columns"]["Sheet1"]["B"]["b"].toBool());
        QVERIFY(cell(read, "Sheet1", "A3")["b"].toBool());
        QVERIFY(!read["columns"]["Sheet1"]["E"]["b"].toBool());
        // The row under the last line: yellow under the names, red beside; an empty block
        // marks row 3.
        QCOMPARE(cell(read, "Sheet1", "A5")["fill"].toString(), QStringLiteral("FFFF00"));
        QCOMPARE(cell(read, "Sheet1", "D5")["fill"].toString(), QStringLiteral("FF0000"));
        QCOMPARE(cell(read, "Sheet1", "F3")["fill"].toString(), QStringLiteral("FFFF00"));
        QCOMPARE(cell(read, "Sheet1", "G3")["fill"].toString(), QStringLiteral("FF0000"));
        QVERIFY(cell(read, "Sheet1", "A4")["fill"].isNull());
    }

    void laterChangesWin() {
        workbook::Sheet sheet("s");
        sheet.fillColumn(2, workbook::kSilver);
        sheet.fillRow(1, workbook::kYellow);
        sheet.fillRow(3, workbook::kRed);
        sheet.fillColumn(2, workbook::kBlue);
        sheet.boldColumns(1, 2);
        QCOMPARE(*sheet.styleAt(1, 2).fill, workbook::kBlue);
        QCOMPARE(*sheet.styleAt(1, 3).fill, workbook::kYellow);
        QVERIFY(!sheet.styleAt(1, 3).bold);
        QVERIFY(*sheet.styleAt(1, 1).bold);
        QCOMPARE(*sheet.rowStyle(3).fill, workbook::kRed);
        QCOMPARE(workbook::fromColorValue(65535), workbook::kYellow);
        QCOMPARE(workbook::fromColorValue(12632256), workbook::kSilver);
        QCOMPARE(workbook::fromColorIndex(3), workbook::kRed);
        QCOMPARE(workbook::fromColorIndex(5), workbook::kBlue);
    }

    void earlierFilesAreNeverWrittenOver() {
        QTemporaryDir dir;
        const QString folder = dir.filePath("excel/new");
        const QString first = workbook::newFilePath(folder, "ผลการตรวจรางวัล");
        QVERIFY(first.endsWith(".xlsx"));
        QVERIFY(first.contains("ผลการตรวจรางวัล"));
        workbook::Book book("t");
        book.addSheet("Sheet1").writeText(1, 1, "one");
        QString error;
        QVERIFY(book.save(first, &error));
        const QString second = workbook::newFilePath(folder, "ผลการตรวจรางวัล");
        QVERIFY(second != first);
        QVERIFY(second.endsWith(").xlsx") || !second.startsWith(first.chopped(5)));
        // Saving over the first file fails and leaves it as it was.
        const QByteArray before = [&] {
            QFile f(first);
            f.open(QIODevice::ReadOnly);
            return f.readAll();
        }();
        book.sheet("Sheet1").writeText(1, 1, "two");
        QVERIFY(!book.save(first, &error));
        QFile f(first);
        QVERIFY(f.open(QIODevice::ReadOnly));
        QCOMPARE(f.readAll(), before);
        QVERIFY(!QFile::exists(first + ".part"));
        // A folder that cannot be made gives no path.
        QFile blocker(dir.filePath("file"));
        QVERIFY(blocker.open(QIODevice::WriteOnly));
        blocker.close();
        QVERIFY(workbook::newFilePath(dir.filePath("file/sub"), "x").isEmpty());
    }
};

TABULOX_TEST(WorkbookTest)
#include "workbook_test.moc"
