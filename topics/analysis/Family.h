#pragma once
// The members of a family of curves y = ƒ(x, k): the k values of a range
// (at most 29) and of a list, each member's term in x, and its graph entry.
#include <QString>
#include <string>
#include <vector>

#include "kernel/Types.h"

namespace zw {

inline constexpr int FamilyRangeMembers = 29;

struct FamilyRange {
  bool given = false;  // both ends hold text
  Extended kmin = 0, kmax = 0, step = 0;
};

// The k texts: the range part k = kmin + i·step (a step 0 counting as 1),
// upwards while k <= kmax for a positive step and downwards while k >= kmax
// for a negative one, at most 29; then the list, split at blanks and ";"
// (empty items included, they plot nothing).
std::vector<std::u16string> FamilyValues(const FamilyRange& range, const QString& list);

// The member's term: every free k, in either case, replaced by "(" + value + ")";
// the names of the evaluator keep their letters (fak). A member that would
// be longer than FamilyMemberMaxLength is empty (it draws nothing): a long
// list item put into every k of a long term would be millions of characters.
inline constexpr std::size_t FamilyMemberMaxLength = 65536;
std::u16string FamilyTerm(const QString& term, const std::u16string& value);

// The graph entry of member n (1-based): (n − 1) mod 24 + 1, folded into a
// list of `listLength` entries when it holds fewer.
int FamilyEntry(int n, int listLength);

}  // namespace zw
