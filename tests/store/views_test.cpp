#include "store/schema.h"
#include "support/engines.h"
#include "support/tempbook.h"
#include "support/testmain.h"

class ViewsTest : public testing::BothEngines {
    Q_OBJECT
private slots:
    void everyViewOpens();
    void totalsViewsMatchTheBook();
    void logAndSummaryViews();
    void settlementSources();
    void customerViews();
    void setModeScratchQuery();
};

namespace {

void bet(Database& db, const QString& table, const QString& num, const QString& kind, double stake,
         const QString& cus) {
    const QString column = kind.startsWith('t') ? "t" : kind.startsWith('l') ? "l" : "h";
    db.exec(
        QString("INSERT INTO %1 (num, %2, cus, codeins) VALUES (?, ?, ?, ?)").arg(table, column),
        {num, stake, cus, kind});
}

void betBoth(Database& db, const QString& num, const QString& kind, double stake,
             const QString& cus = "a") {
    bet(db, "tball", num, kind, stake, cus);
    bet(db, "tballcus", num, kind, stake, cus);
}

// A fresh GROUP BY over a bet table: one row per number, "alias=kind" or "alias=0" columns.
QString freshPivot(const QString& table, const QStringList& columns) {
    QStringList sums;
    QStringList kinds;
    for (const QString& column : columns) {
        const QString alias = column.section('=', 0, 0);
        const QString kind = column.section('=', 1);
        if (kind == "0") {
            sums << "0 AS " + alias;
            continue;
        }
        const QString stake = kind.startsWith('t') ? "t" : kind.startsWith('l') ? "l" : "h";
        sums << QString("sum(CASE WHEN codeins='%1' THEN %2 ELSE 0 END)").arg(kind, stake);
        kinds << "'" + kind + "'";
    }
    return QString("SELECT num, %1 FROM %2 WHERE codeins IN (%3) GROUP BY num ORDER BY num")
        .arg(sums.join(", "), table, kinds.join(","));
}

} // namespace

void ViewsTest::everyViewOpens() {
    TempBook book;
    Database& db = book.db();
    QStringList views = {"h3h",      "t3sph",      "l3h",       "h2h",       "l2h",
                         "t2h",      "ht3",        "h2h2",      "htl3excel", "hl2excel",
                         "hl1excel", "qsentall",   "qsentallp", "qsentall2", "qlog",
                         "ht3cutre", "ht3sentre",  "ht2sentre", "ht1sentre", "selectall",
                         "allbycus", "checkcussum"};
    for (const char* kind : {"h3", "t3", "l3", "h2", "l2", "t2"})
        views << QString(kind) + "limite" << QString(kind) + "limite2";
    for (const char* kind : {"h3", "t3", "l3", "h2", "l2", "t2", "h1", "l1", "h4", "h5"})
        views << QString(kind) + "cus";
    for (const char* group : {"3", "2", "1", "4", "5"})
        views << QString("tbycus") + group << QString("tbycus") + group + "2"
              << QString("tbycus") + group + "21";
    for (const char* size : {"24", "60", "64", "120", "220"})
        views << QString("qtball") + size;
    const QStringList known = schema::allViewNames();
    for (const QString& view : views) {
        QVERIFY2(db.viewExists(view) && known.contains(view), qPrintable(view));
        db.exec(QString("SELECT * FROM %1").arg(view));
    }
    // Readers that take these columns by name.
    QCOMPARE(db.columnNames("qsentall"), (QStringList{"num", "h", "l", "t", "rep", "cod"}));
    QCOMPARE(db.columnNames("qlog"), (QStringList{"num", "h", "codeins", "nn"}));
    QCOMPARE(db.columnNames("ht3cutre"), (QStringList{"num", "h", "t2"}));
    QCOMPARE(db.columnNames("hl2excel"), (QStringList{"num", "h", "l", "t"}));
    QCOMPARE(db.columnNames("h2h2"), (QStringList{"id", "num", "h"}));
    QCOMPARE(db.columnNames("t2cus"),
             (QStringList{"name", "cus", "num", "h", "ch3", "thai", "c2tp"}));
    QCOMPARE(db.columnNames("tbycus1"), (QStringList{"num", "h", "t", "l", "cus", "name"}));
}

