#pragma once
// The prime-numbers topic's computation, callable without a window: the
// primes between a and b (from the window sieve) or the primes number a to
// number b (from the prime table) as a word-wrapped paragraph under a
// heading, built as a Stepper that lists one prime per step, and the switch
// of the numbered list between one entry per line and a paragraph.
#include <QString>
#include <QStringList>
#include <cstdint>
#include <optional>

#include "kernel/Primes.h"
#include "topics/algebra/PrimeRun.h"
#include "topics/frame/LongRun.h"

namespace zw {

enum class PrimMode { Between = 0, Numbered = 1 };

// The memo after a run: the heading, an empty line, the entries as one
// paragraph (" ..." after the last when the run was stopped), and for the
// primes between a and b an empty line and the count line; the numbered
// list ends with an empty line.
QStringList PrimListing(PrimMode mode, const QString& heading, const QStringList& entries, bool stopped);

// The numbered list switched between one entry per line (perLine) and one
// paragraph: lines 0 and 1 (heading and empty line) stay.
QStringList PrimToggleWrap(const QStringList& memoLines, bool perLine);

class PrimRun : public Stepper {
public:
  // `lineCapacity` is how many characters fit into a memo line; the
  // entries are written in lines of that length while the run goes on.
  // The bounds are exchanged when a > b; between a and b, b is cut to
  // a + 40,000; numbered entries end at 10,000. Numbered lists need a >= 1
  // (checked by the caller).
  PrimRun(PrimMode mode, std::int64_t a, std::int64_t b, int lineCapacity, PrimeMemoOutput& out);
  bool step() override;
  void finish(End end, int message) override;

private:
  void append(const QString& entry);

  PrimMode mode_;
  std::int64_t a_, b_;
  int capacity_;
  PrimeMemoOutput& out_;
  std::optional<WindowSieve> sieve_;
  QString heading_;
  QString buffer_;
  QStringList entries_;
  std::size_t next_ = 0;  // next prime of the window, or next table number
};

// The topic's text page in German, English and French (called by
// RegisterAlgebraTopics).
void RegisterPrimTexts();

}  // namespace zw
