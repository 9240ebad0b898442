// The topic registry: its tables against the catalogue rules, the command
// delivery by the per-class command sets, and the factory registration that
// replaces a placeholder.
#include <gtest/gtest.h>

#include <memory>
#include <set>
#include <string>

#include "platform/desktop/Desktop.h"
#include "platform/help/WebHelpPages.h"
#include "shell/State.h"
#include "shell/help/Help.h"
#include "shell/catalogue/PlaceholderTopicWindow.h"
#include "shell/catalogue/TopicRegistry.h"

namespace zw {
namespace {

int countHandling(TopicCommand c) {
  int n = 0;
  for (const TopicClassInfo& t : topicClasses()) n += t.handles.contains(c) ? 1 : 0;
  return n;
}

TEST(TopicRegistry, TablesAreConsistent) {
  std::set<std::string_view> names;
  for (const TopicClassInfo& t : topicClasses()) {
    EXPECT_TRUE(names.insert(t.className).second) << "duplicate " << t.className;
    EXPECT_TRUE(t.handles.contains(WM_TOPICHELP)) << t.className;
    // Only the calculators and the CSV window keep no worksheet section.
    EXPECT_EQ(t.section.empty(), t.handles == CommandSet{WM_TOPICHELP} || t.csvWorksheet) << t.className;
  }
  EXPECT_EQ(names.size(), 83u);

  std::set<std::string_view> reached, itemNames;
  int topicItems = 0;
  for (const CatalogueItem& item : catalogueItems()) {
    EXPECT_TRUE(itemNames.insert(item.name).second) << "duplicate " << item.name;
    if (item.kind != CatalogueItem::Kind::Topic) continue;
    ++topicItems;
    ASSERT_NE(findTopicClass(item.className), nullptr) << item.name;
    reached.insert(item.className);
    if (!item.parent.empty()) {
      EXPECT_EQ(findCatalogueItem(item.parent)->kind, CatalogueItem::Kind::Submenu);
    }
  }
  EXPECT_EQ(topicItems, 86);
  EXPECT_EQ(reached, names) << "every class has a menu item";

  // The picture and chart counts that the command protocol relies on.
  EXPECT_EQ(countHandling(WM_SNAPSHOT), 33);
  EXPECT_EQ(countHandling(WM_CHARTSETTINGS), 27);
  EXPECT_EQ(countHandling(WM_CHARTSETTINGS2), 1);
  EXPECT_TRUE(findTopicClass("TFDrei2")->handles.contains(WM_CHARTSETTINGS2));
  EXPECT_EQ(countHandling(WM_LOADWORKSHEET), 80);
  EXPECT_EQ(countHandling(WM_NEWWORKSHEET), 79);
}

TEST(TopicRegistry, DistanceItemsOpenTheIntersectionWindowsWithTheirOwnPages) {
  struct Case { const char* item; const char* cls; TTextIndex caption; TTextIndex windowPage; };
  for (const Case& c : {Case{"MAbstGG", "TFXGer3d", IAbstGG, IXGer3d}, Case{"MAbstGE", "TFXGerEb", IAbstGE, IXGerEb},
                        Case{"MAbstEE", "TFXEbene", IAbstEE, IXEbene}}) {
    const CatalogueItem* item = findCatalogueItem(c.item);
    ASSERT_NE(item, nullptr);
    EXPECT_EQ(item->className, c.cls);
    EXPECT_EQ(item->captionPage, c.caption);
    EXPECT_EQ(findTopicClass(c.cls)->page, c.windowPage);
  }
}

TEST(TopicRegistry, CommandsReachOnlyTheClassesThatHandleThem) {
  resetShellState();
  RecordingDesktopServices desk;  // help opens the topic's web page
  ScopedDesktopServices use(desk);
  const std::vector<TopicCommand> all{WM_LOADWORKSHEET, WM_SAVEWORKSHEET, WM_SNAPSHOT,     WM_PRINTWORKSHEET,
                                      WM_CHARTSETTINGS, WM_TOPICHELP,     WM_NEWWORKSHEET, WM_CHARTSETTINGS2};
  struct Case { const char* cls; std::vector<TopicCommand> expected; };
  const Case cases[] = {
      {"TFBruch", {WM_TOPICHELP}},
      {"TFggT", {WM_LOADWORKSHEET, WM_SAVEWORKSHEET, WM_PRINTWORKSHEET, WM_TOPICHELP, WM_NEWWORKSHEET}},
      {"TFDrei1", {WM_LOADWORKSHEET, WM_SAVEWORKSHEET, WM_PRINTWORKSHEET, WM_CHARTSETTINGS, WM_TOPICHELP,
                   WM_NEWWORKSHEET}},
      {"TFDrei2", {WM_LOADWORKSHEET, WM_SAVEWORKSHEET, WM_SNAPSHOT, WM_PRINTWORKSHEET, WM_CHARTSETTINGS,
                   WM_TOPICHELP, WM_NEWWORKSHEET, WM_CHARTSETTINGS2}},
      {"TFPlot3d", {WM_LOADWORKSHEET, WM_SAVEWORKSHEET, WM_SNAPSHOT, WM_PRINTWORKSHEET, WM_TOPICHELP,
                    WM_NEWWORKSHEET}},
      {"TFVerhulst", {WM_LOADWORKSHEET, WM_SAVEWORKSHEET, WM_PRINTWORKSHEET, WM_CHARTSETTINGS, WM_TOPICHELP}},
  };
  for (const Case& c : cases) {
    std::unique_ptr<TopicWindowBase> w(createTopicWindow(c.cls, nullptr));
    ASSERT_NE(w, nullptr);
    auto* placeholder = dynamic_cast<PlaceholderTopicWindow*>(w.get());
    ASSERT_NE(placeholder, nullptr);
    for (TopicCommand command : all) EXPECT_EQ(deliverCommand(w.get(), command), w->handles(command));
    EXPECT_EQ(placeholder->receivedCommands(), c.expected) << c.cls;
    ASSERT_FALSE(desk.calls.empty());
    EXPECT_TRUE(desk.calls.back().target.endsWith(WebHelpPageName(HelpContextOf(w->textPage())))) << c.cls;
  }
  EXPECT_FALSE(deliverCommand(nullptr, WM_TOPICHELP));
}

TEST(TopicRegistry, CommandNumbers) {
  EXPECT_EQ(topicCommandFromNumber(1124), WM_LOADWORKSHEET);
  EXPECT_EQ(topicCommandFromNumber(1134), WM_CHARTSETTINGS2);
  for (int unused : {1123, 1126, 1128, 1130, 1135}) EXPECT_FALSE(topicCommandFromNumber(unused)) << unused;
}

class RealGcdWindow : public TopicWindowBase {
public:
  explicit RealGcdWindow(QWidget* owner) : TopicWindowBase(owner, "TFggT") {}
};

TEST(TopicRegistry, AFactoryRegistrationReplacesThePlaceholder) {
  resetShellState();
  std::unique_ptr<TopicWindowBase> before(createTopicWindow("TFggT", nullptr));
  EXPECT_NE(dynamic_cast<PlaceholderTopicWindow*>(before.get()), nullptr);
  {
    const TopicFactoryRegistration reg("TFggT", [](QWidget* owner) -> TopicWindowBase* {
      return new RealGcdWindow(owner);
    });
    EXPECT_TRUE(hasTopicFactory("TFggT"));
    std::unique_ptr<TopicWindowBase> after(createTopicWindow("TFggT", nullptr));
    EXPECT_NE(dynamic_cast<RealGcdWindow*>(after.get()), nullptr);
    EXPECT_EQ(after->textPage(), IggT);
    // Handlers a real window does not override ignore their command.
    EXPECT_TRUE(deliverCommand(after.get(), WM_LOADWORKSHEET));
  }
  unregisterTopicFactory("TFggT");
  EXPECT_FALSE(hasTopicFactory("TFggT"));
  EXPECT_EQ(createTopicWindow("TFNoSuchClass", nullptr), nullptr);
}

}  // namespace
}  // namespace zw
