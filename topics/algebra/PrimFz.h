#pragma once
// The prime-factorisation topic's computation, callable without a window:
// the memo line of one number (the number right-aligned in a column as wide
// as 18 nines, " = " and its factorisation, or "Primzahl" for a prime), the
// reading of the interval fields, and the run over a single number, an
// interval or a recursively defined sequence as a Stepper that writes its
// lines to a MemoOutput.
#include <QString>
#include <QStringList>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>

#include "topics/algebra/PrimeRun.h"
#include "topics/frame/LongRun.h"

namespace zw {

class TextMeasurer;

// The texts of the current language a run shows.
struct PrimFzTexts {
  QString prime;    // item 3 "Primzahl"
  QString aborted;  // message 53 "Abgebrochen"
  static PrimFzTexts current();
};

// The memo lines' form in one font.
class PrimFzFormat {
public:
  PrimFzFormat(std::shared_ptr<const TextMeasurer> font, PrimFzTexts texts);
  // Blanks as wide as 18 nines: the number column.
  const QString& mask() const { return mask_; }
  // The number right-aligned, " = " and its factors, "Primzahl" for a
  // prime, the number itself below 2.
  QString resultLine(std::int64_t n) const;
  // A text centred in the width of two number columns.
  QString centred(const QString& text) const;
  // The line that Return in the memo makes of a typed line: the factorised
  // form of a whole number, or nothing when the line is not one.
  std::optional<QString> typedLine(const QString& line) const;
  const PrimFzTexts& texts() const { return texts_; }

private:
  QString line(const QString& number, std::int64_t n) const;

  std::shared_ptr<const TextMeasurer> font_;
  PrimFzTexts texts_;
  QString mask_;
};

enum class PrimFzMode { Single = 0, Interval = 1, Sequence = 2 };

// The worksheet keys of the start terms and the recursion (the fields a
// refused sequence names).
inline constexpr const char* PrimFzStartKey = "a0";
inline constexpr const char* PrimFzTermKey = "ai";

struct PrimFzRequest {
  PrimFzMode mode = PrimFzMode::Single;
  std::int64_t n0 = 0;                  // the single number
  std::int64_t n1 = 0, n2 = 0, n3 = 0;  // interval start, end, step
  QString startTerms;                   // "a[0]; a[1]; ..." (blanks are dropped)
  QString recursion;                    // a[i] in terms of i and earlier terms
  std::int64_t termCount = 0;           // terms 0 ... n − 1
  bool stopwatch = false;
};

// Completes the interval fields as the topic reads them (an empty start takes
// the end and the other way round, an empty step is 1) and checks them: false
// when they are unusable (both ends 0, a value above 10^17, a negative step).
bool CompleteInterval(std::int64_t& n1, std::int64_t& n2, std::int64_t& n3);

// One run; one unit per step (a number, a sequence term). The terms are
// built as the sequences topic builds them (kernel/SequenceTerms.h). A start
// term that does not evaluate on its own is refused when the run is made; a
// term that cannot be evaluated (or refers to a missing term) ends the run
// with message 22 on the recursion field; the lines written so far stay.
class PrimFzRun : public Stepper {
public:
  // `lastSingle` is the last single number factorised (the window's), which
  // a single run skips and updates. `clockMs` gives milliseconds.
  PrimFzRun(const PrimFzRequest& request, PrimFzFormat format, PrimeMemoOutput& out,
            std::int64_t& lastSingle, std::function<std::int64_t()> clockMs);
  bool step() override;
  void finish(End end, int message) override;

private:
  // The recursion for term i with the earlier terms inserted.
  QString termText(std::int64_t i) const;

  PrimFzRequest r_;
  PrimFzFormat format_;
  PrimeMemoOutput& out_;
  std::int64_t& lastSingle_;
  std::function<std::int64_t()> clock_;
  std::int64_t started_ = 0;
  std::int64_t k_ = 0;  // next interval number, or next term index
  QStringList terms_;   // the sequence's terms so far (start terms first)
};

// The topic's text page in German, English and French (called by
// RegisterAlgebraTopics).
void RegisterPrimFzTexts();

}  // namespace zw
