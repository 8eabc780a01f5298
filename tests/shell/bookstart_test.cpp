#include "common/copyjob.h"
#include "common/settings.h"
#include "entry/gui/tfminput.h"
#include "platform/fakeplatform.h"
#include "shell/gui/tlogin2.h"
#include "shell/gui/tmain.h"
#include "store/database.h"
#include "store/location.h"
#include "support/bookfaults.h"
#include "support/shop.h"
#include "support/tempbook.h"
#include "support/testmain.h"
#include "ui/dialogs.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

namespace {
const QString kDamaged = QStringLiteral("ฐานข้อมูลมีปัญหาต้องกด Repair1  เพื่อซ่อมแซมโดยMsAccess2010");

int said(const QString& start) {
    int count = 0;
    for (const Dialogs::Asked& asked : Dialogs::asked())
        count += asked.text.startsWith(start);
    return count;
}
} // namespace

// The program never replaces, empties or switches its book without a word, and says in Thai
// what is wrong with it.
class BookStartTest : public testing::Test {
    Q_OBJECT
private slots:
    void emptyOrForeignFileIsKeptAndSaid();
    void bookOfAFolderThatCannotBeWrittenIsKept();
    void folderThatCannotBeWrittenAsAUser();
    void installedProgramKeepsEachUsersBookInTheirDataFolder();
    void damageInsideIsFoundAfterOpening();
    void bookHeldByAnotherProgramIsNotCalledDamaged();
    void engineErrorsAreSaidInThai();
    void lowDiskWaitsForTheLine();

private:
    QString exeIn(const QTemporaryDir& dir) const { return dir.path() + "/tabulox"; }
};

void BookStartTest::emptyOrForeignFileIsKeptAndSaid() {
    for (const QByteArray& content : {QByteArray(), QByteArray("name,amount\n123,50\n")}) {
        QTemporaryDir dir;
        FakePlatform& platform = testing::freshPlatform();
        QDir().mkpath(dir.path() + "/db");
        const QString book = dir.path() + "/db/tabulox.mde";
        QFile file(book);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.close();

        Tmain main(exeIn(dir));
        QVERIFY(main.isDamaged());
        QVERIFY(Dialogs::last().text.startsWith(kDamaged));
        QVERIFY(Dialogs::last().text.contains(book));
        QCOMPARE(platform.opened, QStringList{dir.path() + "/db"});
        QCOMPARE(platform.endedPrograms, QStringList{exeIn(dir)});
        // The file is as it was: no book was made over it, no copy of it taken.
        QCOMPARE(bytesOf(book), content);
        QVERIFY(!QFileInfo::exists(dir.path() + "/db/tabuloxbackup.mde"));
        Dialogs::clear();
    }
    // Every way in refuses it, not only the start, and leaves it as it was.
    for (const QByteArray& content : {QByteArray(), QByteArray("SQLite format 2\0 and more")}) {
        QTemporaryDir dir;
        QDir().mkpath(dir.path() + "/db");
        const QString book = dir.path() + "/db/tabulox.mde";
        QFile file(book);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(content);
        file.close();
        try {
            location::openBook(book, dir.path() + "/");
            QFAIL("a file that is no book was opened as a book");
        } catch (const StoreError& error) {
            QCOMPARE(error.kind(), StoreError::damaged);
            QVERIFY(error.message().contains(book + (content.isEmpty() ? " เป็นไฟล์ว่างเปล่า"
                                                                        : " ไม่ใช่ไฟล์ฐานข้อมูล")));
        }
        QCOMPARE(bytesOf(book), content);
        QCOMPARE(entriesOf(dir.path() + "/db"), QStringList{"tabulox.mde"});
    }
}

