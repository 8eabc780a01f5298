#include "printing/layout.h"

#include <QLocale>
#include <algorithm>
#include <cmath>

namespace printing {

Geometry Geometry::a4(Orientation orientation) {
    Geometry g;
    g.page =
        orientation == Orientation::landscape ? QSizeF(841.89, 595.28) : QSizeF(595.28, 841.89);
    return g;
}

int Geometry::linesPerColumn() const {
    const double room = footerTop() - detailTop();
    return std::max(1, static_cast<int>(std::floor(room / rowHeight)));
}

double Geometry::columnWidth(int across) const {
    const int n = std::max(1, across);
    return (page.width() - 2 * margin - (n - 1) * columnGap) / n;
}

double Geometry::columnLeft(int column, int across) const {
    return margin + column * (columnWidth(across) + columnGap);
}

Layout::Layout(const Report& report, int linesPerColumn)
    : lines_(std::max(1, linesPerColumn)), across_(std::clamp(report.across, 1, 5)),
      numbers_(report.pageNumbers), sumCaption_(report.sumCaption),
      sumCaption2_(report.sumCaption2) {
    const int total = static_cast<int>(report.rows.size());
    const int perPage = rowsPerPage();
    double running = 0;
    double running2 = 0;
    for (int first = 0; first < total || pages_.empty(); first += perPage) {
        Page page;
        page.firstRow = first;
        page.rowCount = std::min(perPage, total - first);
        for (int r = first; r < first + page.rowCount; ++r) {
            page.sum += report.rows[r].amount;
            running2 += report.rows[r].amount2;
        }
        running += page.sum;
        page.runningSum = running;
        page.runningSum2 = running2;
        pages_.push_back(page);
    }
    const int summaryLines = static_cast<int>(report.summary.size());
    if (summaryLines == 0)
        return;
    Page& last = pages_.back();
    const int used = std::min(last.rowCount, lines_);
    if (lines_ - used >= summaryLines) {
        last.summaryLine = used;
    } else {
        Page extra;
        extra.firstRow = total;
        extra.runningSum = running;
        extra.runningSum2 = running2;
        extra.summaryLine = 0;
        pages_.push_back(extra);
    }
}

Slot Layout::slotOf(int row) const {
    const int perPage = rowsPerPage();
    const int within = row % perPage;
    return {row / perPage, within / lines_, within % lines_};
}

QString Layout::sumText(int page) const {
    const Page& p = pages_[static_cast<size_t>(page)];
    QString text = sumCaption_ + amountText(p.runningSum);
    if (!sumCaption2_.isEmpty())
        text += QStringLiteral("    ") + sumCaption2_ + amountText(p.runningSum2);
    return text;
}

QString Layout::pageText(int page) const {
    QString text = QStringLiteral("หน้าที่ ") + QString::number(page + 1);
    if (numbers_ == PageNumbers::ofCount)
        text += QLatin1Char('/') + QString::number(pageCount());
    return text;
}

QString amountText(double amount) {
    static const QLocale grouped(QLocale::English, QLocale::UnitedStates);
    const double whole = std::round(amount);
    if (std::fabs(amount - whole) < 0.005)
        return grouped.toString(static_cast<qlonglong>(whole));
    return grouped.toString(amount, 'f', 2);
}

} // namespace printing
