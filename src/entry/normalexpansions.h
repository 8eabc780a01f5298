#pragma once

#include "entry/normalmodes.h"

// The expansion rules of the normal page: an upper-cased number and its stakes to the bet
// records in recording order. A number the rule does not take gives an empty list.
namespace expand {
using Rule = Expansion (*)(const QString& number, const Stakes& stakes,
                           const NormalOptions& options);

// Three digits: the set as h3; a 2X pattern: its set as t2; four or five: the group.
Expansion setOrGroup(const QString& number, const Stakes& stakes, const NormalOptions& options);
// Three digits: h3 straight n1, then t3 tod form n2 unless n2 is 0.
// Three digits as one kind with the first stake, and in tod form as another with the second
// (none when it is 0); and three digits as one kind alone.
Expansion straightAndTod(const QString& number, const Stakes& stakes, const NormalOptions& options,
                         Kind straight, Kind tod);
Expansion straightThree(const QString& number, const Stakes& stakes, Kind kind);
// Three digits in tod form as one kind with the second stake.
Expansion todOfThree(const QString& number, const Stakes& stakes, const NormalOptions& options,
                     Kind kind);
Expansion topAndTod(const QString& number, const Stakes& stakes, const NormalOptions& options);
// Three digits: h3 straight n1.
Expansion topThree(const QString& number, const Stakes& stakes, const NormalOptions& options);
// Three digits: t3 tod form n2.
Expansion todThree(const QString& number, const Stakes& stakes, const NormalOptions& options);
// One digit l1, two digits t2 sorted (kind naming mode 0 only), three l3, a 2X pattern t2.
Expansion bottomRunPairTod(const QString& number, const Stakes& stakes,
                           const NormalOptions& options);
// One digit h1; two digits h2 straight n1 and reverse n2; three the set as h3, the
// straight n1 (plus n2 with addStraightToSet), the others n2.
Expansion topReverseSet(const QString& number, const Stakes& stakes, const NormalOptions& options);
// Two digits: h2 straight n1.
Expansion topTwo(const QString& number, const Stakes& stakes, const NormalOptions& options);
// One digit l1 n1; two digits l2 straight n1 and reverse n2.
Expansion bottomRunOrReverse(const QString& number, const Stakes& stakes,
                             const NormalOptions& options);
// Two digits: l2 straight n1.
Expansion bottomTwo(const QString& number, const Stakes& stakes, const NormalOptions& options);
// One to three digits: top n1 and bottom n2 of the straight number.
Expansion topAndBottom(const QString& number, const Stakes& stakes, const NormalOptions& options);
// One digit: h1 n1.
Expansion topRun(const QString& number, const Stakes& stakes, const NormalOptions& options);
// One digit: l1 n2.
Expansion bottomRun(const QString& number, const Stakes& stakes, const NormalOptions& options);
// One digit, or two with twoDigitsTopBottomOnly: top n1 and bottom n2; otherwise top n1,
// tod and bottom (in the order bottomBeforeTod names) each only when its stake is not 0.
Expansion combined(const QString& number, const Stakes& stakes, const NormalOptions& options);
// Two digits: h2 straight and reverse, then l2 straight and reverse (n1, n2).
Expansion topBottomReverse(const QString& number, const Stakes& stakes,
                           const NormalOptions& options);
// Two digits: h2 and l2 of the straight number, both n1.
Expansion topBottomTwo(const QString& number, const Stakes& stakes, const NormalOptions& options);
// The operator forms of n1 (All in One); four and five digits take the whole field.
Expansion allInOne(const QString& number, const Stakes& stakes, const NormalOptions& options);
// n1 plain: the bottom kind of the length; "*A": three digits the set as l3, one digit the
// 19 doors as l2.
Expansion bottomTotals(const QString& number, const Stakes& stakes, const NormalOptions& options);
// Two or three digits: the tod of the number, n1.
Expansion tod(const QString& number, const Stakes& stakes, const NormalOptions& options);
// Two or three digits: top n1 and tod n2.
Expansion topAndTodAnyLength(const QString& number, const Stakes& stakes,
                             const NormalOptions& options);
// Three digits: h3 n1, t3 n2, l3 nu3.
Expansion topTodBottom(const QString& number, const Stakes& stakes, const NormalOptions& options);
// Three digits: h3 n1, t3 nu3, l3 n2.
Expansion topBottomTod(const QString& number, const Stakes& stakes, const NormalOptions& options);
} // namespace expand
