#pragma once
// Substituting a one-letter variable in a term the way the evaluator reads
// the term: a letter that belongs to one of the evaluator's names (the i of
// sin, pi or int, the u of relu, the k of fak) is part of that name and stays;
// every other occurrence of the letter, in either case, is the variable.
#include <string>

namespace zw {

// Every free occurrence of `letter` (matched without regard to case) in text
// replaced by replacement.
std::u16string SubstituteVariable(const std::u16string& text, char16_t letter, const std::u16string& replacement);

}  // namespace zw
