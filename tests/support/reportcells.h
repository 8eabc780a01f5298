#pragma once

#include "printing/report.h"

#include <QStringList>

namespace testing {

// The texts of a report's row, cell by cell.
inline QStringList cellsOf(const printing::Report& report, int row) {
    QStringList cells;
    for (const printing::Cell& cell : report.rows[row].cells)
        cells << cell.text;
    return cells;
}

} // namespace testing
