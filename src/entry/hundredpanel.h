#pragma once

#include <QString>
#include <QVector>

class Database;

// The hundred two-digit numbers with their h2 totals, as the stock page's panel shows them.
struct PanelCell {
    QString number; // 00 ... 99
    double total = 0;
    bool overLimit = false; // the total is above the h2 kind limit (equal is not)
    bool watched = false;   // a watched h2 number (numlimit2), when watched numbers are painted
};

// The rows of h2h2 in id order, read in one statement with the h2 limit and the watched list.
QVector<PanelCell> readHundredPanel(Database& db, bool paintWatched);

// The panel's seven grids: 16 numbers each, the last one 4 (ids 96 to 99).
constexpr int kPanelGrids = 7;
constexpr int kPanelRowsPerGrid = 16;
