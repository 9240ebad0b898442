#include "numerics/BitFld.h"

#include <algorithm>
#include <bit>
#include <cmath>

#include "kernel/Random.h"

namespace zw {

TBitFld::TBitFld() {
  Allocating<EZwDStructError>(tail::NoHeap, [&] { FBitArray.assign(static_cast<std::size_t>(FSize / 8 + 2), 0); });
}

void TBitFld::SetSize(std::int32_t value) {
  if (value <= 0 || value == FSize) return;
  Allocating<EZwDStructError>(tail::NoHeap, [&] {
    FBitArray.resize(static_cast<std::size_t>(value / 8 + 2), 0);
  });
  FSize = value;
}

bool TBitFld::Bit(std::int32_t ix) const {
  return inRange(ix) && (FBitArray[static_cast<std::size_t>(ix / 8)] >> (ix % 8) & 1) != 0;
}

void TBitFld::SetBit(std::int32_t ix, bool value) {
  if (!inRange(ix)) return;
  auto& byte = FBitArray[static_cast<std::size_t>(ix / 8)];
  const auto mask = static_cast<std::uint8_t>(1u << (ix % 8));
  byte = value ? (byte | mask) : (byte & ~mask);
}

void TBitFld::ToggleBit(std::int32_t ix) {
  if (inRange(ix)) FBitArray[static_cast<std::size_t>(ix / 8)] ^= static_cast<std::uint8_t>(1u << (ix % 8));
}

void TBitFld::Clear() { std::fill_n(FBitArray.begin(), lastByte() + 2, 0); }

std::int32_t TBitFld::CountTrueBits() const {
  std::int32_t n = 0;
  for (std::size_t b = 0; b < lastByte(); ++b) n += std::popcount(FBitArray[b]);
  const unsigned lowBits = (2u << (FSize % 8)) - 1;  // bits 0 .. Size mod 8
  return n + std::popcount(static_cast<unsigned>(FBitArray[lastByte()] & lowBits));
}

std::int32_t TBitFld::FirstTrueBit() const {
  for (std::size_t b = 0; b < lastByte(); ++b)
    if (FBitArray[b] != 0) return static_cast<std::int32_t>(8 * b) + std::countr_zero(FBitArray[b]);
  const unsigned last = FBitArray[lastByte()] & ((2u << (FSize % 8)) - 1);
  return last != 0 ? static_cast<std::int32_t>(8 * lastByte()) + std::countr_zero(last) : -1;
}

void TBitFld::RandomFill(double Percent) {
  if (!(Percent > 0)) Percent = 0;  // NaN as well
  Percent = std::min(Percent, 100.0);
  const auto n = static_cast<std::int32_t>(std::nearbyint(Percent * 0.01 * FSize));
  const bool fromFull = n > FSize / 2;
  std::fill_n(FBitArray.begin(), lastByte() + 2, fromFull ? 0xFF : 0);
  // Draw bit numbers until enough of them flipped.
  for (std::int32_t todo = fromFull ? FSize - n : n; todo > 0;) {
    const auto d = static_cast<std::int32_t>(std::nearbyint(RandomUnit() * FSize));
    if (Bit(d) == fromFull) {
      SetBit(d, !fromFull);
      --todo;
    }
  }
}

void TBitFld::Invert() {
  for (std::size_t b = 0; b <= lastByte(); ++b) FBitArray[b] = static_cast<std::uint8_t>(~FBitArray[b]);
}

void TBitFld::CombineWith(const TBitFld* SecondBArray, TLogicOp Operation) {
  if (!SecondBArray || SecondBArray->FSize != FSize) return;
  for (std::size_t i = 0; i <= lastByte(); ++i) {
    const std::uint8_t a = FBitArray[i], b = SecondBArray->FBitArray[i];
    const auto nb = static_cast<std::uint8_t>(~b);
    switch (Operation) {
      case TLogicOp::loAND: FBitArray[i] = a & b; break;
      case TLogicOp::loOR: FBitArray[i] = a | b; break;
      case TLogicOp::loXOR: FBitArray[i] = a ^ b; break;
      case TLogicOp::loANDNot: FBitArray[i] = a & nb; break;
      case TLogicOp::loORNot: FBitArray[i] = a | nb; break;
      case TLogicOp::loXORNot: FBitArray[i] = a ^ nb; break;
    }
  }
}

}  // namespace zw
