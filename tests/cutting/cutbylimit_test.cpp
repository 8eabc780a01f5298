#include "common/settings.h"
#include "cutting/cutbylimit.h"
#include "cutting/cutlog.h"
#include "store/kindrow.h"
#include "store/schema.h"
#include "support/bookfaults.h"
#include "support/cutbook.h"
#include "support/engines.h"
#include "support/tempbook.h"
#include "support/testmain.h"

using namespace cut;
using namespace cutbook;

namespace {
QStringList everything(Database& db) {
    QStringList rows;
    rows << rowsOf(db, "SELECT id, num, h, t, l, cus, codeins, ti2 FROM tball ORDER BY id")
         << rowsOf(db, "SELECT id, num, h, t, l, cus, codeins FROM tballcus ORDER BY id")
         << rowsOf(db, "SELECT codeins, num, h, t, l, n FROM tbtotals ORDER BY codeins, num")
         << rowsOf(db, "SELECT codeins, h, t, l, n, cnum FROM tbkind ORDER BY codeins")
         << rowsOf(db, "SELECT num, h, l, t, rep, cod, name FROM sentall ORDER BY cod, name, num")
         << rowsOf(db, "SELECT num, h, t, l, rep FROM sentall2 ORDER BY rep, num")
         << rowsOf(db, "SELECT back, back8 FROM backc");
    for (Kind kind : listingOrder())
        rows << keptTable(kind) << keptOf(db, kind) << sentTable(kind) << sentOf(db, kind);
    return rows;
}

// The three numbers of the cases of a kind limit of 500.
void threeNumbers(Database& db, Kind kind = Kind::h3) {
    limitOf(db, kind, 500);
    bet(db, "123", kind, 500);
    bet(db, "123", kind, 300);
    bet(db, "456", kind, 500);
    bet(db, "789", kind, 200);
}

// What a log row carries, whichever its column.
const char* const kAmount = "(coalesce(h, 0) + coalesce(t, 0) + coalesce(l, 0))";
} // namespace

class CutByLimitTest : public testing::BothEngines {
    Q_OBJECT
private slots:
    void kindLimit();
    void numberLimits_data();
    void numberLimits();
    void kindLimitZero();
    void fiftyPercent();
    void everyKind();
    void groupImmediate_data();
    void groupImmediate();
    void fillerRows();
    void numbersAndLog();
    void takeBack();
    void largeCutTakenBack();
    void halving();
    void failureLeavesBookAsBefore();
    void secondCutRefused();
};

