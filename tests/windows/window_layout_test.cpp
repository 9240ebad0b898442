// The layout check over every registered topic window (tests/windows/
// LayoutCheck.h): in German, English and French, at zoom 100 and 150, left to
// right and right to left, once as the window opens and once with every field
// holding the longest text it accepts. A window joins by being registered.
#include <gtest/gtest.h>

#include <algorithm>

#include <QFontInfo>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <string_view>

#include "kernel/KernelState.h"
#include "platform/folders/Folders.h"
#include "shell/Fonts.h"
#include "shell/Metrics.h"
#include "shell/State.h"
#include "shell/commands/Commands.h"
#include "shell/kit/InputRows.h"
#include "tests/windows/LayoutCheck.h"
#include "tests/windows/WindowVisit.h"
#include "topics/frame/TopicWindow.h"

namespace zw {
namespace {

// A window may leave out one check, for one control or all of them, only with
// its reason written here. An entry that no longer matches a fault fails the
// test StaleOptOutsAreRemoved, so the table never outlives its reason.
struct OptOut {
  std::string_view window;
  LayoutCheck check;
  std::string_view control;  // part of the control's name; empty: every control
  std::string_view reason;
};

constexpr std::string_view kTerm =
    "a term is as long as its user writes it; no field shows every term whole, so it scrolls as a text does";
constexpr std::string_view kPolyGrid =
    "ten coefficient cells (x^9 to x^0) in a row fit a window only at their own width; a longer coefficient "
    "scrolls in its cell's editor, and the results page writes every polynomial whole";

constexpr std::string_view kMatrixGrid =
    "a matrix has up to 30 columns, of which the grid shows five or six side by side at their own width, and a "
    "cell takes a term (1/3, sqrt(2)) as well as a number; a longer entry scrolls in its cell's editor, and the "
    "results page writes every matrix whole";

constexpr OptOut kOptOuts[] = {
    {"TFBigInt", LayoutCheck::FieldText, "field \"a\"",
     "a and b hold numbers of up to 10,000 digits; the fields scroll, and every result line writes its operands whole"},
    {"TFBigInt", LayoutCheck::FieldText, "field \"b\"",
     "a and b hold numbers of up to 10,000 digits; the fields scroll, and every result line writes its operands whole"},
    {"TFBigInt", LayoutCheck::FieldText, "field \"n",
     "the range fields take any 64-bit whole number, while every table overflows long before n = 100,000: they show "
     "five digits, in three columns within the window's held width"},
    {"TFBigInt", LayoutCheck::FieldText, "field \"k",
     "the range fields take any 64-bit whole number, while every table overflows long before k = 100,000: they show "
     "five digits, in three columns within the window's held width"},
    {"TFFolgen", LayoutCheck::FieldText, "field \"a0\"", kTerm},
    {"TFFolgen", LayoutCheck::FieldText, "field \"ai\"", kTerm},
    {"TFPrimFz", LayoutCheck::FieldText, "field \"a0\"", kTerm},
    {"TFPrimFz", LayoutCheck::FieldText, "field \"ai\"", kTerm},
    {"TFIter", LayoutCheck::FieldText, "field \"fkt\"", kTerm},
    {"TFPlot3d", LayoutCheck::FieldText, "field \"f(x,y)\"", kTerm},
    {"TFPlot3d", LayoutCheck::FieldText, "field \"u(x,y)\"", kTerm},
    {"TFPolyDiv", LayoutCheck::FieldText, "sgKoeff", kPolyGrid},
    {"TFPolyggT", LayoutCheck::FieldText, "sgKoeff", kPolyGrid},
    {"TFPolyFak", LayoutCheck::FieldText, "sgKoeff", kPolyGrid},
    {"TFPolTrans", LayoutCheck::FieldText, "sgKoeff", kPolyGrid},
    {"TFPolFkt", LayoutCheck::FieldText, "sgKoeff", kPolyGrid},
    {"TFRatFkt", LayoutCheck::FieldText, "sgKoeff", kPolyGrid},
    {"TFLGS", LayoutCheck::FieldText, "Matrix1", kMatrixGrid},
    {"TFMatInv", LayoutCheck::FieldText, "Matrix1", kMatrixGrid},
    {"TFMatMul", LayoutCheck::FieldText, "Matrix1", kMatrixGrid},
    {"TFPseudo", LayoutCheck::FieldText, "Matrix1", kMatrixGrid},
};

bool matches(const OptOut& o, const std::string& window, const LayoutFault& f) {
  if (o.window != window || o.check != f.check) return false;
  return o.control.empty() || f.control.contains(QString::fromUtf8(o.control.data(), qsizetype(o.control.size())));
}

const OptOut* optOutFor(const std::string& window, const LayoutFault& f) {
  for (const OptOut& o : kOptOuts)
    if (matches(o, window, f)) return &o;
  return nullptr;
}

class LayoutTestBase : public WindowTestBase {
protected:
  void TearDown() override {
    WindowTestBase::TearDown();
    applyZoom(100);
  }

