#include "common/digits.h"
#include "entry/checks.h"
#include "entry/linecaptions.h"
#include "entry/lineinput.h"
#include "entry/normallayout.h"
#include "recordtext.h"
#include "support/testmain.h"

namespace {
using M = NormalMode;

NormalOptions withOptions(int naming, bool bottomBeforeTod, bool twoTopBottom) {
    NormalOptions o;
    o.kindNamingMode = naming;
    o.bottomBeforeTod = bottomBeforeTod;
    o.twoDigitsTopBottomOnly = twoTopBottom;
    return o;
}
} // namespace

class EntryModesTest : public testing::Test {
    Q_OBJECT
private slots:
    void lengthsAreWhatTheExpansionTakes();
    void emptyLines_data();
    void emptyLines();
    void thaiDigitsRecordAsLatin();
    void keysAndArrowPositions();
    void layoutAndHintFollowTheNumber();
    void captionsAfterALine();
};

// The length a row warns about and the lengths its expansion records are one rule.
void EntryModesTest::lengthsAreWhatTheExpansionTakes() {
    for (int m = 0; m < kNormalModeCount; ++m) {
        const M mode = M(m);
        QVERIFY(entryMode(mode).expansion);
        const LengthRule rule = lengthRule(mode);
        for (int length = 1; length <= 8; ++length) {
            // Without a length rule a mode says so when it takes no number (the head page,
            // All in One beyond five digits, win pairs).
            if (rule.lengths.isEmpty() && (entryMode(mode).page != EntryPage::normal || length > 5))
                continue;
            const QString number = QString("12345678").left(length);
            const Expansion e = expandNormal(mode, number, Stakes{"10", "5", "3"}, {});
            const QByteArray where = QString("mode %1, %2 digits").arg(m).arg(length).toUtf8();
            QVERIFY2(e.records.isEmpty() != rule.accepts(length), where.constData());
            QVERIFY2(e.notTaken() == e.records.isEmpty(), where.constData());
        }
        const int jump = autoInputLength(mode);
        QVERIFY(jump == 0 || rule.accepts(jump));
        QCOMPARE(rule.warning.isEmpty(), rule.lengths.isEmpty());
    }
}

void EntryModesTest::emptyLines_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("number");
    QTest::addColumn<QStringList>("stakes");
    QTest::addColumn<int>("naming");
    QTest::addColumn<bool>("bottomBeforeTod");
    QTest::addColumn<bool>("notTaken");
    auto row = [](const char* name, M mode, const QString& number, const QStringList& stakes,
                  int naming, bool bottomBeforeTod, bool notTaken) {
        QTest::newRow(name) << int(mode) << number << stakes << naming << bottomBeforeTod
                            << notTaken;
    };
    row("F7 every stake 0", M::F7, "123", {"0", "0", "0"}, 0, false, false);
    row("F7 every stake 0, bottom first", M::F7, "123", {"", "00", "-0"}, 0, true, false);
    row("set of three equal digits", M::F1, "111", {"10", "", ""}, 0, false, true);
    row("Thai digits", M::F1, QString::fromUtf8("๑๒๓"), {"10", "", ""}, 0, false, true);
    row("two digits in F3, naming 1", M::F3, "21", {"10", "", ""}, 1, false, true);
    row("two digits in F3, naming 2", M::F3, "21", {"10", "", ""}, 2, false, true);
    row("All in One form without a rule", M::F9, "123", {"10-20", "", ""}, 0, false, true);
    row("All in One set of three equal", M::F9, "111", {"/10", "", ""}, 0, false, true);
    row("F10 star on two digits", M::F10, "12", {"*30", "", ""}, 0, false, true);
    row("length the mode does not take", M::F8, "123", {"10", "5", ""}, 0, false, true);
    row("bad stake is told apart", M::F1, "123", {"1.5", "", ""}, 0, false, false);
    row("bad stake on F7 zeros", M::F7, "123", {"0", "0", "x"}, 0, false, false);
}

void EntryModesTest::emptyLines() {
    QFETCH(int, mode);
    QFETCH(QString, number);
    QFETCH(QStringList, stakes);
    QFETCH(int, naming);
    QFETCH(bool, bottomBeforeTod);
    QFETCH(bool, notTaken);
    const Expansion e = expandNormal(M(mode), number, Stakes{stakes[0], stakes[1], stakes[2]},
                                     withOptions(naming, bottomBeforeTod, true));
    QVERIFY(e.records.isEmpty());
    QCOMPARE(e.notTaken(), notTaken);
    QVERIFY(!(e.refused() && e.nothingAsked));
}

void EntryModesTest::thaiDigitsRecordAsLatin() {
    const QString number = latinDigits(QString::fromUtf8("๑๒๒"));
    const Expansion e =
        expandNormal(M::F1, number, Stakes{latinDigits(QString::fromUtf8("๑๐")), "", ""}, {});
    QCOMPARE(recordText(e), QString("h3:122=10 h3:212=10 h3:221=10"));
}

