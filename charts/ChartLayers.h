#pragma once
// The 16 layers of a 2D chart: per axis a settings object (TScaleProps) and an
// axis renderer, the coupling table (TJointLayers), the world-to-pixel
// transforms and the one path that writes ranges (with joins, confinement,
// isometric spans and the ring of remembered ranges). A plain class: the
// widget TVIrada owns one and repaints when it says so.
#include <QFont>
#include <QString>
#include <array>
#include <cstdint>
#include <functional>

#include "charts/ChartBase.h"
#include "charts/Scale.h"
#include "common/ZwError.h"

namespace zw {

class EZwVIradaError : public EZwError {
public:
  using EZwError::EZwError;
};

enum class TScaleLocationHoriz { slTop, slBottom };
enum class TScaleLocationVert { slLeft, slRight };

// Settings of one axis of one layer. Every setter fires OnChange (unless its
// rule says otherwise).
class TScaleProps {
public:
  virtual ~TScaleProps() = default;

  const QString& Caption() const { return FCaption; }
  int CaptionPosX() const { return FCaptionPosX; }
  int CaptionPosY() const { return FCaptionPosY; }
  Qt::Alignment CaptionAlignment() const { return FCaptAlign; }
  TScaleUnitAnchor CaptionAnchor() const { return FCaptAnchor; }
  TColor ColorScale() const { return FColorScale; }
  int DecPlaces() const { return FDecPlaces; }
  bool Logarithmic() const { return FLogAx; }
  TFigType LabelType() const { return FLabelType; }
  const TDTLabel& DateFormat() const { return FDTFormat; }
  const QFont& Font() const { return FFont; }
  TColor FontColor() const { return FFontColor; }
  int MinTicks() const { return FMinTicks; }
  double RangeLow() const { return FRangeLow; }
  double RangeHigh() const { return FRangeHigh; }
  bool ShortTicks() const { return FShortTicks; }
  const QString& ScaleInscript() const { return FScaleInscript; }
  TScaleType ScaleType() const { return FScaleType; }
  int ScalePos() const;
  double MinRange() const { return FMinRngDiff; }
  const QString& UserTickText() const { return FUserTickText; }
  bool Visible() const { return FVisible; }
  double Center() const { return (FRangeLow + FRangeHigh) / 2; }

  void setCaption(const QString& v) { FCaption = v; Changed(); }
  void setCaptionPosX(int v) { FCaptionPosX = v; Changed(); }
  void setCaptionPosY(int v) { FCaptionPosY = v; Changed(); }
  void setCaptionAlignment(Qt::Alignment v) { FCaptAlign = v; Changed(); }
  void setCaptionAnchor(TScaleUnitAnchor v) { FCaptAnchor = v; Changed(); }
  void setColorScale(TColor v) { FColorScale = v; Changed(); }
  void setDecPlaces(int v);
  void setLogarithmic(bool v);
  void setLabelType(TFigType v);
  void setDateFormat(const TDTLabel& v) {
    FDTFormat.Assign(v);
    Changed();
  }
  void setFont(const QFont& v) { FFont = v; Changed(); }
  void setFontColor(TColor v) { FFontColor = v; Changed(); }
  void setMinTicks(int v) { FMinTicks = v; Changed(); }
  void setRangeLow(double v);
  void setRangeHigh(double v);
  void setMinRange(double m);
  void setShortTicks(bool v) { FShortTicks = v; Changed(); }
  void setScaleInscript(const QString& v) { FScaleInscript = v; Changed(); }
  void setScaleType(TScaleType v) { FScaleType = v; Changed(); }
  void setScalePos(int v);
  void setUserTickText(const QString& v) { FUserTickText = v; Changed(); }
  void setVisible(bool v) { FVisible = v; Changed(); }
  // Copies every setting of another object (no change event).
  void AssignFrom(const TScaleProps& s);

  std::function<void()> OnChange;

  // Range ends written by the chart's range path, without the setters' rules.
  void writeRangeLow(double v) { FRangeLow = v; }
  void writeRangeHigh(double v) { FRangeHigh = v; }
  void setLoaded() { FNotYetLoaded = false; }

protected:
  void Changed() {
    if (OnChange) OnChange();
  }

