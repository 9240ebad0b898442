// A monkey over every registered window: with fixed seeds it puts random and
// hostile texts into every field and grid cell, presses OK, changes pages,
// saves to a worksheet and loads it back comparing every key, sends New,
// Demo, snapshot and print-to-PDF, and closes and reopens the window. It
// counts escaped exceptions, keys a round trip changed (beyond the trimming
// of stored values) and actions over the time limit; a crash ends the program
// after the log named the window, seed and step.
//
// A short run per window by default; a longer one is a matter of the
// environment:
//   ZW_MONKEY_SEEDS=20 ZW_MONKEY_STEPS=400 ZW_MONKEY_WINDOW=TFKreis
//     build-asan/bin/test_windows --gtest_filter='Monkey*'
// ZW_MONKEY_SEEDS is a count (seeds 1 .. n) or a list ("7,12", or "7," for seed 7); ZW_MONKEY_WINDOW
// names one class or several ("TFKreis,TFXKreis"); ZW_MONKEY_SLOW_MS moves the
// time limit (1000 ms, three times that in a sanitized build).
#include <gtest/gtest.h>

#include <QAbstractButton>
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPrinter>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QTemporaryDir>
#include <QTimer>
#include <cstdio>
#include <functional>
#include <random>
#include <string>
#include <utility>

#include "kernel/KernelState.h"
#include "platform/folders/Folders.h"
#include "platform/ini/IniFile.h"
#include "shell/State.h"
#include "shell/commands/Commands.h"
#include "shell/kit/Grids.h"
#include "tests/windows/WindowVisit.h"
#include "topics/frame/LongRun.h"
#include "topics/frame/TopicWindow.h"

namespace zw {
namespace {

// The texts a user, a paste or a file could put into a field.
QString hostileText(std::mt19937& rng) {
  static const char* const kTexts[] = {
      "", " ", "abc", "x", "1e999", "-1e999", "1e-999", "-0", "0", "1", "-1", "2,5", "2.5", "1/0", "0/0",
      "sqrt(-1)", "ln(0)", "((((", "))))", "1+", "*", "12345678901234567890", "-12345678901234567890",
      "99999999999999999999999", "3,14159265358979323846", "1;2;3", "a[0]", "a[i-1]", "x^x^x^x", "1e308*10",
      "\x01\x02\x7f", "\t1", "1 2", "=", "%", "\xc3\xa4\xc3\xb6\xc3\xbc", "\xe2\x88\x9a" "2", "[Section]",
      "key=value", ";comment", "pi", "e", "-", "+-1", "0x1F", "1,2,3,4,5,6,7,8,9,10"};
  std::uniform_int_distribution<int> pick(0, int(std::size(kTexts)) + 2);
  const int i = pick(rng);
  if (i < int(std::size(kTexts))) return QString::fromUtf8(kTexts[i]);
  if (i == int(std::size(kTexts))) return QString(10000, u'9');
  if (i == int(std::size(kTexts)) + 1) return QStringLiteral("x+").repeated(2000) + u'x';
  // A random number of any size and sign.
  std::uniform_int_distribution<int> digits(1, 25), digit(0, 9), coin(0, 1);
  QString s = coin(rng) ? QStringLiteral("-") : QString();
  for (int k = digits(rng); k > 0; --k) s += QChar(u'0' + digit(rng));
  if (coin(rng)) s += QStringLiteral(",5");
  return s;
}

std::vector<unsigned> seedsFromEnvironment() {
  const QString text = qEnvironmentVariable("ZW_MONKEY_SEEDS", QStringLiteral("1"));
  std::vector<unsigned> seeds;
  if (!text.contains(u',')) {
    const unsigned n = std::max(1u, text.toUInt());
    for (unsigned s = 1; s <= n; ++s) seeds.push_back(s);
    return seeds;
  }
  for (const QString& s : text.split(u',', Qt::SkipEmptyParts)) seeds.push_back(s.trimmed().toUInt());
  return seeds;
}

int environmentNumber(const char* name, int fallback) {
  bool ok = false;
  const int v = qEnvironmentVariableIntValue(name, &ok);
  return ok && v > 0 ? v : fallback;
}

bool sanitized() {
#if defined(__SANITIZE_ADDRESS__)
  return true;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
  return true;
#else
  return false;
#endif
#else
  return false;
#endif
}

class MonkeyTest : public WindowTestBase {
protected:
  void SetUp() override {
    freshStart();
    slowMs_ = environmentNumber("ZW_MONKEY_SLOW_MS", sanitized() ? 3000 : 1000);
    watchdog_.setInterval(250);
    QObject::connect(&watchdog_, &QTimer::timeout, [this] {
      if (QWidget* modal = QApplication::activeModalWidget()) {
        modalSeen_ = modal->metaObject()->className();
        modal->close();
      }
    });
    watchdog_.start();
  }

