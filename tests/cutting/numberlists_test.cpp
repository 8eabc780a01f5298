#include "common/settings.h"
#include "cutting/closednumbers.h"
#include "cutting/numberlimits.h"
#include "support/engines.h"
#include "support/tempbook.h"
#include "support/testmain.h"

namespace {
EntryItem limit(int index, int namingMode = 0) {
    EntryItem item;
    if (!limitItem(index, namingMode, &item))
        qFatal("no limit item %d", index);
    return item;
}

EntryItem closed(int index, int namingMode = 0) {
    EntryItem item;
    if (!closedItem(index, namingMode, &item))
        qFatal("no closed item %d", index);
    return item;
}

QStringList listed(Database& db, const QString& table) {
    return rowsOf(db, QStringLiteral("SELECT codeins, num, h FROM %1 ORDER BY id").arg(table));
}
} // namespace

class NumberListsTest : public testing::BothEngines {
    Q_OBJECT
private slots:
    void itemShapes();
    void todSorting();
    void setsAndReverses();
    void duplicates();
    void refusedInput();
    void bulkSendAll();
    void bulkShapes();
    void bulkRefusals();
    void copyFromServer();
    void deletes();
    void switches();
    void closedList();
};

void NumberListsTest::itemShapes() {
    QCOMPARE(limit(6).width, 2);
    QCOMPARE(limit(6, 1).width, 3);
    QVERIFY(limit(6, 0).autoAdvance);
    QVERIFY(!limit(6, 2).autoAdvance);
    QCOMPARE(limit(12).kinds, (QVector<Kind>{Kind::h2, Kind::l2}));
    EntryItem item;
    QVERIFY(!limitItem(0, 0, &item));
    QVERIFY(!limitItem(13, 0, &item));
    QVERIFY(!closedItem(10, 0, &item));
    QCOMPARE(closed(10, 1).kinds, QVector<Kind>{Kind::t2});
    QCOMPARE(closed(10, 1).width, 3);
    QCOMPARE(closedKinds(1).size(), 6);
    QVERIFY(!closedKinds(0).contains(Kind::t2));
}

void NumberListsTest::todSorting() {
    TempBook book;
    SettingsRecord(book.db()).set(Backc::back5, "0");
    QVERIFY(storeLine(book.db(), NumberList::limits, limit(2), "931", "100").ok);
    SettingsRecord(book.db()).set(Backc::back5, "1");
    QVERIFY(storeLine(book.db(), NumberList::limits, limit(2), "931", "200").ok);
    QCOMPARE(listed(book.db(), "numlimit"), (QStringList{"t3|139|100", "t3|931|200"}));
}

void NumberListsTest::setsAndReverses() {
    TempBook book;
    Database& db = book.db();
    QVERIFY(storeLine(db, NumberList::limits, limit(9), "112", "0").ok);
    QVERIFY(storeLine(db, NumberList::limits, limit(10), "777", "5").ok);
    QCOMPARE(listed(db, "numlimit"), (QStringList{"h3|112|0", "h3|121|0", "h3|211|0", "l3|777|5"}));

    // listed arrangements and reverses are skipped without a message
    const StoreOutcome set = storeLine(db, NumberList::limits, limit(9), "121", "9");
    QVERIFY(set.ok);
    QVERIFY(set.messages.isEmpty());
    QVERIFY(set.written.isEmpty());

    storeLine(db, NumberList::limits, limit(4), "21", "1");
    const StoreOutcome reverse = storeLine(db, NumberList::limits, limit(12), "12", "30");
    QVERIFY(reverse.messages.isEmpty());
    QCOMPARE(reverse.written, (QVector<Kind>{Kind::h2, Kind::l2}));
    QCOMPARE(
        rowsOf(db, "SELECT codeins, num, h FROM numlimit WHERE num IN ('12','21') ORDER BY id"),
        (QStringList{"h2|21|1", "h2|12|30", "l2|12|30", "l2|21|30"}));
    // a double is its own reverse: one row per kind
    storeLine(db, NumberList::limits, limit(12), "55", "1");
    QCOMPARE(db.scalar("SELECT COUNT(*) FROM numlimit WHERE num = '55'").toInt(), 2);
}

