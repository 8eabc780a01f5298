#include "exchange/sheetfile.h"
#include "support/sheetwrite.h"
#include "support/testmain.h"

#include <QFile>
#include <QTemporaryDir>

using sheetfile::SheetError;

namespace {
QStringList shown(const QVector<sheetfile::Row>& rows) {
    QStringList out;
    for (const sheetfile::Row& row : rows)
        out << QStringLiteral("%1|%2|%3|%4|%5").arg(row.line).arg(row.num, row.h, row.t, row.l);
    return out;
}

// A sheet as customers send it: headings in any case and order, text and number cells.
const QVariantList kRows = {
    QVariantList{"l", "NUM", "H", "t", "note"},
    QVariantList{30, "815", 10, 20, "x"},
    QVariantList{50, "12", QVariant(), QVariant()},
    QVariantList{QVariant(), QVariant(), QVariant(), QVariant()},
    QVariantList{QVariant(), "007", 5, 2.5},
    QVariantList{1, 123456, 1, 1},
    QVariantList{QVariant(), "stop"},
};
const QStringList kRead = {"2|815|10|20|30", "3|12|||50", "5|007|5|2.5|", "6|123456|1|1|1",
                           "7|stop|||"};
} // namespace

class SheetFileTest : public testing::Test {
    Q_OBJECT
private slots:
    void everyFormatReadsTheSameRows_data() {
        QTest::addColumn<QString>("format");
        QTest::newRow("xlsx") << "xlsx";
        QTest::newRow("xls") << "xls";
        QTest::newRow("ods") << "ods";
    }
    void everyFormatReadsTheSameRows() {
        QFETCH(QString, format);
        QTemporaryDir dir;
        const QString path = dir.filePath("bets." + format);
        testing::writeSheet(format, path, kRows, "SHEET1");
        QCOMPARE(shown(sheetfile::read(path)), kRead);

        // Another sheet name, or a heading missing, is said and nothing is read.
        const QString other = dir.filePath("other." + format);
        testing::writeSheet(format, other, kRows, "Sheet2");
        try {
            sheetfile::read(other);
            QFAIL("a workbook without sheet1 was read");
        } catch (const SheetError& error) {
            QVERIFY(error.message().contains("sheet1"));
        }
        const QString headless = dir.filePath("headless." + format);
        testing::writeSheet(format, headless,
                            {QVariantList{"num", "h", "l"}, QVariantList{"1", 2}});
        QVERIFY_THROWS_EXCEPTION(SheetError, sheetfile::read(headless));
    }

    void csvWithQuotesAndThaiCodePage() {
        QTemporaryDir dir;
        const QString path = dir.filePath("bets.csv");
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("\xEF\xBB\xBFnum;h;t;l\r\n\"007\";\"1,000\";;5\r\n;;;\r\n12;1;2;3\r\n");
        file.close();
        QCOMPARE(shown(sheetfile::read(path)), (QStringList{"2|007|1,000||5", "4|12|1|2|3"}));
        // A file in the Thai code page: the Thai text is read as Thai.
        QVERIFY(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        file.write("num,h,t,l\n\xA1,1,2,3\n");
        file.close();
        QCOMPARE(shown(sheetfile::read(path)), (QStringList{QStringLiteral("2|ก|1|2|3")}));
    }

    void damagedAndUnknownFilesAreSaid() {
        QTemporaryDir dir;
        for (const char* name : {"broken.xlsx", "broken.xls", "broken.ods", "bets.doc"}) {
            QFile file(dir.filePath(name));
            QVERIFY(file.open(QIODevice::WriteOnly));
            file.write("not a workbook");
            file.close();
            QVERIFY_THROWS_EXCEPTION(SheetError, sheetfile::read(file.fileName()));
        }
        QVERIFY_THROWS_EXCEPTION(SheetError, sheetfile::read(dir.filePath("missing.xlsx")));
    }
};

TABULOX_TEST(SheetFileTest)
#include "sheetfile_test.moc"
