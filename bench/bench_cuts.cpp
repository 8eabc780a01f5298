// The cut by limit on a large book: a menu cut of all ten kinds, the immediate cut of one kind
// (h3, and the group kind h5 whose numbers within the limit keep their lines) and the undo of
// one cut. Each round starts from the same full book again.

#include "cutting/cutbylimit.h"
#include "cutting/cutlog.h"
#include "store/database.h"
#include "store/kindrow.h"

#include "benchrounds.h"

#include <cstdio>
#include <vector>

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
