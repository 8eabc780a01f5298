#pragma once

#include "common/cutsession.h"

#include <QHash>
#include <QString>
#include <QVariantList>
#include <QVector>
#include <array>

// One row of tball or tballcus as a writer gives it; a null text is stored as NULL.
struct BetRow {
    QString num;
    double h = 0, t = 0, l = 0;
    QString cus;
    QString codeins;
};

// A row of one kind: the stake in the kind's stake column.
BetRow betRow(const QString& num, Kind kind, double stake, const QString& cus);

// The rows of table written in order, a few statements for many rows, each with the insert
// time now; part of the caller's transaction.
void insertBetRows(Database& db, const QString& table, const QVector<BetRow>& rows,
                   const QString& now);

// Many bet rows written in one transaction of the book under its cut lock: all of them or
// none. The book's kept sums take the batch's rows number by number when it commits.
class BetBatch {
public:
    // A batch that expects many rows builds the indexes of the entered lines once, after them.
    explicit BetBatch(Database& book, qint64 expectedRows = 0);
    BetBatch(const BetBatch&) = delete;
    BetBatch& operator=(const BetBatch&) = delete;

    Database& book() { return book_; }
    // A row of the book, and with entered its copy among the entered lines.
    void add(const BetRow& row, bool entered = true);
    // A row of the entered lines only.
    void addEntered(const BetRow& row);
    // The rows a statement selects, as columns num, h, t, l, cus, codeins and k (their order),
    // written in one statement; with entered their copies too. Returns the rows written.
    qint64 addSelected(const QString& select, const QVariantList& binds, bool entered);
    // The same rows as entered lines only.
    qint64 addEnteredSelected(const QString& select, const QVariantList& binds);
    // A row of tblog counting lines.
    void log(qint64 lines);
    // Rows written to tball so far.
    qint64 rows() const { return rows_; }
    void commit();

private:
    void flush(const QString& table, QVector<BetRow>& rows);
    qint64 insertSelected(const QString& table, const QString& select, const QVariantList& binds);
    struct Sums {
        std::array<double, 3> stakes{};
        qint64 n = 0, counted = 0;
    };
    void writeSums();
    void addRangeToSums(qint64 after, qint64 last);

    Database& book_;
    cut::Session session_;
    QVector<BetRow> book_rows_;
    QVector<BetRow> entered_rows_;
    QHash<QPair<QString, QString>, Sums> byNumber_;
    QHash<QString, Sums> byKind_;
    // Ids of tball rows written by statements, in ranges (after, last]: their sums are
    // taken from the book when the batch commits.
    QVector<QPair<qint64, qint64>> selected_;
    qint64 rows_ = 0;
    bool rebuildIndexes_ = false;
};
