// Integral calculus without a window: the memo lines, the sums of its cases,
// the refusals, and the run in steps giving what the plain function gives.
#include <gtest/gtest.h>

#include <cmath>

#include "common/TextMeasurer.h"
#include "topics/analysis/Integral.h"
#include "topics/frame/InputRejected.h"

namespace zw {
namespace {

const IntegralTexts kTexts{"Intervall  [a;b]  von ", " bis ", "Orientierter Inhalt", "Absoluter Inhalt",
                           "Drehmomente", "Rotationsvolumen", "Schwerpunkt", "Bogenlängen"};

IntegralInput Input(const char* f1, const char* f2, Extended a, Extended b, bool arcs = false, bool moments = false,
                    bool volumes = false) {
  IntegralInput in;
  in.f1 = IntegralTerm(QString::fromUtf8(f1));
  in.f2 = IntegralTerm(QString::fromUtf8(f2));
  in.f2Typed = !QString::fromUtf8(f2).trimmed().isEmpty();
  in.a = a, in.b = b;
  in.aText = QString::number(double(a));
  in.bText = QString::number(double(b));
  in.arcs = arcs, in.moments = moments, in.volumes = volumes;
  in.context.AngleMode = 1;
  return in;
}

QString Blanks(int n) { return QString(n, u' '); }

TEST(IntegralTest, ParabolaWithEveryResult) {
  // Every letter 10 pixels: the labels are padded to 20 blanks, the width
  // of "Orientierter Inhalt" and one blank more.
  const FixedWidthMeasurer memo;
  const IntegralResult r = ComputeIntegral(Input("x^2", " ", 0, 1, true, true, true), kTexts, memo);
  const QStringList expected{
      "",
      "  ƒ₁(x) = x^2",
      "",
      "  Intervall  [a;b]  von 0 bis 1",
      "",
      "  Orientierter Inhalt  :  A₁ = 0,333333",
      "  Absoluter Inhalt     :  A₂ = 0,333333",
      "",
      "  Bogenlängen" + Blanks(9) + " :  L₁[a;b] = 1,479   L₂[a,b] = 1",
      "",
      "  Drehmomente" + Blanks(9) + " :  Mx = 0,1",
      "  " + Blanks(20) + " :  My = 0,25",
      "",
      "  Rotationsvolumen" + Blanks(4) + " :  Vx = 0,2·pi = 0,628319",
      "  " + Blanks(20) + " :  Vy = 0,5·pi = 1,5708",
      "",
      "  Schwerpunkt" + Blanks(9) + " :  S(0,75|0,3)",
  };
  EXPECT_EQ(r.lines, expected) << r.lines.join(u'\n').toStdString();
}

// The value of a line's entry "name = value" as a number.
double Entry(const IntegralResult& r, const QString& name) {
  for (const QString& l : r.lines) {
    const int at = l.indexOf(name + QStringLiteral(" = "));
    if (at < 0) continue;
    QString v = l.mid(at + name.size() + 3).section(u' ', 0, 0);
    return v.replace(u',', u'.').toDouble();
  }
  return std::nan("");
}

bool HasCentroid(const IntegralResult& r) {
  for (const QString& l : r.lines)
    if (l.contains(QStringLiteral("S("))) return true;
  return false;
}

TEST(IntegralTest, Cases) {
  const FixedWidthMeasurer memo;
  const double pi = 3.14159265358979;
  struct Row {
    const char* what;
    IntegralInput in;
    double a1, a2, tol;
    bool centroid;
  } rows[] = {
      {"a full sine period", Input("sin(x)", "", 0, 2 * pi), 0, 4, 1e-5, false},
      {"no midpoint on the pole", Input("1/x", "", -1, 1), 0, 19.5751, 1e-4, false},
      {"the area between two curves", Input("x", "x^2", 0, 1), 1.0 / 6, 1.0 / 6, 1e-6, true},
      // b left of a: the oriented area turns, the absolute one does not.
      {"reversed interval", Input("x^2", "", 1, 0), -1.0 / 3, 1.0 / 3, 1e-6, false},
      {"reversed interval below the axis", Input("-x^2", "", 1, 0), 1.0 / 3, 1.0 / 3, 1e-6, true},
      {"no width", Input("x^2", "", 2, 2), 0, 0, 0, false},
      {"no area", Input("x", "x", 0, 1), 0, 0, 0, false},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.what);
    const IntegralResult r = ComputeIntegral(row.in, kTexts, memo);
    EXPECT_NEAR(double(r.sums.A1), row.a1, row.tol);
    EXPECT_NEAR(double(r.sums.A2), row.a2, row.tol);
    EXPECT_NEAR(Entry(r, QStringLiteral("A₂")), row.a2, std::max(row.tol, 1e-5 * row.a2));
    EXPECT_EQ(HasCentroid(r), row.centroid) << r.lines.join(u'\n').toStdString();
    EXPECT_EQ(r.sums.centroid, row.centroid);
  }
  // The centroid of the area between x and x², also with b left of a.
  for (const auto& [a, b] : {std::pair{0, 1}, std::pair{1, 0}}) {
    const IntegralResult r = ComputeIntegral(Input(a < b ? "x" : "x^2", a < b ? "x^2" : "x", a, b), kTexts, memo);
    EXPECT_NEAR(double(r.sums.xs), 0.5, 1e-6);
    EXPECT_NEAR(double(r.sums.ys), 0.4, 1e-6);
  }
}

TEST(IntegralTest, ArcLengths) {
  const FixedWidthMeasurer memo;
  struct Row {
    const char* f1;
    const char* f2;
    Extended a, b;
    double l1, l2;
  } rows[] = {
      {"x", "", 0, 1, std::sqrt(2.0), 1},
      {"x", "2*x", 1, 0, std::sqrt(2.0), std::sqrt(5.0)},  // a length whichever way the interval runs
      {"sqrt(1-x^2)", "", -0.5, 0.5, 2 * std::asin(0.5), 1},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.f1);
    const IntegralResult r = ComputeIntegral(Input(row.f1, row.f2, row.a, row.b, true), kTexts, memo);
    EXPECT_NEAR(double(r.sums.L1), row.l1, 1e-7);
    EXPECT_NEAR(double(r.sums.L2), row.l2, 1e-7);
  }
  // Four digits in the memo.
  const IntegralResult r = ComputeIntegral(Input("x", "", 0, 1, true), kTexts, memo);
  EXPECT_TRUE(r.lines.join(u'\n').contains(QStringLiteral("L₁[a;b] = 1,414 "))) << r.lines.join(u'\n').toStdString();
}

