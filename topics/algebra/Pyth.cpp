#include "topics/algebra/Pyth.h"

#include <cmath>
#include <numeric>
#include <utility>

#include "kernel/BasicMath.h"
#include "kernel/Format.h"
#include "shell/texts/Texts.h"

namespace zw {

namespace {

// ----- texts of the topic's page (registered here; move to the explicit list at merge)
constexpr TextItem kPythDe[] = {
    {1, u"Berechnet werden die primitiven pythagoräischen Zahlentripel (a|b|c), a² + b² = c², "
        u"mit a ≥ untere Grenze und c ≤ obere Grenze."},
    {2, u"Untere Grenze"},
    {3, u"Obere Grenze"},
};
constexpr TextItem kPythEn[] = {
    {1, u"Lists the primitive Pythagorean triples (a|b|c), a² + b² = c², "
        u"with a ≥ lower bound and c ≤ upper bound."},
    {2, u"Lower bound"},
    {3, u"Upper bound"},
};
constexpr TextItem kPythFr[] = {
    {1, u"Donne les triplets pythagoriciens primitifs (a|b|c), a² + b² = c², "
        u"avec a ≥ borne inférieure et c ≤ borne supérieure."},
    {2, u"Borne inférieure"},
    {3, u"Borne supérieure"},
};
// -----

using u64 = std::uint64_t;

QString number(u64 v, int width) {
  return QString::fromStdU16String(PadLeft(FormatReal(15, static_cast<Extended>(v)), width));
}

}  // namespace

TripleSearch::TripleSearch(std::int64_t lower, std::int64_t upper)
    : lower_(lower), upper_(upper < 5 ? 0 : static_cast<u64>(upper)), done_(upper < 5) {}

bool TripleSearch::advance(std::vector<PythTriple>& out, u64 pairs) {
  while (!done_ && pairs > 0) {
    if (n_ < m_) {
      const u64 m2 = m_ * m_, n2 = n_ * n_;
      // c grows with n: the rest of this m lies beyond the upper bound.
      if (m2 + n2 > upper_) {
        n_ = m_;
        continue;
      }
      --pairs;
      if (std::gcd(n_, m_) == 1) {
        PythTriple t{m2 - n2, 2 * m_ * n_, m2 + n2};
        if (t.a > t.b) std::swap(t.a, t.b);
        if (lower_ <= 0 || t.a >= static_cast<u64>(lower_)) out.push_back(t);
      }
      n_ += 2;
      continue;
    }
    ++m_;
    if (!(m_ * m_ < upper_)) {
      done_ = true;
      break;
    }
    n_ = m_ % 2 + 1;  // n and m of opposite parity
    --pairs;
  }
  return !done_;
}

std::vector<PythTriple> ListTriples(std::int64_t lower, std::int64_t upper) {
  std::vector<PythTriple> out;
  TripleSearch s(lower, upper);
  while (s.advance(out, UINT64_MAX)) {
  }
  return out;
}

void ListTriplesByRealLoop(Extended lower, Extended upper, std::vector<PythTriple>& out) {
  Extended m = 2;
  do {
    for (Extended n = fmodl(m, 2) + 1; n < m; n += 2) {
      if (GcdReal(n, m) != 1) continue;
      Extended a = m * m - n * n, b = 2 * m * n;
      const Extended c = m * m + n * n;
      if (a > b) std::swap(a, b);
      if (c <= upper && a >= lower) out.push_back({static_cast<u64>(a), static_cast<u64>(b), static_cast<u64>(c)});
    }
    m += 1;
  } while (m < sqrtl(upper));
}

int TripleNumberWidth(std::int64_t upper) {
  return static_cast<int>(FormatReal(15, static_cast<Extended>(upper)).size());
}

QString TripleText(const PythTriple& t, int width) {
  return QStringLiteral("( ") + number(t.a, width) + u'|' + number(t.b, width) + u'|' + number(t.c, width) +
         QStringLiteral(" )    ");
}

void TripleLines::add(const QString& text, QStringList& lines) {
  buffer_ += text;
  ++count_;
  if (inLine_ + 1 == perLine_) {
    lines << buffer_;
    buffer_.clear();
    inLine_ = 0;
  } else {
    ++inLine_;
  }
}

void TripleLines::flush(QStringList& lines) {
  if (!buffer_.isEmpty()) lines << buffer_;
  buffer_.clear();
  inLine_ = 0;
}

int TriplesPerLine(int capacity, int width) { return capacity / (3 * width + 12); }

QStringList PythMemoLines(std::int64_t lower, std::int64_t upper, int capacity) {
  const int width = TripleNumberWidth(upper);
  TripleLines collect(TriplesPerLine(capacity, width));
  QStringList lines;
  for (const PythTriple& t : ListTriples(lower, upper)) collect.add(TripleText(t, width), lines);
  collect.flush(lines);
  if (collect.count() == 0) lines << GetMessageText(5);
  return lines;
}

// The texts of the topic's page; called by the area's registration.
void RegisterPythTexts() {
  static const TextPageRegistration regDe{IPyth, TextLanguage::German, kPythDe};
  static const TextPageRegistration regEn{IPyth, TextLanguage::English, kPythEn};
  static const TextPageRegistration regFr{IPyth, TextLanguage::French, kPythFr};
}

}  // namespace zw
