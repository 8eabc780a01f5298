#include "common/backgroundcopies.h"
#include "common/backups.h"
#include "common/settings.h"
#include "entry/recorder.h"
#include "support/bookfaults.h"
#include "support/tempbook.h"
#include "support/testmain.h"

#include <QDateTime>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QSignalSpy>
#include <QThread>
#include <csignal>
#include <sys/resource.h>
#include <unistd.h>

class CopiesTest : public testing::Test {
    Q_OBJECT
private slots:
    void damagedBookIsNeverCopied();
    void failedCopyKeepsTheOldOneAndNoDebris();
    void notificationCopyIsOneSnapshotInTwoFiles();
    void queuedCopiesRunInTurn();
    void copyWhileLinesAreRecorded();
};

void CopiesTest::damagedBookIsNeverCopied() {
    TempBook book;
    fillBook(book.db(), 20000);
    Backups backups(book.db(), book.folder());
    QVERIFY(backups.closeCopy().written());
    QVERIFY(backups.numberedCopy("N").written());
    const QByteArray goodClose = bytesOf(book.folder() + "dbcompact/compact.mde");
    const QByteArray goodLast = bytesOf(book.folder() + "lastdb/lastdatab.mde");
    QVERIFY(!goodClose.isEmpty());
    QVERIFY(book.db().pageDamage().isEmpty());

    damageTball(book);
    Backups after(book.db(), book.folder());
    QVERIFY(!book.db().pageDamage().isEmpty());
    const CopyResult close = after.closeCopy();
    QCOMPARE(close.status, CopyResult::Damaged);
    QVERIFY(!close.detail.isEmpty());
    QCOMPARE(bytesOf(book.folder() + "dbcompact/compact.mde"), goodClose);
    QCOMPARE(entriesOf(book.folder() + "dbcompact"), QStringList{"compact.mde"});
    QCOMPARE(after.numberedCopy("N").status, CopyResult::Damaged);
    QCOMPARE(entriesOf(book.folder() + "dbbackup"), QStringList{"N000.mde"});
    QCOMPARE(bytesOf(book.folder() + "lastdb/lastdatab.mde"), goodLast);
    QCOMPARE(entriesOf(book.folder() + "lastdb"), QStringList{"lastdatab.mde"});

    BackgroundCopies copies;
    QSignalSpy spy(&copies, &BackgroundCopies::finished);
    int ticks = 29;
    QVERIFY(!after.autoTimeTick(ticks, copies).isEmpty());
    copies.waitForDone();
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).value<CopyResult>().status, CopyResult::Damaged);
    QCOMPARE(entriesOf(book.folder() + "dbautotime"), QStringList());

    const QString message = damagedBookMessage();
    QVERIFY(message.startsWith(QStringLiteral("ฐานข้อมูลเสียหาย")));
    QVERIFY(message.contains("Repair 1") && message.contains("Repair 2"));
    QVERIFY(message.contains("dbbackup"));
}

