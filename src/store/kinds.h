#pragma once

#include <QString>
#include <array>

// The ten bet kinds. The enum follows the column order of the one-row per-kind tables
// (change, change2, change3, cutlogc); listings use listingOrder().
enum class Kind { h3, t3, l3, h2, t2, l2, h1, l1, h4, h5 };

constexpr int kKindCount = 10;

struct KindInfo {
    Kind kind;
    const char* code;    // codeins value and per-kind table prefix
    char stakeColumn;    // 'h', 't' or 'l'
    int rep;             // report group
    int digits;          // length of the number
    const char* caption; // caption in kind naming mode 0
};

const KindInfo& kindInfo(Kind kind);
const std::array<Kind, kKindCount>& columnOrder();  // h3 t3 l3 h2 t2 l2 h1 l1 h4 h5
const std::array<Kind, kKindCount>& listingOrder(); // h3 t3 l3 h2 l2 t2 h1 l1 h4 h5
bool kindFromCode(const QString& code, Kind* out);
QString kindCode(Kind kind);
QString stakeColumn(Kind kind);
