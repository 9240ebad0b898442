#pragma once
// Statistics of a list of measured values, callable without a window: the
// value list read from the lines a user typed or pasted, the characteristic
// numbers, the class table, the quartiles and whiskers of the box plot, the
// memo lines, and the bars and box plot of the picture.
#include <QStringList>
#include <string>
#include <vector>

#include "common/TextMeasurer.h"
#include "kernel/Types.h"

namespace zw {

class TVIrada;
struct GraphPens;

// Worksheet keys of the window: the class width, and the list's lines as
// "z0", "z1", ...; "z" also names the list when a value is refused.
inline constexpr char StatWidthKey[] = "kb";
inline constexpr char StatListKey[] = "z";
// More classes than the picture can draw are refused.
inline constexpr int StatMaxClasses = 500;

// The values of the lines in order. A token ends at a blank, ";" or "\";
// empty tokens are skipped; in each token the first "." reads as the decimal
// comma. A token that does not read as a number throws
// InputRejected(StatListKey); no value at all throws InputRejected with
// message 3.
std::vector<double> ReadStatValues(const std::vector<std::u16string>& lines);

struct StatClass {
  double lo = 0, hi = 0;  // lo ≤ x < hi
  int count = 0;
};

struct StatResult {
  int n = 0;
  double min = 0, max = 0, mean = 0;
  double s = 0;  // sample standard deviation (0 for a single value)
  double q1 = 0, q2 = 0, q3 = 0, iqr = 0;
  double leftWhisker = 0, rightWhisker = 0;
  double width = 1;  // class width
  std::vector<StatClass> classes;
};

// The whiskers end at the last values inside the fences Q1 − 1.5·IQR and
// Q3 + 1.5·IQR (strict: a value on a fence is an outlier), at Q1 and Q3 when
// no value lies between.
bool StatIsOutlier(const StatResult& r, double v);

// Everything the memo shows. width ≤ 0, or a width making more than
// StatMaxClasses classes, throws InputRejected(StatWidthKey). values must not
// be empty.
StatResult ComputeStatistics(const std::vector<double>& values, double width);

// Classes: class k runs from min + (k − 1)·width to min + k·width, with the
// bounds and the values rounded to 6 significant digits, so that a value on
// a bound written with six digits counts in the class that text says.
double RoundSignificant6(double x);

// The memo: "Daten:" and the echo of the lines, the characteristic numbers,
// the class table and the box-plot line.
QStringList StatMemoLines(const std::vector<std::u16string>& lines, const StatResult& r,
                          const TextMeasurer& font);

// The picture of the chart page: the classes aligned to multiples of the
// width, the share of each in percent as 3D bars on the lower class edge,
// and the box plot under the axis.
struct StatPicture {
  double lo = 0, hi = 0, width = 1;  // class-aligned range
  std::vector<int> counts;           // class k at index k − 1
  int maxCount = 0;
  int n = 0;
  double mean = 0, q1 = 0, q2 = 0, q3 = 0, iqr = 0;
  std::vector<double> values;
};
StatPicture MakeStatPicture(const std::vector<double>& values, const StatResult& r);
// x from lo − 2·width to hi + 2·width; y from −top/3 to top = 125·maxCount/n.
void StatPictureRange(const StatPicture& p, double& xLo, double& yLo, double& xHi, double& yHi);
// Bars (coloured by class through colorOf(k), or white), back to front from
// an angle of 90° on; then the box plot in the chart's current y range.
void DrawStatPicture(TVIrada& chart, const StatPicture& p, const GraphPens& pens, int depth, int angle,
                     bool coloured);

void RegisterStatTexts();

}  // namespace zw
