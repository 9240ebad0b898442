#include "topics/analysis/Newton.h"

#include <QThreadPool>
#include <algorithm>
#include <atomic>
#include <chrono>
#include <thread>
#include <vector>

#include "kernel/BasicMath.h"
#include "kernel/CalcFailure.h"
#include "topics/frame/InputRejected.h"
#include "kernel/Evaluator.h"
#include "kernel/FormulaContext.h"
#include "kernel/Format.h"
#include "kernel/SequenceTerms.h"
#include "kernel/TextPadding.h"
#include "shell/Fonts.h"
#include "common/TextMeasurer.h"
#include "platform/symbolic/Derivative.h"
#include "shell/kit/Symbols.h"

namespace zw {

namespace {

Extended Value(const std::u16string& term, Extended x, const FormulaContext& context, std::int32_t& err) {
  Extended v = 0;
  EvaluateFormula(term, v, err, x, context);
  return v;
}

QString Digits8(Extended x) { return QString::fromStdU16String(FormatReal(8, x)); }

}  // namespace

QString NewtonTermText(const QString& typed) {
  QString t = typed;
  return t.replace(u',', u'.');
}

// The table as it grows: the start value, then one iterate after the other
// once the derivative is known. The lines are laid out at the end, when the
// widest value of each column is known.
class NewtonRun::Table {
public:
  Table(const QString& term, Extended x0, const TextMeasurer& memo, QString divergentText)
      : memo_(memo), divergent_(std::move(divergentText)), term_(term) {
    // The iteration reads its terms in radians whatever the program's setting.
    radians_ = FormulaContext::current();
    radians_.AngleMode = 1;
    f0_ = term.toStdU16String();
    std::int32_t err = 0;
    const Extended y0 = Value(f0_, x0, radians_, err);
    if (err > evalerr::Math) throw InputRejected(NewtonTermKey, msg::SyntaxError);
    if (err == evalerr::Math) throw InputRejected(NewtonStartKey, msg::InvalidInput);
    x0_ = x_ = x0;
    done_ = RoundDecimals(10, y0) == 0;  // the start value is a zero
  }

  const FormulaContext& context() const { return radians_; }
  const std::u16string& term() const { return f0_; }
  bool done() const { return done_; }

  void setDerivative(std::u16string f1) {
    // One too long to evaluate reads as no term: the table ends divergent,
    // as it does for a derivative the library cannot give.
    f1_ = f0_.size() + f1.size() + 6 > MaxBuiltTermLength ? u"Error" : std::move(f1);
    iteration_ = u"x-(" + f0_ + u")/(" + f1_ + u")";
  }

  // The next iterate; false when the table is complete.
  bool next() {
    if (done_) return false;
    ++i_;
    std::int32_t err = 0;
    const Extended next = Value(iteration_, x_, radians_, err);
    if (err != evalerr::Ok) {
      tail_ = s_ + divergent_;
      return finishTable();
    }
    std::int32_t ignored = 0;
    const Extended y = Value(f0_, x_, radians_, ignored);
    const Extended d = Value(f1_, x_, radians_, ignored);
    const QString text = Digits8(next);
    const QString label = QStringLiteral("x") + SubScriptDigits(i_) + QStringLiteral(" = ");
    if (i_ == NewtonMaxSteps && text != previous_) {
      tail_ = s_ + label + QStringLiteral(" ...");
      return finishTable();
    }
    rows_.push_back({label + text, Digits8(y), Digits8(d)});
    if (text == previous_) return finishTable();
    previous_ = text;
    x_ = next;
    return true;
  }

