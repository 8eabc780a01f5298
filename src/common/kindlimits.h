#pragma once

#include "store/kinds.h"

#include <QStringList>
#include <array>

class Database;

// Kinds holding a number whose total is above the kind's limit (change2), by Kind.
std::array<bool, kKindCount> kindsOverLimit(Database& db);
// The same against given limits, in column order (the kind-limit window's values).
std::array<bool, kKindCount> kindsOverLimit(Database& db, const QStringList& limits);
