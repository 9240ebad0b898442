#pragma once
// Text forms of polynomials (fraction and decimal coefficients, factorised
// forms, fractions drawn over three lines) and the exchange of coefficient
// rows with the clipboard. The clipboard and the grids are reached through
// the small interfaces below, which the shell implements; text widths come
// from a TextMeasurer of the font the lines will be shown in.
#include <string>

#include "kernel/Fraction.h"
#include "kernel/Poly.h"
#include "common/TextMeasurer.h"

namespace zw {

// Plain text on the system clipboard.
class TextClipboard {
public:
  virtual ~TextClipboard() = default;
  virtual bool hasText() const = 0;
  virtual std::u16string text() const = 0;
  virtual void setText(const std::u16string& text) = 0;
};

// A coefficient grid: cells addressed by (column, row); the columns from
// firstEditableColumn() to columnCount() − 1 hold the coefficients.
class CoefficientGrid {
public:
  virtual ~CoefficientGrid() = default;
  virtual int columnCount() const = 0;
  virtual int firstEditableColumn() const = 0;
  virtual int currentRow() const = 0;
  virtual std::u16string cell(int column, int row) const = 0;
  virtual void setCell(int column, int row, const std::u16string& text) = 0;
};

// «3/4x² - x + 1/2»; the zero polynomial is «0». A denominator 0 reads as 1.
std::u16string PolyToTextFrac(const TPoly& p);
// «0,75·x² - x + 0,5» (FormatReal with 8 digits); the zero polynomial is empty.
std::u16string PolyToTextDecimal(const TPoly& p);
// The fraction text with "^" powers: the form for term fields and the clipboard.
std::u16string PolyToTextPlain(const TPoly& p);
// a·(p) for a polynomial of degree ≥ 1 (just p for a = 1); a·p[0].z for a constant.
std::u16string PolyToTextFactor(int32_t a, const TPoly& p);
// Superscript powers to "^" powers, "·" before "x" removed.
std::u16string SupToCaret(std::u16string text);
// Empty for 1/1, else «2/3·».
std::u16string BruchFactorText(TBruch f);
// Empty unless k > 1, then the superscript digits of k.
std::u16string ExponentText(int k);
// Product of linear factors with multiplicities and the remaining factor;
// factor is the number taken out to make p whole and primitive; rest the
// remaining factor of degree ≥ 1 (else the zero polynomial).
void PolyFactorisedText(const TPoly& p, std::u16string& text, TBruch& factor, TPoly& rest);
// Factorised numerator and denominator of ratio·zInt/nInt.
void FactorisedText(TBruch ratio, const TPoly& zInt, const TPoly& nInt, TPoly& nRest,
                    TPoly& zRest, std::u16string& nText, std::u16string& zText);

// A fraction written over three lines with a bar of em dashes.
struct FractionText3 {
  std::u16string numeratorLine;
  std::u16string barLine;
  std::u16string denominatorLine;
};
FractionText3 FractionLines(const TextMeasurer& font, const std::u16string& prefix,
                            const std::u16string& numerator, const std::u16string& denominator);
// The same with lead on the numerator line and, when the second pair differs
// from the first, " = " and a second fraction.
FractionText3 FractionLinesEq(const TextMeasurer& font, const std::u16string& prefix,
                              const std::u16string& lead, const std::u16string& numerator1,
                              const std::u16string& denominator1,
                              const std::u16string& numerator2,
                              const std::u16string& denominator2);
// «ƒ(x) = » and the fraction, the three lines joined by "\r\n".
std::u16string FunctionFractionText(const TextMeasurer& font, const std::u16string& numerator,
                                    const std::u16string& denominator);

// Coefficients of degrees 9 down to 0 as one ";"-separated line.
void PolyCopyToClipboard(const TPoly& p, TextClipboard& clipboard);
void PolyGridCopy(const CoefficientGrid& grid, TextClipboard& clipboard);
void PolyGridCut(CoefficientGrid& grid, TextClipboard& clipboard);
// The first clipboard line into the current row (items beyond the grid are dropped).
void PolyGridPasteRow(CoefficientGrid& grid, const TextClipboard& clipboard);
// The clipboard text prepared for a term field: "^" powers, "*" for "·", and a
// ";"-separated coefficient list (highest power first) turned into the
// polynomial's text. An item that is no fraction throws CalcFailure(InvalidInput);
// more than 37 items throw CalcFailure(ImproperData).
void PolyGridPaste(std::u16string& text, const TextClipboard& clipboard);

}  // namespace zw
