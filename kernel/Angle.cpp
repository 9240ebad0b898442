#include "kernel/Angle.h"

#include <cmath>

#include "kernel/BasicMath.h"
#include "kernel/CalcFailure.h"
#include "kernel/KernelState.h"

namespace zw {

namespace {

enum class Unit { Degrees, Radians, Gon };

Unit unit() {
  switch (kernelState().AngleMode) {
    case 0: return Unit::Degrees;
    case 2: return Unit::Gon;
    default: return Unit::Radians;
  }
}

Extended toRadians(Extended x) {
  switch (unit()) {
    case Unit::Degrees: return x * M_PIl / 180;
    case Unit::Gon: return x * M_PIl / 200;
    case Unit::Radians: break;
  }
  return x;
}

Extended fromRadians(Extended x) {
  switch (unit()) {
    case Unit::Degrees: return x * 180 / M_PIl;
    case Unit::Gon: return x * 200 / M_PIl;
    case Unit::Radians: break;
  }
  return x;
}

// The polar angle of (x, y) in [0, full circle).
Extended polarAngle(Extended x, Extended y) {
  const Extended full = FullCircle();
  Extended phi = x != 0 ? ArcTanAngleMode(y / x) : Sgn(y) * full / 4;
  if (x < 0) phi += full / 2;
  return FloatMod(phi + full, full);
}

}  // namespace

Extended SinAngleMode(Extended x) { return std::sin(toRadians(x)); }
Extended CosAngleMode(Extended x) { return std::cos(toRadians(x)); }
Extended ArcTanAngleMode(Extended x) { return fromRadians(std::atan(x)); }

Extended FullCircle() {
  switch (unit()) {
    case Unit::Degrees: return 360;
    case Unit::Gon: return 400;
    case Unit::Radians: break;
  }
  return 2 * M_PIl;
}

std::u16string AngleUnitSymbol() {
  switch (unit()) {
    case Unit::Degrees: return u"°";
    case Unit::Gon: return u"gon";
    case Unit::Radians: break;
  }
  return u"rad";
}

void PolarToCartesian(Extended& x, Extended& y, Extended& z, Extended rho, Extended phi, Extended h) {
  x = rho * CosAngleMode(phi);
  y = rho * SinAngleMode(phi);
  z = h;
}

void SphericalToCartesian(Extended& x, Extended& y, Extended& z, Extended r, Extended phi,
                          Extended theta) {
  const Extended ct = CosAngleMode(theta);
  x = r * ct * CosAngleMode(phi);
  y = r * ct * SinAngleMode(phi);
  z = r * SinAngleMode(theta);
}

void CartesianToPolar(Extended& rho, Extended& phi, Extended& h, Extended x, Extended y, Extended z) {
  rho = std::sqrt(x * x + y * y);
  phi = polarAngle(x, y);
  h = z;
}

void CartesianToSpherical(Extended& r, Extended& phi, Extended& theta, Extended x, Extended y,
                          Extended z) {
  const Extended full = FullCircle();
  if (x == 0 && y == 0) {
    r = z;
    phi = 0;
    theta = full / 4;
    return;
  }
  r = std::sqrt(x * x + y * y + z * z);
  phi = polarAngle(x, y);
  const Extended t = z != 0 ? ArcTanAngleMode(z / std::sqrt(x * x + y * y)) : 0;
  theta = FloatMod(t + full, full);
}

void DegToDMS(int& d, int& m, Extended& s, Extended x) {
  const Extended a = std::fabs(x);
  if (!(a < 2147483648.0L)) throw CalcFailure(msg::InvalidInput, "angle out of range");
  // Work in whole nanoseconds of arc so that a value such as 12.7 (stored as
  // 12.6999…) carries into the minutes instead of showing 60 seconds.
  const Extended ns = std::nearbyint(a * 3600.0e9L);
  const Extended wholeSeconds = std::floor(ns / 1e9L);
  const Extended fraction = (ns - wholeSeconds * 1e9L) / 1e9L;
  const long long total = static_cast<long long>(wholeSeconds);
  const int sign = x < 0 ? -1 : 1;
  d = sign * static_cast<int>(total / 3600);
  m = sign * static_cast<int>(total / 60 % 60);
  s = static_cast<Extended>(total % 60) + fraction;
  if (sign < 0 && s != 0) s = -s;
}

}  // namespace zw
