#include "spreading/spreadbook.h"

#include "common/cutsession.h"

#include <QSqlQuery>

namespace spread {

namespace {

// Rows per insert, as the entry form writes a line of many numbers.
constexpr int kRowsPerInsert = 32;
// Numbers per removal: each statement reads the whole of tball.
constexpr int kNumbersPerRemoval = 500;

QString marks(int count) {
    QStringList marks;
    for (int i = 0; i < count; ++i)
        marks << QStringLiteral("?");
    return marks.join(QLatin1Char(','));
}

} // namespace

QVector<Total> totalsOf(Database& book, Kind kind) {
    QSqlQuery query = book.exec(QStringLiteral("SELECT num, %1 FROM %2 ORDER BY num")
                                    .arg(stakeColumn(kind), cut::totalsView(kind)));
    QVector<Total> totals;
    while (query.next())
        totals.push_back({query.value(0).toString(), query.value(1).toDouble()});
    return totals;
}

void removeNumbers(Database& book, Kind kind, const QStringList& nums, bool everyNumber) {
    if (nums.isEmpty() && !everyNumber)
        return;
    const QString code = kindCode(kind);
    cut::suspendSums(book);
    if (everyNumber) {
        cut::removeLines(book, {code});
        book.exec(QStringLiteral("DELETE FROM tbtotals WHERE codeins = ?"), {code});
        book.exec(QStringLiteral("DELETE FROM tbkind WHERE codeins = ?"), {code});
    } else {
        for (int first = 0; first < nums.size(); first += kNumbersPerRemoval) {
            const QStringList part = nums.mid(first, kNumbersPerRemoval);
            QVariantList binds{code};
            for (const QString& num : part)
                binds << num;
            const QString in = marks(part.size());
            // The numbers' sums leave the kind's sums, then the numbers and their lines go.
            const QString of =
                QStringLiteral("FROM tbtotals WHERE codeins = ? AND num IN (%1)").arg(in);
            book.exec(QStringLiteral("UPDATE tbkind SET h = h - (SELECT coalesce(sum(h), 0) %1), "
                                     "t = t - (SELECT coalesce(sum(t), 0) %1), l = l - (SELECT "
                                     "coalesce(sum(l), 0) %1), n = n - (SELECT coalesce(sum(n), "
                                     "0) %1), cnum = cnum - (SELECT coalesce(sum(n), 0) %1) "
                                     "WHERE codeins = ?")
                          .arg(of),
                      binds + binds + binds + binds + binds + QVariantList{code});
            book.exec(QStringLiteral("DELETE ") + of, binds);
            book.exec(QStringLiteral("DELETE FROM tball WHERE codeins = ? AND num IN (%1)").arg(in),
                      binds);
        }
        book.exec(QStringLiteral("DELETE FROM tbkind WHERE codeins = ? AND n <= 0"), {code});
    }
    cut::resumeSums(book);
}

void writeLines(Database& book, const QVector<Line>& lines, const QString& now,
                const std::function<void(int source)>& written) {
    for (int first = 0; first < lines.size(); first += kRowsPerInsert) {
        QStringList rows;
        QVariantList binds;
        const QVector<Line> part = lines.mid(first, kRowsPerInsert);
        for (const Line& line : part) {
            const QString column = stakeColumn(line.kind);
            rows << QStringLiteral("(?,?,?,?,?,?,?)");
            binds << line.num << (column == QLatin1String("h") ? line.stake : 0.0)
                  << (column == QLatin1String("t") ? line.stake : 0.0)
                  << (column == QLatin1String("l") ? line.stake : 0.0) << line.customer
                  << kindCode(line.kind) << now;
        }
        book.exec(QStringLiteral("INSERT INTO tball (num,h,t,l,cus,codeins,tim) VALUES %1")
                      .arg(rows.join(QLatin1Char(','))),
                  binds);
        if (written)
            written(part.last().source);
    }
}

} // namespace spread
