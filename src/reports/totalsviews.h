#pragma once

#include "store/kinds.h"

#include <QString>
#include <QStringList>
#include <QVector>
#include <vector>

class Database;

// The totals views by kind: one table of seventeen views, each a list of the current total of
// every number of its kind, read from the book's totals views.
namespace totals {

// The six kinds with limited-number variants take a mode: all numbers, the numbers under a
// per-number limit (their current totals), or what was sent of them at the latest cut.
enum class Mode { all = 0, limited = 1, sent = 2 };
enum class Order { byNumber, byAmount };

struct View {
    const char* className;
    const char* caption;
    const char* heading;
    const char* source; // the view read in mode all
    Kind kind;          // its amounts, limit and closed numbers
    int across;         // newspaper columns
    Order order;
    bool limitVariants = false; // sources <kind>limite and <kind>limite2
    bool pair = false;          // h and t side by side (ht3)
    bool running = false;       // "=" between number and amount
};

const std::vector<View>& views();
// nullptr for a name not in the table.
const View* view(const QString& className);
// The one-kind view of a kind in that order; nullptr where there is none.
const View* viewOf(Kind kind, Order order);

// What a view is opened with.
struct Request {
    const View* view = nullptr;
    Mode mode = Mode::all;
    // Sorted by amount, largest first, whatever the source's order (menu 2 of h4 and h5).
    bool byAmount = false;
    int namingMode = 0;
    // backc.back26 and back27.
    bool redWarning = false;
    bool watchNumbers = false;
};

// One printed row: the number, its amount (and the tod amount of a pair), its marks.
struct Line {
    QString num;
    double amount = 0;
    double amount2 = 0;
    bool numberOver = false; // bold and underlined
    bool amountOver = false; // underlined in red
    bool amount2Over = false;
    bool closed = false; // underlined in blue
};

struct Listing {
    QString caption;
    QString heading;
    int across = 5;
    bool pair = false;
    bool running = false;
    QVector<Line> lines;
    // What the footer sums: the amount column (both of a pair).
    double total = 0;
};

QString heading(const Request& request);
// The statement of the request, over the book's views.
QString statement(const Request& request);
// Reads the rows with their marks; kind limits are those of change2.
Listing read(Database& db, const Request& request);

} // namespace totals
