#include "support/workbookread.h"

#include <QJsonDocument>
#include <QProcess>
#include <QTest>

namespace testing {

namespace {
const char kReader[] = R"(
import json, sys, openpyxl
book = openpyxl.load_workbook(sys.argv[1])
def look(style):
    fill = style.fill
    rgb = fill.fgColor.rgb if fill is not None and fill.fill_type == 'solid' else None
    return {'b': bool(style.font and style.font.b), 'fill': rgb[-6:] if isinstance(rgb, str) else None}
out = {'sheets': book.sheetnames, 'active': book.active.title, 'title': book.properties.title,
       'cells': {}, 'rows': {}, 'columns': {}}
for ws in book.worksheets:
    cells = {}
    for row in ws.iter_rows():
        for c in row:
            item = look(c)
            item['v'] = c.value
            item['f'] = c.number_format
            cells[c.coordinate] = item
    out['cells'][ws.title] = cells
    out['rows'][ws.title] = {str(k): look(d) for k, d in ws.row_dimensions.items() if d.s}
    out['columns'][ws.title] = {k: look(d) for k, d in ws.column_dimensions.items()}
print(json.dumps(out))
)";
} // namespace

QJsonObject readWorkbook(const QString& path) {
    QProcess python;
    python.start(QStringLiteral("/usr/bin/python3"),
                 {QStringLiteral("-c"), QString::fromUtf8(kReader), path});
    if (!python.waitForFinished(60000) || python.exitCode() != 0) {
        QTest::qFail(("the workbook could not be read: " + python.readAllStandardError()).constData(),
                     __FILE__, __LINE__);
        return {};
    }
    return QJsonDocument::fromJson(python.readAllStandardOutput()).object();
}

} // namespace testing
