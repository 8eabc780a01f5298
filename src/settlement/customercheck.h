#pragma once

#include "settlement/prizecheck.h"

#include <QDate>
#include <QString>
#include <QVector>

// The check of every entered line against the draw, customer by customer, and what each
// winner and the bookmaker owe each other.
namespace customercheck {

// Every winning line of every kind, kinds in listing order, each captioned as the naming
// mode names its kind.
QVector<prizecheck::WinningLine> winningLines(Database& db, const Draw& draw, int mode);

struct Winner {
    QString cus;
    QString name;
};
// The customers with a winning line, each once, by code.
QVector<Winner> winnersOf(const QVector<prizecheck::WinningLine>& lines);
// "มีผู้ถูกรางวัลจำนวน3คน(คลิ๊กที่ชื่อ)" or "ไม่มีผู้ถูกรางวัล".
QString countText(int winners);

// A customer's winnings against his account.
struct Settlement {
    qint64 won = 0;       // W: his winning lines at his pay rates
    qint64 total = 0;     // T: every stake he placed
    qint64 discount = 0;  // D: his discounts
    qint64 toCollect = 0; // R: T - D
    // Who pays the difference; when W equals R the caption "ยอดเรียกเก็บ=" stays.
    QString line() const;
};
qint64 wonBy(const QVector<prizecheck::WinningLine>& lines, const QString& cus);

// "10 / ธันวาคม / 2569": a year before 2500 is counted in the Buddhist era.
QString drawDateText(const QDate& date);

} // namespace customercheck
