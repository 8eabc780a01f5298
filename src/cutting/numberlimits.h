#pragma once

#include "cutting/numberlists.h"

// The per-number limit form (numlimit): entry items 1 to 12 of its kind box.
// Kind naming mode 1 makes item 6 three digits wide; mode 2 stops it moving on by itself.
// Returns false for an index outside 1..12.
bool limitItem(int index, int namingMode, EntryItem* out);

// The kinds that have per-number limits, in grid order.
const QVector<Kind>& limitKinds();

// The bulk panel's "take/send" choice and the amount it puts in the amount box.
enum class BulkChoice { none, takeAll, ownAmount, sendAll };
QString bulkPreset(BulkChoice choice);
// Bulk fill of the limit list: a choice must have been made first.
BulkOutcome bulkFillLimits(Database& db, BulkChoice choice, const BulkRequest& request,
                           const std::function<void(int)>& progress = {});

// Writes the fifty-percent mode (backc.back19); returns the value read back.
bool setFiftyPercent(Database& db, bool on);
