#pragma once
// A growable array of trivially copyable slots kept in one block that grows
// with realloc: the C library extends a large block in place or moves its
// pages without copying the slots, so a sparse matrix of millions of stored
// elements grows cheaply. Running out of memory throws std::bad_alloc.
#include <cstdlib>
#include <cstring>
#include <new>
#include <type_traits>
#include <utility>

namespace zw {

template <class T>
class TSlotList {
  static_assert(std::is_trivially_copyable_v<T>);

public:
  TSlotList() = default;
  TSlotList(const TSlotList& other) { *this = other; }
  TSlotList(TSlotList&& other) noexcept { swap(other); }
  TSlotList& operator=(const TSlotList& other) {
    if (this != &other) {
      TSlotList copy;
      copy.reserve(other.size_);
      if (other.size_) std::memcpy(copy.data_, other.data_, other.size_ * sizeof(T));
      copy.size_ = other.size_;
      swap(copy);
    }
    return *this;
  }
  TSlotList& operator=(TSlotList&& other) noexcept {
    swap(other);
    return *this;
  }
  ~TSlotList() { std::free(data_); }

  void swap(TSlotList& other) noexcept {
    std::swap(data_, other.data_);
    std::swap(size_, other.size_);
    std::swap(capacity_, other.capacity_);
  }

  std::size_t size() const { return size_; }
  bool empty() const { return size_ == 0; }
  T* begin() { return data_; }
  T* end() { return data_ + size_; }
  const T* begin() const { return data_; }
  const T* end() const { return data_ + size_; }
  const T& back() const { return data_[size_ - 1]; }

  void reserve(std::size_t n) {
    if (n <= capacity_) return;
    if (n > static_cast<std::size_t>(PTRDIFF_MAX) / sizeof(T)) throw std::bad_alloc();
    void* p = std::realloc(data_, n * sizeof(T));
    if (!p) throw std::bad_alloc();
    data_ = static_cast<T*>(p);
    capacity_ = n;
  }
  void insert(std::size_t at, const T& value) {
    if (size_ == capacity_) reserve(capacity_ < 8 ? 16 : capacity_ * 2);
    std::memmove(data_ + at + 1, data_ + at, (size_ - at) * sizeof(T));
    data_[at] = value;
    ++size_;
  }
  void push_back(const T& value) { insert(size_, value); }
  void clear() { size_ = 0; }
  void release() {
    std::free(data_);
    data_ = nullptr;
    size_ = capacity_ = 0;
  }
  // Removes the slots for which drop is true, keeping the order.
  template <class Pred>
  void eraseIf(Pred drop) {
    std::size_t kept = 0;
    for (std::size_t i = 0; i < size_; ++i)
      if (!drop(data_[i])) data_[kept++] = data_[i];
    size_ = kept;
  }

private:
  T* data_ = nullptr;
  std::size_t size_ = 0;
  std::size_t capacity_ = 0;
};

}  // namespace zw
