#include "common/customerbook.h"
#include "settlement/accounts.h"
#include "support/engines.h"
#include "support/tempbook.h"
#include "support/testmain.h"

using namespace accounts;

namespace {
// An entered line, in tballcus and in tball.
void entered(Database& db, const QString& cus, Kind kind, double stake) {
    for (const char* table : {"tballcus", "tball"}) {
        db.exec(QStringLiteral("INSERT INTO %1 (num, %2, cus, codeins) VALUES (?, ?, ?, ?)")
                    .arg(QLatin1String(table), stakeColumn(kind)),
                {QStringLiteral("12"), stake, cus, kindCode(kind)});
    }
}

// A customer with the ten percents in listing order.
void customer(Database& db, const QString& name, const QVariantList& percents) {
    db.exec(QStringLiteral("INSERT INTO cus (id, name, %1) VALUES (?, ?, ?, ?, ?, ?, ?, ?, ?, ?, "
                           "?, ?)")
                .arg(customerbook::percentColumns().join(',')),
            QVariantList{name, name} + percents);
}

QVariantList same(int percent) {
    return QVariantList(kKindCount, percent);
}

size_t at(Kind kind) {
    const auto& order = listingOrder();
    return static_cast<size_t>(std::find(order.begin(), order.end(), kind) - order.begin());
}

QStringList codes(const QVector<Account>& accounts) {
    QStringList result;
    for (const Account& account : accounts)
        result << account.cusid;
    return result;
}
} // namespace

class AccountsTest : public testing::BothEngines {
    Q_OBJECT
private slots:
    void discountRoundsHalvesToEven();
    void oneKindOnly();
    void everyKindInItsPlace();
    void onlyCustomersWithLines();
    void sheetsAreAccountsOfTheirOwn();
    void fullDiscountLeavesNothingToCollect();
};

void AccountsTest::discountRoundsHalvesToEven() {
    QCOMPARE(discountOf(150, 20), qint64(30));
    QCOMPARE(discountOf(25, 10), qint64(2));   // 2.5
    QCOMPARE(discountOf(35, 10), qint64(4));   // 3.5
    QCOMPARE(discountOf(26, 10), qint64(3));   // 2.6
    QCOMPARE(discountOf(-25, 10), qint64(-2)); // a lowered total
    QCOMPARE(discountOf(-35, 10), qint64(-4));
    QCOMPARE(discountOf(-26, 10), qint64(-3));
    QCOMPARE(discountOf(7, 0), qint64(0));
    // Exact where a double would not be.
    QCOMPARE(discountOf(999999999999999, 100), qint64(999999999999999));
    QCOMPARE(discountOf(999999999999950, 1), qint64(10000000000000)); // 9999999999999.5
}

void AccountsTest::oneKindOnly() {
    TempBook book(testing::engine());
    Database& db = book.db();
    customer(db, "A", {20, 21, 22, 23, 24, 25, 26, 27, 28, 29});
    entered(db, "A", Kind::l3, 100);
    entered(db, "A", Kind::l3, 55);
    const QVector<Account> all = buildAccounts(db);
    QCOMPARE(all.size(), 1);
    const Account& a = all.front();
    QCOMPARE(a.cusid, QStringLiteral("A"));
    QCOMPARE(a.name, QStringLiteral("A"));
    PerKind stakes{};
    stakes[at(Kind::l3)] = 155;
    QCOMPARE(a.stakes, stakes);
    // Every percent is the customer's, the discount only where he staked: 155 x 22% = 34.1.
    QCOMPARE(a.percents, (PerKind{20, 21, 22, 23, 24, 25, 26, 27, 28, 29}));
    PerKind discounts{};
    discounts[at(Kind::l3)] = 34;
    QCOMPARE(a.discounts, discounts);
    QCOMPARE(a.total, qint64(155));
    QCOMPARE(a.discount, qint64(34));
    QCOMPARE(a.toCollect, qint64(121));
    QVERIFY(accountOf(all, "A"));
    QCOMPARE(accountOf(all, "A")->toCollect, qint64(121));
    QVERIFY(!accountOf(all, "B"));
}

