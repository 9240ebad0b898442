#include "platform/symbolic/Derivative.h"

#include <algorithm>
#include <vector>

#include "kernel/BasicMath.h"
#include "kernel/FormulaText.h"
#include "kernel/KernelState.h"
#include "platform/symbolic/Symbolic.h"

namespace zw {

namespace {

// Whether the up to len characters of t from i occur as a whole in pattern.
bool occursIn(const std::u16string& t, size_t i, size_t len, std::u16string_view pattern) {
  return pattern.find(std::u16string_view(t).substr(i, len)) != std::u16string_view::npos;
}

// Case-sensitive replacement of every occurrence, left to right, never
// searching the inserted text again.
void replaceAll(std::u16string& t, std::u16string_view from, std::u16string_view to) {
  std::u16string r;
  r.reserve(t.size());
  size_t i = 0;
  while (i < t.size()) {
    if (t.compare(i, from.size(), from) == 0) {
      r.append(to);
      i += from.size();
    } else {
      r.push_back(t[i++]);
    }
  }
  t = std::move(r);
}

char16_t lower(char16_t c) {
  if ((c >= u'A' && c <= u'Z') || (c >= 0xC0 && c <= 0xDE && c != 0xD7)) return c + 32;
  return c;
}

// The library's commands are lower case, except the two letters whose case
// the evaluator's implied multiplication tells apart (ImpliesProduct): "x" is
// a left neighbour and "X" is not, "K" is a right neighbour and "k" is not.
// The "x" of the name EXP is lowered with it.
void lowerKeepingXK(std::u16string& t) {
  for (size_t i = 0; i < t.size(); ++i) {
    if (i + 3 <= t.size() && lower(t[i]) == u'e' && lower(t[i + 1]) == u'x' && lower(t[i + 2]) == u'p') {
      t.replace(i, 3, u"exp");
      i += 2;
    } else if (t[i] != u'X' && t[i] != u'K') {
      t[i] = lower(t[i]);
    }
  }
}

std::u16string derivative(const std::u16string& term, int order, int angleMode) {
  auto blank = [](char16_t c) { return c <= u' '; };
  if (std::all_of(term.begin(), term.end(), blank)) return u"0";
  std::string answer;
  std::int32_t code = 0;
  CallSymbolic(SymbolicCommand(term, order), angleMode, answer, code);
  std::u16string result(answer.begin(), answer.end());
  replaceAll(result, u"ln(e)", u"1");
  return result;
}

}  // namespace

std::string SymbolicCommand(const std::u16string& term, int order) {
  std::u16string t = term;
  lowerKeepingXK(t);
  NormalizeSymbolicNames(t);
  InsertImplicitMul(t);
  const std::u16string command = u"diff(" + t + (order == 2 ? u",x,2)" : u",x)");
  // The library reads 8-bit text; characters it cannot know arrive as "?".
  std::string narrow;
  narrow.reserve(command.size());
  for (char16_t c : command) narrow.push_back(c < 0x80 && c != 0 ? static_cast<char>(c) : '?');
  return narrow;
}

void NormalizeSymbolicNames(std::u16string& term) {
  MapFunctionNames(term);
  // "exp" stays a name: the library reads the evaluator's grammar, in which
  // EXP takes one factor; written "e^" it would change how the term reads
  // («exp(x)^2» would become the chained «e^(x)^2», «sinexp(x)» sin(e)^x).
  term = CommaToPoint(std::move(term));
}

void InsertImplicitMul(std::u16string& term) {
  if (term.empty()) return;
  std::u16string r;
  r.reserve(term.size() * 2);
  r.push_back(term[0]);
  for (size_t i = 1; i < term.size(); ++i) {
    if (ImpliesProduct(term, i)) r.push_back(u'*');
    // The library also reads "e^" for Euler's number; after a left
    // neighbour it is a factor of its own (a doubled "*" when "e" also
    // begins "exp", which the library reads as one).
    if (IsProductLeftNeighbour(term, i) && occursIn(term, i, 2, u"e^E^")) r.push_back(u'*');
    r.push_back(term[i]);
  }
  term = std::move(r);
}

void CallSymbolic(const std::string& command, std::string& answer, std::int32_t& code) {
  CallSymbolic(command, kernelState().AngleMode, answer, code);
}

void CallSymbolic(const std::string& command, int angleMode, std::string& answer,
                  std::int32_t& code) {
  std::u16string wide;
  for (char c : command) wide.push_back(static_cast<unsigned char>(c));
  lowerKeepingXK(wide);
  std::string lowered;
  for (char16_t c : wide) lowered.push_back(static_cast<char>(c));
  // Room for any sensible answer: derivatives grow with the term, the second
  // one roughly with its square.
  size_t room = std::clamp<size_t>(lowered.size() * lowered.size() * 4, 4096, size_t{1} << 24);
  std::vector<char> out(room, '\0');
  code = symbolic::CalculateInto(lowered.c_str(), out.data(), static_cast<std::int32_t>(room),
                                 angleMode);
  answer = code >= 0 ? std::string(out.data()) : std::string("Error");
}

std::u16string SymbolicDerivative(const std::u16string& term) {
  return derivative(term, 1, kernelState().AngleMode);
}
std::u16string SymbolicDerivative2(const std::u16string& term) {
  return derivative(term, 2, kernelState().AngleMode);
}
std::u16string SymbolicDerivative(const std::u16string& term, const FormulaContext& context) {
  return derivative(term, 1, context.AngleMode);
}
std::u16string SymbolicDerivative2(const std::u16string& term, const FormulaContext& context) {
  return derivative(term, 2, context.AngleMode);
}

}  // namespace zw
