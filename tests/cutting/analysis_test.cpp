#include "common/cutsession.h"
#include "common/settings.h"
#include "cutting/analysis.h"
#include "cutting/cutbylimit.h"
#include "cutting/keptsent.h"
#include "store/kindrow.h"
#include "support/bookfaults.h"
#include "support/cutbook.h"
#include "support/engines.h"
#include "support/tempbook.h"
#include "support/testmain.h"

using namespace analysis;
using namespace cutbook;

namespace {
QStringList secondOf(Database& db, Kind kind) {
    return rowsOf(db, QStringLiteral("SELECT num, %1 FROM %2 ORDER BY num")
                          .arg(stakeColumn(kind), secondSentTable(kind)));
}

// What a trial cut must leave alone: the book, the entered lines, the sums and the logs.
QStringList bookRows(Database& db) {
    QStringList rows;
    rows << rowsOf(db, "SELECT id, num, h, t, l, cus, codeins FROM tball ORDER BY id")
         << rowsOf(db, "SELECT id, num, h, t, l, cus, codeins FROM tballcus ORDER BY id")
         << rowsOf(db, "SELECT codeins, num, h, t, l, n FROM tbtotals ORDER BY codeins, num")
         << rowsOf(db, "SELECT num, h, t, l, cod FROM sentall ORDER BY cod, num")
         << rowsOf(db, "SELECT num, h, codeins, nn FROM cutlog ORDER BY codeins, nn, num");
    return rows;
}

QStringList cutTables(Database& db, Kind kind) {
    QStringList rows = keptOf(db, kind) << QStringLiteral("-") << sentOf(db, kind);
    if (hasSecondSent(kind))
        rows << QStringLiteral("-") << secondOf(db, kind);
    return rows;
}

void rate(Database& db, const QString& table, Kind kind, qint64 value) {
    kindrow::write(db, table, static_cast<int>(kind), QString::number(value));
}

TrialCut trial(Kind kind, qint64 keep, Rounding rounding = Rounding::none, bool fifty = false) {
    TrialCut cut;
    cut.kind = kind;
    cut.keep = keep;
    cut.rounding = rounding;
    cut.fiftyPercent = fifty;
    return cut;
}
} // namespace

class AnalysisTest : public testing::BothEngines {
    Q_OBJECT
private slots:
    void trialCutLeavesTheBook();
    void numberLimitsAndSecondSent();
    void roundings_data();
    void roundings();
    void roundingOnlyTheSentTable();
    void halving();
    void fightAndStatistics();
    void resultLabels();
    void everyKindItsOwnRateAndSpace();
    void customerAverages();
    void listings();
    void failureLeavesTablesAsBefore();
};

void AnalysisTest::trialCutLeavesTheBook() {
    TempBook book;
    Database& db = book.db();
    bet(db, "123", Kind::h3, 300);
    bet(db, "123", Kind::h3, 200);
    bet(db, "456", Kind::h3, 100);
    bet(db, "12", Kind::l2, 90);
    limitOf(db, Kind::l2, 50);
    cut::menuCut(db);
    const QStringList menuCutL2 = cutTables(db, Kind::l2);
    QCOMPARE(sentOf(db, Kind::l2), QStringList{"12|40"});
    const QStringList before = bookRows(db);

    trialCut(db, trial(Kind::h3, 160));
    QCOMPARE(keptOf(db, Kind::h3), (QStringList{"123|160", "456|100"}));
    QCOMPARE(sentOf(db, Kind::h3), QStringList{"123|340"});
    QCOMPARE(secondOf(db, Kind::h3), QStringList{"123|340"});
    QCOMPARE(rowsOf(db, "SELECT rep FROM h3sent"), QStringList{"1"});
    // Nothing else changed: not the book, its sums, the logs, or another kind's latest lists.
    QCOMPARE(bookRows(db), before);
    QCOMPARE(cutTables(db, Kind::l2), menuCutL2);

    // A keep of 0 sends every total whole; a keep above every total sends nothing.
    trialCut(db, trial(Kind::h3, 0));
    QCOMPARE(keptOf(db, Kind::h3), (QStringList{"123|0", "456|0"}));
    QCOMPARE(sentOf(db, Kind::h3), (QStringList{"123|500", "456|100"}));
    trialCut(db, trial(Kind::h3, 500));
    QCOMPARE(keptOf(db, Kind::h3), (QStringList{"123|500", "456|100"}));
    QCOMPARE(sentOf(db, Kind::h3), QStringList());
    QCOMPARE(secondOf(db, Kind::h3), QStringList());
    verifyKeptSums(db);
}

