#include "reports/totalsviews.h"
#include "store/kindrow.h"
#include "support/engines.h"
#include "support/tempbook.h"
#include "support/testmain.h"

#include <QSet>

using namespace totals;

namespace {
void bet(Database& db, const QString& num, Kind kind, double stake) {
    db.exec(QStringLiteral("INSERT INTO tball (num, %1, cus, codeins) VALUES (?, ?, ?, ?)")
                .arg(stakeColumn(kind)),
            {num, stake, QStringLiteral("ก"), kindCode(kind)});
}

void limitOf(Database& db, Kind kind, int amount) {
    kindrow::write(db, QStringLiteral("change2"), static_cast<int>(kind), QString::number(amount));
}

Request request(const char* className, Mode mode = Mode::all) {
    Request r;
    r.view = view(QLatin1String(className));
    if (!r.view)
        qFatal("no view %s", className);
    r.mode = mode;
    return r;
}

const Line* lineOf(const Listing& listing, const QString& num) {
    for (const Line& line : listing.lines) {
        if (line.num == num)
            return &line;
    }
    return nullptr;
}

QStringList numbersOf(const Listing& listing) {
    QStringList numbers;
    for (const Line& line : listing.lines)
        numbers << line.num;
    return numbers;
}
} // namespace

class TotalsTest : public testing::BothEngines {
    Q_OBJECT
private slots:
    void oneTableOfSeventeen();
    void headingsOfModesAndNaming();
    void overLimitMarks();
    void closedNumbersComparedAsWhole();
    void limitedAndSentNumbers();
    void pairAndRunningKinds();
    void sortedByAmount();
};

void TotalsTest::oneTableOfSeventeen() {
    QCOMPARE(static_cast<int>(views().size()), 17);
    QSet<QString> names;
    for (const View& v : views())
        names.insert(QLatin1String(v.className));
    QCOMPARE(names.size(), 17);
    QCOMPARE(viewOf(Kind::h5, Order::byNumber)->className, "Th5re");
    QCOMPARE(viewOf(Kind::t2, Order::byAmount)->className, "Tre2th");
    QVERIFY(!viewOf(Kind::h1, Order::byAmount));
    QVERIFY(!view(QStringLiteral("Tnothing")));
    // Every source opens on the engine, in every mode it has.
    TempBook book(testing::engine());
    for (const View& v : views()) {
        Request r;
        r.view = &v;
        for (Mode mode : {Mode::all, Mode::limited, Mode::sent}) {
            r.mode = mode;
            QCOMPARE(read(book.db(), r).lines.size(), 0);
        }
    }
}

void TotalsTest::headingsOfModesAndNaming() {
    QCOMPARE(heading(request("Tshowh3")), QStringLiteral("สรุปยอด3ตัวบน"));
    QCOMPARE(heading(request("Tshowh3", Mode::limited)), QStringLiteral("แสดงยอดเลขอั้น3ตัวบน "));
    QCOMPARE(heading(request("Tl3", Mode::sent)), QStringLiteral("แสดงยอดเลขอั้น 3ตัวล่าง ที่ส่ง   "));
    // Views without limited variants keep their heading in any mode.
    QCOMPARE(heading(request("Th4re", Mode::limited)), QStringLiteral("แสดงยอดกลุ่ม4ตัว"));
    Request named = request("Tre2t", Mode::sent);
    named.namingMode = 1;
    QCOMPARE(heading(named), QStringLiteral("แสดงยอดหัว2ตัว"));
    named.namingMode = 2;
    QCOMPARE(heading(named), QStringLiteral("แสดงยอด2ตัวX"));
    Request head = request("Th5re");
    head.namingMode = 1;
    QCOMPARE(heading(head), QStringLiteral("แสดงยอดหัว3ตัว"));
    head.namingMode = 2;
    QCOMPARE(heading(head), QStringLiteral("แสดงยอดกลุ่ม5ตัว"));
}

void TotalsTest::overLimitMarks() {
    TempBook book(testing::engine());
    Database& db = book.db();
    limitOf(db, Kind::h3, 100);
    bet(db, QStringLiteral("123"), Kind::h3, 150);
    bet(db, QStringLiteral("124"), Kind::h3, 60);
    bet(db, QStringLiteral("124"), Kind::h3, 40);    // equal to the limit: not over
    bet(db, QStringLiteral("125"), Kind::h3, 100.4); // rounds to the limit

    Request plainView = request("Tshowh3");
    Listing listing = read(db, plainView);
    QCOMPARE(numbersOf(listing), (QStringList{"123", "124", "125"}));
    QCOMPARE(listing.total, 350.4);
    // The limited kinds mark only with the red warning on.
    QVERIFY(!lineOf(listing, "123")->amountOver);
    plainView.redWarning = true;
    listing = read(db, plainView);
    QVERIFY(lineOf(listing, "123")->amountOver && lineOf(listing, "123")->numberOver);
    QVERIFY(!lineOf(listing, "124")->amountOver && !lineOf(listing, "124")->numberOver);
    QVERIFY(!lineOf(listing, "125")->amountOver);
    // The sorted views mark always.
    const Listing sorted = read(db, request("Tshowh3h"));
    QCOMPARE(numbersOf(sorted), (QStringList{"123", "125", "124"}));
    QVERIFY(lineOf(sorted, "123")->amountOver);
    QVERIFY(!lineOf(sorted, "124")->amountOver);
}

