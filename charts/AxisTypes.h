#pragma once
// The kinds of axes and of their labels, without Qt: the tick planners use
// them too.

namespace zw {

// No axis draws more ticks in one paint, whatever its range and settings.
inline constexpr int kMaxAxisTicks = 2000;
// Relative tolerance of range ends and decades in tick placement.
inline constexpr double kTickTolerance = 0.999999999;

enum class TFigType { ftNoFigs, ftNum, ftTime, ftDateTime, ftUserText };
enum class TScaleType { sctXB, sctXT, sctYL, sctYR };
enum class TYearLength { ylNone, ylYY, ylYYYY };
enum class TDateOrder { doMMDDYY, doDDMMYY, doYYMMDD };
enum class TDateForTime { dtNone, dtOnePerChart, dtOnePerDay, dtAllTicks };
enum class TTimeFormat { tfHHMMSS, tfHHhMM, tfAMPM };

// How dates and times of day are labelled (the settings of TDTLabel).
struct DateLabelStyle {
  TTimeFormat timeFormat = TTimeFormat::tfHHMMSS;
  char16_t dateSeparator = u'/';
  char16_t timeSeparator = u':';
  TYearLength yearLength = TYearLength::ylYYYY;
  bool monthName = false;
  TDateOrder dateOrder = TDateOrder::doMMDDYY;
  TDateForTime dateForTime = TDateForTime::dtNone;
};

}  // namespace zw
