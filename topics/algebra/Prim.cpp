#include "topics/algebra/Prim.h"

#include <algorithm>

#include "shell/texts/Texts.h"

namespace zw {

namespace {

// ----- texts of the topic's page (the title is the shell's) -----------------

constexpr TextItem kPrimDe[] = {
    {1, u"Bestimmt die Primzahlen zwischen a und b (höchstens 40000 auseinander) oder die Primzahlen mit "
        u"den Nummern a bis b."},
    {3, u"Primzahl"}, {4, u"zwischen"}, {5, u"und"}, {6, u"von Nr."}, {7, u"bis Nr."},
};
constexpr TextItem kPrimEn[] = {
    {1, u"Finds the primes between a and b (at most 40000 apart) or the primes number a to number b."},
    {3, u"prime"}, {4, u"between"}, {5, u"and"}, {6, u"from no."}, {7, u"to no."},
};
constexpr TextItem kPrimFr[] = {
    {1, u"Détermine les nombres premiers entre a et b (40000 d'écart au plus) ou les nombres premiers "
        u"de numéro a à b."},
    {3, u"nombre premier"}, {4, u"entre"}, {5, u"et"}, {6, u"du no"}, {7, u"au no"},
};

}  // namespace

QStringList PrimListing(PrimMode mode, const QString& heading, const QStringList& entries, bool stopped) {
  QString paragraph = entries.join(u' ');
  if (stopped) paragraph += QStringLiteral(" ...");
  QStringList lines{heading, QString(), paragraph.trimmed(), QString()};
  if (mode == PrimMode::Between) {
    const auto k = entries.size();
    lines << (k == 1 ? QStringLiteral("1 ") + GetText(IPrim, 3) : QString::number(k) + u' ' + GetText(IPrim, 0));
  }
  return lines;
}

QStringList PrimToggleWrap(const QStringList& memoLines, bool perLine) {
  if (memoLines.size() < 2) return memoLines;
  QStringList entries;
  for (qsizetype i = 2; i < memoLines.size(); ++i)
    entries << memoLines[i].split(u' ', Qt::SkipEmptyParts);
  QStringList out{memoLines[0], QString()};
  if (perLine)
    out << entries;
  else
    out << entries.join(u' ');
  out << QString();
  return out;
}

PrimRun::PrimRun(PrimMode mode, std::int64_t a, std::int64_t b, int lineCapacity, PrimeMemoOutput& out)
    : mode_(mode), a_(std::min(a, b)), b_(std::max(a, b)), capacity_(std::max(lineCapacity, 1)), out_(out) {
  out_.setLines({GetMessageText(1)});
  if (mode_ == PrimMode::Between) {
    b_ = std::min(b_, a_ + WindowSieve::MaxSpan);
    sieve_.emplace(a_, b_);
    heading_ = GetText(IPrim, 0) + GetTextSpaced(IPrim, 4) + DefaultNumberText(a_) + GetTextSpaced(IPrim, 5) +
               DefaultNumberText(b_) + u':';
  } else {
    heading_ = GetText(IPrim, 0) + GetTextSpaced(IPrim, 6) + DefaultNumberText(a_) + GetTextSpaced(IPrim, 7) +
               DefaultNumberText(b_) + u':';
    next_ = static_cast<std::size_t>(a_);
    out_.setLines({heading_});
  }
}

void PrimRun::append(const QString& entry) {
  entries_ << entry;
  // Full lines go to the memo while the run goes on; the paragraph is
  // reshaped at the end.
  if (buffer_.size() + entry.size() < capacity_) {
    buffer_ += u' ' + entry;
  } else {
    out_.appendLines({buffer_});
    buffer_ = entry;
  }
}

bool PrimRun::step() {
  if (mode_ == PrimMode::Numbered) {
    const auto last = static_cast<std::size_t>(std::min<std::int64_t>(b_, PrimeTableSize));
    if (next_ > last) return false;
    append(QStringLiteral("prim(") + QString::number(next_) + QStringLiteral(")=") +
           QString::number(PrimeTableEntry(static_cast<int>(next_))));
    return ++next_ <= last;
  }
  if (!sieve_->done()) {
    if (!sieve_->step()) out_.setLines({heading_});
    return true;
  }
  const auto& primes = sieve_->primes();
  if (next_ >= primes.size()) return false;
  append(DefaultNumberText(primes[next_]));
  return ++next_ < primes.size();
}

void PrimRun::finish(End end, int) {
  if (end == End::Failed) return;
  out_.setLines(PrimListing(mode_, heading_, entries_, end == End::Stopped));
}

// The texts of the topic's page; called by the area's registration.
void RegisterPrimTexts() {
  static const TextPageRegistration regDe{IPrim, TextLanguage::German, kPrimDe};
  static const TextPageRegistration regEn{IPrim, TextLanguage::English, kPrimEn};
  static const TextPageRegistration regFr{IPrim, TextLanguage::French, kPrimFr};
}

}  // namespace zw
