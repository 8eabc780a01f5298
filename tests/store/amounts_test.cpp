#include "common/customerbook.h"
#include "store/amounts.h"
#include "store/kindrow.h"
#include "support/testmain.h"

// Amounts too large for the book are refused where they are typed and shown safely.
class AmountsTest : public testing::Test {
    Q_OBJECT
private slots:
    void range() {
        QVERIFY(inAmountRange(0));
        QVERIFY(inAmountRange(-999999999999999.0));
        QVERIFY(inAmountRange(999999999999999.0));
        QVERIFY(!inAmountRange(1e15));
        QVERIFY(!inAmountRange(1e30));
        QVERIFY(!inAmountRange(std::numeric_limits<double>::infinity()));
        QVERIFY(!inAmountRange(std::numeric_limits<double>::quiet_NaN()));
    }

    void shown() {
        QCOMPARE(shownWhole("2.5"), QString("2"));
        QCOMPARE(shownWhole("3.5"), QString("4"));
        QCOMPARE(shownWhole("-7"), QString("-7"));
        QCOMPARE(shownWhole("abc"), QString("0"));
        // Too large to be a whole amount: shown as stored, never a made-up number.
        QCOMPARE(shownWhole("1e30"), QString("1e30"));
        QCOMPARE(kindrow::shown(" 1e300 "), QString("1e300"));
    }

    void refusedWhereTyped() {
        QCOMPARE(kindrow::refusal("999999999999999"), QString());
        QCOMPARE(kindrow::refusal("1000000000000000"), tooLargeMessage("1000000000000000"));
        QCOMPARE(customerbook::numberRefusal("1e30"), tooLargeMessage("1e30"));
        QVERIFY(customerbook::numberRefusal("25").isEmpty());
        QVERIFY(!customerbook::isNumberValue(QVariant(1e30)));
    }
};

TABULOX_TEST(AmountsTest)
#include "amounts_test.moc"
