#include "reports/gui/customerreport.h"

#include "common/desk.h"
#include "printing/gui/reportpreview.h"
#include "printing/layout.h"
#include "store/database.h"
#include "ui/dialogs.h"

namespace customerviews {

namespace {
QString optionalText(const std::optional<double>& amount) {
    return amount ? printing::amountText(*amount) : QString();
}

QString figureText(const Figure& figure) {
    return figure.caption + optionalText(figure.amount);
}
} // namespace

printing::Report report(const Listing& listing) {
    using namespace printing;
    Report r;
    r.heading = listing.heading;
    r.across = 3;
    r.pageNumbers = PageNumbers::ofCount;
    r.footerDate = false;
    r.footerSum = false;
    r.columns = {{QStringLiteral("เลข"), 1, false},
                 {QStringLiteral("บน"), 1, true},
                 {QStringLiteral("โต๊ด"), 1, true},
                 {QStringLiteral("ล่าง"), 1, true}};
    r.rows.reserve(listing.lines.size());
    for (const Line& line : listing.lines) {
        Row row;
        row.cells = {{line.num, bold},
                     {optionalText(line.h)},
                     {optionalText(line.t)},
                     {optionalText(line.l)}};
        row.amount = line.h.value_or(0) + line.t.value_or(0) + line.l.value_or(0);
        r.rows.push_back(row);
    }
    if (listing.headingInSummary)
        r.summary << listing.heading;
    for (int i = 0; i + 1 < listing.figures.size(); i += 2)
        r.summary << figureText(listing.figures[i]) + QLatin1Char('\t') +
                         figureText(listing.figures[i + 1]);
    r.summary << QStringLiteral("ยอดรวม=") + amountText(listing.total);
    return r;
}

printing::Report entryOrderReport(const QString& heading, const QVector<Entered>& lines,
                                  bool numberFirst) {
    using namespace printing;
    Report r;
    r.heading = heading;
    r.across = 1;
    r.orientation = Orientation::portrait;
    r.footerSum = false;
    r.columns = {{QStringLiteral("เลข"), 0.8, false},  {QStringLiteral("บน"), 0.9, true},
                 {QStringLiteral("โต๊ด"), 0.9, true},   {QStringLiteral("ล่าง"), 0.9, true},
                 {QStringLiteral("รหัสการป้อน"), 1.3, false}, {QStringLiteral("เวลาป้อน"), 1.8, false}};
    const Column number{QStringLiteral("ลำดับ"), 0.8, true};
    r.columns.insert(numberFirst ? 0 : 4, number);
    r.rows.reserve(lines.size());
    for (const Entered& line : lines) {
        Row row;
        row.cells = {{line.num, bold}, {amountText(line.h)}, {amountText(line.t)},
                     {amountText(line.l)}, {line.cus}, {line.tim}};
        row.cells.insert(numberFirst ? 0 : 4, Cell{line.id});
        r.rows.push_back(row);
    }
    return r;
}

namespace {
void showOwn(Desk& desk, const QString& heading,
             const std::function<QVector<Entered>(Database&)>& read) {
    QVector<Entered> lines;
    try {
        lines = read(desk.own());
    } catch (const StoreError& error) {
        Dialogs::warning(nullptr, error.message());
        return;
    }
    printing::ReportPreview::show(desk, entryOrderReport(heading, lines, false), heading);
}
} // namespace

void showBookOrder(Desk& desk) {
    showOwn(desk, QStringLiteral("สรุปยอดลำดับการป้อน"), bookOrder);
}

void showSentOrder(Desk& desk) {
    showOwn(desk, QStringLiteral("สรุปยอดข้อมูลทั้งหมดที่ส่งไปServer"), sentOrder);
}

void showRemaining(Desk& desk) {
    printing::ReportPreview::showRead(desk, [](Database& db) {
        return printing::ReportPreview::Shown{QStringLiteral("แสดงยอดทั้งหมด"),
                                              report(everybody(db, Source::remaining, 0))};
    });
}

} // namespace customerviews
