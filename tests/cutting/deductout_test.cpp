#include "common/cutsession.h"
#include "cutting/analysis.h"
#include "cutting/deductout.h"
#include "support/bookfaults.h"
#include "support/cutbook.h"
#include "support/engines.h"
#include "support/tempbook.h"
#include "support/testmain.h"

using namespace deductout;
using namespace cutbook;

namespace {
Cut job(Kind kind, qint64 value, bool percent = false, bool swap = false) {
    Cut cut;
    cut.kind = kind;
    cut.value = value;
    cut.percent = percent;
    cut.swap = swap;
    return cut;
}

QStringList logOfKind(Database& db, Kind kind) {
    return rowsOf(db, "SELECT nn, num, h FROM cutlog WHERE codeins = ? ORDER BY nn, num",
                  {kindCode(kind)});
}

// The kind's total per number, from the book.
QStringList totalsOf(Database& db, Kind kind) {
    return rowsOf(db,
                  QStringLiteral("SELECT num, sum(%1) FROM tball WHERE codeins = ? GROUP BY "
                                 "num ORDER BY num")
                      .arg(stakeColumn(kind)),
                  {kindCode(kind)});
}

// What stays in the book plus what the log holds, per number.
QStringList keptPlusDeducted(Database& db, Kind kind) {
    return rowsOf(db,
                  QStringLiteral("SELECT num, sum(a) FROM (SELECT num, %1 AS a FROM tball WHERE "
                                 "codeins = ? UNION ALL SELECT num, h FROM cutlog WHERE codeins "
                                 "= ?) x GROUP BY num ORDER BY num")
                      .arg(stakeColumn(kind)),
                  {kindCode(kind), kindCode(kind)});
}

QStringList everything(Database& db) {
    QStringList rows;
    rows << rowsOf(db, "SELECT id, num, h, t, l, cus, codeins FROM tball ORDER BY id")
         << rowsOf(db, "SELECT id, num, h, t, l, cus, codeins FROM tballcus ORDER BY id")
         << rowsOf(db, "SELECT codeins, num, h, t, l, n FROM tbtotals ORDER BY codeins, num")
         << rowsOf(db, "SELECT codeins, h, t, l, n, cnum FROM tbkind ORDER BY codeins")
         << rowsOf(db, "SELECT codeins, nn, num, h FROM cutlog ORDER BY codeins, nn, num")
         << rowsOf(db, "SELECT * FROM cutlogc") << rowsOf(db, "SELECT s FROM tblog ORDER BY id")
         << keptOf(db, Kind::h3) << sentOf(db, Kind::h3);
    return rows;
}
} // namespace

class DeductOutTest : public testing::BothEngines {
    Q_OBJECT
private slots:
    void amount();
    void percent();
    void swap();
    void numberLimits();
    void countersPerKind();
    void restoreOneThenAll();
    void logListings();
    void failureLeavesBookAsBefore();
};

void DeductOutTest::amount() {
    TempBook book;
    Database& db = book.db();
    bet(db, "123", Kind::h3, 800);
    bet(db, "456", Kind::h3, 100);
    bet(db, "456", Kind::h3, 200);
    const QStringList totals = totalsOf(db, Kind::h3);
    const QStringList entered = rowsOf(db, "SELECT * FROM tballcus ORDER BY id");
    const Done done = cutKind(db, job(Kind::h3, 500));
    QCOMPARE(done.number, 1);
    QCOMPARE(linesOf(db, Kind::h3), (QStringList{"123|500|3บนหักออก-1", "456|300|3บนหักออก-1"}));
    QCOMPARE(logOfKind(db, Kind::h3), QStringList{"1|123|300"});
    QCOMPARE(keptOf(db, Kind::h3), (QStringList{"123|500", "456|300"}));
    QCOMPARE(sentOf(db, Kind::h3), QStringList{"123|300"});
    QCOMPARE(done.outcome.sent, 300.0);
    QCOMPARE(counters(db)[static_cast<size_t>(Kind::h3)], 1);
    QCOMPARE(keptPlusDeducted(db, Kind::h3), totals);
    QCOMPARE(rowsOf(db, "SELECT * FROM tballcus ORDER BY id"), entered);
    verifyKeptSums(db);

    // Halving the deducted list changes the sent table only, never the log.
    analysis::halveSent(db, Kind::h3, false);
    QCOMPARE(sentOf(db, Kind::h3), QStringList{"123|150"});
    QCOMPARE(logOfKind(db, Kind::h3), QStringList{"1|123|300"});
}

