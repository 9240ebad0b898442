#include <gtest/gtest.h>

#include "kernel/Random.h"
#include "numerics/BitFld.h"

namespace zw {
namespace {

TEST(BitFld, NewArrayAndBitNumbers) {
  TBitFld b;
  EXPECT_EQ(b.Size(), 1000);
  EXPECT_EQ(b.Bytes().size(), 127u);
  EXPECT_EQ(b.CountTrueBits(), 0);
  EXPECT_EQ(b.FirstTrueBit(), -1);
  b.SetBit(1000, true);
  EXPECT_TRUE(b.Bit(1000));
  b.SetBit(1001, true);
  b.SetBit(-1, true);
  b.ToggleBit(1001);
  EXPECT_FALSE(b.Bit(1001));
  EXPECT_FALSE(b.Bit(-1));
  EXPECT_EQ(b.CountTrueBits(), 1);
  EXPECT_EQ(b.FirstTrueBit(), 1000);
  b.ToggleBit(1000);
  EXPECT_EQ(b.CountTrueBits(), 0);
}

TEST(BitFld, CountFirstAndSize) {
  TBitFld b;
  b.SetSize(10);
  b.Clear();
  b.SetBit(3, true);
  b.SetBit(10, true);
  EXPECT_EQ(b.CountTrueBits(), 2);
  EXPECT_EQ(b.FirstTrueBit(), 3);
  b.SetBit(3, false);
  EXPECT_EQ(b.FirstTrueBit(), 10);
  for (int s : {0, -5, 10}) {
    b.SetSize(s);
    EXPECT_EQ(b.Size(), 10);
  }
  // Growing keeps the bits; shrinking and growing again does not bring old
  // bits back.
  b.SetSize(20);
  EXPECT_TRUE(b.Bit(10));
  b.SetBit(20, true);
  b.SetSize(7);
  b.SetSize(40);
  EXPECT_FALSE(b.Bit(20));
  EXPECT_TRUE(b.Bit(10));
}

TEST(BitFld, InvertCountsOnlyBitsUpToSize) {
  TBitFld b;
  b.SetSize(10);
  b.Clear();
  b.Invert();
  EXPECT_EQ(b.CountTrueBits(), 11);
  EXPECT_EQ(b.FirstTrueBit(), 0);
  EXPECT_EQ(b.Bytes()[1], 0xFF);  // bits above Size are set but never count
}

TEST(BitFld, RandomFill) {
  SeedProgramRandom(5);
  TBitFld b;
  b.SetSize(200);
  b.RandomFill(0);
  EXPECT_EQ(b.CountTrueBits(), 0);
  b.RandomFill(25);
  EXPECT_EQ(b.CountTrueBits(), 50);
  // From a full array Size - n bits are cleared, so of the Size + 1 bits
  // n + 1 stay set.
  b.RandomFill(75);
  EXPECT_EQ(b.CountTrueBits(), 151);
  b.RandomFill(150);
  EXPECT_EQ(b.CountTrueBits(), 201);
  b.RandomFill(-3);
  EXPECT_EQ(b.CountTrueBits(), 0);
}

TEST(BitFld, CombineWith) {
  TBitFld a, b;
  a.SetSize(12);
  b.SetSize(12);
  a.Clear();
  b.Clear();
  for (int i : {1, 2, 9}) a.SetBit(i, true);
  for (int i : {2, 3, 9, 12}) b.SetBit(i, true);
  // (operation, bits set in a afterwards among 0..12)
  const std::vector<std::pair<TLogicOp, std::vector<int>>> cases = {
      {TLogicOp::loAND, {2, 9}},
      {TLogicOp::loOR, {1, 2, 3, 9, 12}},
      {TLogicOp::loXOR, {1, 3, 12}},
      {TLogicOp::loANDNot, {1}},
      {TLogicOp::loORNot, {0, 1, 2, 4, 5, 6, 7, 8, 9, 10, 11}},
      {TLogicOp::loXORNot, {0, 2, 4, 5, 6, 7, 8, 9, 10, 11}},
  };
  for (const auto& [op, expected] : cases) {
    TBitFld c;
    c.SetSize(12);
    c.Clear();
    for (int i : {1, 2, 9}) c.SetBit(i, true);
    c.CombineWith(&b, op);
    std::vector<int> set;
    for (int i = 0; i <= 12; ++i)
      if (c.Bit(i)) set.push_back(i);
    EXPECT_EQ(set, expected) << static_cast<int>(op);
    EXPECT_TRUE(b.Bit(12));
  }
  TBitFld other;  // another size: nothing
  a.CombineWith(&other, TLogicOp::loOR);
  a.CombineWith(nullptr, TLogicOp::loOR);
  EXPECT_EQ(a.CountTrueBits(), 3);
}

}  // namespace
}  // namespace zw