void AnalysisTest::numberLimitsAndSecondSent() {
    TempBook book;
    Database& db = book.db();
    for (const auto& [num, stake] : {std::pair{"123", 800}, {"456", 500}, {"789", 200}})
        bet(db, num, Kind::h3, stake);
    numberLimit(db, Kind::h3, "123", 1000); // keeps all of its 800
    numberLimit(db, Kind::h3, "789", 0);    // sends all of its 200
    numberLimit(db, Kind::h3, "555", 10);   // no bets: changes nothing

    trialCut(db, trial(Kind::h3, 300));
    QCOMPARE(keptOf(db, Kind::h3), (QStringList{"123|800", "456|300"}));
    QCOMPARE(sentOf(db, Kind::h3), (QStringList{"456|200", "789|200"}));
    // Only the numbers without a limit of their own, even when a listed number sends.
    QCOMPARE(secondOf(db, Kind::h3), QStringList{"456|200"});
    QCOMPARE(keptsent::read(db, Kind::h3, keptsent::Part::secondSent, false, 0).total, 200.0);

    // The fifty-percent mode halves a listed number's total, within the keep or not.
    trialCut(db, trial(Kind::h3, 300, Rounding::none, true));
    QCOMPARE(keptOf(db, Kind::h3), (QStringList{"123|400", "456|300", "789|100"}));
    QCOMPARE(sentOf(db, Kind::h3), (QStringList{"123|400", "456|200", "789|100"}));
    QCOMPARE(secondOf(db, Kind::h3), QStringList{"456|200"});

    // A kind without per-number limits has no second sent table: its sent report is the same.
    bet(db, "1234", Kind::h4, 90);
    trialCut(db, trial(Kind::h4, 50));
    QCOMPARE(keptsent::read(db, Kind::h4, keptsent::Part::secondSent, false, 0).lines.size(), 1);
}

void AnalysisTest::roundings_data() {
    QTest::addColumn<int>("rounding");
    QTest::addColumn<double>("amount");
    QTest::addColumn<double>("expected");
    const int up5 = int(Rounding::up5), near10 = int(Rounding::near10);
    const int up50 = int(Rounding::up50), near100 = int(Rounding::near100);
    QTest::newRow("50-100 up") << up50 << 340.0 << 350.0;
    QTest::newRow("50-100 to hundred") << up50 << 260.0 << 300.0;
    QTest::newRow("50-100 half kept") << up50 << 150.0 << 150.0;
    QTest::newRow("50-100 small") << up50 << 5.0 << 50.0;
    QTest::newRow("0-100 down") << near100 << 149.0 << 100.0;
    QTest::newRow("0-100 up") << near100 << 151.0 << 200.0;
    QTest::newRow("0-100 half kept") << near100 << 250.0 << 250.0;
    QTest::newRow("5-10 up") << up5 << 121.0 << 125.0;
    QTest::newRow("5-10 ten") << up5 << 127.0 << 130.0;
    QTest::newRow("0-10 down") << near10 << 124.0 << 120.0;
    QTest::newRow("0-10 five kept") << near10 << 125.0 << 125.0;
    QTest::newRow("0-10 round ten") << near10 << 120.0 << 120.0;
    // A fraction goes up to the whole baht first: the upward choices never lower an amount.
    QTest::newRow("50-100 fraction") << up50 << 149.5 << 150.0;
    QTest::newRow("50-100 fraction over") << up50 << 150.5 << 200.0;
    QTest::newRow("5-10 fraction") << up5 << 124.5 << 125.0;
    QTest::newRow("0-10 fraction") << near10 << 121.5 << 120.0;
    QTest::newRow("0-100 fraction") << near100 << 349.25 << 350.0;
}

void AnalysisTest::roundings() {
    QFETCH(int, rounding);
    QFETCH(double, amount);
    QFETCH(double, expected);
    QCOMPARE(rounded(amount, Rounding(rounding)), expected);
    if (rounding == int(Rounding::up5) || rounding == int(Rounding::up50))
        QVERIFY(rounded(amount, Rounding(rounding)) >= amount);
}

