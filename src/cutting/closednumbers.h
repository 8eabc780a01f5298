#pragma once

#include "cutting/numberlists.h"

// The closed/watched number form (numlimit2): entry items 1 to 10 of its kind box; item 10
// exists in kind naming mode 1 only. Returns false for an index that is not offered.
bool closedItem(int index, int namingMode, EntryItem* out);

// The kinds whose grids the form shows in a naming mode.
QVector<Kind> closedKinds(int namingMode);

// Writes the closed-number warning (backc.back23) or the watched-number highlighting
// (backc.back27); returns the value read back.
bool setClosedWarning(Database& db, bool on);
bool setWatch(Database& db, bool on);
