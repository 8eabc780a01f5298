#include "entry/normalmodes.h"
#include "modecases.h"
#include "support/testmain.h"

namespace {
using M = NormalMode;
const QStringList kSet123 = {"123", "132", "213", "231", "312", "321"};
const QStringList kDoors7 = {"77", "71", "72", "73", "74", "75", "76", "70", "78", "79",
                             "17", "27", "37", "47", "57", "67", "07", "87", "97"};

using modecases::columns;
using modecases::row;
} // namespace

class NormalModesTest : public testing::Test {
    Q_OBJECT
private slots:
    void setAndGroup_data();
    void setAndGroup() { check(); }
    void topAndTod_data();
    void topAndTod() { check(); }
    void bottomRunPairTod_data();
    void bottomRunPairTod() { check(); }
    void straightAndReverse_data();
    void straightAndReverse() { check(); }
    void topAndBottom_data();
    void topAndBottom() { check(); }
    void allInOne_data();
    void allInOne() { check(); }
    void bottomTotals_data();
    void bottomTotals() { check(); }
    void droppedStakeVariants();

private:
    void check();
};

void NormalModesTest::check() {
    modecases::check();
}

void NormalModesTest::setAndGroup_data() {
    columns();
    row("six", M::F1, "123", "10", "", "", "", sameStake("h3", kSet123, 10));
    row("pair", M::F1, "122", "10", "", "", "", "h3:122=10 h3:212=10 h3:221=10");
    row("three equal", M::F1, "111", "10", "", "", "", "");
    row("2X set", M::F1, "1x2", "5", "", "", "",
        sameStake("t2", {"1X2", "12X", "X12", "X21", "21X", "2X1"}, 5));
    row("group of five", M::F1, "54321", "10", "", "", "", "h5:12345=10");
    row("group as typed", M::F1, "4321", "10", "", "", "unsorted", "h4:4321=10");
    row("two digits", M::F1, "12", "10", "", "", "", "");
    row("letter", M::F1, "1Y2", "10", "", "", "", "");
    row("bad stake", M::F1, "123", "1.5", "", "", "", "refused:1.5");
}

void NormalModesTest::topAndTod_data() {
    columns();
    row("F2", M::F2, "321", "10", "20", "", "", "h3:321=10 t3:123=20");
    row("F2 unsorted", M::F2, "321", "10", "20", "", "unsorted", "h3:321=10 t3:321=20");
    row("F2 top 0", M::F2, "123", "0", "20", "", "", "h3:123=0 t3:123=20");
    row("F2 tod 0", M::F2, "123", "10", "0", "", "", "h3:123=10");
    row("F2 bad tod", M::F2, "123", "10", "2x", "", "", "refused:2x");
    row("F2 four digits", M::F2, "1234", "10", "20", "", "", "");
    row("top only", M::F2TopOnly, "321", "10", "unused", "", "", "h3:321=10");
    row("tod only", M::F2TodOnly, "321", "", "7", "", "", "t3:123=7");
    row("menu1 two", M::Menu1, "21", "10", "", "", "", "t2:21=10");
    row("menu1 three", M::Menu1, "321", "10", "", "", "", "t3:123=10");
    row("menu1 one", M::Menu1, "5", "10", "", "", "", "");
    row("menu5 two", M::Menu5, "21", "10", "5", "", "", "h2:21=10 t2:21=5");
    row("menu5 three", M::Menu5, "321", "10", "0", "", "", "h3:321=10 t3:123=0");
    row("menu6", M::Menu6, "321", "10", "5", "3", "", "h3:321=10 t3:123=5 l3:321=3");
    row("menu7", M::Menu7, "321", "10", "5", "3", "", "h3:321=10 t3:123=3 l3:321=5");
    row("menu6 zeros", M::Menu6, "123", "", "", "", "", "h3:123=0 t3:123=0 l3:123=0");
}

void NormalModesTest::bottomRunPairTod_data() {
    columns();
    row("run", M::F3, "5", "10", "", "", "", "l1:5=10");
    row("pair tod sorted", M::F3, "21", "10", "", "", "unsorted", "t2:12=10");
    row("pair tod naming 1", M::F3, "21", "10", "", "", "naming1", "");
    row("pair tod naming 2", M::F3, "21", "10", "", "", "naming2", "");
    row("bottom three", M::F3, "321", "10", "", "", "", "l3:321=10");
    row("2X", M::F3, "X21", "10", "", "", "naming2", "t2:X21=10");
    row("negative", M::F3, "5", "-20", "", "", "", "l1:5=-20");
}

