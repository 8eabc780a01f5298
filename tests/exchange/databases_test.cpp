#include "common/settings.h"
#include "exchange/bookmerge.h"
#include "exchange/sentfile.h"
#include "exchange/sourcebook.h"
#include "support/engines.h"
#include "support/tempbook.h"

#include <QFile>

namespace {
void bet(Database& db, const char* table, const QString& num, Kind kind, double stake,
         const QString& customer) {
    db.exec(QStringLiteral("INSERT INTO %1 (num, %2, cus, codeins) VALUES (?, ?, ?, ?)")
                .arg(QLatin1String(table), stakeColumn(kind)),
            {num, stake, customer, kindCode(kind)});
}

QStringList lines(Database& db, const char* table) {
    return rowsOf(db, QStringLiteral("SELECT num, h, t, l, cus, codeins FROM %1 ORDER BY id")
                          .arg(QLatin1String(table)));
}

QStringList everything(Database& db) {
    return lines(db, "tball") + lines(db, "tballcus") +
           rowsOf(db, "SELECT * FROM tbtotals ORDER BY codeins, num") +
           rowsOf(db, "SELECT num, h, l, t, rep, cod, name FROM sentall ORDER BY num") +
           rowsOf(db, "SELECT num, h, codeins, nn FROM cutlog ORDER BY num") +
           rowsOf(db, "SELECT back8 FROM backc") + rowsOf(db, "SELECT * FROM cutlogc") +
           rowsOf(db, "SELECT s FROM tblog ORDER BY id");
}

void sumsAgree(Database& db) {
    QCOMPARE(rowsOf(db, "SELECT codeins, num, h, t, l, n FROM tbtotals ORDER BY codeins, num"),
             rowsOf(db, "SELECT codeins, num, sum(h), sum(t), sum(l), count(*) FROM tball "
                        "GROUP BY codeins, num ORDER BY codeins, num"));
}

// Another computer's book: its lines, entered lines, logs and counters.
void fillSource(Database& db) {
    bet(db, "tball", "123", Kind::h3, 100, "ก");
    bet(db, "tball", "45", Kind::l2, 20, "การตัดยอด");
    bet(db, "tballcus", "123", Kind::h3, 150, "ก");
    bet(db, "tballcus", "9", Kind::h1, 5, "ข");
    db.exec("INSERT INTO sentall (num, h, rep, cod, name) VALUES ('777', 50, 1, '3', 'h3')");
    db.exec("INSERT INTO cutlog (num, h, codeins, nn) VALUES ('88', 30, 'h2', '2')");
    SettingsRecord(db).set(Backc::back8, "3");
    db.exec("UPDATE cutlogc SET h2 = '2', h5 = '4'");
}
} // namespace

class DatabasesTest : public testing::BothEngines {
    Q_OBJECT
private slots:
    void mergeAddsLinesAndTakesTheLogs() {
        TempBook source(Engine::sqlite);
        fillSource(source.db());
        TempBook temp;
        Database& book = temp.db();
        bet(book, "tball", "555", Kind::h3, 1, "x");
        book.exec("INSERT INTO sentall (num, h, rep, cod, name) VALUES ('111', 9, 1, '1', 'h3')");
        book.exec("INSERT INTO cutlog (num, h, codeins, nn) VALUES ('11', 9, 'h2', '1')");

        std::unique_ptr<SourceBook> file = SourceBook::open(source.dbPath());
        int last = -1;
        const bookmerge::Result result =
            bookmerge::merge(book, *file, false, [&](bookmerge::Stage stage, int percent) {
                if (stage == bookmerge::Stage::bets)
                    last = percent;
            });
        QCOMPARE(result.rows, 2);
        QCOMPARE(last, 100);
        // Each line of the other book twice: in the book and among the entered lines; its
        // own entered lines are not read.
        QCOMPARE(lines(book, "tball"),
                 (QStringList{"555|1|0|0|x|h3", "123|100|0|0|ก|h3", "45|0|0|20|การตัดยอด|l2"}));
        QCOMPARE(lines(book, "tballcus"), lines(book, "tball").mid(1));
        QCOMPARE(rowsOf(book, "SELECT s FROM tblog"), QStringList{"2"});
        // The logs, cut number and counters are the other book's; the kind of a sent row
        // stays, so the cut can still be taken back.
        QCOMPARE(rowsOf(book, "SELECT num, h, rep, cod, name FROM sentall"),
                 QStringList{"777|50|1|3|h3"});
        QCOMPARE(rowsOf(book, "SELECT num, h, codeins, nn FROM cutlog"), QStringList{"88|30|h2|2"});
        QCOMPARE(SettingsRecord(book).text(Backc::back8), QStringLiteral("3"));
        QCOMPARE(rowsOf(book, "SELECT h2, h5, h3 FROM cutlogc"), QStringList{"2|4|0"});
        sumsAgree(book);
        QCOMPARE(bookmerge::doneText(result.rows), QStringLiteral("เพิ่มฐานข้อมูล2แถวเรียบร้อย"));

        // Entered lines apart: the other book's entered lines, not its book's, join ours.
        source.db().exec("DELETE FROM sentall");
        bookmerge::merge(book, *file, true);
        QCOMPARE(lines(book, "tballcus").mid(2), (QStringList{"123|150|0|0|ก|h3", "9|5|0|0|ข|h1"}));
        QCOMPARE(lines(book, "tball").size(), 5);
        // An empty sent log leaves ours empty.
        QCOMPARE(book.scalar("SELECT count(*) FROM sentall").toInt(), 0);
        sumsAgree(book);
    }

