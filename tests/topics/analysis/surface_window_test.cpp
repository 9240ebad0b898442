// The surface-plot window offscreen.
#include <gtest/gtest.h>

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QImage>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPushButton>
#include <QSpinBox>
#include <QTabWidget>
#include <QTest>

#include "charts/Plot3D.h"
#include "kernel/KernelState.h"
#include "platform/ini/IniFile.h"
#include "tests/topics/PdfText.h"
#include "tests/topics/TopicTestBase.h"
#include "topics/analysis/SurfaceWindow.h"
#include "topics/frame/LongRun.h"

namespace zw {
namespace {

using F = SurfaceField;

class SurfaceWindowTest : public TopicTestBase {
protected:
  // OK, and the drawing it starts to its end.
  static void drawAll(TFPlot3d& w, int page) {
    w.okButton(page)->click();
    while (w.longRun().running()) QApplication::processEvents();
  }
  static void fill(TFPlot3d& w, const QString& f, const QString& u, std::array<const char*, 6> ranges) {
    w.edit(F::F)->setText(f);
    w.edit(F::U)->setText(u);
    for (int k = 0; k < 6; ++k) w.edit(static_cast<F>(2 + k))->setText(QString::fromLatin1(ranges[k]));
  }
};

TEST_F(SurfaceWindowTest, OkDrawsTheSurfaceOnThePicturePage) {
  auto w = openTopic<TFPlot3d>();
  fill(*w, "x^2 - y^2", "", {"-2", "2", "-2", "2", "-1", "1"});
  w->linesSpin()->setValue(41);
  w->autoScaleBox()->setChecked(true);
  drawAll(*w, 0);
  ASSERT_TRUE(errors_.empty());
  EXPECT_EQ(w->currentPage(), 1);
  TPlot3D& p = *w->plot();
  EXPECT_EQ(p.GridMat.NrOfColumns(), 41);
  EXPECT_NEAR(p.GridMat.Elem(21, 1), -4, 1e-12);
  EXPECT_DOUBLE_EQ(p.RangeZLow(), -4);  // "anpassen": the values drawn
  EXPECT_DOUBLE_EQ(p.RangeZHigh(), 4);
  EXPECT_DOUBLE_EQ(p.RangeXLow(), -2);
  EXPECT_DOUBLE_EQ(p.ColorScaleLow(), -4);
  EXPECT_DOUBLE_EQ(p.ColorScaleHigh(), 4);
  EXPECT_EQ(static_cast<double>(kernelState().FormulaY), 2);

  // Without "anpassen" the typed z range; few lines give a 10 x 10 grid.
  w->okButton(1)->click();
  EXPECT_EQ(w->currentPage(), 0);
  w->autoScaleBox()->setChecked(false);
  w->linesSpin()->setValue(5);
  w->edit(F::F)->setText("u^2");
  w->edit(F::U)->setText("x + y");
  drawAll(*w, 0);
  EXPECT_EQ(p.GridMat.NrOfColumns(), 10);
  EXPECT_DOUBLE_EQ(p.RangeZLow(), -1);
  EXPECT_DOUBLE_EQ(p.RangeZHigh(), 1);
  // The surface stays inside its box: (2 + 2)^2 = 16 is drawn at the top, 1.
  EXPECT_DOUBLE_EQ(p.GridMat.Elem(10, 10), 1);
  EXPECT_DOUBLE_EQ(p.GridMat.Elem(3, 8), 0);  // (-2 + 2·2/9 - 2 + 7·4/9)^2 = 0 stays
  double lo = 1, hi = -1;
  for (int i = 1; i <= 10; ++i)
    for (int j = 1; j <= 10; ++j) {
      lo = std::min(lo, p.GridMat.Elem(i, j));
      hi = std::max(hi, p.GridMat.Elem(i, j));
    }
  EXPECT_GE(lo, -1);
  EXPECT_LE(hi, 1);
}

// The longest terms on 99 lines take seconds: the drawing runs in steps and
// ESC stops it, back on the input page, the last surface kept.
TEST_F(SurfaceWindowTest, LongDrawingStopsOnEscapeAndKeepsTheLastSurface) {
  auto w = openTopic<TFPlot3d>();
  fill(*w, "x*y", "", {"-1", "1", "-1", "1", "-1", "1"});
  drawAll(*w, 0);
  const double corner = w->plot()->GridMat.Elem(1, 1);
  w->okButton(1)->click();
  QString f;
  while (f.size() < 32000) f += QStringLiteral("sin(x)*u+");
  fill(*w, f + u'1', "cos(y)", {"-1", "1", "-1", "1", "-1", "1"});
  w->linesSpin()->setValue(99);
  w->okButton(0)->click();
  ASSERT_TRUE(w->longRun().running());
  for (int i = 0; i < 3; ++i) QApplication::processEvents();
  ASSERT_TRUE(w->longRun().running());
  QTest::keyClick(w.get(), Qt::Key_Escape);
  EXPECT_FALSE(w->longRun().running());
  EXPECT_TRUE(w->isVisible());
  EXPECT_EQ(w->currentPage(), 0);
  EXPECT_EQ(w->plot()->GridMat.NrOfColumns(), 40);
  EXPECT_DOUBLE_EQ(w->plot()->GridMat.Elem(1, 1), corner);
  EXPECT_TRUE(errors_.empty());
}

// Without "anpassen" the z range is the box the surface is drawn in: an
// empty or degenerate range is refused on its field.
TEST_F(SurfaceWindowTest, TypedZRangeMustBeARange) {
  const struct {
    const char *z1, *z2;
    bool fit;
    F bad;  // F::None: drawn
  } cases[] = {
      {"", "", false, F::Z1}, {"-1", "", false, F::Z2}, {"", "1", false, F::Z1},
      {"1", "1", false, F::Z2}, {"2", "1", false, F::Z2}, {"-1", "1", false, F::None},
      {"", "", true, F::None},  // fitted: the typed range is not used
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(std::string(c.z1) + " .. " + c.z2 + (c.fit ? " fitted" : ""));
    errors_.clear();
    auto w = openTopic<TFPlot3d>();
    fill(*w, "x*y", "", {"-1", "1", "-1", "1", c.z1, c.z2});
    w->autoScaleBox()->setChecked(c.fit);
    drawAll(*w, 0);
    if (c.bad == F::None) {
      EXPECT_TRUE(errors_.empty());
      EXPECT_EQ(w->currentPage(), 1);
      continue;
    }
    EXPECT_EQ(errors_, std::vector<QString>{QStringLiteral("Unzulässige Eingabe")});
    EXPECT_EQ(w->currentPage(), 0);
    EXPECT_EQ(w->focusWidget(), w->edit(c.bad));
  }
}

TEST_F(SurfaceWindowTest, RefusedInputShowsMessage22WithTheFocusOnTheField) {
  const struct {
    F field;
    const char* text;
  } cases[] = {{F::F, ""}, {F::F, "x*"}, {F::U, "(x"}, {F::X2, "abc"}, {F::Z1, "ln(0)"}};
  for (const auto& c : cases) {
    errors_.clear();
    auto w = openTopic<TFPlot3d>();
    fill(*w, "x*y", "", {"-1", "1", "-1", "1", "-1", "1"});
    w->edit(c.field)->setText(c.text);
    w->okButton(0)->click();
    ASSERT_EQ(errors_.size(), 1u) << c.text;
    EXPECT_EQ(errors_[0], QStringLiteral("Unzulässige Eingabe"));
    EXPECT_EQ(w->currentPage(), 0);
    EXPECT_EQ(w->focusWidget(), w->edit(c.field)) << c.text;
    EXPECT_EQ(w->plot()->GridMat.NrOfColumns(), 1);  // nothing drawn
  }
}

TEST_F(SurfaceWindowTest, SymmetricRanges) {
  auto w = openTopic<TFPlot3d>();
  fill(*w, "x", "", {"-3", "5", "-1", "2", "", ""});
  w->symmetricBox()->click();
  const QStringList five{"-5", "5", "-5", "5"};
  auto xy = [&] {
    QStringList t;
    for (F f : {F::X1, F::X2, F::Y1, F::Y2}) t << w->edit(f)->text();
    return t;
  };
  EXPECT_EQ(xy(), five);
  fill(*w, "x", "", {"0", "0", "0", "0", "", ""});
  w->colourBox()->click();  // every check box makes the ranges symmetric
  EXPECT_EQ(xy(), (QStringList{"-10", "10", "-10", "10"}));
  // Typing in the x field mirrors it at once.
  w->edit(F::X1)->setText("4");
  emit w->edit(F::X1)->textEdited("4");
  EXPECT_EQ(xy(), (QStringList{"-4", "4", "-4", "4"}));
  // Not while the box is clear.
  w->symmetricBox()->click();
  w->edit(F::X1)->setText("7");
  emit w->edit(F::X1)->textEdited("7");
  EXPECT_EQ(w->edit(F::X2)->text(), QStringLiteral("4"));
}

TEST_F(SurfaceWindowTest, WorksheetKeysAndDefaults) {
  const QString sheet = file("p.dat");
  auto w = openTopic<TFPlot3d>();
  fill(*w, "sin(u)/u", "sqrt(x^2+y^2)", {"-10", "10", "-10", "10", "-0.5", "1"});
  w->linesSpin()->setValue(33);
  w->colourBox()->setChecked(true);
  w->symmetricBox()->setChecked(true);
  ASSERT_TRUE(w->saveInputs(sheet));
  const IniFile ini(sheet);
  const struct {
    const char *key, *value;
  } keys[] = {{"f(x,y)", "sin(u)/u"}, {"u(x,y)", "sqrt(x^2+y^2)"}, {"x1", "-10"}, {"z1", "-0.5"},
              {"z2", "1"},          {"n", "33"},                     {"Color", "1"}};
  for (const auto& k : keys) EXPECT_EQ(ini.readString("plot3d", k.key), QString::fromUtf8(k.value)) << k.key;
  EXPECT_TRUE(ini.readString("plot3d", "symmetrisch").isEmpty());

  auto v = openTopic<TFPlot3d>();
  v->loadInputs(sheet);
  EXPECT_EQ(v->edit(F::U)->text(), QStringLiteral("sqrt(x^2+y^2)"));
  EXPECT_EQ(v->linesSpin()->value(), 33);
  EXPECT_TRUE(v->colourBox()->isChecked());
  // New: the section erased, the initial values back (40 lines, no colour).
  v->cmdNew(sheet);
  EXPECT_EQ(v->linesSpin()->value(), 40);
  EXPECT_FALSE(v->colourBox()->isChecked());
  EXPECT_TRUE(v->edit(F::F)->text().isEmpty());
  // A count from a file outside the control's range 3 .. 99 loads as the default.
  for (const char* stored : {"5000", "2", "40.5"}) {
    IniFile bad(sheet);
    bad.writeString("plot3d", "n", QString::fromUtf8(stored));
    ASSERT_TRUE(bad.save());
    v->linesSpin()->setValue(50);
    v->loadInputs(sheet);
    EXPECT_EQ(v->linesSpin()->value(), 20) << stored;
  }
}

TEST_F(SurfaceWindowTest, PrintSnapshotAndMouse) {
  auto w = openTopic<TFPlot3d>();
  fill(*w, "x^2 - y^2", "", {"-2", "2", "-2", "2", "-4", "4"});
  w->okButton(0)->click();
  const QString pdf = printToPdf("plot.pdf");
  w->cmdPrint();
  const QString text = PdfText(pdf);
  EXPECT_TRUE(text.contains(u"Flächenfunktionen"));
  EXPECT_TRUE(text.contains(u"ƒ(x,y) = x^2 - y^2"));
  EXPECT_TRUE(text.contains(u"x  von -2  bis  2"));
  EXPECT_TRUE(text.contains(u"\nZ\n"));  // the picture's z caption

  QApplication::clipboard()->clear();
  w->cmdSnapshot();
  const QImage image = QApplication::clipboard()->image();
  EXPECT_EQ(image.size(), w->plot()->size());

  // A drag with the left button turns the plot; the right button zooms, never below 0.2.
  TPlot3D& p = *w->plot();
  const double angleZ = p.ViewAngleZ();
  const QPointF from(p.width() / 2.0, p.height() / 2.0), to(from.x() - 40, from.y());
  QMouseEvent press(QEvent::MouseButtonPress, from, from, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&p, &press);
  QMouseEvent move(QEvent::MouseMove, to, to, Qt::NoButton, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&p, &move);
  EXPECT_NE(p.ViewAngleZ(), angleZ);
  const QPointF down(from.x(), p.height() - 1.0);
  QMouseEvent pressR(QEvent::MouseButtonPress, from, from, Qt::RightButton, Qt::RightButton, Qt::NoModifier);
  QApplication::sendEvent(&p, &pressR);
  QMouseEvent moveR(QEvent::MouseMove, down, down, Qt::NoButton, Qt::RightButton, Qt::NoModifier);
  QApplication::sendEvent(&p, &moveR);
  EXPECT_DOUBLE_EQ(p.Magnification(), 0.2);
  QMouseEvent dbl(QEvent::MouseButtonDblClick, from, from, Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
  QApplication::sendEvent(&p, &dbl);
  EXPECT_DOUBLE_EQ(p.Magnification(), 0.9);
}

}  // namespace
}  // namespace zw
