#pragma once

#include <QString>
#include <QVariantList>

namespace testing {
// Writes rows (each a QVariantList of texts, numbers or invalid for an empty cell) as the sheet
// sheet1 of a workbook of format "xlsx" (openpyxl), "xls" (xlwt) or "ods" (odfpy), after a
// first sheet of another name; fails the test when the writer fails. sheetName replaces the
// name of the sheet.
void writeSheet(const QString& format, const QString& path, const QVariantList& rows,
                const QString& sheetName = QStringLiteral("Sheet1"));
} // namespace testing
