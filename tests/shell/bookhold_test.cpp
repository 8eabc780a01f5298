#include "entry/gui/tfminput.h"
#include "entry/recorder.h"
#include "shell/gui/tmain.h"
#include "store/database.h"
#include "store/location.h"
#include "support/childprocess.h"
#include "support/tempbook.h"
#include "support/testmain.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <vector>

// A line the program said it recorded stays in the book whatever other programs do with the
// book file meanwhile: the program keeps its own hold on the file, so a reader that comes and
// goes never takes the write-ahead log away from under it.

namespace {

QString bookIn(const QString& folder) {
    return location::ownDatabasePath(folder);
}

// The files the process holds open that were deleted under it.
QStringList deletedFilesOf(qint64 pid) {
    QStringList deleted;
    const QDir fds(QStringLiteral("/proc/%1/fd").arg(pid));
    for (const QString& fd : fds.entryList(QDir::NoDotAndDotDot | QDir::AllEntries | QDir::System)) {
        const QString target = QFile::symLinkTarget(fds.filePath(fd));
        if (target.endsWith(QLatin1String(" (deleted)")))
            deleted << target;
    }
    return deleted;
}

qint64 linesIn(const QString& book) {
    std::unique_ptr<Database> db = Database::openFile(book);
    return db->scalar(QStringLiteral("SELECT count(*) FROM tblog")).toLongLong();
}

// The program's store, opened as the desk opens it: its own connection, then one more for each
// window opened.
int storeRole(const QStringList& arguments) {
    const QString folder = arguments.value(0);
    std::unique_ptr<Database> own = location::openBook(bookIn(folder), folder);
    std::vector<std::unique_ptr<Database>> windows;
    std::unique_ptr<Database> holder;
    int number = 100;
    return testing::serveCommands([&](const QString& command) -> QString {
        try {
            if (command == QLatin1String("window")) {
                windows.push_back(location::openBook(bookIn(folder), folder));
            } else if (command == QLatin1String("line")) {
                Recorder(*own).recordLine({{QString::number(++number), Kind::h3, 10},
                                           {QString::number(number), Kind::l3, 5}},
                                          QStringLiteral("ลูกค้า"));
            } else if (command == QLatin1String("hold")) {
                holder = location::openBook(bookIn(folder), folder);
                holder->exec(QStringLiteral("BEGIN IMMEDIATE"));
                holder->exec(QStringLiteral("INSERT INTO tblog (s) VALUES ('held')"));
            } else if (command == QLatin1String("release")) {
                holder->exec(QStringLiteral("COMMIT"));
                holder.reset();
            }
            return own->scalar(QStringLiteral("SELECT count(*) FROM tblog")).toString();
        } catch (const StoreError& error) {
            return QStringLiteral("refused ") + error.message();
        }
    });
}

// The whole program started on the folder and logged in; lines typed in its entry form.
int deskRole(const QStringList& arguments) {
    const QString folder = arguments.value(0);
    Tmain main(folder + QStringLiteral("tabulox"));
    main.show();
    if (!QTest::qWaitForWindowExposed(&main))
        return 4;
    main.loggedIn();
    int number = 100;
    return testing::serveCommands([&](const QString& command) -> QString {
        if (command == QLatin1String("line")) {
            Tfminput* form = main.entryForm();
            QTest::keyClick(form->findChild<QLineEdit*>(QStringLiteral("num")), Qt::Key_F2);
            const QStringList keys{QString::number(++number), QStringLiteral("10"),
                                   QStringLiteral("5")};
            const char* const fields[] = {"num", "n1", "n2"};
            for (int i = 0; i < 3; ++i) {
                QLineEdit* edit = form->findChild<QLineEdit*>(QLatin1String(fields[i]));
                QTest::keyClicks(edit, keys[i]);
                QTest::keyClick(edit, Qt::Key_Return);
            }
        } else if (command == QLatin1String("window")) {
            main.openCustomers();
        }
        try {
            return main.own().scalar(QStringLiteral("SELECT count(*) FROM tblog")).toString();
        } catch (const StoreError& error) {
            return QStringLiteral("refused ") + error.message();
        }
    });
}

// Another program that reads the book once and closes it, as a backup tool or the sqlite3
// shell does.
int readerRole(const QStringList& arguments) {
    std::unique_ptr<Database> db = Database::openFile(arguments.value(0));
    return db->scalar(QStringLiteral("SELECT count(*) FROM tballcus")).isValid() ? 0 : 1;
}

// Another program that writes the book, waiting a moment for the engine's lock.
int writerRole(const QStringList& arguments) {
    const QString name = QStringLiteral("writer");
    int result = 0;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), name);
        db.setDatabaseName(arguments.value(0));
        db.setConnectOptions(QStringLiteral("QSQLITE_BUSY_TIMEOUT=300"));
        if (!db.open())
            return 3;
        result = testing::serveCommands([&db](const QString& command) -> QString {
            QSqlQuery query(db);
            const QString sql = command == QLatin1String("write")
                                    ? QStringLiteral("INSERT INTO tblog (s) VALUES ('other')")
                                    : QStringLiteral("SELECT count(*) FROM tblog");
            if (!query.exec(sql))
                return QStringLiteral("refused ") + query.lastError().text();
            if (query.next())
                return query.value(0).toString();
            return QStringLiteral("written");
        });
        db.close();
    }
    QSqlDatabase::removeDatabase(name);
    return result;
}

} // namespace