  QString FCaption;
  int FCaptionPosX = 0, FCaptionPosY = 0;
  Qt::Alignment FCaptAlign = Qt::AlignHCenter;
  TScaleUnitAnchor FCaptAnchor = TScaleUnitAnchor::uaSclTopLft;
  TColor FColorScale = clBlack;
  int FDecPlaces = -2;
  bool FLogAx = false;
  TFigType FLabelType = TFigType::ftNum;
  TDTLabel FDTFormat = AxisDateFormat();
  QFont FFont;
  TColor FFontColor = clBlack;
  int FMinTicks = 3;
  bool FNotYetLoaded = true;
  double FRangeLow = 0, FRangeHigh = 1;
  bool FShortTicks = true;
  QString FScaleInscript;
  TScaleType FScaleType = TScaleType::sctXT;
  int FScalePosX = 0, FScalePosY = 0;
  double FMinRngDiff = 1e-10;
  QString FUserTickText;
  bool FVisible = false;
};

class TScalePropsHoriz : public TScaleProps {
public:
  TScaleLocationHoriz ScaleLocation() const { return FScaleLoc; }
  void setScaleLocation(TScaleLocationHoriz v);

private:
  TScaleLocationHoriz FScaleLoc = TScaleLocationHoriz::slBottom;
};

class TScalePropsVert : public TScaleProps {
public:
  TScalePropsVert() { FScaleType = TScaleType::sctYR; }
  TScaleLocationVert ScaleLocation() const { return FScaleLoc; }
  void setScaleLocation(TScaleLocationVert v);

private:
  TScaleLocationVert FScaleLoc = TScaleLocationVert::slLeft;
};

class TChartLayers;

// Which layer's x (y) range controls each layer's x (y) range.
class TJointLayers {
public:
  explicit TJointLayers(TChartLayers* owner) : FOwner(owner) { Reset(); }
  int ControlledByX(int layer) const { return FMasterLayerX[clampLayer(layer)]; }
  int ControlledByY(int layer) const { return FMasterLayerY[clampLayer(layer)]; }
  // Throws EZwVIradaError for a master outside 1..16, a master that is
  // itself joined, or a layer that other layers are joined to.
  void setControlledByX(int layer, int master);
  void setControlledByY(int layer, int master);
  void Reset();
  std::function<void()> OnChange;

private:
  static int clampLayer(int l) { return l < 1 ? 1 : (l > 16 ? 16 : l); }
  void set(bool isX, int layer, int master);
  std::array<int, 17> FMasterLayerX{}, FMasterLayerY{};
  TChartLayers* FOwner;
};

class TChartLayers {
public:
  TChartLayers();
  TChartLayers(const TChartLayers&) = delete;
  TChartLayers& operator=(const TChartLayers&) = delete;

  // Control size and margins (the plot rectangle lies between them).
  int Width = 280, Height = 200;
  int RcLRim = 50, RcRRim = 20, RcTRim = 20, RcBRim = 40, F3DRim = 0;
  double Fxasp = 1, Fyasp = 1;
  bool Isometric = false;
  bool Loading = true;  // until the owner calls Loaded()
  TMouseActMode MouseAction = TMouseActMode::maNone;

  int xL() const { return RcLRim; }
  int xR() const { return Width - RcRRim - F3DRim; }
  int yT() const { return RcTRim; }
  int yB() const { return Height - RcBRim - F3DRim; }
  // Plot width and height as the range rules count them.
  int PlotW() const { return Width - RcLRim - RcRRim - F3DRim + 1; }
  int PlotH() const { return Height - RcTRim - RcBRim - F3DRim + 1; }

