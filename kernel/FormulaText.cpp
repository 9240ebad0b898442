#include "kernel/FormulaText.h"

#include <algorithm>
#include <string_view>

#include "kernel/BasicMath.h"
#include "kernel/FormulaMath.h"

namespace zw {

using formula::isDigit;

namespace {

bool inSet(char16_t c, const char* set) {
  for (; *set; ++set)
    if (c == static_cast<unsigned char>(*set)) return true;
  return false;
}

// Whether the up to `len` characters of t from i occur as a whole in pattern.
bool occursIn(std::u16string_view t, size_t i, size_t len, const char* pattern) {
  size_t n = std::min(len, t.size() - i);
  std::string_view p(pattern);
  for (size_t start = 0; start + n <= p.size(); ++start) {
    bool same = true;
    for (size_t k = 0; k < n && same; ++k) same = t[i + k] == static_cast<unsigned char>(p[start + k]);
    if (same) return true;
  }
  return false;
}

}  // namespace

bool IsProductLeftNeighbour(std::u16string_view t, size_t i) {
  const char16_t prev = t[i - 1];
  const bool xOfExp = prev == u'x' && i >= 2 && (t[i - 2] == u'e' || t[i - 2] == u'E') &&
                      (t[i] == u'p' || t[i] == u'P');
  return isDigit(prev) || prev == u')' || (prev == u'x' && !xOfExp);
}

bool ImpliesProduct(std::u16string_view t, size_t i) {
  return IsProductLeftNeighbour(t, i) &&
         (inSet(t[i], "(asctlfpwxyzASCTLFPWXYZK") || occursIn(t, i, 3, "expEXP"));
}

void MapFunctionNames(std::u16string& t) {
  ReplaceAllText(t, u"atn", u"atan");
  ReplaceAllText(t, u"arctan", u"atan");
  ReplaceAllText(t, u"arcsin", u"asin");
  ReplaceAllText(t, u"arccos", u"acos");
  ReplaceAllText(t, u"fac", u"fak");
}

void NormalizeFunctionNames(std::u16string& text) {
  std::u16string t;
  t.reserve(text.size());
  for (char16_t c : text)
    if (c != u' ') t.push_back(c);
  MapFunctionNames(t);
  text = std::move(t);
}

std::int32_t NormalizeFormula(const std::u16string& text, std::u16string& normalized) {
  std::u16string t = text;
  NormalizeFunctionNames(t);

  // Euler's number written "e#" is the name W.
  {
    std::u16string r;
    r.reserve(t.size());
    for (size_t i = 0; i < t.size(); ++i) {
      if ((t[i] == u'e' || t[i] == u'E') && i + 1 < t.size() && t[i + 1] == u'#') {
        r.push_back(u'w');
        ++i;
      } else {
        r.push_back(t[i]);
      }
    }
    t = std::move(r);
  }

  if (!t.empty()) {
    std::u16string r;
    r.reserve(t.size() * 2);
    r.push_back(t[0]);
    for (size_t i = 1; i < t.size(); ++i) {
      if (ImpliesProduct(t, i)) r.push_back(u'*');
      r.push_back(t[i]);
    }
    t = std::move(r);
  }

  if (!t.empty() && t[0] == u'-') t.insert(t.begin(), u'0');

  // "(-" becomes "(0-" everywhere in the text.
  {
    std::u16string r;
    r.reserve(t.size() + 8);
    for (size_t i = 0; i < t.size(); ++i) {
      if (t[i] == u'-' && i > 0 && t[i - 1] == u'(') r.push_back(u'0');
      r.push_back(t[i]);
    }
    t = std::move(r);
  }

  int open = 0, close = 0;
  for (char16_t& c : t) {
    if (c == u'(') ++open;
    else if (c == u')') ++close;
    else if (c == u',') c = u'.';
    else if (c >= u'a' && c <= u'z') c = static_cast<char16_t>(c - u'a' + u'A');
  }

  {
    std::u16string r;
    r.reserve(t.size() + 4);
    for (size_t i = 0; i < t.size(); ++i) {
      if (t[i] == u'.' && i > 0 && !isDigit(t[i - 1])) r.push_back(u'0');
      r.push_back(t[i]);
    }
    t = std::move(r);
  }
  if (!t.empty() && t[0] == u'.') t.insert(t.begin(), u'0');
  if (!t.empty() && t[0] == u'+') t.erase(t.begin());

  normalized = std::move(t);
  if (normalized.empty()) return evalerr::Empty;
  if (open != close) return evalerr::Parentheses;
  return evalerr::Ok;
}

}  // namespace zw
