#include "common/batchinflight.h"
#include "cutting/cutbylimit.h"
#include "entry/recorder.h"
#include "entry/transfer.h"
#include "maintenance/deletion.h"
#include "store/location.h"
#include "support/childprocess.h"
#include "support/engines.h"
#include "support/tempbook.h"
#include "support/testmain.h"

#include <QThread>
#include <algorithm>
#include <iostream>
#include <thread>

// A station's rows on their way to the server's book: every row arrives once, whatever stops
// the station or the server on the way. The server's book runs on both engines; a station's
// own book is always a file.
class TransferTest : public testing::BothEngines {
    Q_OBJECT
private slots:
    void manualTransferOf120Rows();
    void nothingToSendAndRowsWithoutNumber();
    void probeSeesOtherComputersOnly();
    void batchCutOffBeforeTheServerCommits();
    void batchCutOffAfterTheServerCommits();
    void rowsTypedWhileABatchWaitsGoNext();
    void readBackRefusesWhatTheServerLacks();
    void stationKilledInTheMiddleOfABatch();
    void stationKilledAfterTheServersCommit();
    void twoStationsAtOnce();
    void rowsOfABatchOnItsWayStayAsSent();
};

namespace {
// Stops a transfer where a test wants it, as a station ended there would.
struct Stopped {};

// n rows on the station, h3 and t3 of the same number in turn, in lines of up to 200 rows.
void typeRows(Database& station, int n, const QString& customer = QStringLiteral("ก")) {
    Recorder recorder(station);
    BetRecords line;
    for (int i = 0; i < n; ++i) {
        const QString number = QStringLiteral("%1").arg(i / 2 % 1000, 3, 10, QLatin1Char('0'));
        line.push_back(i % 2 == 0 ? BetRecord{number, Kind::h3, double(i + 1)}
                                  : BetRecord{number, Kind::t3, 30});
        if (line.size() == 200 || i == n - 1) {
            recorder.recordLine(line, customer);
            line.clear();
        }
    }
}

transfer::Options options(const QString& computer = QStringLiteral("PC1")) {
    transfer::Options o;
    o.computerName = computer;
    return o;
}

int count(Database& db, const QString& table) {
    return db.scalar(QStringLiteral("SELECT count(*) FROM ") + table).toInt();
}

// The rows of a book as they travel: number, stakes, customer and kind in id order.
QStringList travelling(Database& db, const QString& table) {
    return rowsOf(db,
                  QStringLiteral("SELECT num,h,t,l,cus,codeins FROM %1 ORDER BY id").arg(table));
}

// The sent rows kept on a station (a table without ids), in order.
QStringList kept(Database& station) {
    QStringList rows = rowsOf(station, "SELECT num,h,t,l,cus,codeins FROM tballsent");
    rows.sort();
    return rows;
}

QStringList sorted(QStringList rows) {
    rows.sort();
    return rows;
}

QString sumOf(Database& db) {
    return rowsOf(db, "SELECT count(*), sum(h), sum(t), sum(l) FROM tball").join(',');
}

// A station in another process: "send <stage>" sends its rows and stops for good at that
// stage, answering "at" first; the test then ends it with SIGKILL.
int stationRole(const QStringList& arguments) {
    const QString folder = arguments.value(0);
    std::unique_ptr<Database> station = Database::openFile(arguments.value(1));
    std::unique_ptr<Database> server = location::openBook(arguments.value(2), folder);
    return testing::serveCommands([&](const QString& command) -> QString {
        const QString stage = command.section(' ', 1);
        transfer::Options o = options();
        o.reached = [&](transfer::Stage reached) {
            const bool wanted =
                (reached == transfer::Stage::halfSent && stage == "half") ||
                (reached == transfer::Stage::serverCommitted && stage == "committed");
            if (!wanted)
                return;
            std::cout << "at" << std::endl;
            for (;;)
                QThread::sleep(1);
        };
        try {
            transfer::send(*station, *server, o);
            return QStringLiteral("sent");
        } catch (const StoreError& error) {
            return QStringLiteral("refused ") + error.message();
        }
    });
}
TABULOX_TEST_ROLE("station", stationRole)

void killedAt(const QString& stage, int rows) {
    TempBook server;
    TempBook station(Engine::sqlite);
    typeRows(station.db(), rows);
    const QStringList typed = travelling(station.db(), "tball");
    const QString sums = sumOf(station.db());
    {
        testing::Child child("station", {station.folder(), station.dbPath(), server.dbPath()});
        QCOMPARE(child.ask("send " + stage), QString("at"));
        child.kill();
    }
    // The station starts again and transfers: every row once on the server.
    station.reopen();
    const transfer::Result result = transfer::send(station.db(), server.db(), options());
    QCOMPARE(result.again, stage == "committed");
    QCOMPARE(travelling(server.db(), "tball"), typed);
    QCOMPARE(travelling(server.db(), "tballcus"), typed);
    QCOMPARE(sumOf(server.db()), sums);
    QCOMPARE(kept(station.db()), sorted(typed));
    QCOMPARE(count(station.db(), "tball"), 0);
    QCOMPARE(count(station.db(), "refsend"), 0);
    QCOMPARE(count(server.db(), "ref"), 0);
}
} // namespace

