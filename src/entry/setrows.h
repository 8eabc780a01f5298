#pragma once

// The rows of the set page's entry modes, read through entryMode(); included by the lookup
// only. The page has buttons and no function keys.
#include "entry/normalrows.h"
#include "entry/pageexpansions.h"

namespace setrows {
using namespace normalrows;

constexpr EntryModeRow onSetButton(NormalMode mode, const char* button, const char* caption,
                                   const char* numCaption, NumberLengths lengths, int length) {
    EntryModeRow row = modeRow(mode);
    row.page = EntryPage::set;
    row.button = button;
    row.caption = caption;
    row.layout = oneStake("เงิน");
    row.layout.numCaption = numCaption;
    row.lengths = lengths;
    row.autoInputLength = length;
    return row;
}
constexpr EntryModeRow setVariant(NormalMode mode, const char* banner, FieldLayout layout) {
    EntryModeRow row = variant(mode, banner, layout);
    row.page = EntryPage::set;
    row.lengths = kOne;
    row.autoInputLength = 1;
    return row;
}

constexpr NumberLengths kFour = takesLengths({4}, "4 ตัวเท่านั้น");

constexpr EntryModeRow kSet54 = [] {
    EntryModeRow r = onSetButton(NormalMode::Set54, "f15", "2ตัว=>3ตัวบน54ชุด", "ป้อนเลข2ตัว",
                                 kTwo, 2);
    r.expansion = expand::threeFromPair;
    return r;
}();

constexpr EntryModeRow kSet24 = [] {
    EntryModeRow r =
        onSetButton(NormalMode::Set24, "f13", "4ตัว=>3ตัวบน24ชุด", "เลข4ตัว", kFour, 4);
    r.expansion = expand::picks24;
    return r;
}();

constexpr EntryModeRow kSet60 = [] {
    EntryModeRow r = onSetButton(NormalMode::Set60, "f16", "5ตัว=>3ตัวบน60ชุด", "ป้อนเลข5ตัว",
                                 takesLengths({5}, "5 ตัวเท่านั้น"), 5);
    r.expansion = expand::picks60;
    return r;
}();

constexpr EntryModeRow kSet120 = [] {
    EntryModeRow r = onSetButton(NormalMode::Set120, "f17", "6ตัว=>3ตัวบน120ชุด", "ป้อนเลข6ตัว",
                                 takesLengths({6}, "6 ตัวเท่านั้น"), 6);
    r.expansion = expand::picks120;
    return r;
}();

constexpr EntryModeRow kSet210 = [] {
    EntryModeRow r = onSetButton(NormalMode::Set210, "f18", "7ตัว=>3ตัวบน210ชุด", "ป้อนเลข7ตัว",
                                 takesLengths({7}, "7 ตัวเท่านั้น"), 7);
    r.expansion = expand::picks210;
    return r;
}();

constexpr EntryModeRow kSetDoors = [] {
    EntryModeRow r =
        onSetButton(NormalMode::SetDoors, "f19", "19ประตูบน+ล่าง", "เลข", kOne, 1);
    r.layout = twoStakes("บน", "ล่าง");
    r.layout.cb1 = r.layout.cb2 = true;
    r.expansion = expand::doorsTopBottom;
    r.dropN1 = NormalMode::SetDoorsBottom;
    r.dropN2 = NormalMode::SetDoorsTop;
    return r;
}();

constexpr EntryModeRow kSetBottom = [] {
    EntryModeRow r =
        onSetButton(NormalMode::SetBottom, "f14", "3ตัวล่างชุด", "เลข3ตัวล่าง", kThree, 3);
    r.expansion = expand::bottomSet;
    return r;
}();

constexpr EntryModeRow kSetGroup24 = [] {
    EntryModeRow r =
        onSetButton(NormalMode::SetGroup24, "f204", "4ตัว=>4ตัว24ชุด", "เลข4ตัว", kFour, 4);
    r.expansion = expand::groups24;
    return r;
}();

constexpr EntryModeRow kSetDoorsTop = [] {
    EntryModeRow r = setVariant(NormalMode::SetDoorsTop, "19ประตูบน", oneStake("บน"));
    r.expansion = expand::doorsTop;
    return r;
}();

constexpr EntryModeRow kSetDoorsBottom = [] {
    EntryModeRow r =
        setVariant(NormalMode::SetDoorsBottom, "19ประตูล่าง", secondStakeOnly("ล่าง"));
    r.expansion = expand::doorsBottom;
    return r;
}();

} // namespace setrows
