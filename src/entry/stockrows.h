#pragma once

// The rows of the stock page's entry modes, read through entryMode(); included by the lookup
// only. Only F4 has a closed-number check (the normal page's F4).
#include "entry/normalrows.h"
#include "entry/pageexpansions.h"

namespace stockrows {
using namespace normalrows;

constexpr EntryModeRow onStockKey(NormalMode mode, int key, const char* button,
                                  const char* caption) {
    EntryModeRow row = onKey(mode, key, caption);
    row.page = EntryPage::stock;
    row.button = button;
    return row;
}
// The stake is typed in num.
constexpr FieldLayout stakeInNum(const char* caption) {
    FieldLayout layout;
    layout.n1 = false;
    layout.numCaption = caption;
    layout.stakeInNum = true;
    return layout;
}

constexpr EntryModeRow kStockF1 = [] {
    EntryModeRow r = onStockKey(NormalMode::StockF1, 1, "f8", "รูดคู่");
    r.layout = stakeInNum("เงินรูดคู่");
    r.keyNumCaption = "เงินบน";
    r.expansion = expand::doublesList;
    r.statusAfter = AfterLineStatus::plain;
    return r;
}();

constexpr EntryModeRow kStockF2 = [] {
    EntryModeRow r = onStockKey(NormalMode::StockF2, 2, "f9", "รูดหน้า+หลัง");
    r.layout = twoStakes("เงินหน้า", "เงินหลัง");
    r.lengths = kOne;
    r.autoInputLength = 1;
    r.expansion = expand::frontAndBackRuns;
    r.statusAfter = AfterLineStatus::plain;
    return r;
}();

constexpr EntryModeRow kStockF3 = [] {
    EntryModeRow r = onStockKey(NormalMode::StockF3, 3, "f10", "เลขคี่+เลขคู่");
    r.layout = oneStake("เงินคู่");
    r.layout.numCaption = "เงินคี่";
    r.layout.stakeInNum = true;
    r.expansion = expand::oddAndEven;
    r.statusAfter = AfterLineStatus::unchanged;
    return r;
}();

constexpr EntryModeRow kStockF4 = [] {
    EntryModeRow r = onStockKey(NormalMode::StockF4, 4, "f111", "2ตัว+กลับ");
    r.lengths = kF4.lengths;
    r.layout = kF4.layout;
    r.layoutRule = kF4.layoutRule;
    r.hints = kF4.hints;
    r.expansion = kF4.expansion;
    r.closedCheck = kF4.closedCheck;
    r.dropN2 = NormalMode::StockF4TopOnly;
    return r;
}();

constexpr EntryModeRow kStockF4TopOnly = [] {
    EntryModeRow r = kF4TopOnly;
    r.mode = r.dropN1 = r.dropN2 = NormalMode::StockF4TopOnly;
    r.page = EntryPage::stock;
    return r;
}();

constexpr EntryModeRow kStockF5 = [] {
    EntryModeRow r = onStockKey(NormalMode::StockF5, 5, "f113", "19ประตู");
    r.layout = oneStake("เงิน");
    r.lengths = kOne;
    r.autoInputLength = 1;
    r.expansion = expand::doorsTwo;
    return r;
}();

constexpr EntryModeRow kStockF6 = [] {
    EntryModeRow r = onStockKey(NormalMode::StockF6, 6, "f112", "เลขพี่น้อง");
    r.layout = stakeInNum("เงิน");
    r.expansion = expand::siblings;
    r.statusAfter = AfterLineStatus::unchanged;
    return r;
}();

constexpr EntryModeRow kStockF7 = [] {
    EntryModeRow r = onStockKey(NormalMode::StockF7, 7, "ft10", "เลขรวม10");
    r.layout = stakeInNum("เงิน");
    r.expansion = expand::sumTen;
    r.statusAfter = AfterLineStatus::plain;
    return r;
}();

constexpr EntryModeRow kStockF8 = [] {
    EntryModeRow r = onStockKey(NormalMode::StockF8, 8, "ft11", "เลขWin3-8 ตัว");
    r.layout = oneStake("เงิน");
    r.expansion = expand::winPairs;
    r.statusAfter = AfterLineStatus::unchanged;
    return r;
}();

} // namespace stockrows
