// The six analytic-geometry windows of points, lines, planes and spheres
// offscreen: fill, OK and the memo; failed computations with their message
// and focus; the pictures; worksheets (every key, New, the example
// worksheet); printing; bad text in every field and cell.
#include <gtest/gtest.h>

#include <QApplication>
#include <QLineEdit>
#include <QPushButton>

#include "charts/Rot3D.h"
#include "kernel/KernelState.h"
#include "platform/ini/IniFile.h"
#include "shell/State.h"
#include "shell/catalogue/TopicRegistry.h"
#include "shell/commands/Commands.h"
#include "shell/kit/Grids.h"
#include "shell/texts/Texts.h"
#include "tests/topics/PdfText.h"
#include "tests/topics/TopicRules.h"
#include "tests/topics/TopicTestBase.h"
#include "topics/space/EbeneWindow.h"
#include "topics/space/SpaceDialogs.h"
#include "topics/space/XEbKuWindow.h"
#include "topics/space/XGerKWindow.h"
#include "topics/space/XKugelWindow.h"

namespace zw {
namespace {

struct Topic {
  const char* className;
  const char* section;
};

const Topic kTopics[] = {{"TFEbene", "ebene"}, {"TFGerade", "gerade"}, {"TFKugel2", "kugel2"},
                         {"TFXKugel", "xkugel"}, {"TFXEbKu", "xebku"}, {"TFXGerK", "XGerK"}};

const QString kDemo = QStringLiteral(ZW_SOURCE_DIR "/data/DEMO.DAT");

// Items of the pictures: a wire sphere is 26 polylines of 121 points, a
// circle one of 121, a mark one item.
constexpr int kSphereItems = 26 * 121;
constexpr int kCircleItems = 121;
// What every view adds: the negative half axes.
constexpr int kViewItems = 3;

class SpaceWindowsTest : public TopicTestBase {
protected:
  void SetUp() override {
    TopicTestBase::SetUp();
    shellState().MemoryOption = false;
    kernelState().RegionalDecimalSeparator = u'.';
  }
  static std::unique_ptr<SpaceWindow> open(const char* className) {
    std::unique_ptr<TopicWindowBase> base(createTopicWindow(className, nullptr));
    auto* w = dynamic_cast<SpaceWindow*>(base.get());
    if (!w) return nullptr;
    base.release();
    w->setAttribute(Qt::WA_DeleteOnClose, false);
    w->resize(720, 480);
    w->show();
    return std::unique_ptr<SpaceWindow>(w);
  }
  template <typename W>
  static std::unique_ptr<W> openAs(const char* className) {
    auto w = open(className);
    return std::unique_ptr<W>(dynamic_cast<W*>(w.release()));
  }
  // Fields in registration order, then the point grid's cells row by row.
  static void fill(SpaceWindow& w, const QStringList& texts) {
    int i = 0;
    for (const InputField& f : w.fields().fields()) f.edit->setText(i < texts.size() ? texts[i++] : QString());
    if (StringGrid* g = w.pointGrid())
      for (int r = 1; r <= w.pointCount(); ++r)
        for (int c = 1; c <= 3; ++c) g->setCells(c, r, i < texts.size() ? texts[i++] : QString());
  }
  static bool memoHas(const SpaceWindow& w, const QString& text) {
    return w.memoLines().join(u'\n').contains(text);
  }
  struct Refusal {
    QStringList fields;
    int message;
    const char* focus;  // the field that takes the focus
  };
  // Each case refused with its message on the input page, the focus on its
  // field, the memo as it was.
  void expectRefusals(SpaceWindow& w, std::initializer_list<Refusal> cases) {
    const QStringList before = w.memoLines();
    for (const Refusal& c : cases) {
      errors_.clear();
      w.pageControl()->setCurrentIndex(0);
      fill(w, c.fields);
      w.okButton(0)->click();
      EXPECT_EQ(errors_, std::vector<QString>{GetMessageText(c.message)}) << c.message;
      EXPECT_EQ(w.currentPage(), 0) << c.message;
      ASSERT_TRUE(w.focusWidget());
      EXPECT_EQ(w.focusWidget()->objectName(), c.focus) << c.message;
      EXPECT_EQ(w.memoLines(), before) << c.message;
    }
  }
  // The point grid is on the input page with its current cell at A's x.
  static bool gridAtFirstCell(const SpaceWindow& w) {
    return w.currentPage() == 0 && w.pointGrid()->Col() == 1 && w.pointGrid()->Row() == 1;
  }
};

TEST_F(SpaceWindowsTest, TheExampleWorksheetComputesInEveryWindow) {
  for (const Topic& t : kTopics) {
    auto w = open(t.className);
    ASSERT_TRUE(w) << t.className;
    ASSERT_TRUE(deliverCommand(w.get(), WM_LOADWORKSHEET, kDemo)) << t.className;
    w->okButton(0)->click();
    EXPECT_EQ(w->currentPage(), 1) << t.className;
    EXPECT_TRUE(errors_.empty()) << t.className << " " << (errors_.empty() ? "" : errors_[0].toStdString());
    EXPECT_GT(w->memoLines().size(), 8) << t.className;
    if (w->view()) {
      EXPECT_GT(w->view()->NumItems(), 0) << t.className;
    }
  }
}

TEST_F(SpaceWindowsTest, PlaneThroughThreePointsMemoPictureAndPrintout) {
  auto w = open("TFEbene");
  fill(*w, {"1", "0", "0", "0", "1", "0", "0", "0", "1"});
  w->okButton(0)->click();
  ASSERT_EQ(w->currentPage(), 1);
  EXPECT_TRUE(memoHas(*w, "x + y + z = 1"));
  EXPECT_TRUE(memoHas(*w, "d = 0.57735027"));
  // Built after the computation, before the picture page was opened: the
  // hexagon of the plane's section with the cube and the three trace points.
  TRot3D& view = *w->view();
  const int items = view.NumItems();
  EXPECT_GE(items, 3 + 6);
  const QString pdf = printToPdf("ebene.pdf");
  w->cmdPrint();
  const QString text = PdfText(pdf);
  EXPECT_TRUE(text.contains(GetText(IEbene, 0)));
  EXPECT_TRUE(text.contains("x + y + z = 1"));
  // Collinear points: message 8, the grid's first cell, the memo and the
  // picture as they were.
  const QStringList before = w->memoLines();
  w->okButton(1)->click();
  w->okButton(2)->click();
  fill(*w, {"1", "1", "1", "2", "2", "2", "3", "3", "3"});
  w->okButton(0)->click();
  EXPECT_EQ(errors_, std::vector<QString>{GetMessageText(8)});
  EXPECT_TRUE(gridAtFirstCell(*w));
  EXPECT_EQ(w->memoLines(), before);
  EXPECT_EQ(view.NumItems(), items);
}

TEST_F(SpaceWindowsTest, GridWindowsRefuseDegeneratePointsWithTheirMessage) {
  const struct {
    const char* topic;
    QStringList cells;
    int message;
  } cases[] = {
      {"TFGerade", {"1", "2", "3", "1", "2", "3"}, 21},
      {"TFGerade", {}, 21},
      {"TFKugel2", {"1", "0", "0", "0", "1", "0", "-1", "0", "0", "0", "-1", "0"}, 9},
      {"TFKugel2", {}, 9},
      {"TFEbene", {}, 8},
  };
  for (const auto& c : cases) {
    errors_.clear();
    auto w = open(c.topic);
    fill(*w, c.cells);
    w->okButton(0)->click();
    EXPECT_EQ(errors_, std::vector<QString>{GetMessageText(c.message)}) << c.topic;
    EXPECT_TRUE(gridAtFirstCell(*w)) << c.topic;
    EXPECT_TRUE(w->memoLines().isEmpty()) << c.topic;
  }
}

TEST_F(SpaceWindowsTest, LineAndSphereThroughPointsShowTheirMemo) {
  auto g = open("TFGerade");
  fill(*g, {"1", "2", "3", "1", "2", "7"});
  g->okButton(0)->click();
  EXPECT_TRUE(memoHas(*g, "S1(1|2|0)"));
  EXPECT_TRUE(memoHas(*g, GetMessageText(5)));
  auto k = open("TFKugel2");
  fill(*k, {"3", "2", "1", "1", "2", "1", "2", "3", "1", "2", "2", "2"});
  k->okButton(0)->click();
  EXPECT_TRUE(memoHas(*k, "M(2|2|1)"));
  EXPECT_TRUE(memoHas(*k, "r = 1"));
}

TEST_F(SpaceWindowsTest, BadCellsAreRefusedOneByOne) {
  auto w = open("TFKugel2");
  fill(*w, {"1", "1#", "0", "0", "1", "0", "0", "0", "1", "2", "2", "1e99999"});
  w->okButton(0)->click();
  EXPECT_EQ(errors_.size(), 2u);
  EXPECT_EQ(w->currentPage(), 0);
  EXPECT_TRUE(w->memoLines().isEmpty());
}

TEST_F(SpaceWindowsTest, TwoSpheresPictureAndMessages) {
  auto w = open("TFXKugel");
  fill(*w, {"0", "0", "0", "5", "8", "0", "0", "5"});
  w->okButton(0)->click();
  ASSERT_EQ(w->currentPage(), 1);
  EXPECT_TRUE(memoHas(*w, "E : x = 4"));
  EXPECT_EQ(w->view()->NumItems(), 2 * kSphereItems + kCircleItems + kViewItems);
  w->okButton(1)->click();
  EXPECT_EQ(w->view()->NumItems(), 2 * kSphereItems + kCircleItems + kViewItems);
  expectRefusals(*w, {
                         {{"1", "2", "3", "4", "1", "2", "3", "4"}, 36, "Edit11"},
                         {{"0", "0", "0", "5", "1", "0", "0", "1"}, 15, "Edit11"},
                         {{"0", "0", "0", "3", "0", "0", "0", "2"}, 15, "Edit11"},
                         {{"0", "0", "0", "0", "1", "0", "0", "1"}, 22, "Edit14"},
                         {{"0", "0", "0", "5", "1", "0", "0", "-1"}, 22, "Edit24"},
                     });
  EXPECT_EQ(w->view()->NumItems(), 2 * kSphereItems + kCircleItems + kViewItems);
}

TEST_F(SpaceWindowsTest, PlaneAndSphereFromTheDialogsAndTheTouchingPoint) {
  auto w = openAs<TFXEbKu>("TFXEbKu");
  fill(*w, {"", "", "", "", "0", "0", "0", "5"});
  w->runThreePointDialog = [](TFGetABC* d) {
    const char* cells[9] = {"0", "0", "5", "1", "0", "5", "0", "1", "5"};
    for (int i = 0; i < 9; ++i) d->grid()->setCells(1 + i % 3, 1 + i / 3, cells[i]);
    d->okClicked();
    return d->result();
  };
  w->threePointButton()->click();
  EXPECT_EQ(w->fields().fields()[2].edit->text(), "1");
  EXPECT_EQ(w->fields().fields()[3].edit->text(), "5");
  w->okButton(0)->click();
  ASSERT_EQ(w->currentPage(), 1);
  EXPECT_TRUE(memoHas(*w, "M(0|0|5)"));
  EXPECT_TRUE(memoHas(*w, "r = 0"));
  // The touching point is marked instead of a circle.
  const int touching = w->view()->NumItems();
  EXPECT_GT(touching, kSphereItems + 1);
  w->pageControl()->setCurrentIndex(0);
  // Collinear points: message 8, the fields stay.
  w->runThreePointDialog = [](TFGetABC* d) {
    for (int i = 0; i < 9; ++i) d->grid()->setCells(1 + i % 3, 1 + i / 3, QString::number(i / 3));
    d->okClicked();
    return d->result();
  };
  w->threePointButton()->click();
  EXPECT_EQ(errors_, std::vector<QString>{GetMessageText(8)});
  EXPECT_EQ(w->fields().fields()[3].edit->text(), "5");
  // The vector equation: z = 0 through the origin, the great circle.
  errors_.clear();
  w->runVectorDialog = [](TFGetVGl* d) {
    const char* texts[9] = {"0", "0", "0", "1", "0", "0", "0", "1", "0"};
    for (int i = 0; i < 9; ++i) d->edit(i)->setText(texts[i]);
    d->okClicked();
    return d->result();
  };
  w->vectorButton()->click();
  EXPECT_TRUE(errors_.empty());
  w->okButton(0)->click();
  EXPECT_TRUE(memoHas(*w, "r = 5"));
  EXPECT_EQ(w->view()->NumItems(), touching - 1 + kCircleItems);
  // A zero normal, and a plane beyond the sphere.
  for (const auto& [plane, message] : {std::pair{QStringList{"0", "0", "0", "1"}, 22},
                                       std::pair{QStringList{"0", "0", "1", "6"}, 16}}) {
    errors_.clear();
    w->pageControl()->setCurrentIndex(0);
    fill(*w, plane + QStringList{"0", "0", "0", "-5"});
    w->okButton(0)->click();
    EXPECT_EQ(errors_, std::vector<QString>{GetMessageText(message)});
    EXPECT_TRUE(memoHas(*w, "r = 5"));
  }
}

TEST_F(SpaceWindowsTest, LineAndSphereTangentChordAndMessages) {
  auto w = openAs<TFXGerK>("TFXGerK");
  fill(*w, {"0", "0", "0", "5"});
  w->runTwoPointDialog = [](TFGetAB3D* d) {
    const char* cells[6] = {"0", "5", "0", "2", "5", "0"};
    for (int i = 0; i < 6; ++i) d->grid()->setCells(1 + i % 3, 1 + i / 3, cells[i]);
    d->okClicked();
    return d->result();
  };
  w->twoPointButton()->click();
  EXPECT_EQ(w->fields().fields()[7].edit->text(), "2");
  w->okButton(0)->click();
  ASSERT_EQ(w->currentPage(), 1);
  EXPECT_TRUE(memoHas(*w, GetText(IXGerK, 7)));
  EXPECT_TRUE(memoHas(*w, "S1(0|5|0)"));
  w->okButton(1)->click();
  const int tangent = w->view()->NumItems();
  EXPECT_EQ(tangent, kSphereItems + 1 + 1 + kViewItems);  // sphere, chord, one mark
  w->pageControl()->setCurrentIndex(0);
  fill(*w, {"0", "0", "0", "5", "0", "0", "0", "2", "4", "6"});
  w->okButton(0)->click();
  EXPECT_TRUE(memoHas(*w, "s = 10"));
  w->okButton(1)->click();
  EXPECT_EQ(w->view()->NumItems(), tangent + 1);
  expectRefusals(*w, {
                         {{"0", "0", "0", "5", "0", "6", "0", "1", "0", "0"}, 19, "EDitpx"},
                         {{"0", "0", "0", "5", "0", "0", "0", "0", "0", "0"}, 10, "EDitpx"},
                         {{"0", "0", "0", "0", "0", "0", "0", "1", "0", "0"}, 22, "Edit24"},
                     });
  EXPECT_TRUE(memoHas(*w, "s = 10"));
}

TEST_F(SpaceWindowsTest, EveryKeyRoundTripsAndNewEmptiesTheSection) {
  const QString sheet = file("sheet.dat");
  for (const Topic& t : kTopics) {
    auto w = open(t.className);
    QStringList texts;
    for (int i = 0; i < 20; ++i) texts << QStringLiteral("%1/7").arg(i + 1);
    fill(*w, texts);
    ASSERT_TRUE(deliverCommand(w.get(), WM_SAVEWORKSHEET, sheet));
    auto v = open(t.className);
    ASSERT_TRUE(deliverCommand(v.get(), WM_LOADWORKSHEET, sheet));
    int i = 0;
    for (const InputField& f : v->fields().fields()) EXPECT_EQ(f.edit->text(), texts[i++]) << t.className;
    if (StringGrid* g = v->pointGrid()) {
      const IniFile ini(sheet);
      for (int r = 1; r <= v->pointCount(); ++r)
        for (int c = 1; c <= 3; ++c) {
          EXPECT_EQ(g->Cells(c, r), texts[i]) << t.className;
          EXPECT_EQ(ini.readString(t.section, PointCellKey(c, r), "?"), texts[i++]) << t.className;
        }
    }
    ASSERT_TRUE(deliverCommand(v.get(), WM_NEWWORKSHEET, sheet));
    EXPECT_FALSE(IniFile(sheet).hasSection(t.section)) << t.className;
    for (const InputField& f : v->fields().fields()) EXPECT_TRUE(f.edit->text().isEmpty()) << t.className;
    if (StringGrid* g = v->pointGrid()) {
      EXPECT_TRUE(g->Cells(1, 1).isEmpty()) << t.className;
    }
  }
  EXPECT_TRUE(errors_.empty());
}

TEST_F(SpaceWindowsTest, BadTextInEveryFieldAndCellIsAnswered) {
  const QString bad[] = {QStringLiteral("abc"), QStringLiteral("1e99999"), QString(10000, u'9'),
                         QStringLiteral("1\x01\x02") + QChar(0x7F), QString()};
  for (const Topic& t : kTopics) {
    auto w = open(t.className);
    const int fields = int(w->fields().fields().size());
    const int cells = 3 * w->pointCount();
    for (int i = 0; i < fields + cells; ++i)
      for (const QString& text : bad) {
        // A computation that would go through, with the bad text in one place.
        QStringList texts;
        const char* good[] = {"1", "2", "3", "4", "5", "6", "7", "9", "8", "3", "1", "1"};
        for (int j = 0; j < fields + cells; ++j) texts << good[j % 12];
        texts[i] = text;
        fill(*w, texts);
        errors_.clear();
        w->pageControl()->setCurrentIndex(0);
        w->okButton(0)->click();
        if (text.isEmpty() && w->currentPage() != 0) continue;  // an empty field reads as 0
        EXPECT_EQ(w->currentPage(), 0) << t.className << " " << i;
        EXPECT_FALSE(errors_.empty()) << t.className << " " << i;
      }
  }
}

TEST_F(SpaceWindowsTest, NewForgetsTheResultsAndInitialValuesComeBack) {
  EXPECT_EQ(WindowsKeepingResultsAfterNew(kDemo).join(u'\n').toStdString(), "");
  EXPECT_EQ(WindowsWithoutTheirInitialValues(kDemo).join(u'\n').toStdString(), "");
}

TEST_F(SpaceWindowsTest, NoWindowScrollsSideways) {
  EXPECT_EQ(windowsScrollingSideways().join(u' ').toStdString(), "");
}

}  // namespace
}  // namespace zw