void CutByLimitTest::kindLimit() {
    TempBook book;
    Database& db = book.db();
    threeNumbers(db);
    const QStringList entered = rowsOf(db, "SELECT * FROM tballcus ORDER BY id");
    QVector<MenuStep> told;
    MenuCutOptions options;
    options.progress = [&](const MenuStep& step) { told << step; };
    const MenuCutResult result = menuCut(db, options);
    QCOMPARE(result.number, 1);
    QCOMPARE(SettingsRecord(db).text(Backc::back8), QStringLiteral("1"));
    QCOMPARE(keptOf(db, Kind::h3), (QStringList{"123|500", "456|500", "789|200"}));
    QCOMPARE(sentOf(db, Kind::h3), QStringList{"123|300"});
    QCOMPARE(linesOf(db, Kind::h3),
             (QStringList{"123|500|ตัดยอด-1", "456|500|ตัดยอด-1", "789|200|ตัดยอด-1"}));
    QCOMPARE(rowsOf(db, "SELECT num, h, rep, cod, name FROM sentall WHERE cod <> '0'"),
             QStringList{"123|300|1|1|h3"});
    QCOMPARE(rowsOf(db, "SELECT num, h, rep FROM sentall2"), QStringList{"123|300|1"});
    QCOMPARE(rowsOf(db, "SELECT codeins FROM h3cut"), QStringList(3, "h3"));
    QCOMPARE(rowsOf(db, "SELECT * FROM tballcus ORDER BY id"), entered);
    verifyKeptSums(db);
    // Progress of every kind, the status only for the kind cut.
    QCOMPARE(told.size(), kKindCount);
    QCOMPARE(told.at(0).status, QStringLiteral("ตัดยอด3ตัวบน=500"));
    QCOMPARE(told.at(0).progress, 20);
    QVERIFY(told.at(1).status.isEmpty());
    QCOMPARE(told.at(8).progress, 90);
    QCOMPARE(told.at(9).progress, 90); // h5 had no totals
    QCOMPARE(told.at(0).outcome.sent, 300.0);

    // A second cut without new bets sends nothing.
    QCOMPARE(menuCut(db).number, 2);
    QCOMPARE(sentOf(db, Kind::h3), QStringList());
    QCOMPARE(rowsOf(db, "SELECT count(*) FROM sentall WHERE cod = '2'"), QStringList{"0"});
    QCOMPARE(linesOf(db, Kind::h3),
             (QStringList{"123|500|ตัดยอด-2", "456|500|ตัดยอด-2", "789|200|ตัดยอด-2"}));
    // Captions of the naming modes.
    QCOMPARE(kindStatus(Kind::t2, 1, 7), QStringLiteral("ตัดยอดหัว2ตัว=7"));
    QCOMPARE(kindStatus(Kind::t2, 2, 7), QStringLiteral("ตัดยอด 2ตัวX=7"));
    QCOMPARE(kindStatus(Kind::h5, 1, 7), QStringLiteral("ตัดยอดหัว3ตัว=7"));
}

void CutByLimitTest::numberLimits_data() {
    QTest::addColumn<QString>("num");
    QTest::addColumn<double>("limit");
    QTest::addColumn<QStringList>("kept");
    QTest::addColumn<QStringList>("sent");
    QTest::newRow("above the total")
        << "123" << 1000.0 << QStringList{"123|800", "456|500", "789|200"} << QStringList{};
    QTest::newRow("below the kind limit")
        << "123" << 300.0 << QStringList{"123|300", "456|500", "789|200"} << QStringList{"123|500"};
    QTest::newRow("equal to the total")
        << "123" << 800.0 << QStringList{"123|800", "456|500", "789|200"} << QStringList{};
    QTest::newRow("zero") << "789" << 0.0 << QStringList{"123|500", "456|500"}
                          << QStringList{"123|300", "789|200"};
    QTest::newRow("a number without bets")
        << "555" << 0.0 << QStringList{"123|500", "456|500", "789|200"} << QStringList{"123|300"};
}

void CutByLimitTest::numberLimits() {
    QFETCH(QString, num);
    QFETCH(double, limit);
    QFETCH(QStringList, kept);
    QFETCH(QStringList, sent);
    for (Variant variant : {Variant::menu, Variant::immediate}) {
        TempBook book;
        Database& db = book.db();
        threeNumbers(db);
        numberLimit(db, Kind::h3, num, limit);
        // Closed and watched numbers take no part.
        db.exec("INSERT INTO numlimit2 (num, h, codeins) VALUES ('456', 0, 'h3')");
        if (variant == Variant::menu)
            menuCut(db);
        else
            immediateCut(db, Kind::h3);
        QCOMPARE(keptOf(db, Kind::h3), kept);
        QCOMPARE(sentOf(db, Kind::h3), sent);
        QCOMPARE(rowsOf(db, "SELECT num, h FROM tball ORDER BY num"), kept);
        verifyKeptSums(db);
    }
}

