#pragma once
// The Pythagorean triples topic's computation, callable without a window:
// the primitive triples (a, b, c), a < b, gcd 1, with a >= lower bound and
// c <= upper bound, in the order of Euclid's parameters (m, then n), and
// the memo lines that list several of them per line.
#include <QString>
#include <QStringList>
#include <cstdint>
#include <vector>

#include "kernel/Types.h"

namespace zw {

struct PythTriple {
  std::uint64_t a = 0, b = 0, c = 0;
  friend bool operator==(const PythTriple&, const PythTriple&) = default;
};

// The search as resumable steps, so that a window can run it in slices: m
// runs from 2 while m^2 < upper (at least once), n < m of the other parity.
// An upper bound below 5 holds no triple and ends the search at once.
class TripleSearch {
public:
  TripleSearch(std::int64_t lower, std::int64_t upper);
  // Visits at most `pairs` pairs (m, n) and appends the triples found.
  // Returns false once the search is over.
  bool advance(std::vector<PythTriple>& out, std::uint64_t pairs);
  bool done() const { return done_; }

private:
  std::int64_t lower_;
  std::uint64_t upper_;
  std::uint64_t m_ = 2, n_ = 1;
  bool done_ = false;
};

// Every triple of the bounds in one call.
std::vector<PythTriple> ListTriples(std::int64_t lower, std::int64_t upper);

// The same search as the plain loop on extended reals with GcdReal over
// every pair (m, n): the reference the integer search must match. Appends
// to `out`.
void ListTriplesByRealLoop(Extended lower, Extended upper, std::vector<PythTriple>& out);

// The width of one number in the memo: the length of the upper bound's text.
int TripleNumberWidth(std::int64_t upper);
// "( a|b|c )    ", each number padded on the left to `width` characters.
QString TripleText(const PythTriple& t, int width);

// Collects triple texts into memo lines of `perLine` triples; 0 puts them
// all into one line (which the memo wraps).
class TripleLines {
public:
  explicit TripleLines(int perLine) : perLine_(perLine) {}
  // Adds one text; a completed line is appended to `lines`.
  void add(const QString& text, QStringList& lines);
  // The unfinished line, when there is one.
  void flush(QStringList& lines);
  std::uint64_t count() const { return count_; }

private:
  int perLine_;
  int inLine_ = 0;
  std::uint64_t count_ = 0;
  QString buffer_;
};

// Triples per memo line for a memo `capacity` blanks wide.
int TriplesPerLine(int capacity, int width);

// The whole memo of a search that ran to its end: the lines of triples, or
// the single line "Keine Lösung".
QStringList PythMemoLines(std::int64_t lower, std::int64_t upper, int capacity);

// The topic's text page in German, English and French (called by
// RegisterAlgebraTopics).
void RegisterPythTexts();

}  // namespace zw
