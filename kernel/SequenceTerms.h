#pragma once
// The term of a recursively defined sequence for one index, as the sequences
// topic and the factorisation of a sequence's terms evaluate it: "a[i-1] +
// a[i-2]" with the earlier terms put in. Both topics use this one reading.
#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

namespace zw {

// The longest term a topic builds by putting texts into a typed term (the
// terms of a sequence, the u of a surface plot). Putting long texts into
// many places could otherwise grow a term without bound, and reading one of
// this length already takes some 10 ms.
inline constexpr std::size_t MaxBuiltTermLength = 100'000;

// The start terms a[0], a[1], ... as typed: blanks removed, a trailing ";"
// dropped, split at ";". An empty text has none.
std::vector<std::u16string> SplitStartTerms(std::u16string_view typed);

// True when the text evaluates to a finite value on its own (a start term
// that names a term does not).
bool EvaluatesAlone(std::u16string_view text);

// The term for a[i]: each reference "a[" index "]" (up to the first "]"
// after it) becomes "(" + term k + ")", where k is the index with i put in,
// evaluated and rounded to the nearest whole number; every free i outside
// the references (not the i of sin or pi) becomes "(" + i + ")". What is
// put in is never searched again, so a term whose text names a term is
// inserted as it stands, once. termAt(k) gives term k for 0 <= k < count.
// False (out unspecified) when a reference has no "]", its index does not
// evaluate, it names no term (k < 0 or k >= count), or the result would be
// longer than MaxBuiltTermLength.
bool ExpandSequenceTerm(std::u16string_view term, std::int64_t i, std::size_t count,
                        const std::function<std::u16string(std::size_t)>& termAt, std::u16string& out);

}  // namespace zw
