#include "entry/hundredpanel.h"
#include "entry/recorder.h"
#include "support/engines.h"
#include "support/tempbook.h"
#include "support/testmain.h"

// The hundred numbers with their h2 totals, the limit and the watched numbers, on both engines.
class HundredPanelTest : public testing::BothEngines {
    Q_OBJECT
private slots:
    void totalsLimitAndWatched();
};

void HundredPanelTest::totalsLimitAndWatched() {
    TempBook book;
    Database& db = book.db();
    db.exec("UPDATE change2 SET h2 = ?", {"40"});
    db.exec("INSERT INTO numlimit2 (num, codeins) VALUES ('07', 'h2'), ('08', 'l2')");
    Recorder recorder(db);
    recorder.recordLine({{"05", Kind::h2, 40}, {"06", Kind::h2, 41}, {"07", Kind::h2, 50},
                         {"09", Kind::l2, 90}, {"99", Kind::h2, 3}},
                        "a");
    recorder.recordLine({{"06", Kind::h2, -1}, {"99", Kind::h2, 2}}, "a");
    const QVector<PanelCell> cells = readHundredPanel(db, true);
    QCOMPARE(cells.size(), 100);
    QCOMPARE(cells[0].number, QString("00"));
    QCOMPARE(cells[99].number, QString("99"));
    QCOMPARE(cells[99].total, 5.0);
    // At the limit is not over it; a bottom total is not a top one.
    QCOMPARE(cells[5].total, 40.0);
    QVERIFY(!cells[5].overLimit);
    QCOMPARE(cells[6].total, 40.0);
    QVERIFY(!cells[6].overLimit);
    QVERIFY(cells[7].overLimit);
    QVERIFY(cells[7].watched);
    QVERIFY(!cells[8].watched);
    QCOMPARE(cells[9].total, 0.0);
    QVERIFY(!readHundredPanel(db, false)[7].watched);
    int over = 0;
    for (const PanelCell& c : cells)
        over += c.overLimit ? 1 : 0;
    QCOMPARE(over, 1);
}

TABULOX_TEST(HundredPanelTest)
#include "hundredpanel_test.moc"
