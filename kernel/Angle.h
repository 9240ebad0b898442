#pragma once
// Trigonometry in the user's angle unit (kernelState().AngleMode: 0 degrees,
// 2 gon, any other value radians) and conversions between cartesian,
// polar/cylindrical and spherical coordinates.
#include <string>

#include "kernel/Types.h"

namespace zw {

Extended SinAngleMode(Extended x);
Extended CosAngleMode(Extended x);
// arctan x in the current unit.
Extended ArcTanAngleMode(Extended x);
// 360, 400 or 2π.
Extended FullCircle();
// "°", "gon" or "rad".
std::u16string AngleUnitSymbol();

// φ in the current unit.
void PolarToCartesian(Extended& x, Extended& y, Extended& z, Extended rho, Extended phi, Extended h);
// φ longitude, θ latitude, both in the current unit.
void SphericalToCartesian(Extended& x, Extended& y, Extended& z, Extended r, Extended phi,
                          Extended theta);
// 0 ≤ φ < full circle.
void CartesianToPolar(Extended& rho, Extended& phi, Extended& h, Extended x, Extended y, Extended z);
// 0 ≤ φ, θ < full circle; a point below the xy-plane has θ in the last quarter
// (315° for -45°). On the z axis: r := z (negative below the origin), φ := 0,
// θ := a quarter circle. SphericalToCartesian of the result gives the point back.
void CartesianToSpherical(Extended& r, Extended& phi, Extended& theta, Extended x, Extended y,
                          Extended z);
// Whole degrees, whole minutes and seconds of x degrees, all with the sign of
// x. The seconds are rounded to 1e-9 with the carry passed on, so 12.7 gives
// 12° 42′ 0″ and never 12° 41′ 60″. |x| ≥ 2^31 throws CalcFailure(InvalidInput).
void DegToDMS(int& d, int& m, Extended& s, Extended x);

}  // namespace zw
