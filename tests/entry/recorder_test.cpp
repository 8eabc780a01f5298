#include "entry/recorder.h"
#include "support/engines.h"
#include "support/tempbook.h"
#include "support/testmain.h"

namespace {
BetRecords setOf123(double stake) {
    BetRecords records;
    for (const char* n : {"123", "132", "213", "231", "312", "321"})
        records.push_back({n, Kind::h3, stake});
    return records;
}

} // namespace

class RecorderTest : public testing::BothEngines {
    Q_OBJECT
private slots:
    void setLineWritesBothTablesAndLog();
    void stakesNegativeAndEmpty();
    void emptyLineWritesNothing();
    void longLineKeepsItsOrder();
    void failingRowLeavesNothing();
    void stampingGroupsALine();
    void sumsAndGrid();
    void runAndSampleRows();
};

void RecorderTest::setLineWritesBothTablesAndLog() {
    TempBook book;
    Recorder recorder(book.db());
    QCOMPARE(recorder.recordLine(setOf123(10), "ลูกค้า \"ก\""), 6);
    const QStringList expected = {"123|10|0|0|ลูกค้า \"ก\"|h3|yy", "132|10|0|0|ลูกค้า \"ก\"|h3|yy",
                                  "213|10|0|0|ลูกค้า \"ก\"|h3|yy", "231|10|0|0|ลูกค้า \"ก\"|h3|yy",
                                  "312|10|0|0|ลูกค้า \"ก\"|h3|yy", "321|10|0|0|ลูกค้า \"ก\"|h3|yy"};
    const QString select = "SELECT num,h,t,l,cus,codeins,ti2 FROM %1 ORDER BY id";
    QCOMPARE(rowsOf(book.db(), select.arg("tball")), expected);
    QCOMPARE(rowsOf(book.db(), select.arg("tballcus")), expected);
    QCOMPARE(rowsOf(book.db(), "SELECT s FROM tblog"), QStringList{"6"});
    // Ids rise in the order of the list.
    QCOMPARE(rowsOf(book.db(), "SELECT id FROM tball ORDER BY num"),
             (QStringList{"1", "2", "3", "4", "5", "6"}));
}

void RecorderTest::stakesNegativeAndEmpty() {
    TempBook book;
    Recorder recorder(book.db());
    recorder.recordLine({{"05", Kind::l2, 50}, {"123", Kind::t3, 7}}, "a");
    recorder.recordLine({{"05", Kind::l2, -20}}, "a");
    recorder.recordLine({{"05", Kind::l2, 0}}, "a");
    QCOMPARE(rowsOf(book.db(), "SELECT * FROM l2"), QStringList{"05|30"});
    QCOMPARE(rowsOf(book.db(), "SELECT num,t FROM tball WHERE codeins='t3'"), QStringList{"123|7"});
    QCOMPARE(rowsOf(book.db(), "SELECT s FROM tblog ORDER BY id"), (QStringList{"2", "1", "1"}));
}

// A line of more rows than one statement takes: every row once, ids in the order of the list.
void RecorderTest::longLineKeepsItsOrder() {
    TempBook book;
    Recorder recorder(book.db());
    BetRecords records;
    QStringList expected;
    for (int i = 0; i < 70; ++i) {
        const QString number = QString::number(999 - i * 7);
        records.push_back({number, Kind::h3, double(i)});
        expected << QString("%1|%2").arg(number).arg(i);
    }
    QCOMPARE(recorder.recordLine(records, "a"), 70);
    for (const char* table : {"tball", "tballcus"})
        QCOMPARE(rowsOf(book.db(), QString("SELECT num,h FROM %1 ORDER BY id").arg(table)),
                 expected);
    QCOMPARE(rowsOf(book.db(), "SELECT s FROM tblog"), QStringList{"70"});
    QCOMPARE(rowsOf(book.db(), "SELECT h FROM h3sum"), QStringList{"2415"});
}

void RecorderTest::emptyLineWritesNothing() {
    TempBook book;
    Recorder recorder(book.db());
    QCOMPARE(recorder.recordLine({}, "a"), 0);
    for (const char* table : {"tball", "tballcus", "tblog"})
        QCOMPARE(rowsOf(book.db(), QString("SELECT count(*) FROM %1").arg(table)),
                 QStringList{"0"});
}

