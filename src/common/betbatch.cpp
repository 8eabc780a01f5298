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

qint64 BetBatch::insertSelected(const QString& table, const QString& select,
                                const QVariantList& binds) {
    return book_
        .exec(QStringLiteral("INSERT INTO %1 (num,h,t,l,cus,codeins,tim) SELECT s.num, s.h, s.t, "
                             "s.l, s.cus, s.codeins, ? FROM (%2) s ORDER BY s.k")
                  .arg(table, select),
              QVariantList{session_.now()} + binds)
        .numRowsAffected();
}

qint64 BetBatch::addSelected(const QString& select, const QVariantList& binds, bool entered) {
    // Rows buffered before stay before these.
    flush(QStringLiteral("tball"), book_rows_);
    flush(QStringLiteral("tballcus"), entered_rows_);
    const qint64 after =
        book_.scalar(QStringLiteral("SELECT coalesce(max(id), 0) FROM tball")).toLongLong();
    const qint64 written = insertSelected(QStringLiteral("tball"), select, binds);
    if (written == 0)
        return 0;
    if (entered)
        book_.exec(QStringLiteral("INSERT INTO tballcus (num,h,t,l,cus,codeins,tim) SELECT num, h, "
                                  "t, l, cus, codeins, tim FROM tball WHERE id > ? ORDER BY id"),
                   {after});
    const qint64 last =
        book_.scalar(QStringLiteral("SELECT max(id) FROM tball")).toLongLong();
    // One pass over the rows of many statements in a row.
    if (!selected_.isEmpty() && selected_.last().second == after)
        selected_.last().second = last;
    else
        selected_.push_back({after, last});
    rows_ += written;
    return written;
}

qint64 BetBatch::addEnteredSelected(const QString& select, const QVariantList& binds) {
    flush(QStringLiteral("tballcus"), entered_rows_);
    return insertSelected(QStringLiteral("tballcus"), select, binds);
}

void BetBatch::addRangeToSums(qint64 after, qint64 last) {
    // The rows are grouped by number once; the kinds' sums come from the groups.
    book_.exec(QStringLiteral("CREATE TEMP TABLE IF NOT EXISTS batchsums (codeins TEXT, num TEXT, "
                              "h DOUBLE PRECISION, t DOUBLE PRECISION, l DOUBLE "
                              "PRECISION, n BIGINT, cnum BIGINT)"));
    book_.exec(QStringLiteral("DELETE FROM batchsums"));
    book_.exec(QStringLiteral("INSERT INTO batchsums (codeins, num, h, t, l, n, cnum) SELECT "
                              "coalesce(codeins, ''), coalesce(num, ''), sum(coalesce(h, 0)), "
                              "sum(coalesce(t, 0)), sum(coalesce(l, 0)), count(*), count(num) FROM "
                              "tball WHERE id > ? AND id <= ? GROUP BY coalesce(codeins, ''), "
                              "coalesce(num, '')"),
               {after, last});
    const QString update = QStringLiteral("h = %1.h + excluded.h, t = %1.t + excluded.t, l = "
                                          "%1.l + excluded.l, n = %1.n + excluded.n");
    book_.exec(QStringLiteral("INSERT INTO tbtotals (codeins, num, h, t, l, n) SELECT codeins, num, "
                              "h, t, l, n FROM batchsums WHERE 1 = 1 ON CONFLICT (codeins, num) DO "
                              "UPDATE SET ") +
               update.arg(QStringLiteral("tbtotals")));
    book_.exec(QStringLiteral("INSERT INTO tbkind (codeins, h, t, l, n, cnum) SELECT codeins, "
                              "sum(h), sum(t), sum(l), sum(n), sum(cnum) FROM batchsums GROUP BY "
                              "codeins ON CONFLICT (codeins) DO UPDATE SET ") +
               update.arg(QStringLiteral("tbkind")) +
               QStringLiteral(", cnum = tbkind.cnum + excluded.cnum"));
    book_.exec(QStringLiteral("DELETE FROM batchsums"));
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
    for (const QPair<qint64, qint64>& range : selected_)
        addRangeToSums(range.first, range.second);
    if (rebuildIndexes_) {
        for (const QString& index : schema::enteredIndexes())
            book_.exec(index);
    }
    cut::resumeSums(book_);
    session_.commit();
}
