// Recording a bet line on a large book, with what the entry form re-reads after it.
// Usage: bench_book [rows ...]   (default: 100000 1000000)

#include "entry/checks.h"
#include "entry/recorder.h"
#include "maintenance/backgroundcopies.h"
#include "maintenance/backups.h"
#include "store/database.h"
#include "store/kindrow.h"
#include "store/location.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {
QString randomNumber(QRandomGenerator& random, int digits) {
    QString number;
    for (int i = 0; i < digits; ++i)
        number += QChar(u'0' + random.bounded(10));
    return number;
}

void fillBook(Database& db, int rows) {
    QRandomGenerator random(7);
    Transaction transaction(db);
    QSqlQuery insert(db.handle());
    insert.prepare("INSERT INTO tball (num,h,t,l,cus,codeins) VALUES (?,?,?,?,?,?)");
    QSqlQuery copy(db.handle());
    copy.prepare("INSERT INTO tballcus (num,h,t,l,cus,codeins) VALUES (?,?,?,?,?,?)");
    for (int i = 0; i < rows; ++i) {
        const Kind kind = columnOrder()[static_cast<size_t>(i % kKindCount)];
        const KindInfo& info = kindInfo(kind);
        const double stake = 1 + random.bounded(100);
        const QVariantList values = {
            randomNumber(random, info.digits),     info.stakeColumn == 'h' ? stake : 0.0,
            info.stakeColumn == 't' ? stake : 0.0, info.stakeColumn == 'l' ? stake : 0.0,
            QStringLiteral("ลูกค้า%1").arg(i % 40),  kindCode(kind)};
        for (QSqlQuery* query : {&insert, &copy}) {
            for (int v = 0; v < values.size(); ++v)
                query->bindValue(v, values[v]);
            if (!query->exec())
                qFatal("fill failed");
        }
    }
    transaction.commit();
}

struct Figures {
    double median;
    double worst;
};

Figures summarize(std::vector<double> ms) {
    std::sort(ms.begin(), ms.end());
    return {ms[ms.size() / 2], ms.back()};
}

void recordRandomLine(Recorder& recorder, Database& db, QRandomGenerator& random) {
    const QString number = randomNumber(random, 3);
    recorder.recordLine({{number, Kind::h3, 10}, {number, Kind::t3, 5}}, QStringLiteral("แบบรวม"));
    readBookSums(db);
}

// Copies of the book: the check of its pages, a copy written on the caller's thread (before an
// operation, at close), and the timed copy asked for by the window and written by the copier
// while lines go on being recorded.
void copies(Database& db, const QString& folder, int rows) {
    Backups backups(db, folder);
    std::vector<double> check, direct;
    for (int i = 0; i < 3; ++i) {
        QElapsedTimer timer;
        timer.start();
        if (!db.pageDamage().isEmpty())
            qFatal("damaged book");
        check.push_back(timer.nsecsElapsed() / 1e6);
        timer.restart();
        if (!backups.closeCopy().written())
            qFatal("close copy failed");
        direct.push_back(timer.nsecsElapsed() / 1e6);
    }
    const Figures a = summarize(check);
    const Figures b = summarize(direct);
    std::printf("%8d rows: check of every page      median %.0f ms, worst %.0f ms\n", rows,
                a.median, a.worst);
    std::printf("%8d rows: copy on caller's thread  median %.0f ms, worst %.0f ms\n", rows,
                b.median, b.worst);

    BackgroundCopies copier;
    Recorder recorder(db);
    QRandomGenerator random(13);
    std::vector<double> request, offThread, during;
    int written = 0;
    QObject::connect(&copier, &BackgroundCopies::finished,
                     [&](const CopyResult& result) { written += result.written() ? 1 : 0; });
    const qint64 before = db.scalar(QStringLiteral("SELECT count(*) FROM tball")).toLongLong();
    for (int i = 0; i < 5; ++i) {
        int ticks = 29;
        QElapsedTimer timer;
        timer.start();
        if (backups.autoTimeTick(ticks, copier).isEmpty())
            qFatal("no timed copy");
        request.push_back(timer.nsecsElapsed() / 1e6);
        while (!copier.idle()) {
            QElapsedTimer line;
            line.start();
            recordRandomLine(recorder, db, random);
            during.push_back(line.nsecsElapsed() / 1e6);
        }
        offThread.push_back(timer.nsecsElapsed() / 1e6);
        copier.waitForDone();
    }
    const qint64 after = db.scalar(QStringLiteral("SELECT count(*) FROM tball")).toLongLong();
    if (written != 5 || during.empty() || after != before + 2 * static_cast<qint64>(during.size()))
        qFatal("a line or a copy went missing");
    const Figures c = summarize(request);
    const Figures d = summarize(offThread);
    const Figures e = summarize(during);
    std::printf("%8d rows: timed copy, caller blocked median %.3f ms, worst %.3f ms\n", rows,
                c.median, c.worst);
    std::printf("%8d rows: timed copy, off-thread   median %.0f ms, worst %.0f ms\n", rows,
                d.median, d.worst);
    std::printf("%8d rows, %zu lines: record + sums during a copy median %.3f ms, worst %.3f ms\n",
                rows, during.size(), e.median, e.worst);
}

