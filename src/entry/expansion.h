#pragma once

#include "entry/betrecord.h"

#include <QString>

// The stake fields n1, n2 and nu3 as typed; an empty field counts as 0.
struct Stakes {
    QString n1;
    QString n2;
    QString nu3;
};

// What one bet line expands into.
struct Expansion {
    BetRecords records; // in recording order; may be empty (nothing is written)
    // Empty: record the list as it is. Otherwise the scratch table through which the list
    // is recorded, each number once.
    QString scratchTable;
    // The first stake text that is not a whole number; the line is then refused and
    // records is empty.
    QString badStake;

    bool refused() const { return !badStake.isEmpty(); }
};
