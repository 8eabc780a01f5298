// The largest lines of the set and stock pages: the set of 210 numbers of seven digits and the
// 56 win pairs of eight, each expanded, recorded and followed by the form's refresh (sums,
// grid of the newest rows, hundred-number panel).

#include "entry/hundredpanel.h"
#include "entry/normalmodes.h"
#include "entry/recorder.h"
#include "store/database.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <QSqlQuery>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {
// Seven or eight different digits in a random order.
QString differentDigits(QRandomGenerator& random, int count) {
    QString digits = QStringLiteral("0123456789");
    for (int i = digits.size() - 1; i > 0; --i)
        std::swap(digits[i], digits[static_cast<int>(random.bounded(i + 1))]);
    return digits.left(count);
}
} // namespace

void setLineFigures(Database& db, int rows, const char* engine) {
    struct Case {
        NormalMode mode;
        int digits;
        int records;
        const char* name;
    };
    const Case cases[] = {{NormalMode::Set210, 7, 210, "set of 210 numbers"},
                          {NormalMode::StockF8, 8, 56, "56 win pairs      "}};
    Recorder recorder(db);
    QRandomGenerator random(13);
    for (const Case& c : cases) {
        std::vector<double> ms;
        for (int i = 0; i < 200; ++i) {
            const QString number = differentDigits(random, c.digits);
            QElapsedTimer timer;
            timer.start();
            const Expansion line = expandNormal(c.mode, number, {QStringLiteral("10"), {}, {}}, {});
            recorder.recordLine(line.records, QStringLiteral("แบบรวม"));
            const BookSums sums = readBookSums(db);
            const GridQuery grid = gridQuery(GridMode::Own, sums.lastId, 100);
            QSqlQuery shown = db.exec(grid.sql, grid.binds);
            int count = 0;
            while (shown.next())
                ++count;
            const QVector<PanelCell> panel = readHundredPanel(db, true);
            ms.push_back(timer.nsecsElapsed() / 1e6);
            if (line.records.size() != c.records || count != 100 || panel.size() != 100)
                qFatal("unexpected set line");
        }
        std::sort(ms.begin(), ms.end());
        std::printf("%-10s %8d rows: line of the %s + refresh median %.3f ms, worst %.3f ms\n",
                    engine, rows, c.name, ms[ms.size() / 2], ms.back());
    }
}
