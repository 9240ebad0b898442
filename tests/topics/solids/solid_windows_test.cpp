// The ten solid windows offscreen: fill, OK and the memo; bad fields and
// failed computations; worksheets (every key, only the window's section,
// New, the example worksheet, the memory option off); the sketch that
// follows the typing; the picture page; printing.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QSpinBox>
#include <QTest>
#include <memory>

#include "charts/Rot3D.h"
#include "kernel/KernelState.h"
#include "platform/ini/IniFile.h"
#include "shell/catalogue/TopicRegistry.h"
#include "shell/commands/Commands.h"
#include "shell/texts/Texts.h"
#include "tests/topics/PdfText.h"
#include "tests/topics/TopicTestBase.h"
#include "topics/solids/PlatonicWindows.h"
#include "topics/solids/SphereWindow.h"
#include "topics/solids/TwoQuantityWindows.h"

namespace zw {
namespace {

struct Topic {
  const char* className;
  const char* section;
  std::vector<const char*> keys;
  int given = 1;  // how many quantities a computation takes
};

const Topic kTopics[] = {
    {"TFTetra", "Tetra", {"a", "h1", "h2", "ru", "ri", "V", "O"}},
    {"TFHexa", "hexa", {"a", "d1", "d2", "ru", "ri", "V", "O"}},
    {"TFOkta", "Okta", {"a", "h1", "h2", "ru", "ri", "V", "O"}},
    {"TFDodeka", "dodeka", {"a", "d", "h", "ru", "ri", "V", "O"}},
    {"TFIkosa", "ikosa", {"a", "h1", "h2", "ru", "ri", "V", "O"}},
    {"TFKugel1", "kugel1", {"r", "d", "u", "O", "V", "alpha"}},
    {"TFKegel", "kegel", {"r", "h", "s", "V", "M", "G", "O"}, 2},
    {"TFZyl", "zyl", {"r", "h", "u", "V", "G", "M", "O"}, 2},
    {"TFPyra", "pyra", {"a", "s", "h1", "h2", "V", "O", "F"}, 2},
    {"TFPrisma", "prisma", {"a", "h", "ru", "ri", "V", "G", "O"}, 2},
};

class SolidWindowsTest : public TopicTestBase {
protected:
  void SetUp() override {
    TopicTestBase::SetUp();
    shellState().MemoryOption = false;
    kernelState().RegionalDecimalSeparator = u'.';
  }
  static std::unique_ptr<SolidWindow> open(const char* className) {
    std::unique_ptr<TopicWindowBase> base(createTopicWindow(className, nullptr));
    auto* w = dynamic_cast<SolidWindow*>(base.get());
    if (!w) return nullptr;
    base.release();
    w->setAttribute(Qt::WA_DeleteOnClose, false);
    w->show();
    return std::unique_ptr<SolidWindow>(w);
  }
  static void fill(SolidWindow& w, std::initializer_list<std::pair<int, const char*>> texts) {
    for (int i = 0; i < w.rowCount(); ++i) w.edit(i)->clear();
    for (auto [i, t] : texts) w.edit(i)->setText(QString::fromUtf8(t));
  }
  static bool memoHas(const SolidWindow& w, const QString& name, const QString& value) {
    for (const QString& l : w.memoLines())
      if (l.trimmed() == name + " = " + value) return true;
    return false;
  }
};

TEST_F(SolidWindowsTest, FillOkAndReadTheMemo) {
  struct Case {
    const char* topic;
    std::vector<std::pair<int, const char*>> texts;
    const char* name;
    const char* value;
  } cases[] = {
      {"TFTetra", {{0, "1"}}, "Oberfläche O", "1.7320508"},
      {"TFHexa", {{5, "8"}}, "Kante a", "2"},
      {"TFOkta", {{0, "1"}}, "Volumen V", "0.47140452"},
      {"TFDodeka", {{0, "1"}}, "Volumen V", "7.663119"},
      {"TFIkosa", {{0, "1"}}, "Raumhöhe h2", "1.902113"},
      {"TFKugel1", {{0, "1"}, {5, "60"}}, "Umfang u'", "3.1415927"},
      {"TFKegel", {{0, "3"}, {1, "4"}}, "Mantellinie s", "5"},
      {"TFZyl", {{0, "3"}, {1, "4"}}, "Oberfläche O", "131.94689"},
      {"TFPyra", {{0, "6"}, {2, "4"}}, "Seitenfläche A", "15"},
      {"TFPrisma", {{0, "2"}, {1, "5"}}, "Umkreisradius ru", "1.1547005"},  // n = 3
  };
  for (const Case& c : cases) {
    auto w = open(c.topic);
    ASSERT_TRUE(w) << c.topic;
    for (int i = 0; i < w->rowCount(); ++i) w->edit(i)->clear();
    for (auto [i, t] : c.texts) w->edit(i)->setText(t);
    w->okButton(0)->click();
    EXPECT_TRUE(errors_.empty()) << c.topic;
    EXPECT_EQ(w->currentPage(), 1) << c.topic;
    EXPECT_TRUE(memoHas(*w, c.name, c.value)) << c.topic << "\n" << w->memoLines().join('\n').toStdString();
  }
}

TEST_F(SolidWindowsTest, BadFieldsGiveTheirMessageAndFocus) {
  struct Case {
    const char* topic;
    std::vector<std::pair<int, const char*>> texts;
    const char* message;
    int focus;  // the field with the focus afterwards, -1: the focus stays where it was
  } cases[] = {
      {"TFTetra", {}, "Zu wenig Eingaben", -1},
      {"TFTetra", {{0, "-2"}}, "Zu wenig Eingaben", -1},
      {"TFTetra", {{0, "1"}, {6, "1"}}, "Zu viele Eingaben", -1},
      {"TFTetra", {{1, "-2"}, {3, "3"}}, "Unzulässige Eingabe", 1},
      {"TFKugel1", {{0, "1"}, {5, "91"}}, "Unzulässige Eingabe", 5},
      {"TFKugel1", {{0, "-1"}}, "Unzulässige Eingabe", 0},
      {"TFKugel1", {{5, "30"}}, "Zu wenig Eingaben", 0},
      {"TFKugel1", {{1, "1"}, {2, "1"}}, "Zu viele Eingaben", 0},
      {"TFKegel", {{0, "3"}}, "Zu wenig Eingaben", -1},
      {"TFKegel", {{0, "0"}, {1, "4"}}, "Zu wenig Eingaben", -1},  // 0 is not given
      {"TFKegel", {{0, "3"}, {1, "4"}, {2, "5"}}, "Zu viele Eingaben", -1},
      {"TFKegel", {{0, "3"}, {1, "4"}, {4, "-2"}}, "Unzulässige Eingabe", 4},
      // A text that is no term leaves the value 1, which counts as given.
      {"TFKegel", {{0, "3"}, {1, "4"}, {4, "abc"}}, "Zu viele Eingaben", -1},
      // Failed computations: the frame's focus on the first field.
      {"TFKegel", {{0, "3"}, {5, "9*pi"}}, "Keine eindeutige Lösung", 0},
      {"TFKegel", {{0, "3"}, {2, "2"}}, "Keine Lösung", 0},
      {"TFZyl", {{0, "3"}, {6, "30"}}, "Keine Lösung", 0},
      {"TFPrisma", {{2, "1"}, {3, "0.5"}}, "Keine eindeutige Lösung", 0},
  };
  for (const Case& c : cases) {
    errors_.clear();
    auto w = open(c.topic);
    // The memo keeps the last results when the next computation fails.
    fill(*w, {{0, "1"}, {1, "1"}});
    if (std::string_view(c.topic) == "TFKugel1" || std::string_view(c.topic) == "TFTetra") fill(*w, {{0, "1"}});
    w->okButton(0)->click();
    ASSERT_TRUE(errors_.empty()) << c.topic;
    const QStringList before = w->memoLines();
    w->okButton(1)->click();
    if (w->pageCount() == 3) w->okButton(2)->click();
    fill(*w, {});
    for (auto [i, t] : c.texts) w->edit(i)->setText(t);
    w->edit(2)->setFocus();
    w->okButton(0)->click();
    ASSERT_EQ(errors_.size(), 1u) << c.topic << " " << c.message;
    EXPECT_EQ(errors_[0], QString::fromUtf8(c.message)) << c.topic;
    EXPECT_EQ(w->currentPage(), 0) << c.topic << " " << c.message;
    EXPECT_EQ(w->memoLines(), before) << c.topic << " " << c.message;
    EXPECT_EQ(w->focusWidget(), w->edit(c.focus >= 0 ? c.focus : 2)) << c.topic << " " << c.message;
  }
}

TEST_F(SolidWindowsTest, EveryFieldAnswersGarbage) {
  for (const Topic& t : kTopics) {
    auto w = open(t.className);
    const bool sphere = std::string_view(t.className) == "TFKugel1";
    for (int i = 0; i < w->rowCount(); ++i) {
      // Out of range: a negative quantity, or the sphere's latitude beyond 90°.
      const QString outOfRange = sphere && i == 5 ? "91" : "-1";
      const QString garbage[] = {"abc", "1e999", QString(10000, u'9'), QString("1\x01\x02") + QChar(0x7F), outOfRange};
      for (const QString& g : garbage) {
        errors_.clear();
        fill(*w, {});
        // Other fields that make a computation, then the bad text.
        int put = 0;
        for (int j = 0; j < w->rowCount() && put < t.given; ++j)
          if (j != i && !(sphere && j == 5)) w->edit(j)->setText(++put == 1 ? "3" : "4");
        w->edit(i)->setText(g);
        w->okButton(0)->click();
        EXPECT_EQ(errors_.size(), 1u) << t.className << " field " << i << " " << g.left(12).toStdString();
        EXPECT_EQ(w->currentPage(), 0) << t.className << " field " << i;
      }
    }
    // Every field empty: the message that there is too little, no crash.
    errors_.clear();
    fill(*w, {});
    w->okButton(0)->click();
    EXPECT_EQ(errors_, std::vector<QString>{"Zu wenig Eingaben"}) << t.className;
  }
}

TEST_F(SolidWindowsTest, EveryKeyRoundTripsAndOnlyTheSectionIsTouched) {
  const QString sheet = file("sheet.dat");
  {
    IniFile other(sheet);
    other.writeString("ggt", "a", "84");
    ASSERT_TRUE(other.save());
  }
  for (const Topic& t : kTopics) {
    auto w = open(t.className);
    for (int i = 0; i < w->rowCount(); ++i) w->edit(i)->setText(QString("%1+%2").arg(t.keys[i]).arg(i));
    auto* prism = dynamic_cast<TFPrisma*>(w.get());
    if (prism) prism->spinner()->setValue(17);
    ASSERT_TRUE(deliverCommand(w.get(), WM_SAVEWORKSHEET, sheet));
    {
      const IniFile ini(sheet);
      for (std::size_t i = 0; i < t.keys.size(); ++i)
        EXPECT_EQ(ini.readString(t.section, t.keys[i], "?"), QString("%1+%2").arg(t.keys[i]).arg(i)) << t.className;
      if (prism) {
        EXPECT_EQ(ini.readString(t.section, "n", "?"), "17");
      }
      EXPECT_EQ(ini.readString("ggt", "a", "?"), "84");
    }
    auto v = open(t.className);
    ASSERT_TRUE(deliverCommand(v.get(), WM_LOADWORKSHEET, sheet));
    for (int i = 0; i < v->rowCount(); ++i) EXPECT_EQ(v->edit(i)->text(), w->edit(i)->text()) << t.className;
    if (prism) {
      EXPECT_EQ(dynamic_cast<TFPrisma*>(v.get())->spinner()->value(), 17);
    }
    // New erases the section and nothing else.
    ASSERT_TRUE(deliverCommand(v.get(), WM_NEWWORKSHEET, sheet));
    for (int i = 0; i < v->rowCount(); ++i) EXPECT_TRUE(v->edit(i)->text().isEmpty()) << t.className;
    if (prism) {
      EXPECT_EQ(dynamic_cast<TFPrisma*>(v.get())->spinner()->value(), 3);
    }
    const IniFile after(sheet);
    EXPECT_FALSE(after.hasSection(t.section)) << t.className;
    EXPECT_EQ(after.readString("ggt", "a", "?"), "84");
  }
}

TEST_F(SolidWindowsTest, VertexCountIsClampedWhenLoaded) {
  const QString sheet = file("n.dat");
  auto w = open("TFPrisma");
  auto& prism = dynamic_cast<TFPrisma&>(*w);
  for (auto [text, n] : {std::pair{"150", 99}, {"1", 3}, {"abc", 3}, {"12", 12}}) {
    IniFile ini(sheet);
    ini.writeString("prisma", "n", text);
    ASSERT_TRUE(ini.save());
    deliverCommand(w.get(), WM_LOADWORKSHEET, sheet);
    EXPECT_EQ(prism.spinner()->value(), n) << text;
  }
}

TEST_F(SolidWindowsTest, TheExampleWorksheetComputesInEveryWindow) {
  for (const Topic& t : kTopics) {
    errors_.clear();
    auto w = open(t.className);
    ASSERT_TRUE(deliverCommand(w.get(), WM_LOADWORKSHEET, QStringLiteral(ZW_SOURCE_DIR "/data/DEMO.DAT")));
    w->okButton(0)->click();
    EXPECT_TRUE(errors_.empty()) << t.className;
    EXPECT_GE(w->memoLines().size(), 8) << t.className;
  }
}

TEST_F(SolidWindowsTest, WithTheMemoryOptionOffNothingIsKept) {
  const QString memory = file("memory.dat");
  for (const Topic& t : kTopics) {
    {
      auto w = open(t.className);
      w->edit(0)->setText("5");
      w->close();
    }
    EXPECT_FALSE(QFile::exists(memory)) << t.className;
    auto again = open(t.className);
    EXPECT_TRUE(again->edit(0)->text().isEmpty()) << t.className;
  }
  // With the option on the inputs come back.
  shellState().MemoryOption = true;
  {
    auto w = open("TFKegel");
    w->edit(0)->setText("5");
    w->close();
  }
  auto again = open("TFKegel");
  EXPECT_EQ(again->edit(0)->text(), "5");
}

TEST_F(SolidWindowsTest, TheSketchFollowsTheFieldsItIsBoundTo) {
  struct Case { const char* topic; int field; bool follows; } cases[] = {
      {"TFKegel", 0, true}, {"TFKegel", 2, true},  {"TFKegel", 3, false}, {"TFZyl", 0, true},
      {"TFZyl", 1, false},  {"TFTetra", 3, true},  {"TFTetra", 4, false}, {"TFPyra", 3, true},
      {"TFPrisma", 3, true}, {"TFKugel1", 0, false},
  };
  for (const Case& c : cases) {
    auto w = open(c.topic);
    const qint64 before = w->sketch()->pixmap().cacheKey();
    ASSERT_FALSE(w->sketch()->pixmap().isNull());
    w->edit(c.field)->setText("7");
    EXPECT_EQ(w->sketch()->pixmap().cacheKey() != before, c.follows) << c.topic << " field " << c.field;
  }
  // The prism's spinner redraws the sketch at once; the results change at the next computation.
  auto w = open("TFPrisma");
  auto& prism = dynamic_cast<TFPrisma&>(*w);
  fill(*w, {{0, "2"}, {1, "5"}});
  w->okButton(0)->click();
  const QStringList memo = w->memoLines();
  const qint64 before = w->sketch()->pixmap().cacheKey();
  prism.spinner()->setValue(6);
  EXPECT_NE(w->sketch()->pixmap().cacheKey(), before);
  EXPECT_EQ(w->memoLines(), memo);
  w->okButton(1)->click();
  w->okButton(2)->click();
  w->okButton(0)->click();
  EXPECT_TRUE(memoHas(*w, "Eckenzahl  n", "6"));
}

TEST_F(SolidWindowsTest, PicturePageShowsTheSolidAndPrintsItWithTheMemo) {
  auto w = open("TFKegel");
  fill(*w, {{3, "12*pi"}, {6, "24*pi"}});
  w->okButton(0)->click();
  // Built after the computation, before the picture page was ever opened.
  TRot3D& view = *w->view();
  EXPECT_EQ(view.NumItems(), 2 * (90 + 40 + 2));
  const QString pdf = printToPdf("kegel.pdf");
  w->cmdPrint();
  const QString text = PdfText(pdf);
  EXPECT_TRUE(text.contains("Zahlwerk 10.0: Der senkrechte Kreiskegel"));
  EXPECT_TRUE(text.contains("2. Lösung"));
  w->okButton(1)->click();
  EXPECT_EQ(w->currentPage(), 2);
  EXPECT_EQ(view.NumItems(), 2 * (90 + 40 + 2));
  EXPECT_DOUBLE_EQ(view.ViewAngleX(), 82.5);
  // The user's angles stay when a Platonic wire frame is built again.
  auto tetra = open("TFTetra");
  fill(*tetra, {{0, "1"}});
  tetra->okButton(0)->click();
  tetra->okButton(1)->click();
  tetra->view()->SetViewAngles(10, 20, 30);
  tetra->okButton(2)->click();
  tetra->okButton(0)->click();
  tetra->okButton(1)->click();
  EXPECT_DOUBLE_EQ(tetra->view()->ViewAngleZ(), 30);
  EXPECT_EQ(tetra->view()->NumItems(), 6);
  // The snapshot command does nothing in a solid window.
  EXPECT_FALSE(deliverCommand(tetra.get(), WM_SNAPSHOT, QString()));
}

TEST_F(SolidWindowsTest, AfterNewThePrintoutShowsNoSolidOfTheResultsBefore) {
  for (const Topic& t : kTopics) {
    auto w = open(t.className);
    ASSERT_TRUE(deliverCommand(w.get(), WM_LOADWORKSHEET, QStringLiteral(ZW_SOURCE_DIR "/data/DEMO.DAT")));
    w->okButton(0)->click();
    ASSERT_TRUE(w->hasResults()) << t.className;
    ASSERT_TRUE(deliverCommand(w.get(), WM_NEWWORKSHEET, QString()));
    // As in a window just opened: the Platonic wire frames, which hold no
    // value, stay; the other solids are gone from the view and the printout.
    auto fresh = open(t.className);
    if (w->view()) {
      EXPECT_EQ(w->view()->NumItems(), fresh->view()->NumItems()) << t.className;
    }
    const QString afterNew = printToPdf("new.pdf");
    w->cmdPrint();
    const QStringList printedAfterNew = PdfPaths(afterNew);
    const QString opened = printToPdf("fresh.pdf");
    fresh->cmdPrint();
    EXPECT_TRUE(printedAfterNew == PdfPaths(opened)) << t.className;
    // Opening the picture page again does not bring the solid back.
    if (w->view()) {
      w->okButton(1)->click();
      EXPECT_EQ(w->view()->NumItems(), fresh->view()->NumItems()) << t.className;
    }
  }
}

TEST_F(SolidWindowsTest, TextPagesHoldTheirItemsInEveryBuiltInLanguage) {
  const std::pair<TTextIndex, int> pages[] = {{ITetra, 9},  {IHexa, 9}, {IOkta, 9}, {IDodeka, 9}, {IIkosa, 9},
                                              {IKugel1, 11}, {IKegel, 9}, {IZyl, 9}, {IPyra, 9},   {IPrisma, 10}};
  for (const auto& [page, count] : pages)
    for (TextLanguage l : {TextLanguage::German, TextLanguage::English, TextLanguage::French})
      EXPECT_EQ(BuiltInTextCount(l, page), count) << int(page) << " " << int(l);
  for (int item : {2, 3})
    EXPECT_FALSE(BuiltInText(TextLanguage::French, IDrei2, item).isEmpty());
  EXPECT_TRUE(RegisteredTextConflicts().isEmpty()) << RegisteredTextConflicts().join('\n').toStdString();
}

// With ZW_SCREENSHOT_DIR set, pictures for a look: the cone while its radius
// and slant height are typed, and the dodecahedron turned on its picture page.
TEST_F(SolidWindowsTest, PicturesForALook) {
  if (!qEnvironmentVariableIsSet("ZW_SCREENSHOT_DIR")) GTEST_SKIP();
  const QString dir = qEnvironmentVariable("ZW_SCREENSHOT_DIR");
  auto cone = open("TFKegel");
  QTest::keyClicks(cone->edit(0), "3");
  QTest::keyClicks(cone->edit(2), "5");
  cone->grab().save(dir + "/kegel_typing.png");
  fill(*cone, {{3, "12*pi"}, {6, "24*pi"}});
  cone->okButton(0)->click();
  cone->grab().save(dir + "/kegel_results.png");
  cone->okButton(1)->click();
  cone->grab().save(dir + "/kegel_picture.png");
  auto dodeka = open("TFDodeka");
  dodeka->edit(0)->setText("2");
  dodeka->okButton(0)->click();
  dodeka->okButton(1)->click();
  dodeka->view()->SetViewAngles(75, 20, 35);
  dodeka->grab().save(dir + "/dodeka_turned.png");
  for (const Topic& t : kTopics) {
    auto w = open(t.className);
    w->resize(900, 600);
    for (int i = 0; i < 4 && i < w->rowCount(); i += 2) w->edit(i)->setText("1");
    w->grab().save(dir + "/" + t.className + ".png");
  }
}

}  // namespace
}  // namespace zw