void CopiesTest::failedCopyKeepsTheOldOneAndNoDebris() {
    TempBook book;
    fillBook(book.db(), 5000);
    Backups backups(book.db(), book.folder());
    QVERIFY(backups.closeCopy().written());
    const QString folder = book.folder() + "dbcompact";
    const QByteArray old = bytesOf(folder + "/compact.mde");
    book.db().exec("INSERT INTO tball (num,h,cus,codeins) VALUES ('124',10,'a','h3')");

    {
        // The disk fills while the snapshot is written.
        FileSizeLimit full(64 * 1024);
        const CopyResult result = backups.closeCopy();
        QCOMPARE(result.status, CopyResult::Failed);
        QVERIFY(!result.detail.isEmpty());
    }
    QCOMPARE(bytesOf(folder + "/compact.mde"), old);
    QCOMPARE(entriesOf(folder), QStringList{"compact.mde"});

    if (geteuid() != 0) { // permissions do not hold for root
        QVERIFY(QFile::setPermissions(folder, QFile::ReadOwner | QFile::ExeOwner));
        QCOMPARE(backups.closeCopy().status, CopyResult::Failed);
        QVERIFY(
            QFile::setPermissions(folder, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
        QCOMPARE(bytesOf(folder + "/compact.mde"), old);
        QCOMPARE(entriesOf(folder), QStringList{"compact.mde"});
    }

    // The rename fails: a folder stands where the copy goes.
    QVERIFY(QDir().mkpath(book.folder() + "dbautotime/AutoTime005.mde/keep"));
    int ticks = 29;
    QCOMPARE(backups.autoTimeTick(ticks), QString());
    QCOMPARE(entriesOf(book.folder() + "dbautotime"), QStringList{"AutoTime005.mde"});
    QCOMPARE(entriesOf(book.folder() + "dbautotime/AutoTime005.mde"), QStringList{"keep"});

    // The folder cannot be made: a file has its name.
    QFile blocker(book.folder() + "lastdb");
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    const CopyResult numbered = backups.numberedCopy("N");
    QCOMPARE(numbered.status, CopyResult::Failed); // its latest-operation copy failed
    QVERIFY(numbered.detail.contains("lastdb"));
    QCOMPARE(entriesOf(book.folder() + "dbbackup"), QStringList{"N000.mde"});
    QCOMPARE(bytesOf(book.folder() + "lastdb"), QByteArray());

    // A copy left by an earlier version beside its copy goes with the next good copy, and so
    // does an old one of a run ended half-way; one still being written stays.
    QFile legacy(folder + "/compact.mde.part");
    QVERIFY(legacy.open(QIODevice::WriteOnly));
    legacy.close();
    QFile halfWay(folder + "/compact.mde.4242-0.part");
    QVERIFY(halfWay.open(QIODevice::WriteOnly));
    halfWay.setFileTime(QDateTime::currentDateTime().addSecs(-3600),
                        QFileDevice::FileModificationTime);
    halfWay.close();
    QFile writing(folder + "/compact.mde.4243-0.part");
    QVERIFY(writing.open(QIODevice::WriteOnly));
    writing.close();
    QVERIFY(backups.closeCopy().written());
    QCOMPARE(entriesOf(folder), (QStringList{"compact.mde", "compact.mde.4243-0.part"}));
    QFile::remove(folder + "/compact.mde.4243-0.part");
    QVERIFY(bytesOf(folder + "/compact.mde") != old);
}

void CopiesTest::notificationCopyIsOneSnapshotInTwoFiles() {
    TempBook book;
    fillBook(book.db(), 2000);
    SettingsRecord settings(book.db());
    settings.set(Backc::back, "7");
    Backups backups(book.db(), book.folder());
    BackgroundCopies copies;
    bool onCallersThread = false;
    QList<CopyResult> results;
    connect(&copies, &BackgroundCopies::finished, this, [&](const CopyResult& result) {
        onCallersThread = QThread::currentThread() == thread();
        results << result;
    });
    copies.hold();
    QVERIFY(backups.requestNumberedCopy("L", copies));
    // The counter moves on at the request.
    QCOMPARE(settings.text(Backc::back), QString("8"));
    QVERIFY(!QFileInfo::exists(book.folder() + "dbbackup/L007.mde"));
    copies.waitForDone();
    QCOMPARE(results.size(), 1);
    QVERIFY(onCallersThread);
    QVERIFY(results.at(0).written());
    QCOMPARE(results.at(0).file, book.folder() + "dbbackup/L007.mde");
    const QByteArray numbered = bytesOf(book.folder() + "dbbackup/L007.mde");
    QVERIFY(!numbered.isEmpty());
    QCOMPARE(bytesOf(book.folder() + "lastdb/lastdatab.mde"), numbered);
    QCOMPARE(entriesOf(book.folder() + "dbbackup"), QStringList{"L007.mde"});
    QCOMPARE(entriesOf(book.folder() + "lastdb"), QStringList{"lastdatab.mde"});
}

void CopiesTest::queuedCopiesRunInTurn() {
    TempBook book;
    Backups backups(book.db(), book.folder());
    BackgroundCopies copies;
    QSignalSpy spy(&copies, &BackgroundCopies::finished);
    copies.hold();
    int ticks = 29;
    const QString first = backups.autoTimeTick(ticks, copies);
    QCOMPARE(first, book.folder() + "dbautotime/AutoTime005.mde");
    QVERIFY(!copies.idle());
    ticks = 29;
    QCOMPARE(backups.autoTimeTick(ticks, copies), QString()); // already waiting
    ticks = 59;
    QCOMPARE(backups.autoTimeTick(ticks, copies), book.folder() + "dbautotime/AutoTime010.mde");
    // Held: nothing is written however long it is held.
    QCoreApplication::processEvents();
    QCOMPARE(spy.count(), 0);
    QVERIFY(!copies.idle());
    QVERIFY(entriesOf(book.folder() + "dbautotime").isEmpty());
    copies.release();
    copies.waitForDone();
    QVERIFY(copies.idle());
    QCOMPARE(spy.count(), 2);
    QCOMPARE(spy.at(0).at(0).value<CopyResult>().file, first);
    QVERIFY(spy.at(1).at(0).value<CopyResult>().written());
    QCOMPARE(entriesOf(book.folder() + "dbautotime"),
             (QStringList{"AutoTime005.mde", "AutoTime010.mde"}));
    // A book that cannot be opened by the copier.
    QVERIFY(copies.request(book.folder() + "missing.mde", {book.folder() + "x/y.mde", {}}));
    copies.waitForDone();
    QCOMPARE(spy.count(), 3);
    QCOMPARE(spy.at(2).at(0).value<CopyResult>().status, CopyResult::Failed);
}

void CopiesTest::copyWhileLinesAreRecorded() {
    TempBook book;
    fillBook(book.db(), 100000);
    Recorder recorder(book.db());
    Backups backups(book.db(), book.folder());
    BackgroundCopies copies;
    const int before = book.db().scalar("SELECT count(*) FROM tball").toInt();
    int ticks = 29;
    QVERIFY(!backups.autoTimeTick(ticks, copies).isEmpty());
    int lines = 0;
    qint64 worst = 0;
    while (!copies.idle() || lines < 5) {
        const QString number = QString::number(100 + lines % 900);
        QElapsedTimer timer;
        timer.start();
        recorder.recordLine({{number, Kind::h3, 10}, {number, Kind::t3, 5}}, "a");
        worst = qMax(worst, timer.elapsed());
        ++lines;
    }
    copies.waitForDone();
    // No line lost, none waited for the copy.
    QCOMPARE(book.db().scalar("SELECT count(*) FROM tball").toInt(), before + 2 * lines);
    QVERIFY2(worst < 2000, qPrintable(QString::number(worst)));
    std::unique_ptr<Database> copy =
        Database::openExistingReadOnly(book.folder() + "dbautotime/AutoTime005.mde");
    verifyOwnSums(*copy);
    const int copied = copy->scalar("SELECT count(*) FROM tball").toInt();
    QVERIFY(copied >= before && copied <= before + 2 * lines);
    QCOMPARE(copy->scalar("SELECT count(*) FROM tblog").toInt(), (copied - before) / 2);
    QVERIFY(copy->pageDamage().isEmpty());
}

TABULOX_TEST(CopiesTest)
#include "copies_test.moc"