  // Every fault of one window in one setting, opt-outs included.
  std::vector<LayoutFault> faultsOf(const std::string& className) {
    std::vector<LayoutFault> faults;
    std::unique_ptr<TopicWindowBase> w = openWindow(className);
    if (!w) return faults;
    openedWith_ = boxes_;
    const ControlNamer name = namerFor(w.get());
    TopicWindow* topic = asTopicWindow(w.get());
    if (!topic) {
      checkControls(w.get(), QStringLiteral("window"), name, faults);
      checkDefaultSize(w.get(), w.get(), QStringLiteral("window"), name, faults);
      return faults;
    }
    const int input = 0;  // every topic's pages start with the inputs
    const auto pageName = [&](int i) { return topic->pageControl()->tabText(i); };
    checkDefaultSize(w.get(), topic->page(input), pageName(input), name, faults);
    for (int i = 0; i < topic->pageCount(); ++i) {
      topic->showPageSilently(i);
      settle();
      checkControls(topic->page(i), pageName(i), name, faults);
    }
    // Filled with the longest inputs and laid out again, as a user's typing
    // and the next resize would.
    topic->showPageSilently(input);
    const auto checkFilled = [&](const QString& state) {
      fillLongestTexts(*topic);
      topic->relayout();
      settle();
      std::vector<LayoutFault> found;
      checkControls(topic->page(input), pageName(input), name, found);
      checkFieldTexts(w.get(), pageName(input), name, found);
      for (LayoutFault& f : found) {
        f.detail += QStringLiteral(" (%1)").arg(state);
        faults.push_back(f);
      }
    };
    checkFilled(QStringLiteral("filled"));
    // Each choice of the input page shows its own controls (a task's fields,
    // a mode's box): every one is checked, filled.
    for (QRadioButton* choice : topic->page(input)->findChildren<QRadioButton*>()) {
      if (!choice->isVisibleTo(topic->page(input)) || choice->isChecked()) continue;
      choice->click();
      checkFilled(QStringLiteral("choice \"%1\"").arg(choice->text()));
    }
    return faults;
  }

  QStringList openedWith_;  // the boxes shown while the window opened
};

class WindowLayoutTest : public LayoutTestBase, public ::testing::WithParamInterface<ViewSetting> {};

TEST_P(WindowLayoutTest, EveryWindowShowsEveryControlWhole) {
  const ViewSetting setting = GetParam();
  applyViewSetting(setting);
  ASSERT_FALSE(registeredTopicWindows().empty());
  for (const std::string& window : registeredTopicWindows()) {
    boxes_.clear();
    openedWith_.clear();
    QStringList report;
    for (const LayoutFault& f : faultsOf(window)) {
      if (optOutFor(window, f)) continue;
      report << QStringLiteral("  %1, page \"%2\", %3: %4")
                    .arg(QString::fromLatin1(layoutCheckName(f.check)), f.page, f.control, f.detail);
    }
    EXPECT_TRUE(report.isEmpty()) << window << " (" << setting.name() << "):\n"
                                  << report.join(u'\n').toStdString();
    EXPECT_TRUE(openedWith_.isEmpty()) << window << " opened with a message: " << openedWith_.join(u' ').toStdString();
  }
}

std::vector<ViewSetting> allSettings() {
  std::vector<ViewSetting> out;
  for (bool rtl : {false, true})
    for (int zoom : {100, 150})
      for (int language : {0, 1, 2}) out.push_back({language, zoom, rtl});
  return out;
}

INSTANTIATE_TEST_SUITE_P(Settings, WindowLayoutTest, ::testing::ValuesIn(allSettings()),
                         [](const ::testing::TestParamInfo<ViewSetting>& info) {
                           std::string n = info.param.name();
                           for (char& c : n)
                             if (c == ' ') c = '_';
                           return n;
                         });

// The check measures with the fonts the program ships with, not a fallback.
TEST_F(LayoutTestBase, TheRealFontsAreInstalled) {
  for (int zoom : {100, 150}) {
    applyZoom(zoom);
    EXPECT_EQ(QFontInfo(fonts().TextFont.font).family(), QStringLiteral("Liberation Sans")) << zoom;
    EXPECT_EQ(QFontInfo(fonts().BoldFont.font).family(), QStringLiteral("Liberation Sans")) << zoom;
  }
}

// Every opt-out still excuses a fault somewhere; a window that was mended
// loses its entry.
TEST_F(LayoutTestBase, StaleOptOutsAreRemoved) {
  std::vector<bool> used(std::size(kOptOuts), false);
  for (const ViewSetting& setting : allSettings()) {
    applyViewSetting(setting);
    for (const std::string& window : registeredTopicWindows()) {
      const bool named = std::any_of(std::begin(kOptOuts), std::end(kOptOuts),
                                     [&](const OptOut& o) { return o.window == window; });
      if (!named) continue;
      for (const LayoutFault& f : faultsOf(window))
        for (std::size_t i = 0; i < std::size(kOptOuts); ++i)
          if (matches(kOptOuts[i], window, f)) used[i] = true;
    }
  }
  for (std::size_t i = 0; i < std::size(kOptOuts); ++i) {
    EXPECT_FALSE(kOptOuts[i].reason.empty()) << kOptOuts[i].window << ": an opt-out without its reason";
    EXPECT_TRUE(used[i]) << "opt-out of " << kOptOuts[i].window << " (" << layoutCheckName(kOptOuts[i].check)
                           << ", \"" << kOptOuts[i].control << "\") excuses nothing any more";
  }
}

}  // namespace
}  // namespace zw