void NumberListsTest::duplicates() {
    TempBook book;
    Database& db = book.db();
    QVERIFY(storeLine(db, NumberList::limits, limit(1), "123", "500").written ==
            QVector<Kind>{Kind::h3});
    const StoreOutcome again = storeLine(db, NumberList::limits, limit(1), "123", "900");
    QCOMPARE(again.messages, QStringList{"มีเลขนี้แล้วในรายการ"});
    QVERIFY(again.written.isEmpty());
    // the same number of another kind is a different row
    QVERIFY(storeLine(db, NumberList::limits, limit(3), "123", "900").messages.isEmpty());

    // item 11 refuses the listed kind only
    storeLine(db, NumberList::limits, limit(5), "45", "7");
    const StoreOutcome both = storeLine(db, NumberList::limits, limit(11), "45", "8");
    QCOMPARE(both.messages, QStringList{"มีเลขนี้แล้วในรายการ"});
    QCOMPARE(both.written, QVector<Kind>{Kind::h2});
    QCOMPARE(rowsOf(db, "SELECT codeins, h FROM numlimit WHERE num = '45' ORDER BY id"),
             (QStringList{"l2|7", "h2|8"}));
}

void NumberListsTest::refusedInput() {
    TempBook book;
    Database& db = book.db();
    for (const QString& amount : {QString("abc"), QString(""), QString("-5")}) {
        const StoreOutcome outcome = storeLine(db, NumberList::limits, limit(11), "12", amount);
        QVERIFY2(!outcome.ok, qPrintable(amount));
        QCOMPARE(outcome.messages, QStringList{"จำนวนเงินไม่ถูกต้อง"});
    }
    QVERIFY(!storeLine(db, NumberList::limits, limit(1), "12", "5").ok);
    QVERIFY(!storeLine(db, NumberList::limits, limit(1), "1a3", "5").ok);
    QVERIFY(!storeLine(db, NumberList::limits, EntryItem{}, "123", "5").ok);
    QVERIFY(listed(db, "numlimit").isEmpty());
    QVERIFY(storeLine(db, NumberList::limits, limit(7), "3", " 250 ").ok);
    QCOMPARE(listed(db, "numlimit"), QStringList{"h1|3|250"});
}

void NumberListsTest::bulkSendAll() {
    TempBook book;
    Database& db = book.db();
    storeLine(db, NumberList::limits, limit(1), "537", "800");
    QList<int> ticks;
    BulkRequest request{Kind::h3, Position::hundreds, 5, bulkPreset(BulkChoice::sendAll)};
    const BulkOutcome outcome =
        bulkFillLimits(db, BulkChoice::sendAll, request, [&](int tick) { ticks << tick; });
    QVERIFY(outcome.ok);
    QCOMPARE(outcome.inserted, 99);
    QCOMPARE(ticks.size(), 100);
    QCOMPARE(ticks.last(), 99);
    QCOMPARE(db.scalar("SELECT COUNT(*) FROM numlimit WHERE codeins = 'h3' AND h = 0 "
                       "AND num BETWEEN '500' AND '599'")
                 .toInt(),
             99);
    QCOMPARE(db.scalar("SELECT h FROM numlimit WHERE num = '537'").toInt(), 800);
    QCOMPARE(bulkPreset(BulkChoice::takeAll), QString("50000"));
    QCOMPARE(bulkPreset(BulkChoice::ownAmount), QString("0"));
}

void NumberListsTest::bulkShapes() {
    const QStringList tens = bulkNumbers(Kind::l3, Position::tens, 4);
    QCOMPARE(tens.size(), 100);
    QCOMPARE(tens.first(), QString("040"));
    QCOMPARE(tens.at(57), QString("547"));
    QCOMPARE(bulkNumbers(Kind::h3, Position::units, 2).at(13), QString("132"));
    QCOMPARE(bulkNumbers(Kind::h2, Position::tens, 3).mid(0, 3), (QStringList{"30", "31", "32"}));
    QCOMPARE(bulkNumbers(Kind::l2, Position::units, 3).mid(0, 3), (QStringList{"03", "13", "23"}));

    TempBook book;
    QList<int> ticks;
    bulkFill(book.db(), NumberList::limits, {Kind::h2, Position::units, 0, "50000"},
             [&](int tick) { ticks << tick; });
    QCOMPARE(ticks, (QList<int>{0, 10, 20, 30, 40, 50, 60, 70, 80, 90}));
    QCOMPARE(book.db()
                 .scalar("SELECT COUNT(*) FROM numlimit WHERE codeins = 'h2' AND h = 50000")
                 .toInt(),
             10);
}

