#include "common/workbook.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMap>

#include <xlsxwriter.h>

#include <algorithm>

namespace workbook {

unsigned fromColorValue(unsigned bgr) {
    return ((bgr & 0xFF) << 16) | (bgr & 0xFF00) | ((bgr >> 16) & 0xFF);
}

unsigned fromColorIndex(int index) {
    static const unsigned palette[] = {0x000000, 0xFFFFFF, 0xFF0000, 0x00FF00, 0x0000FF,
                                       0xFFFF00, 0xFF00FF, 0x00FFFF};
    if (index < 1 || index > 8)
        return 0xFFFFFF;
    return palette[index - 1];
}

void Style::over(const Style& below) {
    if (!bold)
        bold = below.bold;
    if (!fill)
        fill = below.fill;
    if (!text)
        text = below.text;
}

void Sheet::put(Cell cell) {
    const quint64 key = keyOf(cell.row, cell.column);
    const auto known = cellAt_.constFind(key);
    if (known != cellAt_.constEnd()) {
        cells_[*known] = std::move(cell);
        return;
    }
    cellAt_.insert(key, cells_.size());
    cells_.push_back(std::move(cell));
}

void Sheet::writeText(int row, int column, const QString& text) {
    Cell cell;
    cell.row = row;
    cell.column = column;
    cell.text = text;
    put(std::move(cell));
}

void Sheet::writeNumber(int row, int column, double value) {
    Cell cell;
    cell.row = row;
    cell.column = column;
    cell.kind = Cell::Kind::number;
    cell.number = value;
    put(std::move(cell));
}

void Sheet::writeFormula(int row, int column, const QString& formula) {
    Cell cell;
    cell.row = row;
    cell.column = column;
    cell.kind = Cell::Kind::formula;
    cell.text = formula;
    put(std::move(cell));
}

void Sheet::change(Target target, int row, int column, int lastColumn, Style style) {
    const Change made{target, row, column, lastColumn, std::move(style), changeCount_++};
    if (target != Target::cell) {
        changes_.push_back(made);
        return;
    }
    QVector<Change>& ofCell = cellChanges_[keyOf(row, column)];
    if (ofCell.isEmpty())
        styledCells_.push_back({row, column});
    ofCell.push_back(made);
}

void Sheet::setTextFormat(int row, int column) {
    Style style;
    style.text = true;
    change(Target::cell, row, column, column, style);
}

void Sheet::fillCell(int row, int column, unsigned colour) {
    Style style;
    style.fill = colour;
    change(Target::cell, row, column, column, style);
}

void Sheet::fillRow(int row, unsigned colour) {
    Style style;
    style.fill = colour;
    change(Target::row, row, 0, 0, style);
}

void Sheet::boldRow(int row) {
    Style style;
    style.bold = true;
    change(Target::row, row, 0, 0, style);
}

void Sheet::fillColumn(int column, unsigned colour) {
    Style style;
    style.fill = colour;
    change(Target::column, 0, column, column, style);
}

void Sheet::boldColumns(int first, int last) {
    Style style;
    style.bold = true;
    change(Target::column, 0, first, last, style);
}

namespace {
using Target = Sheet::Target;

// The latest change of each part of a look wins.
void apply(Style& result, const Style& change) {
    Style latest = change;
    latest.over(result);
    result = latest;
}
} // namespace

Style Sheet::styleAt(int row, int column) const {
    // Whole rows and columns, and the cell's own changes, taken in the order they were made.
    QVector<const Change*> reaching;
    for (const Change& c : changes_) {
        const bool covers = c.target == Target::row
                                ? c.row == row
                                : column >= c.column && column <= c.lastColumn;
        if (covers)
            reaching.push_back(&c);
    }
    const auto own = cellChanges_.constFind(keyOf(row, column));
    if (own != cellChanges_.constEnd())
        for (const Change& c : *own)
            reaching.push_back(&c);
    std::sort(reaching.begin(), reaching.end(),
              [](const Change* a, const Change* b) { return a->order < b->order; });
    Style result;
    for (const Change* c : reaching)
        apply(result, c->style);
    return result;
}

Style Sheet::rowStyle(int row) const {
    Style result;
    for (const Change& c : changes_)
        if (c.target == Target::row && c.row == row)
            apply(result, c.style);
    return result;
}

Style Sheet::columnStyle(int column) const {
    Style result;
    for (const Change& c : changes_)
        if (c.target == Target::column && column >= c.column && column <= c.lastColumn)
            apply(result, c.style);
    return result;
}

QVector<int> Sheet::styledRows() const {
    QVector<int> rows;
    for (const Change& c : changes_)
        if (c.target == Target::row && !rows.contains(c.row))
            rows.push_back(c.row);
    return rows;
}

QVector<int> Sheet::styledColumns() const {
    QVector<int> columns;
    for (const Change& c : changes_)
        if (c.target == Target::column)
            for (int column = c.column; column <= c.lastColumn; ++column)
                if (!columns.contains(column))
                    columns.push_back(column);
    return columns;
}

QVector<QPair<int, int>> Sheet::styledCells() const {
    return styledCells_;
}

Sheet& Book::addSheet(const QString& name) {
    sheets_.emplace_back(name);
    return sheets_.back();
}

Sheet& Book::sheet(const QString& name) {
    for (Sheet& s : sheets_)
        if (s.name() == name)
            return s;
    return addSheet(name);
}

namespace {

// One format of the file for each look, made once.
class Formats {
public:
    explicit Formats(lxw_workbook* book) : book_(book) {}
    lxw_format* of(const Style& style) {
        if (style.isEmpty())
            return nullptr;
        const QString key = QStringLiteral("%1/%2/%3")
                                .arg(style.bold.value_or(false))
                                .arg(style.fill ? static_cast<qint64>(*style.fill) : -1)
                                .arg(style.text.value_or(false));
        if (lxw_format* known = made_.value(key))
            return known;
        lxw_format* format = workbook_add_format(book_);
        if (style.bold.value_or(false))
            format_set_bold(format);
        if (style.fill) {
            format_set_pattern(format, LXW_PATTERN_SOLID);
            format_set_bg_color(format, static_cast<lxw_color_t>(*style.fill));
        }
        if (style.text.value_or(false))
            format_set_num_format(format, "@");
        made_.insert(key, format);
        return format;
    }

private:
    lxw_workbook* book_;
    QMap<QString, lxw_format*> made_;
};

// Wide enough for the longest text of each column, within reason.
QMap<int, double> columnWidths(const Sheet& sheet) {
    QMap<int, double> widths;
    for (const Sheet::Cell& cell : sheet.cells()) {
        if (cell.kind != Sheet::Cell::Kind::text)
            continue;
        const double width = std::clamp(cell.text.size() * 1.1 + 2, 8.43, 40.0);
        widths[cell.column] = std::max(widths.value(cell.column, 8.43), width);
    }
    return widths;
}

lxw_error writeSheet(lxw_worksheet* ws, const Sheet& sheet, Formats& formats) {
    const QMap<int, double> widths = columnWidths(sheet);
    QVector<int> columns = sheet.styledColumns();
    for (int column : widths.keys())
        if (!columns.contains(column))
            columns.push_back(column);
    for (int column : columns) {
        const auto c = static_cast<lxw_col_t>(column - 1);
        lxw_error e = worksheet_set_column(ws, c, c, widths.value(column, LXW_DEF_COL_WIDTH),
                                           formats.of(sheet.columnStyle(column)));
        if (e != LXW_NO_ERROR)
            return e;
    }
    for (int row : sheet.styledRows()) {
        lxw_error e = worksheet_set_row(ws, static_cast<lxw_row_t>(row - 1), LXW_DEF_ROW_HEIGHT,
                                        formats.of(sheet.rowStyle(row)));
        if (e != LXW_NO_ERROR)
            return e;
    }
    // Where a styled row crosses a styled column, and where a cell was styled alone, the cell
    // carries the look itself.
    QVector<QPair<int, int>> blanks = sheet.styledCells();
    for (int row : sheet.styledRows())
        for (int column : sheet.styledColumns())
            blanks.push_back({row, column});
    for (const auto& [row, column] : blanks) {
        lxw_format* format = formats.of(sheet.styleAt(row, column));
        if (!format)
            continue;
        lxw_error e = worksheet_write_blank(ws, static_cast<lxw_row_t>(row - 1),
                                            static_cast<lxw_col_t>(column - 1), format);
        if (e != LXW_NO_ERROR)
            return e;
    }
    for (const Sheet::Cell& cell : sheet.cells()) {
        const auto r = static_cast<lxw_row_t>(cell.row - 1);
        const auto c = static_cast<lxw_col_t>(cell.column - 1);
        lxw_format* format = formats.of(sheet.styleAt(cell.row, cell.column));
        const QByteArray text = cell.text.toUtf8();
        lxw_error e = LXW_NO_ERROR;
        switch (cell.kind) {
        case Sheet::Cell::Kind::text:
            e = worksheet_write_string(ws, r, c, text.constData(), format);
            break;
        case Sheet::Cell::Kind::number:
            e = worksheet_write_number(ws, r, c, cell.number, format);
            break;
        case Sheet::Cell::Kind::formula:
            e = worksheet_write_formula(ws, r, c, text.constData(), format);
            break;
        }
        if (e != LXW_NO_ERROR)
            return e;
    }
    return LXW_NO_ERROR;
}

} // namespace

bool Book::save(const QString& path, QString* error) const {
    // Written beside its place and put there whole, so no half-written workbook is left.
    const QString part = path + QStringLiteral(".part");
    QFile::remove(part);
    const QByteArray partName = QFile::encodeName(part);
    lxw_workbook* book = workbook_new(partName.constData());
    if (!book) {
        if (error)
            *error = QStringLiteral("เขียนไฟล์ไม่ได้");
        return false;
    }
    const QByteArray title = title_.toUtf8();
    lxw_doc_properties properties = {};
    properties.title = const_cast<char*>(title.constData());
    workbook_set_properties(book, &properties);

    Formats formats(book);
    lxw_error result = LXW_NO_ERROR;
    for (const Sheet& sheet : sheets_) {
        const QByteArray name = sheet.name().toUtf8();
        lxw_worksheet* ws = workbook_add_worksheet(book, name.constData());
        if (!ws) {
            result = LXW_ERROR_PARAMETER_VALIDATION;
            break;
        }
        result = writeSheet(ws, sheet, formats);
        if (result != LXW_NO_ERROR)
            break;
        if (sheet.name() == active_)
            worksheet_activate(ws);
    }
    const lxw_error closed = workbook_close(book);
    if (result == LXW_NO_ERROR)
        result = closed;
    if (result == LXW_NO_ERROR && QFile::exists(path))
        result = LXW_ERROR_CREATING_XLSX_FILE; // never over an earlier file
    if (result == LXW_NO_ERROR && !QFile::rename(part, path))
        result = LXW_ERROR_CREATING_XLSX_FILE;
    if (result != LXW_NO_ERROR) {
        QFile::remove(part);
        if (error)
            *error = QString::fromUtf8(lxw_strerror(result));
        return false;
    }
    return true;
}

QString newFilePath(const QString& folder, const QString& caption) {
    if (!QDir().mkpath(folder))
        return {};
    const QString stem = QDir(folder).filePath(
        caption + QLatin1Char(' ') +
        QDateTime::currentDateTime().toString(QStringLiteral("yyyy-MM-dd HH.mm.ss")));
    QString path = stem + QStringLiteral(".xlsx");
    for (int n = 2; QFileInfo::exists(path); ++n)
        path = stem + QStringLiteral(" (%1).xlsx").arg(n);
    return path;
}

} // namespace workbook
