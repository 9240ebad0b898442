#include "topics/analysis/CurveTerms.h"

#include "kernel/TermVariables.h"
#include "platform/symbolic/Derivative.h"

namespace zw {

namespace {

std::u16string Number(int j) {
  std::u16string out;
  for (char c : std::to_string(j)) out += char16_t(c);
  return out;
}

char16_t Lower(char16_t c) { return c >= u'A' && c <= u'Z' ? char16_t(c - u'A' + u'a') : c; }
bool IsDigit(char16_t c) { return c >= u'0' && c <= u'9'; }

// A curve text "yj" (with its mark) at `at`, compared without regard to case;
// with `noDigitAfter`, "y1" does not count at the start of "y10".
bool MatchesAt(const std::u16string& s, std::size_t at, const std::u16string& what, bool ignoreCase,
               bool noDigitAfter) {
  if (at + what.size() > s.size()) return false;
  for (std::size_t k = 0; k < what.size(); ++k) {
    const char16_t a = s[at + k], b = what[k];
    if (ignoreCase ? Lower(a) != Lower(b) : a != b) return false;
  }
  return !noDigitAfter || at + what.size() >= s.size() || !IsDigit(s[at + what.size()]);
}

bool Contains(const std::u16string& s, const std::u16string& what, bool noDigitAfter) {
  for (std::size_t at = 0; at + what.size() <= s.size(); ++at)
    if (MatchesAt(s, at, what, false, noDigitAfter)) return true;
  return false;
}

// Every occurrence in either case replaced; the search for it is case-sensitive.
// The replacement is asked for only when there is something to replace: a
// symbolic derivative of a long term takes long.
template <class By>
bool ReplaceCurveText(std::u16string& s, const std::u16string& what, const By& replacement, bool noDigitAfter,
                      int& replacements) {
  if (!Contains(s, what, noDigitAfter)) return true;
  const std::u16string by = replacement();
  std::u16string out;
  for (std::size_t at = 0; at < s.size();) {
    if (MatchesAt(s, at, what, true, noDigitAfter)) {
      if (++replacements > MaxReferenceReplacements) return false;
      out += by;
      at += what.size();
    } else {
      out += s[at++];
    }
    if (out.size() > MaxResolvedLength) return false;
  }
  s = std::move(out);
  return true;
}

// fj(expression) → (term j with its x replaced by (expression)), until none is left.
bool ReplaceArgumentReferences(std::u16string& s, int j, const std::u16string& term, int& replacements) {
  const std::u16string key = u"f" + Number(j) + u"(";
  for (std::size_t p = s.find(key); p != std::u16string::npos; p = s.find(key)) {
    if (++replacements > MaxReferenceReplacements) return false;
    const std::size_t open = p + key.size() - 1;
    std::size_t end = open + 1;  // one past the last scanned character
    for (int depth = 1; end < s.size() && depth > 0; ++end) {
      if (s[end] == u'(') ++depth;
      if (s[end] == u')') --depth;
    }
    const std::u16string argument = s.substr(open, end - open);
    std::u16string next = s.substr(0, p);
    next += u"(";
    next += SubstituteVariable(term, u'x', argument);
    next += u")";
    next += s.substr(end);
    if (next.size() > MaxResolvedLength) return false;
    s = std::move(next);
  }
  return true;
}

}  // namespace

const std::u16string& DerivativeCache::get(const std::u16string& term, int order, const FormulaContext& context) {
  const auto key = std::make_tuple(order, context.AngleMode, term);
  auto it = map_.find(key);
  if (it == map_.end())
    it = map_.emplace(key, order == 1 ? SymbolicDerivative(term, context) : SymbolicDerivative2(term, context)).first;
  return it->second;
}

std::u16string ResolveCurve(int i, const std::u16string& raw, const CurveTerms& f, const FormulaContext& context,
                            DerivativeCache& cache) {
  std::u16string s = raw;
  if (s.empty()) return s;
  int replacements = 0;
  bool ok = true;
  for (int j = 1; j < i && ok; ++j) ok = ReplaceArgumentReferences(s, j, f[std::size_t(j - 1)], replacements);
  for (int j = 1; j < i && ok; ++j) {
    const std::u16string& term = f[std::size_t(j - 1)];
    if (term.empty()) continue;
    const std::u16string y = u"y" + Number(j);
    const auto derivative = [&](int order) { return [&, order] { return u"(" + cache.get(term, order, context) + u")"; }; };
    ok = ReplaceCurveText(s, y + u"'", derivative(1), false, replacements) &&
         ReplaceCurveText(s, y + u"\"", derivative(2), false, replacements) &&
         ReplaceCurveText(s, y, [&] { return u"(" + term + u")"; }, true, replacements);
  }
  return ok ? s : std::u16string();
}

CurveTerms ResolveCurveReferences(const CurveTerms& raw, const FormulaContext& context, DerivativeCache& cache) {
  CurveTerms f{};
  for (int i = 1; i <= CurveCount; ++i) f[std::size_t(i - 1)] = ResolveCurve(i, raw[std::size_t(i - 1)], f, context, cache);
  return f;
}

const CurveTerms& CurveResolver::resolve(const CurveTerms& raw, const FormulaContext& context) {
  if (!holds(raw, context)) keep(raw, context, ResolveCurveReferences(raw, context, derivatives_));
  return resolved_;
}

bool CurveResolver::holds(const CurveTerms& raw, const FormulaContext& context) const {
  return valid_ && raw == lastRaw_ && context.AngleMode == lastAngle_;
}

void CurveResolver::keep(const CurveTerms& raw, const FormulaContext& context, const CurveTerms& resolved) {
  resolved_ = resolved;
  lastRaw_ = raw;
  lastAngle_ = context.AngleMode;
  valid_ = true;
}

}  // namespace zw
