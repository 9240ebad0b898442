// The big-number topic without its window: reading, ranges, rows of tables.
#include <gtest/gtest.h>

#include <boost/multiprecision/cpp_int.hpp>

#include "kernel/KernelState.h"
#include "topics/algebra/BigNumbers.h"
#include "topics/frame/InputRejected.h"

namespace zw {
namespace {

using boost::multiprecision::cpp_int;

// Results without digit groups and without the short form.
constexpr BigIntTextOptions plain{false, false};

class BigNumbersTest : public ::testing::Test {
protected:
  void SetUp() override { kernelState().reset(); }
  void TearDown() override { kernelState().reset(); }

  // Every line of a table, asking `answers` in turn (Yes when they run out).
  static QStringList table(BigTable t, BigRange n, BigRange k, std::vector<bool> answers = {}, int* asked = nullptr,
                           const char* a = "3") {
    TBigInt av;
    ReadBigOperand(std::u16string(a, a + std::strlen(a)), 0, av);
    BigTableRows rows(t, av, n, k, plain);
    QStringList all, lines;
    std::size_t next = 0;
    int count = 0;
    while (rows.next(lines, [&] {
      ++count;
      return next < answers.size() ? answers[next++] : true;
    }))
      all += lines;
    if (asked) *asked = count;
    return all;
  }
};

TEST_F(BigNumbersTest, RangesAreReadAsThePartSays) {
  struct Case {
    std::u16string from, to, step;
    std::int64_t f, t, s;
  };
  const Case cases[] = {
      {u"4", u"4", u"4", 4, 4, 4}, {u"5", u"1", u"1", 1, 5, 1}, {u"2", u"", u"7", 2, 2, 1},
      {u"1", u"9", u"0", 1, 9, 1}, {u"1", u"9", u"-3", 1, 9, 1}, {u"", u"", u"", 0, 0, 1},
      {u" 1 000", u"2 000", u"", 1000, 2000, 1}, {u"-3", u"-1", u"1", -3, -1, 1},
  };
  for (const auto& c : cases) {
    const BigRange r = ReadBigRange(c.from, c.to, c.step, 2);
    EXPECT_EQ(r.from, c.f);
    EXPECT_EQ(r.to, c.t);
    EXPECT_EQ(r.step, c.s);
  }
  try {
    ReadBigRange(u"1", u"1x", u"1", 5);
    ADD_FAILURE();
  } catch (const InputRejected& e) {
    EXPECT_EQ(e.field(), "k2");
    EXPECT_EQ(e.message(), msg::InvalidInput);
  }
}

TEST_F(BigNumbersTest, OperandsRefuseTextAndTooManyDigits) {
  TBigInt a;
  EXPECT_NO_THROW(ReadBigOperand(u"-12 345", 0, a));
  EXPECT_EQ(BigIntToStr(a), u"-12345");
  EXPECT_THROW(ReadBigOperand(u"12a", 1, a), InputRejected);
  EXPECT_THROW(ReadBigOperand(u"1-2", 1, a), InputRejected);
  EXPECT_NO_THROW(ReadBigOperand(std::u16string(10071, u'9'), 0, a));
  EXPECT_THROW(ReadBigOperand(std::u16string(10072, u'9'), 0, a), InputRejected);
}

TEST_F(BigNumbersTest, OperationsAgainstAnOracle) {
  const std::string x(3000, '7'), y = "-" + std::string(1500, '3') + "1";
  TBigInt a, b, c, r;
  ReadBigOperand(std::u16string(x.begin(), x.end()), 0, a);
  ReadBigOperand(std::u16string(y.begin(), y.end()), 1, b);
  const cpp_int ox(x), oy(y);
  const auto value = [&](const TBigInt& v) {
    const std::u16string s = BigIntToStr(v);
    return cpp_int(std::string(s.begin(), s.end()));
  };
  BigOperation(BigOp::Add, a, b, c, r, u"Rest", plain);
  EXPECT_EQ(value(c), ox + oy);
  BigOperation(BigOp::Sub, a, b, c, r, u"Rest", plain);
  EXPECT_EQ(value(c), ox - oy);
  BigOperation(BigOp::Mul, a, b, c, r, u"Rest", plain);
  EXPECT_EQ(value(c), ox * oy);
  const QStringList lines = BigOperation(BigOp::Div, a, b, c, r, u"Rest", plain);
  EXPECT_EQ(value(c), ox / oy);  // truncating, like the kernel
  EXPECT_EQ(value(r), ox % oy);
  EXPECT_TRUE(lines.value(0).contains(QStringLiteral("Rest")));
}

TEST_F(BigNumbersTest, DefaultsGiveTheExpectedLines) {
  TBigInt a, b, c, r;
  ReadBigOperand(u"3", 0, a);
  ReadBigOperand(u"4", 1, b);
  EXPECT_EQ(BigOperation(BigOp::Add, a, b, c, r, u"Rest", plain), QStringList{QStringLiteral("3  +  4  =  7")});
  ReadBigOperand(u"17", 0, a);
  ReadBigOperand(u"5", 1, b);
  BigOperation(BigOp::Div, a, b, c, r, u"Rest", plain);
  EXPECT_EQ(BigIntToStr(r), u"2");
  EXPECT_EQ(table(BigTable::Pow10, {4, 4, 4}, {}), (QStringList{QStringLiteral("10 ^ 4  =  10000"), QString()}));
}

TEST_F(BigNumbersTest, TablesWithTheirRanges) {
  // n from 1 to 5 after the exchange; 2^n.
  const QStringList pow2 = table(BigTable::Pow2, ReadBigRange(u"5", u"1", u"", 2), {});
  EXPECT_EQ(pow2.size(), 6);
  EXPECT_EQ(pow2[0], QStringLiteral("2 ^ 1  =  2"));
  EXPECT_EQ(pow2[4], QStringLiteral("2 ^ 5  =  32"));
  // Step 3 from 0 to 7: 0, 3, 6.
  const QStringList fak = table(BigTable::Factorial, {0, 7, 3}, {});
  EXPECT_EQ(fak, (QStringList{QStringLiteral("0 !  =  1"), QStringLiteral("3 !  =  6"), QStringLiteral("6 !  =  720"), QString()}));
  const QStringList powA = table(BigTable::PowA, {2, 3, 1}, {}, {}, nullptr, "-7");
  EXPECT_EQ(powA, (QStringList{QStringLiteral("-7 ^ 2  =  49"), QStringLiteral("-7 ^ 3  =  -343"), QString()}));
  // k beyond n runs once and gives 0.
  EXPECT_EQ(table(BigTable::Binomial, {3, 3, 1}, {5, 5, 1}), (QStringList{QStringLiteral("nCr(3,5)  =  0"), QString()}));
  // k stops at n.
  int asked = 0;
  const QStringList bino = table(BigTable::Binomial, {2, 3, 1}, {0, 9, 1}, {}, &asked);
  EXPECT_EQ(bino, (QStringList{QStringLiteral("nCr(2,0)  =  1"), QStringLiteral("nCr(2,1)  =  2"), QStringLiteral("nCr(2,2)  =  1"),
                               QString(), QStringLiteral("nCr(3,0)  =  1"), QStringLiteral("nCr(3,1)  =  3"),
                               QStringLiteral("nCr(3,2)  =  3"), QStringLiteral("nCr(3,3)  =  1"), QString()}));
  EXPECT_EQ(asked, 1);  // only between n = 2 and n = 3
  // No ends the table after this n.
  const QStringList npr = table(BigTable::Permutations, {4, 9, 1}, {2, 2, 1}, {false}, &asked);
  EXPECT_EQ(npr, (QStringList{QStringLiteral("nPr(4,2)  =  12"), QString()}));
  EXPECT_EQ(asked, 1);
}

TEST_F(BigNumbersTest, NegativeRangeValuesShowTheOverflowText) {
  const QStringList lines = table(BigTable::Factorial, {-1, -1, 1}, {});
  ASSERT_EQ(lines.size(), 2);
  EXPECT_TRUE(lines[0].contains(QStringLiteral("OVERFLOW"))) << lines[0].toStdString();
}

TEST_F(BigNumbersTest, FactorialRowsAgainstAnOracle) {
  BigTableRows rows(BigTable::Factorial, TBigInt{}, {1, 60, 1}, {}, plain);
  QStringList lines;
  cpp_int f = 1;
  for (int n = 1; n <= 60; ++n) {
    ASSERT_TRUE(rows.next(lines, {}));
    f *= n;
    EXPECT_EQ(lines.value(0), QString::number(n) + QStringLiteral(" !  =  ") + QString::fromStdString(f.str()));
  }
}

TEST_F(BigNumbersTest, CombinationRowsAgainstAnOracle) {
  for (BigTable t : {BigTable::Binomial, BigTable::Permutations}) {
    BigTableRows rows(t, TBigInt{}, {95, 100, 1}, {0, 120, 1}, plain);
    QStringList lines;
    for (int n = 95; n <= 100; ++n) {
      cpp_int v = 1;
      for (int k = 0; k <= n; ++k) {
        if (k > 0) v *= n - k + 1;
        if (k > 0 && t == BigTable::Binomial) v /= k;
        ASSERT_TRUE(rows.next(lines, {}));
        EXPECT_TRUE(lines.value(0).endsWith(QStringLiteral("  =  ") + QString::fromStdString(v.str()))) << n << " " << k;
      }
    }
  }
}

TEST_F(BigNumbersTest, DeleteTheLastBlock) {
  const QString e;
  const auto L = [](std::initializer_list<const char*> l) {
    QStringList out;
    for (const char* s : l) out << QString::fromLatin1(s);
    return out;
  };
  EXPECT_EQ(BigDeleteLastBlock(L({"a", "", "b", "c", "", ""})), L({"a", ""}));
  EXPECT_EQ(BigDeleteLastBlock(L({"b", "c"})), QStringList());  // stops at the first line
  EXPECT_EQ(BigDeleteLastBlock(QStringList()), QStringList());
  EXPECT_EQ(BigDeleteLastBlock(L({"", ""})), QStringList());
}

}  // namespace
}  // namespace zw