void AccountsTest::everyKindInItsPlace() {
    TempBook book(testing::engine());
    Database& db = book.db();
    customer(db, "A", same(10));
    // The stake of kind k is 100 x (its place + 1), plus 5 so each discount is a half.
    for (size_t k = 0; k < listingOrder().size(); ++k)
        entered(db, "A", listingOrder()[k], 100.0 * static_cast<double>(k + 1) + 5);
    entered(db, "A", Kind::t2, -100); // a lowered total
    const Account a = buildAccounts(db).value(0);
    QCOMPARE(a.stakes, (PerKind{105, 205, 305, 405, 505, 505, 705, 805, 905, 1005}));
    // 10.5 20.5 30.5 ... halves to even; t2's 50.5 too.
    QCOMPARE(a.discounts, (PerKind{10, 20, 30, 40, 50, 50, 70, 80, 90, 100}));
    QCOMPARE(a.total, qint64(5450));
    QCOMPARE(a.discount, qint64(540));
    QCOMPARE(a.toCollect, qint64(4910));
}

void AccountsTest::onlyCustomersWithLines() {
    TempBook book(testing::engine());
    Database& db = book.db();
    customer(db, "A", same(10));
    customer(db, "B", same(10)); // no lines
    entered(db, "A", Kind::h2, 40);
    entered(db, "Z", Kind::h2, 1000);      // no customer of that name
    entered(db, "แบบรวม", Kind::h2, 1000); // the combined name is no customer either
    QCOMPARE(codes(buildAccounts(db)), QStringList{"A"});
    // A second row of the same name (its code not yet made equal) does not count A's lines
    // twice.
    db.exec("INSERT INTO cus (id, name) VALUES ('A2', 'A')");
    QCOMPARE(buildAccounts(db).value(0).total, qint64(40));
    // Nobody at all.
    db.exec("DELETE FROM tballcus");
    QVERIFY(buildAccounts(db).isEmpty());
}

void AccountsTest::sheetsAreAccountsOfTheirOwn() {
    TempBook book(testing::engine());
    Database& db = book.db();
    // Made out of order; listed by code as text (Latin capitals, small letters, then Thai).
    for (const char* name : {"สมชาย", "b", "สมชายแผ่นที่1", "B", "A\"x"})
        customer(db, QString::fromUtf8(name), same(10));
    db.exec("UPDATE cus SET c3hp = 50 WHERE name = ?", {QStringLiteral("สมชายแผ่นที่1")});
    for (const char* name : {"สมชาย", "b", "สมชายแผ่นที่1", "B", "A\"x"})
        entered(db, QString::fromUtf8(name), Kind::h3, 100);
    entered(db, "สมชาย", Kind::h3, 100);
    const QVector<Account> all = buildAccounts(db);
    QCOMPARE(codes(all), (QStringList{"A\"x", "B", "b", "สมชาย", "สมชายแผ่นที่1"}));
    // The sheet keeps its own lines and its own percent.
    QCOMPARE(accountOf(all, "สมชาย")->total, qint64(200));
    QCOMPARE(accountOf(all, "สมชาย")->discount, qint64(20));
    QCOMPARE(accountOf(all, "สมชายแผ่นที่1")->total, qint64(100));
    QCOMPARE(accountOf(all, "สมชายแผ่นที่1")->discount, qint64(50));
}

void AccountsTest::fullDiscountLeavesNothingToCollect() {
    TempBook book(testing::engine());
    Database& db = book.db();
    customer(db, "A", {100, 0, 0, 0, 0, 0, 0, 0, 0, 0});
    entered(db, "A", Kind::h3, 333);
    entered(db, "A", Kind::t3, 10);
    const Account a = buildAccounts(db).value(0);
    QCOMPARE(a.discounts[at(Kind::h3)], qint64(333));
    QCOMPARE(a.stakes[at(Kind::h3)] - a.discounts[at(Kind::h3)], qint64(0));
    QCOMPARE(a.toCollect, qint64(10));
}

TABULOX_TEST(AccountsTest)
#include "accounts_test.moc"
