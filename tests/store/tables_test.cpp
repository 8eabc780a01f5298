#include "store/defaults.h"
#include "store/schema.h"
#include "support/engines.h"
#include "support/tempbook.h"
#include "support/testmain.h"

#include <QSet>

class TablesTest : public testing::BothEngines {
    Q_OBJECT
private slots:
    void everyTableExists();
    void positionalLayouts();
    void tablesCreatedByStatement();
    void seededRows();
    void fixedNumberTables();
};

void TablesTest::everyTableExists() {
    TempBook book;
    const QStringList tables = {
        "tball",   "tballcus", "tblog",     "tballsent", "tballsave2", "2hh",     "ref",
        "h3cut",   "t3cut",    "l3cut",     "h2cut",     "l2cut",      "t2cut",   "h1cut",
        "l1cut",   "h4cut",    "h5cut",     "h3sent",    "t3sent",     "l3sent",  "h2sent",
        "l2sent",  "t2sent",   "h1sent",    "l1sent",    "h4sent",     "h5sent",  "h2sent2",
        "h3sent2", "t2sent2",  "t3sent2",   "l2sent2",   "l3sent2",    "h4cut2",  "h5cut2",
        "sentall", "sentall2", "cutlog",    "cutlogc",   "ht3cut",     "ht3sent", "ht2sent",
        "ht1sent", "change2",  "numlimit",  "numlimit2", "limit",      "autocut", "cus",
        "change",  "change3",  "checkdata", "checkcus",  "cusexe",     "cusexe2", "tbycus",
        "tball24", "tball60",  "tball64",   "tball120",  "tball220",   "h1000",   "tot",
        "backc",   "cstr",     "emenu",     "pass",      "disp",       "auto"};
    const QStringList known = schema::allTableNames();
    for (const QString& table : tables)
        QVERIFY2(book.db().tableExists(table) && known.contains(table), qPrintable(table));
}

void TablesTest::positionalLayouts() {
    TempBook book;
    Database& db = book.db();
    QCOMPARE(db.columnNames("tball"),
             (QStringList{"num", "h", "t", "l", "cus", "tim", "id", "codeins", "ti2"}));

    const QStringList cus = db.columnNames("cus");
    QCOMPARE(cus.size(), 43);
    QCOMPARE(cus.at(0), QString("name"));
    const QStringList percents = {"c3hp", "c3tp", "c3lp", "c2hp", "c2lp",
                                  "c2tp", "c1hp", "c1lp", "c4hp", "c5hp"};
    for (int i = 0; i < percents.size(); ++i)
        QCOMPARE(cus.at(1 + 3 * i), percents.at(i));
    QCOMPARE(cus.at(31), QString("id"));
    QCOMPARE(cus.mid(32, 10),
             (QStringList{"h3", "t3", "l3", "h2", "t2", "l2", "h1", "l1", "h4", "h5"}));
    QCOMPARE(cus.at(42), QString("id2"));

    QStringList backc{"back"};
    for (int i = 2; i <= 29; ++i)
        backc << QString("back%1").arg(i);
    QCOMPARE(db.columnNames("backc"), backc);

    const QStringList emenu = db.columnNames("emenu");
    QCOMPARE(emenu.size(), 33);
    QCOMPARE(emenu.at(0), QString("f1"));
    QCOMPARE(emenu.at(9), QString("f10"));
    QCOMPARE(emenu.mid(19, 4), (QStringList{"t2", "t3", "t4", "f1t"}));
    QCOMPARE(emenu.mid(28), (QStringList{"f7t", "t1", "f8t", "f9t", "f10t"}));

    QCOMPARE(db.columnNames("sentall"),
             (QStringList{"num", "h", "l", "t", "cus", "rep", "cod", "no", "name"}));
    QCOMPARE(db.columnNames("cutlog"), (QStringList{"num", "h", "codeins", "nn"}));
    QCOMPARE(db.columnNames("change"),
             (QStringList{"h3", "t3", "l3", "h2", "t2", "l2", "h1", "l1", "h4", "h5", "hb", "lb"}));
    const QStringList cusexe2 = db.columnNames("cusexe2");
    QCOMPARE(cusexe2.size(), 35);
    QCOMPARE(cusexe2.mid(0, 5), (QStringList{"cusid", "name", "c3hp", "sum3h", "data3h"}));
    QCOMPARE(cusexe2.mid(17, 9), (QStringList{"c1hp", "sum1h", "data1h", "c1lp", "sum1l", "data1l",
                                              "c2tp", "sum2t", "data2t"}));
    QCOMPARE(cusexe2.mid(26), (QStringList{"c5hp", "sum5h", "data5h", "c4hp", "sum4h", "data4h",
                                           "sumall", "sumallper", "sumresuit"}));
}

