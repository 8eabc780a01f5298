#pragma once

#include "common/copyjob.h"
#include "cutting/kindcut.h"

#include <QString>
#include <QVector>
#include <array>
#include <functional>

class Backups;

// The cut by limit: every number's total divided into the kept amount (at most its limit) and
// the sent amount. The menu cut does all ten kinds under a cut number; the immediate cut one
// kind at a time from the entry form. Each runs as one transaction of the book: all done or,
// on any error (StoreError), nothing. A cut started while another cut, undo or halving runs on
// the same book is refused (StoreError with refusedText()).
namespace cut {

// The ten kind limits of change2 as whole numbers, by Kind.
std::array<qint64, kKindCount> kindLimits(Database& book);

// The entry form's selectors 1..10 (h3 t3 l3 h5 h4 t2 h2 l2 h1 l1): false outside them.
bool kindOfSelector(int selector, Kind* out);
// The kinds in the order of the selectors: the button "ตัดยอดทันที" and the automatic cut.
const std::array<Kind, kKindCount>& immediateOrder();

// The copy made before a menu cut: dbbackup/Nnnn.mde from the backup counter (0..255, then 0
// again) and lastdb/lastdatab.mde; the counter moves on. Made before the cut's transaction.
CopyResult preCutCopy(Backups& backups);

// What the progress window shows while a menu cut goes.
QString startText(); // การตัดยอดอาจใช้เวลาซักครู่
QString doneText(); // ตัดยอดเรียบร้อย
// "ตัดยอด3ตัวบน=500", with the kind naming mode's captions.
QString kindStatus(Kind kind, int namingMode, qint64 limit);

// One kind of a menu cut, as the window shows it.
struct MenuStep {
    int index = 0; // 0..9 in the menu cut's order (listingOrder())
    KindOutcome outcome;
    QString status;   // empty for a kind without totals, which is skipped
    int progress = 0; // the progress bar after this kind: 20, 25, 30 ... 95
};

struct MenuCutResult {
    int number = 0; // the cut's number, as backc.back8 now holds it
    QVector<MenuStep> steps;
};

struct MenuCutOptions {
    bool fiftyPercent = false; // backc.back19 as the window read it
    int namingMode = 0;        // for the status texts
    // Told after each kind inside the transaction: it must not wait (the window keeps its pauses
    // for after, replaying result.steps). Throwing from it abandons the whole cut.
    std::function<void(const MenuStep&)> progress;
};

// The menu cut: the cut number moves on (backc.back8), the sent tables and the latest sent list
// are emptied and refilled, every kind with totals is cut in the order of listingOrder() with
// the fifty-percent mode where asked, the kinds' filler rows are logged, and the sent rows are
// logged under the cut number.
MenuCutResult menuCut(Database& book, const MenuCutOptions& options = {});

// The immediate cut of one kind (never the fifty-percent mode): its lines become the kept
// amounts under "การตัดยอด" (for h4 and h5 only the numbers over the limit), its sent table is
// refilled and logged without a cut number; the latest sent list stays as it is.
KindOutcome immediateCut(Database& book, Kind kind);

// The automatic cut: the kinds holding a number over the given limits (column order, the entry
// form's copy), in immediateOrder().
QVector<Kind> kindsToCut(Database& book, const QStringList& limits);

} // namespace cut