void run(int rows, int lines) {
    QTemporaryDir dir;
    const QString folder = location::withSlash(dir.path());
    std::unique_ptr<Database> db = location::openBook(location::ownDatabasePath(folder), folder);
    QElapsedTimer fill;
    fill.start();
    fillBook(*db, rows);
    std::printf("book of %d rows built in %.1f s\n", rows, fill.elapsed() / 1000.0);

    Recorder recorder(*db);
    QRandomGenerator random(11);
    std::vector<double> record, refresh;
    qint64 lastId = readBookSums(*db).lastId;
    for (int i = 0; i < lines; ++i) {
        const QString number = randomNumber(random, 3);
        const BetRecords line = {{number, Kind::h3, 10}, {number, Kind::t3, 5}};
        QElapsedTimer timer;
        timer.start();
        recorder.recordLine(line, QStringLiteral("แบบรวม"));
        const BookSums sums = readBookSums(*db);
        record.push_back(timer.nsecsElapsed() / 1e6);
        // The grid of the newest 100 rows, as the form shows it.
        const GridQuery grid = gridQuery(GridMode::Own, sums.lastId, 100);
        QSqlQuery rowsShown = db->exec(grid.sql, grid.binds);
        int shown = 0;
        while (rowsShown.next())
            ++shown;
        refresh.push_back(timer.nsecsElapsed() / 1e6);
        if (sums.lastId != lastId + 2 || shown != 100)
            qFatal("unexpected book state");
        lastId = sums.lastId;
    }
    const Figures a = summarize(record);
    const Figures b = summarize(refresh);
    std::printf("%8d rows, %d lines: record + sums   median %.3f ms, worst %.3f ms\n", rows, lines,
                a.median, a.worst);
    std::printf("%8d rows, %d lines: whole refresh   median %.3f ms, worst %.3f ms\n", rows, lines,
                b.median, b.worst);
    // The entry form's over-limit marks, also asked for when the kind limits change.
    std::vector<double> tick;
    for (int i = 0; i < 200; ++i) {
        QElapsedTimer timer;
        timer.start();
        const QStringList limits = kindrow::read(*db, QStringLiteral("change2"));
        const std::array<bool, kKindCount> over = kindsOverLimit(*db);
        tick.push_back(timer.nsecsElapsed() / 1e6);
        if (limits.size() != kKindCount || over.size() != kKindCount)
            qFatal("unexpected limits");
    }
    const Figures c = summarize(tick);
    std::printf("%8d rows: over-limit marks        median %.3f ms, worst %.3f ms\n", rows, c.median,
                c.worst);
    copies(*db, folder, rows);
}
} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    std::vector<int> sizes;
    for (int i = 1; i < argc; ++i)
        sizes.push_back(QString::fromLocal8Bit(argv[i]).toInt());
    if (sizes.empty())
        sizes = {100000, 1000000};
    for (int rows : sizes)
        run(rows, 2000);
    return 0;
}
