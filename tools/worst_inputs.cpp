// Opens every registered topic window offscreen, fills each input with the
// worst text it accepts (the longest term a field takes, the largest counts
// and numbers), presses OK and measures what a user would feel: the longest
// single block of the event loop, and, when a run is still going after a
// while, whether ESC stops it and how soon. Prints a Markdown table (the one
// in the README's "Reliability" section).
//
//   worst_inputs [--run-ms N] [--only CLASS]
//
// --run-ms: how long a run may go before ESC (default 2000); --only: one
// window class. ZW_WORST_DEBUG=1 lists every input tried on standard error.
//
// The worst input is found by trying: every input starts with the first of
// its candidates (a term of 32,767 characters, then a 15-digit number, then
// smaller values); when the window refuses one (its error box puts the focus
// on the field), that input goes on to its next candidate and the window is
// tried again. Choices (an integer key with at most eight values: a task, a
// mode) give a row each; counts take their largest value. A window joins by
// being registered; where its worst input needs more than this search finds,
// add it to Specials() below.
//
// Exit status 1 when a block exceeds 200 ms or ESC did not stop a run within
// 200 ms; CI builds the tool, a developer runs it (it takes a few minutes).
#include <QAbstractButton>
#include <QApplication>
#include <QElapsedTimer>
#include <QKeyEvent>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <map>
#include <memory>
#include <vector>

#include "platform/folders/Folders.h"
#include "shell/KernelMessages.h"
#include "shell/Metrics.h"
#include "shell/State.h"
#include "shell/catalogue/TopicRegistry.h"
#include "shell/commands/Commands.h"
#include "shell/texts/Texts.h"
#include "kernel/CalcFailure.h"
#include "shell/kit/Grids.h"
#include "topics/AllTopics.h"
#include "topics/frame/FieldRegistry.h"
#include "topics/frame/LongRun.h"
#include "topics/frame/TopicWindow.h"

