#pragma once

#include "entry/entrymode.h"

#include <QString>

// What the entry form shows for a mode of the normal page: the stake fields and their
// captions, the banner, and the rules of the typing cycle that depend on the mode. Each reads
// the mode's row.
struct ModeLayout {
    QString banner; // written when the mode is chosen
    QString numCaption = QStringLiteral("เลข"); // above num
    bool stakeInNum = false; // num holds the stake: Enter in num records the line
    bool n1 = true; // stake fields shown
    bool n2 = false;
    bool nu3 = false;
    bool cb1 = false; // the drop-a-stake boxes shown (and ticked)
    bool cb2 = false;
    QString l1Caption; // captions above n1 and n2
    QString l2Caption;
    bool wideN1 = false;    // n1 425 pixels wide instead of 185
    bool operators = false; // n1 also takes * + /
    bool autorun = false;   // the number steps by one after a line (when autorun is on)
    bool inputLimit = true; // stakes are held to the input limit
};

// The layout of a mode; F4, F5 and F7 change theirs with the number's length.
ModeLayout modeLayout(NormalMode mode, int numberLength, const NormalOptions& options);

// The hint shown in the status line while a number of this length is typed (may be empty).
QString typingHint(NormalMode mode, const QString& number, const NormalOptions& options);

// The banner and n1 caption a recorded line of the mode leaves (empty: unchanged).
LineCaption captionAfterLine(NormalMode mode, const QString& number, const QString& stakeField);
// The status line after a line: "ป้อน", the number where the mode names it, "สำเร็จ"; empty
// where the mode leaves the line as it was.
QString statusAfterLine(NormalMode mode, const QString& number);

// The number length at which Autoinput moves on to the stake; 0 when it never does.
int autoInputLength(NormalMode mode);

// The mode of each arrow-menu position 1 to 8, and its banner; another position reads as 8.
NormalMode arrowMode(int position);
QString arrowBanner(int position, const QString& f1Caption);

// The caption each function key's button shows by default (without "(Fn)").
QString defaultCaption(int functionKey);
// Caption of F1..F10 as the form shows it: the stored caption + "(F1)" ... ; kind naming
// mode 2 renames F1 and F3.
QString buttonCaption(int functionKey, const QString& stored, int kindNamingMode);
NormalMode functionKeyMode(int functionKey);

// The number after autorun: its value plus one, at least two characters ("09" -> "10");
// a number that is not whole becomes "0".
QString autorunNext(const QString& number);
