#pragma once

#include "printing/report.h"
#include "reports/customerviews.h"

class Desk;

namespace customerviews {

// The stakes of a customer or of everybody: three newspaper columns of number, top, tod and
// bottom; the kind figures two to a line and the sum of every stake after the last row; the
// page as "หน้าที่ n/m".
printing::Report report(const Listing& listing);
// One customer's lines in entry order, on a portrait page without totals; numbered first, or
// after the stakes as the lists of the whole book show it.
printing::Report entryOrderReport(const QString& heading, const QVector<Entered>& lines,
                                  bool numberFirst = true);
// The whole book in entry order, and the rows this station has sent, from the own book.
void showBookOrder(Desk& desk);
void showSentOrder(Desk& desk);

// Everybody's remaining stakes with every figure, as the entry form's grand total opens them.
void showRemaining(Desk& desk);

} // namespace customerviews
