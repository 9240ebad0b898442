#include "shell/KernelMessages.h"

#include <gtest/gtest.h>

#include "kernel/Poly.h"
#include "shell/Guard.h"
#include "shell/State.h"
#include "shell/commands/Commands.h"
#include "shell/texts/Texts.h"

namespace {

// A product whose degree exceeds what a polynomial holds is refused with message 21.
void refusedProduct() {
  zw::TPoly a{}, b{}, c{};
  a[30] = zw::TBruch{1, 1};
  b[30] = zw::TBruch{1, 1};
  zw::PolyMul(a, b, c);
}

}  // namespace

// The kernel's messages wait until the work that raised them is over: no box
// opens inside the computation, each message shows once, in order.
TEST(KernelMessages, ShownAfterTheGuardedWorkInOrderAndOnce) {
  zw::resetShellState();
  QStringList shown;
  bool working = false;
  bool boxWhileWorking = false;
  zw::commandUi().information = [&](QWidget*, const QString& text) {
    boxWhileWorking = boxWhileWorking || working;
    shown << text;
  };
  zw::InstallKernelMessageSinks();
  zw::TakeKernelMessages();

  zw::RunGuarded(nullptr, [&] {
    working = true;
    refusedProduct();
    refusedProduct();
    working = false;
  });
  EXPECT_FALSE(boxWhileWorking);
  // The same refusal twice in one piece of work is one box.
  EXPECT_EQ(shown, QStringList(1, QString::fromUtf8("Unzulässige Daten")));
  EXPECT_EQ(shown[0], zw::GetMessageText(21));
  EXPECT_TRUE(zw::TakeKernelMessages().empty());

  // The next entry shows nothing again.
  shown.clear();
  zw::RunGuarded(nullptr, [] {});
  EXPECT_TRUE(shown.isEmpty());
  zw::resetCommandUi();
}
