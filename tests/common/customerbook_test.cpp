#include "common/customerbook.h"
#include "common/customers.h"
#include "store/database.h"
#include "support/engines.h"
#include "support/tempbook.h"
#include "support/testmain.h"

namespace cb = customerbook;

namespace {
const QStringList kTwenty(10, "20");

QVariantList rates(int first) {
    QVariantList list;
    for (int i = 0; i < 10; ++i)
        list << first + i;
    return list;
}

// name|id|percents|rates of every row in creation order.
QStringList table(Database& db) {
    return rowsOf(db, "SELECT name, id, " + cb::percentColumns().join(',') + ", " +
                          cb::rateColumns().join(',') + " FROM cus ORDER BY id2");
}

QString ratesOf(Database& db, const QString& name) {
    return rowsOf(db, "SELECT " + cb::rateColumns().join(',') + " FROM cus WHERE name = ?", {name})
        .value(0);
}

void addRaw(Database& db, const QString& id, const QString& name) {
    db.exec("INSERT INTO cus (id, name) VALUES (?, ?)", {id, name});
}
} // namespace

class CustomerBookTest : public testing::BothEngines {
    Q_OBJECT
private slots:
    void addingStoresNamesAsTypedAndRefusesTakenOnes();
    void addingRefusesWhatIsNoNumber();
    void numberedCopy();
    void numberedCopyRefusals();
    void listHidesSheetsAndDeleteAllTakesThem();
    void codesFromNamesLeavesDuplicatesAlone();
    void ratesReachOwnSheetsOnly();
};

void CustomerBookTest::addingStoresNamesAsTypedAndRefusesTakenOnes() {
    TempBook book;
    Database& db = book.db();
    const QVariantList overall = cb::overallRates(db);
    QCOMPARE(overall,
             (QVariantList{500.0, 100.0, 100.0, 70.0, 12.0, 70.0, 3.0, 4.0, 100.0, 100.0}));

    QStringList percents{"10", "11", "12", "13", "14", "15", "16", "17", "18", "19"};
    QVERIFY(cb::add(db, "A", percents, overall).done);
    QCOMPARE(table(db),
             QStringList{"A|A|10|11|12|13|14|15|16|17|18|19|500|100|100|70|12|70|3|4|100|100"});

    // Quotes, % and _ are plain characters of a name, never patterns.
    for (const QString& name :
         {QString("O'Neil \"x\""), QString("A%"), QString("A_"), QString("AB")})
        QVERIFY2(cb::add(db, name, kTwenty, overall).done, qPrintable(name));
    QCOMPARE(customers::names(db, false), (QStringList{"A", "O'Neil \"x\"", "A%", "A_", "AB"}));

    const cb::Outcome again = cb::add(db, "A", kTwenty, overall);
    QVERIFY(!again.done);
    QCOMPARE(again.message, QString("ไม่สามารถเพิ่มชื่อได้เพราะมีชื่อนี้อยู่แล้วในระบบ"));
    QVERIFY(!cb::add(db, "O'Neil \"x\"", kTwenty, overall).done);
    // A name still waiting for its code (edited in the grid) is taken as well.
    addRaw(db, "old", "new");
    QVERIFY(!cb::add(db, "new", kTwenty, overall).done);
    QCOMPARE(table(db).size(), 6);
    QVERIFY(!cb::add(db, "  ", kTwenty, overall).done);
    QCOMPARE(table(db).size(), 6);

    // The store itself refuses a second row with the same code.
    QVERIFY_THROWS_EXCEPTION(StoreError, addRaw(db, "A", "A2"));
}

void CustomerBookTest::addingRefusesWhatIsNoNumber() {
    TempBook book;
    Database& db = book.db();
    for (const char* bad : {"", "abc", "2O", "inf", "nan", "1,5"}) {
        QStringList percents = kTwenty;
        percents[5] = bad;
        const cb::Outcome outcome = cb::add(db, "A", percents, rates(1));
        QVERIFY2(!outcome.done && !outcome.message.isEmpty(), qPrintable(bad));
    }
    QVERIFY(table(db).isEmpty());
    QVERIFY(cb::numberRefusal(" 12.5 ").isEmpty());
    QVERIFY(cb::numberRefusal("-3").isEmpty());
    QVERIFY(cb::isNumberValue(QVariant()));
    QVERIFY(!cb::isNumberValue(QString("x")));
}

void CustomerBookTest::numberedCopy() {
    TempBook book;
    Database& db = book.db();
    const QVariantList percents{1, 2, 3, 4, 5, 6, 7, 8, 9, 10};
    const cb::Outcome three = cb::copySeries(db, "A", percents, rates(100), "3");
    QVERIFY(three.done);
    QCOMPARE(three.message, QString("ป้อนข้อมูลจำนวน3รายชื่อเรียบร้อย"));
    QCOMPARE(table(db),
             (QStringList{"A1|A1|1|2|3|4|5|6|7|8|9|10|100|101|102|103|104|105|106|107|108|109",
                          "A2|A2|1|2|3|4|5|6|7|8|9|10|100|101|102|103|104|105|106|107|108|109",
                          "A3|A3|1|2|3|4|5|6|7|8|9|10|100|101|102|103|104|105|106|107|108|109"}));

    db.exec("DELETE FROM cus");
    QVERIFY(cb::copySeries(db, "B\"", percents, rates(1), " 1 ").done);
    QCOMPARE(rowsOf(db, "SELECT name FROM cus"), QStringList{"B\"1"});
    // Cells left empty stay empty.
    QVERIFY(cb::copySeries(db, "C", QVariantList(10, QVariant()), rates(1), "1").done);
    QCOMPARE(rowsOf(db, "SELECT count(*) FROM cus WHERE name = 'C1' AND c3hp IS NULL"),
             QStringList{"1"});
}

