// The windows of the two-circle, circle-and-line and two-line topics, and
// the two-point dialog, on the offscreen platform.
#include <QFile>
#include <QStyle>
#include <cmath>
#include <functional>
#include <QLabel>
#include <QPixmap>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTextStream>

#include "kernel/CheckedInput.h"
#include "shell/Metrics.h"
#include "shell/gridexchange/GridExchange.h"
#include "shell/gridexchange/GridMenu.h"
#include "shell/kit/Grids.h"
#include "tests/topics/ChartFigures.h"
#include "tests/topics/TopicRules.h"
#include "tests/topics/TopicTestBase.h"
#include "topics/plane/GetAB2D.h"
#include "topics/plane/KreisWindow.h"
#include "topics/plane/XGer2dWindow.h"
#include "topics/plane/XGerKrWindow.h"
#include "topics/plane/XKreisWindow.h"
#include "topics/plane/TangWindow.h"
#include "platform/desktop/Desktop.h"
#include "shell/commands/Commands.h"
#include "shell/help/Help.h"

namespace zw {
namespace {

class PlaneWindowTest : public TopicTestBase {
protected:
  template <typename W>
  std::unique_ptr<W> openFilled(const QStringList& texts) {
    auto w = openTopic<W>();
    w->resize(700, 450);
    fill(*w, texts);
    return w;
  }
  static void fill(TopicWindow& w, const QStringList& texts) {
    for (int i = 0; i < texts.size(); ++i) w.fields().fields()[std::size_t(i)].edit->setText(texts[i]);
  }
  static QStringList texts(TopicWindow& w) {
    QStringList t;
    for (const InputField& f : w.fields().fields())
      if (f.edit) t << f.edit->text();
    return t;
  }
  // A shape in the pen of graph i of the window's chart page.
  static figures::Figure graph(ChartTopicWindow& w, int i, figures::Shape s) {
    return {std::move(s), w.chartPage().color(i), w.chartPage().width(i)};
  }
  // The window's chart shows the axes and exactly these figures.
  static testing::AssertionResult chartShows(ChartTopicWindow& w, std::vector<figures::Figure> expected) {
    TVIrada& c = w.chartPage().chart();
    for (const figures::Figure& a : figures::Axes(c)) expected.push_back(a);
    return figures::DrawsExactly(c, expected);
  }
  // Answers the two-point dialog with the four cells and OK.
  static std::function<int(TFGetAB2D*)> answer(QStringList cells) {
    return [cells](TFGetAB2D* d) {
      for (int i = 0; i < 4; ++i) d->grid()->setCells(1 + i % 2, 1 + i / 2, cells[i]);
      d->okClicked();
      return d->result();
    };
  }
};

TEST_F(PlaneWindowTest, TwoCirclesComputeDrawAndReload) {
  auto w = openFilled<TFXKreis>({"0", "0", "2", "0", "4", "2"});
  w->okButton(0)->click();
  EXPECT_EQ(w->currentPage(), 1);
  EXPECT_TRUE(memoHas(*w, "B(0|2)"));
  w->pageControl()->setCurrentIndex(2);
  EXPECT_TRUE(chartShows(*w, {graph(*w, 1, figures::Circle{0, 0, 2}), graph(*w, 2, figures::Circle{0, 4, 2})}));
  const QString f = file("sheet.dat");
  deliverCommand(w.get(), WM_SAVEWORKSHEET, f);
  fill(*w, {"", "", "", "", "", ""});
  deliverCommand(w.get(), WM_LOADWORKSHEET, f);
  EXPECT_EQ(texts(*w), QStringList({"0", "0", "2", "0", "4", "2"}));
}

TEST_F(PlaneWindowTest, BadFieldsOneBoxEach) {
  auto w = openFilled<TFXKreis>({"0", "1#", "0", "1", "1", "-1"});
  w->okButton(0)->click();
  EXPECT_EQ(w->currentPage(), 0);
  EXPECT_EQ(errors_.size(), 3u);  // y1, r1 = 0, r2 = -1
}

TEST_F(PlaneWindowTest, IdenticalCirclesShowMessage52) {
  auto w = openFilled<TFXKreis>({"1", "1", "2", "1", "1", "2"});
  w->okButton(0)->click();
  EXPECT_EQ(w->currentPage(), 0);
  ASSERT_EQ(errors_.size(), 1u);
  EXPECT_EQ(errors_[0], GetMessageText(52));
}

TEST_F(PlaneWindowTest, CircleAndLineByTwoPoints) {
  auto w = openFilled<TFXGerKr>({"", "", "", "0", "0", "2"});
  w->runTwoPointDialog = answer({"0", "0", "2", "2"});
  w->twoPointButton()->click();
  EXPECT_EQ(texts(*w).mid(0, 3), QStringList({"-2", "2", "0"}));
  w->okButton(0)->click();
  EXPECT_TRUE(memoHas(*w, "Schnittpunkte"));
  w->pageControl()->setCurrentIndex(2);
  EXPECT_TRUE(chartShows(*w, {graph(*w, 1, figures::Line{-2, 2, 0}), graph(*w, 2, figures::Circle{0, 0, 2})}));
  // A = B: message 10, the fields stay.
  w->runTwoPointDialog = answer({"1", "1", "1", "1"});
  w->twoPointButton()->click();
  ASSERT_EQ(errors_.size(), 1u);
  EXPECT_EQ(errors_[0], GetMessageText(10));
  EXPECT_EQ(texts(*w).mid(0, 3), QStringList({"-2", "2", "0"}));
}

TEST_F(PlaneWindowTest, TwoLinesRebuildEveryVisitAndFillH) {
  auto w = openFilled<TFXGer2d>({"1", "1", "2", "", "", ""});
  w->runTwoPointDialog = answer({"0", "0", "1", "1"});
  w->twoPointButton(1)->click();
  EXPECT_EQ(texts(*w).mid(3, 3), QStringList({"-1", "1", "0"}));
  w->pageControl()->setCurrentIndex(2);
  EXPECT_TRUE(memoHas(*w, "S(1|1)"));
  TVIrada& c = w->chartPage().chart();
  const double x0 = c.Layers().X(1).RangeLow();
  c.SetRange(1, 50, 50, 60, 60);
  w->pageControl()->setCurrentIndex(0);
  w->pageControl()->setCurrentIndex(2);
  EXPECT_NEAR(c.Layers().X(1).RangeLow(), x0, 1e-9);
  // h undetermined is reported before g.
  w->pageControl()->setCurrentIndex(0);
  fill(*w, {"0", "0", "1", "0", "0", "1"});
  w->okButton(0)->click();
  ASSERT_EQ(errors_.size(), 1u);
  EXPECT_EQ(errors_[0], GetMessageText(11));
}

// The dialog ends below its buttons with the margin it keeps beside them,
// and its cells show the widest number a cell accepts.
TEST_F(PlaneWindowTest, TwoPointDialogFitsItsContent) {
  for (int zoom : {100, 150}) {
    applyZoom(zoom);
    TFGetAB2D d;
    d.show();
    QApplication::processEvents();
    const int margin = metrics().ColLeft[1];
    EXPECT_EQ(d.height() - 1 - d.okButton()->geometry().bottom(), margin) << zoom;
    EXPECT_LT(d.grid()->geometry().bottom(), d.okButton()->geometry().top()) << zoom;
    const QString widest = QString::fromStdU16String(LongestAcceptedNumber(u'f', u','));
    const int cellMargin = d.grid()->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, d.grid()) + 1;
    for (int c = 1; c <= 2; ++c)
      EXPECT_LE(QFontMetrics(d.grid()->font()).horizontalAdvance(widest) + 2 * cellMargin, d.grid()->colWidth(c))
          << zoom;
    d.close();
  }
  applyZoom(100);
}

TEST_F(PlaneWindowTest, TwoPointDialogReadsTermsAndRefusesBadCells) {
  TFGetAB2D d;
  d.grid()->setCells(1, 1, "2*pi");
  d.grid()->setCells(2, 2, "1#");
  d.okClicked();
  ASSERT_EQ(errors_.size(), 1u);
  EXPECT_EQ(errors_[0], GetMessageText(22));
  EXPECT_NE(d.result(), QDialog::Accepted);
  EXPECT_EQ(d.grid()->Col(), 2);
  EXPECT_EQ(d.grid()->Row(), 2);
  d.grid()->setCells(2, 2, "");
  d.okClicked();
  EXPECT_EQ(d.result(), QDialog::Accepted);
  EXPECT_NEAR(double(d.p1.x), 6.283185307179586, 1e-12);
  EXPECT_EQ(d.p2.y, 0);
}

TEST_F(PlaneWindowTest, TwoPointDialogPasteExportImport) {
  TFGetAB2D d;
  GridPasteText(d.grid(), "1;2\r\n3;4");
  EXPECT_EQ(d.grid()->Cells(1, 1), "1");
  EXPECT_EQ(d.grid()->Cells(2, 2), "4");
  const QString out = file("pts.csv");
  commandUi().saveFile = [&](QWidget*, const QString&, const QString&) { return file("pts"); };
  d.gridMenu()->exportCsv();
  QFile f(out);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_TRUE(QString::fromUtf8(f.readAll()).contains("3;4"));
  // Five lines of four items: only A and B with x and y stay.
  const QString big = file("big.csv");
  QFile b(big);
  ASSERT_TRUE(b.open(QIODevice::WriteOnly));
  b.write("1;2;3;4\n5;6;7;8\n9;10;11;12\n13;14;15;16\n17;18;19;20\n");
  b.close();
  commandUi().openFile = [&](QWidget*, const QString&, const QString&) { return big; };
  d.gridMenu()->importCsv();
  EXPECT_EQ(d.grid()->RowCount(), 3);
  EXPECT_EQ(d.grid()->ColCount(), 3);
  EXPECT_EQ(d.grid()->Cells(2, 2), "6");
}

// What each plane topic draws for its inputs: graph number and shape.
struct FigureRow {
  const char* what;
  std::function<std::unique_ptr<ChartTopicWindow>()> open;
  QStringList inputs;
  std::vector<std::pair<int, figures::Shape>> figures;
};

TEST_F(PlaneWindowTest, ChartsDrawTheirFigures) {
  using namespace figures;
  const double r3 = std::sqrt(3.0), h = std::sqrt(0.5);
  auto xkreis = [this] { return std::unique_ptr<ChartTopicWindow>(openTopic<TFXKreis>()); };
  auto xgerkr = [this] { return std::unique_ptr<ChartTopicWindow>(openTopic<TFXGerKr>()); };
  auto xger2d = [this] { return std::unique_ptr<ChartTopicWindow>(openTopic<TFXGer2d>()); };
  auto kreis = [this] { return std::unique_ptr<ChartTopicWindow>(openTopic<TFKreis>()); };
  const FigureRow rows[] = {
      {"two circles", xkreis, {"1", "-1", "3", "2", "2", "1"}, {{1, Circle{1, -1, 3}}, {2, Circle{2, 2, 1}}}},
      {"two circles apart", xkreis, {"0", "0", "1", "5", "0", "2"}, {{1, Circle{0, 0, 1}}, {2, Circle{5, 0, 2}}}},
      {"line and circle", xgerkr, {"1", "1", "2", "0", "0", "2"}, {{1, Line{1, 1, 2}}, {2, Circle{0, 0, 2}}}},
      {"line through the centre", xgerkr, {"0", "1", "1", "1", "1", "1"}, {{1, Line{0, 1, 1}}, {2, Circle{1, 1, 1}}}},
      {"two lines", xger2d, {"1", "1", "2", "1", "-1", "0"}, {{1, Line{1, 1, 2}}, {2, Line{1, -1, 0}}}},
      {"two axis-parallel lines", xger2d, {"1", "0", "3", "0", "1", "-2"}, {{1, Line{1, 0, 3}}, {2, Line{0, 1, -2}}}},
      // About M(1|1): the two radii, arc, chord, apothem, the rest of the
      // radius to the arc's middle, the angle's small arc.
      {"circle parts, 60 degrees",
       kreis,
       {"2", "60"},
       {{1, Segment{1, 1, 3, 1}},
        {1, Segment{1, 1, 2, 1 + r3}},
        {2, Arc{1, 1, 2, 0, 60}},
        {3, Segment{3, 1, 2, 1 + r3}},
        {4, Segment{1, 1, 2.5, 1 + r3 / 2}},
        {5, Segment{2.5, 1 + r3 / 2, 1 + r3, 2}},
        {6, Arc{1, 1, 0.25, 0, 60}}}},
      {"circle parts, 90 degrees",
       kreis,
       {"1", "90"},
       {{1, Segment{1, 1, 2, 1}},
        {1, Segment{1, 1, 1, 2}},
        {2, Arc{1, 1, 1, 0, 90}},
        {3, Segment{2, 1, 1, 2}},
        {4, Segment{1, 1, 1.5, 1.5}},
        {5, Segment{1.5, 1.5, 1 + h, 1 + h}},
        {6, Arc{1, 1, 0.125, 0, 90}}}},
  };
  for (const FigureRow& row : rows) {
    SCOPED_TRACE(row.what);
    auto w = row.open();
    w->resize(700, 450);
    fill(*w, row.inputs);
    w->okButton(0)->click();
    w->pageControl()->setCurrentIndex(2);
    ASSERT_EQ(w->currentPage(), 2);
    std::vector<Figure> expected;
    for (const auto& [i, shape] : row.figures) expected.push_back(graph(*w, i, shape));
    EXPECT_TRUE(chartShows(*w, expected));
  }
}

template <typename W>
void ExpectSaveAndReload(const QString& path, const QStringList& values) {
  auto w = std::make_unique<W>();
  w->setAttribute(Qt::WA_DeleteOnClose, false);
  w->show();
  for (int i = 0; i < values.size(); ++i) w->fields().fields()[std::size_t(i)].edit->setText(values[i]);
  deliverCommand(w.get(), WM_SAVEWORKSHEET, path);
  for (const InputField& f : w->fields().fields())
    if (f.edit) f.edit->clear();
  deliverCommand(w.get(), WM_LOADWORKSHEET, path);
  for (int i = 0; i < values.size(); ++i)
    EXPECT_EQ(w->fields().fields()[std::size_t(i)].edit->text(), values[i]) << W::ClassName << " " << i;
}

TEST_F(PlaneWindowTest, EveryWindowSavesAndReloadsItsFields) {
  const QString f = file("all.dat");
  ExpectSaveAndReload<TFXKreis>(f, {"1", "2", "3", "4", "5", "6"});
  ExpectSaveAndReload<TFXGerKr>(f, {"1", "-2", "3", "0,5", "5", "6"});
  ExpectSaveAndReload<TFXGer2d>(f, {"1", "2", "3", "4", "5", "2*pi"});
  ExpectSaveAndReload<TFKreis>(f, {"2", "", "", "", "1", "", "3"});
  EXPECT_TRUE(errors_.empty());
}

TEST_F(PlaneWindowTest, CirclePartsCountsAndSketch) {
  auto w = openFilled<TFKreis>({"2", "60"});
  const QImage before = w->sketch()->pixmap().toImage();
  w->okButton(0)->click();
  EXPECT_EQ(w->currentPage(), 1);
  EXPECT_TRUE(memoHas(*w, "Bogen b = 2,0943951")) << w->memoLines().join('\n').toStdString();
  w->pageControl()->setCurrentIndex(2);
  EXPECT_TRUE(figures::Draws(w->chartPage().chart(), graph(*w, 2, figures::Arc{1, 1, 2, 0, 60})));
  // The sketch follows the typing: a third given quantity lights up.
  w->pageControl()->setCurrentIndex(0);
  fill(*w, {"2", "60", "1"});
  EXPECT_NE(w->sketch()->pixmap().toImage(), before);
  w->okButton(0)->click();
  ASSERT_EQ(errors_.size(), 1u);
  EXPECT_EQ(errors_[0], GetMessageText(4));
  fill(*w, {"", "60", ""});
  w->okButton(0)->click();
  EXPECT_EQ(errors_.back(), GetMessageText(3));
  // b/h < π: no solution, input page, focus on r.
  fill(*w, {"", "", "1", "", "", "1"});
  w->okButton(0)->click();
  EXPECT_EQ(errors_.back(), GetMessageText(5));
  EXPECT_EQ(w->currentPage(), 0);
  // d and h are kept in the worksheet.
  fill(*w, {"", "", "", "", "1", "0,5"});
  const QString f = file("k.dat");
  deliverCommand(w.get(), WM_SAVEWORKSHEET, f);
  fill(*w, {"", "", "", "", "", ""});
  deliverCommand(w.get(), WM_LOADWORKSHEET, f);
  EXPECT_EQ(texts(*w)[4], "1");
  EXPECT_EQ(texts(*w)[5], "0,5");
}

TEST_F(PlaneWindowTest, CirclePartsChartReadsOnlyWithoutAReading) {
  auto w = openFilled<TFKreis>({"", "90"});
  w->pageControl()->setCurrentIndex(2);
  EXPECT_EQ(w->currentPage(), 0);
  ASSERT_EQ(errors_.size(), 1u);
  EXPECT_EQ(errors_.back(), GetMessageText(3));
  fill(*w, {"1", "90"});
  w->pageControl()->setCurrentIndex(2);
  EXPECT_EQ(w->currentPage(), 2);
  EXPECT_TRUE(memoHas(*w, "Bogen b = 1,5707963"));
  // From now on the chart works from that reading, whatever the fields hold.
  w->pageControl()->setCurrentIndex(0);
  fill(*w, {"2", "90"});
  w->pageControl()->setCurrentIndex(2);
  EXPECT_TRUE(memoHas(*w, "Bogen b = 1,5707963"));
  EXPECT_EQ(errors_.size(), 1u);
}

}  // namespace
}  // namespace zw

