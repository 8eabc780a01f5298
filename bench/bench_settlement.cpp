// The prize check over full kept tables, and the check of every customer's lines against a
// draw, on the large book.

#include "settlement/customercheck.h"
#include "settlement/prizecheck.h"
#include "store/database.h"

#include <QElapsedTimer>
#include <QRandomGenerator>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

void print(const char* engine, int rows, const char* what, std::vector<double> ms) {
    std::sort(ms.begin(), ms.end());
    std::printf("%-10s %8d rows: %-40s median %.1f ms, worst %.1f ms\n", engine, rows, what,
                ms[ms.size() / 2], ms.back());
}

// Every number of each kind kept, up to 100,000 of h5.
void fillKeptTables(Database& db) {
    Transaction write(db);
    QRandomGenerator random(5);
    for (Kind kind : listingOrder()) {
        const KindInfo& info = kindInfo(kind);
        const QString table = kindCode(kind) + QStringLiteral("cut");
        db.exec(QStringLiteral("DELETE FROM %1").arg(table));
        QSqlQuery insert(db.handle());
        insert.prepare(
            QStringLiteral("INSERT INTO %1 (num, %2) VALUES (?, ?)").arg(table, stakeColumn(kind)));
        int count = 1;
        for (int i = 0; i < info.digits; ++i)
            count *= 10;
        count = std::min(count, 100000);
        for (int n = 0; n < count; ++n) {
            insert.bindValue(0, QStringLiteral("%1").arg(n, info.digits, 10, QLatin1Char('0')));
            insert.bindValue(1, 1 + random.bounded(100));
            if (!insert.exec())
                qFatal("kept tables not filled");
        }
    }
    write.commit();
}

Draw drawOf(const QString& first) {
    Draw d;
    d.first = first;
    d.bottom2 = first.mid(1, 2);
    d.bottom3 = {first.left(3), first.mid(3, 3), first.mid(1, 3), first.mid(2, 3)};
    return d;
}

} // namespace

void settlementFigures(Database& db, int rows, const char* engine) {
    fillKeptTables(db);
    // Half the draws hold a repeated digit, which reads every group holding it.
    const QStringList firsts = {"123456", "000112", "987654", "556565", "240135", "707077"};
    std::array<qint64, kKindCount> percents;
    percents.fill(20);
    std::vector<double> check, byCustomer;
    qint64 total = 0;
    for (int round = 0; round < 2; ++round) {
        for (const QString& first : firsts) {
            QElapsedTimer timer;
            timer.start();
            total += prizecheck::check(db, drawOf(first), percents, 0).total;
            check.push_back(timer.nsecsElapsed() / 1e6);
        }
    }
    // 1,000 customers over the book's lines.
    {
        Transaction write(db);
        db.exec("DELETE FROM cus");
        QSqlQuery insert(db.handle());
        insert.prepare("INSERT INTO cus (id, name, h3, h1, c3hp) VALUES (?, ?, 500, 3, 25)");
        for (int i = 0; i < 1000; ++i) {
            const QString name = QStringLiteral("ลูกค้า%1").arg(i);
            insert.bindValue(0, name);
            insert.bindValue(1, name);
            if (!insert.exec())
                qFatal("customers not made");
        }
        db.exec(QStringLiteral("UPDATE tballcus SET cus = 'ลูกค้า' || CAST(id % 1000 AS TEXT)"));
        write.commit();
    }
    int winners = 0;
    for (const QString& first : firsts) {
        QElapsedTimer timer;
        timer.start();
        const auto lines = customercheck::winningLines(db, drawOf(first), 0);
        winners += customercheck::winnersOf(lines).size();
        byCustomer.push_back(timer.nsecsElapsed() / 1e6);
    }
    print(engine, rows, "prize check of the kept tables", check);
    print(engine, rows, "winning lines of 1,000 customers", byCustomer);
    std::printf("%-10s %8d rows: (profit %lld over the draws, %d winners)\n", engine, rows,
                static_cast<long long>(total), winners);
}
