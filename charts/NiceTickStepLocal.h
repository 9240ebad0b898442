#pragma once
// The 1-2-5 tick step of the axis labels, for the surface plot's scales.
// Kept in its own file: the axis control has the same rule, and one of the
// two copies goes when both are in the tree.
#include <cstdint>

namespace zw {

// First tick, signed step (largest 1, 2 or 5 x 10^k not above |High - Low| /
// Count) and short intervals per step. Low = High gives the step 0; Count 0
// the step 1.
void NiceTickStep(int Count, long double Low, long double High, long double& FirstTick, long double& Step,
                  std::uint16_t& SubDiv);

}  // namespace zw