void TotalsTest::closedNumbersComparedAsWhole() {
    TempBook book(testing::engine());
    Database& db = book.db();
    bet(db, QStringLiteral("012"), Kind::h3, 5);
    bet(db, QStringLiteral("120"), Kind::h3, 5);
    bet(db, QStringLiteral("012"), Kind::l3, 5);
    db.exec(QStringLiteral("INSERT INTO numlimit2 (num, h, codeins) VALUES ('12', 0, 'h3')"));
    Request r = request("Tshowh3");
    QVERIFY(!lineOf(read(db, r), "012")->closed);
    r.watchNumbers = true;
    const Listing listing = read(db, r);
    QVERIFY(lineOf(listing, "012")->closed);
    QVERIFY(!lineOf(listing, "120")->closed);
    // Another kind's list does not count.
    Request bottom = request("Tl3");
    bottom.watchNumbers = true;
    QVERIFY(!lineOf(read(db, bottom), "012")->closed);
}

void TotalsTest::limitedAndSentNumbers() {
    TempBook book(testing::engine());
    Database& db = book.db();
    limitOf(db, Kind::h2, 10);
    bet(db, QStringLiteral("45"), Kind::h2, 80);
    bet(db, QStringLiteral("46"), Kind::h2, 30);
    db.exec(QStringLiteral("INSERT INTO numlimit (num, h, codeins) VALUES ('45', 20, 'h2')"));
    db.exec(QStringLiteral("INSERT INTO h2sent (num, h, rep) VALUES ('45', 60, '2')"));
    db.exec(QStringLiteral("INSERT INTO h2sent (num, h, rep) VALUES ('46', 20, '2')"));

    Request r = request("Th2re", Mode::limited);
    r.redWarning = true;
    Listing listing = read(db, r);
    QCOMPARE(numbersOf(listing), QStringList{"45"});
    QCOMPARE(listing.total, 80.0);
    // The limited-number modes never mark.
    QVERIFY(!lineOf(listing, "45")->amountOver);
    r.mode = Mode::sent;
    listing = read(db, r);
    QCOMPARE(numbersOf(listing), QStringList{"45"});
    QCOMPARE(listing.total, 60.0);
    r.mode = Mode::all;
    listing = read(db, r);
    QCOMPARE(numbersOf(listing), (QStringList{"45", "46"}));
    QVERIFY(lineOf(listing, "46")->amountOver);
}

void TotalsTest::pairAndRunningKinds() {
    TempBook book(testing::engine());
    Database& db = book.db();
    limitOf(db, Kind::h3, 100);
    limitOf(db, Kind::t3, 10);
    bet(db, QStringLiteral("123"), Kind::h3, 150);
    bet(db, QStringLiteral("123"), Kind::t3, 5);
    bet(db, QStringLiteral("456"), Kind::t3, 20);
    bet(db, QStringLiteral("789"), Kind::h3, 100);
    db.exec(QStringLiteral("INSERT INTO numlimit2 (num, h, codeins) VALUES ('789', 0, 'h3')"));
    Request r = request("Tshowht3");
    r.watchNumbers = true;
    const Listing pair = read(db, r);
    QVERIFY(pair.pair);
    QCOMPARE(pair.across, 4);
    QCOMPARE(pair.total, 275.0);
    const Line* both = lineOf(pair, "123");
    QVERIFY(both->numberOver && both->amountOver && !both->amount2Over);
    QCOMPARE(both->amount2, 5.0);
    const Line* tod = lineOf(pair, "456");
    QVERIFY(tod->numberOver && !tod->amountOver && tod->amount2Over);
    // The pair view does not mark closed numbers.
    QVERIFY(!lineOf(pair, "789")->closed && !lineOf(pair, "789")->numberOver);

    bet(db, QStringLiteral("7"), Kind::h1, 3);
    const Listing running = read(db, request("Th1re"));
    QVERIFY(running.running);
    QCOMPARE(running.across, 2);
    QCOMPARE(numbersOf(running), QStringList{"7"});
}

void TotalsTest::sortedByAmount() {
    TempBook book(testing::engine());
    Database& db = book.db();
    bet(db, QStringLiteral("1234"), Kind::h4, 5);
    bet(db, QStringLiteral("2345"), Kind::h4, 50);
    bet(db, QStringLiteral("3456"), Kind::h4, 20);
    Request r = request("Th4re");
    QCOMPARE(numbersOf(read(db, r)), (QStringList{"1234", "2345", "3456"}));
    r.byAmount = true;
    QCOMPARE(numbersOf(read(db, r)), (QStringList{"2345", "3456", "1234"}));
}

TABULOX_TEST(TotalsTest)
#include "totals_test.moc"
