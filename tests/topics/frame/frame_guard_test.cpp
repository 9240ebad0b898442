// Every entry from the event loop into a topic window runs through the one
// guard: a topic double that throws at each entry in turn never ends the
// program, its failure is shown once, the window stays usable and no file is
// left half written. Also: kernel messages after compute(), the topic's own
// input check, and the notice when inputs cannot be kept.
#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QGroupBox>
#include <QLineEdit>
#include <QDir>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMouseEvent>
#include <QPushButton>
#include <QTabWidget>
#include <QTimer>
#include <cerrno>
#include <cstring>
#include <functional>
#include <memory>
#include <stdexcept>

#include "common/AtomicFile.h"
#include "kernel/CalcFailure.h"
#include "kernel/Poly.h"
#include "platform/folders/Folders.h"
#include "platform/ini/IniFile.h"
#include "shell/KernelMessages.h"
#include "shell/State.h"
#include "shell/catalogue/TopicRegistry.h"
#include "topics/frame/TopicRegistration.h"
#include "shell/commands/Commands.h"
#include "shell/mainwindow/MainWindow.h"
#include "tests/topics/TopicTestBase.h"
#include "topics/frame/InputRejected.h"
#include "topics/frame/LongRun.h"
#include "topics/frame/TopicPrinting.h"
#include "topics/frame/TopicWindow.h"