void TransferTest::manualTransferOf120Rows() {
    TempBook server;
    TempBook station(Engine::sqlite);
    const int before = count(server.db(), "tball");
    typeRows(station.db(), 120);
    const QStringList typed = travelling(station.db(), "tball");
    QCOMPARE(typed.size(), 120);
    QCOMPARE(typed.at(1), QString("000|0|30|0|ก|t3"));

    transfer::Options o = options();
    o.readBack = true;
    QList<int> percents;
    o.progress = [&](int percent) { percents << percent; };
    const transfer::Result result = transfer::send(station.db(), server.db(), o);
    QCOMPARE(result.rows, 120);
    QCOMPARE(result.batches, 1);
    QVERIFY(!result.again);
    QCOMPARE(result.lastId, qint64(120));
    QVERIFY(percents.contains(100));
    QVERIFY(std::is_sorted(percents.begin(), percents.end()));

    QCOMPARE(count(station.db(), "tball"), 0);
    QCOMPARE(count(station.db(), "tballcus"), 0);
    QCOMPARE(kept(station.db()), sorted(typed));
    QCOMPARE(count(server.db(), "tball"), before + 120);
    QCOMPARE(travelling(server.db(), "tball").mid(before), typed);
    QCOMPARE(travelling(server.db(), "tballcus"), typed);
    // A tod row keeps its stake in t; the server is told of the rows; no batch stays under way.
    QCOMPARE(rowsOf(server.db(), "SELECT t, l FROM tball WHERE codeins = 't3' AND num = '000'"),
             QStringList{"30|0"});
    QCOMPARE(count(server.db(), "ref"), 0);
    QCOMPARE(rowsOf(server.db(), "SELECT comname, total FROM refdone"), QStringList{"PC1|120"});
    // The server takes the notice once.
    QVERIFY(transfer::takeNotice(server.db()));
    QCOMPARE(rowsOf(server.db(), "SELECT back4 FROM backc"), QStringList{"0"});
    QVERIFY(!transfer::takeNotice(server.db()));
    // The kept sums follow the rows.
    QCOMPARE(rowsOf(server.db(), "SELECT h, t FROM h3sum, t3sum"),
             rowsOf(server.db(), "SELECT sum(h), sum(t) FROM tball"));
}

void TransferTest::nothingToSendAndRowsWithoutNumber() {
    TempBook server;
    TempBook station(Engine::sqlite);
    const transfer::Result nothing = transfer::send(station.db(), server.db(), options());
    QCOMPARE(nothing.batches, 0);
    QCOMPARE(nothing.rows, 0);
    QCOMPARE(count(server.db(), "ref"), 0);

    typeRows(station.db(), 4);
    QCOMPARE(transfer::rowWithoutNumber(station.db()), qint64(0));
    station.db().exec("UPDATE tball SET num = '' WHERE id = 3");
    QCOMPARE(transfer::rowWithoutNumber(station.db()), qint64(3));
    QCOMPARE(transfer::stationRows(station.db()), qint64(4));
}

