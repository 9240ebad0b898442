#pragma once
// The printout of a topic window: a header line with the program's name and
// the topic's title, then the memo lines with page breaks. Positions are in
// the printer's device pixels (left edge 500, first line 300).
#include <QFont>
#include <QString>
#include <QStringList>

class QPainter;
class QPagedPaintDevice;

namespace zw {

struct PrintCursor {
  int x = 500;
  int y = 300;
  int lineStep = 0;
};

// A screen font for a printer canvas: a size given in screen pixels becomes
// the same size in points (at 96 pixels per inch), so it prints as large as
// it shows.
QFont PrinterFont(const QFont& screenFont);

// A memo line as printed: the superscript T becomes "T" and the pieces of the
// big brackets of vectors and matrices become "|".
QString PrintableLine(QString line);

// With the document begun: "Zahlwerk 10.0: " + title in Arial 14 at
// (500, 300); y := 600; line step := 1.5 times the height of "Hy" in the
// fixed font, rounded.
void PrintPageHeader(QPainter& painter, PrintCursor& cursor, const QString& title);

// Each line at x = 500 and the cursor's y in `font`; the line step becomes the
// height of "Hy" in that font; a new page (y := 300) begins when less than
// two line steps are left; one more line step after the last line.
void PrintMemoLines(QPainter& painter, QPagedPaintDevice& device, const QFont& font, const QStringList& lines,
                    PrintCursor& cursor);

}  // namespace zw
