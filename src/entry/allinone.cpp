#include "entry/normalexpansions.h"

#include "common/digits.h"
#include "entry/expansionbuilder.h"
#include "entry/stake.h"

namespace expand {

// Forms without a rule for the number's length give an empty list.
Expansion allInOne(const QString& num, const Stakes& stakes, const NormalOptions& o) {
    ExpansionBuilder b;
    if (!hasDigits(num, 1, 5))
        return b.result();
    const QString& text = stakes.n1;
    const int length = num.size();
    double a = 0, second = 0;
    if (length >= 4) {
        // The whole field is the stake; an operator in it is refused as not a number.
        if (b.take(text, &a))
            b.add(groupForm(num, o.sortDigits), topKind(length), a);
        return b.result();
    }
    const OperatorField field = splitOperatorField(text);
    const QString form = operatorForm(field);
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
            b.addStraightAndReverse(num, Kind::h2, a, second);
        } else if (is("A-B") && takeAB()) {
            b.addStraightAndReverse(num, Kind::l2, a, second);
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
    return b.result();
}

} // namespace expand
