// The percentage topic: reading of rates and factors, the nine solvable
// pairs, the messages for wrong counts and impossible divisions, the memo
// text with fixed character widths, and the window on the offscreen platform.
#include <gtest/gtest.h>

#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <memory>

#include "kernel/CalcFailure.h"
#include "kernel/KernelState.h"
#include "platform/ini/IniFile.h"
#include "common/TextMeasurer.h"
#include "shell/State.h"
#include "shell/catalogue/TopicRegistry.h"
#include "shell/commands/Commands.h"
#include "tests/topics/PdfText.h"
#include "tests/topics/TopicTestBase.h"
#include "topics/algebra/Prozent.h"
#include "topics/algebra/ProzentWindow.h"

namespace zw {
namespace {

using Texts = std::array<QString, ProzCount>;

class ProzComputeTest : public TopicTestBase {};

TEST_F(ProzComputeTest, RatesAndFactorsReadAsReducedFractions) {
  struct Case {
    const char* text;
    bool ok;
    Extended z, n;
  };
  const Case cases[] = {
      {"5%", true, 1, 20},     {"0,05", true, 1, 20},   {"1/20", true, 1, 20},  {" 5 % ", true, 1, 20},
      {"1/20%", true, 1, 20},  {"105%", true, 21, 20},  {"1,05", true, 21, 20}, {"", true, 0, 1},
      {"-5%", true, -1, 20},   {"3/-4", true, -3, 4},   {"12,5%", true, 1, 8},  {"2", true, 2, 1},
      {"1/0", false, 0, 0},    {"abc", false, 0, 0},    {"0.05", false, 0, 0},  {"%", false, 0, 0},
      {"/4", false, 0, 0},     {"5%%", true, 1, 20},    {"1e999999", false, 0, 0},
  };
  for (const Case& c : cases) {
    const auto f = ParseProzFraction(QString::fromUtf8(c.text));
    ASSERT_EQ(f.has_value(), c.ok) << c.text;
    if (!c.ok) continue;
    EXPECT_EQ(f->z, c.z) << c.text;
    EXPECT_EQ(f->n, c.n) << c.text;
  }
  kernelState().RegionalDecimalSeparator = u'.';
  EXPECT_EQ(ParseProzFraction("0.05")->n, 20);
  EXPECT_FALSE(ParseProzFraction("0,05").has_value());
}

TEST_F(ProzComputeTest, EveryPairGivesTheSameFiveQuantities) {
  // G = 200, W = 10, p = 5 %, q = 105 %, E = 210, every pair entered in its own way.
  const Texts all = {"200", "10", "5%", "105%", "210"};
  const int pairs[][2] = {{0, 1}, {0, 2}, {1, 2}, {0, 3}, {1, 3}, {0, 4}, {1, 4}, {2, 4}, {3, 4}};
  for (const auto& pair : pairs) {
    Texts t;
    for (int i : pair) t[static_cast<std::size_t>(i)] = all[static_cast<std::size_t>(i)];
    const ProzReading r = ReadProz(t);
    ASSERT_EQ(ProzMessage(r), 0) << pair[0] << pair[1];
    ASSERT_EQ(r.mask, (1 << pair[0]) | (1 << pair[1]));
    const ProzValues v = SolveProz(r.values, r.mask);
    EXPECT_EQ(v.G, 200) << r.mask;
    EXPECT_EQ(v.W, 10) << r.mask;
    EXPECT_EQ(v.E, 210) << r.mask;
    EXPECT_EQ(v.p, (TBruchf{1, 20})) << r.mask;
    EXPECT_EQ(v.q, (TBruchf{21, 20})) << r.mask;
  }
  // W = 30, E = 230: G = 200, p = 15 %, q = 115 %.
  const ProzReading r = ReadProz({"", "30", "", "", "230"});
  const ProzValues v = SolveProz(r.values, r.mask);
  EXPECT_EQ(v.G, 200);
  EXPECT_EQ(v.p, (TBruchf{3, 20}));
  EXPECT_EQ(v.q, (TBruchf{23, 20}));
}

TEST_F(ProzComputeTest, WrongCountsAndDependentPairsGiveTheirMessage) {
  struct Case {
    Texts texts;
    int message;
    int firstBad;
  };
  const Case cases[] = {
      {{"200", "10", "", "", "210"}, 4, -1},   // three given
      {{"", "", "5%", "", ""}, 3, -1},         // only p
      {{"200", "", "", "", ""}, 3, -1},        // only G: a message like every single quantity
      {{"", "10", "", "", "-5"}, 3, -1},       // a negative E counts as not given
      {{"", "", "5%", "105%", ""}, 22, -1},    // p and q are not independent
      {{"", "", "", "", ""}, 3, -1},
      {{"2*", "10", "x", "", ""}, 22, 0},      // bad fields: the first one in reading order
      {{"200", "", "5/", "", ""}, 22, 2},
      {{"200", "", "", "1/0", ""}, 22, 3},
  };
  for (const Case& c : cases) {
    const ProzReading r = ReadProz(c.texts);
    EXPECT_EQ(ProzMessage(r), c.message) << c.texts[0].toStdString() << c.texts[2].toStdString();
    EXPECT_EQ(r.firstBad, c.firstBad);
  }
}

TEST_F(ProzComputeTest, DivisionsByZeroGiveNoSolution) {
  const Texts cases[] = {
      {"", "10", "", "1", ""},       // q = 1: no percentage to divide by
      {"", "10", "", "", "10"},      // E = W: no base value
      {"", "", "-100%", "", "50"},   // q = 0
  };
  for (const Texts& t : cases) {
    const ProzReading r = ReadProz(t);
    ASSERT_EQ(ProzMessage(r), 0);
    try {
      SolveProz(r.values, r.mask);
      ADD_FAILURE() << "no failure for mask " << r.mask;
    } catch (const CalcFailure& f) {
      EXPECT_EQ(f.message(), 5);
    }
  }
}

TEST_F(ProzComputeTest, MemoListsGivenThenComputedQuantitiesInOneColumn) {
  const FixedWidthMeasurer font(10);
  const ProzReading r = ReadProz({"200", "", "5%", "", ""});
  const QStringList lines = ProzMemoLines(SolveProz(r.values, r.mask), r.mask, font, ProzLabels::current());
  // The widest name "Wachstumsfaktor" + " p% =  " covers 24 blanks; labels end there.
  auto at24 = [](const QString& label, const QString& value) { return label.rightJustified(24) + value; };
  const QStringList expected = {"Gegeben",
                                QString(7, QChar(0xAF)),
                                at24("Grundwert G = ", "200"),
                                at24("Prozentsatz p% = ", "5%"),
                                at24("= ", "0,05"),
                                at24("= ", "1/20"),
                                "",
                                "Ergebnisse",
                                QString(10, QChar(0xAF)),
                                at24("Prozentwert W = ", "10"),
                                at24("Wachstumsfaktor q = ", "105%"),
                                at24("= ", "1,05"),
                                at24("= ", "21/20"),
                                at24("Endwert E = ", "210"),
                                ""};
  EXPECT_EQ(lines, expected);

  // Non-whole values keep their raw fraction.
  const ProzReading raw = ReadProz({"10", "2,5", "", "", ""});
  const QStringList rawLines = ProzMemoLines(SolveProz(raw.values, raw.mask), raw.mask, font, ProzLabels::current());
  EXPECT_TRUE(rawLines.contains(at24("= ", "2,5/10"))) << rawLines.join('\n').toStdString();
}

class ProzWindowTest : public TopicTestBase {
protected:
  std::unique_ptr<TFProz> open() {
    auto w = std::make_unique<TFProz>();
    w->setAttribute(Qt::WA_DeleteOnClose, false);
    w->show();
    return w;
  }
  static void fill(TFProz& w, const Texts& t) {
    for (int i = 0; i < ProzCount; ++i) w.edit(i)->setText(t[static_cast<std::size_t>(i)]);
  }
};

TEST_F(ProzWindowTest, OkComputesAndMessagesReturnToG) {
  auto w = open();
  EXPECT_EQ(w->pageControl()->tabText(1), "Ergebnisse");
  EXPECT_EQ(w->formulaLabel(0, 0)->text().trimmed(), "p");
  fill(*w, {"200", "", "1/20", "", ""});
  w->okButton(0)->click();
  ASSERT_TRUE(errors_.empty());
  EXPECT_EQ(w->currentPage(), 1);
  EXPECT_TRUE(w->memoLines().filter("Endwert E = 210").size() == 1);
  const QStringList good = w->memoLines();

  struct Case {
    Texts texts;
    const char* message;
    int focus;
  };
  const Case cases[] = {
      {{"200", "", "", "", ""}, "Zu wenig Eingaben", 0},
      {{"200", "10", "", "", "210"}, "Zu viele Eingaben", 0},
      {{"", "", "5%", "5%", ""}, "Unzulässige Eingabe", 0},
      {{"200", "", "5 Prozent", "", ""}, "Unzulässige Eingabe", 2},
      {{"", "10", "", "", "10"}, "Keine Lösung", 0},
  };
  for (const Case& c : cases) {
    errors_.clear();
    if (w->currentPage() == 1) w->okButton(1)->click();
    fill(*w, c.texts);
    w->edit(4)->setFocus();
    w->okButton(0)->click();
    EXPECT_EQ(errors_, std::vector<QString>{QString::fromUtf8(c.message)}) << c.message;
    EXPECT_EQ(w->currentPage(), 0);
    EXPECT_EQ(w->focusWidget(), w->edit(c.focus)) << c.message;
    EXPECT_EQ(w->memoLines(), good) << c.message;  // the last results stay
  }
}

TEST_F(ProzWindowTest, SaveWritesOnlyNonEmptyTrimmedTextsAndReloads) {
  shellState().MemoryOption = false;
  auto w = open();
  fill(*w, {" 200 ", "", "5%", "", ""});
  {
    IniFile ini(file("sheet.dat"));
    ini.writeString("proz", "W", "old");
    ASSERT_TRUE(ini.save());
  }
  deliverCommand(w.get(), WM_SAVEWORKSHEET, file("sheet.dat"));
  const IniFile ini(file("sheet.dat"));
  EXPECT_EQ(ini.keys("proz"), (QStringList{"G", "p"}));
  EXPECT_EQ(ini.readString("proz", "G"), "200");

  auto other = open();
  fill(*other, {"1", "2", "3", "4", "5"});
  deliverCommand(other.get(), WM_LOADWORKSHEET, file("sheet.dat"));
  for (int i = 0; i < ProzCount; ++i) EXPECT_EQ(other->edit(i)->text(), (Texts{"200", "", "5%", "", ""})[i]);
}

TEST_F(ProzWindowTest, PrintHoldsTitleAndMemo) {
  const QString pdf = printToPdf("proz.pdf");
  auto w = open();
  fill(*w, {"", "30", "", "", "230"});
  w->okButton(0)->click();
  deliverCommand(w.get(), WM_PRINTWORKSHEET);
  const QString text = PdfText(pdf);
  EXPECT_TRUE(text.contains("Prozentrechnen"));
  EXPECT_TRUE(text.contains("Grundwert G = 200"));
  EXPECT_TRUE(text.contains("23/20"));
}

TEST_F(ProzWindowTest, TheCatalogueCreatesThisWindow) {
  std::unique_ptr<TopicWindowBase> w(createTopicWindow("TFProz", nullptr));
  EXPECT_NE(dynamic_cast<TFProz*>(w.get()), nullptr);
}

}  // namespace
}  // namespace zw
