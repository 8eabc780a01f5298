#include "common/betbatch.h"

#include "store/database.h"

namespace {
// Rows per statement: a statement of a few hundred rows costs more per row to prepare and
// bind, and on a server each statement is a round trip.
constexpr int kRowsPerInsert = 32;
constexpr int kBuffered = 512;

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
    for (int first = 0; first < rows.size(); first += kRowsPerInsert) {
        const int count = qMin(kRowsPerInsert, int(rows.size()) - first);
        QStringList values;
        QVariantList binds;
        binds.reserve(count * 7);
        for (int i = first; i < first + count; ++i) {
            const BetRow& row = rows[i];
            values << QStringLiteral("(?,?,?,?,?,?,?)");
            binds << textOrNull(row.num) << row.h << row.t << row.l << textOrNull(row.cus)
                  << textOrNull(row.codeins) << now;
        }
        db.exec(QStringLiteral("INSERT INTO %1 (num,h,t,l,cus,codeins,tim) VALUES %2")
                    .arg(table, values.join(QLatin1Char(','))),
                binds);
    }
}

BetBatch::BetBatch(Database& book) : book_(book), session_(book) {
    cut::suspendSums(book_);
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
    QStringList values;
    QVariantList binds;
    auto flushNumbers = [&] {
        if (values.isEmpty())
            return;
        book_.exec(QStringLiteral("INSERT INTO tbtotals (codeins, num, h, t, l, n) VALUES %1 ON "
                                  "CONFLICT (codeins, num) DO UPDATE SET %2")
                       .arg(values.join(QLatin1Char(',')), update.arg(QStringLiteral("tbtotals"))),
                   binds);
        values.clear();
        binds.clear();
    };
    for (auto it = byNumber_.cbegin(); it != byNumber_.cend(); ++it) {
        values << QStringLiteral("(?,?,?,?,?,?)");
        binds << it.key().first << it.key().second << it->stakes[0] << it->stakes[1]
              << it->stakes[2] << it->n;
        if (values.size() >= 64)
            flushNumbers();
    }
    flushNumbers();
    for (auto it = byKind_.cbegin(); it != byKind_.cend(); ++it) {
        book_.exec(QStringLiteral("INSERT INTO tbkind (codeins, h, t, l, n, cnum) VALUES "
                                  "(?,?,?,?,?,?) ON CONFLICT (codeins) DO UPDATE SET %1, cnum = "
                                  "tbkind.cnum + excluded.cnum")
                       .arg(update.arg(QStringLiteral("tbkind"))),
                   {it.key(), it->stakes[0], it->stakes[1], it->stakes[2], it->n, it->counted});
    }
}

void BetBatch::commit() {
    flush(QStringLiteral("tball"), book_rows_);
    flush(QStringLiteral("tballcus"), entered_rows_);
    writeSums();
    cut::resumeSums(book_);
    session_.commit();
}
