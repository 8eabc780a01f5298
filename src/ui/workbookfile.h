#pragma once

#include "common/workbook.h"

class QWidget;

namespace workbookfile {

// Saves book as a new file in folder (an earlier one is never written over) and opens it with
// the desktop's spreadsheet program. What cannot be done is said, with where the file is.
// Returns the file written, or empty.
QString saveAndOpen(QWidget* parent, const QString& folder, const workbook::Book& book);

} // namespace workbookfile
