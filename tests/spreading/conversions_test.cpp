#include "common/cutsession.h"
#include "spreading/conversions.h"
#include "spreading/todgrouping.h"
#include "support/bookfaults.h"
#include "support/engines.h"
#include "support/tempbook.h"
#include "support/testmain.h"

using namespace spread;

namespace {
void bet(Database& db, const QString& num, Kind kind, double stake) {
    for (const char* table : {"tball", "tballcus"})
        db.exec(QStringLiteral("INSERT INTO %1 (num, %2, cus, codeins) VALUES (?, ?, 'ก', ?)")
                    .arg(QLatin1String(table), stakeColumn(kind)),
                {num, stake, kindCode(kind)});
}

// num|amount|customer of a kind's lines, by number.
QStringList linesOf(Database& db, Kind kind) {
    return rowsOf(db,
                  QStringLiteral("SELECT num, %1, cus FROM tball WHERE codeins = ? ORDER BY num, "
                                 "id")
                      .arg(stakeColumn(kind)),
                  {kindCode(kind)});
}

double kindSum(Database& db, Kind kind) {
    return db.scalar(QStringLiteral("SELECT %1 FROM %2sum").arg(stakeColumn(kind), kindCode(kind)))
        .toDouble();
}

QStringList everything(Database& db) {
    return rowsOf(db, "SELECT id, num, h, t, l, cus, codeins, ti2 FROM tball ORDER BY id") +
           rowsOf(db, "SELECT id, num, h, t, l, cus, codeins FROM tballcus ORDER BY id") +
           rowsOf(db, "SELECT codeins, num, h, t, l, n FROM tbtotals ORDER BY codeins, num") +
           rowsOf(db, "SELECT codeins, h, t, l, n, cnum FROM tbkind ORDER BY codeins") +
           rowsOf(db, "SELECT num, h FROM h3sent ORDER BY num") +
           rowsOf(db, "SELECT num, h FROM h3cut ORDER BY num");
}

} // namespace

class ConversionsTest : public testing::BothEngines {
    Q_OBJECT
private slots:
    void todToTop();
    void todToTopThreeDoorsOnly();
    void topToTod();
    void topToTodGroupsThatStay();
    void runToTop();
    void twoToTop();
    void groupsToTod();
    void runToTwo();
    void targetRisesByWhatIsWritten();
    void emptyAndUnspreadableSources();
    void failureLeavesBookAsBefore();
    void refusedWhileACutRuns();
    void regroupKeepsEveryTotal();
    void margins();
};

void ConversionsTest::todToTop() {
    TempBook book;
    Database& db = book.db();
    bet(db, "123", Kind::t3, 60);
    bet(db, "123", Kind::t3, 40);
    bet(db, "112", Kind::t3, 100);
    bet(db, "555", Kind::t3, 50);
    bet(db, "900", Kind::h3, 7);
    const QStringList entered = rowsOf(db, "SELECT * FROM tballcus ORDER BY id");
    Options options;
    options.margin = 20;
    const Result result = convert(db, Conversion::todToTop, options);
    QCOMPARE(result.numbers, 3);
    QCOMPARE(result.spread, 3);
    QCOMPARE(result.lines, 3 + 1 + 6);
    const QString c = QStringLiteral("|กระจายโต๊ด");
    const QStringList expected = {"112|33" + c, "121|33" + c, "123|20" + c, "132|20" + c,
                                  "211|33" + c, "213|20" + c, "231|20" + c, "312|20" + c,
                                  "321|20" + c, "555|50" + c, "900|7|ก"};
    QCOMPARE(linesOf(db, Kind::h3), expected);
    QVERIFY(linesOf(db, Kind::t3).isEmpty());
    QCOMPARE(rowsOf(db, "SELECT * FROM tballcus ORDER BY id"), entered);
    verifyKeptSums(db);

    // Without a margin the six shares are cut to whole baht.
    bet(db, "456", Kind::t3, 100);
    convert(db, Conversion::todToTop, {});
    QCOMPARE(rowsOf(db, "SELECT num, h FROM tball WHERE num IN ('456', '654') ORDER BY num"),
             (QStringList{"456|16", "654|16"}));
    verifyKeptSums(db);
}

