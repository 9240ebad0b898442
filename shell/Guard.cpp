#include "shell/Guard.h"

#include <exception>

#include "kernel/CalcFailure.h"
#include "shell/KernelMessages.h"
#include "shell/commands/Commands.h"
#include "shell/texts/Texts.h"

namespace zw {

namespace {

bool g_reporting = false;  // a failure box of the guard is open
int g_depth = 0;           // guarded work running, one inside the other

// The outermost guarded work shows the kernel's messages once it is over;
// guarded work nested in it (a layout a computation set off) leaves them.
struct Depth {
  Depth() { ++g_depth; }
  ~Depth() { --g_depth; }
  bool outermost() const { return g_depth == 1; }
};

void showKernelMessages(QWidget* parent, const Depth& depth) {
  if (depth.outermost()) ShowPendingKernelMessages(parent);
}

void report(QWidget* parent, const std::function<void()>& show) noexcept {
  if (g_reporting) return;
  g_reporting = true;
  try {
    show();
  } catch (...) {
    // Showing a box must not fail the entry a second time.
  }
  g_reporting = false;
}

QString textOf(const std::exception& e) {
  const QString text = QString::fromUtf8(e.what()).trimmed();
  return text.isEmpty() ? GetMessageText(msg::ImproperArgument) : text;
}

}  // namespace

bool RunGuarded(QWidget* parent, const std::function<void()>& action,
                const CalcFailureReaction& onCalcFailure) noexcept {
  QPointer<QWidget> owner(parent);
  const Depth depth;
  bool completed = false;
  try {
    action();
    completed = true;
  } catch (const CalcFailure& f) {
    const int message = f.message();
    report(owner, [&] {
      showKernelMessages(owner, depth);
      if (onCalcFailure)
        onCalcFailure(message);
      else
        ShowErrorBox(owner, GetMessageText(message));
    });
  } catch (const std::exception& e) {
    const QString text = textOf(e);
    report(owner, [&] {
      showKernelMessages(owner, depth);
      ShowErrorBox(owner, text);
    });
  } catch (...) {
    report(owner, [&] {
      showKernelMessages(owner, depth);
      ShowErrorBox(owner, GetMessageText(msg::ImproperArgument));
    });
  }
  try {
    showKernelMessages(owner, depth);
  } catch (...) {
    // A box that fails to show is not a failure of the work.
  }
  return completed;
}

}  // namespace zw
