// The binomial expansion topic: the memo lines with fixed character widths
// (the Part's example, n = 0, a = b = 0, the 24-character head rule, the
// largest exponent), the overflow, and the window.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <memory>

#include "kernel/CalcFailure.h"
#include "platform/ini/IniFile.h"
#include "common/TextMeasurer.h"
#include "shell/State.h"
#include "shell/commands/Commands.h"
#include "tests/topics/PdfText.h"
#include "tests/topics/TopicTestBase.h"
#include "topics/algebra/Bino.h"
#include "topics/algebra/BinoWindow.h"

namespace zw {
namespace {

class BinoComputeTest : public TopicTestBase {
protected:
  QStringList lines(Extended a, Extended b, int n) { return BinoMemoLines(a, b, n, font_, font_); }
  FixedWidthMeasurer font_{10};
};

TEST_F(BinoComputeTest, TermsStandInOneColumnBesideOrBelowTheHead) {
  const QString i17(17, u' ');
  EXPECT_EQ(lines(2, -3, 3), (QStringList{QString::fromUtf8("(2·x  – 3·y)³ =      +8 · x³"),
                                          i17 + QString::fromUtf8("   –36 · x² · y"),
                                          i17 + QString::fromUtf8("   +54 · x · y²"),
                                          i17 + QString::fromUtf8("   –27 · y³")}));
  // n = 0: the head and +1 with no power.
  EXPECT_EQ(lines(2, 5, 0), QStringList{QString::fromUtf8("(2·x  + 5·y)⁰ =     +1")});
  EXPECT_EQ(lines(0, 0, 0), QStringList{QString::fromUtf8("(0·x  + 0·y)⁰ =  1")});
  EXPECT_EQ(lines(0, 0, 5), QStringList{QString::fromUtf8("(0·x  + 0·y)⁵ =  0")});
  EXPECT_EQ(lines(2, 0, 3), QStringList{QString::fromUtf8("(2·x  + 0·y)³ =     +8 · x³")});
  EXPECT_EQ(lines(0, -2, 3), QStringList{QString::fromUtf8("(0·x  – 2·y)³ =     –8 · y³")});
  // A head of more than 24 characters stands alone.
  const QStringList longHead = lines(12345, 67890, 12);
  ASSERT_EQ(longHead.size(), 14);
  EXPECT_EQ(longHead[0], QString::fromUtf8("(12345·x  + 67890·y)¹² =  "));
  EXPECT_TRUE(longHead[1].startsWith(QString(26, u' ') + " "));
  EXPECT_TRUE(longHead[1].endsWith(QString::fromUtf8(" · x¹²")));
  EXPECT_TRUE(longHead[13].endsWith(QString::fromUtf8(" · y¹²")));
}

TEST_F(BinoComputeTest, LargestExponentAndOverflow) {
  const QStringList all = lines(1, 1, BinoMaxExponent);
  ASSERT_EQ(all.size(), 501);
  EXPECT_TRUE(all[250].contains(QString::fromUtf8("+1,16744315788278·10¹⁴⁹ · x²⁵⁰ · y²⁵⁰"))) << all[250].toStdString();
  EXPECT_TRUE(all[500].endsWith(QString::fromUtf8("+1 · y⁵⁰⁰")));
  // Every coefficient line ends its number in the same column.
  const qsizetype column = all[1].indexOf(QString::fromUtf8(" · "));
  EXPECT_EQ(all[250].indexOf(QString::fromUtf8(" · ")), column);
  for (const auto& [a, b] : {std::pair<Extended, Extended>{1e15, 1}, {1, -1e15}, {1e12, 1e12}}) {
    try {
      lines(a, b, 500);
      ADD_FAILURE() << "no overflow for " << static_cast<double>(a);
    } catch (const CalcFailure& f) {
      EXPECT_EQ(f.message(), msg::Overflow);
    }
  }
}

class BinoWindowTest : public TopicTestBase {
protected:
  std::unique_ptr<TFBino> open() {
    auto w = std::make_unique<TFBino>();
    w->setAttribute(Qt::WA_DeleteOnClose, false);
    w->show();
    return w;
  }
  static void run(TFBino& w, const QStringList& t) {
    if (w.currentPage() == 1) w.okButton(1)->click();
    for (int i = 0; i < 3; ++i) w.edit(i)->setText(t[i]);
    w.okButton(0)->click();
  }
};

TEST_F(BinoWindowTest, ExpandsAndRejectsBadFieldsWithTheirFocus) {
  auto w = open();
  run(*w, {"2", "-3", "3"});
  ASSERT_EQ(w->memoLines().size(), 4);
  EXPECT_TRUE(w->memoLines()[1].endsWith(QString::fromUtf8("–36 · x² · y")));
  const QStringList good = w->memoLines();
  struct Case {
    QStringList fields;
    const char* message;
    int focus;
  };
  const Case cases[] = {{{"2", "3", "-1"}, "Unzulässige Eingabe", 2},
                        {{"2", "3", "501"}, "Unzulässige Eingabe", 2},
                        {{"2", "3", "2,5"}, "Unzulässige Eingabe", 2},
                        {{"2*", "3?", "2"}, "Unzulässige Eingabe", 0},
                        {{"1e15", "1", "500"}, "overflow", 0}};
  for (const Case& c : cases) {
    errors_.clear();
    run(*w, c.fields);
    EXPECT_EQ(errors_, std::vector<QString>{c.message}) << c.fields.join(' ').toStdString();
    EXPECT_EQ(w->currentPage(), 0);
    EXPECT_EQ(w->focusWidget(), w->edit(c.focus)) << c.fields.join(' ').toStdString();
    EXPECT_EQ(w->memoLines(), good);
  }
}

TEST_F(BinoWindowTest, SaveReloadAndPrint) {
  shellState().MemoryOption = false;
  auto w = open();
  for (int i = 0; i < 3; ++i) w->edit(i)->setText((QStringList{"2", "-3", "3"})[i]);
  deliverCommand(w.get(), WM_SAVEWORKSHEET, file("bino.dat"));
  EXPECT_EQ(IniFile(file("bino.dat")).readString("bino", "n"), "3");
  auto other = open();
  deliverCommand(other.get(), WM_LOADWORKSHEET, file("bino.dat"));
  EXPECT_EQ(other->edit(1)->text(), "-3");
  const QString pdf = printToPdf("bino.pdf");
  other->okButton(0)->click();
  deliverCommand(other.get(), WM_PRINTWORKSHEET);
  const QString text = PdfText(pdf);
  EXPECT_TRUE(text.contains("Binome"));
  EXPECT_TRUE(text.contains(QString::fromUtf8("+54 · x · y²"))) << text.toStdString();
}

}  // namespace
}  // namespace zw