void RecorderTest::failingRowLeavesNothing() {
    TempBook book;
    Recorder recorder(book.db());
    recorder.recordLine({{"231", Kind::h2, 5}}, "a");
    // The copy of the fourth row is refused by the database.
    book.db().exec("CREATE UNIQUE INDEX refuse ON tballcus (num)");
    QVERIFY_THROWS_EXCEPTION(StoreError, recorder.recordLine(setOf123(10), "a"));
    QCOMPARE(rowsOf(book.db(), "SELECT count(*) FROM tball"), QStringList{"1"});
    QCOMPARE(rowsOf(book.db(), "SELECT count(*) FROM tballcus"), QStringList{"1"});
    QCOMPARE(rowsOf(book.db(), "SELECT count(*) FROM tblog"), QStringList{"1"});
    QCOMPARE(rowsOf(book.db(), "SELECT * FROM h3sum"), QStringList{""});
}

void RecorderTest::stampingGroupsALine() {
    TempBook book;
    Recorder recorder(book.db());
    recorder.recordLine(setOf123(10), "a");
    recorder.stampUnstamped();
    QCOMPARE(rowsOf(book.db(), "SELECT count(DISTINCT ti2), count(*) FROM tball WHERE ti2 = tim"),
             QStringList{"1|6"});
    QCOMPARE(rowsOf(book.db(), "SELECT count(*) FROM tballcus WHERE ti2 = 'yy'"), QStringList{"0"});
    recorder.recordLine({{"45", Kind::h2, 1}}, "a");
    QCOMPARE(rowsOf(book.db(), "SELECT num FROM tball WHERE ti2 = 'yy'"), QStringList{"45"});
    // Deleting by the stamp removes the whole line.
    const QString stamp = rowsOf(book.db(), "SELECT ti2 FROM tball WHERE num = '123'").first();
    book.db().exec("DELETE FROM tball WHERE ti2 = ?", {stamp});
    QCOMPARE(rowsOf(book.db(), "SELECT num FROM tball"), QStringList{"45"});
}

void RecorderTest::sumsAndGrid() {
    TempBook book;
    Recorder recorder(book.db());
    QCOMPARE(readBookSums(book.db()).grandTotal, 0.0);
    recorder.recordLine({{"123", Kind::h3, 10}, {"123", Kind::t3, 5}}, "a");
    recorder.recordLine({{"7", Kind::l1, 3}, {"99", Kind::h2, -1}}, "a");
    const BookSums sums = readBookSums(book.db());
    QCOMPARE(sums.byKind[size_t(Kind::h3)], 10.0);
    QCOMPARE(sums.byKind[size_t(Kind::t3)], 5.0);
    QCOMPARE(sums.byKind[size_t(Kind::l1)], 3.0);
    QCOMPARE(sums.grandTotal, 17.0);
    QCOMPARE(sums.rowCount, qint64(4));
    QCOMPARE(sums.lastId, qint64(4));
    GridQuery grid = gridQuery(GridMode::Own, sums.lastId, 2);
    QCOMPARE(rowsOf(book.db(), grid.sql.replace("*", "num"), grid.binds), (QStringList{"7", "99"}));
    QCOMPARE(gridQuery(GridMode::Lan, 100, 10).binds, QVariantList{50});
    QVERIFY(gridQuery(GridMode::Station, 100, 10).binds.isEmpty());
}

void RecorderTest::runAndSampleRows() {
    TempBook book;
    Database& db = book.db();
    recordRun(db, Kind::l2, 5, "a");
    QCOMPARE(rowsOf(db, "SELECT count(*), count(DISTINCT num), sum(l) FROM tballcus"),
             QStringList{"100|100|500"});
    QCOMPARE(rowsOf(db, "SELECT num FROM tball ORDER BY id LIMIT 3"),
             (QStringList{"00", "01", "02"}));
    QCOMPARE(rowsOf(db, "SELECT * FROM l2sum"), QStringList{"500"});
    QCOMPARE(rowsOf(db, "SELECT count(*) FROM tblog"), QStringList{"0"});

    const int samples = loadSampleRows(db);
    QCOMPARE(samples, db.scalar("SELECT count(*) FROM tballsave2").toInt());
    QCOMPARE(readBookSums(db).rowCount, qint64(100 + samples));
    QCOMPARE(rowsOf(db, "SELECT h FROM h3 WHERE num = '123'"), QStringList{"100"});
    // A sample row is dated when it goes in.
    QCOMPARE(
        db.scalar(
              "SELECT count(*) FROM tball WHERE tim IS NULL OR tim NOT LIKE '20__-__-__ __:__:__'")
            .toInt(),
        0);
}

TABULOX_TEST(RecorderTest)
#include "recorder_test.moc"
