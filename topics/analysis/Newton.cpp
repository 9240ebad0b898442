#include "topics/analysis/Newton.h"

#include <algorithm>
#include <vector>

#include "kernel/BasicMath.h"
#include "kernel/CalcFailure.h"
#include "topics/frame/InputRejected.h"
#include "kernel/Evaluator.h"
#include "kernel/FormulaContext.h"
#include "kernel/Format.h"
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
  NewtonResult r;
  r.lines << s + f + QStringLiteral("(x) = ") + term << QString();
  const QString x0Line = s + QStringLiteral("x") + SubScriptDigits(0) + QStringLiteral(" = ") + Digits8(x0);
  r.last = x0;

  // The table's rows first: a column is as wide as its widest entry and a
  // blank, never narrower than the eight (x) or six (values) em dashes of
  // its head, so that no value runs into the next column.
  struct Row {
    QString x, y, d;
  };
  std::vector<Row> rows;
  QString tail;  // " ..." after 30 steps, or the divergence message
  Extended x = x0;
  if (RoundDecimals(10, y0) != 0) {  // else the start value is a zero
    const std::u16string f1 = SymbolicDerivative(f0, radians);
    const std::u16string iteration = u"x-(" + f0 + u")/(" + f1 + u")";
    QString previous;
    for (int i = 1; i <= NewtonMaxSteps; ++i) {
      const Extended next = Value(iteration, x, radians, err);
      if (err != evalerr::Ok) {
        tail = s + divergentText;
        break;
      }
      std::int32_t ignored = 0;
      const Extended y = Value(f0, x, radians, ignored);
      const Extended d = Value(f1, x, radians, ignored);
      const QString text = Digits8(next);
      const QString label = QStringLiteral("x") + SubScriptDigits(i) + QStringLiteral(" = ");
      if (i == NewtonMaxSteps && text != previous) {
        tail = s + label + QStringLiteral(" ...");
        break;
      }
      rows.push_back({label + text, Digits8(y), Digits8(d)});
      if (text == previous) break;
      previous = text;
      x = next;
    }
  }
  const int dash = memo.textWidth(u"\u2014"), blank = memo.textWidth(u" ");
  int xWidth = 8 * dash, vWidth = 6 * dash;
  for (const Row& row : rows) {
    xWidth = std::max(xWidth, textWidthOf(memo, row.x) + blank);
    vWidth = std::max({vWidth, textWidthOf(memo, row.y) + blank, textWidthOf(memo, row.d) + blank});
  }
  // Whole em dashes, so that the head's rule is as wide as the column.
  const auto rule = [&](int width) {
    return QString::fromStdU16String(EmDashesForWidth(memo, dash > 0 ? (width + dash - 1) / dash * dash : width));
  };
  const QString xColumn = rule(xWidth), vColumn = rule(vWidth);
  r.lines << s + PadCenterToWidth(memo, xColumn, QStringLiteral("x:")) + s +
                 PadCenterToWidth(memo, vColumn, f + QStringLiteral("(x):")) + s +
                 PadCenterToWidth(memo, vColumn, f + QStringLiteral("'(x):"));
  r.lines << s + xColumn + s + vColumn + s + vColumn + s;
  r.lines << x0Line;
  for (const Row& row : rows)
    r.lines << s + PadRightToWidth(memo, xColumn, row.x) + s + PadRightToWidth(memo, vColumn, row.y) + s +
                   PadRightToWidth(memo, vColumn, row.d) + s;
  if (!tail.isEmpty()) r.lines << tail;
  r.last = x;
  return r;
}

}  // namespace zw
