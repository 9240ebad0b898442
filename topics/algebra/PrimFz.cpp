#include "topics/algebra/PrimFz.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

#include "kernel/CalcFailure.h"
#include "kernel/Evaluator.h"
#include "kernel/Primes.h"
#include "kernel/SequenceTerms.h"
#include "common/TextMeasurer.h"
#include "shell/kit/Symbols.h"
#include "shell/texts/Texts.h"
#include "topics/frame/InputRejected.h"

namespace zw {

namespace {

// ----- texts of the topic's page -------------------------------------------
// (Registered here with the topic's computation; the window links this file.)

constexpr TextItem kPrfzDe[] = {
    {1, u"Zerlegt natürliche Zahlen in ihre Primfaktoren: eine einzelne Zahl, alle Zahlen eines Intervalls "
        u"oder die Glieder einer rekursiv definierten Folge."},
    {3, u"Primzahl"},
    {10, u"Faktorisierung"},
    {11, u"einer einzelnen Zahl  n"},
    {12, u"eines Intevalls  [n1; n2];"},
    {13, u"einer Folge  ( a[ i ] )"},
    {15, u"Stoppuhr"},
};
constexpr TextItem kPrfzEn[] = {
    {1, u"Factorizes natural numbers into primes: a single number, every number of an interval "
        u"or the terms of a recursively defined sequence."},
    {3, u"prime"},
    {10, u"Factorization"},
    {11, u"of a single number  n"},
    {12, u"of an interval  [n1; n2];"},
    {13, u"of a sequence  ( a[ i ] )"},
    {15, u"Stopwatch"},
};
constexpr TextItem kPrfzFr[] = {
    {1, u"Décompose des nombres naturels en facteurs premiers : un seul nombre, tous les nombres d'un "
        u"intervalle ou les termes d'une suite définie par récurrence."},
    {3, u"nombre premier"},
    {10, u"Factorisation"},
    {11, u"d'un seul nombre  n"},
    {12, u"d'un intervalle  [n1; n2];"},
    {13, u"d'une suite  ( a[ i ] )"},
    {15, u"Chronomètre"},
};

constexpr std::int64_t kIntervalLimit = 100'000'000'000'000'000LL;  // 10^17

QString decimal(std::int64_t n) { return QString::number(n); }

// A term of the sequence; one the evaluator cannot read refuses the term.
Extended evaluate(const QString& text) {
  Extended v = 0;
  std::int32_t err = 0;
  EvaluateFormula(text.toStdU16String(), v, err, 0);
  if (err > 0 || !std::isfinite(v)) throw InputRejected(PrimFzTermKey);
  return v;
}

}  // namespace

PrimFzTexts PrimFzTexts::current() { return {GetText(IPrfz, 3), GetMessageText(53)}; }

PrimFzFormat::PrimFzFormat(std::shared_ptr<const TextMeasurer> font, PrimFzTexts texts)
    : font_(std::move(font)), texts_(std::move(texts)), mask_(BlankWidthOf(*font_, QString(18, u'9'))) {}

QString PrimFzFormat::resultLine(std::int64_t n) const { return line(decimal(n), n); }

QString PrimFzFormat::line(const QString& number, std::int64_t n) const {
  const Factorization f = Factorize(n);
  const QString factors = n < 2 ? decimal(n) : f.isPrime() ? texts_.prime : QString::fromStdU16String(f.text);
  return PadLeftToWidth(*font_, mask_, number) + QStringLiteral(" = ") + factors;
}

QString PrimFzFormat::centred(const QString& text) const { return PadCenterToWidth(*font_, mask_ + mask_, text); }

std::optional<QString> PrimFzFormat::typedLine(const QString& typed) const {
  const QString t = typed.trimmed();
  const std::string s = t.toStdString();
  std::int64_t n = 0;
  const auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), n);
  if (s.empty() || ec != std::errc() || end != s.data() + s.size()) return std::nullopt;
  return line(t, n);
}

