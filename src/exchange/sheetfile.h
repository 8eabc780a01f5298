#pragma once

#include <QString>
#include <QStringList>
#include <QVector>
#include <stdexcept>

// The sheet of bets a customer or another office sends: the sheet named sheet1 (any case) of a
// workbook (.xlsx, .ods, .xls) or a .csv file, whose first row holds the headings num, h, t and
// l, one bet a row below it.
namespace sheetfile {

// A file that cannot be read as such a sheet; the message says why in Thai.
class SheetError : public std::runtime_error {
public:
    explicit SheetError(const QString& message)
        : std::runtime_error(message.toStdString()), message_(message) {}
    QString message() const { return message_; }

private:
    QString message_;
};

// One row under the headings: its row number in the sheet and the four cells as text (a
// number cell as its shortest text, an empty cell empty).
struct Row {
    int line = 0;
    QString num, h, t, l;
};

// Every row under the headings that holds something, in sheet order; throws SheetError.
QVector<Row> read(const QString& path);

// A sheet as the readers give it: its rows by number, each row's cells from column A.
struct Grid {
    QVector<QPair<int, QStringList>> rows;
};

// The text of a number cell: whole numbers without a fraction, others as written.
QString numberText(double value);

// The readers of each format: the sheet named sheet1, or nothing (nullopt-like: found false).
bool readXlsx(const QString& path, Grid* grid);
bool readOds(const QString& path, Grid* grid);
bool readXls(const QString& path, Grid* grid);
Grid readCsv(const QString& path);

// The name a sheet must have, compared without case.
bool isSheetName(const QString& name);

} // namespace sheetfile
