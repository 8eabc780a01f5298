#include "printing/plaintext.h"

#include <QGlyphRun>
#include <QPainter>
#include <QVector>
#include <algorithm>

namespace printing {

namespace {
struct Glyphs {
    QVector<quint32> indexes;
    QVector<QPointF> positions;
    double width = 0;
    bool complete = true;
};

Glyphs glyphsOf(const QRawFont& font, const QString& text) {
    Glyphs g;
    g.indexes = font.glyphIndexesForString(text);
    const QVector<QPointF> advances = font.advancesForGlyphIndexes(g.indexes);
    g.positions.reserve(g.indexes.size());
    for (int i = 0; i < g.indexes.size(); ++i) {
        if (g.indexes[i] == 0 && !text[i].isSpace())
            g.complete = false;
        g.positions.push_back(QPointF(g.width, 0));
        g.width += advances[i].x();
    }
    return g;
}
} // namespace

double plainTextWidth(const QRawFont& font, const QString& text) {
    return glyphsOf(font, text).width;
}

void drawPlainText(QPainter& painter, const QFont& shaped, const QRawFont& font, const QRectF& box,
                   Qt::Alignment alignment, const QString& text) {
    if (text.isEmpty())
        return;
    const Glyphs g = glyphsOf(font, text);
    if (!font.isValid() || !g.complete || text.size() != g.indexes.size()) {
        painter.setFont(shaped);
        painter.drawText(box, static_cast<int>(alignment), text);
        return;
    }
    double x = box.left();
    if (alignment & Qt::AlignRight)
        x = box.right() - g.width;
    else if (alignment & Qt::AlignHCenter)
        x = box.left() + (box.width() - g.width) / 2;
    double baseline = box.top() + font.ascent();
    if (alignment & Qt::AlignVCenter)
        baseline = box.top() + (box.height() - font.ascent() - font.descent()) / 2 + font.ascent();
    else if (alignment & Qt::AlignBottom)
        baseline = box.bottom() - font.descent();

    QGlyphRun run;
    run.setRawFont(font);
    run.setGlyphIndexes(g.indexes);
    run.setPositions(g.positions);
    painter.drawGlyphRun(QPointF(x, baseline), run);
    // Drawn here: a glyph run's own underline lands astray on a scaled raster painter.
    if (shaped.underline()) {
        const double thickness = std::max(0.5, font.lineThickness());
        const double y = baseline + std::max(font.underlinePosition(), thickness) + thickness / 2;
        painter.save();
        painter.setPen(QPen(painter.pen().color(), thickness));
        painter.drawLine(QPointF(x, y), QPointF(x + g.width, y));
        painter.restore();
    }
}

} // namespace printing
