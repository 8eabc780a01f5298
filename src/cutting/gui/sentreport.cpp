#include "cutting/gui/sentreport.h"

#include "printing/gui/reportpreview.h"
#include "printing/layout.h"

namespace cutlog {

printing::Report report(const SentListing& listing) {
    using namespace printing;
    Report r;
    r.heading = listing.title;
    r.across = 3;
    r.columns = {{QStringLiteral("เลข"), 1, false},
                 {QStringLiteral("บน"), 1, true},
                 {QStringLiteral("โต๊ด"), 1, true},
                 {QStringLiteral("ล่าง"), 1, true}};
    r.rows.reserve(listing.lines.size());
    for (const SentLine& line : listing.lines) {
        Row row;
        row.cells = {
            {line.num, bold}, {amountText(line.h)}, {amountText(line.t)}, {amountText(line.l)}};
        row.amount = line.h + line.t + line.l;
        r.rows.push_back(row);
    }
    return r;
}

void show(Desk& desk, const SentListing& listing) {
    printing::ReportPreview::show(desk, report(listing), listing.title);
}

void showCumulative(Desk& desk) {
    printing::ReportPreview::showRead(desk, [](Database& db) {
        const SentListing listing = cumulativeLog(db);
        return printing::ReportPreview::Shown{listing.title, report(listing)};
    });
}

} // namespace cutlog
