#include "store/schema.h"
#include "support/engines.h"
#include "support/tempbook.h"
#include "support/testmain.h"

class SchemaTest : public testing::BothEngines {
    Q_OBJECT
private slots:
    void totalsFollowTheBook();
};

void SchemaTest::totalsFollowTheBook() {
    TempBook book;
    Database& db = book.db();
    db.exec("INSERT INTO tball (num,h,cus,codeins) VALUES ('007',10,'a','h3')");
    db.exec("INSERT INTO tball (num,h,cus,codeins) VALUES ('007',5,'a','h3')");
    db.exec("INSERT INTO tball (num,t,cus,codeins) VALUES ('123',3,'a','t3')");
    QCOMPARE(rowsOf(db, "SELECT * FROM h3"), QStringList{"007|15"});
    QCOMPARE(rowsOf(db, "SELECT * FROM h3sum"), QStringList{"15"});
    QCOMPARE(rowsOf(db, "SELECT * FROM qt3"), QStringList{"123|3"});
}

TABULOX_TEST(SchemaTest)
#include "schema_test.moc"
