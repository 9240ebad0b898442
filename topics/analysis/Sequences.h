#pragma once
// The sequences topic's computation, callable without a window: the first n
// terms a[0] … a[n−1] from start terms and a term for a[i] that may refer to
// earlier terms (a[i-1] + a[i-2]), and the partial sums of the series.
#include <QString>
#include <QStringList>

namespace zw {

class TextMeasurer;

struct SequenceInput {
  QString startTerms;  // "1;1": a[0], a[1], ...
  QString term;        // the term for a[i]
  QString count;       // n
  bool numbered = false;
};

struct SequenceLabels {
  QString termCaption;    // "a[ i ] = "
  QString sequence, series;  // items 2 and 3
  static SequenceLabels current();
};

// The worksheet keys of the three fields; a refused input names its field
// with them (InputRejected).
inline constexpr const char* SequenceStartKey = "a0";
inline constexpr const char* SequenceTermKey = "ai";
inline constexpr const char* SequenceCountKey = "n";

struct SequenceResult {
  QString shownTerm;  // the term as the field shows it afterwards ("{" → "[")
  QStringList lines;
  QStringList terms;  // a[0] … a[n−1] as listed
};

// The most terms one computation lists.
inline constexpr int SequenceMaxTerms = 10000;

// The term with blanks removed and "{", "}" turned into "[", "]".
QString SequenceTermText(const QString& typed);

// n, a whole number from 0 to SequenceMaxTerms; InputRejected on the count
// field otherwise.
int SequenceCount(const QString& text);

// Throws InputRejected (message 22) naming the field at fault: the count as
// SequenceCount does; the start terms when one cannot be evaluated; the term
// when the evaluator cannot read it or an index, or an index names no
// existing term.
SequenceResult ComputeSequence(const SequenceInput& in, const TextMeasurer& memo, const SequenceLabels& labels);

}  // namespace zw
