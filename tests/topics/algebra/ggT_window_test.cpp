// The gcd window on the offscreen platform: computing from the fields, bad
// input, the worksheet commands with the memory file, printing to a PDF file
// and help, as the main window drives them.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QFontMetrics>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <memory>

#include "kernel/KernelState.h"
#include "platform/desktop/Desktop.h"
#include "platform/folders/Folders.h"
#include "platform/ini/IniFile.h"
#include "shell/Metrics.h"
#include "shell/State.h"
#include "shell/catalogue/TopicRegistry.h"
#include "shell/commands/Commands.h"
#include "shell/help/Help.h"
#include "tests/topics/PdfText.h"
#include "tests/topics/TopicTestBase.h"
#include "topics/algebra/ggTWindow.h"

namespace zw {
namespace {

class GgtWindowTest : public TopicTestBase {
protected:

  std::unique_ptr<TFggT> open() {
    auto w = std::make_unique<TFggT>();
    w->setAttribute(Qt::WA_DeleteOnClose, false);  // the test owns it
    w->show();
    return w;
  }
  static void fill(TFggT& w, const QStringList& texts) {
    for (int i = 0; i < GgtFieldCount; ++i) w.edit(i)->setText(i < texts.size() ? texts[i] : QString());
  }
  static QStringList texts(const TFggT& w) {
    QStringList t;
    for (int i = 0; i < GgtFieldCount; ++i) t << w.edit(i)->text();
    return t;
  }
  QString memoryFile() const { return file("memory.dat"); }
  void writeSection(const QString& path, const QString& section, const QStringList& keyValues) {
    IniFile ini(path);
    for (int i = 0; i + 1 < keyValues.size(); i += 2) ini.writeString(section, keyValues[i], keyValues[i + 1]);
    ASSERT_TRUE(ini.save());
  }
  static QByteArray bytes(const QString& path) {
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
  }
};

TEST_F(GgtWindowTest, OkComputesIntoTheMemoAndOkAgainReturnsToTheFirstField) {
  auto w = open();
  EXPECT_EQ(w->windowTitle(), QStringLiteral("Größter gemeinsamer Teiler"));
  EXPECT_EQ(w->pageControl()->tabText(0), "Eingabe");
  EXPECT_EQ(w->pageControl()->tabText(1), "Ausgabe");
  fill(*w, {"12", "18"});
  w->okButton(0)->click();
  EXPECT_TRUE(errors_.empty());
  EXPECT_EQ(w->currentPage(), 1);
  const QStringList lines = w->memoLines();
  ASSERT_GE(lines.size(), 15);
  EXPECT_EQ(lines[0], "a = 12");
  EXPECT_TRUE(lines[3].endsWith("ggT = 6"));
  EXPECT_TRUE(lines[4].endsWith("kgV = 36"));
  EXPECT_TRUE(lines.contains("T(a) \u2229 T(b) = { 1 2 3 6 }"));

  w->edit(0)->clearFocus();
  w->okButton(1)->click();
  EXPECT_EQ(w->currentPage(), 0);
  EXPECT_EQ(w->focusWidget(), w->edit(0));
  EXPECT_EQ(w->memoLines(), lines);  // the results stay until the next computation
}

TEST_F(GgtWindowTest, BadFieldsGiveOneBoxAndFocusTheFirstBadField) {
  struct Case {
    const char* what;
    QStringList fields;
    int focus;  // index of the field that must hold the focus
  };
  const Case cases[] = {
      {"a zero", {"0", "5"}, 0},
      {"a empty", {"", "5"}, 0},
      {"a negative", {"-4", "5"}, 0},
      {"a not whole", {"2,5", "5"}, 0},
      {"a no term", {"3*/4", "5"}, 0},
      {"a above 10^15", {"10^15+1", "5"}, 0},
      {"b empty", {"4", ""}, 1},
      {"c and e bad", {"4", "6", "x?", "", "-1"}, 2},
      {"k not whole", {"4", "6", "", "", "", "", "", "", "", "1/3"}, 9},
  };
  auto w = open();
  fill(*w, {"12", "18"});
  w->okButton(0)->click();
  const QStringList before = w->memoLines();
  for (const Case& c : cases) {
    errors_.clear();
    if (w->currentPage() == 1) w->okButton(1)->click();
    fill(*w, c.fields);
    w->okButton(0)->click();
    EXPECT_EQ(errors_, std::vector<QString>{"Unzulässige Eingabe"}) << c.what;
    EXPECT_EQ(w->currentPage(), 0) << c.what;
    EXPECT_EQ(w->focusWidget(), w->edit(c.focus)) << c.what;
    EXPECT_EQ(w->memoLines(), before) << c.what;
    EXPECT_EQ(texts(*w).mid(0, c.fields.size()), c.fields) << c.what;  // the texts stay
  }
  // A term and the largest value pass.
  errors_.clear();
  ASSERT_EQ(w->currentPage(), 0);
  fill(*w, {"10^15", "2*3"});
  w->okButton(0)->click();
  EXPECT_TRUE(errors_.empty());
  EXPECT_EQ(w->memoLines().value(0), "a = 1E15");
}

TEST_F(GgtWindowTest, LoadWhileResultsShowReturnsToInputsAndKeepsTheMemo) {
  writeSection(file("sheet.dat"), "GGT", {"A", "84", "b", "126", "c", "210"});
  auto w = open();
  fill(*w, {"12", "18", "", "", "", "", "", "", "", "77"});
  w->okButton(0)->click();
  ASSERT_EQ(w->currentPage(), 1);
  const QStringList memo = w->memoLines();
  EXPECT_TRUE(deliverCommand(w.get(), WM_LOADWORKSHEET, file("sheet.dat")));
  EXPECT_EQ(w->currentPage(), 0);
  EXPECT_EQ(texts(*w), (QStringList{"84", "126", "210", "", "", "", "", "", "", ""}));
  EXPECT_EQ(w->memoLines(), memo);
}

TEST_F(GgtWindowTest, NewEmptiesAllFieldsAndErasesOnlyTheTopicsSection) {
  writeSection(memoryFile(), "ggt", {"a", "4", "b", "6", "k", "8"});
  writeSection(memoryFile(), "proz", {"a", "17"});
  auto w = open();
  ASSERT_EQ(w->edit(9)->text(), "8");  // loaded at creation
  deliverCommand(w.get(), WM_NEWWORKSHEET, memoryFile());
  EXPECT_EQ(texts(*w), QStringList(GgtFieldCount, QString()));
  const IniFile after(memoryFile());
  EXPECT_FALSE(after.hasSection("ggt"));
  EXPECT_EQ(after.readString("proz", "a"), "17");

  // A file without the section is left exactly as it was.
  const QByteArray unchanged = bytes(memoryFile());
  fill(*w, {"1", "2"});
  deliverCommand(w.get(), WM_NEWWORKSHEET, memoryFile());
  EXPECT_EQ(bytes(memoryFile()), unchanged);
  EXPECT_EQ(texts(*w), QStringList(GgtFieldCount, QString()));
}

TEST_F(GgtWindowTest, SaveAndReloadRestoreAllTenFields) {
  shellState().MemoryOption = false;
  const QStringList all = {"12", "18", "2*3", "", "9", "10^3", "11", "12", "13", "14"};
  auto w = open();
  fill(*w, all);
  deliverCommand(w.get(), WM_SAVEWORKSHEET, file("saved.dat"));
  EXPECT_TRUE(errors_.empty());
  const IniFile ini(file("saved.dat"));
  EXPECT_EQ(ini.keys("ggt"), (QStringList{"a", "b", "c", "d", "e", "f", "g", "h", "i", "k"}));

  auto other = open();
  deliverCommand(other.get(), WM_LOADWORKSHEET, file("saved.dat"));
  EXPECT_EQ(texts(*other), all);
}

TEST_F(GgtWindowTest, SaveToAnUnwritableFileIsReported) {
  shellState().MemoryOption = false;
  auto w = open();
  fill(*w, {"1", "2"});
  deliverCommand(w.get(), WM_SAVEWORKSHEET, joinPath(file("missing-folder"), "x.dat"));
  EXPECT_EQ(errors_.size(), 1u);
}

TEST_F(GgtWindowTest, MemoryFileKeepsInputsBetweenWindowsOnlyWhileTheOptionIsOn) {
  {
    auto w = open();
    fill(*w, {"30", "45", "", "60"});
    w->escButton(0)->click();  // closes the window, which stores its inputs
    EXPECT_FALSE(w->isVisible());
  }
  auto again = open();
  EXPECT_EQ(texts(*again).mid(0, 4), (QStringList{"30", "45", "", "60"}));
  again->close();

  shellState().MemoryOption = false;
  const QByteArray stored = bytes(memoryFile());
  auto off = open();
  EXPECT_EQ(texts(*off), QStringList(GgtFieldCount, QString()));  // nothing loaded
  fill(*off, {"7", "8"});
  off->close();
  EXPECT_EQ(bytes(memoryFile()), stored);  // nothing written
}

// A memory file that an editor saved with two byte-order marks: the window
// sees its section, and what the user stores is what comes back (a hidden
// first section used to shadow the stored one).
TEST_F(GgtWindowTest, MemoryFileWithTwoByteOrderMarksRoundTrips) {
  {
    QFile f(memoryFile());
    ASSERT_TRUE(f.open(QIODevice::WriteOnly));
    f.write("\xEF\xBB\xBF\xEF\xBB\xBF[ggt]\r\na=12\r\nb=18\r\n");
  }
  {
    auto w = open();
    EXPECT_EQ(texts(*w).mid(0, 2), (QStringList{"12", "18"}));
    fill(*w, {"30", "40"});
    w->close();  // stores the inputs
  }
  auto again = open();
  EXPECT_EQ(texts(*again).mid(0, 2), (QStringList{"30", "40"}));
  EXPECT_TRUE(errors_.empty());
}

TEST_F(GgtWindowTest, PrintToPdfHoldsTitleAndMemoLines) {
  const QString pdf = printToPdf("out.pdf");
  auto w = open();
  fill(*w, {"12", "18"});
  w->okButton(0)->click();
  deliverCommand(w.get(), WM_PRINTWORKSHEET);
  const QString text = PdfText(pdf);
  EXPECT_TRUE(text.contains("Zahlwerk 10.0: Größter gemeinsamer Teiler")) << text.toStdString();
  for (const char* line : {"a = 12", "T(a) = { 1 2 3 4 6 12 }", "T(b) = { 1 2 3 6 9 18 }", "T(a) \u2229 T(b) = { 1 2 3 6 }",
                           "Teilersummen :"})
    EXPECT_TRUE(text.contains(QString::fromUtf8(line))) << line;

  // A cancelled dialog prints nothing.
  QFile::remove(pdf);
  commandUi().printDialog = [](QWidget*, QPrinter&) { return false; };
  deliverCommand(w.get(), WM_PRINTWORKSHEET);
  EXPECT_FALSE(QFile::exists(pdf));
}

TEST_F(GgtWindowTest, HelpOpensTheTopicsPages) {
  RecordingDesktopServices rec;
  ScopedDesktopServices use(rec);
  auto w = open();
  deliverCommand(w.get(), WM_TOPICHELP);
  ASSERT_EQ(rec.calls.size(), 1u);
  EXPECT_EQ(rec.calls[0].kind, DesktopCall::OpenUrl);
  EXPECT_EQ(rec.calls[0].target, webHelpAddress(HelpContextOf(IggT), currentHelpLanguageLetter()));
  EXPECT_EQ(HelpContextOf(IggT), 1215);

  // The help buttons open the compiled help at the same context (here its
  // web page, since no local help pages are installed).
  shellState().HelpFile = "Zw100d.chm";
  w->helpButton(0)->click();
  ASSERT_EQ(rec.calls.size(), 2u);
  EXPECT_EQ(rec.calls[1].target, webHelpAddress(1215, 'd'));
}

TEST_F(GgtWindowTest, LanguageSwitchRenewsCaptionsAndMemoTexts) {
  auto w = open();
  shellState().LanguageKind = 1;
  w->relayout();
  EXPECT_EQ(w->windowTitle(), "G.C.F. and L.C.M.");
  EXPECT_EQ(w->pageControl()->tabText(0), "Data Input");
  fill(*w, {"6", "8"});
  w->okButton(0)->click();
  EXPECT_TRUE(w->memoLines().filter("perfect number").size() == 1);
  EXPECT_TRUE(w->memoLines().filter("G.C.F. = 2").size() == 1);
}

TEST_F(GgtWindowTest, TheCatalogueCreatesThisWindow) {
  std::unique_ptr<TopicWindowBase> w(createTopicWindow("TFggT", nullptr));
  EXPECT_NE(dynamic_cast<TFggT*>(w.get()), nullptr);
}

}  // namespace
}  // namespace zw

