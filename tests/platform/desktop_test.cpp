#include "platform/desktop/Desktop.h"

#include <QFile>
#include <QTemporaryDir>
#include <gtest/gtest.h>

namespace {

TEST(Desktop, MailLinkEncodesAddressAndSubject) {
  EXPECT_EQ(zw::mailLink("info@example.org", "Zahlwerk"), "mailto:info@example.org?subject=Zahlwerk");
  EXPECT_EQ(zw::mailLink("a@b.c", ""), "mailto:a@b.c");
  // Characters that would end or extend the link are encoded.
  EXPECT_EQ(zw::mailLink("x@y.z?cc=evil", "A & B"), "mailto:x@y.z%3Fcc%3Devil?subject=A%20%26%20B");
}

TEST(Desktop, InstalledServicesReceiveTheCallsAndAreRestored) {
  zw::DesktopServices* system = &zw::desktop();
  zw::RecordingDesktopServices outer;
  {
    zw::ScopedDesktopServices useOuter(outer);
    zw::RecordingDesktopServices inner;
    inner.exitCode = 7;
    {
      zw::ScopedDesktopServices useInner(inner);
      EXPECT_EQ(zw::desktop().runAndWait("/opt/zw/SaveOptions", {"a b", "c"}), 7);
      EXPECT_TRUE(zw::desktop().openMail("a@b.c", "Zahlwerk"));
    }
    ASSERT_EQ(inner.calls.size(), 2u);
    EXPECT_EQ(inner.calls[0].kind, zw::DesktopCall::RunAndWait);
    EXPECT_EQ(inner.calls[0].args, (QStringList{"a b", "c"}));
    EXPECT_EQ(inner.calls[1].target, "mailto:a@b.c?subject=Zahlwerk");
    EXPECT_EQ(&zw::desktop(), &outer);
  }
  EXPECT_EQ(&zw::desktop(), system);
  EXPECT_TRUE(outer.calls.empty());
}

TEST(Desktop, RunAndWaitPassesArgumentsUntouchedAndReportsTheExitCode) {
  QTemporaryDir dir;
  const QString out = dir.filePath("args.txt");
  zw::SystemDesktopServices sys;
  // Each argument arrives as one, blanks and quotes included; no shell runs.
  const int code = sys.runAndWait("/bin/sh", {"-c", "printf '%s|' \"$@\" > \"$0\"; exit 3", out,
                                              "two words", "\"quoted\"", "$HOME;rm"});
  EXPECT_EQ(code, 3);
  QFile f(out);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_EQ(f.readAll(), QByteArray("two words|\"quoted\"|$HOME;rm|"));
  EXPECT_EQ(sys.runAndWait(dir.filePath("no-such-program"), {}), -1);
  EXPECT_FALSE(sys.startDetached(dir.filePath("no-such-program"), {}));
}

}  // namespace
