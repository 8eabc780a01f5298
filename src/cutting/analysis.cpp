#include "cutting/analysis.h"

#include "common/cutsession.h"
#include "cutting/kindcut.h"
#include "store/database.h"

#include <QSqlQuery>
#include <cmath>

namespace analysis {

namespace {

// Rewrites the kind's sent rows with their rounded amounts.
void roundSent(Database& book, Kind kind, Rounding rounding) {
    const QString table = cut::sentTable(kind);
    const QString column = stakeColumn(kind);
    QSqlQuery query =
        book.exec(QStringLiteral("SELECT num, %1, rep FROM %2 ORDER BY num").arg(column, table));
    QVariantList rows;
    while (query.next())
        rows << query.value(0) << rounded(query.value(1).toDouble(), rounding) << query.value(2);
    book.exec(QStringLiteral("DELETE FROM ") + table);
    const int perStatement = 300;
    for (int first = 0; first < rows.size(); first += 3 * perStatement) {
        const QVariantList part = rows.mid(first, 3 * perStatement);
        QStringList values;
        for (int i = 0; i < part.size(); i += 3)
            values << QStringLiteral("(?, ?, ?)");
        book.exec(QStringLiteral("INSERT INTO %1 (num, %2, rep) VALUES %3")
                      .arg(table, column, values.join(QLatin1Char(','))),
                  part);
    }
}

QString whole(qint64 value) {
    return QString::number(value);
}

// VB's Int: the largest whole number not above the value.
qint64 floorOf(double value) {
    return static_cast<qint64>(std::floor(value));
}

Outcome outcomeOf(double left, const char* which) {
    const QString start =
        QStringLiteral("ความน่าจะเป็นจากเงิน") + QString::fromUtf8(which) + QStringLiteral("ที่เก็บคือ");
    Outcome outcome;
    if (left > 0) {
        outcome.kind = Outcome::profit;
        outcome.text = start + QStringLiteral("กำไร=") + whole(floorOf(left));
    } else if (left < 0) {
        outcome.kind = Outcome::loss;
        outcome.text = start + QStringLiteral("ขาดทุน=") + whole(floorOf(-left));
    } else {
        outcome.text = start + QStringLiteral("เท่าทุน=");
    }
    return outcome;
}

} // namespace

QStringList roundingCaptions() {
    return {QStringLiteral("5-10"), QStringLiteral("0-10"), QStringLiteral("50-100"),
            QStringLiteral("0-100")};
}

QString roundingText(Rounding rounding) {
    if (rounding == Rounding::none)
        return QString();
    return QStringLiteral("ปัดเศษ") + roundingCaptions().at(static_cast<int>(rounding) - 1);
}

double rounded(double amount, Rounding rounding) {
    if (rounding == Rounding::none || !std::isfinite(amount) || amount <= 0)
        return amount;
    // A fraction (after halving) goes up to the whole baht, so no rounding lowers an amount
    // that it would not lower whole.
    const double up = std::ceil(amount - 1e-9);
    const bool twoDigits = rounding == Rounding::up50 || rounding == Rounding::near100;
    const int base = twoDigits ? 100 : 10;
    const int half = base / 2;
    const int w = static_cast<int>(std::fmod(up, base));
    if (w == 0 || w == half)
        return up;
    if (w > half)
        return up + (base - w);
    const bool upward = rounding == Rounding::up5 || rounding == Rounding::up50;
    return upward ? up + (half - w) : up - w;
}

bool hasSecondSent(Kind kind) {
    switch (kind) {
    case Kind::h3:
    case Kind::t3:
    case Kind::l3:
    case Kind::h2:
    case Kind::l2:
    case Kind::t2:
        return true;
    default:
        return false;
    }
}

bool hasRounding(Kind kind) {
    return hasSecondSent(kind) && kind != Kind::t2;
}

bool hasFight(Kind kind) {
    return kind == Kind::h3 || kind == Kind::l3 || kind == Kind::l2;
}

QString secondSentTable(Kind kind) {
    return cut::sentTable(kind) + QLatin1Char('2');
}

int numberSpace(Kind kind) {
    switch (kind) {
    case Kind::h3:
    case Kind::l3:
        return 1000;
    case Kind::t3:
        return 220;
    case Kind::h2:
    case Kind::l2:
    case Kind::t2:
        return 100;
    case Kind::h1:
    case Kind::l1:
        return 10;
    case Kind::h4:
        return 10000;
    case Kind::h5:
        return 100000;
    }
    return 1;
}

std::array<qint64, kKindCount> payRates(Database& book) {
    return cut::wholeRow(book, QStringLiteral("change"));
}

std::array<qint64, kKindCount> discountPercents(Database& book) {
    return cut::wholeRow(book, QStringLiteral("change3"));
}

std::array<qint64, kKindCount> useCustomerAverages(Database& book) {
    static const char* const kColumns[kKindCount] = {"c3hp", "c3tp", "c3lp", "c2hp", "c2lp",
                                                     "c2tp", "c1hp", "c1lp", "c4hp", "c5hp"};
    QStringList averages;
    for (const char* column : kColumns)
        averages << QStringLiteral("avg(%1)").arg(QLatin1String(column));
    QSqlQuery query =
        book.exec(QStringLiteral("SELECT ") + averages.join(QLatin1Char(',')) + " FROM cus");
    std::array<qint64, kKindCount> values{};
    QStringList sets;
    QVariantList binds;
    const bool read = query.next();
    int i = 0;
    for (Kind kind : listingOrder()) {
        const double average = read ? query.value(i++).toDouble() : 0;
        const qint64 value = std::isfinite(average) ? static_cast<qint64>(average) : 0;
        values[static_cast<size_t>(kind)] = value;
        sets << kindCode(kind) + QStringLiteral(" = ?");
        binds << QString::number(value);
    }
    query.finish();
    Transaction transaction(book);
    book.exec(QStringLiteral("UPDATE change3 SET ") + sets.join(QStringLiteral(", ")), binds);
    transaction.commit();
    return values;
}

Statistics statistics(Database& book, Kind kind) {
    const QString column = stakeColumn(kind);
    QSqlQuery query = book.exec(QStringLiteral("SELECT min(%1), max(%1), avg(%1) FROM %2")
                                    .arg(column, cut::totalsView(kind)));
    Statistics statistics;
    if (query.next()) {
        statistics.lowest = query.value(0).toDouble();
        statistics.highest = query.value(1).toDouble();
        const double average = query.value(2).toDouble();
        statistics.average = std::isfinite(average) ? static_cast<qint64>(average) : 0;
    }
    return statistics;
}

double kindSum(Database& book, Kind kind) {
    return book
        .scalar(QStringLiteral("SELECT coalesce(sum(%1), 0) FROM %2")
                    .arg(stakeColumn(kind), cut::totalsView(kind)))
        .toDouble();
}

std::optional<Fight> fight(double sum, qint64 discount, qint64 capital, qint64 rate) {
    if (rate <= 0)
        return std::nullopt;
    Fight result;
    result.net = floorOf(sum - sum * discount / 100.0);
    result.keep = floorOf(static_cast<double>(result.net + capital) / rate);
    return result;
}

void trialCut(Database& book, const TrialCut& job) {
    cut::Session session(book);
    cut::divideTotals(book, job.kind, cut::Keep{job.keep, false}, job.fiftyPercent);
    if (hasSecondSent(job.kind)) {
        // The sent amounts of the numbers that have no per-number limit.
        const QString second = secondSentTable(job.kind);
        const QString column = stakeColumn(job.kind);
        book.exec(QStringLiteral("DELETE FROM ") + second);
        book.exec(QStringLiteral("INSERT INTO %1 (num, %2, rep) SELECT s.num, s.%2, CAST(s.rep AS "
                                 "TEXT) FROM %3 s WHERE s.%2 <> 0 AND NOT EXISTS (SELECT 1 FROM "
                                 "numlimit n WHERE n.codeins = ? AND n.num = s.num) ORDER BY "
                                 "s.num")
                      .arg(second, column, cut::sentTable(job.kind)),
                  {kindCode(job.kind)});
    }
    if (job.rounding != Rounding::none && hasRounding(job.kind))
        roundSent(book, job.kind, job.rounding);
    session.commit();
}

void halveSent(Database& book, Kind kind, bool second) {
    cut::Session session(book);
    QStringList tables{cut::sentTable(kind)};
    if (second && hasSecondSent(kind))
        tables << secondSentTable(kind);
    for (const QString& table : tables)
        book.exec(QStringLiteral("UPDATE %1 SET %2 = %2 / 2.0 WHERE %2 > 0")
                      .arg(table, stakeColumn(kind)));
    session.commit();
}

KeptFigures keptFigures(Database& book, Kind kind) {
    QSqlQuery query =
        book.exec(QStringLiteral("SELECT count(*), max(%1), min(%1), coalesce(sum(%1), 0) FROM %2")
                      .arg(stakeColumn(kind), cut::keptTable(kind)));
    KeptFigures figures;
    if (query.next()) {
        figures.count = query.value(0).toInt();
        // Whole numbers, halves to the even neighbour.
        figures.largest = static_cast<qint64>(std::rint(query.value(1).toDouble()));
        figures.smallest = static_cast<qint64>(std::rint(query.value(2).toDouble()));
        figures.sum = query.value(3).toDouble();
    }
    return figures;
}

Result result(const KeptFigures& figures, Kind kind, qint64 rate, std::optional<qint64> discount,
              const QString& keepText) {
    Result shown;
    shown.title = QStringLiteral("ผลการวิเคราะห์การตัดยอดที่") + keepText;
    const QString risk = QStringLiteral("โดยมีความเสี่ยง=") +
                         whole(static_cast<qint64>(figures.count) * 100 / numberSpace(kind)) +
                         QLatin1Char('%');
    const double payLargest = static_cast<double>(rate) * figures.largest;
    const double paySmallest = static_cast<double>(rate) * figures.smallest;
    shown.largest = QStringLiteral("ความน่าจะเป็นสูงสุดที่ต้องจ่าย=") + whole(floorOf(payLargest)) + risk;
    shown.smallest = QStringLiteral("ความน่าจะเป็นต่ำสุดที่ต้องจ่าย=") + whole(floorOf(paySmallest)) + risk;
    double kept = figures.sum;
    if (discount) {
        kept = figures.sum - figures.sum * *discount / 100.0;
        shown.kept = QStringLiteral("ยอดรวมที่เก็บไว้หลังจากหัก") + whole(*discount) +
                     QStringLiteral("%=") + whole(floorOf(kept));
    } else {
        shown.kept = QStringLiteral("ยอดรวมที่เก็บไว้=") + figureText(figures.sum);
    }
    shown.atLargest = outcomeOf(kept - payLargest, "สูงสุด");
    shown.atSmallest = outcomeOf(kept - paySmallest, "ต่ำสุด");
    return shown;
}

QString figureText(double value) {
    if (std::isfinite(value) && value == std::floor(value) && std::fabs(value) < 1e15)
        return QString::number(static_cast<qint64>(value));
    QString text = QString::number(value, 'f', 2);
    while (text.endsWith(QLatin1Char('0')))
        text.chop(1);
    if (text.endsWith(QLatin1Char('.')))
        text.chop(1);
    return text;
}

} // namespace analysis
