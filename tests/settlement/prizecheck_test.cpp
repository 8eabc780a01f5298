#include "settlement/customercheck.h"
#include "settlement/prizecheck.h"
#include "support/engines.h"
#include "support/tempbook.h"
#include "support/testmain.h"

using namespace prizecheck;

namespace {
Draw drawOf(const QString& first, const QString& bottom2 = {}, const QStringList& bottoms = {}) {
    Draw d;
    d.first = first;
    d.bottom2 = bottom2;
    for (int i = 0; i < bottoms.size() && i < 4; ++i)
        d.bottom3[static_cast<size_t>(i)] = bottoms[i];
    return d;
}

QStringList winningOf(Kind kind, int mode, const Draw& draw) {
    return winning::ruleOf(kind, mode, draw).numbers;
}

int weightOf(Kind kind, const QString& first, const QString& num, int mode = 0) {
    return winning::weight(winning::ruleOf(kind, mode, drawOf(first)), num);
}

void kept(Database& db, Kind kind, const QString& num, double stake) {
    db.exec(QStringLiteral("INSERT INTO %1cut (num, %2) VALUES (?, ?)")
                .arg(kindCode(kind), stakeColumn(kind)),
            {num, stake});
}

void entered(Database& db, const QString& cus, const QString& num, Kind kind, double stake) {
    for (const char* table : {"tballcus", "tball"}) {
        db.exec(QStringLiteral("INSERT INTO %1 (num, %2, cus, codeins) VALUES (?, ?, ?, ?)")
                    .arg(QLatin1String(table), stakeColumn(kind)),
                {num, stake, cus, kindCode(kind)});
    }
}

// A customer with one pay rate and one percent for every kind.
void customer(Database& db, const QString& name, int rate, int percent) {
    QStringList columns{"id", "name"};
    QVariantList values{name, name};
    for (Kind kind : columnOrder()) {
        columns << kindCode(kind)
                << QStringLiteral("c%1%2p").arg(kindCode(kind)[1]).arg(kindCode(kind)[0]);
        values << rate << percent;
    }
    QStringList marks;
    for (int i = 0; i < values.size(); ++i)
        marks << "?";
    db.exec(
        QStringLiteral("INSERT INTO cus (%1) VALUES (%2)").arg(columns.join(','), marks.join(',')),
        values);
}

void rates(Database& db, int rate) {
    QStringList sets;
    for (Kind kind : columnOrder())
        sets << kindCode(kind) + QStringLiteral(" = '%1'").arg(rate);
    db.exec(QStringLiteral("UPDATE change SET ") + sets.join(", "));
}

std::array<qint64, kKindCount> percentsOf(qint64 p) {
    std::array<qint64, kKindCount> all;
    all.fill(p);
    return all;
}

const KindResult& rowOf(const Result& r, Kind kind) {
    for (const KindResult& row : r.rows)
        if (row.kind == kind)
            return row;
    return r.rows[0];
}

QStringList linesOf(const QVector<WinningLine>& lines) {
    QStringList all;
    for (const WinningLine& l : lines)
        all << QStringLiteral("%1 %2 %3 %4 %5")
                   .arg(l.cus, l.num)
                   .arg(l.stake)
                   .arg(l.rate)
                   .arg(l.pays());
    return all;
}
} // namespace

class PrizeCheckTest : public testing::BothEngines {
    Q_OBJECT
private slots:
    void numbersOfTheDraw();
    void namingModesChangeTheRules();
    void groupsAndTheRepeatedDigit();
    void twoDigitXPatterns();
    void firstPrizePaddingAndShortDraws();
    void keptAmountIsExact();
    void checkOfTheKeptAmounts();
    void checkWithRepeatedDigitAndEmptyTables();
    void winnersOfTheCustomers();
    void keepAllCurrentTotals();
    void percentsAndDrawAreKept();
    void checkByCustomer();
    void settlementAndDrawDate();
};

