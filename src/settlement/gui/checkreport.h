#pragma once

#include "printing/report.h"
#include "settlement/draw.h"
#include "settlement/prizecheck.h"

class Desk;

// The prize check's result as a report: the draw, and per kind what was kept, paid and netted,
// with the profit or loss; for a draw that can no longer be checked again (a past draw).
namespace checkreport {

printing::Report report(const Draw& draw, const prizecheck::Result& result, int mode);

// The draw and the percents stored in the desk's book, checked again and shown.
void show(Desk& desk);

} // namespace checkreport
