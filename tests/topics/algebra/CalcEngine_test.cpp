// The calculators' engine driven by key sequences, without a window.
// In the sequences '~' stands for CE, '@' for AC, '<' for Backspace and
// '\t' for the TAB key.
#include <gtest/gtest.h>

#include <QString>
#include <string>

#include "kernel/KernelState.h"
#include "topics/algebra/BruchCalc.h"
#include "topics/algebra/ComplexCalc.h"
#include "topics/algebra/SystemeCalc.h"

namespace zw {
namespace {

template <class Calc>
void press(Calc& c, std::string_view keys) {
  for (char k : keys) {
    switch (k) {
      case '~': c.pressKey(KeyCE); break;
      case '@': c.pressKey(KeyAC); break;
      case '<': c.pressKey(KeyBackspace); break;
      default: c.pressKey(static_cast<unsigned char>(k)); break;
    }
  }
}

std::string narrow(const std::u16string& s) { return QString::fromStdU16String(s).toStdString(); }

// ----- number-system calculator ---------------------------------------------

struct SystemeCase {
  int base1;
  const char* keys;
  const char* display;
};

class SystemeKeys : public ::testing::TestWithParam<SystemeCase> {};

TEST_P(SystemeKeys, ShowsTheResult) {
  const auto& p = GetParam();
  SystemeCalc c;
  c.setBase1(p.base1);
  press(c, p.keys);
  EXPECT_EQ(narrow(c.display()), p.display) << p.keys;
}

INSTANTIATE_TEST_SUITE_P(
    Sequences, SystemeKeys,
    ::testing::Values(
        SystemeCase{10, "2*(3+4)=", "14"}, SystemeCase{10, "3-1-1=", "1"}, SystemeCase{10, "8/4/2=", "1"},
        // "/" binds tighter than "*", so this is 3 * (5 div 2).
        SystemeCase{10, "3*5/2=", "6"},
        // "-" binds tighter than "+": 10 + (5 - 3) either way, 10 - 2 + 1 = (10-2)+1 as well.
        SystemeCase{10, "10-2+1=", "9"}, SystemeCase{10, "5=-2=", "3"}, SystemeCase{10, "2+3*4=", "14"},
        SystemeCase{10, "7/2=", "3"}, SystemeCase{10, "7#/2=", "-3"}, SystemeCase{16, "FF+1=", "100"},
        SystemeCase{2, "2", "0"}, SystemeCase{2, "1012", "101"}, SystemeCase{10, "AF", "0"},
        SystemeCase{10, "12<", "1"}, SystemeCase{10, "1<", "0"},
        // Until the first "=" the bottom slot acts as an open bracket.
        SystemeCase{10, "5+3)*2=", "16"},
        // A ")" without "(" leaves the stack alone; the pending "+" still runs.
        SystemeCase{10, "@5+3)=", "8"}, SystemeCase{10, "(5)", "5"}, SystemeCase{10, "(5)+1=", "6"},
        // Wrap-around: INT_MAX + 1, and INT_MIN div -1 overflows.
        SystemeCase{10, "2147483647+1=", "-2147483648"}, SystemeCase{10, "2147483647+1=/1#=", "\xc3\x9c" "berlauf"},
        SystemeCase{10, "1/0=", "Fehler"}, SystemeCase{10, "1/0=@", "Fehler"}, SystemeCase{10, "1/0=~", "0"},
        SystemeCase{10, "1/0=~5=", "5"},
        // CE after an error keeps the pending operators: 4 + (1/0) -> CE, 3 = gives 7.
        SystemeCase{10, "4+(1/0)~3=", "7"}));

TEST(SystemeCalc, SeventeenDigitsFitTheEighteenthOverflows) {
  SystemeCalc c;
  c.setBase1(2);
  press(c, "11111111111111111");
  EXPECT_EQ(c.display(), u"11111111111111111");
  EXPECT_EQ(c.status(), CalcStatus::Valid);
  press(c, "1");
  EXPECT_EQ(c.display(), u"Überlauf");
  EXPECT_EQ(c.status(), CalcStatus::Overflow);
  EXPECT_EQ(c.secondLine(), u"");
  press(c, "1+");  // refused in the overflow state
  EXPECT_EQ(c.display(), u"Überlauf");
  press(c, "~1");
  EXPECT_EQ(c.display(), u"1");
}

// After any error or overflow the second line is empty, whatever it showed
// before; CE brings it back with the display.
TEST(SystemeCalc, SecondLineEmptyAfterEveryErrorState) {
  const struct {
    const char* keys;
    const char16_t* display;
  } cases[] = {{"7/0=", u"Fehler"}, {"7/0", u"0"}, {"2147483647+1=/1#=", u"Überlauf"}, {"4+(1/0)", u"Fehler"}};
  for (const auto& k : cases) {
    SystemeCalc c;
    c.setBase1(10);
    press(c, k.keys);
    EXPECT_EQ(c.display(), k.display) << k.keys;
    if (c.status() == CalcStatus::Error || c.status() == CalcStatus::Overflow)
      EXPECT_EQ(c.secondLine(), u"") << k.keys;
    else
      EXPECT_FALSE(c.secondLine().empty()) << k.keys;
    press(c, "~5");
    EXPECT_EQ(c.secondLine(), u"5") << k.keys;
  }
}

TEST(SystemeCalc, ARefusedResultStaysUntilCE) {
  // A result too long for the display is an overflow, not a new start value.
  SystemeCalc c;
  c.setBase1(2);
  press(c, "1111111111111111*11=");  // 196605 needs 18 binary digits
  EXPECT_EQ(c.display(), u"Überlauf");
  press(c, "1");
  EXPECT_EQ(c.display(), u"Überlauf");
  press(c, "~");
  EXPECT_EQ(c.display(), u"0");
}

TEST(SystemeCalc, SecondBaseFollowsTypingAndBaseChanges) {
  SystemeCalc c;  // 16 and 10
  press(c, "FF");
  EXPECT_EQ(c.secondLine(), u"255");
  c.setBase2(2);
  EXPECT_EQ(c.secondLine(), u"11111111");
  press(c, "<");
  EXPECT_EQ(c.secondLine(), u"1111");
  press(c, "=");
  c.setBase1(10);
  EXPECT_EQ(c.display(), u"15");
}

TEST(SystemeCalc, StackBoundSetsOverflowInsteadOfWritingPastIt) {
  SystemeCalc c;
  press(c, "@");
  for (int i = 0; i < 98; ++i) press(c, "(");
  EXPECT_EQ(c.status(), CalcStatus::First);
  press(c, "(((");
  EXPECT_EQ(c.status(), CalcStatus::Overflow);
  EXPECT_LE(c.depth(), 100);
  press(c, "~@2+3=");
  EXPECT_EQ(c.display(), u"5");
}

TEST(SystemeCalc, NegatingIntMinGivesIntMin) {
  SystemeCalc c;
  c.setBase1(10);
  press(c, "2147483647+1=#");
  EXPECT_EQ(c.display(), u"-2147483648");
  EXPECT_EQ(IntToBase(0x80000000u, 16), u"-80000000");
  EXPECT_EQ(BaseToInt(u"-1A", 16), static_cast<std::uint32_t>(-26));
}

// ----- fraction calculator ------------------------------------------------------

struct BruchCase {
  const char* keys;
  const char* z;
  const char* n;
};

class BruchKeys : public ::testing::TestWithParam<BruchCase> {};

TEST_P(BruchKeys, ShowsTheResult) {
  const auto& p = GetParam();
  BruchCalc c;
  press(c, p.keys);
  EXPECT_EQ(narrow(c.numerator()), p.z) << p.keys;
  EXPECT_EQ(narrow(c.denominator()), p.n) << p.keys;
}

INSTANTIATE_TEST_SUITE_P(
    Sequences, BruchKeys,
    ::testing::Values(BruchCase{"1\t2+1\t3=", "5", "6"}, BruchCase{"2\t3^2\t1=", "4", "9"},
                      BruchCase{"2\t4", "2", "4"}, BruchCase{"2\t4=", "2", "4"}, BruchCase{"2\t4*1=", "1", "8"},
                      // the exponent is the reduced numerator; its denominator is ignored
                      BruchCase{"2\t1^4\t2=", "4", "1"}, BruchCase{"2\t3^2#\t1=", "9", "4"},
                      BruchCase{"1\t2#", "-1", "2"}, BruchCase{"2\t3K", "3", "2"}, BruchCase{"2\t3Q", "4", "9"},
                      BruchCase{"0\t5K", "5", "0"}, BruchCase{"0\t5K+", "5", "Fehler"},
                      BruchCase{"1\t0=", "1", "Fehler"}, BruchCase{"1/0=", "0", "Fehler"},
                      BruchCase{"1/0=~", "0", "1"}, BruchCase{"1/0=@", "0", "Fehler"},
                      // the denominator keeps its value after an operator: 1/3 + 2/3
                      BruchCase{"1\t3+2=", "1", "1"},
                      BruchCase{"99999\t1*99999*99999=", "99999", "\xc3\x9c" "berlauf"},
                      // products of ten-digit parts are exact
                      BruchCase{"9999999967\t9999999943*9999999943\t9999999967=", "1", "1"},
                      BruchCase{"2^200=", "200", "\xc3\x9c" "berlauf"},
                      BruchCase{"1^2000000000=", "1", "1"}, BruchCase{"1234567890123<<<=", "1234567890", "1"}));

TEST(BruchCalc, ViewsOfTheSecondLine) {
  struct Case {
    BruchView view;
    const char* keys;
    std::u16string line;
  };
  const Case cases[] = {
      {BruchView::Fraction, "2\t4", u"1 / 2"},
      {BruchView::Decimal, "1\t2+1\t3=", u"0,833333333333333"},
      {BruchView::Mixed, "7\t2", u"3   1 / 2"},
      {BruchView::Mixed, "7#\t2", u"-3   -1 / 2"},
      {BruchView::Percent, "1\t8", u"12,5 %"},
      {BruchView::Mixed, "0\t5K", u""},
      {BruchView::Decimal, "3\t0", u""},
  };
  for (const auto& k : cases) {
    BruchCalc c;
    c.setView(k.view);
    press(c, k.keys);
    EXPECT_EQ(c.secondLine(), k.line) << k.keys;
  }
}

TEST(BruchCalc, ColumnSelectionStartsANewEntry) {
  BruchCalc c;
  press(c, "12\t");
  EXPECT_EQ(c.column(), 1);
  press(c, "5\t3");
  EXPECT_EQ(c.numerator(), u"3");
  EXPECT_EQ(c.denominator(), u"5");
  press(c, "+");
  EXPECT_EQ(c.column(), 0);
}

TEST(BruchCalcOp, ExactWhereExtendedRealsWouldRound) {
  // (10^10 - 1)^2 needs 67 bits: an extended real would round it.
  const TBruchf a{9999999967.0L, 9999999943.0L}, b{9999999943.0L, 9999999967.0L};
  EXPECT_EQ(BruchCalcOp(a, b, '*'), (TBruchf{1, 1}));
  EXPECT_EQ(BruchCalcOp(a, a, '-'), (TBruchf{0, 1}));
  EXPECT_THROW(BruchCalcOp(a, a, '*'), FractionOverflow);  // 10^20: too long for any display
  EXPECT_THROW(BruchCalcOp(TBruchf{1e19L, 1}, TBruchf{1, 1}, '+'), FractionOverflow);
  EXPECT_EQ(BruchCalcOp(TBruchf{1, 3}, TBruchf{1, 6}, '+'), (TBruchf{1, 2}));
  EXPECT_EQ(BruchCalcOp(TBruchf{1, 3}, TBruchf{0, 6}, '/').n, 0);
}

// ----- complex calculator ----------------------------------------------------

class ComplexCalcTest : public ::testing::Test {
protected:
  void SetUp() override { kernelState().reset(); }
  void TearDown() override { kernelState().reset(); }
};

TEST_F(ComplexCalcTest, PolarLineInBothAngleModes) {
  kernelState().AngleMode = 0;
  ComplexCalc c;
  EXPECT_EQ(kernelState().AngleMode, 1);  // opening switches the program to radians
  EXPECT_EQ(c.rhoText(), u"");
  press(c, "3\t4");
  EXPECT_EQ(c.rhoText(), u"ρ=5");
  EXPECT_EQ(c.phiText(), u"φ=0,927295218");
  c.toggleAngleMode();
  EXPECT_EQ(c.phiText(), u"φ=53,1301024°");
  c.toggleAngleMode();
  EXPECT_EQ(c.phiText(), u"φ=0,927295218");
  kernelState().AngleMode = 2;
  c.toggleAngleMode();  // gon stays
  EXPECT_EQ(kernelState().AngleMode, 2);
  press(c, "@\t2#");
  EXPECT_EQ(c.phiText(), u"φ=4,71238898");  // 3π/2
}

TEST_F(ComplexCalcTest, BinaryOperationsSwitchToRadians) {
  ComplexCalc c;
  kernelState().AngleMode = 0;
  press(c, "0\t1*0\t1=");
  EXPECT_EQ(c.realPart(), u"-1");
  EXPECT_EQ(c.imagPart(), u"0");
  EXPECT_EQ(kernelState().AngleMode, 1);
}

TEST_F(ComplexCalcTest, KeySequences) {
  struct Case {
    const char* keys;
    std::u16string re, im;
  };
  const Case cases[] = {
      {"1,5+2.25=", u"3,75", u"0"},
      {"2\t3+1\t1=", u"3", u"4"},
      {"1+2*3=", u"7", u"0"},
      {"2^10=", u"1024", u"0"},
      {"4#W", u"0", u"2"},
      {"1\t1K", u"1", u"-1"},
      {"2I", u"0,5", u"0"},
      {"0E", u"1", u"0"},
      {"P", u"3,14159265", u"0"},
      {"\tP", u"0", u"3,14159265"},
      {"5=,5", u"5,5", u"0"},  // a comma after a result is appended to it
      {"1,,5", u"1,5", u"0"},
      {"0L", u"0", u"Fehler"},
      {"0I", u"0", u"Fehler"},
      {"0\t1A", u"0", u"Fehler"},
      {"1/0=", u"1", u"Fehler"},
      {"1/0=y", u"1", u"Fehler"},
      {"1/0=x", u"0", u"0"},
      {"100000E", u"0", u"Fehler"},
      {"10000000000000000000000000000000000000000000000000^1000=", u"0", u"Überlauf"},
      {"3\t4V", u"3", u"4"},
  };
  for (const auto& k : cases) {
    ComplexCalc c;
    press(c, k.keys);
    if (c.status() == CalcStatus::Error || c.status() == CalcStatus::Overflow) {
      EXPECT_EQ(c.imagPart(), k.im) << k.keys;
    } else {
      EXPECT_EQ(c.realPart(), k.re) << k.keys;
      EXPECT_EQ(c.imagPart(), k.im) << k.keys;
    }
  }
}

}  // namespace
}  // namespace zw