void PrizeCheckTest::numbersOfTheDraw() {
    const Draw d = drawOf("123456", "78", {"111", "222", "111", ""});
    QCOMPARE(winningOf(Kind::h3, 0, d), QStringList{"456"});
    QCOMPARE(winningOf(Kind::t3, 0, d), (QStringList{"456", "465", "546", "564", "645", "654"}));
    // A bottom drawn twice is paid once; an empty box wins nothing.
    QCOMPARE(winningOf(Kind::l3, 0, d), (QStringList{"111", "222"}));
    QCOMPARE(winningOf(Kind::h2, 0, d), QStringList{"56"});
    QCOMPARE(winningOf(Kind::l2, 0, d), QStringList{"78"});
    QCOMPARE(winningOf(Kind::t2, 0, d), (QStringList{"45", "54", "56", "65", "46", "64"}));
    QCOMPARE(winningOf(Kind::h1, 0, d), (QStringList{"4", "5", "6"}));
    QCOMPARE(winningOf(Kind::l1, 0, d), (QStringList{"7", "8"}));
    // Repeated digits: three distinct arrangements, a running digit drawn twice once.
    const Draw twice = drawOf("000112", "33");
    QCOMPARE(winningOf(Kind::t3, 0, twice), (QStringList{"112", "121", "211"}));
    QCOMPARE(winningOf(Kind::h1, 0, twice), (QStringList{"1", "2"}));
    QCOMPARE(winningOf(Kind::l1, 0, twice), QStringList{"3"});
}

void PrizeCheckTest::namingModesChangeTheRules() {
    const Draw d = drawOf("123456");
    QCOMPARE(winningOf(Kind::t2, 1, d), QStringList{"12"});
    QCOMPARE(winningOf(Kind::h4, 1, d), (QStringList{"123", "132", "213", "231", "312", "321"}));
    QCOMPARE(winningOf(Kind::h5, 1, d), QStringList{"123"});
    QCOMPARE(winning::ruleOf(Kind::t2, 2, d).shape, winning::Shape::twoX);
    // Groups stay groups in mode 2, as every window of that mode names them.
    QCOMPARE(winning::ruleOf(Kind::h4, 2, d).shape, winning::Shape::containsAll);
    QCOMPARE(winning::winText(Kind::h4, 1), QStringLiteral("หัว3ตัวโต๊ดมีเลขถูกรางวัลจำนวน=="));
    QCOMPARE(winning::noWinText(Kind::h5, 1), QStringLiteral("หัว3ตัวไม่มีเลขถูกรางวัล"));
    QCOMPARE(winning::noWinText(Kind::t2, 2), QStringLiteral(" 2ตัวXไม่มีเลขถูกรางวัล"));
    QCOMPARE(winning::winText(Kind::t2, 0), QStringLiteral("คู่โต๊ดมีเลขถูกรางวัลจำนวน=="));
    QCOMPARE(winning::noWinText(Kind::h4, 2), QStringLiteral("กลุ่ม4ตัวไม่มีเลขถูกรางวัล"));
    QCOMPARE(winning::lineCaption(Kind::t2, 2), QStringLiteral("เลข2X"));
    QCOMPARE(winning::lineCaption(Kind::h5, 0), QStringLiteral("5ตัว"));
}

void PrizeCheckTest::groupsAndTheRepeatedDigit() {
    // No repeated digit: the group holds each digit somewhere.
    QCOMPARE(weightOf(Kind::h5, "000123", "31245"), 1);
    QCOMPARE(weightOf(Kind::h4, "000123", "3124"), 1);
    QCOMPARE(weightOf(Kind::h4, "000123", "1245"), 0);
    // 112: a group wins once for every pair of 1s with a 2 elsewhere.
    QCOMPARE(weightOf(Kind::h4, "000112", "1121"), 3);
    QCOMPARE(weightOf(Kind::h4, "000112", "1122"), 1);
    QCOMPARE(weightOf(Kind::h4, "000112", "1212"), 1);
    QCOMPARE(weightOf(Kind::h4, "000112", "1222"), 0);
    QCOMPARE(weightOf(Kind::h5, "000112", "11211"), 6);
    // The last test that holds decides: 121 repeats 1 with 2, 122 repeats 2 with 1.
    QCOMPARE(repeatOf("121").repeated, QChar('1'));
    QCOMPARE(repeatOf("122").repeated, QChar('2'));
    QCOMPARE(repeatOf("122").other, QChar('1'));
    QVERIFY(!repeatOf("123").found);
    // Three equal digits: every pair of them with another one elsewhere.
    QCOMPARE(weightOf(Kind::h4, "000111", "1111"), 6);
    QCOMPARE(weightOf(Kind::h4, "000111", "1110"), 3);
    QCOMPARE(weightOf(Kind::h4, "000111", "1100"), 0);
}

void PrizeCheckTest::twoDigitXPatterns() {
    QCOMPARE(weightOf(Kind::t2, "000123", "12X", 2), 1);
    QCOMPARE(weightOf(Kind::t2, "000123", "1X3", 2), 1);
    QCOMPARE(weightOf(Kind::t2, "000123", "X23", 2), 1);
    QCOMPARE(weightOf(Kind::t2, "000123", "1XX", 2), 0);
    QCOMPARE(weightOf(Kind::t2, "000123", "21X", 2), 0);
    QCOMPARE(weightOf(Kind::t2, "000123", "12", 2), 0);
}

