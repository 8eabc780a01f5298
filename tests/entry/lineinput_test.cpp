#include "entry/lineinput.h"
#include "recordtext.h"
#include "support/testmain.h"

class LineInputTest : public testing::Test {
    Q_OBJECT
private slots:
    void expandsChatLines_data();
    void expandsChatLines();
    void emptyLines();
};

void LineInputTest::expandsChatLines_data() {
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("stakes");
    QTest::addColumn<bool>("bottomBeforeTod");
    QTest::addColumn<QString>("expected");
    auto row = [](const char* name, const char* number, const char* stakes, bool swap,
                  const char* expected) {
        QTest::newRow(name) << number << stakes << swap << expected;
    };
    row("group of five as typed", "54321", "500", false, "h5:54321=500");
    row("group of four", "2345", "600", false, "h4:2345=600");
    row("group with two amounts", "2345", "600/100", false, "");
    row("three top", "506", "500", false, "h3:506=500");
    row("three top and tod", "576", "200/300", false, "h3:576=200 t3:567=300");
    row("three tod only", "695", "0/500", false, "t3:569=500");
    row("three all", "815", "150/600/200", false, "h3:815=150 t3:158=600 l3:815=200");
    row("three top only", "256", "200/0/0", false, "h3:256=200");
    row("three swapped", "369", "0/500/600", true, "t3:369=600 l3:369=500");
    row("two top", "13", "300", false, "h2:13=300");
    row("two top and bottom", "89", "500/600", false, "h2:89=500 l2:89=600");
    row("two bottom only", "12", "0/400", false, "l2:12=400");
    row("two tod as typed", "21", "0/300/0", false, "t2:21=300");
    row("two all three sides", "12", "100/200/300", false, "h2:12=100 t2:12=200 l2:12=300");
    row("two swapped", "12", "100/200/300", true, "h2:12=100 t2:12=300 l2:12=200");
    row("run top", "5", "2000", false, "h1:5=2000");
    row("run both", "2", "500/900", false, "h1:2=500 l1:2=900");
    row("run bottom only", "1", "0/500", false, "l1:1=500");
    row("run three amounts", "5", "1/2/3", false, "");
    row("trailing return", "12 ", "500\r", false, "h2:12=500");
    row("bad amount", "12", "5/x", false, "refused:x");
    row("four amounts", "123", "1/2/3/4", false, "refused:3/4");
    row("six digits", "123456", "10", false, "");
    row("not digits", "1X2", "10", false, "");
}

void LineInputTest::expandsChatLines() {
    QFETCH(QString, number);
    QFETCH(QString, stakes);
    QFETCH(bool, bottomBeforeTod);
    QFETCH(QString, expected);
    QCOMPARE(recordText(expandLineInput(number, stakes, true, bottomBeforeTod)), expected);
}

void LineInputTest::emptyLines() {
    const Expansion zeros = expandLineInput("123", "0/0/0", true, false);
    QVERIFY(zeros.records.isEmpty());
    QVERIFY(!zeros.notTaken());
    QVERIFY(expandLineInput("1X2", "10", true, false).notTaken());
    QVERIFY(expandLineInput("5", "1/2/3", true, false).notTaken());
    QVERIFY(!expandLineInput("12", "0/x", true, false).notTaken()); // refused instead
}

TABULOX_TEST(LineInputTest)
#include "lineinput_test.moc"
