#pragma once

#include "printing/layout.h"

#include <QFont>
#include <QHash>
#include <QRawFont>
#include <QString>

class QPagedPaintDevice;
class QPainter;

namespace printing {

// Paints a laid-out report onto a printer, a PDF or a preview, one page at a time.
class ReportPainter {
public:
    explicit ReportPainter(Report report);

    const Report& report() const { return report_; }
    const Geometry& geometry() const { return geometry_; }
    const Layout& layout() const { return layout_; }

    // A4 in the report's orientation, no margins of the device's own.
    void setUp(QPagedPaintDevice& device) const;
    // Pages from..to (1-based, to 0 for the last) onto a device set up as above; false when
    // the device cannot be painted.
    bool paint(QPagedPaintDevice& device, int from = 1, int to = 0) const;
    // One page with the painter already on its device and scaled to points.
    void paintPage(QPainter& painter, int page) const;

    // The Thai font of the machine, a size in points.
    static QFont font(int points, bool bold = false);

private:
    void paintCell(QPainter& painter, const QRectF& box, const Cell& cell, bool right) const;
    void text(QPainter& painter, const QFont& font, const QRectF& box, Qt::Alignment alignment,
              const QString& text) const;

    Report report_;
    Geometry geometry_;
    Layout layout_;
    mutable QHash<QString, QRawFont> rawFonts_;
};

// The report as a PDF file; false with *error said when it cannot be written.
bool writePdf(const Report& report, const QString& path, QString* error = nullptr);

} // namespace printing
