#pragma once

#include <QString>
#include <QStringList>
#include <QVector>

class Database;

// The log of the cut by limit: the latest sent list (sentall2) and the log of every cut
// (sentall), listed by cut, taken back into the book, halved and deleted. Every change runs as
// one transaction of the book under the cut lock (see cut::Session).
namespace cutlog {

// One line of a sent listing: a number's amounts in one report group.
struct SentLine {
    QString num;
    double h = 0;
    double t = 0;
    double l = 0;
    int rep = 0;
};

struct SentListing {
    QString title;
    QVector<SentLine> lines;
    double total = 0; // "ยอดรวม=": the sum of h, t and l
};

// The latest sent list as the menu cut's report reads it (qsentall2), titled
// "สรุปยอดส่งรวมปัจจุบัน", or when it is empty the title that points to the backups.
SentListing latestSent(Database& book);

// The log window's choices: one per cut number 1..k (k = backc.back8, whatever its size), then
// "ยอดเกินอั้นรวมจากการตัดทั้งหมด" when k > 0.
QStringList choices(Database& book);
// A choice as what it selects: cut 1..k, or 0 for all cuts; -1 for no choice.
int cutOfChoice(Database& book, int choiceIndex);
// The sent amounts of one cut (qsentall) or of all cuts (cut 0, qsentallp), ordered by report
// group and number, with their report title ("สรุปยอดส่งครั้งที่..i", "สรุปยอดส่งรวมทั้งหมด").
SentListing logOf(Database& book, int cut);
// The latest cut (k) titled "สรุปยอดส่งล่าสุด".
SentListing latestCutLog(Database& book);
// Every cut's sent amounts, cut after cut by report group, titled "สรุปยอดส่งรวมสะสม".
SentListing cumulativeLog(Database& book);

// Takes a cut back: its sent amounts become lines of their kinds again under "คืนค่า-i" and
// leave the log; cut 0 takes every logged row back under "คืนค่าทั้งหมด" and empties the log.
// Rows without an amount (the filler rows) become no line. Returns the lines written.
int takeBack(Database& book, int cut);

// "ปรับยอดส่งให้เหลือ 50%": halves every positive amount of the latest sent list; the sent
// tables and the log keep the full amounts.
void halveLatestSent(Database& book);

// Deletes the whole log (the cut number is not reset).
void deleteLog(Database& book);

// The window's words.
QString noChoiceText(); // กรุณาเลือกข้อมูลการตัดยอด
QString takeBackQuestion(const QString& choice); // คุณจะคืนค่า...หรือไม่ ?
QString takeBackCancelled(const QString& choice);
QString takeBackDone(const QString& choice);
QString halvedText(); // ปรับยอดส่งออก50%เรียบร้อย
QString deleteQuestion();
QString deleteDone();
QString deleteCancelled();

} // namespace cutlog
