// The family and series windows: members drawn one by one in their graph
// colours as a long run, ESC keeping what is drawn, refused range fields, the
// worksheet and the printout with its legend.
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QTabWidget>
#include <cmath>

#include "platform/ini/IniFile.h"
#include "tests/topics/PdfText.h"
#include "tests/topics/analysis/CurveWindowTest.h"
#include "topics/analysis/ReihenWindow.h"
#include "topics/analysis/ScharWindow.h"

namespace zw {
namespace {

using curves::StrokesIn;

class RunsWindowTest : public CurveWindowTest {};

TEST_F(RunsWindowTest, FamilyMembersInTheirGraphColours) {
  auto w = openTopic<TFSchar>();
  w->resize(720, 480);
  w->termEdit()->setText(QStringLiteral("k*x^2"));
  w->rangeEdits()[0]->setText(QStringLiteral("-2"));
  w->rangeEdits()[1]->setText(QStringLiteral("2"));
  w->rangeEdits()[2]->setText(QString());
  w->listEdit()->setText(QStringLiteral("0,5; 3"));
  w->okButton(0)->click();
  ASSERT_EQ(w->currentPage(), 1);
  waitForRun(*w);
  // "; " is a doubled separator: an empty member that draws nothing but counts.
  EXPECT_EQ(w->membersDrawn(), 8);
  const ChartPage& page = w->chartPage();
  const double ks[8] = {-2, -1, 0, 1, 2, 0.5, NAN, 3};
  for (int i = 0; i < 8; ++i) {
    SCOPED_TRACE(i);
    const auto pieces = StrokesIn(w->chartPage().chart(), page.color(i + 1));
    EXPECT_EQ(pieces.empty(), std::isnan(ks[i]));
    EXPECT_TRUE(curves::AllOn(pieces, [k = ks[i]](double x) { return k * x * x; }, 1e-6));
  }
  // The creation range x −8 … 8, y −4 … 4 at equal scales: centred on the origin.
  const TChartLayers& l = w->chartPage().chart().Layers();
  EXPECT_NEAR(l.X(1).RangeLow(), -l.X(1).RangeHigh(), 1e-9);
  EXPECT_NEAR(l.Y(1).RangeLow(), -l.Y(1).RangeHigh(), 1e-9);
}

// A member of a long term takes longer than a step should: it is drawn a
// block of samples at a time, ESC stops it in the middle and keeps what is
// drawn, and a redraw gives the members of a run never stopped.
TEST_F(RunsWindowTest, EscapeStopsALongMemberAndARedrawCompletesIt) {
  const QString term = QStringLiteral("k*sin(x)*cos(x)+").repeated(300) + QStringLiteral("k");
  const auto opened = [&] {
    auto w = openTopic<TFSchar>();
    w->resize(720, 480);
    w->termEdit()->setText(term);
    w->rangeEdits()[0]->setText(QStringLiteral("1"));
    w->rangeEdits()[1]->setText(QStringLiteral("3"));
    w->rangeEdits()[2]->setText(QStringLiteral("1"));
    w->listEdit()->setText(QString());
    return w;
  };
  auto whole = opened();
  whole->okButton(0)->click();
  waitForRun(*whole);
  ASSERT_EQ(whole->membersDrawn(), 3);
  const auto expected = StrokesOf(whole->chartPage(), 3);
  ASSERT_TRUE(curves::Chained(expected[0]));

  auto w = opened();
  w->okButton(0)->click();
  const ChartPage& page = w->chartPage();
  escapeOnceTheFirstCurveShows(*w, page);
  EXPECT_EQ(w->membersDrawn(), 0);  // the first member was stopped halfway
  const auto part = StrokesIn(page.chart(), page.color(1));
  EXPECT_FALSE(part.empty());
  EXPECT_LT(part.size(), expected[0].size());
  w->chartPage().doubleClicked();
  waitForRun(*w);
  const auto again = StrokesOf(page, 3);
  for (int i = 0; i < 3; ++i) EXPECT_TRUE(curves::SameStrokes(again[std::size_t(i)], expected[std::size_t(i)])) << i + 1;
}

TEST_F(RunsWindowTest, FamilyRangeFieldsAreChecked) {
  for (int i = 0; i < 3; ++i) {
    SCOPED_TRACE(i);
    errors_.clear();
    auto w = openTopic<TFSchar>();
    w->termEdit()->setText(QStringLiteral("k*x"));
    for (int j = 0; j < 3; ++j) w->rangeEdits()[std::size_t(j)]->setText(j == i ? QStringLiteral("abc") : QStringLiteral("1"));
    w->okButton(0)->click();
    EXPECT_EQ(w->currentPage(), 0);
    ASSERT_EQ(errors_.size(), 1u);
    EXPECT_EQ(errors_[0], GetMessageText(22));
    EXPECT_EQ(w->focusWidget(), w->rangeEdits()[std::size_t(i)]);
  }
}

TEST_F(RunsWindowTest, FamilyPrintoutHasTheLegend) {
  const QString pdf = printToPdf(QStringLiteral("schar.pdf"));
  auto w = openTopic<TFSchar>();
  w->termEdit()->setText(QStringLiteral("k*x"));
  w->listEdit()->setText(QStringLiteral("1 2"));
  // Never opened: the printout builds the chart.
  deliverCommand(w.get(), WM_PRINTWORKSHEET);
  const QString text = PdfText(pdf);
  EXPECT_TRUE(text.contains(QStringLiteral("Kurvenscharen"))) << text.toStdString();
  EXPECT_TRUE(text.contains(QStringLiteral("———ƒ2"))) << text.toStdString();
  EXPECT_FALSE(text.contains(QStringLiteral("———ƒ3"))) << text.toStdString();
}

TEST_F(RunsWindowTest, FamilyWorksheetRoundTrip) {
  const QString path = file("s.dat");
  {
    auto w = openTopic<TFSchar>();
    w->termEdit()->setText(QStringLiteral("k*x"));
    w->listEdit()->setText(QStringLiteral("1;2"));
    w->rangeEdits()[0]->setText(QStringLiteral("-1"));
    deliverCommand(w.get(), WM_SAVEWORKSHEET, path);
  }
  IniFile ini(path);
  for (const char* k : {"fkt", "k_aus", "k_min", "k_max", "k_step", "xmin", "xmax", "ymin", "ymax", "LineColor", "LineWidth"})
    EXPECT_TRUE(ini.hasKey("schar", k)) << k;
  auto w = openTopic<TFSchar>();
  deliverCommand(w.get(), WM_LOADWORKSHEET, path);
  EXPECT_EQ(w->listEdit()->text(), "1;2");
  EXPECT_EQ(w->rangeEdits()[0]->text(), "-1");
}

TEST_F(RunsWindowTest, SeriesPartialSums) {
  auto w = openTopic<TFReihen>();
  w->resize(720, 480);
  w->termEdit()->setText(QStringLiteral("x^k/fak(k)"));
  const char* cells[3][3] = {{"0", "3", "0"}, {"0", "7", "2"}, {"1,6", "1", "0"}};
  for (int r = 0; r < 3; ++r)
    for (int c = 0; c < 3; ++c) w->edit(r, c)->setText(QString::fromUtf8(cells[r][c]));
  w->okButton(0)->click();
  ASSERT_EQ(w->currentPage(), 1);
  waitForRun(*w);
  const ChartPage& page = w->chartPage();
  auto taylor = [](int n, double dy) {
    return [n, dy](double x) {
      double s = 0, t = 1;
      for (int k = 0; k <= n; ++k) s += t, t *= x / (k + 1);
      return s + dy;
    };
  };
  EXPECT_TRUE(curves::AllOn(StrokesIn(page.chart(), page.color(1)), taylor(3, 0), 1e-6));
  EXPECT_TRUE(curves::AllOn(StrokesIn(page.chart(), page.color(2)), taylor(7, 2), 1e-6));
  EXPECT_FALSE(StrokesIn(page.chart(), page.color(1)).empty());
  // 1.6 reads as 2, above the last value 1: no third curve.
  EXPECT_TRUE(StrokesIn(page.chart(), page.color(3)).empty());
  // Zooming out redraws over the new range.
  const double before = page.chart().Layers().X(1).RangeHigh();
  w->chartPage().wheel(-1);
  waitForRun(*w);
  const double after = page.chart().Layers().X(1).RangeHigh();
  ASSERT_GT(after, before);
  EXPECT_GT(curves::HighestX(StrokesIn(page.chart(), page.color(1))), before);
}

TEST_F(RunsWindowTest, EscapeStopsTheSeriesAndKeepsWhatIsDrawn) {
  auto w = openTopic<TFReihen>();
  w->resize(720, 480);
  w->termEdit()->setText(QStringLiteral("sin(k*x)/k"));
  w->edit(0, 0)->setText(QStringLiteral("1"));
  w->edit(0, 1)->setText(QStringLiteral("1000000"));
  w->okButton(0)->click();
  ASSERT_TRUE(w->longRun().running());
  QElapsedTimer t;
  t.start();
  while (StrokesIn(w->chartPage().chart(), w->chartPage().color(1)).empty() && t.elapsed() < 30000)
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
  QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
  QApplication::sendEvent(w.get(), &esc);
  EXPECT_FALSE(w->longRun().running());
  EXPECT_FALSE(StrokesIn(w->chartPage().chart(), w->chartPage().color(1)).empty());
}

TEST_F(RunsWindowTest, SeriesFieldsAreChecked) {
  errors_.clear();
  auto w = openTopic<TFReihen>();
  w->termEdit()->setText(QStringLiteral("x^k"));
  w->edit(1, 2)->setText(QStringLiteral("1e999"));
  w->okButton(0)->click();
  EXPECT_EQ(w->currentPage(), 0);
  ASSERT_EQ(errors_.size(), 1u);
  EXPECT_EQ(w->focusWidget(), w->edit(1, 2));
}

TEST_F(RunsWindowTest, SeriesWorksheetKeys) {
  const QString path = file("r.dat");
  {
    auto w = openTopic<TFReihen>();
    w->termEdit()->setText(QStringLiteral("x^k"));
    w->edit(2, 2)->setText(QStringLiteral("1,5"));
    deliverCommand(w.get(), WM_SAVEWORKSHEET, path);
  }
  IniFile ini(path);
  for (const char* k : {"fkt", "f1_von", "f1_bis", "f1_dy", "f2_von", "f2_bis", "f2_dy", "f3_von", "f3_bis", "f3_dy",
                        "xmin", "xmax", "ymin", "ymax", "LineColor", "LineWidth"})
    EXPECT_TRUE(ini.hasKey("reihen", k)) << k;
  auto w = openTopic<TFReihen>();
  deliverCommand(w.get(), WM_LOADWORKSHEET, path);
  EXPECT_EQ(w->edit(2, 2)->text(), "1,5");
}

}  // namespace
}  // namespace zw
