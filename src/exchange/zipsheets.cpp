// The sheets of the zipped workbooks: .xlsx (Office Open XML) and .ods (OpenDocument).

#include "exchange/sheetfile.h"

#include <QFile>
#include <QHash>
#include <QXmlStreamReader>

#include <unzip.h>

namespace sheetfile {

namespace {

// The entries of a zip file, read whole by name.
class Zip {
public:
    explicit Zip(const QString& path) : file_(unzOpen64(QFile::encodeName(path).constData())) {
        if (!file_)
            throw SheetError(QStringLiteral("อ่านไฟล์นี้ไม่ได้ (ไฟล์เสียหรือไม่ใช่ไฟล์ของโปรแกรมตารางคำนวณ)"));
    }
    ~Zip() { unzClose(file_); }
    Zip(const Zip&) = delete;
    Zip& operator=(const Zip&) = delete;

    // The entry's bytes; false when there is no such entry.
    bool entry(const QString& name, QByteArray* bytes) {
        if (unzLocateFile(file_, name.toUtf8().constData(), 0) != UNZ_OK)
            return false;
        if (unzOpenCurrentFile(file_) != UNZ_OK)
            throw damaged();
        bytes->clear();
        char buffer[65536];
        int read = 0;
        while ((read = unzReadCurrentFile(file_, buffer, sizeof buffer)) > 0)
            bytes->append(buffer, read);
        const int closed = unzCloseCurrentFile(file_);
        if (read < 0 || closed != UNZ_OK)
            throw damaged();
        return true;
    }

private:
    static SheetError damaged() { return SheetError(QStringLiteral("ไฟล์นี้เสียหาย อ่านข้อมูลไม่ครบ")); }
    unzFile file_;
};

// Column number from 0 of a cell reference such as "AB12".
int columnOf(QStringView reference) {
    int column = 0;
    for (QChar c : reference) {
        if (c < QLatin1Char('A') || c > QLatin1Char('Z'))
            break;
        column = column * 26 + (c.unicode() - u'A' + 1);
    }
    return column - 1;
}

int rowOf(QStringView reference) {
    int i = 0;
    while (i < reference.size() && reference[i].isLetter())
        ++i;
    return reference.mid(i).toInt();
}

void put(QStringList& cells, int column, const QString& text) {
    if (column < 0 || column > 16383)
        return;
    while (cells.size() <= column)
        cells << QString();
    cells[column] = text;
}

// The text of the element the reader stands on, its <t> parts joined (phonetic runs left out).
QString runText(QXmlStreamReader& xml) {
    const QString end = xml.name().toString();
    QString text;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isEndElement() && xml.name() == end)
            break;
        if (xml.isStartElement() && xml.name() == QLatin1String("rPh"))
            xml.skipCurrentElement();
        else if (xml.isStartElement() && xml.name() == QLatin1String("t"))
            text += xml.readElementText(QXmlStreamReader::IncludeChildElements);
    }
    return text;
}

QStringList sharedStrings(Zip& zip) {
    QByteArray bytes;
    QStringList strings;
    if (!zip.entry(QStringLiteral("xl/sharedStrings.xml"), &bytes))
        return strings;
    QXmlStreamReader xml(bytes);
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == QLatin1String("si"))
            strings << runText(xml);
    }
    return strings;
}

// The part of the sheet named sheet1, from the workbook and its relations.
QString xlsxSheetPart(Zip& zip) {
    QByteArray bytes;
    if (!zip.entry(QStringLiteral("xl/workbook.xml"), &bytes))
        throw SheetError(QStringLiteral("ไฟล์นี้ไม่ใช่แฟ้มงานExcel (.xlsx)"));
    QString relation;
    QXmlStreamReader xml(bytes);
    while (!xml.atEnd() && relation.isEmpty()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == QLatin1String("sheet") &&
            isSheetName(xml.attributes().value(QLatin1String("name")).toString())) {
            for (const QXmlStreamAttribute& a : xml.attributes()) {
                if (a.name() == QLatin1String("id"))
                    relation = a.value().toString();
            }
        }
    }
    if (relation.isEmpty() || !zip.entry(QStringLiteral("xl/_rels/workbook.xml.rels"), &bytes))
        return {};
    QXmlStreamReader rels(bytes);
    while (!rels.atEnd()) {
        rels.readNext();
        if (rels.isStartElement() && rels.name() == QLatin1String("Relationship") &&
            rels.attributes().value(QLatin1String("Id")) == relation) {
            const QString target = rels.attributes().value(QLatin1String("Target")).toString();
            return target.startsWith(QLatin1Char('/')) ? target.mid(1)
                                                       : QStringLiteral("xl/") + target;
        }
    }
    return {};
}

int repeat(const QXmlStreamAttributes& attributes, const char* name) {
    const int count = attributes.value(QLatin1String(name)).toInt();
    return count > 0 ? count : 1;
}

// The text of an OpenDocument paragraph: its spans joined, <text:s/> as spaces.
QString paragraphText(QXmlStreamReader& xml) {
    QString text;
    int depth = 1;
    while (!xml.atEnd() && depth > 0) {
        xml.readNext();
        if (xml.isStartElement()) {
            ++depth;
            if (xml.name() == QLatin1String("s"))
                text += QString(repeat(xml.attributes(), "text:c"), QLatin1Char(' '));
            else if (xml.name() == QLatin1String("tab"))
                text += QLatin1Char('\t');
        } else if (xml.isEndElement()) {
            --depth;
        } else if (xml.isCharacters()) {
            text += xml.text();
        }
    }
    return text;
}

} // namespace

