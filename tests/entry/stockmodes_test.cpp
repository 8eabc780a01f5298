#include "entry/checks.h"
#include "entry/normallayout.h"
#include "entry/numberlists.h"
#include "modecases.h"
#include "support/testmain.h"

namespace {
using M = NormalMode;
using modecases::columns;
using modecases::row;
const QStringList kOdd = {"13", "31", "15", "51", "17", "71", "19", "91", "35", "53",
                          "37", "73", "39", "93", "57", "75", "59", "95", "79", "97"};
const QStringList kEven = {"02", "20", "04", "40", "06", "60", "08", "80", "24", "42",
                           "26", "62", "28", "82", "46", "64", "48", "84", "68", "86"};
const QStringList kSiblings = {"01", "10", "12", "21", "23", "32", "34", "43", "45", "54",
                               "56", "65", "67", "76", "78", "87", "89", "98", "90", "09"};
const QStringList kDoubles = {"00", "11", "22", "33", "44", "55", "66", "77", "88", "99"};
} // namespace

class StockModesTest : public testing::Test {
    Q_OBJECT
private slots:
    void fixedLists_data();
    void fixedLists() { modecases::check(); }
    void runsAndDoors_data();
    void runsAndDoors() { modecases::check(); }
    void winPairs_data();
    void winPairs();
    void winPairsInOrder_data();
    void winPairsInOrder() { modecases::check(); }
    void fieldsAndChecks();
};

void StockModesTest::fixedLists_data() {
    columns();
    row("doubles", M::StockF1, "50", "", "", "", "", sameStake("h2", kDoubles, 50));
    row("doubles without a stake", M::StockF1, "", "", "", "", "", "");
    row("siblings", M::StockF6, "10", "", "", "", "", sameStake("h2", kSiblings, 10));
    row("sum ten", M::StockF7, "5", "", "", "", "",
        sameStake("h2", {"01", "10", "19", "28", "37", "46", "55", "64", "73", "82", "91"}, 5));
    row("odd and even", M::StockF3, "3", "4", "", "", "",
        sameStake("h2", kOdd, 3) + " " + sameStake("h2", kEven, 4));
    row("even only", M::StockF3, "0", "5", "", "", "", sameStake("h2", kEven, 5));
    row("odd only, even empty", M::StockF3, "7", "", "", "", "", sameStake("h2", kOdd, 7));
    row("odd empty", M::StockF3, "", "5", "", "", "", sameStake("h2", kEven, 5));
    row("odd and even 0", M::StockF3, "0", "0", "", "", "", "");
    row("negative even", M::StockF3, "0", "-5", "", "", "", sameStake("h2", kEven, -5));
    row("bad even", M::StockF3, "3", "5-", "", "", "", "refused:5-");
}

void StockModesTest::runsAndDoors_data() {
    columns();
    const QStringList front3 = {"30", "31", "32", "33", "34", "35", "36", "37", "38", "39"};
    const QStringList back3 = {"03", "13", "23", "33", "43", "53", "63", "73", "83", "93"};
    row("front run", M::StockF2, "3", "20", "0", "", "", sameStake("h2", front3, 20));
    row("both runs hold the double twice", M::StockF2, "3", "20", "10", "", "",
        sameStake("h2", front3, 20) + " " + sameStake("h2", back3, 10));
    row("back run", M::StockF2, "3", "0", "10", "", "", sameStake("h2", back3, 10));
    row("runs of two digits", M::StockF2, "33", "20", "10", "", "", "");
    row("19 doors", M::StockF5, "0", "8", "", "", "",
        sameStake("h2", {"00", "01", "02", "03", "04", "05", "06", "07", "08", "09", "10", "20",
                         "30", "40", "50", "60", "70", "80", "90"},
                  8));
    row("19 doors of two digits", M::StockF5, "12", "8", "", "", "", "");
    row("F4 as the normal page", M::StockF4, "12", "10", "5", "", "", "h2:12=10 h2:21=5");
    row("F4 set", M::StockF4, "122", "10", "5", "", "", "h3:122=10 h3:212=5 h3:221=5");
    row("F4 top only", M::StockF4TopOnly, "12", "10", "", "", "", "h2:12=10");
}