void CustomerBookTest::numberedCopyRefusals() {
    TempBook book;
    Database& db = book.db();
    const QVariantList percents(10, 20);
    for (const char* count : {"", "0", "-2", "abc", "2.5", "10001"}) {
        const cb::Outcome outcome = cb::copySeries(db, "A", percents, rates(1), count);
        QVERIFY2(!outcome.done, qPrintable(count));
        QCOMPARE(outcome.message, QString("กรุณาป้อนจำนวนเป็นตัวเลขจำนวนเต็ม 1 ถึง 10000"));
    }
    QVERIFY(!cb::copySeries(db, "", percents, rates(1), "2").done);
    QVariantList bad = percents;
    bad[3] = "x";
    QVERIFY(!cb::copySeries(db, "A", bad, rates(1), "2").done);
    QVERIFY(table(db).isEmpty());

    // One name of the series taken: none of the series is added.
    QVERIFY(cb::add(db, "A3", kTwenty, rates(1)).done);
    const cb::Outcome clash = cb::copySeries(db, "A", percents, rates(1), "5");
    QVERIFY(!clash.done);
    QVERIFY(clash.message.startsWith("ไม่สามารถเพิ่มชื่อได้เพราะมีชื่อนี้อยู่แล้วในระบบ"));
    QVERIFY(clash.message.endsWith("A3"));
    QCOMPARE(rowsOf(db, "SELECT name FROM cus"), QStringList{"A3"});
}

void CustomerBookTest::listHidesSheetsAndDeleteAllTakesThem() {
    TempBook book;
    Database& db = book.db();
    for (const char* name : {"Zed", "Ann", "Mo"})
        QVERIFY(cb::add(db, name, kTwenty, rates(1)).done);
    QVERIFY(customers::ensureSheet(db, "Ann", "Ann" + customers::sheetCaption(2)));
    QVERIFY(cb::add(db, "ทองแผ่น", kTwenty, rates(1)).done);
    QCOMPARE(customers::names(db, false), (QStringList{"Zed", "Ann", "Mo"}));
    QCOMPARE(customers::names(db, true), (QStringList{"Ann", "Mo", "Zed"}));
    QCOMPARE(table(db).size(), 5);

    QVERIFY(!cb::orderedByName(db));
    cb::setOrderedByName(db, true);
    QVERIFY(cb::orderedByName(db));

    cb::removeAll(db);
    QVERIFY(table(db).isEmpty());
}

void CustomerBookTest::codesFromNamesLeavesDuplicatesAlone() {
    TempBook book;
    Database& db = book.db();
    addRaw(db, "A", "A");
    addRaw(db, "B", "Bee");
    addRaw(db, "C", "D");
    addRaw(db, "D", "C"); // two rows swapping their names
    addRaw(db, QString(), "E");
    addRaw(db, "Fแผ่นที่1", "F2แผ่นที่1"); // hidden, so not named by the check
    QCOMPARE(cb::mismatchedNames(db, false), (QStringList{"Bee", "D", "C", "E"}));
    QCOMPARE(cb::mismatchedNames(db, true), (QStringList{"Bee", "C", "D", "E"}));

    QVERIFY(cb::codesFromNames(db));
    QCOMPARE(rowsOf(db, "SELECT id FROM cus ORDER BY id2"),
             (QStringList{"A", "Bee", "D", "C", "E", "F2แผ่นที่1"}));
    QVERIFY(cb::mismatchedNames(db, false).isEmpty());

    // A name typed twice (edited in the grid): nothing changes.
    db.exec("UPDATE cus SET name = 'A' WHERE id = 'Bee'");
    db.exec("UPDATE cus SET name = 'X' WHERE id = 'E'");
    const QStringList before = table(db);
    QVERIFY(!cb::codesFromNames(db));
    QCOMPARE(table(db), before);
}

void CustomerBookTest::ratesReachOwnSheetsOnly() {
    TempBook book;
    Database& db = book.db();
    for (const char* name : {"A", "AB", "O\"B"})
        QVERIFY(cb::add(db, name, kTwenty, rates(1)).done);
    for (const char* name : {"Aแผ่นที่1", "Aแผ่นที่12", "ABแผ่นที่1", "O\"Bแผ่นที่2", "Aแผ่นที่1แผ่นที่3"})
        addRaw(db, name, name);
    db.exec("UPDATE cus SET h3 = 900, h5 = 7 WHERE name = 'A'");
    db.exec("UPDATE cus SET h3 = 800 WHERE name = 'AB'");
    db.exec("UPDATE cus SET h3 = 600 WHERE name = ?", {QString("O\"B")});

    // A comes before AB in both orders; AB must keep its own rates either way.
    for (bool byName : {false, true}) {
        QCOMPARE(cb::copyRatesToSheets(db, byName), 7);
        QCOMPARE(ratesOf(db, "Aแผ่นที่1"), QString("900|2|3|4|5|6|7|8|9|7"));
        QCOMPARE(ratesOf(db, "Aแผ่นที่12"), QString("900|2|3|4|5|6|7|8|9|7"));
        QCOMPARE(ratesOf(db, "AB"), QString("800|2|3|4|5|6|7|8|9|10"));
        QCOMPARE(ratesOf(db, "ABแผ่นที่1"), QString("800|2|3|4|5|6|7|8|9|10"));
        QCOMPARE(ratesOf(db, "O\"Bแผ่นที่2"), QString("600|2|3|4|5|6|7|8|9|10"));
        // A sheet of a sheet belongs to that sheet, not to A.
        QCOMPARE(ratesOf(db, "Aแผ่นที่1แผ่นที่3"), QString("|||||||||"));
    }
}

TABULOX_TEST(CustomerBookTest)
#include "customerbook_test.moc"