void DeductOutTest::percent() {
    TempBook book;
    Database& db = book.db();
    bet(db, "123", Kind::h3, 800);
    bet(db, "456", Kind::h3, 20);
    bet(db, "789", Kind::h3, 30); // exactly the percent: kept whole, nothing lost
    bet(db, "555", Kind::h3, 101);
    const QStringList totals = totalsOf(db, Kind::h3);
    cutKind(db, job(Kind::h3, 30, true));
    QCOMPARE(keptOf(db, Kind::h3), (QStringList{"123|240", "456|20", "555|30", "789|30"}));
    QCOMPARE(sentOf(db, Kind::h3), (QStringList{"123|560", "555|71"}));
    QCOMPARE(keptPlusDeducted(db, Kind::h3), totals);
    verifyKeptSums(db);

    // 0% deducts every total above 0; 100% keeps everything.
    bet(db, "123", Kind::h3, 10);
    cutKind(db, job(Kind::h3, 100, true));
    QCOMPARE(sentOf(db, Kind::h3), QStringList());
    cutKind(db, job(Kind::h3, 0, true));
    QCOMPARE(linesOf(db, Kind::h3).size(), 4);
    QCOMPARE(keptOf(db, Kind::h3), (QStringList{"123|0", "456|0", "555|0", "789|0"}));
    QCOMPARE(keptPlusDeducted(db, Kind::h3),
             (QStringList{"123|810", "456|20", "555|101", "789|30"}));

    // A percent over 100 would keep more than the total: refused before anything is written.
    const QStringList before = everything(db);
    QVERIFY_THROWS_EXCEPTION(StoreError, cutKind(db, job(Kind::h3, 101, true)));
    QCOMPARE(everything(db), before);
    QCOMPARE(valueRefusal(QStringLiteral("101"), true),
             QStringLiteral("กรุณาป้อนเปอร์เซ็นต์ตั้งแต่ 0 ถึง 100"));
    QVERIFY(valueRefusal(QStringLiteral("101"), false).isEmpty());
    QVERIFY(!valueRefusal(QStringLiteral("-5"), false).isEmpty());
    QVERIFY(!valueRefusal(QStringLiteral("ห้า"), false).isEmpty());
}

void DeductOutTest::swap() {
    TempBook book;
    Database& db = book.db();
    bet(db, "123", Kind::h3, 800);
    bet(db, "456", Kind::h3, 300);
    const QStringList totals = totalsOf(db, Kind::h3);
    cutKind(db, job(Kind::h3, 500, false, true));
    QCOMPARE(linesOf(db, Kind::h3), QStringList{"123|300|3บนหักออก-1"});
    QCOMPARE(logOfKind(db, Kind::h3), (QStringList{"1|123|500", "1|456|300"}));
    // The kept table holds the book's new totals, the sent table what was deducted.
    QCOMPARE(keptOf(db, Kind::h3), QStringList{"123|300"});
    QCOMPARE(sentOf(db, Kind::h3), (QStringList{"123|500", "456|300"}));
    QCOMPARE(rowsOf(db, "SELECT DISTINCT rep FROM h3sent"), QStringList{"1"});
    QCOMPARE(keptPlusDeducted(db, Kind::h3), totals);
    verifyKeptSums(db);

    // Swapped in percent mode.
    bet(db, "77", Kind::l2, 50);
    cutKind(db, job(Kind::l2, 10, true, true));
    QCOMPARE(linesOf(db, Kind::l2), QStringList{"77|45|2ล่างหักออก-1"});
    QCOMPARE(logOfKind(db, Kind::l2), QStringList{"1|77|5"});
    verifyKeptSums(db);
}

void DeductOutTest::numberLimits() {
    TempBook book;
    Database& db = book.db();
    for (const auto& [num, stake] : {std::pair{"123", 800}, {"456", 500}, {"789", 200}})
        bet(db, num, Kind::h3, stake);
    numberLimit(db, Kind::h3, "123", 1000);
    numberLimit(db, Kind::h3, "789", 0);
    const QStringList totals = totalsOf(db, Kind::h3);
    cutKind(db, job(Kind::h3, 50, true));
    QCOMPARE(keptOf(db, Kind::h3), (QStringList{"123|800", "456|250"}));
    QCOMPARE(logOfKind(db, Kind::h3), (QStringList{"1|456|250", "1|789|200"}));
    QCOMPARE(keptPlusDeducted(db, Kind::h3), totals);

    // The fifty-percent mode halves the listed numbers whatever the keep value.
    bet(db, "123", Kind::h3, 200);
    Cut fifty = job(Kind::h3, 100);
    fifty.fiftyPercent = true;
    cutKind(db, fifty);
    QCOMPARE(keptOf(db, Kind::h3), (QStringList{"123|500", "456|100"}));
    QCOMPARE(logOfKind(db, Kind::h3).mid(2), (QStringList{"2|123|500", "2|456|150"}));
    QCOMPARE(keptPlusDeducted(db, Kind::h3), (QStringList{"123|1000", "456|500", "789|200"}));
    verifyKeptSums(db);
}

