// The spreading on a large book: the h1 digits over h3 (2,710 lines), every tod number over h3,
// the regrouping of the tod lines, and the reading of the top-numbers board. Each round that
// writes starts from the same full book again.

#include "reports/topnumbers.h"
#include "spreading/conversions.h"
#include "spreading/todgrouping.h"
#include "store/database.h"

#include "benchrounds.h"

#include <cstdio>
#include <vector>

// Called by the book benchmark on its book of `rows` rows.
void spreadingFigures(Database& db, const QString& folder, int rows, const char* engine) {
    const int count = db.engine() == Engine::postgres ? 3 : 5;
    std::vector<double> board;
    for (int i = 0; i < 4 * count; ++i)
        board.push_back(timed([&] { topnumbers::read(db, true); }));

    Rounds rounds(db, folder);
    std::vector<double> runs, tods, regroup;
    int todNumbers = 0;
    for (int i = 0; i < count; ++i) {
        Database& book = rounds.fresh();
        spread::Result run;
        runs.push_back(
            timed([&] { run = spread::convert(book, spread::Conversion::runToTop, {}); }));
        if (run.lines != 2710)
            qFatal("the h1 digits gave %d lines", run.lines);
        spread::Options margin;
        margin.margin = 20;
        spread::Result tod;
        tods.push_back(
            timed([&] { tod = spread::convert(book, spread::Conversion::todToTop, margin); }));
        if (tod.spread != tod.numbers || tod.numbers == 0)
            qFatal("a tod number was left");
        todNumbers = tod.numbers;
    }
    for (int i = 0; i < count; ++i) {
        Database& book = rounds.fresh();
        regroup.push_back(timed([&] { spread::regroupTod(book); }));
    }
    print(engine, rows, "spreading h1 to h3 (2,710 lines)", runs);
    std::printf("%-10s %8d rows: (the tod spreading took %d numbers)\n", engine, rows, todNumbers);
    print(engine, rows, "spreading t3 to h3, every number", tods);
    print(engine, rows, "regrouping of the tod lines", regroup);
    print(engine, rows, "top-numbers board, five lists", board);
}