void ViewsTest::totalsViewsMatchTheBook() {
    TempBook book;
    Database& db = book.db();
    // Inserts, deletes and updates; 007 keeps its zeros and 555 sums to 0.
    betBoth(db, "007", "h3", 10);
    betBoth(db, "007", "h3", 5);
    betBoth(db, "123", "h3", 40);
    betBoth(db, "123", "t3", 7);
    betBoth(db, "555", "h3", 20);
    betBoth(db, "555", "h3", -20);
    betBoth(db, "456", "l3", 12);
    betBoth(db, "789", "t3", 3);
    betBoth(db, "12", "h2", 30);
    betBoth(db, "12", "l2", 8);
    betBoth(db, "21", "t2", 6);
    betBoth(db, "07", "h2", 9);
    betBoth(db, "3", "h1", 4);
    betBoth(db, "3", "l1", 2);
    betBoth(db, "1234", "h4", 11);
    betBoth(db, "12345", "h5", 13);
    db.exec("DELETE FROM tball WHERE num='789'");
    db.exec("UPDATE tball SET h=h+1 WHERE num='123' AND codeins='h3'");
    db.exec("UPDATE tball SET num='124' WHERE num='456'");
    db.exec("UPDATE tball SET codeins='h2', h=l, l=0 WHERE num='12' AND codeins='l2'");

    const char* const sorted[][3] = {{"h3h", "h3", "h"}, {"t3sph", "t3", "t"}, {"l3h", "l3", "l"},
                                     {"h2h", "h2", "h"}, {"l2h", "l2", "l"},   {"t2h", "t2", "t"}};
    for (const auto& s : sorted) {
        const QString fresh = QString("SELECT num, sum(%1) AS s FROM tball WHERE codeins='%2' "
                                      "GROUP BY num ORDER BY s DESC, num")
                                  .arg(s[2], s[1]);
        QCOMPARE(rowsOf(db, QString("SELECT * FROM %1").arg(s[0])), rowsOf(db, fresh));
    }
    QCOMPARE(rowsOf(db, "SELECT * FROM h3h"), (QStringList{"123|41", "007|15", "555|0"}));

    QCOMPARE(rowsOf(db, "SELECT * FROM ht3"), rowsOf(db, freshPivot("tball", {"h=h3", "t=t3"})));
    QCOMPARE(rowsOf(db, "SELECT * FROM htl3excel"),
             rowsOf(db, freshPivot("tball", {"h=h3", "t=t3", "l=l3"})));
    QCOMPARE(rowsOf(db, "SELECT * FROM hl2excel"),
             rowsOf(db, freshPivot("tball", {"h=h2", "l=l2", "t=t2"})));
    QCOMPARE(rowsOf(db, "SELECT * FROM hl1excel"),
             rowsOf(db, freshPivot("tball", {"h=h1", "l=l1"})));
    QCOMPARE(rowsOf(db, "SELECT * FROM htl3excel WHERE num IN ('007','124','555')"),
             (QStringList{"007|15|0|0", "124|0|0|12", "555|0|0|0"}));

    // Remaining totals follow tball, entered totals tballcus.
    const QStringList groups[] = {{"3", "h=h3", "t=t3", "l=l3"},
                                  {"2", "h=h2", "t=t2", "l=l2"},
                                  {"1", "h=h1", "t=0", "l=l1"},
                                  {"4", "h=h4", "t=0", "l=0"},
                                  {"5", "h=h5", "t=0", "l=0"}};
    for (const QStringList& group : groups) {
        QCOMPARE(rowsOf(db, "SELECT * FROM tbycus" + group.first() + "21"),
                 rowsOf(db, freshPivot("tball", group.mid(1))));
        QCOMPARE(rowsOf(db, "SELECT * FROM tbycus" + group.first() + "2"),
                 rowsOf(db, freshPivot("tballcus", group.mid(1))));
    }

    // The hundred-number panel lists every two-digit number.
    const QStringList panel = rowsOf(db, "SELECT * FROM h2h2");
    QCOMPARE(panel.size(), 100);
    QCOMPARE(panel.first(), QString("0|00|0"));
    QCOMPARE(panel.at(7), QString("7|07|9"));
    QCOMPARE(panel.at(12), QString("12|12|38"));
    QCOMPARE(rowsOf(db, "SELECT num FROM h2h2 WHERE (id >95) AND (id<100)"),
             (QStringList{"96", "97", "98", "99"}));

    // Limited numbers: current totals, and the sent amounts of the latest cut.
    db.exec("INSERT INTO numlimit (num, h, codeins) VALUES ('007', 100, 'h3')");
    db.exec("INSERT INTO numlimit (num, h, codeins) VALUES ('999', 0, 'h3')");
    db.exec("INSERT INTO numlimit (num, h, codeins) VALUES ('123', 0, 't3')");
    db.exec("INSERT INTO h3sent (num, h, rep) VALUES ('007', 5, 1)");
    db.exec("INSERT INTO h3sent (num, h, rep) VALUES ('123', 41, 1)");
    QCOMPARE(rowsOf(db, "SELECT * FROM h3limite"), QStringList{"007|15"});
    QCOMPARE(rowsOf(db, "SELECT * FROM t3limite"), QStringList{"123|7"});
    QCOMPARE(rowsOf(db, "SELECT * FROM h3limite2"), QStringList{"007|5"});
}