void PrizeCheckTest::firstPrizePaddingAndShortDraws() {
    QCOMPARE(Draw::paddedFirst("123"), QStringLiteral("000123"));
    QCOMPARE(Draw::paddedFirst(""), QStringLiteral("000000"));
    QCOMPARE(Draw::paddedFirst("12345"), QStringLiteral("12345"));
    // Only six digits, or what stands for six, can be checked.
    for (const char* taken : {"123", "", "123456"})
        QVERIFY2(Draw::firstTaken(taken), taken);
    for (const char* refused : {"1", "12", "1234", "12345", "1234567"})
        QVERIFY2(!Draw::firstTaken(refused), refused);
    const Draw padded = drawOf(Draw::paddedFirst("123"));
    QCOMPARE(padded.top3(), QStringLiteral("123"));
    QCOMPARE(padded.head3(), QStringLiteral("000"));
    // Two characters: nothing of top3 can win, not even a group holding "every" digit.
    const Draw shortDraw = drawOf("12", "5");
    QVERIFY(winningOf(Kind::h3, 0, shortDraw).isEmpty());
    QVERIFY(winningOf(Kind::h1, 0, shortDraw).isEmpty());
    QVERIFY(winningOf(Kind::l1, 0, shortDraw).isEmpty());
    QCOMPARE(winningOf(Kind::h2, 0, shortDraw), QStringList{"12"});
    QCOMPARE(weightOf(Kind::h4, "12", "1234"), 0);
    QVERIFY(winning::filterOf(winning::ruleOf(Kind::h4, 0, shortDraw), Engine::sqlite).nothing);
}

void PrizeCheckTest::keptAmountIsExact() {
    QCOMPARE(keptAfterDiscount(1000, 20), qint64(800));
    QCOMPARE(keptAfterDiscount(999, 15), qint64(849));
    QCOMPARE(keptAfterDiscount(10.5, 0), qint64(10));
    QCOMPARE(keptAfterDiscount(1000, 100), qint64(0));
    QCOMPARE(keptAfterDiscount(0, 30), qint64(0));
    // Above what a single-precision sum holds, and near the largest amount.
    QCOMPARE(keptAfterDiscount(16777217, 0), qint64(16777217));
    QCOMPARE(keptAfterDiscount(999999999999999, 1), qint64(989999999999999));
    // A percent is a whole number from 0 to 100.
    QCOMPARE(percentOf(" 100 ").value, qint64(100));
    QVERIFY(percentOf("0").fault.isEmpty());
    QCOMPARE(percentOf("101").fault, QStringLiteral("ต้องอยู่ระหว่าง 0 ถึง 100"));
    QCOMPARE(percentOf("-1").fault, QStringLiteral("ต้องอยู่ระหว่าง 0 ถึง 100"));
    QCOMPARE(percentOf("12.5").fault, QStringLiteral("ต้องเป็นตัวเลขจำนวนเต็ม"));
    QCOMPARE(roundedWhole(2.5), qint64(2));
    QCOMPARE(roundedWhole(3.5), qint64(4));
}

void PrizeCheckTest::checkOfTheKeptAmounts() {
    TempBook book(testing::engine());
    Database& db = book.db();
    rates(db, 10);
    kept(db, Kind::h3, "456", 100);
    kept(db, Kind::h3, "123", 50);
    kept(db, Kind::t3, "546", 10);
    kept(db, Kind::t3, "465", 5);
    kept(db, Kind::t3, "999", 7);
    kept(db, Kind::l3, "111", 20);
    kept(db, Kind::l2, "78", 1);
    kept(db, Kind::h1, "4", 3);
    kept(db, Kind::h1, "5", 4);
    const Result r =
        check(db, drawOf("123456", "78", {"111", "222", "111", "333"}), percentsOf(20), 0);
    const KindResult& h3 = rowOf(r, Kind::h3);
    QVERIFY(h3.won);
    QCOMPARE(h3.winningStake, qint64(100));
    QCOMPARE(h3.paid, qint64(1000));
    QCOMPARE(h3.kept, qint64(120));
    QCOMPARE(h3.net, qint64(-880));
    QCOMPARE(h3.caption, QStringLiteral("3ตัวบนมีเลขถูกรางวัลจำนวน==100"));
    QCOMPARE(rowOf(r, Kind::t3).winningStake, qint64(15));
    QCOMPARE(rowOf(r, Kind::t3).kept, qint64(17)); // 22 less 20% is 17.6
    QCOMPARE(rowOf(r, Kind::l3).winningStake, qint64(20));
    QCOMPARE(rowOf(r, Kind::h1).winningStake, qint64(7));
    QCOMPARE(rowOf(r, Kind::h2).caption, QStringLiteral("2ตัวบนไม่มีเลขถูกรางวัล"));
    QCOMPARE(rowOf(r, Kind::h2).paid, qint64(0));
    qint64 total = 0;
    for (const KindResult& row : r.rows)
        total += row.kept - row.paid;
    QCOMPARE(r.total, total);
    QVERIFY(r.total < 0);
    QCOMPARE(r.totalCaption(), QStringLiteral("ขาดทุน="));
    // The rows follow the form: l2 before t2.
    QCOMPARE(r.rows[4].kind, Kind::l2);
    QCOMPARE(r.rows[5].kind, Kind::t2);
}

