#include "exchange/sheetimport.h"
#include "support/engines.h"
#include "support/tempbook.h"

namespace {
sheetfile::Row row(int line, const QString& num, const QString& h = {}, const QString& t = {},
                   const QString& l = {}) {
    return {line, num, h, t, l};
}

QStringList book(Database& db, const char* table = "tball") {
    return rowsOf(db, QStringLiteral("SELECT num, h, t, l, cus, codeins FROM %1 ORDER BY id")
                          .arg(QLatin1String(table)));
}

// The kept sums as a fresh count over the book would give them.
void sumsAgree(Database& db) {
    QCOMPARE(rowsOf(db, "SELECT codeins, num, h, t, l, n FROM tbtotals ORDER BY codeins, num"),
             rowsOf(db, "SELECT codeins, num, sum(h), sum(t), sum(l), count(*) FROM tball "
                        "GROUP BY codeins, num ORDER BY codeins, num"));
    QCOMPARE(rowsOf(db, "SELECT codeins, h, t, l, n, cnum FROM tbkind ORDER BY codeins"),
             rowsOf(db, "SELECT codeins, sum(h), sum(t), sum(l), count(*), count(num) FROM "
                        "tball GROUP BY codeins ORDER BY codeins"));
}
} // namespace

class SheetImportTest : public testing::BothEngines {
    Q_OBJECT
private slots:
    void linesByTheNumbersLength() {
        TempBook temp;
        Database& db = temp.db();
        db.exec("INSERT INTO tball (num, h, cus, codeins) VALUES ('158', 5, 'x', 't3')");
        const sheetimport::Result result = sheetimport::import(
            db,
            {row(2, "815", "10", "20", "30"), row(3, "12", "", "", "50"), row(4, "๐๗", "5"),
             row(5, " 1 2 3 4 ", "７"), row(6, "12345", "9", "1", "1"), row(7, "1234567", "1"),
             row(8, "")},
            "ก", true);
        QCOMPARE(result.rows, 5);
        QCOMPARE(result.lines, 3 + 3 + 3 + 1 + 1);
        QCOMPARE(
            book(db).mid(1),
            (QStringList{"815|10|0|0|ก|h3", "158|0|20|0|ก|t3", "815|0|0|30|ก|l3", "12|0|0|0|ก|h2",
                         "12|0|0|0|ก|t2", "12|0|0|50|ก|l2", "07|5|0|0|ก|h2", "07|0|0|0|ก|t2",
                         "07|0|0|0|ก|l2", "1234|7|0|0|ก|h4", "12345|9|0|0|ก|h5"}));
        QCOMPARE(book(db, "tballcus"), book(db).mid(1));
        sumsAgree(db);
        // Skipped rows are named; none is dropped unseen.
        QCOMPARE(result.skipped.size(), 2);
        QCOMPARE(result.skipped[0].line, 7);
        const QString said = sheetimport::report(result);
        QVERIFY2(said.contains("แถวที่ 7 เลข \"1234567\"") && said.contains("แถวที่ 8"),
                 qPrintable(said));
        // No tblog row: an import is not a typed line.
        QCOMPARE(db.scalar("SELECT count(*) FROM tblog").toInt(), 0);

        // Digits as typed when they are kept apart.
        sheetimport::import(db, {row(2, "815", "0", "20", "0")}, "ข", false);
        QCOMPARE(book(db).at(13), QStringLiteral("815|0|20|0|ข|t3"));
    }

    void stopEndsTheImportAndNamesTheRowBefore() {
        TempBook temp;
        const sheetimport::Result result =
            sheetimport::import(temp.db(),
                                {row(2, "1", "1"), row(3, "2", "2"), row(4, "3", "3"),
                                 row(5, "45", "4", "", "6"), row(6, "stop"), row(7, "9", "9")},
                                "แบบรวม", true);
        QCOMPARE(result.rows, 4);
        QCOMPARE(result.stopText, QStringLiteral("สิ้นสุดข้อมูลที่เลข45--4--0--6"));
        QCOMPARE(temp.db().scalar("SELECT count(*) FROM tball WHERE num = '9'").toInt(), 0);
    }

    void aRefusedRowLeavesTheBookAsItWas() {
        TempBook temp;
        Database& db = temp.db();
        sheetimport::import(db, {row(2, "11", "1")}, "ก", true);
        const QStringList before = book(db) + rowsOf(db, "SELECT * FROM tbtotals");
        try {
            sheetimport::import(db, {row(2, "12", "5"), row(3, "13", "abc"), row(4, "14", "1")},
                                "ก", true);
            QFAIL("a stake that is no amount was taken");
        } catch (const RowRefused& refused) {
            QCOMPARE(refused.line(), 3);
            QVERIFY(refused.message().contains("แถวที่ 3"));
        }
        QCOMPARE(book(db) + rowsOf(db, "SELECT * FROM tbtotals"), before);
        // The book's sums follow lines again after the refusal.
        db.exec("INSERT INTO tball (num, h, cus, codeins) VALUES ('11', 2, 'x', 'h2')");
        sumsAgree(db);
    }
};

TABULOX_TEST(SheetImportTest)
#include "sheetimport_test.moc"
