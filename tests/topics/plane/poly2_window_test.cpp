// The window of arbitrary polygons: the list grid with its refusals (a gap,
// too few corners, a bad cell), the chart, the grid's pop-up, the worksheet
// and F1.
#include <QApplication>
#include <QClipboard>
#include <QFile>
#include <QKeyEvent>
#include <QPushButton>
#include <QTabWidget>

#include "platform/desktop/Desktop.h"
#include "shell/commands/Commands.h"
#include "shell/help/Help.h"
#include "shell/gridexchange/GridMenu.h"
#include "shell/kit/Grids.h"
#include "shell/texts/Texts.h"
#include "tests/topics/ChartFigures.h"
#include "tests/topics/TopicTestBase.h"
#include "topics/plane/Poly2Window.h"

namespace zw {
namespace {

class Poly2WindowTest : public TopicTestBase {
protected:
  static void fill(TFPoly2& w, const std::vector<std::pair<QString, QString>>& rows) {
    for (int r = 1; r <= 20; ++r) {
      const bool in = r <= int(rows.size());
      w.grid()->setCells(1, r, in ? rows[std::size_t(r - 1)].first : QString());
      w.grid()->setCells(2, r, in ? rows[std::size_t(r - 1)].second : QString());
    }
  }
};

TEST_F(Poly2WindowTest, SquareResultsAndChart) {
  auto w = openTopic<TFPoly2>();
  w->resize(700, 450);
  fill(*w, {{"0", "0"}, {"4", "0"}, {"4", "4"}, {"0", "4"}});
  w->okButton(0)->click();
  ASSERT_EQ(w->currentPage(), 1);
  EXPECT_TRUE(memoHas(*w, GetText(IPoly2, 14) + " + " + GetText(IPoly2, 15)));
  w->okButton(1)->click();
  ASSERT_EQ(w->currentPage(), 2);
  using namespace figures;
  ChartPage& p = w->chartPage();
  std::vector<Figure> expected = {{Segment{0, 4, 0, 0}, p.color(1), p.width(1)},
                                  {Segment{0, 0, 4, 0}, p.color(1), p.width(1)},
                                  {Segment{4, 0, 4, 4}, p.color(1), p.width(1)},
                                  {Segment{4, 4, 0, 4}, p.color(1), p.width(1)},
                                  {Circle{2, 2, std::sqrt(8.0)}, p.color(2), p.width(2)},
                                  {Circle{2, 2, 2}, p.color(3), p.width(3)}};
  for (const Figure& a : Axes(p.chart())) expected.push_back(a);
  EXPECT_TRUE(DrawsExactly(p.chart(), expected));
  EXPECT_TRUE(errors_.empty());
}

TEST_F(Poly2WindowTest, Refusals) {
  struct Case {
    std::vector<std::pair<QString, QString>> rows;
    int message, col, row;
  };
  const Case cases[] = {
      {{{"0", "0"}, {"1", "0"}, {"", ""}, {"1", "1"}}, 22, 1, 3},      // a gap above the last corner
      {{{"0", "0"}, {"1", "0"}}, 3, 1, 1},                              // two corners
      {{{"0", "0"}, {"1", "1#"}, {"1", "1"}, {"1e999", "2"}}, 22, 2, 2},  // the first bad cell
      {{{"0", "0"}, {"1", "0"}, {QString(10000, '9'), "1"}}, 22, 1, 3},
      {{{"0", "0"}, {"1", "0"}, {"1", "1"}, {"", "2#"}}, 22, 2, 4},  // a y below the corners is read too
  };
  for (const Case& c : cases) {
    auto w = openTopic<TFPoly2>();
    fill(*w, c.rows);
    errors_.clear();
    w->okButton(0)->click();
    EXPECT_EQ(w->currentPage(), 0) << c.message;
    ASSERT_EQ(errors_.size(), 1u) << c.message;
    EXPECT_EQ(errors_[0], GetMessageText(c.message));
    EXPECT_EQ(w->grid()->Col(), c.col) << c.message << " row " << c.row;
    EXPECT_EQ(w->grid()->Row(), c.row) << c.message;
  }
}

TEST_F(Poly2WindowTest, PasteExportImportAndWorksheet) {
  auto w = openTopic<TFPoly2>();
  auto* menu = w->grid()->findChild<GridMenu*>();
  ASSERT_NE(menu, nullptr);
  QApplication::clipboard()->setText("0 0\r\n4 0\r\n4 2\r\n0 2\r\n");
  menu->paste();
  EXPECT_EQ(w->grid()->Cells(2, 3), "2");
  commandUi().saveFile = [&](QWidget*, const QString&, const QString&) { return file("poly.csv"); };
  menu->exportCsv();
  QFile f(file("poly.csv"));
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_TRUE(QString::fromUtf8(f.readAll()).startsWith("0;0\r\n4;0\r\n4;2\r\n0;2\r\n"));
  f.close();
  fill(*w, {});
  commandUi().openFile = [&](QWidget*, const QString&, const QString&) { return file("poly.csv"); };
  menu->importCsv();
  EXPECT_EQ(w->grid()->RowCount(), 21);
  EXPECT_EQ(w->grid()->ColCount(), 3);
  EXPECT_EQ(w->grid()->Cells(1, 2), "4");
  w->okButton(0)->click();
  EXPECT_TRUE(memoHas(*w, GetText(IPoly2, 14)));
  // Only filled cells are written, trimmed.
  w->grid()->setCells(1, 5, "  ");
  w->grid()->setCells(2, 1, " 0 ");
  const QString ws = file("p2.dat");
  deliverCommand(w.get(), WM_SAVEWORKSHEET, ws);
  QFile in(ws);
  ASSERT_TRUE(in.open(QIODevice::ReadOnly));
  const QString text = QString::fromUtf8(in.readAll());
  EXPECT_TRUE(text.contains("y1=0\n") || text.contains("y1=0\r\n"));
  EXPECT_FALSE(text.contains("x5="));
  fill(*w, {});
  deliverCommand(w.get(), WM_LOADWORKSHEET, ws);
  EXPECT_EQ(w->grid()->Cells(1, 3), "4");
  EXPECT_EQ(w->grid()->Cells(2, 4), "2");
  EXPECT_TRUE(errors_.empty());
}

TEST_F(Poly2WindowTest, F1OpensTheTopicsHelp) {
  auto w = openTopic<TFPoly2>();
  QKeyEvent over(QEvent::ShortcutOverride, Qt::Key_F1, Qt::NoModifier);
  QApplication::sendEvent(w.get(), &over);
  EXPECT_TRUE(over.isAccepted());
  RecordingDesktopServices rec;
  ScopedDesktopServices use(rec);
  QKeyEvent release(QEvent::KeyRelease, Qt::Key_F1, Qt::NoModifier);
  QApplication::sendEvent(w.get(), &release);
  ASSERT_EQ(rec.calls.size(), 1u);
  EXPECT_EQ(rec.calls.back().target, webHelpAddress(HelpContextOf(IPoly2), currentHelpLanguageLetter()));
}

}  // namespace
}  // namespace zw
