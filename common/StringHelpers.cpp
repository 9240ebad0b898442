#include "common/StringHelpers.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <cstdlib>

namespace zw {

namespace {

std::string rightAligned(std::string s, int field);

// Exponential text in a field of `field` characters: sign position (blank or
// "-"), one digit, ".", digits, "E", exponent sign, four exponent digits.
std::string exponentialField(int field, long double x) {
  int digits = std::clamp(field - 8, 2, 18);
  char buf[64];
  auto r = std::to_chars(buf, buf + sizeof buf, std::fabs(x), std::chars_format::scientific, digits - 1);
  std::string s(buf, r.ptr);
  // s = "d.ddde+XX": rewrite the exponent with four digits.
  auto e = s.find('e');
  std::string mant = s.substr(0, e);
  char esign = s[e + 1];
  std::string exp = s.substr(e + 2);
  while (exp.size() < 4) exp.insert(exp.begin(), '0');
  return rightAligned(std::string(std::signbit(x) ? "-" : " ") + mant + "E" + esign + exp, field);
}

std::string rightAligned(std::string s, int field) {
  if (static_cast<int>(s.size()) < field) s.insert(s.begin(), static_cast<size_t>(field) - s.size(), ' ');
  return s;
}

}  // namespace

std::string FormatFixedWidth(int Width, int Decimals, long double X) {
  const int W = std::abs(Width);
  if (!std::isfinite(X)) return rightAligned(std::isnan(X) ? "Nan" : (X < 0 ? "-Inf" : "+Inf"), W);
  std::string s;
  if (Decimals == -2) {
    s = exponentialField(W + 2, X);
    // Cut the exponent to two digits; three or more make the text unusable.
    auto e = s.find('E');
    std::string lead = s.substr(e + 2, 2);
    s.erase(e + 2, 2);
    if (lead != "00") std::fill(s.begin(), s.end(), '*');
  } else if (Decimals < 0) {
    s = exponentialField(W, X);
  } else {
    // Room for the 4933 integer digits of the largest value and the decimals.
    std::string buf(4940 + static_cast<size_t>(Decimals), '\0');
    auto r = std::to_chars(buf.data(), buf.data() + buf.size(), X, std::chars_format::fixed, Decimals);
    s = rightAligned(std::string(buf.data(), r.ptr), W);
  }
  if (Width < 0) {
    size_t i = 0;
    while (i < s.size() && s[i] == ' ') s[i++] = '0';
    if (i < s.size() && s[i] == '-' && i > 0) {
      s[i] = '0';
      s[0] = '-';
    }
  }
  return s;
}

void FormatFixedWidth(int Width, int Decimals, std::string& S, long double X) {
  S = FormatFixedWidth(Width, Decimals, X);
}

std::u16string ReplaceChar(std::u16string_view S, char16_t Old, char16_t New) {
  std::u16string r(S);
  std::replace(r.begin(), r.end(), Old, New);
  return r;
}

std::u16string TrimBlanks(std::u16string_view S) {
  auto b = S.find_first_not_of(u' ');
  if (b == std::u16string_view::npos) return {};
  auto e = S.find_last_not_of(u' ');
  return std::u16string(S.substr(b, e - b + 1));
}

bool ScanQuotedStr(char16_t Ch, char16_t QuoteChar, std::u16string& Token, TQuotedStrState& State) {
  using enum TQuotedStrState;
  const bool blank = Ch <= u' ';
  switch (State) {
    case vsStart:
      if (blank) return false;
      if (Ch == QuoteChar) {
        State = vs1stQuote;
      } else {
        Token += Ch;
        State = vsNormal;
      }
      return false;
    case vs1stQuote:
      if (Ch < u' ') {
        State = vsStart;
        return true;
      }
      Token += Ch;
      State = Ch == QuoteChar ? vsNormal : vsQuote;
      return false;
    case vsQuote:
      if (Ch == QuoteChar)
        State = vsNormal;
      else
        Token += Ch;
      return false;
    case vsNormal:
      if (blank) {
        State = vsStart;
        return true;
      }
      if (Ch == QuoteChar)
        State = vs1stQuote;
      else
        Token += Ch;
      return false;
    case vsEnd:
      State = vsStart;
      return false;
  }
  return false;
}

int ReadTagFromText(std::u16string_view Text, int& Pos, int& TagEnd, bool& IsEndTag,
                    std::u16string& Attributes, int Count, std::span<const std::u16string_view> Tags) {
  const int len = static_cast<int>(Text.size());
  auto at = [&](int p) { return Text[static_cast<size_t>(p - 1)]; };  // 1-based
  Attributes.clear();
  IsEndTag = false;
  if (Pos < 1) Pos = 1;
  if (Pos <= len && at(Pos) != u'<') {
    while (Pos <= len) {
      ++Pos;
      if (at(Pos - 1) == u'<') break;
    }
  }
  TagEnd = Pos;
  std::u16string tag;
  while (TagEnd <= len && at(TagEnd) != u'>' && TagEnd < len) {
    if (tag.size() < 255) tag += at(TagEnd);
    ++TagEnd;
  }
  auto blank = tag.find(u' ');
  if (blank != std::u16string::npos) {
    std::u16string attr = tag.substr(blank + 1);
    if (!attr.empty() && attr.back() == u'/') attr.pop_back();
    Attributes = TrimBlanks(attr);
    tag.erase(blank);
  }
  if (!tag.empty() && tag.front() == u'<') tag.erase(0, 1);
  for (char16_t& c : tag)
    if (c >= u'A' && c <= u'Z') c = c - u'A' + u'a';
  if (!tag.empty() && tag.front() == u'/') {
    IsEndTag = true;
    tag.erase(0, 1);
  }
  const int n = std::min<int>(Count, static_cast<int>(Tags.size()));
  for (int i = 0; i < n; ++i)
    if (Tags[static_cast<size_t>(i)] == tag) return i;
  return Count;
}

}  // namespace zw