void BookStartTest::bookOfAFolderThatCannotBeWrittenIsKept() {
    QTemporaryDir exe, data;
    const QString folder = exe.path() + "/";
    {
        TempBook scratch; // a real book to stand in the folder
        QDir().mkpath(folder + "db");
        QVERIFY(QFile::copy(scratch.dbPath(), folder + "db/tabulox.mde"));
    }
    QStringList readOnly;
    auto writable = [&readOnly](const QString& path) {
        return !readOnly.contains(QDir::cleanPath(path));
    };
    // The folder itself read-only: its book is still the book.
    readOnly = {QDir::cleanPath(folder)};
    location::BookPlace place = location::placeBook(folder, data.path(), writable);
    QCOMPARE(place.programFolder, folder);
    QCOMPARE(place.problem, location::BookPlace::none);
    // A book or a db folder that cannot be written is said, never swapped for another.
    readOnly << QDir::cleanPath(folder + "db/tabulox.mde");
    place = location::placeBook(folder, data.path(), writable);
    QCOMPARE(place.programFolder, folder);
    QCOMPARE(place.problem, location::BookPlace::readOnlyBook);
    QVERIFY(location::problemText(place).contains(folder + "db/tabulox.mde"));
    readOnly = {QDir::cleanPath(folder), QDir::cleanPath(folder + "db")};
    QCOMPARE(location::placeBook(folder, data.path(), writable).problem,
             location::BookPlace::readOnlyFolder);
    // Only a folder that holds no book and cannot take one leaves for the data folder.
    QVERIFY(QFile::remove(folder + "db/tabulox.mde"));
    QVERIFY(QDir(folder).rmdir("db"));
    place = location::placeBook(folder, data.path(), writable);
    QCOMPARE(place.programFolder, location::withSlash(data.path()));
    QCOMPARE(place.problem, location::BookPlace::none);

    // The status bar says which file is the book.
    testing::Shop shop;
    QCOMPARE(shop.main->desk().status(1), "Db=Local " + shop.main->run().ownPath());
}

