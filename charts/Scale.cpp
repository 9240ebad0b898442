#include "charts/Scale.h"

#include <QFontMetrics>
#include <QPainter>
#include <algorithm>
#include <cmath>

#include "charts/Ticks.h"

namespace zw {

namespace {
constexpr double kT = kTickTolerance;

int clampRound(double v) {
  if (!(v == v)) return 0;
  v = std::clamp(v, -2147483647.0, 2147483647.0);
  return int(std::nearbyint(v));
}
}  // namespace

TScaleRenderer::TScaleRenderer() {
  Font.setFamily(QStringLiteral("Liberation Sans"));
  Font.setPixelSize(11);
  CalcTransformation();
}

TDTLabel AxisDateFormat() {
  TDTLabel f;
  f.setTimeFormat(TTimeFormat::tfHHMMSS);
  f.setDateSeparator(u'-');
  f.setTimeSeparator(u':');
  f.setYearLength(TYearLength::ylYYYY);
  f.setMonthName(true);
  f.setDateForTime(TDateForTime::dtOnePerDay);
  f.setDateOrder(TDateOrder::doDDMMYY);
  return f;
}

void TScaleRenderer::SetBounds(int width, int height) {
  FWidth = std::max(0, width);
  FHeight = std::max(0, height);
  CalcTransformation();
}

void TScaleRenderer::setRange(double low, double high) {
  FRangeLow = low;
  FRangeHigh = high;
  if (low == high) FRangeHigh = FRangeLow + 1;
  CalcTransformation();
}

void TScaleRenderer::setRangeLow(double v) {
  FRangeLow = v;
  if (v == FRangeHigh) FRangeHigh = v + 1;
  CalcTransformation();
}

void TScaleRenderer::setRangeHigh(double v) {
  FRangeHigh = v;
  if (v == FRangeLow) FRangeLow = v + 1;
  CalcTransformation();
}

bool AcceptLogarithmic(bool request, bool current, bool loading, double low, double high, TFigType labels) {
  if (!request || loading) return request;
  if (low >= 1e-100 && high >= 1e-100 && labels != TFigType::ftDateTime) return true;
  return current;
}

void TScaleRenderer::setLogarithmic(bool v) {
  FAxLog = AcceptLogarithmic(v, FAxLog, FNotYetLoaded, FRangeLow, FRangeHigh, FLabelType);
  CalcTransformation();
}

void TScaleRenderer::setScaleType(TScaleType t) {
  FScaleType = t;
  CalcTransformation();
}

void TScaleRenderer::setMargins(int left, int top, int right, int bottom) {
  FMarginLeft = std::max(0, left);
  FMarginTop = std::max(0, top);
  FMarginRight = std::max(0, right);
  FMarginBottom = std::max(0, bottom);
  CalcTransformation();
}
void TScaleRenderer::setMarginLeft(int v) { setMargins(v, FMarginTop, FMarginRight, FMarginBottom); }
void TScaleRenderer::setMarginTop(int v) { setMargins(FMarginLeft, v, FMarginRight, FMarginBottom); }
void TScaleRenderer::setMarginRight(int v) { setMargins(FMarginLeft, FMarginTop, v, FMarginBottom); }
void TScaleRenderer::setMarginBottom(int v) { setMargins(FMarginLeft, FMarginTop, FMarginRight, v); }

void TScaleRenderer::setDecPlaces(int v) {
  FDecPlaces = std::clamp(v, -3, 12);
  CalcTransformation();
}

void TScaleRenderer::setMinTicks(int v) { FNumTicks = v == 0 ? 0 : std::clamp(v, 2, 10); }

void TScaleRenderer::setLabelType(TFigType t) {
  FLabelType = t;
  if (t == TFigType::ftDateTime) {
    FAxLog = false;
    CalcTransformation();
  }
  if (t == TFigType::ftTime) FDecPlaces = 4;
}

void TScaleRenderer::setLoaded() {
  FNotYetLoaded = false;
  CalcTransformation();
}

void TScaleRenderer::CalcTransformation() {
  if (FRangeHigh == FRangeLow) return;
  const bool logOk = FRangeLow > 0 && FRangeHigh > 0;
  if (horizontal()) {
    const int n = FWidth - FMarginLeft - FMarginRight - 1;
    if (n <= 0) {
      FTransf_k = 0;
      FTransf_d = FWidth / 2;
    } else if (!FAxLog) {
      FTransf_k = n / (FRangeHigh - FRangeLow);
      FTransf_d = FMarginLeft - FRangeLow * FTransf_k;
    } else if (logOk) {
      FTransf_k = n / (std::log(FRangeHigh) - std::log(FRangeLow));
      FTransf_d = FMarginLeft - std::log(FRangeLow) * FTransf_k;
    }
  } else {
    const int n = FHeight - FMarginTop - FMarginBottom - 1;
    if (n <= 0) {
      FTransf_k = 0;
      FTransf_d = FHeight / 2;
    } else if (!FAxLog) {
      FTransf_k = n / (FRangeLow - FRangeHigh);
      FTransf_d = FMarginTop - FRangeHigh * FTransf_k;
    } else if (logOk) {
      FTransf_k = n / (std::log(FRangeLow) - std::log(FRangeHigh));
      FTransf_d = FMarginTop - std::log(FRangeHigh) * FTransf_k;
    }
  }
}

int TScaleRenderer::ConvertToPixelCoords(double v) const {
  if (FAxLog) {
    if (v > 1e-100) return clampRound(FTransf_k * std::log(v) + FTransf_d);
    return FRangeHigh >= FRangeLow ? 0 : FWidth;
  }
  return clampRound(FTransf_k * v + FTransf_d);
}

double TScaleRenderer::ConvertPixelToScale(int p) const {
  // A scale without extent maps every pixel to its centre.
  if (FTransf_k == 0) return Center();
  const double u = (p - FTransf_d) / FTransf_k;
  return FAxLog ? std::exp(u) : u;
}

double TScaleRenderer::TickPosition(int index) const {
  if (index < 1 || index > NumTicks()) return 0;
  return FScaleTickPos[index - 1];
}

int TScaleRenderer::axisPos(QPoint off) const {
  switch (FScaleType) {
    case TScaleType::sctXB: return off.y() + FHeight - FMarginBottom - 1;
    case TScaleType::sctXT: return off.y() + FMarginTop;
    case TScaleType::sctYL: return off.x() + FMarginLeft;
    case TScaleType::sctYR: return off.x() + FWidth - FMarginRight - 1;
  }
  return 0;
}

void TScaleRenderer::record(double v) {
  if (FScaleTickPos.size() < 250) FScaleTickPos.push_back(v);
}

void TScaleRenderer::fireTick(QPainter& p, QPoint off, double v) {
  if (!OnScaleTickDrawn) return;
  const int a = axisPos(off), pv = ConvertToPixelCoords(v);
  if (horizontal())
    OnScaleTickDrawn(this, p, FScaleType, v, pv, a);
  else
    OnScaleTickDrawn(this, p, FScaleType, v, a, pv);
}

void TScaleRenderer::tick(QPainter& p, QPoint off, double v, bool isLong) {
  ++drawnTicks_;
  const int a = axisPos(off), pv = ConvertToPixelCoords(v);
  const int len = horizontal() ? (isLong ? 7 : 4) : (isLong ? 6 : 4);
  p.setPen(ChartPen(ToQColor(ColorScale), 1));
  switch (FScaleType) {
    case TScaleType::sctYL: draw::Line(p, a, pv, a + len, pv); break;
    case TScaleType::sctYR: draw::Line(p, a, pv, a - len, pv); break;
    case TScaleType::sctXB: draw::Line(p, pv, a, pv, a - len); break;
    case TScaleType::sctXT: draw::Line(p, pv, a, pv, a + len); break;
  }
}

void TScaleRenderer::label(QPainter& p, QPoint off, double v, const QString& text, const QString& timeText) {
  const bool dateLine = !timeText.isEmpty();
  if (text.isEmpty()) return;
  const QFontMetrics fm(p.font());
  const int a = axisPos(off), pv = ConvertToPixelCoords(v);
  const int w = fm.horizontalAdvance(text), hh = fm.height();
  int x, y;
  if (horizontal()) {
    const int hw = w / 2;
    x = pv + hw < FWidth - 2 ? pv - std::min(pv - 2, hw) : FWidth - 2 * hw - 2;
    y = FScaleType == TScaleType::sctXT ? a + 7 : a - hh - 7;
    if (dateLine) y += FScaleType == TScaleType::sctXT ? hh : -hh;
  } else if (dateLine) {
    // Above the time it belongs to, starting where the time starts.
    x = FScaleType == TScaleType::sctYR ? a - fm.horizontalAdvance(timeText) - 8 : a + 8;
    y = pv - 3 * (hh / 2);
  } else {
    x = FScaleType == TScaleType::sctYR ? a - w - 8 : a + 8;
    y = pv - labelHeight_ / 2;
  }
  p.setPen(ChartPen(ToQColor(FontColor), 1));
  draw::TextTopLeft(p, x, y, text);
}

QString TScaleRenderer::numberLabel(double v, int dec, int index) const {
  QString s;
  const double span = FRangeHigh - FRangeLow;
  if (std::fabs(v / span) < 1e-14) {
    v = 0;
    s = std::fabs(span) <= 100000 ? FormatTickNumber(dec, 0) : (dec != 0 ? QStringLiteral("0.0") : QStringLiteral("0"));
  } else {
    s = FormatTickNumber(dec, v);
  }
  s = s.left(14);
  if (FDecPlaces == 0 && std::fabs(v - std::nearbyint(v)) > 1e-6) s.clear();
  if (FLabelType == TFigType::ftUserText) return UserTickItem(UserTickText, index);
  return JoinInscript(s, ScaleInscript);
}

void TScaleRenderer::linearTicks(QPainter& p, QPoint off) {
  long double first, step;
  std::uint16_t subDiv;
  NiceTickStep(FNumTicks, FRangeLow, FRangeHigh, first, step, subDiv);
  if (step == 0) return;
  const double sign = FRangeHigh > FRangeLow ? 1 : -1;
  const long double sub = step / subDiv;
  if (ShortTicks) {
    const long double s0 = first - step;
    for (int j = 0; drawnTicks_ < kMaxTicks; ++j) {
      const double v = double(s0 + j * sub);
      if (sign * v >= sign * FRangeLow) {
        record(v);
        tick(p, off, v, false);
        fireTick(p, off, v);
      }
      const long double next = s0 + (j + 1) * sub;
      if (sign * (next - FRangeHigh) > 0.001L * std::fabs(sub)) break;
    }
  }
  const int dec = DecimalPlacesFor(FDecPlaces, FRangeHigh, FRangeLow);
  for (int i = 0; drawnTicks_ < kMaxTicks; ++i) {
    const double v = double(first + i * step);
    if (!horizontal() || !ShortTicks) record(v);
    tick(p, off, v, true);
    if (!horizontal()) fireTick(p, off, v);
    if (FLabelType != TFigType::ftNoFigs) label(p, off, v, numberLabel(v, dec, i + 1));
    if (horizontal()) fireTick(p, off, v);
    const long double next = first + (i + 1) * step;
    if (sign * (next - FRangeHigh) > 0.001L * std::fabs(step)) break;
  }
}

void TScaleRenderer::logTicks(QPainter& p, QPoint off) {
  const double decades = std::fabs(std::log10(FRangeHigh / FRangeLow));
  if (decades < 1) {
    linearTicks(p, off);
    return;
  }
  const double hi = std::max(FRangeHigh, FRangeLow), lo = std::min(FRangeHigh, FRangeLow);
  const int dec = LogDecimalPlacesFor(FDecPlaces, hi, lo);
  const double base = std::pow(10.0, std::floor(std::log10(lo * kT)));
  const bool many = FNumTicks > decades + 0.5;
  int labelIndex = 0;
  for (double f = 1; hi >= kT * base * f && drawnTicks_ < kMaxTicks; f *= 10) {
    for (int m = 1; m <= 9; ++m) {
      const bool labelled = m == 1 || (many && (m == 2 || m == 5));
      if (!labelled && !many) continue;
      const double v = m * base * f;
      if (!(lo < v / kT && hi > v * kT)) continue;
      if (horizontal()) {
        if (labelled || ShortTicks) {
          record(v);
          tick(p, off, v, labelled);
        }
      } else {
        if (!labelled && !ShortTicks) continue;
        record(v);
        tick(p, off, v, true);
      }
      if (labelled && FLabelType != TFigType::ftNoFigs) {
        ++labelIndex;
        QString s;
        if (dec == -3)
          s = m == 1 ? FormatTickNumber(0, std::nearbyint(std::log10(base * f))) : QString();
        else
          s = FormatTickNumber(dec, v);
        s = s.left(14);
        if (FDecPlaces == -2 && s.contains(u'.') && !s.contains(u'e') && !s.contains(u'E')) {
          while (s.endsWith(u'0')) s.chop(1);
          if (s.endsWith(u'.')) s.chop(1);
        }
        if (FLabelType == TFigType::ftUserText)
          s = UserTickItem(UserTickText, labelIndex);
        else
          s = JoinInscript(s, ScaleInscript);
        label(p, off, v, s);
      }
      fireTick(p, off, v);
    }
  }
}

void TScaleRenderer::drawPlanned(QPainter& p, QPoint off, const std::vector<AxisTick>& ticks) {
  for (const AxisTick& t : ticks) {
    record(t.value);
    tick(p, off, t.value, t.isLong);
    if (t.isLong && FLabelType != TFigType::ftNoFigs) {
      const double shown = CalendarToFormatter(t.value);
      const QString text = t.pattern.empty() ? QString::fromStdU16String(t.text)
                                             : FormatDateTimePattern(QString::fromStdU16String(t.pattern), shown, MonthNames);
      label(p, off, t.value, text);
      if (!t.datePattern.empty())
        label(p, off, t.value, FormatDateTimePattern(QString::fromStdU16String(t.datePattern), shown, MonthNames),
              text.isEmpty() ? QStringLiteral(" ") : text);
    }
    fireTick(p, off, t.value);
  }
}

bool TScaleRenderer::timeTicks(QPainter& p, QPoint off) {
  std::vector<AxisTick> ticks;
  if (!PlanTimeTicks(FRangeLow, FRangeHigh, FNumTicks, !horizontal(), ShortTicks, ticks)) return false;
  drawPlanned(p, off, ticks);
  return true;
}

void TScaleRenderer::calendarTicks(QPainter& p, QPoint off) {
  std::vector<AxisTick> ticks;
  switch (PlanCalendarTicks(FRangeLow, FRangeHigh, FNumTicks, !horizontal(), ShortTicks, DateFormat.Style(), ticks)) {
    case CalendarNote::None: drawPlanned(p, off, ticks); break;
    case CalendarNote::Invalid:
      writeNote(p, off, QStringLiteral("invalid DateTime scale"),
                {QStringLiteral("invalid"), QStringLiteral("DateTime"), QStringLiteral("scale")});
      break;
    case CalendarNote::BelowSecond:
      writeNote(p, off, QStringLiteral("DateTime range is below 1 second"),
                {QStringLiteral("DateTime"), QStringLiteral("range is"), QStringLiteral("below 1"),
                 QStringLiteral("second")});
      break;
  }
}

// A calendar axis that cannot be labelled says so at the middle of its range:
// in one line along a horizontal axis, line by line beside a vertical one
// (the first line one text height above the middle).
void TScaleRenderer::writeNote(QPainter& p, QPoint off, const QString& oneLine, const QStringList& lines) {
  const QFontMetrics fm(p.font());
  const int a = axisPos(off), mid = ConvertToPixelCoords((FRangeLow + FRangeHigh) / 2), h = fm.height();
  p.setPen(ChartPen(ToQColor(FontColor), 1));
  if (horizontal()) {
    draw::TextTopLeft(p, mid - fm.horizontalAdvance(oneLine) / 2, a + 7, oneLine);
    return;
  }
  for (int i = 0; i < lines.size(); ++i) {
    const int x = FScaleType == TScaleType::sctYR ? a - 2 - fm.horizontalAdvance(lines[i]) : a + 2;
    draw::TextTopLeft(p, x, mid + (i - 1) * h, lines[i]);
  }
}

void TScaleRenderer::caption(QPainter& p, QPoint off) {
  if (Caption.isEmpty()) return;
  const QFontMetrics fm(p.font());
  const int w = fm.horizontalAdvance(Caption);
  int x = CaptionPosX, y = CaptionPosY;
  const int a = axisPos(off);
  if (!horizontal()) {
    x += a;
    switch (CaptionAnchor) {
      case TScaleUnitAnchor::uaSclTopLft: y += FMarginTop; break;
      case TScaleUnitAnchor::uaSclCenter: y += FMarginTop + (FHeight - FMarginTop - FMarginBottom) / 2; break;
      case TScaleUnitAnchor::uaSclBotRgt: y += FHeight - FMarginBottom; break;
    }
  } else {
    y += a;
    switch (CaptionAnchor) {
      case TScaleUnitAnchor::uaSclTopLft: x += FMarginLeft; break;
      case TScaleUnitAnchor::uaSclCenter: x += FMarginLeft + (FWidth - FMarginLeft - FMarginRight) / 2; break;
      case TScaleUnitAnchor::uaSclBotRgt: x += FWidth - FMarginRight; break;
    }
  }
  if (CaptionAlignment & Qt::AlignRight)
    x -= w;
  else if (CaptionAlignment & Qt::AlignHCenter)
    x -= w / 2;
  p.setPen(ChartPen(ToQColor(FontColor), 1));
  draw::TextTopLeft(p, x, y, Caption);
}

void TScaleRenderer::Render(QPainter& p, QPoint off) {
  FScaleTickPos.clear();
  drawnTicks_ = 0;
  if (horizontal() && FNumTicks != 0) FNumTicks = std::clamp(FNumTicks, 2, 20);
  p.save();
  p.setFont(Font);
  p.setBrush(Qt::NoBrush);
  if (!Transparent) {
    p.setPen(ChartPen(ToQColor(ColorBackGnd), 1));
    p.setBrush(ToQColor(ColorBackGnd));
    draw::Rect(p, off.x(), off.y(), off.x() + FWidth, off.y() + FHeight);
    p.setBrush(Qt::NoBrush);
  }
  labelHeight_ = QFontMetrics(p.font()).height();
  if (FLabelType == TFigType::ftDateTime)
    calendarTicks(p, off);
  else if (FLabelType == TFigType::ftTime && timeTicks(p, off))
    ;  // a time range that fits no time step shows numbers instead
  else if (FAxLog && FRangeLow > 0 && FRangeHigh > 0)
    logTicks(p, off);
  else
    linearTicks(p, off);
  if (ShowBaseLine) {
    p.setPen(ChartPen(ToQColor(ColorScale), 1));
    const int a = axisPos(off);
    if (horizontal())
      draw::Line(p, FMarginLeft, a, FWidth - FMarginRight - 1, a);
    else
      draw::Line(p, a, FMarginTop, a, FHeight - FMarginBottom - 1);
  }
  caption(p, off);
  p.restore();
}

TScale::TScale(QWidget* parent) : QWidget(parent) {
  resize(400, 400);
  r_.Transparent = false;
  r_.setLoaded();
}

void TScale::resizeEvent(QResizeEvent*) { r_.SetBounds(width(), height()); }

void TScale::paintEvent(QPaintEvent*) {
  QPainter p(this);
  r_.Font = font();
  r_.Render(p);
  DrawFrame3D(p, TFrameStyle::fsLowered, 0, 0, width() - 1, height() - 1, Qt::white, QColor(0xC0, 0xC0, 0xC0),
              QColor(0x80, 0x80, 0x80), Qt::black, Qt::black);
}

}  // namespace zw
