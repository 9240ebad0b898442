#pragma once
// Signed integers of up to about 10,000 decimal digits.
//
// TBigInt cell 0 holds the signed limb count: |count| limbs are in use, its sign
// is the sign of the number, and 0 marks the overflow state (the result was too
// large, or the operation had no value, such as a division by zero or a negative
// exponent). Cells 1..count hold limbs in base 10^9, least significant first.
// Zero has count 1 (or -1) and limb 0. A product may hold at most 1119 limbs,
// any other value 1120. An operand in the overflow state makes every result an
// overflow.
//
// Output parameters may be the same objects as the inputs.
#include <array>
#include <cstdint>
#include <string>

namespace zw {

constexpr int BigIntCells = 1121;
constexpr int BigIntMaxLimbs = 1120;
constexpr std::int64_t BigIntBase = 1000000000;
using TBigInt = std::array<std::int64_t, BigIntCells>;

void BigIntZero(TBigInt& a);
bool BigIntIsOverflow(const TBigInt& a);
// Blanks are removed and the text trimmed; empty text reads as 0. Only an
// optional leading "-" followed by decimal digits is accepted; anything else
// throws CalcFailure(msg::InvalidInput). More digits than 1119 limbs hold give
// the overflow state.
void BigIntFromStr(const std::u16string& s, TBigInt& a);
std::u16string BigIntToStr(const TBigInt& a);
// Short form «1,23 ∙ 10^5» (always with ","); 1 to 3 digits stay as they are.
std::u16string BigIntToSci(const TBigInt& a);

void BigIntAdd(const TBigInt& a, const TBigInt& b, TBigInt& c);
void BigIntSub(const TBigInt& a, const TBigInt& b, TBigInt& c);
void BigIntMul(const TBigInt& a, const TBigInt& b, TBigInt& c);
// Truncated division: the quotient is negated when the signs differ, the
// remainder when a is negative (-7 div 2 = -3 rest -1). b = 0 gives q the
// overflow state and r = 0.
void BigIntDivMod(const TBigInt& a, const TBigInt& b, TBigInt& q, TBigInt& r);
// a^n; n < 0 gives the overflow state except for the bases 1 and -1. 0^0 = 1.
void BigIntPower(const TBigInt& a, std::int64_t n, TBigInt& c);
// 2^n, 10^n, n!; n < 0 gives the overflow state.
void BigIntPow2(TBigInt& c, std::int64_t n);
void BigIntPow10(TBigInt& c, std::int64_t n);
void BigIntFactorial(std::int64_t n, TBigInt& c);
// n over k (0 when k > n); n!/(n - k)! (0 when k > n). A negative n or k
// gives the overflow state.
void BigIntBinomial(std::int64_t n, std::int64_t k, TBigInt& c);
void BigIntPermutations(std::int64_t n, std::int64_t k, TBigInt& c);

// How the result texts of the big-numbers topic write a result (the
// window's two option check boxes).
struct BigIntTextOptions {
  bool grouping = true;   // digit groups of three in results
  bool shortForm = true;  // the short form after long results
};

// Result texts of the big-numbers topic.
std::u16string BigIntResultText(const TBigInt& c, const BigIntTextOptions& options);
// «a  op  b  =  result» and CR LF; a negative b in parentheses.
std::u16string BigIntOpLine(const TBigInt& a, const TBigInt& b, const TBigInt& c,
                            const std::u16string& op, const BigIntTextOptions& options);
// «a  div  b  =  q  <remainderWord>  r» and CR LF (an overflowed quotient ends
// the line with the overflow text and no line break).
std::u16string BigIntDivLine(const TBigInt& a, const TBigInt& b, const TBigInt& q,
                             const TBigInt& r, const std::u16string& remainderWord,
                             const BigIntTextOptions& options);
// key "!", "2^" or "10^"; no line break.
std::u16string BigIntFuncLine(const std::u16string& key, const TBigInt& c, std::int64_t n,
                              const BigIntTextOptions& options);
std::u16string BigIntPowerLine(const TBigInt& a, const TBigInt& c, std::int64_t n,
                               const BigIntTextOptions& options);
std::u16string BigIntCombLine(const TBigInt& c, const std::u16string& name, std::int64_t n,
                              std::int64_t k, const BigIntTextOptions& options);
// The trimmed text with a blank before every group of three characters counted
// from the right (a minus sign counts: «-123» gives «- 123»).
std::u16string BigIntGroupDigits(const std::u16string& s);
std::u16string BigIntStripBlanks(const std::u16string& s);

// Workers on magnitudes (the signs of the operands are ignored, results are
// non-negative).
void BigIntAddAbs(const TBigInt& a, const TBigInt& b, TBigInt& c);
void BigIntSubAbs(const TBigInt& a, const TBigInt& b, TBigInt& c);
// Overflow when b has more than one limb and the limb counts add up to 1120 or
// more; with a one-limb b when the product needs more than 1120 limbs.
void BigIntMulAbs(const TBigInt& a, const TBigInt& b, TBigInt& c);
// 0 ≤ k < 10^9.
void BigIntMulInt(const TBigInt& a, std::int64_t k, TBigInt& c);
// q := a div k, returns a mod k; 1 ≤ k < 10^9 (k = 0 gives q the overflow state).
std::int64_t BigIntDivInt(const TBigInt& a, std::int64_t k, TBigInt& q);
void BigIntDivModAbs(const TBigInt& a, const TBigInt& b, TBigInt& q, TBigInt& r);
// -1, 0, 1 comparing magnitudes.
int BigIntCompare(const TBigInt& a, const TBigInt& b);
bool BigIntLess(const TBigInt& a, const TBigInt& b);
bool BigIntGreater(const TBigInt& a, const TBigInt& b);
// Highest index 1..1120 with a non-zero limb, at least 1.
int BigIntTopLimb(const TBigInt& a);
// b := a, with the cells above its limb count cleared.
void BigIntCopy(const TBigInt& a, TBigInt& b);
void BigIntSwap(TBigInt& a, TBigInt& b);
// Quotient and remainder of two non-negative decimal strings (b > 0);
// throws CalcFailure(msg::InvalidInput) for anything else.
void DivModStr(const std::u16string& a, const std::u16string& b, std::u16string& q,
               std::u16string& r);

}  // namespace zw
