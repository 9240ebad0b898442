#include "kernel/Random.h"

#include <chrono>

namespace zw {

std::mt19937& ProgramRandom() {
  static std::mt19937 rng{std::random_device{}()};
  return rng;
}

void SeedProgramRandom(std::uint32_t seed) { ProgramRandom().seed(seed); }

void ReseedProgramRandomFromClock() {
  const auto ticks = std::chrono::high_resolution_clock::now().time_since_epoch().count();
  ProgramRandom().seed(static_cast<std::uint32_t>(ticks ^ (ticks >> 32)));
}

double RandomUnit() { return std::uniform_real_distribution<double>(0.0, 1.0)(ProgramRandom()); }

std::int32_t RandomBelow(std::int32_t n) {
  if (n < 1) return 0;
  return std::uniform_int_distribution<std::int32_t>(0, n - 1)(ProgramRandom());
}

}  // namespace zw
