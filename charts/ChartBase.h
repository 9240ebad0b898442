#pragma once
// Base types of the chart library: the enumerations the controls share, the
// 3D-looking frame, the table of 52 marker
// symbols, a colour conversion and three small settings objects (date-time
// label format, crosshair, free text label). Nothing here keeps global state.
#include <QColor>
#include <QFont>
#include <QPoint>
#include <QString>
#include <array>
#include <cstdint>
#include <functional>
#include <stdexcept>
#include <vector>

#include "charts/AxisTypes.h"
#include "common/PointTypes.h"
#include "common/ZwError.h"

class QPainter;

namespace zw {

enum class TFrameStyle { fsNone, fsSimple, fsLowered, fsRaised, fsEmbossed, fsEngraved };
enum class TColorScheme { csBWG, csSystem };
enum class TVerticalAlignment { vaTop, vaCenter, vaBottom };
enum class TShadowStyle { ssFlying, ssBox };
enum class TBkgFill { bfSimple, bfStretch, bfTile };
enum class TBoundingBox { bbNone, bbFrame, bbFaces };
enum class TCrossHMode { chOff, chHoriz, chVert, chBoth };
enum class TTxtLblAttachMode { tlamNone, tlamXOnly, tlamYOnly, tlamBoth };
enum class TTxtLblMode { tlOff, tlsimple, tlBox, tlUnderline, tlShadow };
enum class TMouseBoxState { msNormal, msFirstCorner, msRectDraw, msFinished };
enum class TMouseActMode {
  maNone, maPan, maPanHoriz, maPanVert, maRubberBand, maZoom, maZoomWind, maZoomWindPos,
  maZoomDrag, maDragCrossH, maDragLabel, maRotate, maRotAndZoom, maRotXOnly, maRotZOnly
};
enum class TZoomState { zsNormal, zsDrawWin };

using TQuad = std::array<QPoint, 4>;

// Draws the frame inside the pixels (left, top)..(right, bottom): two rings,
// the outer on the edge, the inner one pixel inside. fsNone and unknown
// styles draw nothing; fsSimple draws one outline in `simple`. The pen keeps
// the last colour used.
void DrawFrame3D(QPainter& canvas, TFrameStyle style, int left, int top, int right, int bottom,
                 QColor highlight, QColor light, QColor shadow, QColor dark, QColor simple);

// Marker symbol `mark` centred at (x, y) with the painter's current pen.
// 0..51 are the shapes of the table; 52 and above write the character with
// that code in the painter's font. Eight thin symbols are drawn with lines on
// printer output (`printerCanvas`) and from a 7 x 7 pixel pattern elsewhere.
// The brush colour is left as it was.
void DrawMark(QPainter& canvas, int mark, int x, int y, bool printerCanvas = false);

// 0xRRGGBB (HTML order) -> colour value with red in the low byte.
std::uint32_t SwapRedBlue(std::uint32_t value);

// Format of date and time labels of an axis.
class TDTLabel {
public:
  TTimeFormat TimeFormat() const { return F.timeFormat; }
  QChar DateSeparator() const { return QChar(F.dateSeparator); }
  QChar TimeSeparator() const { return QChar(F.timeSeparator); }
  TYearLength YearLength() const { return F.yearLength; }
  bool MonthName() const { return F.monthName; }
  TDateOrder DateOrder() const { return F.dateOrder; }
  TDateForTime DateForTime() const { return F.dateForTime; }
  const DateLabelStyle& Style() const { return F; }

  void setTimeFormat(TTimeFormat v);
  void setDateSeparator(QChar v);
  void setTimeSeparator(QChar v);
  void setYearLength(TYearLength v);
  void setMonthName(bool v);
  void setDateOrder(TDateOrder v);
  void setDateForTime(TDateForTime v);
  void Assign(const TDTLabel& source);

  std::function<void(TDTLabel*)> OnChange;

private:
  void Changed();
  DateLabelStyle F;
};

// One crosshair of the 2D chart.
class TCrossHair {
public:
  double PosX() const { return FPosX; }
  double PosY() const { return FPosY; }
  QColor Color() const { return FColor; }
  TCrossHMode Mode() const { return FMode; }
  Qt::PenStyle LineType() const { return FLineType; }
  int LineWid() const { return FLineWid; }
  int Layer() const { return FLayer; }

  void setPosX(double v);
  void setPosY(double v);
  void setColor(QColor v);
  void setMode(TCrossHMode v);
  void setLineType(Qt::PenStyle v);
  void setLineWid(int v);
  void setLayer(int v);  // clamped to 1..16

  std::function<void(TCrossHair*)> OnChange;

private:
  void Changed();
  double FPosX = 0, FPosY = 0;
  QColor FColor = Qt::black;
  TCrossHMode FMode = TCrossHMode::chBoth;
  Qt::PenStyle FLineType = Qt::SolidLine;
  int FLineWid = 1;
  int FLayer = 1;
};

// One free text of the 2D chart.
class TCustomTextLabel {
public:
  double PosX() const { return FPosX; }
  double PosY() const { return FPosY; }
  int Layer() const { return FLayer; }
  int ShadowDx() const { return FXShadow; }
  int ShadowDy() const { return FYShadow; }
  QColor ColorShadow() const { return FColorShadow; }
  Qt::Alignment Alignment() const { return FAlignment; }
  TVerticalAlignment VerticalAlignment() const { return FVertAlign; }
  TTxtLblAttachMode AttachToData() const { return FAttachDat; }
  QColor ColorBkg() const { return FColorBkg; }
  QColor ColorBorder() const { return FColorBrd; }
  bool Transparent() const { return FTransPar; }
  const QFont& Font() const { return FFont; }
  const QString& Caption() const { return FCaption; }
  TTxtLblMode Mode() const { return FMode; }
  bool Visible() const { return FVisible; }

  void setPosX(double v);
  void setPosY(double v);
  void setLayer(int v);  // 1..16; other values are ignored
  void setShadowDx(int v);
  void setShadowDy(int v);
  void setColorShadow(QColor v);
  void setAlignment(Qt::Alignment v);
  void setVerticalAlignment(TVerticalAlignment v);
  void setAttachToData(TTxtLblAttachMode v);
  void setColorBkg(QColor v);
  void setColorBorder(QColor v);
  void setTransparent(bool v);
  void setFont(const QFont& v);
  // Control characters other than line feed become blanks.
  void setCaption(const QString& v);
  void setMode(TTxtLblMode v);
  void setVisible(bool v);

  std::function<void(TCustomTextLabel*)> OnChange;

protected:
  void Changed();
  double FPosX = 100, FPosY = 10;
  int FLayer = 1;
  int FXShadow = 0, FYShadow = 0;
  QColor FColorShadow = QColor(0x80, 0x80, 0x80);
  Qt::Alignment FAlignment = Qt::AlignHCenter;
  TVerticalAlignment FVertAlign = TVerticalAlignment::vaBottom;
  TTxtLblAttachMode FAttachDat = TTxtLblAttachMode::tlamNone;
  QColor FColorBkg = QColor(0xC0, 0xC0, 0xC0);
  QColor FColorBrd = Qt::black;
  bool FTransPar = false;
  QFont FFont;
  QString FCaption;
  TTxtLblMode FMode = TTxtLblMode::tlsimple;
  bool FVisible = true;
};

class TTextLabel : public TCustomTextLabel {};

}  // namespace zw
