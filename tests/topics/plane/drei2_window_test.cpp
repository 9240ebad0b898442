// The window of triangles from three quantities: the refusals with their
// focus, both solutions of the ambiguous case on their chart pages, the second
// page's settings, the two-page printout and the worksheet.
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

#include "shell/commands/Commands.h"
#include "shell/texts/Texts.h"
#include "tests/topics/ChartFigures.h"
#include "tests/topics/PdfText.h"
#include "tests/topics/TopicTestBase.h"
#include "topics/frame/ChartDialog.h"
#include "topics/plane/Drei2Window.h"

namespace zw {
namespace {

class Drei2WindowTest : public TopicTestBase {
protected:
  std::unique_ptr<TFDrei2> openTwoSolutions() {
    auto w = openTopic<TFDrei2>();
    w->resize(700, 450);
    fill(*w, {{"a", "4"}, {"b", "5"}, {"alpha", "40"}});
    return w;
  }
};

TEST_F(Drei2WindowTest, OneSolutionResultsAndChart) {
  auto w = openTopic<TFDrei2>();
  w->resize(700, 450);
  fill(*w, {{"a", "3"}, {"b", "4"}, {"c", "5"}});
  w->okButton(0)->click();
  ASSERT_EQ(w->currentPage(), 1);
  EXPECT_TRUE(memoHas(*w, GetMessageText(26) + ":    a = 3,   b = 4,   c = 5"));
  EXPECT_TRUE(memoHas(*w, "M(3,5|1)"));
  EXPECT_FALSE(w->hasSecondSolution());
  EXPECT_FALSE(w->pageControl()->isTabEnabled(3));
  w->okButton(1)->click();
  ASSERT_EQ(w->currentPage(), 2);
  using namespace figures;
  ChartPage& p = w->chartPage();
  std::vector<Figure> expected = {{Segment{1, 1, 6, 1}, p.color(1), p.width(1)},
                                  {Segment{6, 1, 4.2, 3.4}, p.color(1), p.width(1)},
                                  {Segment{4.2, 3.4, 1, 1}, p.color(1), p.width(1)},
                                  {Circle{3.5, 1, 2.5}, p.color(2), p.width(2)},
                                  {Circle{4, 2, 1}, p.color(3), p.width(3)}};
  for (const Figure& a : Axes(p.chart())) expected.push_back(a);
  EXPECT_TRUE(DrawsExactly(p.chart(), expected));
  // Without a second solution OK leads back to the inputs.
  w->okButton(2)->click();
  EXPECT_EQ(w->currentPage(), 0);
  EXPECT_TRUE(errors_.empty());
}

TEST_F(Drei2WindowTest, RefusalsWithTheirFocus) {
  struct Case {
    std::initializer_list<std::pair<const char*, const char*>> values;
    int message;
    const char* focus;
  };
  const Case cases[] = {
      {{{"alpha", "60"}, {"beta", "60"}, {"gamma", "60"}}, 6, "a"},
      {{}, 5, "a"},
      {{{"a", "3"}, {"b", "4"}}, 3, "a"},
      {{{"a", "3"}, {"b", "4"}, {"c", "5"}, {"gamma", "5"}}, 4, "a"},
      {{{"a", "1"}, {"b", "2"}, {"c", "5"}}, 5, "a"},
      {{{"a", "3"}, {"b", "4"}, {"gamma", "180"}}, 5, "a"},
      {{{"a", "3"}, {"b", "-4"}, {"gamma", "x"}}, 22, "b"},  // the first bad field
      {{{"a", "3"}, {"b", "4"}, {"gamma", "1e999"}}, 22, "gamma"},
      {{{"a", "3"}, {"b", "4"}, {"beta", "5\x01" "5"}}, 22, "beta"},
  };
  for (const Case& c : cases) {
    auto w = openTopic<TFDrei2>();
    fill(*w, c.values);
    errors_.clear();
    w->okButton(0)->click();
    EXPECT_EQ(w->currentPage(), 0) << c.message;
    ASSERT_EQ(errors_.size(), 1u) << c.message;
    EXPECT_EQ(errors_[0], GetMessageText(c.message));
    EXPECT_EQ(w->focusWidget(), static_cast<QWidget*>(edit(*w, c.focus))) << c.message;
  }
  // A long text is refused like any other.
  auto w = openTopic<TFDrei2>();
  fill(*w, {{"a", "3"}, {"b", "4"}});
  edit(*w, "c")->setText(QString(10000, '7'));
  errors_.clear();
  w->okButton(0)->click();
  EXPECT_EQ(errors_.size(), 1u);
}

TEST_F(Drei2WindowTest, TwoSolutionsOnTwoChartPages) {
  auto w = openTwoSolutions();
  w->okButton(0)->click();
  ASSERT_TRUE(w->hasSecondSolution());
  EXPECT_TRUE(memoHas(*w, GetText(IDrei2, 2)));
  EXPECT_TRUE(memoHas(*w, GetText(IDrei2, 3)));
  EXPECT_TRUE(w->pageControl()->isTabEnabled(3));
  EXPECT_EQ(w->pageControl()->tabText(3), GetText(IPage, 4) + " 2");
  w->okButton(1)->click();
  ASSERT_EQ(w->currentPage(), 2);
  w->okButton(2)->click();
  ASSERT_EQ(w->currentPage(), 3);
  EXPECT_TRUE(errors_.empty());
  using namespace figures;
  // The second chart shows the short triangle: c = 1.4489196 on y = 1.
  const TriangleData& t = w->result().second;
  EXPECT_NEAR(double(t.B.x), 2.4489196, 1e-6);
  ChartPage& p2 = w->secondChartPage();
  std::vector<Figure> expected = {{Segment{double(t.A.x), double(t.A.y), double(t.B.x), double(t.B.y)}, p2.color(1), p2.width(1)},
                                  {Segment{double(t.B.x), double(t.B.y), double(t.C.x), double(t.C.y)}, p2.color(1), p2.width(1)},
                                  {Segment{double(t.C.x), double(t.C.y), double(t.A.x), double(t.A.y)}, p2.color(1), p2.width(1)},
                                  {Circle{double(t.ku.a), double(t.ku.b), double(t.ku.c)}, p2.color(2), p2.width(2)},
                                  {Circle{double(t.ki.a), double(t.ki.b), double(t.ki.c)}, p2.color(3), p2.width(3)}};
  for (const Figure& a : Axes(p2.chart())) expected.push_back(a);
  EXPECT_TRUE(DrawsExactly(p2.chart(), expected));
  w->okButton(3)->click();
  EXPECT_EQ(w->currentPage(), 0);
  // One solution again: the second page cannot be reached.
  fill(*w, {{"a", "5"}, {"b", "4"}, {"alpha", "40"}});
  w->okButton(0)->click();
  EXPECT_FALSE(w->hasSecondSolution());
  EXPECT_FALSE(w->pageControl()->isTabEnabled(3));
  EXPECT_EQ(w->pageControl()->tabText(3), "");
}

TEST_F(Drei2WindowTest, SecondChartSettingsShowTheTriangleRows) {
  auto w = openTwoSolutions();
  w->pageControl()->setCurrentIndex(3);
  ASSERT_EQ(w->currentPage(), 3);
  // Another window's dialog left other rows: this one sets its own.
  QStringList hints;
  w->secondChartPage().runDialog = [&](TFFormChart* d) {
    for (int i = 1; i <= 3; ++i) hints << d->rowColorButtons[std::size_t(i)]->toolTip();
    d->rowWidthEdits[2]->setText("4");
    emit d->rowWidthEdits[2]->editingFinished();
    d->okButtons[0]->click();
    return 1;
  };
  deliverCommand(w.get(), WM_CHARTSETTINGS2);
  EXPECT_EQ(hints, QStringList({GetText(IDrei, 0), GetText(IDrei, 7), GetText(IDrei, 8)}));
  EXPECT_EQ(w->secondChartPage().width(2), 4);
  EXPECT_EQ(w->chartPage().width(2), 4);  // one list for both pages
  EXPECT_TRUE(errors_.empty());
}

TEST_F(Drei2WindowTest, TwoSolutionsPrintOnTwoPagesWithoutTheRule) {
  const QString pdf = printToPdf("two.pdf");
  auto w = openTwoSolutions();
  w->okButton(0)->click();  // the chart pages were never opened
  deliverCommand(w.get(), WM_PRINTWORKSHEET);
  const QString text = PdfText(pdf);
  EXPECT_TRUE(text.contains(GetText(IDrei2, 2))) << text.toStdString();
  EXPECT_TRUE(text.contains(GetText(IDrei2, 3))) << text.toStdString();
  EXPECT_FALSE(text.contains(QChar(0x2014))) << text.toStdString();
  QFile f(pdf);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  const QByteArray bytes = f.readAll();
  EXPECT_EQ(bytes.count("/Type /Page\n") + bytes.count("/Type /Page "), 2) << "pages";
  // Both charts were built for the printout.
  EXPECT_GT(w->chartPage().chart().DisplayList().NumItems(), 0);
  EXPECT_GT(w->secondChartPage().chart().DisplayList().NumItems(), 0);
}

TEST_F(Drei2WindowTest, WorksheetRoundTrip) {
  auto w = openTopic<TFDrei2>();
  fill(*w, {{"a", "4"}, {"b", "5"}, {"c", "6"}, {"alpha", "40"}, {"beta", "41"}, {"gamma", "42"}});
  w->chartPage().colorList() = "3,4,5";
  w->chartPage().widthList() = "1,2,3";
  const QString f = file("d2.dat");
  deliverCommand(w.get(), WM_SAVEWORKSHEET, f);
  fill(*w, {});
  w->chartPage().colorList() = "1";
  deliverCommand(w.get(), WM_LOADWORKSHEET, f);
  for (auto [k, v] : {std::pair{"a", "4"}, {"b", "5"}, {"c", "6"}, {"alpha", "40"}, {"beta", "41"}, {"gamma", "42"}})
    EXPECT_EQ(edit(*w, k)->text(), v) << k;
  EXPECT_EQ(w->chartPage().colorList(), "3,4,5");
  EXPECT_EQ(w->secondChartPage().widthList(), "1,2,3");
}

TEST_F(Drei2WindowTest, SketchIsDrawn) {
  auto w = openTopic<TFDrei2>();
  w->resize(700, 450);
  const QImage img = w->sketch()->pixmap().toImage();
  ASSERT_FALSE(img.isNull());
  int dark = 0;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x)
      if (qGray(img.pixel(x, y)) < 100) ++dark;
  EXPECT_GT(dark, img.width());
}

}  // namespace
}  // namespace zw
