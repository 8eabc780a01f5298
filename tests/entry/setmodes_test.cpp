#include "entry/checks.h"
#include "entry/normallayout.h"
#include "modecases.h"
#include "support/testmain.h"

#include <QSet>

namespace {
using M = NormalMode;
using modecases::columns;
using modecases::row;

QStringList numbersOf(const Expansion& e, Kind kind) {
    QStringList numbers;
    for (const BetRecord& r : e.records) {
        if (r.kind == kind)
            numbers << r.number;
    }
    return numbers;
}
} // namespace

class SetModesTest : public testing::Test {
    Q_OBJECT
private slots:
    void setCounts_data();
    void setCounts();
    void threeFromTwo();
    void picksInOrder();
    void doorsAndBottomSet_data();
    void doorsAndBottomSet() { modecases::check(); }
    void lengthsAndButtons();
};

// Each set holds each number once: distinct digits, a repeated digit, three or four equal.
void SetModesTest::setCounts_data() {
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("number");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("kind");
    auto row = [](const char* name, M mode, const char* number, int count, Kind kind) {
        QTest::newRow(name) << int(mode) << QString(number) << count << int(kind);
    };
    row("54 of two digits", M::Set54, "12", 54, Kind::h3);
    row("54 of a double", M::Set54, "11", 28, Kind::h3);
    row("24 of four digits", M::Set24, "1234", 24, Kind::h3);
    row("24 with a repeated digit", M::Set24, "1123", 12, Kind::h3);
    row("24 of four equal", M::Set24, "1111", 1, Kind::h3);
    row("60 of five digits", M::Set60, "12345", 60, Kind::h3);
    row("60 with a repeated digit", M::Set60, "11234", 33, Kind::h3);
    row("120 of six digits", M::Set120, "123456", 120, Kind::h3);
    row("210 of seven digits", M::Set210, "1234567", 210, Kind::h3);
    row("210 of seven equal", M::Set210, "5555555", 1, Kind::h3);
    row("groups of four", M::SetGroup24, "1234", 24, Kind::h4);
    row("groups with a repeated digit", M::SetGroup24, "1123", 12, Kind::h4);
    row("groups of a pair of doubles", M::SetGroup24, "1122", 6, Kind::h4);
}

void SetModesTest::setCounts() {
    QFETCH(int, mode);
    QFETCH(QString, number);
    QFETCH(int, count);
    QFETCH(int, kind);
    const Expansion e = expandNormal(M(mode), number, {"10", "", ""}, {});
    QCOMPARE(e.records.size(), count);
    const QStringList numbers = numbersOf(e, Kind(kind));
    QCOMPARE(numbers.size(), count);
    QCOMPARE(QSet<QString>(numbers.begin(), numbers.end()).size(), count);
    for (const BetRecord& r : e.records)
        QCOMPARE(r.stake, 10.0);
}

void SetModesTest::threeFromTwo() {
    const QStringList numbers = numbersOf(expandNormal(M::Set54, "12", {"5", "", ""}, {}), Kind::h3);
    for (const char* n : {"012", "102", "120", "112", "121", "211", "122", "212", "221", "912"})
        QCOMPARE(numbers.count(n), 1);
    QCOMPARE(numbers.mid(0, 6), (QStringList{"012", "021", "102", "201", "120", "210"}));
    QCOMPARE(numbers.last(), QString("219"));
    const QStringList sorted = numbersOf(expandNormal(M::Set54, "21", {"5", "", ""}, {}), Kind::h3);
    QCOMPARE(QSet<QString>(sorted.begin(), sorted.end()),
             QSet<QString>(numbers.begin(), numbers.end()));
}

