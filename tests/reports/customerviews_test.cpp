#include "reports/customerviews.h"
#include "support/engines.h"
#include "support/tempbook.h"
#include "support/testmain.h"

using namespace customerviews;

namespace {
// An entered line of a customer, in tballcus and in tball.
void entered(Database& db, const QString& cus, const QString& num, Kind kind, double stake) {
    for (const char* table : {"tballcus", "tball"}) {
        db.exec(QStringLiteral("INSERT INTO %1 (num, %2, cus, codeins) VALUES (?, ?, ?, ?)")
                    .arg(QLatin1String(table), stakeColumn(kind)),
                {num, stake, cus, kindCode(kind)});
    }
}

void customer(Database& db, const QString& name) {
    db.exec(QStringLiteral("INSERT INTO cus (id, name) VALUES (?, ?)"), {name, name});
}

QString cells(const Line& line) {
    auto text = [](const std::optional<double>& v) {
        return v ? QString::number(*v) : QStringLiteral("-");
    };
    return QStringList{line.num, text(line.h), text(line.t), text(line.l)}.join(QLatin1Char(' '));
}

QStringList cellsOf(const Listing& listing) {
    QStringList all;
    for (const Line& line : listing.lines)
        all << cells(line);
    return all;
}

// The figures as "caption amount", "-" for an empty one.
QStringList figuresOf(const Listing& listing) {
    QStringList all;
    for (const Figure& figure : listing.figures)
        all << figure.caption + (figure.amount ? QString::number(*figure.amount) : "-");
    return all;
}

ByCustomer request(const QString& name, int kind = kAllKinds, bool allSheets = false) {
    ByCustomer r;
    r.name = name;
    r.kind = kind;
    r.allSheets = allSheets;
    if (kind != kAllKinds)
        r.kindText = kindChoices(0)[kind - 1];
    return r;
}
// Customers A, his sheets 1 and 12, and three whose names only begin like his.
void fillBook(Database& db) {
    for (const char* name : {"A", "Aแผ่นที่1", "Aแผ่นที่12", "AB", "Aแผ่นที่x", "A_"})
        customer(db, QString::fromUtf8(name));
    entered(db, "A", "123", Kind::h3, 100);
    entered(db, "A", "123", Kind::t3, 20);
    entered(db, "A", "123", Kind::h3, 50);
    entered(db, "A", "456", Kind::l3, 30);
    entered(db, "A", "7", Kind::h1, 10);
    entered(db, "A", "45", Kind::l2, 40);
    entered(db, "A", "45", Kind::h2, 0);
    entered(db, "Aแผ่นที่1", "123", Kind::h3, 5);
    entered(db, "Aแผ่นที่12", "88", Kind::t2, 7);
    entered(db, "AB", "123", Kind::h3, 1000);
    entered(db, "Aแผ่นที่x", "123", Kind::h3, 2000);
    entered(db, "A_", "999", Kind::h3, 3000);
}
} // namespace

class CustomerViewsTest : public testing::BothEngines {
    Q_OBJECT
private slots:
    void oneCustomerAllKinds();
    void oneKindLeavesOutZeroStakes();
    void sheetsAreTheCustomersOwnOnly();
    void captionsOfTheNamingModes();
    void everybodyEnteredAndRemaining();
    void entryOrderOfOneCustomer();
};

void CustomerViewsTest::oneCustomerAllKinds() {
    TempBook book(testing::engine());
    fillBook(book.db());
    const Listing listing = byCustomer(book.db(), request("A"));
    QCOMPARE(listing.heading, QStringLiteral("สรุปยอดรวม ของA"));
    // Groups in order; columns a group does not fill stay empty; zero stakes are listed.
    QCOMPARE(cellsOf(listing),
             (QStringList{"123 150 20 0", "456 0 0 30", "45 0 0 40", "7 10 - 0"}));
    QCOMPARE(listing.total, 250.0);
    // A kind without a line of the customer has an empty figure; h2 has a line of 0.
    QCOMPARE(figuresOf(listing),
             (QStringList{"3ตัวบน=150", "3ตัวโต๊ด=20", "2ตัวบน=0", "2ตัวโต๊ด=-", "วิ่งบน=10", "วิ่งล่าง=-",
                          "3ตัวล่าง=30", "4ตัว=-", "2ตัวล่าง=40", "5ตัว=-"}));
    QVERIFY(!listing.headingInSummary);
    // Nobody of that name: nothing listed, every figure empty.
    const Listing nobody = byCustomer(book.db(), request("Z"));
    QVERIFY(nobody.lines.isEmpty());
    for (const Figure& figure : nobody.figures)
        QVERIFY(!figure.amount);
}

