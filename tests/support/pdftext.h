#pragma once

#include <QString>

namespace testing {
// The text of one page (1-based) of a PDF as a reader copies it out (pdftotext, keeping the
// layout); empty past the last page.
QString pdfPageText(const QString& pdf, int page);
int pdfPageCount(const QString& pdf);
// Whether pdftotext is there; a test that needs it fails without it.
bool hasPdfText();
} // namespace testing
