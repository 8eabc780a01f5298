#pragma once

#include <QString>

// What the banner and the caption of n1 show after a line whose stake form names its kinds
// (All in One, and "รวมล่าง" with "*"); an empty text leaves the form's text as it is.
struct LineCaption {
    QString banner;
    QString l1Caption;
};

namespace linecaption {
using Rule = LineCaption (*)(const QString& number, const QString& stakeField);

// By the number's length and the form of the stake field ("3ตัวบน+โต๊ด", "3ตัวล่างชุด" ...).
LineCaption allInOne(const QString& number, const QString& stakeField);
// "*A" on three digits: "3ตัวล่างชุด" in both.
LineCaption bottomTotals(const QString& number, const QString& stakeField);
} // namespace linecaption