void AnalysisTest::roundingOnlyTheSentTable() {
    TempBook book;
    Database& db = book.db();
    bet(db, "123", Kind::h3, 500);
    bet(db, "456", Kind::h3, 420);
    bet(db, "789", Kind::h3, 171);
    QCOMPARE(roundingText(Rounding::up50), QStringLiteral("ปัดเศษ50-100"));
    trialCut(db, trial(Kind::h3, 160, Rounding::up50));
    QCOMPARE(sentOf(db, Kind::h3), (QStringList{"123|350", "456|300", "789|50"}));
    QCOMPARE(keptOf(db, Kind::h3), (QStringList{"123|160", "456|160", "789|160"}));
    QCOMPARE(secondOf(db, Kind::h3), (QStringList{"123|340", "456|260", "789|11"}));
    QCOMPARE(rowsOf(db, "SELECT DISTINCT rep FROM h3sent"), QStringList{"1"});
    // The pair kind has no rounding.
    bet(db, "12", Kind::t2, 77);
    trialCut(db, trial(Kind::t2, 10, Rounding::up50));
    QCOMPARE(sentOf(db, Kind::t2), QStringList{"12|67"});
}

void AnalysisTest::halving() {
    TempBook book;
    Database& db = book.db();
    bet(db, "123", Kind::h3, 501);
    bet(db, "456", Kind::h3, 300);
    trialCut(db, trial(Kind::h3, 100));
    halveSent(db, Kind::h3, true);
    QCOMPARE(sentOf(db, Kind::h3), (QStringList{"123|200.5", "456|100"}));
    QCOMPARE(secondOf(db, Kind::h3), (QStringList{"123|200.5", "456|100"}));
    halveSent(db, Kind::h3, false);
    QCOMPARE(sentOf(db, Kind::h3), (QStringList{"123|100.25", "456|50"}));
    QCOMPARE(secondOf(db, Kind::h3), (QStringList{"123|200.5", "456|100"}));
    QCOMPARE(keptOf(db, Kind::h3), (QStringList{"123|100", "456|100"}));
    // Rounding a halved amount with a fraction, on the next trial cut's sent rows.
    QCOMPARE(rounded(100.25, Rounding::up5), 105.0);
}

void AnalysisTest::fightAndStatistics() {
    TempBook book;
    Database& db = book.db();
    // Totals summing 100000, 20% discount, rate 500: 80000 net and 160 a number.
    bet(db, "001", Kind::h3, 60000);
    bet(db, "002", Kind::h3, 39999);
    bet(db, "003", Kind::h3, 1);
    const double sum = kindSum(db, Kind::h3);
    QCOMPARE(sum, 100000.0);
    std::optional<Fight> f = fight(sum, 20, 0, 500);
    QVERIFY(f);
    QCOMPARE(f->net, 80000);
    QCOMPARE(f->keep, 160);
    f = fight(sum, 20, 1000, 500);
    QCOMPARE(f->keep, 162);
    QCOMPARE(fight(sum, 33, 0, 7)->net, 67000);
    QCOMPARE(fight(sum, 33, 0, 7)->keep, 9571);
    QVERIFY(!fight(sum, 20, 0, 0)); // no rate: nothing to divide by

    const Statistics s = statistics(db, Kind::h3);
    QCOMPARE(s.lowest, 1.0);
    QCOMPARE(s.highest, 60000.0);
    QCOMPARE(s.average, 33333);
    const Statistics none = statistics(db, Kind::l3);
    QCOMPARE(none.highest, 0.0);
    QCOMPARE(none.average, 0);
}

