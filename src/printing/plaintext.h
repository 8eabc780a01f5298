#pragma once

#include <QFont>
#include <QRawFont>
#include <QRectF>
#include <QString>

class QPainter;

namespace printing {

// Draws text as the font's own glyph of each character, unshaped. A PDF then holds exactly
// the characters drawn: shaping Thai swaps tone marks for glyphs that only private code points
// name and splits sara am in two, so a reader copying the text out of the PDF gets neither.
// The Thai fonts of the machine are made to read well unshaped. Text with a character the font
// lacks is drawn shaped with the font, through its fallbacks. raw is the font's QRawFont.
void drawPlainText(QPainter& painter, const QFont& font, const QRawFont& raw, const QRectF& box,
                   Qt::Alignment alignment, const QString& text);

// The width the text takes drawn so.
double plainTextWidth(const QRawFont& font, const QString& text);

} // namespace printing
