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

printing::Report settlementReport(const QString& name, const QString& dateText,
                                  const QVector<prizecheck::WinningLine>& lines,
                                  const customercheck::Settlement& settlement) {
    using namespace printing;
    Report r;
    r.heading = QStringLiteral("เลขที่ถูกรางวัลของ%1   งวดวันที่  %2").arg(name, dateText);
    r.orientation = Orientation::portrait;
    r.footerSum = false;
    r.columns = {{QStringLiteral("ชนิดเลข"), 1.4, false},
                 {QStringLiteral("เลข"), 1, false},
                 {QStringLiteral("จำนวน"), 1, true},
                 {QStringLiteral("อัตราการจ่าย"), 1, true},
                 {QStringLiteral("จำนวนที่จ่าย"), 1.4, true}};
    for (const prizecheck::WinningLine& line : lines) {
        Row row;
        row.cells = {{line.caption},
                     {line.num, bold},
                     {amountText(line.stake)},
                     {QString::number(line.rate)},
                     {QString::number(line.pays())}};
        row.amount = static_cast<double>(line.pays());
        r.rows.push_back(row);
    }
    r.summary = {QStringLiteral("ยอดรวมถูกรางวัลที่จ่าย = %1").arg(settlement.won),
                 QStringLiteral("ยอดซื้อทั้งหมด = %1").arg(settlement.total),
                 QStringLiteral("ส่วนลดรวม = %1").arg(settlement.discount),
                 QStringLiteral("ยอดเรียกเก็บ = %1").arg(settlement.toCollect), settlement.line()};
    return r;
}

void showSettlement(Desk& desk, const QString& name, const QString& dateText,
                    const QVector<prizecheck::WinningLine>& lines,
                    const customercheck::Settlement& settlement) {
    const printing::Report shown = settlementReport(name, dateText, lines, settlement);
    printing::ReportPreview::show(desk, shown, shown.heading);
}

} // namespace winnersreport