void ViewsTest::logAndSummaryViews() {
    TempBook book;
    Database& db = book.db();
    const char* insert = "INSERT INTO sentall (num, h, l, t, rep, cod, name) VALUES "
                         "(?, ?, ?, ?, ?, ?, ?)";
    const QVariant none;
    db.exec(insert, {"12", 100, none, none, 2, "1", "h2"});
    db.exec(insert, {"12", none, 30, none, 2, "1", "l2"});
    db.exec(insert, {"123", 50, none, none, 1, "1", "h3"});
    db.exec(insert, {"1", 0, none, none, 2, "0", "h2"});
    db.exec(insert, {"12", 20, none, none, 2, "2", "h2"});
    db.exec("INSERT INTO sentall (num, h, rep) VALUES ('12', 5, 2)"); // an immediate cut
    QCOMPARE(rowsOf(db, "SELECT * FROM qsentall WHERE cod='1'"),
             (QStringList{"123|50|0|0|1|1", "12|100|30|0|2|1"}));
    QCOMPARE(rowsOf(db, "SELECT num, h + l + t FROM qsentallp"),
             (QStringList{"123|50", "1|0", "12|155"}));
    db.exec("INSERT INTO sentall2 (num, h, rep) VALUES ('12', 40, 2)");
    db.exec("INSERT INTO sentall2 (num, l, rep) VALUES ('12', 10, 2)");
    QCOMPARE(rowsOf(db, "SELECT * FROM qsentall2"), QStringList{"12|40|10|0|2"});

    db.exec("INSERT INTO cutlog VALUES ('123', 300, 'h3', '1')");
    db.exec("INSERT INTO cutlog VALUES ('123', 200, 'h3', '2')");
    db.exec("INSERT INTO cutlog VALUES ('123', 70, 't3', '1')");
    QCOMPARE(rowsOf(db, "SELECT num, h FROM qlog WHERE (codeins='h3')"), QStringList{"123|500"});

    // Combined summaries filled column by column.
    db.exec("INSERT INTO ht3cut (num, h) VALUES ('123', 500)");
    db.exec("INSERT INTO ht3cut (num, h) VALUES ('456', 200)");
    db.exec("INSERT INTO ht3cut (num, t) VALUES ('123', 80)");
    QCOMPARE(rowsOf(db, "SELECT * FROM ht3cutre"), (QStringList{"123|500|80", "456|200|0"}));
    db.exec("INSERT INTO ht3sent (num, h) VALUES ('007', 5)");
    db.exec("INSERT INTO ht3sent (num, l) VALUES ('007', 3)");
    QCOMPARE(rowsOf(db, "SELECT * FROM ht3sentre"), QStringList{"007|5|0|3"});
    db.exec("INSERT INTO ht2sent (num, t) VALUES ('12', 4)");
    QCOMPARE(rowsOf(db, "SELECT * FROM ht2sentre"), QStringList{"12|0|0|4"});
}

