// The window of polygon mappings: a chain built with the editor, the
// refusals of the editor and the corner grid, the results and the chart, the
// worksheet with its fallbacks, and the memo font's glyphs.
#include <QButtonGroup>
#include <cmath>
#include <QCheckBox>
#include <QFile>
#include <QFontMetrics>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRawFont>
#include <QTabWidget>
#include <QTextBlock>

#include "shell/commands/Commands.h"
#include "shell/kit/Grids.h"
#include "shell/texts/Texts.h"
#include "tests/topics/ChartFigures.h"
#include "tests/topics/TopicTestBase.h"
#include "topics/plane/AbbWindow.h"

namespace zw {
namespace {

class AbbWindowTest : public TopicTestBase {
protected:
  static void corners(TFAbb& w, const std::vector<std::pair<QString, QString>>& rows) {
    for (int r = 1; r <= 26; ++r) {
      const bool in = r <= int(rows.size());
      w.grid()->setCells(1, r, in ? rows[std::size_t(r - 1)].first : QString());
      w.grid()->setCells(2, r, in ? rows[std::size_t(r - 1)].second : QString());
    }
  }
  static void translation(TFAbb& w, const char* dx, const char* dy) {
    w.editor().selectKind(MkTranslation);
    w.editor().dx->setText(dx);
    w.editor().dy->setText(dy);
  }
  static void pointReflection(TFAbb& w, const char* x, const char* y) {
    w.editor().selectKind(MkPointReflection);
    w.editor().reflectCentre->setCells(1, 1, x);
    w.editor().reflectCentre->setCells(2, 1, y);
  }
  static QStringList list(TFAbb& w) { return w.editor().list->toPlainText().split('\n', Qt::SkipEmptyParts); }
};

TEST_F(AbbWindowTest, ChainBuiltWithTheEditor) {
  auto w = openTopic<TFAbb>();
  w->resize(900, 600);
  corners(*w, {{"0", "0"}, {"1", "0"}, {"0", "1"}});
  // Until a line of the list is chosen, every insert appends.
  EXPECT_EQ(w->editor().insert->text(), GetText(IAbb, 204));
  translation(*w, "1", "2");
  w->editor().insert->click();
  pointReflection(*w, "0", "0");
  w->editor().insert->click();
  w->setListLine(2);  // after the last mapping
  EXPECT_EQ(w->editor().insert->text(), GetText(IAbb, 204));
  w->setListLine(1);  // on the last mapping: inserts before it
  EXPECT_EQ(w->editor().insert->text(), GetText(IAbb, 205));
  ASSERT_EQ(w->chain().count(), 2);
  EXPECT_EQ(list(*w), QStringList({"1. " + GetText(IAbb, 210) + ": dx=1, dy=2", "2. " + GetText(IAbb, 230) + ": Z(0|0)"}));
  // A rotation inserted before the first mapping.
  w->editor().selectKind(MkRotation);
  w->editor().rotateCentre->setCells(1, 1, "0");
  w->editor().rotateCentre->setCells(2, 1, "0");
  w->editor().angle->setText("90");
  w->setListLine(0);
  EXPECT_EQ(w->editor().insert->text(), GetText(IAbb, 205));
  w->editor().insert->click();
  ASSERT_EQ(w->chain().count(), 3);
  EXPECT_EQ(w->chain().at(1).kind, MkRotation);
  // Cut takes it out and shows it in the editor.
  w->editor().selectKind(MkTranslation);
  w->setListLine(0);
  w->editor().cut->click();
  EXPECT_EQ(w->chain().count(), 2);
  EXPECT_EQ(w->editor().kind(), MkRotation);
  EXPECT_EQ(w->editor().angle->text(), "90");
  // Copy shows the mapping on the caret line; replace puts the editor's in its place.
  w->setListLine(1);
  w->editor().copy->click();
  EXPECT_EQ(w->editor().kind(), MkPointReflection);
  pointReflection(*w, "1", "1");
  w->editor().paste->click();
  EXPECT_EQ(w->chain().at(2).w[0], 1);
  // The results: each image of the one before.
  w->okButton(0)->click();
  ASSERT_EQ(w->currentPage(), 1);
  const QStringList memo = w->memoLines();
  EXPECT_EQ(memo[0], GetText(IAbb, 301));
  EXPECT_TRUE(memo.join('\n').contains("A₂(1|0)")) << memo.join('\n').toStdString();
  w->okButton(1)->click();
  ASSERT_EQ(w->currentPage(), 2);
  EXPECT_GT(w->chartPage().chart().DisplayList().NumItems(), 9);
  EXPECT_TRUE(errors_.empty());
}

TEST_F(AbbWindowTest, EditorRefusals) {
  auto w = openTopic<TFAbb>();
  // An axis through one point.
  w->editor().selectKind(MkShear);
  for (int r = 1; r <= 2; ++r) {
    w->editor().shearAxis->setCells(1, r, "1");
    w->editor().shearAxis->setCells(2, r, "2");
  }
  w->editor().shearAngle->setText("30");
  w->editor().paste->click();
  ASSERT_EQ(errors_.size(), 1u);
  EXPECT_EQ(errors_[0], GetMessageText(22));
  EXPECT_EQ(w->chain().count(), 0);
  EXPECT_EQ(w->chain().at(0).kind, MkNone);  // not even the spare slot
  // Insert makes its slot first: it stays an empty, listed identity.
  w->editor().insert->click();
  ASSERT_EQ(errors_.size(), 2u);
  ASSERT_EQ(w->chain().count(), 1);
  EXPECT_EQ(w->chain().at(1).kind, MkNone);
  EXPECT_EQ(w->editor().list->toPlainText(), "1: " + QString(30, ' '));
  // A field that is no number, an empty one: replacing the empty slot fails.
  errors_.clear();
  w->setListLine(0);
  translation(*w, "1", "1e999");
  w->editor().paste->click();
  translation(*w, "", "1");
  w->editor().paste->click();
  ASSERT_EQ(errors_.size(), 2u);
  EXPECT_EQ(w->chain().at(1).kind, MkNone);
  w->editor().cut->click();
  EXPECT_EQ(w->chain().count(), 0);
  // A full chain: insert says so, replace still works.
  errors_.clear();
  translation(*w, "1", "0");
  w->setListLine(0);
  for (int i = 0; i < MaxMappings; ++i) w->editor().insert->click();
  EXPECT_EQ(w->chain().count(), MaxMappings);
  EXPECT_TRUE(errors_.empty());
  w->editor().insert->click();
  ASSERT_EQ(errors_.size(), 1u);
  EXPECT_EQ(errors_[0], GetMessageText(4));
  translation(*w, "5", "5");
  w->setListLine(35);
  w->editor().paste->click();
  EXPECT_EQ(w->chain().at(36).w[0], 5);
}

TEST_F(AbbWindowTest, ConstructionKeyTogglesTheCaretMapping) {
  auto w = openTopic<TFAbb>();
  translation(*w, "1", "0");
  w->editor().insert->click();
  w->editor().insert->click();
  w->setListLine(1);
  QKeyEvent release(QEvent::KeyRelease, Qt::Key_Space, Qt::NoModifier);
  QApplication::sendEvent(w->editor().construction, &release);
  EXPECT_TRUE(w->chain().at(2).construction);
  EXPECT_FALSE(w->chain().at(1).construction);
  EXPECT_TRUE(list(*w)[1].endsWith(QString::fromUtf8("  \xF0\x9F\x97\xB9")));
  w->setListLine(5);  // past the chain: nothing
  QApplication::sendEvent(w->editor().construction, &release);
  EXPECT_TRUE(errors_.empty());
}

TEST_F(AbbWindowTest, CornerRefusals) {
  auto w = openTopic<TFAbb>();
  corners(*w, {{"0", "0"}, {"", ""}, {"1", "1"}});
  w->okButton(0)->click();
  ASSERT_EQ(errors_.size(), 1u);
  EXPECT_EQ(errors_[0], GetMessageText(22));
  EXPECT_EQ(w->grid()->Row(), 2);
  errors_.clear();
  corners(*w, {{"0", "0"}, {"1e999", "0"}});
  w->okButton(0)->click();
  ASSERT_EQ(errors_.size(), 1u);
  EXPECT_EQ(w->grid()->Row(), 2);
}

TEST_F(AbbWindowTest, WorksheetRoundTripAndFallbacks) {
  auto w = openTopic<TFAbb>();
  std::vector<std::pair<QString, QString>> rows;
  for (int i = 0; i < 20; ++i) rows.push_back({QString::number(i), QString::number(i * i)});
  corners(*w, rows);
  w->editor().selectKind(MkDilation);
  w->editor().dilateCentre->setCells(1, 1, "0,5");
  w->editor().dilateCentre->setCells(2, 1, "1");
  w->editor().factor->setText("2");
  w->editor().construction->setChecked(true);
  w->editor().insert->click();
  const QString f = file("abb.dat");
  deliverCommand(w.get(), WM_SAVEWORKSHEET, f);
  corners(*w, {});
  deliverCommand(w.get(), WM_NEWWORKSHEET, file("other.dat"));
  EXPECT_EQ(w->chain().count(), 0);
  deliverCommand(w.get(), WM_LOADWORKSHEET, f);
  EXPECT_EQ(w->grid()->Cells(2, 20), "361");
  ASSERT_EQ(w->chain().count(), 1);
  EXPECT_EQ(w->chain().at(1).kind, MkDilation);
  EXPECT_EQ(double(w->chain().at(1).w[0]), 0.5);
  EXPECT_TRUE(w->chain().at(1).construction);
  // Unusable values.
  QFile bad(file("bad.dat"));
  ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
  bad.write("[abb]\nAbbZahl=99\nabb1_param0=9\nabb1_param1=abc\nabb2_param0=4\nabb2_param3=1.5\n");
  bad.close();
  deliverCommand(w.get(), WM_LOADWORKSHEET, file("bad.dat"));
  EXPECT_EQ(w->chain().count(), 36);
  EXPECT_EQ(w->chain().at(1).kind, 0);
  EXPECT_EQ(w->chain().at(1).w[0], 0);
  EXPECT_EQ(w->chain().at(2).kind, MkRotation);
  EXPECT_EQ(double(w->chain().at(2).w[2]), 1.5);
  EXPECT_TRUE(errors_.empty());
}

// The chart of one rotation with construction lines, and of a shear: the
// silver rays and arcs of each corner, the red axis, each polygon in its
// graph's pen.
TEST_F(AbbWindowTest, ConstructionLinesOfRotationAndShear) {
  using namespace figures;
  TVIrada chart;
  chart.resize(800, 600);
  chart.Loaded();
  chart.SetRange(1, -5, -5, 5, 5);
  GraphPens pens;
  pens.color[1] = 0x0000AA, pens.width[1] = 1;
  pens.color[2] = 0x00AA00, pens.width[2] = 2;
  const TColor silver = 0xC0C0C0, red = 0x0000FF;
  const double r = 0.5;  // a twentieth of the y range
  MappingChain chain;
  chain.insert(1, Mapping{MkRotation, {0, 0, 90}, true});
  DrawMappings(chart, chain, RunMappings(chain, {{1, 0}, {2, 0}, {1, 1}}), pens, r);
  const std::vector<Figure> rotation = {
      {Segment{0, 0, 1, 0}, silver}, {Segment{0, 0, 2, 0}, silver}, {Segment{0, 0, 1, 1}, silver},
      {Segment{0, 0, 0, 1}, silver}, {Segment{0, 0, 0, 2}, silver}, {Segment{0, 0, -1, 1}, silver},
      {Arc{0, 0, 1, 0, 90}, silver}, {Arc{0, 0, 2, 0, 90}, silver}, {Arc{0, 0, std::sqrt(2.0), 45, 135}, silver},
      // The small arcs grow with the corner's number.
      {Arc{0, 0, r * 0.7, 0, 90}, silver}, {Arc{0, 0, r * 0.9, 0, 90}, silver}, {Arc{0, 0, r * 1.1, 45, 135}, silver},
      {Segment{1, 0, 2, 0}, pens.color[1], 1}, {Segment{2, 0, 1, 1}, pens.color[1], 1}, {Segment{1, 1, 1, 0}, pens.color[1], 1},
      {Segment{0, 1, 0, 2}, pens.color[2], 2}, {Segment{0, 2, -1, 1}, pens.color[2], 2}, {Segment{-1, 1, 0, 1}, pens.color[2], 2},
  };
  EXPECT_TRUE(DrawsExactly(chart, rotation, 1e-6));

  chart.ClearGraf();
  chain.clear();
  chain.insert(1, Mapping{MkShear, {0, 0, 1, 0, 45}, true});
  DrawMappings(chart, chain, RunMappings(chain, {{0, -1}, {2, -1}, {1, 1}}), pens, r);
  EXPECT_TRUE(Draws(chart, {Line{0, 1, 0}, red, 1}));         // the axis y = 0 in graph 1's width
  EXPECT_TRUE(Draws(chart, {Segment{0, -1, 1, -1}, silver}));  // the corner and its image
  EXPECT_TRUE(Draws(chart, {Segment{0, 0, 1, -1}, silver}));   // the foot and the image
  EXPECT_TRUE(Draws(chart, {Segment{0, 0, 0, -1}, silver}));   // the foot and the corner
  EXPECT_TRUE(Draws(chart, {Arc{0, 0, r, -90, -45}, silver}));  // the shear angle at the foot
  EXPECT_TRUE(Draws(chart, {Segment{1, -1, 3, -1}, pens.color[2], 2}));

  // A rotation by 10^9 degrees: full circles, not millions of chords each.
  chart.ClearGraf();
  chain.clear();
  chain.insert(1, Mapping{MkRotation, {0, 0, 1e9L}, true});
  DrawMappings(chart, chain, RunMappings(chain, {{1, 0}, {2, 0}, {1, 1}}), pens, r);
  EXPECT_TRUE(Draws(chart, {Circle{0, 0, 2}, silver}));
  EXPECT_LT(chart.DisplayList().NumItems(), 20000);
}

TEST_F(AbbWindowTest, ListFontShowsTheSeparatorAndTheConstructionMark) {
  auto w = openTopic<TFAbb>();
  w->resize(900, 600);
  const QFont font = w->editor().list->font();
  ASSERT_FALSE(font.families().isEmpty());
  for (char32_t cp : {U'\u01C0', U'\U0001F5F9'}) {
    bool shown = false;
    for (const QString& family : font.families()) {
      QFont f(font);
      f.setFamilies({family});
      shown = shown || QFontMetrics(f).inFontUcs4(uint(cp));
    }
    EXPECT_TRUE(shown) << "U+" << std::hex << uint(cp) << " in " << font.families().join(", ").toStdString();
  }
}

}  // namespace
}  // namespace zw
