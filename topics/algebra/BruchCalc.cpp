#include "topics/algebra/BruchCalc.h"

#include <cmath>
#include <utility>

#include "topics/algebra/CalcText.h"

namespace zw {

namespace {

using i128 = __int128;

// Whole numbers beyond this are no longer exact in an extended real.
constexpr long double kExactLimit = 9.2e18L;
constexpr i128 kPartLimit = static_cast<i128>(1) << 100;

i128 toWhole(long double v) {
  if (!std::isfinite(v) || std::fabs(v) > kExactLimit) throw FractionOverflow();
  return static_cast<i128>(std::nearbyint(v));
}

i128 absOf(i128 v) { return v < 0 ? -v : v; }

i128 gcdOf(i128 a, i128 b) {
  a = absOf(a);
  b = absOf(b);
  while (b != 0) {
    const i128 t = a % b;
    a = b;
    b = t;
  }
  return a;
}

i128 checkedMul(i128 a, i128 b) {
  if (a != 0 && absOf(b) > kPartLimit / absOf(a)) throw FractionOverflow();
  return a * b;
}

TBruchf reduced(i128 z, i128 n) {
  const i128 g = gcdOf(z, n);
  if (g > 1) {
    z /= g;
    n /= g;
  }
  if (n < 0) {
    z = -z;
    n = -n;
  }
  if (absOf(z) > static_cast<i128>(kExactLimit) || absOf(n) > static_cast<i128>(kExactLimit)) throw FractionOverflow();
  return TBruchf{static_cast<long double>(static_cast<long long>(z)), static_cast<long double>(static_cast<long long>(n))};
}

i128 powerOf(i128 base, i128 k) {
  i128 r = 1;
  while (k > 0) {
    if (k & 1) r = checkedMul(r, base);
    k >>= 1;
    if (k > 0) {
      if (absOf(base) > 1) base = checkedMul(base, base);
    }
  }
  return r;
}

}  // namespace

TBruchf BruchCalcOp(TBruchf a, TBruchf b, char op) {
  const i128 za = toWhole(a.z), na = toWhole(a.n), zb = toWhole(b.z), nb = toWhole(b.n);
  switch (op) {
    case '+': return reduced(za * nb + zb * na, na * nb);
    case '-': return reduced(za * nb - zb * na, na * nb);
    case '*': return reduced(za * zb, na * nb);
    case '/': return reduced(za * nb, na * zb);
    case '^': {
      i128 k = zb;
      const i128 g = gcdOf(zb, nb);
      if (g > 1) k /= g;
      if (nb / (g > 1 ? g : 1) < 0) k = -k;
      i128 z = za, n = na;
      if (k < 0) {
        std::swap(z, n);
        k = -k;
      }
      return reduced(powerOf(z, k), powerOf(n, k));
    }
    default: return TBruchf{};
  }
}

TBruchf BruchCalc::getValue() const {
  return TBruchf{CalcTextToFloat(first_).value_or(0), CalcTextToFloat(second_).value_or(0)};
}

void BruchCalc::setPart(std::u16string& part, const std::u16string& text) {
  if (text.size() > static_cast<std::size_t>(DisplayLimit)) {
    setStatus(CalcStatus::Overflow);
    line_.clear();
    return;
  }
  part = text;
}

void BruchCalc::setValue(const TBruchf& v) {
  result_ = v;
  setPart(first_, CalcFloatText(v.z, 15, decimalSign));
  setPart(second_, CalcFloatText(v.n, 15, decimalSign));
  showSecondLine();
}

void BruchCalc::showSecondLine() {
  if (second_ == errorText || second_ == overflowText) return;
  TBruchf f = getValue();
  BruchfReduce(f);
  if (f.n == 0) {  // nothing to divide by: the next operator key reports it
    line_.clear();
    return;
  }
  const auto text = [this](long double x) { return CalcFloatText(x, 15, decimalSign); };
  switch (view_) {
    case BruchView::Fraction: line_ = text(f.z) + u" / " + text(f.n); break;
    case BruchView::Mixed: {
      const long double w = std::trunc(f.z / f.n);
      const long double r = std::nearbyint(f.z - w * f.n);
      line_ = text(w) + u"   " + text(r) + u" / " + text(f.n);
      break;
    }
    case BruchView::Decimal: line_ = text(f.z / f.n); break;
    case BruchView::Percent: line_ = text(f.z * 100 / f.n) + u" %"; break;
  }
}

void BruchCalc::applyOperator(const TBruchf& xAlt, CalcOp op, TBruchf& x) {
  static constexpr char kSigns[] = {0, 0, 0, 0, '+', '-', '*', '/', '^'};
  const char sign = kSigns[static_cast<int>(op)];
  if (sign == 0) return;
  if (op == CalcOp::Durch && x.z == 0) {
    setStatus(CalcStatus::Error);
    return;
  }
  try {
    x = BruchCalcOp(xAlt, x, sign);
  } catch (const CalcFailure&) {
    setStatus(CalcStatus::Overflow);
  }
}

void BruchCalc::afterSetValue() {
  if (!inErrorState() && getValue().n == 0) setStatus(CalcStatus::Error);
}

void BruchCalc::otherKey(int key) {
  if (fieldKey(key)) return;
  if (key == '#') {
    TBruchf x = getValue();
    x.z = -x.z;
    setValue(x);
    selectFirst();
  } else if (key == 'K') {
    std::swap(first_, second_);
    showSecondLine();
    selectFirst();
  } else if (key == 'Q') {
    TBruchf x = getValue();
    x.z *= x.z;
    x.n *= x.n;
    setValue(x);
    selectFirst();
  }
}

}  // namespace zw
