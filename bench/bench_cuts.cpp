// The cut by limit on a large book: a menu cut of all ten kinds, the immediate cut of one kind
// (h3, and the group kind h5 whose numbers within the limit keep their lines) and the undo of
// one cut. Each round starts from the same full book again. Then the cuts of the analysis
// windows: the immediate cut of h3 and of h5 after a hundred numbers went over since the last
// one, a trial cut of every number of h5, and a deduct-out cut of a kind with its restore.

#include "cutting/analysis.h"
#include "cutting/cutbylimit.h"
#include "cutting/cutlog.h"
#include "cutting/deductout.h"
#include "cutting/kindcut.h"
#include "store/database.h"
#include "store/kindrow.h"

#include "benchrounds.h"

#include <QSqlQuery>
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

namespace {

// An immediate cut of the kind after 100 of its numbers kept at the limit went over it again,
// round after round, each with one more line.
std::vector<double> overAgain(Database& book, Kind kind, int rounds) {
    const QString column = stakeColumn(kind);
    const qint64 limit = cut::wholeRow(book, QStringLiteral("change2"))[static_cast<size_t>(kind)];
    cut::immediateCut(book, kind);
    std::vector<double> ms;
    for (int i = 0; i < rounds; ++i) {
        QSqlQuery at = book.exec(QStringLiteral("SELECT num FROM %1 WHERE %2 = ? ORDER BY num "
                                                "LIMIT 100 OFFSET ?")
                                     .arg(cut::totalsView(kind), column),
                                 {limit, (i % 8) * 100});
        QStringList rows;
        QVariantList binds;
        while (at.next()) {
            rows << QStringLiteral("(?, 7, ?, 'ลูกค้า')");
            binds << at.value(0) << kindCode(kind);
        }
        at.finish();
        if (rows.size() != 100)
            qFatal("too few numbers at the limit");
        book.exec(QStringLiteral("INSERT INTO tball (num, %1, codeins, cus) VALUES ").arg(column) +
                      rows.join(QLatin1Char(',')),
                  binds);
        ms.push_back(timed([&] { cut::immediateCut(book, kind); }));
        if (book.scalar(QStringLiteral("SELECT count(*) FROM ") + cut::sentTable(kind)).toInt() !=
            100)
            qFatal("the immediate cut did not find the hundred numbers");
    }
    return ms;
}

// A trial cut of every number of h5, on a book whose h5 holds them all.
std::vector<double> trialOfEveryGroupNumber(Database& book) {
    book.exec(QStringLiteral("DELETE FROM tball WHERE codeins = 'h5'"));
    const QString number = book.engine() == Engine::postgres
                               ? QStringLiteral("lpad(CAST(i AS text), 5, '0')")
                               : QStringLiteral("substr('0000' || i, -5)");
    book.exec(QStringLiteral("WITH RECURSIVE n(i) AS (SELECT 0 UNION ALL SELECT i + 1 FROM n WHERE "
                             "i < 99999) INSERT INTO tball (num, h, codeins, cus) SELECT %1, 1 + "
                             "i % 97, 'h5', 'ลูกค้า' FROM n")
                  .arg(number));
    std::vector<double> ms;
    for (int i = 0; i < (book.engine() == Engine::postgres ? 3 : 7); ++i) {
        analysis::TrialCut job;
        job.kind = Kind::h5;
        job.keep = 40 + i;
        ms.push_back(timed([&] { analysis::trialCut(book, job); }));
    }
    if (book.scalar(QStringLiteral("SELECT count(*) FROM h5cut")).toInt() != 100000)
        qFatal("the trial cut did not keep every number");
    return ms;
}

} // namespace

// Called by the book benchmark on its book of `rows` rows.
void analysisFigures(Database& db, const QString& folder, int rows, const char* engine) {
    benchLimits(db);
    Rounds rounds(db, folder);
    const int count = db.engine() == Engine::postgres ? 3 : 5;
    std::vector<double> deduct, restore;
    const std::vector<double> again = overAgain(rounds.fresh(), Kind::h3, 3 * count);
    const std::vector<double> groupAgain = overAgain(rounds.fresh(), Kind::h5, 3 * count);
    for (int i = 0; i < count; ++i) {
        Database& book = rounds.fresh();
        deductout::Cut job;
        job.kind = Kind::h3;
        job.value = 2000;
        deductout::Done done;
        deduct.push_back(timed([&] { done = deductout::cutKind(book, job); }));
        int lines = 0;
        restore.push_back(
            timed([&] { lines = deductout::restore(book, Kind::h3, done.number, 0); }));
        if (lines != done.outcome.sentRows || lines == 0)
            qFatal("the restore did not bring the cut back");
    }
    print(engine, rows, "immediate cut of h3, 100 numbers over again", again);
    print(engine, rows, "immediate cut of h5, 100 numbers over again", groupAgain);
    print(engine, rows, "deduct-out cut of h3", deduct);
    print(engine, rows, "restore of that cut", restore);
    print(engine, 100000, "trial cut of h5, every number", trialOfEveryGroupNumber(rounds.fresh()));
    rounds.fresh();
}