void TablesTest::tablesCreatedByStatement() {
    TempBook book;
    Database& db = book.db();
    QCOMPARE(db.columnNames("numlimit2"), (QStringList{"num", "h", "codeins", "id"}));
    // h defaults to 0 and id counts in insertion order; numbers keep their zeros.
    db.exec("INSERT INTO numlimit2 (num, codeins) VALUES ('012', 'h3')");
    db.exec("INSERT INTO numlimit2 (num, codeins) VALUES ('45', 'h2')");
    QCOMPARE(rowsOf(db, "SELECT num, h, codeins, id FROM numlimit2 ORDER BY id"),
             (QStringList{"012|0|h3|1", "45|0|h2|2"}));
    QCOMPARE(db.columnNames("t3sent2"), (QStringList{"num", "t", "rep"}));
    QCOMPARE(db.columnNames("h5cut2"), (QStringList{"num", "h", "codeins"}));
    // The station's copy dates its rows itself.
    db.exec("INSERT INTO tballsent (num, h, cus, codeins) VALUES ('123', 10, 'a', 'h3')");
    QVERIFY(!db.scalar("SELECT \"time\" FROM tballsent").toString().isEmpty());
}

void TablesTest::seededRows() {
    TempBook book;
    Database& db = book.db();
    for (const char* table : {"backc", "cstr", "emenu", "pass", "disp", "auto", "limit", "autocut",
                              "change", "change2", "change3", "checkdata", "cutlogc"}) {
        const QString sql = QString("SELECT count(*) FROM \"%1\"").arg(table);
        QVERIFY2(db.scalar(sql).toInt() == 1, table);
    }
    QCOMPARE(rowsOf(db, "SELECT back, back3, back7, back10, back13, back22, back29 FROM backc"),
             QStringList{"0|100|50|2|0|50|0"});
    // A server's book names the server.
    const QString place = book.engine() == Engine::postgres ? book.dbPath() : book.folder();
    QCOMPARE(rowsOf(db, "SELECT cstr2, tran FROM cstr"), QStringList{place + "|0"});
    QCOMPARE(db.scalar("SELECT pass FROM pass").toString(), defaults::storedPassword());
    QCOMPARE(db.scalar("SELECT l1 FROM \"limit\"").toDouble(), defaults::inputLimit().toDouble());
    QCOMPARE(rowsOf(db, "SELECT * FROM checkdata"), QStringList{"||||||"});
    // Every button and the set, normal and stock pages; the head page goes with the
    // head naming mode, which is off.
    QCOMPARE(rowsOf(db, "SELECT f1, f10, t1, t2, t3, t4, f1t, f8t, f9t, f10t FROM emenu"),
             QStringList{"1|1|1|1|0|1|3ตัวชุด-กลุ่ม|2ตัวบน-ล่าง/กลับ|All in One|รวมล่าง"});

    // The sample rows copy into the book.
    const int samples = db.scalar("SELECT count(*) FROM tballsave2").toInt();
    QVERIFY(samples >= 10);
    db.exec("INSERT INTO tball (num, h, t, l, cus, codeins) SELECT num, h, t, l, cus, codeins "
            "FROM tballsave2");
    QCOMPARE(db.scalar("SELECT n FROM tballcount").toInt(), samples);

    // A second opening of the same file seeds nothing again.
    book.reopen();
    QCOMPARE(book.db().scalar("SELECT count(*) FROM backc").toInt(), 1);
    QCOMPARE(book.db().scalar("SELECT count(*) FROM tot").toInt(), 220);
}

void TablesTest::fixedNumberTables() {
    TempBook book;
    Database& db = book.db();
    const QStringList hundreds = rowsOf(db, "SELECT num FROM h1000 ORDER BY num");
    QCOMPARE(hundreds.size(), 1000);
    QCOMPARE(QSet<QString>(hundreds.begin(), hundreds.end()).size(), 1000);
    QCOMPARE(hundreds.at(7), QString("007"));
    QCOMPARE(hundreds.last(), QString("999"));

    const QStringList tods = rowsOf(db, "SELECT num FROM tot");
    QCOMPARE(tods.size(), 220);
    QCOMPARE(QSet<QString>(tods.begin(), tods.end()).size(), 220);
    for (const QString& num : tods) {
        QVERIFY2(num.size() == 3 && num.at(0) <= num.at(1) && num.at(1) <= num.at(2),
                 qPrintable(num));
    }
    QVERIFY(db.scalar("SELECT count(*) FROM \"2hh\"").toInt() > 0);
}

TABULOX_TEST(TablesTest)
#include "tables_test.moc"
