#include "shell/KernelMessages.h"

#include <gtest/gtest.h>

#include "kernel/Poly.h"
#include "shell/State.h"
#include "shell/commands/Commands.h"
#include "shell/texts/Texts.h"

TEST(KernelMessages, PolynomialMessagesReachAPlainBox) {
  zw::resetShellState();
  QStringList shown;
  zw::commandUi().information = [&](QWidget*, const QString& text) { shown << text; };
  zw::InstallKernelMessageSinks();

  // A product whose degree exceeds what a polynomial holds is refused with message 21.
  zw::TPoly a{}, b{}, c{};
  a[30] = zw::TBruch{1, 1};
  b[30] = zw::TBruch{1, 1};
  zw::PolyMul(a, b, c);

  zw::resetCommandUi();
  ASSERT_EQ(shown.size(), 1);
  EXPECT_EQ(shown[0], zw::GetMessageText(21));
  EXPECT_EQ(shown[0], QString::fromUtf8("Unzulässige Daten"));
}
