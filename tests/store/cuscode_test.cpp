#include "store/schema.h"
#include "support/engines.h"
#include "support/tempbook.h"
#include "support/testmain.h"

namespace {
bool hasIndex(Database& db, const QString& name) {
    return db.indexExists(name);
}
bool hasCodeIndex(Database& db) {
    return hasIndex(db, "cus_id");
}
} // namespace

class CusCodeTest : public testing::BothEngines {
    Q_OBJECT
private slots:
    void olderBookGainsItsIndexes();
    void sharedCodesKeepTheIndexOutQuietly();
};

void CusCodeTest::olderBookGainsItsIndexes() {
    TempBook book;
    Database& db = book.db();
    QVERIFY(hasCodeIndex(db));
    QVERIFY(hasIndex(db, "tbtotals_h"));
    QVERIFY(hasIndex(db, "tballcus_cus"));
    QVERIFY(hasIndex(db, "tballcus_win"));
    QVERIFY(hasIndex(db, "tballcus_kind"));
    db.exec("DROP INDEX cus_id");
    db.exec("DROP INDEX tbtotals_h");
    db.exec("DROP INDEX tballcus_cus");
    db.exec("DROP INDEX tballcus_win");
    db.exec("DROP INDEX tballcus_kind");
    // Older books had a narrower index of the lines by number, and a stamp index on tball.
    QVERIFY(!hasIndex(db, "tball_ti2"));
    QVERIFY(hasIndex(db, "tballcus_ti2"));
    db.exec("CREATE INDEX tballcus_num ON tballcus (codeins, num)");
    db.exec("CREATE INDEX tball_ti2 ON tball (ti2)");
    db.exec("INSERT INTO cus (id, name) VALUES ('A', 'A')");
    QVERIFY(schema::upgradeOldLayout(db).isEmpty());
    QVERIFY(hasCodeIndex(db));
    QVERIFY(hasIndex(db, "tbtotals_h"));
    QVERIFY(hasIndex(db, "tballcus_cus"));
    QVERIFY(hasIndex(db, "tballcus_win"));
    QVERIFY(!hasIndex(db, "tballcus_num"));
    QVERIFY(!hasIndex(db, "tball_ti2"));
    QVERIFY(hasIndex(db, "tballcus_kind"));
    QVERIFY_THROWS_EXCEPTION(StoreError, db.exec("INSERT INTO cus (id, name) VALUES ('A', 'B')"));
    // Run again at every start: nothing happens.
    QVERIFY(schema::upgradeOldLayout(db).isEmpty());
}

void CusCodeTest::sharedCodesKeepTheIndexOutQuietly() {
    TempBook book;
    Database& db = book.db();
    db.exec("DROP INDEX cus_id");
    db.exec("INSERT INTO cus (id, name) VALUES ('A', 'A')");
    db.exec("INSERT INTO cus (id, name) VALUES ('A', 'B')");
    QVERIFY(schema::upgradeOldLayout(db).isEmpty());
    QVERIFY(!hasCodeIndex(db));
    QCOMPARE(db.scalar("SELECT count(*) FROM cus").toInt(), 2);
}

TABULOX_TEST(CusCodeTest)
#include "cuscode_test.moc"