namespace zw {
namespace {

// Where the double throws; empty: nowhere.
QString g_throwIn;
// What it throws: a CalcFailure (message 24) or another exception.
bool g_calcFailure = false;

void maybeThrow(const char* entry) {
  if (g_throwIn != QLatin1String(entry)) return;
  if (g_calcFailure) throw CalcFailure(msg::DivisionByZero);
  throw std::runtime_error(std::string("broken ") + entry);
}

class ThrowingPicture : public TopicPicture {
public:
  void copyToClipboard(bool) override { maybeThrow("snapshot"); }
  void print(QPainter&, QPagedPaintDevice&, PrintCursor&) override { maybeThrow("print"); }
};

// A topic with two fields; each of its hooks throws when asked to.
class ThrowingTopic : public TopicWindow {
public:
  static constexpr std::string_view ClassName = "TFFPlot1";  // a class that handles every command
  explicit ThrowingTopic(QWidget* owner = nullptr) : TopicWindow(owner, ClassName) {
    maybeThrow("creation");
    a = new QLineEdit(inputArea());
    b = new QLineEdit(inputArea());
    fields().addField("a", a, u'p');
    fields().addField("b", b, u'P');
    // A value saved after the fields: throwing there fails the save midway.
    fields().addText("note", [] { maybeThrow("save"); return QStringLiteral("n"); }, [](const QString&) {});
    initTopic();
  }
  QLineEdit* a = nullptr;
  QLineEdit* b = nullptr;
  int computed = 0;
  int layouts = 0;
  bool inCompute = false;
  std::function<void()> onCompute;
  QTimer timer;
  using TopicWindow::rejectInput;
  using TopicWindow::startLongRun;

protected:
  void layoutInputs() override {
    ++layouts;
    maybeThrow("layout");
    a->setGeometry(10, 10, 100, 20);
    b->setGeometry(10, 40, 100, 20);
  }
  void compute() override {
    ++computed;
    inCompute = true;
    struct Done {
      bool& flag;
      ~Done() { flag = false; }
    } done{inCompute};
    if (onCompute) onCompute();
    maybeThrow("compute");
    setMemoLines({QStringLiteral("done")});
  }
  void afterLoad() override { maybeThrow("load"); }
  void legendClicked(int index) override {
    maybeThrow("legend");
    TopicWindow::legendClicked(index);
  }
  TopicPicture* picture() override { return &picture_; }

private:
  ThrowingPicture picture_;
};

class ThrowingStepper : public Stepper {
public:
  bool step() override {
    maybeThrow("step");
    return ++steps_ < 3;
  }
  void finish(End, int) override {}

private:
  int steps_ = 0;
};

class FrameGuardTest : public TopicTestBase {
protected:
  void SetUp() override {
    TopicTestBase::SetUp();
    shellState().MemoryOption = false;
    g_throwIn.clear();
    g_calcFailure = false;
    commandUi().information = [this](QWidget*, const QString& text) { infos_.push_back(text); };
  }
  void TearDown() override {
    g_throwIn.clear();
    TopicTestBase::TearDown();
  }
  std::unique_ptr<ThrowingTopic> open() {
    auto w = std::make_unique<ThrowingTopic>();
    w->setAttribute(Qt::WA_DeleteOnClose, false);
    w->show();
    return w;
  }
  // The window still computes after the failure.
  void expectUsable(ThrowingTopic& w, const char* entry) {
    g_throwIn.clear();
    w.showPageSilently(0);
    w.a->setText("1");
    const int before = w.computed;
    w.okButton(0)->click();
    EXPECT_EQ(w.computed, before + 1) << entry;
    EXPECT_EQ(w.memoLines(), QStringList{"done"}) << entry;
  }
  std::vector<QString> infos_;
};

TEST_F(FrameGuardTest, EveryEntryShowsTheFailureAndTheWindowStaysUsable) {
  const QString sheet = file("sheet.dat");
  struct Case {
    const char* entry;
    std::function<void(ThrowingTopic&)> run;
  };
  const Case cases[] = {
      {"layout", [](ThrowingTopic& w) { w.resize(w.width() + 30, w.height() + 10); }},
      {"compute", [](ThrowingTopic& w) { w.a->setText("1"), w.okButton(0)->click(); }},
      {"compute", [](ThrowingTopic& w) { w.a->setText("1"), w.pageControl()->setCurrentIndex(1); }},
      {"load", [&](ThrowingTopic& w) { deliverCommand(&w, WM_LOADWORKSHEET, sheet); }},
      {"save", [&](ThrowingTopic& w) { deliverCommand(&w, WM_SAVEWORKSHEET, sheet); }},
      {"print", [](ThrowingTopic& w) { deliverCommand(&w, WM_PRINTWORKSHEET); }},
      {"snapshot", [](ThrowingTopic& w) { deliverCommand(&w, WM_SNAPSHOT); }},
      {"legend",
       [](ThrowingTopic& w) {
         QMouseEvent release(QEvent::MouseButtonRelease, QPointF(2, 2), QPointF(2, 2), Qt::LeftButton, Qt::NoButton,
                             Qt::NoModifier);
         QApplication::sendEvent(w.legendBox(0), &release);
       }},
      {"timer",
       [](ThrowingTopic& w) {
         QObject::connect(&w.timer, &QTimer::timeout, &w, w.guardedSlot([] { maybeThrow("timer"); }));
         w.timer.setSingleShot(true);
         w.timer.start(0);
         QApplication::processEvents();
       }},
      {"step",
       [](ThrowingTopic& w) {
         ASSERT_TRUE(w.startLongRun(std::make_unique<ThrowingStepper>()));
         for (int i = 0; i < 20 && w.longRun().running(); ++i) QApplication::processEvents();
         EXPECT_FALSE(w.longRun().running());
       }},
  };
  for (bool calc : {false, true}) {
    for (const Case& c : cases) {
      SCOPED_TRACE(std::string(c.entry) + (calc ? " (CalcFailure)" : " (other)"));
      {
        IniFile ini(sheet);
        ini.writeString("fplot1", "a", "7");
        ASSERT_TRUE(ini.save());
      }
      const QByteArray sheetBefore = [&] {
        QFile f(sheet);
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
      }();
      const QString pdf = printToPdf(QStringLiteral("out.pdf"));
      QFile::remove(pdf);
      auto w = open();
      errors_.clear();
      g_calcFailure = calc;
      g_throwIn = QString::fromLatin1(c.entry);
      c.run(*w);
      g_throwIn.clear();
      // Other exceptions show the general message, not their own text.
      const QString expected = calc ? QStringLiteral("Division durch Null") : QStringLiteral("Unzulässiges Argument");
      ASSERT_EQ(errors_.size(), 1u);
      EXPECT_EQ(errors_[0], expected);
      // A failure brings the inputs back.
      if (QString::fromLatin1(c.entry) == QLatin1String("compute")) {
        EXPECT_EQ(w->currentPage(), 0);
      }
      // Nothing half written: the worksheet as it was, no unfinished printout.
      QFile f(sheet);
      ASSERT_TRUE(f.open(QIODevice::ReadOnly));
      EXPECT_EQ(f.readAll(), sheetBefore);
      EXPECT_FALSE(QFile::exists(pdf));
      expectUsable(*w, c.entry);
    }
  }
}

TEST_F(FrameGuardTest, LayoutRunsAgainAfterItFailed) {
  auto w = open();
  g_throwIn = QStringLiteral("layout");
  w->resize(w->width() + 20, w->height());
  g_throwIn.clear();
  const int before = w->layouts;
  w->resize(w->width() + 20, w->height());
  EXPECT_GT(w->layouts, before);
  EXPECT_EQ(w->a->geometry(), QRect(10, 10, 100, 20));
}

TEST_F(FrameGuardTest, ClosingSavesNothingHalfAndStillCloses) {
  shellState().MemoryOption = true;
  const QString memory = file("memory.dat");
  {
    IniFile ini(memory);
    ini.writeString("fplot1", "a", "5");
    ASSERT_TRUE(ini.save());
  }
  auto w = open();
  w->a->setText("9");
  g_throwIn = QStringLiteral("save");
  EXPECT_TRUE(w->close());
  EXPECT_EQ(errors_, std::vector<QString>{GetMessageText(msg::ImproperArgument)});
  EXPECT_EQ(IniFile(memory).readString("fplot1", "a"), "5");
}

TEST_F(FrameGuardTest, CreationThatFailsOpensNoWindow) {
  shellState().Zoom = 100;
  shellState().MaxOption = true;
  RegisterTopicWindow<ThrowingTopic>();
  TFMenu menu;
  menu.setQuitQuestion([] { return true; });
  g_throwIn = QStringLiteral("creation");
  EXPECT_EQ(menu.openTopic("MFplot1"), nullptr);
  EXPECT_EQ(errors_, std::vector<QString>{GetMessageText(msg::ImproperArgument)});
  EXPECT_TRUE(menu.topicWindows().empty());
  // The menu action as the user meets it: the same, and the next one works.
  errors_.clear();
  menu.menuItem("MFplot1")->trigger();
  EXPECT_EQ(errors_.size(), 1u);
  g_throwIn.clear();
  TopicWindowBase* opened = menu.openTopic("MFplot1");
  ASSERT_NE(opened, nullptr);
  menu.mdiArea()->setActiveSubWindow(menu.mdiArea()->subWindowList().front());
  ASSERT_EQ(menu.activeTopicWindow(), opened);
  // A main-window command on it that fails is shown as well.
  commandUi().openFile = [this](QWidget*, const QString&, const QString&) { return file("sheet.dat"); };
  errors_.clear();
  g_throwIn = QStringLiteral("load");
  RunMainCommand(menu, MainCommand::Load);
  EXPECT_EQ(errors_, std::vector<QString>{GetMessageText(msg::ImproperArgument)});
  g_throwIn.clear();
  menu.closeAllTopicWindows();
  unregisterTopicFactory(ThrowingTopic::ClassName);
}

// The kernel's messages raised in compute() show after it returned, in
// order, once; none opens while computing.
TEST_F(FrameGuardTest, KernelMessagesShowAfterCompute) {
  InstallKernelMessageSinks();
  TakeKernelMessages();
  auto w = open();
  bool boxInCompute = false;
  commandUi().information = [&](QWidget*, const QString& text) {
    boxInCompute = boxInCompute || w->inCompute;
    infos_.push_back(text);
  };
  w->onCompute = [&w] {
    TPoly p{}, q{}, r{};
    p[30] = TBruch{1, 1};
    q[30] = TBruch{1, 1};
    PolyMul(p, q, r);  // refused: message 21
    // A layout the computation sets off (guarded itself) shows nothing yet.
    w->resize(w->width() + 10, w->height());
    throw CalcFailure(msg::DivisionByZero);
  };
  w->a->setText("1");
  w->okButton(0)->click();
  EXPECT_FALSE(boxInCompute);
  EXPECT_EQ(infos_, std::vector<QString>{GetMessageText(21)});
  EXPECT_EQ(errors_, std::vector<QString>{GetMessageText(24)});
  // Shown once: the next computation brings no old message back.
  infos_.clear();
  errors_.clear();
  w->onCompute = nullptr;
  w->showPageSilently(0);
  w->okButton(0)->click();
  EXPECT_TRUE(infos_.empty());
  EXPECT_EQ(w->memoLines(), QStringList{"done"});
}

// A step that refuses an input.
class RefusingStepper : public Stepper {
public:
  bool step() override { throw InputRejected("b"); }
  void finish(End end, int message) override {
    ended = end;
    endMessage = message;
  }
  static inline End ended = End::Finished;
  static inline int endMessage = 0;
};

// An input refused at any entry (OK, a control of the topic, a step of a
// long run) shows its message once, on the input page, with the caret in the
// field it names.
TEST_F(FrameGuardTest, RefusedInputFocusesItsFieldAtEveryEntry) {
  struct Case {
    const char* entry;
    std::function<void(ThrowingTopic&)> run;
  };
  const Case cases[] = {
      {"compute", [](ThrowingTopic& w) {
         w.onCompute = [] { throw InputRejected("b"); };
         w.okButton(0)->click();
       }},
      {"slot", [](ThrowingTopic& w) {
         QObject::connect(&w.timer, &QTimer::timeout, &w, w.guardedSlot([] { throw InputRejected("B"); }));
         w.timer.setSingleShot(true);
         w.timer.start(0);
         QApplication::processEvents();
       }},
      {"step", [](ThrowingTopic& w) {
         w.pageControl()->setCurrentIndex(1);
         ASSERT_TRUE(w.startLongRun(std::make_unique<RefusingStepper>()));
         for (int i = 0; i < 20 && w.longRun().running(); ++i) QApplication::processEvents();
         EXPECT_EQ(RefusingStepper::ended, Stepper::End::Failed);
         EXPECT_EQ(RefusingStepper::endMessage, msg::InvalidInput);
       }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.entry);
    auto w = open();
    errors_.clear();
    w->a->setText("1");
    w->b->setText("2");
    c.run(*w);
    EXPECT_EQ(errors_, std::vector<QString>{GetMessageText(22)});
    EXPECT_EQ(w->currentPage(), 0);
    EXPECT_EQ(w->focusWidget(), w->b);
    EXPECT_EQ(w->b->selectedText(), "2");
  }
}

// A topic's own check: one call shows the message and puts the caret into
// the bad field, on the input page.
TEST_F(FrameGuardTest, RejectInputShowsTheMessageAndFocusesTheField) {
  auto w = open();
  w->a->setText("1");
  w->b->setText("12345");
  w->okButton(0)->click();
  ASSERT_EQ(w->currentPage(), 1);
  EXPECT_FALSE(w->rejectInput(w->b));
  EXPECT_EQ(errors_, std::vector<QString>{GetMessageText(22)});
  EXPECT_EQ(w->currentPage(), 0);
  EXPECT_EQ(w->focusWidget(), w->b);
  EXPECT_EQ(w->b->selectedText(), "12345");
}

// A data folder that cannot be created: the first window that closes says
// that its inputs cannot be kept, naming the folder; later ones say nothing.
TEST_F(FrameGuardTest, InputsThatCannotBeKeptAreReportedOnce) {
  QFile blocker(file("blocker"));
  ASSERT_TRUE(blocker.open(QIODevice::WriteOnly));  // a file where a folder should be
  blocker.close();
  shellState().DataFolder = withSeparator(joinPath(file("blocker"), "data"));
  shellState().MemoryOption = true;
  resetInputsNotKeptNotice();
  for (int i = 0; i < 2; ++i) {
    auto w = open();
    w->close();
  }
  ASSERT_EQ(infos_.size(), 1u);
  EXPECT_TRUE(infos_[0].startsWith(GetText(IDatei, 23)));
  EXPECT_TRUE(infos_[0].contains(QDir::toNativeSeparators(shellState().DataFolder)));
  resetInputsNotKeptNotice();
}

QByteArray fileBytes(const QString& path) {
  QFile f(path);
  return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

// A Save that fails (here a full disk) names the file in the user's language
// with the system's reason; the worksheet on disk and the fields on screen
// stay as they were, and the same Save goes through once the disk has room.
TEST_F(FrameGuardTest, AFailedSaveIsShownAndChangesNothing) {
  const QString sheet = file("sheet.dat");
  {
    IniFile ini(sheet);
    ini.writeString("fplot1", "a", "7");
    ini.writeString("other", "x", "1");
    ASSERT_TRUE(ini.save());
  }
  const QByteArray before = fileBytes(sheet);
  auto w = open();
  w->a->setText("12");
  w->b->setText("34");
  struct Case {
    int language;
    const char* text;
  };
  const Case cases[] = {{0, "Die Datei konnte nicht geschrieben werden: "},
                        {1, "The file could not be written: "},
                        {2, "Le fichier n'a pas pu être écrit: "}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.language);
    shellState().LanguageKind = c.language;
    errors_.clear();
    {
      ScopedWriteFault full({WriteStage::Write, 1, ENOSPC});
      deliverCommand(w.get(), WM_SAVEWORKSHEET, sheet);
    }
    EXPECT_EQ(errors_, std::vector<QString>{QString::fromUtf8(c.text) + QDir::toNativeSeparators(sheet) + u'\n' +
                                            QString::fromLocal8Bit(std::strerror(ENOSPC))});
    EXPECT_EQ(fileBytes(sheet), before);
    EXPECT_EQ(w->a->text(), "12");
    EXPECT_EQ(w->b->text(), "34");
  }
  errors_.clear();
  deliverCommand(w.get(), WM_SAVEWORKSHEET, sheet);
  EXPECT_TRUE(errors_.empty());
  EXPECT_EQ(IniFile(sheet).readString("fplot1", "a"), "12");
  EXPECT_EQ(IniFile(sheet).readString("other", "x"), "1");
}

// A memory file that cannot be written (a folder, read-only, a full disk):
// the first window that closes says that its inputs are not kept, naming
// the file; later ones close without a word; nothing on disk changes.
TEST_F(FrameGuardTest, AMemoryFileThatCannotBeWrittenIsReportedOnceAndTheWindowsClose) {
  shellState().MemoryOption = true;
  const QString memory = file("memory.dat");
  struct Case {
    const char* name;
    std::function<void()> spoil;
    WriteFault fault;
  };
  const Case cases[] = {
      {"a folder", [&] { ASSERT_TRUE(QDir().mkdir(memory)); }, {}},
      {"read-only",
       [&] {
         ASSERT_TRUE(iniWriteString(memory, "fplot1", "a", "5"));
         ASSERT_TRUE(QFile::setPermissions(memory, QFileDevice::ReadOwner | QFileDevice::ReadGroup));
       },
       {}},
      {"a full disk", [&] { ASSERT_TRUE(iniWriteString(memory, "fplot1", "a", "5")); }, {WriteStage::Sync, 1, ENOSPC}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    c.spoil();
    const QByteArray before = fileBytes(memory);
    infos_.clear();
    resetInputsNotKeptNotice();
    for (int i = 0; i < 2; ++i) {
      auto w = open();
      w->a->setText("9");
      ScopedWriteFault fault(c.fault);
      EXPECT_TRUE(w->close());
      EXPECT_FALSE(w->isVisible());
    }
    ASSERT_EQ(infos_.size(), 1u);
    EXPECT_TRUE(infos_[0].startsWith(GetText(IDatei, 26) + QStringLiteral(":\n") + QDir::toNativeSeparators(memory)))
        << infos_[0].toStdString();
    EXPECT_EQ(fileBytes(memory), before);
    QFile::setPermissions(memory, QFileDevice::ReadOwner | QFileDevice::WriteOwner);
    QFile::remove(memory);
    QDir().rmdir(memory);
  }
  resetInputsNotKeptNotice();
}

}  // namespace
}  // namespace zw

namespace zw {
namespace {

// Whatever a topic puts into its input area (a radio group, a panel, a
// chart) counts for the minimum size: nothing is clipped.
TEST_F(FrameGuardTest, MinimumSizeCountsEveryChildOfTheInputArea) {
  auto w = open();
  auto* group = new QWidget(w->inputArea());
  group->setGeometry(400, 300, 120, 80);
  group->show();
  w->resize(200, 150);
  w->relayout();
  const QRect used(group->mapTo(w->page(0), QPoint(0, 0)), group->size());
  EXPECT_LE(used.right(), w->page(0)->width());
  EXPECT_LE(used.bottom(), w->page(0)->height());
  EXPECT_GE(w->pageControl()->minimumWidth(), used.right() + 1);
}

}  // namespace
}  // namespace zw

namespace zw {
namespace {

// Loading the memory file at creation is guarded too: the window opens and works.
TEST_F(FrameGuardTest, MemoryFileThatFailsToLoadStillOpensTheWindow) {
  shellState().MemoryOption = true;
  {
    IniFile ini(file("memory.dat"));
    ini.writeString("fplot1", "a", "3");
    ASSERT_TRUE(ini.save());
  }
  g_throwIn = QStringLiteral("load");
  auto w = open();
  g_throwIn.clear();
  EXPECT_EQ(errors_, std::vector<QString>{GetMessageText(msg::ImproperArgument)});
  EXPECT_EQ(w->a->text(), "3");
  expectUsable(*w, "creation with memory");
  shellState().MemoryOption = false;
}

}  // namespace
}  // namespace zw
