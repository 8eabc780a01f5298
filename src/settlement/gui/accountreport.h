#pragma once

#include "printing/report.h"
#include "settlement/accounts.h"

// The accounts as printed: everybody's discounts, and the account of one customer.
namespace accounts {

// One ruled line per account in the given order: the name, the ten discounts, the total, the
// discount and the amount to collect, with the running sum of the last in the footer.
printing::Report discountReport(const QVector<Account>& accounts, int namingMode);
// The four lines of one account (stakes, percents, discounts, what is paid) and its summary.
printing::Report accountReport(const Account& account, int namingMode);

} // namespace accounts
