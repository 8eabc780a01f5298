#include "entry/normalexpansions.h"

#include "common/digits.h"
#include "entry/expansionbuilder.h"

namespace expand {

Expansion setOrGroup(const QString& num, const Stakes& s, const NormalOptions& o) {
    ExpansionBuilder b;
    double stake = 0;
    if (hasDigits(num, 3, 3)) {
        if (b.take(s.n1, &stake))
            b.addAll(setOf(num), Kind::h3, stake);
    } else if (isTwoX(num)) {
        if (b.take(s.n1, &stake))
            b.addAll(setOf(num), Kind::t2, stake);
    } else if (hasDigits(num, 4, 5)) {
        if (b.take(s.n1, &stake))
            b.add(groupForm(num, o.sortDigits), topKind(num.size()), stake);
    }
    return b.result();
}

Expansion straightAndTod(const QString& num, const Stakes& s, const NormalOptions& o,
                         Kind straight, Kind tod) {
    ExpansionBuilder b;
    double first = 0, second = 0;
    if (hasDigits(num, 3, 3) && b.take(s.n1, &first) && b.take(s.n2, &second)) {
        b.add(num, straight, first);
        if (second != 0)
            b.add(todForm(num, o.sortDigits), tod, second);
    }
    return b.result();
}

Expansion straightThree(const QString& num, const Stakes& s, Kind kind) {
    ExpansionBuilder b;
    double stake = 0;
    if (hasDigits(num, 3, 3) && b.take(s.n1, &stake))
        b.add(num, kind, stake);
    return b.result();
}

Expansion topAndTod(const QString& num, const Stakes& s, const NormalOptions& o) {
    return straightAndTod(num, s, o, Kind::h3, Kind::t3);
}

Expansion topThree(const QString& num, const Stakes& s, const NormalOptions&) {
    return straightThree(num, s, Kind::h3);
}

Expansion todOfThree(const QString& num, const Stakes& s, const NormalOptions& o, Kind kind) {
    ExpansionBuilder b;
    double stake = 0;
    if (hasDigits(num, 3, 3) && b.take(s.n2, &stake))
        b.add(todForm(num, o.sortDigits), kind, stake);
    return b.result();
}

Expansion todThree(const QString& num, const Stakes& s, const NormalOptions& o) {
    return todOfThree(num, s, o, Kind::t3);
}

Expansion bottomRunPairTod(const QString& num, const Stakes& s, const NormalOptions& o) {
    ExpansionBuilder b;
    double stake = 0;
    if (hasDigits(num, 1, 3)) {
        if (num.size() == 2 && o.kindNamingMode != 0)
            return b.result();
        if (!b.take(s.n1, &stake))
            return b.result();
        if (num.size() == 2)
            b.add(sortedDigits(num), Kind::t2, stake);
        else
            b.add(num, bottomKind(num.size()), stake);
    } else if (isTwoX(num)) {
        if (b.take(s.n1, &stake))
            b.add(num, Kind::t2, stake);
    }
    return b.result();
}

Expansion topReverseSet(const QString& num, const Stakes& s, const NormalOptions& o) {
    ExpansionBuilder b;
    double straight = 0, reverse = 0;
    if (hasDigits(num, 1, 1)) {
        if (b.take(s.n1, &straight))
            b.add(num, Kind::h1, straight);
    } else if (hasDigits(num, 2, 3) && b.take(s.n1, &straight) && b.take(s.n2, &reverse)) {
        if (num.size() == 2) {
            b.addStraightAndReverse(num, Kind::h2, straight, reverse);
        } else {
            const double first = o.addStraightToSet ? straight + reverse : straight;
            b.addStraightAndSet(num, Kind::h3, first, reverse);
        }
    }
    return b.result();
}

Expansion topTwo(const QString& num, const Stakes& s, const NormalOptions&) {
    ExpansionBuilder b;
    double stake = 0;
    if (hasDigits(num, 2, 2) && b.take(s.n1, &stake))
        b.add(num, Kind::h2, stake);
    return b.result();
}

Expansion bottomRunOrReverse(const QString& num, const Stakes& s, const NormalOptions&) {
    ExpansionBuilder b;
    double straight = 0, reverse = 0;
    if (hasDigits(num, 1, 1) && b.take(s.n1, &straight))
        b.add(num, Kind::l1, straight);
    else if (hasDigits(num, 2, 2) && b.take(s.n1, &straight) && b.take(s.n2, &reverse))
        b.addStraightAndReverse(num, Kind::l2, straight, reverse);
    return b.result();
}

Expansion bottomTwo(const QString& num, const Stakes& s, const NormalOptions&) {
    ExpansionBuilder b;
    double stake = 0;
    if (hasDigits(num, 2, 2) && b.take(s.n1, &stake))
        b.add(num, Kind::l2, stake);
    return b.result();
}

Expansion topAndBottom(const QString& num, const Stakes& s, const NormalOptions&) {
    ExpansionBuilder b;
    double top = 0, bottom = 0;
    if (hasDigits(num, 1, 3) && b.take(s.n1, &top) && b.take(s.n2, &bottom)) {
        b.add(num, topKind(num.size()), top);
        b.add(num, bottomKind(num.size()), bottom);
    }
    return b.result();
}

Expansion topRun(const QString& num, const Stakes& s, const NormalOptions&) {
    ExpansionBuilder b;
    double stake = 0;
    if (hasDigits(num, 1, 1) && b.take(s.n1, &stake))
        b.add(num, Kind::h1, stake);
    return b.result();
}

Expansion bottomRun(const QString& num, const Stakes& s, const NormalOptions&) {
    ExpansionBuilder b;
    double stake = 0;
    if (hasDigits(num, 1, 1) && b.take(s.n2, &stake))
        b.add(num, Kind::l1, stake);
    return b.result();
}

Expansion combined(const QString& num, const Stakes& s, const NormalOptions& o) {
    ExpansionBuilder b;
    if (!hasDigits(num, 1, 3))
        return b.result();
    const int length = num.size();
    double top = 0, second = 0, third = 0;
    if (length == 1 || (length == 2 && o.twoDigitsTopBottomOnly)) {
        if (b.take(s.n1, &top) && b.take(s.n2, &second)) {
            b.add(num, topKind(length), top);
            b.add(num, bottomKind(length), second);
        }
        return b.result();
    }
    if (!b.take(s.n1, &top) || !b.take(s.n2, &second) || !b.take(s.nu3, &third))
        return b.result();
    const double tod = o.bottomBeforeTod ? third : second;
    const double bottom = o.bottomBeforeTod ? second : third;
    if (top != 0)
        b.add(num, topKind(length), top);
    if (tod != 0)
        b.addTod(num, tod, o.sortDigits);
    if (bottom != 0)
        b.add(num, bottomKind(length), bottom);
    if (top == 0 && tod == 0 && bottom == 0)
        b.nothingAsked();
    return b.result();
}

Expansion topBottomReverse(const QString& num, const Stakes& s, const NormalOptions&) {
    ExpansionBuilder b;
    double straight = 0, reverse = 0;
    if (hasDigits(num, 2, 2) && b.take(s.n1, &straight) && b.take(s.n2, &reverse)) {
        b.addStraightAndReverse(num, Kind::h2, straight, reverse);
        b.addStraightAndReverse(num, Kind::l2, straight, reverse);
    }
    return b.result();
}

Expansion topBottomTwo(const QString& num, const Stakes& s, const NormalOptions&) {
    ExpansionBuilder b;
    double stake = 0;
    if (hasDigits(num, 2, 2) && b.take(s.n1, &stake)) {
        b.add(num, Kind::h2, stake);
        b.add(num, Kind::l2, stake);
    }
    return b.result();
}

Expansion bottomTotals(const QString& num, const Stakes& s, const NormalOptions&) {
    ExpansionBuilder b;
    if (!hasDigits(num, 1, 3))
        return b.result();
    const QString& text = s.n1;
    double stake = 0;
    if (!text.startsWith(QLatin1Char('*'))) {
        if (b.take(text, &stake))
            b.add(num, bottomKind(num.size()), stake);
    } else if (num.size() == 3) {
        if (b.take(text.mid(1), &stake))
            b.addAll(setOf(num), Kind::l3, stake);
    } else if (num.size() == 1) {
        if (b.take(text.mid(1), &stake))
            b.addAll(nineteenDoors(num[0]), Kind::l2, stake);
    }
    return b.result();
}

Expansion tod(const QString& num, const Stakes& s, const NormalOptions& o) {
    ExpansionBuilder b;
    double stake = 0;
    if (hasDigits(num, 2, 3) && b.take(s.n1, &stake))
        b.addTod(num, stake, o.sortDigits);
    return b.result();
}

Expansion topAndTodAnyLength(const QString& num, const Stakes& s, const NormalOptions& o) {
    ExpansionBuilder b;
    double top = 0, todStake = 0;
    if (hasDigits(num, 2, 3) && b.take(s.n1, &top) && b.take(s.n2, &todStake)) {
        b.add(num, topKind(num.size()), top);
        b.addTod(num, todStake, o.sortDigits);
    }
    return b.result();
}

namespace {
// Three digits, three stakes taken in field order: h3 n1, then t3 and l3 from n2 and nu3 in
// the order the mode names; every row always.
Expansion topTodAndBottom(const QString& num, const Stakes& s, bool todInN2,
                          const NormalOptions& o) {
    ExpansionBuilder b;
    double top = 0, second = 0, third = 0;
    if (hasDigits(num, 3, 3) && b.take(s.n1, &top) && b.take(s.n2, &second) &&
        b.take(s.nu3, &third)) {
        b.add(num, Kind::h3, top);
        b.add(todForm(num, o.sortDigits), Kind::t3, todInN2 ? second : third);
        b.add(num, Kind::l3, todInN2 ? third : second);
    }
    return b.result();
}
} // namespace

Expansion topTodBottom(const QString& num, const Stakes& s, const NormalOptions& o) {
    return topTodAndBottom(num, s, true, o);
}

Expansion topBottomTod(const QString& num, const Stakes& s, const NormalOptions& o) {
    return topTodAndBottom(num, s, false, o);
}

} // namespace expand
