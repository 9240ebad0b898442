#include "shell/KernelMessages.h"

#include <QPointer>
#include <QWidget>

#include <memory>

#include "kernel/KernelMessages.h"
#include "shell/commands/Commands.h"
#include "shell/texts/Texts.h"

namespace zw {

namespace {

// The GUI thread's outermost collector, alive for the whole run: whatever
// the kernel reports waits there until the work that raised it has returned.
std::unique_ptr<KernelMessageCollector>& collector() {
  static std::unique_ptr<KernelMessageCollector> c;
  return c;
}

}  // namespace

void InstallKernelMessageSinks() {
  if (!collector()) collector() = std::make_unique<KernelMessageCollector>();
}

std::vector<int> TakeKernelMessages() {
  return collector() ? collector()->take() : std::vector<int>{};
}

void ShowPendingKernelMessages(QWidget* parent) {
  QPointer<QWidget> owner(parent);
  for (int message : TakeKernelMessages()) ShowInfoBox(owner, GetMessageText(message));
}

}  // namespace zw
