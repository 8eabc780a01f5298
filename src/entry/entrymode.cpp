#include "entry/entrymode.h"

#include "entry/headrows.h"
#include "entry/normalrows.h"
#include "entry/setrows.h"
#include "entry/stockrows.h"

namespace {
using namespace normalrows;
using namespace headrows;
using namespace setrows;
using namespace stockrows;

// No default: a mode without a row does not compile.
constexpr const EntryModeRow* rowOf(NormalMode mode) {
    switch (mode) {
    case NormalMode::F1:
        return &kF1;
    case NormalMode::F2:
        return &kF2;
    case NormalMode::F2TopOnly:
        return &kF2TopOnly;
    case NormalMode::F2TodOnly:
        return &kF2TodOnly;
    case NormalMode::F3:
        return &kF3;
    case NormalMode::F4:
        return &kF4;
    case NormalMode::F4TopOnly:
        return &kF4TopOnly;
    case NormalMode::F5:
        return &kF5;
    case NormalMode::F5BottomOnly:
        return &kF5BottomOnly;
    case NormalMode::F6:
        return &kF6;
    case NormalMode::F6TopOnly:
        return &kF6TopOnly;
    case NormalMode::F6BottomOnly:
        return &kF6BottomOnly;
    case NormalMode::F7:
        return &kF7;
    case NormalMode::F8:
        return &kF8;
    case NormalMode::F8NoReverse:
        return &kF8NoReverse;
    case NormalMode::F9:
        return &kF9;
    case NormalMode::F10:
        return &kF10;
    case NormalMode::Menu1:
        return &kMenu1;
    case NormalMode::Menu5:
        return &kMenu5;
    case NormalMode::Menu6:
        return &kMenu6;
    case NormalMode::Menu7:
        return &kMenu7;
    case NormalMode::HeadF1:
        return &kHeadF1;
    case NormalMode::HeadF2:
        return &kHeadF2;
    case NormalMode::HeadF2TopOnly:
        return &kHeadF2TopOnly;
    case NormalMode::HeadF2TodOnly:
        return &kHeadF2TodOnly;
    case NormalMode::HeadF3:
        return &kHeadF3;
    case NormalMode::HeadF4:
        return &kHeadF4;
    case NormalMode::HeadF5:
        return &kHeadF5;
    case NormalMode::HeadF6:
        return &kHeadF6;
    case NormalMode::HeadF7:
        return &kHeadF7;
    case NormalMode::Set54:
        return &kSet54;
    case NormalMode::Set24:
        return &kSet24;
    case NormalMode::Set60:
        return &kSet60;
    case NormalMode::Set120:
        return &kSet120;
    case NormalMode::Set210:
        return &kSet210;
    case NormalMode::SetDoors:
        return &kSetDoors;
    case NormalMode::SetBottom:
        return &kSetBottom;
    case NormalMode::SetGroup24:
        return &kSetGroup24;
    case NormalMode::SetDoorsTop:
        return &kSetDoorsTop;
    case NormalMode::SetDoorsBottom:
        return &kSetDoorsBottom;
    case NormalMode::StockF1:
        return &kStockF1;
    case NormalMode::StockF2:
        return &kStockF2;
    case NormalMode::StockF3:
        return &kStockF3;
    case NormalMode::StockF4:
        return &kStockF4;
    case NormalMode::StockF5:
        return &kStockF5;
    case NormalMode::StockF6:
        return &kStockF6;
    case NormalMode::StockF7:
        return &kStockF7;
    case NormalMode::StockF8:
        return &kStockF8;
    case NormalMode::StockF4TopOnly:
        return &kStockF4TopOnly;
    }
    return nullptr; // not a mode
}

constexpr const EntryModeRow& rowAt(int index) {
    return *rowOf(static_cast<NormalMode>(index));
}

// Each mode has its own row, and the count covers every mode. (Whether a row has its
// expansion is left to the tests: the sanitizers' build does not fold a function's address.)
constexpr bool everyModeHasItsRow() {
    for (int i = 0; i < kNormalModeCount; ++i) {
        if (!rowOf(static_cast<NormalMode>(i)) || static_cast<int>(rowAt(i).mode) != i)
            return false;
    }
    return !rowOf(static_cast<NormalMode>(kNormalModeCount));
}
static_assert(everyModeHasItsRow(), "a mode without its row, or kNormalModeCount is stale");

// Function keys 1 to 10 and arrow positions 1 to 8 of the normal page each have one mode;
// the head page has F1 to F7, the stock page F1 to F8, the set page none; arrows are the
// normal page's only.
constexpr bool eachPlaceOnce() {
    int keys[4][11] = {};
    int arrows[9] = {};
    for (int i = 0; i < kNormalModeCount; ++i) {
        const EntryModeRow& row = rowAt(i);
        if (row.functionKey < 0 || row.functionKey > 10 || row.arrowPosition < 0 ||
            row.arrowPosition > 8 || (row.page != EntryPage::normal && row.arrowPosition != 0))
            return false;
        ++keys[static_cast<int>(row.page)][row.functionKey];
        ++arrows[row.arrowPosition];
    }
    const int lastKey[4] = {0, 7, 10, 8}; // set, head, normal, stock
    for (int page = 0; page < 4; ++page) {
        for (int key = 1; key <= 10; ++key) {
            if (keys[page][key] != (key <= lastKey[page] ? 1 : 0))
                return false;
        }
    }
    for (int position = 1; position <= 8; ++position) {
        if (arrows[position] != 1)
            return false;
    }
    return true;
}
static_assert(eachPlaceOnce(), "a function key or arrow position without exactly one mode");

// A drop box is shown exactly where dropping its field leaves a variant, on the same page,
// that no longer shows that field.
constexpr bool dropsLeaveTheirField() {
    for (int i = 0; i < kNormalModeCount; ++i) {
        const EntryModeRow& row = rowAt(i);
        const bool n1 = row.dropN1 != row.mode, n2 = row.dropN2 != row.mode;
        if (row.layout.cb1 != n1 || row.layout.cb2 != n2)
            return false;
        const EntryModeRow& left1 = *rowOf(row.dropN1);
        const EntryModeRow& left2 = *rowOf(row.dropN2);
        if ((n1 && (left1.layout.n1 || left1.page != row.page)) ||
            (n2 && (left2.layout.n2 || left2.page != row.page)))
            return false;
    }
    return true;
}
static_assert(dropsLeaveTheirField(),
              "a drop box without its variant, or a variant keeping the field");

} // namespace

const EntryModeRow& entryMode(NormalMode mode) {
    const EntryModeRow* row = rowOf(mode);
    Q_ASSERT(row);
    return *row;
}

QVector<const EntryModeRow*> pageButtonRows(EntryPage page) {
    QVector<const EntryModeRow*> rows;
    for (int i = 0; i < kNormalModeCount; ++i) {
        if (rowAt(i).page == page && rowAt(i).button)
            rows << &rowAt(i);
    }
    return rows;
}

QString pageButtonCaption(const EntryModeRow& row) {
    const QString caption = rowText(row.caption);
    return row.functionKey ? caption + QStringLiteral("(F%1)").arg(row.functionKey) : caption;
}

const EntryModeRow* functionKeyRow(EntryPage page, int key) {
    for (int i = 0; key != 0 && i < kNormalModeCount; ++i) {
        if (rowAt(i).page == page && rowAt(i).functionKey == key)
            return &rowAt(i);
    }
    return nullptr;
}

const EntryModeRow* arrowRow(int position) {
    for (int i = 0; position != 0 && i < kNormalModeCount; ++i) {
        if (rowAt(i).page == EntryPage::normal && rowAt(i).arrowPosition == position)
            return &rowAt(i);
    }
    return nullptr;
}