void BookStartTest::folderThatCannotBeWrittenAsAUser() {
    // Permissions bind only a user other than root: as root the check runs as nobody.
    QTemporaryDir dir;
    const QString folder = dir.path() + "/";
    {
        TempBook scratch;
        QDir().mkpath(folder + "db");
        QVERIFY(QFile::copy(scratch.dbPath(), folder + "db/tabulox.mde"));
    }
    const QByteArray path = QFile::encodeName(dir.path());
    const QByteArray book = QFile::encodeName(folder + "db/tabulox.mde");
    ::chmod(path.constData(), 0555);
    ::chmod(book.constData(), 0666);
    ::chmod(QFile::encodeName(folder + "db").constData(), 0777);
    const pid_t child = ::fork();
    QVERIFY(child >= 0);
    if (child == 0) {
        if (::getuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
            ::_exit(3);
        if (access(path.constData(), W_OK) == 0)
            ::_exit(4); // the folder is writable after all: nothing to show
        const location::BookPlace place = location::placeBook(QFile::decodeName(path));
        ::_exit(place.programFolder == folder && place.problem == location::BookPlace::none ? 0
                                                                                            : 1);
    }
    int status = 0;
    ::waitpid(child, &status, 0);
    ::chmod(path.constData(), 0755);
    QVERIFY(WIFEXITED(status));
    if (WEXITSTATUS(status) == 3 || WEXITSTATUS(status) == 4)
        QSKIP("this machine cannot run the check as a user without write permission");
    QCOMPARE(WEXITSTATUS(status), 0);
}

void BookStartTest::installedProgramKeepsEachUsersBookInTheirDataFolder() {
    QTemporaryDir data;
    // Root could write /usr/bin, yet an installed program's folder is never the book's place.
    auto always = [](const QString&) { return true; };
    for (const char* folder : {"/usr/bin", "/usr/lib/tabulox/", "/usr/local/bin/"}) {
        const location::BookPlace place = location::placeBook(folder, data.path(), always);
        QCOMPARE(place.programFolder, location::withSlash(data.path()));
        QCOMPARE(place.problem, location::BookPlace::none);
    }
    QCOMPARE(location::placeBook("/usrlocal/tabulox", data.path(), always).programFolder,
             QString("/usrlocal/tabulox/"));

    // Started from the installed path, each user's book, its copies and the sounds lie in that
    // user's data folder.
    const QByteArray oldHome = qgetenv("XDG_DATA_HOME");
    const QString oldName = QCoreApplication::applicationName();
    QCoreApplication::setApplicationName("tabulox");
    const QString installed = "/usr/lib/tabulox-test-absent/tabulox";
    QTemporaryDir first, second;
    for (const QTemporaryDir* user : {&first, &second}) {
        FakePlatform& platform = testing::freshPlatform();
        qputenv("XDG_DATA_HOME", QFile::encodeName(user->path()));
        const QString folder = user->path() + "/tabulox/";
        {
            Tmain main(installed);
            QVERIFY(!main.isDamaged());
            QCOMPARE(main.run().programFolder, folder);
            QCOMPARE(main.desk().status(1), "Db=Local " + folder + "db/tabulox.mde");
            QCOMPARE(main.own().scalar("SELECT count(*) FROM tblog WHERE s = 'mine'").toInt(), 0);
            main.own().exec("INSERT INTO tblog (s) VALUES ('mine')");
            // The tools started by name are looked for there too, and the folder is named.
            platform.programsExist = false;
            Tlogin2* login = main.openLogin();
            login->findChild<QPushButton*>("BitBtn5")->click();
            QCOMPARE(platform.started, QStringList{folder + "db/repair"});
            QCOMPARE(Dialogs::last().text, "ไม่พบโปรแกรม repair ในโฟลเดอร์ " + folder + "db/");
            Dialogs::clear();
            main.closeWithoutAsking();
        }
        QCOMPARE(entriesOf(folder + "db"), (QStringList{"tabulox.mde", "tabuloxbackup.mde"}));
        QCOMPARE(entriesOf(folder + "sound").size(), 17);
        QVERIFY(QFileInfo::exists(folder + "dbcompact/compact.mde"));
    }
    QVERIFY(!QFileInfo::exists("/usr/lib/tabulox-test-absent"));
    QCoreApplication::setApplicationName(oldName);
    if (oldHome.isNull())
        qunsetenv("XDG_DATA_HOME");
    else
        qputenv("XDG_DATA_HOME", oldHome);
}

void BookStartTest::damageInsideIsFoundAfterOpening() {
    QTemporaryDir dir;
    const QString folder = dir.path() + "/";
    FakePlatform& platform = testing::freshPlatform();
    {
        // A book as the program makes it, with a good first-run copy, then one page damaged.
        Tmain first(exeIn(dir));
        fillBook(first.own(), 20000);
        first.closeWithoutAsking();
    }
    const QByteArray goodCopy = bytesOf(folder + "dbcompact/compact.mde");
    QVERIFY(!goodCopy.isEmpty());
    {
        auto book = Database::openFile(folder + "db/tabulox.mde");
        damageTball(*book, folder + "db/tabulox.mde");
    }
    Dialogs::clear();
    const int beeps = platform.beeps;
    Tmain main(exeIn(dir));
    main.show();
    QVERIFY(QTest::qWaitForWindowExposed(&main));
    QVERIFY(!main.isDamaged()); // it opens: the check runs without holding up the clerk
    main.loggedIn();
    // Found while a line is typed: said once the line is done, not in the middle of it.
    Tfminput* form = main.entryForm();
    QLineEdit* num = testing::child<QLineEdit>(form, "num");
    QTest::keyClick(num, Qt::Key_F6);
    QTest::keyClicks(num, "12");
    main.desk().copies().waitForDone();
    QCOMPARE(said(damagedBookMessage()), 0);
    QVERIFY(platform.beeps > beeps);
    num->selectAll();
    main.onTimer1();
    QCOMPARE(said(damagedBookMessage()), 1);
    // No copy of it replaces the last good one, and nothing is left beside it.
    main.closeWithoutAsking();
    QCOMPARE(bytesOf(folder + "dbcompact/compact.mde"), goodCopy);
    QCOMPARE(entriesOf(folder + "dbcompact"), QStringList{"compact.mde"});
    QCOMPARE(said(damagedBookMessage()), 1); // said once per run
}

void BookStartTest::bookHeldByAnotherProgramIsNotCalledDamaged() {
    QTemporaryDir dir;
    const QString folder = dir.path() + "/";
    FakePlatform& platform = testing::freshPlatform();
    { Tmain first(exeIn(dir)); }
    const QByteArray before = bytesOf(folder + "db/tabulox.mde");
    auto other = Database::openFile(folder + "db/tabulox.mde");
    other->exec("BEGIN EXCLUSIVE");
    other->exec("INSERT INTO tblog (s) VALUES ('held')");
    // Yes tries again (still held), No ends the program; the repair path is never offered.
    Dialogs::setNextAnswer(true);
    Dialogs::setNextAnswer(false);
    Tmain main(exeIn(dir));
    QVERIFY(main.isDamaged());
    QCOMPARE(said("ฐานข้อมูล " + folder + "db/tabulox.mde กำลังถูกใช้งานโดยโปรแกรมอื่น"), 2);
    QCOMPARE(said(kDamaged), 0);
    QVERIFY(platform.opened.isEmpty());
    QVERIFY(platform.started.isEmpty());
    other->exec("ROLLBACK");
    other.reset();
    QCOMPARE(bytesOf(folder + "db/tabulox.mde"), before);
}

void BookStartTest::engineErrorsAreSaidInThai() {
    testing::Shop shop;
    Tfminput* form = shop.main->entryForm();
    // A line refused because another program holds the book.
    auto other = Database::openFile(shop.main->run().ownPath());
    other->exec("BEGIN EXCLUSIVE");
    other->exec("INSERT INTO tblog (s) VALUES ('held')");
    QTest::keyClick(testing::child<QLineEdit>(form, "num"), Qt::Key_F6);
    for (const char* field : {"num", "n1", "n2"}) {
        QLineEdit* edit = testing::child<QLineEdit>(form, field);
        QTest::keyClicks(edit, field == QByteArray("num") ? "12" : "5");
        QTest::keyClick(edit, Qt::Key_Return);
    }
    QVERIFY(Dialogs::last().text.startsWith(StoreError::thaiFor(StoreError::inUse) + " ("));
    QVERIFY(Dialogs::last().text.contains("database is locked"));
    other->exec("ROLLBACK");
    QCOMPARE(other->scalar("SELECT count(*) FROM tball").toInt(), 0);

    // A full disk: the line is refused whole and the book stays as it was.
    const qint64 wal = QFileInfo(shop.main->run().ownPath() + "-wal").size();
    {
        FileSizeLimit full(rlim_t(wal + 512));
        for (const char* field : {"num", "n1", "n2"}) {
            QLineEdit* edit = testing::child<QLineEdit>(form, field);
            edit->clear();
            QTest::keyClicks(edit, field == QByteArray("num") ? "34" : "7");
            QTest::keyClick(edit, Qt::Key_Return);
        }
    }
    const QString text = Dialogs::last().text;
    QVERIFY2(text.startsWith(StoreError::thaiFor(StoreError::diskFull)) ||
                 text.startsWith(StoreError::thaiFor(StoreError::diskError)),
             qPrintable(text));
    verifyOwnSums(*other);
    QCOMPARE(other->scalar("SELECT count(*) FROM tball").toInt(), 0);
}

void BookStartTest::lowDiskWaitsForTheLine() {
    testing::Shop shop;
    const QString low = "พื้นที่Diskต่ำกว่า20GB กรุณาลบข้อมูล";
    // The disk runs low while half a line is typed.
    Tfminput* form = shop.main->entryForm();
    QLineEdit* num = testing::child<QLineEdit>(form, "num");
    QTest::keyClick(num, Qt::Key_F6);
    QTest::keyClicks(num, "12");
    QVERIFY(form->lineUnderWay());
    shop.platform->freeKb = 5e6;
    const int beeps = shop.platform->beeps;
    // However long the line takes, the box waits for it (the beeps stop at five).
    for (int tick = 0; tick < 7; ++tick)
        shop.main->onTimer1();
    QCOMPARE(said(low), 0); // the keys of the line stay the line's
    QCOMPARE(shop.platform->beeps, beeps + 5);
    QTest::keyClicks(num, "3");
    QCOMPARE(num->text(), QString("123"));
    QTest::keyClick(num, Qt::Key_Return);
    for (const char* field : {"n1", "n2"}) {
        QLineEdit* edit = testing::child<QLineEdit>(form, field);
        QTest::keyClicks(edit, "5");
        QTest::keyClick(edit, Qt::Key_Return);
    }
    QVERIFY(!form->lineUnderWay());
    // Between lines it is said, and not again within the hour.
    shop.main->onTimer1();
    QCOMPARE(said(low), 1);
    QCOMPARE(shop.platform->beeps, beeps + 5);
    shop.main->onTimer1();
    QCOMPARE(said(low), 1);
    QCOMPARE(rowsOf(shop.main->own(), "SELECT num, h, l FROM tball"),
             (QStringList{"123|5|0", "123|0|5"}));
}

TABULOX_TEST(BookStartTest)
#include "bookstart_test.moc"
