#include "entry/pageexpansions.h"

#include "common/digits.h"
#include "entry/expansionbuilder.h"
#include "entry/numberlists.h"

#include <cmath>

namespace expand {

Expansion headTwoOrSet(const QString& num, const Stakes& s, const NormalOptions&) {
    ExpansionBuilder b;
    double stake = 0;
    if (hasDigits(num, 2, 2) && b.take(s.n1, &stake))
        b.add(num, Kind::t2, stake);
    else if (hasDigits(num, 3, 3) && b.take(s.n1, &stake))
        b.addAll(setOf(num), Kind::h5, stake);
    return b.result();
}

Expansion headAndTod(const QString& num, const Stakes& s, const NormalOptions& o) {
    return straightAndTod(num, s, o, Kind::h5, Kind::h4);
}

Expansion headThree(const QString& num, const Stakes& s, const NormalOptions&) {
    return straightThree(num, s, Kind::h5);
}

Expansion headTod(const QString& num, const Stakes& s, const NormalOptions& o) {
    return todOfThree(num, s, o, Kind::h4);
}

Expansion headAndTail(const QString& num, const Stakes& s, const NormalOptions&) {
    ExpansionBuilder b;
    double head = 0, tail = 0;
    if (hasDigits(num, 3, 3) && b.take(s.n1, &head) && b.take(s.n2, &tail)) {
        b.add(num, Kind::h5, head);
        if (tail != 0)
            b.add(num, Kind::h3, tail);
    }
    return b.result();
}

Expansion headTailHalves(const QString& num, const Stakes& s, const NormalOptions& o) {
    ExpansionBuilder b;
    double straight = 0, tod = 0;
    if (hasDigits(num, 3, 3) && b.take(s.n1, &straight) && b.take(s.n2, &tod)) {
        const double straightHalf = std::trunc(straight / 2);
        const double todHalf = std::trunc(tod / 2);
        const QString todNumber = todForm(num, o.sortDigits);
        b.add(num, Kind::h3, straightHalf);
        b.add(num, Kind::h5, straightHalf);
        b.add(todNumber, Kind::t3, todHalf);
        b.add(todNumber, Kind::h4, todHalf);
    }
    return b.result();
}

Expansion headAndTailSets(const QString& num, const Stakes& s, const NormalOptions&) {
    ExpansionBuilder b;
    double head = 0, tail = 0;
    if (hasDigits(num, 3, 3) && b.take(s.n1, &head) && b.take(s.n2, &tail)) {
        const QStringList set = setOf(num);
        b.addAll(set, Kind::h5, head);
        b.addAll(set, Kind::h3, tail);
    }
    return b.result();
}

Expansion headTwoAndReverse(const QString& num, const Stakes& s, const NormalOptions&) {
    ExpansionBuilder b;
    double straight = 0, reverse = 0;
    if (hasDigits(num, 2, 2) && b.take(s.n1, &straight) && b.take(s.n2, &reverse))
        b.addStraightAndReverse(num, Kind::t2, straight, reverse);
    return b.result();
}

Expansion headPicks24(const QString& num, const Stakes& s, const NormalOptions&) {
    return eachWithFirstStake(num, s, 4, 4, Kind::h5, numberlists::distinctPicksOfThree);
}

} // namespace expand
