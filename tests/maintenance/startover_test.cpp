#include "books.h"
#include "common/drawdate.h"
#include "common/settings.h"
#include "cutting/cutbylimit.h"
#include "entry/recorder.h"
#include "maintenance/archive.h"
#include "maintenance/startover.h"
#include "store/kindrow.h"
#include "support/engines.h"
#include "support/tempbook.h"
#include "support/testmain.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

using books::enterLine;
using books::everyTable;

namespace {
// A draw with lines of three customers (one of them a sheet), a menu cut, a checked draw and
// every counter moved on.
void fillDraw(Database& db) {
    enterLine(db, "2024-06-16 09:00:00", {{"123", Kind::h3, 100}, {"123", Kind::t3, 50}},
              "นายก");
    enterLine(db, "2024-06-16 09:00:05", {{"45", Kind::h2, 30}, {"45", Kind::l2, 20}},
              "นายกแผ่นที่1");
    enterLine(db, "2024-06-16 09:01:00", {{"7", Kind::h1, 10}}, "ข");
    for (const char* name : {"นายก", "นายกแผ่นที่1", "ข"})
        db.exec("INSERT INTO cus (id, name, c3hp, h3) VALUES (?, ?, 10, 500)",
                {QString::fromUtf8(name), QString::fromUtf8(name)});
    kindrow::write(db, "change2", static_cast<int>(Kind::h3), "60");
    kindrow::write(db, "change3", static_cast<int>(Kind::h3), "12");
    cut::menuCut(db);
    db.exec("INSERT INTO numlimit (num, h, codeins) VALUES ('123', 40, 'h3')");
    db.exec("INSERT INTO numlimit2 (num, codeins) VALUES ('999', 'h3')");
    db.exec("UPDATE checkdata SET h3 = '000123', l2 = '45', ckdate = '2024-06-16'");
    db.exec("INSERT INTO ref (ref1, comname, total) VALUES ('1', 'st1', '500')");
    db.exec("INSERT INTO tballsent (num, h, cus, codeins) VALUES ('555', 5, 'ข', 'h3')");
    // A station's transfer cut off in the middle.
    db.exec("INSERT INTO refsend (ref1, lastid, lastcus, total) VALUES ('t1', 3, 3, 3)");
    db.exec("INSERT INTO cutlog (num, h, codeins, nn) VALUES ('123', 7, 'h3', '1')");
    db.exec("UPDATE cutlogc SET h3 = '4', l1 = '2'");
    db.exec("UPDATE backc SET back = '57', back2 = '300', back4 = '1', back3 = '200'");
}

// What a start-over never touches.
QStringList keptTables(Database& db) {
    QStringList rows;
    for (const char* table : {"change", "change2", "change3", "numlimit", "numlimit2", "cstr",
                              "emenu", "pass", "disp", "auto", "limit", "autocut", "tballsave2",
                              "h1000", "tot"})
        rows << table << books::sortedRows(db, QString::fromLatin1(table));
    rows << rowsOf(db, "SELECT h3, l2, l31, l32, l33, l34 FROM checkdata");
    return rows;
}

startover::Options optionsFor(TempBook& book, const QDateTime& now) {
    startover::Options options;
    options.archiveFolder = archive::folderOf(book.folder());
    options.now = now;
    return options;
}

QStringList archiveFiles(TempBook& book) {
    return QDir(archive::folderOf(book.folder())).entryList(QDir::Files | QDir::Hidden);
}
} // namespace

class StartOverTest : public testing::BothEngines {
    Q_OBJECT
private slots:
    void emptiesTheBookForTheNextDraw();
    void archiveHoldsTheDrawBefore();
    void failureLeavesTheBookAsBefore();
    void aLineOfAnotherComputerWaits();
};

