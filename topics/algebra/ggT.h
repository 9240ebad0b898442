#pragma once
// The greatest-common-divisor topic's computation, callable without a window:
// gcd, exact lcm, the divisor sets (at most the 99 smallest divisors of each
// number, marked when cut) and the exact divisor sums of up to ten whole
// numbers, and the memo text
// the window shows. Texts that are padded to a pixel width are measured with
// the TextMeasurer the caller passes (the memo's font in the window, a fixed
// width measurer in tests).
#include <QString>
#include <QStringList>
#include <array>
#include <cstdint>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "kernel/Primes.h"

namespace zw {

class TextMeasurer;

inline constexpr int GgtFieldCount = 10;
// A divisor set lists at most this many divisors, the smallest ones.
inline constexpr int GgtDivisorCap = 99;

// Names of the ten inputs, a ... k without "j": the memo's names and the
// worksheet keys.
QString GgtName(int index);  // index 0..9

// ----- number theory on 64-bit integers --------------------------------

// IsPrimeU64 and PrimeFactorsU64: kernel/Primes.h.
// The divisors of n >= 1 in ascending order, at most `cap` of them (the
// smallest ones); n = 0 gives {1}, as the divisor set of a number below 2.
std::vector<std::uint64_t> SmallestDivisors(std::uint64_t n, int cap = GgtDivisorCap);
// The same list by trial division up to the square root, complements
// appended afterwards: the plain method, kept as the reference the fast one
// must match.
std::vector<std::uint64_t> SmallestDivisorsByTrial(std::uint64_t n, int cap = GgtDivisorCap);

// sigma(n), the sum of all divisors of n, exactly from the factorisation
// (n <= 1 gives n). Every n up to 10^15 has a sum that fits 64 bits.
std::uint64_t DivisorSum(std::uint64_t n);
// The number of divisors of n (n <= 1 gives 1).
std::uint64_t DivisorCount(std::uint64_t n);

// The exact least common multiple of the non-zero values (1 when there is
// none) as decimal digits: 128-bit arithmetic while it fits, big integers
// beyond.
std::string ExactLcmDigits(std::span<const std::uint64_t> values);
// A whole number given by its decimal digits in the default real form: 15
// significant digits (rounded half up), an exponent from 10^15 on
// ("9,99999999999819E44"), the regional decimal separator.
QString FormatWholeDefault(const std::string& digits);

// ----- the topic ---------------------------------------------------------

// Items 2 ... 8 of the topic's text page.
struct GgtLabels {
  QString gcdShort, lcmShort, gcdLong, lcmLong, divisorSets, divisorSums, perfectNumber;
  // The texts of the current language.
  static GgtLabels current();
};

struct GgtResult {
  std::uint64_t gcd = 1;
  std::string lcmDigits = "1";
  // Index 0 the gcd (the common divisors), 1 ... 10 the inputs a ... k.
  std::array<std::vector<std::uint64_t>, GgtFieldCount + 1> sets;
  // Whether a set lists fewer divisors than the number has.
  std::array<bool, GgtFieldCount + 1> cut{};
  // sigma of each number, over all its divisors whatever the set shows.
  std::array<std::uint64_t, GgtFieldCount + 1> sums{};
};

// x[0] ... x[9] are the inputs a ... k; 0 marks an empty optional field,
// which is left out of every result. x[0] and x[1] must be above 0.
GgtResult ComputeGgt(const std::array<std::uint64_t, GgtFieldCount>& x);

// The memo lines of a computation, in order.
QStringList GgtMemoLines(const std::array<std::uint64_t, GgtFieldCount>& x, const GgtResult& result,
                         const TextMeasurer& memoFont, const GgtLabels& labels);
// ComputeGgt and GgtMemoLines in one call, with the current language's texts.
QStringList GgtMemoLines(const std::array<std::uint64_t, GgtFieldCount>& x, const TextMeasurer& memoFont);

// The topic's text page in German, English and French (called by
// RegisterAlgebraTopics).
void RegisterGgtTexts();

}  // namespace zw
