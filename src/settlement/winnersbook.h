#pragma once

#include "common/workbook.h"
#include "settlement/prizecheck.h"

#include <functional>

// The winning lines of every customer, all kinds in one workbook: ten blocks on four sheets.
namespace winnersbook {

extern const char kCaption[]; // "ผลการตรวจรางวัล"

// winnersOf gives the winning lines of a kind; the blocks ask for them in sheet order.
workbook::Book build(const std::function<QVector<prizecheck::WinningLine>(Kind)>& winnersOf);

// The same over the book and the draw, each kind by the rule the per-kind reports use.
workbook::Book build(Database& db, const Draw& draw, int mode);

} // namespace winnersbook
