#pragma once

#include <QDateTime>
#include <QString>
#include <QStringList>
#include <QVector>

// A banded report as its maker gives it: the heading, the cells of one newspaper column, the
// detail rows, and how the pages are set. The engine lays it out and paints it.
namespace printing {

// Marks of a cell; they combine.
enum Mark : unsigned {
    plain = 0,
    bold = 1,
    underline = 2,
    redUnderline = 4,
    blueUnderline = 8,
};

struct Cell {
    QString text;
    unsigned marks = plain;
};

// One detail row: a cell per column and what it adds to the running sum (and to the second
// one of a report that keeps two).
struct Row {
    QVector<Cell> cells;
    double amount = 0;
    double amount2 = 0;
};

struct Column {
    QString caption;
    // Share of the newspaper column's width.
    double width = 1;
    bool alignRight = false;
};

enum class Orientation { landscape, portrait };
// "หน้าที่ 3" or "หน้าที่ 3/7".
enum class PageNumbers { plain, ofCount };

struct Report {
    QString heading;
    QVector<Column> columns;
    // Newspaper columns across the page, 1 to 5.
    int across = 1;
    Orientation orientation = Orientation::landscape;
    PageNumbers pageNumbers = PageNumbers::plain;
    // Lines of the summary band after the last row; a tab sets the next figure at a stop.
    QStringList summary;
    // The footer's print date and time, and the running sum; the page number is always there.
    QDateTime printedAt = QDateTime::currentDateTime();
    bool footerDate = true;
    bool footerSum = true;
    QString sumCaption = QStringLiteral("ยอดรวม=");
    // Not empty: the footer shows the second running sum after the first.
    QString sumCaption2;
    QVector<Row> rows;
};

} // namespace printing
