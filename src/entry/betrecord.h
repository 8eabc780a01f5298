#pragma once

#include "store/kinds.h"

#include <QString>
#include <QVector>

// One (number, kind, stake) of a bet line's expansion; one row of tball and of tballcus.
struct BetRecord {
    QString number; // digits as built, leading zeros kept
    Kind kind;
    double stake;

    bool operator==(const BetRecord& other) const {
        return number == other.number && kind == other.kind && stake == other.stake;
    }
};

using BetRecords = QVector<BetRecord>;
