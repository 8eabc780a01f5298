#pragma once

#include <QString>
#include <QStringList>
#include <functional>

class Database;

// The chat-line format of bets: one bet a line, the number, "-", and one to three amounts
// separated by "/" (top; top/bottom; top/tod/bottom, or top/bottom/tod where the setting says).
namespace linetext {

// The twenty lines the import window starts with.
QStringList sampleLines();

// One line as the import window shows it.
struct Parse {
    bool hasDash = false; // a line without "-" records nothing
    QString number;       // before the last "-"
    QString amounts;      // after it, unchanged
    QString top, tod, bottom;
};
// Thai and full-width digits and stray spaces are read as what they are.
Parse parse(const QString& line, bool bottomBeforeTod);

// The box's lines, one bet each (a blank line is none).
QStringList linesOf(const QString& text);
// "ตรวจสอบ": every space and every "ตัวอย่าง" taken out.
QString checked(const QString& text);

// The line written for one row of the book; empty when the row fits no form of the format.
QString codeOf(const QString& num, double h, double t, double l);

struct Codes {
    QStringList lines;
    int rows = 0;        // rows of the book visited
    int withoutCode = 0; // rows that fit no form
};
// One line per row of tball in entry order, whatever its customer; progress gets whole percent
// of the rows visited.
Codes codes(Database& db, const std::function<void(int)>& progress = {});

} // namespace linetext
