#include "settlement/accounts.h"

#include "common/customerbook.h"
#include "store/amounts.h"
#include "store/database.h"

#include <QHash>
#include <QSqlQuery>
#include <algorithm>
#include <cmath>

namespace accounts {

namespace {

// A stored amount as a whole number, halves to even; an amount too large to settle is refused
// rather than wrapped.
qint64 whole(const QVariant& value, const QString& cusid) {
    const double amount = value.toDouble();
    if (!inAmountRange(amount))
        throw StoreError(QStringLiteral("ยอดของลูกค้า ") + cusid +
                         QStringLiteral(" มากเกินกว่าจะคำนวณได้ กรุณาตรวจสอบ"));
    return static_cast<qint64>(std::nearbyint(amount));
}

qint64 sum(const PerKind& amounts, const QString& cusid) {
    qint64 total = 0;
    for (qint64 amount : amounts) {
        if (__builtin_add_overflow(total, amount, &total))
            throw StoreError(QStringLiteral("ยอดของลูกค้า ") + cusid +
                             QStringLiteral(" มากเกินกว่าจะคำนวณได้ กรุณาตรวจสอบ"));
    }
    return total;
}

// The ten percents of every customer by code; a row whose code is not yet its name is found
// by the name too.
QHash<QString, PerKind> percentsByCode(Database& db) {
    const QStringList& columns = customerbook::percentColumns();
    QSqlQuery query =
        db.exec(QStringLiteral("SELECT id, name, %1 FROM cus").arg(columns.join(',')));
    QHash<QString, PerKind> byCode;
    QHash<QString, PerKind> byName;
    while (query.next()) {
        const QString id = query.value(0).toString();
        PerKind percents{};
        for (int k = 0; k < kKindCount; ++k)
            percents[static_cast<size_t>(k)] = whole(query.value(2 + k), id);
        byCode.insert(id, percents);
        byName.insert(query.value(1).toString(), percents);
    }
    for (auto it = byName.cbegin(); it != byName.cend(); ++it) {
        if (!byCode.contains(it.key()))
            byCode.insert(it.key(), it.value());
    }
    return byCode;
}

} // namespace

qint64 discountOf(qint64 stake, qint64 percent) {
    qint64 product = 0;
    if (__builtin_mul_overflow(stake, percent, &product))
        throw StoreError(QStringLiteral("ส่วนลดมากเกินกว่าจะคำนวณได้ กรุณาตรวจสอบ"));
    qint64 quotient = product / 100;
    const qint64 rest = product % 100; // takes the sign of the product
    const qint64 twice = 2 * (rest < 0 ? -rest : rest);
    const qint64 away = product < 0 ? -1 : 1;
    if (twice > 100 || (twice == 100 && quotient % 2 != 0))
        quotient += away;
    return quotient;
}

QVector<Account> buildAccounts(Database& db) {
    QHash<QString, Account> byCode;
    const auto& kinds = listingOrder();
    for (int k = 0; k < kKindCount; ++k) {
        const Kind kind = kinds[static_cast<size_t>(k)];
        // The kind's lines of listed customers, as its per-customer view holds them; grouped
        // first and joined after, over the index of the lines by kind and customer (the view
        // itself is ordered by entry and would be sorted once per kind).
        QSqlQuery query =
            db.exec(QStringLiteral(
                        "SELECT g.cus, c.name, g.stake FROM (SELECT cus, sum(%1) AS stake FROM "
                        "tballcus WHERE codeins = ? GROUP BY cus) g JOIN cus c ON c.name = g.cus")
                        .arg(stakeColumn(kind)),
                    {kindCode(kind)});
        while (query.next()) {
            const QString cusid = query.value(0).toString();
            Account& account = byCode[cusid];
            if (account.cusid.isNull()) {
                account.cusid = cusid;
                account.name = query.value(1).toString();
            }
            account.stakes[static_cast<size_t>(k)] = whole(query.value(2), cusid);
        }
    }

    const QHash<QString, PerKind> percents = percentsByCode(db);
    QVector<Account> result;
    result.reserve(byCode.size());
    for (Account& account : byCode) {
        account.percents = percents.value(account.cusid);
        for (size_t k = 0; k < account.stakes.size(); ++k)
            account.discounts[k] = discountOf(account.stakes[k], account.percents[k]);
        account.total = sum(account.stakes, account.cusid);
        account.discount = sum(account.discounts, account.cusid);
        if (__builtin_sub_overflow(account.total, account.discount, &account.toCollect))
            throw StoreError(QStringLiteral("ยอดของลูกค้า ") + account.cusid +
                             QStringLiteral(" มากเกินกว่าจะคำนวณได้ กรุณาตรวจสอบ"));
        result.push_back(std::move(account));
    }
    // By code as text, the same on either engine whatever its collation.
    std::sort(result.begin(), result.end(),
              [](const Account& a, const Account& b) { return a.cusid < b.cusid; });
    return result;
}

std::optional<Account> accountOf(const QVector<Account>& accounts, const QString& cusid) {
    const auto found = std::lower_bound(
        accounts.begin(), accounts.end(), cusid,
        [](const Account& account, const QString& code) { return account.cusid < code; });
    if (found == accounts.end() || found->cusid != cusid)
        return std::nullopt;
    return *found;
}

} // namespace accounts
