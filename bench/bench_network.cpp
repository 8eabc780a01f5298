// An empty statement, a station's transfer of 10,000 rows into the book, and the server's
// handling of a station's notice (the flag, the sums, a copy of the book queued for the copier).

#include "common/backgroundcopies.h"
#include "common/backups.h"
#include "entry/recorder.h"
#include "entry/transfer.h"
#include "store/location.h"

#include <QElapsedTimer>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

void print(const char* engine, int rows, const char* what, std::vector<double> ms) {
    std::sort(ms.begin(), ms.end());
    std::printf("%-10s %8d rows: %-30s median %.3f ms, worst %.1f ms\n", engine, rows, what,
                ms[ms.size() / 2], ms.back());
}

// A station's own book holding n rows, as its clerks typed them.
std::unique_ptr<Database> stationWith(const QString& folder, int n) {
    std::unique_ptr<Database> station =
        location::openBook(location::ownDatabasePath(folder), folder);
    Recorder recorder(*station);
    BetRecords line;
    for (int i = 0; i < n; ++i) {
        const QString number = QStringLiteral("%1").arg(i % 1000, 3, 10, QLatin1Char('0'));
        line.push_back(i % 2 ? BetRecord{number, Kind::t3, 5} : BetRecord{number, Kind::h3, 10});
        if (line.size() == 200) {
            recorder.recordLine(line, QStringLiteral("สถานี"));
            line.clear();
        }
    }
    if (!line.isEmpty())
        recorder.recordLine(line, QStringLiteral("สถานี"));
    return station;
}

} // namespace

void networkFigures(Database& db, int rows, const char* engine) {
    // What one statement costs with nothing to do: the floor under every figure.
    std::vector<double> trips;
    for (int i = 0; i < 2000; ++i) {
        QElapsedTimer timer;
        timer.start();
        db.scalar(QStringLiteral("SELECT 1"));
        trips.push_back(timer.nsecsElapsed() / 1e6);
    }
    print(engine, rows, "one empty statement", trips);

    std::vector<double> sent;
    for (int round = 0; round < 3; ++round) {
        QTemporaryDir dir;
        const QString folder = location::withSlash(dir.path());
        std::unique_ptr<Database> station = stationWith(folder, 10000);
        transfer::Options options;
        options.computerName = QStringLiteral("BENCH%1").arg(round);
        options.readBack = true;
        QElapsedTimer timer;
        timer.start();
        const transfer::Result result = transfer::send(*station, db, options);
        sent.push_back(timer.nsecsElapsed() / 1e6);
        if (result.rows != 10000)
            qFatal("transfer incomplete");
    }
    print(engine, rows, "transfer of 10000 rows", sent);

    // The copy goes to the copier: the window waits only for the flag, the sums and the queue.
    QTemporaryDir dir;
    const QString folder = location::withSlash(dir.path());
    std::unique_ptr<Database> own = location::openBook(location::ownDatabasePath(folder), folder);
    BackgroundCopies copier;
    std::vector<double> notice;
    for (int round = 0; round < 5; ++round) {
        db.exec(QStringLiteral("UPDATE backc SET back4 = '1'"));
        QElapsedTimer timer;
        timer.start();
        if (!transfer::takeNotice(db))
            qFatal("no notice");
        readBookSums(db);
        Backups(*own, folder, db.path()).requestNumberedCopy(QStringLiteral("L"), copier);
        notice.push_back(timer.nsecsElapsed() / 1e6);
        copier.waitForDone();
    }
    print(engine, rows, "server's notice handling", notice);
}
