#pragma once

#include <QByteArray>
#include <QString>

// Text in the Thai code page (Windows-874); characters it lacks become '?'.
QByteArray toThaiCodePage(const QString& text);

// The stored form of a password: h = (h + c) * 7 over the code-page bytes, 32-bit wrap,
// as decimal text; fewer than two characters give "0".
QString passwordTransform(const QString& text);