namespace zw {
namespace {

// Every field shows its longest valid input whole, at every zoom, and the
// two columns do not overlap.
TEST_F(GgtWindowTest, LongestInputsFitTheirFieldsAtEveryZoom) {
  const QString longest = QStringLiteral("1000000000000000");  // 10^15
  for (int zoom : {90, 100, 120, 150, 160}) {
    applyZoom(zoom);
    auto w = open();
    fill(*w, QStringList(GgtFieldCount, longest));
    w->relayout();
    for (int i = 0; i < GgtFieldCount; ++i) {
      QLineEdit* e = w->edit(i);
      const int frame = e->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, e);
      const int room = e->width() - 2 * frame - 2 * 2;  // the edit keeps 2 px on either side
      EXPECT_LE(QFontMetrics(e->font()).horizontalAdvance(longest), room) << "zoom " << zoom << " field " << i;
    }
    EXPECT_LT(w->edit(0)->geometry().right(), w->captionPanel(5)->geometry().left()) << zoom;
  }
  applyZoom(100);
}

// In a narrow window nothing is cut: the task text takes the lines it needs
// and the inputs stay reachable through the scroll range.
TEST_F(GgtWindowTest, NarrowWindowCutsNeitherTaskTextNorFields) {
  for (int language : {0, 1, 2}) {
    shellState().LanguageKind = language;
    auto w = open();
    w->resize(260, 200);
    QApplication::processEvents();
    QLabel* task = w->taskLabel();
    EXPECT_GE(task->height(), task->heightForWidth(task->width())) << language;
    QWidget* page = w->page(0);
    const QRect last(w->edit(9)->mapTo(page, QPoint(0, 0)), w->edit(9)->size());
    EXPECT_LE(last.right(), page->width()) << language;
    EXPECT_LE(last.bottom(), page->height()) << language;
  }
  shellState().LanguageKind = 0;
}

class AlgebraWindowSizeTest : public TopicTestBase {};

TEST_F(AlgebraWindowSizeTest, EveryWindowFitsItsDefaultSizeWithoutScrollingSideways) {
  EXPECT_EQ(windowsScrollingSideways().join(u' ').toStdString(), "");
}

}  // namespace
}  // namespace zw
