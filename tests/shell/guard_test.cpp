// The guard of every event-loop entry: each family of failures shows a
// numbered message in the user's language (never the exception's own text,
// which goes to standard error), and failure boxes are kept per window, so
// that no window's failure is dropped while another box is open.
#include "shell/Guard.h"

#include <gtest/gtest.h>

#include <QWidget>
#include <functional>
#include <new>
#include <stdexcept>
#include <string>
#include <vector>

#include "kernel/CalcFailure.h"
#include "numerics/NumComponent.h"
#include "shell/State.h"
#include "shell/commands/Commands.h"

namespace zw {
namespace {

class GuardTest : public ::testing::Test {
protected:
  void SetUp() override {
    resetShellState();
    resetCommandUi();
    commandUi().error = [this](QWidget* parent, const QString& text) {
      boxes_.push_back({parent, text});
      if (onBox_) onBox_(parent, text);
    };
  }
  void TearDown() override {
    resetCommandUi();
    resetShellState();
  }
  struct Box {
    QWidget* parent;
    QString text;
    bool operator==(const Box&) const = default;
  };
  std::vector<Box> boxes_;
  std::function<void(QWidget*, const QString&)> onBox_;
};

TEST_F(GuardTest, EachFamilyShowsItsMessageInTheUsersLanguage) {
  struct Case {
    const char* family;
    std::function<void()> raise;
    const char* what;  // on standard error; null: nothing there
    const char* de;
    const char* en;
    const char* fr;
  };
  const Case cases[] = {
      {"CalcFailure", [] { throw CalcFailure(msg::DivisionByZero); }, nullptr, "Division durch Null",
       "Division by Zero", "Division par zero"},
      {"numeric component",
       [] { throw EZwMatrixError("TCurveFit.ImportASC: number of columns must be 2"); },
       "TCurveFit.ImportASC: number of columns must be 2", "Unzulässige Daten", "Improper data",
       "Données irrecevables"},
      {"allocation", [] { throw std::bad_alloc(); }, "std::bad_alloc", "Zu viele Eingaben", "Too many data",
       "Trop d'entrées"},
      {"index out of range", [] { throw std::out_of_range("vector::_M_range_check"); }, "vector::_M_range_check",
       "overflow", "overflow", "overflow"},
      {"size too large", [] { throw std::length_error("vector::_M_default_append"); },
       "vector::_M_default_append", "overflow", "overflow", "overflow"},
      {"arithmetic overflow", [] { throw std::overflow_error("too big"); }, "too big", "overflow", "overflow",
       "overflow"},
      {"other std::exception", [] { throw std::logic_error("internal state"); }, "internal state",
       "Unzulässiges Argument", "Improper argument", "Argument irrecevable"},
      {"no std::exception", [] { throw 42; }, "no std::exception", "Unzulässiges Argument", "Improper argument",
       "Argument irrecevable"},
  };
  for (const Case& c : cases) {
    const char* expected[3] = {c.de, c.en, c.fr};
    for (int language = 0; language < 3; ++language) {
      SCOPED_TRACE(std::string(c.family) + ", language " + std::to_string(language));
      shellState().LanguageKind = language;
      boxes_.clear();
      testing::internal::CaptureStderr();
      EXPECT_FALSE(RunGuarded(nullptr, c.raise));
      const std::string err = testing::internal::GetCapturedStderr();
      ASSERT_EQ(boxes_.size(), 1u);
      EXPECT_EQ(boxes_[0].text, QString::fromUtf8(expected[language]));
      if (c.what)
        EXPECT_NE(err.find(c.what), std::string::npos) << err;
      else
        EXPECT_EQ(err, "");
    }
  }
}

// A CalcFailure goes to the caller's reaction (a topic window's input
// page) and shows no box of the guard's own.
TEST_F(GuardTest, CalcFailureGoesToTheReaction) {
  int reacted = 0;
  EXPECT_FALSE(RunGuarded(nullptr, [] { throw CalcFailure(msg::InvalidInput); },
                          [&](const CalcFailure& f) { reacted = f.message(); }));
  EXPECT_EQ(reacted, msg::InvalidInput);
  EXPECT_TRUE(boxes_.empty());
  EXPECT_TRUE(RunGuarded(nullptr, [] {}));
}

// While window A's box is open, window B's failure shows at once; A's next
// failure waits for its box to close; A's repeat of the open one is shown
// once.
TEST_F(GuardTest, BoxesArePerWindowAndNothingIsDropped) {
  QWidget a, b;
  bool inner = false;
  onBox_ = [&](QWidget* parent, const QString&) {
    if (parent != &a || inner) return;
    inner = true;
    RunGuarded(&b, [] { throw std::bad_alloc(); });
    RunGuarded(&a, [] { throw CalcFailure(msg::DivisionByZero); });  // the open box again
    RunGuarded(&a, [] { throw CalcFailure(msg::Overflow); });
  };
  RunGuarded(&a, [] { throw CalcFailure(msg::DivisionByZero); });
  const std::vector<Box> expected = {
      {&a, "Division durch Null"}, {&b, "Zu viele Eingaben"}, {&a, "overflow"}};
  EXPECT_EQ(boxes_, expected);
  // Once the boxes are closed, the same failure shows again.
  boxes_.clear();
  RunGuarded(&a, [] { throw CalcFailure(msg::DivisionByZero); });
  EXPECT_EQ(boxes_.size(), 1u);
}

}  // namespace
}  // namespace zw
