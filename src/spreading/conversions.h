#pragma once

#include "spreading/spreadrules.h"
#include "store/database.h"

#include <QString>
#include <array>
#include <functional>

// The seven spreading conversions: every total of a source kind spread over the numbers of a
// target kind, the new lines written under the conversion's customer name and the source
// kind's lines removed, in one transaction of the book under its cut lock (StoreError, and
// nothing changed, on any failure). tballcus is never touched.
namespace spread {

enum class Conversion { todToTop, topToTod, runToTop, twoToTop, fourToTod, fiveToTod, runToTwo };

struct ConversionInfo {
    Conversion conversion;
    Kind source;
    Kind target;
    const char* menuCaption; // the item under การกระจายตัวเลข
    const char* windowCaption;
    const char* copyPrefix;   // of the numbered copy made first
    const char* doneText;     // told when done
    const char* startCaption; // of the start button
};

const std::array<ConversionInfo, 7>& conversions();
const ConversionInfo& infoOf(Conversion conversion);

struct Options {
    int margin = 0;              // t3 to h3 and h2 to h3: percent added before sharing
    bool threeDoorsOnly = false; // t3 to h3: numbers of six arrangements stay
    bool fullAmount = false;     // h3 to t3: 6/6 rather than 5/6
    bool deductDiscount = false; // h1 to h3: the total less the discount percent
    int discount = 0;
};

struct Progress {
    int done = 0;  // source numbers done
    int count = 0; // source numbers in all
    int percent() const { return count > 0 ? done * 100 / count : 100; }
    QString status; // h1 to h3: the stake of the digit just spread
};

struct Result {
    int numbers = 0;    // source numbers read
    int spread = 0;     // of them spread (their lines left the book)
    int lines = 0;      // lines written
    double written = 0; // their stakes together
};

// The conversion, told of its progress after each part written (inside the transaction: it
// must not wait; throwing from it abandons the whole conversion).
Result convert(Database& book, Conversion conversion, const Options& options,
               const std::function<void(const Progress&)>& progress = {});

// "คำนวณได้ตัวละ 4 บาท", the h1 to h3 status of a stake.
QString runStakeText(qint64 stake);

// The margin percent as typed: a whole number from 0 to 100; else false and the message.
bool marginOf(const QString& typed, int* margin, QString* refusal);

} // namespace spread