  // Every window and seed starts from the same state: no memory file or
  // worksheet of an earlier run, the settings and kernel state as at start,
  // so that one window and seed alone repeats what a fault report names.
  void freshStart() {
    WindowTestBase::SetUp();
    boxes_.clear();
    QDir(dir_.path()).removeRecursively();
    QDir().mkpath(dir_.path());
    const QString pdf = joinPath(dir_.path(), QStringLiteral("monkey.pdf"));
    commandUi().printDialog = [pdf](QWidget*, QPrinter& printer) {
      printer.setOutputFormat(QPrinter::PdfFormat);
      printer.setOutputFileName(pdf);
      return true;
    };
    // No dialog waits for an answer: file choosers are cancelled, questions
    // answered No; any other modal dialog is a fault, closed by the watchdog.
    commandUi().openFile = [](QWidget*, const QString&, const QString&) { return QString(); };
    commandUi().saveFile = [](QWidget*, const QString&, const QString&) { return QString(); };
    commandUi().question = [](QWidget*, const QString&, const QString&) { return false; };
    commandUi().printerSetup = [](QWidget*, QPrinter&) { return false; };
  }

  struct Run {
    std::string window;
    unsigned seed = 0;
    int step = 0;
    std::string action;
  };

  void fault(const Run& run, const std::string& what) {
    faults_.push_back(run.window + " seed " + std::to_string(run.seed) + " step " + std::to_string(run.step) + " (" +
                      run.action + "): " + what);
  }

  // One action, timed, with whatever it throws caught and counted.
  void act(Run& run, const char* action, const std::function<void()>& f) {
    run.action = action;
    // Named before it runs, so a crash's log says where it happened.
    std::fprintf(stderr, "monkey: %s seed %u step %d %s\n", run.window.c_str(), run.seed, run.step, action);
    std::fflush(stderr);
    QElapsedTimer clock;
    clock.start();
    try {
      f();
    } catch (const std::exception& e) {
      fault(run, std::string("escaped exception: ") + e.what());
    } catch (...) {
      fault(run, "escaped exception of an unknown type");
    }
    const qint64 ms = clock.elapsed();
    if (ms > slowMs_) fault(run, "took " + std::to_string(ms) + " ms");
    if (ms > slowest_.first)
      slowest_ = {ms, run.window + " seed " + std::to_string(run.seed) + " step " + std::to_string(run.step) + " (" +
                          run.action + ")"};
    if (!modalSeen_.empty()) {
      fault(run, "a modal " + modalSeen_ + " waited for an answer");
      modalSeen_.clear();
    }
  }

  // A long run started by an action ends, or ESC stops it; the wait itself
  // keeps the event loop turning and is not one action.
  void finishRun(Run& run, TopicWindow& w) {
    QElapsedTimer clock;
    clock.start();
    while (w.longRun().running() && clock.elapsed() < 3000) QApplication::processEvents();
    if (w.longRun().running()) {
      act(run, "ESC", [&] {
        QKeyEvent esc(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier);
        QApplication::sendEvent(&w, &esc);
      });
      clock.restart();
      while (w.longRun().running() && clock.elapsed() < 2000) QApplication::processEvents();
      if (w.longRun().running()) fault(run, "ESC did not stop the run within 2 s");
    }
    settle();
  }

