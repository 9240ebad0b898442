// The integral window: results on the results page after the run, refused
// limits and terms with their message and focus, ESC keeping the last
// results, the chart's curves, limits and filled area, the worksheet and the
// printout.
#include <QCheckBox>
#include <QImage>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QTabWidget>
#include <QTest>

#include "platform/ini/IniFile.h"
#include "shell/Settings.h"
#include "shell/State.h"
#include "tests/topics/PdfText.h"
#include "tests/topics/analysis/CurveWindowTest.h"
#include "topics/analysis/IntegWindow.h"
#include "topics/frame/LongRun.h"

namespace zw {
namespace {

using curves::StrokesIn;

class IntegWindowTest : public CurveWindowTest {
protected:
  std::unique_ptr<TFInteg> open(const char* f1, const char* f2, const char* a, const char* b) {
    auto w = openTopic<TFInteg>();
    w->resize(720, 480);
    w->f1Edit()->setText(QString::fromUtf8(f1));
    w->f2Edit()->setText(QString::fromUtf8(f2));
    w->aEdit()->setText(QString::fromUtf8(a));
    w->bEdit()->setText(QString::fromUtf8(b));
    return w;
  }
  static void finishRun(TopicWindow& w) {
    while (w.longRun().running()) QApplication::processEvents();
  }
  static bool memoHas(const TFInteg& w, const QString& text) {
    for (const QString& l : w.memoLines())
      if (l.simplified().contains(text)) return true;
    return false;
  }
};

TEST_F(IntegWindowTest, ResultsAfterTheRun) {
  auto w = open("x^2", "", "0", "1");
  w->momentsBox()->setChecked(true);
  w->volumesBox()->setChecked(true);
  w->okButton(0)->click();
  EXPECT_EQ(w->currentPage(), 1);
  finishRun(*w);
  EXPECT_TRUE(memoHas(*w, QStringLiteral("A₁ = 0,333333")));
  EXPECT_TRUE(memoHas(*w, QStringLiteral("Vx = 0,2·pi = 0,628319")));
  EXPECT_TRUE(memoHas(*w, QStringLiteral("S(0,75|0,3)")));
  EXPECT_TRUE(memoHas(*w, QStringLiteral("Intervall [a;b] von 0 bis 1")));
  EXPECT_FALSE(memoHas(*w, QStringLiteral("ƒ₂")));
  EXPECT_TRUE(errors_.empty());
}

TEST_F(IntegWindowTest, RefusedInputsKeepTheLastResults) {
  struct Row {
    const char* what;
    const char* f1;
    const char* f2;
    const char* a;
    const char* b;
    const char* focus;
  } rows[] = {
      {"limit not a number", "x", "", "abc", "1", "Edita"},
      {"limit a term", "x", "", "0", "pi/", "Editb"},
      {"limit too large", "x", "", "0", "1e999", "Editb"},
      {"no value at a midpoint", "sqrt(x)", "", "-1", "1", "Editf1"},
      {"second term unreadable", "x", "x+*", "0", "1", "Editf2"},
      {"control characters", "x\x01", "", "0", "1", "Editf1"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.what);
    errors_.clear();
    auto w = open("x", "", "0", "2");
    w->okButton(0)->click();
    finishRun(*w);
    const QStringList before = w->memoLines();
    ASSERT_TRUE(memoHas(*w, QStringLiteral("A₁ = 2")));
    w->pageControl()->setCurrentIndex(0);
    w->f1Edit()->setText(QString::fromUtf8(r.f1));
    w->f2Edit()->setText(QString::fromUtf8(r.f2));
    w->aEdit()->setText(QString::fromUtf8(r.a));
    w->bEdit()->setText(QString::fromUtf8(r.b));
    w->pageControl()->setCurrentIndex(1);
    finishRun(*w);
    EXPECT_EQ(w->currentPage(), 0);
    ASSERT_EQ(errors_.size(), 1u);
    EXPECT_EQ(errors_[0], GetMessageText(22));
    ASSERT_NE(w->focusWidget(), nullptr);
    EXPECT_EQ(w->focusWidget()->objectName(), QString::fromLatin1(r.focus));
    EXPECT_EQ(w->memoLines(), before);
  }
}

TEST_F(IntegWindowTest, EscapeStopsALongTermAndKeepsTheMemo) {
  auto w = open("x", "", "0", "2");
  w->okButton(0)->click();
  finishRun(*w);
  const QStringList before = w->memoLines();
  w->pageControl()->setCurrentIndex(0);
  w->f1Edit()->setText(QStringLiteral("sin(x)*").repeated(4500) + u'x');
  w->arcsBox()->setChecked(true);
  w->okButton(0)->click();
  ASSERT_TRUE(w->longRun().running()) << (errors_.empty() ? std::string() : errors_[0].toStdString()) << w->currentPage();
  QApplication::processEvents();
  QTest::keyClick(w.get(), Qt::Key_Escape);
  EXPECT_FALSE(w->longRun().running());
  EXPECT_EQ(w->memoLines(), before);
  EXPECT_TRUE(errors_.empty());
}

TEST_F(IntegWindowTest, ChartShowsCurvesLimitsAndTheArea) {
  auto w = open("x^2", "x", "0", "1");
  w->pageControl()->setCurrentIndex(2);
  ASSERT_EQ(w->currentPage(), 2);
  TVIrada& chart = w->chartPage().chart();
  const ChartPage& page = w->chartPage();
  const auto c1 = StrokesIn(chart, page.color(1)), c2 = StrokesIn(chart, page.color(2));
  ASSERT_FALSE(c1.empty());
  ASSERT_FALSE(c2.empty());
  EXPECT_TRUE(curves::AllOn(c1, [](double x) { return x * x; }));
  EXPECT_TRUE(curves::AllOn(c2, [](double x) { return x; }));
  // The limits: black from ƒ1 to ƒ2 at a = 0 (a point) and at b = 1 (a point too, both curves meet).
  const auto& bound = w->boundary();
  ASSERT_EQ(bound.size(), 202u);
  EXPECT_EQ(double(bound[100].x), 1.0);
  EXPECT_DOUBLE_EQ(double(bound[50].y), 0.25);
  EXPECT_DOUBLE_EQ(double(bound[151].y), 0.5);
  // No range stored: x from -10 to 10 at equal scales.
  EXPECT_LE(chart.Layers().X(1).RangeLow(), -10);
  // The area shows in the area colour inside it, not outside.
  shellState().GraphAreaColor = 5;
  shellState().GraphAreaWidth = 1;
  w->chartPage().drawChart();
  const QImage image = chart.grab().toImage();
  int x = 0, y = 0, ox = 0, oy = 0;
  chart.Layers().R2M(1, 0.5, 0.35, x, y);
  chart.Layers().R2M(1, 0.5, -0.5, ox, oy);
  EXPECT_EQ(image.pixelColor(x, y), ToQColor(PaletteColor(5)));
  EXPECT_NE(image.pixelColor(ox, oy), ToQColor(PaletteColor(5)));
  // A refused limit on the chart page: message 22, input page.
  w->okButton(2)->click();
  w->bEdit()->setText(QStringLiteral("abc"));
  errors_.clear();
  w->pageControl()->setCurrentIndex(2);
  EXPECT_EQ(w->currentPage(), 0);
  EXPECT_EQ(errors_.size(), 1u);
}

TEST_F(IntegWindowTest, WorksheetRoundTripBeforeTheChartWasBuilt) {
  const QString path = file("i.dat");
  {
    auto w = open("x^2", "1", "-1", "2");
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write("[integ]\nf1=x^2\nf2=1\na=-1\nb=2\nxmin=-2\nxmax=3\nymin=-1\nymax=5\nAreaColor=7\nAreaRand=2\n");
    f.close();
    deliverCommand(w.get(), WM_LOADWORKSHEET, path);
    EXPECT_EQ(shellState().GraphAreaColor, 7);
    deliverCommand(w.get(), WM_SAVEWORKSHEET, path);
  }
  IniFile ini(path);
  for (const char* k : {"f1", "f2", "a", "b", "xmin", "xmax", "ymin", "ymax", "LineColor", "LineWidth", "AreaColor",
                        "AreaRand"})
    EXPECT_TRUE(ini.hasKey("integ", k)) << k;
  EXPECT_EQ(ini.readString("integ", "xmax"), "3");
  EXPECT_EQ(ini.readString("integ", "AreaRand"), "2");
  auto w = open("", "", "", "");
  deliverCommand(w.get(), WM_LOADWORKSHEET, path);
  EXPECT_EQ(w->f1Edit()->text(), "x^2");
  EXPECT_EQ(w->aEdit()->text(), "-1");
  w->pageControl()->setCurrentIndex(2);
  const TChartLayers& l = w->chartPage().chart().Layers();
  EXPECT_DOUBLE_EQ(l.X(1).RangeLow(), -2);
  EXPECT_DOUBLE_EQ(l.X(1).RangeHigh(), 3);
  EXPECT_DOUBLE_EQ(l.Y(1).RangeHigh(), 5);
}

TEST_F(IntegWindowTest, PrintoutHasTitleMemoChartAndLegend) {
  auto w = open("x^2", "", "0", "1");
  w->okButton(0)->click();
  finishRun(*w);
  const QString pdf = printToPdf(QStringLiteral("i.pdf"));
  deliverCommand(w.get(), WM_PRINTWORKSHEET);
  const QString text = PdfText(pdf);
  EXPECT_TRUE(text.contains(QStringLiteral("Integralrechnung"))) << text.toStdString();
  EXPECT_TRUE(text.contains(QStringLiteral("0,333333"))) << text.toStdString();
  EXPECT_TRUE(text.contains(QStringLiteral("———ƒ1"))) << text.toStdString();
  EXPECT_TRUE(text.contains(QStringLiteral("———ƒ2"))) << text.toStdString();
}

}  // namespace
}  // namespace zw
