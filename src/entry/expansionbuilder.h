#pragma once

#include "entry/expansion.h"

#include <QStringList>
#include <functional>

// Collects the records of one line; the first stake that does not parse refuses it.
class ExpansionBuilder {
public:
    // Parses a stake; a stake that does not parse refuses the line (the first one is kept).
    bool take(const QString& text, double* value);
    void add(const QString& number, Kind kind, double stake) {
        out_.records.append({number, kind, stake});
    }
    void addAll(const QStringList& numbers, Kind kind, double stake);
    // The set of a three-digit number, the straight first with its own stake. Three equal
    // digits have no other arrangement and give the straight row alone.
    void addStraightAndSet(const QString& number, Kind kind, double straight, double others);
    // The straight with one stake, then the reverse with the other.
    void addStraightAndReverse(const QString& number, Kind kind, double straight, double reverse);
    // Tod of a two- or three-digit number: t2 as typed, t3 in tod form.
    void addTod(const QString& number, double stake, bool sortDigits);
    // Every stake the line uses is 0: an empty list is then what the clerk asked for.
    void nothingAsked() { out_.nothingAsked = true; }
    Expansion result();

private:
    Expansion out_;
};

namespace expand {
// Only digits, between the two lengths.
bool hasDigits(const QString& number, int minLength, int maxLength);
// A number of minLength to maxLength digits: every number of list(number) as kind, with n1.
Expansion eachWithFirstStake(const QString& number, const Stakes& stakes, int minLength,
                             int maxLength, Kind kind,
                             const std::function<QStringList(const QString&)>& list);
// The top and bottom kind of a number's length: h1 ... h5, and l1, l2, l3.
Kind topKind(int length);
Kind bottomKind(int length);
} // namespace expand
