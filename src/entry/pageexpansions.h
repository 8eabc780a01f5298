#pragma once

#include "entry/normalexpansions.h"

// The expansion rules of the head, set and stock pages, with the signature of the normal
// page's (normalexpansions.h). A number the rule does not take gives an empty list.
namespace expand {

// Head page. Two digits: t2 n1; three: the set as h5 n1.
Expansion headTwoOrSet(const QString& number, const Stakes& stakes, const NormalOptions& options);
// Three digits: h5 straight n1, then h4 tod form n2 unless n2 is 0.
Expansion headAndTod(const QString& number, const Stakes& stakes, const NormalOptions& options);
// Three digits: h5 straight n1.
Expansion headThree(const QString& number, const Stakes& stakes, const NormalOptions& options);
// Three digits: h4 tod form n2.
Expansion headTod(const QString& number, const Stakes& stakes, const NormalOptions& options);
// Three digits: h5 straight n1, then h3 straight n2 unless n2 is 0.
Expansion headAndTail(const QString& number, const Stakes& stakes, const NormalOptions& options);
// Three digits, each stake halved towards zero: h3 and h5 straight with half n1, then t3 and
// h4 tod form with half n2.
Expansion headTailHalves(const QString& number, const Stakes& stakes,
                         const NormalOptions& options);
// Three digits: the set as h5 n1, then as h3 n2.
Expansion headAndTailSets(const QString& number, const Stakes& stakes,
                          const NormalOptions& options);
// Two digits: t2 straight n1, t2 reverse n2.
Expansion headTwoAndReverse(const QString& number, const Stakes& stakes,
                            const NormalOptions& options);
// Four digits: each distinct pick of three positions as h5 n1.
Expansion headPicks24(const QString& number, const Stakes& stakes, const NormalOptions& options);

// Set page. Two digits: the 54 (or 28) three-digit numbers holding both, h3 n1.
Expansion threeFromPair(const QString& number, const Stakes& stakes, const NormalOptions& options);
// Four to seven digits: each distinct pick of three positions as h3 n1.
Expansion picks24(const QString& number, const Stakes& stakes, const NormalOptions& options);
Expansion picks60(const QString& number, const Stakes& stakes, const NormalOptions& options);
Expansion picks120(const QString& number, const Stakes& stakes, const NormalOptions& options);
Expansion picks210(const QString& number, const Stakes& stakes, const NormalOptions& options);
// Four digits: each distinct arrangement as h4 n1.
Expansion groups24(const QString& number, const Stakes& stakes, const NormalOptions& options);
// Three digits: the set as l3 n1.
Expansion bottomSet(const QString& number, const Stakes& stakes, const NormalOptions& options);
// One digit: the 19 doors as h2 n1, then as l2 n2; or only the top (n1), or only the bottom (n2).
Expansion doorsTopBottom(const QString& number, const Stakes& stakes,
                         const NormalOptions& options);
Expansion doorsTop(const QString& number, const Stakes& stakes, const NormalOptions& options);
Expansion doorsBottom(const QString& number, const Stakes& stakes, const NormalOptions& options);

// Stock page, every record h2. The stake typed in num (the number argument): the doubles,
// the sibling list, the sum-ten list.
Expansion doublesList(const QString& stake, const Stakes& stakes, const NormalOptions& options);
Expansion siblings(const QString& stake, const Stakes& stakes, const NormalOptions& options);
Expansion sumTen(const QString& stake, const Stakes& stakes, const NormalOptions& options);
// One digit: the front run n1 unless 0, then the back run n2 unless 0.
Expansion frontAndBackRuns(const QString& number, const Stakes& stakes,
                           const NormalOptions& options);
// The odd stake in num, the even in n1: the odd list unless 0, then the even list unless 0.
Expansion oddAndEven(const QString& oddStake, const Stakes& stakes, const NormalOptions& options);
// One digit: the 19 doors, n1.
Expansion doorsTwo(const QString& number, const Stakes& stakes, const NormalOptions& options);
// Three to eight digits: the win pairs, n1.
Expansion winPairs(const QString& number, const Stakes& stakes, const NormalOptions& options);

} // namespace expand
