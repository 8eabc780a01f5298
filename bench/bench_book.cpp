// Recording a bet line on a large book, with what the entry form re-reads after it, on the
// SQLite file and, when a server is named, on a PostgreSQL book over the network.
// Usage: bench_book [--server postgresql://...] [--only name,...] [--book file] [rows ...]
// (default: 100000 1000000; the server defaults to TABULOX_TEST_PG; names: reports record sets
// totals customers copies cuts analysis settlement accounts spreading exchange draw network)

#include "common/backgroundcopies.h"
#include "common/backups.h"
#include "common/kindlimits.h"
#include "entry/checks.h"
#include "entry/recorder.h"
#include "printing/reportpainter.h"
#include "reports/customerviews.h"
#include "reports/gui/customerreport.h"
#include "reports/gui/totalsreport.h"
#include "reports/totalsviews.h"
#include "store/database.h"
#include "store/kindrow.h"
#include "store/location.h"

#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QPainter>
#include <QPdfWriter>
#include <QRandomGenerator>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QUrl>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>
#ifdef Q_OS_UNIX
#include <unistd.h>
#endif

// bench_cuts.cpp
void cutFigures(Database& db, const QString& folder, int rows, const char* engine);
void analysisFigures(Database& db, const QString& folder, int rows, const char* engine);
// bench_settlement.cpp
void settlementFigures(Database& db, int rows, const char* engine);
// bench_sets.cpp
void setLineFigures(Database& db, int rows, const char* engine);
// bench_network.cpp; it adds 30,000 rows to the book.
void networkFigures(Database& db, int rows, const char* engine);
// bench_exchange.cpp; it adds lines of its own to the book.
void exchangeFigures(Database& db, const QString& folder, int rows, const char* engine);
// bench_accounts.cpp; it spreads the entered lines over its own customers.
void accountFigures(Database& db, int rows, const char* engine);
// bench_spreading.cpp
void spreadingFigures(Database& db, const QString& folder, int rows, const char* engine);
// bench_draw.cpp
void drawFigures(Database& db, const QString& folder, int rows, const char* engine);

