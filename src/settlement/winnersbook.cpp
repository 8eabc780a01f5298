#include "settlement/winnersbook.h"

namespace winnersbook {

const char kCaption[] = "ผลการตรวจรางวัล";

namespace {

struct Block {
    const char* sheet;
    int column; // the first of its four
    const char* title;
    Kind kind;
};

const Block kBlocks[] = {
    {"Sheet1", 1, "เลข3ตัวบนที่ถูกรางวัล", Kind::h3},
    {"Sheet1", 6, "เลข3ตัวโต๊ดที่ถูกรางวัล", Kind::t3},
    {"Sheet1", 11, "เลข3ตัวล่างที่ถูกรางวัล", Kind::l3},
    {"Sheet2", 1, "เลข2ตัวบนที่ถูกรางวัล", Kind::h2},
    {"Sheet2", 6, "เลข2ตัวโต๊ดที่ถูกรางวัล", Kind::t2},
    {"Sheet2", 11, "เลข2ตัวล่างที่ถูกรางวัล", Kind::l2},
    {"Sheet3", 1, "เลขวิ่งบนที่ถูกรางวัล", Kind::h1},
    {"Sheet3", 6, "เลขวิ่งล่างที่ถูกรางวัล", Kind::l1},
    {"Sheet4", 1, "เลข4ตัวที่ถูกรางวัล", Kind::h4},
    {"Sheet4", 6, "เลข5ตัวที่ถูกรางวัล", Kind::h5},
};

void writeBlock(workbook::Sheet& sheet, const Block& block,
                const QVector<prizecheck::WinningLine>& lines) {
    const int first = block.column;
    sheet.writeText(1, first + 1, QString::fromUtf8(block.title));
    const char* headings[] = {"ชื่อ", "รหัสลูกค้า", "เลขที่ถูก", "จำนวน"};
    for (int i = 0; i < 4; ++i)
        sheet.writeText(2, first + i, QString::fromUtf8(headings[i]));
    int row = 3;
    for (const prizecheck::WinningLine& line : lines) {
        sheet.writeText(row, first, line.name);
        sheet.writeText(row, first + 1, line.cus);
        sheet.setTextFormat(row, first + 2);
        sheet.writeText(row, first + 2, line.num);
        sheet.writeNumber(row, first + 3, line.stake);
        ++row;
    }
    sheet.fillColumn(first + 4, workbook::fromColorValue(12632256));
    sheet.fillRow(1, workbook::fromColorValue(65535));
    sheet.boldRow(1);
    sheet.boldColumns(first, first + 3);
    sheet.fillCell(row, first, workbook::fromColorIndex(6));
    for (int i = 1; i < 4; ++i)
        sheet.fillCell(row, first + i, workbook::fromColorIndex(3));
}

} // namespace

workbook::Book build(const std::function<QVector<prizecheck::WinningLine>(Kind)>& winnersOf) {
    workbook::Book book(QString::fromUtf8(kCaption));
    for (const char* name : {"Sheet1", "Sheet2", "Sheet3", "Sheet4"})
        book.addSheet(QString::fromLatin1(name));
    for (const Block& block : kBlocks) {
        const QString name = QString::fromLatin1(block.sheet);
        book.activate(name);
        writeBlock(book.sheet(name), block, winnersOf(block.kind));
    }
    book.activate(QStringLiteral("Sheet1"));
    return book;
}

workbook::Book build(Database& db, const Draw& draw, int mode) {
    return build([&](Kind kind) {
        return prizecheck::winners(db, winning::ruleOf(kind, mode, draw));
    });
}

} // namespace winnersbook