void TransferTest::probeSeesOtherComputersOnly() {
    TempBook server;
    transfer::Probe probe = transfer::probe(server.db(), "PC1");
    QVERIFY(probe.reachable());
    QCOMPARE(probe.othersSending, 0);
    // A batch of its own that was cut off does not hold this computer back.
    server.db().exec("INSERT INTO ref (ref1, comname, total) VALUES ('A', 'PC1', '5')");
    QCOMPARE(transfer::probe(server.db(), "PC1").othersSending, 0);
    server.db().exec("INSERT INTO ref (ref1, comname, total) VALUES ('B', 'PC2', '7')");
    probe = transfer::probe(server.db(), "PC1");
    QCOMPARE(probe.othersSending, 1);
    QCOMPARE(probe.sendingComputer, QString("PC2"));
    // A book without its marker rows is not the server's book.
    server.db().exec("DELETE FROM \"2hh\"");
    server.db().exec("DELETE FROM tballsave2");
    QVERIFY(!transfer::probe(server.db(), "PC1").reachable());
}

void TransferTest::batchCutOffBeforeTheServerCommits() {
    TempBook server;
    TempBook station(Engine::sqlite);
    const int before = count(server.db(), "tball");
    typeRows(station.db(), 400);
    const QStringList typed = travelling(station.db(), "tball");
    transfer::Options o = options();
    o.reached = [](transfer::Stage stage) {
        if (stage == transfer::Stage::halfSent)
            throw Stopped{};
    };
    QVERIFY_THROWS_EXCEPTION(Stopped, transfer::send(station.db(), server.db(), o));
    // Nothing of the batch on the server; all of it, with its token, on the station.
    QCOMPARE(count(server.db(), "tball"), before);
    QCOMPARE(count(server.db(), "tballcus"), 0);
    QCOMPARE(travelling(station.db(), "tball"), typed);
    QCOMPARE(count(station.db(), "refsend"), 1);
    QCOMPARE(count(station.db(), "tballsent"), 0);

    const transfer::Result result = transfer::send(station.db(), server.db(), options());
    QCOMPARE(result.rows, 400);
    QVERIFY(!result.again);
    QCOMPARE(travelling(server.db(), "tballcus"), typed);
    QCOMPARE(count(station.db(), "tball"), 0);
    QCOMPARE(count(server.db(), "ref"), 0);
}

void TransferTest::batchCutOffAfterTheServerCommits() {
    TempBook server;
    TempBook station(Engine::sqlite);
    typeRows(station.db(), 10);
    const QStringList typed = travelling(station.db(), "tball");
    transfer::Options o = options();
    o.reached = [](transfer::Stage stage) {
        if (stage == transfer::Stage::serverCommitted)
            throw Stopped{};
    };
    QVERIFY_THROWS_EXCEPTION(Stopped, transfer::send(station.db(), server.db(), o));
    QCOMPARE(travelling(server.db(), "tballcus"), typed);
    QCOMPARE(travelling(station.db(), "tball"), typed);

    // The server holds the batch: the station only lets its rows go.
    server.db().exec("UPDATE backc SET back4 = '0'");
    const transfer::Result result = transfer::send(station.db(), server.db(), options());
    QVERIFY(result.again);
    QCOMPARE(result.rows, 10);
    QCOMPARE(travelling(server.db(), "tballcus"), typed);
    QCOMPARE(rowsOf(server.db(), "SELECT back4 FROM backc"), QStringList{"0"});
    QCOMPARE(count(station.db(), "tball"), 0);
    QCOMPARE(count(station.db(), "tballcus"), 0);
    QCOMPARE(kept(station.db()), sorted(typed));

    // The same token from another computer is another batch.
    TempBook other(Engine::sqlite);
    typeRows(other.db(), 2, "ข");
    const QString token = rowsOf(server.db(), "SELECT ref1 FROM refdone").value(0);
    other.db().exec("INSERT INTO refsend (ref1, lastid, lastcus, total) VALUES (?, 2, 2, 2)",
                    {token});
    QCOMPARE(transfer::send(other.db(), server.db(), options("PC2")).again, false);
    QCOMPARE(count(server.db(), "tballcus"), 12);
}

