// The vector-product, linear-combination and combinatorics windows on the
// offscreen platform: reading, bad fields, worksheets and sizes.
#include <gtest/gtest.h>

#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>

#include "platform/ini/IniFile.h"
#include "shell/State.h"
#include "shell/commands/Commands.h"
#include "tests/topics/TopicTestBase.h"
#include "topics/linalg-stat/KombiWindow.h"
#include "topics/linalg-stat/LinKomWindow.h"
#include "topics/linalg-stat/VecProductWindows.h"

namespace zw {
namespace {

class VectorWindows : public TopicTestBase {
protected:
  void SetUp() override {
    TopicTestBase::SetUp();
    shellState().MemoryOption = false;
    kernelState().RegionalDecimalSeparator = u',';
  }
  template <typename W>
  static void fill(W& w, int count, const QStringList& texts) {
    for (int i = 0; i < count; ++i) w.edit(i)->setText(texts.value(i));
  }
};

TEST_F(VectorWindows, ScalarProductAndItsBadField) {
  auto w = openTopic<TFSProd>();
  fill(*w, 6, {"1", "0", "0", "0", "1", "0"});
  w->okButton(0)->click();
  EXPECT_TRUE(errors_.empty());
  EXPECT_TRUE(w->memoLines().last().endsWith(QStringLiteral("\u03B1 = 90°")));
  w->okButton(1)->click();
  const QStringList before = w->memoLines();
  fill(*w, 6, {"1", "0", "0", "0", "a?", "1e999"});
  w->okButton(0)->click();
  EXPECT_EQ(errors_, std::vector<QString>{"Unzulässige Eingabe"});
  EXPECT_EQ(w->currentPage(), 0);
  EXPECT_EQ(w->focusWidget(), w->edit(4));
  EXPECT_EQ(w->memoLines(), before);
}

TEST_F(VectorWindows, ProductWindowsKeepTheirDefaultSize) {
  auto w = openTopic<TFVProd>();
  const QSize size = w->size();
  w->resize(size + QSize(200, 100));
  w->relayout();
  EXPECT_EQ(w->size(), size);
  fill(*w, 6, {"1", "0", "0", "0", "1", "1"});
  w->okButton(0)->click();
  EXPECT_TRUE(w->memoLines()[6].endsWith("|a x b|= √2 = 1,4142136"));
}

TEST_F(VectorWindows, WorksheetKeysRoundTrip) {
  auto spat = openTopic<TFSpat>();
  fill(*spat, 9, {"1", "2", "3", "4", "5", "6", "7", "8", "10"});
  deliverCommand(spat.get(), WM_SAVEWORKSHEET, file("v.dat"));
  EXPECT_EQ(IniFile(file("v.dat")).keys("spat"), (QStringList{"ax", "ay", "az", "bx", "by", "bz", "cx", "cy", "cz"}));
  auto again = openTopic<TFSpat>();
  deliverCommand(again.get(), WM_LOADWORKSHEET, file("v.dat"));
  EXPECT_EQ(again->edit(8)->text(), "10");
  again->okButton(0)->click();
  EXPECT_EQ(again->memoLines().last(), QStringLiteral("  ( a x b ) · c = -3"));

  auto kom = openTopic<TFLinKom>();
  fill(*kom, 12, {"1", "0", "0", "0", "1", "0", "0", "0", "1", "2", "3", "4"});
  deliverCommand(kom.get(), WM_SAVEWORKSHEET, file("v.dat"));
  EXPECT_EQ(IniFile(file("v.dat")).keys("linkom").size(), 12);
  EXPECT_EQ(IniFile(file("v.dat")).readString("linkom", "dz"), "4");
  kom->okButton(0)->click();
  EXPECT_EQ(kom->memoLines().last(), "  a = 2  b = 3  c = 4");
  // An empty section: every field 0, dependent vectors.
  deliverCommand(kom.get(), WM_NEWWORKSHEET, file("v.dat"));
  kom->okButton(0)->click();
  EXPECT_EQ(kom->memoLines().last(), "Die Vektoren sind linear abhängig");
}

TEST_F(VectorWindows, CombinatoricsCountsAndFocus) {
  auto w = openTopic<TFKombi>();
  EXPECT_EQ(w->pageControl()->tabText(1), "Ergebnisse");
  fill(*w, 2, {"49", "6"});
  w->okButton(0)->click();
  const QStringList lines = w->memoLines();
  ASSERT_EQ(lines.size(), 10);
  EXPECT_TRUE(lines[4].endsWith(" = 10 068 347 520"));
  EXPECT_TRUE(lines[7].endsWith(" = 25 827 165"));
  EXPECT_TRUE(lines[9].endsWith(" = 720"));
  // A huge k is answered at once.
  w->okButton(1)->click();
  fill(*w, 2, {"0,5", "1e15"});
  w->okButton(0)->click();
  EXPECT_TRUE(w->memoLines()[7].endsWith(" = 0"));
  EXPECT_TRUE(w->memoLines()[9].endsWith(" = overflow"));
  // The focus goes to n when it is bad, else to k.
  for (auto [n, k, focus] : {std::tuple{"?", "2", 0}, {"a b", "?", 0}, {"3", "1e999", 1}}) {
    errors_.clear();
    if (w->currentPage() == 1) w->okButton(1)->click();
    fill(*w, 2, {n, k});
    w->okButton(0)->click();
    EXPECT_EQ(errors_.size(), 1u) << n << " " << k;
    EXPECT_EQ(w->focusWidget(), w->edit(focus)) << n << " " << k;
  }
}

}  // namespace
}  // namespace zw
