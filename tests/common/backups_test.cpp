#include "common/backups.h"
#include "common/settings.h"
#include "support/tempbook.h"
#include "support/testmain.h"

#include <QFileInfo>

class BackupsTest : public testing::Test {
    Q_OBJECT
private slots:
    void names();
    void numberedCopiesShareOneCounter();
    void copyIsAConsistentDatabase();
    void autoTimeRing();
    void firstRunBackupOnce();
};

void BackupsTest::names() {
    QCOMPARE(Backups::paddedCounter("7"), QString("007"));
    QCOMPARE(Backups::paddedCounter("42"), QString("042"));
    QCOMPARE(Backups::paddedCounter("255"), QString("255"));
    QCOMPARE(Backups::paddedCounter("1234"), QString("1234"));
    QCOMPARE(Backups::nextCounter("7"), 8);
    QCOMPARE(Backups::nextCounter("255"), 0);
    QCOMPARE(Backups::nextCounter("1234"), 211);
    QCOMPARE(Backups::nextCounter(""), 1);
    QCOMPARE(Backups::autoTimeName(29), QString());
    QCOMPARE(Backups::autoTimeName(30), QString("AutoTime005.mde"));
    QCOMPARE(Backups::autoTimeName(60), QString("AutoTime010.mde"));
    QCOMPARE(Backups::autoTimeName(6000), QString("AutoTime1000.mde"));
    QCOMPARE(Backups::autoTimeName(9000), QString("AutoTime1500.mde"));
    QCOMPARE(Backups::autoTimeName(9030), QString());
}

void BackupsTest::numberedCopiesShareOneCounter() {
    TempBook book;
    SettingsRecord settings(book.db());
    Backups backups(book.db(), book.folder());
    settings.set(Backc::back, "255");
    QCOMPARE(backups.numberedCopy("N").file, book.folder() + "dbbackup/N255.mde");
    QCOMPARE(settings.text(Backc::back), QString("0"));
    QVERIFY(QFileInfo::exists(book.folder() + "lastdb/lastdatab.mde"));
    QFile::remove(book.folder() + "lastdb/lastdatab.mde");
    QVERIFY(backups.numberedCopy("D").written());
    QVERIFY(QFileInfo::exists(book.folder() + "dbbackup/D000.mde"));
    QVERIFY(!QFileInfo::exists(book.folder() + "lastdb/lastdatab.mde"));
    QCOMPARE(backups.numberedCopy("T3S").file, book.folder() + "dbbackup/T3S001.mde");
    QCOMPARE(settings.text(Backc::back), QString("2"));
}

void BackupsTest::copyIsAConsistentDatabase() {
    TempBook book;
    book.db().exec("INSERT INTO tball (num,h,cus,codeins) VALUES ('123',10,'a','h3')");
    Backups backups(book.db(), book.folder());
    QVERIFY(backups.closeCopy().written());
    book.db().exec("INSERT INTO tball (num,h,cus,codeins) VALUES ('124',10,'a','h3')");
    QVERIFY(backups.closeCopy().written()); // overwrites
    std::unique_ptr<Database> copy =
        Database::openExistingReadOnly(book.folder() + "dbcompact/compact.mde");
    QCOMPARE(rowsOf(*copy, "SELECT num FROM tball ORDER BY num"), (QStringList{"123", "124"}));
    QCOMPARE(rowsOf(*copy, "SELECT * FROM h3sum"), QStringList{"20"});
}

void BackupsTest::autoTimeRing() {
    TempBook book;
    Backups backups(book.db(), book.folder());
    int ticks = 28;
    QCOMPARE(backups.autoTimeTick(ticks), QString());
    QCOMPARE(ticks, 29);
    QCOMPARE(backups.autoTimeTick(ticks), book.folder() + "dbautotime/AutoTime005.mde");
    QVERIFY(QFileInfo::exists(book.folder() + "dbautotime/AutoTime005.mde"));
    ticks = 9001;
    backups.autoTimeTick(ticks);
    QCOMPARE(ticks, 0);
}

void BackupsTest::firstRunBackupOnce() {
    TempBook book;
    Backups backups(book.db(), book.folder());
    const std::optional<CopyResult> first = backups.firstRunBackup();
    QVERIFY(first && first->written());
    QVERIFY(!backups.firstRunBackup());
}

TABULOX_TEST(BackupsTest)
#include "backups_test.moc"
