#include "entry/normalmodes.h"

#include "entry/digits.h"
#include "entry/stake.h"

namespace {

// Collects the records of one line; the first stake that does not parse refuses it.
class Builder {
public:
    bool take(const QString& text, double* value) {
        if (parseStake(text, value))
            return true;
        if (!out_.refused())
            out_.badStake = text;
        return false;
    }
    void add(const QString& number, Kind kind, double stake) {
        out_.records.append({number, kind, stake});
    }
    void addAll(const QStringList& numbers, Kind kind, double stake) {
        for (const QString& number : numbers)
            add(number, kind, stake);
    }
    // The set of a three-digit number, the straight first with its own stake. Three equal
    // digits have no other arrangement and give the straight row alone.
    void addStraightAndSet(const QString& number, Kind kind, double straight, double others) {
        QStringList set = setOf(number);
        if (set.isEmpty())
            set << number;
        add(set.first(), kind, straight);
        addAll(set.mid(1), kind, others);
    }
    Expansion result() {
        if (out_.refused())
            out_.records.clear();
        return out_;
    }

private:
    Expansion out_;
};

bool hasDigits(const QString& number, int minLength, int maxLength) {
    return isDigits(number) && number.size() >= minLength && number.size() <= maxLength;
}

Kind topKind(int length) {
    return length == 1 ? Kind::h1 : length == 2 ? Kind::h2 : Kind::h3;
}
Kind bottomKind(int length) {
    return length == 1 ? Kind::l1 : length == 2 ? Kind::l2 : Kind::l3;
}

// Tod of a two- or three-digit number: t2 as typed, t3 in tod form.
void addTod(Builder& b, const QString& number, double stake, bool sortDigits) {
    if (number.size() == 2)
        b.add(number, Kind::t2, stake);
    else
        b.add(todForm(number, sortDigits), Kind::t3, stake);
}

void setOrGroup(Builder& b, const QString& num, const Stakes& s, const NormalOptions& o) {
    double stake = 0;
    if (hasDigits(num, 3, 3)) {
        if (b.take(s.n1, &stake))
            b.addAll(setOf(num), Kind::h3, stake);
    } else if (isTwoX(num)) {
        if (b.take(s.n1, &stake))
            b.addAll(setOf(num), Kind::t2, stake);
    } else if (hasDigits(num, 4, 5)) {
        if (b.take(s.n1, &stake))
            b.add(groupForm(num, o.sortDigits), num.size() == 4 ? Kind::h4 : Kind::h5, stake);
    }
}

void bottomRunPairTod(Builder& b, const QString& num, const Stakes& s, const NormalOptions& o) {
    double stake = 0;
    if (hasDigits(num, 1, 3)) {
        if (num.size() == 2 && o.kindNamingMode != 0)
            return;
        if (!b.take(s.n1, &stake))
            return;
        if (num.size() == 2)
            b.add(sortedDigits(num), Kind::t2, stake);
        else
            b.add(num, bottomKind(num.size()), stake);
    } else if (isTwoX(num)) {
        if (b.take(s.n1, &stake))
            b.add(num, Kind::t2, stake);
    }
}

void topReverseSet(Builder& b, const QString& num, const Stakes& s, const NormalOptions& o) {
    double straight = 0, reverse = 0;
    if (hasDigits(num, 1, 1)) {
        if (b.take(s.n1, &straight))
            b.add(num, Kind::h1, straight);
    } else if (hasDigits(num, 2, 3)) {
        if (!b.take(s.n1, &straight) || !b.take(s.n2, &reverse))
            return;
        if (num.size() == 2) {
            b.add(num, Kind::h2, straight);
            b.add(reverseOf(num), Kind::h2, reverse);
        } else {
            const double first = o.addStraightToSet ? straight + reverse : straight;
            b.addStraightAndSet(num, Kind::h3, first, reverse);
        }
    }
}

// Straight with n1 and reverse with n2 (F5, F8) for the kind.
void straightAndReverse(Builder& b, const QString& num, double straight, double reverse,
                        Kind kind) {
    b.add(num, kind, straight);
    b.add(reverseOf(num), kind, reverse);
}

void combined(Builder& b, const QString& num, const Stakes& s, const NormalOptions& o) {
    if (!hasDigits(num, 1, 3))
        return;
    double top = 0, second = 0, third = 0;
    if (num.size() == 1 || (num.size() == 2 && o.twoDigitsTopBottomOnly)) {
        if (b.take(s.n1, &top) && b.take(s.n2, &second)) {
            b.add(num, topKind(num.size()), top);
            b.add(num, bottomKind(num.size()), second);
        }
        return;
    }
    if (!b.take(s.n1, &top) || !b.take(s.n2, &second) || !b.take(s.nu3, &third))
        return;
    const double tod = o.bottomBeforeTod ? third : second;
    const double bottom = o.bottomBeforeTod ? second : third;
    if (top != 0)
        b.add(num, topKind(num.size()), top);
    if (tod != 0)
        addTod(b, num, tod, o.sortDigits);
    if (bottom != 0)
        b.add(num, bottomKind(num.size()), bottom);
}

QString formOf(const OperatorField& field) {
    if (field.op.isNull())
        return QStringLiteral("A");
    return field.leading ? QString(field.op) + QLatin1Char('A')
                         : QLatin1Char('A') + QString(field.op) + QLatin1Char('B');
}

void allInOne(Builder& b, const QString& num, const QString& text, const NormalOptions& o) {
    if (!hasDigits(num, 1, 5))
        return;
    const int length = num.size();
    double a = 0, second = 0;
    if (length >= 4) {
        // The whole field is the stake; an operator in it is refused as not a number.
        if (b.take(text, &a))
            b.add(groupForm(num, o.sortDigits), length == 4 ? Kind::h4 : Kind::h5, a);
        return;
    }
    const OperatorField field = splitOperatorField(text);
    const QString form = formOf(field);
    auto takeA = [&] { return b.take(field.a, &a); };
    auto takeAB = [&] { return b.take(field.a, &a) && b.take(field.b, &second); };
    auto is = [&](const char* f) { return form == QLatin1String(f); };

    if (length == 3) {
        const QString tod = todForm(num, o.sortDigits);
        if (is("A") && takeA()) {
            b.add(num, Kind::h3, a);
        } else if (is("A+B") && takeAB()) {
            b.add(num, Kind::h3, a);
            b.add(tod, Kind::t3, second);
        } else if (is("+A") && takeA()) {
            b.addAll(setOf(num), Kind::h3, a);
        } else if (is("A*B") && takeAB()) {
            b.addStraightAndSet(num, Kind::h3, a, second);
        } else if (is("*A") && takeA()) {
            b.add(tod, Kind::t3, a);
        } else if (is("-A") && takeA()) {
            b.add(num, Kind::l3, a);
        } else if (is("/A") && takeA()) {
            b.addAll(setOf(num), Kind::l3, a);
        } else if (is("A/B") && takeAB()) {
            b.add(num, Kind::h3, a);
            b.add(num, Kind::l3, second);
        }
    } else if (length == 2) {
        if (is("A") && takeA()) {
            b.add(num, Kind::h2, a);
        } else if (is("A+B") && takeAB()) {
            straightAndReverse(b, num, a, second, Kind::h2);
        } else if (is("A-B") && takeAB()) {
            straightAndReverse(b, num, a, second, Kind::l2);
        } else if (is("A/B") && takeAB()) {
            b.add(num, Kind::h2, a);
            b.add(num, Kind::l2, second);
        } else if (is("*A") && takeA()) {
            b.add(num, Kind::t2, a);
        } else if (is("-A") && takeA()) {
            b.add(num, Kind::l2, a);
        }
    } else {
        if (is("A") && takeA()) {
            b.add(num, Kind::h1, a);
        } else if (is("-A") && takeA()) {
            b.add(num, Kind::l1, a);
        } else if (is("A*B") && takeAB()) {
            b.addAll(nineteenDoors(num[0]), Kind::h2, a);
            b.addAll(nineteenDoors(num[0]), Kind::l2, second);
        } else if (is("*A") && takeA()) {
            b.addAll(nineteenDoors(num[0]), Kind::l2, a);
        }
    }
}

void bottomTotals(Builder& b, const QString& num, const QString& text) {
    if (!hasDigits(num, 1, 3))
        return;
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
}

} // namespace