void NormalModesTest::straightAndReverse_data() {
    columns();
    row("F4 run", M::F4, "7", "10", "bad", "", "", "h1:7=10");
    row("F4 two", M::F4, "12", "10", "5", "", "", "h2:12=10 h2:21=5");
    row("F4 double", M::F4, "11", "10", "5", "", "", "h2:11=10 h2:11=5");
    const QString set = "h3:123=10 " + sameStake("h3", kSet123.mid(1), 5);
    row("F4 set", M::F4, "123", "10", "5", "", "", set);
    row("F4 set added", M::F4, "123", "10", "5", "", "f4c", QString(set).replace("=10", "=15"));
    row("F4 pair", M::F4, "122", "10", "5", "", "", "h3:122=10 h3:212=5 h3:221=5");
    row("F4 three equal", M::F4, "111", "10", "5", "", "", "h3:111=10");
    row("F4 three equal added", M::F4, "111", "10", "5", "", "f4c", "h3:111=15");
    row("F4 top only", M::F4TopOnly, "12", "10", "", "", "", "h2:12=10");
    row("F4 top only three", M::F4TopOnly, "123", "10", "", "", "", "");
    row("F5 run", M::F5, "3", "10", "", "", "", "l1:3=10");
    row("F5 two", M::F5, "12", "30", "10", "", "", "l2:12=30 l2:21=10");
    row("F5 double", M::F5, "11", "30", "10", "", "", "l2:11=30 l2:11=10");
    row("F5 bottom only", M::F5BottomOnly, "12", "30", "", "", "", "l2:12=30");
    row("F8", M::F8, "12", "10", "5", "", "", "h2:12=10 h2:21=5 l2:12=10 l2:21=5");
    row("F8 double", M::F8, "11", "10", "5", "", "", "h2:11=10 h2:11=5 l2:11=10 l2:11=5");
    row("F8 no reverse", M::F8NoReverse, "12", "10", "", "", "", "h2:12=10 l2:12=10");
    row("F8 three", M::F8, "123", "10", "5", "", "", "");
}

void NormalModesTest::topAndBottom_data() {
    columns();
    row("F6 run", M::F6, "5", "10", "20", "", "", "h1:5=10 l1:5=20");
    row("F6 zero kept", M::F6, "12", "10", "0", "", "", "h2:12=10 l2:12=0");
    row("F6 three", M::F6, "123", "10", "20", "", "", "h3:123=10 l3:123=20");
    row("F6 top run only", M::F6TopOnly, "5", "10", "", "", "", "h1:5=10");
    row("F6 top run only two", M::F6TopOnly, "12", "10", "", "", "", "");
    row("F6 bottom run only", M::F6BottomOnly, "5", "", "20", "", "", "l1:5=20");
    row("F7 run", M::F7, "5", "10", "20", "", "", "h1:5=10 l1:5=20");
    row("F7 two", M::F7, "12", "10", "20", "x", "", "h2:12=10 l2:12=20");
    row("F7 two three stakes", M::F7, "21", "10", "5", "3", "f7c2off", "h2:21=10 t2:21=5 l2:21=3");
    row("F7 tod zero", M::F7, "123", "10", "0", "5", "", "h3:123=10 l3:123=5");
    row("F7 bottom zero", M::F7, "123", "10", "0", "5", "f7c", "h3:123=10 t3:123=5");
    row("F7 tod form", M::F7, "321", "00", "5", "0", "", "t3:123=5");
    row("F7 all zero", M::F7, "123", "0", "0", "0", "", "");
    row("F7 bad third", M::F7, "123", "10", "0", "5-", "", "refused:5-");
}

