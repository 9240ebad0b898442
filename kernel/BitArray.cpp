#include "kernel/BitArray.h"

#include <stdexcept>
#include <string>

namespace zw {

namespace {

std::size_t CheckedIndex(std::int64_t i, std::size_t limit, const char* what) {
  if (i < 0 || static_cast<std::uint64_t>(i) >= limit)
    throw std::out_of_range(std::string("bit array: ") + what + " " + std::to_string(i) +
                            " out of range (size " + std::to_string(limit) + ")");
  return static_cast<std::size_t>(i);
}

}  // namespace

bool BitArray::init(std::int64_t n) {
  std::int64_t last = n / 16;  // truncates towards zero, like the word count it was
  const bool clamped = last > MaxWordIndex;
  if (clamped) last = MaxWordIndex;
  words_.assign(last >= 0 ? static_cast<std::size_t>(last) + 1 : 0, 0);
  return clamped;
}

void BitArray::set(std::int64_t i) {
  const std::size_t k = CheckedIndex(i, words_.size() * 16, "bit");
  words_[k / 16] = static_cast<std::uint16_t>(words_[k / 16] | (1u << (k % 16)));
}

void BitArray::clear(std::int64_t i) {
  const std::size_t k = CheckedIndex(i, words_.size() * 16, "bit");
  words_[k / 16] = static_cast<std::uint16_t>(words_[k / 16] & ~(1u << (k % 16)));
}

bool BitArray::test(std::int64_t i) const {
  const std::size_t k = CheckedIndex(i, words_.size() * 16, "bit");
  return (words_[k / 16] >> (k % 16)) & 1u;
}

void BitArray::setWord(std::int64_t index, std::uint16_t value) {
  words_[CheckedIndex(index, words_.size(), "word")] = value;
}

}  // namespace zw
