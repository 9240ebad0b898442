#include "shell/Guard.h"

#include <exception>

#include "kernel/CalcFailure.h"
#include "shell/KernelMessages.h"
#include "shell/commands/Commands.h"
#include "shell/texts/Texts.h"

namespace zw {

namespace {

bool g_reporting = false;  // a failure box of the guard is open

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
  bool completed = false;
  try {
    action();
    completed = true;
  } catch (const CalcFailure& f) {
    const int message = f.message();
    report(owner, [&] {
      ShowPendingKernelMessages(owner);
      if (onCalcFailure)
        onCalcFailure(message);
      else
        ShowErrorBox(owner, GetMessageText(message));
    });
  } catch (const std::exception& e) {
    const QString text = textOf(e);
    report(owner, [&] {
      ShowPendingKernelMessages(owner);
      ShowErrorBox(owner, text);
    });
  } catch (...) {
    report(owner, [&] {
      ShowPendingKernelMessages(owner);
      ShowErrorBox(owner, GetMessageText(msg::ImproperArgument));
    });
  }
  try {
    ShowPendingKernelMessages(owner);
  } catch (...) {
  }
  return completed;
}

}  // namespace zw
