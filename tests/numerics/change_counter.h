#pragma once
// Counts the change notifications of a component.
#include "numerics/NumComponent.h"

namespace zw {

struct ChangeCounter {
  int changes = 0;
  explicit ChangeCounter(TNumComponent& c) { Attach(c); }
  ChangeCounter() = default;
  void Attach(TNumComponent& c) {
    c.OnChange = [this](TNumComponent&) { ++changes; };
  }
};

}  // namespace zw
