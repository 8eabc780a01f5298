#pragma once

#include "printing/report.h"
#include "reports/totalsviews.h"

class Desk;

namespace totals {

// A listing as the report prints it: number in bold, amount right-aligned ("=" between them
// for the running kinds), marks as read.
printing::Report report(const Listing& listing);

// Reads the view from the shared book and shows it in the preview; a book that cannot be read
// is said.
void show(Desk& desk, const QString& className, Mode mode = Mode::all, bool byAmount = false);

} // namespace totals
