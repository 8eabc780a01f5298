#pragma once

#include "common/workbook.h"
#include "store/kinds.h"

#include <QString>
#include <QVector>
#include <optional>

class Database;

// The workbooks of the menu "(4)แสดงยอดExcel": one kind's current totals, kept or sent amounts,
// the summary of all kinds, and the entered lines in entry order.
namespace exports {

enum class Source { current, kept, sent };

// The kinds of the choosers, in their order.
const std::array<Kind, kKindCount>& kindItems();
// A kind's item in the chooser ("3ตัวบน", "หัว3ตัว" ...).
QString itemCaption(Kind kind, int namingMode);
// The title of one kind's sheet ("แสดงยอดปัจจุบัน3ตัวบน", "ยอดเก็บ4ตัว", "ยอดส่ง 2ตัวX" ...).
QString title(Source source, Kind kind, int namingMode);
// The title of the summary ("สรุปยอดรวม" or "สรุปยอดส่งรวม").
QString summaryTitle(Source source);
// What the window says when the workbook is written.
QString doneText(Source source);

struct NumberAmount {
    QString num;
    double amount = 0;
};
// One kind's rows of the source, by number.
QVector<NumberAmount> readKind(Database& db, Source source, Kind kind);

// One sheet: the numbers as text, their amounts, the total under them.
workbook::Book kindBook(const QString& title, const QVector<NumberAmount>& rows);
workbook::Book kindBook(Database& db, Source source, Kind kind, int namingMode);

// Three blocks on one sheet (three digits, two digits, running) of the current totals or the
// latest sent amounts.
workbook::Book summaryBook(Database& db, Source source);

// The entry order: the title of the kind chosen, or "เลขรวม" for all.
QString logTitle(std::optional<Kind> kind, int namingMode);
// The caption of the entry-order workbook.
QString logCaption(const QString& customerShown, const QString& kindTitle);
// The lines of tball in entry order, of one customer (empty: all) and one kind (none: all).
workbook::Book logBook(Database& db, const QString& caption, const QString& customer,
                       std::optional<Kind> kind);

} // namespace exports
