#include "common/betbatch.h"

#include "store/database.h"
#include "store/schema.h"

namespace {
constexpr int kBuffered = 512;
// From this many rows on, the entered lines' indexes are built after the rows: kept row by
// row, a million rows rewrite their pages many times over.
constexpr qint64 kBulkRows = 50000;

QVariant textOrNull(const QString& text) {
    return text.isNull() ? QVariant(QMetaType(QMetaType::QString)) : QVariant(text);
}
} // namespace

BetRow betRow(const QString& num, Kind kind, double stake, const QString& cus) {
    BetRow row{num, 0, 0, 0, cus, kindCode(kind)};
    switch (kindInfo(kind).stakeColumn) {
    case 'h':
        row.h = stake;
        break;
    case 't':
        row.t = stake;
        break;
    default:
        row.l = stake;
        break;
    }
    return row;
}

void insertBetRows(Database& db, const QString& table, const QVector<BetRow>& rows,
                   const QString& now) {
    QVector<QVariantList> values;
    values.reserve(rows.size());
    for (const BetRow& row : rows)
        values.push_back({textOrNull(row.num), row.h, row.t, row.l, textOrNull(row.cus),
                          textOrNull(row.codeins), now});
    db.execRows(QStringLiteral("INSERT INTO %1 (num,h,t,l,cus,codeins,tim) VALUES ").arg(table),
                QStringLiteral("(?,?,?,?,?,?,?)"), QString(), values);
}

BetBatch::BetBatch(Database& book, qint64 expectedRows) : book_(book), session_(book) {
    cut::suspendSums(book_);
    rebuildIndexes_ = expectedRows >= kBulkRows;
    if (rebuildIndexes_) {
        for (const QString& drop : schema::dropEnteredIndexes())
            book_.exec(drop);
    }
}

void BetBatch::add(const BetRow& row, bool entered) {
    book_rows_.push_back(row);
    ++rows_;
    const QString kind = row.codeins.isNull() ? QString(QLatin1String("")) : row.codeins;
    const QString num = row.num.isNull() ? QString(QLatin1String("")) : row.num;
    for (Sums* sums : {&byNumber_[{kind, num}], &byKind_[kind]}) {
        sums->stakes[0] += row.h;
        sums->stakes[1] += row.t;
        sums->stakes[2] += row.l;
        ++sums->n;
        if (!row.num.isNull())
            ++sums->counted;
    }
    if (book_rows_.size() >= kBuffered)
        flush(QStringLiteral("tball"), book_rows_);
    if (entered)
        addEntered(row);
}

void BetBatch::addEntered(const BetRow& row) {
    entered_rows_.push_back(row);
    if (entered_rows_.size() >= kBuffered)
        flush(QStringLiteral("tballcus"), entered_rows_);
}

void BetBatch::flush(const QString& table, QVector<BetRow>& rows) {
    insertBetRows(book_, table, rows, session_.now());
    rows.clear();
}

void BetBatch::log(qint64 lines) {
    book_.exec(QStringLiteral("INSERT INTO tblog (s) VALUES (?)"), {QString::number(lines)});
}

void BetBatch::writeSums() {
    const QString update = QStringLiteral("h = %1.h + excluded.h, t = %1.t + excluded.t, l = "
                                          "%1.l + excluded.l, n = %1.n + excluded.n");
    QVector<QVariantList> numbers;
    numbers.reserve(byNumber_.size());
    for (auto it = byNumber_.cbegin(); it != byNumber_.cend(); ++it)
        numbers.push_back(
            {it.key().first, it.key().second, it->stakes[0], it->stakes[1], it->stakes[2], it->n});
    book_.execRows(QStringLiteral("INSERT INTO tbtotals (codeins, num, h, t, l, n) VALUES "),
                   QStringLiteral("(?,?,?,?,?,?)"),
                   QStringLiteral(" ON CONFLICT (codeins, num) DO UPDATE SET ") +
                       update.arg(QStringLiteral("tbtotals")),
                   numbers);
    QVector<QVariantList> kinds;
    for (auto it = byKind_.cbegin(); it != byKind_.cend(); ++it)
        kinds.push_back(
            {it.key(), it->stakes[0], it->stakes[1], it->stakes[2], it->n, it->counted});
    book_.execRows(QStringLiteral("INSERT INTO tbkind (codeins, h, t, l, n, cnum) VALUES "),
                   QStringLiteral("(?,?,?,?,?,?)"),
                   QStringLiteral(" ON CONFLICT (codeins) DO UPDATE SET ") +
                       update.arg(QStringLiteral("tbkind")) +
                       QStringLiteral(", cnum = tbkind.cnum + excluded.cnum"),
                   kinds);
}

void BetBatch::commit() {
    flush(QStringLiteral("tball"), book_rows_);
    flush(QStringLiteral("tballcus"), entered_rows_);
    writeSums();
    if (rebuildIndexes_) {
        for (const QString& index : schema::enteredIndexes())
            book_.exec(index);
    }
    cut::resumeSums(book_);
    session_.commit();
}