  NewtonResult result() const {
    const QString f = FunctionSign();
    NewtonResult r;
    r.lines << s_ + f + QStringLiteral("(x) = ") + term_ << QString();
    // A column is as wide as its widest entry and a blank, never narrower
    // than the eight (x) or six (values) em dashes of its head, so that no
    // value runs into the next column.
    const int dash = memo_.textWidth(u"\u2014"), blank = memo_.textWidth(u" ");
    int xWidth = 8 * dash, vWidth = 6 * dash;
    for (const Row& row : rows_) {
      xWidth = std::max(xWidth, textWidthOf(memo_, row.x) + blank);
      vWidth = std::max({vWidth, textWidthOf(memo_, row.y) + blank, textWidthOf(memo_, row.d) + blank});
    }
    // Whole em dashes, so that the head's rule is as wide as the column.
    const auto rule = [&](int width) {
      return QString::fromStdU16String(EmDashesForWidth(memo_, dash > 0 ? (width + dash - 1) / dash * dash : width));
    };
    const QString xColumn = rule(xWidth), vColumn = rule(vWidth);
    r.lines << s_ + PadCenterToWidth(memo_, xColumn, QStringLiteral("x:")) + s_ +
                   PadCenterToWidth(memo_, vColumn, f + QStringLiteral("(x):")) + s_ +
                   PadCenterToWidth(memo_, vColumn, f + QStringLiteral("'(x):"));
    r.lines << s_ + xColumn + s_ + vColumn + s_ + vColumn + s_;
    r.lines << s_ + QStringLiteral("x") + SubScriptDigits(0) + QStringLiteral(" = ") + Digits8(x0_);
    for (const Row& row : rows_)
      r.lines << s_ + PadRightToWidth(memo_, xColumn, row.x) + s_ + PadRightToWidth(memo_, vColumn, row.y) + s_ +
                     PadRightToWidth(memo_, vColumn, row.d) + s_;
    if (!tail_.isEmpty()) r.lines << tail_;
    r.last = x_;
    return r;
  }

private:
  struct Row {
    QString x, y, d;
  };

  bool finishTable() {
    done_ = true;
    return false;
  }

  const TextMeasurer& memo_;
  QString divergent_;
  QString term_;
  FormulaContext radians_;
  std::u16string f0_, f1_, iteration_;
  const QString s_ = QStringLiteral("   ");
  std::vector<Row> rows_;
  QString previous_;
  QString tail_;  // " ..." after 30 steps, or the divergence message
  Extended x0_ = 0, x_ = 0;
  int i_ = 0;
  bool done_ = false;
};

NewtonResult NewtonIteration(const QString& term, Extended x0, const TextMeasurer& memo, const QString& divergentText) {
  NewtonRun::Table table(term, x0, memo, divergentText);
  if (!table.done()) table.setDerivative(SymbolicDerivative(table.term(), table.context()));
  while (table.next()) {
  }
  return table.result();
}

// The derivative on its way: written by the worker, read once `ready` is set.
// Both hold it, so a run that is stopped meanwhile leaves the worker nothing
// dangling to write to.
struct NewtonRun::Pending {
  std::u16string term;
  FormulaContext context;
  std::u16string derivative;
  std::atomic<bool> ready{false};
};

NewtonRun::NewtonRun(const QString& term, Extended x0, std::shared_ptr<const TextMeasurer> memo,
                     const QString& divergentText, Done done)
    : memo_(std::move(memo)), table_(std::make_unique<Table>(term, x0, *memo_, divergentText)), done_(std::move(done)) {
  if (table_->done()) return;
  pending_ = std::make_shared<Pending>();
  pending_->term = table_->term();
  pending_->context = table_->context();
  QThreadPool::globalInstance()->start([pending = pending_] {
    pending->derivative = SymbolicDerivative(pending->term, pending->context);
    pending->ready.store(true, std::memory_order_release);
  });
}

NewtonRun::~NewtonRun() = default;

bool NewtonRun::step() {
  if (pending_) {
    if (!pending_->ready.load(std::memory_order_acquire)) {
      // Waiting: the slice goes on turning, without spinning the processor.
      std::this_thread::sleep_for(std::chrono::milliseconds(1));
      return true;
    }
    table_->setDerivative(std::move(pending_->derivative));
    pending_.reset();
    return true;
  }
  return table_->next();
}

void NewtonRun::finish(End end, int) {
  if (end == End::Finished && done_) done_(table_->result());
}

}  // namespace zw
