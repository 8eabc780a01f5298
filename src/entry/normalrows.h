#pragma once

// The rows of the normal page's entry modes, read through entryMode(); included by the
// lookup only.
#include "entry/entrymode.h"

namespace normalrows {

constexpr EntryModeRow modeRow(NormalMode mode) {
    EntryModeRow row;
    row.mode = mode;
    row.dropN1 = mode;
    row.dropN2 = mode;
    return row;
}
constexpr EntryModeRow onKey(NormalMode mode, int key, const char* caption) {
    EntryModeRow row = modeRow(mode);
    row.functionKey = key;
    row.caption = caption;
    return row;
}
constexpr EntryModeRow onArrow(NormalMode mode, int position, const char* text) {
    EntryModeRow row = modeRow(mode);
    row.arrowPosition = position;
    row.arrowText = text;
    return row;
}
// A mode left by dropping a stake field of another; its banner replaces the chosen one.
constexpr EntryModeRow variant(NormalMode mode, const char* banner, FieldLayout layout) {
    EntryModeRow row = modeRow(mode);
    row.layout = layout;
    row.layout.banner = banner;
    return row;
}
constexpr FieldLayout withAutorun(FieldLayout layout) {
    layout.autorun = true;
    return layout;
}
// Only n2 is left.
constexpr FieldLayout secondStakeOnly(const char* caption) {
    FieldLayout layout = twoStakes(nullptr, caption);
    layout.n1 = false;
    return layout;
}

constexpr NumberLengths kThree = takesLengths({3}, "3 ตัวเท่านั้น");
constexpr NumberLengths kTwo = takesLengths({2}, "2 ตัวเท่านั้น");
constexpr NumberLengths kOne = takesLengths({1}, "1 ตัวเท่านั้น");
constexpr NumberLengths kUpToThree = takesLengths({1, 2, 3}, "1,2,3 ตัวเท่านั้น");
constexpr NumberLengths kTwoOrThree = takesLengths({2, 3}, "2,3 ตัวเท่านั้น");

// F4 and F5: a running digit has no reverse.
void noReverseForOneDigit(FieldLayout& layout, int length, const NormalOptions& options);
// F7: three stakes for three digits, and for two unless they are top and bottom only.
void combinedLayout(FieldLayout& layout, int length, const NormalOptions& options);
const char* combinedHint(int length, const NormalOptions& options);

constexpr EntryModeRow kF1 = [] {
    EntryModeRow r = onKey(NormalMode::F1, 1, "3ตัวชุด-กลุ่ม");
    r.namingTwoCaption = "3ตัวชุด-2Xชุด";
    r.arrowPosition = 8;
    r.lengths = takesLengths({3, 4, 5}, "3,4,5ตัว เท่านั้น");
    r.layout = oneStake("เงิน");
    r.autoInputLength = 3;
    r.hints = hintsFor(nullptr, nullptr, "ป้อนชุด3ตัว", "ป้อนกลุ่ม4ตัว", "ป้อนกลุ่ม5ตัว");
    r.hints.twoX = "ป้อนเลข 2X ชุด ";
    r.expansion = expand::setOrGroup;
    r.closedCheck = closedrule::topArrangements;
    return r;
}();

constexpr EntryModeRow kF2 = [] {
    EntryModeRow r = onKey(NormalMode::F2, 2, "3ตัวบน+โต๊ด");
    r.lengths = kThree;
    r.layout = twoStakes("เงินบน", "เงินโต๊ด");
    r.layout.cb1 = r.layout.cb2 = true;
    r.autoInputLength = 3;
    r.expansion = expand::topAndTod;
    r.closedCheck = closedrule::topThenTod;
    r.dropN1 = NormalMode::F2TodOnly;
    r.dropN2 = NormalMode::F2TopOnly;
    return r;
}();

constexpr EntryModeRow kF2TopOnly = [] {
    EntryModeRow r = variant(NormalMode::F2TopOnly, "ป้อน3ตัวบน", oneStake("เงินบน"));
    r.lengths = kThree;
    r.autoInputLength = 3;
    r.expansion = expand::topThree;
    r.closedCheck = closedrule::topThenTod;
    return r;
}();

constexpr EntryModeRow kF2TodOnly = [] {
    EntryModeRow r = variant(NormalMode::F2TodOnly, "ป้อน3ตัวโต๊ด", secondStakeOnly("เงินโต๊ด"));
    r.lengths = kThree;
    r.autoInputLength = 3;
    r.expansion = expand::todThree;
    r.closedCheck = closedrule::topThenTod;
    return r;
}();

constexpr EntryModeRow kF3 = [] {
    EntryModeRow r = onKey(NormalMode::F3, 3, "3ตัวล่าง-วิ่ง-คู่โต๊ด");
    r.namingTwoCaption = "3ตัวล่าง-เลข2ตัวx";
    r.lengths = kUpToThree;
    r.layout = withAutorun(oneStake("เงิน"));
    r.hints = hintsFor("ป้อนวิ่งล่าง", "ป้อนคู่โต๊ด", "ป้อน3ตัวล่าง");
    r.hints.twoX = "ป้อนเลข2X";
    r.expansion = expand::bottomRunPairTod;
    r.closedCheck = closedrule::bottomThree;
    return r;
}();

constexpr EntryModeRow kF4 = [] {
    EntryModeRow r = onKey(NormalMode::F4, 4, "2บนกลับ-3ตรงชุด");
    r.lengths = takesLengths({1, 2, 3}, "1, 2,3 ตัวเท่านั้น");
    r.layout = withAutorun(twoStakes("ตรง", "กลับ"));
    r.layout.cb2 = true;
    r.layoutRule = noReverseForOneDigit;
    r.hints = hintsFor("ป้อนวิ่งบน", "ป้อน2ตัวบน+กลับ", "ป้อน3ตัวตรง+ชุดกลับ");
    r.expansion = expand::topReverseSet;
    r.closedCheck = closedrule::topReverseOrArrangements;
    r.dropN2 = NormalMode::F4TopOnly;
    r.option = ModeOption::straightPlusSet;
    return r;
}();

constexpr EntryModeRow kF4TopOnly = [] {
    EntryModeRow r = variant(NormalMode::F4TopOnly, "2ตัวบน", withAutorun(oneStake("ตรง")));
    r.lengths = kTwo;
    r.autoInputLength = 2;
    r.expansion = expand::topTwo;
    r.closedCheck = closedrule::topAndReverse;
    return r;
}();

constexpr EntryModeRow kF5 = [] {
    EntryModeRow r = onKey(NormalMode::F5, 5, "วิ่ง-2ตัวล่าง+กลับ");
    r.lengths = takesLengths({1, 2}, "1,2 ตัวเท่านั้น");
    r.layout = withAutorun(twoStakes("ตรง", "กลับ"));
    r.layout.cb2 = true;
    r.layoutRule = noReverseForOneDigit;
    r.hints = hintsFor("ป้อนวิ่งล่าง", "ป้อน2ตัวล่าง+กลับ");
    r.expansion = expand::bottomRunOrReverse;
    r.closedCheck = closedrule::bottomAndReverse;
    r.dropN2 = NormalMode::F5BottomOnly;
    return r;
}();

constexpr EntryModeRow kF5BottomOnly = [] {
    EntryModeRow r = variant(NormalMode::F5BottomOnly, "2ตัวล่าง", withAutorun(oneStake("ตรง")));
    r.lengths = kTwo;
    r.autoInputLength = 2;
    r.expansion = expand::bottomTwo;
    r.closedCheck = closedrule::bottomAndReverse;
    return r;
}();

constexpr EntryModeRow kF6 = [] {
    EntryModeRow r = onKey(NormalMode::F6, 6, "2ตัวบน+ล่าง");
    r.arrowPosition = 4;
    r.arrowText = "บน+ล่าง";
    r.lengths = kUpToThree;
    r.layout = twoStakes("บน", "ล่าง");
    r.layout.cb1 = r.layout.cb2 = true;
    r.hints = hintsFor("ป้อนเลขวิ่ง", "ป้อนเลข2ตัวบน-ล่าง", "ป้อนเลข3ตัวบน-ล่าง");
    r.expansion = expand::topAndBottom;
    r.closedCheck = closedrule::topOrBottomOfLength;
    r.dropN1 = NormalMode::F6BottomOnly;
    r.dropN2 = NormalMode::F6TopOnly;
    return r;
}();

constexpr EntryModeRow kF6TopOnly = [] {
    EntryModeRow r = variant(NormalMode::F6TopOnly, "วิ่งบน", oneStake("บน"));
    r.lengths = kOne;
    r.autoInputLength = 1;
    r.expansion = expand::topRun;
    r.closedCheck = closedrule::topOrBottomOfLength;
    return r;
}();

constexpr EntryModeRow kF6BottomOnly = [] {
    EntryModeRow r = variant(NormalMode::F6BottomOnly, "ป้อนวิ่งล่าง", secondStakeOnly("ล่าง"));
    r.lengths = kOne;
    r.autoInputLength = 1;
    r.expansion = expand::bottomRun;
    r.closedCheck = closedrule::topOrBottomOfLength;
    return r;
}();

constexpr EntryModeRow kF7 = [] {
    EntryModeRow r = onKey(NormalMode::F7, 7, "รวม");
    r.lengths = kUpToThree;
    r.layout = twoStakes("บน", "ล่าง");
    r.layoutRule = combinedLayout;
    r.hintRule = combinedHint;
    r.expansion = expand::combined;
    r.closedCheck = closedrule::topTodOrTopTwo;
    r.option = ModeOption::bottomBeforeTod;
    r.threeStakeCaption = "รวมบน+โต๊ด+ล่าง";
    r.threeStakeOptionCaption = "รวมบน+ล่าง+โต๊ด";
    return r;
}();

constexpr EntryModeRow kF8 = [] {
    EntryModeRow r = onKey(NormalMode::F8, 8, "2ตัวบน-ล่าง/กลับ");
    r.lengths = kTwo;
    r.layout = twoStakes("ตรง", "กลับ");
    r.layout.cb2 = true;
    r.autoInputLength = 2;
    r.hints = hintsFor(nullptr, "ป้อนเลข2ตัวบน+กลับ-ล่าง+กลับ(F8)");
    r.expansion = expand::topBottomReverse;
    r.closedCheck = closedrule::topTwo;
    r.dropN2 = NormalMode::F8NoReverse;
    return r;
}();

constexpr EntryModeRow kF8NoReverse = [] {
    EntryModeRow r = variant(NormalMode::F8NoReverse, "ป้อนเลข2ตัวบน-ล่าง", oneStake("ตรง"));
    r.lengths = kTwo;
    r.autoInputLength = 2;
    r.expansion = expand::topBottomTwo;
    r.closedCheck = closedrule::topTwo;
    return r;
}();

constexpr EntryModeRow kF9 = [] {
    EntryModeRow r = onKey(NormalMode::F9, 9, "All in One");
    r.arrowPosition = 3;
    r.arrowText = "All In One(F9)";
    r.layout = oneStake("เงิน");
    r.layout.wideN1 = true;
    r.layout.operators = true;
    r.layout.inputLimit = false;
    r.expansion = expand::allInOne;
    r.afterLine = linecaption::allInOne;
    r.closedCheck = closedrule::topArrangements;
    r.lineCheck = allInOneCheck;
    return r;
}();

constexpr EntryModeRow kF10 = [] {
    EntryModeRow r = onKey(NormalMode::F10, 10, "รวมล่าง ");
    r.arrowPosition = 2;
    r.arrowText = "ล่าง(F10)";
    r.lengths = kUpToThree;
    r.layout = oneStake("ล่าง");
    r.layout.operators = true;
    r.hints = hintsFor("ป้อนเลขวิ่งล่าง", "ป้อนเลข2ตัวล่าง", "ป้อนเลข3ตัวล่าง");
    r.expansion = expand::bottomTotals;
    r.afterLine = linecaption::bottomTotals;
    return r;
}();

constexpr EntryModeRow kMenu1 = [] {
    EntryModeRow r = onArrow(NormalMode::Menu1, 1, "โต๊ด");
    r.lengths = kTwoOrThree;
    r.layout = oneStake("โต๊ด");
    r.hints = hintsFor(nullptr, "2ตัวโต๊ด", "3ตัวโต๊ด");
    r.expansion = expand::tod;
    return r;
}();

constexpr EntryModeRow kMenu5 = [] {
    EntryModeRow r = onArrow(NormalMode::Menu5, 5, "บน+โต๊ด");
    r.lengths = kTwoOrThree;
    r.layout = twoStakes("บน", "โต๊ด");
    r.hints = hintsFor(nullptr, "2ตัวบน+โต๊ด", "3ตัวบน+โต๊ด");
    r.expansion = expand::topAndTodAnyLength;
    return r;
}();

constexpr EntryModeRow kMenu6 = [] {
    EntryModeRow r = onArrow(NormalMode::Menu6, 6, "ป้อนเลขบน+โต๊ด+ล่าง");
    r.lengths = kThree;
    r.layout = twoStakes("บน", "โต๊ด+ล่าง");
    r.layout.nu3 = true;
    r.autoInputLength = 3;
    r.expansion = expand::topTodBottom;
    return r;
}();

constexpr EntryModeRow kMenu7 = [] {
    EntryModeRow r = onArrow(NormalMode::Menu7, 7, "ป้อนเลขบน+ล่าง+โต๊ด");
    r.lengths = kThree;
    r.layout = twoStakes("บน", "ล่าง+โต๊ด");
    r.layout.nu3 = true;
    r.autoInputLength = 3;
    r.expansion = expand::topBottomTod;
    return r;
}();

} // namespace normalrows
