#pragma once

#include "cutting/cutlog.h"
#include "printing/report.h"

class Desk;

namespace cutlog {

// Sent amounts in three newspaper columns of number, top, tod and bottom; the footer sums all
// three.
printing::Report report(const SentListing& listing);
// Shows it in the preview, titled by its heading.
void show(Desk& desk, const SentListing& listing);
// Every cut's sent amounts from the shared book ("สรุปยอดส่งรวมสะสม").
void showCumulative(Desk& desk);

} // namespace cutlog