void ConversionsTest::todToTopThreeDoorsOnly() {
    TempBook book;
    Database& db = book.db();
    bet(db, "123", Kind::t3, 100);
    bet(db, "112", Kind::t3, 99);
    bet(db, "777", Kind::t3, 10);
    Options options;
    options.threeDoorsOnly = true;
    options.margin = 20;
    const Result result = convert(db, Conversion::todToTop, options);
    QCOMPARE(result.spread, 2);
    QCOMPARE(linesOf(db, Kind::t3), QStringList{"123|100|ก"});
    QCOMPARE(linesOf(db, Kind::h3), (QStringList{"112|33|กระจายโต๊ด", "121|33|กระจายโต๊ด",
                                                 "211|33|กระจายโต๊ด", "777|10|กระจายโต๊ด"}));
    verifyKeptSums(db);
}

void ConversionsTest::topToTod() {
    TempBook book;
    Database& db = book.db();
    const std::pair<const char*, double> totals[] = {{"123", 50}, {"132", 40}, {"213", 60},
                                                     {"231", 40}, {"312", 45}, {"321", 70}};
    for (const auto& [num, stake] : totals)
        bet(db, num, Kind::h3, stake);
    bet(db, "321", Kind::h3, 0.4); // rounds away
    const Result result = convert(db, Conversion::topToTod, {});
    QCOMPARE(result.spread, 6);
    QCOMPARE(linesOf(db, Kind::t3), QStringList{"123|200|3บน==>>"});
    QCOMPARE(linesOf(db, Kind::h3),
             (QStringList{"123|10|=3บน=", "213|20|=3บน=", "312|5|=3บน=", "321|30|=3บน="}));
    verifyKeptSums(db);

    // The full amount: 6/6.
    TempBook full;
    for (const auto& [num, stake] : totals)
        bet(full.db(), num, Kind::h3, stake);
    Options options;
    options.fullAmount = true;
    convert(full.db(), Conversion::topToTod, options);
    QCOMPARE(linesOf(full.db(), Kind::t3), QStringList{"123|240|3บน==>>"});
    QCOMPARE(kindSum(full.db(), Kind::h3), 65.0);
}

void ConversionsTest::topToTodGroupsThatStay() {
    TempBook book;
    Database& db = book.db();
    // Five arrangements of 123, a double, a group whose least total is not above 0, and one
    // whole group after them.
    for (const char* num : {"123", "132", "213", "231", "312"})
        bet(db, num, Kind::h3, 10);
    bet(db, "112", Kind::h3, 10);
    for (const char* num : {"456", "465", "546", "564", "645", "654"})
        bet(db, num, Kind::h3, 10);
    bet(db, "654", Kind::h3, -10);
    for (const char* num : {"789", "798", "879", "897", "978", "987"})
        bet(db, num, Kind::h3, 15);
    const QStringList before = linesOf(db, Kind::h3);
    const Result result = convert(db, Conversion::topToTod, {});
    QCOMPARE(result.spread, 6);
    QCOMPARE(linesOf(db, Kind::t3), QStringList{"789|75|3บน==>>"});
    QStringList kept = before;
    kept.erase(std::remove_if(kept.begin(), kept.end(),
                              [](const QString& line) {
                                  return line.startsWith('7') || line.startsWith('8') ||
                                         line.startsWith('9');
                              }),
               kept.end());
    QCOMPARE(linesOf(db, Kind::h3), kept);
    verifyKeptSums(db);
}

