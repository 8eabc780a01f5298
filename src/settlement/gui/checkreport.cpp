#include "settlement/gui/checkreport.h"

#include "common/desk.h"
#include "common/settings.h"
#include "printing/gui/reportpreview.h"
#include "printing/layout.h"

namespace checkreport {

printing::Report report(const Draw& draw, const prizecheck::Result& result, int mode) {
    using namespace printing;
    Report r;
    r.heading = QStringLiteral("ผลการตรวจรางวัล รางวัลที่1=%1 2ตัวล่าง=%2 3ตัวล่าง=%3")
                    .arg(draw.first, draw.bottom2,
                         QStringList{draw.bottom3.begin(), draw.bottom3.end()}.join(
                             QLatin1Char(' ')));
    r.orientation = Orientation::portrait;
    r.columns = {{QStringLiteral("ชนิด"), 1.1, false},
                 {QStringLiteral("ผลการตรวจ"), 1.6, false},
                 {QStringLiteral("ยอดที่เก็บ"), 1, true},
                 {QStringLiteral("ยอดที่จ่าย"), 1, true},
                 {QStringLiteral("สรุป"), 1, true}};
    r.footerSum = false;
    for (const prizecheck::KindResult& k : result.rows) {
        Row row;
        row.cells = {{prizecheck::rowCaption(k.kind, mode), bold},
                     {k.caption},
                     {amountText(k.kept)},
                     {amountText(k.paid)},
                     {amountText(k.net), k.net < 0 ? redUnderline : plain}};
        row.amount = k.net;
        r.rows.push_back(row);
    }
    const QString caption = result.totalCaption();
    r.summary << (caption.isEmpty() ? QStringLiteral("สรุปผลรวม") : caption) + QLatin1Char('\t') +
                     amountText(result.total);
    return r;
}

void show(Desk& desk) {
    const int mode = desk.run().kindNamingMode;
    printing::ReportPreview::showRead(desk, [mode](Database& db) {
        const std::array<QString, kKindCount> stored = prizecheck::storedPercents(db);
        std::array<qint64, kKindCount> percents{};
        for (size_t row = 0; row < percents.size(); ++row)
            percents[row] = wholeAmount(stored[row]);
        const Draw draw = drawstore::load(db);
        return printing::ReportPreview::Shown{
            QStringLiteral("ผลการตรวจรางวัล"),
            report(draw, prizecheck::check(db, draw, percents, mode), mode)};
    });
}

} // namespace checkreport