void TransferTest::rowsTypedWhileABatchWaitsGoNext() {
    TempBook server;
    TempBook station(Engine::sqlite);
    typeRows(station.db(), 6);
    transfer::Options o = options();
    o.reached = [](transfer::Stage stage) {
        if (stage == transfer::Stage::halfSent)
            throw Stopped{};
    };
    QVERIFY_THROWS_EXCEPTION(Stopped, transfer::send(station.db(), server.db(), o));
    typeRows(station.db(), 4, "ข");
    const QStringList typed = travelling(station.db(), "tball");
    QCOMPARE(typed.size(), 10);

    const transfer::Result result = transfer::send(station.db(), server.db(), options());
    QCOMPARE(result.batches, 2);
    QCOMPARE(result.rows, 10);
    QCOMPARE(result.lastId, qint64(10));
    QCOMPARE(travelling(server.db(), "tballcus"), typed);
    QCOMPARE(count(server.db(), "refdone"), 2);
    QCOMPARE(count(station.db(), "tball"), 0);
}

void TransferTest::readBackRefusesWhatTheServerLacks() {
    TempBook server;
    TempBook station(Engine::sqlite);
    typeRows(station.db(), 4);
    // The server loses its record of the batch before the station reads it back.
    transfer::Options o = options();
    o.readBack = true;
    o.reached = [&](transfer::Stage stage) {
        if (stage == transfer::Stage::serverCommitted)
            server.db().exec("DELETE FROM refdone");
    };
    QVERIFY_THROWS_EXCEPTION(StoreError, transfer::send(station.db(), server.db(), o));
    QCOMPARE(count(station.db(), "tball"), 4);
    QCOMPARE(count(station.db(), "refsend"), 1);
}

void TransferTest::stationKilledInTheMiddleOfABatch() {
    killedAt("half", 600);
}

void TransferTest::stationKilledAfterTheServersCommit() {
    killedAt("committed", 30);
}

void TransferTest::twoStationsAtOnce() {
    TempBook server;
    TempBook first(Engine::sqlite);
    TempBook second(Engine::sqlite);
    typeRows(first.db(), 900, "first");
    typeRows(second.db(), 900, "second");
    const QString place = server.dbPath();
    const QString paths[2] = {first.dbPath(), second.dbPath()};
    const QString folders[2] = {first.folder(), second.folder()};
    QString failures[2];
    auto station = [&](int which) {
        try {
            std::unique_ptr<Database> own = Database::openFile(paths[which]);
            std::unique_ptr<Database> shop = location::openBook(place, folders[which]);
            transfer::send(*own, *shop, options(which == 0 ? "PC1" : "PC2"));
        } catch (const StoreError& error) {
            failures[which] = error.message();
        }
    };
    std::thread a(station, 0);
    std::thread b(station, 1);
    a.join();
    b.join();
    QCOMPARE(failures[0], QString());
    QCOMPARE(failures[1], QString());
    // Each batch whole and in one piece: its rows follow each other.
    for (const char* customer : {"first", "second"}) {
        QCOMPARE(rowsOf(server.db(),
                        "SELECT count(*), max(id) - min(id) + 1 FROM tballcus WHERE "
                        "cus = ?",
                        {QString(customer)}),
                 QStringList{"900|900"});
    }
    QCOMPARE(count(server.db(), "ref"), 0);
    QCOMPARE(
        rowsOf(server.db(), "SELECT codeins, num, h, t, n FROM tbtotals ORDER BY codeins, num"),
        rowsOf(server.db(), "SELECT codeins, num, sum(h), sum(t), count(*) FROM tball GROUP BY "
                            "codeins, num ORDER BY codeins, num"));
    QCOMPARE(rowsOf(server.db(), "SELECT codeins, h, t, l, n, cnum FROM tbkind ORDER BY codeins"),
             rowsOf(server.db(), "SELECT codeins, sum(h), sum(t), sum(l), count(*), count(num) "
                                 "FROM tball GROUP BY codeins ORDER BY codeins"));
    // The sums go on with the next line as before.
    Recorder(server.db()).recordLine({{"000", Kind::h3, 1}}, "x");
    QCOMPARE(rowsOf(server.db(), "SELECT h FROM tbtotals WHERE codeins = 'h3' AND num = '000'"),
             rowsOf(server.db(), "SELECT sum(h) FROM tball WHERE codeins = 'h3' AND num = '000'"));
}

