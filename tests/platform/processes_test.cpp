#include "platform/gui/linuxplatform.h"
#include "platform/processes.h"
#include "support/testmain.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>

#include <algorithm>
#include <memory>
#include <vector>

namespace {
// A process of a made-up process table: its folder with a status file and an exe link.
void addProcess(const QString& root, const QString& pid, const QString& exe, int uid) {
    const QString folder = root + "/" + pid;
    QVERIFY(QDir().mkpath(folder));
    if (uid >= 0) {
        QFile status(folder + "/status");
        QVERIFY(status.open(QIODevice::WriteOnly));
        status.write(
            QStringLiteral("Name:\ttabulox\nUmask:\t0022\nUid:\t%1\t%1\t%1\t%1\nGid:\t0\t0\t0\t0\n")
                .arg(uid)
                .toLatin1());
    }
    if (!exe.isEmpty())
        QVERIFY(QFile::link(exe, folder + "/exe"));
}

void makeFile(const QString& path) {
    QVERIFY(QDir().mkpath(QFileInfo(path).absolutePath()));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
}

QList<qint64> sorted(QList<qint64> ids) {
    std::sort(ids.begin(), ids.end());
    return ids;
}
} // namespace

class ProcessesTest : public testing::Test {
    Q_OBJECT
private slots:
    void onlyTheSameUsersCopiesOfTheSameFile();
    void unreadableTable();
    void runningCopiesOnThisComputer();
};

void ProcessesTest::onlyTheSameUsersCopiesOfTheSameFile() {
    QTemporaryDir dir;
    const QString desk = dir.path() + "/desk1/tabulox";
    const QString otherDesk = dir.path() + "/desk2/tabulox";
    makeFile(desk);
    makeFile(otherDesk);
    QVERIFY(QFile::link(dir.path() + "/desk1", dir.path() + "/shortcut"));
    const QString proc = dir.path() + "/proc";
    addProcess(proc, "100", desk, 1000);
    addProcess(proc, "101", desk, 1001);                    // another user's copy
    addProcess(proc, "102", otherDesk, 1000);               // same name, other folder
    addProcess(proc, "103", desk + " (deleted)", 1000);     // started before an update
    addProcess(proc, "104", QString(), 1000);               // no executable to read
    addProcess(proc, "105", desk, -1);                      // no status: user unknown
    addProcess(proc, "106", dir.path() + "/tabulox", 1000); // a file of the same name
    addProcess(proc, "net", desk, 1000);                    // not a process
    QVERIFY(QFile::link(proc + "/100", proc + "/self"));

    bool ok = false;
    const QList<qint64> copies{100, 103};
    QCOMPARE(sorted(processes::sameProgram(proc, desk, 1000, &ok)), copies);
    QVERIFY(ok);
    // The path the program was started by, through a link or after its own file was replaced.
    QCOMPARE(sorted(processes::sameProgram(proc, dir.path() + "/shortcut/tabulox", 1000, &ok)),
             copies);
    QCOMPARE(sorted(processes::sameProgram(proc, desk + " (deleted)", 1000, &ok)), copies);
    QCOMPARE(processes::sameProgram(proc, dir.path() + "/desk1/../desk1/tabulox", 1000, &ok),
             copies);
    QCOMPARE(processes::sameProgram(proc, otherDesk, 1000, &ok), QList<qint64>{102});
    QCOMPARE(processes::sameProgram(proc, desk, 1001, &ok), QList<qint64>{101});
    QCOMPARE(processes::sameProgram(proc, desk, 1002, &ok), QList<qint64>{});
    QVERIFY(ok);
    QVERIFY(processes::sameProgram(proc, QString(), 1000, &ok).isEmpty());
}

void ProcessesTest::unreadableTable() {
    QTemporaryDir dir;
    bool ok = true;
    QVERIFY(processes::sameProgram(dir.path() + "/missing", "/bin/sh", 0, &ok).isEmpty());
    QVERIFY(!ok);
    ok = true;
    QVERIFY(processes::ofUser(dir.path(), 0, &ok).isEmpty());
    QVERIFY(!ok);
}

void ProcessesTest::runningCopiesOnThisComputer() {
    const QString sleep = QStandardPaths::findExecutable("sleep");
    if (sleep.isEmpty())
        QSKIP("no sleep program to start copies of");
    QTemporaryDir dir;
    const QString desk = dir.path() + "/desk1/sleeper";
    const QString otherDesk = dir.path() + "/desk2/sleeper";
    QVERIFY(QDir().mkpath(dir.path() + "/desk1") && QDir().mkpath(dir.path() + "/desk2"));
    QVERIFY(QFile::copy(sleep, desk) && QFile::copy(sleep, otherDesk));

    std::vector<std::unique_ptr<QProcess>> running;
    for (const QString& program : {desk, desk, otherDesk}) {
        running.push_back(std::make_unique<QProcess>());
        running.back()->start(program, {"30"});
        QVERIFY(running.back()->waitForStarted());
    }
    LinuxPlatform platform;
    bool ok = false;
    QCOMPARE(platform.sameProgramCount(desk, &ok), 2);
    QVERIFY(ok);
    QCOMPARE(platform.sameProgramCount(otherDesk, &ok), 1);
    QCOMPARE(platform.sameProgramCount(QCoreApplication::applicationFilePath(), &ok), 1);

    // The file replaced under the running copies (an update): they still count.
    QVERIFY(QFile::remove(desk));
    QVERIFY(QFile::copy(sleep, desk));
    QCOMPARE(platform.sameProgramCount(desk, &ok), 2);

    for (auto& process : running) {
        process->kill();
        process->waitForFinished();
    }
    QCOMPARE(platform.sameProgramCount(desk, &ok), 0);
}

TABULOX_TEST(ProcessesTest)
#include "processes_test.moc"