void CutByLimitTest::kindLimitZero() {
    TempBook book;
    Database& db = book.db();
    threeNumbers(db);
    limitOf(db, Kind::h3, 0);
    menuCut(db);
    // Every total goes whole; the kept lines of 0 stay in the book.
    QCOMPARE(sentOf(db, Kind::h3), (QStringList{"123|800", "456|500", "789|200"}));
    QCOMPARE(linesOf(db, Kind::h3),
             (QStringList{"123|0|ตัดยอด-1", "456|0|ตัดยอด-1", "789|0|ตัดยอด-1"}));

    // With per-number limits the zero rows go, and every listed number keeps its own limit,
    // whichever is listed first.
    TempBook second;
    Database& db2 = second.db();
    threeNumbers(db2);
    limitOf(db2, Kind::h3, 0);
    numberLimit(db2, Kind::h3, "456", 100);
    numberLimit(db2, Kind::h3, "123", 100);
    menuCut(db2);
    QCOMPARE(keptOf(db2, Kind::h3), (QStringList{"123|100", "456|100"}));
    QCOMPARE(sentOf(db2, Kind::h3), (QStringList{"123|700", "456|400", "789|200"}));
    QCOMPARE(rowsOf(db2, "SELECT num, h FROM tball ORDER BY num"),
             (QStringList{"123|100", "456|100"}));
    verifyKeptSums(db2);
}

void CutByLimitTest::fiftyPercent() {
    TempBook book;
    Database& db = book.db();
    threeNumbers(db);
    bet(db, "001", Kind::h3, 0);
    numberLimit(db, Kind::h3, "123", 0);
    numberLimit(db, Kind::h3, "789", 0); // within the kind limit: sends its other half too
    numberLimit(db, Kind::h3, "001", 0);
    limitOf(db, Kind::h3, 500);
    MenuCutOptions options;
    options.fiftyPercent = true;
    menuCut(db, options);
    QCOMPARE(keptOf(db, Kind::h3), (QStringList{"001|0", "123|400", "456|500", "789|100"}));
    QCOMPARE(sentOf(db, Kind::h3), (QStringList{"123|400", "789|100"}));
    QCOMPARE(rowsOf(db, "SELECT num, h FROM sentall2 ORDER BY num"),
             (QStringList{"123|400", "789|100"}));

    // An odd total halves to halves, and nothing of it is lost.
    TempBook odd;
    bet(odd.db(), "123", Kind::h3, 801);
    limitOf(odd.db(), Kind::h3, 1000);
    numberLimit(odd.db(), Kind::h3, "123", 0);
    menuCut(odd.db(), options);
    QCOMPARE(keptOf(odd.db(), Kind::h3), QStringList{"123|400.5"});
    QCOMPARE(sentOf(odd.db(), Kind::h3), QStringList{"123|400.5"});
    // The half is not rounded away by the next cut either.
    odd.db().exec("UPDATE numlimit SET h = 400");
    menuCut(odd.db());
    QCOMPARE(keptOf(odd.db(), Kind::h3), QStringList{"123|400"});
    QCOMPARE(sentOf(odd.db(), Kind::h3), QStringList{"123|0.5"});

    // The immediate cut never halves.
    TempBook immediate;
    threeNumbers(immediate.db());
    numberLimit(immediate.db(), Kind::h3, "123", 0);
    SettingsRecord(immediate.db()).setFlag(Backc::back19, true);
    immediateCut(immediate.db(), Kind::h3);
    QCOMPARE(sentOf(immediate.db(), Kind::h3), QStringList{"123|800"});
}