void CustomerViewsTest::oneKindLeavesOutZeroStakes() {
    TempBook book(testing::engine());
    fillBook(book.db());
    Database& db = book.db();
    // 2ตัวล่าง is the fifth choice: the l2 stakes and only the 2ตัวล่าง figure.
    Listing listing = byCustomer(db, request("A", 5));
    QCOMPARE(listing.heading, QStringLiteral("สรุปยอด2ตัวล่างของA"));
    QCOMPARE(cellsOf(listing), QStringList{"45 - - 40"});
    QStringList expected{"3ตัวบน=-", "3ตัวโต๊ด=-", "2ตัวบน=-", "2ตัวโต๊ด=-",  "วิ่งบน=-",
                         "วิ่งล่าง=-", "3ตัวล่าง=-", "4ตัว=-",   "2ตัวล่าง=40", "5ตัว=-"};
    QCOMPARE(figuresOf(listing), expected);
    // 2ตัวบน has only a line of 0: nothing listed, but its figure is printed.
    listing = byCustomer(db, request("A", 4));
    QVERIFY(listing.lines.isEmpty());
    QCOMPARE(figuresOf(listing)[2], QStringLiteral("2ตัวบน=0"));
    // 3ตัวโต๊ด lists the tod stakes in the tod column.
    listing = byCustomer(db, request("A", 2));
    QCOMPARE(cellsOf(listing), QStringList{"123 - 20 -"});
    QCOMPARE(listing.total, 20.0);
}

void CustomerViewsTest::sheetsAreTheCustomersOwnOnly() {
    TempBook book(testing::engine());
    fillBook(book.db());
    Database& db = book.db();
    Listing listing = byCustomer(db, request("A", kAllKinds, true));
    QCOMPARE(listing.heading, QStringLiteral("สรุปยอดรวมทุกแผ่นของA"));
    // A and his sheets 1 and 12; not AB, not "แผ่นที่x", not A_ (no pattern from the name).
    double total = 0;
    for (const Line& line : listing.lines)
        total += line.h.value_or(0) + line.t.value_or(0) + line.l.value_or(0);
    QCOMPARE(total, 262.0);
    QCOMPARE(listing.total, 262.0);
    QCOMPARE(figuresOf(listing)[0], QStringLiteral("3ตัวบน=155"));
    QCOMPARE(figuresOf(listing)[3], QStringLiteral("2ตัวโต๊ด=7"));
    // A name with pattern characters matches itself only.
    listing = byCustomer(db, request("A_", kAllKinds, true));
    QCOMPARE(cellsOf(listing), QStringList{"999 3000 0 0"});
    // One kind with the sheets.
    listing = byCustomer(db, request("A", 1, true));
    QCOMPARE(listing.heading, QStringLiteral("สรุปยอดรวมทุกแผ่นของA"));
    QCOMPARE(listing.total, 155.0);
    QCOMPARE(listing.lines.size(), 2);
}

void CustomerViewsTest::captionsOfTheNamingModes() {
    TempBook book(testing::engine());
    fillBook(book.db());
    QCOMPARE(kindChoices(0)[5], QStringLiteral("คู่โต๊ด"));
    QCOMPARE(kindChoices(1)[5], QStringLiteral("หัว2ตัว"));
    QCOMPARE(kindChoices(1)[8], QStringLiteral("หัว3ตัวโต๊ด"));
    QCOMPARE(kindChoices(1)[9], QStringLiteral("หัว3ตัว"));
    QCOMPARE(kindChoices(2)[5], QStringLiteral("2ตัวX"));
    QCOMPARE(kindChoices(2)[9], QStringLiteral("กลุ่ม5ตัว"));
    ByCustomer named = request("A");
    named.namingMode = 1;
    QStringList figures = figuresOf(byCustomer(book.db(), named));
    QCOMPARE(figures[3], QStringLiteral("หัว2ตัว=-"));
    QCOMPARE(figures[7], QStringLiteral("หัว3ตัวโต๊ด=-"));
    QCOMPARE(figures[9], QStringLiteral("หัว3ตัว=-"));
    named.namingMode = 2;
    figures = figuresOf(byCustomer(book.db(), named));
    QCOMPARE(figures[3], QStringLiteral("2ตัวX=-"));
    QCOMPARE(figures[7], QStringLiteral("กลุ่ม4ตัว=-"));
}