void StartOverTest::emptiesTheBookForTheNextDraw() {
    TempBook book;
    Database& db = book.db();
    fillDraw(db);
    const QStringList kept = keptTables(db);

    startover::emptyBook(db);
    for (const char* table : {"tball", "tballcus", "tbtotals", "tbkind", "tballsent", "sentall",
                              "sentall2", "cutlog", "ref", "refsend", "h3cut", "l1cut", "h3sent", "h5sent"})
        QVERIFY2(books::sortedRows(db, table).isEmpty(), table);
    QCOMPARE(rowsOf(db, "SELECT id, s FROM tblog"), QStringList{"1|0"});
    QCOMPARE(rowsOf(db, "SELECT name FROM cus ORDER BY name"), (QStringList{"ข", "นายก"}));
    QCOMPARE(keptTables(db), kept);
    QCOMPARE(rowsOf(db, "SELECT back, back2, back4, back8, back3 FROM backc"),
             QStringList{"1|0|0|0|200"});
    QCOMPARE(rowsOf(db, "SELECT * FROM cutlogc"), QStringList{"0|0|0|0|0|0|0|0|0|0"});
    // The new draw is not checked yet.
    QCOMPARE(drawdate::lastChecked(db), QString());
    QCOMPARE(rowsOf(db, "SELECT h FROM h3sum"), QStringList{""});

    // The next line of the new draw is the first of both tables.
    Recorder(db).recordLine({{"321", Kind::h3, 5}}, "ข");
    QCOMPARE(rowsOf(db, "SELECT id, num FROM tball"), QStringList{"1|321"});
    QCOMPARE(rowsOf(db, "SELECT id, num FROM tballcus"), QStringList{"1|321"});
    verifyKeptSums(db);
}

void StartOverTest::archiveHoldsTheDrawBefore() {
    TempBook book;
    Database& db = book.db();
    fillDraw(db);
    const QStringList before = everyTable(db);
    const QStringList totals = books::totalsOf(db);

    startover::Options options = optionsFor(book, QDateTime(QDate(2024, 6, 17), QTime(18, 30, 5)));
    // The net is read from the archive itself.
    options.netOf = [](Database& archive) -> std::optional<qint64> {
        return archive.scalar("SELECT count(*) FROM h3cut").toLongLong() * -1000;
    };
    QList<int> percents;
    options.progress = [&percents](int percent, const QString&) { percents << percent; };
    const startover::Outcome outcome = startover::archiveAndEmpty(book.dbPath(), options);

    // Named by the day of the last prize check and the time it was kept.
    QCOMPARE(QFileInfo(outcome.archive).fileName(), QStringLiteral("2024-06-16_18-30-05.mde"));
    QCOMPARE(archiveFiles(book), QStringList{"2024-06-16_18-30-05.mde"});
    QVERIFY(!(QFileInfo(outcome.archive).permissions() & QFile::WriteOwner));
    QCOMPARE(percents.first(), 5);
    QCOMPARE(percents.last(), 100);
    QVERIFY(std::is_sorted(percents.begin(), percents.end()));
    {
        std::unique_ptr<Database> kept = archive::open(outcome.archive);
        QCOMPARE(everyTable(*kept), before);
        QCOMPARE(books::totalsOf(*kept), totals);
        const archive::Summary s = archive::readSummary(*kept);
        QCOMPARE(s.drawDate, QStringLiteral("2024-06-16"));
        QCOMPARE(s.savedAt, QStringLiteral("2024-06-17 18:30:05"));
        QCOMPARE(s.lines, qint64(3));
        QCOMPARE(s.records, qint64(5));
        QCOMPARE(s.stakes, 210.0);
        // The cut kept 60 of 100 on h3; the other kinds whole.
        QCOMPARE(s.kept, 170.0);
        QCOMPARE(s.sent, 40.0);
        QCOMPARE(s.net, std::optional<qint64>(-1000));
        // Nothing can write it.
        try {
            kept->exec("DELETE FROM tball");
            QFAIL("an archive took a write");
        } catch (const StoreError& error) {
            QCOMPARE(error.kind(), StoreError::readOnly);
        }
    }
    QCOMPARE(rowsOf(db, "SELECT count(*) FROM tball"), QStringList{"0"});
    QCOMPARE(rowsOf(db, "SELECT id, s FROM tblog"), QStringList{"1|0"});

    // The next draw, never checked, is named by the day it is kept; the latest comes first.
    enterLine(db, "2024-07-01 10:00:00", {{"999", Kind::h3, 9}});
    startover::archiveAndEmpty(book.dbPath(),
                               optionsFor(book, QDateTime(QDate(2024, 7, 1), QTime(20, 0, 0))));
    const QVector<archive::Entry> entries = archive::list(book.folder());
    QCOMPARE(entries.size(), 2);
    QCOMPARE(QFileInfo(entries[0].file).fileName(), QStringLiteral("2024-07-01_20-00-00.mde"));
    QCOMPARE(entries[0].summary.stakes, 9.0);
    QVERIFY(!entries[0].summary.net);
    QCOMPARE(entries[1].file, outcome.archive);
    QCOMPARE(entries[1].summary.net, std::optional<qint64>(-1000));
    QVERIFY(entries[1].problem.isEmpty());
    QCOMPARE(archive::banner(entries[1].summary),
             QStringLiteral("งวดวันที่ 16 มิถุนายน 2567 (ข้อมูลงวดที่ผ่านมา ดูได้อย่างเดียว แก้ไขไม่ได้)"));
}

