#include "entry/recorder.h"
#include "store/location.h"
#include "support/engines.h"
#include "support/tempbook.h"
#include "support/testmain.h"

#include <QElapsedTimer>
#include <algorithm>
#include <functional>
#include <thread>

// Lines recorded on the server's book by several computers at once, and by one whose
// connection dies in the middle of a line.
class ServerLinesTest : public testing::Test {
    Q_OBJECT
private slots:
    void twoComputersAtOnce();
    void connectionDiesInTheMiddleOfALine();
    void heldBookGivesARefusalInSeconds();
};

namespace {
// Line i of a computer: two or three records whose kinds and numbers come in an order of
// their own, so two computers touch the same sums in opposite orders.
BetRecords lineOf(int computer, int i) {
    const QString a = QStringLiteral("%1").arg(i % 50, 3, 10, QLatin1Char('0'));
    const QString b = QStringLiteral("%1").arg((i * 7) % 50, 3, 10, QLatin1Char('0'));
    BetRecords records{{a, Kind::h3, double(i % 9 + 1)}, {b, Kind::t3, 2.5}};
    if (i % 3 == 0)
        records.push_back({a.right(2), Kind::h2, -1});
    if (computer == 1)
        std::reverse(records.begin(), records.end());
    return records;
}

QString customerOf(int computer, int i) {
    return QStringLiteral("c%1-%2").arg(computer).arg(i);
}

// Runs work(0) and work(1) at the same time, as two computers would, and checks that neither
// was refused.
void onTwoComputers(const std::function<void(int, QStringList&)>& work) {
    QStringList failures[2];
    auto computer = [&](int which) {
        try {
            work(which, failures[which]);
        } catch (const StoreError& error) {
            failures[which] << error.message();
        }
    };
    std::thread first(computer, 0);
    std::thread second(computer, 1);
    first.join();
    second.join();
    QCOMPARE(failures[0], QStringList());
    QCOMPARE(failures[1], QStringList());
}
} // namespace

void ServerLinesTest::twoComputersAtOnce() {
    REQUIRE_SERVER();
    testing::ServerSchema place;
    location::createServerBook(place.address());
    const int lines = 1000;
    onTwoComputers([&](int which, QStringList&) {
        std::unique_ptr<Database> db = location::openBook(place.address(), "/tmp/");
        Recorder recorder(*db);
        for (int i = 0; i < lines; ++i)
            recorder.recordLine(lineOf(which, i), customerOf(which, i));
    });
    if (QTest::currentTestFailed())
        return;

    std::unique_ptr<Database> db = Database::openExisting(place.address());
    int expected = 0;
    for (int which = 0; which < 2; ++which) {
        for (int i = 0; i < lines; ++i)
            expected += lineOf(which, i).size();
    }
    QCOMPARE(rowsOf(*db, "SELECT count(*), count(DISTINCT id) FROM tball"),
             QStringList{QString("%1|%1").arg(expected)});
    QCOMPARE(rowsOf(*db, "SELECT count(*), count(DISTINCT id) FROM tballcus"),
             QStringList{QString("%1|%1").arg(expected)});
    QCOMPARE(rowsOf(*db, "SELECT count(*), sum(CAST(s AS integer)) FROM tblog"),
             QStringList{QString("%1|%2").arg(2 * lines).arg(expected)});
    // Every line whole, in both tables.
    QCOMPARE(rowsOf(*db, "SELECT cus, count(*) FROM tball GROUP BY cus HAVING count(*) <> "
                         "(SELECT count(*) FROM tballcus c WHERE c.cus = tball.cus)"),
             QStringList());
    for (int i : {0, 1, 2, 500, 999}) {
        QCOMPARE(db->scalar("SELECT count(*) FROM tball WHERE cus = ?", {customerOf(1, i)}).toInt(),
                 int(lineOf(1, i).size()));
    }
    // The kept sums are what a fresh sum over the book gives.
    QCOMPARE(rowsOf(*db, "SELECT codeins, num, h, t, l, n FROM tbtotals ORDER BY codeins, num"),
             rowsOf(*db, "SELECT codeins, num, sum(h), sum(t), sum(l), count(*) FROM tball "
                         "GROUP BY codeins, num ORDER BY codeins, num"));
    QCOMPARE(rowsOf(*db, "SELECT codeins, h, t, l, n, cnum FROM tbkind ORDER BY codeins"),
             rowsOf(*db, "SELECT codeins, sum(h), sum(t), sum(l), count(*), count(num) FROM "
                         "tball GROUP BY codeins ORDER BY codeins"));
}

