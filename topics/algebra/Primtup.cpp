#include "topics/algebra/Primtup.h"

#include <algorithm>
#include <utility>

#include "shell/texts/Texts.h"

namespace zw {

namespace {

// ----- texts of the topic's page -------------------------------------------

constexpr TextItem kPrimtupDe[] = {
    {1, u"Aufgelistet und gezählt werden die Primzahlzwillinge, Primzahlcousins, sexy Primzahlen oder "
        u"Primzahldrillinge zwischen a und b (höchstens 40000 auseinander)."},
    {2, u"Untere Grenze"}, {3, u"Obere Grenze"},
    {4, u"Primzahlzwillinge"}, {5, u"Primzahlcousins"}, {6, u"Sexy Primzahlen"}, {7, u"Primzahldrillinge"},
    {8, u"zwischen"}, {9, u"und"}, {10, u"1 Paar"}, {11, u"Paare"}, {12, u"1 Tripel"}, {13, u"Tripel"},
    {14, u"der Form"},
};
constexpr TextItem kPrimtupEn[] = {
    {1, u"Lists and counts the twin primes, cousin primes, sexy primes or prime triplets between a and b "
        u"(at most 40000 apart)."},
    {2, u"Lower bound"}, {3, u"Upper bound"},
    {4, u"twin primes"}, {5, u"cousin primes"}, {6, u"sexy primes"}, {7, u"prime triplets"},
    {8, u"between"}, {9, u"and"}, {10, u"1 pair"}, {11, u"pairs"}, {12, u"1 triplet"}, {13, u"triplets"},
    {14, u"of the form"},
};
constexpr TextItem kPrimtupFr[] = {
    {1, u"Énumère et compte les nombres premiers jumeaux, cousins, sexy ou les triplets de nombres premiers "
        u"entre a et b (40000 d'écart au plus)."},
    {2, u"Borne inférieure"}, {3, u"Borne supérieure"},
    {4, u"nombres premiers jumeaux"}, {5, u"nombres premiers cousins"}, {6, u"nombres premiers sexy"},
    {7, u"triplets de nombres premiers"},
    {8, u"entre"}, {9, u"et"}, {10, u"1 paire"}, {11, u"paires"}, {12, u"1 triplet"}, {13, u"triplets"},
    {14, u"de la forme"},
};

QString item(int i) { return GetText(IPrimtup, i); }
QString spaced(int i) { return GetTextSpaced(IPrimtup, i); }
QString num(std::int64_t n) { return DefaultNumberText(n); }

QString pair(std::int64_t d, std::int64_t e) { return JoinTuple(u'(' + num(d) + u'|' + num(e) + u')') + u' '; }

// "1 Paar" or "n Paare" and the kind; twins put their blanks differently.
QString pairCount(TupleKind kind, int n) {
  const int k = static_cast<int>(kind);
  if (kind == TupleKind::Twins) return n == 1 ? item(10) + spaced(k) : QString::number(n) + spaced(11) + item(k);
  return n == 1 ? spaced(10) + item(k) : QString::number(n) + spaced(11) + item(k);
}

}  // namespace

QString JoinTuple(QString tuple) { return tuple.replace(QStringLiteral("|"), QStringLiteral("|\u2060")); }

QStringList TupleListing(TupleKind kind, std::int64_t a, std::int64_t b, const std::vector<std::int64_t>& p) {
  const int k = static_cast<int>(kind);
  const QString heading = item(k) + spaced(8) + num(a) + spaced(9) + num(b);
  QString tuples;
  int count = 0;
  const std::size_t n = p.size();
  switch (kind) {
    case TupleKind::Twins:
      for (std::size_t i = 0; i + 1 < n && p[i + 1] <= b; ++i)
        if (p[i] >= a && p[i + 1] - p[i] == 2) {
          tuples += pair(p[i], p[i + 1]);
          ++count;
        }
      break;
    case TupleKind::Cousins:
      // 3 and 7 are no neighbours: 5 lies between them.
      if (a <= 3 && b >= 7) {
        tuples += pair(3, 7);
        ++count;
      }
      for (std::size_t i = 0; i + 1 < n; ++i)
        if (p[i] >= a && p[i + 1] <= b && p[i + 1] - p[i] == 4) {
          tuples += pair(p[i], p[i + 1]);
          ++count;
        }
      break;
    case TupleKind::Sexy:
      for (std::size_t i = 0; i < n; ++i)
        for (std::size_t j = i + 1; j <= i + 2 && j < n; ++j)
          if (p[i] >= a && p[j] <= b && p[j] - p[i] == 6) {
            tuples += pair(p[i], p[j]);
            ++count;
          }
      break;
    case TupleKind::Triplets: {
      int first = 0, second = 0;
      // (3|5|7) is listed when b reaches 11, and counts in the total only.
      if (a <= 3 && b >= 11) {
        tuples += JoinTuple(QStringLiteral("(3|5|7)")) + u' ';
        ++count;
      }
      for (std::size_t i = 0; i + 2 < n; ++i) {
        if (p[i] < a || p[i + 2] > b) continue;
        const std::int64_t d1 = p[i + 1] - p[i], d2 = p[i + 2] - p[i + 1];
        const QString inner = num(p[i]) + u'|' + num(p[i + 1]) + u'|' + num(p[i + 2]);
        if (d1 == 2 && d2 == 4) {
          tuples += JoinTuple(u'(' + inner + u')') + u' ';
          ++first;
        } else if (d1 == 4 && d2 == 2) {
          tuples += JoinTuple(u'[' + inner + u']') + u' ';
          ++second;
        }
      }
      count += first + second;
      const QString total = count == 1 ? spaced(12) + item(7) : QString::number(count) + spaced(13) + item(7);
      const QString forms = QString::number(first) + spaced(14) + JoinTuple(QStringLiteral("(p|p+2|p+6)")) + spaced(9) +
                            QString::number(second) + spaced(14) + JoinTuple(QStringLiteral("[p|p+4|p+6]"));
      return {heading, QString(), tuples, QString(), total, forms};
    }
  }
  return {heading, QString(), tuples, QString(), pairCount(kind, count)};
}

PrimtupRun::PrimtupRun(TupleKind kind, std::int64_t a, std::int64_t b, PrimeMemoOutput& out)
    : kind_(kind),
      a_(std::min(a, b)),
      b_(std::min(std::max(a, b), std::min(a, b) + WindowSieve::MaxSpan)),
      out_(out),
      sieve_(a_, b_) {
  out_.setLines({GetMessageText(1)});
}

bool PrimtupRun::step() {
  if (!sieve_.done()) {
    sieve_.step();
    return true;
  }
  out_.setLines(TupleListing(kind_, a_, b_, sieve_.primes()));
  return false;
}

void PrimtupRun::finish(End end, int) {
  if (end == End::Stopped) {
    // A stop counts only while the window is sieved.
    if (sieve_.done())
      out_.setLines(TupleListing(kind_, a_, b_, sieve_.primes()));
    else
      out_.setLines({});
  }
}

// The texts of the topic's page; called by the area's registration.
void RegisterPrimtupTexts() {
  static const TextPageRegistration regDe{IPrimtup, TextLanguage::German, kPrimtupDe};
  static const TextPageRegistration regEn{IPrimtup, TextLanguage::English, kPrimtupEn};
  static const TextPageRegistration regFr{IPrimtup, TextLanguage::French, kPrimtupFr};
}

}  // namespace zw
