#pragma once

#include "store/kinds.h"

#include <QString>
#include <QStringList>
#include <QVector>
#include <optional>

class Database;

// The stakes by number of one customer or of everybody, and one customer's lines in the order
// they were entered. Rows are read for the report that prints them, so two computers choosing
// at once each print their own.
namespace customerviews {

// A kind choice: 0 all kinds, 1..10 the kinds in listing order (h3 t3 l3 h2 l2 t2 h1 l1 h4 h5).
constexpr int kAllKinds = 0;
Kind kindOfChoice(int choice);
// The choosers' items in a kind naming mode.
QStringList kindChoices(int namingMode);

// One printed row: the number and the top, tod and bottom stakes (none where the row does not
// fill that column).
struct Line {
    QString num;
    std::optional<double> h, t, l;
};

// A kind's figure of the summary: its caption ("3ตัวบน=") and the kind's sum, none when the
// rows hold no line of the kind or the figure is not printed.
struct Figure {
    QString caption;
    std::optional<double> amount;
};

struct Listing {
    QString heading;
    QVector<Line> lines;
    // Two to a summary line, in printing order.
    QVector<Figure> figures;
    // The sum of every stake of the printed rows.
    double total = 0;
    bool headingInSummary = false;
};

struct ByCustomer {
    QString name;
    int kind = kAllKinds;
    bool allSheets = false; // "รวมทุกแผ่น"
    int namingMode = 0;
    QString kindText; // the kind chooser's text, for the heading
};
Listing byCustomer(Database& db, const ByCustomer& request);

// Everybody's stakes: from all entered lines or from the remaining totals.
enum class Source { entered, remaining };
// 0 all, then three digits, two digits, running, group of four, group of five.
QStringList groupChoices();
Listing everybody(Database& db, Source source, int group);

// One entered line of a customer.
struct Entered {
    QString id, num;
    double h = 0, t = 0, l = 0;
    QString cus, tim;
};
QString entryOrderHeading(int kind, const QString& name);
// The customer's lines of the kind in entry order; none for a name that is no customer.
QVector<Entered> entryOrder(Database& db, const QString& name, int kind);
// Every line of the book in entry order ("สรุปยอดลำดับการป้อน"), and every row a station has
// sent to the server ("สรุปยอดข้อมูลทั้งหมดที่ส่งไปServer"), numbered as they were sent.
QVector<Entered> bookOrder(Database& own);
QVector<Entered> sentOrder(Database& own);

} // namespace customerviews
