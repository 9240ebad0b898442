// The two-planes, line-and-plane, two-lines, distance, sphere-distance and
// coordinate-system windows offscreen: the example worksheet computed, New,
// every key round-tripped, bad text in every field answered with its
// message and focus, the failed computations, the pictures, the shared
// "abstandPG" section, the angle mode of the coordinate systems, printing.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <memory>

#include "charts/Rot3D.h"
#include "kernel/KernelState.h"
#include "platform/ini/IniFile.h"
#include "shell/catalogue/TopicRegistry.h"
#include "shell/commands/Commands.h"
#include "tests/topics/PdfText.h"
#include "tests/topics/TopicRules.h"
#include "tests/topics/TopicTestBase.h"
#include "topics/space/CoordSystemsWindow.h"
#include "topics/space/DistanceWindows.h"
#include "topics/space/LinePlaneWindow.h"
#include "topics/space/SphereDistanceWindow.h"
#include "topics/space/TwoLinesWindow.h"
#include "topics/space/TwoPlanesWindow.h"

namespace zw {
namespace {

const char* const kClasses[] = {"TFXEbene", "TFXGerEb", "TFXGer3d", "TFAbstPP",
                                "TFAbstPG", "TFAbstPE", "TFAbstGPS", "TFKoSys"};
const QString kDemo = QStringLiteral(ZW_SOURCE_DIR "/data/DEMO.DAT");

class SpaceRelationWindowsTest : public TopicTestBase {
protected:
  void SetUp() override {
    TopicTestBase::SetUp();
    shellState().MemoryOption = false;
    kernelState().RegionalDecimalSeparator = u'.';
  }
  static std::unique_ptr<TopicWindow> open(const char* className) {
    std::unique_ptr<TopicWindowBase> base(createTopicWindow(className, nullptr));
    auto* w = dynamic_cast<TopicWindow*>(base.get());
    if (!w) return nullptr;
    base.release();
    w->setAttribute(Qt::WA_DeleteOnClose, false);
    w->show();
    return std::unique_ptr<TopicWindow>(w);
  }
  template <class W>
  static std::unique_ptr<W> openAs() {
    auto w = open(W::ClassName.data());
    return std::unique_ptr<W>(dynamic_cast<W*>(w.release()));
  }
  static void fill(TopicWindow& w, const std::vector<const char*>& texts) {
    const auto& f = w.fields().fields();
    for (std::size_t i = 0; i < f.size(); ++i) f[i].edit->setText(i < texts.size() ? QString::fromUtf8(texts[i]) : QString());
  }
  static QString memo(const TopicWindow& w) { return w.memoLines().join('\n'); }
};

TEST_F(SpaceRelationWindowsTest, ExampleWorksheetComputesAndNewClears) {
  for (const char* c : kClasses) {
    errors_.clear();
    auto w = open(c);
    ASSERT_TRUE(w) << c;
    ASSERT_TRUE(deliverCommand(w.get(), WM_LOADWORKSHEET, kDemo)) << c;
    for (const InputField& f : w->fields().fields()) EXPECT_FALSE(f.edit->text().isEmpty()) << c << " " << f.key.toStdString();
    w->okButton(0)->click();
    EXPECT_TRUE(errors_.empty()) << c << " " << (errors_.empty() ? "" : errors_[0].toStdString());
    EXPECT_EQ(w->currentPage(), 1) << c;
    EXPECT_GT(w->memoLines().size(), 3) << c;
    ASSERT_TRUE(deliverCommand(w.get(), WM_NEWWORKSHEET, file("new.dat"))) << c;
    EXPECT_TRUE(memo(*w).isEmpty()) << c;
  }
  EXPECT_EQ(WindowsKeepingResultsAfterNew(kDemo).join(u'\n').toStdString(), "");
  EXPECT_EQ(WindowsWithoutTheirInitialValues(kDemo).join(u'\n').toStdString(), "");
}

TEST_F(SpaceRelationWindowsTest, ExampleResults) {
  struct Case {
    const char* topic;
    std::vector<const char*> lines;  // lines the memo holds
  } cases[] = {
      {"TFXEbene", {"E1 : x + y + z = 1", "  α = 90°"}},
      {"TFAbstPP", {"Gegeben A(1|-2|3), B(4|2|3)", "  d(A,B) = √25 = 5"}},
      {"TFAbstPG", {"Gegeben P(1|1|1)"}},
      {"TFAbstPE", {"Gegeben P(3|1|2)", "  d(P,E) = 6 / √9 = 2"}},
      {"TFAbstGPS", {"Berlin :52.52, 13.405", "Berlin :52°31'12\"N, 13°24'18\"E"}},
  };
  for (const Case& c : cases) {
    auto w = open(c.topic);
    ASSERT_TRUE(deliverCommand(w.get(), WM_LOADWORKSHEET, kDemo));
    w->okButton(0)->click();
    const QStringList lines = w->memoLines();
    for (const char* l : c.lines) EXPECT_TRUE(lines.contains(QString::fromUtf8(l))) << c.topic << ": " << l << "\n" << lines.join('\n').toStdString();
  }
}

TEST_F(SpaceRelationWindowsTest, EveryKeyRoundTrips) {
  const QString sheet = file("sheet.dat");
  for (const char* c : kClasses) {
    auto w = open(c);
    const TopicClassInfo* info = findTopicClass(c);
    ASSERT_TRUE(info);
    if (auto* k = dynamic_cast<TFKoSys*>(w.get())) {
      k->systemButton(2)->click();
      k->unitButton(2)->click();
    }
    int i = 0;
    for (const InputField& f : w->fields().fields()) f.edit->setText(QString("%1+%2").arg(f.key).arg(++i));
    if (auto* g = dynamic_cast<TFAbstGPS*>(w.get())) {
      g->edit(1)->setText("Nord");
      g->edit(4)->setText("Sued");
    }
    ASSERT_TRUE(deliverCommand(w.get(), WM_SAVEWORKSHEET, sheet)) << c;
    auto v = open(c);
    ASSERT_TRUE(deliverCommand(v.get(), WM_LOADWORKSHEET, sheet)) << c;
    for (std::size_t k = 0; k < w->fields().fields().size(); ++k)
      EXPECT_EQ(v->fields().fields()[k].edit->text(), w->fields().fields()[k].edit->text()) << c << " " << k;
    if (auto* k = dynamic_cast<TFKoSys*>(v.get())) {
      EXPECT_TRUE(k->systemButton(2)->isChecked());
      EXPECT_TRUE(k->unitButton(2)->isChecked());
      EXPECT_EQ(kernelState().AngleMode, 2);
    }
    if (auto* g = dynamic_cast<TFAbstGPS*>(v.get())) {
      EXPECT_EQ(g->edit(1)->text(), "Nord");
      EXPECT_EQ(g->edit(4)->text(), "Sued");
    }
  }
}

TEST_F(SpaceRelationWindowsTest, EveryFieldAnswersBadText) {
  for (const char* c : kClasses) {
    auto w = open(c);
    const bool gps = std::string_view(c) == "TFAbstGPS";
    const auto& fields = w->fields().fields();
    for (std::size_t i = 0; i < fields.size(); ++i) {
      QStringList bad = {"abc", "1e999", QString(10000, u'9'), QString("1\x01\x02") + QChar(0x7F)};
      if (gps) bad << "" << (i == 0 ? "0" : "12.5S") << (i == 0 ? "-3" : QString::fromUtf16(u"°"));
      for (const QString& text : bad) {
        errors_.clear();
        ASSERT_TRUE(deliverCommand(w.get(), WM_LOADWORKSHEET, kDemo));
        fields[i].edit->setText(text);
        w->okButton(0)->click();
        ASSERT_EQ(errors_.size(), 1u) << c << " " << fields[i].key.toStdString() << " " << text.left(8).toStdString();
        EXPECT_EQ(errors_[0], "Unzulässige Eingabe") << c;
        EXPECT_EQ(w->currentPage(), 0) << c;
        EXPECT_EQ(w->focusWidget(), fields[i].edit) << c << " " << fields[i].key.toStdString();
        EXPECT_EQ(fields[i].edit->text(), text) << c;  // nothing typed is lost
      }
    }
  }
  // "system" 7 and a word as "winkel" load as 0.
  const QString sheet = file("kosys.dat");
  {
    IniFile ini(sheet);
    ini.writeString("kosys", "system", "7");
    ini.writeString("kosys", "winkel", "rad");
    ASSERT_TRUE(ini.save());
  }
  auto k = openAs<TFKoSys>();
  ASSERT_TRUE(deliverCommand(k.get(), WM_LOADWORKSHEET, sheet));
  EXPECT_TRUE(k->systemButton(0)->isChecked());
  EXPECT_TRUE(k->unitButton(0)->isChecked());
  EXPECT_EQ(kernelState().AngleMode, 0);
}

TEST_F(SpaceRelationWindowsTest, FailedComputationsKeepTheMemoAndFocusTheirField) {
  struct Case {
    const char* topic;
    std::vector<const char*> texts;
    const char* message;
    int focus;  // field index
  } cases[] = {
      {"TFXEbene", {"1", "-1", "0", "0", "-1", "1", "0", "5"}, "Die beiden Ebenen sind parallel", 0},
      {"TFXEbene", {"0", "0", "0", "5", "1"}, "Unzulässiges Argument", 0},
      {"TFXGerEb", {"0", "0", "0", "5", "1", "2", "3", "1", "0", "0"}, "Ebene E unbestimmt", 4},
      {"TFXGerEb", {"1", "0", "0", "5", "1", "2", "3"}, "Gerade g unbestimmt", 4},
      {"TFXGer3d", {"1", "2", "3", "0", "0", "0", "1", "1", "1", "1"}, "Unzulässige Daten", 0},
      {"TFXGer3d", {"1", "2", "3", "1", "0", "0", "1", "1", "1"}, "Unzulässige Daten", 0},
      {"TFAbstPG", {"1", "1", "1", "0", "0", "0"}, "Gerade g unbestimmt", 0},
      {"TFAbstPE", {"1", "1", "1", "0", "0", "0", "4"}, "Ebene E unbestimmt", 0},
  };
  for (const Case& c : cases) {
    errors_.clear();
    auto w = open(c.topic);
    ASSERT_TRUE(deliverCommand(w.get(), WM_LOADWORKSHEET, kDemo));
    w->okButton(0)->click();
    ASSERT_TRUE(errors_.empty()) << c.topic;
    const QStringList before = w->memoLines();
    w->showPageSilently(0);
    fill(*w, c.texts);
    w->fields().fields().back().edit->setFocus();
    w->okButton(0)->click();
    ASSERT_EQ(errors_.size(), 1u) << c.topic << " " << c.message;
    EXPECT_EQ(errors_[0], QString::fromUtf8(c.message)) << c.topic;
    EXPECT_EQ(w->currentPage(), 0) << c.topic;
    EXPECT_EQ(w->memoLines(), before) << c.topic << " " << c.message;
    EXPECT_EQ(w->focusWidget(), w->fields().fields()[c.focus].edit) << c.topic << " " << c.message;
  }
}

// Items of a kind in the view's display list.
int CountItems(const TRot3D& view, Tr3Item kind) {
  int n = 0;
  for (int i = 0; i < view.NumItems(); ++i) n += view.GetItemParams(i).ItemKind == kind;
  return n;
}

TEST_F(SpaceRelationWindowsTest, PicturesAfterComputingAndResizing) {
  const auto compute = [](TopicWindow& w, const std::vector<const char*>& texts) {
    w.showPageSilently(0);
    fill(w, texts);
    w.okButton(0)->click();
  };
  {
    auto w = openAs<TFXEbene>();
    // Before any computation: the cube and axes, no outline and no line.
    const int axes = CountItems(*w->view(), Tr3Item::tkLine);
    EXPECT_EQ(CountItems(*w->view(), Tr3Item::tkLineto), CountItems(*w->view(), Tr3Item::tkMoveto));
    const int emptyItems = w->view()->NumItems();
    compute(*w, {"1", "0", "0", "0", "0", "1", "0", "0"});
    const int items = w->view()->NumItems();
    EXPECT_EQ(CountItems(*w->view(), Tr3Item::tkLine), axes + 1);  // the z axis as line of intersection
    EXPECT_GT(items, emptyItems + 1);                              // and the two outlines
    w->resize(w->size() + QSize(120, 80));
    QApplication::processEvents();
    EXPECT_EQ(CountItems(*w->view(), Tr3Item::tkLine), axes + 1);
    EXPECT_EQ(w->view()->NumItems(), items);
    // Parallel planes: the outlines only.
    compute(*w, {"0", "0", "1", "0", "0", "0", "1", "3"});
    EXPECT_EQ(CountItems(*w->view(), Tr3Item::tkLine), axes);
  }
  {
    auto w = openAs<TFXGerEb>();
    // Before any computation the origin is marked.
    ASSERT_EQ(CountItems(*w->view(), Tr3Item::tkMarkAt), 1);
    compute(*w, {"0", "0", "1", "0", "0", "0", "1", "1", "0", "1"});
    ASSERT_EQ(CountItems(*w->view(), Tr3Item::tkMarkAt), 1);
    for (int i = 0; i < w->view()->NumItems(); ++i) {
      const auto item = w->view()->GetItemParams(i);
      // S = (-1|0|0), extent 4, scale 200 / 4.
      if (item.ItemKind == Tr3Item::tkMarkAt) {
        EXPECT_NEAR(item.x, -50, 1e-9);
      }
    }
  }
  {
    auto w = openAs<TFXGer3d>();
    const int axes = CountItems(*w->view(), Tr3Item::tkLine);
    const int emptyItems = w->view()->NumItems();
    // Two lines meeting at the origin: drawn without a division by zero.
    compute(*w, {"0", "0", "0", "1", "0", "0", "0", "0", "0", "0", "1", "0"});
    EXPECT_TRUE(errors_.empty());
    EXPECT_EQ(CountItems(*w->view(), Tr3Item::tkLine), axes + 2);
    EXPECT_EQ(CountItems(*w->view(), Tr3Item::tkMarkAt), 1);
    EXPECT_GT(w->view()->NumItems(), emptyItems);
    w->resize(w->size() + QSize(50, 50));
    QApplication::processEvents();
    EXPECT_EQ(CountItems(*w->view(), Tr3Item::tkLine), axes + 2);
    // Skew lines: the common perpendicular as a third line.
    compute(*w, {"0", "0", "0", "1", "0", "0", "0", "1", "0", "0", "0", "1"});
    EXPECT_EQ(CountItems(*w->view(), Tr3Item::tkLine), axes + 3);
    EXPECT_EQ(CountItems(*w->view(), Tr3Item::tkMarkAt), 0);
    // Parallel lines: no segment, no point.
    compute(*w, {"0", "0", "0", "1", "1", "0", "0", "0", "1", "2", "2", "0"});
    EXPECT_EQ(CountItems(*w->view(), Tr3Item::tkLine), axes + 2);
    EXPECT_EQ(CountItems(*w->view(), Tr3Item::tkMarkAt), 0);
  }
}

TEST_F(SpaceRelationWindowsTest, PointLineAndPointPlaneShareTheirSection) {
  const QString sheet = file("shared.dat");
  auto pg = openAs<TFAbstPG>();
  auto pe = openAs<TFAbstPE>();
  fill(*pg, {"1", "2", "3", "4", "5", "6", "7", "8", "9"});
  fill(*pe, {"-1", "-2", "-3", "-4", "-5", "-6", "-7"});
  ASSERT_TRUE(deliverCommand(pg.get(), WM_SAVEWORKSHEET, sheet));
  ASSERT_TRUE(deliverCommand(pe.get(), WM_SAVEWORKSHEET, sheet));
  {
    const IniFile ini(sheet);
    EXPECT_EQ(ini.readString("abstandPG", "x1"), "1");
    EXPECT_EQ(ini.readString("abstandPG", "z3"), "9");
    EXPECT_EQ(ini.readString("abstandPG", "x"), "-1");
    EXPECT_EQ(ini.readString("abstandPG", "et"), "-7");
  }
  fill(*pg, {});
  fill(*pe, {});
  ASSERT_TRUE(deliverCommand(pg.get(), WM_LOADWORKSHEET, sheet));
  ASSERT_TRUE(deliverCommand(pe.get(), WM_LOADWORKSHEET, sheet));
  EXPECT_EQ(pg->edit(8)->text(), "9");
  EXPECT_EQ(pe->edit(6)->text(), "-7");
  // New in the point-line window erases only its own keys.
  ASSERT_TRUE(deliverCommand(pg.get(), WM_NEWWORKSHEET, sheet));
  EXPECT_TRUE(pg->edit(0)->text().isEmpty());
  const IniFile ini(sheet);
  EXPECT_FALSE(ini.hasKey("abstandPG", "x1"));
  EXPECT_EQ(ini.readString("abstandPG", "x"), "-1");
  EXPECT_EQ(ini.readString("abstandPG", "et"), "-7");
}

TEST_F(SpaceRelationWindowsTest, CoordinateSystemsSwitchAndKeepAHistory) {
  kernelState().AngleMode = 0;
  auto w = openAs<TFKoSys>();
  EXPECT_EQ(kernelState().AngleMode, 1);  // creation works in radians
  EXPECT_TRUE(w->unitButton(1)->isChecked());
  w->unitButton(0)->click();
  EXPECT_EQ(kernelState().AngleMode, 0);
  fill(*w, {"1", "1", "0"});
  w->systemButton(1)->click();
  EXPECT_EQ(w->edit(0)->text(), "1.4142136");
  EXPECT_EQ(w->edit(1)->text(), "45");
  EXPECT_EQ(w->edit(2)->text(), "0");
  EXPECT_EQ(w->caption(1)->text(), QString::fromUtf16(u" φ = "));
  w->unitButton(1)->click();
  EXPECT_EQ(w->edit(0)->text(), "1.4142136");
  EXPECT_EQ(w->edit(1)->text(), "0.78539816");
  w->systemButton(0)->click();
  EXPECT_EQ(w->edit(0)->text(), "1");
  EXPECT_EQ(w->edit(1)->text(), "1");
  // OK twice without a change: one block; a changed point: one more.
  w->okButton(0)->click();
  const int lines = w->memoLines().size();
  QStringList last;
  for (const QString& l : w->memoLines().mid(lines - 3)) last << l.simplified();
  EXPECT_EQ(last, (QStringList{"x = 1 r = 1.41421 ρ = 1.41421", "y = 1 φ = 0.785398rad φ = 0.785398rad",
                               "z = 0 θ = 0rad z = 0"}));
  w->showPageSilently(0);
  w->okButton(0)->click();
  EXPECT_EQ(w->memoLines().size(), lines);
  w->showPageSilently(0);
  w->edit(2)->setText("2");
  w->okButton(0)->click();
  EXPECT_EQ(w->memoLines().size(), lines + 5);
  // A bad edit, then a click on a system: the choice goes back, the edits stay.
  w->showPageSilently(0);
  w->edit(2)->setText("0");
  errors_.clear();
  w->edit(1)->setText("abc");
  w->systemButton(2)->click();
  ASSERT_EQ(errors_.size(), 1u);
  EXPECT_EQ(errors_[0], "Unzulässige Eingabe");
  EXPECT_TRUE(w->systemButton(0)->isChecked());
  EXPECT_EQ(w->edit(1)->text(), "abc");
  EXPECT_EQ(w->focusWidget(), w->edit(1));
  errors_.clear();
  w->unitButton(2)->click();
  EXPECT_EQ(errors_.size(), 1u);
  EXPECT_TRUE(w->unitButton(1)->isChecked());
  EXPECT_EQ(kernelState().AngleMode, 1);
  // The unit stays the program's after the window closes.
  w->edit(1)->setText("1");
  w->unitButton(0)->click();
  EXPECT_EQ(kernelState().AngleMode, 0);
  w.reset();
  EXPECT_EQ(kernelState().AngleMode, 0);
}

TEST_F(SpaceRelationWindowsTest, AngleModeOfTheCoordinateSystemsReachesOtherWindows) {
  auto k = openAs<TFKoSys>();
  k->unitButton(0)->click();
  k.reset();
  auto w = openAs<TFAbstPP>();
  fill(*w, {"0", "0", "0", "2*sin(30)", "0", "0"});
  w->okButton(0)->click();
  EXPECT_TRUE(w->memoLines().contains("  d(A,B) = √1 = 1")) << memo(*w).toStdString();
}

TEST_F(SpaceRelationWindowsTest, PrintsMemoAndPicture) {
  auto w = openAs<TFXEbene>();
  ASSERT_TRUE(deliverCommand(w.get(), WM_LOADWORKSHEET, kDemo));
  w->okButton(0)->click();
  const QString pdf = printToPdf("xebene.pdf");
  w->cmdPrint();
  const QString text = PdfText(pdf);
  EXPECT_TRUE(text.contains("Schnittgerade der Ebenen")) << text.toStdString();
  auto g = openAs<TFAbstGPS>();
  ASSERT_TRUE(deliverCommand(g.get(), WM_LOADWORKSHEET, kDemo));
  g->okButton(0)->click();
  const QString pdf2 = printToPdf("gps.pdf");
  g->cmdPrint();
  EXPECT_TRUE(PdfText(pdf2).contains("Zentriwinkel"));
}

}  // namespace
}  // namespace zw
