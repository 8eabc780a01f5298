#include "reports/gui/totalsreport.h"

#include "common/desk.h"
#include "common/settings.h"
#include "printing/gui/reportpreview.h"
#include "printing/layout.h"
#include "store/database.h"
#include "ui/dialogs.h"

namespace totals {

printing::Report report(const Listing& listing) {
    using namespace printing;
    Report r;
    r.heading = listing.heading;
    r.across = listing.across;
    const Column number{QStringLiteral("เลข"), 1, false};
    const Column amount{QStringLiteral("จำนวน"), 1.3, true};
    if (listing.pair)
        r.columns = {number, {QStringLiteral("บน"), 1.2, true}, {QStringLiteral("โต๊ด"), 1.2, true}};
    else if (listing.running)
        r.columns = {number, {QString(), 0.3, false}, amount};
    else
        r.columns = {number, amount};
    r.rows.reserve(listing.lines.size());
    for (const Line& line : listing.lines) {
        Row row;
        unsigned marks = bold;
        if (line.numberOver)
            marks |= underline;
        if (line.closed)
            marks |= blueUnderline;
        row.cells.push_back({line.num, marks});
        if (listing.running)
            row.cells.push_back({QStringLiteral("=")});
        row.cells.push_back({amountText(line.amount), line.amountOver ? redUnderline : plain});
        if (listing.pair)
            row.cells.push_back(
                {amountText(line.amount2), line.amount2Over ? redUnderline : plain});
        row.amount = line.amount + line.amount2;
        r.rows.push_back(row);
    }
    return r;
}

void show(Desk& desk, const QString& className, Mode mode, bool byAmount) {
    const View* found = view(className);
    if (!found)
        return;
    Request request;
    request.view = found;
    request.mode = mode;
    request.byAmount = byAmount;
    request.namingMode = desk.run().kindNamingMode;
    printing::ReportPreview::showRead(desk, [&request](Database& db) {
        const SettingsRecord settings(db);
        request.redWarning = settings.redWarning();
        request.watchNumbers = settings.watchNumbers();
        const Listing listing = read(db, request);
        return printing::ReportPreview::Shown{listing.caption, report(listing)};
    });
}

} // namespace totals
