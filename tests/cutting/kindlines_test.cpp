#include "common/cutsession.h"
#include "cutting/cutbylimit.h"
#include "cutting/deductout.h"
#include "cutting/kindcut.h"
#include "support/bookfaults.h"
#include "support/cutbook.h"
#include "support/engines.h"
#include "support/tempbook.h"
#include "support/testmain.h"

#include <QElapsedTimer>
#include <QThread>
#include <atomic>
#include <thread>

using namespace cut;
using namespace cutbook;

// A cut that rewrites a kind reads its lines from where the last such cut wrote them: whatever
// happened to the book since, it must still find every line of the kind and no other.
class KindLinesTest : public testing::BothEngines {
    Q_OBJECT
private slots:
    void rewriteFromTheKindsFirstLine();
    void deletionsAndOtherWriters();
    void startAheadOfTheBook();
    void groupKindFromItsFirstLine();
    void lineTypedDuringACut();
};

void KindLinesTest::rewriteFromTheKindsFirstLine() {
    TempBook book;
    Database& db = book.db();
    limitOf(db, Kind::h3, 500);
    bet(db, "123", Kind::h3, 800);
    bet(db, "456", Kind::h3, 300);
    const qint64 freeId = db.scalar("SELECT min(id) FROM tball").toLongLong();
    db.exec("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 200) "
            "INSERT INTO tball (num, t, cus, codeins) SELECT '123', 1, 'ค', 't3' FROM n");
    immediateCut(db, Kind::h3);
    QCOMPARE(linesOf(db, Kind::h3), (QStringList{"123|500|การตัดยอด", "456|300|การตัดยอด"}));

    // The next cut finds the kind's lines from the first line the last one wrote.
    bet(db, "456", Kind::h3, 400);
    bet(db, "789", Kind::h3, 50);
    immediateCut(db, Kind::h3);
    QCOMPARE(linesOf(db, Kind::h3),
             (QStringList{"123|500|การตัดยอด", "456|500|การตัดยอด", "789|50|การตัดยอด"}));
    verifyKeptSums(db);

    // A line of the kind below that point (its id drawn before the cut, written after it, as
    // another computer's line may be) is found all the same.
    db.exec("INSERT INTO tball (id, num, h, cus, codeins) VALUES (?, '789', 900, 'ก', 'h3')",
            {freeId});
    immediateCut(db, Kind::h3);
    QCOMPARE(linesOf(db, Kind::h3),
             (QStringList{"123|500|การตัดยอด", "456|500|การตัดยอด", "789|500|การตัดยอด"}));
    verifyKeptSums(db);
    QCOMPARE(sentOf(db, Kind::h3), QStringList{"789|450"});
    QCOMPARE(rowsOf(db, "SELECT count(*) FROM tball WHERE codeins = 't3'"), QStringList{"200"});
}

void KindLinesTest::deletionsAndOtherWriters() {
    TempBook book;
    Database& db = book.db();
    limitOf(db, Kind::l2, 100);
    bet(db, "12", Kind::l2, 150);
    bet(db, "34", Kind::l2, 60);
    for (int i = 0; i < 50; ++i)
        bet(db, numberFor(Kind::h3, i), Kind::h3, 5);
    immediateCut(db, Kind::l2);

    // The cut's own lines are deleted and typed again; another kind's lines come and go; a
    // deduct-out cut of the kind is put back; another connection writes a line.
    db.exec("DELETE FROM tball WHERE codeins = 'l2' AND num = '12'");
    bet(db, "12", Kind::l2, 170, "ข");
    db.exec("DELETE FROM tball WHERE codeins = 'h3' AND num < '020'");
    deductout::Cut job;
    job.kind = Kind::l2;
    job.value = 40;
    const deductout::Done done = deductout::cutKind(db, job);
    bet(db, "56", Kind::l2, 30);
    deductout::restore(db, Kind::l2, done.number, 0);
    {
        std::unique_ptr<Database> other = Database::openExisting(book.dbPath());
        bet(*other, "78", Kind::l2, 120, "ค");
    }
    verifyKeptSums(db);
    immediateCut(db, Kind::l2);
    QCOMPARE(linesOf(db, Kind::l2), (QStringList{"12|100|การตัดยอด", "34|60|การตัดยอด",
                                                 "56|30|การตัดยอด", "78|100|การตัดยอด"}));
    QCOMPARE(sentOf(db, Kind::l2), (QStringList{"12|70", "78|20"}));
    QCOMPARE(rowsOf(db, "SELECT count(*) FROM tball WHERE codeins = 'h3'"), QStringList{"30"});
    verifyKeptSums(db);

    // Every line of the kind deleted, then typed again.
    db.exec("DELETE FROM tball WHERE codeins = 'l2'");
    bet(db, "90", Kind::l2, 500);
    immediateCut(db, Kind::l2);
    QCOMPARE(linesOf(db, Kind::l2), QStringList{"90|100|การตัดยอด"});
    verifyKeptSums(db);
}