#include "topics/plane/TangWindow.h"

namespace zw {
namespace {

class TangWindowTest : public TopicTestBase {};

TEST_F(TangWindowTest, TasksComputeDrawAndToggleConstructionLines) {
  shellState().MemoryOption = false;  // no memory file: a new window starts with two circles
  auto w = openTopic<TFTang>();
  w->resize(760, 520);
  EXPECT_EQ(w->task(), 4);
  const QStringList circles = {"0", "0", "1", "5", "0", "3"};
  for (int i = 0; i < 6; ++i) w->fields().fields()[std::size_t(i)].edit->setText(circles[i]);
  w->pageControl()->setCurrentIndex(2);
  EXPECT_EQ(w->currentPage(), 2);
  EXPECT_TRUE(w->memoLines().join('\n').contains("Äußere Tangenten"));
  for (int j = 1; j <= 4; ++j) EXPECT_FALSE(w->tangentLabel(j)->isHidden()) << j;
  // k1 is the larger circle; the outer tangents 2x ∓ √21 y = -5, the inner ones 4x ∓ 3y = 5.
  TVIrada& c = w->chartPage().chart();
  auto pen = [&](int i, figures::Shape s) {
    return figures::Figure{std::move(s), w->chartPage().color(i), w->chartPage().width(i)};
  };
  const double r21 = std::sqrt(21.0);
  std::vector<figures::Figure> plain = {pen(1, figures::Circle{5, 0, 3}),  pen(2, figures::Circle{0, 0, 1}),
                                        pen(3, figures::Line{2, -r21, -5}), pen(4, figures::Line{2, r21, -5}),
                                        pen(5, figures::Line{4, -3, 5}),    pen(6, figures::Line{4, 3, 5})};
  for (const figures::Figure& a : figures::Axes(c)) plain.push_back(a);
  EXPECT_TRUE(figures::DrawsExactly(c, plain));
  // The label of t1 adds its construction: the auxiliary circle about M1 and the Thales circle.
  const figures::Figure auxiliary{figures::Circle{5, 0, 2}, TColor(0), 1}, thales{figures::Circle{2.5, 0, 2.5}, TColor(0), 1};
  w->tangentLabel(1)->click();
  EXPECT_TRUE(figures::Draws(c, auxiliary));
  EXPECT_TRUE(figures::Draws(c, thales));
  c.OnDblClick(&c);  // a fresh set-up switches the construction lines off
  EXPECT_FALSE(w->tangentLabel(1)->isChecked());
  EXPECT_TRUE(figures::DrawsExactly(c, plain));

  // Task 3 reads only its fields; a radius of 0 is refused.
  w->pageControl()->setCurrentIndex(0);
  w->setTask(3);
  for (auto [i, t] : std::vector<std::pair<int, QString>>{{2, "0"}, {6, "0"}, {7, "1"}, {8, "0"}})
    w->fields().fields()[std::size_t(i)].edit->setText(t);
  w->okButton(0)->click();
  ASSERT_EQ(errors_.size(), 1u);
  EXPECT_EQ(errors_[0], GetMessageText(22));
  w->fields().fields()[2].edit->setText("2");
  w->okButton(0)->click();
  EXPECT_TRUE(w->memoLines().join('\n').contains("Lotgerade"));
  // g with a = b = 0: message 10.
  w->fields().fields()[7].edit->setText("0");
  w->pageControl()->setCurrentIndex(0);
  w->okButton(0)->click();
  EXPECT_EQ(errors_.back(), GetMessageText(10));
}

// In every task the two input rows stand aligned: the x and y fields of the
// second row under those of the first, a closing parenthesis beside its y
// field, and only the task's own controls showing.
TEST_F(TangWindowTest, InputRowsAlignInEveryTask) {
  auto w = openTopic<TFTang>();
  const auto edit = [&](int i) { return w->fields().fields()[std::size_t(i)].edit; };
  const auto closing = [&](QLineEdit* y) -> QLabel* {
    for (QLabel* l : w->inputArea()->findChildren<QLabel*>())
      if (l->isVisible() && l->text().trimmed().startsWith(u')') && l->y() >= y->y() && l->y() < y->geometry().bottom() &&
          l->x() == y->geometry().right() + 1)
        return l;
    return nullptr;
  };
  struct Task {
    int task;
    std::vector<int> shown;
  };
  for (const Task& t : {Task{1, {0, 1, 3, 4}}, Task{2, {0, 1, 2, 3, 4}}, Task{3, {0, 1, 2, 6, 7, 8}},
                        Task{4, {0, 1, 2, 3, 4, 5}}}) {
    w->setTask(t.task);
    for (int i = 0; i < 9; ++i)
      EXPECT_EQ(edit(i)->isVisible(), std::count(t.shown.begin(), t.shown.end(), i) == 1) << t.task << " " << i;
    EXPECT_NE(closing(edit(1)), nullptr) << t.task;
    if (t.task == 3) continue;
    EXPECT_EQ(edit(3)->x(), edit(0)->x()) << t.task;
    EXPECT_EQ(edit(4)->x(), edit(1)->x()) << t.task;
    EXPECT_GT(edit(3)->y(), edit(0)->geometry().bottom()) << t.task;
    EXPECT_NE(closing(edit(4)), nullptr) << t.task;
  }
}

TEST_F(TangWindowTest, TypeIsSavedAndABadOneLoadsAsTaskOne) {
  auto w = openTopic<TFTang>();
  w->setTask(3);
  const QString f = file("t.dat");
  deliverCommand(w.get(), WM_SAVEWORKSHEET, f);
  w->setTask(2);
  deliverCommand(w.get(), WM_LOADWORKSHEET, f);
  EXPECT_EQ(w->task(), 3);
  QFile bad(file("bad.dat"));
  ASSERT_TRUE(bad.open(QIODevice::WriteOnly));
  bad.write("[tangente]\ntype=x7\n");
  bad.close();
  deliverCommand(w.get(), WM_LOADWORKSHEET, file("bad.dat"));
  EXPECT_EQ(w->task(), 1);
  bad.open(QIODevice::WriteOnly);
  bad.write("[tangente]\ntype=9\n");
  bad.close();
  deliverCommand(w.get(), WM_LOADWORKSHEET, file("bad.dat"));
  EXPECT_EQ(w->task(), 1);
}

}  // namespace
}  // namespace zw

