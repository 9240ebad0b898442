#pragma once
// The prime-tuples topic's computation, callable without a window: the
// listing of the twins, cousins, sexy primes or triplets between a and b
// with their count lines, and the run (the window sieve in steps, then the
// listing) as a Stepper.
#include <QString>
#include <QStringList>
#include <cstdint>
#include <memory>
#include <vector>

#include "kernel/Primes.h"
#include "topics/algebra/PrimeRun.h"
#include "topics/frame/LongRun.h"

namespace zw {

// The kinds are the items of the topic's page that name them.
enum class TupleKind { Twins = 4, Cousins = 5, Sexy = 6, Triplets = 7 };

// A tuple's text that a word-wrapping memo never breaks: a word joiner
// (U+2060, drawn as nothing) after every bar, where a line could otherwise
// end ("(41|" / "43|47)").
QString JoinTuple(QString tuple);

// The memo lines for the primes of [a, b] (ascending, all of them): the
// heading, an empty line, the tuples in one line (each kept whole by
// JoinTuple), an empty line and the count line (triplets: and the line that
// counts both forms).
QStringList TupleListing(TupleKind kind, std::int64_t a, std::int64_t b, const std::vector<std::int64_t>& primes);

// One run: the bounds are exchanged when a > b and b is cut to a + 40,000.
// A stop while the window is sieved leaves an empty memo; once the sieve is
// done the listing is written whatever comes.
class PrimtupRun : public Stepper {
public:
  PrimtupRun(TupleKind kind, std::int64_t a, std::int64_t b, PrimeMemoOutput& out);
  bool step() override;
  void finish(End end, int message) override;

private:
  TupleKind kind_;
  std::int64_t a_, b_;
  PrimeMemoOutput& out_;
  WindowSieve sieve_;
};

// The topic's text page in German, English and French (called by
// RegisterAlgebraTopics).
void RegisterPrimtupTexts();

}  // namespace zw