void PrizeCheckTest::checkWithRepeatedDigitAndEmptyTables() {
    TempBook book(testing::engine());
    Database& db = book.db();
    rates(db, 2);
    kept(db, Kind::h4, "1121", 10);
    kept(db, Kind::h4, "1212", 10);
    kept(db, Kind::h4, "9999", 5);
    const Result r = check(db, drawOf("000112"), percentsOf(0), 0);
    const KindResult& h4 = rowOf(r, Kind::h4);
    QCOMPARE(h4.winningStake, qint64(40));
    QCOMPARE(h4.paid, qint64(80));
    QCOMPARE(h4.kept, qint64(25));
    QCOMPARE(h4.caption, QStringLiteral("กลุ่ม4ตัวมีเลขถูกรางวัลจำนวน==40"));
    // Empty cut tables: nothing kept, nothing paid.
    const KindResult& h5 = rowOf(r, Kind::h5);
    QVERIFY(!h5.won);
    QCOMPARE(h5.kept, qint64(0));
    QCOMPARE(h5.caption, QStringLiteral("กลุ่ม5ตัวไม่มีเลขถูกรางวัล"));
    // The next draw has no repeated digit: the group rule without pairs.
    const Result next = check(db, drawOf("000123"), percentsOf(0), 0);
    QVERIFY(!rowOf(next, Kind::h4).won);
    // A total of exactly 0 keeps the caption.
    Result zero;
    QVERIFY(zero.totalCaption().isEmpty());
    kept(db, Kind::h4, "5555", 15);
    QCOMPARE(check(db, drawOf("000112"), percentsOf(0), 0).total, qint64(40 - 80));
    const Result none = check(db, drawOf("000678"), percentsOf(0), 0);
    QCOMPARE(none.total, qint64(40));
    QCOMPARE(none.totalCaption(), QStringLiteral("กำไร="));
}

void PrizeCheckTest::winnersOfTheCustomers() {
    TempBook book(testing::engine());
    Database& db = book.db();
    customer(db, "A", 500, 10);
    customer(db, "B", 90, 5);
    entered(db, "A", "456", Kind::h3, 10);
    entered(db, "B", "456", Kind::h3, 2);
    entered(db, "A", "457", Kind::h3, 99);
    entered(db, "Z", "456", Kind::h3, 50); // no such customer
    entered(db, "A", "111", Kind::l3, 3);
    entered(db, "B", "1121", Kind::h4, 1);
    const Draw d = drawOf("000456", "", {"111", "111"});
    QCOMPARE(linesOf(winners(db, winning::ruleOf(Kind::h3, 0, d))),
             (QStringList{"A 456 10 500 5000", "B 456 2 90 180"}));
    const QVector<WinningLine> l3 = winners(db, winning::ruleOf(Kind::l3, 0, d));
    QCOMPARE(linesOf(l3), QStringList{"A 111 3 500 1500"});
    QCOMPARE(l3[0].percent, qint64(10));
    QCOMPARE(l3[0].caption, QStringLiteral("3ตัวล่าง"));
    // A group with the repeated digit is listed once for every winning pair.
    QCOMPARE(winners(db, winning::ruleOf(Kind::h4, 0, drawOf("000112"))).size(), 3);
    QVERIFY(winners(db, winning::ruleOf(Kind::h4, 0, drawOf("000789"))).isEmpty());
}

void PrizeCheckTest::keepAllCurrentTotals() {
    TempBook book(testing::engine());
    Database& db = book.db();
    entered(db, "A", "123", Kind::h3, 10);
    entered(db, "B", "123", Kind::h3, 5);
    entered(db, "A", "12", Kind::t2, 7);
    kept(db, Kind::h3, "999", 1000); // an earlier cut
    keepAllCurrent(db);
    QCOMPARE(db.scalar("SELECT count(*) FROM h3cut").toInt(), 1);
    QCOMPARE(db.scalar("SELECT h FROM h3cut WHERE num = '123'").toDouble(), 15.0);
    QCOMPARE(db.scalar("SELECT t FROM t2cut WHERE num = '12'").toDouble(), 7.0);
    QCOMPARE(db.scalar("SELECT count(*) FROM h5cut").toInt(), 0);
}

