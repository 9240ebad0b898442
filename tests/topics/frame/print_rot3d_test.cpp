// Printing a 3D view onto the open print job.
#include <QFile>
#include <QPainter>
#include <QPdfWriter>
#include <QPrinter>
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

TEST(PrintRot3D, APrintJobOfItsOwn) {
  TRot3D view;
  view.setObjectName("solid");
  view.Line(0, 0, 0, 1, 1, 1);
  view.MakeVisible();
  QTemporaryDir dir;
  QPrinter printer(QPrinter::HighResolution);
  printer.setOutputFormat(QPrinter::PdfFormat);
  printer.setOutputFileName(dir.filePath("own.pdf"));
  EXPECT_TRUE(view.PrintIt(printer, 1.0, true, true));
  EXPECT_EQ(printer.docName(), "solid");
  EXPECT_EQ(pagesOf(dir.filePath("own.pdf")), 1);
  EXPECT_EQ(view.ColorFrame(), QColor(Qt::black));
  view.resize(3000, 300);  // wider than the page: still one page, from its left edge
  EXPECT_TRUE(view.PrintIt(printer, 1.0, false, false));
}

}  // namespace
}  // namespace zw