void ViewsTest::settlementSources() {
    TempBook book;
    Database& db = book.db();
    db.exec("INSERT INTO cus (name, id, c3hp, c3tp, c2tp, h3, t3, t2) VALUES "
            "('ann', 'ann', 10, 15, 5, 500, 100, 12)");
    db.exec("INSERT INTO cus (name, id, h3) VALUES ('bob\"s', 'bob\"s', 600)");
    betBoth(db, "123", "h3", 20, "ann");
    betBoth(db, "123", "t3", 7, "ann");
    betBoth(db, "21", "t2", 3, "ann");
    betBoth(db, "777", "h3", 9, "bob\"s");
    betBoth(db, "123", "h3", 50, "walk-in");
    bet(db, "tball", "123", "h3", 70, "ตัดยอด-1"); // a cut row, in tball only

    QCOMPARE(rowsOf(db, "SELECT * FROM h3cus"),
             (QStringList{"ann|ann|123|20|500|3ตัวบน|10", "bob\"s|bob\"s|777|9|600|3ตัวบน|"}));
    QCOMPARE(rowsOf(db, "SELECT * FROM t3cus"), QStringList{"ann|ann|123|7|100|3ตัวโต๊ด|15"});
    QCOMPARE(rowsOf(db, "SELECT num, h, thai, c2tp FROM t2cus"), QStringList{"21|3|คู่โต๊ด|5"});

    // The account statements read these sources into cusexe, then selectall.
    for (const char* kind : {"h3", "t3", "l3", "h2", "l2", "t2", "h1", "l1", "h5", "h4"}) {
        const QString code(kind);
        const QString pair = code.mid(1) + code.left(1);
        db.exec(QString("INSERT INTO cusexe (cusid, sum%1, c%1p, name) SELECT cus, h, c%1p, "
                        "name FROM %2cus")
                    .arg(pair, code));
    }
    QCOMPARE(rowsOf(db, "SELECT * FROM selectall"),
             (QStringList{"ann|20|7|0|0|0|3|0|0|0|0|ann", "bob\"s|9|0|0|0|0|0|0|0|0|0|bob\"s"}));

    db.exec("INSERT INTO checkcus (name, cus, num, h) SELECT name, cus, num, h FROM h3cus");
    db.exec("INSERT INTO checkcus (name, cus, num, h) SELECT name, cus, num, h FROM t3cus");
    QCOMPARE(rowsOf(db, "SELECT * FROM checkcussum"), (QStringList{"ann|ann", "bob\"s|bob\"s"}));
}

void ViewsTest::customerViews() {
    TempBook book;
    Database& db = book.db();
    db.exec("INSERT INTO cus (name, id) VALUES ('ann', 'ann')");
    db.exec("INSERT INTO cus (name, id) VALUES ('annแผ่นที่1', 'annแผ่นที่1')");
    betBoth(db, "007", "h3", 10, "ann");
    betBoth(db, "007", "h3", 5, "ann");
    betBoth(db, "007", "l3", 4, "ann");
    betBoth(db, "007", "t3", 2, "annแผ่นที่1");
    betBoth(db, "5", "l1", 3, "walk-in");
    db.exec("DELETE FROM tball"); // a cut or start-over does not change what was entered

    QCOMPARE(rowsOf(db, "SELECT * FROM tbycus3"),
             (QStringList{"007|15|0|4|ann|ann", "007|0|2|0|annแผ่นที่1|annแผ่นที่1"}));
    // A customer without a cus row is listed by the name on his lines alone.
    QCOMPARE(rowsOf(db, "SELECT * FROM tbycus1"), QStringList{"5|0|0|3|walk-in|"});
    QCOMPARE(
        db.scalar("SELECT sum(t) FROM allbycus WHERE cus LIKE 'ann%' AND codeins='t3'").toInt(), 2);
    QVERIFY(db.scalar("SELECT sum(h) FROM allbycus WHERE cus='ann' AND codeins='h5'").isNull());
}

void ViewsTest::setModeScratchQuery() {
    TempBook book;
    Database& db = book.db();
    for (const char* num : {"112", "121", "112", "211", "121", "112"}) {
        db.exec("INSERT INTO tball24 (num, h, cus, codeins, rep) VALUES (?, 10, 'ann', 'h3', 10)",
                {QString(num)});
    }
    QCOMPARE(rowsOf(db, "SELECT * FROM qtball24"),
             (QStringList{"112|10|ann|h3", "121|10|ann|h3", "211|10|ann|h3"}));
}

TABULOX_TEST(ViewsTest)
#include "views_test.moc"