TEST(IntegralTest, OnlyTheAreasWithoutTheBoxes) {
  const FixedWidthMeasurer memo;
  const IntegralResult r = ComputeIntegral(Input("sin(x)", "cos(x)", 0, 1), kTexts, memo);
  for (const char* absent : {"Mx", "Vx", "L₁", "S("})
    EXPECT_FALSE(r.lines.join(u'\n').contains(QString::fromUtf8(absent))) << absent;
  EXPECT_EQ(r.lines[2], QStringLiteral("  ƒ₂(x) = cos(x)"));
}

TEST(IntegralTest, RefusesATermWithoutValueOnItsField) {
  const FixedWidthMeasurer memo;
  struct Row {
    IntegralInput in;
    const char* key;
    int message;
  } rows[] = {
      {Input("sqrt(x)", "", -1, 1), IntegF1Key, 22},
      {Input("x", "ln(x)", -1, 1), IntegF2Key, 22},
      {Input("x+*", "", 0, 1), IntegF1Key, 22},
      // The arc integrand has no value where ƒ' has none.
      {Input("x", "sqrt(x)", 0, 1, true), "", 0},
      {Input("x", "sqrt(x)", -1, 1, true), IntegF2Key, 22},
      {Input("1e3000", "", 0, 1, false), IntegF1Key, 44},
  };
  for (const Row& row : rows) {
    SCOPED_TRACE(row.in.f1 == u"x" ? QString::fromStdU16String(row.in.f2).toStdString()
                                   : QString::fromStdU16String(row.in.f1).toStdString());
    try {
      ComputeIntegral(row.in, kTexts, memo);
      EXPECT_EQ(row.message, 0) << "not refused";
    } catch (const InputRejected& e) {
      EXPECT_EQ(e.field(), row.key);
      EXPECT_EQ(e.message(), row.message);
    }
  }
}

TEST(IntegralTest, BlockAndPointByPointAndTheRunAgree) {
  const FixedWidthMeasurer memo;
  const IntegralInput in = Input("exp(-x^2)*sin(3*x)", "x/5", -2, 3, true, true, true);
  const IntegralResult block = ComputeIntegral(in, kTexts, memo);
  const IntegralResult point = ComputeIntegral(in, kTexts, memo, MidpointValues::PointByPoint);
  EXPECT_EQ(block.lines, point.lines);
  EXPECT_EQ(block.sums.A1, point.sums.A1);
  EXPECT_EQ(block.evaluations, 2 * IntegralMidpoints + 2 * ArcLengthMidpoints);
  QStringList ran;
  IntegralRun run(in, kTexts, std::make_shared<FixedWidthMeasurer>(), [&](const IntegralResult& r) { ran = r.lines; });
  int steps = 0;
  while (run.step()) ++steps;
  run.finish(Stepper::End::Finished, 0);
  EXPECT_EQ(ran, block.lines);
  EXPECT_GT(steps, 10);
  // A stopped run gives nothing.
  bool called = false;
  IntegralRun stopped(in, kTexts, std::make_shared<FixedWidthMeasurer>(), [&](const IntegralResult&) { called = true; });
  stopped.step();
  stopped.finish(Stepper::End::Stopped, 0);
  EXPECT_FALSE(called);
}

}  // namespace
}  // namespace zw
