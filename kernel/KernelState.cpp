#include "kernel/KernelState.h"

namespace zw {

KernelState& kernelState() {
  static KernelState state;
  return state;
}

}  // namespace zw
