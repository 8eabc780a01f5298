#include "entry/normalmodes.h"

#include "entry/entrymode.h"

NormalMode dropStake(NormalMode mode, StakeField dropped) {
    const EntryModeRow& row = entryMode(mode);
    return dropped == StakeField::n1 ? row.dropN1 : row.dropN2;
}

Expansion expandNormal(NormalMode mode, const QString& number, const Stakes& stakes,
                       const NormalOptions& options) {
    return entryMode(mode).expansion(number.toUpper(), stakes, options);
}
