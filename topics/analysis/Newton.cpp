#include "topics/analysis/Newton.h"

#include "kernel/BasicMath.h"
#include "kernel/CalcFailure.h"
#include "topics/frame/InputRejected.h"
#include "kernel/Evaluator.h"
#include "kernel/FormulaContext.h"
#include "kernel/Format.h"
#include "kernel/TextPadding.h"
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

NewtonResult NewtonIteration(const QString& term, Extended x0, const TextMeasurer& memo, const QString& divergentText) {
  // The iteration reads its terms in radians whatever the program's setting.
  FormulaContext radians = FormulaContext::current();
  radians.AngleMode = 1;
  const std::u16string f0 = term.toStdU16String();
  std::int32_t err = 0;
  const Extended y0 = Value(f0, x0, radians, err);
  if (err > evalerr::Math) throw InputRejected(NewtonTermKey, msg::SyntaxError);
  if (err == evalerr::Math) throw InputRejected(NewtonStartKey, msg::InvalidInput);

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

  const std::u16string f1 = SymbolicDerivative(f0, radians);
  const std::u16string iteration = u"x-(" + f0 + u")/(" + f1 + u")";
  QString previous;
  Extended x = x0;
  for (int i = 1; i <= NewtonMaxSteps; ++i) {
    const Extended next = Value(iteration, x, radians, err);
    if (err != evalerr::Ok) {
      r.lines << s + divergentText;
      break;
    }
    std::int32_t ignored = 0;
    const Extended y = Value(f0, x, radians, ignored);
    const Extended d = Value(f1, x, radians, ignored);
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
