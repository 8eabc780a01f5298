#include "common/backups.h"
#include "common/settings.h"
#include "cutting/cutbylimit.h"
#include "cutting/cutlog.h"
#include "store/kindrow.h"
#include "support/engines.h"
#include "support/tempbook.h"
#include "support/testmain.h"

#include <QFileInfo>
#include <QRandomGenerator>
#include <QSqlQuery>
#include <map>

using namespace cut;

namespace {
using Totals = std::map<QString, double>; // num -> amount

Totals amountsOf(Database& db, const QString& sql, const QVariantList& binds = {}) {
    Totals totals;
    QSqlQuery query = db.exec(sql, binds);
    while (query.next())
        totals[query.value(0).toString()] += query.value(1).toDouble();
    return totals;
}

Totals totalsOf(Database& db, Kind kind) {
    return amountsOf(
        db, QStringLiteral("SELECT num, %1 FROM %2").arg(stakeColumn(kind), totalsView(kind)));
}

// The whole amounts of every kind and number in a table of lines.
std::map<QString, double> byKindAndNumber(Database& db, const QString& table) {
    std::map<QString, double> amounts;
    QSqlQuery query = db.exec(QStringLiteral("SELECT codeins, num, h + t + l FROM %1").arg(table));
    while (query.next()) {
        amounts[query.value(0).toString() + QLatin1Char('|') + query.value(1).toString()] +=
            query.value(2).toDouble();
    }
    // A number whose lines add up to nothing is no total.
    for (auto it = amounts.begin(); it != amounts.end();) {
        it = it->second == 0 ? amounts.erase(it) : std::next(it);
    }
    return amounts;
}

QString randomNumber(QRandomGenerator& random, Kind kind, int spread) {
    int space = 1;
    for (int i = 0; i < kindInfo(kind).digits; ++i)
        space *= 10;
    const int value = random.bounded(qMin(space, spread));
    return QStringLiteral("%1").arg(value, kindInfo(kind).digits, 10, QLatin1Char('0'));
}

// Random lines in both bet tables, in one statement each: whole stakes, a few negative.
void randomBets(Database& db, QRandomGenerator& random, int count) {
    QStringList rows;
    QVariantList binds;
    for (int i = 0; i < count; ++i) {
        const Kind kind = columnOrder()[static_cast<size_t>(random.bounded(kKindCount))];
        const double stake =
            random.bounded(10) == 0 ? -random.bounded(1, 50) : random.bounded(1, 400);
        rows << QStringLiteral("(?, ?, ?, ?, 'ก', ?)");
        const char column = kindInfo(kind).stakeColumn;
        binds << randomNumber(random, kind, 40) << (column == 'h' ? stake : 0.0)
              << (column == 't' ? stake : 0.0) << (column == 'l' ? stake : 0.0) << kindCode(kind);
    }
    for (const char* table : {"tball", "tballcus"})
        db.exec(QStringLiteral("INSERT INTO %1 (num, h, t, l, cus, codeins) VALUES %2")
                    .arg(QLatin1String(table), rows.join(QLatin1Char(','))),
                binds);
}

void randomLimits(Database& db, QRandomGenerator& random) {
    for (Kind kind : columnOrder())
        kindrow::write(db, QStringLiteral("change2"), static_cast<int>(kind),
                       QString::number(random.bounded(4) == 0 ? 0 : random.bounded(1, 600)));
    db.exec("DELETE FROM numlimit");
    for (int i = 0; i < 30; ++i) {
        const Kind kind = columnOrder()[static_cast<size_t>(random.bounded(kKindCount))];
        db.exec("INSERT INTO numlimit (num, h, codeins) VALUES (?, ?, ?)",
                {randomNumber(random, kind, 45),
                 static_cast<double>(random.bounded(3) == 0 ? 0 : random.bounded(1, 800)),
                 kindCode(kind)});
    }
}

// Every number of the kind keeps and sends its whole total between them, and the book then
// holds what it keeps.
void verifyDivided(Database& db, Kind kind, const Totals& before, bool wholeKindRewritten) {
    const Totals kept = amountsOf(
        db, QStringLiteral("SELECT num, %1 FROM %2").arg(stakeColumn(kind), keptTable(kind)));
    const Totals sent = amountsOf(
        db, QStringLiteral("SELECT num, %1 FROM %2").arg(stakeColumn(kind), sentTable(kind)));
    for (const auto& [num, total] : before) {
        const double keptPart = kept.count(num) ? kept.at(num) : 0;
        const double sentPart = sent.count(num) ? sent.at(num) : 0;
        QVERIFY2(keptPart + sentPart == total,
                 qPrintable(QStringLiteral("%1 %2: kept %3 + sent %4 != %5")
                                .arg(kindCode(kind), num)
                                .arg(keptPart)
                                .arg(sentPart)
                                .arg(total)));
    }
    for (const auto& entry : sent)
        QVERIFY2(before.count(entry.first), qPrintable(entry.first));
    const Totals after = totalsOf(db, kind);
    for (const auto& [num, amount] : kept) {
        QVERIFY(after.count(num));
        if (wholeKindRewritten || sent.count(num))
            QCOMPARE(after.at(num), amount);
    }
}
} // namespace

