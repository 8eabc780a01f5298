#include "cutting/gui/keptpairreport.h"

#include "common/desk.h"
#include "printing/gui/reportpreview.h"
#include "printing/layout.h"
#include "store/database.h"
#include "ui/dialogs.h"

namespace keptpairs {

printing::Report report(Pair pair, const QVector<Line>& lines, Source source) {
    using namespace printing;
    const bool three = pair == Pair::topTod3;
    Report r;
    if (source == Source::kept)
        r.heading = three ? QStringLiteral("สรุปยอดเก็บ3ตัวบน+โต๊ด") : QStringLiteral("สรุปยอดเก็บ 2ตัวบน+ล่าง");
    else
        r.heading = three ? QStringLiteral("สรุปยอดส่ง3ตัวบน+โต๊ด") : QStringLiteral("สรุปยอดส่ง2ตัวบน+ล่าง");
    r.across = 4;
    r.columns = {{QStringLiteral("เลข"), 1, false},
                 {three ? QStringLiteral("ตรง") : QStringLiteral(" บน "), 1.2, true},
                 {three ? QStringLiteral("โต๊ด") : QStringLiteral(" ล่าง"), 1.2, true}};
    r.sumCaption = three ? QStringLiteral("ยอดรวมตรง=") : QStringLiteral(" ยอดรวมบน=");
    r.sumCaption2 = three ? QStringLiteral("ยอดรวมโต๊ด=") : QStringLiteral(" ยอดรวมล่าง =");
    r.rows.reserve(lines.size());
    for (const Line& line : lines) {
        Row row;
        row.cells = {{line.num, bold}, {amountText(line.first)}, {amountText(line.second)}};
        row.amount = line.first;
        row.amount2 = line.second;
        r.rows.push_back(row);
    }
    return r;
}

void show(Desk& desk, Pair pair, Source source) {
    printing::ReportPreview::showRead(desk, [pair, source](Database& db) {
        printing::Report shown = report(pair, read(db, pair, source), source);
        return printing::ReportPreview::Shown{shown.heading, shown};
    });
}

} // namespace keptpairs
