#pragma once

class QColor;
class QLabel;
class QString;
class QWidget;

// The title of a window's face: bold and larger, named "title".
QLabel* titleLabel(QWidget* parent, const QString& text);
// A window's own background colour.
void paintBackground(QWidget* window, const QColor& colour);
