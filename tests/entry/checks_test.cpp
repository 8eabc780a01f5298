#include "common/kindlimits.h"
#include "entry/checks.h"
#include "entry/normallayout.h"
#include "entry/recorder.h"
#include "support/tempbook.h"
#include "support/testmain.h"

#include <QSet>

namespace {
// A closed list held in memory: "h3:321" ...
ClosedLookup closedList(const QStringList& entries) {
    const QSet<QString> closed(entries.begin(), entries.end());
    return [closed](Kind kind, const QString& number) {
        return closed.contains(kindCode(kind) + ":" + number);
    };
}
} // namespace

class ChecksTest : public testing::Test {
    Q_OBJECT
private slots:
    void lengths();
    void closedAtEnter_data();
    void closedAtEnter();
    void allInOne_data();
    void allInOne();
    void inputLimit();
    void overLimitKinds();
    void autorun();
};

void ChecksTest::lengths() {
    QVERIFY(lengthRule(NormalMode::F1).accepts(4));
    QVERIFY(!lengthRule(NormalMode::F2).accepts(4));
    QCOMPARE(lengthRule(NormalMode::F2).warning, QString("คุณป้อนข้อมูลไม่ถูกต้องป้อนเลข 3 ตัวเท่านั้น"));
    QCOMPARE(lengthRule(NormalMode::F4).warning, QString("คุณป้อนข้อมูลไม่ถูกต้องป้อนเลข 1, 2,3 ตัวเท่านั้น"));
    QVERIFY(!lengthRule(NormalMode::F5).accepts(3));
    QVERIFY(lengthRule(NormalMode::F9).accepts(5)); // no check
    QVERIFY(!lengthRule(NormalMode::F6TopOnly).accepts(2));
    QVERIFY(lengthRule(NormalMode::Menu1).accepts(2));
}

void ChecksTest::closedAtEnter_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("number");
    QTest::addColumn<QStringList>("closed");
    QTest::addColumn<QString>("message");
    QTest::addColumn<bool>("keepFocus");
    const int f1 = int(NormalMode::F1), f2 = int(NormalMode::F2), f4 = int(NormalMode::F4),
              f6 = int(NormalMode::F6), f3 = int(NormalMode::F3), f7 = int(NormalMode::F7);
    QTest::newRow("arrangement closed")
        << f1 << "123" << QStringList{"h3:321"} << "321 บนเป็นเลขปิดรับ" << false;
    QTest::newRow("last of several")
        << f1 << "123" << QStringList{"h3:132", "h3:312"} << "312 บนเป็นเลขปิดรับ" << false;
    QTest::newRow("only the straight")
        << f1 << "123" << QStringList{"h3:123"} << "123 บนเป็นเลข ปิดรับ" << false;
    QTest::newRow("straight of a double")
        << f1 << "112" << QStringList{"h3:112"} << "112 บนเป็นเลข ปิดรับ" << false;
    QTest::newRow("other kind is open") << f1 << "123" << QStringList{"l3:123"} << "" << false;
    QTest::newRow("F4 two digits keep focus")
        << f4 << "12" << QStringList{"h2:21"} << "21 บนเป็นเลขปิดรับ" << true;
    QTest::newRow("F6 bottom wins")
        << f6 << "12" << QStringList{"h2:12", "l2:12"} << "12 ล่างเป็นเลขปิดรับ" << false;
    QTest::newRow("F2 top") << f2 << "123" << QStringList{"h3:123", "t3:123"}
                            << "123 บน  เป็นเลขปิดรับ" << false;
    QTest::newRow("F2 tod as typed")
        << f2 << "321" << QStringList{"t3:321"} << "321 โต๊ด เป็นเลขปิดรับ" << false;
    QTest::newRow("F2 tod form not looked up")
        << f2 << "321" << QStringList{"t3:123"} << "" << false;
    QTest::newRow("F7 two digits")
        << f7 << "12" << QStringList{"h2:12"} << "12 บน เป็นเลขปิดรับ" << false;
    QTest::newRow("F3 bottom three")
        << f3 << "123" << QStringList{"l3:123"} << "123 ล่าง  เป็นเลขปิดรับ" << false;
}

void ChecksTest::closedAtEnter() {
    QFETCH(int, mode);
    QFETCH(QString, number);
    QFETCH(QStringList, closed);
    QFETCH(QString, message);
    QFETCH(bool, keepFocus);
    const ClosedResult result = closedCheck(NormalMode(mode), number, closedList(closed));
    QCOMPARE(result.closed, !message.isEmpty());
    QCOMPARE(result.message, message);
    QCOMPARE(result.keepFocus, keepFocus);
}