namespace zw {
namespace {

constexpr int kLimitMs = 200;     // the target for a block and for ESC
constexpr int kMaxLineEdit = 32767;  // what a line edit takes

// A term of the longest length a field takes, of `unit` repeated.
QString Longest(const QString& unit, const QString& end) {
  QString t;
  while (t.size() + unit.size() + end.size() <= kMaxLineEdit) t += unit;
  return t + end;
}

// The candidates, worst first: terms for a field that reads a term (a
// sequence's recursion, a term in x and y), then numbers.
// The last candidate of a field is the empty text: a quantity not given
// (windows that take two of several quantities).
QStringList TextCandidates() {
  return {Longest(QStringLiteral("a[i-1]/2+"), QStringLiteral("1")),
          Longest(QStringLiteral("sin(x)*cos(y)+"), QStringLiteral("1")),
          QStringLiteral("999999999999999"),
          QStringLiteral("10000"),
          QStringLiteral("100"),
          QStringLiteral("1"),
          QString()};
}
QStringList NumberCandidates() {
  return {QStringLiteral("999999999999999"), QStringLiteral("10000"), QStringLiteral("100"), QStringLiteral("1"),
          QString()};
}
QStringList CellCandidates() {
  return {QStringLiteral("2147483647"), QStringLiteral("99999"), QStringLiteral("7"), QStringLiteral("1")};
}

// Inputs that the search would not find worst by itself: window, key, text.
struct Special {
  const char* window;
  const char* key;
  QString text;
};
std::vector<Special> Specials() {
  return {
      // The widest intervals: every number from 1 up.
      {"TFPrim", "a", QStringLiteral("1")},
      {"TFPrim", "b", QStringLiteral("999999999999999")},
      {"TFPrimtup", "a", QStringLiteral("1")},
      {"TFPrimtup", "b", QStringLiteral("999999999999999")},
      // The operands of the most digits a big number holds.
      {"TFBigInt", "a", QStringLiteral("9").repeated(10000)},
      {"TFBigInt", "b", QStringLiteral("7").repeated(9999)},
      // The interval mode of the factorisation: every number up to 10^17.
      {"TFPrimFz", "n1", QStringLiteral("1")},
      {"TFPrimFz", "n2", QStringLiteral("100000000000000000")},
      {"TFPrimFz", "n3", QStringLiteral("1")},
      // A surface of the longest term with u in every place, over a range
      // the z values leave (clipped), on 99 lines.
      {"TFPlot3d", "f(x,y)", Longest(QStringLiteral("sin(x)*u+"), QStringLiteral("1"))},
      {"TFPlot3d", "u(x,y)", QStringLiteral("cos(y)+x*y")},
      {"TFPlot3d", "x1", QStringLiteral("-10")},
      {"TFPlot3d", "x2", QStringLiteral("10")},
      {"TFPlot3d", "y1", QStringLiteral("-10")},
      {"TFPlot3d", "y2", QStringLiteral("10")},
      {"TFPlot3d", "z1", QStringLiteral("-1")},
      {"TFPlot3d", "z2", QStringLiteral("1")},
      // The term whose derivative takes the symbolic library longest.
      {"TFIter", "fkt", Longest(QStringLiteral("x*"), QStringLiteral("x"))},
      {"TFIter", "x0", QStringLiteral("1")},
      // Twelve curves that refer to a term of the longest length: its
      // derivatives, and each curve the one before it.
      {"TFFPlot1", "f1", Longest(QStringLiteral("sin(x)*cos(x)+"), QStringLiteral("x"))},
      {"TFFPlot1", "f2", QStringLiteral("y1'")},
      {"TFFPlot1", "f3", QStringLiteral("y1\"")},
      {"TFFPlot1", "f4", QStringLiteral("y1+1")},
      {"TFFPlot1", "f5", QStringLiteral("y4+1")},
      {"TFFPlot1", "f6", QStringLiteral("y5+1")},
      {"TFFPlot1", "f7", QStringLiteral("y6+1")},
      {"TFFPlot1", "f8", QStringLiteral("y7+1")},
      {"TFFPlot1", "f9", QStringLiteral("y8+1")},
      {"TFFPlot1", "f10", QStringLiteral("y9+1")},
      {"TFFPlot1", "f11", QStringLiteral("y10+1")},
      {"TFFPlot1", "f12", QStringLiteral("f11(x/2)")},
      // The most members (29) of a term of the longest length.
      {"TFSchar", "fkt", Longest(QStringLiteral("k*sin(x)*cos(x)+"), QStringLiteral("k"))},
      {"TFSchar", "k_min", QStringLiteral("-14")},
      {"TFSchar", "k_max", QStringLiteral("14")},
      {"TFSchar", "k_step", QStringLiteral("1")},
  };
}

// One input the search fills: a field, a grid (all its cells) or a text key.
struct Slot {
  QString key;
  QWidget* widget = nullptr;  // where a refusal puts the focus (null: unknown)
  std::function<void(const QString&)> set;
  QStringList candidates;
  int at = 0;
  QString text() const { return candidates.value(at); }
};

struct Row {
  QString window;
  QString inputs;
  QString outcome;
  qint64 blockMs = 0;
  qint64 escMs = -1;  // -1: the run ended before ESC was needed
  bool escFailed = false;
};

// The longest time between two turns of the event loop while it runs.
class BlockProbe : public QObject {
public:
  BlockProbe() {
    timer_.setInterval(0);
    connect(&timer_, &QTimer::timeout, this, [this] { tick(); });
  }
  void start() {
    clock_.start();
    last_ = 0;
    longest_ = 0;
    timer_.start();
  }
  void stop() { timer_.stop(); }
  void count(qint64 ms) { longest_ = std::max(longest_, ms); }
  qint64 longest() const { return longest_; }

private:
  void tick() {
    const qint64 now = clock_.elapsed();
    longest_ = std::max(longest_, now - last_);
    last_ = now;
  }
  QTimer timer_;
  QElapsedTimer clock_;
  qint64 last_ = 0, longest_ = 0;
};

QString Shown(const QString& text) {
  if (text.size() <= 24) return text.isEmpty() ? QStringLiteral("(empty)") : text;
  return text.left(12) + QStringLiteral("… (") + QString::number(text.size()) + QStringLiteral(" characters)");
}

std::unique_ptr<TopicWindow> Open(std::string_view className) {
  std::unique_ptr<TopicWindowBase> base(createTopicWindow(className, nullptr));
  auto* w = dynamic_cast<TopicWindow*>(base.get());
  if (!w) return nullptr;
  base.release();
  w->setAttribute(Qt::WA_DeleteOnClose, false);
  w->show();
  QApplication::processEvents();
  return std::unique_ptr<TopicWindow>(w);
}

// The inputs of a window as items (fields, grids, text keys); the choices
// (small integer ranges) and counts are returned apart.
struct Inputs {
  std::vector<Slot> items;
  std::vector<const ExtraKey*> choices, counts;
};

Inputs InputsOf(TopicWindow& w, const QString& className) {
  Inputs in;
  const FieldRegistry& r = w.fields();
  const auto special = [&](const QString& key) -> QString {
    for (const Special& s : Specials())
      if (className == QLatin1String(s.window) && key == QLatin1String(s.key)) return s.text;
    return {};
  };
  for (const InputField& f : r.fields()) {
    if (!f.edit) continue;
    QLineEdit* e = f.edit;
    Slot s{f.key, e, [e](const QString& t) { e->setText(t); }, f.kind == 0 ? TextCandidates() : NumberCandidates()};
    if (const QString t = special(f.key); !t.isEmpty()) s.candidates = QStringList{t};
    in.items.push_back(std::move(s));
  }
  for (const GridBinding& g : r.grids()) {
    if (!g.grid || !g.cellKey) continue;
    StringGrid* grid = g.grid;
    const auto cellKey = g.cellKey;
    // A cell named in Specials() takes its own text, every other cell the candidate.
    std::map<QString, QString> own;
    for (int row = 1; row < grid->RowCount(); ++row)
      for (int col = 1; col < grid->ColCount(); ++col)
        if (const QString key = cellKey(col, row); !key.isEmpty() && !special(key).isEmpty()) own[key] = special(key);
    in.items.push_back({QStringLiteral("cells"), grid,
                        [grid, cellKey, own](const QString& t) {
                          for (int row = 1; row < grid->RowCount(); ++row)
                            for (int col = 1; col < grid->ColCount(); ++col)
                              if (const QString key = cellKey(col, row); !key.isEmpty())
                                grid->setCells(col, row, own.contains(key) ? own.at(key) : t);
                        },
                        CellCandidates()});
  }
  for (const ExtraKey& e : r.extras()) {
    // Text keys the user types in a control of the window; the rest (the
    // chart's colour lists) are no input.
    if (e.setText && w.inputFor(e.key))
      in.items.push_back({e.key, w.inputFor(e.key), e.setText, TextCandidates()});
    else if (e.setInteger && static_cast<long long>(e.maxInteger) - e.minInteger < 8)
      in.choices.push_back(&e);
    else if (e.setInteger)
      in.counts.push_back(&e);
  }
  return in;
}

class Measure {
public:
  explicit Measure(int runMs) : runMs_(runMs) {
    commandUi().error = [this](QWidget*, const QString& text) { boxes_ << text; };
    commandUi().information = [](QWidget*, const QString&) {};
    commandUi().question = [](QWidget*, const QString&, const QString&) { return true; };  // go on: the worst
  }

