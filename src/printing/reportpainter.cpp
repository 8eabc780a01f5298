#include "printing/reportpainter.h"

#include "printing/plaintext.h"

#include <QFile>
#include <QPageLayout>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPdfWriter>
#include <algorithm>
#include <numeric>

namespace printing {

namespace {
const QColor kRule(90, 90, 90);

double totalShare(const QVector<Column>& columns) {
    const double sum = std::accumulate(columns.begin(), columns.end(), 0.0,
                                       [](double s, const Column& c) { return s + c.width; });
    return sum > 0 ? sum : 1;
}
} // namespace

ReportPainter::ReportPainter(Report report)
    : report_(std::move(report)), geometry_(Geometry::a4(report_.orientation)),
      layout_(report_, geometry_.linesPerColumn()) {}

QFont ReportPainter::font(int points, bool bold) {
    QFont f;
    f.setFamilies({QStringLiteral("Loma"), QStringLiteral("Garuda"), QStringLiteral("Norasi"),
                   QStringLiteral("Tlwg Typo")});
    // The painter works in points, so a pixel is a point.
    f.setPixelSize(points);
    f.setBold(bold);
    f.setHintingPreference(QFont::PreferNoHinting);
    f.setStyleStrategy(QFont::ForceOutline);
    return f;
}

void ReportPainter::setUp(QPagedPaintDevice& device) const {
    device.setPageLayout(QPageLayout(QPageSize(QPageSize::A4),
                                     report_.orientation == Orientation::landscape
                                         ? QPageLayout::Landscape
                                         : QPageLayout::Portrait,
                                     QMarginsF(0, 0, 0, 0)));
}

bool ReportPainter::paint(QPagedPaintDevice& device, int from, int to) const {
    const int last = to <= 0 ? layout_.pageCount() : std::min(to, layout_.pageCount());
    const int first = std::max(1, from);
    QPainter painter;
    if (!painter.begin(&device))
        return false;
    const double scale = std::min(device.width() / geometry_.page.width(),
                                  device.height() / geometry_.page.height());
    for (int page = first; page <= last; ++page) {
        if (page > first)
            device.newPage();
        painter.save();
        painter.scale(scale, scale);
        paintPage(painter, page - 1);
        painter.restore();
    }
    return painter.end();
}

void ReportPainter::paintPage(QPainter& painter, int pageIndex) const {
    const Geometry& g = geometry_;
    const Page& page = layout_.page(pageIndex);
    const double width = g.page.width() - 2 * g.margin;

    QFont heading = font(15, true);
    heading.setUnderline(true);
    painter.setPen(Qt::black);
    text(painter, heading, QRectF(g.margin, g.margin, width, g.headingHeight),
         Qt::AlignHCenter | Qt::AlignTop, report_.heading);

    const double share = totalShare(report_.columns);
    const double columnWidth = g.columnWidth(layout_.across());
    auto cellBoxes = [&](int column, double top, double height) {
        QVector<QRectF> boxes;
        double x = g.columnLeft(column, layout_.across());
        for (const Column& c : report_.columns) {
            const double w = columnWidth * c.width / share;
            boxes.push_back(QRectF(x, top, w, height));
            x += w;
        }
        return boxes;
    };

    const int usedColumns =
        page.rowCount == 0
            ? layout_.across()
            : std::min(layout_.across(),
                       (page.rowCount + layout_.linesPerColumn() - 1) / layout_.linesPerColumn());
    const QFont captionFont = font(11, true);
    const double headerTop = g.margin + g.headingHeight;
    for (int column = 0; column < usedColumns; ++column) {
        const QVector<QRectF> boxes = cellBoxes(column, headerTop, g.headerHeight);
        for (int i = 0; i < boxes.size(); ++i) {
            painter.fillRect(boxes[i], QColor(235, 235, 235));
            painter.setPen(QPen(kRule, 0.6));
            painter.drawRect(boxes[i]);
            painter.setPen(Qt::black);
            text(painter, captionFont, boxes[i], Qt::AlignCenter, report_.columns[i].caption);
        }
    }

    for (int i = 0; i < page.rowCount; ++i) {
        const int row = page.firstRow + i;
        const Slot slot = layout_.slotOf(row);
        const QVector<QRectF> boxes =
            cellBoxes(slot.column, g.detailTop() + slot.line * g.rowHeight, g.rowHeight);
        const Row& r = report_.rows[row];
        for (int c = 0; c < boxes.size(); ++c) {
            painter.setPen(QPen(kRule, 0.4));
            painter.drawRect(boxes[c]);
            if (c < r.cells.size())
                paintCell(painter, boxes[c], r.cells[c], report_.columns[c].alignRight);
        }
    }

    if (page.summaryLine >= 0) {
        const QFont summaryFont = font(12, true);
        painter.setPen(Qt::black);
        double top = g.detailTop() + page.summaryLine * g.rowHeight + 4;
        // A tab starts the next figure of a line at the next stop.
        const double stop = 180;
        for (const QString& line : report_.summary) {
            const QStringList parts = line.split(QLatin1Char('\t'));
            for (int i = 0; i < parts.size(); ++i)
                text(painter, summaryFont,
                     QRectF(g.margin + i * stop, top, width - i * stop, g.rowHeight),
                     Qt::AlignLeft | Qt::AlignVCenter, parts[i]);
            top += g.rowHeight;
        }
    }

    const double footerTop = g.footerTop();
    painter.setPen(QPen(kRule, 0.6));
    painter.drawLine(QPointF(g.margin, footerTop + 2), QPointF(g.margin + width, footerTop + 2));
    painter.setPen(Qt::black);
    const QRectF footer(g.margin, footerTop + 4, width, g.footerHeight - 4);
    if (report_.footerDate)
        text(painter, font(11), footer, Qt::AlignLeft | Qt::AlignVCenter,
             report_.printedAt.toString(QStringLiteral("dd/MM/yyyy HH:mm:ss")));
    if (report_.footerSum)
        text(painter, font(11, true), footer, Qt::AlignHCenter | Qt::AlignVCenter,
             layout_.sumText(pageIndex));
    text(painter, font(11), footer, Qt::AlignRight | Qt::AlignVCenter, layout_.pageText(pageIndex));
}

void ReportPainter::paintCell(QPainter& painter, const QRectF& box, const Cell& cell,
                              bool right) const {
    QFont f = font(11, cell.marks & bold);
    QColor colour = Qt::black;
    if (cell.marks & redUnderline)
        colour = Qt::red;
    else if (cell.marks & blueUnderline)
        colour = Qt::blue;
    f.setUnderline(cell.marks & (underline | redUnderline | blueUnderline));
    painter.setPen(colour);
    text(painter, f, box.adjusted(3, 0, -3, 0),
         (right ? Qt::AlignRight : Qt::AlignLeft) | Qt::AlignVCenter, cell.text);
}

void ReportPainter::text(QPainter& painter, const QFont& font, const QRectF& box,
                         Qt::Alignment alignment, const QString& text) const {
    const QString key = font.key();
    auto found = rawFonts_.find(key);
    if (found == rawFonts_.end())
        found = rawFonts_.insert(key, QRawFont::fromFont(font));
    drawPlainText(painter, font, found.value(), box, alignment, text);
}

bool writePdf(const Report& report, const QString& path, QString* error) {
    const ReportPainter painter(report);
    QPdfWriter writer(path);
    writer.setCreator(QStringLiteral("Tabulox"));
    writer.setTitle(report.heading);
    writer.setResolution(300);
    painter.setUp(writer);
    if (!painter.paint(writer)) {
        if (error)
            *error = QStringLiteral("เขียนไฟล์ PDF ไม่ได้: ") + path;
        return false;
    }
    return true;
}

} // namespace printing
