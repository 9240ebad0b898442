#pragma once
// The geometry of the surface plot as plain functions: grid nodes in cube
// coordinates (the grid always spans -150 .. 150), the rotation matrix, the
// projection, the colour code, the painter's order of the cells, the scale
// ticks and the cell under a pixel. The widget (Plot3D.h) only draws.
#include <QPoint>
#include <QRgb>
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "numerics/IntMatrix.h"

namespace zw {

enum class TMeshKind { mkMesh, mkWaterfallHorz, mkWaterfallVert, mkWaterfallDiag, mkGrid };
enum class TColorCodingMode { ccmTwoColors, ccmThreeColors };
enum class TP3ScaleKind { p3skX, p3skY, p3skZ };

using TPlotMat = std::array<std::array<double, 3>, 3>;

// Cube coordinate of node i (1-based) of n: (i - n/2 - 0.5) * 300 / (n - 1); step 1 for n = 1.
double GridCoord(int i, int n);

struct TZCalib {
  double k = 150, d = 0;  // z = k * height + d
};
// The height range zLow .. zHigh maps onto -150 .. 150.
TZCalib CalibrateZ(double zLow, double zHigh);

// Angles in degrees; entries below 1e-6 in magnitude become 0.
TPlotMat CalcPlotRotMat(double ax, double az);

struct TPlotView {
  TPlotMat m{};
  double sclX = 1, sclY = 1, sclZ = 1;
  double magnification = 1;
  int centX = 0, centY = 0;
};
// Round((SclX x M11 + SclY y M12 + SclZ z M13) * Magnification + CentX), and row 2 for y.
QPoint ProjectPlot(const TPlotView& v, double x, double y, double z);

// Above 360: the fraction of value/360 times 360; negative: that fraction
// times 360 plus 360. So 720 -> 0, -30 -> 330, 360 stays 360.
double NormalisePlotAngle(double degrees);

// v clamped to low .. high (low < high), then each channel interpolated and rounded.
QRgb ColorCode(double v, double low, double high, TColorCodingMode mode, QRgb colorLow, QRgb colorMid,
               QRgb colorHigh);

// The cells back to front: rows by counter m = 1 .. rows - 1, within a row by
// k = 1 .. columns - 1; the cell (i, j) for the counters depends on the
// quadrants of the two angles.
struct TCellOrder {
  bool rowsForward;     // j = m, else j = rows - m
  bool columnsForward;  // i = k, else i = columns - k
};
TCellOrder CellOrder(double viewAngleX, double viewAngleZ);

// Decimals of scale labels: DecPlace, or for -2 automatic by the range.
int ScaleDecimals(int decPlace, double low, double high);

// The tick values of a scale: NiceTickStep's first tick, then every step
// while not beyond high by more than a thousandth of a step.
std::vector<double> ScaleTicks(int minTicks, double low, double high);

// The label of a tick (zero snapped, at most 14 characters).
std::string ScaleLabel(double v, double low, double high, int decimals);

// The cube corner at one end of a scale (corner numbering as the 3D view).
struct TScaleEdge {
  int a, b;  // a at the low end of the range
};
TScaleEdge ScaleEdge(TP3ScaleKind kind, const TPlotMat& m, int farCorner);
// Depth ±M31 ± M32 ± M33 of a unit-cube corner.
double PlotCornerDepth(const TPlotMat& m, int corner);
int NearestPlotCorner(const TPlotMat& m);  // the first with the smallest depth
// Shade of a face at the far corner: G = Round(50 * sum of depths), 0 .. 200.
QRgb PlotFaceShade(const TPlotMat& m, int face, QRgb high, QRgb low);

// The cell containing pixel (x, y): the signs of the cross products against
// the edges P0-P3, P3-P2, P2-P1, P1-P0 (zero counts as positive) sum to more
// than 2 in magnitude; among several the one drawn last (largest sequence
// number at its node (i, j)) wins. {0, 0} when none.
struct TCell {
  int i = 0, j = 0;
};
TCell FindCellAt(const TIntMatrix& mapX, const TIntMatrix& mapY,
                 const TIntMatrix& mapZ, int x, int y);

}  // namespace zw
