#pragma once
// TBitFld: a growable array of the bits 0..Size (Size + 1 bits); bit ix is
// bit ix mod 8 of byte ix div 8, least significant first. Bit numbers
// outside 0..Size read False and are ignored on write. Unlike the kernel's
// BitArray (16-bit words, bounds errors) this keeps the byte layout that
// RandomFill, Invert and CombineWith work on, bits above Size included.
#include <cstdint>
#include <vector>

#include "numerics/NumComponent.h"

namespace zw {

enum class TLogicOp : std::uint8_t { loAND, loOR, loXOR, loANDNot, loORNot, loXORNot };

class TBitFld : public TNumComponent {
public:
  TBitFld();

  std::int32_t Size() const { return FSize; }
  // Only a new value above 0; the existing bits stay, added bytes are 0.
  void SetSize(std::int32_t value);

  bool Bit(std::int32_t ix) const;
  void SetBit(std::int32_t ix, bool value);
  void ToggleBit(std::int32_t ix);
  void Clear();
  std::int32_t CountTrueBits() const;
  std::int32_t FirstTrueBit() const;  // -1 when none is set
  // Sets round(Percent % of Size) bits at random (Percent clamped to 0..100)
  // from the program's generator.
  void RandomFill(double Percent);
  void Invert();
  // Only with an array of the same Size.
  void CombineWith(const TBitFld* SecondBArray, TLogicOp Operation);

  const std::vector<std::uint8_t>& Bytes() const { return FBitArray; }

private:
  std::int32_t FSize = 1000;
  std::vector<std::uint8_t> FBitArray;

  bool inRange(std::int32_t ix) const { return ix >= 0 && ix <= FSize; }
  std::size_t lastByte() const { return static_cast<std::size_t>(FSize / 8); }
};

}  // namespace zw
