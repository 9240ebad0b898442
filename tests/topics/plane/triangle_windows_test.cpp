// The triangle windows on the offscreen platform: reading and counting the
// inputs, the refusals with their focus, the chart's figures and the worksheet.
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QTabWidget>

#include "shell/commands/Commands.h"
#include "shell/texts/Texts.h"
#include "tests/topics/ChartFigures.h"
#include "tests/topics/TopicTestBase.h"
#include "topics/plane/Drei1Window.h"

namespace zw {
namespace {

class TriangleWindowTest : public TopicTestBase {
protected:
  static figures::Figure graph(ChartTopicWindow& w, int i, figures::Shape s) {
    return {std::move(s), w.chartPage().color(i), w.chartPage().width(i)};
  }
  static testing::AssertionResult chartShows(ChartTopicWindow& w, std::vector<figures::Figure> expected) {
    TVIrada& c = w.chartPage().chart();
    for (const figures::Figure& a : figures::Axes(c)) expected.push_back(a);
    return figures::DrawsExactly(c, expected);
  }
};

TEST_F(TriangleWindowTest, RightTriangleResultsAndFigure) {
  auto w = openTopic<TFDrei1>();
  w->resize(700, 450);
  fill(*w, {{"a", "3"}, {"b", "4"}});
  w->okButton(0)->click();
  ASSERT_EQ(w->currentPage(), 1);
  EXPECT_TRUE(memoHas(*w, "Hypotenuse c = 5"));
  EXPECT_TRUE(memoHas(*w, "Flächeninhalt A = 6"));
  w->pageControl()->setCurrentIndex(2);
  using namespace figures;
  EXPECT_TRUE(chartShows(*w, {graph(*w, 1, Segment{1, 1, 6, 1}), graph(*w, 1, Segment{6, 1, 4.2, 3.4}),
                              graph(*w, 1, Segment{4.2, 3.4, 1, 1}), graph(*w, 2, Segment{4.2, 1, 4.2, 3.4}),
                              graph(*w, 3, Circle{3.5, 1, 2.5}), graph(*w, 4, Circle{4, 2, 1})}));
  EXPECT_TRUE(errors_.empty());
}

TEST_F(TriangleWindowTest, RightTriangleRefusals) {
  struct Case {
    std::initializer_list<std::pair<const char*, const char*>> values;
    int message;
    const char* focus;
  };
  const Case cases[] = {
      {{{"a", "3"}}, 3, "a"},
      {{{"a", "3"}, {"b", "4"}, {"F", "6"}}, 4, "a"},
      {{{"alpha", "30"}, {"beta", "60"}}, 6, "a"},
      {{{"c", "5"}, {"h", "3"}}, 5, "a"},
      {{{"a", "5"}, {"c", "3"}}, 5, "a"},
      {{{"b", "4"}, {"alpha", "95"}}, 5, "a"},
      {{{"b", "1#"}, {"q", "-2"}}, 22, "b"},  // the first bad field in reading order
      {{{"h", "2"}, {"p", "x1"}}, 22, "p"},
  };
  for (const Case& c : cases) {
    auto w = openTopic<TFDrei1>();
    fill(*w, c.values);
    errors_.clear();
    w->okButton(0)->click();
    EXPECT_EQ(w->currentPage(), 0) << c.message;
    ASSERT_EQ(errors_.size(), 1u) << c.message;
    EXPECT_EQ(errors_[0], GetMessageText(c.message));
    EXPECT_EQ(w->focusWidget(), static_cast<QWidget*>(edit(*w, c.focus))) << c.message;
  }
  // Empty fields and the chart page chosen: one box.
  auto w = openTopic<TFDrei1>();
  fill(*w, {});
  errors_.clear();
  w->pageControl()->setCurrentIndex(2);
  ASSERT_EQ(errors_.size(), 1u);
  EXPECT_EQ(errors_[0], GetMessageText(3));
}

TEST_F(TriangleWindowTest, RightTriangleChartKeepsTheLastTriangleAndItsZoom) {
  auto w = openTopic<TFDrei1>();
  w->resize(700, 450);
  fill(*w, {{"c", "5"}, {"h", "2.4"}});
  w->pageControl()->setCurrentIndex(2);
  TVIrada& c = w->chartPage().chart();
  c.SetRange(1, -10, -10, 10, 10);
  w->pageControl()->setCurrentIndex(1);
  w->pageControl()->setCurrentIndex(2);
  EXPECT_NEAR(c.Layers().X(1).RangeLow(), -10, 1e-9);  // zoom kept without a visit of the inputs
  w->pageControl()->setCurrentIndex(0);
  fill(*w, {{"c", "5"}, {"h", "3"}});
  w->pageControl()->setCurrentIndex(2);
  EXPECT_EQ(w->currentPage(), 0);
  EXPECT_NEAR(double(w->triangle().C.x), 4.2, 1e-12);  // the failure leaves the figure
}

TEST_F(TriangleWindowTest, RightTriangleWorksheetWritesOnlyFilledFields) {
  auto w = openTopic<TFDrei1>();
  fill(*w, {{"alpha", " 30 "}, {"F", "2"}});
  w->chartPage().colorList() = "3,4,5,6";
  w->chartPage().widthList() = "1,2,1,2";
  const QString f = file("d1.dat");
  deliverCommand(w.get(), WM_SAVEWORKSHEET, f);
  QFile in(f);
  ASSERT_TRUE(in.open(QIODevice::ReadOnly));
  const QString text = QString::fromUtf8(in.readAll());
  EXPECT_TRUE(text.contains("alpha=30"));
  EXPECT_TRUE(text.contains("F=2"));
  EXPECT_FALSE(text.contains("\na="));
  EXPECT_TRUE(text.contains("LineColor=3,4,5,6"));
  EXPECT_TRUE(text.contains("LineWidth=1,2,1,2"));
  fill(*w, {{"a", "9"}});
  deliverCommand(w.get(), WM_LOADWORKSHEET, f);
  EXPECT_EQ(edit(*w, "a")->text(), "");
  EXPECT_EQ(edit(*w, "alpha")->text(), "30");
  EXPECT_EQ(w->chartPage().colorList(), "3,4,5,6");
}

TEST_F(TriangleWindowTest, RightTriangleSketchIsDrawn) {
  auto w = openTopic<TFDrei1>();
  w->resize(700, 450);
  const QImage img = w->sketch()->pixmap().toImage();
  ASSERT_FALSE(img.isNull());
  int dark = 0;
  for (int y = 0; y < img.height(); ++y)
    for (int x = 0; x < img.width(); ++x)
      if (qGray(img.pixel(x, y)) < 100) ++dark;
  EXPECT_GT(dark, img.width());  // the triangle and its letters
}

}  // namespace
}  // namespace zw
