// Recording a bet line on a large book, with what the entry form re-reads after it.
// Usage: bench_book [rows ...]   (default: 100000 1000000)

#include "entry/checks.h"
#include "entry/recorder.h"
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
        const QVariantList values = {randomNumber(random, info.digits),
                                     info.stakeColumn == 'h' ? stake : 0.0,
                                     info.stakeColumn == 't' ? stake : 0.0,
                                     info.stakeColumn == 'l' ? stake : 0.0,
                                     QStringLiteral("ลูกค้า%1").arg(i % 40), kindCode(kind)};
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
    // A copy of the book (the AutoTime and close copies), which blocks the window while it runs.
    QElapsedTimer copy;
    copy.start();
    Backups(*db, folder).closeCopy();
    std::printf("%8d rows: consistent copy of the book %.0f ms\n", rows, copy.nsecsElapsed() / 1e6);
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
