#include "entry/pageexpansions.h"

#include "common/digits.h"
#include "entry/expansionbuilder.h"
#include "entry/numberlists.h"

namespace expand {
namespace {
// A list with the stake typed in num; an empty num is no line.
Expansion listWithStake(const QStringList& numbers, const QString& stakeText) {
    ExpansionBuilder b;
    double stake = 0;
    if (!stakeText.isEmpty() && b.take(stakeText, &stake))
        b.addAll(numbers, Kind::h2, stake);
    return b.result();
}

// Two lists, each with its own stake and left out when that stake is 0.
Expansion twoLists(const QStringList& first, const QString& firstStake, const QStringList& second,
                   const QString& secondStake) {
    ExpansionBuilder b;
    double one = 0, two = 0;
    if (!b.take(firstStake, &one) || !b.take(secondStake, &two))
        return b.result();
    if (one != 0)
        b.addAll(first, Kind::h2, one);
    if (two != 0)
        b.addAll(second, Kind::h2, two);
    if (one == 0 && two == 0)
        b.nothingAsked();
    return b.result();
}
} // namespace

Expansion doublesList(const QString& stake, const Stakes&, const NormalOptions&) {
    return listWithStake(numberlists::doubles(), stake);
}

Expansion siblings(const QString& stake, const Stakes&, const NormalOptions&) {
    return listWithStake(numberlists::siblingList(), stake);
}

Expansion sumTen(const QString& stake, const Stakes&, const NormalOptions&) {
    return listWithStake(numberlists::sumTenList(), stake);
}

Expansion frontAndBackRuns(const QString& num, const Stakes& s, const NormalOptions&) {
    if (!hasDigits(num, 1, 1))
        return {};
    return twoLists(numberlists::frontRun(num[0]), s.n1, numberlists::backRun(num[0]), s.n2);
}

Expansion oddAndEven(const QString& oddStake, const Stakes& s, const NormalOptions&) {
    return twoLists(numberlists::oddList(), oddStake, numberlists::evenList(), s.n1);
}

Expansion doorsTwo(const QString& num, const Stakes& s, const NormalOptions&) {
    return eachWithFirstStake(num, s, 1, 1, Kind::h2,
                              [](const QString& digit) { return nineteenDoors(digit[0]); });
}

Expansion winPairs(const QString& num, const Stakes& s, const NormalOptions&) {
    return eachWithFirstStake(num, s, 3, 8, Kind::h2, numberlists::winPairs);
}

} // namespace expand
