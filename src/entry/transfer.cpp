#include "entry/transfer.h"

#include "common/cutsession.h"
#include "store/database.h"
#include "store/dialect.h"

#include <QRandomGenerator>
#include <QSqlQuery>
#include <QVector>

namespace transfer {

namespace {
// Rows per statement: six values a row stays under every engine's limit of bound values.
constexpr int kRowsPerInsert = 500;
const QString kColumns = QStringLiteral("num,h,t,l,cus,codeins");

// The batch the station keeps while it is on its way.
struct Batch {
    QString token;
    qint64 lastId = 0;  // tball rows up to this id
    qint64 lastCus = 0; // tballcus rows up to this id
    int rows = 0;
};

bool keptBatch(Database& station, Batch* batch) {
    QSqlQuery query = station.exec(QStringLiteral("SELECT ref1, lastid, lastcus, total FROM refsend"));
    if (!query.next())
        return false;
    batch->token = query.value(0).toString();
    batch->lastId = query.value(1).toLongLong();
    batch->lastCus = query.value(2).toLongLong();
    batch->rows = query.value(3).toInt();
    return !batch->token.isEmpty();
}

// The batch cut off earlier, or a new one of every row the station holds now; false when there
// is nothing to send.
bool takeBatch(Database& station, Batch* batch) {
    Transaction transaction(station, dialect::beginWrite(station.engine()));
    if (!keptBatch(station, batch)) {
        QSqlQuery query = station.exec(QStringLiteral(
            "SELECT (SELECT max(id) FROM tball), (SELECT max(id) FROM tballcus), "
            "(SELECT count(*) FROM tball)"));
        query.next();
        batch->lastId = query.value(0).toLongLong();
        batch->lastCus = query.value(1).toLongLong();
        batch->rows = query.value(2).toInt();
        if (batch->rows == 0)
            return false;
        batch->token = newToken();
        station.exec(QStringLiteral("DELETE FROM refsend"));
        station.exec(
            QStringLiteral("INSERT INTO refsend (ref1, lastid, lastcus, total) VALUES (?,?,?,?)"),
            {batch->token, batch->lastId, batch->lastCus, batch->rows});
    }
    transaction.commit();
    return true;
}

QVector<QVariantList> batchRows(Database& station, const Batch& batch) {
    QVector<QVariantList> rows;
    QSqlQuery query =
        station.exec(QStringLiteral("SELECT %1 FROM tball WHERE id <= ? ORDER BY id").arg(kColumns),
                     {batch.lastId});
    while (query.next()) {
        QVariantList row;
        for (int i = 0; i < 6; ++i)
            row << query.value(i);
        rows.push_back(row);
    }
    return rows;
}

void insertRows(Database& server, const QString& table, const QVector<QVariantList>& rows,
                int first, int count) {
    QStringList marks;
    QVariantList binds;
    for (int i = first; i < first + count; ++i) {
        marks << QStringLiteral("(?,?,?,?,?,?)");
        binds << rows.at(i);
    }
    server.exec(QStringLiteral("INSERT INTO %1 (%2) VALUES %3")
                    .arg(table, kColumns, marks.join(QLatin1Char(','))),
                binds);
}

void reach(const Options& options, Stage stage) {
    if (options.reached)
        options.reached(stage);
}

// The batch's rows into the server's tball and tballcus with its token, in one transaction
// that waits for any other batch; false when the server had taken the batch already.
bool writeBatch(Database& server, const Batch& batch, const QVector<QVariantList>& rows,
                const Options& options) {
    Transaction transaction(server, dialect::beginWrite(server.engine()));
    dialect::holdSending(server);
    const bool taken = server
                           .scalar(QStringLiteral("SELECT count(*) FROM refdone WHERE ref1 = ? "
                                                  "AND comname = ?"),
                                   {batch.token, options.computerName})
                           .toInt() > 0;
    if (!taken) {
        // The book's sums take the batch number by number after its rows: row by row, a
        // server takes seconds for a large batch.
        cut::suspendSums(server);
        const qint64 before = server.scalar(QStringLiteral("SELECT max(id) FROM tball")).toLongLong();
        bool half = false;
        for (int first = 0; first < rows.size(); first += kRowsPerInsert) {
            const int count = qMin(kRowsPerInsert, int(rows.size()) - first);
            insertRows(server, QStringLiteral("tball"), rows, first, count);
            insertRows(server, QStringLiteral("tballcus"), rows, first, count);
            const int percent = int((first + count) * qint64(100) / rows.size());
            if (options.progress)
                options.progress(percent);
            if (!half && percent >= 50) {
                half = true;
                reach(options, Stage::halfSent);
            }
        }
        cut::addToSums(server, QStringLiteral("codeins"), QStringLiteral("tball WHERE id > ?"),
                       {before});
        cut::resumeSums(server);
        server.exec(QStringLiteral("INSERT INTO refdone (ref1, comname, total) VALUES (?,?,?)"),
                    {batch.token, options.computerName, int(rows.size())});
        // The server's entry form picks the rows up at its next refresh.
        server.exec(QStringLiteral("UPDATE backc SET back4 = '1'"));
    }
    server.exec(QStringLiteral("DELETE FROM ref WHERE ref1 = ?"), {batch.token});
    transaction.commit();
    return !taken;
}

void checkServerHolds(Database& server, const Batch& batch, int rows, bool written,
                      const Options& options) {
    const QVariant total =
        server.scalar(QStringLiteral("SELECT total FROM refdone WHERE ref1 = ? AND comname = ?"),
                      {batch.token, options.computerName});
    if (!total.isValid() || (written && total.toInt() != rows))
        throw StoreError(QStringLiteral("ตรวจสอบการถ่ายโอนไม่ผ่าน: เครื่องแม่ข่ายไม่มีข้อมูลชุดนี้ครบ "
                                        "ข้อมูลยังอยู่ที่เครื่องนี้และจะส่งใหม่ในการถ่ายโอนครั้งต่อไป"));
}

// The rows of the batch move to tballsent and leave the station, with the batch's token.
void releaseBatch(Database& station, const Batch& batch) {
    Transaction transaction(station, dialect::beginWrite(station.engine()));
    station.exec(QStringLiteral("INSERT INTO tballsent (%1) SELECT %1 FROM tball WHERE id <= ? "
                                "ORDER BY id")
                     .arg(kColumns),
                 {batch.lastId});
    station.exec(QStringLiteral("DELETE FROM tball WHERE id <= ?"), {batch.lastId});
    station.exec(QStringLiteral("DELETE FROM tballcus WHERE id <= ?"), {batch.lastCus});
    station.exec(QStringLiteral("DELETE FROM refsend"));
    transaction.commit();
}
} // namespace

QString newToken() {
    static const char digits[] = "0123456789ABCDEF";
    QString token;
    for (int i = 0; i < 16; ++i)
        token += QLatin1Char(digits[QRandomGenerator::system()->bounded(16)]);
    return token;
}

Probe probe(Database& server, const QString& computerName) {
    QSqlQuery query = server.exec(
        QStringLiteral("SELECT (SELECT count(*) FROM \"2hh\") + (SELECT count(*) FROM tballsave2), "
                       "(SELECT count(*) FROM ref WHERE comname IS NULL OR comname <> ?), "
                       "(SELECT comname FROM ref WHERE comname IS NULL OR comname <> ? LIMIT 1)"),
        {computerName, computerName});
    Probe result;
    if (query.next()) {
        result.markers = query.value(0).toInt();
        result.othersSending = query.value(1).toInt();
        result.sendingComputer = query.value(2).toString();
    }
    return result;
}

qint64 stationRows(Database& station) {
    return station.scalar(QStringLiteral("SELECT count(*) FROM tball")).toLongLong();
}

qint64 rowWithoutNumber(Database& station) {
    return station
        .scalar(QStringLiteral(
            "SELECT id FROM tball WHERE num = '' OR num IS NULL ORDER BY id LIMIT 1"))
        .toLongLong();
}

Result send(Database& station, Database& server, const Options& options) {
    Result result;
    // A batch cut off earlier goes first, then what came since.
    for (int round = 0; round < 2; ++round) {
        Batch batch;
        if (!takeBatch(station, &batch))
            break;
        reach(options, Stage::batchKept);
        const QVector<QVariantList> rows = batchRows(station, batch);
        if (rows.isEmpty()) {
            // Its rows were taken off the station meanwhile.
            releaseBatch(station, batch);
            continue;
        }
        // Other stations see that a batch is under way.
        if (options.clearRef)
            server.exec(QStringLiteral("DELETE FROM ref"));
        else
            server.exec(QStringLiteral("DELETE FROM ref WHERE ref1 = ? OR comname = ?"),
                        {batch.token, options.computerName});
        server.exec(QStringLiteral("INSERT INTO ref (ref1, comname, total) VALUES (?,?,?)"),
                    {batch.token, options.computerName,
                     options.manual ? QVariant(QString::number(rows.size())) : QVariant()});
        bool written = false;
        try {
            written = writeBatch(server, batch, rows, options);
        } catch (const StoreError&) {
            try {
                server.exec(QStringLiteral("DELETE FROM ref WHERE ref1 = ?"), {batch.token});
            } catch (const StoreError&) {
            }
            throw;
        }
        reach(options, Stage::serverCommitted);
        if (options.readBack)
            checkServerHolds(server, batch, int(rows.size()), written, options);
        releaseBatch(station, batch);
        result.batches++;
        result.again = result.again || !written;
        result.rows += int(rows.size());
        result.lastId = qMax(result.lastId, batch.lastId);
    }
    if (options.progress)
        options.progress(100);
    return result;
}

bool takeNotice(Database& book) {
    return book.exec(QStringLiteral("UPDATE backc SET back4 = '0' WHERE back4 = '1'"))
               .numRowsAffected() > 0;
}

} // namespace transfer