    void aRefusedRowOrAMissingTableLeavesTheBookAsItWas() {
        TempBook source(Engine::sqlite);
        fillSource(source.db());
        source.db().exec(
            "INSERT INTO tball (num, h, cus, codeins) VALUES ('12', 'abc', 'ก', 'h2')");
        TempBook temp;
        Database& book = temp.db();
        bet(book, "tball", "555", Kind::h3, 1, "x");
        book.exec("INSERT INTO sentall (num, h, rep, cod, name) VALUES ('111', 9, 1, '1', 'h3')");
        const QStringList before = everything(book);
        std::unique_ptr<SourceBook> file = SourceBook::open(source.dbPath());
        try {
            bookmerge::merge(book, *file, false);
            QFAIL("a line whose stake is text was merged");
        } catch (const RowRefused& refused) {
            QCOMPARE(refused.line(), 3);
        }
        QCOMPARE(everything(book), before);

        source.db().exec("DROP TABLE cutlog");
        std::unique_ptr<SourceBook> partial = SourceBook::open(source.dbPath());
        QVERIFY_THROWS_EXCEPTION(StoreError, bookmerge::merge(book, *partial, false));
        QCOMPARE(everything(book), before);

        // A file that is no database at all is said by the engine.
        QFile junk(temp.folder() + "junk.mde");
        QVERIFY(junk.open(QIODevice::WriteOnly));
        junk.write(QByteArray(8192, 'x'));
        junk.close();
        QVERIFY_THROWS_EXCEPTION(StoreError, SourceBook::open(junk.fileName()));
    }

    // Lines whose fields are all numbers and texts go over inside the engine; a stake kept as
    // text sends the merge through the reader row by row. Both give the same book.
    void aStakeKeptAsTextMergesAsANumberDoes() {
        QStringList merged[2];
        QStringList kinds[2];
        for (int text = 0; text < 2; ++text) {
            TempBook source(Engine::sqlite);
            fillSource(source.db());
            source.db().exec("INSERT INTO tball (num, h, t, l, cus, codeins) VALUES (NULL, NULL, "
                             "2.5, NULL, NULL, 't3'), ('07', 0, 0, 3, 'ค', NULL)");
            source.db().exec(text ? "INSERT INTO tball (num, h, cus, codeins) VALUES ('12', ' 7 ', "
                                    "'ก', 'h2')"
                                  : "INSERT INTO tball (num, h, cus, codeins) VALUES ('12', 7, "
                                    "'ก', 'h2')");
            TempBook temp;
            Database& book = temp.db();
            bet(book, "tball", "12", Kind::h2, 1, "x");
            std::unique_ptr<SourceBook> file = SourceBook::open(source.dbPath());
            QCOMPARE(bookmerge::merge(book, *file, false).rows, 5);
            QCOMPARE(bookmerge::merge(book, *file, true).entered, 2);
            merged[text] = lines(book, "tball") + lines(book, "tballcus") +
                           rowsOf(book, "SELECT * FROM tbtotals ORDER BY codeins, num");
            kinds[text] = rowsOf(book, "SELECT codeins, h, t, l, n, cnum FROM tbkind ORDER BY "
                                       "codeins");
            QCOMPARE(kinds[text],
                     rowsOf(book, "SELECT coalesce(codeins, ''), sum(coalesce(h, 0)), "
                                  "sum(coalesce(t, 0)), sum(coalesce(l, 0)), count(*), count(num) "
                                  "FROM tball GROUP BY coalesce(codeins, '') ORDER BY 1"));
            // Lines without a kind or number count under ''.
            QCOMPARE(rowsOf(book, "SELECT codeins, num, h, t, l, n FROM tbtotals ORDER BY 1, 2"),
                     rowsOf(book, "SELECT coalesce(codeins, ''), coalesce(num, ''), "
                                  "sum(coalesce(h, 0)), sum(coalesce(t, 0)), sum(coalesce(l, 0)), "
                                  "count(*) FROM tball GROUP BY 1, 2 ORDER BY 1, 2"));
        }
        QCOMPARE(merged[1], merged[0]);
        QCOMPARE(kinds[1], kinds[0]);
        QVERIFY(merged[0].contains("12|7|0|0|ก|h2"));
    }

