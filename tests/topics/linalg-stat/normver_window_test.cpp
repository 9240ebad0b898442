// The normal distribution window offscreen: σ filled and refused, the chart
// page, the value table with its fields and digits, the worksheet and the
// two-page printout.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QRegularExpression>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <QTabWidget>

#include "platform/ini/IniFile.h"
#include "shell/texts/Texts.h"
#include "tests/topics/PdfText.h"
#include "tests/topics/TopicTestBase.h"
#include "topics/linalg-stat/NormVerWindow.h"

namespace zw {
namespace {

class NormVerWindowTest : public TopicTestBase {
protected:
  std::unique_ptr<TFNormVer> openWith(const QString& mu, const QString& sigma) {
    auto w = openTopic<TFNormVer>();
    w->muEdit()->setText(mu);
    w->sigmaEdit()->setText(sigma);
    return w;
  }
  static int pageCount(const QString& pdf) {
    QFile f(pdf);
    if (!f.open(QIODevice::ReadOnly)) return -1;
    static const QRegularExpression page(QStringLiteral("/Type\\s*/Page[^s]"));
    return int(QString::fromLatin1(f.readAll()).count(page));
  }
  static QStringList table(TFNormVer& w) { return w.tableMemo()->toPlainText().split(u'\n'); }
};

TEST_F(NormVerWindowTest, TablePageFillsSigmaAndTheRangeFields) {
  auto w = openWith(QStringLiteral("0"), QString());
  w->pageControl()->setCurrentIndex(2);
  QApplication::processEvents();
  EXPECT_TRUE(errors_.empty());
  ASSERT_EQ(w->currentPage(), 2);
  EXPECT_EQ(w->sigmaEdit()->text(), QStringLiteral("1"));
  EXPECT_EQ(w->tableEdits()[0]->text(), QStringLiteral("-4,00000000"));
  EXPECT_EQ(w->tableEdits()[1]->text(), QStringLiteral("4,00000000"));
  EXPECT_EQ(w->tableEdits()[2]->text(), QStringLiteral("0,25000000"));
  EXPECT_EQ(table(*w).size(), 4 + 32);
  EXPECT_EQ(QApplication::focusWidget(), w->tableEdits()[0]);
  // Fewer digits: the table follows at once.
  w->digits()->setValue(3);
  EXPECT_TRUE(table(*w)[4 + 16].contains(QStringLiteral("0,399"))) << table(*w)[20].toStdString();
  // A typed range stays while μ and σ do; new μ refills it.
  w->tableEdits()[1]->setText(QStringLiteral("0"));
  w->tableFieldsChanged();
  EXPECT_EQ(table(*w).size(), 4 + 16);
  w->pageControl()->setCurrentIndex(0);
  w->pageControl()->setCurrentIndex(2);
  EXPECT_EQ(w->tableEdits()[1]->text(), QStringLiteral("0"));
  w->pageControl()->setCurrentIndex(0);
  w->muEdit()->setText(QStringLiteral("1"));
  w->pageControl()->setCurrentIndex(2);
  EXPECT_EQ(w->tableEdits()[1]->text(), QStringLiteral("5,00000000"));
  EXPECT_TRUE(table(*w)[0].contains(QStringLiteral("= 1 ,"))) << table(*w)[0].toStdString();
}

TEST_F(NormVerWindowTest, RefusedInputsShowTheirMessageAndFocus) {
  struct Case {
    QString mu, sigma;
    bool onSigma;
  } cases[] = {
      {QStringLiteral("0"), QStringLiteral("0"), true},
      {QStringLiteral("0"), QStringLiteral("-2"), true},
      {QStringLiteral("abc"), QStringLiteral("1"), false},
      {QStringLiteral("1e999"), QStringLiteral("1"), false},
      {QString(10000, u'7'), QStringLiteral("1"), false},
      {QStringLiteral("x"), QStringLiteral("y"), true},  // the last bad field keeps the focus
      {QStringLiteral("0"), QStringLiteral("\u0001"), true},
  };
  for (const Case& c : cases) {
    for (int page : {1, 2}) {
      errors_.clear();
      auto w = openWith(c.mu, c.sigma);
      w->pageControl()->setCurrentIndex(page);
      QApplication::processEvents();
      EXPECT_EQ(w->currentPage(), 0) << c.sigma.toStdString();
      ASSERT_EQ(errors_.size(), 1U) << c.mu.left(20).toStdString() << " " << c.sigma.toStdString();
      EXPECT_EQ(errors_[0], GetMessageText(22));
      EXPECT_EQ(QApplication::focusWidget(), c.onSigma ? w->sigmaEdit() : w->muEdit()) << c.sigma.toStdString();
      EXPECT_EQ(w->muEdit()->text(), c.mu);
      EXPECT_TRUE(w->tableMemo()->toPlainText().isEmpty());  // nothing computed
    }
  }
}

TEST_F(NormVerWindowTest, BadTableFieldsKeepTheTablePage) {
  struct Case {
    int field;
    QString text;
  } cases[] = {{2, QStringLiteral("0")}, {2, QStringLiteral("1e-12")}, {2, QStringLiteral("-1")}, {0, QStringLiteral("a")},
               {1, QStringLiteral("1e999")}};
  for (const Case& c : cases) {
    errors_.clear();
    auto w = openWith(QStringLiteral("0"), QStringLiteral("1"));
    w->pageControl()->setCurrentIndex(2);
    QApplication::processEvents();
    w->tableEdits()[std::size_t(c.field)]->setText(c.text);
    w->tableFieldsChanged();
    QApplication::processEvents();
    EXPECT_EQ(w->currentPage(), 2) << c.text.toStdString();
    ASSERT_EQ(errors_.size(), 1U) << c.text.toStdString();
    EXPECT_EQ(errors_[0], GetMessageText(22));
    EXPECT_EQ(QApplication::focusWidget(), w->tableEdits()[std::size_t(c.field)]) << c.text.toStdString();
  }
}

TEST_F(NormVerWindowTest, ChartShowsBothCurvesInTheDefaultRange) {
  auto w = openWith(QStringLiteral("2"), QStringLiteral("0,5"));
  w->pageControl()->setCurrentIndex(1);
  QApplication::processEvents();
  ASSERT_EQ(w->currentPage(), 1);
  const TVIrada& chart = w->chartPage().chart();
  EXPECT_NEAR(chart.Layers().X(1).Center(), 2, 1e-9);
  int draws = 0;
  for (const TrcChartItem& it : chart.DisplayList().items()) draws += it.ItemKind == TrcItem::tkLineto;
  EXPECT_GE(draws, 2 * (chart.width() - chart.MarginLeft() - chart.MarginRight()));
}

TEST_F(NormVerWindowTest, WorksheetKeysRoundTrip) {
  auto w = openWith(QStringLiteral("1,5"), QStringLiteral("0.25"));
  const QString path = file(QStringLiteral("norm.dat"));
  deliverCommand(w.get(), WM_SAVEWORKSHEET, path);
  const IniFile ini(path);
  EXPECT_EQ(ini.keys(QStringLiteral("normver")), (QStringList{QStringLiteral("my"), QStringLiteral("sigma")}));
  auto v = openWith(QString(), QString());
  deliverCommand(v.get(), WM_LOADWORKSHEET, path);
  EXPECT_EQ(v->muEdit()->text(), QStringLiteral("1,5"));
  EXPECT_EQ(v->sigmaEdit()->text(), QStringLiteral("0.25"));
}

TEST_F(NormVerWindowTest, PrintoutHasTheChartPageAndTheTablePage) {
  auto w = openWith(QStringLiteral("0"), QStringLiteral("1"));
  w->pageControl()->setCurrentIndex(2);
  QApplication::processEvents();
  const QString pdf = printToPdf(QStringLiteral("norm.pdf"));
  deliverCommand(w.get(), WM_PRINTWORKSHEET);
  const QString text = PdfText(pdf);
  EXPECT_TRUE(text.contains(QStringLiteral("0,398942"))) << text.toStdString();  // the table, never the chart page
  // A y label of the chart: a text item of its own with two decimals.
  static const QRegularExpression label(QStringLiteral("^\\s*-?\\d[.,]\\d\\d\\s*$"), QRegularExpression::MultilineOption);
  EXPECT_TRUE(text.contains(label)) << text.toStdString();
  EXPECT_EQ(pageCount(pdf), 2);
}

}  // namespace
}  // namespace zw