void CutByLimitTest::everyKind() {
    TempBook book;
    Database& db = book.db();
    for (Kind kind : columnOrder()) {
        limitOf(db, kind, 100);
        bet(db, numberFor(kind, 12345), kind, 150);
        bet(db, numberFor(kind, 54321), kind, 60);
    }
    const MenuCutResult result = menuCut(db);
    int index = 0;
    for (Kind kind : listingOrder()) {
        const QString code = kindCode(kind);
        const QString over = numberFor(kind, 12345);
        const QString within = numberFor(kind, 54321);
        const QStringList expectedKept = over < within ? QStringList{over + "|100", within + "|60"}
                                                       : QStringList{within + "|60", over + "|100"};
        QCOMPARE(keptOf(db, kind), expectedKept);
        QCOMPARE(sentOf(db, kind), QStringList{over + "|50"});
        QCOMPARE(rowsOf(db, QStringLiteral("SELECT rep FROM %1").arg(sentTable(kind))),
                 QStringList{QString::number(kindInfo(kind).rep)});
        QCOMPARE(rowsOf(db,
                        QStringLiteral("SELECT num, %1, rep FROM sentall WHERE cod = '1' AND "
                                       "name = ?")
                            .arg(kAmount),
                        {code}),
                 QStringList{over + "|50|" + QString::number(kindInfo(kind).rep)});
        // The amount is in the kind's own column, 0 in the others.
        QCOMPARE(rowsOf(db,
                        QStringLiteral("SELECT %1 FROM tball WHERE codeins = ? AND num = ?")
                            .arg(stakeColumn(kind)),
                        {code, over}),
                 QStringList{"100"});
        QCOMPARE(
            rowsOf(db, "SELECT h + t + l FROM tball WHERE codeins = ? AND num = ?", {code, over}),
            QStringList{"100"});
        QCOMPARE(result.steps.at(index).progress,
                 QVector<int>({20, 25, 30, 40, 50, 60, 70, 80, 90, 95}).at(index));
        ++index;
    }
    verifyKeptSums(db);

    // The immediate cut of each kind writes under its own name and logs without a cut number.
    TempBook second;
    Database& db2 = second.db();
    for (Kind kind : columnOrder()) {
        limitOf(db2, kind, 100);
        bet(db2, numberFor(kind, 12345), kind, 150);
    }
    menuCut(db2);
    for (Kind kind : columnOrder())
        bet(db2, numberFor(kind, 12345), kind, 30);
    for (int selector = 1; selector <= kKindCount; ++selector) {
        Kind kind = Kind::h3;
        QVERIFY(kindOfSelector(selector, &kind));
        const KindOutcome outcome = immediateCut(db2, kind);
        QCOMPARE(outcome.sent, 30.0);
        QCOMPARE(linesOf(db2, kind),
                 QStringList{numberFor(kind, 12345) + "|100|" + immediateCutCustomer()});
    }
    Kind none = Kind::h3;
    QVERIFY(!kindOfSelector(0, &none));
    QVERIFY(!kindOfSelector(11, &none));
    QCOMPARE(rowsOf(db2, QStringLiteral("SELECT count(*), sum%1 FROM sentall WHERE cod IS NULL "
                                        "AND name IS NOT NULL")
                             .arg(kAmount)),
             QStringList{"10|300"});
    // The latest sent list still is the menu cut's.
    QCOMPARE(rowsOf(db2, "SELECT sum(h), sum(t), sum(l) FROM sentall2"),
             QStringList{"250|100|150"});
    verifyKeptSums(db2);
}

void CutByLimitTest::groupImmediate_data() {
    QTest::addColumn<bool>("others");
    // The kind's lines as the whole book, and as a small part of a book of other lines (then
    // they are found through the index).
    QTest::newRow("alone") << false;
    QTest::newRow("among others") << true;
}