void StartOverTest::failureLeavesTheBookAsBefore() {
    TempBook book;
    Database& db = book.db();
    fillDraw(db);
    const QStringList before = everyTable(db);
    const QDateTime now(QDate(2024, 6, 17), QTime(18, 0, 0));

    // Stopped before the archive, and after it while the book is emptied.
    for (int stop : {5, 70, 95}) {
        startover::Options options = optionsFor(book, now);
        options.progress = [stop](int percent, const QString&) {
            if (percent == stop)
                throw StoreError(QStringLiteral("stopped"));
        };
        QVERIFY_THROWS_EXCEPTION(StoreError, startover::archiveAndEmpty(book.dbPath(), options));
        QCOMPARE(everyTable(db), before);
        QCOMPARE(archiveFiles(book), QStringList());
    }

    // The archive cannot be written: nothing is emptied.
    QDir().mkpath(book.folder());
    QFile blocker(book.folder() + "blocked");
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    startover::Options blocked = optionsFor(book, now);
    blocked.archiveFolder = book.folder() + "blocked/";
    try {
        startover::archiveAndEmpty(book.dbPath(), blocked);
        QFAIL("a start-over without its archive");
    } catch (const StoreError& error) {
        QVERIFY(error.message().startsWith(startover::archiveFailedText(QString())));
    }
    QCOMPARE(everyTable(db), before);

    // A statement of the emptying refused half-way.
    books::replaceByView(db, "cutlog", "num, h, codeins, num AS nn FROM h3cut");
    const QStringList sabotaged = everyTable(db);
    QVERIFY_THROWS_EXCEPTION(StoreError,
                             startover::archiveAndEmpty(book.dbPath(), optionsFor(book, now)));
    QVERIFY_THROWS_EXCEPTION(StoreError, startover::emptyBook(db));
    QVERIFY(!db.inTransaction());
    QCOMPARE(everyTable(db), sabotaged);
    QCOMPARE(archiveFiles(book), QStringList());
    verifyKeptSums(db);
}

void StartOverTest::aLineOfAnotherComputerWaits() {
    TempBook book;
    Database& db = book.db();
    fillDraw(db);
    std::unique_ptr<Database> other =
        Database::openExisting(db.engine() == Engine::postgres
                                   ? testing::withSetting(book.dbPath(), "lock_timeout=300")
                                   : book.dbPath());
    if (db.engine() == Engine::sqlite)
        other->exec("PRAGMA busy_timeout=300");

    startover::Options options = optionsFor(book, QDateTime(QDate(2024, 6, 17), QTime(18, 0, 0)));
    bool refused = false;
    options.progress = [&](int percent, const QString&) {
        if (percent != 5)
            return;
        try {
            Recorder(*other).recordLine({{"888", Kind::h3, 8}}, "ข");
        } catch (const StoreError& error) {
            refused = error.kind() == StoreError::inUse;
        }
    };
    const startover::Outcome outcome = startover::archiveAndEmpty(book.dbPath(), options);
    // Refused, not lost: neither in the archive nor in the new draw.
    QVERIFY(refused);
    QCOMPARE(archive::open(outcome.archive)->scalar("SELECT count(*) FROM tball WHERE num = '888'")
                 .toInt(),
             0);
    // Typed again, it is the first line of the new draw.
    Recorder(*other).recordLine({{"888", Kind::h3, 8}}, "ข");
    QCOMPARE(rowsOf(db, "SELECT id, num FROM tball"), QStringList{"1|888"});
}

TABULOX_TEST(StartOverTest)
#include "startover_test.moc"
