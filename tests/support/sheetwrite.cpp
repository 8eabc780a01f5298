#include "support/sheetwrite.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QProcess>
#include <QTest>

namespace testing {

namespace {
const char kWriter[] = R"(
import json, sys
kind, path, name = sys.argv[1], sys.argv[2], sys.argv[4]
rows = json.loads(sys.argv[3])
if kind == 'xlsx':
    import openpyxl
    book = openpyxl.Workbook()
    book.active.title = 'other'
    book.active['A1'] = 'x'
    sheet = book.create_sheet(name)
    for r in rows:
        sheet.append(r)
    book.save(path)
elif kind == 'xls':
    import xlwt
    book = xlwt.Workbook()
    book.add_sheet('other').write(0, 0, 'x')
    sheet = book.add_sheet(name)
    for i, r in enumerate(rows):
        for j, v in enumerate(r):
            if v is not None:
                sheet.write(i, j, v)
    book.save(path)
elif kind == 'ods':
    from odf.opendocument import OpenDocumentSpreadsheet
    from odf.table import Table, TableRow, TableCell
    from odf.text import P
    doc = OpenDocumentSpreadsheet()
    for title, data in (('other', [['x']]), (name, rows)):
        table = Table(name=title)
        for r in data:
            row = TableRow()
            for v in r:
                if v is None:
                    cell = TableCell()
                elif isinstance(v, (int, float)):
                    cell = TableCell(valuetype='float', value=v)
                    cell.addElement(P(text=str(v)))
                else:
                    cell = TableCell(valuetype='string')
                    cell.addElement(P(text=v))
                row.addElement(cell)
            table.addElement(row)
        doc.spreadsheet.addElement(table)
    doc.save(path)
)";
} // namespace

void writeSheet(const QString& format, const QString& path, const QVariantList& rows,
                const QString& sheetName) {
    QJsonArray data;
    for (const QVariant& row : rows) {
        QJsonArray cells;
        for (const QVariant& cell : row.toList())
            cells.append(cell.isValid() ? QJsonValue::fromVariant(cell) : QJsonValue());
        data.append(cells);
    }
    QProcess python;
    python.start(QStringLiteral("/usr/bin/python3"),
                 {QStringLiteral("-c"), QString::fromUtf8(kWriter), format, path,
                  QString::fromUtf8(QJsonDocument(data).toJson(QJsonDocument::Compact)),
                  sheetName});
    if (!python.waitForFinished(60000) || python.exitCode() != 0)
        QTest::qFail(
            ("the sheet could not be written: " + python.readAllStandardError()).constData(),
            __FILE__, __LINE__);
}

} // namespace testing
