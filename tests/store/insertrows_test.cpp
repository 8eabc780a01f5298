#include "store/database.h"
#include "support/engines.h"
#include "support/tempbook.h"
#include "support/testmain.h"

// Many rows into one table at once, on both engines.
class InsertRowsTest : public testing::BothEngines {
    Q_OBJECT
private slots:
    void rowsInTheirOrder() {
        TempBook book;
        Database& db = book.db();
        QVector<QVariantList> rows;
        for (int i = 0; i < 70; ++i)
            rows.push_back({QStringLiteral("%1").arg(i, 2, 10, QLatin1Char('0')), i * 1.5,
                            QStringLiteral("ข\"'%1").arg(i)});
        db.insertRows("h2sent2", {"num", "h", "rep"}, rows);
        QCOMPARE(db.scalar("SELECT count(*) FROM h2sent2").toInt(), 70);
        QCOMPARE(rowsOf(db, "SELECT num, h, rep FROM h2sent2 WHERE num IN ('00', '69') ORDER BY "
                            "num"),
                 (QStringList{"00|0|ข\"'0", "69|103.5|ข\"'69"}));
        db.insertRows("h2sent2", {"num"}, {});
        QCOMPARE(db.scalar("SELECT count(*) FROM h2sent2").toInt(), 70);
    }

    void clauseAfterTheRows() {
        TempBook book;
        Database& db = book.db();
        const QString add = "ON CONFLICT (codeins, num) DO UPDATE SET h = tbtotals.h + excluded.h";
        db.insertRows("tbtotals", {"codeins", "num", "h"}, {{"zz", "1", 5.0}, {"zz", "2", 1.0}},
                      add);
        db.insertRows("tbtotals", {"codeins", "num", "h"}, {{"zz", "1", 2.0}}, add);
        QCOMPARE(rowsOf(db, "SELECT num, h FROM tbtotals WHERE codeins = 'zz' ORDER BY num"),
                 (QStringList{"1|7", "2|1"}));
    }

    void refusalInsideATransaction() {
        TempBook book;
        Database& db = book.db();
        {
            Transaction transaction(db);
            db.insertRows("tbtotals", {"codeins", "num"}, {{"zz", "1"}});
            QVERIFY_THROWS_EXCEPTION(StoreError, db.insertRows("tbtotals", {"codeins", "num"},
                                                               {{"zz", "2"}, {"zz", "2"}}));
        }
        QCOMPARE(db.scalar("SELECT count(*) FROM tbtotals WHERE codeins = 'zz'").toInt(), 0);
    }
};

TABULOX_TEST(InsertRowsTest)
#include "insertrows_test.moc"
