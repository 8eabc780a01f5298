#include "store/dialect.h"
#include "store/schema.h"
#include "support/engines.h"
#include "support/tempbook.h"
#include "support/testmain.h"

#include <QTemporaryDir>

class UpgradesTest : public testing::BothEngines {
    Q_OBJECT
private slots:
    void oldLayoutIsBroughtUpToDate();
    void existingTablesKeepTheirRows();
    void columnSequenceStopsAtFirstFailure();
    void failingCreationIsReportedAndTheRestGoesOn();
    void refGainsItsColumnsOnce();
};

namespace {

QStringList names(const QString& prefix, int from, int to) {
    QStringList result;
    for (int i = from; i <= to; ++i)
        result << prefix.arg(i);
    return result;
}

void createWithRow(Database& db, const QString& table, const QStringList& columns) {
    QStringList defs;
    QStringList marks;
    QVariantList values;
    for (const QString& column : columns) {
        defs << column + " " + dialect::textType(db.engine());
        marks << "?";
        values << column + "-v";
    }
    db.exec(QString("CREATE TABLE %1 (%2)").arg(table, defs.join(',')));
    db.exec(QString("INSERT INTO %1 VALUES (%2)").arg(table, marks.join(',')), values);
}

QStringList oldBackc() {
    return QStringList{"back"} + names("back%1", 2, 19);
}

QStringList oldEmenu() {
    return names("f%1", 1, 10) + names("e%1", 1, 9) + QStringList{"t2", "t3", "t4"} +
           names("f%1t", 1, 7) + QStringList{"t1"};
}

// A complete book whose settings tables have the old layout and which lacks the late tables.
void makeOld(Database& db) {
    for (const char* table : {"backc", "emenu", "ref", "numlimit2", "h4cut2", "h3sent2", "l3sent2",
                              "checkdata"})
        db.exec(QString("DROP TABLE %1").arg(table));
    createWithRow(db, "backc", oldBackc());
    createWithRow(db, "emenu", oldEmenu());
    createWithRow(db, "checkdata", {"h3", "l2", "l31", "l32", "l33", "l34"});
    db.exec("CREATE TABLE ref (ref1 " + dialect::textType(db.engine()) + ")");
}

const QStringList kLateTables = {"numlimit2", "h4cut2",  "h5cut2",  "h2sent2", "h3sent2",
                                 "t2sent2",   "t3sent2", "l2sent2", "l3sent2"};

} // namespace

void UpgradesTest::oldLayoutIsBroughtUpToDate() {
    TempBook book;
    Database& db = book.db();
    makeOld(db);
    QCOMPARE(schema::upgradeOldLayout(db), QStringList{});

    // back26 to back29 come too, so the fields read by name after back25 exist.
    QCOMPARE(db.columnNames("backc"), oldBackc() + names("back%1", 20, 29));
    QCOMPARE(rowsOf(db, "SELECT back, back19, back20, back21, back22, back23, back24, back25, "
                        "back29 FROM backc"),
             QStringList{"back-v|back19-v|0|0|0|0|0|0|0"});
    QCOMPARE(db.columnNames("emenu"), (oldEmenu() + QStringList{"f8t", "f9t", "f10t"}));
    QCOMPARE(rowsOf(db, "SELECT f1, t1, f8t, f9t, f10t FROM emenu"),
             QStringList{"f1-v|t1-v|2ตัวบน-ล่าง/กลับ|All in one|รวมล่าง"});
    for (const QString& table : kLateTables)
        QVERIFY2(db.tableExists(table), qPrintable(table));
    QCOMPARE(db.columnNames("numlimit2"), (QStringList{"num", "h", "codeins", "id"}));
    QCOMPARE(db.columnNames("l3sent2"), (QStringList{"num", "l", "rep"}));
    QCOMPARE(db.scalar("SELECT count(*) FROM numlimit2").toInt(), 0);
    // The draw stays; the day of its last check is not known.
    QCOMPARE(rowsOf(db, "SELECT h3, l34, ckdate FROM checkdata"), QStringList{"h3-v|l34-v|"});

    // A second start changes nothing.
    db.exec("UPDATE backc SET back20='1'");
    db.exec("UPDATE emenu SET f9t='mine'");
    QCOMPARE(schema::upgradeOldLayout(db), QStringList{});
    QCOMPARE(db.columnNames("backc").size(), 29);
    QCOMPARE(db.columnNames("emenu").size(), 33);
    QCOMPARE(db.columnNames("checkdata").size(), 7);
    QCOMPARE(rowsOf(db, "SELECT back20, f9t FROM backc, emenu"), QStringList{"1|mine"});
}

