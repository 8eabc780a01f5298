#include "books.h"
#include "cutting/cutbylimit.h"
#include "maintenance/deletion.h"
#include "store/kindrow.h"
#include "support/engines.h"
#include "support/tempbook.h"
#include "support/testmain.h"

using books::enterLine;
using books::everyTable;
using deletion::Table;

namespace {
QString at(int second) {
    return QStringLiteral("2024-06-16 09:00:%1").arg(second, 2, 10, QLatin1Char('0'));
}

qint64 idOf(Database& db, const QString& table, const QString& num, const QString& code,
            const QString& time) {
    return db
        .scalar(QStringLiteral("SELECT min(id) FROM %1 WHERE num = ? AND codeins = ? AND tim = ?")
                    .arg(table),
                {num, code, time})
        .toLongLong();
}

// num|stake|customer of a table in entry order.
QStringList rowsIn(Database& db, const QString& table) {
    return rowsOf(db, QStringLiteral("SELECT num, h + t + l, cus, codeins FROM %1 ORDER BY id")
                          .arg(table));
}

// Five lines, then an immediate cut of h3 that takes the h3 lines out of the book and writes
// its own lines after them; the entered lines stay as typed.
void linesAndACut(Database& db) {
    enterLine(db, at(0), {{"123", Kind::h3, 100}, {"123", Kind::t3, 50}}, "ก");
    enterLine(db, at(1), {{"45", Kind::h2, 30}, {"54", Kind::h2, 30}}, "ข");
    enterLine(db, at(2), {{"123", Kind::h3, 20}, {"7", Kind::h1, 5}}, "ก");
    enterLine(db, at(3), {{"45", Kind::h2, 10}, {"45", Kind::h2, 11}}, "ค");
    enterLine(db, at(4), {{"999", Kind::h3, 1}}, "ข");
    kindrow::write(db, "change2", static_cast<int>(Kind::h3), "50");
    cut::immediateCut(db, Kind::h3);
}

// Every statement that deletes a row of tball numbered 54 is refused.
void refuseDeleting54(Database& db) {
    if (db.engine() == Engine::postgres) {
        db.exec("CREATE FUNCTION refuse54() RETURNS trigger LANGUAGE plpgsql AS $$ BEGIN IF "
                "OLD.num = '54' THEN RAISE EXCEPTION 'refused'; END IF; RETURN OLD; END $$");
        db.exec("CREATE TRIGGER refuse54 BEFORE DELETE ON tball FOR EACH ROW EXECUTE FUNCTION "
                "refuse54()");
    } else {
        db.exec("CREATE TRIGGER refuse54 BEFORE DELETE ON tball WHEN old.num = '54' BEGIN "
                "SELECT RAISE(ABORT, 'refused'); END");
    }
}
} // namespace

class DeletionTest : public testing::BothEngines {
    Q_OBJECT
private slots:
    void byCondition();
    void oneNumberAndOneLine();
    void rowsAfterACutTakeTheirOwnLines();
    void aTimeOfManyRows();
    void rebuildFromTheEnteredLines();
    void aRefusedDeletionChangesNothing();
};

