// The binomial and hypergeometric windows offscreen: empty k fields filled,
// the memo, refused inputs with their message and focus, the worksheet, the
// bars and their scroll bars, printing.
#include <gtest/gtest.h>

#include <QApplication>
#include <QRegularExpression>
#include <QCheckBox>
#include <QLineEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>

#include "platform/ini/IniFile.h"
#include "shell/texts/Texts.h"
#include "tests/topics/PdfText.h"
#include "tests/topics/TopicTestBase.h"
#include "topics/linalg-stat/DistributionWindows.h"

namespace zw {
namespace {

class DistributionWindowTest : public TopicTestBase {
protected:
  template <class W>
  std::unique_ptr<W> openWith(std::initializer_list<QString> texts) {
    auto w = openTopic<W>();
    int i = 1;
    for (const QString& t : texts) edit(w.get(), i++)->setText(t);
    return w;
  }
  static QLineEdit* edit(QWidget* w, int i) { return w->findChild<QLineEdit*>(QStringLiteral("Edit%1").arg(i)); }
  static std::vector<TrcChartItem> bars(const TVIrada& chart) {
    std::vector<TrcChartItem> out;
    for (const TrcChartItem& it : chart.DisplayList().items())
      if (it.ItemKind == TrcItem::tk3DBar) out.push_back(it);
    return out;
  }
};

TEST_F(DistributionWindowTest, BinomialFillsEmptyBoundsAndShowsTheTable) {
  auto w = openWith<TFBinVer>({QStringLiteral("10"), QStringLiteral("0,5"), QString(), QString()});
  w->okButton(0)->click();
  EXPECT_TRUE(errors_.empty());
  EXPECT_EQ(w->currentPage(), 1);
  EXPECT_EQ(edit(w.get(), 3)->text(), QStringLiteral("1"));
  EXPECT_EQ(edit(w.get(), 4)->text(), QStringLiteral("10"));
  const QStringList memo = w->memoLines();
  ASSERT_EQ(memo.size(), 16);
  EXPECT_EQ(memo[0], QStringLiteral("  n = 10;    p = 0,5"));
  EXPECT_EQ(memo[15], QStringLiteral("  P(1 \u2264 k \u2264 10) =          0,99902344"));
}

TEST_F(DistributionWindowTest, HypergeometricFillsEmptyBoundsAndShowsTheTable) {
  auto w = openWith<TFHypVer>({QStringLiteral("5"), QStringLiteral("10"), QStringLiteral("3"), QString(), QString()});
  EXPECT_FALSE(w->colourBox()->isChecked());
  w->okButton(0)->click();
  EXPECT_TRUE(errors_.empty());
  EXPECT_EQ(edit(w.get(), 4)->text(), QStringLiteral("0"));
  EXPECT_EQ(edit(w.get(), 5)->text(), QStringLiteral("5"));
  const QStringList memo = w->memoLines();
  ASSERT_EQ(memo.size(), 10);
  EXPECT_EQ(memo[0], QStringLiteral("  n = 5;    m = 10;    r = 3"));
  EXPECT_EQ(memo[4], QStringLiteral("      0      0,08333333    0,08333333 "));
  EXPECT_EQ(memo[9], QStringLiteral("  P(0 \u2264 k \u2264 5) =           1,00000000"));
}

TEST_F(DistributionWindowTest, RefusedInputsKeepTheInputPageAndFocusTheirField) {
  struct Case {
    bool binomial;
    std::vector<QString> texts;
    int focus;  // Edit number
  } cases[] = {
      // An empty n leaves k-max empty too: the last bad field keeps the focus.
      {true, {QString(), QStringLiteral("0,5"), QString(), QString()}, 4},
      {true, {QString(), QStringLiteral("0,5"), QString(), QStringLiteral("3")}, 1},
      {true, {QStringLiteral("10"), QStringLiteral("1,5"), QString(), QString()}, 2},
      {true, {QStringLiteral("2000000"), QStringLiteral("0,5"), QString(), QString()}, 1},
      {true, {QStringLiteral("10"), QStringLiteral("abc"), QStringLiteral("#"), QString()}, 3},  // the last bad one
      {true, {QStringLiteral("10"), QStringLiteral("1e999"), QString(), QString()}, 2},
      {true, {QStringLiteral("10"), QStringLiteral("0,5"), QStringLiteral("-1"), QString()}, 3},
      {true, {QStringLiteral("10"), QStringLiteral("0,5"), QStringLiteral("1"), QStringLiteral("0")}, 4},
      {true, {QString(10000, u'9'), QStringLiteral("0,5"), QString(), QStringLiteral("3")}, 1},
      {true, {QStringLiteral("1\u00072"), QStringLiteral("0,5"), QString(), QStringLiteral("3")}, 1},
      {false, {QStringLiteral("10"), QStringLiteral("10"), QStringLiteral("3"), QString(), QString()}, 2},
      {false, {QStringLiteral("5"), QStringLiteral("10"), QStringLiteral("10"), QString(), QString()}, 3},
      {false, {QStringLiteral("5"), QStringLiteral("10"), QStringLiteral("-1"), QString(), QString()}, 3},
      {false, {QStringLiteral("5"), QStringLiteral("1e300"), QStringLiteral("3"), QString(), QString()}, 2},
      {false, {QStringLiteral("2000000"), QStringLiteral("3000000"), QStringLiteral("3"), QString(), QString()}, 1},
      {false, {QStringLiteral("5"), QStringLiteral("m"), QStringLiteral("3"), QString(), QString()}, 2},
  };
  for (const Case& c : cases) {
    errors_.clear();
    std::unique_ptr<DistributionWindow> w;
    if (c.binomial) w = openWith<TFBinVer>({c.texts[0], c.texts[1], c.texts[2], c.texts[3]});
    else w = openWith<TFHypVer>({c.texts[0], c.texts[1], c.texts[2], c.texts[3], c.texts[4]});
    w->okButton(0)->click();
    QApplication::processEvents();
    const std::string what = (c.texts[0] + QLatin1Char('|') + c.texts[1] + QLatin1Char('|') + c.texts[2]).left(60).toStdString();
    EXPECT_EQ(w->currentPage(), 0) << what;
    ASSERT_EQ(errors_.size(), 1U) << what;
    EXPECT_EQ(errors_[0], GetMessageText(22)) << what;
    EXPECT_EQ(QApplication::focusWidget(), edit(w.get(), c.focus))
        << what << " focus: " << (QApplication::focusWidget() ? QApplication::focusWidget()->objectName().toStdString() : "none");
    EXPECT_EQ(edit(w.get(), 1)->text(), c.texts[0]);  // nothing typed is lost
    EXPECT_EQ(edit(w.get(), 2)->text(), c.texts[1]);
  }
}

TEST_F(DistributionWindowTest, WorksheetKeysRoundTrip) {
  auto w = openWith<TFHypVer>({QStringLiteral("5"), QStringLiteral("10,5"), QStringLiteral("3"), QStringLiteral("1"),
                               QStringLiteral("4")});
  const QString path = file(QStringLiteral("hyp.dat"));
  deliverCommand(w.get(), WM_SAVEWORKSHEET, path);
  const IniFile ini(path);
  EXPECT_EQ(ini.readString(QStringLiteral("hypver"), QStringLiteral("m")), QStringLiteral("10,5"));
  EXPECT_EQ(ini.readString(QStringLiteral("hypver"), QStringLiteral("kmax")), QStringLiteral("4"));
  auto v = openWith<TFHypVer>({});
  deliverCommand(v.get(), WM_LOADWORKSHEET, path);
  for (int i = 1; i <= 5; ++i) EXPECT_EQ(edit(v.get(), i)->text(), edit(w.get(), i)->text()) << i;

  auto b = openWith<TFBinVer>({QStringLiteral("7"), QStringLiteral("0.25"), QString(), QStringLiteral("3")});
  const QString binPath = file(QStringLiteral("bin.dat"));
  deliverCommand(b.get(), WM_SAVEWORKSHEET, binPath);
  EXPECT_EQ(IniFile(binPath).keys(QStringLiteral("binver")),
            (QStringList{QStringLiteral("n"), QStringLiteral("p"), QStringLiteral("kmin"), QStringLiteral("kmax")}));
  auto c = openWith<TFBinVer>({});
  deliverCommand(c.get(), WM_LOADWORKSHEET, binPath);
  for (int i = 1; i <= 4; ++i) EXPECT_EQ(edit(c.get(), i)->text(), edit(b.get(), i)->text()) << i;
}

TEST_F(DistributionWindowTest, ChartDrawsTheBarsAndTheScrollBarsTurnThem) {
  auto w = openWith<TFBinVer>({QStringLiteral("2"), QStringLiteral("0,5"), QStringLiteral("0"), QString()});
  w->pageControl()->setCurrentIndex(2);
  QApplication::processEvents();
  ASSERT_EQ(w->currentPage(), 2);
  EXPECT_EQ(w->depthBar()->value(), 10);
  EXPECT_EQ(w->angleBar()->value(), 30);
  const TVIrada& chart = w->chartPage().chart();
  EXPECT_NEAR(chart.Layers().Y(1).RangeHigh(), 0.75, 1e-12);
  EXPECT_NEAR(chart.Layers().Y(1).RangeLow(), -0.01, 1e-12);
  EXPECT_NEAR(chart.Layers().X(1).RangeLow(), -0.2, 1e-12);
  EXPECT_NEAR(chart.Layers().X(1).RangeHigh(), 2.2, 1e-12);
  std::vector<TrcChartItem> b = bars(chart);
  ASSERT_EQ(b.size(), 3U);
  EXPECT_NEAR(b[0].x, -0.4, 1e-12);
  // From 90° on the bars are drawn from the last k down, with the new angle.
  w->angleBar()->setValue(120);
  b = bars(chart);
  ASSERT_EQ(b.size(), 3U);
  EXPECT_NEAR(b[0].x, 1.6, 1e-12);
  EXPECT_EQ(b[0].SizeOrAngle, 120);
  w->depthBar()->setValue(40);
  EXPECT_EQ(bars(chart)[0].Depth, 40);
  // The colour box: white bars.
  w->colourBox()->setChecked(false);
  for (const TrcChartItem& it : bars(chart)) EXPECT_EQ(it.FillColor, TColor(0xFFFFFF));
  // The next visit sets the view up again.
  w->pageControl()->setCurrentIndex(0);
  w->pageControl()->setCurrentIndex(2);
  QApplication::processEvents();
  EXPECT_EQ(w->angleBar()->value(), 30);
  EXPECT_EQ(w->depthBar()->value(), 10);
}

TEST_F(DistributionWindowTest, PrintoutHoldsTheMemoAndTheChartNeverOpened) {
  auto w = openWith<TFHypVer>({QStringLiteral("5"), QStringLiteral("10"), QStringLiteral("3"), QString(), QString()});
  w->okButton(0)->click();
  const QString pdf = printToPdf(QStringLiteral("hyp.pdf"));
  deliverCommand(w.get(), WM_PRINTWORKSHEET);
  const QString text = PdfText(pdf);
  EXPECT_TRUE(text.contains(QStringLiteral("0,41666667"))) << text.toStdString();
  // A y label of the chart: a text item of its own with two decimals.
  static const QRegularExpression label(QStringLiteral("^\\s*-?\\d[.,]\\d\\d\\s*$"), QRegularExpression::MultilineOption);
  EXPECT_TRUE(text.contains(label)) << text.toStdString();
}

}  // namespace
}  // namespace zw
