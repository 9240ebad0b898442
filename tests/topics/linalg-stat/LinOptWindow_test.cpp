// The linear-optimisation window on the offscreen platform: reading the two
// grids, its messages, the worksheet keys, the rerun on activation, and the
// chart: the region under the lines, the black-and-white snapshot, the hints
// of the settings dialog and the printout.
#include <algorithm>
#include <gtest/gtest.h>

#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QGroupBox>
#include <QImage>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>

#include "charts/ChartDraw.h"
#include "charts/ChartExport.h"
#include "platform/ini/IniFile.h"
#include "shell/Settings.h"
#include "shell/State.h"
#include "shell/commands/Commands.h"
#include "shell/kit/Grids.h"
#include "tests/topics/PdfText.h"
#include "tests/topics/TopicTestBase.h"
#include "topics/frame/ChartDialog.h"
#include "topics/linalg-stat/LinOptWindow.h"

namespace zw {
namespace {

class LinOptWindow : public TopicTestBase {
protected:
  void SetUp() override {
    TopicTestBase::SetUp();
    shellState().MemoryOption = false;
    kernelState().RegionalDecimalSeparator = u',';
  }
  // Objective a, b; rows (a, b, c).
  static void fill(TFLinOpt& w, const QString& a, const QString& b, const std::vector<QStringList>& rows) {
    w.objectiveGrid()->setCells(1, 1, a);
    w.objectiveGrid()->setCells(3, 1, b);
    for (int r = 1; r <= 6; ++r)
      for (int k = 0; k < 3; ++k)
        w.constraintGrid()->setCells(1 + 2 * k, r, r <= int(rows.size()) ? rows[std::size_t(r - 1)].value(k) : QString());
  }
  std::unique_ptr<TFLinOpt> minimiseExample() {
    auto w = openTopic<TFLinOpt>();
    w->minButton()->click();
    fill(*w, "1", "1", {{"2", "1", "8"}, {"1", "3", "9"}});
    return w;
  }
};

TEST_F(LinOptWindow, MaximiseWithTheRadioButtonsAndGrids) {
  auto w = openTopic<TFLinOpt>();
  EXPECT_FALSE(w->maximising());  // a new window minimises
  EXPECT_EQ(w->constraintGrid()->Cells(4, 1), QStringLiteral("· y    ≥"));
  w->maxButton()->click();
  EXPECT_TRUE(w->maximising());
  EXPECT_EQ(w->constraintGrid()->Cells(4, 6), QStringLiteral("· y    ≤"));
  // Rows 1 and 3 filled, row 2 empty: two constraints in grid order.
  fill(*w, "3", "2", {{"1", "1", "4"}, {"", "", "5"}, {"1", "3", "6"}});
  w->okButton(0)->click();
  EXPECT_TRUE(errors_.empty());
  EXPECT_EQ(w->currentPage(), 1);
  EXPECT_EQ(w->memoLines(),
            QStringList({"Zielfunktion:   ", "  ƒ(x,y) = 3·x + 2·y → Maximum", "", "Randbedingungen:", "  x≥0",
                         "  y≥0", "  x + y ≤ 4", "  x + 3·y ≤ 6", "", "Maximum", "  x = 4   y = 0",
                         "  ƒ(x,y) = 12"}));
}

TEST_F(LinOptWindow, MessagesForAZeroObjectiveBadCellsAndNoFeasiblePoint) {
  auto w = openTopic<TFLinOpt>();
  w->maxButton()->click();
  fill(*w, "1", "1", {{"1", "1", "4"}});
  w->okButton(0)->click();
  const QStringList before = w->memoLines();
  struct Case {
    QString a, b;
    std::vector<QStringList> rows;
    QString message;
  };
  const Case cases[] = {
      {"0", "", {{"1", "1", "4"}}, "Zu wenig Eingaben"},
      {"1", "1", {{"1", "?", "4"}}, "Unzulässige Eingabe"},
      {"1", "1", {{"1", "1", "-1"}}, "Unzulässige Daten"},  // x + y ≤ −1: nothing feasible
  };
  for (const Case& c : cases) {
    errors_.clear();
    if (w->currentPage() != 0) w->pageControl()->setCurrentIndex(0);
    fill(*w, c.a, c.b, c.rows);
    w->okButton(0)->click();
    EXPECT_EQ(errors_, std::vector<QString>{c.message}) << c.message.toStdString();
    EXPECT_EQ(w->currentPage(), 0) << c.message.toStdString();
    EXPECT_EQ(w->memoLines(), before) << c.message.toStdString();
    if (c.message == "Unzulässige Eingabe") {
      // The unreadable cell is the one in edit mode.
      EXPECT_EQ(w->constraintGrid()->Col(), 3);
      EXPECT_EQ(w->constraintGrid()->Row(), 1);
    }
  }
}

TEST_F(LinOptWindow, ActivationRerunsOnceEvenUnderAnOpenBox) {
  auto w = minimiseExample();
  w->okButton(0)->click();
  ASSERT_EQ(w->runs(), 1);
  // An activation on the results page computes again.
  w->pageChanged(w->currentPage());
  EXPECT_EQ(w->runs(), 2);
  // A box of a failing reading activates the window again: no second run,
  // no second box.
  fill(*w, "1", "1", {{"-1", "-1", "4"}});
  w->pageControl()->setCurrentIndex(1);
  errors_.clear();
  TFLinOpt* raw = w.get();
  commandUi().error = [this, raw](QWidget*, const QString& text) {
    errors_.push_back(text);
    raw->pageChanged(1);  // what an activation does
  };
  w->pageChanged(1);
  EXPECT_EQ(errors_, std::vector<QString>{"Unzulässige Daten"});
}

TEST_F(LinOptWindow, WorksheetKeys) {
  ShellState& st = shellState();
  st.GraphColorList = st.SettingsLineColor = QString::fromLatin1(DefaultLineColor);
  st.GraphWidthList = st.SettingsLineWidth = QString::fromLatin1(DefaultLineWidth);
  auto w = minimiseExample();
  shellState().GraphAreaColor = 7;
  shellState().GraphAreaWidth = 3;
  w->objectiveGrid()->setCells(3, 1, "  1  ");
  deliverCommand(w.get(), WM_SAVEWORKSHEET, file("lo.dat"));
  const IniFile ini(file("lo.dat"));
  EXPECT_EQ(ini.keys("LinOpt"), (QStringList{"a", "b", "x1", "y1", "z1", "x2", "y2", "z2", "LineColor", "LineWidth",
                                             "AreaColor", "AreaRand", "max"}));
  EXPECT_EQ(ini.readString("LinOpt", "b"), "1");  // trimmed
  EXPECT_EQ(ini.readString("LinOpt", "max"), "false");
  EXPECT_EQ(ini.readString("LinOpt", "AreaColor"), "7");

  shellState().GraphAreaColor = 1;
  auto other = openTopic<TFLinOpt>();
  other->maxButton()->click();
  deliverCommand(other.get(), WM_LOADWORKSHEET, file("lo.dat"));
  EXPECT_FALSE(other->maximising());
  EXPECT_EQ(other->constraintGrid()->Cells(5, 2), "9");
  EXPECT_EQ(shellState().GraphAreaColor, 7);
  EXPECT_EQ(shellState().GraphAreaWidth, 3);
  // Missing keys: minimise and the settings' area values; garbage too.
  IniFile bad(file("bad.dat"));
  bad.writeString("LinOpt", "AreaColor", "99");
  bad.writeString("LinOpt", "AreaRand", "x");
  ASSERT_TRUE(bad.save());
  other->maxButton()->click();
  deliverCommand(other.get(), WM_LOADWORKSHEET, file("bad.dat"));
  EXPECT_FALSE(other->maximising());
  // The settings' colour, kept within the palette (the test's shell state has none loaded).
  EXPECT_EQ(shellState().GraphAreaColor, std::clamp(shellState().SettingsAreaColor, 1, PaletteSize));
  EXPECT_EQ(shellState().GraphAreaWidth, shellState().SettingsRandWidth);
  EXPECT_EQ(other->constraintGrid()->Cells(1, 1), "");
  EXPECT_EQ(other->constraintGrid()->Cells(2, 1), QStringLiteral(" · x  + "));  // labels stay
}

TEST_F(LinOptWindow, ChartFillsTheRegionUnderTheLines) {
  auto w = minimiseExample();
  shellState().GraphAreaColor = 3;
  w->pageControl()->setCurrentIndex(2);
  ASSERT_TRUE(errors_.empty());
  EXPECT_TRUE(w->memoLines().contains("  x = 3   y = 2"));
  TVIrada& chart = w->chartPage().chart();
  const QImage img = ChartExportImage(chart, false).convertToFormat(QImage::Format_RGB32);
  const auto pixel = [&](double x, double y) {
    int px = 0, py = 0;
    chart.Layers().R2M(1, x, y, px, py);
    return img.pixel(px, py) & 0xFFFFFF;
  };
  const QRgb area = ToQColor(PaletteColor(3)).rgb() & 0xFFFFFF;
  // Points between the grid lines.
  EXPECT_EQ(pixel(6.3, 6.3), area);    // inside the region
  EXPECT_NE(pixel(0.7, 0.7), area);  // below both constraints
  // Far beyond the vertices the region still fills the view.
  EXPECT_EQ(pixel(9.3, 8.7), area);
  // The first constraint is drawn over the region's edge.
  const QRgb line = ToQColor(w->chartPage().color(1)).rgb() & 0xFFFFFF;
  EXPECT_EQ(pixel(1.5, 5), line);

  // The snapshot is black and white, the region hatched.
  QApplication::clipboard()->clear();
  deliverCommand(w.get(), WM_SNAPSHOT);
  const QImage bw = QApplication::clipboard()->image().convertToFormat(QImage::Format_RGB32);
  ASSERT_FALSE(bw.isNull());
  for (int y = 0; y < bw.height(); y += 2)
    for (int x = 0; x < bw.width(); x += 2) {
      const QRgb p = bw.pixel(x, y);
      ASSERT_TRUE(qRed(p) == qGreen(p) && qGreen(p) == qBlue(p)) << x << "," << y;
    }
}

TEST_F(LinOptWindow, SettingsHintsAndPrintout) {
  auto w = minimiseExample();
  w->pageControl()->setCurrentIndex(2);
  QStringList tips;
  bool areaShown = false;
  w->chartPage().runDialog = [&tips, &areaShown](TFFormChart* d) {
    for (int i : {1, 2, 5}) tips << d->rowColorButtons[static_cast<std::size_t>(i)]->toolTip();
    areaShown = !d->areaGroup->isHidden();
    return 0;  // cancelled
  };
  deliverCommand(w.get(), WM_CHARTSETTINGS);
  w->chartPage().runDialog = nullptr;
  EXPECT_EQ(tips, QStringList({QStringLiteral("2·x + y ≥ 8"), QStringLiteral("x + 3·y ≥ 9"),
                               QStringLiteral("Zielfunktion")}));
  EXPECT_TRUE(areaShown);

  const QString pdf = printToPdf("lo.pdf");
  deliverCommand(w.get(), WM_PRINTWORKSHEET);
  const QString text = PdfText(pdf);
  EXPECT_TRUE(text.contains("Zahlwerk 10.0: Lineare Optimierung")) << text.toStdString();
  EXPECT_TRUE(text.contains("x + 3·y ≥ 9")) << text.toStdString();
  EXPECT_GT(QFile(pdf).size(), 2000);
}

}  // namespace
}  // namespace zw