  // Every key of the window's section, values trimmed (the worksheet reader
  // trims what it reads).
  static QStringList storedKeys(TopicWindow& w, const QString& file) {
    QFile::remove(file);
    if (!w.saveInputs(file)) return {QStringLiteral("<not written>")};
    const IniFile ini(file);
    QStringList out;
    for (const QString& key : ini.keys(w.section())) out << key + u'=' + ini.readString(w.section(), key).trimmed();
    return out;
  }

  void roundTrip(Run& run, TopicWindow& w) {
    const QString first = joinPath(dir_.path(), QStringLiteral("first.dat"));
    const QString second = joinPath(dir_.path(), QStringLiteral("second.dat"));
    QStringList before, after;
    act(run, "save", [&] { before = storedKeys(w, first); });
    act(run, "load", [&] { w.cmdLoad(first); });
    finishRun(run, w);
    act(run, "save again", [&] { after = storedKeys(w, second); });
    if (before == after) return;
    for (const QString& k : before)
      if (!after.contains(k)) {
        fault(run, "a round trip changed " + k.left(80).toStdString());
        return;
      }
    fault(run, "a round trip added keys");
  }

  void monkeyTopic(Run& run, std::unique_ptr<TopicWindowBase>& owner, std::mt19937& rng, int steps) {
    std::uniform_int_distribution<int> actionOf(0, 99);
    const QString demo = QStringLiteral(ZW_SOURCE_DIR "/data/DEMO.DAT");
    for (run.step = 0; run.step < steps; ++run.step) {
      auto* w = asTopicWindow(owner.get());
      if (!w) return;
      const int a = actionOf(rng);
      if (a < 35) {
        // A field or a grid cell gets a hostile text.
        const auto& fields = w->fields().fields();
        const auto& grids = w->fields().grids();
        std::uniform_int_distribution<int> which(0, int(fields.size() + grids.size()) - 1);
        if (fields.empty() && grids.empty()) continue;
        const int i = which(rng);
        const QString text = hostileText(rng);
        if (i < int(fields.size())) {
          if (QLineEdit* e = fields[std::size_t(i)].edit) act(run, "type into a field", [&] { e->setText(text); });
        } else if (StringGrid* g = grids[std::size_t(i) - fields.size()].grid) {
          if (g->ColCount() < 2 || g->RowCount() < 2) continue;
          std::uniform_int_distribution<int> col(1, g->ColCount() - 1), row(1, g->RowCount() - 1);
          const int c = col(rng), r = row(rng);
          act(run, "type into a cell", [&] { g->setCells(c, r, text); });
        }
      } else if (a < 55) {
        act(run, "OK", [&] { w->okButton(std::max(0, w->currentPage()))->click(); });
        finishRun(run, *w);
      } else if (a < 65) {
        std::uniform_int_distribution<int> page(0, std::max(0, w->pageCount() - 1));
        const int p = page(rng);
        act(run, "change page", [&] {
          w->showPageSilently(p);
          w->pageChanged(p);
        });
        finishRun(run, *w);
      } else if (a < 72) {
        // A choice of the window: a radio button, a check box, a spinner.
        QList<QAbstractButton*> choices;
        for (auto* b : w->findChildren<QAbstractButton*>())
          if ((qobject_cast<QRadioButton*>(b) || qobject_cast<QCheckBox*>(b)) && b->isEnabled() && b->isVisibleTo(w))
            choices << b;
        QList<QSpinBox*> spins = w->findChildren<QSpinBox*>();
        if (!spins.isEmpty() && (choices.isEmpty() || actionOf(rng) < 30)) {
          QSpinBox* s = spins[std::uniform_int_distribution<int>(0, int(spins.size()) - 1)(rng)];
          const int v = std::uniform_int_distribution<int>(s->minimum(), s->maximum())(rng);
          act(run, "set a spinner", [&] { s->setValue(v); });
        } else if (!choices.isEmpty()) {
          QAbstractButton* b = choices[std::uniform_int_distribution<int>(0, int(choices.size()) - 1)(rng)];
          act(run, "click a choice", [&] { b->click(); });
        }
        finishRun(run, *w);
      } else if (a < 79) {
        roundTrip(run, *w);
      } else if (a < 83) {
        act(run, "New", [&] { deliverCommand(w, WM_NEWWORKSHEET, QString()); });
        finishRun(run, *w);
      } else if (a < 88) {
        act(run, "Demo", [&] { deliverCommand(w, WM_LOADWORKSHEET, demo); });
        finishRun(run, *w);
      } else if (a < 92) {
        act(run, "print", [&] { deliverCommand(w, WM_PRINTWORKSHEET); });
        finishRun(run, *w);
      } else if (a < 95) {
        act(run, "snapshot", [&] { deliverCommand(w, WM_SNAPSHOT); });
      } else if (a < 97) {
        act(run, "resize", [&] {
          w->resize(std::uniform_int_distribution<int>(50, 1400)(rng), std::uniform_int_distribution<int>(50, 1000)(rng));
          settle();
        });
      } else {
        // Closing keeps the inputs in the memory file; the new window reads them.
        act(run, "close and reopen", [&] {
          owner->close();
          settle();
          owner.reset();
          owner = openWindow(run.window);
        });
      }
    }
  }

