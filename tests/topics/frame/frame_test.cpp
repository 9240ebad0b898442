// The topic-window frame's variants that the gcd topic does not use: the
// trimmed save, one box per bad field, three pages, failed computations, the
// running memo, and long runs driven by LongRun.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QPrinter>
#include <QRegularExpression>
#include <QElapsedTimer>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QScrollBar>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextLayout>
#include <QThread>
#include <functional>
#include <memory>
#include <stdexcept>

#include "kernel/CalcFailure.h"
#include "kernel/KernelState.h"
#include "platform/folders/Folders.h"
#include "platform/ini/IniFile.h"
#include "shell/Metrics.h"
#include "shell/State.h"
#include "shell/commands/Commands.h"
#include "shell/kit/InputRows.h"
#include "tests/topics/PdfText.h"
#include "tests/topics/TopicTestBase.h"
#include "topics/frame/LongRun.h"
#include "topics/frame/InputRejected.h"
#include "topics/frame/TopicWindow.h"

namespace zw {
namespace {

// A stepper that counts its steps: `total` steps of `stepMs` each, then done;
// `throwAt` makes that step fail.
class CountingStepper : public Stepper {
public:
  struct Log {
    int steps = 0;
    int finishes = 0;
    End end = End::Finished;
    int message = -1;
  };
  CountingStepper(Log& log, int total, int stepMs = 0, int throwAt = -1)
      : log_(log), total_(total), stepMs_(stepMs), throwAt_(throwAt) {}
  bool step() override {
    if (log_.steps == throwAt_) throw CalcFailure(msg::DivisionByZero);
    ++log_.steps;
    if (stepMs_ > 0) QThread::msleep(static_cast<unsigned long>(stepMs_));
    return log_.steps < total_;
  }
  void finish(End end, int message) override {
    ++log_.finishes;
    log_.end = end;
    log_.message = message;
  }

private:
  Log& log_;
  int total_, stepMs_, throwAt_;
};

bool waitUntil(const std::function<bool()>& done, int ms = 5000) {
  QElapsedTimer t;
  t.start();
  while (!done() && t.elapsed() < ms) QApplication::processEvents(QEventLoop::AllEvents, 5);
  return done();
}

// A topic with three fields: a (> 0), b (>= 0) and a text c.
class FixtureTopic : public TopicWindow {
public:
  explicit FixtureTopic(TopicConfig config) : TopicWindow(nullptr, "TFProz", std::move(config)) {
    for (int i = 0; i < 3; ++i) edits[i] = new QLineEdit(inputArea());
    fields().addField("a", edits[0], u'p');
    fields().addField("b", edits[1], u'P');
    fields().addField("c", edits[2], 0);
    initTopic();
    setAttribute(Qt::WA_DeleteOnClose, false);
  }
  QLineEdit* edits[3] = {};
  int computed = 0;
  int charts = 0;
  std::function<void(FixtureTopic&)> onCompute;
  using TopicWindow::appendMemoLines;
  using TopicWindow::startLongRun;

protected:
  void compute() override {
    ++computed;
    if (onCompute) onCompute(*this);
  }
  void enterChartPage(int) override { ++charts; }
};

class FrameTest : public TopicTestBase {
protected:
  void SetUp() override {
    TopicTestBase::SetUp();
    shellState().MemoryOption = false;
  }
  std::unique_ptr<FixtureTopic> open(TopicConfig config = {}) {
    auto w = std::make_unique<FixtureTopic>(std::move(config));
    w->show();
    return w;
  }
};

TEST_F(FrameTest, TrimmedSaveErasesTheSectionAndSkipsEmptyFields) {
  TopicConfig c;
  c.save = SavePolicy::NonEmptyTrimmed;
  auto w = open(c);
  const QString path = file("sheet.dat");
  {
    IniFile ini(path);
    ini.writeString("proz", "old", "1");
    ini.writeString("other", "x", "2");
    ASSERT_TRUE(ini.save());
  }
  w->edits[0]->setText("  12 ");
  w->edits[1]->setText("   ");
  w->edits[2]->setText("text");
  ASSERT_TRUE(w->saveInputs(path));
  const IniFile ini(path);
  EXPECT_EQ(ini.keys("proz"), (QStringList{"a", "c"}));
  EXPECT_EQ(ini.readString("proz", "a"), "12");
  EXPECT_EQ(ini.readString("other", "x"), "2");

  // The raw policy writes every field as it stands.
  auto raw = open();
  raw->edits[0]->setText("1");
  ASSERT_TRUE(raw->saveInputs(path));
  EXPECT_EQ(IniFile(path).keys("proz"), (QStringList{"a", "c", "b"}));
}

TEST_F(FrameTest, OneBoxPerBadFieldLeavesTheFocusOnTheLast) {
  TopicConfig c;
  c.check = InputCheck::OneBoxPerField;
  auto w = open(c);
  w->edits[0]->setText("-1");
  w->edits[1]->setText("-2");
  w->edits[2]->setText("not a number, not checked");
  w->okButton(0)->click();
  EXPECT_EQ(errors_.size(), 2u);
  EXPECT_EQ(w->currentPage(), 0);
  EXPECT_EQ(w->focusWidget(), w->edits[1]);
  EXPECT_EQ(w->computed, 0);

  errors_.clear();
  w->edits[0]->setText("2");
  w->edits[1]->setText("");
  w->okButton(0)->click();
  EXPECT_TRUE(errors_.empty());
  EXPECT_EQ(w->computed, 1);
  EXPECT_EQ(w->fields().value(0), 2);
}

TEST_F(FrameTest, ThreePagesStepThroughAndBackToTheFirstField) {
  TopicConfig c;
  c.pages = TopicConfig::inputResultsChart();
  c.tabStyle = TabStyle::Shell;
  auto w = open(c);
  EXPECT_EQ(w->pageControl()->tabText(1), "Ergebnisse");
  EXPECT_EQ(w->pageControl()->tabText(2), "Grafik");
  w->edits[0]->setText("1");
  w->okButton(0)->click();
  EXPECT_EQ(w->currentPage(), 1);
  EXPECT_EQ(w->computed, 1);
  w->okButton(1)->click();
  EXPECT_EQ(w->currentPage(), 2);
  EXPECT_EQ(w->charts, 1);
  w->okButton(2)->click();
  EXPECT_EQ(w->currentPage(), 0);
  EXPECT_EQ(w->focusWidget(), w->edits[0]);

  // A page change made in code runs no handler; a click on a tab does.
  w->showPageSilently(1);
  EXPECT_EQ(w->computed, 1);
  w->pageControl()->setCurrentIndex(2);
  EXPECT_EQ(w->charts, 2);
}

TEST_F(FrameTest, FailedComputationShowsItsMessageOnTheInputPage) {
  struct Case {
    const char* what;
    std::function<void(FixtureTopic&)> fail;
    const char* message;
    int focus;  // the field that takes the focus
  };
  const Case cases[] = {
      {"calc failure", [](FixtureTopic&) { throw CalcFailure(msg::DivisionByZero); }, "Division durch Null", 0},
      // A refused input names its field, which takes the focus with its text selected.
      {"refused input", [](FixtureTopic&) { throw InputRejected("C"); }, "Unzulässige Eingabe", 2},
      {"refused, no field", [](FixtureTopic&) { throw InputRejected("", msg::Overflow); }, "overflow", 0},
      // Anything else shows the message of its family, not its own text.
      {"other exception", [](FixtureTopic&) { throw std::runtime_error("x"); }, "Unzulässiges Argument", 0},
  };
  for (const Case& c : cases) {
    errors_.clear();
    auto w = open();
    w->edits[0]->setText("1");
    w->edits[2]->setText("text c");
    w->onCompute = c.fail;
    w->okButton(0)->click();
    EXPECT_EQ(errors_, std::vector<QString>{c.message}) << c.what;
    EXPECT_EQ(w->currentPage(), 0) << c.what;
    EXPECT_EQ(w->focusWidget(), w->edits[c.focus]) << c.what;
    if (c.focus == 2) {
      EXPECT_EQ(w->edits[2]->selectedText(), "text c");
    }
  }
}

TEST_F(FrameTest, FailedComputationKeepsTheLastResultsUnlessItWroteSome) {
  auto w = open();
  w->edits[0]->setText("1");
  w->onCompute = [](FixtureTopic& t) { t.appendMemoLines({"last result"}); };
  w->okButton(0)->click();
  w->okButton(1)->click();
  w->onCompute = [](FixtureTopic&) { throw CalcFailure(msg::DivisionByZero); };
  w->okButton(0)->click();
  EXPECT_EQ(w->memoLines(), QStringList{"last result"});
  w->onCompute = [](FixtureTopic& t) {
    t.appendMemoLines({"partial"});
    throw CalcFailure(msg::DivisionByZero);
  };
  w->okButton(0)->click();
  EXPECT_EQ(w->memoLines(), QStringList{"partial"});
  EXPECT_EQ(errors_.size(), 2u);
}

TEST_F(FrameTest, MemoIsClearedPerComputationOrKeptAsARecord) {
  for (MemoPolicy policy : {MemoPolicy::ClearPerComputation, MemoPolicy::RunningRecord}) {
    TopicConfig c;
    c.memo = policy;
    auto w = open(c);
    w->edits[0]->setText("1");
    w->onCompute = [](FixtureTopic& t) { t.appendMemoLines({"line"}); };
    w->okButton(0)->click();
    w->okButton(1)->click();
    w->okButton(0)->click();
    EXPECT_EQ(w->memoLines().size(), policy == MemoPolicy::RunningRecord ? 2 : 1);
  }
}

// A topic with one caption-and-field row, placed from the left as every topic does.
class RowTopic : public TopicWindow {
public:
  RowTopic() : TopicWindow(nullptr, "TFProz") {
    caption = new QLabel(inputArea());
    edit = new QLineEdit(inputArea());
    fields().addField("a", edit, u'p');
    initTopic();
    setAttribute(Qt::WA_DeleteOnClose, false);
  }
  QLabel* caption;
  QLineEdit* edit;

protected:
  void layoutInputs() override {
    PlaceLabelEdit(caption, edit, ScalePixels(16), metrics().RowTop[1], ScalePixels(60), QStringLiteral("a = "));
  }
};

// In a right-to-left window the row reads from the right: its caption lies
// right of its field, the row starts at the right edge, the button bar stands
// on the left; through resizes, repeated layouts and back to left to right.
TEST_F(FrameTest, RightToLeftWindowsMirrorTheirInputRows) {
  RowTopic w;
  w.show();
  const int ltrMinimum = w.pageControl()->minimumWidth();
  const QRect ltrCaption = w.caption->geometry(), ltrEdit = w.edit->geometry();
  w.setLayoutDirection(Qt::RightToLeft);
  for (int extra : {0, 0, 120}) {
    w.resize(w.width() + extra, w.height());
    w.relayout();
    const int right = w.inputArea()->width() - ScalePixels(16);
    EXPECT_EQ(w.caption->geometry(), QRect(right - ltrCaption.width(), ltrCaption.y(), ltrCaption.width(),
                                           ltrCaption.height()));
    EXPECT_EQ(w.edit->geometry().right() + 1, w.caption->x());
    EXPECT_EQ(w.edit->width(), ltrEdit.width());
    EXPECT_TRUE(w.caption->alignment() & Qt::AlignRight);  // shown at its left, next to the field
    EXPECT_LT(w.legendBox(0)->x(), w.contentBox(0)->x());
    EXPECT_EQ(w.pageControl()->minimumWidth(), ltrMinimum);
  }
  w.setLayoutDirection(Qt::LeftToRight);
  w.resize(w.width() - 120, w.height());
  w.relayout();
  EXPECT_EQ(w.caption->geometry(), ltrCaption);
  EXPECT_EQ(w.edit->geometry(), ltrEdit);
  EXPECT_GT(w.legendBox(0)->x(), w.contentBox(0)->x());
}

// Right to left the results memo is mirrored with the window (its scroll bar
// on the left), while its lines of numbers and formulas still read from the
// left.
TEST_F(FrameTest, RightToLeftMemoHasItsScrollBarLeftAndItsLinesFromTheLeft) {
  RowTopic w;
  w.show();
  w.setLayoutDirection(Qt::RightToLeft);
  w.showPageSilently(1);
  w.relayout();
  QApplication::processEvents();
  QPlainTextEdit* memo = w.memo();
  memo->setPlainText(QStringLiteral("a = 3 + (4)"));
  QApplication::processEvents();
  const auto barCentre = [memo] {
    QScrollBar* bar = memo->verticalScrollBar();
    return bar->mapTo(memo, bar->rect().center()).x();
  };
  EXPECT_LT(barCentre(), memo->width() / 2);
  const QTextLayout* line = memo->document()->firstBlock().layout();
  ASSERT_GT(line->lineCount(), 0);
  EXPECT_EQ(line->textOption().textDirection(), Qt::LeftToRight);
  EXPECT_LT(line->lineAt(0).naturalTextRect().left(), 10);
  w.setLayoutDirection(Qt::LeftToRight);
  QApplication::processEvents();
  EXPECT_GT(barCentre(), memo->width() / 2);
}

TEST_F(FrameTest, ClickOnAButtonBarRestoresTheDefaultSizeUnlessMaximised) {
  auto w = open();
  const QSize standard = w->size();
  EXPECT_EQ(standard, QSize(600, 340));
  w->resize(350, 220);
  QTest::mouseClick(w->legendBox(0), Qt::LeftButton, {}, QPoint(20, 150));  // below the buttons
  EXPECT_EQ(w->size(), standard);
  w->showMaximized();
  const QSize maximised = w->size();
  QTest::mouseClick(w->legendBox(0), Qt::LeftButton, {}, QPoint(20, 150));
  EXPECT_EQ(w->size(), maximised);
}

TEST_F(FrameTest, LongMemosPrintOnSeveralPages) {
  const QString pdf = printToPdf("long.pdf");
  auto w = open();
  w->edits[0]->setText("1");
  w->onCompute = [](FixtureTopic& t) {
    QStringList lines;
    for (int i = 1; i <= 300; ++i) lines << QStringLiteral("line %1").arg(i);
    t.appendMemoLines(lines);
  };
  w->okButton(0)->click();
  w->cmdPrint();
  const QStringList printed = PdfText(pdf).split(u'\n');
  EXPECT_EQ(printed.value(0), QStringLiteral("Zahlwerk 10.0: ") + GetText(IProz, 0));
  EXPECT_EQ(printed.filter(QRegularExpression("^line \\d+$")).size(), 300);
  EXPECT_EQ(printed.value(300), "line 300");
  QFile f(pdf);
  ASSERT_TRUE(f.open(QIODevice::ReadOnly));
  EXPECT_GE(f.readAll().count("/Type /Page\n"), 2);
}

TEST_F(FrameTest, ActivationInTheMdiAreaFocusesOrRecomputesByPolicy) {
  struct Case {
    FocusPolicy policy;
    bool focusesFirst;  // activating the window on its input page focuses the first field
    bool recomputes;    // activating it on its results page computes again
  };
  const Case cases[] = {
      {FocusPolicy::OnShow, false, false},
      {FocusPolicy::None, false, false},
      {FocusPolicy::OnShowAndActivate, true, false},
      {FocusPolicy::RecomputeOnActivate, true, true},
  };
  for (const Case& c : cases) {
    const int policy = static_cast<int>(c.policy);
    QMdiArea area;
    area.resize(1200, 800);
    area.show();
    TopicConfig config;
    config.focus = c.policy;
    auto* w = new FixtureTopic(config);
    auto* other = new FixtureTopic(TopicConfig{});
    QMdiSubWindow* sub = area.addSubWindow(w);
    QMdiSubWindow* otherSub = area.addSubWindow(other);
    sub->show();
    otherSub->show();
    w->edits[0]->setText("1");

    area.setActiveSubWindow(sub);
    w->edits[1]->setFocus();
    area.setActiveSubWindow(otherSub);
    area.setActiveSubWindow(sub);
    EXPECT_EQ(w->focusWidget(), c.focusesFirst ? w->edits[0] : w->edits[1]) << policy;

    w->okButton(0)->click();
    ASSERT_EQ(w->computed, 1) << policy;
    area.setActiveSubWindow(otherSub);
    area.setActiveSubWindow(sub);
    EXPECT_EQ(w->computed, c.recomputes ? 2 : 1) << policy;

    // The main window regaining the activation (as after every message box)
    // activates no topic window, not even the active one.
    const int computed = w->computed;
    w->okButton(1)->click();
    w->edits[1]->setFocus();
    QEvent deactivate(QEvent::WindowDeactivate);
    QApplication::sendEvent(&area, &deactivate);
    QEvent activate(QEvent::WindowActivate);
    QApplication::sendEvent(&area, &activate);
    EXPECT_EQ(w->focusWidget(), w->edits[1]) << policy;
    EXPECT_EQ(other->computed, 0) << policy;
    EXPECT_EQ(w->computed, computed) << policy;
  }
}

TEST_F(FrameTest, TheMemoryFileNameIsTheTopicsAndLoadAndSaveCanBeReplaced) {
  // A topic that keeps its inputs in a CSV file of its own.
  class CsvTopic : public TopicWindow {
  public:
    explicit CsvTopic(TopicConfig c) : TopicWindow(nullptr, "TFProz", std::move(c)) { initTopic(); }
    QStringList loaded, saved;
    void loadInputs(const QString& f) override { loaded << f; }
    bool saveInputs(const QString& f, QString*) override {
      saved << f;
      return true;
    }
  };
  shellState().MemoryOption = true;
  TopicConfig c;
  c.memoryFileName = "memory.csv";
  auto w = std::make_unique<CsvTopic>(c);
  w->setAttribute(Qt::WA_DeleteOnClose, false);
  w->show();
  EXPECT_EQ(w->loaded, QStringList{file("memory.csv")});
  w->cmdLoad(file("DEMO.CSV"));
  w->close();
  EXPECT_EQ(w->loaded, (QStringList{file("memory.csv"), file("DEMO.CSV")}));
  EXPECT_EQ(w->saved, QStringList{file("memory.csv")});
  EXPECT_FALSE(QFile::exists(file("memory.dat")));
}

TEST_F(FrameTest, LongRunDrivesItsStepperInSlicesWithoutBlocking) {
  LongRun run;
  CountingStepper::Log log;
  ASSERT_TRUE(run.start(std::make_unique<CountingStepper>(log, 40, 2)));
  EXPECT_EQ(log.steps, 0);  // nothing runs inside start()
  EXPECT_TRUE(run.running());
  CountingStepper::Log second;
  EXPECT_FALSE(run.start(std::make_unique<CountingStepper>(second, 1)));  // refused while running
  ASSERT_TRUE(waitUntil([&] { return !run.running(); }));
  EXPECT_EQ(log.steps, 40);
  EXPECT_EQ(log.finishes, 1);
  EXPECT_EQ(log.end, Stepper::End::Finished);
  EXPECT_GE(run.slices(), 3);  // 80 ms of work in slices of about 15 ms
  EXPECT_EQ(second.steps, 0);
}

TEST_F(FrameTest, LongRunStopsAndFails) {
  LongRun run;
  CountingStepper::Log stopped;
  run.start(std::make_unique<CountingStepper>(stopped, 1000000, 1));
  ASSERT_TRUE(waitUntil([&] { return stopped.steps > 0; }));
  run.stop();
  const int at = stopped.steps;
  EXPECT_EQ(stopped.finishes, 1);
  EXPECT_EQ(stopped.end, Stepper::End::Stopped);
  QTest::qWait(50);
  EXPECT_EQ(stopped.steps, at);  // no step after the stop

  CountingStepper::Log failed;
  std::vector<int> ended;
  QObject::connect(&run, &LongRun::ended, [&](Stepper::End, int message) { ended.push_back(message); });
  ASSERT_TRUE(run.start(std::make_unique<CountingStepper>(failed, 100, 0, 5)));
  ASSERT_TRUE(waitUntil([&] { return !run.running(); }));
  EXPECT_EQ(failed.steps, 5);
  EXPECT_EQ(failed.end, Stepper::End::Failed);
  EXPECT_EQ(failed.message, msg::DivisionByZero);
  EXPECT_EQ(ended, std::vector<int>{msg::DivisionByZero});
}

TEST_F(FrameTest, WindowIgnoresOkDuringARunAndEscOrClosingStopsIt) {
  auto w = open();
  CountingStepper::Log log;
  int starts = 0;
  w->onCompute = [&](FixtureTopic& t) {
    if (t.startLongRun(std::make_unique<CountingStepper>(log, 1000000, 1))) ++starts;
  };
  w->edits[0]->setText("1");
  w->okButton(0)->click();
  ASSERT_TRUE(w->longRun().running());
  w->okButton(1)->click();  // no page change, no second run
  EXPECT_EQ(w->currentPage(), 1);
  w->pageControl()->setCurrentIndex(0);
  w->pageControl()->setCurrentIndex(1);
  EXPECT_EQ(starts, 1);

  w->escButton(1)->click();  // stops the run, keeps the window
  EXPECT_FALSE(w->longRun().running());
  EXPECT_EQ(log.end, Stepper::End::Stopped);
  EXPECT_TRUE(w->isVisible());

  w->okButton(1)->click();
  w->okButton(0)->click();
  ASSERT_TRUE(w->longRun().running());
  w->close();
  EXPECT_FALSE(w->longRun().running());
  EXPECT_EQ(log.finishes, 2);
}

TEST_F(FrameTest, FailedLongRunReportsLikeAFailedComputation) {
  auto w = open();
  CountingStepper::Log log;
  w->onCompute = [&](FixtureTopic& t) { t.startLongRun(std::make_unique<CountingStepper>(log, 100, 0, 3)); };
  w->edits[0]->setText("1");
  w->okButton(0)->click();
  ASSERT_TRUE(waitUntil([&] { return !w->longRun().running(); }));
  EXPECT_EQ(errors_, std::vector<QString>{"Division durch Null"});
  EXPECT_EQ(w->currentPage(), 0);
}

}  // namespace
}  // namespace zw
