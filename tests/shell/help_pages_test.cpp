// Help contexts, web help addresses and the compiled-help stand-in.
#include <gtest/gtest.h>

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QUrl>
#include <set>

#include "platform/desktop/Desktop.h"
#include "platform/help/CompiledHelp.h"
#include "platform/help/WebHelpPages.h"
#include "shell/State.h"
#include "shell/help/Help.h"

namespace zw {
namespace {

TEST(HelpContexts, ContextOfPage) {
  struct Case { int page; int context; };
  const Case cases[] = {
      {IAbstPG, 1390}, {IAbstEE, 1390}, {IAbstGPS, 1395}, {IMeldung, 1000}, {IVorlage, 1000},
      {IggT, 1215},    {IRange, 1180},  {IOpt, 1175},     {IHuge, 1250},    {IPseudo, 1680},
      {IFlipFlop, 1000}, {4, 1000},     {6, 1000},        {IAna, 1400},     {IFPLot3, 1420},
  };
  for (const Case& c : cases)
    EXPECT_EQ(HelpContextOf(static_cast<TTextIndex>(c.page)), c.context) << "page " << c.page;
}

TEST(HelpContexts, PageNames) {
  struct Case { int context; const char* page; };
  const Case cases[] = {
      {1000, "000-Content.html"},
      {1215, "104-GCF_and_LCM.html"},
      {1329, "213-Tangent_lines_to_circles_-_Construction.html"},
      {1537, "522-Logistic_Regression_-_Method.html"},
      {1650, "615-Triple_Product.html"},
      {1250, ""}, {1310, ""}, {1340, ""}, {999, ""}, {1681, ""}, {-1, ""},
  };
  for (const Case& c : cases) EXPECT_EQ(WebHelpPageName(c.context), QString::fromLatin1(c.page)) << c.context;
}

TEST(HelpContexts, EveryPageContextHasAWebPageExceptTheGroupPages) {
  const std::set<int> withoutPage{1250, 1310, 1340, 1350, 1356, 1357, 1358, 1370, 1380};
  for (int p = 0; p < TextPageCount; ++p) {
    const int context = HelpContextOf(static_cast<TTextIndex>(p));
    EXPECT_EQ(WebHelpPageName(context).isEmpty(), withoutPage.count(context) == 1) << "page " << p;
  }
}

class HelpAddress : public ::testing::Test {
protected:
  void SetUp() override { resetShellState(); }
  void TearDown() override { resetShellState(); }
  RecordingDesktopServices desk;
  ScopedDesktopServices use{desk};
};

TEST_F(HelpAddress, WebHelpFollowsTheLanguage) {
  struct Case { int kind; int number; const char* name; int context; const char* tail; };
  const Case cases[] = {
      {2, 2, "", 1215, "/help/fr/F104-GCF_and_LCM.html"},
      {0, 0, "", 1000, "/help/de/D000-Content.html"},
      {1, 1, "", 1390, "/help/en/E340-Distances.html"},
      {3, 3, "Italiano", 1205, "/help/it/I101-Prime_Numbers.html"},
      {4, 4, "espaniol", 1205, "/help/es/S101-Prime_Numbers.html"},
      {5, 5, "greek", 1205, "/help/en/E101-Prime_Numbers.html"},
      {1, 1, "", 1250, "/help/en/E"},  // no page: the address ends with the language path
  };
  for (const Case& c : cases) {
    ShellState& s = shellState();
    s.LanguageKind = c.kind;
    s.LanguageNumber = c.number;
    s.LanguageNames[c.number] = QString::fromLatin1(c.name);
    desk.calls.clear();
    ShowWebHelp(c.context);
    ASSERT_EQ(desk.calls.size(), 1u);
    EXPECT_EQ(desk.calls[0].kind, DesktopCall::OpenUrl);
    EXPECT_EQ(desk.calls[0].target, QString::fromLatin1(kWebHelpHost) + QLatin1String(c.tail)) << c.tail;
  }
  EXPECT_TRUE(QString::fromLatin1(kWebHelpHost).startsWith(QLatin1String("https://")));
}

TEST_F(HelpAddress, HelpFileOfTheLanguage) {
  struct Case { int kind; int number; const char* name; const char* file; };
  const Case cases[] = {
      {0, 0, "", "Zw100d.chm"},      {1, 1, "", "Zw100e.chm"},       {2, 2, "", "Zw100f.chm"},
      {3, 3, "ITALIANO", "Zw100i.chm"}, {6, 6, "Espaniol", "Zw100s.chm"}, {5, 5, "greek", "Zw100e.chm"},
      {1, 7, "", "Zw100e.chm"},      // a language number outside the slots
  };
  for (const Case& c : cases) {
    ShellState& s = shellState();
    s.AppFolder = QStringLiteral("/nowhere/");
    s.LanguageKind = c.kind;
    s.LanguageNumber = c.number;
    if (c.number < 7) s.LanguageNames[c.number] = QString::fromLatin1(c.name);
    EXPECT_EQ(CurrentHelpFile(), QStringLiteral("/nowhere/") + QLatin1String(c.file)) << c.file;
    EXPECT_EQ(helpFileLanguageLetter(CurrentHelpFile()), QLatin1String(c.file).at(5).toLatin1());
  }
}

TEST_F(HelpAddress, CompiledHelpOpensTheLocalPageElseTheWebPage) {
  QTemporaryDir dir;
  ASSERT_TRUE(dir.isValid());
  ShellState& s = shellState();
  s.AppFolder = dir.path() + QLatin1Char('/');
  s.HelpFile = s.AppFolder + QStringLiteral("Zw100f.chm");
  ASSERT_TRUE(QDir(dir.path()).mkpath(QStringLiteral("Help/FR")));  // names ignore case
  QFile page(dir.path() + QStringLiteral("/Help/FR/104-GCF_and_LCM.html"));
  ASSERT_TRUE(page.open(QIODevice::WriteOnly));
  page.write("<html></html>");
  page.close();

  ShowCompiledHelp(1215);
  ASSERT_EQ(desk.calls.size(), 1u);
  EXPECT_EQ(QUrl(desk.calls[0].target).toLocalFile(), page.fileName());

  desk.calls.clear();
  ShowCompiledHelp(1000);  // no local page: the web page in the help file's language
  ASSERT_EQ(desk.calls.size(), 1u);
  EXPECT_EQ(desk.calls[0].target, QString::fromLatin1(kWebHelpHost) + QStringLiteral("/help/fr/F000-Content.html"));
}

}  // namespace
}  // namespace zw