  void monkeyCalculator(Run& run, TopicWindowBase& w, std::mt19937& rng, int steps) {
    static const char kKeys[] = "0123456789ABCDEF+-*/^=()#.,<~@xX";
    std::uniform_int_distribution<int> key(0, int(sizeof kKeys) - 2);
    for (run.step = 0; run.step < steps; ++run.step) {
      const char c = kKeys[key(rng)];
      act(run, "key", [&] {
        const int code = c == '<' ? Qt::Key_Backspace : int(QChar(c).toUpper().unicode());
        QKeyEvent press(QEvent::KeyPress, code, Qt::NoModifier, QString(QChar(c)));
        QApplication::sendEvent(QApplication::focusWidget() ? QApplication::focusWidget() : &w, &press);
      });
    }
  }

  int slowMs_ = 1000;
  QTimer watchdog_;
  std::string modalSeen_;
  std::vector<std::string> faults_;
  // How close the run came to the time limit, for the log.
  std::pair<qint64, std::string> slowest_{0, std::string()};
};

TEST_F(MonkeyTest, EveryWindowSurvivesRandomAndHostileActions) {
  const int steps = environmentNumber("ZW_MONKEY_STEPS", 25);
  const QStringList only = qEnvironmentVariable("ZW_MONKEY_WINDOW").split(u',', Qt::SkipEmptyParts);
  int visited = 0;
  for (const std::string& className : registeredTopicWindows()) {
    if (!only.isEmpty() && !only.contains(QString::fromStdString(className))) continue;
    for (unsigned seed : seedsFromEnvironment()) {
      freshStart();
      Run run{className, seed, 0, std::string()};
      // One stream per window and seed, so a fault is found again with that
      // window alone.
      std::seed_seq seq{seed, unsigned(std::hash<std::string>{}(className))};
      std::mt19937 rng(seq);
      std::unique_ptr<TopicWindowBase> w;
      act(run, "open", [&] { w = openWindow(className); });
      if (!w) {
        fault(run, "did not open");
        continue;
      }
      ++visited;
      if (asTopicWindow(w.get()))
        monkeyTopic(run, w, rng, steps);
      else
        monkeyCalculator(run, *w, rng, steps);
      act(run, "close", [&] {
        if (w) w->close();
        settle();
        w.reset();
      });
    }
  }
  EXPECT_GT(visited, 0);
  std::printf("monkey: %d window runs of %d steps; slowest action %lld ms: %s\n", visited, steps,
              static_cast<long long>(slowest_.first), slowest_.second.c_str());
  std::string report;
  for (const std::string& f : faults_) report += "  " + f + "\n";
  EXPECT_TRUE(faults_.empty()) << faults_.size()
                               << " faults (ZW_MONKEY_WINDOW=<window> ZW_MONKEY_SEEDS=<seed>, (a list of one) repeats one):\n" << report;
}

}  // namespace
}  // namespace zw