void ServerLinesTest::connectionDiesInTheMiddleOfALine() {
    REQUIRE_SERVER();
    testing::ServerSchema place;
    location::createServerBook(place.address());
    std::unique_ptr<Database> db = location::openBook(place.address(), "/tmp/");
    Recorder recorder(*db);
    recorder.recordLine({{"11", Kind::h2, 5}}, "a");

    // The server ends this computer's connection while the line's fourth copy goes in.
    std::unique_ptr<Database> other = Database::openExisting(place.address());
    other->exec("CREATE FUNCTION cut_off() RETURNS trigger LANGUAGE plpgsql AS $$\n"
                "BEGIN\n"
                "IF NEW.num = '231' THEN PERFORM pg_terminate_backend(pg_backend_pid()); END IF;\n"
                "RETURN NEW;\n"
                "END\n"
                "$$");
    other->exec("CREATE TRIGGER cut_off BEFORE INSERT ON tballcus FOR EACH ROW EXECUTE FUNCTION "
                "cut_off()");
    BetRecords line;
    for (const char* n : {"123", "132", "213", "231", "312", "321"})
        line.push_back({n, Kind::h3, 10});
    try {
        recorder.recordLine(line, "a");
        QFAIL("a line was said to be recorded when its connection died");
    } catch (const StoreError& error) {
        QCOMPARE(error.kind(), StoreError::serverGone);
        QVERIFY(error.message().startsWith(StoreError::thaiFor(StoreError::serverGone)));
    }
    // Nothing of the line was kept.
    for (const char* table : {"tball", "tballcus", "tblog"})
        QCOMPARE(other->scalar(QString("SELECT count(*) FROM %1").arg(table)).toInt(), 1);
    QCOMPARE(rowsOf(*other, "SELECT * FROM h3sum"), QStringList{""});

    // The server is back: the next line goes in on a new connection of the same book.
    other->exec("DROP TRIGGER cut_off ON tballcus");
    QCOMPARE(recorder.recordLine(line, "a"), 6);
    QCOMPARE(rowsOf(*other, "SELECT * FROM h3sum"), QStringList{"60"});
    QCOMPARE(rowsOf(*other, "SELECT count(*) FROM tballcus"), QStringList{"7"});
    QCOMPARE(readBookSums(*db).rowCount, qint64(7));

    // Cut off between the last row and the commit: the server may or may not have kept it,
    // and the message says so rather than that nothing was saved.
    {
        Transaction transaction(*db);
        db->exec("INSERT INTO tblog (s) VALUES ('1')");
        other->exec("SELECT pg_terminate_backend(?)", {db->scalar("SELECT pg_backend_pid()")});
        try {
            transaction.commit();
            QFAIL("a commit over a dead connection was said to be done");
        } catch (const StoreError& error) {
            QCOMPARE(error.kind(), StoreError::serverGone);
            QVERIFY(error.message().contains("อาจบันทึกแล้ว"));
        }
    }
    QCOMPARE(recorder.recordLine({{"11", Kind::h2, 5}}, "a"), 1);
}

void ServerLinesTest::heldBookGivesARefusalInSeconds() {
    REQUIRE_SERVER();
    testing::ServerSchema place;
    location::createServerBook(place.address());
    // Another computer is in the middle of a long write to the book.
    std::unique_ptr<Database> other = Database::openExisting(place.address());
    auto held = std::make_unique<Transaction>(*other);
    other->exec("INSERT INTO tball (num, h, codeins) VALUES ('1', 1, 'h1')");

    // This computer waits a moment (here a third of a second), then is told to try again.
    std::unique_ptr<Database> db =
        Database::openExisting(testing::withSetting(place.address(), "lock_timeout=300"));
    Recorder recorder(*db);
    QElapsedTimer timer;
    timer.start();
    try {
        recorder.recordLine({{"123", Kind::h3, 10}}, "a");
        QFAIL("a line went in while the book was held");
    } catch (const StoreError& error) {
        QCOMPARE(error.kind(), StoreError::inUse);
        QVERIFY(error.message().startsWith(StoreError::thaiFor(StoreError::inUse)));
    }
    QVERIFY(timer.elapsed() < 3000);
    QCOMPARE(rowsOf(*db, "SELECT count(*) FROM tballcus"), QStringList{"0"});

    held->commit();
    held.reset();
    QCOMPARE(recorder.recordLine({{"123", Kind::h3, 10}}, "a"), 1);
    QCOMPARE(rowsOf(*db, "SELECT count(*) FROM tball"), QStringList{"2"});
}

TABULOX_TEST(ServerLinesTest)
#include "serverlines_test.moc"
