// The Diophantine equations topic: the listed cases, random coefficients up
// to 10^15 with every solution substituted, the texts, and the window's
// running record with its HTML label.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <memory>
#include <numeric>
#include <random>

#include "charts/HtmlLab.h"
#include "platform/ini/IniFile.h"
#include "shell/State.h"
#include "shell/commands/Commands.h"
#include "tests/topics/PdfText.h"
#include "tests/topics/TopicTestBase.h"
#include "topics/algebra/Dio.h"
#include "topics/algebra/DioWindow.h"

namespace zw {
namespace {

using i128 = __int128;

class DioComputeTest : public TopicTestBase {};

TEST_F(DioComputeTest, SolutionLinesOfTheTypicalCases) {
  struct Case {
    std::int64_t a, b, c;
    const char* line;
  };
  const Case cases[] = {
      {3, 5, -7, "L = { ( 4 - 5t | - 1 + 3t ) }"},
      {2, 4, 1, "L = { }"},
      {1, 1, 0, "L = { ( t | - t ) }"},
      {-3, 5, 7, "L = { ( 4 + 5t | 1 + 3t ) }"},
      {0, 0, 0, "L = { ( t | s ) }"},
      {0, 0, 5, "L = { }"},
      {4, 0, -8, "L = { ( 2 | t ) }"},
      {4, 0, 6, "L = { }"},
      {0, -3, 6, "L = { ( t | 2 ) }"},
      {6, 10, -4, "L = { ( 4 - 5t | - 2 + 3t ) }"},
      {5, 0, 0, "L = { ( 0 | t ) }"},
  };
  for (const Case& c : cases) EXPECT_EQ(DioSolutionLine(SolveDio(c.a, c.b, c.c)), c.line) << c.a << " " << c.b << " " << c.c;
  EXPECT_EQ(DioEquationLine(3, 5, -7), QString::fromUtf8("3·x + 5·y – 7 = 0 ;   x,y ganzzahlig"));
  EXPECT_EQ(DioEquationLine(-3, 0, 7), QString::fromUtf8("-3·x + 0·y + 7 = 0 ;   x,y ganzzahlig"));
}

// Every pair of the set solves the equation, and the set is complete: its
// step is the smallest one (b/g, -a/g up to sign).
void expectSolutionSet(std::int64_t a, std::int64_t b, std::int64_t c) {
  const DioSolution s = SolveDio(a, b, c);
  const std::int64_t g = std::gcd(a, b);
  if (c % g != 0) {
    EXPECT_EQ(s.kind, DioSolution::Kind::None) << a << " " << b << " " << c;
    return;
  }
  ASSERT_EQ(s.kind, DioSolution::Kind::OneParameter) << a << " " << b << " " << c;
  // The largest parameter takes x and y beyond 64 bits, yet keeps a·x + b·y
  // inside 128 bits at the input bound (|a|, |b|, |step| <= 10^15).
  for (i128 t : {i128(-3), i128(0), i128(1), i128(1000003)}) {
    const i128 x = s.x0 + s.xs * t, y = s.y0 + s.ys * t;
    ASSERT_TRUE(static_cast<i128>(a) * x + static_cast<i128>(b) * y + c == 0) << a << " " << b << " " << c;
  }
  EXPECT_TRUE(s.xs == b / g || s.xs == -b / g);
  EXPECT_TRUE(s.ys == a / g || s.ys == -a / g);
  EXPECT_TRUE(s.xs * a + s.ys * b == 0);
}

TEST_F(DioComputeTest, RandomCoefficientsUpToTheInputBoundSolveExactly) {
  std::mt19937_64 rng(2024);
  constexpr std::int64_t kMax = 1'000'000'000'000'000;
  auto coefficient = [&](int bits) {
    const std::int64_t v = static_cast<std::int64_t>(rng() % static_cast<std::uint64_t>(std::min<std::int64_t>(kMax, std::int64_t{1} << bits))) + 1;
    return rng() % 2 ? v : -v;
  };
  for (int round = 0; round < 3000; ++round) {
    const int bits = 4 + round % 47;
    std::int64_t a = coefficient(bits), b = coefficient(bits), c = coefficient(bits);
    if (round % 3 == 0) c = (c % 1000) * std::gcd(a, b);  // solvable more often
    expectSolutionSet(a, b, c);
  }
  // The extremes of the input range.
  for (const auto& [a, b, c] : {std::tuple{kMax, kMax - 1, -kMax}, std::tuple{-kMax, kMax - 1, kMax},
                                std::tuple{kMax - 1, -kMax, kMax}, std::tuple{std::int64_t{999999999999989}, std::int64_t{2}, -kMax}})
    expectSolutionSet(a, b, c);
}

TEST_F(DioComputeTest, LargeValuesPrintEveryDigit) {
  const DioSolution s = SolveDio(1'000'000'000'000'000, 999'999'999'999'999, -1'000'000'000'000'000);
  const QString line = DioSolutionLine(s);
  EXPECT_FALSE(line.contains(u'E')) << line.toStdString();
}

class DioWindowTest : public TopicTestBase {
protected:
  std::unique_ptr<TFDio> open() {
    auto w = std::make_unique<TFDio>();
    w->setAttribute(Qt::WA_DeleteOnClose, false);
    w->show();
    return w;
  }
  static void run(TFDio& w, const QStringList& t) {
    if (w.currentPage() == 1) w.okButton(1)->click();
    for (int i = 0; i < 3; ++i) w.edit(i)->setText(t[i]);
    w.okButton(0)->click();
  }
};

TEST_F(DioWindowTest, RecordAppendsEachNewEquationOnce) {
  auto w = open();
  EXPECT_TRUE(w->equationLabel()->Caption().endsWith("</I> ganzzahlig"));
  run(*w, {"3", "5", "-7"});
  const QStringList first = {QString::fromUtf8("3·x + 5·y – 7 = 0 ;   x,y ganzzahlig"), "L = { ( 4 - 5t | - 1 + 3t ) }", ""};
  EXPECT_EQ(w->memoLines(), first);
  run(*w, {"3", "5", "-7"});
  EXPECT_EQ(w->memoLines(), first);
  run(*w, {"0", "0", "0"});
  EXPECT_EQ(w->memoLines().size(), 6);
  for (const auto& [fields, focus] : {std::pair{QStringList{"1,5", "2", "3"}, 0}, std::pair{QStringList{"1", "2", "c?"}, 2}}) {
    errors_.clear();
    run(*w, fields);
    EXPECT_EQ(errors_, std::vector<QString>{"Unzulässige Eingabe"});
    EXPECT_EQ(w->focusWidget(), w->edit(focus));
    EXPECT_EQ(w->memoLines().size(), 6);
  }
}

TEST_F(DioWindowTest, SaveReloadAndPrint) {
  shellState().MemoryOption = false;
  auto w = open();
  for (int i = 0; i < 3; ++i) w->edit(i)->setText((QStringList{"6", "10", "-4"})[i]);
  deliverCommand(w.get(), WM_SAVEWORKSHEET, file("dio.dat"));
  EXPECT_EQ(IniFile(file("dio.dat")).readString("dio", "c"), "-4");
  auto other = open();
  deliverCommand(other.get(), WM_LOADWORKSHEET, file("dio.dat"));
  EXPECT_EQ(other->edit(2)->text(), "-4");
  const QString pdf = printToPdf("dio.pdf");
  other->okButton(0)->click();
  deliverCommand(other.get(), WM_PRINTWORKSHEET);
  const QString text = PdfText(pdf);
  EXPECT_TRUE(text.contains("Diophantische Gleichungen"));
  EXPECT_TRUE(text.contains("L = { ( 4 - 5t | - 2 + 3t ) }"));
}

}  // namespace
}  // namespace zw
