// The rare cases of the extended-precision kernels: results near the ends of
// the exponent range, arguments outside the inline paths, NaN and infinities.
#include "kernel/ExtendedMath.h"

#include <cstring>
#include <limits>

namespace zw::xmath::detail {

namespace {

constexpr Extended kInf = std::numeric_limits<Extended>::infinity();

// 2^k for the normal exponents -16382 <= k <= 16383, from the bits of an
// x87 extended real (explicit leading 1).
Extended pow2Extended(int k) {
  const std::uint64_t mantissa = std::uint64_t{1} << 63;
  const std::uint16_t exponent = static_cast<std::uint16_t>(k + 16383);
  unsigned char bytes[sizeof(Extended)] = {};
  std::memcpy(bytes, &mantissa, 8);
  std::memcpy(bytes + 8, &exponent, 2);
  Extended v;
  std::memcpy(&v, bytes, sizeof v);
  return v;
}

}  // namespace

namespace {

// e^x 2^shift (shift 0 or -1) rounded once, over the whole extended range.
Extended expScaled(Extended x, int shift) {
  if (x != x) return x + x;
  // e^11358 / 2 > 2^16385.4 overflows, e^-11400 < 2^-16446.6 rounds to 0;
  // in between the sum below decides, so that the bounds are where the true
  // value rounds past them.
  if (x > 11358) return kInf;
  if (x < -11400) return 0;
  int m = 0;
  const Extended r = expReduce(x, m);
  const tables::ExpEntry& t = tables::kExp2[m & ((1 << tables::kExpTableBits) - 1)];
  int k = (m >> tables::kExpTableBits) + shift;
  const Extended tHi = Extended(t.hi) + t.mid;  // exact
  const Extended lo0 = t.lo + tHi * (r + expTail(r));  // rare: the x87 tail is fine here
  // y = yHi + yLo in [0.5, 1), the result is y 2^k.
  Extended yHi = tHi + lo0;
  Extended yLo = (tHi - yHi) + lo0;
  if (yHi >= 1) {
    yHi *= 0.5L;
    yLo *= 0.5L;
    ++k;
  }
  if (k >= -16381) {
    // A normal result: y rounds once; the two exact scalings overflow
    // exactly when the rounded result is 2^16384 or more.
    const int k1 = k / 2;
    return ((yHi + yLo) * pow2Extended(k1)) * pow2Extended(k - k1);
  }
  // Subnormal: round y on the grid the result will have, by adding the power
  // of two B whose spacing in [B, 2B) is that grid, then scale exactly.
  const Extended big = pow2Extended(-16382 - k);  // 1 <= big <= 2^67
  const Extended s = big + yHi;
  const Extended e = (big - s) + yHi;
  const Extended z = (s + (e + yLo)) - big;
  return (z * pow2Extended(k + 200)) * 0x1p-200L;
}

}  // namespace

Extended expRare(Extended x) { return expScaled(x, 0); }

Extended sinhCoshRare(Extended x, bool odd) {
  if (x != x) return x + x;
  // e^-|x| is below 2^-72 of e^|x|: half of e^|x| rounds as the result
  // does, and only past the overflow of e^|x| itself must the halving come first.
  const Extended ax = std::fabs(x);
  const Extended e = ax < 11356 ? Exp(ax) * 0.5L : expScaled(ax, -1);
  return odd && x < 0 ? -e : e;
}

Extended lnRare(Extended x, bool base10) {
  if (x != x) return x + x;
  if (x < 0) return std::numeric_limits<Extended>::quiet_NaN();
  if (x == 0) return -kInf;
  if (x == kInf) return x;
  // Bring x into the range whose exponent a double holds; the scalings are exact.
  int extra = 0;
  while (x < 0x1p-1000L) {
    x *= 0x1p1000L;
    extra -= 1000;
  }
  while (x > 0x1p1000L) {
    x *= 0x1p-1000L;
    extra += 1000;
  }
  const LnSplit s = lnSplit(x, doubleBits(x), extra);
  return base10 ? log10Of(s) : lnOf(s);
}

Extended atanRare(Extended x) {
  if (x != x) return x + x;
  // |x| > 2^64: atan x = pi/2 - 1/x within far less than an ulp.
  const Extended r = tables::kHalfPiHi + (tables::kHalfPiLo - 1 / std::fabs(x));
  return x < 0 ? -r : r;
}

Extended tanhRare(Extended x) {
  if (x != x) return x + x;
  return x < 0 ? -1.0L : 1.0L;
}

}  // namespace zw::xmath::detail

