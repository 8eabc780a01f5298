#pragma once

#include "store/kinds.h"

#include <QString>
#include <QStringList>

// Kind captions by kind naming mode (backc.back13): 0 group names, 1 head names, 2 the
// two-digit X name. Only t2, h4 and h5 change; the stored kind codes never do. A mode other
// than 1 or 2 reads as 0.

// Choosers, labels and column titles: "หัว3ตัว", "หัว2ตัว", "2ตัวX" ...
QString kindCaption(Kind kind, int namingMode);
// Commands of the main menu: t2 reads "หัว2ตัวหน้า" in mode 1 and "เลข2ตัวx" in mode 2.
QString menuCaption(Kind kind, int namingMode);
// The entry form's totals panel: "3ตัวบน=", "หัว3ตัว=", "เลข2ตัวx=" ...
QString totalCaption(Kind kind, int namingMode);
// The hint of that total: "แสดงยอด3ตัวบน", "แสดงยอดหัว3ตัว", "แสดงยอดเลข2ตัวx" ...
QString totalHint(Kind kind, int namingMode);
// kindCaption of every kind, in the given order.
QStringList kindCaptions(int namingMode, const std::array<Kind, kKindCount>& order = columnOrder());

// The customer windows: the titles of the percent columns, of the pay rate columns, and the
// prompt asking a kind's percent ("ป้อนเปอร์เซ็น3ตัวบน" ...).
enum class CustomerText { percentColumn, rateColumn, percentPrompt };
QString customerCaption(Kind kind, int namingMode, CustomerText text);