class CutPropertyTest : public testing::BothEngines {
    Q_OBJECT
private slots:
    void keptAndSentMakeTheTotal();
    void preCutCopies();
};

void CutPropertyTest::keptAndSentMakeTheTotal() {
    TempBook book;
    Database& db = book.db();
    QRandomGenerator random(20261209);
    for (int round = 0; round < 4; ++round) {
        randomBets(db, random, 300);
        randomLimits(db, random);
        std::array<Totals, kKindCount> before;
        for (Kind kind : columnOrder())
            before[static_cast<size_t>(kind)] = totalsOf(db, kind);
        MenuCutOptions options;
        options.fiftyPercent = round % 2 == 1;
        menuCut(db, options);
        for (Kind kind : columnOrder())
            verifyDivided(db, kind, before[static_cast<size_t>(kind)], true);

        for (int i = 0; i < 3; ++i) {
            randomBets(db, random, 100);
            const Kind kind = immediateOrder()[static_cast<size_t>(random.bounded(kKindCount))];
            const Totals total = totalsOf(db, kind);
            immediateCut(db, kind);
            verifyDivided(db, kind, total, kind != Kind::h4 && kind != Kind::h5);
        }
    }
    QVERIFY(!QTest::currentTestFailed());
    // Every cut taken back: the book holds again exactly what was entered.
    cutlog::takeBack(db, 2);
    cutlog::takeBack(db, 0);
    const auto entered = byKindAndNumber(db, QStringLiteral("tballcus"));
    const auto cutBook = byKindAndNumber(db, QStringLiteral("tball"));
    QCOMPARE(cutBook.size(), entered.size());
    QVERIFY(cutBook == entered);
}

void CutPropertyTest::preCutCopies() {
    if (testing::engine() != Engine::sqlite)
        QSKIP("the copies are of the computer's own book");
    TempBook book;
    Backups backups(book.db(), book.folder());
    SettingsRecord settings(book.db());
    settings.set(Backc::back, QStringLiteral("7"));
    QVERIFY(preCutCopy(backups).written());
    QVERIFY(QFileInfo::exists(book.folder() + "dbbackup/N007.mde"));
    QVERIFY(QFileInfo::exists(book.folder() + "lastdb/lastdatab.mde"));
    QCOMPARE(settings.text(Backc::back), QStringLiteral("8"));
    settings.set(Backc::back, QStringLiteral("255"));
    QVERIFY(preCutCopy(backups).written());
    QVERIFY(QFileInfo::exists(book.folder() + "dbbackup/N255.mde"));
    QCOMPARE(settings.text(Backc::back), QStringLiteral("0"));
    QVERIFY(preCutCopy(backups).written());
    QVERIFY(QFileInfo::exists(book.folder() + "dbbackup/N000.mde"));
    QCOMPARE(settings.text(Backc::back), QStringLiteral("1"));
}

TABULOX_TEST(CutPropertyTest)
#include "cutproperty_test.moc"
