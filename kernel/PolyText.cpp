#include "kernel/PolyText.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

#include "kernel/Format.h"
#include "kernel/PastedLine.h"
#include "kernel/TextPadding.h"
#include "kernel/TextSigns.h"

namespace zw {

namespace {

constexpr char16_t kMulDot = ksym::MulDotSign[0];

std::u16string digitsOf(int64_t v) {
  const std::string s = std::to_string(v);
  return std::u16string(s.begin(), s.end());
}

// Polynomial text from the highest power down; decimal = false writes the
// coefficients as fractions, true as FormatReal numbers followed by "·".
std::u16string polyText(const TPoly& p, bool decimal) {
  std::u16string text;
  for (int k = PolyMaxDegree; k >= 0; --k) {
    TBruch c = p[k];
    if (c.z == 0) continue;
    if (!decimal && c.n == 0) c.n = 1;
    const bool negative = (c.z < 0) != (c.n < 0);
    if (negative)
      text += u" - ";
    else if (!text.empty())
      text += u" + ";
    const int64_t az = std::llabs(static_cast<int64_t>(c.z));
    const int64_t an = std::llabs(static_cast<int64_t>(c.n));
    const bool showCoefficient = az != an || k == 0;
    if (showCoefficient) {
      if (decimal) {
        text += FormatReal(8, std::fabs(BruchToReal(c)));
        if (k > 0) text += kMulDot;
      } else {
        text += digitsOf(az);
        if (an != 1) text += u"/" + digitsOf(an);
      }
    }
    if (k >= 1) text += u"x";
    if (k >= 2) text += ksym::SupScriptDigits(k);
  }
  if (text.empty() && !decimal) text = u"0";
  return text;
}

void replaceFirst(std::u16string& text, const std::u16string& from, const std::u16string& to) {
  const auto pos = text.find(from);
  if (pos != std::u16string::npos) text.replace(pos, from.size(), to);
}

void replaceAll(std::u16string& text, const std::u16string& from, const std::u16string& to) {
  for (auto pos = text.find(from); pos != std::u16string::npos; pos = text.find(from, pos + to.size()))
    text.replace(pos, from.size(), to);
}

// The bar of a three-line fraction: as wide as the wider part and one em
// dash more on either side, so that the bar stands out over both.
std::u16string fractionBar(const TextMeasurer& font, const std::u16string& numerator,
                           const std::u16string& denominator) {
  const int w = std::max(font.textWidth(numerator), font.textWidth(denominator));
  return EmDashesForWidth(font, w) + ksym::EmDash + ksym::EmDash;
}

std::u16string firstLine(const std::u16string& text) {
  const auto end = text.find_first_of(u"\r\n");
  return end == std::u16string::npos ? text : text.substr(0, end);
}

std::vector<std::u16string> splitItems(const std::u16string& line) {
  std::vector<std::u16string> items;
  size_t start = 0;
  for (;;) {
    const auto pos = line.find(u';', start);
    items.push_back(line.substr(start, pos - start));
    if (pos == std::u16string::npos) break;
    start = pos + 1;
  }
  return items;
}

std::u16string rowText(const CoefficientGrid& grid, CoefficientGrid* toEmpty) {
  std::u16string line;
  const int row = grid.currentRow();
  for (int col = grid.firstEditableColumn(); col < grid.columnCount(); ++col) {
    if (col > grid.firstEditableColumn()) line += u";";
    line += grid.cell(col, row);
    if (toEmpty) toEmpty->setCell(col, row, u"");
  }
  return line;
}

// Numerator or denominator part of a factorised rational function.
std::u16string withFactor(int32_t k, const TPoly& pInt, const std::u16string& text) {
  if (PolyDegree(pInt) == 0) return digitsOf(static_cast<int64_t>(k) * pInt[0].z);
  if (k == 1) return text;
  const std::u16string body = !text.empty() && text.front() == u'(' ? text : u"(" + text + u")";
  return digitsOf(k) + kMulDot + body;
}

}  // namespace

std::u16string PolyToTextFrac(const TPoly& p) { return polyText(p, false); }

std::u16string PolyToTextDecimal(const TPoly& p) { return polyText(p, true); }

std::u16string PolyToTextPlain(const TPoly& p) { return SupToCaret(PolyToTextFrac(p)); }

std::u16string PolyToTextFactor(int32_t a, const TPoly& p) {
  if (PolyDegree(p) >= 1) {
    if (a == 1) return PolyToTextFrac(p);
    return digitsOf(a) + kMulDot + u"(" + PolyToTextFrac(p) + u")";
  }
  return digitsOf(static_cast<int64_t>(a) * p[0].z);
}

std::u16string SupToCaret(std::u16string text) {
  // Two-digit powers first, so that «x¹²» is not read as «x¹» and «²».
  for (int i = 10; i <= PolyMaxDegree; ++i) replaceFirst(text, ksym::SupScriptDigits(i), u"^" + digitsOf(i));
  for (int i = 0; i <= 9; ++i) replaceFirst(text, ksym::SupScriptDigits(i), u"^" + digitsOf(i));
  replaceAll(text, std::u16string{kMulDot, u'x'}, u"x");
  return text;
}

std::u16string BruchFactorText(TBruch f) {
  if (BruchIsOne(f)) return u"";
  return BruchToText(f) + kMulDot;
}

std::u16string ExponentText(int k) { return k > 1 ? ksym::SupScriptDigits(k) : u""; }

void PolyFactorisedText(const TPoly& p, std::u16string& text, TBruch& factor, TPoly& rest) {
  TPoly w = p;
  PolyMakeInteger(w, factor);
  TPoly roots;
  int count = 0;
  RationalRoots(w, roots, count);
  TPoly w2 = w;
  TPoly r{};
  std::u16string t;
  for (int i = 1; i <= count; ++i) {
    TPoly f;
    LinearFactor(roots[i], f);
    const int k = PolyDivideOut(w2, f);
    if (k == 0) continue;  // a factor that does not divide is not written
    if (!t.empty()) t += kMulDot;
    if (roots[i].z != 0)
      t += u"(" + PolyToTextFrac(f) + u")";
    else
      t += PolyToTextFrac(f);
    t += ExponentText(k);
  }
  if (PolyDegree(w2) >= 1) {
    r = w2;
    if (t.empty())
      t = PolyToTextFrac(w2);
    else
      t += std::u16string(1, kMulDot) + u"(" + PolyToTextFrac(w2) + u")";
  } else if (t.empty()) {
    t = BruchToText(w2[0]);
  } else if (!BruchIsOne(w2[0])) {
    t += std::u16string(1, kMulDot) + u"(" + BruchToText(w2[0]) + u")";
  }
  if (t.empty()) t = PolyToTextFrac(w);
  text = t;
  rest = r;
}

void FactorisedText(TBruch ratio, const TPoly& zInt, const TPoly& nInt, TPoly& nRest,
                    TPoly& zRest, std::u16string& nText, std::u16string& zText) {
  TBruch unused;
  std::u16string zt, nt;
  TPoly zr, nr;
  PolyFactorisedText(zInt, zt, unused, zr);
  PolyFactorisedText(nInt, nt, unused, nr);
  zText = withFactor(ratio.z, zInt, zt);
  nText = withFactor(ratio.n, nInt, nt);
  zRest = zr;
  nRest = nr;
}

FractionText3 FractionLines(const TextMeasurer& font, const std::u16string& prefix,
                            const std::u16string& numerator, const std::u16string& denominator) {
  return FractionLinesEq(font, prefix, u" ", numerator, denominator, numerator, denominator);
}

FractionText3 FractionLinesEq(const TextMeasurer& font, const std::u16string& prefix,
                              const std::u16string& lead, const std::u16string& numerator1,
                              const std::u16string& denominator1,
                              const std::u16string& numerator2,
                              const std::u16string& denominator2) {
  const std::u16string bar1 = fractionBar(font, numerator1, denominator1);
  FractionText3 lines;
  lines.numeratorLine =
      PadRightToWidth(font, prefix, lead) + PadCenterToWidth(font, bar1, numerator1);
  lines.barLine = PadRightToWidth(font, prefix, prefix) + bar1;
  lines.denominatorLine =
      PadRightToWidth(font, prefix, u" ") + PadCenterToWidth(font, bar1, denominator1);
  if (numerator2 != numerator1 || denominator2 != denominator1) {
    const std::u16string eq = u" = ";
    const std::u16string bar2 = fractionBar(font, numerator2, denominator2);
    lines.numeratorLine += PadRightToWidth(font, eq, u"") + PadCenterToWidth(font, bar2, numerator2);
    lines.barLine += PadRightToWidth(font, eq, eq) + bar2;
    lines.denominatorLine +=
        PadRightToWidth(font, eq, u"") + PadCenterToWidth(font, bar2, denominator2);
  }
  return lines;
}

std::u16string FunctionFractionText(const TextMeasurer& font, const std::u16string& numerator,
                                    const std::u16string& denominator) {
  const std::u16string prefix = std::u16string(ksym::FunctionSign) + u"(x) = ";
  const FractionText3 l =
      FractionLinesEq(font, prefix, u"", numerator, denominator, numerator, denominator);
  return l.numeratorLine + u"\r\n" + l.barLine + u"\r\n" + l.denominatorLine;
}

void PolyCopyToClipboard(const TPoly& p, TextClipboard& clipboard) {
  std::u16string line;
  for (int k = 9; k >= 0; --k) {
    line += BruchToText(p[k]);
    if (k > 0) line += u";";
  }
  clipboard.setText(line + u"\r\n");
}

void PolyGridCopy(const CoefficientGrid& grid, TextClipboard& clipboard) {
  clipboard.setText(rowText(grid, nullptr) + u"\r\n");
}

void PolyGridCut(CoefficientGrid& grid, TextClipboard& clipboard) {
  clipboard.setText(rowText(grid, &grid) + u"\r\n");
}

void PolyGridPasteRow(CoefficientGrid& grid, const TextClipboard& clipboard) {
  if (!clipboard.hasText()) return;
  const std::vector<std::u16string> items = splitItems(SplitPastedLine(firstLine(clipboard.text())));
  const int row = grid.currentRow();
  const int first = grid.firstEditableColumn();
  for (size_t i = 0; i < items.size(); ++i) {
    const int col = first + static_cast<int>(i);
    if (col >= grid.columnCount()) break;
    grid.setCell(col, row, items[i]);
  }
}

void PolyGridPaste(std::u16string& text, const TextClipboard& clipboard) {
  if (!clipboard.hasText()) {
    text.clear();
    return;
  }
  std::u16string t = SupToCaret(clipboard.text());
  for (int i = 2; i <= 9; ++i) replaceAll(t, ksym::SupScriptDigits(i), u"^" + digitsOf(i));
  replaceAll(t, std::u16string(1, kMulDot), u"*");
  if (t.find(u';') != std::u16string::npos) {
    const std::vector<std::u16string> items = splitItems(SplitPastedLine(firstLine(t)));
    if (items.size() > PolyMaxDegree + 1)
      throw CalcFailure(msg::ImproperData, "more coefficients than a polynomial holds");
    TPoly p{};
    for (size_t i = 0; i < items.size(); ++i) p[items.size() - 1 - i] = TextToBruch(items[i]);
    t = PolyToTextPlain(p);
  }
  text = t;
}

}  // namespace zw
