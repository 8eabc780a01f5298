#pragma once

#include <QHash>
#include <QPair>
#include <QString>
#include <QVector>

#include <deque>
#include <optional>

// A spreadsheet workbook built the way a program fills an open one, cell by cell with rows and
// columns coloured and emboldened as it goes, then saved as an .xlsx file. Rows and columns are
// numbered from 1.
namespace workbook {

// Colours as 0xRRGGBB.
constexpr unsigned kYellow = 0xFFFF00;
constexpr unsigned kSilver = 0xC0C0C0;
constexpr unsigned kRed = 0xFF0000;
constexpr unsigned kBlue = 0x0000FF;
// An automation colour value holds blue, green, red from the high byte down.
unsigned fromColorValue(unsigned bgr);
// The first colours of the default palette by index (3 red, 5 blue, 6 yellow ...).
unsigned fromColorIndex(int index);

// What a cell looks like; unset parts are left to the next rule below it.
struct Style {
    std::optional<bool> bold;
    std::optional<unsigned> fill;
    std::optional<bool> text; // the text number format "@"
    void over(const Style& below);
    bool isEmpty() const { return !bold && !fill && !text; }
};

class Sheet {
public:
    explicit Sheet(QString name) : name_(std::move(name)) {}
    const QString& name() const { return name_; }

    void writeText(int row, int column, const QString& text);
    void writeNumber(int row, int column, double value);
    // A formula such as "=SUM(B2:B9)".
    void writeFormula(int row, int column, const QString& formula);
    // The text number format, given before the value so that leading zeros stay.
    void setTextFormat(int row, int column);
    void fillCell(int row, int column, unsigned colour);
    void fillRow(int row, unsigned colour);
    void boldRow(int row);
    void fillColumn(int column, unsigned colour);
    void boldColumns(int first, int last);

    // The style a cell shows: every change that reached it, the latest one winning.
    Style styleAt(int row, int column) const;

    struct Cell {
        int row = 0, column = 0;
        enum class Kind { text, number, formula } kind = Kind::text;
        QString text;
        double number = 0;
    };
    const QVector<Cell>& cells() const { return cells_; }
    // The rows and columns some change covers whole, in order of first use.
    QVector<int> styledRows() const;
    QVector<int> styledColumns() const;
    // The cells some change names one by one.
    QVector<QPair<int, int>> styledCells() const;
    // A whole row's or column's own style, without what crosses it.
    Style rowStyle(int row) const;
    Style columnStyle(int column) const;

    enum class Target { cell, row, column };

private:
    struct Change {
        Target target;
        int row = 0, column = 0, lastColumn = 0;
        Style style;
        int order = 0; // when it was made: later changes win
    };
    static quint64 keyOf(int row, int column) {
        return (static_cast<quint64>(static_cast<quint32>(row)) << 32) |
               static_cast<quint32>(column);
    }
    void put(Cell cell);
    void change(Target target, int row, int column, int lastColumn, Style style);
    QString name_;
    QVector<Cell> cells_;
    QHash<quint64, int> cellAt_;                  // index in cells_ by place
    QVector<Change> changes_;                     // of whole rows and columns: a few
    QHash<quint64, QVector<Change>> cellChanges_; // of single cells: one or two a line
    QVector<QPair<int, int>> styledCells_;        // in order of first use
    int changeCount_ = 0;
};

class Book {
public:
    explicit Book(QString title) : title_(std::move(title)) {}
    Sheet& addSheet(const QString& name);
    Sheet& sheet(const QString& name);
    const std::deque<Sheet>& sheets() const { return sheets_; }
    void activate(const QString& name) { active_ = name; }
    const QString& title() const { return title_; }

    // Writes the workbook; false with the reason in error when the file cannot be written.
    bool save(const QString& path, QString* error) const;

private:
    QString title_;
    std::deque<Sheet> sheets_; // references stay good as sheets are added
    QString active_;
};

// A new file in folder named after caption and the time, never one that exists already; the
// folder is made when missing. Empty when the folder cannot be made.
QString newFilePath(const QString& folder, const QString& caption);

} // namespace workbook
