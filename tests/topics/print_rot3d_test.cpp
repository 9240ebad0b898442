// Printing a 3D view onto the open print job.
#include <QFile>
#include <QPainter>
#include <QPdfWriter>
#include <QTemporaryDir>
#include <gtest/gtest.h>

#include "charts/Rot3D.h"
#include "shell/State.h"
#include "topics/frame/PrintRot3D.h"

namespace zw {
namespace {

int pagesOf(const QString& path) {
  QFile f(path);
  if (!f.open(QIODevice::ReadOnly)) return -1;
  return static_cast<int>(f.readAll().count("/Type /Page\n"));
}

TEST(PrintRot3D, PrintsWhereYStandsAndBreaksThePageOnlyWhenNeeded) {
  TRot3D view;
  view.Line(0, 0, 0, 1, 1, 1);
  view.MakeVisible();
  ShellState& s = shellState();
  const ShellState saved = s;
  s.PrintScale = 1.0;
  s.PrintBlackWhite = true;
  QTemporaryDir dir;
  struct Case { int y; int pages; } cases[] = {
      {300, 1},     // the top of a page
      {4000, 1},    // room enough: 4000 + 1875 below the page end
      {5500, 2},    // would cross the page end: a new page first
  };
  for (const Case& c : cases) {
    const QString path = dir.filePath(QStringLiteral("p%1.pdf").arg(c.y));
    {
      QPdfWriter pdf(path);
      pdf.setResolution(600);
      QPainter painter(&pdf);
      int y = c.y;
      PrintRot3D(painter, pdf, y, view);
      EXPECT_EQ(y, c.y);
    }
    EXPECT_EQ(pagesOf(path), c.pages) << c.y;
  }
  EXPECT_EQ(view.ColorChart(), QColor(Qt::white));
  s = saved;
}

}  // namespace
}  // namespace zw
