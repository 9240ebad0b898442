#pragma once
// The exception base of the chart library and the numeric components. Each
// part raises its own subclass, which keeps the (English) message it is
// raised with; callers that only report catch this base.
#include <stdexcept>

namespace zw {

class EZwError : public std::runtime_error {
public:
  using std::runtime_error::runtime_error;
};

}  // namespace zw
