#pragma once

// The rows of the head page's entry modes, read through entryMode(); included by the lookup
// only. The page takes no length warning: a number of another length records nothing.
#include "entry/normalrows.h"
#include "entry/pageexpansions.h"

namespace headrows {
using namespace normalrows;

constexpr EntryModeRow onHeadKey(NormalMode mode, int key, const char* button,
                                 const char* caption) {
    EntryModeRow row = onKey(mode, key, caption);
    row.page = EntryPage::head;
    row.button = button;
    return row;
}
constexpr EntryModeRow headVariant(NormalMode mode, const char* banner, FieldLayout layout) {
    EntryModeRow row = variant(mode, banner, layout);
    row.page = EntryPage::head;
    return row;
}

constexpr EntryModeRow kHeadF1 = [] {
    EntryModeRow r = onHeadKey(NormalMode::HeadF1, 1, "hn1", "2ตัวหัว-3ตัวชุด");
    r.layout = oneStake("เงิน");
    r.expansion = expand::headTwoOrSet;
    r.closedCheck = closedrule::headArrangements;
    return r;
}();

constexpr EntryModeRow kHeadF2 = [] {
    EntryModeRow r = onHeadKey(NormalMode::HeadF2, 2, "hn2", "3ตัวหัว+หัวโต๊ด");
    r.layout = twoStakes("เงินตรง", "เงินโต๊ด");
    r.layout.cb1 = r.layout.cb2 = true;
    r.autoInputLength = 3;
    r.expansion = expand::headAndTod;
    r.closedCheck = closedrule::headThree;
    r.dropN1 = NormalMode::HeadF2TodOnly;
    r.dropN2 = NormalMode::HeadF2TopOnly;
    return r;
}();

constexpr EntryModeRow kHeadF2TopOnly = [] {
    EntryModeRow r = headVariant(NormalMode::HeadF2TopOnly, "ป้อนหัว3ตัวบน", oneStake("เงินตรง"));
    r.autoInputLength = 3;
    r.expansion = expand::headThree;
    r.closedCheck = closedrule::headThree;
    return r;
}();

constexpr EntryModeRow kHeadF2TodOnly = [] {
    EntryModeRow r =
        headVariant(NormalMode::HeadF2TodOnly, "ป้อนหัว3ตัวโต๊ด", secondStakeOnly("เงินโต๊ด"));
    r.autoInputLength = 3;
    r.expansion = expand::headTod;
    r.closedCheck = closedrule::headThree;
    return r;
}();

constexpr EntryModeRow kHeadF3 = [] {
    EntryModeRow r = onHeadKey(NormalMode::HeadF3, 3, "hn3", "3ตัวหัว+3ตัวท้าย");
    r.layout = twoStakes("เงินหัว", "เงินท้าย");
    r.autoInputLength = 3;
    r.expansion = expand::headAndTail;
    r.closedCheck = closedrule::headThree;
    return r;
}();

constexpr EntryModeRow kHeadF4 = [] {
    EntryModeRow r = onHeadKey(NormalMode::HeadF4, 4, "hn5", "3ตัวหัว+ท้าย+โต๊ด");
    r.layout = twoStakes("เงินตรงหัว+ท้าย", "เงินโต๊ดหัว+ท้าย");
    r.autoInputLength = 3;
    r.expansion = expand::headTailHalves;
    r.closedCheck = closedrule::headThree;
    return r;
}();

constexpr EntryModeRow kHeadF5 = [] {
    EntryModeRow r = onHeadKey(NormalMode::HeadF5, 5, "hn6", "3ตัวชุดหัว+ชุดท้าย");
    r.layout = twoStakes("เงินชุดหัว", "เงินชุดท้าย");
    r.autoInputLength = 3;
    r.expansion = expand::headAndTailSets;
    r.closedCheck = closedrule::headArrangements;
    return r;
}();

constexpr EntryModeRow kHeadF6 = [] {
    EntryModeRow r = onHeadKey(NormalMode::HeadF6, 6, "hn4", "2ตัวหัว+กลับ");
    r.layout = twoStakes("ตรง", "กลับ");
    r.autoInputLength = 2;
    r.expansion = expand::headTwoAndReverse;
    return r;
}();

constexpr EntryModeRow kHeadF7 = [] {
    EntryModeRow r = onHeadKey(NormalMode::HeadF7, 7, "hn7", "4ตัว=>หัว24ชุด");
    r.layout = oneStake("เงิน");
    r.layout.numCaption = "เลข4ตัว";
    r.autoInputLength = 4;
    r.expansion = expand::headPicks24;
    return r;
}();

} // namespace headrows
