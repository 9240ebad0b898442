#include "shell/KernelMessages.h"

#include <QApplication>

#include "kernel/Poly.h"
#include "shell/commands/Commands.h"
#include "shell/texts/Texts.h"

namespace zw {

namespace {

class MessageBoxSink : public PolyMessageSink {
public:
  void showMessage(int messageNumber) override {
    ShowInfoBox(QApplication::activeWindow(), GetMessageText(messageNumber));
  }
};

}  // namespace

void InstallKernelMessageSinks() {
  static MessageBoxSink sink;
  SetPolyMessageSink(&sink);
}

}  // namespace zw
