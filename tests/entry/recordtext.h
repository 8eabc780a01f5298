#pragma once

#include "entry/expansion.h"

#include <QStringList>

// An expansion as "h3:123=10 t3:123=5", or "refused:<stake>", for compact expected values.
inline QString recordText(const Expansion& expansion) {
    if (expansion.refused())
        return QStringLiteral("refused:") + expansion.badStake;
    QStringList parts;
    for (const BetRecord& r : expansion.records)
        parts << QStringLiteral("%1:%2=%3").arg(kindCode(r.kind), r.number).arg(r.stake);
    return parts.join(QLatin1Char(' '));
}

// The same stake on each number, in order.
inline QString sameStake(const char* kind, const QStringList& numbers, int stake) {
    QStringList parts;
    for (const QString& n : numbers)
        parts << QStringLiteral("%1:%2=%3").arg(QLatin1String(kind), n).arg(stake);
    return parts.join(QLatin1Char(' '));
}
