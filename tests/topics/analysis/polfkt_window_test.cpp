// The polynomial discussion window: the grid read on every page change, the
// four curves and their switches, the value table page, refused input, the
// worksheet and the printout by page range.
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QTabWidget>

#include "platform/ini/IniFile.h"
#include "tests/topics/PdfText.h"
#include "tests/topics/analysis/CurveWindowTest.h"
#include "topics/analysis/PolFktWindow.h"

namespace zw {
namespace {

using curves::StrokesIn;

class PolFktWindowTest : public CurveWindowTest {
protected:
  // Coefficients from x⁹ down to x⁰ (fewer: the lowest powers).
  std::unique_ptr<TFPolFkt> open(QStringList coeffs) {
    auto w = openTopic<TFPolFkt>();
    w->resize(760, 520);
    for (int c = 1; c <= 10; ++c) w->grid()->setCells(c, 1, QString());
    for (int i = 0; i < coeffs.size(); ++i) w->grid()->setCells(11 - int(coeffs.size()) + i, 1, coeffs[i]);
    return w;
  }
  static bool memoHas(const QStringList& lines, const QString& text) {
    for (const QString& l : lines)
      if (l.simplified().contains(text)) return true;
    return false;
  }
};

TEST_F(PolFktWindowTest, OkWalksThePagesAndTheChartDrawsTheCurves) {
  auto w = open({"1", "0", "-1", "0"});  // x³ − x
  w->okButton(0)->click();
  ASSERT_EQ(w->currentPage(), 1);
  EXPECT_TRUE(memoHas(w->memoLines(), QStringLiteral("N₃(-1 | 0 ) m = 2")));
  EXPECT_TRUE(memoHas(w->memoLines(), QStringLiteral("Punktsymmetrisch zu W₁( 0 | 0 )")));
  EXPECT_EQ(w->polynomialLabel()->text(), QStringLiteral("ƒ(x) = x³ - x"));
  w->okButton(1)->click();
  ASSERT_EQ(w->currentPage(), 2);
  TVIrada& chart = w->chartPage().chart();
  const ChartPage& page = w->chartPage();
  EXPECT_TRUE(curves::AllOn(StrokesIn(chart, page.color(1)), [](double x) { return x * x * x - x; }));
  EXPECT_TRUE(curves::AllOn(StrokesIn(chart, page.color(2)), [](double x) { return 3 * x * x - 1; }));
  EXPECT_TRUE(curves::AllOn(StrokesIn(chart, page.color(3)), [](double x) { return 6 * x; }));
  EXPECT_TRUE(curves::AllOn(StrokesIn(chart, page.color(4)), [](double) { return 6; }));
  // The creation range −10 … 10, −7 … 7.
  EXPECT_DOUBLE_EQ(chart.Layers().X(1).RangeLow(), -10);
  EXPECT_DOUBLE_EQ(chart.Layers().Y(1).RangeHigh(), 7);
  click(w->switches().box(3));
  EXPECT_TRUE(StrokesIn(chart, page.color(3)).empty());
  EXPECT_EQ(w->switches().box(3)->palette().color(QPalette::Text), QColor(0xC0, 0xC0, 0xC0));
  click(w->switches().box(3));
  EXPECT_FALSE(StrokesIn(chart, page.color(3)).empty());
  w->okButton(2)->click();
  ASSERT_EQ(w->currentPage(), 3);
  w->okButton(3)->click();
  EXPECT_EQ(w->currentPage(), 0);
  if (qEnvironmentVariableIsSet("ZW_SCREENSHOT_DIR")) {
    const QString dir = qEnvironmentVariable("ZW_SCREENSHOT_DIR");
    for (int i = 0; i < 4; ++i) {
      w->pageControl()->setCurrentIndex(i);
      w->grab().save(dir + QStringLiteral("/polfkt-%1.png").arg(i));
    }
  }
}

TEST_F(PolFktWindowTest, RefusedInputsGiveTheirMessageAndFocus) {
  struct Row {
    const char* what;
    const char* cell;
    const char* from;
    int message;
    const char* focus;
  } rows[] = {
      {"a cell that is no fraction", "abc", "0", 22, "sgKoeff"},
      {"a fraction beyond 32 bits", "1/99999999999", "0", 22, "sgKoeff"},
      {"an integral bound that is no number", "1", "1e999", 22, "edxmin"},
      // 1/2147483647·x integrates to a denominator beyond 32 bits.
      {"an antiderivative beyond the fraction range", "1/2147483647", "0", 44, "sgKoeff"},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.what);
    errors_.clear();
    auto w = open({QString::fromUtf8(r.cell), "0"});
    w->fromEdit()->setText(QString::fromUtf8(r.from));
    w->okButton(0)->click();
    EXPECT_EQ(w->currentPage(), 0);
    ASSERT_EQ(errors_.size(), 1u);
    EXPECT_EQ(errors_[0], GetMessageText(r.message));
    ASSERT_NE(w->focusWidget(), nullptr);
    const QWidget* f = w->focusWidget();
    EXPECT_TRUE(f->objectName() == QString::fromLatin1(r.focus) ||
                (f->parentWidget() && f->parentWidget()->objectName() == QString::fromLatin1(r.focus)) ||
                (f->parentWidget() && f->parentWidget()->parentWidget() &&
                 f->parentWidget()->parentWidget()->objectName() == QString::fromLatin1(r.focus)))
        << f->objectName().toStdString();
  }
}

TEST_F(PolFktWindowTest, ValueTablePage) {
  auto w = open({"1", "0", "0"});  // x²
  w->pageControl()->setCurrentIndex(3);
  ASSERT_EQ(w->currentPage(), 3);
  EXPECT_EQ(w->table().edits()[0]->text(), "-10");
  EXPECT_EQ(w->table().edits()[2]->text(), "1");
  EXPECT_EQ(w->table().memo()->toPlainText().split(u'\n').size(), 5 + 21);
  // A step of 0: message 22, the table page stays with the step field.
  errors_.clear();
  w->table().edits()[2]->setText(QStringLiteral("0"));
  w->table().changed();
  ASSERT_EQ(errors_.size(), 1u);
  EXPECT_EQ(w->currentPage(), 3);
  EXPECT_EQ(w->focusWidget(), w->table().edits()[2]);
  w->table().edits()[2]->setText(QStringLiteral("5"));
  w->table().changed();
  EXPECT_EQ(w->table().memo()->toPlainText().split(u'\n').size(), 5 + 5);
}

TEST_F(PolFktWindowTest, WorksheetRoundTripBeforeTheChartWasBuilt) {
  const QString path = file("p.dat");
  {
    QFile f(path);
    f.open(QIODevice::WriteOnly);
    f.write("[polfkt]\na9=7\na2=1/2\na0=-2\nxvon=0\nxbis=3\nxmin=-1\nxmax=7\nymin=-2\nymax=2\n");
    f.close();
    auto w = open({});
    deliverCommand(w.get(), WM_LOADWORKSHEET, path);
    EXPECT_EQ(w->grid()->Cells(1, 1), "7");
    EXPECT_EQ(w->polynomialLabel()->text(), QStringLiteral("ƒ(x) = 7x⁹ + 1/2x² - 2"));
    // A cleared cell does not come back from the section written before.
    w->grid()->setCells(1, 1, QString());
    deliverCommand(w.get(), WM_SAVEWORKSHEET, path);
  }
  IniFile ini(path);
  for (const char* k : {"a2", "a0", "xvon", "xbis", "xmin", "xmax", "ymin", "ymax", "LineColor", "LineWidth"})
    EXPECT_TRUE(ini.hasKey("polfkt", k)) << k;
  EXPECT_FALSE(ini.hasKey("polfkt", "a9"));
  EXPECT_EQ(ini.readString("polfkt", "xmax"), "7");
  auto w = open({});
  deliverCommand(w.get(), WM_LOADWORKSHEET, path);
  EXPECT_EQ(w->grid()->Cells(8, 1), "1/2");
  w->pageControl()->setCurrentIndex(2);
  const TChartLayers& l = w->chartPage().chart().Layers();
  EXPECT_DOUBLE_EQ(l.X(1).RangeLow(), -1);
  EXPECT_DOUBLE_EQ(l.X(1).RangeHigh(), 7);
  EXPECT_DOUBLE_EQ(l.Y(1).RangeHigh(), 2);
}

TEST_F(PolFktWindowTest, UnreadableStoredRangeFallsBackToThePointBox) {
  const QString path = file("bad.dat");
  QFile f(path);
  f.open(QIODevice::WriteOnly);
  f.write("[polfkt]\na2=1\na0=-100\nxmin=abc\nxmax=10\nymin=-7\nymax=7\n");
  f.close();
  auto w = open({});
  deliverCommand(w.get(), WM_LOADWORKSHEET, path);
  w->pageControl()->setCurrentIndex(2);
  const TChartLayers& l = w->chartPage().chart().Layers();
  EXPECT_DOUBLE_EQ(l.X(1).RangeLow(), -10);
  EXPECT_DOUBLE_EQ(l.Y(1).RangeLow(), -100);
}

TEST_F(PolFktWindowTest, PrintsTheChosenPages) {
  struct Row {
    int from, to;
    bool memo, chart, table;
  } rows[] = {{0, 0, true, true, true}, {2, 2, false, true, false}, {3, 3, false, false, true}};
  for (const Row& r : rows) {
    SCOPED_TRACE(testing::Message() << r.from << ".." << r.to);
    const QString pdf = file(QStringLiteral("p%1%2.pdf").arg(r.from).arg(r.to));
    printPagesToPdf(pdf, r.from, r.to);
    auto w = open({"1", "0", "-1", "0"});
    w->pageControl()->setCurrentIndex(3);
    click(w->switches().box(4));  // ƒ''' hidden: left out of the legend
    deliverCommand(w.get(), WM_PRINTWORKSHEET);
    const QString text = PdfText(pdf);
    EXPECT_EQ(text.contains(QStringLiteral("Nullstellen")), r.memo) << text.toStdString();
    EXPECT_EQ(text.contains(QStringLiteral("——— ƒ'")), r.chart) << text.toStdString();
    EXPECT_FALSE(text.contains(QStringLiteral("——— ƒ'\""))) << text.toStdString();
    EXPECT_EQ(text.contains(QStringLiteral("———————")), r.table) << text.toStdString();
  }
}

}  // namespace
}  // namespace zw
