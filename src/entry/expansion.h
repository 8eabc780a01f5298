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
    // The first stake text that is not a whole number; the line is then refused and
    // records is empty.
    QString badStake;
    // The line asks for no record (F7 with every stake it uses 0), so an empty list is no
    // refusal.
    bool nothingAsked = false;

    bool refused() const { return !badStake.isEmpty(); }
    // The line records nothing although it asks for records: the mode does not take the
    // number (its length, a character that is not a Latin digit, a 2X or two-digit number the
    // mode or kind naming mode does not take), the stake form has no rule for the number, or
    // the set has no number (three equal digits). The clerk must be told; a bad stake is
    // told through badStake instead.
    bool notTaken() const { return records.isEmpty() && !refused() && !nothingAsked; }
};