void EntryModesTest::keysAndArrowPositions() {
    for (int key = 1; key <= 10; ++key)
        QCOMPARE(entryMode(functionKeyMode(key)).functionKey, key);
    QCOMPARE(functionKeyMode(0), M::F1);
    QCOMPARE(functionKeyMode(12), M::F10);
    for (int position = 1; position <= 8; ++position)
        QCOMPARE(entryMode(arrowMode(position)).arrowPosition, position);
    QCOMPARE(arrowMode(0), M::F1);
    QCOMPARE(arrowBanner(9, "X(F1)"), QString::fromUtf8("(เมนู8)X(F1)"));
    QCOMPARE(arrowBanner(2, "X(F1)"), QString::fromUtf8("(เมนู2)ล่าง(F10)"));
    QCOMPARE(arrowBanner(6, ""), QString::fromUtf8("(เมนู6)ป้อนเลขบน+โต๊ด+ล่าง"));
    QCOMPARE(defaultCaption(11), QString());
    QCOMPARE(buttonCaption(3, "own", 2), QString::fromUtf8("3ตัวล่าง-เลข2ตัวx(F3)"));
    QCOMPARE(buttonCaption(3, "own", 1), QString("own(F3)"));
    QCOMPARE(buttonCaption(2, "", 2), QString::fromUtf8("3ตัวบน+โต๊ด(F2)"));
    QCOMPARE(entryMode(M::F9).page, EntryPage::normal);
    QCOMPARE(int(EntryPage::normal), 2);
}

void EntryModesTest::layoutAndHintFollowTheNumber() {
    const NormalOptions plain = withOptions(0, false, true);
    QVERIFY(!modeLayout(M::F4, 1, plain).n2);
    QVERIFY(modeLayout(M::F4, 2, plain).n2);
    QVERIFY(!modeLayout(M::F5, 1, plain).n2);

    const ModeLayout three = modeLayout(M::F7, 3, plain);
    QVERIFY(three.nu3);
    QCOMPARE(three.l2Caption, QString::fromUtf8("โต๊ด+ล่าง"));
    QCOMPARE(modeLayout(M::F7, 3, withOptions(0, true, true)).l2Caption,
             QString::fromUtf8("ล่าง+โต๊ด"));
    QVERIFY(!modeLayout(M::F7, 2, plain).nu3);
    QVERIFY(modeLayout(M::F7, 2, withOptions(0, false, false)).nu3);
    QCOMPARE(typingHint(M::F7, "12", plain), QString::fromUtf8("ป้อนเลข2ตัวบน+ล่าง"));
    QCOMPARE(typingHint(M::F7, "12", withOptions(0, true, false)),
             QString::fromUtf8("ป้อนเลขบน+ล่าง+โต๊ด(F7)"));

    const ModeLayout todOnly = modeLayout(dropStake(M::F2, StakeField::n1), 3, plain);
    QVERIFY(!todOnly.n1);
    QVERIFY(todOnly.n2);
    QCOMPARE(todOnly.banner, QString::fromUtf8("ป้อน3ตัวโต๊ด"));
    QVERIFY(!modeLayout(M::F9, 3, plain).inputLimit);

    QCOMPARE(typingHint(M::F1, "1x2", plain), QString::fromUtf8("ป้อนเลข 2X ชุด "));
    QCOMPARE(typingHint(M::F1, "123", plain), QString::fromUtf8("ป้อนชุด3ตัว"));
    QCOMPARE(typingHint(M::F3, "x12", plain), QString::fromUtf8("ป้อนเลข2X"));
    QCOMPARE(typingHint(M::F2, "123", plain), QString());
    QCOMPARE(typingHint(M::F10, "123456", plain), QString());
}

// The stake form of All in One and "รวมล่าง" names what the line was.
void EntryModesTest::captionsAfterALine() {
    auto after = [](M mode, const char* number, const char* stake) {
        const LineCaption c = captionAfterLine(mode, number, stake);
        return c.banner + "|" + c.l1Caption;
    };
    QCOMPARE(after(M::F9, "123", "10+5"), QString("3ตัวบน+โต๊ด|"));
    QCOMPARE(after(M::F9, "123", "/10"), QString("3ตัวล่างชุด|เงิน"));
    QCOMPARE(after(M::F9, "123", "*10"), QString("3ตัวโต๊ด|โต๊ด"));
    QCOMPARE(after(M::F9, "12", "10/5"), QString("2ตัวบน+ล่าง|บน+ล่าง"));
    QCOMPARE(after(M::F9, "12", "10-5"), QString("2ตัวล่าง+กลับ|เงิน"));
    QCOMPARE(after(M::F9, "4321", "10"), QString("กลุ่ม4ตัว|"));
    QCOMPARE(after(M::F9, "7", "10*5"), QString("|"));
    QCOMPARE(after(M::F9, "12", "+5"), QString("|"));
    QCOMPARE(after(M::F10, "123", "*10"), QString("3ตัวล่างชุด|3ตัวล่างชุด"));
    QCOMPARE(after(M::F10, "7", "*10"), QString("|"));
    QCOMPARE(after(M::F2, "123", "10"), QString("|"));
    // The status line: the number where the mode names it; some stock modes leave it.
    QCOMPARE(statusAfterLine(M::F2, "123"), QString("ป้อน123สำเร็จ"));
    QCOMPARE(statusAfterLine(M::StockF5, "7"), QString("ป้อน7สำเร็จ"));
    QCOMPARE(statusAfterLine(M::StockF2, "7"), QString("ป้อนสำเร็จ"));
    QCOMPARE(statusAfterLine(M::StockF1, "50"), QString("ป้อนสำเร็จ"));
    QVERIFY(statusAfterLine(M::StockF8, "1234").isEmpty());
    QVERIFY(statusAfterLine(M::StockF3, "10").isEmpty());
}

TABULOX_TEST(EntryModesTest)
#include "entrymodes_test.moc"
