#include "entry/checks.h"
#include "entry/normallayout.h"
#include "modecases.h"
#include "support/testmain.h"

namespace {
using M = NormalMode;
using modecases::columns;
using modecases::row;
const QStringList kSet123 = {"123", "132", "213", "231", "312", "321"};
} // namespace

class HeadModesTest : public testing::Test {
    Q_OBJECT
private slots:
    void expansions_data();
    void expansions() { modecases::check(); }
    void halvesAndNegativeStakes_data();
    void halvesAndNegativeStakes() { modecases::check(); }
    void picksOfFour();
    void closedNumbersAsHead();
    void rowsOfThePage();
};

void HeadModesTest::expansions_data() {
    columns();
    row("F1 two digits", M::HeadF1, "45", "100", "", "", "", "t2:45=100");
    row("F1 set", M::HeadF1, "455", "30", "", "", "", "h5:455=30 h5:545=30 h5:554=30");
    row("F1 six", M::HeadF1, "123", "5", "", "", "", sameStake("h5", kSet123, 5));
    row("F1 three equal", M::HeadF1, "777", "5", "", "", "", "");
    row("F1 four digits", M::HeadF1, "1234", "5", "", "", "", "");
    row("F2", M::HeadF2, "321", "20", "10", "", "", "h5:321=20 h4:123=10");
    row("F2 as typed", M::HeadF2, "321", "20", "10", "", "unsorted", "h5:321=20 h4:321=10");
    row("F2 tod 0", M::HeadF2, "123", "20", "0", "", "", "h5:123=20");
    row("F2 straight 0 kept", M::HeadF2, "123", "0", "5", "", "", "h5:123=0 h4:123=5");
    row("F2 top only", M::HeadF2TopOnly, "123", "20", "", "", "", "h5:123=20");
    row("F2 tod only", M::HeadF2TodOnly, "312", "", "8", "", "", "h4:123=8");
    row("F3", M::HeadF3, "123", "20", "30", "", "", "h5:123=20 h3:123=30");
    row("F3 tail 0", M::HeadF3, "123", "20", "0", "", "", "h5:123=20");
    row("F5", M::HeadF5, "123", "10", "20", "", "",
        sameStake("h5", kSet123, 10) + " " + sameStake("h3", kSet123, 20));
    row("F5 repeated digit", M::HeadF5, "112", "10", "20", "", "",
        "h5:112=10 h5:121=10 h5:211=10 h3:112=20 h3:121=20 h3:211=20");
    row("F5 three equal", M::HeadF5, "999", "10", "20", "", "", "");
    row("F6", M::HeadF6, "12", "10", "5", "", "", "t2:12=10 t2:21=5");
    row("F6 double", M::HeadF6, "33", "10", "5", "", "", "t2:33=10 t2:33=5");
    row("F6 three digits", M::HeadF6, "123", "10", "5", "", "", "");
    row("F3 bad stake", M::HeadF3, "123", "20", "3.5", "", "", "refused:3.5");
}

void HeadModesTest::halvesAndNegativeStakes_data() {
    columns();
    row("odd stakes", M::HeadF4, "321", "15", "10", "", "",
        "h3:321=7 h5:321=7 t3:123=5 h4:123=5");
    row("negative rounds towards zero", M::HeadF4, "321", "-15", "-3", "", "unsorted",
        "h3:321=-7 h5:321=-7 t3:321=-1 h4:321=-1");
    row("all four rows with 0", M::HeadF4, "123", "1", "0", "", "",
        "h3:123=0 h5:123=0 t3:123=0 h4:123=0");
    row("bad stake writes nothing", M::HeadF4, "123", "10", "1O", "", "", "refused:1O");
    row("negative set", M::HeadF5, "122", "-10", "0", "", "",
        "h5:122=-10 h5:212=-10 h5:221=-10 h3:122=0 h3:212=0 h3:221=0");
}

void HeadModesTest::picksOfFour() {
    const Expansion four = expandNormal(M::HeadF7, "1234", {"10", "", ""}, {});
    QCOMPARE(four.records.size(), 24);
    QStringList numbers;
    for (const BetRecord& r : four.records) {
        QCOMPARE(r.kind, Kind::h5);
        QCOMPARE(r.stake, 10.0);
        numbers << r.number;
    }
    QCOMPARE(numbers.mid(0, 7), (QStringList{"123", "124", "132", "134", "142", "143", "213"}));
    QCOMPARE(numbers.last(), QString("432"));
    QCOMPARE(expandNormal(M::HeadF7, "1123", {"10", "", ""}, {}).records.size(), 12);
    QCOMPARE(recordText(expandNormal(M::HeadF7, "5555", {"10", "", ""}, {})), QString("h5:555=10"));
    QVERIFY(expandNormal(M::HeadF7, "123", {"10", "", ""}, {}).notTaken());
}

void HeadModesTest::closedNumbersAsHead() {
    QStringList closedT2;
    const ClosedLookup lookup = [&](Kind kind, const QString& n) {
        return kind == Kind::t2 && closedT2.contains(n);
    };
    closedT2 = {"123"};
    QCOMPARE(closedCheck(M::HeadF1, "123", lookup).message, QString("123 หัวเป็นเลข ปิดรับ"));
    closedT2 = {"213", "321"};
    QCOMPARE(closedCheck(M::HeadF5, "123", lookup).message, QString("321 หัวเป็นเลขปิดรับ"));
    QCOMPARE(closedCheck(M::HeadF2, "321", lookup).message, QString("321 หัว  เป็นเลขปิดรับ"));
    QVERIFY(!closedCheck(M::HeadF3, "123", lookup).closed);
    QVERIFY(closedCheck(M::HeadF4, "213", lookup).closed);
    QVERIFY(!closedCheck(M::HeadF6, "21", lookup).closed);
    QVERIFY(!closedCheck(M::HeadF7, "2131", lookup).closed);
}

void HeadModesTest::rowsOfThePage() {
    const QVector<const EntryModeRow*> rows = pageButtonRows(EntryPage::head);
    QStringList buttons, captions;
    for (const EntryModeRow* r : rows) {
        buttons << r->button;
        captions << pageButtonCaption(*r);
    }
    QCOMPARE(buttons, (QStringList{"hn1", "hn2", "hn3", "hn5", "hn6", "hn4", "hn7"}));
    QCOMPARE(captions.first(), QString("2ตัวหัว-3ตัวชุด(F1)"));
    QCOMPARE(captions.last(), QString("4ตัว=>หัว24ชุด(F7)"));
    for (int key = 1; key <= 7; ++key)
        QCOMPARE(functionKeyRow(EntryPage::head, key)->functionKey, key);
    QVERIFY(!functionKeyRow(EntryPage::head, 8));
    // No length warning on this page.
    for (const EntryModeRow* r : rows)
        QVERIFY(lengthRule(r->mode).lengths.isEmpty());
    QCOMPARE(dropStake(M::HeadF2, StakeField::n2), M::HeadF2TopOnly);
    QCOMPARE(dropStake(M::HeadF2, StakeField::n1), M::HeadF2TodOnly);
    QCOMPARE(modeLayout(M::HeadF2TopOnly, 3, {}).banner, QString("ป้อนหัว3ตัวบน"));
    QCOMPARE(modeLayout(M::HeadF7, 0, {}).numCaption, QString("เลข4ตัว"));
}

TABULOX_TEST(HeadModesTest)
#include "headmodes_test.moc"
