// The example worksheet: the catalogue creates each of the six algebra
// windows, which loads its DEMO.DAT section and computes it without a box.
#include <gtest/gtest.h>

#include <QPushButton>
#include <QTest>
#include <memory>

#include "shell/State.h"
#include "shell/catalogue/TopicRegistry.h"
#include "shell/commands/Commands.h"
#include "shell/texts/Texts.h"
#include "tests/topics/TopicRules.h"
#include "tests/topics/TopicTestBase.h"
#include "topics/frame/LongRun.h"
#include "topics/frame/TopicWindow.h"

namespace zw {
namespace {

class AlgebraDemoTest : public TopicTestBase {};

TEST_F(AlgebraDemoTest, EverySectionLoadsAndComputes) {
  shellState().MemoryOption = false;
  struct Case {
    const char* topic;
    const char* memoStart;  // the first memo line begins so
  };
  const Case cases[] = {{"TFProz", "Gegeben"},
                        {"TFDez2Br", " "},
                        {"TFBr2Dez", " "},
                        {"TFPyth", "(   3|  4|  5 )"},
                        {"TFDio", "3\u00b7x + 5\u00b7y \u2013 7 = 0"},
                        {"TFBino", "(2\u00b7x  \u2013 3\u00b7y)\u00b3 ="}};
  for (const Case& c : cases) {
    std::unique_ptr<TopicWindowBase> base(createTopicWindow(c.topic, nullptr));
    auto* w = dynamic_cast<TopicWindow*>(base.get());
    ASSERT_NE(w, nullptr) << c.topic;
    w->show();
    ASSERT_TRUE(deliverCommand(w, WM_LOADWORKSHEET, QStringLiteral(ZW_SOURCE_DIR "/data/DEMO.DAT")));
    w->okButton(0)->click();
    QTRY_VERIFY(!w->longRun().running());
    EXPECT_TRUE(errors_.empty()) << c.topic;
    ASSERT_FALSE(w->memoLines().isEmpty()) << c.topic;
    EXPECT_TRUE(w->memoLines().first().startsWith(QString::fromUtf8(c.memoStart))) << c.topic;
  }
}

TEST_F(AlgebraDemoTest, TextPagesHoldTheirItemsInEveryBuiltInLanguage) {
  const std::pair<TTextIndex, int> pages[] = {{IProz, 7}, {IDez2Br, 4}, {IBr2Dez, 10},
                                              {IBino, 3}, {IDio, 3},    {IPyth, 4}};
  for (const auto& [page, count] : pages)
    for (TextLanguage l : {TextLanguage::German, TextLanguage::English, TextLanguage::French})
      EXPECT_EQ(BuiltInTextCount(l, page), count) << int(page) << " " << int(l);
  EXPECT_TRUE(RegisteredTextConflicts().isEmpty()) << RegisteredTextConflicts().join('\n').toStdString();
}

// New after a computation leaves no result line; a window opens with its
// initial values whether the memory option is on or off, and New restores
// them (every algebra window).
TEST_F(AlgebraDemoTest, NewClearsResultsAndRestoresInitialValues) {
  const QString demo = QStringLiteral(ZW_SOURCE_DIR "/data/DEMO.DAT");
  EXPECT_EQ(WindowsKeepingResultsAfterNew(demo).join(u'\n').toStdString(), "");
  EXPECT_EQ(WindowsWithoutTheirInitialValues(demo).join(u'\n').toStdString(), "");
}

}  // namespace
}  // namespace zw
