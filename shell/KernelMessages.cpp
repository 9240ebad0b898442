#include "shell/KernelMessages.h"

#include <QPointer>
#include <QWidget>

#include "kernel/Poly.h"
#include "shell/commands/Commands.h"
#include "shell/texts/Texts.h"

namespace zw {

namespace {

// Keeps the numbers until the work that raised them has returned.
class CollectingSink : public PolyMessageSink {
public:
  void showMessage(int messageNumber) override { pending.push_back(messageNumber); }
  std::vector<int> pending;
};

CollectingSink& sink() {
  static CollectingSink s;
  return s;
}

}  // namespace

void InstallKernelMessageSinks() { SetPolyMessageSink(&sink()); }

std::vector<int> TakeKernelMessages() {
  std::vector<int> out;
  out.swap(sink().pending);
  return out;
}

void ShowPendingKernelMessages(QWidget* parent) {
  QPointer<QWidget> owner(parent);
  for (int message : TakeKernelMessages()) ShowInfoBox(owner, GetMessageText(message));
}

}  // namespace zw
