// The fraction-to-decimal topic: expansions with their period, the digit
// and remainder limits, the memo line read on Enter, and the window's
// running record with the Enter key in the memo.
#include <gtest/gtest.h>

#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTest>
#include <memory>

#include "kernel/KernelState.h"
#include "platform/ini/IniFile.h"
#include "shell/State.h"
#include "shell/commands/Commands.h"
#include "tests/topics/PdfText.h"
#include "tests/topics/TopicTestBase.h"
#include "topics/algebra/Br2Dez.h"
#include "topics/algebra/Br2DezWindow.h"

namespace zw {
namespace {

class Br2DezComputeTest : public TopicTestBase {};

TEST_F(Br2DezComputeTest, RecordLinesWithPeriodOrEnd) {
  struct Case {
    std::uint64_t z, n;
    QStringList lines;
  };
  const QString start = QStringLiteral("Periodisch ab der  %1. Stelle nach dem Komma.");
  const QString length = QStringLiteral("Die Periode ist %1 Ziffern lang.");
  const Case cases[] = {
      {1, 3, {"        _", "1/3 = 0,3", start.arg(1), length.arg(1)}},
      {1, 6, {"         _", "1/6 = 0,16", start.arg(2), length.arg(1)}},
      {1, 4, {"      ", "1/4 = 0,25", "abbrechende Dezimalzahl"}},
      {4, 2, {"      ", "4/2 = 2,0", "abbrechende Dezimalzahl"}},
      {1, 7, {"        ______", "1/7 = 0,142857", start.arg(1), length.arg(6)}},
      {22, 7, {"         ______", "22/7 = 3,142857", start.arg(1), length.arg(6)}},
      {0, 5, {"      ", "0/5 = 0,0", "abbrechende Dezimalzahl"}},
      {1, 300007, {"Unzulässige Eingabe"}},  // the 27th remainder is new and too large
  };
  for (const Case& c : cases) EXPECT_EQ(Br2DezLines(c.z, c.n), c.lines) << c.z << "/" << c.n;

  // 1/97: period 96, the lines cut to 59 and 56 + "..." characters.
  const QStringList l = Br2DezLines(1, 97);
  ASSERT_EQ(l.size(), 4);
  EXPECT_EQ(l[0], QString(9, u' ') + QString(50, u'_'));
  EXPECT_EQ(l[1], "1/97 = 0,01030927835051546391752577319587628865979381443...");
  EXPECT_EQ(l[3], length.arg(96));
}

TEST_F(Br2DezComputeTest, LimitsOfTheRemainderSetAndTheDigitCount) {
  // Every denominator up to the bound expands to its end; the period found
  // is the real one.
  const Br2DezExpansion big = DecimalExpansion(1, 262121);  // a prime, 10 of order 65,530
  EXPECT_TRUE(big.ok);
  EXPECT_EQ(big.length, 65530);
  EXPECT_EQ(big.start, 1);
  const Br2DezExpansion bound = DecimalExpansion(1, Br2DezRemainderBound);
  EXPECT_TRUE(bound.ok);
  EXPECT_EQ(bound.start, 5);  // 262,128 = 2^4 * 3 * 43 * 127
  EXPECT_GT(bound.length, 0);
  // 1/100019 repeats only after 100,018 digits: stopped after 100,000.
  const Br2DezExpansion longOne = DecimalExpansion(1, 100019);
  EXPECT_TRUE(longOne.ok);
  EXPECT_EQ(longOne.length, -1);
  EXPECT_EQ(longOne.digits.size(), 2 + Br2DezMaxDigits);
  EXPECT_EQ(Br2DezLines(1, 100019).value(2), "nach 1000 Nachkommastellen noch nicht periodisch.");
  // A large denominator that still repeats early: 1/(10^15 - 1) has period 15.
  const Br2DezExpansion nines = DecimalExpansion(1, 999999999999999ull);
  EXPECT_FALSE(nines.ok);  // its remainders 10, 100, ... pass the bound before they repeat
  const Br2DezExpansion third = DecimalExpansion(1000000000000000ull, 3);
  EXPECT_TRUE(third.ok);
  EXPECT_EQ(third.digits, "333333333333333.3");
}

TEST_F(Br2DezComputeTest, MemoLinesReadLikeTheInputFields) {
  struct Case {
    const char* line;
    bool ok;
    std::uint64_t z, n;
  };
  const Case cases[] = {{"1/7", true, 1, 7},       {"  3/4  ", true, 3, 4},  {"2*3/4", true, 6, 4},
                        {"0/1", true, 0, 1},       {"-2/7", false, 0, 0},    {"2/0", false, 0, 0},
                        {"2", false, 0, 0},        {"1/2,5", false, 0, 0},   {"10^16/3", false, 0, 0},
                        {"abc/3", false, 0, 0},    {"1/-7", false, 0, 0}};
  for (const Case& c : cases) {
    const auto f = ReadFractionLine(QString::fromUtf8(c.line));
    ASSERT_EQ(f.has_value(), c.ok) << c.line;
    if (c.ok) {
      EXPECT_EQ(*f, std::make_pair(c.z, c.n)) << c.line;
    }
  }
}

class Br2DezWindowTest : public TopicTestBase {
protected:
  std::unique_ptr<TFBr2Dez> open() {
    auto w = std::make_unique<TFBr2Dez>();
    w->setAttribute(Qt::WA_DeleteOnClose, false);
    w->show();
    return w;
  }
  static void run(TFBr2Dez& w, const QString& z, const QString& n) {
    if (w.currentPage() == 1) w.okButton(1)->click();
    w.edit(0)->setText(z);
    w.edit(1)->setText(n);
    w.okButton(0)->click();
  }
  static void type(TFBr2Dez& w, const QString& text) {
    w.memo()->moveCursor(QTextCursor::End);
    w.memo()->insertPlainText(text);
    QTest::keyClick(w.memo(), Qt::Key_Return);
  }
};

TEST_F(Br2DezWindowTest, RecordSkipsTheLastRequestAndBadFieldsFocus) {
  auto w = open();
  run(*w, "0", "1");
  EXPECT_TRUE(w->memoLines().isEmpty());  // equal to the request a new window starts with
  run(*w, "1", "3");
  EXPECT_EQ(w->memoLines().size(), 4);
  run(*w, "1", "3");
  EXPECT_EQ(w->memoLines().size(), 4);
  for (const auto& [z, n, focus] : {std::tuple{"-1", "3", 0}, std::tuple{"1", "0", 1}, std::tuple{"1", "2,5", 1}}) {
    errors_.clear();
    run(*w, z, n);
    EXPECT_EQ(errors_.size(), 1u);
    EXPECT_EQ(w->focusWidget(), w->edit(focus)) << z << "/" << n;
    EXPECT_EQ(w->memoLines().size(), 4);
  }
}

TEST_F(Br2DezWindowTest, EnterInTheMemoExpandsTheLastLine) {
  auto w = open();
  run(*w, "1", "4");
  const QStringList first = w->memoLines();
  type(*w, "\n1/7\n\n");
  QStringList expected = first;
  expected << Br2DezLines(1, 7);
  EXPECT_EQ(w->memoLines(), expected);
  EXPECT_EQ(w->edit(0)->text(), "1");  // the fields stay
  // A line that does not read stays as typed, without a line break.
  type(*w, "\n-2/7");
  EXPECT_EQ(w->memoLines().last(), "-2/7");
  EXPECT_EQ(w->memoLines().size(), expected.size() + 1);
  EXPECT_TRUE(errors_.empty());
}

TEST_F(Br2DezWindowTest, SaveReloadAndPrint) {
  shellState().MemoryOption = false;
  auto w = open();
  w->edit(0)->setText("1");
  w->edit(1)->setText("7");
  deliverCommand(w.get(), WM_SAVEWORKSHEET, file("b.dat"));
  EXPECT_EQ(IniFile(file("b.dat")).readString("Br2Dez", "nenner"), "7");
  auto other = open();
  deliverCommand(other.get(), WM_LOADWORKSHEET, file("b.dat"));
  EXPECT_EQ(other->edit(0)->text(), "1");
  EXPECT_EQ(other->edit(1)->text(), "7");
  const QString pdf = printToPdf("b.pdf");
  other->okButton(0)->click();
  deliverCommand(other.get(), WM_PRINTWORKSHEET);
  const QString text = PdfText(pdf);
  EXPECT_TRUE(text.contains(QString::fromUtf8("Brüche -> Dezimalzahlen")));
  EXPECT_TRUE(text.contains("1/7 = 0,142857"));
}

}  // namespace
}  // namespace zw
