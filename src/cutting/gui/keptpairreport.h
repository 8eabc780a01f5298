#pragma once

#include "cutting/keptpairs.h"
#include "printing/report.h"

class Desk;

namespace keptpairs {

// Four newspaper columns of the number and the two kept amounts, each summed in the footer.
printing::Report report(Pair pair, const QVector<Line>& lines, Source source = Source::kept);
// Reads the pair from the shared book and shows it; a book that cannot be read is said.
void show(Desk& desk, Pair pair, Source source = Source::kept);

} // namespace keptpairs