void NormalModesTest::allInOne_data() {
    columns();
    const QString set = "h3:123=10 " + sameStake("h3", kSet123.mid(1), 5);
    row("3 A", M::F9, "123", "50", "", "", "", "h3:123=50");
    row("3 A+B", M::F9, "321", "50+20", "", "", "", "h3:321=50 t3:123=20");
    row("3 +A", M::F9, "123", "+10", "", "", "", sameStake("h3", kSet123, 10));
    row("3 +A three equal", M::F9, "111", "+10", "", "", "", "");
    row("3 A*B", M::F9, "123", "10*5", "", "", "", set);
    row("3 A*B pair", M::F9, "122", "10*5", "", "", "", "h3:122=10 h3:212=5 h3:221=5");
    row("3 A*B three equal", M::F9, "111", "10*5", "", "", "", "h3:111=10");
    row("3 *A", M::F9, "321", "*10", "", "", "unsorted", "t3:321=10");
    row("3 -A", M::F9, "123", "-10", "", "", "", "l3:123=10");
    row("3 /A", M::F9, "123", "/10", "", "", "", sameStake("l3", kSet123, 10));
    row("3 /A three equal", M::F9, "111", "/10", "", "", "", "");
    row("3 A/B", M::F9, "123", "10/20", "", "", "", "h3:123=10 l3:123=20");
    row("3 A-B", M::F9, "123", "10-20", "", "", "", "");
    row("3 empty", M::F9, "123", "", "", "", "", "h3:123=0");
    row("2 A", M::F9, "12", "30", "", "", "", "h2:12=30");
    row("2 A+B", M::F9, "12", "30+10", "", "", "", "h2:12=30 h2:21=10");
    row("2 A-B", M::F9, "12", "30-10", "", "", "", "l2:12=30 l2:21=10");
    row("2 A/B", M::F9, "12", "30/10", "", "", "", "h2:12=30 l2:12=10");
    row("2 *A", M::F9, "21", "*30", "", "", "", "t2:21=30");
    row("2 -A", M::F9, "12", "-30", "", "", "", "l2:12=30");
    row("2 +A", M::F9, "12", "+30", "", "", "", "");
    row("2 A*B", M::F9, "12", "30*10", "", "", "", "");
    row("2 negative B", M::F9, "12", "10+-5", "", "", "", "h2:12=10 h2:21=-5");
    row("1 A", M::F9, "7", "10", "", "", "", "h1:7=10");
    row("1 -A", M::F9, "7", "-10", "", "", "", "l1:7=10");
    row("1 A*B", M::F9, "7", "10*20", "", "", "",
        sameStake("h2", kDoors7, 10) + " " + sameStake("l2", kDoors7, 20));
    row("1 *A", M::F9, "7", "*30", "", "", "", sameStake("l2", kDoors7, 30));
    row("1 A/B", M::F9, "7", "10/5", "", "", "", "");
    row("4 group", M::F9, "4321", "10", "", "", "", "h4:1234=10");
    row("5 group as typed", M::F9, "54321", "10", "", "", "unsorted", "h5:54321=10");
    row("4 negative", M::F9, "4321", "-10", "", "", "", "h4:1234=-10");
    row("4 operator", M::F9, "4321", "10+5", "", "", "", "refused:10+5");
    row("bad B", M::F9, "123", "10+x", "", "", "", "refused:x");
    row("six digits", M::F9, "123456", "10", "", "", "", "");
    row("2X", M::F9, "1X2", "10", "", "", "", "");
}

void NormalModesTest::bottomTotals_data() {
    columns();
    row("run", M::F10, "5", "30", "", "", "", "l1:5=30");
    row("two", M::F10, "12", "-30", "", "", "", "l2:12=-30");
    row("three", M::F10, "123", "30", "", "", "", "l3:123=30");
    row("set", M::F10, "123", "*10", "", "", "", sameStake("l3", kSet123, 10));
    row("set pair", M::F10, "122", "*10", "", "", "", "l3:122=10 l3:212=10 l3:221=10");
    row("set three equal", M::F10, "111", "*10", "", "", "", "");
    row("19 doors", M::F10, "7", "*30", "", "", "", sameStake("l2", kDoors7, 30));
    row("star two digits", M::F10, "12", "*30", "", "", "", "");
    row("plus", M::F10, "12", "+30", "", "", "", "refused:+30");
    row("four digits", M::F10, "1234", "30", "", "", "", "");
}

void NormalModesTest::droppedStakeVariants() {
    QCOMPARE(dropStake(M::F2, StakeField::n2), M::F2TopOnly);
    QCOMPARE(dropStake(M::F2, StakeField::n1), M::F2TodOnly);
    QCOMPARE(dropStake(M::F4, StakeField::n2), M::F4TopOnly);
    QCOMPARE(dropStake(M::F5, StakeField::n2), M::F5BottomOnly);
    QCOMPARE(dropStake(M::F6, StakeField::n2), M::F6TopOnly);
    QCOMPARE(dropStake(M::F6, StakeField::n1), M::F6BottomOnly);
    QCOMPARE(dropStake(M::F8, StakeField::n2), M::F8NoReverse);
    QCOMPARE(dropStake(M::F2TopOnly, StakeField::n1), M::F2TopOnly);
    QCOMPARE(dropStake(M::F9, StakeField::n2), M::F9);
}

TABULOX_TEST(NormalModesTest)
#include "normalmodes_test.moc"