void DeductOutTest::countersPerKind() {
    TempBook book;
    Database& db = book.db();
    bet(db, "123", Kind::h3, 800);
    bet(db, "12", Kind::t2, 80);
    bet(db, "12345", Kind::h5, 80);
    for (int i = 0; i < 3; ++i)
        cutKind(db, job(Kind::h3, 700 - 100 * i));
    Cut head = job(Kind::h5, 10);
    head.namingMode = 1;
    QCOMPARE(cutKind(db, job(Kind::t2, 10)).number, 1);
    QCOMPARE(cutKind(db, head).number, 1);
    const auto count = counters(db);
    QCOMPARE(count[static_cast<size_t>(Kind::h3)], 3);
    QCOMPARE(count[static_cast<size_t>(Kind::t2)], 1);
    QCOMPARE(count[static_cast<size_t>(Kind::l3)], 0);
    QCOMPARE(rowsOf(db, "SELECT h3, t3, t2, h5 FROM cutlogc"), QStringList{"3|0|1|1"});
    QCOMPARE(linesOf(db, Kind::h3), QStringList{"123|500|3บนหักออก-3"});
    QCOMPARE(linesOf(db, Kind::t2), QStringList{"12|10|คู่โต๊ดหักออก-1"});
    QCOMPARE(linesOf(db, Kind::h5), QStringList{"12345|10|3ตัวหัวหักออก-1"});
    QCOMPARE(customerPrefix(Kind::h5, 0), QStringLiteral("5ตัวหักออก-"));
    QCOMPARE(customerPrefix(Kind::l1, 2), QStringLiteral("วิ่งล่างหักออก-"));
    QCOMPARE(logOfKind(db, Kind::h3), (QStringList{"1|123|100", "2|123|100", "3|123|100"}));
}

void DeductOutTest::restoreOneThenAll() {
    TempBook book;
    Database& db = book.db();
    bet(db, "123", Kind::h3, 800);
    bet(db, "12", Kind::t2, 80);
    cutKind(db, job(Kind::h3, 600));
    bet(db, "456", Kind::h3, 900);
    cutKind(db, job(Kind::h3, 500));
    bet(db, "123", Kind::h3, 50);
    cutKind(db, job(Kind::h3, 400));
    cutKind(db, job(Kind::t2, 30));
    QCOMPARE(logOfKind(db, Kind::h3),
             (QStringList{"1|123|200", "2|123|100", "2|456|400", "3|123|150", "3|456|100"}));

    QCOMPARE(restore(db, Kind::h3, 2, 0), 2);
    QCOMPARE(rowsOf(db, "SELECT num, h FROM tball WHERE cus = ? ORDER BY num",
                    {QStringLiteral("คืนค่า3ตัวบน-2")}),
             (QStringList{"123|100", "456|400"}));
    QCOMPARE(logOfKind(db, Kind::h3), (QStringList{"1|123|200", "3|123|150", "3|456|100"}));
    QCOMPARE(rowsOf(db, "SELECT s FROM tblog ORDER BY id DESC LIMIT 1"), QStringList{"2"});
    QCOMPARE(counters(db)[static_cast<size_t>(Kind::h3)], 3);
    QCOMPARE(choices(db, Kind::h3, 0).size(), 4); // cut 2 is still listed
    verifyKeptSums(db);

    // All cuts of the kind, added up per number; the other kind's log stays.
    QCOMPARE(restore(db, Kind::h3, 0, 0), 2);
    QCOMPARE(rowsOf(db, "SELECT num, h FROM tball WHERE cus = ? ORDER BY num",
                    {QStringLiteral("คืนค่า-4")}),
             (QStringList{"123|350", "456|100"}));
    QCOMPARE(logOfKind(db, Kind::h3), QStringList());
    QCOMPARE(logOfKind(db, Kind::t2), QStringList{"1|12|50"});
    QCOMPARE(totalsOf(db, Kind::h3), (QStringList{"123|850", "456|900"}));
    verifyKeptSums(db);
    // Nothing left to restore writes no line.
    QCOMPARE(restore(db, Kind::h3, 1, 0), 0);
    verifyKeptSums(db);
}