    // A large batch builds the entered lines' indexes after its rows: they are all there again.
    void aLargeMergeKeepsTheIndexes() {
        TempBook source(Engine::sqlite);
        source.db().exec("WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE "
                         "i < 49999) INSERT INTO tball (num, h, cus, codeins) SELECT "
                         "substr('00' || (i % 1000), -3), 1, 'ก', 'h3' FROM n");
        TempBook temp;
        Database& book = temp.db();
        std::unique_ptr<SourceBook> file = SourceBook::open(source.dbPath());
        QCOMPARE(bookmerge::merge(book, *file, false).rows, 50000);
        for (const char* index : {"tballcus_ti2", "tballcus_cus", "tballcus_win", "tballcus_kind"})
            QVERIFY2(book.indexExists(index), index);
        QCOMPARE(book.scalar("SELECT count(*) FROM tballcus").toInt(), 50000);
        QCOMPARE(rowsOf(book, "SELECT h, n FROM tbtotals WHERE num = '007'"), QStringList{"50|50"});
    }

    void sentAmountsOutAndBackIn() {
        TempBook temp;
        Database& book = temp.db();
        book.exec("INSERT INTO t3sent (num, t, rep) VALUES ('123', 500, 1)");
        book.exec("INSERT INTO h2sent (num, h, rep) VALUES ('05', 70, 2)");
        const QString path = temp.folder() + "export.mdb";
        QFile old(path);
        QVERIFY(old.open(QIODevice::WriteOnly));
        old.write("an earlier file");
        old.close();
        QCOMPARE(sentfile::write(book, path, Kind::t3), 1);
        {
            std::unique_ptr<Database> file = Database::openExistingReadOnly(path);
            QCOMPARE(rowsOf(*file, "SELECT * FROM tball"), QStringList{"123|0|500|0|t3"});
        }
        QCOMPARE(sentfile::write(book, path, std::nullopt), 2);
        {
            std::unique_ptr<Database> file = Database::openExistingReadOnly(path);
            QCOMPARE(rowsOf(*file, "SELECT * FROM tball"),
                     (QStringList{"123|0|500|0|t3", "05|70|0|0|h2"}));
            file->exec("SELECT 1");
        }
        QVERIFY(!QFile::exists(path + ".part"));
        const QString copy = temp.folder() + "sent/to/dealer.mdb";
        QVERIFY(!sentfile::copyOver(path, copy).isEmpty()); // no such folder: said
        QVERIFY(sentfile::copyOver(path, temp.folder() + "dealer.mdb").isEmpty());

        // Read back as bets of one customer, in the book and the entered lines.
        {
            std::unique_ptr<Database> file = Database::openFile(temp.folder() + "dealer.mdb");
            file->exec("INSERT INTO tball (num, h, codeins) VALUES ('12', 5, 'zz')");
        }
        std::unique_ptr<SourceBook> source = SourceBook::open(temp.folder() + "dealer.mdb");
        const sentfile::Added added = sentfile::add(book, *source, "แบบรวม");
        QCOMPARE(added.rows, 2);
        QCOMPARE(added.skipped.size(), 1);
        QCOMPARE(lines(book, "tball"),
                 (QStringList{"123|0|500|0|แบบรวม|t3", "05|70|0|0|แบบรวม|h2"}));
        QCOMPARE(lines(book, "tballcus"), lines(book, "tball"));
        QCOMPARE(book.scalar("SELECT count(*) FROM tblog").toInt(), 0);
        QVERIFY(sentfile::addedText(added).startsWith("เพิ่มฐานข้อมูล2แถวเรียบร้อย"));
        sumsAgree(book);
    }
};

TABULOX_TEST(DatabasesTest)
#include "databases_test.moc"
