#include "topics/algebra/ComplexCalc.h"

#include <cmath>
#include <numbers>

#include "kernel/CalcFailure.h"
#include "kernel/Complex.h"
#include "kernel/KernelState.h"
#include "topics/algebra/CalcText.h"

namespace zw {

namespace {

constexpr long double kPi = std::numbers::pi_v<long double>;
constexpr int kDigits = 9;

std::u16string text(long double x) { return CalcFloatText(x, kDigits, u','); }

bool finite(TComplex z) { return std::isfinite(z.re) && std::isfinite(z.im); }

}  // namespace

ComplexCalc::ComplexCalc() {
  second_ = u"0";
  clear();
  kernelState().AngleMode = 1;
  showSecondLine();
}

int ComplexCalc::mapKey(int key) const {
  switch (key) {
    case '.': return ',';
    case 'X': return KeyCE;
    case 'Y': return KeyAC;
    default: return key;
  }
}

TComplex ComplexCalc::getValue() const {
  return TComplex{CalcTextToFloat(first_).value_or(0), CalcTextToFloat(second_).value_or(0)};
}

void ComplexCalc::setValue(const TComplex& v) {
  result_ = v;
  first_ = text(v.re);
  second_ = text(v.im);
  showSecondLine();
}

void ComplexCalc::showSecondLine() {
  const TComplex z = getValue();
  const long double r = std::sqrt(z.re * z.re + z.im * z.im);
  if (r == 0 || !std::isfinite(r)) {
    rho_.clear();
    phi_.clear();
    return;
  }
  long double phi;
  if (z.re == 0) phi = z.im > 0 ? kPi / 2 : 3 * kPi / 2;
  else phi = std::atan(z.im / z.re) + (z.re < 0 ? kPi : 0);
  if (phi < 0) phi += 2 * kPi;
  std::u16string unit;
  if (kernelState().AngleMode == 0) {
    phi = phi * 180 / kPi;
    unit = u"°";
  }
  rho_ = u"ρ=" + text(r);
  phi_ = u"φ=" + text(phi) + unit;
}

void ComplexCalc::toggleAngleMode() {
  int& mode = kernelState().AngleMode;
  if (mode == 0) mode = 1;
  else if (mode == 1) mode = 0;
  showSecondLine();
}

void ComplexCalc::applyOperator(const TComplex& xAlt, CalcOp op, TComplex& x) {
  static constexpr char kSigns[] = {0, 0, 0, 0, '+', '-', '*', '/', '^'};
  kernelState().AngleMode = 1;
  const char sign = kSigns[static_cast<int>(op)];
  if (sign == 0) return;
  if (op == CalcOp::Durch && x.re == 0 && x.im == 0) {
    setStatus(CalcStatus::Error);
    return;
  }
  try {
    const TComplex r = ComplexOp(xAlt, x, sign);
    if (!finite(r)) throw CalcFailure(msg::Overflow);
    x = r;
  } catch (const std::exception&) {
    setStatus(CalcStatus::Overflow);
  }
}

void ComplexCalc::otherKey(int key) {
  if (fieldKey(key)) return;
  switch (key) {
    case ',': {
      std::u16string& e = entry();
      if (e.find(u',') == std::u16string::npos) e.push_back(u',');
      status_ = CalcStatus::Valid;
      return;
    }
    case '#': {
      TComplex x = getValue();
      if (spalte_ == 1) x.im = -x.im;
      else x.re = -x.re;
      setValue(x);
      return;
    }
    default: break;
  }
  TComplex x = getValue();
  switch (key) {
    case 'A': x = ComplexArcTan(x); break;
    case 'C': x = ComplexCos(x); break;
    case 'E': x = ComplexExp(x); break;
    case 'I': x = ComplexDiv(TComplex{1, 0}, x); break;
    case 'K': x.im = -x.im; break;
    case 'L': x = ComplexLn(x); break;
    case 'P': (spalte_ == 1 ? x.im : x.re) = kPi; break;
    case 'Q': x = ComplexMul(x, x); break;
    case 'S': x = ComplexSin(x); break;
    case 'T': x = ComplexTan(x); break;
    case 'W': x = ComplexSqrt(x); break;
    case 'V': break;
    default: return;  // not a key of this calculator
  }
  if (!finite(x)) throw CalcFailure(msg::Overflow);  // the key guard turns it into an error
  setValue(x);
  selectFirst();
}

}  // namespace zw