namespace zw {
namespace {

// The tangents topic opens the help page of its context plus the page showing.
TEST_F(PlaneWindowTest, TangentHelpFollowsThePage) {
  RecordingDesktopServices rec;
  ScopedDesktopServices use(rec);
  auto w = openTopic<TFTang>();
  for (int page = 0; page < w->pageCount(); ++page) {
    w->showPageSilently(page);
    deliverCommand(w.get(), WM_TOPICHELP);
    ASSERT_EQ(rec.calls.size(), std::size_t(page + 1));
    EXPECT_EQ(rec.calls.back().target, webHelpAddress(HelpContextOf(ITang) + page, currentHelpLanguageLetter()));
  }
}

// New after a computation leaves no result line; a window opens with its
// initial values whether the memory option is on or off, and New restores
// them (every plane-geometry window).
TEST_F(PlaneWindowTest, NewClearsResultsAndRestoresInitialValues) {
  const QString demo = QStringLiteral(ZW_SOURCE_DIR "/data/DEMO.DAT");
  EXPECT_EQ(WindowsKeepingResultsAfterNew(demo).join(u'\n').toStdString(), "");
  EXPECT_EQ(WindowsWithoutTheirInitialValues(demo).join(u'\n').toStdString(), "");
}

}  // namespace
}  // namespace zw
