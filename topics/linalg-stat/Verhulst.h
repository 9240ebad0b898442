#pragma once
// Logistic growth fitted to measured pairs for a given saturation limit,
// callable without a window: the regression of ln(1/ƒ − 1/S) on t, the
// formula texts, the inflection point and maximum growth rate, the model and
// its slope, the results memo, the dated value table and the formula in the
// plotter's syntax.
#include <QString>
#include <QStringList>
#include <chrono>
#include <functional>
#include <string>
#include <vector>

#include "common/TextMeasurer.h"
#include "kernel/Types.h"

namespace zw {

inline constexpr int VerhulstMaxTableRows = 100000;

struct VerhulstFit {
  int count = 0;
  Extended limit = 0;    // S
  Extended factor = 1;   // dark-figure factor
  Extended x1 = -1, x2 = 1, y1 = -1, y2 = 1;
  Extended firstT = 0;   // t of the first pair
  Extended r0 = 0, r1 = 0, r2 = 0, st = 0;
  Extended f0 = 0, k = 0;     // ƒ(0) and the proportionality factor
  Extended xw = 0, yw = 0, mw = 0;
  Extended k1 = 0, k2 = 0, k3 = 0, k4 = 0;
  std::u16string numerator, denominator;
};

// points: (t, ƒ) already multiplied by the factor. Throws
// CalcFailure(msg::ImproperData) when ƒ = 0, ƒ ≥ S (for positive ƒ), all t
// equal, or a result leaves the range.
VerhulstFit FitVerhulst(const std::vector<TVec2>& points, Extended limit, Extended factor);
// ƒ(t); 0 where it cannot be evaluated.
Extended VerhulstModel(const VerhulstFit& f, Extended t);
Extended VerhulstSlope(const VerhulstFit& f, Extended t);
// "k1/(k2+k3*exp(k4*x) )" with five digits: the formula for the plotter.
QString VerhulstClipboardText(const VerhulstFit& f);

// The results memo; `dataFile` is the file name shown in double quotes.
QStringList VerhulstMemoLines(const VerhulstFit& f, const QString& dataFile, const TextMeasurer& font);

// The date text of a day (the window passes the locale's short date with a
// four-digit year).
using DateText = std::function<QString(std::chrono::year_month_day)>;
struct VerhulstTable {
  Extended from = 0, to = 0, step = 1;
  int digits = 8;
  bool round = false;
  std::u16string day1;  // "15.03.2020", or a text that is no date
};
// The table; a step ≤ 0 or one making more than VerhulstMaxTableRows rows
// throws InputRejected(stepKey).
QStringList VerhulstValueTable(const VerhulstFit& f, const VerhulstTable& t, const DateText& date,
                               const TextMeasurer& font, const char* stepKey);

void RegisterVerhulstTexts();

}  // namespace zw