void AnalysisTest::resultLabels() {
    TempBook book;
    Database& db = book.db();
    bet(db, "123", Kind::h3, 500);
    bet(db, "456", Kind::h3, 100);
    trialCut(db, trial(Kind::h3, 160));
    const KeptFigures figures = keptFigures(db, Kind::h3);
    QCOMPARE(figures.count, 2);
    QCOMPARE(figures.largest, 160);
    QCOMPARE(figures.smallest, 100);
    Result r = result(figures, Kind::h3, 500, 20, QStringLiteral("160บาท"));
    QCOMPARE(r.title, QStringLiteral("ผลการวิเคราะห์การตัดยอดที่160บาท"));
    QCOMPARE(r.largest, QStringLiteral("ความน่าจะเป็นสูงสุดที่ต้องจ่าย=80000โดยมีความเสี่ยง=0%"));
    QCOMPARE(r.smallest, QStringLiteral("ความน่าจะเป็นต่ำสุดที่ต้องจ่าย=50000โดยมีความเสี่ยง=0%"));
    QCOMPARE(r.kept, QStringLiteral("ยอดรวมที่เก็บไว้หลังจากหัก20%=208"));
    QCOMPARE(r.atLargest.kind, Outcome::loss);
    QCOMPARE(r.atLargest.text, QStringLiteral("ความน่าจะเป็นจากเงินสูงสุดที่เก็บคือขาดทุน=79792"));
    QCOMPARE(r.atSmallest.text, QStringLiteral("ความน่าจะเป็นจากเงินต่ำสุดที่เก็บคือขาดทุน=49792"));

    // Without a discount (the deduct-out cut): the kept sum as it is, a profit and an even.
    r = result(figures, Kind::h3, 1, std::nullopt, QStringLiteral("30%"));
    QCOMPARE(r.title, QStringLiteral("ผลการวิเคราะห์การตัดยอดที่30%"));
    QCOMPARE(r.kept, QStringLiteral("ยอดรวมที่เก็บไว้=260"));
    QCOMPARE(r.atLargest.kind, Outcome::profit);
    QCOMPARE(r.atLargest.text, QStringLiteral("ความน่าจะเป็นจากเงินสูงสุดที่เก็บคือกำไร=100"));
    KeptFigures even{2, 130, 130, 260};
    r = result(even, Kind::h3, 2, std::nullopt, QStringLiteral("130บาท"));
    QCOMPARE(r.atLargest.kind, Outcome::even);
    QCOMPARE(r.atLargest.text, QStringLiteral("ความน่าจะเป็นจากเงินสูงสุดที่เก็บคือเท่าทุน="));
    QCOMPARE(r.atSmallest.text, QStringLiteral("ความน่าจะเป็นจากเงินต่ำสุดที่เก็บคือเท่าทุน="));
    // A fraction of the kept sum shows; the payouts take the whole part of their product.
    KeptFigures half{1, 3, 3, 2.5};
    r = result(half, Kind::h1, 3, std::nullopt, QStringLiteral("3บาท"));
    QCOMPARE(r.kept, QStringLiteral("ยอดรวมที่เก็บไว้=2.5"));
    QCOMPARE(r.atLargest.text, QStringLiteral("ความน่าจะเป็นจากเงินสูงสุดที่เก็บคือขาดทุน=6"));
}

void AnalysisTest::everyKindItsOwnRateAndSpace() {
    TempBook book;
    Database& db = book.db();
    const int numbers[kKindCount] = {30, 11, 3, 5, 7, 9, 3, 2, 200, 3000};
    Transaction lines(db);
    for (Kind kind : columnOrder()) {
        const int count = numbers[static_cast<int>(kind)];
        for (int i = 0; i < count; ++i)
            bet(db, numberFor(kind, i * 7 + 1), kind, 10 + static_cast<int>(kind));
    }
    lines.commit();
    for (Kind kind : columnOrder()) {
        rate(db, QStringLiteral("change"), kind, 100 + static_cast<int>(kind));
        rate(db, QStringLiteral("change3"), kind, static_cast<int>(kind));
    }
    const auto rates = payRates(db);
    const auto percents = discountPercents(db);
    for (Kind kind : columnOrder()) {
        const int k = static_cast<int>(kind);
        trialCut(db, trial(kind, 5));
        const KeptFigures figures = keptFigures(db, kind);
        QCOMPARE(figures.count, numbers[k]);
        QCOMPARE(figures.sum, 5.0 * numbers[k]);
        QCOMPARE(sentOf(db, kind).size(), numbers[k]);
        QCOMPARE(rates[static_cast<size_t>(k)], 100 + k);
        const Result r = result(figures, kind, rates[static_cast<size_t>(k)],
                                percents[static_cast<size_t>(k)], QStringLiteral("5บาท"));
        const int risk = numbers[k] * 100 / numberSpace(kind);
        QCOMPARE(r.largest, QStringLiteral("ความน่าจะเป็นสูงสุดที่ต้องจ่าย=%1โดยมีความเสี่ยง=%2%")
                                .arg((100 + k) * 5)
                                .arg(risk));
        QCOMPARE(r.kept, QStringLiteral("ยอดรวมที่เก็บไว้หลังจากหัก%1%=%2")
                             .arg(k)
                             .arg(static_cast<qint64>(5.0 * numbers[k] * (100 - k) / 100)));
    }
    QCOMPARE(numberSpace(Kind::t3), 220);
    QCOMPARE(numberSpace(Kind::h5), 100000);
}

