#pragma once
// The axis of the chart library. TScaleRenderer is the engine: it maps a value
// range onto the pixels between its margins (linear or logarithmic) and draws
// base line, long and short ticks, labels and caption onto a painter at an
// offset. The 2D chart owns 32 of them; TScale is the stand-alone widget over
// the same renderer.
#include <QFont>
#include <QStringList>
#include <QString>
#include <QWidget>
#include <functional>
#include <vector>

#include "charts/ChartBase.h"
#include "charts/ChartDraw.h"
#include "charts/DateTimeText.h"
#include "charts/TimeTicks.h"

class QPainter;

namespace zw {

enum class TScaleUnitAnchor { uaSclTopLft, uaSclCenter, uaSclBotRgt };

// The date and time format an axis starts with: "-" between date parts, ":"
// between time parts, four-digit years, month names, day-month-year, a date
// under the first time of each day.
TDTLabel AxisDateFormat();

// The logarithmic flag after a request: off is always taken, on while the
// axis is loading, afterwards only for a positive range without date labels
// (else the flag stays as it was).
bool AcceptLogarithmic(bool request, bool current, bool loading, double low, double high, TFigType labels);

class TScaleRenderer {
public:
  using TScaleTickDrawnEvent =
      std::function<void(TScaleRenderer* sender, QPainter& canvas, TScaleType type, double tickPos, int chartX, int chartY)>;

  TScaleRenderer();

  // Size of the area the axis belongs to (the whole chart for the chart's axes).
  void SetBounds(int width, int height);
  int Width() const { return FWidth; }
  int Height() const { return FHeight; }

  // Settings (the setters recompute the transform where it depends on them).
  void setRange(double low, double high);  // equal ends: high := low + 1
  void setRangeLow(double v);
  void setRangeHigh(double v);
  double RangeLow() const { return FRangeLow; }
  double RangeHigh() const { return FRangeHigh; }
  void setLogarithmic(bool v);  // true needs both ends >= 1e-100 and no date labels once loaded
  bool Logarithmic() const { return FAxLog; }
  void setScaleType(TScaleType t);
  TScaleType ScaleType() const { return FScaleType; }
  void setMargins(int left, int top, int right, int bottom);
  void setMarginLeft(int v);
  void setMarginTop(int v);
  void setMarginRight(int v);
  void setMarginBottom(int v);
  int MarginLeft() const { return FMarginLeft; }
  int MarginTop() const { return FMarginTop; }
  int MarginRight() const { return FMarginRight; }
  int MarginBottom() const { return FMarginBottom; }
  void setDecPlaces(int v);  // -3..12
  int DecPlaces() const { return FDecPlaces; }
  void setMinTicks(int v);  // 0, else 2..10
  int MinTicks() const { return FNumTicks; }
  void setLabelType(TFigType t);
  TFigType LabelType() const { return FLabelType; }
  void setLoaded();  // ends the loading state (Logarithmic validates from now on)

  bool ShortTicks = true;
  bool ShowBaseLine = true;
  bool Transparent = true;
  bool Visible = true;
  QString Caption;
  int CaptionPosX = 4, CaptionPosY = 4;
  Qt::Alignment CaptionAlignment = Qt::AlignHCenter;
  TScaleUnitAnchor CaptionAnchor = TScaleUnitAnchor::uaSclTopLft;
  QString ScaleInscript;
  QString UserTickText;
  TColor ColorScale = clBlack;
  TColor ColorBackGnd = clBtnFace;
  QFont Font;
  TColor FontColor = clBlack;
  TScaleTickDrawnEvent OnScaleTickDrawn;
  // Labels of calendar axes (ftDateTime) and of the date lines under times.
  TDTLabel DateFormat = AxisDateFormat();
  MonthNameSource MonthNames = SystemShortMonthName;

  double Center() const { return (FRangeLow + FRangeHigh) / 2; }
  int ConvertToPixelCoords(double v) const;
  double ConvertPixelToScale(int p) const;
  double TransfK() const { return FTransf_k; }
  double TransfD() const { return FTransf_d; }

  // Draws the axis (transparent: only base line, ticks, labels, caption) with
  // the area's top-left corner at `offset`.
  void Render(QPainter& p, QPoint offset = {});

  int NumTicks() const { return int(FScaleTickPos.size()); }
  double TickPosition(int index) const;  // 1-based; 0 outside

  static constexpr int kMaxTicks = kMaxAxisTicks;

private:
  void CalcTransformation();
  bool horizontal() const { return FScaleType == TScaleType::sctXB || FScaleType == TScaleType::sctXT; }
  int axisPos(QPoint off) const;
  void record(double v);
  void tick(QPainter& p, QPoint off, double v, bool isLong);
  // dateLine: the date written one line further out than a time label.
  void label(QPainter& p, QPoint off, double v, const QString& text, const QString& timeText = {});
  bool timeTicks(QPainter& p, QPoint off);
  void calendarTicks(QPainter& p, QPoint off);
  void drawPlanned(QPainter& p, QPoint off, const std::vector<AxisTick>& ticks);
  void writeNote(QPainter& p, QPoint off, const QString& oneLine, const QStringList& lines);
  void fireTick(QPainter& p, QPoint off, double v);
  void linearTicks(QPainter& p, QPoint off);
  void logTicks(QPainter& p, QPoint off);
  QString numberLabel(double v, int dec, int index) const;
  void caption(QPainter& p, QPoint off);

  int FWidth = 400, FHeight = 400;
  int FMarginTop = 20, FMarginBottom = 20, FMarginRight = 20, FMarginLeft = 20;
  double FRangeLow = 0, FRangeHigh = 100;
  double FTransf_k = 1, FTransf_d = 0;
  bool FAxLog = false;
  bool FNotYetLoaded = true;
  int FNumTicks = 3;
  int FDecPlaces = -2;
  TFigType FLabelType = TFigType::ftNum;
  TScaleType FScaleType = TScaleType::sctXB;
  std::vector<double> FScaleTickPos;
  int drawnTicks_ = 0;
  int labelHeight_ = 0;
};

// The stand-alone axis widget over the renderer.
class TScale : public QWidget {
  Q_OBJECT
public:
  explicit TScale(QWidget* parent = nullptr);
  TScaleRenderer& renderer() { return r_; }
  void Redraw() { update(); }

protected:
  void paintEvent(QPaintEvent*) override;
  void resizeEvent(QResizeEvent*) override;

private:
  TScaleRenderer r_;
};

}  // namespace zw