void CutByLimitTest::groupImmediate() {
    QFETCH(bool, others);
    const auto fill = [others](Database& db) {
        if (others)
            db.exec("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < "
                    "1000) INSERT INTO tball (num, t, cus, codeins) SELECT '123', 1, 'ค', 't3' "
                    "FROM n");
    };
    TempBook book;
    Database& db = book.db();
    fill(db);
    limitOf(db, Kind::h5, 100);
    bet(db, "12345", Kind::h5, 80, "ก");
    bet(db, "12345", Kind::h5, 70, "ข");
    bet(db, "55555", Kind::h5, 40, "ก");
    bet(db, "55555", Kind::h5, 50, "ข");
    bet(db, "123", Kind::h3, 900, "ก");
    immediateCut(db, Kind::h5);
    QCOMPARE(linesOf(db, Kind::h5),
             (QStringList{"12345|100|การตัดยอด", "55555|40|ก", "55555|50|ข"}));
    QCOMPARE(sentOf(db, Kind::h5), QStringList{"12345|50"});
    QCOMPARE(linesOf(db, Kind::h3), QStringList{"123|900|ก"});
    verifyKeptSums(db);
    limitOf(db, Kind::h3, 500);
    immediateCut(db, Kind::h3);
    QCOMPARE(linesOf(db, Kind::h3), QStringList{"123|500|การตัดยอด"});
    verifyKeptSums(db);
    // The menu cut rewrites every line of the group kinds.
    menuCut(db);
    QCOMPARE(linesOf(db, Kind::h5), (QStringList{"12345|100|ตัดยอด-1", "55555|90|ตัดยอด-1"}));
    verifyKeptSums(db);

    // The same for h4, and a kind without totals is cut to nothing.
    TempBook four;
    fill(four.db());
    limitOf(four.db(), Kind::h4, 10);
    bet(four.db(), "1234", Kind::h4, 25);
    bet(four.db(), "4321", Kind::h4, 5);
    bet(four.db(), "4321", Kind::h4, 4);
    immediateCut(four.db(), Kind::h4);
    QCOMPARE(linesOf(four.db(), Kind::h4),
             (QStringList{"1234|10|การตัดยอด", "4321|5|ก", "4321|4|ก"}));
    const KindOutcome empty = immediateCut(four.db(), Kind::l1);
    QCOMPARE(empty.keptRows, 0);
    QCOMPARE(empty.sentRows, 0);
    verifyKeptSums(four.db());

    // Lines without a number are the number '' of the totals: over the limit together with
    // the lines of '', they become one line; under it, they stay.
    TempBook blank;
    fill(blank.db());
    limitOf(blank.db(), Kind::h5, 30);
    for (const QVariant& num : {QVariant(QMetaType(QMetaType::QString)), QVariant(QString())})
        blank.db().exec("INSERT INTO tball (num, h, cus, codeins) VALUES (?, 20, 'ก', 'h5')",
                        {num});
    bet(blank.db(), "77777", Kind::h5, 10);
    bet(blank.db(), "88888", Kind::h5, 50);
    immediateCut(blank.db(), Kind::h5);
    QCOMPARE(linesOf(blank.db(), Kind::h5),
             (QStringList{"|30|การตัดยอด", "77777|10|ก", "88888|30|การตัดยอด"}));
    QCOMPARE(sentOf(blank.db(), Kind::h5), (QStringList{"|10", "88888|20"}));
    verifyKeptSums(blank.db());
    limitOf(blank.db(), Kind::h5, 100);
    blank.db().exec("INSERT INTO tball (num, h, cus, codeins) VALUES (NULL, 5, 'ก', 'h5')");
    immediateCut(blank.db(), Kind::h5);
    QCOMPARE(linesOf(blank.db(), Kind::h5),
             (QStringList{"|30|การตัดยอด", "|5|ก", "77777|10|ก", "88888|30|การตัดยอด"}));
    QCOMPARE(sentOf(blank.db(), Kind::h5), QStringList());
    verifyKeptSums(blank.db());
}

void CutByLimitTest::fillerRows() {
    TempBook book;
    Database& db = book.db();
    limitOf(db, Kind::t2, 100);
    limitOf(db, Kind::h4, 100);
    bet(db, "12", Kind::t2, 10);
    bet(db, "1234", Kind::h4, 10);
    menuCut(db);
    QCOMPARE(rowsOf(db, QStringLiteral("SELECT name, count(*), min(rep), max(rep), sum%1 FROM "
                                       "sentall WHERE cod = '0' GROUP BY name ORDER BY name")
                            .arg(kAmount)),
             (QStringList{"h1|250|3|3|0", "h2|100|2|2|0", "h4|50|4|4|0", "h5|250|5|5|0",
                          "l1|250|3|3|0", "l2|100|2|2|0", "t2|50|2|2|0"}));
    // Numbers as plain decimals: 1..200 and then 1..50 for a kind without totals.
    QCOMPARE(rowsOf(db, "SELECT min(CAST(num AS INTEGER)), max(CAST(num AS INTEGER)) FROM "
                        "sentall WHERE cod = '0' AND name = 'h4'"),
             QStringList{"1235|1284"});
    QCOMPARE(rowsOf(db, "SELECT count(*), count(DISTINCT num) FROM sentall WHERE cod = '0' AND "
                        "name = 'h5'"),
             QStringList{"250|200"});
    QCOMPARE(rowsOf(db, "SELECT num FROM sentall WHERE cod = '0' AND name = 'l2' AND num IN "
                        "('1', '100', '01')"),
             (QStringList{"1", "100"}));
    // A number with its kind and filler: the log of one cut shows only its own rows.
    QCOMPARE(cutlog::logOf(db, 1).lines.size(), 0);
}

