#pragma once

#include "entry/betrecord.h"

#include <QVariantList>
#include <array>

class Database;

// Writes bet lines into the book. A line is one transaction: its rows in tball and
// tballcus and its tblog row, or nothing (the error comes back as StoreError).
class Recorder {
public:
    explicit Recorder(Database& bets) : db_(bets) {}

    // One row per record in tball and tballcus, one tblog row; returns the rows written.
    int recordLine(const BetRecords& records, const QString& customer);
    // Copies the insert time into ti2 of every unstamped row of tball and tballcus.
    void stampUnstamped();

private:
    Database& db_;
};

// What the entry form shows after a line: the ten sums, their total, the row count and
// the statement of the grid of entered rows.
struct BookSums {
    std::array<double, kKindCount> byKind{}; // indexed by Kind
    double grandTotal = 0;
    qint64 rowCount = 0;
    qint64 lastId = 0;
};

BookSums readBookSums(Database& db);

struct GridQuery {
    QString sql;
    QVariantList binds;
};
enum class GridMode { Own, Station, Lan };
// The newest `rows` rows of tball (all rows on a station, the last 50 in LAN mode).
GridQuery gridQuery(GridMode mode, qint64 lastId, int rows);

// "Run 00-99": one record of the kind (h2 or l2) for each of 00 ... 99 with the stake, in
// tball and tballcus, as one transaction and without a tblog row.
void recordRun(Database& db, Kind kind, double stake, const QString& customer);
// The sample rows of tballsave2 copied into tball and tballcus; returns the rows copied.
int loadSampleRows(Database& db);
