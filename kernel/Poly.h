#pragma once
// Polynomials with fraction coefficients: exact arithmetic (division with
// remainder, products, gcd, shifts), rational zeros, and the zeros and poles
// of rational functions. Exact work runs on big rationals inside and comes
// back to TBruch with FractionOverflow when a coefficient does not fit.
#include <array>
#include <cstdint>
#include <random>
#include <string>
#include <vector>

#include "kernel/Fraction.h"
#include "kernel/Types.h"

namespace zw {

constexpr int PolyMaxDegree = 36;
// Coefficient i belongs to x^i. Also used as a 1-based list of fractions.
using TPoly = std::array<TBruch, PolyMaxDegree + 1>;

// Where the polynomial routines tell the user about refused data when no
// KernelMessageCollector (kernel/KernelMessages.h) is collecting on the
// calling thread. The program shows the message (a number of the message
// catalogue) in a plain message box; without a sink the message is dropped.
class PolyMessageSink {
public:
  virtual ~PolyMessageSink() = default;
  virtual void showMessage(int messageNumber) = 0;
};
// Returns the sink that was set before.
PolyMessageSink* SetPolyMessageSink(PolyMessageSink* sink);

void PolyClear(TPoly& p);
void PolyCopy(const TPoly& p, TPoly& q);
int PolyDegree(const TPoly& p);
bool PolyIsZero(const TPoly& p);
// Horner in extended reals; |value| < 1e-15 gives exactly 0.
Extended PolyValue(const TPoly& p, Extended x);
TBruch PolyValueBruch(const TPoly& p, TBruch x);
// z(x)/n(x); where n(x) is 0: defined = false and 1e300.
Extended RatFuncValue(const TPoly& z, const TPoly& n, bool& defined, Extended x);
Extended RatFuncValueAt(const TPoly& z, const TPoly& n, Extended x);
void PolySub(const TPoly& a, const TPoly& b, TPoly& c);
// When the degrees add up to more than 36: message 21 and c the zero polynomial.
void PolyMul(const TPoly& a, const TPoly& b, TPoly& c);
// Exact division with remainder; by the zero polynomial: q = 0, r = a.
void PolyDivMod(const TPoly& a, const TPoly& b, TPoly& q, TPoly& r, bool& exact);
bool PolyDivides(const TPoly& a, const TPoly& b);
// d := quotient of a·b by c (the remainder dropped).
void PolyMulDiv(const TPoly& a, const TPoly& b, const TPoly& c, TPoly& d);
void PolyDerivative(const TPoly& p, TPoly& d);
void PolyAddConst(const TPoly& p, TBruch c, TPoly& q);
void PolyScale(const TPoly& p, TBruch k, TPoly& q);   // k·p(x)
void PolyStretchX(const TPoly& p, TBruch k, TPoly& q); // p(x/k); k = 0 is a division by zero
void PolyShift(const TPoly& p, TBruch h, TPoly& q);    // p(x + h)
// p := whole coprime coefficients; p before = factor · p after.
void PolyMakeInteger(TPoly& p, TBruch& factor);
// The same into q; the zero polynomial gives the constant 1 and factor 0/1.
void PolyToIntegerCoeffs(const TPoly& p, TPoly& q, TBruch& factor);
void PolyLeadingPositive(TPoly& p, bool& negated);
// z/n = ratio · zInt/nInt with whole coprime coefficients.
void LeadingRatio(const TPoly& z, const TPoly& n, TBruch& ratio, TPoly& zInt, TPoly& nInt);
// Every divisor of |a| once, in pairs (1, |a|, 2, |a|/2, …); 1, 0 for a = 0.
std::vector<int32_t> IntDivisors(int32_t a);
// Distinct rational zeros in roots[1..count], in the order of discovery
// (0 first when it is a zero). The zero polynomial has none here.
void RationalRoots(const TPoly& p, TPoly& roots, int& count);
// n·x − z for r = z/n.
void LinearFactor(TBruch r, TPoly& f);
// Divides f (of degree ≥ 1) out of w as often as it divides exactly (while
// deg w > 0); returns how often it did.
int PolyDivideOut(TPoly& w, const TPoly& f);
// Greatest common divisor over the rationals, with whole coprime
// coefficients and a positive leading coefficient (the constant 1 when the
// polynomials are coprime or both zero).
void PolyGcd(const TPoly& a, const TPoly& b, TPoly& g);
// Divides the rational roots out of p (each as often as it divides) and
// finds the real roots of a rest of degree 1 to 4; restText is the rest's
// text when its degree is above 4.
void PolyZerosAll(const TPoly& p, const TPoly& roots, int count, TArrayExt& numRoots,
                  int& numCount, TPoly& rest, std::u16string& restText);
// Rational zeros of n sorted into removable gaps and poles of z/n.
void ZerosWithMultiplicity(const TPoly& z, const TPoly& n, TPoly& gaps, TPoly& poles,
                           int& gapCount, int& poleCount);
// Real zeros of the remaining factor f of the denominator, sorted the same way;
// zq, nq := z/f, n/f when f divides both (else left as they came).
void NumericZerosRest(const TPoly& z, const TPoly& n, const TPoly& f, TArrayExt& gaps,
                      TArrayExt& poles, int& gapCount, int& poleCount, TPoly& zq, TPoly& nq);

// Symmetry of the graph, tested at ten random offsets k/10 (k from 1 to 100)
// with tolerance 1e-4. The generator is injected so tests can seed it; by
// default it is the program's generator.
std::mt19937& SymmetryRandom();
bool PolyAxisSymmetric(const TPoly& p, Extended a, std::mt19937& rng = SymmetryRandom());
bool PolyPointSymmetric(const TPoly& p, Extended x0, Extended y0,
                        std::mt19937& rng = SymmetryRandom());
bool RatAxisSymmetric(const TPoly& z, const TPoly& n, Extended a,
                      std::mt19937& rng = SymmetryRandom());
bool RatPointSymmetric(const TPoly& z, const TPoly& n, Extended x0, Extended y0,
                       std::mt19937& rng = SymmetryRandom());

// Euclid on |a|, |b|; a zero argument is a division by zero.
int32_t GcdInteger(int32_t a, int32_t b);
int32_t LcmInteger(int32_t a, int32_t b);
// C(n, k) by r := ((n − k + i)·r) div i; FractionOverflow beyond 32 bits.
int32_t BinomialInt(int32_t n, int32_t k);

}  // namespace zw
