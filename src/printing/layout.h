#pragma once

#include "printing/report.h"

#include <QSizeF>
#include <QString>
#include <vector>

namespace printing {

// Where the bands of a page go, in points (1/72 inch).
struct Geometry {
    QSizeF page;
    double margin = 28;
    double headingHeight = 30;
    double headerHeight = 18;
    double rowHeight = 17;
    double footerHeight = 22;
    double columnGap = 8;

    static Geometry a4(Orientation orientation);
    // Detail lines of one newspaper column; at least one.
    int linesPerColumn() const;
    double detailTop() const { return margin + headingHeight + headerHeight; }
    double footerTop() const { return page.height() - margin - footerHeight; }
    double columnWidth(int across) const;
    double columnLeft(int column, int across) const;
};

// A row's place: page (0-based), newspaper column and line within it.
struct Slot {
    int page = 0;
    int column = 0;
    int line = 0;
};

struct Page {
    int firstRow = 0;
    int rowCount = 0;
    // The amounts of this page's rows, and of every row up to its last one.
    double sum = 0;
    double runningSum = 0;
    double runningSum2 = 0;
    // The line the summary band starts on; -1 on a page without it.
    int summaryLine = -1;
};

// The pages of a report, computed from its rows alone: columns fill top to bottom, left to
// right; the summary band follows the last row, on a page of its own when it does not fit.
class Layout {
public:
    Layout(const Report& report, int linesPerColumn);

    int pageCount() const { return static_cast<int>(pages_.size()); }
    const Page& page(int index) const { return pages_[static_cast<size_t>(index)]; }
    Slot slotOf(int row) const;
    int linesPerColumn() const { return lines_; }
    int across() const { return across_; }
    int rowsPerPage() const { return lines_ * across_; }
    double grandTotal() const { return pages_.back().runningSum; }

    // The footer's texts of a page.
    QString sumText(int page) const;
    QString pageText(int page) const;

private:
    int lines_;
    int across_;
    PageNumbers numbers_;
    QString sumCaption_;
    QString sumCaption2_;
    std::vector<Page> pages_;
};

// An amount as the reports print it: grouped thousands, decimals only when it has them.
QString amountText(double amount);

} // namespace printing
