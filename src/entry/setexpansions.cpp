#include "entry/pageexpansions.h"

#include "common/digits.h"
#include "entry/expansionbuilder.h"
#include "entry/numberlists.h"

namespace expand {
namespace {
Expansion picksOf(int length, const QString& num, const Stakes& s) {
    return eachWithFirstStake(num, s, length, length, Kind::h3, numberlists::distinctPicksOfThree);
}

Expansion doors(const QString& num, const QString* top, const QString* bottom) {
    ExpansionBuilder b;
    double topStake = 0, bottomStake = 0;
    if (!hasDigits(num, 1, 1) || (top && !b.take(*top, &topStake)) ||
        (bottom && !b.take(*bottom, &bottomStake)))
        return b.result();
    const QStringList numbers = nineteenDoors(num[0]);
    if (top)
        b.addAll(numbers, Kind::h2, topStake);
    if (bottom)
        b.addAll(numbers, Kind::l2, bottomStake);
    return b.result();
}
} // namespace

Expansion threeFromPair(const QString& num, const Stakes& s, const NormalOptions&) {
    return eachWithFirstStake(num, s, 2, 2, Kind::h3, numberlists::threeFromTwo);
}

Expansion picks24(const QString& num, const Stakes& s, const NormalOptions&) {
    return picksOf(4, num, s);
}

Expansion picks60(const QString& num, const Stakes& s, const NormalOptions&) {
    return picksOf(5, num, s);
}

Expansion picks120(const QString& num, const Stakes& s, const NormalOptions&) {
    return picksOf(6, num, s);
}

Expansion picks210(const QString& num, const Stakes& s, const NormalOptions&) {
    return picksOf(7, num, s);
}

Expansion groups24(const QString& num, const Stakes& s, const NormalOptions&) {
    return eachWithFirstStake(num, s, 4, 4, Kind::h4, numberlists::distinctArrangementsOfFour);
}

Expansion bottomSet(const QString& num, const Stakes& s, const NormalOptions&) {
    return eachWithFirstStake(num, s, 3, 3, Kind::l3, setOf);
}

Expansion doorsTopBottom(const QString& num, const Stakes& s, const NormalOptions&) {
    return doors(num, &s.n1, &s.n2);
}

Expansion doorsTop(const QString& num, const Stakes& s, const NormalOptions&) {
    return doors(num, &s.n1, nullptr);
}

Expansion doorsBottom(const QString& num, const Stakes& s, const NormalOptions&) {
    return doors(num, nullptr, &s.n2);
}

} // namespace expand
