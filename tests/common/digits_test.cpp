#include "common/digits.h"
#include "support/testmain.h"

class DigitsTest : public testing::Test {
    Q_OBJECT
private slots:
    void todAndGroupForm_data();
    void todAndGroupForm();
    void reverseKeepsDoubles();
    void arrangementsInFixedOrder();
    void setOfDropsRepeats_data();
    void setOfDropsRepeats();
    void nineteenDoors();
    void twoXPattern();
    void onlyLatinDigitsAreDigits();
};

void DigitsTest::todAndGroupForm_data() {
    QTest::addColumn<QString>("number");
    QTest::addColumn<bool>("sort");
    QTest::addColumn<QString>("form");
    QTest::newRow("sorted") << "321" << true << "123";
    QTest::newRow("as typed") << "321" << false << "321";
    QTest::newRow("leading zeros") << "700" << true << "007";
    QTest::newRow("group of five") << "54321" << true << "12345";
    QTest::newRow("group as typed") << "54321" << false << "54321";
}

void DigitsTest::todAndGroupForm() {
    QFETCH(QString, number);
    QFETCH(bool, sort);
    QFETCH(QString, form);
    QCOMPARE(todForm(number, sort), form);
}

void DigitsTest::reverseKeepsDoubles() {
    QCOMPARE(reverseOf("12"), QString("21"));
    QCOMPARE(reverseOf("05"), QString("50"));
    QCOMPARE(reverseOf("11"), QString("11"));
}

void DigitsTest::arrangementsInFixedOrder() {
    QCOMPARE(arrangements("123"), QStringList({"123", "132", "213", "231", "312", "321"}));
    QCOMPARE(arrangements("1X2"), QStringList({"1X2", "12X", "X12", "X21", "21X", "2X1"}));
    QCOMPARE(arrangements("12"), QStringList());
}

void DigitsTest::setOfDropsRepeats_data() {
    QTest::addColumn<QString>("number");
    QTest::addColumn<QStringList>("set");
    QTest::newRow("all different")
        << "123" << QStringList{"123", "132", "213", "231", "312", "321"};
    QTest::newRow("a = b") << "112" << QStringList{"112", "121", "211"};
    QTest::newRow("b = c") << "122" << QStringList{"122", "212", "221"};
    QTest::newRow("a = c") << "121" << QStringList{"121", "112", "211"};
    QTest::newRow("three equal") << "111" << QStringList{};
    QTest::newRow("2X with a pair") << "1X1" << QStringList{"1X1", "11X", "X11"};
}

void DigitsTest::setOfDropsRepeats() {
    QFETCH(QString, number);
    QFETCH(QStringList, set);
    QCOMPARE(setOf(number), set);
}

void DigitsTest::nineteenDoors() {
    QCOMPARE(::nineteenDoors('0'),
             QStringList({"00", "01", "02", "03", "04", "05", "06", "07", "08", "09", "10", "20",
                          "30", "40", "50", "60", "70", "80", "90"}));
    QCOMPARE(::nineteenDoors('3'),
             QStringList({"33", "31", "32", "30", "34", "35", "36", "37", "38", "39", "13", "23",
                          "03", "43", "53", "63", "73", "83", "93"}));
    const QStringList nine = ::nineteenDoors('9');
    QCOMPARE(nine.size(), 19);
    QCOMPARE(nine.mid(8, 3), QStringList({"98", "90", "19"}));
    QCOMPARE(nine.last(), QString("09"));
    QCOMPARE(::nineteenDoors('X'), QStringList());
}

void DigitsTest::twoXPattern() {
    QVERIFY(isTwoX("1X2"));
    QVERIFY(isTwoX("X00"));
    QVERIFY(!isTwoX("1XX"));
    QVERIFY(!isTwoX("123"));
    QVERIFY(!isTwoX("1X"));
    QVERIFY(!isTwoX("1Y2"));
}

void DigitsTest::onlyLatinDigitsAreDigits() {
    const QString thai = QString::fromUtf8("๐๑๒๓๔๕๖๗๘๙");
    QVERIFY(isDigits("0123456789"));
    QVERIFY(!isDigits(thai));
    QVERIFY(!isDigits(QString::fromUtf8("1๒3")));
    QVERIFY(!isDigits(QString::fromUtf8("١٢")));   // Arabic-Indic
    QVERIFY(!isDigits(QString::fromUtf8("１２"))); // full width
    QVERIFY(!isDigits(""));

    QCOMPARE(latinDigits(thai), QString("0123456789"));
    QCOMPARE(latinDigits(QString::fromUtf8("๑x๒-๓*")), QString("1x2-3*"));
    QCOMPARE(latinDigits(QString::fromUtf8("เลข ๙")), QString::fromUtf8("เลข 9"));
    QCOMPARE(latinDigits(QString::fromUtf8("١٢")), QString::fromUtf8("١٢"));
    QCOMPARE(latinDigits(""), QString(""));
    QVERIFY(isDigits(latinDigits(QString::fromUtf8("๑๒๓"))));

    // What the boxes keep of typed or pasted text.
    QCOMPARE(numberBoxText(QString::fromUtf8("๑๒๓")), QString("123"));
    QCOMPARE(numberBoxText(QString::fromUtf8(" 1x๕ ก")), QString("1X5"));
    QCOMPARE(numberBoxText("-12.5"), QString("125"));
    QCOMPARE(stakeBoxText(QString::fromUtf8("๑๐*๕"), true), QString("10*5"));
    QCOMPARE(stakeBoxText(QString::fromUtf8("๑๐*๕"), false), QString("105"));
    QCOMPARE(stakeBoxText(" -20 บาท", false), QString("-20"));
    // Full-width digits are digits too, and a full-width minus or x keeps its meaning.
    QCOMPARE(numberBoxText(QString::fromUtf8("１ｘ３")), QString("1X3"));
    QCOMPARE(stakeBoxText(QString::fromUtf8("－１４＊２"), true), QString("-14*2"));

    // The Thai layout's number row, its two Latin characters aside.
    const QString row = QString::fromUtf8("ๅ/-ภถุึคตจ");
    QString digits;
    for (QChar c : row)
        digits += thaiLayoutDigit(c).isNull() ? QChar('.') : thaiLayoutDigit(c);
    QCOMPARE(digits, QString("1..4567890"));
    QVERIFY(thaiLayoutDigit(QChar(u'ก')).isNull());
    QVERIFY(thaiLayoutDigit(QChar(u'๕')).isNull());
}

TABULOX_TEST(DigitsTest)
#include "digits_test.moc"