bool readXlsx(const QString& path, Grid* grid) {
    Zip zip(path);
    const QString part = xlsxSheetPart(zip);
    QByteArray bytes;
    if (part.isEmpty() || !zip.entry(part, &bytes))
        return false;
    const QStringList strings = sharedStrings(zip);
    QXmlStreamReader xml(bytes);
    int rowNumber = 0;
    QStringList cells;
    bool inRow = false;
    int nextColumn = 0;
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement() && xml.name() == QLatin1String("row")) {
            const QStringView r = xml.attributes().value(QLatin1String("r"));
            rowNumber = r.isEmpty() ? rowNumber + 1 : r.toInt();
            cells.clear();
            inRow = true;
            nextColumn = 0;
        } else if (xml.isEndElement() && xml.name() == QLatin1String("row") && inRow) {
            grid->rows.push_back({rowNumber, cells});
            inRow = false;
        } else if (xml.isStartElement() && xml.name() == QLatin1String("c") && inRow) {
            const QXmlStreamAttributes attributes = xml.attributes();
            const QStringView reference = attributes.value(QLatin1String("r"));
            const int column = reference.isEmpty() ? nextColumn : columnOf(reference);
            if (!reference.isEmpty() && rowOf(reference) > 0)
                rowNumber = rowOf(reference);
            const QString type = attributes.value(QLatin1String("t")).toString();
            QString value;
            QString inline_;
            while (!xml.atEnd()) {
                xml.readNext();
                if (xml.isEndElement() && xml.name() == QLatin1String("c"))
                    break;
                if (xml.isStartElement() && xml.name() == QLatin1String("v"))
                    value = xml.readElementText();
                else if (xml.isStartElement() && xml.name() == QLatin1String("is"))
                    inline_ = runText(xml);
            }
            QString text;
            if (type == QLatin1String("s"))
                text = strings.value(value.toInt());
            else if (type == QLatin1String("inlineStr"))
                text = inline_;
            else if (type == QLatin1String("str") || type == QLatin1String("e") ||
                     type == QLatin1String("b"))
                text = value;
            else if (!value.isEmpty())
                text = numberText(value.toDouble());
            put(cells, column, text);
            nextColumn = column + 1;
        }
    }
    if (xml.hasError())
        throw SheetError(QStringLiteral("ไฟล์นี้เสียหาย: ") + xml.errorString());
    return true;
}

bool readOds(const QString& path, Grid* grid) {
    Zip zip(path);
    QByteArray bytes;
    if (!zip.entry(QStringLiteral("content.xml"), &bytes))
        throw SheetError(QStringLiteral("ไฟล์นี้ไม่ใช่แฟ้มงาน OpenDocument (.ods)"));
    QXmlStreamReader xml(bytes);
    bool found = false;
    int depth = 0; // inside the sheet: the depth of its table element
    int rowNumber = 0;
    while (!xml.atEnd()) {
        xml.readNext();
        if (!found) {
            if (xml.isStartElement() && xml.name() == QLatin1String("table") &&
                isSheetName(xml.attributes().value(QLatin1String("table:name")).toString())) {
                found = true;
                depth = 1;
            }
            continue;
        }
        if (xml.isEndElement() && xml.name() == QLatin1String("table") && --depth == 0)
            break;
        if (xml.isStartElement() && xml.name() == QLatin1String("table"))
            ++depth;
        if (!xml.isStartElement() || xml.name() != QLatin1String("table-row"))
            continue;
        const int rows = repeat(xml.attributes(), "table:number-rows-repeated");
        QStringList cells;
        int column = 0;
        while (!xml.atEnd()) {
            xml.readNext();
            if (xml.isEndElement() && xml.name() == QLatin1String("table-row"))
                break;
            if (!xml.isStartElement())
                continue;
            const bool covered = xml.name() == QLatin1String("covered-table-cell");
            if (xml.name() != QLatin1String("table-cell") && !covered)
                continue;
            const QXmlStreamAttributes attributes = xml.attributes();
            const int columns = repeat(attributes, "table:number-columns-repeated");
            const QString type = attributes.value(QLatin1String("office:value-type")).toString();
            const QString value = attributes.value(QLatin1String("office:value")).toString();
            QStringList paragraphs;
            while (!xml.atEnd()) {
                xml.readNext();
                if (xml.isEndElement() && (xml.name() == QLatin1String("table-cell") ||
                                           xml.name() == QLatin1String("covered-table-cell")))
                    break;
                if (xml.isStartElement() && xml.name() == QLatin1String("p"))
                    paragraphs << paragraphText(xml);
            }
            QString text = paragraphs.join(QLatin1Char('\n'));
            if ((type == QLatin1String("float") || type == QLatin1String("currency") ||
                 type == QLatin1String("percentage")) &&
                !value.isEmpty())
                text = numberText(value.toDouble());
            if (!text.isEmpty()) {
                for (int i = 0; i < columns && column + i < 16384; ++i)
                    put(cells, column + i, text);
            }
            column += columns;
        }
        // Rows repeated without anything in them are the sheet's empty end.
        if (!cells.join(QString()).trimmed().isEmpty()) {
            for (int i = 0; i < rows && i < 1048576; ++i)
                grid->rows.push_back({rowNumber + i + 1, cells});
        }
        rowNumber += rows;
    }
    if (xml.hasError())
        throw SheetError(QStringLiteral("ไฟล์นี้เสียหาย: ") + xml.errorString());
    return found;
}

} // namespace sheetfile
