#include "shell/State.h"

namespace zw {

ShellState& shellState() {
  static ShellState state;
  return state;
}

void resetShellState() { shellState() = ShellState{}; }

}  // namespace zw
