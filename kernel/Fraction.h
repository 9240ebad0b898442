#pragma once
// Exact fractions. TBruch keeps 32-bit parts (the coefficient type of
// polynomials); every operation is computed in 64-bit integers and throws
// FractionOverflow when its result does not fit, so nothing ever wraps.
// TBruchf holds whole numbers in extended reals (the fraction calculator).
#include <cstdint>
#include <string>
#include <string_view>

#include "kernel/BasicMath.h"
#include "kernel/CalcFailure.h"
#include "kernel/Types.h"

namespace zw {

// A result (or an intermediate that must be stored) beyond the 32-bit range.
class FractionOverflow : public CalcFailure {
public:
  FractionOverflow() : CalcFailure(msg::Overflow, "fraction overflow") {}
};

struct TBruch {
  int32_t z = 0;  // numerator, carries the sign
  int32_t n = 1;  // denominator
  friend bool operator==(const TBruch&, const TBruch&) = default;
};

struct TBruchf {
  Extended z = 0;
  Extended n = 1;
  friend bool operator==(const TBruchf&, const TBruchf&) = default;
};

// Largest magnitude a stored part may have (the range is kept symmetric so
// that negation can never overflow).
inline constexpr int64_t kBruchMax = INT32_MAX;

// Narrows a 64-bit value to a stored part; FractionOverflow when it does not fit.
int32_t BruchNarrow(int64_t v);

// Reduces in place; the sign of the denominator is left alone (6/-4 -> 3/-2).
void BruchReduce(TBruch& f);
void ReducePair(int32_t& z, int32_t& n);

// a op b for '+', '-', '*', '/', '^', reduced with a positive denominator.
// Division by a zero fraction gives a zero denominator (callers test it).
// '^' needs a whole exponent (after reduction), else CalcFailure(ImproperArgument).
// Any other operator gives 0/1.
TBruch BruchOp(TBruch a, TBruch b, char op);
TBruch BruchAdd(TBruch a, TBruch b);
TBruch BruchSub(TBruch a, TBruch b);
TBruch BruchMul(TBruch a, TBruch b);
TBruch BruchDiv(TBruch a, TBruch b);
TBruch BruchPower(TBruch a, int64_t k);
TBruch BruchFromInt(int32_t k);
void BruchSetOne(TBruch& f);
TBruch BruchNeg(TBruch a);  // (-z)/n, not reduced
bool BruchIsZero(TBruch a);
bool BruchIsOne(TBruch a);
// z/n; a zero denominator throws CalcFailure(DivisionByZero).
Extended BruchToReal(TBruch a);
// "z" when n = 1, else "z/n"; no reduction.
std::u16string BruchToText(TBruch a);
// A fraction, mixed number («-2 3/4») or decimal number with ","; throws
// CalcFailure(InvalidInput) when a part is not a whole number in range.
TBruch TextToBruch(std::u16string_view text);
// TextToBruch for a value a user typed: a zero denominator («1/0») is no
// number either and throws CalcFailure(InvalidInput) as well.
TBruch ReadBruchInput(std::u16string_view text);

void BruchfReduce(TBruchf& f);
// As BruchOp on extended parts; '^' needs a whole exponent; a result that
// is no longer finite throws FractionOverflow.
TBruchf BruchfOp(TBruchf a, TBruchf b, char op);
// (za/na) op (zb/nb) into num/den, both rounded to whole numbers and reduced.
void BruchOpExt(char op, Extended& num, Extended& den, Extended za, Extended na, Extended zb,
                Extended nb);
TBruchf RealToBruchf(Extended x);

}  // namespace zw
