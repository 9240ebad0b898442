#include "charts/NiceTickStepLocal.h"

#include <cmath>

namespace zw {

void NiceTickStep(int Count, long double Low, long double High, long double& FirstTick, long double& Step,
                  std::uint16_t& SubDiv) {
  if (Low == High) {
    FirstTick = Low;
    Step = 0;
    SubDiv = 1;
    return;
  }
  const long double dir = High > Low ? 1 : -1;
  auto advanceFirst = [&] {
    // Bounded: a step far below the range's magnitude cannot loop forever.
    for (int guard = 0; guard < 100000 && dir * (Low - FirstTick) > 0.001L * std::fabs(Step); ++guard)
      FirstTick += Step;
  };
  if (Count <= 0) {
    Step = 1;
    FirstTick = std::trunc(Low) - 1;
    advanceFirst();
    SubDiv = std::fabs(High - Low) > 10 ? 1 : 5;
    return;
  }
  long double g = std::log10(std::fabs(High - Low) / Count);
  long double h = g - std::trunc(g);
  if (std::fabs(h) < 1e-10L || std::fabs(h) > 0.9999999999L) {
    h = 0;
    g = std::nearbyint(g);
  }
  if (g < 0 && h != 0) g -= 1;
  if (h < 0) h += 1;
  const long double L2 = std::log10(2.0L), L5 = std::log10(5.0L);
  long double mantissa;
  if (h < L2 + 1e-10L) {
    mantissa = 1;
    SubDiv = 5;
  } else if (h < L5 + 1e-10L) {
    mantissa = 2;
    SubDiv = 4;
  } else {
    mantissa = 5;
    SubDiv = 5;
  }
  Step = dir * mantissa * std::pow(10.0L, std::trunc(g));
  FirstTick = (std::trunc(Low / Step) - 1) * Step;
  advanceFirst();
}

}  // namespace zw
