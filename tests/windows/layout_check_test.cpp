// The layout check itself, on a small window with one fault of each kind: it
// names each fault and finds nothing where nothing is wrong.
#include <gtest/gtest.h>

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QTemporaryDir>
#include <algorithm>

#include "kernel/KernelState.h"
#include "platform/folders/Folders.h"
#include "shell/Metrics.h"
#include "shell/State.h"
#include "shell/kit/InputRows.h"
#include "tests/windows/LayoutCheck.h"
#include "tests/windows/WindowVisit.h"
#include "topics/frame/TopicWindow.h"

namespace zw {
namespace {

// Good rows, and one of each fault: two fields on top of each other, a
// caption cut short, a number field too narrow, a check box whose caption is
// cut, and a label below the bottom of its box.
class FaultyWindow : public TopicWindow {
public:
  explicit FaultyWindow(bool faulty) : TopicWindow(nullptr, "TFggT"), faulty_(faulty) {
    QWidget* area = inputArea();
    for (auto& e : edits_) e = new QLineEdit(area);
    for (auto& c : captions_) c = new QLabel(area);
    box_ = new QCheckBox(QStringLiteral("Gruppieren in Dreiergruppen"), area);
    beyond_ = new QLabel(QStringLiteral("unten"), area);
    fields().addField(QStringLiteral("a"), edits_[0], u'e');
    fields().addField(QStringLiteral("b"), edits_[1], u'e');
    fields().addField(QStringLiteral("c"), edits_[2], u'e');
    initTopic();
  }

protected:
  void layoutInputs() override {
    const LayoutMetrics& m = metrics();
    const int caption = FontTextMeasurer(fonts().TextFont.font).width(QStringLiteral(" b =  "));
    const int number = NumberEditWidth();
    for (int i = 0; i < 3; ++i)
      PlaceLabelEditSized(captions_[std::size_t(i)], edits_[std::size_t(i)], m.ColLeft[1], m.RowTop[std::size_t(1 + i)],
                          caption, number, QStringLiteral(" %1 = ").arg(QChar(u'a' + i)));
    box_->setGeometry(m.ColLeft[1], m.RowTop[5], 400, m.RowHeight);
    beyond_->setGeometry(m.ColLeft[1], m.RowTop[6], 100, m.RowHeight);
    if (!faulty_) return;
    edits_[1]->move(edits_[0]->x() + 10, edits_[0]->y() + 5);              // on top of a
    captions_[2]->resize(caption / 2, captions_[2]->height());             // "c =" cut
    edits_[2]->resize(number / 2, edits_[2]->height());                    // too narrow for 15 digits
    box_->resize(60, box_->height());                                      // caption cut
    beyond_->move(beyond_->x(), inputArea()->height() - 5);                // below its box
  }

private:
  bool faulty_;
  std::array<QLineEdit*, 3> edits_{};
  std::array<QLabel*, 3> captions_{};
  QCheckBox* box_ = nullptr;
  QLabel* beyond_ = nullptr;
};

class LayoutCheckTest : public ::testing::Test {
protected:
  void SetUp() override {
    resetShellState();
    kernelState().reset();
    shellState().DataFolder = withSeparator(dir_.path());
    applyZoom(100);
  }
  void TearDown() override { resetShellState(); }

  static std::vector<LayoutFault> faultsOf(FaultyWindow& w) {
    w.setAttribute(Qt::WA_DeleteOnClose, false);
    w.show();
    settle();
    std::vector<LayoutFault> faults;
    const ControlNamer name = namerFor(&w);
    checkDefaultSize(&w, w.page(0), QStringLiteral("in"), name, faults);
    fillLongestTexts(w);
    w.relayout();
    settle();
    checkControls(w.page(0), QStringLiteral("in"), name, faults);
    checkFieldTexts(&w, QStringLiteral("in"), name, faults);
    return faults;
  }
  static bool has(const std::vector<LayoutFault>& faults, LayoutCheck check, const QString& control) {
    return std::any_of(faults.begin(), faults.end(),
                       [&](const LayoutFault& f) { return f.check == check && f.control.contains(control); });
  }
  static std::string list(const std::vector<LayoutFault>& faults) {
    std::string s;
    for (const LayoutFault& f : faults)
      s += std::string(layoutCheckName(f.check)) + ": " + f.control.toStdString() + ": " + f.detail.toStdString() + "\n";
    return s;
  }

  QTemporaryDir dir_;
};

TEST_F(LayoutCheckTest, FindsNothingInAWindowLaidOutByTheKit) {
  FaultyWindow w(false);
  const auto faults = faultsOf(w);
  EXPECT_TRUE(faults.empty()) << list(faults);
}

TEST_F(LayoutCheckTest, NamesEachFaultWithItsControl) {
  FaultyWindow w(true);
  const auto faults = faultsOf(w);
  struct Expected {
    LayoutCheck check;
    QString control;
  };
  const Expected expected[] = {
      {LayoutCheck::Overlap, QStringLiteral("field \"b\"")},      // overlaps a
      {LayoutCheck::LabelText, QStringLiteral("\"c =\"")},        // its caption cut
      {LayoutCheck::FieldText, QStringLiteral("field \"c\"")},    // 15 digits do not fit
      {LayoutCheck::LabelText, QStringLiteral("QCheckBox")},      // caption cut
      {LayoutCheck::Overlap, QStringLiteral("\"unten\"")},        // out of its box
  };
  for (const Expected& e : expected)
    EXPECT_TRUE(has(faults, e.check, e.control)) << layoutCheckName(e.check) << " " << e.control.toStdString() << "\n"
                                                 << list(faults);
  EXPECT_FALSE(has(faults, LayoutCheck::FieldText, QStringLiteral("field \"a\""))) << list(faults);
}

TEST_F(LayoutCheckTest, AWindowSmallerThanItsInputsIsADefaultSizeFault) {
  FaultyWindow w(false);
  w.setAttribute(Qt::WA_DeleteOnClose, false);
  w.show();
  settle();
  w.resize(w.width() / 2, w.height() / 2);
  settle();
  std::vector<LayoutFault> faults;
  checkDefaultSize(&w, w.page(0), QStringLiteral("in"), namerFor(&w), faults);
  EXPECT_TRUE(has(faults, LayoutCheck::DefaultSize, QStringLiteral("scroll")) ||
              std::any_of(faults.begin(), faults.end(), [](const LayoutFault& f) { return f.detail.contains("scrolls"); }))
      << list(faults);
}

}  // namespace
}  // namespace zw
