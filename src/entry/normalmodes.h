#pragma once

#include "entry/expansion.h"

// The entry modes of every page. The normal page: F1 to F10, the arrow-menu positions that
// are not also a function key (position 2 is F10, 3 is F9, 4 is F6, 8 is F1), and the
// variants left when a stake field is dropped; then the head, set and stock pages.
enum class NormalMode {
    F1,        // 3ตัวชุด-กลุ่ม: set of three, 2X set, group of four or five
    F2,        // 3ตัวบน+โต๊ด
    F2TopOnly, // F2 without n2: ป้อน3ตัวบน
    F2TodOnly, // F2 without n1: ป้อน3ตัวโต๊ด (stake in n2)
    F3,        // 3ตัวล่าง-วิ่ง-คู่โต๊ด
    F4,        // 2บนกลับ-3ตรงชุด
    F4TopOnly, // F4 without n2: 2ตัวบน
    F5,        // วิ่ง-2ตัวล่าง+กลับ
    F5BottomOnly, // F5 without n2: 2ตัวล่าง
    F6,           // 2ตัวบน+ล่าง, also arrow position 4
    F6TopOnly,    // F6 without n2: วิ่งบน
    F6BottomOnly, // F6 without n1: ป้อนวิ่งล่าง (stake in n2)
    F7,           // รวม
    F8,           // 2ตัวบน-ล่าง/กลับ
    F8NoReverse,  // F8 without n2: top and bottom of the straight number
    F9,           // All in One, also arrow position 3
    F10,          // รวมล่าง, also arrow position 2
    Menu1,        // (เมนู1)โต๊ด
    Menu5,        // (เมนู5)บน+โต๊ด
    Menu6,        // (เมนู6) top n1, tod n2, bottom nu3
    Menu7,        // (เมนู7) top n1, bottom n2, tod nu3

    // The head page, F1 to F7.
    HeadF1,        // 2ตัวหัว-3ตัวชุด
    HeadF2,        // 3ตัวหัว+หัวโต๊ด
    HeadF2TopOnly, // HeadF2 without n2: ป้อนหัว3ตัวบน
    HeadF2TodOnly, // HeadF2 without n1: ป้อนหัว3ตัวโต๊ด (stake in n2)
    HeadF3,        // 3ตัวหัว+3ตัวท้าย
    HeadF4,        // 3ตัวหัว+ท้าย+โต๊ด
    HeadF5,        // 3ตัวชุดหัว+ชุดท้าย
    HeadF6,        // 2ตัวหัว+กลับ
    HeadF7,        // 4ตัว=>หัว24ชุด

    // The set page, in the order of its buttons (no function keys).
    Set54,          // 2ตัว=>3ตัวบน54ชุด
    Set24,          // 4ตัว=>3ตัวบน24ชุด
    Set60,          // 5ตัว=>3ตัวบน60ชุด
    Set120,         // 6ตัว=>3ตัวบน120ชุด
    Set210,         // 7ตัว=>3ตัวบน210ชุด
    SetDoors,       // 19ประตูบน+ล่าง
    SetBottom,      // 3ตัวล่างชุด
    SetGroup24,     // 4ตัว=>4ตัว24ชุด
    SetDoorsTop,    // SetDoors without n2: 19ประตูบน
    SetDoorsBottom, // SetDoors without n1: 19ประตูล่าง (stake in n2)

    // The stock page, F1 to F8; every record is h2 except F4's.
    StockF1,        // รูดคู่ (stake in num)
    StockF2,        // รูดหน้า+หลัง
    StockF3,        // เลขคี่+เลขคู่ (odd stake in num, even in n1)
    StockF4,        // 2ตัว+กลับ: the normal page's F4
    StockF5,        // 19ประตู
    StockF6,        // เลขพี่น้อง (stake in num)
    StockF7,        // เลขรวม10 (stake in num)
    StockF8,        // เลขWin3-8 ตัว
    StockF4TopOnly, // StockF4 without n2: 2ตัวบน
};
// The number of modes: keep it one past the last mode above (the rows check it).
constexpr int kNormalModeCount = static_cast<int>(NormalMode::StockF4TopOnly) + 1;

enum class StakeField { n1, n2 };

// Each mode's facts are a row (entry/entrymode.h); these read them.

// The mode left when the clerk drops a stake field (unticks cb1 or cb2, or double-clicks
// n2); the mode itself when it has no such variant.
NormalMode dropStake(NormalMode mode, StakeField dropped);

struct NormalOptions {
    bool sortDigits = true;             // backc.back5 "0": tod and group numbers sorted
    int kindNamingMode = 0;             // backc.back13
    bool addStraightToSet = false;      // f4c: F4 gives the straight n1 + n2
    bool bottomBeforeTod = false;       // f7c: F7 reads n2 as bottom and nu3 as tod
    bool twoDigitsTopBottomOnly = true; // f7c2: F7 takes two digits as top n1, bottom n2
};

// The bet records of one line of any page. A number the mode does not take (length or
// characters) and an operator form that has no rule for the number's length (F9, F10 "*")
// give an empty list; a stake the rule uses that is not a whole number refuses the line.
Expansion expandNormal(NormalMode mode, const QString& number, const Stakes& stakes,
                       const NormalOptions& options);
