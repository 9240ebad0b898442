#include "topics/analysis/Sequences.h"

#include <cmath>

#include "common/TextMeasurer.h"
#include "kernel/Evaluator.h"
#include "kernel/Format.h"
#include "kernel/SequenceTerms.h"
#include "shell/kit/Symbols.h"
#include "shell/texts/Texts.h"
#include "topics/frame/InputRejected.h"

namespace zw {

namespace {

// The value of a term, or the input error of its field when the evaluator
// cannot read it. Values beyond the bounds of a field's kind still count.
Extended Evaluate(const std::u16string& term, const char* field) {
  Extended value = 0;
  std::int32_t err = 0;
  EvaluateFormula(term, value, err, 0);
  if (err != evalerr::Ok || !std::isfinite(value)) throw InputRejected(field);
  return value;
}

QString Text(const std::u16string& s) { return QString::fromStdU16String(s); }

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

SequenceRun::SequenceRun(const SequenceInput& in, std::shared_ptr<const TextMeasurer> memo, SequenceLabels labels,
                         Done done)
    : in_(in), memo_(std::move(memo)), labels_(std::move(labels)), done_(std::move(done)) {
  count_ = SequenceCount(in.count);
  term_ = SequenceTermText(in.term).toStdU16String();
  terms_ = SplitStartTerms(in.startTerms.toStdU16String());
  starts_ = static_cast<int>(terms_.size());
  // The start terms as typed (a fraction too) are summed like any term; one
  // that does not stand alone (it names a term) is refused before the run.
  for (const std::u16string& t : terms_) values_.push_back(Evaluate(t, SequenceStartKey));
}

bool SequenceRun::step() {
  const int i = static_cast<int>(terms_.size());
  if (i >= count_) return false;
  std::u16string u;
  if (!ExpandSequenceTerm(term_, i, terms_.size(), [this](std::size_t k) { return terms_[k]; }, u))
    throw InputRejected(SequenceTermKey);
  terms_.push_back(FormatReal(15, Evaluate(u, SequenceTermKey)));
  // The sums read the terms back as they are listed.
  values_.push_back(Evaluate(terms_.back(), SequenceTermKey));
  return static_cast<int>(terms_.size()) < count_;
}

void SequenceRun::finish(End end, int) {
  if (end != End::Finished) return;
  SequenceResult r;
  r.shownTerm = Text(term_);
  for (const std::u16string& t : terms_) r.terms << Text(t);

  // The first line repeats the task.
  QString head;
  for (int i = 0; i < starts_; ++i) head += QStringLiteral("a[%1]=").arg(i) + r.terms[i] + QStringLiteral(";   ");
  head += labels_.termCaption + r.shownTerm + QStringLiteral(";   n = ") + in_.count;
  r.lines << head << QStringLiteral(" ") << UnderlineText(*memo_, labels_.sequence).split(QStringLiteral("\r\n"));

  QStringList shown, sums;
  Extended sum = 0;
  const QString sumSign = SumSign();
  for (int i = 0; i < r.terms.size(); ++i) {
    sum += values_[static_cast<std::size_t>(i)];
    shown << (in_.numbered ? QStringLiteral("a[%1]=").arg(i) : QString()) + r.terms[i];
    sums << (in_.numbered ? sumSign + QStringLiteral("[%1]=").arg(i) : QString()) + Text(FormatReal(15, sum));
  }
  const QString sep = QStringLiteral("; ");
  r.lines << (in_.numbered ? shown.join(sep) : QStringLiteral("( a[ i ] ) = (") + shown.join(sep) + QStringLiteral(")"));
  r.lines << QString() << UnderlineText(*memo_, labels_.series).split(QStringLiteral("\r\n"));
  r.lines << (in_.numbered ? sums.join(sep)
                           : QStringLiteral("( ") + sumSign + QStringLiteral(" a[ i ] ) = (") + sums.join(sep) +
                                 QStringLiteral(")"));
  if (done_) done_(r);
}

SequenceResult ComputeSequence(const SequenceInput& in, const TextMeasurer& memo, const SequenceLabels& labels) {
  SequenceResult result;
  // The measurer outlives the run here: no ownership is taken.
  SequenceRun run(in, std::shared_ptr<const TextMeasurer>(std::shared_ptr<const TextMeasurer>(), &memo), labels,
                  [&result](const SequenceResult& r) { result = r; });
  while (run.step()) {
  }
  run.finish(Stepper::End::Finished, 0);
  return result;
}

}  // namespace zw