  // One window with one choice of its integer keys (key -> value).
  Row run(const TopicClassInfo& c, const std::map<QString, int>& choice) {
    const QString name = QString::fromUtf8(c.className.data(), static_cast<qsizetype>(c.className.size()));
    Row row;
    row.window = name;
    for (const auto& [key, value] : choice) row.window += QStringLiteral(" (%1 = %2)").arg(key).arg(value);
    // The candidates of each input, as the window lists its inputs.
    std::vector<QStringList> candidates;
    {
      auto w = Open(c.className);
      if (!w) return {};
      for (const Slot& s : InputsOf(*w, name).items) candidates.push_back(s.candidates);
    }
    // First an accepted input of moderate size: terms start at their first number.
    std::vector<int> at(candidates.size(), 0);
    for (std::size_t k = 0; k < at.size(); ++k)
      if (candidates[k].size() > 2 && candidates[k][0].size() > 1000) at[k] = 2;
    for (int attempt = 0;; ++attempt) {
      const int refused = tryInputs(c, name, choice, at, 300, nullptr);
      if (refused < 0) break;
      const auto k = static_cast<std::size_t>(refused);
      const bool tooMany = boxes_.contains(GetMessageText(msg::TooManyData));
      if (!tooMany && k < at.size() && at[k] + 1 < candidates[k].size()) {
        ++at[k];
        continue;
      }
      // Too many quantities given (or a refusal that names no input that
      // could give less): the last input still given is left empty.
      std::size_t last = at.size();
      while (last > 0 && (candidates[last - 1].value(at[last - 1]).isEmpty() || !candidates[last - 1].last().isEmpty()))
        --last;
      if (last == 0 || attempt > 60) {
        tryInputs(c, name, choice, at, 300, &row);
        row.outcome = QStringLiteral("refused: ") + boxes_.join(QStringLiteral(", "));
        return row;
      }
      at[last - 1] = static_cast<int>(candidates[last - 1].size()) - 1;
    }
    // Then each input, the last first, as long as the window still takes it.
    for (std::size_t k = at.size(); k-- > 0;)
      for (int better = 0; better < at[k]; ++better) {
        std::vector<int> longer = at;
        longer[k] = better;
        if (tryInputs(c, name, choice, longer, 300, nullptr) < 0) {
          at = longer;
          break;
        }
      }
    tryInputs(c, name, choice, at, runMs_, &row);
    return row;
  }

private:
  // Opens the window with the inputs at these candidates, presses OK and
  // lets the event loop run for up to runMs. Returns -1 when the window
  // took the inputs, else the input it refused (the one with the focus
  // after its box; the count of inputs when it is none of them). With `row`
  // the measurement goes there.
  int tryInputs(const TopicClassInfo& c, const QString& name, const std::map<QString, int>& choice,
                const std::vector<int>& at, int runMs, Row* row) {
    auto w = Open(c.className);
    Inputs in = InputsOf(*w, name);
    for (std::size_t k = 0; k < in.items.size() && k < at.size(); ++k) in.items[k].at = at[k];
    for (const ExtraKey* e : in.counts) e->setInteger(e->maxInteger);
    for (const ExtraKey* e : in.choices) e->setInteger(choice.at(e->key));
    for (Slot& s : in.items) s.set(s.text());
    boxes_.clear();
    probe_.start();
    QElapsedTimer click;
    click.start();
    w->okButton(std::max(0, w->currentPage()))->click();
    probe_.count(click.elapsed());
    QElapsedTimer running;
    running.start();
    while (w->longRun().running() && running.elapsed() < runMs && boxes_.isEmpty()) QApplication::processEvents();
    const qint64 took = click.elapsed();
    qint64 escMs = -1;
    if (w->longRun().running()) {
      // ESC as a user presses it, between two turns of the event loop.
      QWidget* target = w->focusWidget() ? w->focusWidget() : w.get();
      QElapsedTimer esc;
      esc.start();
      QCoreApplication::postEvent(target, new QKeyEvent(QEvent::KeyPress, Qt::Key_Escape, Qt::NoModifier));
      while (w->longRun().running() && esc.elapsed() < 5000) QApplication::processEvents();
      escMs = esc.elapsed();
    }
    if (row) {
      // What the end of a run does (the memo written, the picture drawn) counts too.
      QElapsedTimer after;
      after.start();
      while (after.elapsed() < 300) QApplication::processEvents();
      row->blockMs = probe_.longest();
      // An ESC pressed while the event loop is blocked is read when the
      // block ends: the longest block bounds how late it can come.
      row->escMs = escMs < 0 ? -1 : escMs + row->blockMs;
      row->escFailed = escMs >= 0 && (w->longRun().running() || row->escMs > kLimitMs);
      row->outcome = escMs >= 0 ? QStringLiteral("running after %1 s").arg(runMs / 1000.0, 0, 'f', 1)
                                : QStringLiteral("done in %1 s").arg(took / 1000.0, 0, 'f', 2);
      row->inputs.clear();
      for (const Slot& s : in.items)
        if (!s.text().isEmpty()) row->inputs += s.key + u'=' + Shown(s.text()) + QStringLiteral("; ");
      for (const ExtraKey* e : in.counts) row->inputs += e->key + u'=' + e->get() + QStringLiteral("; ");
      row->inputs.chop(2);
    }
    probe_.stop();
    if (qEnvironmentVariableIsSet("ZW_WORST_DEBUG")) {
      QStringList shown;
      for (const Slot& s : in.items) shown << s.key + u'=' + Shown(s.text());
      std::fprintf(stderr, "  try %s -> %s\n", qPrintable(shown.join(u' ')), qPrintable(boxes_.join(u',')));
    }
    if (boxes_.isEmpty()) return -1;
    QWidget* bad = w->focusWidget();
    std::size_t k = 0;
    while (k < in.items.size() &&
           !(in.items[k].widget && (in.items[k].widget == bad || in.items[k].widget->isAncestorOf(bad))))
      ++k;
    return static_cast<int>(k);
  }

