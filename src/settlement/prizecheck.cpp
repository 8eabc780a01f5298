#include "settlement/prizecheck.h"

#include "common/cutsession.h"
#include "store/database.h"
#include "store/kindrow.h"
#include "store/schema.h"

#include <cmath>

namespace prizecheck {

namespace {

// Reads the rows of a source that win, each with the times it wins.
template <typename Take>
void scanWinning(Database& db, const winning::Rule& rule, const QString& select,
                 const QString& where, QVariantList binds, Take take) {
    const winning::Filter filter = winning::filterOf(rule, db.engine());
    if (filter.nothing)
        return;
    QString sql = select;
    QStringList conditions;
    if (!where.isEmpty())
        conditions << where;
    if (!filter.sql.isEmpty()) {
        conditions << QStringLiteral("(") + filter.sql + QLatin1Char(')');
        binds += filter.binds;
    }
    if (!conditions.isEmpty())
        sql += QStringLiteral(" WHERE ") + conditions.join(QStringLiteral(" AND "));
    QSqlQuery q = db.exec(sql, binds);
    while (q.next()) {
        const int times = winning::weight(rule, q.value(0).toString());
        if (times > 0)
            take(q, times);
    }
}

qint64 wholeOfText(const QString& text) {
    bool ok = false;
    const double value = text.trimmed().toDouble(&ok);
    return ok ? roundedWhole(value) : 0;
}

} // namespace

const std::array<Kind, kKindCount>& rowOrder() {
    return listingOrder();
}

QString Result::totalCaption() const {
    if (total > 0)
        return QStringLiteral("กำไร=");
    if (total < 0)
        return QStringLiteral("ขาดทุน=");
    return QString();
}

qint64 roundedWhole(double value) {
    return static_cast<qint64>(std::nearbyint(value));
}

qint64 keptAfterDiscount(double sum, qint64 percent) {
    // In hundredths, so that the halves of a halved cut stay exact; split so that nothing
    // overflows, and cut toward zero on the magnitude.
    const qint64 hundredths = std::llround(sum * 100);
    const qint64 share = 100 - percent;
    const bool negative = (hundredths < 0) != (share < 0);
    const quint64 h = static_cast<quint64>(hundredths < 0 ? -hundredths : hundredths);
    const quint64 m = static_cast<quint64>(share < 0 ? -share : share);
    const quint64 kept = (h / 10000) * m + (h % 10000) * m / 10000;
    return negative ? -static_cast<qint64>(kept) : static_cast<qint64>(kept);
}

Result check(Database& db, const Draw& draw, const std::array<qint64, kKindCount>& percents,
             int mode) {
    const QStringList rates = kindrow::read(db, QStringLiteral("change"));
    Result result;
    for (int row = 0; row < kKindCount; ++row) {
        const Kind kind = rowOrder()[static_cast<size_t>(row)];
        const QString table = cut::keptTable(kind);
        const QString stake = stakeColumn(kind);
        KindResult& r = result.rows[static_cast<size_t>(row)];
        r.kind = kind;

        const winning::Rule rule = winning::ruleOf(kind, mode, draw);
        double winning = 0;
        scanWinning(db, rule, QStringLiteral("SELECT num, %1 FROM %2").arg(stake, table), {}, {},
                    [&](const QSqlQuery& q, int times) {
                        r.won = true;
                        winning += q.value(1).toDouble() * times;
                    });
        const int index = static_cast<int>(kind);
        const qint64 rate = index < rates.size() ? wholeOfText(rates[index]) : 0;
        if (r.won) {
            r.winningStake = roundedWhole(winning);
            r.paid = r.winningStake * rate;
            r.caption = winning::winText(kind, mode) + QString::number(r.winningStake);
        } else {
            r.caption = winning::noWinText(kind, mode);
        }
        const double sum =
            db.scalar(QStringLiteral("SELECT coalesce(sum(%1), 0) FROM %2").arg(stake, table))
                .toDouble();
        r.kept = keptAfterDiscount(sum, percents[static_cast<size_t>(row)]);
        r.net = r.kept - r.paid;
        result.total += r.net;
    }
    return result;
}

Percent percentOf(const QString& typed) {
    Percent percent;
    bool ok = false;
    percent.value = typed.trimmed().toLongLong(&ok);
    if (!ok)
        percent.fault = QStringLiteral("ต้องเป็นตัวเลขจำนวนเต็ม");
    else if (percent.value < 0 || percent.value > 100)
        percent.fault = QStringLiteral("ต้องอยู่ระหว่าง 0 ถึง 100");
    return percent;
}

std::array<QString, kKindCount> storedPercents(Database& db) {
    const QStringList stored = kindrow::read(db, QStringLiteral("change3"));
    std::array<QString, kKindCount> shown;
    for (int row = 0; row < kKindCount; ++row) {
        const int index = static_cast<int>(rowOrder()[static_cast<size_t>(row)]);
        shown[static_cast<size_t>(row)] = index < stored.size() ? stored[index] : QString();
    }
    return shown;
}

void storePercents(Database& db, const std::array<qint64, kKindCount>& percents) {
    QStringList sets;
    QVariantList values;
    for (int row = 0; row < kKindCount; ++row) {
        sets << kindCode(rowOrder()[static_cast<size_t>(row)]) + QStringLiteral(" = ?");
        values << QString::number(percents[static_cast<size_t>(row)]);
    }
    db.exec(QStringLiteral("UPDATE change3 SET ") + sets.join(QStringLiteral(", ")), values);
}

std::array<QString, kKindCount> averagePercents(Database& db) {
    QStringList averages;
    for (Kind kind : rowOrder())
        averages << QStringLiteral("avg(%1)").arg(schema::percentColumn(kind));
    QSqlQuery q = db.exec(QStringLiteral("SELECT ") + averages.join(QStringLiteral(", ")) +
                          QStringLiteral(" FROM cus"));
    std::array<QString, kKindCount> shown;
    if (q.next()) {
        for (int row = 0; row < kKindCount; ++row) {
            if (!q.value(row).isNull())
                shown[static_cast<size_t>(row)] =
                    QString::number(roundedWhole(q.value(row).toDouble()));
        }
    }
    return shown;
}

void keepAllCurrent(Database& db) {
    cut::Session session(db);
    for (Kind kind : rowOrder()) {
        const QString table = cut::keptTable(kind);
        const QString stake = stakeColumn(kind);
        db.exec(QStringLiteral("DELETE FROM %1").arg(table));
        db.exec(QStringLiteral("INSERT INTO %1 (num, %2) SELECT num, %2 FROM %3")
                    .arg(table, stake, cut::totalsView(kind)));
    }
    session.commit();
}

QVector<WinningLine> winners(Database& db, const winning::Rule& rule) {
    const QString code = kindCode(rule.kind);
    const QString select = QStringLiteral("SELECT num, name, cus, h, ch3, thai, %1 FROM %2cus")
                               .arg(schema::percentColumn(rule.kind), code);
    QVector<WinningLine> lines;
    scanWinning(db, rule, select, {}, {}, [&lines](const QSqlQuery& q, int times) {
        WinningLine line;
        line.num = q.value(0).toString();
        line.name = q.value(1).toString();
        line.cus = q.value(2).toString();
        line.stake = q.value(3).toDouble();
        line.rate = q.value(4).toLongLong();
        line.percent = roundedWhole(q.value(6).toDouble());
        line.caption = q.value(5).toString();
        for (int i = 0; i < times; ++i)
            lines.push_back(line);
    });
    return lines;
}

} // namespace prizecheck