void DeletionTest::byCondition() {
    TempBook book;
    Database& db = book.db();
    for (int i = 1; i <= 12; ++i)
        enterLine(db, at(i), {{books::numberFor(i % 3 ? Kind::h3 : Kind::t2, i),
                               i % 3 ? Kind::h3 : Kind::t2, double(i)}},
                  i % 2 ? "ก" : "ข");

    QCOMPARE(deletion::byEntry(db, Table::book, 10, false), 3);
    QCOMPARE(rowsOf(db, "SELECT max(id) FROM tball"), QStringList{"9"});
    QCOMPARE(rowsOf(db, "SELECT count(*) FROM tballcus"), QStringList{"12"});
    QCOMPARE(deletion::byEntry(db, Table::entered, 10, true), 10);
    QCOMPARE(rowsOf(db, "SELECT id FROM tballcus ORDER BY id"), (QStringList{"11", "12"}));

    QCOMPARE(deletion::byCustomer(db, Table::book, "ก"), 5);
    QCOMPARE(rowsOf(db, "SELECT id FROM tball ORDER BY id"), (QStringList{"2", "4", "6", "8"}));
    QCOMPARE(deletion::byKind(db, Table::book, Kind::t2), 1);
    QCOMPARE(rowsOf(db, "SELECT id FROM tball ORDER BY id"), (QStringList{"2", "4", "8"}));
    QCOMPARE(deletion::byKind(db, Table::entered, Kind::t2), 1);
    QCOMPARE(rowsOf(db, "SELECT id FROM tballcus ORDER BY id"), QStringList{"11"});
    // A name is a value, never a part of the statement.
    QCOMPARE(deletion::byCustomer(db, Table::book, "x' OR '1'='1"), 0);
    QCOMPARE(rowsOf(db, "SELECT count(*) FROM tball"), QStringList{"3"});
    verifyKeptSums(db);

    // A number shared with another customer keeps his part; rows without a number go too.
    enterLine(db, at(20), {{"555", Kind::h3, 7}, {"555", Kind::t3, 2}}, "ค");
    enterLine(db, at(21), {{"555", Kind::h3, 4}}, "ง");
    db.exec("INSERT INTO tball (num, h, cus, codeins) VALUES (NULL, 9, 'ค', 'h3')");
    db.exec("INSERT INTO tball (num, h, cus, codeins) VALUES (NULL, 1, 'ง', 'h3')");
    QCOMPARE(deletion::byCustomer(db, Table::book, "ค"), 3);
    QCOMPARE(rowsOf(db, "SELECT num, h, n FROM tbtotals WHERE codeins = 'h3' AND num IN "
                        "('555', '') ORDER BY num"),
             (QStringList{"|1|1", "555|4|1"}));
    verifyKeptSums(db);
    QCOMPARE(deletion::questionEnding(Table::entered), QStringLiteral("จากข้อมูลสำรองหรือไม่ ?"));
}

void DeletionTest::oneNumberAndOneLine() {
    TempBook book;
    Database& db = book.db();
    enterLine(db, at(0), {{"123", Kind::h3, 10}, {"123", Kind::t3, 5}, {"12", Kind::h2, 3}}, "ก");
    // Entered at the same time on another computer.
    enterLine(db, at(0), {{"456", Kind::h3, 7}}, "ข");
    enterLine(db, at(1), {{"123", Kind::h3, 2}}, "ก");

    const qint64 picked = idOf(db, "tball", "123", "h3", at(0));
    QCOMPARE(deletion::numberOfLine(db, picked, "123", "h3", at(0)), 1);
    const QStringList left = {"123|5|ก|t3", "12|3|ก|h2", "456|7|ข|h3", "123|2|ก|h3"};
    QCOMPARE(rowsIn(db, "tball"), left);
    QCOMPARE(rowsIn(db, "tballcus"), left);

    QCOMPARE(deletion::wholeLine(db, idOf(db, "tball", "12", "h2", at(0)), at(0)), 3);
    QCOMPARE(rowsIn(db, "tball"), QStringList{"123|2|ก|h3"});
    QCOMPARE(rowsIn(db, "tballcus"), QStringList{"123|2|ก|h3"});
    verifyKeptSums(db);
}

void DeletionTest::rowsAfterACutTakeTheirOwnLines() {
    {
        TempBook book;
        Database& db = book.db();
        linesAndACut(db);
        QCOMPARE(rowsIn(db, "tball"),
                 (QStringList{"123|50|ก|t3", "45|30|ข|h2", "54|30|ข|h2", "7|5|ก|h1", "45|10|ค|h2",
                              "45|11|ค|h2", "123|50|การตัดยอด|h3", "999|1|การตัดยอด|h3"}));
        // A range from the second line to the third: the third line's h3 row went into the cut
        // and stays entered.
        const qint64 first = idOf(db, "tball", "45", "h2", at(1));
        const qint64 last = idOf(db, "tball", "7", "h1", at(2));
        QCOMPARE(deletion::rows(db, first, last, true), 3);
        QCOMPARE(rowsIn(db, "tballcus"),
                 (QStringList{"123|100|ก|h3", "123|50|ก|t3", "123|20|ก|h3", "45|10|ค|h2",
                              "45|11|ค|h2", "999|1|ข|h3"}));
        verifyKeptSums(db);
    }
    {
        // The second of two equal rows of a line takes the second entered one.
        TempBook book;
        Database& db = book.db();
        linesAndACut(db);
        const qint64 second =
            db.scalar("SELECT max(id) FROM tball WHERE num = '45' AND cus = 'ค'").toLongLong();
        QCOMPARE(deletion::rows(db, second, second, true), 1);
        QCOMPARE(rowsOf(db, "SELECT h FROM tballcus WHERE cus = 'ค' ORDER BY id"),
                 QStringList{"10"});
        QCOMPARE(rowsOf(db, "SELECT h FROM tball WHERE cus = 'ค' ORDER BY id"), QStringList{"10"});
    }
    {
        // From the cut's lines to the end: nothing was entered with them.
        TempBook book;
        Database& db = book.db();
        linesAndACut(db);
        const QStringList entered = rowsIn(db, "tballcus");
        const qint64 first = db.scalar("SELECT min(id) FROM tball WHERE cus = 'การตัดยอด'").toLongLong();
        const qint64 last = db.scalar("SELECT max(id) FROM tball").toLongLong();
        QCOMPARE(deletion::rows(db, first, last, true), 2);
        QCOMPARE(rowsIn(db, "tballcus"), entered);
        // A station keeps its entered lines whatever it deletes.
        QCOMPARE(deletion::rows(db, 1, 3, false), 2);
        QCOMPARE(rowsIn(db, "tballcus"), entered);
        verifyKeptSums(db);
    }
}