void CutByLimitTest::numbersAndLog() {
    TempBook book;
    Database& db = book.db();
    threeNumbers(db);
    QCOMPARE(cutlog::choices(db), QStringList());
    QCOMPARE(cutlog::cutOfChoice(db, 0), -1);
    QCOMPARE(cutlog::latestSent(db).title,
             QStringLiteral("ไม่มีข้อมูลเกินอั้น(ถ้าไม่แน่ใจให้เรียกข้อมูลสำรองมาตรวจสอบ)"));
    menuCut(db);
    bet(db, "123", Kind::h3, 50);
    bet(db, "12", Kind::l2, 70);
    limitOf(db, Kind::l2, 20);
    menuCut(db);
    QCOMPARE(cutlog::choices(db), (QStringList{"ยอดเกินอั้นจากการตัดครั้งที่1", "ยอดเกินอั้นจากการตัดครั้งที่2",
                                               "ยอดเกินอั้นรวมจากการตัดทั้งหมด"}));
    QCOMPARE(cutlog::cutOfChoice(db, 0), 1);
    QCOMPARE(cutlog::cutOfChoice(db, 2), 0);
    QCOMPARE(cutlog::cutOfChoice(db, 3), -1);

    const cutlog::SentListing second = cutlog::logOf(db, 2);
    QCOMPARE(second.title, QStringLiteral("สรุปยอดส่งครั้งที่..2"));
    QCOMPARE(second.lines.size(), 2);
    QCOMPARE(second.lines.at(0).num, QStringLiteral("123")); // report group 1 first
    QCOMPARE(second.lines.at(0).h, 50.0);
    QCOMPARE(second.lines.at(1).l, 50.0);
    QCOMPARE(second.total, 100.0);
    const cutlog::SentListing all = cutlog::logOf(db, 0);
    QCOMPARE(all.title, QStringLiteral("สรุปยอดส่งรวมทั้งหมด"));
    QCOMPARE(all.total, 400.0);
    QCOMPARE(cutlog::latestCutLog(db).title, QStringLiteral("สรุปยอดส่งล่าสุด"));
    QCOMPARE(cutlog::latestCutLog(db).total, 100.0);
    const cutlog::SentListing latest = cutlog::latestSent(db);
    QCOMPARE(latest.title, QStringLiteral("สรุปยอดส่งรวมปัจจุบัน"));
    QCOMPARE(latest.total, 100.0);

    // Every cut is listed, however many.
    SettingsRecord(db).set(Backc::back8, QStringLiteral("300"));
    const QStringList many = cutlog::choices(db);
    QCOMPARE(many.size(), 301);
    QCOMPARE(many.at(299), QStringLiteral("ยอดเกินอั้นจากการตัดครั้งที่300"));
    QCOMPARE(cutlog::cutOfChoice(db, 299), 300);
    QCOMPARE(cutlog::cutOfChoice(db, 300), 0);
    QCOMPARE(menuCut(db).number, 301);
}