  int runMs_;
  BlockProbe probe_;
  QStringList boxes_;
};

// Every combination of the window's choices (one empty choice when it has none).
std::vector<std::map<QString, int>> ChoicesOf(const TopicClassInfo& c) {
  std::vector<std::map<QString, int>> all{{}};
  auto w = Open(c.className);
  if (!w) return {};
  const QString name = QString::fromUtf8(c.className.data(), static_cast<qsizetype>(c.className.size()));
  for (const ExtraKey* e : InputsOf(*w, name).choices) {
    std::vector<std::map<QString, int>> next;
    for (const auto& m : all)
      for (int v = e->minInteger; v <= e->maxInteger; ++v) {
        auto n = m;
        n[e->key] = v;
        next.push_back(n);
      }
    all = std::move(next);
  }
  w->close();
  return all;
}

}  // namespace
}  // namespace zw

int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  int runMs = 2000;
  QString only;
  for (int i = 1; i + 1 < argc; i += 2) {
    const QString option = QString::fromLocal8Bit(argv[i]);
    if (option == QLatin1String("--run-ms")) runMs = QString::fromLocal8Bit(argv[i + 1]).toInt();
    if (option == QLatin1String("--only")) only = QString::fromLocal8Bit(argv[i + 1]);
  }
  QTemporaryDir data;
  zw::resetShellState();
  zw::applyZoom(100);
  zw::shellState().DataFolder = zw::withSeparator(data.path());
  zw::shellState().MemoryOption = false;
  zw::InstallKernelMessageSinks();
  zw::RegisterAllTopics();

  zw::Measure measure(runMs);
  std::vector<zw::Row> rows;
  for (const zw::TopicClassInfo& c : zw::topicClasses()) {
    if (!zw::hasTopicFactory(c.className) || c.section.empty()) continue;
    const QString name = QString::fromUtf8(c.className.data(), static_cast<qsizetype>(c.className.size()));
    if (!only.isEmpty() && name != only) continue;
    for (const auto& choice : zw::ChoicesOf(c)) {
      rows.push_back(measure.run(c, choice));
      std::fprintf(stderr, "%s: %lld ms\n", qPrintable(rows.back().window), static_cast<long long>(rows.back().blockMs));
    }
  }

  bool ok = true;
  std::printf("| window | worst accepted inputs | after OK | longest block | ESC |\n|---|---|---|---|---|\n");
  for (const zw::Row& r : rows) {
    const bool slow = r.blockMs > zw::kLimitMs;
    ok = ok && !slow && !r.escFailed;
    const QString esc = r.escMs < 0 ? QStringLiteral("–")
                        : r.escFailed ? QStringLiteral("**not stopped in %1 ms**").arg(r.escMs)
                                      : QStringLiteral("stopped within %1 ms").arg(r.escMs);
    const QString block = (slow ? QStringLiteral("**%1 ms**") : QStringLiteral("%1 ms")).arg(r.blockMs);
    std::printf("| %s | %s | %s | %s | %s |\n", qPrintable(r.window), qPrintable(r.inputs), qPrintable(r.outcome),
                qPrintable(block), qPrintable(esc));
  }
  return ok ? 0 : 1;
}
