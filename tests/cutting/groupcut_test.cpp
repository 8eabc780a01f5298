#include "common/cutsession.h"
#include "cutting/analysis.h"
#include "cutting/cutbylimit.h"
#include "cutting/deductout.h"
#include "store/schema.h"
#include "support/bookfaults.h"
#include "support/cutbook.h"
#include "support/engines.h"
#include "support/tempbook.h"
#include "support/testmain.h"

#include <QRandomGenerator>

using namespace cut;
using namespace cutbook;

namespace {

// Two books given the same work; the second forgets before each immediate cut what its kept
// lists last took, so every one of its cuts starts from nothing.
struct Twins {
    TempBook going;
    TempBook fromScratch;

    template <typename Work> void both(Work work) {
        work(going.db());
        work(fromScratch.db());
    }

    void immediate(Kind kind) {
        immediateCut(going.db(), kind);
        fromScratch.db().exec("DELETE FROM tbkeptsync");
        immediateCut(fromScratch.db(), kind);
    }
};

QStringList linesAndSums(Database& db, Kind kind) {
    return linesOf(db, kind) +
           rowsOf(db, "SELECT num, h, n FROM tbtotals WHERE codeins = ? ORDER BY num",
                  {kindCode(kind)}) +
           rowsOf(db, "SELECT h, n, cnum FROM tbkind WHERE codeins = ?", {kindCode(kind)});
}

// The kind as the two books hold it is the same, and the book's totals are what it keeps.
void compareTwins(Twins& twins, Kind kind, const QString& step) {
    Database& going = twins.going.db();
    Database& scratch = twins.fromScratch.db();
    const QByteArray where = step.toUtf8();
    QVERIFY2(keptOf(going, kind) == keptOf(scratch, kind), where.constData());
    QVERIFY2(sentOf(going, kind) == sentOf(scratch, kind), where.constData());
    QVERIFY2(linesAndSums(going, kind) == linesAndSums(scratch, kind), where.constData());
    QVERIFY2(rowsOf(going, QStringLiteral("SELECT num, h FROM %1 WHERE h <> 0 ORDER BY num")
                               .arg(keptTable(kind))) ==
                 rowsOf(going, QStringLiteral("SELECT num, h FROM %1 WHERE h <> 0 ORDER BY num")
                                   .arg(totalsView(kind))),
             where.constData());
    verifyKeptSums(going);
    // Right after a cut no number of the kind has moved; the index of moved numbers is there
    // to find the next ones, and the index of the totals by amount is there (the full cut
    // builds both again on SQLite).
    for (Database* db : {&going, &scratch}) {
        if (db->engine() == Engine::sqlite)
            rowsOf(*db, "SELECT count(*) FROM tbtotals INDEXED BY tbtotals_h WHERE codeins = 'h5' "
                        "AND h > 0");
        const QString index = db->engine() == Engine::sqlite
                                  ? QStringLiteral(" INDEXED BY tbtotals_moved")
                                  : QString();
        QVERIFY2(rowsOf(*db, QStringLiteral("SELECT count(*) FROM tbtotals%1 WHERE %2 AND codeins "
                                            "= ?")
                                 .arg(index, schema::movedGroupTotals()),
                        {kindCode(kind)}) == QStringList{"0"},
                 where.constData());
    }
}

void randomLines(Database& db, QRandomGenerator& random, Kind kind, int count) {
    for (int i = 0; i < count; ++i) {
        const double stake = random.bounded(8) == 0 ? -random.bounded(1, 30) : random.bounded(1, 90);
        if (random.bounded(60) == 0)
            db.exec("INSERT INTO tball (num, h, cus, codeins) VALUES (NULL, ?, 'ข', ?)",
                    {stake, kindCode(kind)});
        else
            bet(db, numberFor(kind, random.bounded(30)), kind, stake);
    }
}

} // namespace

// The immediate cut of a group kind goes on from what its kept list last took: whatever
// happened to the book since, it must leave the kept and sent lists, the lines and the sums a
// cut from nothing leaves.
class GroupCutTest : public testing::BothEngines {
    Q_OBJECT
private slots:
    void goesOnAsACutFromNothing();
    void otherCutsInBetween();
    void bookMadeBeforeTheMarks();
};

