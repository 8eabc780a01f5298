#pragma once

#include "entry/checks.h"
#include "entry/closedrules.h"
#include "entry/linecaptions.h"
#include "entry/normalexpansions.h"
#include "entry/normalmodes.h"

#include <QVector>
#include <initializer_list>

// One entry mode as a row: where the clerk finds it, what the form shows for it, which
// numbers it takes and what a line of it records. Texts are UTF-8; null means none.

// The pages of the entry form's mode panel, numbered as its tabs.
enum class EntryPage { set = 0, head = 1, normal = 2, stock = 3 };

// The number lengths a mode takes at Enter in num, and the warning for another length.
struct NumberLengths {
    unsigned lengths = 0;          // bit n set: length n is taken; none set: no check
    const char* warning = nullptr; // what follows "คุณป้อนข้อมูลไม่ถูกต้องป้อนเลข "

    constexpr bool takes(int length) const {
        return length > 0 && length < 32 && (lengths & (1u << length)) != 0;
    }
};
constexpr NumberLengths takesLengths(std::initializer_list<int> lengths, const char* warning) {
    NumberLengths allowed;
    for (int length : lengths)
        allowed.lengths |= 1u << length;
    allowed.warning = warning;
    return allowed;
}

// The stake fields, their captions and the typing rules of a mode, as the form shows them.
struct FieldLayout {
    const char* banner = nullptr; // written when the mode is chosen, over the chosen banner
    const char* numCaption = nullptr; // above num; none: "เลข"
    bool stakeInNum = false;          // num holds the stake: Enter in num records the line
    const char* l1Caption = nullptr;
    const char* l2Caption = nullptr;
    bool n1 = true; // stake fields shown
    bool n2 = false;
    bool nu3 = false;
    bool cb1 = false; // the drop-a-stake boxes shown (and ticked)
    bool cb2 = false;
    bool wideN1 = false;    // n1 425 pixels wide instead of 185
    bool operators = false; // n1 also takes * + /
    bool autorun = false;   // the number steps by one after a line (when autorun is on)
    bool inputLimit = true; // stakes are held to the input limit
};
constexpr FieldLayout oneStake(const char* caption) {
    FieldLayout layout;
    layout.l1Caption = caption;
    return layout;
}
constexpr FieldLayout twoStakes(const char* first, const char* second) {
    FieldLayout layout = oneStake(first);
    layout.n2 = true;
    layout.l2Caption = second;
    return layout;
}

// Where the layout changes with the number's length or the options.
using LayoutRule = void (*)(FieldLayout& layout, int numberLength, const NormalOptions& options);

// The status-line hint while a number is typed.
struct TypingHints {
    const char* byLength[6] = {}; // by the number's length, 1 to 5
    const char* twoX = nullptr;   // three characters holding an X, instead of byLength[3]
};
constexpr TypingHints hintsFor(const char* one, const char* two = nullptr,
                               const char* three = nullptr, const char* four = nullptr,
                               const char* five = nullptr) {
    TypingHints hints;
    hints.byLength[1] = one;
    hints.byLength[2] = two;
    hints.byLength[3] = three;
    hints.byLength[4] = four;
    hints.byLength[5] = five;
    return hints;
}
// Where the options choose the hint; it replaces byLength and twoX.
using HintRule = const char* (*)(int numberLength, const NormalOptions& options);

// What the status line says after a recorded line.
enum class AfterLineStatus {
    namesNumber, // "ป้อน", the number (none where num holds the stake), "สำเร็จ"
    plain,       // "ป้อนสำเร็จ"
    unchanged    // the status line stays as it was
};

// The option box of the normal page a mode reads: its tick turns the mode's button red.
enum class ModeOption { none, straightPlusSet, bottomBeforeTod };

// A check of the whole line at Enter, inside the expansion (All in One's closed numbers).
using LineCheck = AllInOneCheck (*)(const QString& number, const QString& stakeField,
                                    const ClosedLookup& isClosed);

struct EntryModeRow {
    NormalMode mode = NormalMode::F1;
    EntryPage page = EntryPage::normal;
    int functionKey = 0;                    // 1 to 10 on its page; 0: none
    const char* caption = nullptr;          // the key's button by default, without "(Fn)"
    const char* namingTwoCaption = nullptr; // the button in kind naming mode 2, for any stored one
    const char* button = nullptr; // objectName of the mode's button on the head, set and stock pages
    const char* keyNumCaption = nullptr; // num's caption when the mode is chosen by its key
    int arrowPosition = 0;                  // 1 to 8 in the normal page's arrow menu; 0: none
    // The banner there after "(เมนูn)"; none: the caption the mode's button shows.
    const char* arrowText = nullptr;
    NumberLengths lengths;
    FieldLayout layout;
    LayoutRule layoutRule = nullptr;
    int autoInputLength = 0; // Autoinput moves on to the stake at this length; 0: never
    TypingHints hints;
    HintRule hintRule = nullptr;
    expand::Rule expansion = nullptr;       // gets the number upper-cased
    closedrule::Rule closedCheck = nullptr; // gets a number of digits only; none: no check
    linecaption::Rule afterLine = nullptr;  // the banner and n1 caption a recorded line leaves
    AfterLineStatus statusAfter = AfterLineStatus::namesNumber;
    ModeOption option = ModeOption::none;
    // The key's button while a number takes three stakes, without and with the option ticked
    // (names the order of the stakes); none: the button keeps its caption.
    const char* threeStakeCaption = nullptr;
    const char* threeStakeOptionCaption = nullptr;
    LineCheck lineCheck = nullptr;
    // The mode left when the clerk drops n1 or n2 (unticks cb1 or cb2); the mode itself when
    // there is no such variant.
    NormalMode dropN1 = NormalMode::F1;
    NormalMode dropN2 = NormalMode::F1;
};

// The row of a mode.
const EntryModeRow& entryMode(NormalMode mode);
// The rows of a page that have a button, in the order of their buttons.
QVector<const EntryModeRow*> pageButtonRows(EntryPage page);
// The caption a head, set or stock button shows: the caption, with "(Fn)" after it when the
// mode has a function key.
QString pageButtonCaption(const EntryModeRow& row);
// The row of a function key on a page; null when the page has no mode on that key.
const EntryModeRow* functionKeyRow(EntryPage page, int key);
// The row at an arrow-menu position of the normal page; null outside 1 to 8.
const EntryModeRow* arrowRow(int position);

// A row's text as a string (null gives an empty one).
inline QString rowText(const char* utf8) {
    return utf8 ? QString::fromUtf8(utf8) : QString();
}
