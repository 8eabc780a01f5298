#include "common/backgroundcopies.h"
#include "common/backups.h"
#include "entry/recorder.h"
#include "store/location.h"
#include "store/schema.h"
#include "support/engines.h"
#include "support/tempbook.h"
#include "support/testmain.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <algorithm>

// Copies of a server's book are SQLite books of the same rows, so every copy of the shop
// opens anywhere.
class ServerCopyTest : public testing::Test {
    Q_OBJECT
private slots:
    void copiesAreSqliteBooksOfTheSameRows();
};

namespace {
QStringList sortedRows(Database& db, const QString& table) {
    QStringList rows = rowsOf(db, QString("SELECT * FROM \"%1\"").arg(table));
    std::sort(rows.begin(), rows.end());
    return rows;
}

void compareBooks(Database& server, Database& copy) {
    for (const QString& table : schema::allTableNames())
        QCOMPARE(sortedRows(copy, table), sortedRows(server, table));
    for (const char* view : {"h3", "qt3", "l2", "h2h2", "tbycus3", "h3cus", "t2h"})
        QCOMPARE(sortedRows(copy, view), sortedRows(server, view));
    // The kept sums are those of the copy's own rows.
    QCOMPARE(rowsOf(copy, "SELECT codeins, num, h, t, l, n FROM tbtotals ORDER BY codeins, num"),
             rowsOf(copy, "SELECT codeins, num, sum(h), sum(t), sum(l), count(*) FROM tball "
                          "GROUP BY codeins, num ORDER BY codeins, num"));
}
} // namespace

void ServerCopyTest::copiesAreSqliteBooksOfTheSameRows() {
    REQUIRE_SERVER();
    TempBook book(Engine::postgres);
    Database& db = book.db();
    Recorder recorder(db);
    recorder.recordLine({{"007", Kind::h3, 10}, {"007", Kind::t3, 2.5}, {"12", Kind::l2, 4}},
                        "ลูกค้า \"ก\"");
    recorder.recordLine({{"123", Kind::h3, 7}}, "b");
    recordRun(db, Kind::h2, 3, "c");
    db.exec("DELETE FROM tball WHERE num = '05'");
    db.exec("INSERT INTO cus (id, name, c3hp, h3) VALUES ('ann', 'ann', 12.5, 500)");
    db.exec("INSERT INTO numlimit (num, h, codeins) VALUES ('123', 40, 'h3')");
    db.exec("UPDATE backc SET back23 = '1'");

    Backups backups(db, book.folder());
    QVERIFY(backups.numberedCopy("N").written());
    for (const char* file : {"dbbackup/N000.mde", "lastdb/lastdatab.mde"}) {
        const QString path = book.folder() + file;
        std::unique_ptr<Database> copy = Database::openExistingReadOnly(path);
        QCOMPARE(copy->engine(), Engine::sqlite);
        QVERIFY(copy->pageDamage().isEmpty());
        compareBooks(db, *copy);
    }

    // A timed copy is written by the copier's own connection to the server.
    BackgroundCopies copies;
    QSignalSpy spy(&copies, &BackgroundCopies::finished);
    int ticks = 29;
    QVERIFY(!backups.autoTimeTick(ticks, copies).isEmpty());
    copies.waitForDone();
    QCOMPARE(spy.count(), 1);
    QVERIFY(spy.at(0).at(0).value<CopyResult>().written());

    // A copy put back as a desk's own book records lines and keeps its sums.
    const QString restored = book.folder() + "restored/db/tabulox.mde";
    QVERIFY(QDir().mkpath(book.folder() + "restored/db"));
    QVERIFY(QFile::copy(book.folder() + "dbbackup/N000.mde", restored));
    std::unique_ptr<Database> own = location::openBook(restored, book.folder() + "restored/");
    Recorder(*own).recordLine({{"007", Kind::h3, 5}}, "a");
    QCOMPARE(rowsOf(*own, "SELECT * FROM h3 WHERE num = '007'"), QStringList{"007|15"});
    QCOMPARE(readBookSums(*own).lastId, readBookSums(db).lastId + 1);
}

TABULOX_TEST(ServerCopyTest)
#include "servercopy_test.moc"
