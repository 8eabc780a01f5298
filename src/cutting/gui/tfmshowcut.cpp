#include "cutting/gui/tfmshowcut.h"

#include "common/desk.h"
#include "printing/gui/reportpreview.h"
#include "printing/layout.h"

Tfmshowcut::Tfmshowcut(Desk& desk, QObject* parent) : QObject(parent), desk_(desk) {
    setObjectName(QStringLiteral("Tfmshowcut"));
}

void Tfmshowcut::showKept(Kind kind) {
    show(kind, keptsent::Part::kept, false);
}

void Tfmshowcut::showSent(Kind kind, bool second, bool byAmount) {
    show(kind, second ? keptsent::Part::secondSent : keptsent::Part::sent, byAmount);
}

void Tfmshowcut::show(Kind kind, keptsent::Part part, bool byAmount) {
    const int mode = desk_.run().kindNamingMode;
    printing::ReportPreview::showRead(desk_, [=](Database& book) {
        const keptsent::Listing listing = keptsent::read(book, kind, part, byAmount, mode);
        return printing::ReportPreview::Shown{listing.title, report(listing, acrossFor(kind))};
    });
}

int Tfmshowcut::acrossFor(Kind kind) {
    return kind == Kind::h1 || kind == Kind::l1 ? 3 : 5;
}

printing::Report Tfmshowcut::report(const keptsent::Listing& listing, int across) {
    using namespace printing;
    Report r;
    r.heading = listing.title;
    r.across = across;
    r.columns = {{QStringLiteral("เลข"), 1, false}, {QStringLiteral("จำนวน"), 1.3, true}};
    r.rows.reserve(listing.lines.size());
    for (const keptsent::Line& line : listing.lines) {
        Row row;
        row.cells = {{line.num, bold}, {amountText(line.amount)}};
        row.amount = line.amount;
        r.rows.push_back(row);
    }
    r.summary << QStringLiteral("ยอดรวม=") + amountText(listing.total);
    return r;
}
