#include "entry/expansionbuilder.h"

#include "common/digits.h"
#include "entry/stake.h"

bool ExpansionBuilder::take(const QString& text, double* value) {
    if (parseStake(text, value))
        return true;
    if (!out_.refused())
        out_.badStake = text;
    return false;
}

void ExpansionBuilder::addAll(const QStringList& numbers, Kind kind, double stake) {
    for (const QString& number : numbers)
        add(number, kind, stake);
}

void ExpansionBuilder::addStraightAndSet(const QString& number, Kind kind, double straight,
                                         double others) {
    QStringList set = setOf(number);
    if (set.isEmpty())
        set << number;
    add(set.first(), kind, straight);
    addAll(set.mid(1), kind, others);
}

void ExpansionBuilder::addStraightAndReverse(const QString& number, Kind kind, double straight,
                                             double reverse) {
    add(number, kind, straight);
    add(reverseOf(number), kind, reverse);
}

void ExpansionBuilder::addTod(const QString& number, double stake, bool sortDigits) {
    if (number.size() == 2)
        add(number, Kind::t2, stake);
    else
        add(todForm(number, sortDigits), Kind::t3, stake);
}

Expansion ExpansionBuilder::result() {
    if (out_.refused()) {
        out_.records.clear();
        out_.nothingAsked = false;
    }
    return out_;
}

namespace expand {
bool hasDigits(const QString& number, int minLength, int maxLength) {
    return isDigits(number) && number.size() >= minLength && number.size() <= maxLength;
}

Expansion eachWithFirstStake(const QString& number, const Stakes& stakes, int minLength,
                             int maxLength, Kind kind,
                             const std::function<QStringList(const QString&)>& list) {
    ExpansionBuilder b;
    double stake = 0;
    if (hasDigits(number, minLength, maxLength) && b.take(stakes.n1, &stake))
        b.addAll(list(number), kind, stake);
    return b.result();
}

Kind topKind(int length) {
    static const Kind kinds[] = {Kind::h1, Kind::h2, Kind::h3, Kind::h4, Kind::h5};
    return kinds[qBound(1, length, 5) - 1];
}

Kind bottomKind(int length) {
    return length == 1 ? Kind::l1 : length == 2 ? Kind::l2 : Kind::l3;
}
} // namespace expand
