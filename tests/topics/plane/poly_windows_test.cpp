// The polygon windows on the offscreen platform: reading, counting the given
// quantities, the sketch and the worksheet.
#include <QLabel>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>

#include "shell/commands/Commands.h"
#include "shell/texts/Texts.h"
#include "tests/topics/TopicTestBase.h"
#include "topics/plane/Poly1Window.h"

namespace zw {
namespace {

class PolyWindowTest : public TopicTestBase {
protected:
  static void fill(TopicWindow& w, const QStringList& texts) {
    for (int i = 0; i < texts.size(); ++i) w.fields().fields()[std::size_t(i)].edit->setText(texts[i]);
  }
  void writeFile(const QString& path, const QByteArray& bytes) {
    QFile f(path);
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write(bytes);
  }
};

TEST_F(PolyWindowTest, RegularPolygonFromOneQuantity) {
  auto w = openTopic<TFPoly1>();
  w->spinner()->setValue(6);
  fill(*w, {"", "1"});
  w->okButton(0)->click();
  EXPECT_EQ(w->currentPage(), 1);
  EXPECT_TRUE(memoHas(*w, "Eckenzahl  n = 6"));
  EXPECT_TRUE(memoHas(*w, "Inkreisradius ri = 0,8660254"));
  EXPECT_TRUE(memoHas(*w, "α = 120°"));
  // The field keeps what was typed.
  EXPECT_EQ(w->fields().fields()[0].edit->text(), "");
}

TEST_F(PolyWindowTest, RegularPolygonRefusals) {
  struct Case {
    QStringList texts;
    int message;
    int focus;  // the field that takes the focus
  };
  const Case cases[] = {
      {{"1", "", "", "4"}, 4, 0},        // two given, even when they agree
      {{"", "", "", "", ""}, 3, 0},      // none given
      {{"", "1#", "", "-1"}, 22, 1},      // the first bad field keeps the focus
      {{"", "", "", "", "1e999"}, 22, 4},
  };
  for (const Case& c : cases) {
    auto w = openTopic<TFPoly1>();
    fill(*w, c.texts);
    errors_.clear();
    w->okButton(0)->click();
    EXPECT_EQ(w->currentPage(), 0) << c.texts.join('|').toStdString();
    ASSERT_EQ(errors_.size(), 1u) << c.texts.join('|').toStdString();
    EXPECT_EQ(errors_[0], GetMessageText(c.message));
    EXPECT_EQ(w->focusWidget(), static_cast<QWidget*>(w->fields().fields()[std::size_t(c.focus)].edit))
        << c.texts.join('|').toStdString();
  }
}

TEST_F(PolyWindowTest, SketchFollowsTheSpinnerResultsWaitForOk) {
  auto w = openTopic<TFPoly1>();
  w->resize(700, 450);
  fill(*w, {"1"});
  w->okButton(0)->click();
  w->pageControl()->setCurrentIndex(0);
  const QImage before = w->sketch()->pixmap().toImage();
  w->spinner()->setValue(8);
  EXPECT_NE(w->sketch()->pixmap().toImage(), before);
  EXPECT_TRUE(memoHas(*w, "Eckenzahl  n = 3"));
}

TEST_F(PolyWindowTest, SketchDrawsTheCornersOnTheCircle) {
  // A square of side 200: the corners lie s / 2.5 = 80 pixels from the centre,
  // the lowest side is horizontal at y = 100 + 80·sin 45°.
  const QImage img = Poly1Sketch(200, 4, {Qt::red, Qt::green, Qt::blue}, {1, 1, 1});
  const int yLow = int(std::lround(100 + 80 * std::sqrt(0.5)));
  auto blueAt = [&](int y) {
    for (int x = 98; x <= 102; ++x)
      if (QColor(img.pixel(x, y)).blue() > QColor(img.pixel(x, y)).red() + 50) return true;
    return false;
  };
  EXPECT_TRUE(blueAt(130));       // the inradius runs down from the centre
  EXPECT_FALSE(blueAt(yLow + 4)); // and ends on the lowest side
  int red = 0;
  for (int x = 60; x <= 140; ++x)
    if (QColor(img.pixel(x, yLow)).red() > 200) ++red;
  EXPECT_GT(red, 40);
}

TEST_F(PolyWindowTest, CornerCountFromWorksheet) {
  struct Case {
    QByteArray stored;
    int n;
  };
  const Case cases[] = {{"n=7", 7}, {"n=abc", 3}, {"n=150", 99}, {"n=-4", 3}, {"", 3}};
  for (const Case& c : cases) {
    auto w = openTopic<TFPoly1>();
    w->spinner()->setValue(10);
    const QString f = file("n.dat");
    writeFile(f, "[poly1]\na=2\n" + c.stored + "\n");
    deliverCommand(w.get(), WM_LOADWORKSHEET, f);
    EXPECT_EQ(w->spinner()->value(), c.n) << c.stored.toStdString();
  }
  auto w = openTopic<TFPoly1>();
  w->spinner()->setValue(12);
  fill(*w, {"", "", "", "", "3"});
  const QString f = file("round.dat");
  deliverCommand(w.get(), WM_SAVEWORKSHEET, f);
  deliverCommand(w.get(), WM_NEWWORKSHEET, file("other.dat"));
  EXPECT_EQ(w->spinner()->value(), 3);
  deliverCommand(w.get(), WM_LOADWORKSHEET, f);
  EXPECT_EQ(w->spinner()->value(), 12);
  EXPECT_EQ(w->fields().fields()[4].edit->text(), "3");
}

}  // namespace
}  // namespace zw
