#include "topics/analysis/Newton.h"

#include "kernel/BasicMath.h"
#include "kernel/CalcFailure.h"
#include "kernel/Derivative.h"
#include "kernel/Evaluator.h"
#include "kernel/Format.h"
#include "kernel/TextPadding.h"
#include "kernel/KernelState.h"
#include "platform/text/TextMeasurer.h"
#include "shell/kit/Symbols.h"

namespace zw {

namespace {

// The iteration reads its terms in radians whatever the program's setting,
// and leaves the setting as it found it.
class RadiansScope {
public:
  RadiansScope() : saved_(kernelState().AngleMode) { kernelState().AngleMode = 1; }
  ~RadiansScope() { kernelState().AngleMode = saved_; }
  RadiansScope(const RadiansScope&) = delete;
  RadiansScope& operator=(const RadiansScope&) = delete;
private:
  int saved_;
};

Extended Value(const std::u16string& term, Extended x, std::int32_t& err) {
  Extended v = 0;
  EvaluateFormula(term, v, err, x);
  return v;
}

QString Digits8(Extended x) { return QString::fromStdU16String(FormatReal(8, x)); }

}  // namespace

QString NewtonTermText(const QString& typed) {
  QString t = typed;
  return t.replace(u',', u'.');
}

NewtonResult NewtonIteration(const QString& term, Extended x0, const TextMeasurer& memo, const QString& divergentText) {
  RadiansScope radians;
  const std::u16string f0 = term.toStdU16String();
  std::int32_t err = 0;
  const Extended y0 = Value(f0, x0, err);
  if (err > evalerr::Math) throw CalcFailure(msg::SyntaxError, "term");
  if (err == evalerr::Math) throw CalcFailure(msg::InvalidInput, "start value");

  const QString s = QStringLiteral("   ");
  const QString f = FunctionSign();
  const QString xColumn = QString::fromStdU16String(EmDashesForWidth(memo, 8 * memo.textWidth(u"\u2014")));
  const QString vColumn = QString::fromStdU16String(EmDashesForWidth(memo, 6 * memo.textWidth(u"\u2014")));
  NewtonResult r;
  r.lines << s + f + QStringLiteral("(x) = ") + term << QString();
  r.lines << s + PadCenterToWidth(memo, xColumn, QStringLiteral("x:")) + s +
                 PadCenterToWidth(memo, vColumn, f + QStringLiteral("(x):")) + s +
                 PadCenterToWidth(memo, vColumn, f + QStringLiteral("'(x):"));
  r.lines << s + xColumn + s + vColumn + s + vColumn + s;
  r.lines << s + QStringLiteral("x") + SubScriptDigits(0) + QStringLiteral(" = ") + Digits8(x0);
  r.last = x0;
  if (RoundDecimals(10, y0) == 0) return r;  // the start value is a zero

  const std::u16string f1 = SymbolicDerivative(f0);
  const std::u16string iteration = u"x-(" + f0 + u")/(" + f1 + u")";
  QString previous;
  Extended x = x0;
  for (int i = 1; i <= NewtonMaxSteps; ++i) {
    const Extended next = Value(iteration, x, err);
    if (err != evalerr::Ok) {
      r.lines << s + divergentText;
      break;
    }
    std::int32_t ignored = 0;
    const Extended y = Value(f0, x, ignored);
    const Extended d = Value(f1, x, ignored);
    const QString text = Digits8(next);
    const QString label = QStringLiteral("x") + SubScriptDigits(i) + QStringLiteral(" = ");
    if (i == NewtonMaxSteps && text != previous) {
      r.lines << s + label + QStringLiteral(" ...");
      break;
    }
    r.lines << s + PadRightToWidth(memo, xColumn, label + text) + s + PadRightToWidth(memo, vColumn, Digits8(y)) + s +
                   PadRightToWidth(memo, vColumn, Digits8(d)) + s;
    if (text == previous) break;
    previous = text;
    x = next;
  }
  r.last = x;
  return r;
}

}  // namespace zw
