#pragma once

// What the benchmarks of bulk work share: a full book again for every round, the clock, and
// the figures as medians and worst cases.

#include "store/database.h"

#include <QElapsedTimer>
#include <QFile>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <memory>
#include <vector>
#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

inline void print(const char* engine, int rows, const char* what, std::vector<double> ms) {
    std::sort(ms.begin(), ms.end());
    std::printf("%-10s %8d rows: %-34s median %.0f ms, worst %.0f ms\n", engine, rows, what,
                ms[ms.size() / 2], ms.back());
}

inline double timed(const std::function<void()>& work) {
    QElapsedTimer timer;
    timer.start();
    work();
    return timer.nsecsElapsed() / 1e6;
}

// The full book again for every round: a copy of its file, or on a server its saved tables.
class Rounds {
public:
    Rounds(Database& db, const QString& folder) : db_(db), folder_(folder) {
        if (db.engine() == Engine::sqlite) {
            saved_ = folder + QStringLiteral("cutbench.mde");
            QFile::remove(saved_);
            if (!db.snapshotTo(saved_).written())
                qFatal("no copy of the book");
            return;
        }
        for (const char* table : {"tball", "tbtotals", "tbkind", "backc"})
            db.exec(QStringLiteral("CREATE TABLE cutbench_%1 AS SELECT * FROM %1")
                        .arg(QLatin1String(table)));
    }
    ~Rounds() {
        if (!saved_.isEmpty()) {
            QFile::remove(saved_);
            return;
        }
        // The server's book is left as it was for the figures after these.
        fresh();
        for (const char* table : {"tball", "tbtotals", "tbkind", "backc"})
            db_.exec(QStringLiteral("DROP TABLE cutbench_%1").arg(QLatin1String(table)));
    }
    // The book of the next round.
    Database& fresh() {
        if (!saved_.isEmpty()) {
            round_.reset();
            const QString file = folder_ + QStringLiteral("cutround.mde");
            for (const char* suffix : {"", "-wal", "-shm"})
                QFile::remove(file + QLatin1String(suffix));
            if (!QFile::copy(saved_, file))
                qFatal("no round copy");
#ifdef Q_OS_UNIX
            // The copy is on the disk before the clock starts, not written out during the cut.
            ::sync();
#endif
            round_ = Database::openFile(file);
            return *round_;
        }
        Transaction transaction(db_);
        db_.exec(QStringLiteral("ALTER TABLE tball DISABLE TRIGGER tball_sums"));
        for (const char* table : {"tball", "tbtotals", "tbkind", "backc"}) {
            db_.exec(QStringLiteral("DELETE FROM %1").arg(QLatin1String(table)));
            db_.exec(QStringLiteral("INSERT INTO %1 SELECT * FROM cutbench_%1")
                         .arg(QLatin1String(table)));
        }
        db_.exec(QStringLiteral("DELETE FROM sentall"));
        db_.exec(QStringLiteral("ALTER TABLE tball ENABLE TRIGGER tball_sums"));
        transaction.commit();
        db_.exec(QStringLiteral("VACUUM ANALYZE tball"));
        return db_;
    }

private:
    Database& db_;
    QString folder_;
    QString saved_;
    std::unique_ptr<Database> round_;
};

} // namespace
