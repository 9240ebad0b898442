#pragma once
// The program's one pseudo-random generator. Everything that draws random
// numbers (symmetry tests, shuffles, random fills) shares it, so reseeding it
// changes what every user sees next; tests pin it with SeedProgramRandom.
#include <cstdint>
#include <random>

namespace zw {

std::mt19937& ProgramRandom();

// Restarts the sequence from a fixed seed (tests) or from the clock.
void SeedProgramRandom(std::uint32_t seed);
void ReseedProgramRandomFromClock();

// A uniform real in [0, 1).
double RandomUnit();
// A uniform whole number in 0 .. n - 1 (0 for n < 1).
std::int32_t RandomBelow(std::int32_t n);

}  // namespace zw
