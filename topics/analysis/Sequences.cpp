#include "topics/analysis/Sequences.h"

#include <cmath>

#include "kernel/Evaluator.h"
#include "kernel/Format.h"
#include "kernel/TermVariables.h"
#include "common/TextMeasurer.h"
#include "shell/kit/Symbols.h"
#include "shell/texts/Texts.h"
#include "topics/frame/InputRejected.h"

namespace zw {

namespace {

// The value of a term, or the input error of its field when the evaluator
// cannot read it. Values beyond the bounds of a field's kind still count.
Extended Evaluate(const QString& term, const char* field) {
  Extended value = 0;
  std::int32_t err = 0;
  EvaluateFormula(term.toStdU16String(), value, err, 0);
  if (err != evalerr::Ok || !std::isfinite(value)) throw InputRejected(field);
  return value;
}

QString Number(Extended x) { return QString::fromStdU16String(FormatReal(15, x)); }

QString WithIndex(const QString& text, int i) {
  return QString::fromStdU16String(
      SubstituteVariable(text.toStdU16String(), u'i', u"(" + QString::number(i).toStdU16String() + u")"));
}

}  // namespace

SequenceLabels SequenceLabels::current() {
  return {QStringLiteral("a[ i ] = "), GetText(IFolgen, 2), GetText(IFolgen, 3)};
}

int SequenceCount(const QString& text) {
  bool ok = false;
  const int n = text.trimmed().toInt(&ok);
  if (!ok || n < 0 || n > SequenceMaxTerms) throw InputRejected(SequenceCountKey);
  return n;
}

QString SequenceTermText(const QString& typed) {
  QString t = typed;
  t.remove(u' ');
  t.replace(u'{', u'[').replace(u'}', u']');
  return t;
}

SequenceResult ComputeSequence(const SequenceInput& in, const TextMeasurer& memo, const SequenceLabels& labels) {
  const int n = SequenceCount(in.count);
  QString s0 = in.startTerms;
  s0.remove(u' ');
  if (s0.endsWith(u';')) s0.chop(1);
  SequenceResult r;
  r.shownTerm = SequenceTermText(in.term);
  QStringList terms = s0.isEmpty() ? QStringList() : s0.split(u';');
  const int b = static_cast<int>(terms.size());

  for (int i = b; i < n; ++i) {
    QString u = r.shownTerm;
    for (int at = u.indexOf(QStringLiteral("a[")); at >= 0; at = u.indexOf(QStringLiteral("a["))) {
      const int close = u.indexOf(u']', at);
      if (close < 0) throw InputRejected(SequenceTermKey);
      const QString reference = u.mid(at, close - at + 1);
      const Extended e = Evaluate(WithIndex(reference.mid(2, reference.size() - 3), i), SequenceTermKey);
      const Extended k = std::nearbyint(e);
      if (!(k >= 0 && k < terms.size())) throw InputRejected(SequenceTermKey);
      // The earlier term enters as one value: "-2" squared is 4.
      u.replace(reference, QStringLiteral("(") + terms[static_cast<int>(k)] + QStringLiteral(")"));
    }
    terms << Number(Evaluate(WithIndex(u, i), SequenceTermKey));
  }
  r.terms = terms;

  // The first line repeats the task.
  QString head;
  for (int i = 0; i < b; ++i) head += QStringLiteral("a[%1]=").arg(i) + terms[i] + QStringLiteral(";   ");
  head += labels.termCaption + r.shownTerm + QStringLiteral(";   n = ") + in.count;
  r.lines << head << QStringLiteral(" ") << UnderlineText(memo, labels.sequence).split(QStringLiteral("\r\n"));

  QStringList shown, sums;
  Extended sum = 0;
  const QString sumSign = SumSign();
  for (int i = 0; i < terms.size(); ++i) {
    // The start terms as typed (a fraction too) are read back like any term.
    sum += Evaluate(terms[i], SequenceStartKey);
    shown << (in.numbered ? QStringLiteral("a[%1]=").arg(i) : QString()) + terms[i];
    sums << (in.numbered ? sumSign + QStringLiteral("[%1]=").arg(i) : QString()) + Number(sum);
  }
  const QString sep = QStringLiteral("; ");
  r.lines << (in.numbered ? shown.join(sep) : QStringLiteral("( a[ i ] ) = (") + shown.join(sep) + QStringLiteral(")"));
  r.lines << QString() << UnderlineText(memo, labels.series).split(QStringLiteral("\r\n"));
  r.lines << (in.numbered ? sums.join(sep)
                          : QStringLiteral("( ") + sumSign + QStringLiteral(" a[ i ] ) = (") + sums.join(sep) +
                                QStringLiteral(")"));
  return r;
}

}  // namespace zw
