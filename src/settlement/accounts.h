#pragma once

#include "store/kinds.h"

#include <QString>
#include <QVector>
#include <array>
#include <optional>

class Database;

// The customers' accounts: per kind what a customer staked, his discount percent and the
// discount it gives, and what is left to collect from him. Built in memory from the entered
// lines, so two computers asking at once each get their own.
namespace accounts {

// Amounts per kind in listing order (h3 t3 l3 h2 l2 t2 h1 l1 h4 h5).
using PerKind = std::array<qint64, kKindCount>;

struct Account {
    QString cusid, name;
    PerKind stakes{}, percents{}, discounts{};
    qint64 total = 0;     // every stake
    qint64 discount = 0;  // every discount
    qint64 toCollect = 0; // total less discount
};

// The discount of a whole stake at a whole percent: stake x percent / 100 rounded to the
// nearest whole, halves to even, as a whole-number column of the book stores it.
qint64 discountOf(qint64 stake, qint64 percent);

// One account per customer of the list who has entered lines, sorted by code. Lines of a name
// that is no customer count for nobody. Throws StoreError.
QVector<Account> buildAccounts(Database& db);
// The account of one customer code in accounts as built above; none when he has no lines.
std::optional<Account> accountOf(const QVector<Account>& accounts, const QString& cusid);

} // namespace accounts
