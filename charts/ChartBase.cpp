#include "charts/ChartBase.h"

#include "charts/ChartDraw.h"

#include <QFontMetrics>
#include <QPainter>
#include <QPolygon>
#include <cstdlib>

namespace zw {

namespace {

// Bounding box (x1, y1, x2, y2) with exclusive right and bottom edges.
QRect boxOf(int x1, int y1, int x2, int y2) { return QRect(x1, y1, x2 - x1 - 1, y2 - y1 - 1); }

}  // namespace

void DrawFrame3D(QPainter& canvas, TFrameStyle style, int left, int top, int right, int bottom,
                 QColor highlight, QColor light, QColor shadow, QColor dark, QColor simple) {
  QColor outerA, outerB, innerA, innerB;
  switch (style) {
    case TFrameStyle::fsSimple: {
      PenCursor c(canvas);
      c.setColor(simple);
      c.moveTo(left, top);
      c.lineTo(right, top);
      c.lineTo(right, bottom);
      c.lineTo(left, bottom);
      c.lineTo(left, top);
      return;
    }
    case TFrameStyle::fsLowered: outerA = shadow; outerB = highlight; innerA = dark; innerB = light; break;
    case TFrameStyle::fsRaised: outerA = highlight; outerB = dark; innerA = light; innerB = shadow; break;
    case TFrameStyle::fsEmbossed: outerA = highlight; outerB = shadow; innerA = shadow; innerB = highlight; break;
    case TFrameStyle::fsEngraved: outerA = shadow; outerB = highlight; innerA = highlight; innerB = shadow; break;
    default: return;
  }
  PenCursor c(canvas);
  c.setColor(outerA);
  c.moveTo(left, bottom);
  c.lineTo(left, top);
  c.lineTo(right + 1, top);
  c.moveTo(right, top + 1);
  c.setColor(outerB);
  c.lineTo(right, bottom);
  c.lineTo(left - 1, bottom);
  c.setColor(innerA);
  c.moveTo(left + 1, bottom - 1);
  c.lineTo(left + 1, top + 1);
  c.lineTo(right, top + 1);
  c.moveTo(right - 1, top + 2);
  c.setColor(innerB);
  c.lineTo(right - 1, bottom - 1);
  c.lineTo(left, bottom - 1);
}

namespace {

struct PatternMark {
  int mark;
  std::uint8_t rows[7];
};

constexpr PatternMark kPatterns[] = {
    {1, {0x00, 0x00, 0x08, 0x1C, 0x08, 0x00, 0x00}}, {2, {0x00, 0x08, 0x08, 0x3E, 0x08, 0x08, 0x00}},
    {3, {0x08, 0x08, 0x08, 0x7F, 0x08, 0x08, 0x08}}, {4, {0x00, 0x00, 0x14, 0x08, 0x14, 0x00, 0x00}},
    {5, {0x00, 0x22, 0x14, 0x08, 0x14, 0x22, 0x00}}, {6, {0x41, 0x22, 0x14, 0x08, 0x14, 0x22, 0x41}},
    {18, {0x55, 0x2A, 0x55, 0x2A, 0x55, 0x2A, 0x55}}, {25, {0x63, 0x77, 0x3E, 0x1C, 0x3E, 0x77, 0x63}},
};

const PatternMark* patternOf(int mark) {
  for (const PatternMark& p : kPatterns)
    if (p.mark == mark) return &p;
  return nullptr;
}

void drawPrinterMark(QPainter& canvas, PenCursor& c, int mark, int x, int y) {
  auto plus = [&](int r) {
    c.line(x - r, y, x + r, y);
    c.line(x, y - r, x, y + r);
  };
  auto cross = [&](int r) {
    c.line(x - r, y - r, x + r, y + r);
    c.line(x - r, y + r, x + r, y - r);
  };
  switch (mark) {
    case 1: plus(2); break;
    case 2: plus(3); break;
    case 3: plus(4); break;
    case 4: cross(2); break;
    case 5: cross(3); break;
    case 6: cross(4); break;
    case 18:
      // Zero-length lines, which the printer shows as dots of the pen's width.
      for (int i = 1; i <= 7; ++i)
        for (int j = 1; j <= 7; ++j)
          if ((i + j) % 2 == 0) canvas.drawPoint(x + i - 4, y + j - 4);
      break;
    case 25:
      c.line(x - 3, y - 3, x + 3, y + 3);
      c.line(x - 3, y - 2, x + 2, y + 3);
      c.line(x - 2, y - 3, x + 3, y + 2);
      c.line(x - 3, y + 3, x + 3, y - 3);
      c.line(x - 3, y + 2, x + 2, y - 3);
      c.line(x - 2, y + 3, x + 3, y - 2);
      break;
  }
}

}  // namespace

void DrawMark(QPainter& canvas, int mark, int x, int y, bool printerCanvas) {
  if (mark >= 52) {
    const QString s = QString(QChar(static_cast<char16_t>(mark)));
    QFontMetrics fm(canvas.font());
    const int w = fm.horizontalAdvance(s), h = fm.height();
    canvas.drawText(QRect(x - w / 2, y - h / 2, w, h), Qt::AlignLeft | Qt::AlignTop | Qt::TextDontClip, s);
    return;
  }
  if (mark < 0) return;
  const QBrush saved = canvas.brush();
  const QColor penColor = canvas.pen().color();
  PenCursor c(canvas);
  // Brush states the shapes leave behind.
  auto solidSaved = [&] { canvas.setBrush(QBrush(saved.color(), Qt::SolidPattern)); };
  auto filled = [&] { canvas.setBrush(QBrush(penColor, Qt::SolidPattern)); };
  auto open = [&] { canvas.setBrush(Qt::NoBrush); };
  auto poly = [&](std::initializer_list<QPoint> pts) { canvas.drawPolygon(QPolygon(QList<QPoint>(pts))); };
  auto ellipse = [&](int x1, int y1, int x2, int y2) { canvas.drawEllipse(boxOf(x1, y1, x2, y2)); };
  auto rect = [&](int x1, int y1, int x2, int y2) { canvas.drawRect(boxOf(x1, y1, x2, y2)); };
  auto openSquare = [&](int r) {
    c.moveTo(x - r, y - r);
    c.lineTo(x - r, y + r);
    c.lineTo(x + r, y + r);
    c.lineTo(x + r, y - r);
    c.lineTo(x - r, y - r);
  };
  auto diamondLines = [&] {
    c.moveTo(x - 3, y);
    c.lineTo(x, y + 3);
    c.lineTo(x + 3, y);
    c.lineTo(x, y - 3);
    c.lineTo(x - 3, y);
  };
  // Whether the shape ends with a solid brush (open shapes) or restores the
  // brush (filled shapes).
  bool endSolid = false;

  if (const PatternMark* pm = patternOf(mark)) {
    if (printerCanvas) {
      drawPrinterMark(canvas, c, mark, x, y);
    } else {
      for (int row = 0; row < 7; ++row)
        for (int k = 1; k <= 7; ++k)
          if (pm->rows[row] & (1 << (k - 1))) canvas.fillRect(x + 4 - k, y - 3 + row, 1, 1, penColor);
    }
    return;
  }

  switch (mark) {
    case 0: canvas.fillRect(x, y, 1, 1, penColor); break;
    case 7: case 8: case 9: {
      int r = mark - 6;
      filled();
      rect(x - r, y - r, x + r + 1, y + r + 1);
      break;
    }
    case 10: case 11: case 12: openSquare(mark - 9); break;
    case 13: diamondLines(); canvas.fillRect(x, y, 1, 1, penColor); break;
    case 14: case 15: {
      int r = mark - 12;
      filled();
      poly({{x - r, y}, {x, y + r}, {x + r, y}, {x, y - r}});
      break;
    }
    case 16: case 17: {
      int r = mark - 14;
      open();
      ellipse(x - r, y - r, x + r + 1, y + r + 1);
      endSolid = true;
      break;
    }
    case 19: diamondLines(); break;
    case 20: case 21: {
      int r = mark - 17;
      c.line(x, y, x - r, y + r);
      c.line(x, y, x + r, y + r);
      break;
    }
    case 22: case 23: {
      int r = mark - 19;
      c.line(x, y, x - r, y - r);
      c.line(x, y, x + r, y - r);
      break;
    }
    case 24: filled(); ellipse(x - 3, y - 3, x + 4, y + 4); break;
    case 26: filled(); ellipse(x - 2, y - 2, x + 3, y + 3); break;
    case 27: open(); ellipse(x - 2, y - 2, x + 2, y + 2); endSolid = true; break;
    case 28: filled(); ellipse(x - 2, y - 2, x + 2, y + 2); break;
    case 29: case 30: case 31: case 32: {
      int r = (mark == 29 || mark == 31) ? 2 : 3;
      bool isOpen = mark >= 31;
      isOpen ? open() : filled();
      poly({{x - r, y}, {x, y + r}, {x + r, y}});
      endSolid = isOpen;
      break;
    }
    case 33: case 34:
      mark == 33 ? open() : filled();
      poly({{x - 4, y - 3}, {x, y + 4}, {x + 4, y - 3}});
      endSolid = mark == 33;
      break;
    case 35: case 36:
      mark == 35 ? open() : filled();
      poly({{x - 4, y + 3}, {x, y - 4}, {x + 4, y + 3}});
      endSolid = mark == 35;
      break;
    case 37:
      c.line(x - 3, y, x + 4, y);
      c.line(x, y, x, y - 8);
      break;
    case 38:
      c.line(x - 3, y - 2, x + 4, y - 2);
      c.line(x - 3, y + 2, x + 4, y + 2);
      c.line(x, y - 2, x, y + 2);
      break;
    case 39:
      open();
      ellipse(x - 3, y - 3, x + 4, y + 4);
      c.line(x - 3, y, x + 4, y);
      c.line(x, y - 3, x, y + 4);
      endSolid = true;
      break;
    case 40: case 41:
      mark == 40 ? open() : filled();
      poly({{x + 3, y - 2}, {x - 2, y}, {x + 3, y + 2}});
      endSolid = mark == 40;
      break;
    case 42: case 43:
      mark == 42 ? open() : filled();
      poly({{x + 4, y - 3}, {x - 3, y}, {x + 4, y + 3}});
      endSolid = mark == 42;
      break;
    case 44: case 45:
      mark == 44 ? open() : filled();
      poly({{x - 3, y - 2}, {x + 2, y}, {x - 3, y + 2}});
      endSolid = mark == 44;
      break;
    case 46: case 47:
      mark == 46 ? open() : filled();
      poly({{x - 4, y - 3}, {x + 3, y}, {x - 4, y + 3}});
      endSolid = mark == 46;
      break;
    case 48:
      open();
      rect(x - 3, y - 3, x + 4, y + 4);
      c.line(x - 3, y, x + 4, y);
      c.line(x, y - 3, x, y + 4);
      endSolid = true;
      break;
    case 49:
      open();
      rect(x - 2, y - 2, x + 3, y + 3);
      c.line(x - 4, y, x + 5, y);
      c.line(x, y - 4, x, y + 5);
      endSolid = true;
      break;
    case 50:
      endSolid = true;
      c.line(x - 4, y, x + 5, y);
      c.line(x, y - 4, x, y + 5);
      c.line(x - 3, y - 3, x + 4, y + 4);
      c.line(x - 3, y + 3, x + 4, y - 4);
      break;
    case 51:
      endSolid = true;
      c.line(x - 4, y, x + 5, y);
      c.line(x, y - 4, x, y + 5);
      c.line(x - 1, y - 3, x + 2, y - 3);
      c.line(x - 1, y + 3, x + 2, y + 3);
      c.line(x - 3, y - 1, x - 3, y + 2);
      c.line(x + 3, y - 1, x + 3, y + 2);
      break;
    default: break;
  }
  if (endSolid)
    solidSaved();
  else
    canvas.setBrush(saved);
}

std::uint32_t SwapRedBlue(std::uint32_t value) {
  return ((value & 0xFF) << 16) | (value & 0xFF00) | ((value >> 16) & 0xFF);
}

// --- TDTLabel -------------------------------------------------------------

void TDTLabel::Changed() {
  if (OnChange) OnChange(this);
}
void TDTLabel::setTimeFormat(TTimeFormat v) { F.timeFormat = v; Changed(); }
void TDTLabel::setDateOrder(TDateOrder v) { F.dateOrder = v; Changed(); }
void TDTLabel::setDateSeparator(QChar v) { if (v.unicode() != F.dateSeparator) { F.dateSeparator = v.unicode(); Changed(); } }
void TDTLabel::setTimeSeparator(QChar v) { if (v.unicode() != F.timeSeparator) { F.timeSeparator = v.unicode(); Changed(); } }
void TDTLabel::setYearLength(TYearLength v) { if (v != F.yearLength) { F.yearLength = v; Changed(); } }
void TDTLabel::setMonthName(bool v) { if (v != F.monthName) { F.monthName = v; Changed(); } }
void TDTLabel::setDateForTime(TDateForTime v) { if (v != F.dateForTime) { F.dateForTime = v; Changed(); } }
void TDTLabel::Assign(const TDTLabel& s) {
  F = s.F;
  Changed();
}

// --- TCrossHair -----------------------------------------------------------

void TCrossHair::Changed() {
  if (OnChange) OnChange(this);
}
void TCrossHair::setPosX(double v) { FPosX = v; Changed(); }
void TCrossHair::setPosY(double v) { FPosY = v; Changed(); }
void TCrossHair::setColor(QColor v) { FColor = v; Changed(); }
void TCrossHair::setMode(TCrossHMode v) { FMode = v; Changed(); }
void TCrossHair::setLineType(Qt::PenStyle v) { FLineType = v; Changed(); }
void TCrossHair::setLineWid(int v) { FLineWid = v; Changed(); }
void TCrossHair::setLayer(int v) { FLayer = std::clamp(v, 1, 16); Changed(); }

// --- TCustomTextLabel -----------------------------------------------------

void TCustomTextLabel::Changed() {
  if (OnChange) OnChange(this);
}
void TCustomTextLabel::setPosX(double v) { FPosX = v; Changed(); }
void TCustomTextLabel::setPosY(double v) { FPosY = v; Changed(); }
void TCustomTextLabel::setLayer(int v) {
  if (v < 1 || v > 16) return;
  FLayer = v;
  Changed();
}
void TCustomTextLabel::setShadowDx(int v) { FXShadow = v; Changed(); }
void TCustomTextLabel::setShadowDy(int v) { FYShadow = v; Changed(); }
void TCustomTextLabel::setColorShadow(QColor v) { FColorShadow = v; Changed(); }
void TCustomTextLabel::setAlignment(Qt::Alignment v) { FAlignment = v; Changed(); }
void TCustomTextLabel::setVerticalAlignment(TVerticalAlignment v) { FVertAlign = v; Changed(); }
void TCustomTextLabel::setAttachToData(TTxtLblAttachMode v) { FAttachDat = v; Changed(); }
void TCustomTextLabel::setColorBkg(QColor v) { FColorBkg = v; Changed(); }
void TCustomTextLabel::setColorBorder(QColor v) { FColorBrd = v; Changed(); }
void TCustomTextLabel::setTransparent(bool v) { FTransPar = v; Changed(); }
void TCustomTextLabel::setFont(const QFont& v) { FFont = v; Changed(); }
void TCustomTextLabel::setCaption(const QString& v) {
  QString s = v;
  for (QChar& ch : s)
    if (ch.unicode() < 32 && ch.unicode() != 10) ch = u' ';
  FCaption = s;
  Changed();
}
void TCustomTextLabel::setMode(TTxtLblMode v) { FMode = v; Changed(); }
void TCustomTextLabel::setVisible(bool v) { FVisible = v; Changed(); }

}  // namespace zw
