#include <gtest/gtest.h>

#include <algorithm>
#include <tuple>
#include <vector>

#include "kernel/Random.h"
#include "tests/numerics/change_counter.h"
#include "numerics/Vector.h"

namespace zw {
namespace {

template <class V, class T>
void Load(V& v, const std::vector<T>& values) {
  v.Resize(static_cast<std::int32_t>(values.size()));
  for (std::size_t i = 0; i < values.size(); ++i) v.SetElem(static_cast<std::int32_t>(i + 1), values[i]);
}

template <class V>
auto Values(const V& v) {
  std::vector<decltype(v.Elem(1))> out;
  for (std::int32_t i = 1; i <= v.NrOfElem(); ++i) out.push_back(v.Elem(i));
  return out;
}

TEST(Vector, NewVectorAndAccessOutsideTheRange) {
  TVector v;
  ChangeCounter n;
  n.Attach(v);
  EXPECT_EQ(v.NrOfElem(), 1);
  EXPECT_EQ(v.Elem(1), 0);
  EXPECT_TRUE(v.IsEmpty());
  EXPECT_EQ(v.Elem(0), 0);
  EXPECT_EQ(v.Elem(2), 0);
  v.SetElem(2, 5);
  v.SetElem(0, 5);
  EXPECT_EQ(n.changes, 0);
  EXPECT_TRUE(v.IsEmpty());
  v.SetElem(1, 5);
  EXPECT_EQ(n.changes, 1);
  EXPECT_FALSE(v.IsEmpty());
  v.Clear();
  EXPECT_TRUE(v.IsEmpty());
  v.Fill(2);
  EXPECT_FALSE(v.IsEmpty());
  EXPECT_EQ(n.changes, 3);
}

TEST(Vector, ResizeRules) {
  TVector v;
  ChangeCounter n;
  n.Attach(v);
  v.SetElem(1, 7);
  n.changes = 0;
  EXPECT_FALSE(v.Resize(0));
  EXPECT_FALSE(v.Resize(-3));
  EXPECT_TRUE(v.Resize(1));
  EXPECT_EQ(n.changes, 0);
  v.SetNrOfElem(0);
  EXPECT_EQ(v.NrOfElem(), 1);
  EXPECT_TRUE(v.Resize(3));
  EXPECT_EQ(n.changes, 1);
  EXPECT_EQ(Values(v), (std::vector<double>{7, 0, 0}));
  EXPECT_FALSE(v.IsEmpty());
  v.SetNrOfElem(2);
  EXPECT_EQ(Values(v), (std::vector<double>{7, 0}));
}

TEST(Vector, CloneAndCopyFromNotifyPerElementAndOnceMore) {
  TVector src, dst;
  Load(src, std::vector<double>{1, 2, 3, 4});
  ChangeCounter n;
  n.Attach(dst);
  dst.Clone(&src);
  EXPECT_EQ(Values(dst), Values(src));
  EXPECT_EQ(n.changes, 1 + 4 + 1);  // resize, four elements, end
  dst.Clone(nullptr);
  EXPECT_EQ(n.changes, 6);

  n.changes = 0;
  dst.CopyFrom(&src, 3, 2, 3);  // elements 2..3 to 3..4
  EXPECT_EQ(Values(dst), (std::vector<double>{1, 2, 2, 3}));
  EXPECT_EQ(n.changes, 3);
  n.changes = 0;
  dst.CopyFrom(&src, 1, 4, 10);  // nothing lands, one notification
  EXPECT_EQ(n.changes, 1);
  EXPECT_EQ(Values(dst), (std::vector<double>{1, 2, 2, 3}));
}

TEST(Vector, ArithmeticAndItsErrors) {
  TVector a, b, c;
  a.Name = "VecA";
  Load(a, std::vector<double>{1, 2, 3});
  Load(b, std::vector<double>{4, 5, 6});
  Load(c, std::vector<double>{1, 1, 1, 1});
  a.Add(&b);
  EXPECT_EQ(Values(a), (std::vector<double>{5, 7, 9}));
  a.Subtract(&b);
  EXPECT_EQ(a.DotProduct(&b), 32);
  EXPECT_EQ(a.Correlate(&b, 1), 1 * 5 + 2 * 6);
  EXPECT_EQ(a.Correlate(nullptr, 0), 0);
  try {
    a.Add(&c);
    FAIL();
  } catch (const EZwVectorError& e) {
    EXPECT_STREQ(e.what(), "Component \"VecA\": vectors have different dimensions");
  }
  EXPECT_EQ(Values(a), (std::vector<double>{1, 2, 3}));
  EXPECT_THROW(a.DotProduct(&c), EZwVectorError);
  a.SMult(2);
  EXPECT_DOUBLE_EQ(a.Leng(), std::sqrt(56.0));
  a.SetLeng(1);
  EXPECT_NEAR(a.Leng(), 1, 1e-15);

  TVector z;
  z.Name = "Z";
  try {
    z.SetLeng(2);
    FAIL();
  } catch (const EZwVectorError& e) {
    EXPECT_STREQ(e.what(), "Component \"Z\": vector has zero length");
  }
}

TEST(IntVector, SumsAndProductsDoNotWrap) {
  TIntVector a, b;
  Load(a, std::vector<std::int32_t>{2147483647, 2147483647});
  Load(b, std::vector<std::int32_t>{2, 2});
  EXPECT_EQ(a.Sum(1, 2), 4294967294LL);
  EXPECT_EQ(a.DotProduct(&b), 8589934588LL);
  EXPECT_NEAR(a.Leng(), std::sqrt(2.0) * 2147483647.0, 1);
  // Cells are 32 bits: in-place arithmetic wraps as defined behaviour.
  a.Add(&b);
  EXPECT_EQ(a.Elem(1), -2147483647);
}

TEST(Vector, FindNearest) {
  TVector v;
  Load(v, std::vector<double>{1, 3, 5, 10, 4});
  // (low, high, value) -> element
  const std::vector<std::tuple<int, int, double, int>> cases = {
      {0, 0, 4, 5},   // the exact 4 wins over 3 and 5
      {1, 3, 4, 2},   // 3 and 5 equally near: the lower number
      {5, 2, 9, 4},   // reversed bounds search 2..5
      {-7, 99, 1, 1}, // clamped
  };
  for (auto [lo, hi, value, expected] : cases) EXPECT_EQ(v.Find(lo, hi, value), expected) << lo << " " << hi;
  TIntVector iv;
  Load(iv, std::vector<std::int32_t>{-2147483647, 2147483647});
  EXPECT_EQ(iv.Find(0, 0, 2147483647), 2);
  EXPECT_EQ(iv.Find(0, 0, -2147483647), 1);
}

TEST(Vector, FindInSortedVector) {
  TVector up;
  Load(up, std::vector<double>{1, 2, 4, 8});
  const std::vector<std::pair<double, int>> cases = {{3, 3}, {100, 4}, {-5, 1}, {4, 3}, {1.4, 1}, {6, 4}};
  for (auto [value, expected] : cases) EXPECT_EQ(up.FindInSortedVector(true, value), expected) << value;
  TVector down;
  Load(down, std::vector<double>{8, 4, 2, 1});
  EXPECT_EQ(down.FindInSortedVector(false, 3), 3);  // tie between 4 and 2: the upper number
  EXPECT_EQ(down.FindInSortedVector(false, 100), 1);
  TVector one;
  EXPECT_EQ(one.FindInSortedVector(true, 9), 1);
  TVector two;
  Load(two, std::vector<double>{0, 2});
  EXPECT_EQ(two.FindInSortedVector(true, 1), 2);
  TIntVector wide;
  Load(wide, std::vector<std::int32_t>{-2147483647, 0, 2147483647});
  EXPECT_EQ(wide.FindInSortedVector(true, 2147483600), 3);
}

TEST(Vector, SortReportsEveryExchange) {
  TVector v;
  Load(v, std::vector<double>{3, 1, 2});
  std::vector<std::tuple<int, int, int, int, int>> events;
  ChangeCounter n;
  n.Attach(v);
  v.OnSortExchange = [&](TNumComponent&, std::uint8_t what, std::int32_t i1, std::int32_t i2,
                         std::int32_t first, std::int32_t last) {
    events.emplace_back(what, i1, i2, first, last);
    EXPECT_LT(i1, i2);
  };
  v.SortElems(true, 1, 3);
  EXPECT_EQ(Values(v), (std::vector<double>{1, 2, 3}));
  // gap 2/1.3 -> 1: (3,1) -> 1,3,2; (3,2) -> 1,2,3; then a clean pass.
  EXPECT_EQ(events, (std::vector<std::tuple<int, int, int, int, int>>{{0, 1, 2, 0, 0}, {0, 2, 3, 0, 0}}));
  EXPECT_EQ(n.changes, 1);

  events.clear();
  n.changes = 0;
  v.SortElems(true, 2, 2);
  v.SortElems(true, 9, 7);  // clamped to 3..3
  EXPECT_TRUE(events.empty());
  EXPECT_EQ(n.changes, 0);

  TIntVector w;
  Load(w, std::vector<std::int32_t>{5, 9, 1, 9, 3, 7, 2});
  w.SortElems(false, 7, 1);
  EXPECT_EQ(Values(w), (std::vector<std::int32_t>{9, 9, 7, 5, 3, 2, 1}));
}

TEST(Vector, MirrorAndShuffle) {
  TVector v;
  Load(v, std::vector<double>{1, 2, 3, 4, 5});
  ChangeCounter n;
  n.Attach(v);
  v.Mirror();
  EXPECT_EQ(Values(v), (std::vector<double>{5, 4, 3, 2, 1}));
  EXPECT_EQ(n.changes, 1);
  TIntVector w;
  std::vector<std::int32_t> values;
  for (int i = 0; i < 200; ++i) values.push_back(i % 37);
  Load(w, values);
  n.Attach(w);
  n.changes = 0;
  w.ShuffleElems();
  EXPECT_EQ(n.changes, 0);
  auto shuffled = Values(w);
  EXPECT_NE(shuffled, values);  // 200 exchanges leave the order alone with no real chance
  std::sort(shuffled.begin(), shuffled.end());
  std::sort(values.begin(), values.end());
  EXPECT_EQ(shuffled, values);
}

TEST(Vector, CRCofData) {
  TVector zero;
  std::string eight;
  for (int i = 0; i < 8; ++i) eight += "D202EF8D";
  EXPECT_EQ(zero.CRCofData(), eight);
  TIntVector izero;
  EXPECT_EQ(izero.CRCofData(), "D202EF8DD202EF8DD202EF8DD202EF8D");
  // Lane 0 of 1.0 is byte 0, lane 7 is 0x3F: the checksum sees every byte.
  TVector one;
  one.SetElem(1, 1.0);
  EXPECT_EQ(one.CRCofData().substr(0, 8), "D202EF8D");
  EXPECT_NE(one.CRCofData().substr(56), "D202EF8D");
  EXPECT_EQ(one.CRCofData().size(), 64u);
}

TEST(ProgramRandom, SeedingRepeatsTheSequence) {
  SeedProgramRandom(42);
  const double a = RandomUnit();
  const std::int32_t b = RandomBelow(1000);
  SeedProgramRandom(42);
  EXPECT_EQ(RandomUnit(), a);
  EXPECT_EQ(RandomBelow(1000), b);
  EXPECT_EQ(RandomBelow(0), 0);
  for (int i = 0; i < 1000; ++i) {
    const double u = RandomUnit();
    ASSERT_GE(u, 0);
    ASSERT_LT(u, 1);
  }
}

}  // namespace
}  // namespace zw
