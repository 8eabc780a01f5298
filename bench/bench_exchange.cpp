// Bets in and out in bulk: a sheet of 10,000 rows imported, the 100,000-number h5 sent list
// written as a workbook and as an exchange file, and a whole book merged into another.

#include "common/workbook.h"
#include "exchange/bookmerge.h"
#include "exchange/exports.h"
#include "exchange/sentfile.h"
#include "exchange/sheetimport.h"
#include "exchange/sourcebook.h"
#include "store/database.h"
#include "store/location.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <vector>

namespace {
void print(const char* engine, int rows, const char* name, std::vector<double> ms) {
    std::sort(ms.begin(), ms.end());
    std::printf("%-10s %8d rows: %-32s median %.0f ms, worst %.0f ms\n", engine, rows, name,
                ms[ms.size() / 2], ms.back());
}

// A sheet of 10,000 bets of every length, written as a customer's workbook.
QString writeSheet(const QString& folder) {
    workbook::Book book(QStringLiteral("bets"));
    workbook::Sheet& sheet = book.addSheet(QStringLiteral("Sheet1"));
    const char* headings[] = {"num", "h", "t", "l"};
    for (int c = 0; c < 4; ++c)
        sheet.writeText(1, c + 1, QLatin1String(headings[c]));
    for (int i = 0; i < 10000; ++i) {
        const int digits = 1 + i % 5;
        const QString num =
            QStringLiteral("%1").arg(i % int(std::pow(10, digits)), digits, 10, QLatin1Char('0'));
        sheet.setTextFormat(i + 2, 1);
        sheet.writeText(i + 2, 1, num);
        sheet.writeNumber(i + 2, 2, 10 + i % 50);
        sheet.writeNumber(i + 2, 3, i % 3 == 0 ? 0 : 5);
        sheet.writeNumber(i + 2, 4, 20);
    }
    const QString path = folder + QStringLiteral("/bets.xlsx");
    QFile::remove(path);
    QString error;
    if (!book.save(path, &error))
        qFatal("no sheet: %s", qPrintable(error));
    return path;
}
} // namespace

void exchangeFigures(Database& db, const QString& folder, int rows, const char* engine) {
    const QString sheet = writeSheet(folder);
    std::vector<double> imports;
    for (int i = 0; i < 5; ++i) {
        QElapsedTimer timer;
        timer.start();
        const sheetimport::Result result =
            sheetimport::import(db, sheetfile::read(sheet), QStringLiteral("แผ่นงาน"), true);
        imports.push_back(timer.nsecsElapsed() / 1e6);
        if (result.rows != 10000)
            qFatal("sheet rows missing");
    }
    print(engine, rows, "sheet import of 10,000 rows", imports);

    {
        Transaction transaction(db);
        db.exec(QStringLiteral("DELETE FROM h5sent"));
        QStringList values;
        for (int n = 0; n < 100000; ++n) {
            values
                << QStringLiteral("('%1', %2, 5)").arg(n, 5, 10, QLatin1Char('0')).arg(1 + n % 90);
            if (values.size() == 1000) {
                db.exec(QStringLiteral("INSERT INTO h5sent (num, h, rep) VALUES ") +
                        values.join(QLatin1Char(',')));
                values.clear();
            }
        }
        transaction.commit();
    }
    std::vector<double> workbooks, files;
    for (int i = 0; i < 3; ++i) {
        QElapsedTimer timer;
        timer.start();
        const workbook::Book book = exports::kindBook(db, exports::Source::sent, Kind::h5, 0);
        const QString path = folder + QStringLiteral("/sent%1.xlsx").arg(i);
        QString error;
        if (!book.save(path, &error))
            qFatal("no workbook: %s", qPrintable(error));
        workbooks.push_back(timer.nsecsElapsed() / 1e6);
        timer.restart();
        if (sentfile::write(db, folder + QStringLiteral("/export.mdb"), Kind::h5) != 100000)
            qFatal("sent rows missing");
        files.push_back(timer.nsecsElapsed() / 1e6);
    }
    print(engine, rows, "h5 sent list of 100,000 as xlsx", workbooks);
    print(engine, rows, "h5 sent list of 100,000 as file", files);

    // The whole book merged into an empty one (the own book is always a file).
    if (db.engine() != Engine::sqlite)
        return;
    const QString source = folder + QStringLiteral("/other.mde");
    QFile::remove(source);
    if (!db.snapshotTo(source).written())
        qFatal("no copy to merge");
    std::vector<double> merges;
    qint64 merged = 0;
    for (int i = 0; i < 3; ++i) {
        const QString target = folder + QStringLiteral("/merge%1/").arg(i);
        QDir().mkpath(target + QStringLiteral("db"));
        std::unique_ptr<Database> book =
            location::openBook(target + QStringLiteral("db/tabulox.mde"), target);
        QElapsedTimer timer;
        timer.start();
        std::unique_ptr<SourceBook> file = SourceBook::open(source);
        merged = bookmerge::merge(*book, *file, false).rows;
        merges.push_back(timer.nsecsElapsed() / 1e6);
    }
    std::printf("%-10s %8d rows: merged %lld rows\n", engine, rows, static_cast<long long>(merged));
    print(engine, rows, "merge of the whole book", merges);
}
