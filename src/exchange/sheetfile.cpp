#include "exchange/sheetfile.h"

#include <QFile>
#include <QFileInfo>
#include <QRegularExpression>
#include <QStringDecoder>

#include <freexl.h>

#include <cmath>

namespace sheetfile {

namespace {

const char kNoSheet[] = "ไม่พบแผ่นงานชื่อ sheet1 ในไฟล์นี้";

// The CSV cells of one line; quotes hold separators and doubled quotes.
QStringList csvCells(const QString& line, QChar separator) {
    QStringList cells;
    QString cell;
    bool quoted = false;
    for (int i = 0; i < line.size(); ++i) {
        const QChar c = line[i];
        if (quoted) {
            if (c == QLatin1Char('"')) {
                if (i + 1 < line.size() && line[i + 1] == QLatin1Char('"')) {
                    cell += c;
                    ++i;
                } else {
                    quoted = false;
                }
            } else {
                cell += c;
            }
        } else if (c == QLatin1Char('"')) {
            quoted = true;
        } else if (c == separator) {
            cells << cell;
            cell.clear();
        } else {
            cell += c;
        }
    }
    cells << cell;
    return cells;
}

// UTF-8 as most programs write it; a file that is not is read in the Thai code page.
QString decodeText(const QByteArray& bytes) {
    QStringDecoder utf8(QStringDecoder::Utf8);
    QString text = utf8(bytes);
    if (!utf8.hasError())
        return text;
    QStringDecoder thai("TIS-620");
    if (thai.isValid())
        return thai(bytes);
    return QString::fromLatin1(bytes);
}

QString cellAt(const QStringList& cells, int column) {
    return column >= 0 && column < cells.size() ? cells[column].trimmed() : QString();
}

} // namespace

QString numberText(double value) {
    if (std::isfinite(value) && value == std::floor(value) && std::fabs(value) < 1e15)
        return QString::number(static_cast<qint64>(value));
    return QString::number(value, 'g', 15);
}

bool isSheetName(const QString& name) {
    return name.trimmed().compare(QLatin1String("sheet1"), Qt::CaseInsensitive) == 0;
}

bool readXls(const QString& path, Grid* grid) {
    const void* handle = nullptr;
    if (freexl_open(QFile::encodeName(path).constData(), &handle) != FREEXL_OK) {
        if (handle)
            freexl_close(handle);
        throw SheetError(QStringLiteral("อ่านไฟล์Excelนี้ไม่ได้ (ไฟล์เสียหรือไม่ใช่ไฟล์ .xls)"));
    }
    struct Closer {
        const void* handle;
        ~Closer() { freexl_close(handle); }
    } closer{handle};
    unsigned int sheets = 0;
    freexl_get_info(handle, FREEXL_BIFF_SHEET_COUNT, &sheets);
    for (unsigned short index = 0; index < sheets; ++index) {
        const char* name = nullptr;
        if (freexl_get_worksheet_name(handle, index, &name) != FREEXL_OK || !name ||
            !isSheetName(QString::fromUtf8(name)))
            continue;
        if (freexl_select_active_worksheet(handle, index) != FREEXL_OK)
            throw SheetError(QString::fromUtf8(kNoSheet));
        unsigned int rows = 0;
        unsigned short columns = 0;
        freexl_worksheet_dimensions(handle, &rows, &columns);
        for (unsigned int r = 0; r < rows; ++r) {
            QStringList cells;
            for (unsigned short c = 0; c < columns; ++c) {
                FreeXL_CellValue value;
                QString text;
                if (freexl_get_cell_value(handle, r, c, &value) == FREEXL_OK) {
                    switch (value.type) {
                    case FREEXL_CELL_INT:
                        text = QString::number(value.value.int_value);
                        break;
                    case FREEXL_CELL_DOUBLE:
                        text = numberText(value.value.double_value);
                        break;
                    case FREEXL_CELL_TEXT:
                    case FREEXL_CELL_SST_TEXT:
                    case FREEXL_CELL_DATE:
                    case FREEXL_CELL_DATETIME:
                    case FREEXL_CELL_TIME:
                        text = QString::fromUtf8(value.value.text_value);
                        break;
                    default:
                        break;
                    }
                }
                cells << text;
            }
            grid->rows.push_back({static_cast<int>(r) + 1, cells});
        }
        return true;
    }
    return false;
}

Grid readCsv(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw SheetError(QStringLiteral("เปิดไฟล์ไม่ได้: ") + file.errorString());
    QString text = decodeText(file.readAll());
    if (text.startsWith(QChar(0xFEFF)))
        text.remove(0, 1);
    const QStringList lines = text.split(QRegularExpression(QStringLiteral("\r\n|\n|\r")));
    // The separator of the heading line: a comma, or what a Thai spreadsheet writes instead.
    QChar separator = QLatin1Char(',');
    const QString heading = lines.value(0);
    for (QChar candidate : {QChar(u','), QChar(u';'), QChar(u'\t')}) {
        if (heading.count(candidate) >= 3) {
            separator = candidate;
            break;
        }
    }
    Grid grid;
    for (int i = 0; i < lines.size(); ++i)
        grid.rows.push_back({i + 1, csvCells(lines[i], separator)});
    return grid;
}

QVector<Row> read(const QString& path) {
    const QString suffix = QFileInfo(path).suffix().toLower();
    if (!QFileInfo(path).isFile())
        throw SheetError(QStringLiteral("ไม่พบไฟล์ ") + path);
    Grid grid;
    bool found = true;
    if (suffix == QLatin1String("xlsx") || suffix == QLatin1String("xlsm"))
        found = readXlsx(path, &grid);
    else if (suffix == QLatin1String("ods"))
        found = readOds(path, &grid);
    else if (suffix == QLatin1String("xls"))
        found = readXls(path, &grid);
    else if (suffix == QLatin1String("csv") || suffix == QLatin1String("txt"))
        grid = readCsv(path);
    else
        throw SheetError(QStringLiteral("ไฟล์ชนิดนี้อ่านไม่ได้ กรุณาเลือกไฟล์ .xls .xlsx .ods หรือ .csv"));
    if (!found)
        throw SheetError(QString::fromUtf8(kNoSheet));

    // The headings: the first row that holds anything.
    int first = 0;
    while (first < grid.rows.size() && grid.rows[first].second.join(QString()).trimmed().isEmpty())
        ++first;
    int columns[4] = {-1, -1, -1, -1};
    if (first < grid.rows.size()) {
        const QStringList& headings = grid.rows[first].second;
        const char* names[] = {"num", "h", "t", "l"};
        for (int i = 0; i < headings.size(); ++i) {
            for (int n = 0; n < 4; ++n) {
                if (columns[n] < 0 && headings[i].trimmed().compare(QLatin1String(names[n]),
                                                                    Qt::CaseInsensitive) == 0)
                    columns[n] = i;
            }
        }
    }
    for (int column : columns) {
        if (column < 0)
            throw SheetError(QStringLiteral("แผ่นงาน sheet1 ต้องมีหัวคอลัมน์ num, h, t และ l ในแถวแรก"));
    }
    QVector<Row> rows;
    for (int i = first + 1; i < grid.rows.size(); ++i) {
        const QStringList& cells = grid.rows[i].second;
        Row row;
        row.line = grid.rows[i].first;
        row.num = cellAt(cells, columns[0]);
        row.h = cellAt(cells, columns[1]);
        row.t = cellAt(cells, columns[2]);
        row.l = cellAt(cells, columns[3]);
        if (row.num.isEmpty() && row.h.isEmpty() && row.t.isEmpty() && row.l.isEmpty())
            continue;
        rows.push_back(row);
    }
    return rows;
}

} // namespace sheetfile