void CustomerViewsTest::everybodyEnteredAndRemaining() {
    TempBook book(testing::engine());
    fillBook(book.db());
    Database& db = book.db();
    // A line taken back from the book stays among the entered ones.
    db.exec(QStringLiteral("DELETE FROM tball WHERE cus = 'A_'"));
    Listing all = everybody(db, Source::entered, 0);
    QCOMPARE(all.heading, QStringLiteral("สรุปยอดทั้งหมดที่ป้อน"));
    QVERIFY(all.headingInSummary);
    QCOMPARE(all.total, 6262.0);
    QCOMPARE(figuresOf(all)[0], QStringLiteral("3ตัวบน=6155"));
    Listing remaining = everybody(db, Source::remaining, 0);
    QCOMPARE(remaining.heading, QStringLiteral("สรุปยอดคงเหลือ"));
    QCOMPARE(remaining.total, 3262.0);
    QCOMPARE(figuresOf(remaining)[0], QStringLiteral("3ตัวบน=3155"));
    QVERIFY(!cellsOf(remaining).contains("999 3000 0 0"));
    // One group: its numbers, its figures only.
    Listing running = everybody(db, Source::remaining, 3);
    QCOMPARE(running.heading, QStringLiteral("สรุปยอดวิ่ง"));
    QCOMPARE(cellsOf(running), QStringList{"7 10 - 0"});
    QCOMPARE(figuresOf(running),
             (QStringList{"3ตัวบน=-", "3ตัวโต๊ด=-", "2ตัวบน=-", "2ตัวโต๊ด=-", "วิ่งบน=10", "วิ่งล่าง=-",
                          "3ตัวล่าง=-", "4ตัว=-", "2ตัวล่าง=-", "5ตัว=-"}));
    QCOMPARE(everybody(db, Source::entered, 1).heading, QStringLiteral("สรุปยอด3ตัว"));
    QCOMPARE(everybody(db, Source::entered, 5).heading, QStringLiteral("สรุปยอด5ตัว"));
}

void CustomerViewsTest::entryOrderOfOneCustomer() {
    TempBook book(testing::engine());
    fillBook(book.db());
    Database& db = book.db();
    QVector<Entered> lines = entryOrder(db, "A", kAllKinds);
    QCOMPARE(lines.size(), 7);
    QStringList nums;
    for (int i = 0; i < lines.size(); ++i) {
        nums << lines[i].num;
        if (i > 0)
            QVERIFY(lines[i - 1].id.toLongLong() < lines[i].id.toLongLong());
        QCOMPARE(lines[i].cus, QStringLiteral("A"));
        QVERIFY(!lines[i].tim.isEmpty());
    }
    QCOMPARE(nums, (QStringList{"123", "123", "123", "456", "7", "45", "45"}));
    lines = entryOrder(db, "A", 1);
    QCOMPARE(lines.size(), 2);
    QCOMPARE(lines[1].h, 50.0);
    QVERIFY(entryOrder(db, "nobody", kAllKinds).isEmpty());
    // Lines without a chosen customer are listed under the combined name.
    entered(db, "แบบรวม", "55", Kind::h2, 9);
    lines = entryOrder(db, "แบบรวม", kAllKinds);
    QCOMPARE(lines.size(), 1);
    QCOMPARE(lines[0].num, QStringLiteral("55"));
    QCOMPARE(entryOrderHeading(kAllKinds, "A"), QStringLiteral("สรุปยอดลำดับการป้อนแบบรวมของA"));
    QCOMPARE(entryOrderHeading(6, "A"), QStringLiteral("สรุปยอดลำดับการป้อนเลขคู่โต๊ดของA"));
}

TABULOX_TEST(CustomerViewsTest)
#include "customerviews_test.moc"
