// The end of a draw on a large book: the start-over with its archive, the consolidation, a
// deletion by customer, the delete dialog's deletion of one line, and the archived draw opened
// with its first totals view. The first two start each round from the same full book.

#include "entry/recorder.h"
#include "maintenance/archive.h"
#include "maintenance/consolidation.h"
#include "maintenance/deletion.h"
#include "maintenance/startover.h"
#include "printing/reportpainter.h"
#include "reports/gui/totalsreport.h"
#include "reports/totalsviews.h"
#include "common/settings.h"
#include "store/database.h"

#include "benchrounds.h"

#include <QDir>
#include <QElapsedTimer>
#include <QImage>
#include <QPainter>
#include <QThread>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

// The archived draw opened and its h3 view read, laid out and its first page drawn, as the
// past draws' window shows it.
void openArchived(const QString& file) {
    std::unique_ptr<Database> draw = archive::open(file);
    archive::readSummary(*draw);
    totals::Request request;
    request.view = totals::view(QStringLiteral("Tshowh3"));
    request.namingMode = SettingsRecord(*draw).kindNamingMode();
    request.redWarning = SettingsRecord(*draw).redWarning();
    const printing::ReportPainter painter(totals::report(totals::read(*draw, request)));
    QImage image(painter.geometry().page.toSize(), QImage::Format_RGB32);
    QPainter p(&image);
    painter.paintPage(p, 0);
}

} // namespace

// Called by the book benchmark on its book of `rows` rows (an SQLite book: the rounds copy its
// file).
void drawFigures(Database& db, const QString& folder, int rows, const char* engine) {
    if (db.engine() != Engine::sqlite) {
        std::printf("%-10s %8d rows: the draw's figures run on the SQLite book\n", engine, rows);
        return;
    }
    Rounds rounds(db, folder);
    const QString archives = folder + QStringLiteral("archive/");
    std::vector<double> startOver, consolidate, opened;
    QString kept;
    for (int i = 0; i < 3; ++i) {
        rounds.fresh();
        startover::Options options;
        options.archiveFolder = archives;
        options.now = QDateTime::currentDateTime().addSecs(i);
        startover::Outcome outcome;
        startOver.push_back(
            timed([&] { outcome = startover::archiveAndEmpty(rounds.file(), options); }));
        if (outcome.summary.records != rows)
            qFatal("the archive does not hold the draw");
        kept = outcome.archive;
    }
    for (int i = 0; i < 5; ++i)
        opened.push_back(timed([&] { openArchived(kept); }));
    for (int i = 0; i < 3; ++i) {
        Database& book = rounds.fresh();
        consolidate.push_back(timed([&] { consolidation::consolidate(book); }));
    }
    print(engine, rows, "start-over with its archive", startOver);
    print(engine, rows, "archived draw opened + its h3 view", opened);
    print(engine, rows, "consolidation", consolidate);

    // Deletions on one book: a customer of forty each round, then one typed line.
    Database& book = rounds.fresh();
    std::vector<double> customer, line;
    for (int i = 0; i < 5; ++i)
        customer.push_back(timed([&] {
            deletion::byCustomer(book, deletion::Table::book, QStringLiteral("ลูกค้า%1").arg(i));
        }));
    Recorder recorder(book);
    for (int i = 0; i < 5; ++i) {
        // A line of its own second, stamped as the grid's click stamps it.
        QThread::msleep(1100);
        const qint64 before = readBookSums(book).lastId;
        recorder.recordLine({{QStringLiteral("123"), Kind::h3, 10}, {QStringLiteral("123"), Kind::t3, 5}},
                            QStringLiteral("แบบรวม"));
        book.exec(QStringLiteral("UPDATE tball SET ti2 = tim WHERE id > ?"), {before});
        book.exec(QStringLiteral("UPDATE tballcus SET ti2 = tim WHERE ti2 = 'yy'"));
        // The first row of the line, as the clerk clicks it.
        const qint64 picked =
            book.scalar(QStringLiteral("SELECT min(id) FROM tball WHERE id > ?"), {before})
                .toLongLong();
        const QString stamp =
            book.scalar(QStringLiteral("SELECT ti2 FROM tball WHERE id = ?"), {picked}).toString();
        int deleted = 0;
        line.push_back(timed([&] { deleted = deletion::wholeLine(book, picked, stamp); }));
        if (deleted != 2)
            qFatal("the line was not deleted whole");
    }
    print(engine, rows, "deletion by customer (a fortieth)", customer);
    print(engine, rows, "delete dialog: one line in both tables", line);
    QDir(archives).removeRecursively();
}
