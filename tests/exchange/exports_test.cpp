#include "exchange/exports.h"
#include "support/engines.h"
#include "support/tempbook.h"
#include "support/workbookread.h"

#include <QJsonArray>
#include <QTemporaryDir>

using exports::Source;

namespace {
void bet(Database& db, const QString& num, Kind kind, double stake, const QString& customer) {
    for (const char* table : {"tball", "tballcus"})
        db.exec(QStringLiteral("INSERT INTO %1 (num, %2, cus, codeins) VALUES (?, ?, ?, ?)")
                    .arg(QLatin1String(table), stakeColumn(kind)),
                {num, stake, customer, kindCode(kind)});
}

void sent(Database& db, Kind kind, const QString& num, double amount) {
    db.exec(QStringLiteral("INSERT INTO %1sent (num, %2, rep) VALUES (?, ?, 1)")
                .arg(kindCode(kind), stakeColumn(kind)),
            {num, amount});
}

// The workbook as a reader sees it, and its cells of Sheet1.
struct Read {
    QJsonObject book;
    QJsonObject cells;
    QJsonValue v(const char* at) const { return cells[at].toObject()["v"]; }
    QString fill(const char* at) const { return cells[at].toObject()["fill"].toString(); }
    QString format(const char* at) const { return cells[at].toObject()["f"].toString(); }
};

Read saved(const workbook::Book& book) {
    QTemporaryDir dir;
    const QString path = dir.filePath("book.xlsx");
    QString error;
    if (!book.save(path, &error))
        QTest::qFail(qPrintable(error), __FILE__, __LINE__);
    Read read;
    read.book = testing::readWorkbook(path);
    read.cells = read.book.value("cells").toObject().value("Sheet1").toObject();
    return read;
}
} // namespace

class ExportsTest : public testing::BothEngines {
    Q_OBJECT
private slots:
    void oneKindKeepsZerosAndSumsTheColumn() {
        TempBook book;
        bet(book.db(), "007", Kind::h3, 100, "ก");
        bet(book.db(), "007", Kind::h3, 20, "ข");
        bet(book.db(), "120", Kind::h3, 50, "ก");
        bet(book.db(), "120", Kind::l3, 9, "ก");
        const Read read = saved(exports::kindBook(book.db(), Source::current, Kind::h3, 0));
        QCOMPARE(read.book["title"].toString(), QStringLiteral("แสดงยอดปัจจุบัน3ตัวบน"));
        QCOMPARE(read.v("A1").toString(), QStringLiteral("เลข"));
        QCOMPARE(read.v("B1").toString(), QStringLiteral("จำนวน"));
        QCOMPARE(read.v("F1").toString(), QStringLiteral("แสดงยอดปัจจุบัน3ตัวบนจำนวน2รายการ"));
        QCOMPARE(read.v("A2").toString(), QStringLiteral("007"));
        QCOMPARE(read.format("A2"), QStringLiteral("@"));
        QCOMPARE(read.v("B2").toDouble(), 120.0);
        QCOMPARE(read.v("A3").toString(), QStringLiteral("120"));
        QCOMPARE(read.v("A4").toString(), QStringLiteral("ยอดรวม="));
        QCOMPARE(read.v("B4").toString(), QStringLiteral("=SUM(B2:B3)"));
        QCOMPARE(read.fill("A4"), QStringLiteral("FF0000"));
        QCOMPARE(read.fill("B4"), QStringLiteral("FF0000"));
        QCOMPARE(read.book["rows"]["Sheet1"]["1"]["fill"].toString(), QStringLiteral("FFFF00"));
        QVERIFY(read.book["columns"]["Sheet1"]["A"]["b"].toBool());
        QVERIFY(read.book["columns"]["Sheet1"]["B"]["b"].toBool());

        // An empty source: the heading and, in row 2, a total that ends in B1.
        const Read empty = saved(exports::kindBook(book.db(), Source::kept, Kind::h3, 0));
        QCOMPARE(empty.v("F1").toString(), QStringLiteral("ยอดเก็บ3ตัวบนจำนวน0รายการ"));
        QCOMPARE(empty.v("A2").toString(), QStringLiteral("ยอดรวม="));
        QCOMPARE(empty.v("B2").toString(), QStringLiteral("=SUM(B2:B1)"));
    }