namespace {
QStringList onlyGroups; // empty: every figure
QString savedBook;      // a filled SQLite book: taken when it exists, else written after filling

bool wanted(const char* group) {
    return onlyGroups.isEmpty() || onlyGroups.contains(QLatin1String(group));
}

QString randomNumber(QRandomGenerator& random, int digits) {
    QString number;
    for (int i = 0; i < digits; ++i)
        number += QChar(u'0' + random.bounded(10));
    return number;
}

// On the server the rows are made there, the kept sums summed once after them.
void fillServerBook(Database& db, int rows) {
    Transaction transaction(db);
    db.exec("ALTER TABLE tball DISABLE TRIGGER tball_sums");
    const char* kinds = "ARRAY['h3','t3','l3','h2','t2','l2','h1','l1','h4','h5']";
    const char* digits = "ARRAY[3,3,3,2,2,2,1,1,4,5]";
    for (const char* table : {"tball", "tballcus"}) {
        db.exec(
            QString("INSERT INTO %1 (num,h,t,l,cus,codeins) SELECT lpad((floor(random() * "
                    "10 ^ d))::bigint::text, d, '0'), CASE WHEN k IN ('h3','h2','h1','h4','h5') "
                    "THEN s ELSE 0 END, CASE WHEN k IN ('t3','t2') THEN s ELSE 0 END, CASE "
                    "WHEN k IN ('l3','l2','l1') THEN s ELSE 0 END, 'ลูกค้า' || (i % 40), k "
                    "FROM (SELECT i, (%2)[i % 10 + 1] AS k, (%3)[i % 10 + 1] AS d, "
                    "1 + floor(random() * 100) AS s FROM generate_series(0, ? - 1) i) g")
                .arg(table, kinds, digits),
            {rows});
    }
    db.exec("INSERT INTO tbtotals (codeins,num,h,t,l,n) SELECT codeins, num, sum(h), sum(t), "
            "sum(l), count(*) FROM tball GROUP BY codeins, num");
    db.exec("INSERT INTO tbkind (codeins,h,t,l,n,cnum) SELECT codeins, sum(h), sum(t), sum(l), "
            "count(*), count(num) FROM tball GROUP BY codeins");
    db.exec("ALTER TABLE tball ENABLE TRIGGER tball_sums");
    transaction.commit();
    db.exec("ANALYZE tball, tballcus, tbtotals, tbkind");
}

void fillBook(Database& db, int rows) {
    if (db.engine() == Engine::postgres) {
        fillServerBook(db, rows);
        return;
    }
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
void copies(Database& db, const QString& folder, int rows, const char* engine) {
    // A server's book is copied into a new SQLite file row by row: fewer rounds.
    const int rounds = db.engine() == Engine::postgres ? 1 : 3;
    Backups backups(db, folder);
    std::vector<double> check, direct;
    for (int i = 0; i < rounds; ++i) {
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
    std::printf("%-10s %8d rows: check of every page      median %.0f ms, worst %.0f ms\n", engine,
                rows, a.median, a.worst);
    std::printf("%-10s %8d rows: copy on caller's thread  median %.0f ms, worst %.0f ms\n", engine,
                rows, b.median, b.worst);

    BackgroundCopies copier;
    Recorder recorder(db);
    QRandomGenerator random(13);
    std::vector<double> request, offThread, during;
    int written = 0;
    QObject::connect(&copier, &BackgroundCopies::finished,
                     [&](const CopyResult& result) { written += result.written() ? 1 : 0; });
    const qint64 before = db.scalar(QStringLiteral("SELECT count(*) FROM tball")).toLongLong();
    for (int i = 0; i < rounds + 2; ++i) {
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
    if (written != rounds + 2 || during.empty() ||
        after != before + 2 * static_cast<qint64>(during.size()))
        qFatal("a line or a copy went missing");
    const Figures c = summarize(request);
    const Figures d = summarize(offThread);
    const Figures e = summarize(during);
    std::printf("%-10s %8d rows: timed copy, caller blocked median %.3f ms, worst %.3f ms\n",
                engine, rows, c.median, c.worst);
    std::printf("%-10s %8d rows: timed copy, off-thread   median %.0f ms, worst %.0f ms\n", engine,
                rows, d.median, d.worst);
    std::printf(
        "%-10s %8d rows, %zu lines: record + sums during a copy median %.3f ms, worst %.3f ms\n",
        engine, rows, during.size(), e.median, e.worst);
}

// A report of 1,000 numbers in five columns, as the totals views print them: laid out, its first
// page painted, and the whole of it written as a PDF.
void reportFigures() {
    printing::Report report;
    report.heading = QStringLiteral("สรุปยอด3ตัวบน");
    report.columns = {{QStringLiteral("เลข")}, {QStringLiteral("จำนวน"), 1.4, true}};
    report.across = 5;
    for (int i = 0; i < 1000; ++i) {
        const double amount = (i * 37) % 500;
        report.rows.push_back(
            {{{QStringLiteral("%1").arg(i, 3, 10, QLatin1Char('0')),
               printing::bold | (i % 7 ? 0u : printing::underline)},
              {printing::amountText(amount), i % 7 ? printing::plain : printing::redUnderline}},
             amount});
    }
    QTemporaryDir dir;
    const QString pdf = dir.filePath(QStringLiteral("report.pdf"));
    std::vector<double> layout, first, whole;
    for (int i = 0; i < 7; ++i) {
        QElapsedTimer timer;
        timer.start();
        const printing::ReportPainter painter(report);
        layout.push_back(timer.nsecsElapsed() / 1e6);
        {
            QPdfWriter writer(pdf);
            painter.setUp(writer);
            if (!painter.paint(writer, 1, 1))
                qFatal("no first page");
        }
        first.push_back(timer.nsecsElapsed() / 1e6);
        timer.restart();
        if (!printing::writePdf(report, pdf))
            qFatal("no PDF");
        whole.push_back(timer.nsecsElapsed() / 1e6);
    }
    const Figures a = summarize(layout);
    const Figures b = summarize(first);
    const Figures c = summarize(whole);
    std::printf("report of 1000 rows: layout             median %.3f ms, worst %.3f ms\n", a.median,
                a.worst);
    std::printf("report of 1000 rows: layout + 1st page  median %.1f ms, worst %.1f ms\n", b.median,
                b.worst);
    std::printf("report of 1000 rows: whole PDF          median %.1f ms, worst %.1f ms\n", c.median,
                c.worst);
}

// A totals view as its command shows it: read with its marks, laid out, its first page drawn at
// the preview's size; and the h3 view written as a PDF.
void totalsFigures(Database& db, int rows, const char* engine) {
    for (const char* name : {"Tshowh3", "Th5re"}) {
        totals::Request request;
        request.view = totals::view(QLatin1String(name));
        request.redWarning = true;
        request.watchNumbers = true;
        std::vector<double> first, pdf;
        int lines = 0;
        int pages = 0;
        for (int i = 0; i < 5; ++i) {
            QElapsedTimer timer;
            timer.start();
            const printing::Report report = totals::report(totals::read(db, request));
            const printing::ReportPainter painter(report);
            QImage image((painter.geometry().page * 1.3).toSize(), QImage::Format_RGB32);
            image.fill(Qt::white);
            QPainter p(&image);
            p.scale(1.3, 1.3);
            painter.paintPage(p, 0);
            p.end();
            first.push_back(timer.nsecsElapsed() / 1e6);
            lines = static_cast<int>(report.rows.size());
            pages = painter.layout().pageCount();
            if (QLatin1String(name) == QLatin1String("Tshowh3")) {
                QTemporaryDir dir;
                timer.restart();
                if (!printing::writePdf(report, dir.filePath(QStringLiteral("h3.pdf"))))
                    qFatal("no PDF");
                pdf.push_back(timer.nsecsElapsed() / 1e6);
            }
        }
        const Figures a = summarize(first);
        std::printf("%-10s %8d rows: %s view (%d numbers, %d pages) first page median %.1f ms, "
                    "worst %.1f ms\n",
                    engine, rows, name, lines, pages, a.median, a.worst);
        if (!pdf.empty()) {
            const Figures b = summarize(pdf);
            std::printf("%-10s %8d rows: %s view as a PDF       median %.1f ms, worst %.1f ms\n",
                        engine, rows, name, b.median, b.worst);
        }
    }
}

// The customer views as their windows show them: the rows read, laid out and the first page
// drawn; one customer of 40 holds a fortieth of the lines.
void customerFigures(Database& db, int rows, const char* engine) {
    using namespace customerviews;
    const QString name = QStringLiteral("ลูกค้า7");
    db.exec(QStringLiteral("INSERT INTO cus (id, name) VALUES (?, ?)"), {name, name});
    const std::vector<std::pair<const char*, std::function<printing::Report()>>> views = {
        {"by customer",
         [&] {
             return report(byCustomer(db, ByCustomer{name, 0, false, 0, {}}));
         }},
        {"everybody entered", [&] { return report(everybody(db, Source::entered, 0)); }},
        {"everybody remaining", [&] { return report(everybody(db, Source::remaining, 0)); }},
        {"entry order",
         [&] { return entryOrderReport(entryOrderHeading(0, name), entryOrder(db, name, 0)); }}};
    for (const auto& [caption, make] : views) {
        std::vector<double> first;
        int lines = 0;
        int pages = 0;
        for (int i = 0; i < 3; ++i) {
            QElapsedTimer timer;
            timer.start();
            const printing::Report report = make();
            const printing::ReportPainter painter(report);
            QImage image(painter.geometry().page.toSize(), QImage::Format_RGB32);
            QPainter p(&image);
            painter.paintPage(p, 0);
            p.end();
            first.push_back(timer.nsecsElapsed() / 1e6);
            lines = static_cast<int>(report.rows.size());
            pages = painter.layout().pageCount();
        }
        const Figures a = summarize(first);
        std::printf("%-10s %8d rows: %-19s (%d rows, %d pages) first page median %.0f ms, "
                    "worst %.0f ms\n",
                    engine, rows, caption, lines, pages, a.median, a.worst);
    }
}

void recordFigures(Database& db, int rows, int lines, const char* engine) {
    Recorder recorder(db);
    QRandomGenerator random(11);
    std::vector<double> record, refresh;
    qint64 lastId = readBookSums(db).lastId;
    for (int i = 0; i < lines; ++i) {
        const QString number = randomNumber(random, 3);
        const BetRecords line = {{number, Kind::h3, 10}, {number, Kind::t3, 5}};
        QElapsedTimer timer;
        timer.start();
        recorder.recordLine(line, QStringLiteral("แบบรวม"));
        const BookSums sums = readBookSums(db);
        record.push_back(timer.nsecsElapsed() / 1e6);
        // The grid of the newest 100 rows, as the form shows it.
        const GridQuery grid = gridQuery(GridMode::Own, sums.lastId, 100);
        QSqlQuery rowsShown = db.exec(grid.sql, grid.binds);
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
    std::printf("%-10s %8d rows, %d lines: record + sums   median %.3f ms, worst %.3f ms\n", engine,
                rows, lines, a.median, a.worst);
    std::printf("%-10s %8d rows, %d lines: whole refresh   median %.3f ms, worst %.3f ms\n", engine,
                rows, lines, b.median, b.worst);
    // The entry form's over-limit marks, also asked for when the kind limits change.
    std::vector<double> tick;
    for (int i = 0; i < 200; ++i) {
        QElapsedTimer timer;
        timer.start();
        const QStringList limits = kindrow::read(db, QStringLiteral("change2"));
        const std::array<bool, kKindCount> over = kindsOverLimit(db);
        tick.push_back(timer.nsecsElapsed() / 1e6);
        if (limits.size() != kKindCount || over.size() != kKindCount)
            qFatal("unexpected limits");
    }
    const Figures c = summarize(tick);
    std::printf("%-10s %8d rows: over-limit marks        median %.3f ms, worst %.3f ms\n", engine,
                rows, c.median, c.worst);
}

// A schema of its own on the server, dropped at the end.
struct ServerPlace {
    QString server;
    QString schema;
    QString address;
    ServerPlace(const QString& serverAddress, int rows) : server(serverAddress) {
        schema = QStringLiteral("bench_%1_%2").arg(QCoreApplication::applicationPid()).arg(rows);
        Database::openServer(server)->exec(QStringLiteral("CREATE SCHEMA ") + schema);
        address = server + (server.contains('?') ? '&' : '?') + QStringLiteral("options=") +
                  QUrl::toPercentEncoding(QStringLiteral("-c search_path=") + schema);
    }
    ~ServerPlace() {
        Database::openServer(server)->exec(QStringLiteral("DROP SCHEMA ") + schema +
                                           QStringLiteral(" CASCADE"));
    }
};

void run(int rows, int lines, const QString& server) {
    QTemporaryDir dir;
    const QString folder = location::withSlash(dir.path());
    std::unique_ptr<ServerPlace> place;
    std::unique_ptr<Database> db;
    const bool reuse = server.isEmpty() && QFile::exists(savedBook);
    if (reuse && !(QDir().mkpath(QFileInfo(location::ownDatabasePath(folder)).path()) &&
                   QFile::copy(savedBook, location::ownDatabasePath(folder))))
        qFatal("no copy of the saved book");
    if (server.isEmpty()) {
        db = location::openBook(location::ownDatabasePath(folder), folder);
    } else {
        place = std::make_unique<ServerPlace>(server, rows);
        db = location::createServerBook(place->address);
    }
    const char* engine = server.isEmpty() ? "sqlite" : "postgresql";
    QElapsedTimer fill;
    fill.start();
    if (!reuse)
        fillBook(*db, rows);
    std::printf("%-10s book of %d rows built in %.1f s\n", engine, rows, fill.elapsed() / 1000.0);
    if (!reuse && !savedBook.isEmpty() && server.isEmpty() && !db->snapshotTo(savedBook).written())
        qFatal("no copy of the book");
#ifdef Q_OS_UNIX
    // What the filling wrote is on the disk before any figure is taken.
    ::sync();
#endif
    if (!server.isEmpty()) {
        // The server's checkpoint after the filling would otherwise run during the figures; a
        // role that may not ask for it leaves the server to its own pace.
        try {
            db->exec(QStringLiteral("CHECKPOINT"));
        } catch (const StoreError& error) {
            std::printf("%-10s (no checkpoint before the figures: %s)\n", engine,
                        qPrintable(error.message()));
        }
    }

    if (wanted("record"))
        recordFigures(*db, rows, lines, engine);
    if (wanted("sets"))
        setLineFigures(*db, rows, engine);
    if (wanted("totals"))
        totalsFigures(*db, rows, engine);
    if (wanted("customers"))
        customerFigures(*db, rows, engine);
    if (wanted("copies"))
        copies(*db, folder, rows, engine);
    if (wanted("cuts"))
        cutFigures(*db, folder, rows, engine);
    if (wanted("analysis"))
        analysisFigures(*db, folder, rows, engine);
    if (wanted("settlement"))
        settlementFigures(*db, rows, engine);
    if (wanted("accounts"))
        accountFigures(*db, rows, engine);
    if (wanted("network"))
        networkFigures(*db, rows, engine);
    if (wanted("spreading"))
        spreadingFigures(*db, folder, rows, engine);
    if (wanted("exchange"))
        exchangeFigures(*db, folder, rows, engine);
    if (wanted("draw"))
        drawFigures(*db, folder, rows, engine);
}

} // namespace

int main(int argc, char** argv) {
    // Reports need fonts, not a screen.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    std::vector<int> sizes;
    QString server = qEnvironmentVariable("TABULOX_TEST_PG");
    for (int i = 1; i < argc; ++i) {
        const QString arg = QString::fromLocal8Bit(argv[i]);
        if (arg == QLatin1String("--server") && i + 1 < argc)
            server = QString::fromLocal8Bit(argv[++i]);
        else if (arg == QLatin1String("--book") && i + 1 < argc)
            savedBook = QString::fromLocal8Bit(argv[++i]);
        else if (arg == QLatin1String("--only") && i + 1 < argc)
            onlyGroups = QString::fromLocal8Bit(argv[++i]).split(QLatin1Char(','));
        else
            sizes.push_back(arg.toInt());
    }
    if (sizes.empty())
        sizes = {100000, 1000000};
    if (wanted("reports"))
        reportFigures();
    try {
        for (int rows : sizes) {
            run(rows, 2000, QString());
            if (!server.isEmpty())
                run(rows, 2000, server);
        }
    } catch (const StoreError& error) {
        std::fprintf(stderr, "%s\n", qPrintable(error.message()));
        return 1;
    }
    return 0;
}