void GroupCutTest::goesOnAsACutFromNothing() {
    Twins twins;
    QRandomGenerator random(20261210);
    twins.both([](Database& db) {
        limitOf(db, Kind::h5, 150);
        limitOf(db, Kind::h4, 120);
    });
    for (int round = 0; round < 24; ++round) {
        const Kind kind = round % 3 == 2 ? Kind::h4 : Kind::h5;
        const quint32 seed = random.generate();
        const int change = round % 8;
        twins.both([&](Database& db) {
            QRandomGenerator work(seed);
            randomLines(db, work, kind, 40);
            const QString code = kindCode(kind);
            if (change == 1) {
                // A number loses every line: its totals row goes.
                db.exec("DELETE FROM tball WHERE codeins = ? AND num = (SELECT min(num) FROM "
                        "tball WHERE codeins = ? AND num IS NOT NULL)",
                        {code, code});
            } else if (change == 2) {
                // The oldest line of the kind moves to another number.
                db.exec("UPDATE tball SET num = ? WHERE id = (SELECT min(id) FROM tball WHERE "
                        "codeins = ?)",
                        {numberFor(kind, 7), code});
            } else if (change == 3) {
                limitOf(db, kind, 100 + (seed % 5) * 20);
            } else if (change == 4) {
                // A line goes that is not its number's last.
                db.exec("DELETE FROM tball WHERE id = (SELECT max(t.id) FROM tball t WHERE "
                        "t.codeins = ? AND (SELECT count(*) FROM tball o WHERE o.codeins = "
                        "t.codeins AND o.num = t.num) > 1)",
                        {code});
            } else if (change == 5) {
                // Lines that come in one batch, summed number by number, as another computer's.
                suspendSums(db);
                const qint64 last = db.scalar("SELECT max(id) FROM tball").toLongLong();
                db.exec("INSERT INTO tball (num, h, cus, codeins) SELECT num, 25, 'ง', codeins "
                        "FROM tball WHERE codeins = ? AND num IS NOT NULL AND id > ? - 20",
                        {code, last});
                addToSums(db, "codeins", "tball WHERE id > ?", {last});
                resumeSums(db);
            } else if (change == 6) {
                // A line of the kind's with an id below every cut's lines.
                db.exec("DELETE FROM tball WHERE id = (SELECT min(id) FROM tball)");
                db.exec("INSERT INTO tball (id, num, h, cus, codeins) VALUES ((SELECT min(id) - 1 "
                        "FROM tball), ?, 300, 'ค', ?)",
                        {numberFor(kind, 11), code});
            }
        });
        twins.immediate(kind);
        compareTwins(twins, kind, QStringLiteral("round %1").arg(round));
        if (QTest::currentTestFailed())
            return;
    }
}

void GroupCutTest::otherCutsInBetween() {
    // Another cut writes the kept list its own way; the next immediate cut takes it whole again.
    Twins twins;
    QRandomGenerator random(7);
    twins.both([](Database& db) { limitOf(db, Kind::h5, 150); });
    for (int round = 0; round < 6; ++round) {
        const quint32 seed = random.generate();
        twins.both([&](Database& db) {
            QRandomGenerator work(seed);
            randomLines(db, work, Kind::h5, 40);
        });
        twins.immediate(Kind::h5);
        twins.both([&](Database& db) {
            QRandomGenerator work(seed + 1);
            randomLines(db, work, Kind::h5, 30);
            if (round == 0) {
                analysis::TrialCut trial;
                trial.kind = Kind::h5;
                trial.keep = 60;
                analysis::trialCut(db, trial);
            } else if (round == 1) {
                deductout::Cut deduct;
                deduct.kind = Kind::h5;
                deduct.value = 90;
                deductout::cutKind(db, deduct);
            } else if (round == 2) {
                menuCut(db);
                randomLines(db, work, Kind::h5, 30);
            } else if (round == 3) {
                db.exec("DELETE FROM tball WHERE codeins = 'h5' AND id % 3 = 0");
                menuCut(db);
                limitOf(db, Kind::h5, 200);
            } else if (round == 4) {
                deductout::restore(db, Kind::h5, 0, 0);
            }
        });
        twins.immediate(Kind::h5);
        compareTwins(twins, Kind::h5, QStringLiteral("round %1").arg(round));
        if (QTest::currentTestFailed())
            return;
    }
}

void GroupCutTest::bookMadeBeforeTheMarks() {
    // A book whose sums have no cut marks, kept in a table with row numbers as books were made
    // before, gains them when it is opened with every sum kept, and its cuts work.
    TempBook book;
    limitOf(book.db(), Kind::h5, 100);
    bet(book.db(), "12345", Kind::h5, 250);
    bet(book.db(), "54321", Kind::h5, 80);
    bet(book.db(), "123", Kind::h3, 40);
    if (book.engine() == Engine::sqlite) {
        book.db().exec(
            "CREATE TEMP TABLE oldsums AS SELECT codeins, num, h, t, l, n FROM tbtotals");
        book.db().exec("DROP TABLE tbtotals");
        book.db().exec("CREATE TABLE tbtotals (codeins TEXT(50) NOT NULL, num TEXT(50) NOT NULL, "
                       "h DOUBLE, t DOUBLE, l DOUBLE, n INTEGER, PRIMARY KEY (codeins, num))");
        book.db().exec("CREATE INDEX tbtotals_h ON tbtotals (codeins, h)");
        book.db().exec("INSERT INTO tbtotals SELECT * FROM oldsums");
    } else {
        book.db().exec("DROP INDEX tbtotals_moved");
        book.db().exec("ALTER TABLE tbtotals DROP COLUMN keptat");
        book.db().exec("ALTER TABLE tbtotals DROP COLUMN lowid");
    }
    book.reopen();
    Database& db = book.db();
    verifyKeptSums(db);
    QCOMPARE(rowsOf(db, "SELECT codeins, num, h, n FROM tbtotals ORDER BY codeins, num"),
             (QStringList{"h3|123|40|1", "h5|12345|250|1", "h5|54321|80|1"}));
    immediateCut(db, Kind::h5);
    bet(db, "54321", Kind::h5, 70);
    immediateCut(db, Kind::h5);
    QCOMPARE(linesOf(db, Kind::h5),
             (QStringList{"12345|100|การตัดยอด", "54321|100|การตัดยอด"}));
    QCOMPARE(sentOf(db, Kind::h5), QStringList{"54321|50"});
    QCOMPARE(keptOf(db, Kind::h5), (QStringList{"12345|100", "54321|100"}));
    verifyKeptSums(db);
}

TABULOX_TEST(GroupCutTest)
#include "groupcut_test.moc"