    void sentSummaryPutsEachNumbersKindsSideBySide() {
        TempBook book;
        sent(book.db(), Kind::h3, "123", 100);
        sent(book.db(), Kind::t3, "123", 50);
        sent(book.db(), Kind::l3, "045", 30);
        sent(book.db(), Kind::t2, "12", 7);
        sent(book.db(), Kind::l1, "5", 3);
        const Read read = saved(exports::summaryBook(book.db(), Source::sent));
        QCOMPARE(read.book["title"].toString(), QStringLiteral("สรุปยอดส่งรวม"));
        QStringList headings;
        for (const char* at : {"A1", "B1", "C1", "D1", "F1", "G1", "H1", "I1", "K1", "L1", "M1"})
            headings << read.v(at).toString();
        QCOMPARE(headings, (QStringList{"เลข3ตัว", "บน", "โต๊ด", "ล่าง", "เลข2ตัว", "บน", "ล่าง", "โต๊ด",
                                        "เลขวิ่ง", "บน", "ล่าง"}));
        QCOMPARE(read.v("A2").toString(), QStringLiteral("045"));
        QCOMPARE(read.format("A2"), QStringLiteral("@"));
        QCOMPARE(read.v("D2").toDouble(), 30.0);
        QCOMPARE(read.v("A3").toString(), QStringLiteral("123"));
        QCOMPARE(read.v("B3").toDouble(), 100.0);
        QCOMPARE(read.v("C3").toDouble(), 50.0);
        QCOMPARE(read.v("A4").toString(), QStringLiteral("ยอดรวม="));
        QCOMPARE(read.fill("A4"), QStringLiteral("FFFF00"));
        QCOMPARE(read.v("D4").toString(), QStringLiteral("=SUM(D2:D3)"));
        QCOMPARE(read.fill("D4"), QStringLiteral("FF0000"));
        // The tod of 12 is the two-digit block's last column.
        QCOMPARE(read.v("F2").toString(), QStringLiteral("12"));
        QCOMPARE(read.v("I2").toDouble(), 7.0);
        QCOMPARE(read.v("I3").toString(), QStringLiteral("=SUM(I2:I2)"));
        QCOMPARE(read.v("M2").toDouble(), 3.0);
        QCOMPARE(read.v("L3").toString(), QStringLiteral("=SUM(L2:L2)"));
        QCOMPARE(read.book["columns"]["Sheet1"]["E"]["fill"].toString(), QStringLiteral("C0C0C0"));
        QCOMPARE(read.book["columns"]["Sheet1"]["J"]["fill"].toString(), QStringLiteral("C0C0C0"));
        QVERIFY(read.book["columns"]["Sheet1"]["K"]["b"].toBool());

        // The current totals read the saved summaries.
        bet(book.db(), "123", Kind::t3, 40, "ก");
        const Read current = saved(exports::summaryBook(book.db(), Source::current));
        QCOMPARE(current.v("A2").toString(), QStringLiteral("123"));
        QCOMPARE(current.v("B2").toDouble(), 0.0);
        QCOMPARE(current.v("C2").toDouble(), 40.0);
        QCOMPARE(current.v("A3").toString(), QStringLiteral("ยอดรวม="));
    }

    void entryLogOfOneCustomerAndKind() {
        TempBook book;
        book.db().exec("INSERT INTO cus (id, name) VALUES ('ก\"1', 'ก\"1')");
        bet(book.db(), "12", Kind::h2, 10, "ก\"1");
        bet(book.db(), "12", Kind::h2, 20, "ข");
        bet(book.db(), "345", Kind::h3, 30, "ก\"1");
        bet(book.db(), "09", Kind::h2, 40, "ก\"1");
        const QString caption = exports::logCaption("ก\"1", exports::logTitle(Kind::h2, 0));
        QCOMPARE(caption, QStringLiteral("แสดงลำดับการป้อนของก\"1เลข2ตัวบน"));
        const Read read = saved(exports::logBook(book.db(), caption, "ก\"1", Kind::h2));
        QStringList headings;
        for (const char* at : {"A1", "B1", "C1", "D1", "E1", "F1", "G1", "I1"})
            headings << read.v(at).toString();
        QCOMPARE(headings,
                 (QStringList{"เลข", "บน", "โต๊ด", "ล่าง", "รหัส", "เวลา", "ลำดับ", "จำนวน2รายการ"}));
        QCOMPARE(read.v("A2").toString(), QStringLiteral("12"));
        QCOMPARE(read.v("B2").toDouble(), 10.0);
        QCOMPARE(read.v("E2").toString(), QStringLiteral("ก\"1"));
        QCOMPARE(read.v("A3").toString(), QStringLiteral("09"));
        QCOMPARE(read.format("A3"), QStringLiteral("@"));
        QVERIFY(read.v("G2").toDouble() < read.v("G3").toDouble());
        QCOMPARE(read.v("A4").toString(), QStringLiteral("ยอดรวม="));
        QCOMPARE(read.fill("A4"), QStringLiteral("0000FF"));
        QCOMPARE(read.v("C4").toString().toUpper(), QStringLiteral("=SUM(C2:C3)"));
        QCOMPARE(read.fill("D4"), QStringLiteral("FF0000"));

        // Nothing chosen: every line.
        const Read all = saved(exports::logBook(book.db(), "x", QString(), std::nullopt));
        QCOMPARE(all.v("I1").toString(), QStringLiteral("จำนวน4รายการ"));
    }

    void titlesFollowTheKindNamingMode() {
        QCOMPARE(exports::title(Source::current, Kind::h4, 0), QStringLiteral("แสดงยอดปัจจุบัน4ตัว"));
        QCOMPARE(exports::title(Source::kept, Kind::h5, 1), QStringLiteral("ยอดเก็บหัว3ตัว"));
        QCOMPARE(exports::title(Source::sent, Kind::t2, 2), QStringLiteral("ยอดส่ง 2ตัวX"));
        QCOMPARE(exports::title(Source::sent, Kind::t2, 0), QStringLiteral("ยอดส่งคู่โต๊ด"));
        QCOMPARE(exports::itemCaption(Kind::h4, 1), QStringLiteral("หัว3ตัวโต๊ด"));
        QCOMPARE(exports::logTitle(Kind::l1, 0), QStringLiteral("เลขวิ่งล่าง"));
        QCOMPARE(exports::logTitle(Kind::h4, 1), QStringLiteral("หัว3ตัวโต๊ด"));
        QCOMPARE(exports::logTitle(std::nullopt, 0), QStringLiteral("เลขรวม"));
    }
};

TABULOX_TEST(ExportsTest)
#include "exports_test.moc"