void PrizeCheckTest::percentsAndDrawAreKept() {
    TempBook book(testing::engine());
    Database& db = book.db();
    std::array<qint64, kKindCount> p;
    for (int i = 0; i < kKindCount; ++i)
        p[static_cast<size_t>(i)] = i + 1;
    storePercents(db, p);
    // Row 5 is l2 and row 6 is t2; change3 holds t2 first.
    QCOMPARE(db.scalar("SELECT l2 FROM change3").toString(), QStringLiteral("5"));
    QCOMPARE(db.scalar("SELECT t2 FROM change3").toString(), QStringLiteral("6"));
    QCOMPARE(storedPercents(db)[5], QStringLiteral("6"));

    QCOMPARE(averagePercents(db)[0], QString());
    customer(db, "A", 1, 10);
    customer(db, "B", 1, 15);
    QCOMPARE(averagePercents(db)[0], QStringLiteral("12")); // 12.5, halves to even
    customer(db, "C", 1, 17);
    QCOMPARE(averagePercents(db)[9], QStringLiteral("14"));

    const Draw d = drawOf("123456", "78", {"111", "222", "", "444"});
    drawstore::store(db, d);
    const Draw back = drawstore::load(db);
    QCOMPARE(back.first, d.first);
    QCOMPARE(back.bottom2, d.bottom2);
    QCOMPARE(back.bottom3, d.bottom3);
}

void PrizeCheckTest::checkByCustomer() {
    TempBook book(testing::engine());
    Database& db = book.db();
    customer(db, "B", 90, 5);
    customer(db, "A", 500, 10);
    customer(db, "C", 10, 0);
    entered(db, "B", "12X", Kind::t2, 4);
    entered(db, "A", "123", Kind::h3, 2);
    entered(db, "B", "111", Kind::l3, 1);
    entered(db, "A", "3", Kind::h1, 5);
    entered(db, "C", "999", Kind::h3, 5);
    const Draw d = drawOf("000123", "45", {"111", "111"});
    // Mode 2: t2 lines are two-digit-X patterns.
    const QVector<WinningLine> lines = customercheck::winningLines(db, d, 2);
    QStringList seen;
    for (const WinningLine& line : lines)
        seen << line.caption + ":" + line.cus + ":" + line.num;
    QCOMPARE(seen, (QStringList{"3ตัวบน:A:123", "3ตัวล่าง:B:111", "เลข2X:B:12X", "วิ่งบน:A:3"}));
    const auto winners = customercheck::winnersOf(lines);
    QCOMPARE(winners.size(), 2);
    QCOMPARE(winners[0].cus, QStringLiteral("A"));
    QCOMPARE(winners[1].cus, QStringLiteral("B"));
    QCOMPARE(customercheck::wonBy(lines, "A"), qint64(2 * 500 + 5 * 500));
    QCOMPARE(customercheck::countText(2), QStringLiteral("มีผู้ถูกรางวัลจำนวน2คน(คลิ๊กที่ชื่อ)"));
    QCOMPARE(customercheck::countText(0), QStringLiteral("ไม่มีผู้ถูกรางวัล"));
    // Mode 0 reads the same t2 line as a pair: it does not win.
    QCOMPARE(customercheck::winningLines(db, d, 0).size(), 3);
}

void PrizeCheckTest::settlementAndDrawDate() {
    customercheck::Settlement s;
    s.won = 900;
    s.toCollect = 400;
    QCOMPARE(s.line(), QStringLiteral("ต้องจ่ายคืน  =  900 - 400 = 500"));
    s.won = 100;
    QCOMPARE(s.line(), QStringLiteral("ต้องเรียกเก็บเพิ่ม  =  400 - 100 = 300"));
    s.won = 400;
    QCOMPARE(s.line(), QStringLiteral("ยอดเรียกเก็บ="));
    QCOMPARE(customercheck::drawDateText(QDate(2014, 7, 16)),
             QStringLiteral("16 / กรกฏาคม / 2557"));
    QCOMPARE(customercheck::drawDateText(QDate(2560, 11, 1)),
             QStringLiteral("1 / พฤษจิกายน / 2560"));
}

TABULOX_TEST(PrizeCheckTest)
#include "prizecheck_test.moc"