void DeletionTest::aTimeOfManyRows() {
    TempBook book;
    Database& db = book.db();
    enterLine(db, at(0), {{"111", Kind::h3, 1}});
    // A cut's lines share one time: far more than one stretch of ids.
    db.exec("INSERT INTO tball (num, h, cus, codeins, tim, ti2) WITH RECURSIVE n(i) AS (SELECT 1 "
            "UNION ALL SELECT i + 1 FROM n WHERE i < 10000) SELECT CAST(i % 1000 AS TEXT), 1, "
            "'ตัดยอด-1', 'h3', ?, ? FROM n",
            {at(5), at(5)});
    enterLine(db, at(6), {{"222", Kind::h3, 2}});
    const qint64 middle = db.scalar("SELECT min(id) + 5000 FROM tball WHERE tim = ?", {at(5)})
                              .toLongLong();
    QCOMPARE(deletion::wholeLine(db, middle, at(5)), 10000);
    QCOMPARE(rowsIn(db, "tball"), (QStringList{"111|1|ก|h3", "222|2|ก|h3"}));
    verifyKeptSums(db);
}

void DeletionTest::rebuildFromTheEnteredLines() {
    TempBook book;
    Database& db = book.db();
    linesAndACut(db);
    const QStringList kept = books::sortedRows(db, "h3cut");
    const char* line = "num, h, t, l, cus, codeins, tim, ti2";
    const QStringList entered =
        rowsOf(db, QStringLiteral("SELECT %1 FROM tballcus ORDER BY id").arg(QLatin1String(line)));

    QCOMPARE(deletion::rebuildFromEntered(db), 9);
    QCOMPARE(rowsOf(db, QStringLiteral("SELECT %1 FROM tball ORDER BY id").arg(QLatin1String(line))),
             entered);
    QCOMPARE(rowsOf(db, "SELECT min(id), max(id) FROM tball"), QStringList{"1|9"});
    QCOMPARE(books::sortedRows(db, "h3cut"), kept);
    verifyKeptSums(db);
    QCOMPARE(rowsOf(db, "SELECT h FROM h3 WHERE num = '123'"), QStringList{"120"});

    // The lines keep their stamps: the dialog takes back one line, not the whole book.
    QCOMPARE(deletion::wholeLine(db, idOf(db, "tball", "54", "h2", at(1)), at(1)), 2);
    QCOMPARE(rowsOf(db, "SELECT count(*) FROM tball"), QStringList{"7"});
    QCOMPARE(rowsOf(db, "SELECT count(*) FROM tballcus"), QStringList{"7"});
}

void DeletionTest::aRefusedDeletionChangesNothing() {
    TempBook book;
    Database& db = book.db();
    linesAndACut(db);
    refuseDeleting54(db);
    const QStringList before = everyTable(db);
    const qint64 first = idOf(db, "tball", "45", "h2", at(1));
    QVERIFY_THROWS_EXCEPTION(StoreError, deletion::rows(db, first, first + 2, true));
    QVERIFY_THROWS_EXCEPTION(StoreError, deletion::wholeLine(db, first, at(1)));
    QVERIFY_THROWS_EXCEPTION(StoreError, deletion::byCustomer(db, Table::book, "ข"));
    QVERIFY(!db.inTransaction());
    QCOMPARE(everyTable(db), before);

    // The book made again, refused at its sums.
    books::replaceByView(db, "tbkind", "codeins, h, t, l, n, n AS cnum FROM tbtotals");
    const QStringList sabotaged = everyTable(db);
    QVERIFY_THROWS_EXCEPTION(StoreError, deletion::rebuildFromEntered(db));
    QCOMPARE(everyTable(db), sabotaged);
}

TABULOX_TEST(DeletionTest)
#include "deletion_test.moc"