void UpgradesTest::existingTablesKeepTheirRows() {
    TempBook book;
    Database& db = book.db();
    const QStringList freshBackc = db.columnNames("backc");
    db.exec("INSERT INTO numlimit2 (num, codeins) VALUES ('123', 'h3')");
    db.exec("INSERT INTO h2sent2 (num, h, rep) VALUES ('12', 40, '2')");
    QCOMPARE(schema::upgradeOldLayout(db), QStringList{});
    QCOMPARE(rowsOf(db, "SELECT num, codeins FROM numlimit2"), QStringList{"123|h3"});
    QCOMPARE(rowsOf(db, "SELECT * FROM h2sent2"), QStringList{"12|40|2"});
    QCOMPARE(db.columnNames("backc"), freshBackc);
}

void UpgradesTest::columnSequenceStopsAtFirstFailure() {
    // A damaged backc of 19 columns that already holds back22: back20 and back21 are added,
    // back22 fails and nothing after it is tried; no message.
    TempBook book(TempBook::empty);
    Database* db = &book.db();
    QStringList columns = oldBackc();
    columns.last() = "back22";
    createWithRow(*db, "backc", columns);
    QCOMPARE(schema::upgradeOldLayout(*db).size(), 0);
    QCOMPARE(db->columnNames("backc"), (columns + QStringList{"back20", "back21"}));
    QCOMPARE(rowsOf(*db, "SELECT back20, back21, back22 FROM backc"), QStringList{"0|0|back22-v"});
}

void UpgradesTest::failingCreationIsReportedAndTheRestGoesOn() {
    TempBook book(TempBook::empty);
    Database* db = &book.db();
    db->exec("CREATE VIEW h4cut2 AS SELECT 1 AS num");
    const QStringList messages = schema::upgradeOldLayout(*db);
    QCOMPARE(messages.size(), 1);
    QVERIFY(!messages.first().isEmpty());
    for (const QString& table : kLateTables) {
        if (table != "h4cut2")
            QVERIFY2(db->tableExists(table), qPrintable(table));
    }
}

void UpgradesTest::refGainsItsColumnsOnce() {
    TempBook book;
    Database& db = book.db();
    const QString text = dialect::textType(db.engine());
    db.exec("DROP TABLE ref");
    db.exec("CREATE TABLE ref (ref1 " + text + ")");
    db.exec("INSERT INTO ref VALUES ('b1')");
    schema::upgradeRef(db);
    QCOMPARE(db.columnNames("ref"), (QStringList{"ref1", "comname", "total"}));
    QCOMPARE(rowsOf(db, "SELECT * FROM ref"), QStringList{"b1||"});
    schema::upgradeRef(db);
    QCOMPARE(db.columnNames("ref").size(), 3);

    // A ref of another width is left alone.
    db.exec("DROP TABLE ref");
    db.exec("CREATE TABLE ref (ref1 " + text + ", comname " + text + ")");
    schema::upgradeRef(db);
    QCOMPARE(db.columnNames("ref").size(), 2);
}

TABULOX_TEST(UpgradesTest)
#include "upgrades_test.moc"