void CutByLimitTest::takeBack() {
    TempBook book;
    Database& db = book.db();
    threeNumbers(db);
    bet(db, "12", Kind::l2, 70);
    limitOf(db, Kind::l2, 20);
    menuCut(db);
    bet(db, "123", Kind::h3, 50);
    menuCut(db);
    bet(db, "456", Kind::h3, 25);
    immediateCut(db, Kind::h3);
    const QStringList entered = rowsOf(db, "SELECT * FROM tballcus ORDER BY id");

    QCOMPARE(cutlog::takeBack(db, 1), 2);
    QCOMPARE(rowsOf(db, "SELECT num, h, l, codeins FROM tball WHERE cus = 'คืนค่า-1' ORDER BY num"),
             (QStringList{"12|0|50|l2", "123|300|0|h3"}));
    QCOMPARE(rowsOf(db, "SELECT count(*) FROM sentall WHERE cod = '1'"), QStringList{"0"});
    QCOMPARE(cutlog::choices(db).size(), 3); // cut 1 is still listed
    verifyKeptSums(db);

    // All cuts: the rest comes back, the immediate cut's rows as lines of their kind too; the
    // filler rows make no line.
    QCOMPARE(cutlog::takeBack(db, 0), 2);
    QCOMPARE(rowsOf(db, "SELECT num, h, codeins FROM tball WHERE cus = 'คืนค่าทั้งหมด' ORDER BY "
                        "num"),
             (QStringList{"123|50|h3", "456|25|h3"}));
    QCOMPARE(rowsOf(db, "SELECT count(*) FROM sentall"), QStringList{"0"});
    // Every number's total is what was entered.
    QCOMPARE(rowsOf(db, "SELECT num, h, l FROM tbycus32 ORDER BY num"),
             rowsOf(db, "SELECT num, h, l FROM tbycus321 ORDER BY num"));
    QCOMPARE(rowsOf(db, "SELECT * FROM tballcus ORDER BY id"), entered);
    verifyKeptSums(db);

    cutlog::deleteLog(db);
    QCOMPARE(SettingsRecord(db).text(Backc::back8), QStringLiteral("2"));
}

void CutByLimitTest::largeCutTakenBack() {
    // More numbers taken back than half the book's sums: the sums and both of their indexes
    // are whole again, and the next cut of a group kind reads them.
    TempBook book;
    Database& db = book.db();
    limitOf(db, Kind::h3, 10);
    limitOf(db, Kind::h5, 10);
    for (int i = 0; i < 1000; ++i)
        bet(db, numberFor(Kind::h3, i), Kind::h3, 30);
    bet(db, "12345", Kind::h5, 40);
    const QStringList totals =
        rowsOf(db, "SELECT codeins, num, h FROM tbtotals ORDER BY codeins, num");
    menuCut(db);
    QCOMPARE(cutlog::takeBack(db, 0), 1001);
    verifyKeptSums(db);
    QCOMPARE(rowsOf(db, "SELECT codeins, num, h FROM tbtotals ORDER BY codeins, num"), totals);
    const bool sqlite = db.engine() == Engine::sqlite;
    QCOMPARE(rowsOf(db, QStringLiteral("SELECT count(*) FROM tbtotals%1 WHERE codeins = 'h3' AND "
                                       "h > 20")
                            .arg(sqlite ? QStringLiteral(" INDEXED BY tbtotals_h") : QString())),
             QStringList{"1000"});
    bet(db, "54321", Kind::h5, 25);
    immediateCut(db, Kind::h5);
    QCOMPARE(sentOf(db, Kind::h5), (QStringList{"12345|30", "54321|15"}));
    QCOMPARE(rowsOf(db, QStringLiteral("SELECT count(*) FROM tbtotals%1 WHERE %2 AND codeins = "
                                       "'h5'")
                            .arg(sqlite ? QStringLiteral(" INDEXED BY tbtotals_moved") : QString(),
                                 schema::movedGroupTotals())),
             QStringList{"0"});
}

