#include "settlement/gui/winnersreport.h"

#include "printing/gui/reportpreview.h"
#include "printing/layout.h"
#include "ui/dialogs.h"

namespace winnersreport {

printing::Report report(Kind kind, const QVector<prizecheck::WinningLine>& lines) {
    using namespace printing;
    Report r;
    r.heading = QString::fromUtf8(kindInfo(kind).caption);
    r.orientation = Orientation::portrait;
    r.columns = {{QStringLiteral("ชื่อ"), 2, false},
                 {QStringLiteral("เลข"), 1, false},
                 {QStringLiteral("จำนวน"), 1, true},
                 {QStringLiteral("ราคาต่อตัว"), 1, true},
                 {QStringLiteral("จำนวนที่จ่าย"), 1.4, true}};
    r.rows.reserve(lines.size());
    for (const prizecheck::WinningLine& line : lines) {
        Row row;
        row.cells = {{line.name},
                     {line.num, bold},
                     {amountText(line.stake)},
                     {QString::number(line.rate)},
                     {QString::number(line.pays())}};
        row.amount = static_cast<double>(line.pays());
        r.rows.push_back(row);
    }
    return r;
}

void show(Desk& desk, Database& db, Kind kind, const winning::Rule& rule) {
    printing::Report shown;
    try {
        shown = report(kind, prizecheck::winners(db, rule));
    } catch (const StoreError& error) {
        Dialogs::warning(nullptr, error.message());
        return;
    }
    printing::ReportPreview::show(desk, shown, shown.heading);
}

} // namespace winnersreport
