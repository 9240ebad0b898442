#include "kernel/SequenceTerms.h"

#include <cmath>
#include <map>

#include "kernel/Evaluator.h"
#include "kernel/TermVariables.h"

namespace zw {

namespace {

constexpr std::u16string_view kReference = u"a[";

std::u16string Decimal(std::int64_t i) {
  const std::string s = std::to_string(i);
  return std::u16string(s.begin(), s.end());
}

}  // namespace

std::vector<std::u16string> SplitStartTerms(std::u16string_view typed) {
  std::u16string s;
  for (char16_t c : typed)
    if (c != u' ') s += c;
  if (!s.empty() && s.back() == u';') s.pop_back();
  std::vector<std::u16string> terms;
  if (s.empty()) return terms;
  std::size_t from = 0;
  for (std::size_t semi; (semi = s.find(u';', from)) != std::u16string::npos; from = semi + 1)
    terms.push_back(s.substr(from, semi - from));
  terms.push_back(s.substr(from));
  return terms;
}

bool EvaluatesAlone(std::u16string_view text) {
  Extended value = 0;
  std::int32_t err = 0;
  EvaluateFormula(std::u16string(text), value, err, 0);
  return err == 0 && std::isfinite(value);
}

bool ExpandSequenceTerm(std::u16string_view term, std::int64_t i, std::size_t count,
                        const std::function<std::u16string(std::size_t)>& termAt, std::u16string& out) {
  out.clear();
  const std::u16string index = u"(" + Decimal(i) + u")";
  const auto withIndex = [&](std::u16string_view part) {
    return SubstituteVariable(std::u16string(part), u'i', index);
  };
  // The same reference text names the same term: its index is read once.
  std::map<std::u16string_view, std::size_t> named;
  std::size_t pos = 0;
  for (;;) {
    const std::size_t at = term.find(kReference, pos);
    if (at == std::u16string_view::npos) break;
    const std::size_t close = term.find(u']', at + kReference.size());
    if (close == std::u16string_view::npos) return false;
    out += withIndex(term.substr(pos, at - pos));
    const std::u16string_view reference = term.substr(at, close + 1 - at);
    auto known = named.find(reference);
    if (known == named.end()) {
      Extended value = 0;
      std::int32_t err = 0;
      const std::u16string_view inside = term.substr(at + kReference.size(), close - at - kReference.size());
      EvaluateFormula(withIndex(inside), value, err, 0);
      if (err != 0 || !std::isfinite(value)) return false;
      const Extended k = std::nearbyint(value);
      if (!(k >= 0 && k < static_cast<Extended>(count))) return false;
      known = named.emplace(reference, static_cast<std::size_t>(k)).first;
    }
    out += u'(';
    out += termAt(known->second);
    out += u')';
    if (out.size() > MaxBuiltTermLength) return false;
    pos = close + 1;
  }
  out += withIndex(term.substr(pos));
  return out.size() <= MaxBuiltTermLength;
}

}  // namespace zw
