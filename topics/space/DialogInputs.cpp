#include "topics/space/DialogInputs.h"

#include "kernel/CalcFailure.h"
#include "kernel/Format.h"
#include "kernel/Geometry.h"

namespace zw {

namespace {

constexpr int kCollinearPoints = 8;
constexpr int kDigits = 15;

PlaneFields ToPlaneFields(const TVec4& e, int zeroNormalMessage) {
  if (e.x == 0 && e.y == 0 && e.z == 0) throw CalcFailure(zeroNormalMessage);
  return {e, {FormatReal(kDigits, e.x), FormatReal(kDigits, e.y), FormatReal(kDigits, e.z), FormatReal(kDigits, e.t)}};
}

}  // namespace

LineFields LineFieldsFromTwoPoints(const TVec3& a, const TVec3& b, DirectionFrom direction, int undeterminedMessage) {
  TVec3 u;
  if (direction == DirectionFrom::AToB)
    Sub3(b, a, u);
  else
    Sub3(a, b, u);
  if (u.x == 0 && u.y == 0 && u.z == 0) throw CalcFailure(undeterminedMessage);
  return {a,
          u,
          {FormatReal(kDigits, a.x), FormatReal(kDigits, a.y), FormatReal(kDigits, a.z), FormatReal(kDigits, u.x),
           FormatReal(kDigits, u.y), FormatReal(kDigits, u.z)}};
}

PlaneFields PlaneFieldsFromThreePoints(const TVec3& a, const TVec3& b, const TVec3& c) {
  TVec3 r, s;
  TVec4 e;
  PlaneNormalFormEx(a, b, c, r, s, e);
  return ToPlaneFields(e, kCollinearPoints);
}

PlaneFields PlaneFieldsFromVectorEquation(const TVec3& p, const TVec3& u, const TVec3& v) {
  TVec4 e;
  PlaneNormalForm(p, u, v, e);
  return ToPlaneFields(e, msg::InvalidInput);
}

}  // namespace zw