TABULOX_TEST_ROLE("store", storeRole)
TABULOX_TEST_ROLE("desk", deskRole)
TABULOX_TEST_ROLE("reader", readerRole)
TABULOX_TEST_ROLE("writer", writerRole)

class BookHoldTest : public testing::Test {
    Q_OBJECT
private slots:
    void linesOfTheStoreOutliveAReader();
    void linesTypedAtTheDeskOutliveAReader();
    void anotherWriterWaitsAndSeesTheWholeBook();

private:
    // Lines recorded by the child, a reader in between, more lines, then kill -9: every line
    // that was said done is in the book.
    void outliveAReader(const QString& role);
};

void BookHoldTest::outliveAReader(const QString& role) {
    QTemporaryDir dir;
    const QString folder = dir.path() + QLatin1Char('/');
    const QString book = bookIn(folder);
    testing::Child program(role, {folder});
    const qint64 before = program.ask(QStringLiteral("count")).toLongLong();
    QCOMPARE(program.ask(QStringLiteral("line")).toLongLong(), before + 1);
    QCOMPARE(program.ask(QStringLiteral("window")).toLongLong(), before + 1);
    QCOMPARE(testing::runRole(QStringLiteral("reader"), {book}), 0);
    QVERIFY2(QFileInfo::exists(book + QStringLiteral("-wal")),
             "the reader took the log away from the running program");
    QCOMPARE(program.ask(QStringLiteral("line")).toLongLong(), before + 2);
    QCOMPARE(testing::runRole(QStringLiteral("reader"), {book}), 0);
    QCOMPARE(program.ask(QStringLiteral("line")).toLongLong(), before + 3);
    QCOMPARE(deletedFilesOf(program.pid()), QStringList());
    program.kill();
    QCOMPARE(linesIn(book), before + 3);
}

void BookHoldTest::linesOfTheStoreOutliveAReader() {
    outliveAReader(QStringLiteral("store"));
}

void BookHoldTest::linesTypedAtTheDeskOutliveAReader() {
    outliveAReader(QStringLiteral("desk"));
}

void BookHoldTest::anotherWriterWaitsAndSeesTheWholeBook() {
    QTemporaryDir dir;
    const QString folder = dir.path() + QLatin1Char('/');
    const QString book = bookIn(folder);
    testing::Child program(QStringLiteral("store"), {folder});
    program.ask(QStringLiteral("window"));
    const qint64 before = program.ask(QStringLiteral("line")).toLongLong();
    QCOMPARE(testing::runRole(QStringLiteral("reader"), {book}), 0);
    // While the program writes, the other one is refused by the engine's lock.
    program.ask(QStringLiteral("hold"));
    testing::Child other(QStringLiteral("writer"), {book});
    QVERIFY(other.ask(QStringLiteral("write")).startsWith(QLatin1String("refused")));
    // Then it sees every line the program has said done, its own write among them.
    QCOMPARE(program.ask(QStringLiteral("release")).toLongLong(), before + 1);
    QCOMPARE(other.ask(QStringLiteral("count")).toLongLong(), before + 1);
    QCOMPARE(other.ask(QStringLiteral("write")), QStringLiteral("written"));
    QCOMPARE(other.finish(), 0);
    QCOMPARE(program.ask(QStringLiteral("line")).toLongLong(), before + 3);
    program.kill();
    QCOMPARE(linesIn(book), before + 3);
}

TABULOX_TEST(BookHoldTest)
#include "bookhold_test.moc"
