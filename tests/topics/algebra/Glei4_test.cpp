// Equations up to degree four: the solve from cell texts to memo lines.
#include <gtest/gtest.h>

#include "kernel/CalcFailure.h"
#include "kernel/KernelState.h"
#include "topics/algebra/Glei4.h"
#include "topics/frame/InputRejected.h"

namespace zw {
namespace {

class Glei4Test : public ::testing::Test {
protected:
  void SetUp() override { kernelState().reset(); }
  QStringList solve(const Glei4Cells& cells) { return Glei4Lines(cells, QStringLiteral("allgemeingültig")); }
  // The solution set line of a solve.
  QString set(const Glei4Cells& cells) { return solve(cells).value(1); }
};

TEST_F(Glei4Test, AllCellsEmptyIsTheIdentity) {
  EXPECT_EQ(solve({}), (QStringList{QStringLiteral("0 = 0  allgemeingültig"), QString()}));
}

TEST_F(Glei4Test, FactorisedFormAndOrderedSolutionSet) {
  const QStringList lines = solve({u"", u"", u"1", u"", u"-1"});
  ASSERT_EQ(lines.size(), 4);
  EXPECT_TRUE(lines[0].contains(QStringLiteral("   <=>   "))) << lines[0].toStdString();
  EXPECT_TRUE(lines[0].endsWith(QStringLiteral(" = 0")));
  EXPECT_EQ(lines[1], QStringLiteral("L = {-1;  1}"));
  EXPECT_EQ(lines[2], QString());
  EXPECT_EQ(lines[3], QString());
}

TEST_F(Glei4Test, SolutionSets) {
  struct Case {
    Glei4Cells cells;
    QString set;
  };
  const Case cases[] = {
      {{u"", u"", u"1", u"-2", u"1"}, QStringLiteral("L = {1}")},                // double root once
      {{u"", u"1", u"-3", u"3", u"-1"}, QStringLiteral("L = {1}")},              // triple root
      {{u"1", u"", u"", u"", u"1"}, QStringLiteral("L = {}")},                   // no real root
      {{u"", u"", u"1", u"", u"-2"}, QStringLiteral("L = {-1,41421;  1,41421}")},  // irrational
      {{u"", u"", u"2", u"-1", u""}, QStringLiteral("L = {0;  0,5}")},
      // the same with a fraction, a decimal comma and a mixed number
      {{u"", u"", u"1", u"-1/2", u""}, QStringLiteral("L = {0;  0,5}")},
      {{u"", u"", u"1", u"-0,5", u""}, QStringLiteral("L = {0;  0,5}")},
      {{u"", u"", u"", u"1", u"-1 1/2"}, QStringLiteral("L = {1,5}")},
      // rational roots with large divisors: (9973x - 1)(x - 7919)
      {{u"", u"", u"9973", u"-78976188", u"7919"}, QStringLiteral("L = {0,000100271;  7919}")},
      {{u"1", u"-10", u"35", u"-50", u"24"}, QStringLiteral("L = {1;  2;  3;  4}")},
      {{u"1", u"", u"-2", u"", u"1"}, QStringLiteral("L = {-1;  1}")},  // two double roots
      {{u"", u"", u"", u"3", u""}, QStringLiteral("L = {0}")},
      {{u"", u"", u"", u"", u"5"}, QStringLiteral("L = {}")},
  };
  for (const auto& c : cases) EXPECT_EQ(set(c.cells), c.set) << c.set.toStdString();
}

TEST_F(Glei4Test, CellsThatAreNoFractionTextNameTheCell) {
  const std::pair<Glei4Cells, const char*> cases[] = {
      {{u"", u"2*3", u"", u"", u""}, "b"},
      {{u"", u"", u"", u"", u"0.5"}, "e"},  // "," is the only decimal mark
      {{u"9999999999", u"", u"", u"", u""}, "a"},
      {{u"", u"", u"1/0", u"", u""}, "c"},  // a zero denominator is no number
  };
  for (const auto& [cells, cell] : cases) {
    try {
      solve(cells);
      ADD_FAILURE() << "accepted cell " << cell;
    } catch (const InputRejected& e) {
      EXPECT_EQ(e.field(), cell);
      EXPECT_EQ(e.message(), msg::InvalidInput);
    }
  }
}

TEST_F(Glei4Test, ArithmeticBeyond32BitsIsInvalidData) {
  try {
    solve({u"1/2147483647", u"1/2147483646", u"1/2147483645", u"1/2147483643", u"1/2147483629"});
    SUCCEED();  // a solve that stays in range is fine as well
  } catch (const CalcFailure& f) {
    EXPECT_EQ(f.message(), 21);
  }
}

}  // namespace
}  // namespace zw
