#include "topics/frame/TopicPrinting.h"

#include <QFontMetrics>
#include <QPagedPaintDevice>
#include <QPainter>
#include <cmath>

#include "shell/Fonts.h"

namespace zw {

namespace {

void setPrinterFont(QPainter& painter, const QFont& font) { painter.setFont(QFont(font, painter.device())); }

int textHeight(QPainter& painter) { return painter.fontMetrics().height(); }

void drawLineAt(QPainter& painter, int x, int y, const QString& text) {
  // The canvas of the printer draws a text with its top-left corner at (x, y).
  painter.drawText(x, y + painter.fontMetrics().ascent(), text);
}

}  // namespace

QFont PrinterFont(const QFont& screenFont) {
  QFont f(screenFont);
  if (screenFont.pixelSize() > 0) f.setPointSizeF(screenFont.pixelSize() * 72.0 / 96.0);
  return f;
}

QString PrintableLine(QString line) {
  line.replace(QChar(0x1D40), u'T');
  for (char16_t c : {u'\u239B', u'\u239C', u'\u239D', u'\u239E', u'\u239F', u'\u23A0'}) line.replace(QChar(c), u'|');
  return line;
}

void PrintPageHeader(QPainter& painter, PrintCursor& cursor, const QString& title) {
  QFont header;
  header.setFamilies(fontFamiliesFor(QStringLiteral("Arial")));
  header.setPointSize(14);
  setPrinterFont(painter, header);
  cursor.x = 500;
  cursor.y = 300;
  drawLineAt(painter, cursor.x, cursor.y, QStringLiteral("Zahlwerk 10.0: ") + title);
  cursor.y += 300;
  setPrinterFont(painter, PrinterFont(fonts().FixedFont.font));
  cursor.lineStep = static_cast<int>(std::lround(1.5 * textHeight(painter)));
}

void PrintMemoLines(QPainter& painter, QPagedPaintDevice& device, const QFont& font, const QStringList& lines,
                    PrintCursor& cursor) {
  setPrinterFont(painter, PrinterFont(font));
  cursor.lineStep = textHeight(painter);
  const int pageHeight = painter.device()->height();
  for (const QString& line : lines) {
    drawLineAt(painter, 500, cursor.y, PrintableLine(line));
    cursor.y += cursor.lineStep;
    if (pageHeight < cursor.y + 2 * cursor.lineStep) {
      device.newPage();
      cursor.y = 300;
    }
  }
  cursor.y += cursor.lineStep;
}

}  // namespace zw
