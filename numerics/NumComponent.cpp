#include "numerics/NumComponent.h"

namespace zw {

std::string ComponentMessage(const std::string& name, const std::string& tail) {
  return "Component \"" + name + "\": " + tail;
}

}  // namespace zw
