#include "books.h"
#include "cutting/cutbylimit.h"
#include "maintenance/consolidation.h"
#include "store/kindrow.h"
#include "support/engines.h"
#include "support/tempbook.h"
#include "support/testmain.h"

#include <QRandomGenerator>

using books::enterLine;

namespace {
// Each kind's kept rows, as num|amount.
QStringList keptRows(Database& db) {
    QStringList rows;
    for (Kind kind : listingOrder())
        rows << kindCode(kind)
             << rowsOf(db, QStringLiteral("SELECT num, %1 FROM %2 WHERE codeins = ? ORDER BY num")
                               .arg(stakeColumn(kind), cut::keptTable(kind)),
                       {kindCode(kind)});
    return rows;
}

// The totals as the kept rows must hold them.
QStringList totalsAsKept(Database& db) {
    QStringList rows;
    for (Kind kind : listingOrder())
        rows << kindCode(kind)
             << rowsOf(db, QStringLiteral("SELECT num, %1 FROM %2 ORDER BY num")
                               .arg(stakeColumn(kind), cut::totalsView(kind)));
    return rows;
}
} // namespace

class ConsolidationTest : public testing::BothEngines {
    Q_OBJECT
private slots:
    void oneLinePerNumber();
    void everyViewStaysOverRandomBooks();
    void failureLeavesTheBookAsBefore();
};

void ConsolidationTest::oneLinePerNumber() {
    TempBook book;
    Database& db = book.db();
    enterLine(db, "2024-06-16 09:00:00", {{"123", Kind::h3, 100}}, "ก");
    enterLine(db, "2024-06-16 09:00:01", {{"123", Kind::h3, 50}, {"45", Kind::l2, 7}}, "ข");
    enterLine(db, "2024-06-16 09:00:02", {{"123", Kind::h3, 20}}, "ค");
    const QStringList entered = books::sortedRows(db, "tballcus");
    db.exec("INSERT INTO l1cut (num, l, codeins) VALUES ('9', 99, 'l1')");

    QList<int> bar;
    QCOMPARE(consolidation::consolidate(db, [&bar](Kind, int percent) { bar << percent; }),
             qint64(2));
    QCOMPARE(rowsOf(db, "SELECT num, h, cus, codeins FROM tball WHERE codeins = 'h3'"),
             QStringList{"123|170|ปรับปรุงตาราง|h3"});
    QCOMPARE(rowsOf(db, "SELECT num, l, cus FROM tball WHERE codeins = 'l2'"),
             QStringList{"45|7|ปรับปรุงตาราง"});
    // A kind without lines stays without, its kept table emptied.
    QCOMPARE(rowsOf(db, "SELECT count(*) FROM l1cut"), QStringList{"0"});
    QCOMPARE(rowsOf(db, "SELECT num, h, codeins FROM h3cut"), QStringList{"123|170|h3"});
    QCOMPARE(bar, (QList<int>{1, 10, 20, 30, 40, 50, 60, 70, 80, 90, 100}));
    QCOMPARE(books::sortedRows(db, "tballcus"), entered);
    verifyKeptSums(db);
}

void ConsolidationTest::everyViewStaysOverRandomBooks() {
    for (int seed = 1; seed <= 4; ++seed) {
        TempBook book;
        Database& db = book.db();
        QRandomGenerator random(seed);
        for (int line = 0; line < 150; ++line) {
            QVector<books::Bet> bets;
            for (int i = random.bounded(1, 4); i > 0; --i) {
                const Kind kind = columnOrder()[static_cast<size_t>(random.bounded(kKindCount))];
                // Few numbers, so they repeat; some stakes lower a total, some to nothing.
                bets.push_back({books::numberFor(kind, random.bounded(12)), kind,
                                double(random.bounded(-20, 100))});
            }
            enterLine(db, QStringLiteral("2024-06-16 10:%1:%2")
                              .arg(line / 60, 2, 10, QLatin1Char('0'))
                              .arg(line % 60, 2, 10, QLatin1Char('0')),
                      bets, QStringLiteral("ลูกค้า%1").arg(random.bounded(5)));
        }
        if (seed % 2 == 0) {
            // A cut first: its lines are consolidated with the rest.
            kindrow::write(db, "change2", static_cast<int>(Kind::h3), "60");
            cut::menuCut(db);
            enterLine(db, "2024-06-16 11:00:00", {{"001", Kind::h3, 33}});
        }
        const QStringList totals = books::totalsOf(db);
        const QStringList entered = books::sortedRows(db, "tballcus");
        const qint64 numbers = db.scalar("SELECT count(*) FROM tbtotals").toLongLong();

        QCOMPARE(consolidation::consolidate(db), numbers);
        QCOMPARE(books::totalsOf(db), totals);
        QCOMPARE(keptRows(db), totalsAsKept(db));
        QCOMPARE(books::sortedRows(db, "tballcus"), entered);
        QCOMPARE(rowsOf(db, "SELECT DISTINCT cus FROM tball"),
                 QStringList{consolidation::customer()});
        verifyKeptSums(db);
        // A second time changes nothing but the lines' time.
        consolidation::consolidate(db);
        QCOMPARE(books::totalsOf(db), totals);
    }
}

void ConsolidationTest::failureLeavesTheBookAsBefore() {
    TempBook book;
    Database& db = book.db();
    for (Kind kind : columnOrder()) {
        enterLine(db, "2024-06-16 09:00:00", {{books::numberFor(kind, 7), kind, 10}});
        enterLine(db, "2024-06-16 09:00:01", {{books::numberFor(kind, 7), kind, 5}});
    }
    const QStringList before = books::everyTable(db);

    // Stopped by the window at the fifth kind.
    QVERIFY_THROWS_EXCEPTION(StoreError, consolidation::consolidate(db, [](Kind kind, int) {
                                 if (kind == Kind::l2)
                                     throw StoreError(QStringLiteral("stopped"));
                             }));
    QCOMPARE(books::everyTable(db), before);

    // A kind whose kept table refuses its rows.
    books::replaceByView(db, "l1cut", "num, h AS l, codeins FROM h1cut");
    const QStringList sabotaged = books::everyTable(db);
    QVERIFY_THROWS_EXCEPTION(StoreError, consolidation::consolidate(db));
    QVERIFY(!db.inTransaction());
    QCOMPARE(books::everyTable(db), sabotaged);
    verifyKeptSums(db);
}

TABULOX_TEST(ConsolidationTest)
#include "consolidation_test.moc"