void ConversionsTest::runToTop() {
    TempBook book;
    Database& db = book.db();
    bet(db, "5", Kind::h1, 600);
    bet(db, "5", Kind::h1, 400);
    bet(db, "0", Kind::h1, 100);
    bet(db, "0", Kind::h1, -100);
    QStringList statuses;
    const Result result = convert(db, Conversion::runToTop, {},
                                  [&](const Progress& step) { statuses << step.status; });
    QCOMPARE(result.spread, 2);
    QCOMPARE(result.lines, 271);
    QCOMPARE(result.written, 1084.0);
    // A digit whose total is 0 is spread into nothing.
    QCOMPARE(rowsOf(db, "SELECT count(*), min(num), max(num), min(h), max(h) FROM tball WHERE "
                        "codeins = 'h3' AND cus = 'กระจายวิ่ง'"),
             QStringList{"271|005|995|4|4"});
    QCOMPARE(rowsOf(db, "SELECT count(*) FROM tball WHERE num = '555' OR num = '150'"),
             QStringList{"2"});
    QCOMPARE(rowsOf(db, "SELECT count(*) FROM tball WHERE codeins = 'h1'"), QStringList{"0"});
    QCOMPARE(statuses.last(), QStringLiteral("คำนวณได้ตัวละ 4 บาท"));
    verifyKeptSums(db);

    // Less the discount: 1000 becomes 900, still 4 a number; 271 exactly takes 2.
    QCOMPARE(runStake(1000, true, 10), 4);
    QCOMPARE(runStake(271, false, 0), 2);
    QCOMPARE(runStake(270, false, 0), 1);
    QCOMPARE(runStake(2710, true, 10), 10);
    QCOMPARE(runStake(2710, false, 10), 11);
}

void ConversionsTest::twoToTop() {
    TempBook book;
    Database& db = book.db();
    bet(db, "45", Kind::h2, 100);
    bet(db, "07", Kind::h2, 55);
    Options options;
    options.margin = 20;
    convert(db, Conversion::twoToTop, options);
    QStringList expected;
    for (int d = 0; d <= 9; ++d)
        expected << QString::number(d) + "07|6|กระจาย2ตัว";
    for (int d = 0; d <= 9; ++d)
        expected << QString::number(d) + "45|12|กระจาย2ตัว";
    std::sort(expected.begin(), expected.end());
    QCOMPARE(linesOf(db, Kind::h3), expected);
    QVERIFY(linesOf(db, Kind::h2).isEmpty());
    verifyKeptSums(db);
}

void ConversionsTest::groupsToTod() {
    TempBook book;
    Database& db = book.db();
    bet(db, "1234", Kind::h4, 100);
    bet(db, "4312", Kind::h4, 8);
    bet(db, "12345", Kind::h5, 100);
    // The book's tod form of 2,3,4 is 432; 1,2,4 has none.
    db.exec("DELETE FROM tot WHERE num IN ('234', '124')");
    db.exec("INSERT INTO tot (num) VALUES ('432')");
    convert(db, Conversion::fourToTod, {});
    QCOMPARE(
        linesOf(db, Kind::t3),
        (QStringList{"123|25|กระจาย4ตัว", "123|2|กระจาย4ตัว", "124|25|กระจาย4ตัว", "134|25|กระจาย4ตัว",
                     "134|2|กระจาย4ตัว", "412|2|กระจาย4ตัว", "432|25|กระจาย4ตัว", "432|2|กระจาย4ตัว"}));
    QVERIFY(linesOf(db, Kind::h4).isEmpty());
    QCOMPARE(linesOf(db, Kind::h5).size(), 1);
    verifyKeptSums(db);

    db.exec("DELETE FROM tball WHERE codeins = 't3'");
    convert(db, Conversion::fiveToTod, {});
    QCOMPARE(
        rowsOf(db, "SELECT num, t, cus FROM tball WHERE codeins = 't3' ORDER BY id"),
        (QStringList{"123|10|กระจาย5ตัว", "124|10|กระจาย5ตัว", "125|10|กระจาย5ตัว", "134|10|กระจาย5ตัว",
                     "135|10|กระจาย5ตัว", "145|10|กระจาย5ตัว", "432|10|กระจาย5ตัว", "235|10|กระจาย5ตัว",
                     "245|10|กระจาย5ตัว", "345|10|กระจาย5ตัว"}));
    QVERIFY(linesOf(db, Kind::h5).isEmpty());
    verifyKeptSums(db);
}

