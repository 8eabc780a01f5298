#include "exchange/exports.h"

#include "common/cutsession.h"
#include "store/database.h"
#include "store/kindcaptions.h"

#include <QSqlQuery>

namespace exports {

namespace {

const unsigned kHeading = workbook::fromColorValue(65535);
const unsigned kSeparator = workbook::fromColorValue(12632256);

// What follows "แสดงยอดปัจจุบัน", "ยอดเก็บ" or "ยอดส่ง" in a kind's title.
QString titleName(Kind kind, int mode) {
    if (mode == 1 && (kind == Kind::t2 || kind == Kind::h4 || kind == Kind::h5))
        return kindCaption(kind, 1);
    if (mode == 2 && kind == Kind::t2)
        return QStringLiteral(" 2ตัวX");
    if (kind == Kind::h4)
        return QStringLiteral("4ตัว");
    if (kind == Kind::h5)
        return QStringLiteral("5ตัว");
    return kindCaption(kind, 0);
}

QString columnLetter(int column) {
    return QString(QChar(u'A' + column - 1));
}

QString sumFormula(const QString& letter, int lastRow) {
    return QStringLiteral("=SUM(") + letter + QStringLiteral("2:") + letter +
           QString::number(lastRow) + QLatin1Char(')');
}

struct Block {
    int column;           // its first column
    QStringList headings; // the number's heading, then one per amount
    QString sql;          // number, then the amounts in the order of the headings
};

// Current totals from the saved summaries; sent amounts from the ten sent tables, each
// number's kinds side by side.
QVector<Block> summaryBlocks(Source source) {
    auto sent = [](std::initializer_list<Kind> kinds) {
        QStringList parts;
        int index = 0;
        const int count = static_cast<int>(kinds.size());
        for (Kind kind : kinds) {
            QStringList columns;
            for (int i = 0; i < count; ++i)
                columns << QStringLiteral("%1 AS a%2")
                               .arg(i == index ? stakeColumn(kind) : QStringLiteral("0"))
                               .arg(i);
            parts << QStringLiteral("SELECT num, %1 FROM %2")
                         .arg(columns.join(QStringLiteral(", ")), cut::sentTable(kind));
            ++index;
        }
        QStringList sums;
        for (int i = 0; i < count; ++i)
            sums << QStringLiteral("coalesce(sum(a%1),0)").arg(i);
        return QStringLiteral("SELECT num, %1 FROM (%2) s GROUP BY num ORDER BY num")
            .arg(sums.join(QStringLiteral(", ")), parts.join(QStringLiteral(" UNION ALL ")));
    };
    const bool current = source == Source::current;
    return {
        {1,
         {QStringLiteral("เลข3ตัว"), QStringLiteral("บน"), QStringLiteral("โต๊ด"),
          QStringLiteral("ล่าง")},
         current ? QStringLiteral("SELECT num, h, t, l FROM htl3excel ORDER BY num")
                 : sent({Kind::h3, Kind::t3, Kind::l3})},
        {6,
         {QStringLiteral("เลข2ตัว"), QStringLiteral("บน"), QStringLiteral("ล่าง"),
          QStringLiteral("โต๊ด")},
         current ? QStringLiteral("SELECT num, h, l, t FROM hl2excel ORDER BY num")
                 : sent({Kind::h2, Kind::l2, Kind::t2})},
        {11,
         {QStringLiteral("เลขวิ่ง"), QStringLiteral("บน"), QStringLiteral("ล่าง")},
         current ? QStringLiteral("SELECT num, h, l FROM hl1excel ORDER BY num")
                 : sent({Kind::h1, Kind::l1})},
    };
}

} // namespace

const std::array<Kind, kKindCount>& kindItems() {
    return listingOrder();
}

QString itemCaption(Kind kind, int namingMode) {
    return kindCaption(kind, namingMode);
}

QString title(Source source, Kind kind, int namingMode) {
    static const char* const prefixes[] = {"แสดงยอดปัจจุบัน", "ยอดเก็บ", "ยอดส่ง"};
    return QString::fromUtf8(prefixes[static_cast<int>(source)]) + titleName(kind, namingMode);
}

QString summaryTitle(Source source) {
    return source == Source::sent ? QStringLiteral("สรุปยอดส่งรวม") : QStringLiteral("สรุปยอดรวม");
}

QString doneText(Source source) {
    return source == Source::current ? QStringLiteral("ส่งออกข้อมูลยอดปัจจุบันเรียบร้อย")
                                     : QStringLiteral("ส่งออกข้อมูลเรียบร้อย");
}

QVector<NumberAmount> readKind(Database& db, Source source, Kind kind) {
    QString sql;
    const QString column = stakeColumn(kind);
    switch (source) {
    case Source::current:
        sql = QStringLiteral("SELECT num, %1 FROM %2 ORDER BY num")
                  .arg(column, cut::totalsView(kind));
        break;
    case Source::kept:
        sql =
            QStringLiteral("SELECT num, %1 FROM %2 ORDER BY num").arg(column, cut::keptTable(kind));
        break;
    case Source::sent:
        sql =
            QStringLiteral("SELECT num, %1 FROM %2 ORDER BY num").arg(column, cut::sentTable(kind));
        break;
    }
    QVector<NumberAmount> rows;
    QSqlQuery query = db.exec(sql);
    while (query.next())
        rows.push_back({query.value(0).toString(), query.value(1).toDouble()});
    return rows;
}

workbook::Book kindBook(const QString& title, const QVector<NumberAmount>& rows) {
    workbook::Book book(title);
    workbook::Sheet& sheet = book.addSheet(QStringLiteral("Sheet1"));
    book.activate(sheet.name());
    const int n = rows.size();
    for (int i = 0; i < n; ++i) {
        sheet.setTextFormat(i + 2, 1);
        sheet.writeText(i + 2, 1, rows[i].num);
        sheet.writeNumber(i + 2, 2, rows[i].amount);
    }
    sheet.fillRow(1, kHeading);
    sheet.boldRow(1);
    sheet.boldColumns(1, 2);
    sheet.writeText(n + 2, 1, QStringLiteral("ยอดรวม="));
    sheet.writeFormula(n + 2, 2, sumFormula(QStringLiteral("B"), n + 1));
    sheet.fillCell(n + 2, 1, workbook::fromColorIndex(3));
    sheet.fillCell(n + 2, 2, workbook::fromColorIndex(3));
    sheet.writeText(1, 1, QStringLiteral("เลข"));
    sheet.writeText(1, 2, QStringLiteral("จำนวน"));
    sheet.writeText(
        1, 6, title + QStringLiteral("จำนวน") + QString::number(n) + QStringLiteral("รายการ"));
    return book;
}

workbook::Book kindBook(Database& db, Source source, Kind kind, int namingMode) {
    return kindBook(title(source, kind, namingMode), readKind(db, source, kind));
}

workbook::Book summaryBook(Database& db, Source source) {
    workbook::Book book(summaryTitle(source));
    workbook::Sheet& sheet = book.addSheet(QStringLiteral("Sheet1"));
    book.activate(sheet.name());
    for (const Block& block : summaryBlocks(source)) {
        const int amounts = block.headings.size() - 1;
        int row = 2;
        QSqlQuery query = db.exec(block.sql);
        while (query.next()) {
            sheet.setTextFormat(row, block.column);
            sheet.writeText(row, block.column, query.value(0).toString());
            for (int i = 1; i <= amounts; ++i)
                sheet.writeNumber(row, block.column + i, query.value(i).toDouble());
            ++row;
        }
        for (int i = 0; i <= amounts; ++i)
            sheet.writeText(1, block.column + i, block.headings[i]);
        sheet.writeText(row, block.column, QStringLiteral("ยอดรวม="));
        sheet.fillCell(row, block.column, workbook::fromColorIndex(6));
        for (int i = 1; i <= amounts; ++i) {
            sheet.writeFormula(row, block.column + i,
                               sumFormula(columnLetter(block.column + i), row - 1));
            sheet.fillCell(row, block.column + i, workbook::fromColorIndex(3));
        }
        sheet.boldColumns(block.column, block.column);
    }
    sheet.fillColumn(5, kSeparator);
    sheet.fillColumn(10, kSeparator);
    sheet.fillRow(1, kHeading);
    sheet.boldRow(1);
    return book;
}

QString logTitle(std::optional<Kind> kind, int namingMode) {
    if (!kind)
        return QStringLiteral("เลขรวม");
    if (namingMode == 1 && (*kind == Kind::t2 || *kind == Kind::h4 || *kind == Kind::h5))
        return kindCaption(*kind, 1);
    if (namingMode == 2 && *kind == Kind::t2)
        return QStringLiteral("ยอดเก็บ 2ตัวX");
    return QStringLiteral("เลข") + titleName(*kind, 0);
}

QString logCaption(const QString& customerShown, const QString& kindTitle) {
    return QStringLiteral("แสดงลำดับการป้อนของ") + customerShown + kindTitle;
}

workbook::Book logBook(Database& db, const QString& caption, const QString& customer,
                       std::optional<Kind> kind) {
    QStringList where;
    QVariantList binds;
    if (!customer.isEmpty()) {
        // The customer's code; every name is its own code.
        const QVariant code =
            db.scalar(QStringLiteral("SELECT id FROM cus WHERE name = ?"), {customer});
        where << QStringLiteral("cus = ?");
        binds << (code.isValid() && !code.isNull() ? code.toString() : customer);
    }
    if (kind) {
        where << QStringLiteral("codeins = ?");
        binds << kindCode(*kind);
    }
    const QString sql =
        QStringLiteral("SELECT num, h, t, l, cus, tim, id FROM tball%1 ORDER BY id")
            .arg(where.isEmpty() ? QString()
                                 : QStringLiteral(" WHERE ") + where.join(QStringLiteral(" AND ")));

    workbook::Book book(caption);
    workbook::Sheet& sheet = book.addSheet(QStringLiteral("Sheet1"));
    book.activate(sheet.name());
    QSqlQuery query = db.exec(sql, binds);
    int row = 2;
    while (query.next()) {
        sheet.setTextFormat(row, 1);
        sheet.writeText(row, 1, query.value(0).toString());
        for (int column = 2; column <= 4; ++column)
            sheet.writeNumber(row, column, query.value(column - 1).toDouble());
        sheet.writeText(row, 5, query.value(4).toString());
        sheet.writeText(row, 6, query.value(5).toString());
        sheet.writeNumber(row, 7, query.value(6).toDouble());
        ++row;
    }
    const int n = row - 2;
    const char* headings[] = {"เลข", "บน", "โต๊ด", "ล่าง", "รหัส", "เวลา", "ลำดับ"};
    for (int i = 0; i < 7; ++i)
        sheet.writeText(1, i + 1, QString::fromUtf8(headings[i]));
    sheet.writeText(1, 9, QStringLiteral("จำนวน") + QString::number(n) + QStringLiteral("รายการ"));
    sheet.fillRow(1, kHeading);
    sheet.boldRow(1);
    sheet.boldColumns(1, 4);
    sheet.writeText(row, 1, QStringLiteral("ยอดรวม="));
    sheet.fillCell(row, 1, workbook::fromColorIndex(5));
    const char* letters[] = {"B", "c", "d"};
    for (int i = 0; i < 3; ++i) {
        sheet.writeFormula(row, i + 2, sumFormula(QString::fromLatin1(letters[i]), n + 1));
        sheet.fillCell(row, i + 2, workbook::fromColorIndex(3));
    }
    return book;
}

} // namespace exports
