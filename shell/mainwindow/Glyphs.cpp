#include "shell/mainwindow/Glyphs.h"

#include <QPainter>
#include <QPainterPath>
#include <QPixmap>

namespace zw {

namespace {

const QColor kInk(0x25, 0x2f, 0x44);
const QColor kPaper(0xfd, 0xfd, 0xfa);
const QColor kBlue(0x2a, 0x5d, 0xb0);
const QColor kYellow(0xf0, 0xb8, 0x30);
const QColor kRed(0xc0, 0x39, 0x2b);

// Drawn on a 32 x 32 grid for sharp glyphs at 16 and 32 pixels.
QIcon paintIcon(void (*draw)(QPainter&)) {
  QPixmap pm(32, 32);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  draw(p);
  p.end();
  return QIcon(pm);
}

void page(QPainter& p) {
  QPainterPath path;
  path.moveTo(7, 3);
  path.lineTo(20, 3);
  path.lineTo(26, 9);
  path.lineTo(26, 29);
  path.lineTo(7, 29);
  path.closeSubpath();
  p.setPen(QPen(kInk, 2));
  p.setBrush(kPaper);
  p.drawPath(path);
  p.drawLine(20, 3, 20, 9);
  p.drawLine(20, 9, 26, 9);
}

void drawNew(QPainter& p) {
  page(p);
  p.setPen(Qt::NoPen);
  p.setBrush(kYellow);
  p.drawEllipse(QPointF(22, 24), 6, 6);
}

void drawOpen(QPainter& p) {
  p.setPen(QPen(kInk, 2));
  p.setBrush(kYellow.darker(110));
  p.drawRect(3, 8, 22, 18);
  p.setBrush(kYellow);
  p.drawPolygon(QPolygonF({QPointF(3, 26), QPointF(9, 14), QPointF(30, 14), QPointF(25, 26)}));
}

void drawSave(QPainter& p) {
  p.setPen(QPen(kInk, 2));
  p.setBrush(kBlue);
  p.drawRoundedRect(4, 4, 24, 24, 2, 2);
  p.setBrush(kPaper);
  p.drawRect(9, 4, 14, 9);
  p.drawRect(8, 18, 16, 10);
}

void drawCut(QPainter& p) {
  p.setPen(QPen(kInk, 2.5));
  p.drawLine(9, 4, 21, 20);
  p.drawLine(23, 4, 11, 20);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(kRed, 2.5));
  p.drawEllipse(QPointF(9, 24), 4.5, 4.5);
  p.drawEllipse(QPointF(23, 24), 4.5, 4.5);
}

void drawCopy(QPainter& p) {
  p.setPen(QPen(kInk, 2));
  p.setBrush(kPaper);
  p.drawRect(4, 4, 15, 19);
  p.drawRect(13, 10, 15, 19);
}

void drawPaste(QPainter& p) {
  p.setPen(QPen(kInk, 2));
  p.setBrush(kYellow.darker(115));
  p.drawRoundedRect(5, 5, 20, 24, 2, 2);
  p.setBrush(kInk);
  p.drawRect(11, 3, 8, 5);
  p.setBrush(kPaper);
  p.drawRect(14, 13, 14, 16);
}

void drawPrint(QPainter& p) {
  p.setPen(QPen(kInk, 2));
  p.setBrush(kPaper);
  p.drawRect(9, 3, 14, 10);
  p.setBrush(QColor(0x9a, 0xa3, 0xb5));
  p.drawRoundedRect(3, 12, 26, 12, 2, 2);
  p.setBrush(kPaper);
  p.drawRect(9, 20, 14, 9);
}

void drawSnapshot(QPainter& p) {
  p.setPen(QPen(kInk, 2));
  p.setBrush(QColor(0x5a, 0x63, 0x75));
  p.drawRoundedRect(3, 9, 26, 18, 3, 3);
  p.drawRect(10, 5, 10, 5);
  p.setBrush(kPaper);
  p.drawEllipse(QPointF(16, 18), 6, 6);
  p.setBrush(kBlue);
  p.drawEllipse(QPointF(16, 18), 3, 3);
}

void drawQuit(QPainter& p) {
  p.setPen(QPen(kInk, 2));
  p.setBrush(QColor(0xa0, 0x6a, 0x3c));
  p.drawRect(6, 3, 16, 26);
  p.setPen(QPen(kRed, 3, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(17, 16, 29, 16);
  p.drawLine(24, 11, 29, 16);
  p.drawLine(24, 21, 29, 16);
}

void drawDemo(QPainter& p) {
  page(p);
  p.setPen(QPen(kBlue, 2));
  for (int y = 13; y <= 25; y += 4) p.drawLine(10, y, 22, y);
}

void drawHelp(QPainter& p) {
  p.setPen(QPen(kInk, 2));
  p.setBrush(kBlue);
  p.drawEllipse(QPointF(16, 16), 13, 13);
  QFont f;
  f.setPixelSize(20);
  f.setBold(true);
  p.setFont(f);
  p.setPen(Qt::white);
  p.drawText(QRectF(0, 0, 32, 32), Qt::AlignCenter, QStringLiteral("?"));
}

}  // namespace

QIcon toolGlyph(ToolGlyph which) {
  switch (which) {
    case ToolGlyph::New: return paintIcon(drawNew);
    case ToolGlyph::Open: return paintIcon(drawOpen);
    case ToolGlyph::Save: return paintIcon(drawSave);
    case ToolGlyph::Cut: return paintIcon(drawCut);
    case ToolGlyph::Copy: return paintIcon(drawCopy);
    case ToolGlyph::Paste: return paintIcon(drawPaste);
    case ToolGlyph::Print: return paintIcon(drawPrint);
    case ToolGlyph::Snapshot: return paintIcon(drawSnapshot);
    case ToolGlyph::Quit: return paintIcon(drawQuit);
    case ToolGlyph::Demo: return paintIcon(drawDemo);
    case ToolGlyph::Help: return paintIcon(drawHelp);
  }
  return {};
}

QIcon languageGlyph(int k, const QString& languageName) {
  QPixmap pm(30, 18);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  const QRect r(0, 0, 30, 18);
  switch (k) {
    case 0:  // three horizontal bands
      p.fillRect(0, 0, 30, 6, Qt::black);
      p.fillRect(0, 6, 30, 6, QColor(0xdd, 0x00, 0x00));
      p.fillRect(0, 12, 30, 6, QColor(0xff, 0xce, 0x00));
      break;
    case 1: {  // blue field with white and red crosses and diagonals
      p.setRenderHint(QPainter::Antialiasing);
      p.fillRect(r, QColor(0x01, 0x21, 0x69));
      p.setPen(QPen(Qt::white, 4));
      p.drawLine(0, 0, 30, 18);
      p.drawLine(30, 0, 0, 18);
      p.setPen(QPen(QColor(0xc8, 0x10, 0x2e), 1.5));
      p.drawLine(0, 0, 30, 18);
      p.drawLine(30, 0, 0, 18);
      p.setRenderHint(QPainter::Antialiasing, false);
      p.fillRect(12, 0, 6, 18, Qt::white);
      p.fillRect(0, 6, 30, 6, Qt::white);
      p.fillRect(13, 0, 4, 18, QColor(0xc8, 0x10, 0x2e));
      p.fillRect(0, 7, 30, 4, QColor(0xc8, 0x10, 0x2e));
      break;
    }
    case 2:  // three vertical bands
      p.fillRect(0, 0, 10, 18, QColor(0x00, 0x23, 0x95));
      p.fillRect(10, 0, 10, 18, Qt::white);
      p.fillRect(20, 0, 10, 18, QColor(0xed, 0x29, 0x39));
      break;
    default: {
      p.setRenderHint(QPainter::Antialiasing);
      p.setPen(QPen(kInk, 1));
      p.setBrush(QColor(0xe8, 0xec, 0xf4));
      p.drawRoundedRect(QRectF(0.5, 0.5, 29, 17), 3, 3);
      QFont f;
      f.setPixelSize(11);
      f.setBold(true);
      p.setFont(f);
      const QString badge =
          languageName.isEmpty() ? QString::number(k) : languageName.left(2).toUpper();
      p.drawText(r, Qt::AlignCenter, badge);
      break;
    }
  }
  if (k <= 2) {
    p.setPen(QColor(0, 0, 0, 90));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r.adjusted(0, 0, -1, -1));
  }
  p.end();
  return QIcon(pm);
}

}  // namespace zw
