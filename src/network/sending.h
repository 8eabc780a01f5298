#pragma once

#include "store/database.h"

#include <QString>
#include <QStringList>

// How a station passes its rows to the server (backc of its own book): by hand, by itself
// once it holds more rows than the threshold, or every line straight into the server's book.
namespace sending {

enum class Mode { byHand, byCount, lan };

struct Settings {
    Mode mode = Mode::byHand;
    int threshold = 50; // back7
    QString ceiling;    // back22, as stored
};
Settings read(Database& own);
void setMode(Database& own, Mode mode);

// The thresholds offered: "10บรรทัด" ... "400บรรทัด".
QStringList thresholdChoices();
// The threshold of a choice; 0 for none.
int thresholdOf(const QString& choice);
void setThreshold(Database& own, int rows);
// "ค่าเริ่มต้น=" + rows + "บรรทัด".
QString thresholdText(int rows);

// The row ceiling of a station sending by hand: a whole number of rows, 1 or more. Throws
// StoreError with the Thai words for anything else.
void setCeiling(Database& own, const QString& text);

// The station's book made again from every row it has sent: tball and tballcus emptied and
// filled from tballsent, in one transaction. Returns the rows.
int rebuildFromSent(Database& own);

// A name for a test: eight characters of "0123456789ABCDEFGHJKLMNPQRSTUVWXYZ".
QString testName();
// Connects to the shop's book, writes a test row named mark and removes it; throws StoreError
// when any of it is refused.
void tryShopBook(const QString& location, const QString& mark);

} // namespace sending
