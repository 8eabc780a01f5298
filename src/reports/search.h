#pragma once

#include "store/kinds.h"

#include <QString>
#include <QStringList>
#include <QVector>

class Database;

// The searches of the stored lines: the customers who bet a number, and every stored row of
// one number of one kind, in the processed lines (tball) or in the copy of what was entered
// (tballcus). Numbers are compared as text, leading zeros and all.
namespace search {

// The number groups of the customer search ("เลข3ตัว" ... "เลขกลุ่ม5ตัว"; head names in kind
// naming mode 1) and their sources tbycus3, tbycus2, tbycus1, tbycus4, tbycus5.
QStringList groupChoices(int namingMode);

struct CustomerRow {
    QString cus;
    QString name;
    QString num;
    double h = 0, t = 0, l = 0;
};
// The customers who bet the number in the group (0 ... 4), with their stakes.
QVector<CustomerRow> customersOf(Database& db, int group, const QString& num);

// "พบข้อมูลจำนวน3รายการ".
QString foundText(int rows);

// The kinds of the number search, in listing order, and their captions.
QStringList kindChoices(int namingMode);
Kind kindOfChoice(int choice);
// "กรุณาเลือกชนิดของตัวเลข"
QString noKindText();

// The tables searched.
enum class Table { processed, entered };
QString tableName(Table table); // tball, tballcus

// The ids of the rows of the number and kind, ascending.
QVector<qint64> rowsOf(Database& db, Table table, Kind kind, const QString& num);
// A filter of the grid that lists exactly those rows.
QString idFilter(const QVector<qint64>& ids);

// Why an edit typed into a row of the kind is refused, or empty when it may be written: the
// number of the kind's width (2X patterns for t2 in naming mode 2), a whole stake within the
// amounts the book holds, a stake only in the kind's own column.
QString editRefusal(const QString& field, const QString& typed, Kind kind);

} // namespace search