bool CompleteInterval(std::int64_t& n1, std::int64_t& n2, std::int64_t& n3) {
  if (n1 == 0) n1 = n2;
  if (n2 == 0) n2 = n1;
  if (n3 == 0) n3 = 1;
  return !(n1 > kIntervalLimit || n2 > kIntervalLimit || n3 > kIntervalLimit || (n1 == 0 && n2 == 0) || n3 < 0);
}

PrimFzRun::PrimFzRun(const PrimFzRequest& request, PrimFzFormat format, PrimeMemoOutput& out,
                     std::int64_t& lastSingle, std::function<std::int64_t()> clockMs)
    : r_(request), format_(std::move(format)), out_(out), lastSingle_(lastSingle), clock_(std::move(clockMs)) {
  started_ = clock_();
  switch (r_.mode) {
    case PrimFzMode::Single: break;
    case PrimFzMode::Interval:
      k_ = r_.n1 <= 0 ? 1 : r_.n1;
      r_.n3 = std::max<std::int64_t>(r_.n3, 1);  // CompleteInterval rejects others; never loop in place
      out_.clear();
      break;
    case PrimFzMode::Sequence: {
      r_.recursion.remove(u' ');
      for (const std::u16string& t : SplitStartTerms(r_.startTerms.toStdU16String())) {
        // A start term that does not stand alone (one that names a term) is
        // refused before the run.
        if (!EvaluatesAlone(t)) throw InputRejected(PrimFzStartKey);
        terms_ << QString::fromStdU16String(t);
      }
      k_ = terms_.size();
      out_.clear();
      break;
    }
  }
}

QString PrimFzRun::termText(std::int64_t i) const {
  std::u16string t;
  if (!ExpandSequenceTerm(r_.recursion.toStdU16String(), i, static_cast<std::size_t>(terms_.size()),
                          [this](std::size_t k) { return terms_[static_cast<qsizetype>(k)].toStdU16String(); }, t))
    throw InputRejected(PrimFzTermKey);
  return QString::fromStdU16String(t);
}

bool PrimFzRun::step() {
  switch (r_.mode) {
    case PrimFzMode::Single:
      if (r_.n0 != lastSingle_) out_.appendLines({format_.resultLine(r_.n0)});
      lastSingle_ = r_.n0;
      return false;
    case PrimFzMode::Interval:
      if (k_ > r_.n2) return false;
      out_.appendLines({format_.resultLine(k_)});
      k_ += r_.n3;
      return k_ <= r_.n2;
    case PrimFzMode::Sequence: {
      if (k_ >= r_.termCount) return false;
      const std::int64_t i = k_++;
      const Extended v = evaluate(termText(i));
      // Terms of 10^15 and above are left out; a term must be a whole number.
      if (std::fabs(v) < 1e15L) {
        if (v != std::trunc(v)) throw InputRejected(PrimFzTermKey);
        const auto n = static_cast<std::int64_t>(v);
        terms_ << decimal(n);
        out_.appendLines({format_.resultLine(n)});
      }
      return k_ < r_.termCount;
    }
  }
  return false;
}

void PrimFzRun::finish(End end, int) {
  if (end == End::Failed) return;
  if (r_.mode != PrimFzMode::Single) out_.appendLines({QString()});
  if (end == End::Stopped && r_.mode != PrimFzMode::Single) {
    out_.appendLines({format_.centred(format_.texts().aborted)});
    return;
  }
  const std::int64_t ms = clock_() - started_;
  if (r_.stopwatch && ms > 1) out_.appendLines({QString::number(ms) + QStringLiteral(" ms")});
}

// The texts of the topic's page; called by the area's registration.
void RegisterPrimFzTexts() {
  static const TextPageRegistration regDe{IPrfz, TextLanguage::German, kPrfzDe};
  static const TextPageRegistration regEn{IPrfz, TextLanguage::English, kPrfzEn};
  static const TextPageRegistration regFr{IPrfz, TextLanguage::French, kPrfzFr};
}

}  // namespace zw