void CutByLimitTest::halving() {
    TempBook book;
    Database& db = book.db();
    threeNumbers(db);
    bet(db, "12", Kind::t2, 71);
    limitOf(db, Kind::t2, 20);
    menuCut(db);
    cutlog::halveLatestSent(db);
    QCOMPARE(rowsOf(db, "SELECT num, coalesce(h, 0), coalesce(t, 0) FROM sentall2 ORDER BY num"),
             (QStringList{"12|0|25.5", "123|150|0"}));
    cutlog::halveLatestSent(db);
    QCOMPARE(rowsOf(db, "SELECT num, coalesce(h, 0) FROM sentall2 ORDER BY num"),
             (QStringList{"12|0", "123|75"}));
    QCOMPARE(sentOf(db, Kind::h3), QStringList{"123|300"});
    QCOMPARE(rowsOf(db, QStringLiteral("SELECT sum%1 FROM sentall WHERE cod = '1'").arg(kAmount)),
             QStringList{"351"});
    QCOMPARE(cutlog::latestSent(db).total, 75 + 12.75);
    cutlog::deleteLog(db);
    QCOMPARE(rowsOf(db, "SELECT count(*) FROM sentall"), QStringList{"0"});
}

void CutByLimitTest::failureLeavesBookAsBefore() {
    TempBook book;
    Database& db = book.db();
    for (Kind kind : columnOrder()) {
        limitOf(db, kind, 50);
        bet(db, numberFor(kind, 4321), kind, 80);
        bet(db, numberFor(kind, 1234), kind, 20);
    }
    numberLimit(db, Kind::h3, numberFor(Kind::h3, 1234), 0);
    menuCut(db);
    for (Kind kind : columnOrder())
        bet(db, numberFor(kind, 4321), kind, 35);
    const QStringList before = everything(db);

    // Stopped by the window half-way.
    MenuCutOptions options;
    options.progress = [](const MenuStep& step) {
        if (step.index == 5)
            throw StoreError(QStringLiteral("stopped"));
    };
    QVERIFY_THROWS_EXCEPTION(StoreError, menuCut(db, options));
    QCOMPARE(everything(db), before);

    // A statement refused at the eighth kind, in the menu cut and in the immediate cut.
    db.exec("DROP TABLE l1cut");
    db.exec("CREATE VIEW l1cut AS SELECT DISTINCT num, h AS l, codeins FROM h1cut");
    const QStringList sabotaged = everything(db);
    QVERIFY_THROWS_EXCEPTION(StoreError, menuCut(db));
    QVERIFY_THROWS_EXCEPTION(StoreError, immediateCut(db, Kind::l1));
    QVERIFY(!db.inTransaction());
    QCOMPARE(everything(db), sabotaged);

    // The sums still follow every line.
    bet(db, numberFor(Kind::h3, 1), Kind::h3, 5);
    db.exec("DELETE FROM tball WHERE codeins = 'h2'");
    verifyKeptSums(db);
}

void CutByLimitTest::secondCutRefused() {
    TempBook book;
    Database& db = book.db();
    threeNumbers(db);
    std::unique_ptr<Database> other = Database::openExisting(book.dbPath());
    if (db.engine() == Engine::sqlite)
        other->exec("PRAGMA busy_timeout=100");
    const QStringList before = everything(db);
    {
        // Another computer's cut holds the book.
        Session running(db);
        for (int attempt = 0; attempt < 4; ++attempt) {
            try {
                switch (attempt) {
                case 0:
                    menuCut(*other);
                    break;
                case 1:
                    immediateCut(*other, Kind::h3);
                    break;
                case 2:
                    cutlog::takeBack(*other, 0);
                    break;
                default:
                    cutlog::halveLatestSent(*other);
                }
                QFAIL("a second cut ran");
            } catch (const StoreError& error) {
                QCOMPARE(error.kind(), StoreError::inUse);
                QVERIFY2(error.message().startsWith(refusedText()), qPrintable(error.message()));
            }
            QVERIFY(!other->inTransaction());
        }
    }
    QCOMPARE(everything(db), before);
    // Once the first has ended the next runs.
    QCOMPARE(menuCut(*other).number, 1);
}

TABULOX_TEST(CutByLimitTest)
#include "cutbylimit_test.moc"