// Picks run by first position, then second, then third.
void SetModesTest::picksInOrder() {
    const QStringList four = numbersOf(expandNormal(M::Set24, "1234", {"1", "", ""}, {}), Kind::h3);
    QCOMPARE(four.mid(0, 6), (QStringList{"123", "124", "132", "134", "142", "143"}));
    const QStringList seven =
        numbersOf(expandNormal(M::Set210, "9876543", {"1", "", ""}, {}), Kind::h3);
    QCOMPARE(seven.first(), QString("987"));
    QCOMPARE(seven.last(), QString("345"));
    const QStringList groups =
        numbersOf(expandNormal(M::SetGroup24, "4321", {"1", "", ""}, {}), Kind::h4);
    QCOMPARE(groups.mid(0, 3), (QStringList{"4321", "4312", "4231"}));
    QCOMPARE(groups.last(), QString("1234"));
}

void SetModesTest::doorsAndBottomSet_data() {
    columns();
    const QStringList doors0 = {"00", "01", "02", "03", "04", "05", "06", "07", "08", "09",
                                "10", "20", "30", "40", "50", "60", "70", "80", "90"};
    const QStringList doors9 = {"99", "91", "92", "93", "94", "95", "96", "97", "98", "90",
                                "19", "29", "39", "49", "59", "69", "79", "89", "09"};
    row("doors of 0", M::SetDoors, "0", "20", "10", "", "",
        sameStake("h2", doors0, 20) + " " + sameStake("l2", doors0, 10));
    row("doors of 9", M::SetDoors, "9", "20", "10", "", "",
        sameStake("h2", doors9, 20) + " " + sameStake("l2", doors9, 10));
    row("doors top", M::SetDoorsTop, "9", "20", "", "", "", sameStake("h2", doors9, 20));
    row("doors bottom", M::SetDoorsBottom, "0", "", "7", "", "", sameStake("l2", doors0, 7));
    row("doors of two digits", M::SetDoors, "12", "20", "10", "", "", "");
    row("doors bad bottom", M::SetDoors, "1", "20", "1-", "", "", "refused:1-");
    row("bottom set", M::SetBottom, "100", "5", "", "", "", "l3:100=5 l3:010=5 l3:001=5");
    row("bottom set sorted form differs", M::SetBottom, "321", "5", "", "", "",
        sameStake("l3", {"321", "312", "231", "213", "132", "123"}, 5));
    row("bottom set three equal", M::SetBottom, "444", "5", "", "", "", "");
}

void SetModesTest::lengthsAndButtons() {
    QStringList buttons;
    for (const EntryModeRow* r : pageButtonRows(EntryPage::set)) {
        buttons << r->button;
        QCOMPARE(r->functionKey, 0);
        QCOMPARE(pageButtonCaption(*r), QString::fromUtf8(r->caption));
    }
    QCOMPARE(buttons, (QStringList{"f15", "f13", "f16", "f17", "f18", "f19", "f14", "f204"}));
    QCOMPARE(lengthRule(M::Set24).warning, QString("คุณป้อนข้อมูลไม่ถูกต้องป้อนเลข 4 ตัวเท่านั้น"));
    QVERIFY(!lengthRule(M::Set24).accepts(3));
    QCOMPARE(lengthRule(M::Set210).warning, QString("คุณป้อนข้อมูลไม่ถูกต้องป้อนเลข 7 ตัวเท่านั้น"));
    QCOMPARE(lengthRule(M::Set54).warning, QString("คุณป้อนข้อมูลไม่ถูกต้องป้อนเลข 2 ตัวเท่านั้น"));
    QCOMPARE(lengthRule(M::SetDoorsBottom).warning,
             QString("คุณป้อนข้อมูลไม่ถูกต้องป้อนเลข 1 ตัวเท่านั้น"));
    QCOMPARE(modeLayout(M::Set54, 0, {}).numCaption, QString("ป้อนเลข2ตัว"));
    QCOMPARE(modeLayout(dropStake(M::SetDoors, StakeField::n2), 1, {}).banner, QString("19ประตูบน"));
    QCOMPARE(modeLayout(dropStake(M::SetDoors, StakeField::n1), 1, {}).banner, QString("19ประตูล่าง"));
}

TABULOX_TEST(SetModesTest)
#include "setmodes_test.moc"
