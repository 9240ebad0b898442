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

// Which field a refused input belongs to.
enum class SequenceField { StartTerms, Term, Count };

struct SequenceResult {
  QString shownTerm;  // the term as the field shows it afterwards ("{" → "[")
  QStringList lines;
  QStringList terms;  // a[0] … a[n−1] as listed
};

// The most terms one computation lists.
inline constexpr int SequenceMaxTerms = 10000;

// The term with blanks removed and "{", "}" turned into "[", "]".
QString SequenceTermText(const QString& typed);

// Throws SequenceInputError (message 22) when n is not a whole number from 0
// to SequenceMaxTerms, when the evaluator cannot read a term or an index, or
// when an index names no existing term.
SequenceResult ComputeSequence(const SequenceInput& in, const TextMeasurer& memo, const SequenceLabels& labels);

struct SequenceInputError {
  SequenceField field;
};

}  // namespace zw
