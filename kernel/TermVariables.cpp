#include "kernel/TermVariables.h"

#include <cstring>

#include "kernel/Evaluator.h"

namespace zw {

namespace {

char16_t Upper(char16_t c) { return (c >= u'a' && c <= u'z') ? static_cast<char16_t>(c - 32) : c; }

// The length of the evaluator's name that starts at pos, tried in the order
// the evaluator tries them; 0 when none does.
std::size_t NameAt(const std::u16string& text, std::size_t pos) {
  for (int f = 0; f < FormulaFuncCount; ++f) {
    const char* name = FormulaFuncName(static_cast<FormulaFunc>(f));
    const std::size_t n = std::strlen(name);
    if (pos + n > text.size()) continue;
    bool match = true;
    for (std::size_t k = 0; k < n && match; ++k) match = Upper(text[pos + k]) == static_cast<char16_t>(name[k]);
    if (match) return n;
  }
  return 0;
}

}  // namespace

std::u16string SubstituteVariable(const std::u16string& text, char16_t letter, const std::u16string& replacement) {
  const char16_t wanted = Upper(letter);
  std::u16string out;
  out.reserve(text.size());
  std::size_t pos = 0;
  while (pos < text.size()) {
    const std::size_t name = NameAt(text, pos);
    // A one-letter name that is the variable itself (k, x) is the variable.
    if (name > 1 || (name == 1 && Upper(text[pos]) != wanted)) {
      out.append(text, pos, name);
      pos += name;
    } else if (Upper(text[pos]) == wanted) {
      out += replacement;
      ++pos;
    } else {
      out += text[pos++];
    }
  }
  return out;
}

}  // namespace zw