void StockModesTest::winPairs_data() {
    QTest::addColumn<QString>("number");
    QTest::addColumn<int>("count");
    for (const char* n : {"12", "123", "1234", "12345", "123456", "1234567", "12345678",
                          "123456789"}) {
        const int d = int(strlen(n));
        QTest::newRow(n) << QString(n) << (d >= 3 && d <= 8 ? d * (d - 1) : 0);
    }
}

void StockModesTest::winPairs() {
    QFETCH(QString, number);
    QFETCH(int, count);
    const Expansion e = expandNormal(M::StockF8, number, {"10", "", ""}, {});
    QCOMPARE(e.records.size(), count);
    QCOMPARE(e.notTaken(), count == 0);
}

void StockModesTest::winPairsInOrder_data() {
    columns();
    row("three digits", M::StockF8, "123", "10", "", "", "",
        sameStake("h2", {"12", "13", "23", "21", "31", "32"}, 10));
    row("four digits", M::StockF8, "1234", "10", "", "", "",
        sameStake("h2", {"12", "13", "14", "21", "23", "24", "31", "32", "34", "41", "42", "43"},
                  10));
    row("repeated digits kept", M::StockF8, "112", "10", "", "", "",
        sameStake("h2", {"11", "12", "12", "11", "21", "21"}, 10));
}

void StockModesTest::fieldsAndChecks() {
    QStringList buttons;
    for (const EntryModeRow* r : pageButtonRows(EntryPage::stock))
        buttons << r->button;
    QCOMPARE(buttons, (QStringList{"f8", "f9", "f10", "f111", "f113", "f112", "ft10", "ft11"}));
    QCOMPARE(pageButtonCaption(*functionKeyRow(EntryPage::stock, 8)),
             QString("เลขWin3-8 ตัว(F8)"));
    for (M stakeInNum : {M::StockF1, M::StockF6, M::StockF7}) {
        const ModeLayout l = modeLayout(stakeInNum, 0, {});
        QVERIFY(l.stakeInNum);
        QVERIFY(!l.n1 && !l.n2 && !l.cb1 && !l.cb2);
    }
    QCOMPARE(modeLayout(M::StockF1, 0, {}).numCaption, QString("เงินรูดคู่"));
    QCOMPARE(modeLayout(M::StockF3, 0, {}).numCaption, QString("เงินคี่"));
    QCOMPARE(modeLayout(M::StockF3, 0, {}).l1Caption, QString("เงินคู่"));
    QCOMPARE(lengthRule(M::StockF2).warning, QString("คุณป้อนข้อมูลไม่ถูกต้องป้อนเลข 1 ตัวเท่านั้น"));
    QCOMPARE(lengthRule(M::StockF4).warning,
             QString("คุณป้อนข้อมูลไม่ถูกต้องป้อนเลข 1, 2,3 ตัวเท่านั้น"));
    QVERIFY(lengthRule(M::StockF8).lengths.isEmpty());
    QCOMPARE(dropStake(M::StockF4, StakeField::n2), M::StockF4TopOnly);
    QCOMPARE(entryMode(M::StockF4TopOnly).page, EntryPage::stock);
    // Only F4 checks closed numbers, as the normal page's F4 does.
    const ClosedLookup everything = [](Kind, const QString&) { return true; };
    QCOMPARE(closedCheck(M::StockF4, "12", everything).message, QString("21 บนเป็นเลขปิดรับ"));
    for (M mode : {M::StockF2, M::StockF5, M::StockF8})
        QVERIFY(!closedCheck(mode, "1", everything).closed && !closedCheck(mode, "123", everything).closed);
    QCOMPARE(numberlists::frontRun('x'), QStringList());
}

TABULOX_TEST(StockModesTest)
#include "stockmodes_test.moc"