NormalMode dropStake(NormalMode mode, StakeField dropped) {
    const bool n1 = dropped == StakeField::n1;
    switch (mode) {
    case NormalMode::F2:
        return n1 ? NormalMode::F2TodOnly : NormalMode::F2TopOnly;
    case NormalMode::F4:
        return n1 ? mode : NormalMode::F4TopOnly;
    case NormalMode::F5:
        return n1 ? mode : NormalMode::F5BottomOnly;
    case NormalMode::F6:
        return n1 ? NormalMode::F6BottomOnly : NormalMode::F6TopOnly;
    case NormalMode::F8:
        return n1 ? mode : NormalMode::F8NoReverse;
    default:
        return mode;
    }
}

Expansion expandNormal(NormalMode mode, const QString& number, const Stakes& s,
                       const NormalOptions& o) {
    const QString num = number.toUpper();
    const int length = num.size();
    Builder b;
    double first = 0, second = 0, third = 0;
    auto takeN1 = [&] { return b.take(s.n1, &first); };
    auto takeN2 = [&] { return b.take(s.n2, &second); };
    auto takeN1N2 = [&] { return takeN1() && takeN2(); };

    switch (mode) {
    case NormalMode::F1:
        setOrGroup(b, num, s, o);
        break;
    case NormalMode::F2:
        if (hasDigits(num, 3, 3) && takeN1N2()) {
            b.add(num, Kind::h3, first);
            if (second != 0)
                b.add(todForm(num, o.sortDigits), Kind::t3, second);
        }
        break;
    case NormalMode::F2TopOnly:
        if (hasDigits(num, 3, 3) && takeN1())
            b.add(num, Kind::h3, first);
        break;
    case NormalMode::F2TodOnly:
        if (hasDigits(num, 3, 3) && takeN2())
            b.add(todForm(num, o.sortDigits), Kind::t3, second);
        break;
    case NormalMode::F3:
        bottomRunPairTod(b, num, s, o);
        break;
    case NormalMode::F4:
        topReverseSet(b, num, s, o);
        break;
    case NormalMode::F4TopOnly:
        if (hasDigits(num, 2, 2) && takeN1())
            b.add(num, Kind::h2, first);
        break;
    case NormalMode::F5:
        if (hasDigits(num, 1, 1) && takeN1())
            b.add(num, Kind::l1, first);
        else if (hasDigits(num, 2, 2) && takeN1N2())
            straightAndReverse(b, num, first, second, Kind::l2);
        break;
    case NormalMode::F5BottomOnly:
        if (hasDigits(num, 2, 2) && takeN1())
            b.add(num, Kind::l2, first);
        break;
    case NormalMode::F6:
        if (hasDigits(num, 1, 3) && takeN1N2()) {
            b.add(num, topKind(length), first);
            b.add(num, bottomKind(length), second);
        }
        break;
    case NormalMode::F6TopOnly:
        if (hasDigits(num, 1, 1) && takeN1())
            b.add(num, Kind::h1, first);
        break;
    case NormalMode::F6BottomOnly:
        if (hasDigits(num, 1, 1) && takeN2())
            b.add(num, Kind::l1, second);
        break;
    case NormalMode::F7:
        combined(b, num, s, o);
        break;
    case NormalMode::F8:
        if (hasDigits(num, 2, 2) && takeN1N2()) {
            straightAndReverse(b, num, first, second, Kind::h2);
            straightAndReverse(b, num, first, second, Kind::l2);
        }
        break;
    case NormalMode::F8NoReverse:
        if (hasDigits(num, 2, 2) && takeN1()) {
            b.add(num, Kind::h2, first);
            b.add(num, Kind::l2, first);
        }
        break;
    case NormalMode::F9:
        allInOne(b, num, s.n1, o);
        break;
    case NormalMode::F10:
        bottomTotals(b, num, s.n1);
        break;
    case NormalMode::Menu1:
        if (hasDigits(num, 2, 3) && takeN1())
            addTod(b, num, first, o.sortDigits);
        break;
    case NormalMode::Menu5:
        if (hasDigits(num, 2, 3) && takeN1N2()) {
            b.add(num, topKind(length), first);
            addTod(b, num, second, o.sortDigits);
        }
        break;
    case NormalMode::Menu6:
    case NormalMode::Menu7:
        if (hasDigits(num, 3, 3) && takeN1N2() && b.take(s.nu3, &third)) {
            const bool todFirst = mode == NormalMode::Menu6;
            b.add(num, Kind::h3, first);
            b.add(todForm(num, o.sortDigits), Kind::t3, todFirst ? second : third);
            b.add(num, Kind::l3, todFirst ? third : second);
        }
        break;
    }
    return b.result();
}
