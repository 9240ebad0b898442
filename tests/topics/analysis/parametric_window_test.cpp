// The parametric curve plotter: the curve on the chart, the parameter fields'
// refusals, the range at every visit, the worksheet and the printout.
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QTabWidget>
#include <cmath>

#include "platform/ini/IniFile.h"
#include "tests/topics/PdfText.h"
#include "tests/topics/analysis/CurveWindowTest.h"
#include "topics/analysis/ParametricPlotWindow.h"

namespace zw {
namespace {

using curves::StrokesIn;

class ParametricWindowTest : public CurveWindowTest {
protected:
  std::unique_ptr<TFFPLot3> open(const char* x, const char* y, const char* from, const char* to) {
    auto w = openTopic<TFFPLot3>();
    w->resize(720, 480);
    w->xEdit()->setText(QString::fromUtf8(x));
    w->yEdit()->setText(QString::fromUtf8(y));
    w->fromEdit()->setText(QString::fromUtf8(from));
    w->toEdit()->setText(QString::fromUtf8(to));
    return w;
  }
};

TEST_F(ParametricWindowTest, Curves) {
  struct Row {
    const char* what;
    const char* x;
    const char* y;
    const char* from;
    const char* to;
    std::function<bool(const curves::Stroke&)> on;
    bool drawn;
  } rows[] = {
      {"the unit circle", "cos(k)", "sin(k)", "-pi", "pi",
       [](const curves::Stroke& p) {
         return std::abs(std::hypot(p.x1, p.y1) - 1) < 1e-9 && std::abs(std::hypot(p.x2, p.y2) - 1) < 1e-9;
       },
       true},
      {"a hyperbola with its pole left out", "k", "1/k", "-1", "1",
       [](const curves::Stroke& p) { return p.x1 * p.x2 > 0 && std::abs(p.x1 * p.y1 - 1) < 1e-9; }, true},
      // The k inside a name stays: fak(k) reads as the factorial.
      {"a name with a k", "k", "fak(k)", "0", "3", [](const curves::Stroke&) { return true; }, true},
      {"first value not below the last", "k", "k", "1", "1", [](const curves::Stroke&) { return true; }, false},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.what);
    auto w = open(r.x, r.y, r.from, r.to);
    w->pageControl()->setCurrentIndex(1);
    ASSERT_EQ(w->currentPage(), 1);
    const auto pieces = StrokesIn(w->chartPage().chart(), w->chartPage().color(1));
    EXPECT_EQ(!pieces.empty(), r.drawn);
    EXPECT_TRUE(std::all_of(pieces.begin(), pieces.end(), r.on));
  }
}

TEST_F(ParametricWindowTest, RefusedParameterValues) {
  struct Row {
    const char* from;
    const char* to;
    const char* focus;
  } rows[] = {{"abc", "1", "edkmin"}, {"0", "1e999", "edkmax"}, {"pi/", "x+*", "edkmin"}};
  for (const Row& r : rows) {
    SCOPED_TRACE(r.from);
    errors_.clear();
    auto w = open("k", "k", r.from, r.to);
    w->pageControl()->setCurrentIndex(1);
    EXPECT_EQ(w->currentPage(), 0);
    ASSERT_EQ(errors_.size(), 1u);
    EXPECT_EQ(errors_[0], GetMessageText(22));
    ASSERT_NE(w->focusWidget(), nullptr);
    EXPECT_EQ(w->focusWidget()->objectName(), QString::fromLatin1(r.focus));
  }
}

TEST_F(ParametricWindowTest, RangeAtEveryVisitAndWorksheet) {
  const QString path = file("p.dat");
  {
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write("[fplot3]\nx_fkt=cos(k)\ny_fkt=sin(2*k)\nk_min=0\nk_max=2*pi\nxmin=-2\nxmax=2\nymin=-1\nymax=1\n");
  }
  auto w = openTopic<TFFPLot3>();
  w->resize(720, 480);
  deliverCommand(w.get(), WM_LOADWORKSHEET, path);
  EXPECT_EQ(w->toEdit()->text(), "2*pi");
  w->pageControl()->setCurrentIndex(1);
  TVIrada& chart = w->chartPage().chart();
  EXPECT_DOUBLE_EQ(chart.Layers().X(1).RangeLow(), -2);
  w->chartPage().wheel(1);
  EXPECT_NE(chart.Layers().X(1).RangeLow(), -2);
  // Back and forth: the stored range again.
  w->pageControl()->setCurrentIndex(0);
  w->pageControl()->setCurrentIndex(1);
  EXPECT_DOUBLE_EQ(chart.Layers().X(1).RangeLow(), -2);
  deliverCommand(w.get(), WM_SAVEWORKSHEET, path);
  IniFile ini(path);
  EXPECT_EQ(ini.readString("fplot3", "y_fkt"), "sin(2*k)");
  for (const char* k : {"x_fkt", "k_min", "k_max", "xmin", "xmax", "ymin", "ymax", "LineColor", "LineWidth"})
    EXPECT_TRUE(ini.hasKey("fplot3", k)) << k;
  // New: the creation values.
  deliverCommand(w.get(), WM_NEWWORKSHEET, path);
  EXPECT_EQ(w->fromEdit()->text(), "-pi");
  EXPECT_EQ(w->toEdit()->text(), "pi");
}

TEST_F(ParametricWindowTest, PrintoutWithoutOpeningTheChart) {
  auto w = open("cos(k)", "sin(k)", "-pi", "pi");
  const QString pdf = printToPdf(QStringLiteral("p.pdf"));
  deliverCommand(w.get(), WM_PRINTWORKSHEET);
  const QString text = PdfText(pdf);
  EXPECT_TRUE(text.contains(QStringLiteral("Parameterkurven"))) << text.toStdString();
  EXPECT_TRUE(text.contains(QStringLiteral("y(k) = sin(k)"))) << text.toStdString();
  EXPECT_TRUE(text.contains(QStringLiteral("Parameter k von : -pi"))) << text.toStdString();
  EXPECT_FALSE(StrokesIn(w->chartPage().chart(), w->chartPage().color(1)).empty());
}

}  // namespace
}  // namespace zw
