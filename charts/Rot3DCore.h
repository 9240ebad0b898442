#pragma once
// The integer core of the rotatable 3D view: items, the fixed-point rotation
// matrix, the conversion of world points into the rotation space (each axis
// of the data spans 1000 units), the projection and the bounding cube. Plain
// code without a widget, so that it is tested and benchmarked on its own.
#include <QRgb>
#include <array>
#include <cstdint>
#include <span>
#include <vector>

namespace zw {

enum class Tr3Item : std::uint8_t { tkNone, tkMarkAt, tkLineto, tkLine, tkMoveto, tkEverything };

// One display-list entry of the 3D view (world coordinates).
struct Tr3ChartItem {
  double x = 0, y = 0, z = 0;  // first (or only) point
  QRgb color = 0xFF000000;     // ColorData when the item was added
  std::int32_t tag = 0;        // DataTag when the item was added
  Tr3Item ItemKind = Tr3Item::tkNone;
  double x2 = 0, y2 = 0, z2 = 0;  // second point of a tkLine
  std::uint8_t marklw = 0;        // mark code (tkMarkAt) or line width (tkLineto, tkLine)
};

enum class TAxDir { adLeftHanded, adRightHanded };

// Rotation matrix times 1000, rounded half to even; row 3 is the depth.
using TRotMat = std::array<std::array<int, 3>, 3>;

// Angles in degrees. The two-angle matrix turns about x (ax) and z (az);
// right-handed axes exchange the first two entries of every row.
TRotMat CalcRotMat2Angles(double ax, double az, TAxDir dir);
TRotMat CalcRotMat3Angles(double ax, double ay, double az, TAxDir dir);

struct TScreenPos {
  std::int64_t x = 0, y = 0;
};

// n / d truncating toward zero, for d > 0 and |n| < 2^52: a multiplication
// by the reciprocal, corrected to the exact quotient (a repaint divides twice
// per point, and a hardware division costs many times a multiplication).
class TTruncDivider {
public:
  explicit TTruncDivider(int d) : d_(d), inv_(1.0 / d) {}
  std::int64_t operator()(std::int64_t n) const {
    auto q = static_cast<std::int64_t>(static_cast<double>(n) * inv_);
    std::int64_t r = n - q * d_;
    if (n >= 0) {
      while (r < 0) --q, r += d_;
      while (r >= d_) ++q, r -= d_;
    } else {
      while (r > 0) ++q, r -= d_;
      while (r <= -d_) --q, r += d_;
    }
    return q;
  }

private:
  std::int64_t d_;
  double inv_;
};

// (X·M11 + Y·M12 + Z·M13) / magnify + centX, the same with row 2; 64-bit
// products (32-bit coordinates times entries up to 1000 stay far below 2^52),
// division truncating toward zero.
inline TScreenPos ProjectRot(const TRotMat& m, std::int64_t X, std::int64_t Y, std::int64_t Z,
                             const TTruncDivider& div, int centX, int centY) {
  return {div(X * m[0][0] + Y * m[0][1] + Z * m[0][2]) + centX, div(X * m[1][0] + Y * m[1][1] + Z * m[1][2]) + centY};
}
inline TScreenPos ProjectRot(const TRotMat& m, std::int64_t X, std::int64_t Y, std::int64_t Z, int magnify,
                             int centX, int centY) {
  return ProjectRot(m, X, Y, Z, TTruncDivider(magnify), centX, centY);
}

// Item points are drawn within -30000 .. 30000.
inline int ClampScreen(std::int64_t v) { return static_cast<int>(v < -30000 ? -30000 : v > 30000 ? 30000 : v); }

enum class TRotKind : std::uint8_t { none, move, lineTo, mark };

// One projected point of the rotation space. Every item keeps its own colour.
struct TRotPoint {
  std::int32_t x = 0, y = 0, z = 0;
  QRgb color = 0;
  std::int32_t backLink = 0;  // index of the display-list entry
  TRotKind kind = TRotKind::none;
  std::uint8_t mark = 0;
  std::uint8_t lineWid = 1;
};

struct TRotScaling {
  bool autoOrigin = true;
  bool autoScale = true;
  bool isoMetric = false;
  std::array<double, 3> origin{0, 0, 0};      // in: the manual origin; out: the origin used
  std::array<double, 3> scaleFact{1, 1, 1};   // in: the manual factors; out: the factors used
};

// The rotation space of `items`: a tkLine gives a move and a line-to, every
// other entry one point (tkNone and tkEverything are not drawn). The automatic
// origin is the mean of all projected points; automatic factors are 1000 /
// extent per axis (1 for an extent up to 1e-30), the smallest of the three
// with isoMetric. Coordinates are Round((v - origin) * factor), saturated to
// 32 bits. An empty list gives no points and leaves `s` as it was.
std::vector<TRotPoint> BuildRotationSpace(std::span<const Tr3ChartItem> items, TRotScaling& s);

// Corner i (0..7) of a cube of half edge h: x = +h when bit 2 is set, y bit 1, z bit 0.
using TCubeCorners = std::array<std::array<int, 3>, 8>;
TCubeCorners MakeCubeCorners(int halfEdge);

inline constexpr int kCornerNeighbours[8][3] = {{1, 2, 4}, {0, 3, 5}, {0, 3, 6}, {1, 2, 7},
                                                {0, 5, 6}, {1, 4, 7}, {2, 4, 7}, {3, 5, 6}};
inline constexpr int kFaceCorners[6][4] = {{1, 5, 7, 3}, {2, 3, 7, 6}, {2, 6, 4, 0},
                                           {0, 4, 5, 1}, {4, 5, 7, 6}, {0, 1, 3, 2}};
inline constexpr int kFacesAtCorner[8][3] = {{5, 3, 2}, {0, 3, 5}, {1, 2, 5}, {0, 1, 5},
                                             {3, 4, 2}, {0, 3, 4}, {1, 2, 4}, {0, 4, 1}};

// Depth of corner i of the unit cube: ±M31 ± M32 ± M33 with the corner's signs.
int CornerDepth(const TRotMat& m, int corner);
// The first corner with the smallest depth.
int NearCorner(const TRotMat& m);
// Shade of a face at the near corner: b = -(sum of its corner depths) / 10,
// within 0..400; each channel lo + (hi - lo) * b / 400.
QRgb FaceShade(const TRotMat& m, int face, QRgb high, QRgb low);

}  // namespace zw
