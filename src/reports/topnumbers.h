#pragma once

#include <QSet>
#include <QString>
#include <QVector>
#include <array>

class Database;

// The board of the current totals of h3, t3, l3, h2 and l2, each list largest first, with the
// closed and watched numbers of the two two-digit lists marked.
namespace topnumbers {

constexpr int kLists = 5;

struct Row {
    QString num;
    double amount = 0;
};

// A list's title ("เลข3ตัวบน" ...) and the totals view by amount it shows (Tshowh3h, Tt3th,
// Tl3h, Th2h, Tl2h), whose source it reads (h3h, t3sph, l3h, h2h, l2h).
struct List {
    const char* title;
    const char* totalsView;
};
const std::array<List, kLists>& lists();

struct Board {
    std::array<QVector<Row>, kLists> rows;
    // The numbers of numlimit2 of h2 and of l2, for the lists 3 and 4; empty unless asked.
    std::array<QSet<QString>, kLists> marked;
};

// The five lists in their order, and the marks when watched numbers are marked.
Board read(Database& db, bool marks);

// The board's clock: a tick a second, a new reading after the 60th, the indicator green for
// the last five seconds before it.
constexpr int kRefreshAfter = 60;
constexpr int kGreenFrom = 56;

} // namespace topnumbers