// While a batch is on its way its rows are neither deleted nor rewritten on the station, or the
// server would keep them as sent; rows typed meanwhile are the clerk's to change.
void TransferTest::rowsOfABatchOnItsWayStayAsSent() {
    TempBook server;
    TempBook station(Engine::sqlite);
    typeRows(station.db(), 4, "ก");
    typeRows(station.db(), 4, "ข");
    const QStringList typed = travelling(station.db(), "tball");
    std::unique_ptr<Database> clerk = Database::openFile(station.dbPath());
    auto refused = [](const std::function<void()>& change) {
        try {
            change();
        } catch (const StoreError& error) {
            return error.message() == inflight::refusedText();
        }
        return false;
    };
    QStringList failures;
    auto expect = [&](bool holds, const char* what) {
        if (!holds)
            failures << what;
    };
    transfer::Options o = options();
    o.reached = [&](transfer::Stage stage) {
        if (stage != transfer::Stage::serverCommitted)
            return;
        Database& db = *clerk;
        expect(refused([&] { deletion::byCustomer(db, deletion::Table::book, "ข"); }),
               "by customer");
        expect(refused([&] { deletion::rows(db, 2, 3, true); }), "rows of the grid");
        expect(refused([&] {
                   deletion::wholeLine(db, 1,
                                       rowsOf(db, "SELECT ti2 FROM tball "
                                                  "WHERE id = 1")
                                           .value(0));
               }),
               "whole line");
        expect(refused([&] { cut::immediateCut(db, Kind::t3); }), "cut of a kind");
        expect(refused([&] { deletion::rebuildFromEntered(db); }), "rebuild");
        // A line typed now is not in the batch: it may be taken back.
        typeRows(db, 2, "ค");
        expect(deletion::rows(db, 9, 10, true) == 2, "new line taken back");
        typeRows(db, 2, "ง");
        throw Stopped{};
    };
    QVERIFY_THROWS_EXCEPTION(Stopped, transfer::send(station.db(), server.db(), o));
    QCOMPARE(failures, QStringList());
    QCOMPARE(travelling(server.db(), "tball"), typed);
    // Cut off after the server's commit, the batch is still the station's until it is released.
    QVERIFY(refused([&] { deletion::byKind(*clerk, deletion::Table::book, Kind::h3); }));
    QCOMPARE(count(station.db(), "tball"), 10);

    const transfer::Result result = transfer::send(station.db(), server.db(), options());
    QVERIFY(result.again);
    QCOMPARE(count(server.db(), "tball"), 10);
    QCOMPARE(rowsOf(server.db(), "SELECT DISTINCT cus FROM tball ORDER BY cus"),
             QStringList({"ก", "ข", "ง"}));
    // Nothing on its way: the station's rows are its own again.
    typeRows(station.db(), 2, "จ");
    QCOMPARE(deletion::byCustomer(*clerk, deletion::Table::book, "จ"), 2);
}

TABULOX_TEST(TransferTest)
#include "transfer_test.moc"