  TScalePropsHoriz& X(int layer) { return FScalePropsX[clamp(layer)]; }
  TScalePropsVert& Y(int layer) { return FScalePropsY[clamp(layer)]; }
  const TScalePropsHoriz& X(int layer) const { return FScalePropsX[clamp(layer)]; }
  const TScalePropsVert& Y(int layer) const { return FScalePropsY[clamp(layer)]; }
  TScaleRenderer& ScaleX(int layer) { return FScalesX[clamp(layer)]; }
  TScaleRenderer& ScaleY(int layer) { return FScalesY[clamp(layer)]; }
  const TScaleRenderer& ScaleX(int layer) const { return FScalesX[clamp(layer)]; }
  const TScaleRenderer& ScaleY(int layer) const { return FScalesY[clamp(layer)]; }
  TJointLayers& Joint() { return FJointLayers; }

  void Loaded();
  void SetSize(int width, int height);

  // Transforms.
  void CalcTransformParams();
  void R2M(int layer, double xin, double yin, int& xout, int& yout) const;
  void M2R(int layer, int xin, int yin, double& xout, double& yout) const;
  // The transform of a layer in doubles, for renderers that map many points.
  struct PixelMap {
    double kx, dx, ky, dy;
    bool logX, logY;
  };
  PixelMap PixelMapOf(int layer) const {
    const int l = clamp(layer);
    return {kx_[l], dx_[l], ky_[l], dy_[l], FScalePropsX[l].Logarithmic(), FScalePropsY[l].Logarithmic()};
  }
  long double Cpkx(int l) const { return FCpkx[clamp(l)]; }
  long double Cpdx(int l) const { return FCpdx[clamp(l)]; }
  long double Cpky(int l) const { return FCpky[clamp(l)]; }
  long double Cpdy(int l) const { return FCpdy[clamp(l)]; }

  // Axis renderers take their settings and their place.
  void ApplyScaleProps(int layer);
  void ApplyAllScaleProps();

  // The range path.
  void SetRange(int layer, double xLo, double yLo, double xHi, double yHi);
  void AdjustLayerRange(int layer, bool history, double xLo, double yLo, double xHi, double yHi, bool confine);
  void ApplyJointRange(int layer, bool history, double xLo, double yLo, double xHi, double yHi, bool confine);
  void ApplyLayerRange(int layer, bool history, double xLo, double yLo, double xHi, double yHi, bool confine);
  // Every layer of the set (bit i for layer i) gets the union of their x
  // and/or y ranges; an empty set changes nothing.
  void SetEqualRange(std::uint32_t set, bool doX, bool doY);
  double IsoSpan(double xSpan) const;
  void SetIsometric(bool v);
  void RecentreIsometric();
  void ConfineZoomRange(double xLo, double yLo, double xHi, double yHi) { FZoomRange = {xLo, yLo, xHi, yHi}; }

  // The ring of remembered ranges.
  void PushZoomHistory();
  void ClearZoomHistory();
  bool ZoomHistory(int index);  // false when the index is outside -15..0
  int ZoomStackPointer() const { return FZStackPoi; }

  // After every change of the settings objects.
  void ScalePropsChanged();
  // The owner's repaint: after range writes and settings changes.
  std::function<void()> OnRepaint;
  // While set, range writes do not ask for a repaint.
  bool SuppressRepaint = false;

  static int clamp(int l) { return l < 1 ? 1 : (l > 16 ? 16 : l); }

private:
  void repaint() {
    if (!SuppressRepaint && OnRepaint) OnRepaint();
  }
  void placeAxis(TScaleRenderer& r, const TScaleProps& p, bool isX);

  std::array<TScalePropsHoriz, 17> FScalePropsX;
  std::array<TScalePropsVert, 17> FScalePropsY;
  std::array<TScaleRenderer, 17> FScalesX, FScalesY;
  TJointLayers FJointLayers{this};
  std::array<long double, 17> FCpkx{}, FCpdx{}, FCpky{}, FCpdy{};
  std::array<double, 17> kx_{}, dx_{}, ky_{}, dy_{};  // the same in doubles, for the per-point path
  std::array<double, 4> FZoomRange{};
  struct Ranges {
    double xLo, xHi, yLo, yHi;
  };
  std::array<std::array<Ranges, 17>, 17> FZoomStack{};  // slot 1..16, layer 1..16
  int FZStackPoi = 1;
};

}  // namespace zw