void DeductOutTest::logListings() {
    TempBook book;
    Database& db = book.db();
    QCOMPARE(choices(db, Kind::h3, 0), QStringList{"ยอดส่งออก3ตัวบนแบบรวม"});
    bet(db, "999", Kind::h3, 30);
    bet(db, "123", Kind::h3, 800);
    cutKind(db, job(Kind::h3, 10));
    bet(db, "123", Kind::h3, 5);
    cutKind(db, job(Kind::h3, 10));
    QCOMPARE(choices(db, Kind::h3, 0),
             (QStringList{"ยอดส่งออก3ตัวบนครั้งที่1", "ยอดส่งออก3ตัวบนครั้งที่2", "ยอดส่งออก3ตัวบนแบบรวม"}));
    QCOMPARE(choices(db, Kind::t2, 1).last(), QStringLiteral("ยอดส่งออกหัว2ตัวแบบรวม"));
    QCOMPARE(cutOfChoice(2, 0), 1);
    QCOMPARE(cutOfChoice(2, 2), 0);
    QCOMPARE(cutOfChoice(2, 3), -1);
    QCOMPARE(cutOfChoice(2, -1), -1);

    keptsent::Listing one = logOf(db, Kind::h3, 1, 0);
    QCOMPARE(one.title, QStringLiteral("สรุปยอดส่ง3ตัวบนครั้งที่--1"));
    QCOMPARE(one.lines.size(), 2);
    QCOMPARE(one.lines.at(0).num, QStringLiteral("123"));
    QCOMPARE(one.total, 810.0);
    keptsent::Listing all = logOf(db, Kind::h3, 0, 0);
    QCOMPARE(all.title, QStringLiteral("สรุปยอดส่ง3ตัวบนแบบรวม"));
    QCOMPARE(all.lines.size(), 2);
    QCOMPARE(all.lines.at(0).amount, 795.0);
    QCOMPARE(all.total, 815.0);

    QCOMPARE(noChoiceText(3, false),
             QStringLiteral("กรุณาเลือกข้อมูลที่ต้องการโดยมีการตัดยอดทั้งหมดจำนวน3ครั้ง"));
}

void DeductOutTest::failureLeavesBookAsBefore() {
    TempBook book;
    Database& db = book.db();
    bet(db, "123", Kind::h3, 800);
    bet(db, "456", Kind::h3, 300);
    cutKind(db, job(Kind::h3, 500));
    bet(db, "123", Kind::h3, 100);
    QStringList before = everything(db);

    // The log refuses the deducted rows after the lines were rewritten.
    db.exec("ALTER TABLE cutlog RENAME TO cutlog_kept");
    db.exec("CREATE VIEW cutlog AS SELECT DISTINCT num, h, codeins, nn FROM cutlog_kept");
    QVERIFY_THROWS_EXCEPTION(StoreError, cutKind(db, job(Kind::h3, 200)));
    QVERIFY_THROWS_EXCEPTION(StoreError, cutKind(db, job(Kind::h3, 200, false, true)));
    QVERIFY_THROWS_EXCEPTION(StoreError, restore(db, Kind::h3, 1, 0));
    QVERIFY(!db.inTransaction());
    QCOMPARE(everything(db), before);
    db.exec("DROP VIEW cutlog");
    db.exec("ALTER TABLE cutlog_kept RENAME TO cutlog");

    // The count of the restored lines cannot be written: the lines do not stay either.
    db.exec("ALTER TABLE tblog RENAME TO tblog_kept");
    db.exec("CREATE VIEW tblog AS SELECT DISTINCT id, s FROM tblog_kept");
    before = everything(db);
    QVERIFY_THROWS_EXCEPTION(StoreError, restore(db, Kind::h3, 0, 0));
    QCOMPARE(everything(db), before);
    verifyKeptSums(db);
    db.exec("DROP VIEW tblog");
    db.exec("ALTER TABLE tblog_kept RENAME TO tblog");

    // Another computer's cut holds the book: refused at once.
    std::unique_ptr<Database> other = Database::openExisting(book.dbPath());
    if (db.engine() == Engine::sqlite)
        other->exec("PRAGMA busy_timeout=100");
    {
        cut::Session running(db);
        for (int attempt = 0; attempt < 2; ++attempt) {
            try {
                if (attempt == 0)
                    cutKind(*other, job(Kind::h3, 100));
                else
                    restore(*other, Kind::h3, 1, 0);
                QFAIL("a second cut ran");
            } catch (const StoreError& error) {
                QCOMPARE(error.kind(), StoreError::inUse);
            }
        }
    }
    QCOMPARE(restore(*other, Kind::h3, 1, 0), 1);
}

TABULOX_TEST(DeductOutTest)
#include "deductout_test.moc"
