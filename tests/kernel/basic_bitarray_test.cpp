#include <gtest/gtest.h>

#include <stdexcept>

#include "kernel/BitArray.h"

namespace zw {
namespace {

TEST(BitArray, InitClearsAWholeNumberOfWordsAndReportsTheClamp) {
  BitArray bits;
  EXPECT_FALSE(bits.init(262143));
  EXPECT_EQ(bits.bitCount(), 262144);  // 16,384 words
  EXPECT_TRUE(bits.init(262144));      // the caller shows BitArrayTooLargeText
  EXPECT_EQ(bits.bitCount(), 262144);
  EXPECT_TRUE(bits.init(10'000'000));
  EXPECT_EQ(bits.bitCount(), 262144);
  EXPECT_FALSE(bits.init(100));  // words 0..6
  EXPECT_EQ(bits.bitCount(), 112);
  EXPECT_FALSE(bits.init(-20));
  EXPECT_EQ(bits.bitCount(), 0);
  EXPECT_EQ(std::u16string(BitArrayTooLargeText), u"BitArray zu groß");
}

TEST(BitArray, SetClearTestAndWordLayout) {
  BitArray bits;
  bits.init(64);
  bits.set(0);
  bits.set(17);
  bits.set(79);
  EXPECT_TRUE(bits.test(0));
  EXPECT_TRUE(bits.test(17));
  EXPECT_TRUE(bits.test(79));
  EXPECT_FALSE(bits.test(16));
  bits.clear(17);
  EXPECT_FALSE(bits.test(17));
  // Bit i is bit i mod 16 of word i div 16, least significant first.
  bits.setWord(2, 0x8001);
  EXPECT_TRUE(bits.test(32));
  EXPECT_TRUE(bits.test(47));
  EXPECT_FALSE(bits.test(33));
  // A new init clears earlier bits.
  bits.init(64);
  EXPECT_FALSE(bits.test(0));
}

TEST(BitArray, IndicesOutsideTheInitialisedRangeAreRejected) {
  BitArray bits;
  EXPECT_THROW(bits.test(0), std::out_of_range);  // never initialised
  bits.init(31);                                  // words 0 and 1: bits 0..31
  EXPECT_NO_THROW(bits.set(31));
  EXPECT_THROW(bits.set(32), std::out_of_range);
  EXPECT_THROW(bits.clear(-1), std::out_of_range);
  EXPECT_THROW(bits.test(1'000'000), std::out_of_range);
  EXPECT_THROW(bits.setWord(2, 1), std::out_of_range);
  // After a clamp the bits beyond the limit stay out of reach.
  bits.init(300'000);
  EXPECT_NO_THROW(bits.set(262143));
  EXPECT_THROW(bits.set(262144), std::out_of_range);
}

}  // namespace
}  // namespace zw