void ConversionsTest::runToTwo() {
    TempBook book;
    Database& db = book.db();
    bet(db, "7", Kind::l1, 100);
    convert(db, Conversion::runToTwo, {});
    QStringList expected = {"77|5|กระจายวิ่ง"};
    for (int d = 0; d <= 9; ++d) {
        if (d != 7)
            expected << "7" + QString::number(d) + "|5|กระจายวิ่ง"
                     << QString::number(d) + "7|5|กระจายวิ่ง";
    }
    std::sort(expected.begin(), expected.end());
    QCOMPARE(linesOf(db, Kind::l2), expected);
    QVERIFY(linesOf(db, Kind::l1).isEmpty());
    verifyKeptSums(db);
}

void ConversionsTest::targetRisesByWhatIsWritten() {
    TempBook book;
    Database& db = book.db();
    for (int i = 0; i < 40; ++i) {
        bet(db, QStringLiteral("%1").arg(i * 37 % 1000, 3, 10, QLatin1Char('0')), Kind::t3,
            13 + i * 7);
        bet(db, QStringLiteral("%1").arg(i * 11 % 100, 2, 10, QLatin1Char('0')), Kind::h2, 50 + i);
        bet(db, QStringLiteral("%1").arg(i * 7 % 1000, 3, 10, QLatin1Char('0')), Kind::h3, i);
    }
    Options options;
    options.margin = 15;
    for (Conversion conversion : {Conversion::todToTop, Conversion::twoToTop}) {
        const double before = kindSum(db, Kind::h3);
        const double other = kindSum(db, Kind::l3);
        const Result result = convert(db, conversion, options);
        QVERIFY(result.written > 0);
        QCOMPARE(kindSum(db, Kind::h3), before + result.written);
        QCOMPARE(kindSum(db, Kind::l3), other);
        QCOMPARE(kindSum(db, infoOf(conversion).source), 0.0);
        verifyKeptSums(db);
    }
}

void ConversionsTest::emptyAndUnspreadableSources() {
    TempBook book;
    Database& db = book.db();
    bet(db, "123", Kind::h3, 5);
    const QStringList before = everything(db);
    for (const ConversionInfo& info : conversions()) {
        if (info.source == Kind::h3)
            continue;
        const Result result = convert(db, info.conversion, {});
        QCOMPARE(result.numbers, 0);
        QCOMPARE(result.lines, 0);
    }
    QCOMPARE(everything(db), before);

    // A line without a number, or of another width, has nothing to spread and stays.
    db.exec("INSERT INTO tball (h, cus, codeins) VALUES (9, 'ก', 'h1')");
    bet(db, "12", Kind::h1, 9);
    bet(db, "3", Kind::h1, 271);
    const Result result = convert(db, Conversion::runToTop, {});
    QCOMPARE(result.numbers, 3);
    QCOMPARE(result.spread, 1);
    QCOMPARE(rowsOf(db, "SELECT coalesce(num, '-'), h FROM tball WHERE codeins = 'h1' ORDER BY id"),
             (QStringList{"-|9", "12|9"}));
    verifyKeptSums(db);
}

void ConversionsTest::failureLeavesBookAsBefore() {
    TempBook book;
    Database& db = book.db();
    for (int d = 0; d <= 9; ++d)
        bet(db, QString::number(d), Kind::h1, 100 * (d + 1));
    bet(db, "123", Kind::h3, 10);
    bet(db, "1234", Kind::h4, 10);
    bet(db, "555", Kind::t3, 10);
    const QStringList before = everything(db);
    int told = 0;
    auto stopHalfWay = [&](const Progress& step) {
        if (++told == 5)
            throw StoreError(QStringLiteral("stopped at %1 of %2").arg(step.done).arg(step.count));
    };
    QVERIFY_THROWS_EXCEPTION(StoreError, convert(db, Conversion::runToTop, {}, stopHalfWay));
    QVERIFY(!db.inTransaction());
    QCOMPARE(everything(db), before);

    told = 0;
    auto stopAtOnce = [&](int) { throw StoreError(QStringLiteral("stopped")); };
    QVERIFY_THROWS_EXCEPTION(StoreError, regroupTod(db, stopAtOnce));
    QCOMPARE(everything(db), before);

    // A book whose tod forms cannot be read spreads nothing.
    db.exec("DROP TABLE tot");
    QVERIFY_THROWS_EXCEPTION(StoreError, convert(db, Conversion::fourToTod, {}));
    QCOMPARE(everything(db), before);

    // The sums still follow every line.
    bet(db, "7", Kind::h1, 5);
    db.exec("DELETE FROM tball WHERE codeins = 'h4'");
    verifyKeptSums(db);
}