void ChecksTest::allInOne_data() {
    QTest::addColumn<QString>("number");
    QTest::addColumn<QString>("stake");
    QTest::addColumn<QStringList>("closed");
    QTest::addColumn<bool>("blocksWhenOff");
    QTest::addColumn<QString>("message");
    QTest::newRow("A three") << "123"
                             << "50" << QStringList{"h3:123"} << false << "123 บนเป็นเลขปิดรับ";
    QTest::newRow("A+B three") << "123"
                               << "50+20" << QStringList{"h3:123"} << false << "123 บน เป็นเลขปิดรับ";
    QTest::newRow("-A three") << "123"
                              << "-5" << QStringList{"l3:123"} << false << "123 ล่างเป็นเลขปิดรับ";
    QTest::newRow("A/B three bottom")
        << "123"
        << "50/20" << QStringList{"l3:123"} << true << "123 ล่างเป็นเลขปิดรับ";
    QTest::newRow("*A three unchecked") << "123"
                                        << "*5" << QStringList{"h3:123", "t3:123"} << false << "";
    QTest::newRow("A+B two reverse") << "12"
                                     << "5+5" << QStringList{"h2:21"} << true << "12 บนเป็นเลขปิดรับ ";
    QTest::newRow("A-B two") << "12"
                             << "5-5" << QStringList{"l2:12"} << true << "12 ล่างเป็นเลขปิดรับ";
    QTest::newRow("-A two") << "12"
                            << "-5" << QStringList{"l2:12"} << false << "12 ล่าง เป็นเลขปิดรับ";
    QTest::newRow("open") << "12"
                          << "5/5" << QStringList{} << false << "";
}

void ChecksTest::allInOne() {
    QFETCH(QString, number);
    QFETCH(QString, stake);
    QFETCH(QStringList, closed);
    QFETCH(bool, blocksWhenOff);
    QFETCH(QString, message);
    const AllInOneCheck check = allInOneCheck(number, stake, closedList(closed));
    QCOMPARE(check.message, message);
    QCOMPARE(check.blocks(true), !message.isEmpty());
    QCOMPARE(check.blocks(false), blocksWhenOff);
}

void ChecksTest::inputLimit() {
    QVERIFY(overInputLimit("600", 500, 2, false));
    QVERIFY(!overInputLimit("500", 500, 2, false));
    QVERIFY(!overInputLimit("600", 500, 1, false)); // running digits are never limited
    QVERIFY(!overInputLimit("600", 500, 2, true));  // All in One
    QVERIFY(!overInputLimit("600*2", 500, 3, false));
    QCOMPARE(inputLimitWarning(500), QString("คุณป้อนข้อมูลเกิน500"));
    // The line's records: a typed stake onto a number of two or more digits, from any box.
    const BetRecords doors = {{"33", Kind::h2, 600}, {"31", Kind::h2, 600}};
    QVERIFY(overInputLimit({"", "600"}, doors, 500));
    QVERIFY(overInputLimit({"*600"}, doors, 500));
    QVERIFY(!overInputLimit({"", "600"}, {{"3", Kind::h1, 600}}, 500));
    QVERIFY(!overInputLimit({"", "500"}, {{"33", Kind::h2, 500}}, 500));
    QVERIFY(!overInputLimit({"-600"}, {{"33", Kind::h2, -600}}, 500));
    // A sum of two typed stakes is not itself typed.
    QVERIFY(!overInputLimit({"", "300", "300"}, {{"123", Kind::h3, 600}}, 500));
}

void ChecksTest::overLimitKinds() {
    TempBook book;
    book.db().exec("UPDATE change2 SET h2 = 100, l2 = 100");
    Recorder recorder(book.db());
    recorder.recordLine({{"12", Kind::h2, 60}, {"12", Kind::l2, 100}}, "a");
    QVERIFY(!kindsOverLimit(book.db())[size_t(Kind::h2)]);
    recorder.recordLine({{"12", Kind::h2, 41}}, "a");
    const auto over = kindsOverLimit(book.db());
    QVERIFY(over[size_t(Kind::h2)]);
    QVERIFY(!over[size_t(Kind::l2)]); // at the limit is not over it
}

void ChecksTest::autorun() {
    QCOMPARE(autorunNext("05"), QString("06"));
    QCOMPARE(autorunNext("09"), QString("10"));
    QCOMPARE(autorunNext("99"), QString("100"));
    QCOMPARE(autorunNext("1X2"), QString("0"));
    QCOMPARE(arrowMode(3), NormalMode::F9);
    QCOMPARE(arrowBanner(8, "3ตัวชุด-กลุ่ม(F1)"), QString("(เมนู8)3ตัวชุด-กลุ่ม(F1)"));
    QCOMPARE(buttonCaption(1, "", 2), QString("3ตัวชุด-2Xชุด(F1)"));
    QCOMPARE(buttonCaption(10, "รวมล่าง ", 0), QString("รวมล่าง (F10)"));
}

TABULOX_TEST(ChecksTest)
#include "checks_test.moc"
