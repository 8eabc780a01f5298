#include "spreading/spreadbook.h"

#include "common/batchinflight.h"
#include "common/cutsession.h"

#include <QMap>
#include <QSqlQuery>

namespace spread {

namespace {

// New lines written between two reports of the progress.
constexpr int kLinesPerStep = 256;
// Numbers per removal: each statement reads the whole of tball.
constexpr int kNumbersPerRemoval = 500;

QString marks(int count) {
    QStringList marks;
    for (int i = 0; i < count; ++i)
        marks << QStringLiteral("?");
    return marks.join(QLatin1Char(','));
}

// The stake in its kind's column, 0 in the other two: h, t, l.
QVariantList amounts(const Line& line) {
    const QString column = stakeColumn(line.kind);
    QVariantList out;
    for (const char* name : {"h", "t", "l"})
        out << (column == QLatin1String(name) ? line.stake : 0.0);
    return out;
}

void removeNumbers(Database& book, Kind kind, const QStringList& nums, bool everyNumber) {
    const QString code = kindCode(kind);
    if (everyNumber) {
        cut::removeLines(book, {code});
        book.exec(QStringLiteral("DELETE FROM tbtotals WHERE codeins = ?"), {code});
        book.exec(QStringLiteral("DELETE FROM tbkind WHERE codeins = ?"), {code});
        return;
    }
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

void insertLines(Database& book, const QVector<Line>& lines, const QString& now,
                 const std::function<void(int source)>& written) {
    const QStringList columns = {
        QStringLiteral("num"), QStringLiteral("h"),       QStringLiteral("t"),  QStringLiteral("l"),
        QStringLiteral("cus"), QStringLiteral("codeins"), QStringLiteral("tim")};
    for (int first = 0; first < lines.size(); first += kLinesPerStep) {
        const QVector<Line> part = lines.mid(first, kLinesPerStep);
        QVector<QVariantList> rows;
        for (const Line& line : part)
            rows.push_back(QVariantList{line.num} + amounts(line) +
                           QVariantList{line.customer, kindCode(line.kind), now});
        book.insertRows(QStringLiteral("tball"), columns, rows);
        if (written)
            written(part.last().source);
    }
}

// A number's or a kind's share of the new lines: its kind and number, the stakes together,
// and how many lines.
struct Sum {
    Line line;
    int count = 0;
};

void addTo(Sum& sum, const Line& line) {
    if (sum.count++ == 0)
        sum.line = line;
    else
        sum.line.stake += line.stake;
}

// The new lines added to the sums of their numbers and kinds.
void addToSums(Database& book, const QVector<Line>& lines) {
    QMap<QPair<int, QString>, Sum> numbers;
    QMap<int, Sum> kinds;
    for (const Line& line : lines) {
        addTo(numbers[{static_cast<int>(line.kind), line.num}], line);
        addTo(kinds[static_cast<int>(line.kind)], line);
    }
    QVector<QVariantList> rows;
    for (const Sum& sum : numbers)
        rows.push_back(QVariantList{kindCode(sum.line.kind), sum.line.num} + amounts(sum.line) +
                       QVariantList{sum.count});
    book.insertRows(QStringLiteral("tbtotals"),
                    {QStringLiteral("codeins"), QStringLiteral("num"), QStringLiteral("h"),
                     QStringLiteral("t"), QStringLiteral("l"), QStringLiteral("n")},
                    rows,
                    QStringLiteral("ON CONFLICT (codeins, num) DO UPDATE SET h = tbtotals.h + "
                                   "excluded.h, t = tbtotals.t + excluded.t, l = tbtotals.l + "
                                   "excluded.l, n = tbtotals.n + excluded.n"));
    for (const Sum& sum : kinds) {
        book.exec(QStringLiteral("INSERT INTO tbkind (codeins,h,t,l,n,cnum) VALUES (?,?,?,?,?,?) "
                                 "ON CONFLICT (codeins) DO UPDATE SET h = tbkind.h + excluded.h, "
                                 "t = tbkind.t + excluded.t, l = tbkind.l + excluded.l, n = "
                                 "tbkind.n + excluded.n, cnum = tbkind.cnum + excluded.cnum"),
                  QVariantList{kindCode(sum.line.kind)} + amounts(sum.line) +
                      QVariantList{sum.count, sum.count});
    }
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

void replaceLines(Database& book, Kind kind, const QStringList& nums, bool everyNumber,
                  const QVector<Line>& lines, const QString& now,
                  const std::function<void(int source)>& written) {
    if (nums.isEmpty() && !everyNumber && lines.isEmpty())
        return;
    inflight::refuseChange(book, QStringLiteral("codeins = ?"), {kindCode(kind)});
    cut::suspendSums(book);
    removeNumbers(book, kind, nums, everyNumber);
    insertLines(book, lines, now, written);
    addToSums(book, lines);
    cut::resumeSums(book);
}

} // namespace spread