void AnalysisTest::customerAverages() {
    TempBook book;
    Database& db = book.db();
    db.exec("INSERT INTO cus (name, id, c3hp, c3tp, c2lp, c5hp) VALUES ('ก', 'ก', 10, 20, 30, 1)");
    db.exec("INSERT INTO cus (name, id, c3hp, c3tp, c2lp, c5hp) VALUES ('ข', 'ข', 15, 25, 33, 2)");
    const auto averages = useCustomerAverages(db);
    QCOMPARE(averages[static_cast<size_t>(Kind::h3)], 12);
    QCOMPARE(averages[static_cast<size_t>(Kind::t3)], 22);
    QCOMPARE(averages[static_cast<size_t>(Kind::l2)], 31);
    QCOMPARE(averages[static_cast<size_t>(Kind::h5)], 1);
    QCOMPARE(discountPercents(db), averages);
    const QStringList row = kindrow::read(db, QStringLiteral("change3"));
    QCOMPARE(row.mid(0, 6), (QStringList{"12", "22", "0", "0", "0", "31"}));
    // No customers: every percent 0.
    db.exec("DELETE FROM cus");
    QCOMPARE(useCustomerAverages(db), (std::array<qint64, kKindCount>{}));
}

void AnalysisTest::listings() {
    TempBook book;
    Database& db = book.db();
    bet(db, "03", Kind::t2, 10);
    bet(db, "01", Kind::t2, 30);
    bet(db, "02", Kind::t2, 20);
    trialCut(db, trial(Kind::t2, 5));
    keptsent::Listing sent = keptsent::read(db, Kind::t2, keptsent::Part::sent, true, 0);
    QCOMPARE(sent.title, QStringLiteral("แสดงยอดคู่โต๊ดที่ส่ง"));
    QCOMPARE(sent.lines.size(), 3);
    QCOMPARE(sent.lines.at(0).num, QStringLiteral("01"));
    QCOMPARE(sent.lines.at(2).num, QStringLiteral("03"));
    QCOMPARE(sent.total, 45.0);
    keptsent::Listing kept = keptsent::read(db, Kind::t2, keptsent::Part::kept, false, 2);
    QCOMPARE(kept.title, QStringLiteral("แสดงยอด 2ตัวXที่เก็บ"));
    QCOMPARE(kept.lines.at(0).num, QStringLiteral("01"));
    QCOMPARE(kept.total, 15.0);
    QCOMPARE(keptsent::title(Kind::h3, false, 0), QStringLiteral("แสดงยอด3ตัวตรงที่ส่ง"));
    QCOMPARE(keptsent::title(Kind::h3, true, 0), QStringLiteral("แสดงยอด3ตัวบนที่เก็บ"));
    QCOMPARE(keptsent::title(Kind::h5, true, 1), QStringLiteral("แสดงยอดหัว3ตัวที่เก็บ"));
    QCOMPARE(keptsent::title(Kind::h4, false, 1), QStringLiteral("แสดงยอดหัว3ตัวโต๊ดที่ส่ง"));
    QCOMPARE(keptsent::title(Kind::t2, false, 1), QStringLiteral("แสดงยอดหัว2ตัวที่ส่ง"));
    QCOMPARE(keptsent::title(Kind::h4, true, 2), QStringLiteral("แสดงยอดกลุ่ม4ตัวที่เก็บ"));
}

void AnalysisTest::failureLeavesTablesAsBefore() {
    TempBook book;
    Database& db = book.db();
    bet(db, "123", Kind::h3, 800);
    bet(db, "456", Kind::h3, 300);
    trialCut(db, trial(Kind::h3, 500));
    halveSent(db, Kind::h3, true);
    const QStringList kept = keptOf(db, Kind::h3);
    const QStringList sent = sentOf(db, Kind::h3);
    const QStringList before = bookRows(db);

    // The second sent table refuses its rows after the kept and sent tables were refilled.
    db.exec("DROP TABLE h3sent2");
    db.exec("CREATE VIEW h3sent2 AS SELECT DISTINCT num, h, CAST(rep AS TEXT) AS rep FROM h3sent");
    QVERIFY_THROWS_EXCEPTION(StoreError, trialCut(db, trial(Kind::h3, 100, Rounding::up50)));
    QVERIFY_THROWS_EXCEPTION(StoreError, halveSent(db, Kind::h3, true));
    QVERIFY(!db.inTransaction());
    QCOMPARE(keptOf(db, Kind::h3), kept);
    QCOMPARE(sentOf(db, Kind::h3), sent);
    QCOMPARE(bookRows(db), before);

    // Another computer's cut holds the book: the trial cut is refused at once.
    std::unique_ptr<Database> other = Database::openExisting(book.dbPath());
    if (db.engine() == Engine::sqlite)
        other->exec("PRAGMA busy_timeout=100");
    cut::Session running(db);
    try {
        trialCut(*other, trial(Kind::h3, 100));
        QFAIL("a second cut ran");
    } catch (const StoreError& error) {
        QCOMPARE(error.kind(), StoreError::inUse);
    }
}

TABULOX_TEST(AnalysisTest)
#include "analysis_test.moc"
