#pragma once

#include "entry/expansion.h"

// A bet line handed over by the chat-line import: a number of one to five digits and a
// stake field of up to three amounts A/B/C (top, tod, bottom; a missing amount is 0).
// bottomBeforeTod (cbtl) reads three amounts as top, bottom, tod. An amount of 0 is no bet
// where the rule leaves a side out; every amount must be a whole number.
Expansion expandLineInput(const QString& number, const QString& stakeField, bool sortDigits,
                          bool bottomBeforeTod);
