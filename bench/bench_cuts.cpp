// The cut by limit on a large book: a menu cut of all ten kinds, the immediate cut of one kind
// (h3, and the group kind h5 whose numbers within the limit keep their lines) and the undo of
// one cut. Each round starts from the same full book again.

#include "cutting/cutbylimit.h"
#include "cutting/cutlog.h"
#include "store/database.h"
#include "store/kindrow.h"

#include <QElapsedTimer>
#include <QFile>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>
#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

namespace {

// Limits that send a good part of every kind of the benchmark's book (10% of its rows each,
// stakes 1..100).
void benchLimits(Database& db) {
    const int limits[kKindCount] = {3000, 3000, 3000, 30000, 30000, 30000, 300000, 300000, 250, 60};
    for (Kind kind : columnOrder())
        kindrow::write(db, QStringLiteral("change2"), static_cast<int>(kind),
                       QString::number(limits[static_cast<int>(kind)]));
    db.exec(QStringLiteral("DELETE FROM numlimit"));
    for (int i = 0; i < 100; ++i)
        db.exec(QStringLiteral("INSERT INTO numlimit (num, h, codeins) VALUES (?, ?, 'h3')"),
                {QStringLiteral("%1").arg(i * 7, 3, 10, QLatin1Char('0')), i % 3 ? 0.0 : 9000.0});
}

void print(const char* engine, int rows, const char* what, std::vector<double> ms) {
    std::sort(ms.begin(), ms.end());
    std::printf("%-10s %8d rows: %-34s median %.0f ms, worst %.0f ms\n", engine, rows, what,
                ms[ms.size() / 2], ms.back());
}

double timed(const std::function<void()>& work) {
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
        if (!saved_.isEmpty())
            QFile::remove(saved_);
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

// Called by the book benchmark on its book of `rows` rows.
void cutFigures(Database& db, const QString& folder, int rows, const char* engine) {
    benchLimits(db);
    Rounds rounds(db, folder);
    const int count = db.engine() == Engine::postgres ? 3 : 5;
    std::vector<double> menu, undo, immediate, group;
    int sentRows = 0;
    for (int i = 0; i < count; ++i) {
        Database& book = rounds.fresh();
        cut::MenuCutResult result;
        menu.push_back(timed([&] { result = cut::menuCut(book); }));
        sentRows = 0;
        for (const cut::MenuStep& step : result.steps)
            sentRows += step.outcome.sentRows;
        int lines = 0;
        undo.push_back(timed([&] { lines = cutlog::takeBack(book, result.number); }));
        if (lines != sentRows || sentRows == 0)
            qFatal("the undo did not bring the cut back");
    }
    for (int i = 0; i < count; ++i) {
        Database& book = rounds.fresh();
        immediate.push_back(timed([&] { cut::immediateCut(book, Kind::h3); }));
        group.push_back(timed([&] { cut::immediateCut(book, Kind::h5); }));
    }
    print(engine, rows, "menu cut of all ten kinds", menu);
    std::printf("%-10s %8d rows: (the menu cut sent %d numbers)\n", engine, rows, sentRows);
    print(engine, rows, "undo of that cut", undo);
    print(engine, rows, "immediate cut of h3", immediate);
    print(engine, rows, "immediate cut of h5 (over-limit only)", group);
}
