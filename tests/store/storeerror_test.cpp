#include "store/database.h"
#include "support/testmain.h"

#include <QSqlError>

// The common refusals of the engine are said in Thai, the engine's text after.
class StoreErrorTest : public testing::Test {
    Q_OBJECT
private slots:
    void byCode_data() {
        QTest::addColumn<QString>("code");
        QTest::addColumn<int>("kind");
        QTest::newRow("busy") << "5" << int(StoreError::inUse);
        QTest::newRow("locked") << "6" << int(StoreError::inUse);
        QTest::newRow("full") << "13" << int(StoreError::diskFull);
        QTest::newRow("read-only") << "8" << int(StoreError::readOnly);
        QTest::newRow("corrupt") << "11" << int(StoreError::damaged);
        QTest::newRow("not a database") << "26" << int(StoreError::damaged);
        QTest::newRow("write error, extended") << "778" << int(StoreError::diskError);
        QTest::newRow("constraint") << "19" << int(StoreError::other);
    }
    void byCode() {
        QFETCH(QString, code);
        QFETCH(int, kind);
        const StoreError error = StoreError::fromEngine(
            QSqlError("driver", "engine words", QSqlError::StatementError, code));
        QCOMPARE(int(error.kind()), kind);
        if (kind == StoreError::other)
            QCOMPARE(error.message(), QString("engine words"));
        else
            QCOMPARE(error.message(), StoreError::thaiFor(error.kind()) + " (engine words)");
    }

    void byTextWhenTheCodeIsLost() {
        const StoreError error = StoreError::fromEngine(QSqlError("Unable to commit transaction",
                                                                  "database or disk is full",
                                                                  QSqlError::TransactionError));
        QCOMPARE(error.kind(), StoreError::diskFull);
        QVERIFY(error.message().endsWith("(database or disk is full)"));
    }
};

TABULOX_TEST(StoreErrorTest)
#include "storeerror_test.moc"