void NumberListsTest::bulkRefusals() {
    TempBook book;
    Database& db = book.db();
    QCOMPARE(bulkFillLimits(db, BulkChoice::none, {Kind::h3, Position::units, 1, "0"}).message,
             QString("กรุณาเลือกการรับ/ส่ง"));
    QCOMPARE(bulkFill(db, NumberList::limits, {Kind::h2, Position::hundreds, 1, "0"}).message,
             QString("คุณเลือกข้อมูลผิด"));
    QCOMPARE(bulkFill(db, NumberList::limits, {Kind::h3, Position::units, -1, "0"}).message,
             QString("กรุณาเลือกตัวเลข"));
    QVERIFY(!bulkFill(db, NumberList::limits, {Kind::h3, Position::units, 1, "x"}).ok);
    QVERIFY(listed(db, "numlimit").isEmpty());
}

void NumberListsTest::copyFromServer() {
    TempBook own, server;
    storeLine(own.db(), NumberList::limits, limit(1), "999", "1");
    storeLine(server.db(), NumberList::limits, limit(1), "123", "40");
    storeLine(server.db(), NumberList::limits, limit(8), "7", "0");
    server.db().exec("INSERT INTO numlimit (num, h, codeins) VALUES ('11', NULL, 'l2')");
    QList<int> percents;
    const CopyOutcome outcome =
        ::copyFromServer(own.db(), server.db(), NumberList::limits, [&](int p) { percents << p; });
    QCOMPARE(outcome.message, QString("โหลดข้อมูลเรียบร้อย"));
    QCOMPARE(percents, (QList<int>{33, 66, 100}));
    QCOMPARE(listed(own.db(), "numlimit"), (QStringList{"h3|123|40", "l1|7|0", "l2|11|0"}));

    // copying from itself keeps the list
    QVERIFY(::copyFromServer(own.db(), own.db(), NumberList::limits).ok);
    QCOMPARE(listed(own.db(), "numlimit").size(), 3);

    // an empty server list empties the own list and still reports success
    deleteAllRows(server.db(), NumberList::limits);
    QVERIFY(::copyFromServer(own.db(), server.db(), NumberList::limits).ok);
    QVERIFY(listed(own.db(), "numlimit").isEmpty());

    // a server that cannot be read leaves the own list alone
    storeLine(own.db(), NumberList::limits, limit(1), "555", "1");
    server.db().exec("ALTER TABLE numlimit RENAME TO numlimit_gone");
    QVERIFY(!::copyFromServer(own.db(), server.db(), NumberList::limits).ok);
    QCOMPARE(listed(own.db(), "numlimit"), QStringList{"h3|555|1"});
}

void NumberListsTest::deletes() {
    TempBook book;
    Database& db = book.db();
    storeLine(db, NumberList::closed, closed(1), "123", "0");
    storeLine(db, NumberList::closed, closed(3), "123", "0");
    storeLine(db, NumberList::limits, limit(1), "123", "0");
    QCOMPARE(deleteKindRows(db, NumberList::closed, Kind::h3), QString("ลบข้อมูลเรียบร้อย"));
    QCOMPARE(listed(db, "numlimit2"), QStringList{"l3|123|0"});
    QCOMPARE(listed(db, "numlimit").size(), 1);
    QCOMPARE(listRows(db, NumberList::closed, Kind::l3).size(), 1);
    deleteAllRows(db, NumberList::closed);
    QVERIFY(listed(db, "numlimit2").isEmpty());
    QCOMPARE(listed(db, "numlimit").size(), 1);
}

void NumberListsTest::switches() {
    TempBook book;
    Database& db = book.db();
    QVERIFY(!setFiftyPercent(db, false));
    QCOMPARE(SettingsRecord(db).text(Backc::back19), QString("0"));
    QVERIFY(setFiftyPercent(db, true));
    QVERIFY(!setClosedWarning(db, false));
    QVERIFY(setWatch(db, true));
    QCOMPARE(SettingsRecord(db).text(Backc::back23), QString("0"));
    QCOMPARE(SettingsRecord(db).text(Backc::back27), QString("1"));
}

void NumberListsTest::closedList() {
    TempBook book;
    Database& db = book.db();
    QVERIFY(storeLine(db, NumberList::closed, closed(6), "556", "0").ok);
    QCOMPARE(listed(db, "numlimit2"), (QStringList{"h3|556|0", "h3|565|0", "h3|655|0"}));
    QCOMPARE(storeLine(db, NumberList::closed, closed(1), "565", "0").messages,
             QStringList{"มีเลขนี้แล้วในรายการ"});
    QVERIFY(storeLine(db, NumberList::closed, closed(9), "12", "0").messages.isEmpty());
    QVERIFY(listed(db, "numlimit").isEmpty());
}

TABULOX_TEST(NumberListsTest)
#include "numberlists_test.moc"
