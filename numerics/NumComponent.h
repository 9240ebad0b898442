#pragma once
// What every numeric component shares: a Name that appears in its error
// messages, the change notification, the exception classes, and the texts of
// their messages ("Component "<Name>": <tail>").
#include <cstdint>
#include <functional>
#include <new>
#include <string>

#include "common/ZwError.h"

namespace zw {

class EZwVectorError : public EZwError {
public:
  using EZwError::EZwError;
};
class EZwMatrixError : public EZwError {
public:
  using EZwError::EZwError;
};
class EZwDStructError : public EZwError {
public:
  using EZwError::EZwError;
};
class EZwMath2Error : public EZwError {
public:
  using EZwError::EZwError;
};

namespace tail {
inline constexpr char NoHeap[] = "not enough memory on heap";
inline constexpr char NoMemory[] = "not enough memory";
inline constexpr char ZeroLength[] = "vector has zero length";
inline constexpr char DifferentDims[] = "vectors have different dimensions";
inline constexpr char NegativeGeometric[] = "negative argument passed to GeometricMean";
inline constexpr char NonPositiveHarmonic[] = "negative or zero argument passed to HarmonicMean";
}  // namespace tail

class TNumComponent;

using TNotifyEvent = std::function<void(TNumComponent& Sender)>;
// ExchgWhat: 0 vector elements, 1 matrix columns, 2 matrix rows.
using TSortExchgEvent = std::function<void(TNumComponent& Sender, std::uint8_t ExchgWhat,
                                           std::int32_t index1, std::int32_t index2,
                                           std::int32_t first, std::int32_t last)>;

std::string ComponentMessage(const std::string& name, const std::string& tail);

class TNumComponent {
public:
  TNumComponent() = default;
  TNumComponent(const TNumComponent&) = delete;
  TNumComponent& operator=(const TNumComponent&) = delete;
  virtual ~TNumComponent() = default;

  std::string Name;
  TNotifyEvent OnChange;

  // Fires OnChange when a handler is assigned (held back inside a deferral).
  void Changed() {
    if (deferDepth_ > 0) {
      changePending_ = true;
      return;
    }
    if (OnChange) OnChange(*this);
  }

  template <class E>
  [[noreturn]] void Raise(const std::string& tail) const {
    throw E(ComponentMessage(Name, tail));
  }

  // Runs an allocating step; running out of memory becomes error E with the tail.
  template <class E, class F>
  decltype(auto) Allocating(const char* tailText, F&& step) const {
    try {
      return step();
    } catch (const std::bad_alloc&) {
      Raise<E>(tailText);
    } catch (const std::length_error&) {
      Raise<E>(tailText);
    }
  }

protected:
  void beginDeferChanges() { ++deferDepth_; }
  void endDeferChanges() {
    if (deferDepth_ > 0 && --deferDepth_ == 0 && changePending_) {
      changePending_ = false;
      Changed();
    }
  }

private:
  int deferDepth_ = 0;
  bool changePending_ = false;
};

}  // namespace zw