void ConversionsTest::refusedWhileACutRuns() {
    TempBook book;
    Database& db = book.db();
    bet(db, "45", Kind::h2, 100);
    std::unique_ptr<Database> other = Database::openExisting(book.dbPath());
    if (db.engine() == Engine::sqlite)
        other->exec("PRAGMA busy_timeout=100");
    const QStringList before = everything(db);
    {
        cut::Session running(db);
        try {
            convert(*other, Conversion::twoToTop, {});
            QFAIL("a spreading ran during a cut");
        } catch (const StoreError& error) {
            QCOMPARE(error.kind(), StoreError::inUse);
        }
        QVERIFY_THROWS_EXCEPTION(StoreError, regroupTod(*other));
    }
    QCOMPARE(everything(db), before);
    QCOMPARE(convert(*other, Conversion::twoToTop, {}).lines, 10);
}

void ConversionsTest::regroupKeepsEveryTotal() {
    TempBook book;
    Database& db = book.db();
    bet(db, "123", Kind::t3, 50);
    bet(db, "321", Kind::t3, 30);
    bet(db, "213", Kind::t3, 20);
    bet(db, "459", Kind::t3, 25);
    bet(db, "459", Kind::t3, 15);
    bet(db, "954", Kind::t3, 12.5);
    bet(db, "12", Kind::t3, 3);
    bet(db, "123", Kind::h3, 9);
    const double before = kindSum(db, Kind::t3);
    QList<int> told;
    const Regrouped done = regroupTod(db, [&](int percent) { told << percent; });
    QCOMPARE(done.totals, 6);
    QCOMPARE(done.lines, 5);
    QCOMPARE(told.last(), 100);
    QCOMPARE(linesOf(db, Kind::t3),
             (QStringList{"12|3|ก", "123|50|==>รวมโต๊ด", "123|20|==>รวมโต๊ด", "123|30|==>รวมโต๊ด",
                          "459|40|==>รวมโต๊ด", "459|12.5|==>รวมโต๊ด"}));
    QCOMPARE(rowsOf(db, "SELECT num, t FROM qt3"), (QStringList{"12|3", "123|100", "459|52.5"}));
    QCOMPARE(kindSum(db, Kind::t3), before);
    QCOMPARE(linesOf(db, Kind::h3), QStringList{"123|9|ก"});
    verifyKeptSums(db);

    TempBook empty;
    const QStringList nothing = everything(empty.db());
    QCOMPARE(regroupTod(empty.db()).lines, 0);
    QCOMPARE(everything(empty.db()), nothing);
}

void ConversionsTest::margins() {
    int margin = -1;
    QString refusal;
    for (const char* typed : {"0", "20", " 100 ", "007"}) {
        QVERIFY2(marginOf(QString::fromLatin1(typed), &margin, &refusal), typed);
        QCOMPARE(margin, QString::fromLatin1(typed).trimmed().toInt());
    }
    for (const char* typed : {"", "101", "-1", "12.5", "20%", "๒๐", "1e2", "9999"}) {
        margin = -1;
        QVERIFY2(!marginOf(QString::fromUtf8(typed), &margin, &refusal), typed);
        QCOMPARE(margin, -1);
        QCOMPARE(refusal, QStringLiteral("%ส่วนต่างต้องเป็นตัวเลขจำนวนเต็มตั้งแต่ 0 ถึง 100"));
    }
}

TABULOX_TEST(ConversionsTest)
#include "conversions_test.moc"
