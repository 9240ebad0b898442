#pragma once
// The percentage topic's computation, callable without a window: of base
// value G, percentage value W, rate p, growth factor q and final value E two
// independent ones are given, the others follow. Rates and factors are exact
// fractions ("5%", "0,05" and "1/20" are the same rate). The memo lines are
// measured with the TextMeasurer the caller passes.
#include <QString>
#include <QStringList>
#include <array>
#include <optional>

#include "kernel/Fraction.h"
#include "kernel/Types.h"

namespace zw {

class TextMeasurer;

// The quantities in reading order; the bit of quantity i in the mask is 1 << i.
enum ProzQuantity { ProzG = 0, ProzW, ProzP, ProzQ, ProzE, ProzCount };

// A rate or factor text: "5%" (per cent), "0,05" (a ratio, the regional
// separator of kernelState()), "1/20" (a fraction; a "%" after it is
// ignored, at most 15 characters of the denominator are read). Empty is 0/1.
// Reduced, the sign on the numerator. nullopt for a bad number or a zero
// denominator.
std::optional<TBruchf> ParseProzFraction(const QString& text);

struct ProzValues {
  Extended G = 0, W = 0, E = 0;
  TBruchf p, q;
};

// The five field texts read: values, the mask of the given quantities (a
// quantity counts as given when it is not 0, E only when it is above 0) and
// the first field that failed to read (-1 when none did).
struct ProzReading {
  ProzValues values;
  int mask = 0;
  int firstBad = -1;
};
ProzReading ReadProz(const std::array<QString, ProzCount>& texts);

// The message a reading gives before anything is computed: 22 for a bad
// field or for p together with q, 3 for fewer than two given quantities
// (G alone included), 4 for more; 0 when the pair can be solved.
int ProzMessage(const ProzReading& reading);

// All five quantities from the given pair (mask as in ProzReading). A pair
// that needs a division by zero (q = 1 with W, E = W, p = -100 % with E)
// throws CalcFailure with message 5 ("Keine Lösung").
ProzValues SolveProz(const ProzValues& given, int mask);

// Items 2 ... 6 of the topic's page and the two headings (messages 26, 27).
struct ProzLabels {
  std::array<QString, ProzCount> names;  // Grundwert ... Endwert
  QString given, results;
  static ProzLabels current();
};

// The memo: the given quantities under "Gegeben", the others under
// "Ergebnisse", all values starting in one column.
QStringList ProzMemoLines(const ProzValues& all, int mask, const TextMeasurer& memoFont,
                          const ProzLabels& labels);

// The topic's text page in German, English and French (called by
// RegisterAlgebraTopics).
void RegisterProzentTexts();

}  // namespace zw