void KindLinesTest::startAheadOfTheBook() {
    // A book whose counter started again (a new draw) keeps the start of the last one.
    TempBook book;
    Database& db = book.db();
    limitOf(db, Kind::h2, 100);
    bet(db, "11", Kind::h2, 300);
    immediateCut(db, Kind::h2);
    db.exec("UPDATE tbfrom SET id = id + 1000000 WHERE codeins = 'h2'");
    bet(db, "11", Kind::h2, 50);
    bet(db, "22", Kind::h2, 80);
    immediateCut(db, Kind::h2);
    QCOMPARE(linesOf(db, Kind::h2), (QStringList{"11|100|การตัดยอด", "22|80|การตัดยอด"}));
    verifyKeptSums(db);
    // And one far behind it, under lines of every other kind.
    db.exec("UPDATE tbfrom SET id = 1 WHERE codeins = 'h2'");
    bet(db, "22", Kind::h2, 40);
    immediateCut(db, Kind::h2);
    QCOMPARE(linesOf(db, Kind::h2), (QStringList{"11|100|การตัดยอด", "22|100|การตัดยอด"}));
    QCOMPARE(sentOf(db, Kind::h2), QStringList{"22|20"});
    verifyKeptSums(db);
}

void KindLinesTest::groupKindFromItsFirstLine() {
    // The immediate cut of a group kind rewrites only its numbers over the limit; a line of one
    // of them below the start is found too.
    TempBook book;
    Database& db = book.db();
    limitOf(db, Kind::h5, 100);
    bet(db, "12345", Kind::h5, 150);
    bet(db, "55555", Kind::h5, 40);
    const qint64 freeId = db.scalar("SELECT min(id) FROM tball").toLongLong();
    menuCut(db);
    QCOMPARE(linesOf(db, Kind::h5), (QStringList{"12345|100|ตัดยอด-1", "55555|40|ตัดยอด-1"}));
    bet(db, "12345", Kind::h5, 30, "ข");
    bet(db, "55555", Kind::h5, 20, "ข");
    db.exec("INSERT INTO tball (id, num, h, cus, codeins) VALUES (?, '55555', 70, 'ค', 'h5')",
            {freeId});
    // Lines without a number are the number '' and go over together; many numbers within the
    // limit keep their lines.
    db.exec("INSERT INTO tball (num, h, cus, codeins) VALUES (NULL, 70, 'ก', 'h5'), (NULL, 50, "
            "'ข', 'h5')");
    db.exec("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 100) "
            "INSERT INTO tball (num, h, cus, codeins) SELECT CAST(60000 + i AS TEXT), 1, 'ง', "
            "'h5' FROM n");
    immediateCut(db, Kind::h5);
    const QStringList lines = linesOf(db, Kind::h5);
    QCOMPARE(lines.size(), 103);
    QCOMPARE(lines.mid(0, 3),
             (QStringList{"|100|การตัดยอด", "12345|100|การตัดยอด", "55555|100|การตัดยอด"}));
    QCOMPARE(lines.last(), QString("60100|1|ง"));
    QCOMPARE(sentOf(db, Kind::h5), (QStringList{"|20", "12345|30", "55555|30"}));
    verifyKeptSums(db);
}

void KindLinesTest::lineTypedDuringACut() {
    // Another computer's line that comes while a cut runs waits for it and is then written;
    // neither is refused.
    TempBook book;
    Database& db = book.db();
    limitOf(db, Kind::h3, 500);
    bet(db, "123", Kind::h3, 800);
    const QString address = book.dbPath();
    std::atomic<int> stage{0};
    std::atomic<qlonglong> backend{0};
    QString failure;
    std::thread other([&] {
        try {
            std::unique_ptr<Database> station = Database::openExisting(address);
            if (station->engine() == Engine::postgres)
                backend = station->scalar("SELECT pg_backend_pid()").toLongLong();
            stage = 1;
            while (stage < 2)
                QThread::msleep(2);
            Transaction line(*station);
            bet(*station, "123", Kind::h3, 300, "ข");
            line.commit();
        } catch (const StoreError& error) {
            failure = error.message();
        }
        stage = 3;
    });
    while (stage < 1)
        QThread::msleep(2);
    try {
        Session session(db);
        stage = 2;
        // The line is waiting for the cut's locks before the cut goes on.
        QElapsedTimer waited;
        waited.start();
        if (db.engine() == Engine::postgres) {
            while (db.scalar("SELECT count(*) FROM pg_locks WHERE pid = ? AND NOT granted",
                             {backend.load()})
                           .toInt() == 0 &&
                   waited.elapsed() < 5000)
                QThread::msleep(5);
        } else {
            QThread::msleep(100);
        }
        cutKind(db, KindCut{Kind::h3, Variant::immediate, 500}, false, session.now());
        session.commit();
    } catch (const StoreError& error) {
        other.join();
        QFAIL(qPrintable(error.message()));
    }
    other.join();
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
    QCOMPARE(linesOf(db, Kind::h3), (QStringList{"123|500|การตัดยอด", "123|300|ข"}));
    verifyKeptSums(db);
}

TABULOX_TEST(KindLinesTest)
#include "kindlines_test.moc"
