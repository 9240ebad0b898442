#include "charts/NumLab.h"

#include <QFontMetrics>
#include <QImage>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>
#include <charconv>
#include <cmath>

#include "common/MathHelpers.h"
#include "charts/DateTimeText.h"

namespace zw {

namespace {

QString printfLike(double v, std::chars_format fmt, int precision) {
  char buf[400];
  auto r = std::to_chars(buf, buf + sizeof buf, v, fmt, precision);
  if (r.ec != std::errc()) return QString();
  return QString::fromLatin1(buf, int(r.ptr - buf));
}

// Round with halves to the even neighbour; false when v is no whole number
// that fits 64 bits.
bool roundToInt64(double v, long long& out) {
  if (!std::isfinite(v) || std::fabs(v) >= 9.2e18) return false;
  out = static_cast<long long>(std::nearbyint(v));
  return true;
}

constexpr double kMinInt32 = -2147483648.0, kMaxUInt32 = 4294967295.0, kMaxInt32 = 2147483647.0;

QString lastChars(const QString& s, int n) { return n <= 0 ? QString() : s.right(n); }

QString digitsOf(std::uint32_t u, int base, int width) {
  return QString::number(u, base).toUpper().rightJustified(width, u'0');
}

// Minutes (or seconds) of `fraction` (0..1 of the next larger unit) with `d`
// decimals. Returns the whole units carried over when rounding reaches 60.
QString sixtieths(double fraction, int d, int fieldWidth, int& carry) {
  const double scale = std::pow(10.0, d);
  double units = std::nearbyint(fraction * 60 * scale);
  carry = 0;
  if (units >= 60 * scale) {
    units -= 60 * scale;
    carry = 1;
  }
  return printfLike(units / scale, std::chars_format::fixed, d).rightJustified(fieldWidth, u' ');
}

// Values within 3e-12 of a whole number count as that number.
double snapped(double v) {
  const double r = std::nearbyint(v);
  return std::fabs(v - r) < 3e-12 ? r : v;
}

}  // namespace

TNumLab::TNumLab(QWidget* parent) : QWidget(parent) {
  const QColor btnFace = palette().color(QPalette::Button);
  FColorLabBakG = btnFace;
  FColorOutBakG = btnFace;
  resize(160, 28);
  setMouseTracking(true);
}

void TNumLab::redraw() {
  if (isVisible()) repaint();
}

void TNumLab::setLeftSpace(int v) {
  if (v < 0 || v == FLeftSpace) return;
  FLeftSpace = std::min(v, width());
  redraw();
}
void TNumLab::setEmpty(bool v) { setAndRedraw(FEmpty, v); }
void TNumLab::setLabelWidth(int v) { setAndRedraw(FLabWidth, v); }
void TNumLab::setPrecision(int v) {
  if (v < 0 || v == FDecP) return;
  FDecP = std::min(v, 15);
  redraw();
}
void TNumLab::setComma(bool v) { setAndRedraw(FComma, v); }
void TNumLab::setForcePlusSign(bool v) { setAndRedraw(FPlusSign, v); }
void TNumLab::setTransparent(bool v) {
  if (v == FTransParent) return;
  FTransParent = v;
  if (v)
    update();
  else
    redraw();
}
void TNumLab::setLeftText(const QString& v) { setAndRedraw(FLeftText, v); }
void TNumLab::setRightText(const QString& v) { setAndRedraw(FRightText, v); }
void TNumLab::setFrameStyle(TFrameStyle v) { setAndRedraw(FFrameStyle, v); }
void TNumLab::setStateText(const QString& v) { setAndRedraw(FStateText, v); }
void TNumLab::setAlignment(Qt::Alignment v) { setAndRedraw(FAlignment, v); }
void TNumLab::setLeftTextAlignment(Qt::Alignment v) { setAndRedraw(FLTAlignment, v); }
void TNumLab::setRightTextAlignment(Qt::Alignment v) { setAndRedraw(FRTAlignment, v); }
void TNumLab::setOverflowIndicator(const QString& v) { setAndRedraw(FOverFlowIndi, v); }
void TNumLab::setValue(double v) {
  // A NaN never equals itself; it is stored once and then left alone.
  if (v == FLabValue || (std::isnan(v) && std::isnan(FLabValue))) return;
  FLabValue = v;
  redraw();
}
void TNumLab::setEnabled(bool v) {
  FEnabled = v;
  QWidget::setEnabled(v);
  update();
}
void TNumLab::setColorLabBakG(QColor v) { setAndRedraw(FColorLabBakG, v); }
void TNumLab::setColorLabText(QColor v) { setAndRedraw(FColorLabText, v); }
void TNumLab::setColorOutBakG(QColor v) { setAndRedraw(FColorOutBakG, v); }
void TNumLab::setColorOutText(QColor v) { setAndRedraw(FColorOutText, v); }
void TNumLab::setColorScheme(TColorScheme v) {
  if (v == FColorScheme) return;
  FColorScheme = v;
  if (v == TColorScheme::csSystem) {
    FColGrayLine = palette().color(QPalette::Dark);
    FColWhiteLine = palette().color(QPalette::Light);
  } else {
    FColGrayLine = QColor(0x80, 0x80, 0x80);
    FColWhiteLine = Qt::white;
  }
  redraw();
}
void TNumLab::setDisplayType(TDisplay v) { setAndRedraw(FDisplayType, v); }
void TNumLab::setDTFormat(const QString& v) { setAndRedraw(FDtFormat, v); }

void TNumLab::Assign(const TNumLab& s) {
  FLeftSpace = s.FLeftSpace;
  FEmpty = s.FEmpty;
  FLabWidth = s.FLabWidth;
  FDecP = s.FDecP;
  FLeftText = s.FLeftText;
  FRightText = s.FRightText;
  FFrameStyle = s.FFrameStyle;
  FAlignment = s.FAlignment;
  FLTAlignment = s.FLTAlignment;
  FRTAlignment = s.FRTAlignment;
  FOverFlowIndi = s.FOverFlowIndi;
  FLabValue = s.FLabValue;
  FStateText = s.FStateText;
  FTransParent = s.FTransParent;
  FColorLabBakG = s.FColorLabBakG;
  FColorLabText = s.FColorLabText;
  FColorOutBakG = s.FColorOutBakG;
  FColorOutText = s.FColorOutText;
  FColBlackLine = s.FColBlackLine;
  FColGrayLine = s.FColGrayLine;
  FColWhiteLine = s.FColWhiteLine;
  FColorScheme = s.FColorScheme;
  FDisplayType = s.FDisplayType;
  redraw();
}

QString TNumLab::formatValue() const {
  const int p = FDecP;
  const double v = FLabValue;
  long long r = 0;
  QString t;
  switch (FDisplayType) {
    case TDisplay::dtFloat: t = printfLike(v, std::chars_format::general, std::max(p, 1)); break;
    case TDisplay::dtFixP: t = printfLike(v, std::chars_format::fixed, p); break;
    case TDisplay::dtExp: t = printfLike(v, std::chars_format::scientific, p); break;
    case TDisplay::dtHex: {
      if (!(v >= kMinInt32 && v <= kMaxUInt32) || !roundToInt64(v, r)) return FOverFlowIndi;
      const int n = std::min(p, 8);
      return lastChars(digitsOf(static_cast<std::uint32_t>(r), 16, n), n);
    }
    case TDisplay::dtZeroInt: {
      if (!(v >= kMinInt32 && v <= kMaxInt32) || !roundToInt64(v, r)) return FOverFlowIndi;
      t = QString::number(std::llabs(r)).rightJustified(p, u'0');
      if (r < 0) t.prepend(u'-');
      break;
    }
    case TDisplay::dtInt:
      if (!roundToInt64(v, r)) return FOverFlowIndi;
      t = QString::number(r);
      break;
    case TDisplay::dtDateTime: return FormatDateTimePattern(FDtFormat, v);
    case TDisplay::dtState: return FStateText;
    case TDisplay::dtBin: {
      if (!(v >= kMinInt32 && v <= kMaxUInt32) || !roundToInt64(v, r)) return FOverFlowIndi;
      const int n = std::min(p, 32);
      return lastChars(digitsOf(static_cast<std::uint32_t>(r), 2, 32), n);
    }
    case TDisplay::dtOct: {
      if (!(v >= kMinInt32 && v <= kMaxUInt32) || !roundToInt64(v, r)) return FOverFlowIndi;
      t = lastChars(digitsOf(static_cast<std::uint32_t>(r), 8, 11), std::min(p, 12));
      break;
    }
    case TDisplay::dtDeg:
      t = printfLike(v, std::chars_format::fixed, std::clamp(p, 0, 8)) + QChar(0x00B0);
      break;
    case TDisplay::dtDegMin:
    case TDisplay::dtDegMinSec: {
      if (!std::isfinite(v)) return FOverFlowIndi;
      const int d = std::clamp(p, 0, 8);
      const double sv = snapped(v);
      double degrees = std::trunc(std::fabs(sv));
      double frac = std::fabs(sv) - degrees;
      int carry = 0;
      QString rest;
      if (FDisplayType == TDisplay::dtDegMin) {
        rest = sixtieths(frac, d, d + 3, carry) + u'\'';
      } else {
        double m = snapped(frac * 60);
        double wholeMin = std::trunc(m);
        int secCarry = 0;
        QString secs = sixtieths(m - wholeMin, d, d + 3, secCarry);
        wholeMin += secCarry;
        if (wholeMin >= 60) {
          wholeMin -= 60;
          carry = 1;
        }
        rest = QString::number(int(wholeMin)).rightJustified(2, u' ') + QStringLiteral("' ") + secs + u'"';
      }
      degrees += carry;
      // The sign belongs to the whole value, also when the degrees are 0.
      t = (sv < 0 ? QStringLiteral("-") : QString()) + QString::number(degrees, 'f', 0) + QChar(0x00B0) +
          u' ' + rest;
      break;
    }
    case TDisplay::dtEEng: t = QString::fromStdString(FormatEngineering(p, v)); break;
    case TDisplay::dtEEngNoDP: t = QString::fromStdString(FormatEngineering(-p, v)); break;
  }
  if (FComma)
    t.replace(u'.', u',');
  else
    t.replace(u',', u'.');
  if (FPlusSign && v > 0) t.prepend(u'+');
  return t;
}

QString TNumLab::displayedText() const {
  QString t = formatValue();
  if (OnBeforeDisplay) OnBeforeDisplay(const_cast<TNumLab*>(this), t);
  if (FDisplayType != TDisplay::dtState && QFontMetrics(font()).horizontalAdvance(t) > FLabWidth - 6)
    t = FOverFlowIndi;
  return t;
}

void TNumLab::mouseMoveEvent(QMouseEvent* e) {
  const int x = int(e->position().x());
  FMouseAreaCode = 0;
  if (x > FLeftSpace) FMouseAreaCode = 1;
  if (x > FLeftSpace + FLabWidth) FMouseAreaCode = 2;
  QWidget::mouseMoveEvent(e);
}

void TNumLab::paintEvent(QPaintEvent*) {
  ++paintCount_;
  const int L = FLeftSpace, W = FLabWidth, H = height(), Wd = width();
  QImage img(std::max(1, Wd), std::max(1, H), QImage::Format_RGB32);
  QPainter p(&img);
  p.setFont(font());
  QFontMetrics fm(font());
  const int h = fm.height();
  const int ym = (H - h) / 2;
  auto textAt = [&](int x, int y, const QString& s, QColor c) {
    p.setPen(c);
    p.drawText(x, y + fm.ascent(), s);
  };

  // 1. Background.
  const QColor outBack = FTransParent ? QColor(Qt::white) : FColorOutBakG;
  p.setPen(outBack);
  p.setBrush(outBack);
  p.drawRect(0, 0, Wd - 1, H - 1);

  // 2./3. Side texts; disabled ones are drawn engraved.
  auto sideText = [&](const QString& s, int xLeft, int xRight, int xCentre, Qt::Alignment a) {
    if (s.isEmpty()) return;
    const int x = (a & Qt::AlignLeft) ? xLeft : (a & Qt::AlignRight) ? xRight : xCentre;
    if (FEnabled) {
      textAt(x, ym, s, FColorOutText);
    } else {
      textAt(x + 1, ym + 1, s, Qt::white);
      textAt(x, ym, s, QColor(0x80, 0x80, 0x80));
    }
  };
  const int wl = fm.horizontalAdvance(FLeftText);
  sideText(FLeftText, 7, L - wl - 5, (L - wl) / 2, FLTAlignment);
  const int wr = fm.horizontalAdvance(FRightText);
  sideText(FRightText, L + W + 7, Wd - wr - 6, (Wd - L - W - wr) / 2 + L + W + 1, FRTAlignment);

  // 4. Value box.
  QColor pen = FFrameStyle == TFrameStyle::fsNone       ? FColorLabBakG
               : FFrameStyle == TFrameStyle::fsEmbossed ? FColWhiteLine
                                                        : FColGrayLine;
  p.setPen(pen);
  p.setBrush(FColorLabBakG);
  if (FFrameStyle == TFrameStyle::fsNone || FFrameStyle == TFrameStyle::fsSimple) {
    p.drawRect(L, 0, W + 1, H - 1);
  } else {
    p.drawRect(L, 0, W + 1, H - 2);
    QColor ul, lr;
    switch (FFrameStyle) {
      case TFrameStyle::fsLowered: ul = FColBlackLine; lr = FColWhiteLine; break;
      case TFrameStyle::fsRaised: ul = FColWhiteLine; lr = FColBlackLine; break;
      case TFrameStyle::fsEmbossed: ul = lr = FColGrayLine; break;
      default: ul = lr = FColWhiteLine; break;
    }
    p.setPen(ul);
    p.drawLine(L + 1, H - 3, L + 1, 1);
    p.drawLine(L + 1, 1, L + W, 1);  // polyline end point excluded
    p.setPen(lr);
    p.drawLine(L + 1, H - 1, L + W + 1, H - 1);
    p.drawLine(L + W + 2, H - 1, L + W + 2, 1);
  }

  // 5. Value text.
  if (!FEmpty) {
    const QString t = displayedText();
    const int w = fm.horizontalAdvance(t);
    int x = L + (W - w) / 2 + 2;
    if (FAlignment & Qt::AlignLeft) x = L + 4;
    if (FAlignment & Qt::AlignRight) x = L + W - w - 2;
    p.save();
    p.setClipRect(QRect(QPoint(L + 3, 2), QPoint(L + W - 2, H - 4)));
    textAt(x, ym, t, FEnabled ? FColorLabText : QColor(0x80, 0x80, 0x80));
    p.restore();
  }
  p.end();

  // 6. Output.
  QPainter out(this);
  if (FTransParent) {
    out.fillRect(QRect(QPoint(L + 2, 2), QPoint(L + W - 1, H - 3)),
                 FColorLabText == QColor(Qt::black) ? FColorLabBakG : QColor(Qt::white));
    out.setCompositionMode(QPainter::RasterOp_SourceAndDestination);
  }
  out.drawImage(0, 0, img);
}

}  // namespace zw
