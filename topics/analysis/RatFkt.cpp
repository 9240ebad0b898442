#include "topics/analysis/RatFkt.h"

#include <algorithm>
#include <cmath>

#include "kernel/BasicMath.h"
#include "kernel/Format.h"
#include "kernel/PolyText.h"
#include "kernel/TextPadding.h"
#include "shell/kit/Symbols.h"
#include "shell/texts/Texts.h"
#include "topics/analysis/CurveDiscussion.h"
#include "topics/analysis/PolFkt.h"

namespace zw {

namespace {

QString Q(const std::u16string& s) { return QString::fromStdU16String(s); }

constexpr Extended kProbe = 0.0001L;

QStringList Indented(const FractionText3& f, const QString& indent = QStringLiteral("  ")) {
  return {indent + Q(f.numeratorLine), indent + Q(f.barLine), indent + Q(f.denominatorLine)};
}

bool Vanishes(const TPoly& p, Extended x) { return PolyValue(p, x) == 0; }

void DivideByRoot(TPoly& p, TBruch r) {
  TPoly f{}, q{}, rest{};
  bool exact = false;
  LinearFactor(r, f);
  PolyDivMod(p, f, q, rest, exact);
  p = q;
}

// p/q without PolyValue's clamp (the side probes of ƒ'').
Extended RatioUnclamped(const TPoly& p, const TPoly& q, Extended x) {
  return HornerUnclamped(p, x) / HornerUnclamped(q, x);
}

// zOut/nOut := (z/n)' = (z'·n − z·n')/n².
void QuotientRule(const TPoly& z, const TPoly& n, TPoly& nOut, TPoly& zOut) {
  TPoly dz{}, dn{}, a{}, b{};
  PolyDerivative(z, dz);
  PolyDerivative(n, dn);
  PolyMul(dz, n, a);
  PolyMul(z, dn, b);
  PolySub(a, b, zOut);
  PolyMul(n, n, nOut);
}

struct Candidates {
  TPoly roots{};
  int count = 0;
  TArrayExt numeric{};
  int numCount = 0;
  std::u16string restText;  // the remaining factor when its degree is 5 or more
};

Candidates ZerosOf(const TPoly& p) {
  Candidates c;
  TPoly whole{}, rest{};
  TBruch k{};
  PolyToIntegerCoeffs(p, whole, k);
  RationalRoots(whole, c.roots, c.count);
  PolyZerosAll(whole, c.roots, c.count, c.numeric, c.numCount, rest, c.restText);
  return c;
}

class Discussion {
public:
  Discussion(const TPoly& z, const TPoly& n, const RatFktTexts& t, const TextMeasurer& memo, std::mt19937& rng)
      : t_(t), memo_(memo), rng_(rng) {
    r_.z = z, r_.n = n;
    if (PolyIsZero(r_.n)) r_.n[0] = BruchFromInt(1);
    r_.zr = r_.z, r_.nr = r_.n;
  }

  RatFktResult run() {
    QStringList& L = r_.lines;
    TBruch ratio{};
    TPoly zInt{}, nInt{}, zRest{}, nRest{};
    std::u16string zText, nText;
    LeadingRatio(r_.z, r_.n, ratio, zInt, nInt);
    FactorisedText(ratio, zInt, nInt, nRest, zRest, nText, zText);
    ZerosWithMultiplicity(zInt, nInt, gaps_, poles_, gapCount_, poleCount_);
    if (!PolyIsZero(nRest)) {
      TPoly zq = r_.zr, nq = r_.nr;
      NumericZerosRest(r_.zr, r_.nr, nRest, numGaps_, numPoles_, numGapCount_, numPoleCount_, zq, nq);
      r_.zr = zq, r_.nr = nq;
    }
    cancel();
    asymptote();

    L << Underlined(memo_, t_.function);
    L << Indented(FractionLinesEq(memo_, FunctionSign().toStdU16String() + u"(x) = ", u"", PolyToTextFrac(r_.z),
                                  PolyToTextFrac(r_.n), zText, nText));
    L << QString();
    gapLines();
    std::u16string denominator = PolyToTextFrac(r_.n);
    if (PolyToTextFrac(r_.zr) != PolyToTextFrac(r_.z)) {
      TPoly zi{}, ni{}, zs{}, ns{};
      TBruch k{};
      std::u16string zt, nt;
      LeadingRatio(r_.zr, r_.nr, k, zi, ni);
      FactorisedText(k, zi, ni, ns, zs, nt, zt);
      L << Underlined(memo_, t_.extension);
      L << Indented(FractionLinesEq(memo_, FunctionSign().toStdU16String() + u"(x) = ", u"_", PolyToTextFrac(r_.zr),
                                    PolyToTextFrac(r_.nr), zt, nt));
      L << QString();
      if (!nt.empty()) denominator = nt;
    }
    derivatives(denominator);
    zeros();
    extrema();
    inflections();
    behaviour();
    for (int i = 1; i <= poleCount_; ++i) poleSymmetry(BruchToReal(poles_[std::size_t(i)]));
    for (int i = 1; i <= numPoleCount_; ++i) poleSymmetry(numPoles_[std::size_t(i)]);
    L << Underlined(memo_, t_.symmetry);
    L << QStringLiteral("  ") + (symmetry_.isEmpty() ? t_.noneFound : symmetry_);
    L << QString();
    r_.xmin = std::min(r_.xmin, Extended(-5)), r_.xmax = std::max(r_.xmax, Extended(5));
    r_.ymin = std::min(r_.ymin, Extended(-4)), r_.ymax = std::max(r_.ymax, Extended(4));
    for (int i = 1; i <= poleCount_; ++i) r_.poles.push_back(BruchToReal(poles_[std::size_t(i)]));
    std::sort(r_.poles.begin(), r_.poles.end());
    const QString f = FunctionSign();
    r_.hints = {f + QStringLiteral("(x)"), f + QStringLiteral("'(x)"), f + QStringLiteral("\"(x)"),
                t_.verticalAsymptote, kind_};
    return std::move(r_);
  }

private:
  // Cancels the common factors of the gaps and poles in zr/nr; z/n keeps one
  // factor of a removable gap.
  void cancel() {
    auto divideOut = [&](TBruch r, bool keepLast) {
      const Extended x = BruchToReal(r);
      while (!PolyIsZero(r_.nr) && PolyDegree(r_.nr) > 0 && Vanishes(r_.zr, x) && Vanishes(r_.nr, x)) {
        DivideByRoot(r_.zr, r);
        DivideByRoot(r_.nr, r);
        if (keepLast && Vanishes(r_.nr, x)) r_.z = r_.zr, r_.n = r_.nr;
      }
      if (RatAxisSymmetric(r_.z, r_.n, x, rng_)) axis(Q(BruchToText(r)));
    };
    for (int i = 1; i <= gapCount_; ++i) divideOut(gaps_[std::size_t(i)], true);
    for (int i = 1; i <= poleCount_; ++i) divideOut(poles_[std::size_t(i)], false);
  }

  void asymptote() {
    const int J = PolyDegree(r_.z), K = PolyDegree(r_.n);
    PolyClear(r_.asymptote);
    if (J == K) {
      r_.asymptote[0] = BruchDiv(r_.z[std::size_t(J)], r_.n[std::size_t(K)]);
    } else if (K < J) {
      TPoly rest{};
      bool exact = false;
      PolyDivMod(r_.zr, r_.nr, r_.asymptote, rest, exact);
    }
    kind_ = K >= J ? t_.horizontal : J == K + 1 ? t_.oblique : t_.approximation;
  }

  void axis(const QString& x) { symmetry_ = t_.axisSymmetric + QStringLiteral(" a: x =") + x; }

  void widen(Extended x, Extended y) {
    r_.xmin = std::min(r_.xmin, x), r_.xmax = std::max(r_.xmax, x);
    r_.ymin = std::min(r_.ymin, y), r_.ymax = std::max(r_.ymax, y);
  }
  void widenX(Extended x) { r_.xmin = std::min(r_.xmin, x), r_.xmax = std::max(r_.xmax, x); }

  QString gapHead() { return QStringLiteral("  x") + SubScriptDigits(++gapIndex_); }

  // "Pol mit / ohne Vorzeichenwechsel" from ƒ on both sides.
  QString poleKind(Extended p) const {
    bool okPlus = false, okMinus = false;
    Extended plus = RatFuncValue(r_.z, r_.n, okPlus, p + 0.001L), minus = RatFuncValue(r_.z, r_.n, okMinus, p - 0.001L);
    if (!okPlus || !okMinus) {
      plus = RatFuncValue(r_.z, r_.n, okPlus, p + 0.01L);
      minus = RatFuncValue(r_.z, r_.n, okMinus, p - 0.01L);
    }
    return plus * minus > 0 ? t_.poleWithoutSign : t_.poleWithSign;
  }

  void gapLines() {
    QStringList& L = r_.lines;
    L << Underlined(memo_, t_.gaps);
    auto removable = [&](const QString& xText, Extended x, Extended y) {
      widen(x, y);
      L << gapHead() + xText + QStringLiteral("  ") + t_.removable + QStringLiteral(" L(") + Q(FormatRealSigned(6, x)) +
               QStringLiteral(" |") + Q(FormatRealSigned(6, y)) + QStringLiteral(" )");
    };
    for (int i = 1; i <= gapCount_; ++i) {
      const TBruch g = gaps_[std::size_t(i)];
      const Extended x = BruchToReal(g);
      bool ok = false;
      const Extended y = RatFuncValue(r_.zr, r_.nr, ok, x);
      if (ok) removable(QStringLiteral(" = ") + Q(BruchToText(g)), x, y);
    }
    for (int i = 1; i <= poleCount_; ++i) {
      const TBruch p = poles_[std::size_t(i)];
      const Extended x = BruchToReal(p);
      widenX(x);
      L << gapHead() + QStringLiteral(" =") + (x >= 0 ? QStringLiteral(" ") : QString()) + Q(BruchToText(p)) +
               QStringLiteral("  ") + poleKind(x);
    }
    for (int i = 1; i <= numGapCount_; ++i) {
      const Extended x = numGaps_[std::size_t(i)];
      // The value of the cancelled function there, or the mean of its neighbours
      // when the root is not exact enough to cancel.
      bool ok = false;
      Extended y = RatFuncValue(r_.zr, r_.nr, ok, x);
      if (!ok) {
        bool a = false, b = false;
        y = (RatFuncValue(r_.zr, r_.nr, a, x + 1e-5L) + RatFuncValue(r_.zr, r_.nr, b, x - 1e-5L)) / 2;
        ok = a && b;
      }
      if (ok && std::isfinite(y)) removable(QStringLiteral(" =") + Q(FormatRealSigned(6, x)), x, y);
    }
    for (int i = 1; i <= numPoleCount_; ++i) {
      const Extended x = numPoles_[std::size_t(i)];
      widenX(x);
      L << gapHead() + QStringLiteral(" =") + Q(FormatRealSigned(6, x)) + QStringLiteral("  ") + poleKind(x);
    }
    if (gapIndex_ == 0) L << t_.noneFound;
    L << QString();
  }

  void derivatives(const std::u16string& denominator) {
    QStringList& L = r_.lines;
    L << Underlined(memo_, t_.derivatives);
    QuotientRule(r_.zr, r_.nr, r_.n1, r_.z1);
    L << derivativeLines(QStringLiteral("'"), r_.z1, r_.n1, 3, 2, denominator);
    L << QString();
    QuotientRule(r_.z1, r_.n1, r_.n2, r_.z2);
    TPoly q{}, rest{};
    bool exact = false;
    PolyDivMod(r_.z2, r_.nr, q, rest, exact);
    r_.z2 = q;
    PolyDivMod(r_.n2, r_.nr, q, rest, exact);
    r_.n2 = q;
    L << derivativeLines(QStringLiteral("\""), r_.z2, r_.n2, 4, 3, denominator);
    L << QString();
  }

  QStringList derivativeLines(const QString& primes, const TPoly& z, const TPoly& n, int limit, int power,
                              const std::u16string& denominator) {
    TBruch ratio{};
    TPoly zc{}, nc{}, zRest{}, nRest{};
    LeadingRatio(z, n, ratio, zc, nc);
    for (int i = 1; i <= poleCount_; ++i) {
      const TBruch p = poles_[std::size_t(i)];
      const Extended x = BruchToReal(p);
      while (PolyDegree(nc) > 0 && Vanishes(zc, x) && Vanishes(nc, x)) {
        DivideByRoot(zc, p);
        DivideByRoot(nc, p);
      }
    }
    std::u16string zText, nText;
    FactorisedText(ratio, zc, nc, nRest, zRest, nText, zText);
    const std::u16string zPlain = PolyToTextFactor(ratio.z, zc), nPlain = PolyToTextFactor(ratio.n, nc);
    if (nText == nPlain && PolyDegree(nc) > limit)
      nText = u"(" + denominator + u")" + SupScriptDigits(power).toStdU16String();
    const std::u16string prefix = (FunctionSign() + primes + QStringLiteral("(x) = ")).toStdU16String();
    return Indented(FractionLinesEq(memo_, prefix, u" ", zPlain, nPlain, zText, nText));
  }

  // The point lines: y from the cancelled function, m from ƒ'; each also
  // tests the point symmetry about the listed point.
  QString exactLine(const QString& name, TBruch xb) {
    const Extended x = BruchToReal(xb);
    const Extended y = value(x);
    const QString text = ExactPointText(name, xb, y);
    const QString line = PaddedPoint(memo_, text) + SlopeText(slope(x));
    if (RatPointSymmetric(r_.z, r_.n, x, y, rng_)) symmetry_ = t_.pointSymmetric + QStringLiteral("  ") + text;
    return line;
  }
  QString numericLine(const QString& name, Extended x) {
    const Extended y = value(x);
    const QString line = PaddedPoint(memo_, NumericPointText(name, x, y)) + SlopeText(slope(x));
    if (RatPointSymmetric(r_.z, r_.n, x, y, rng_)) symmetry_ = t_.pointSymmetric + line;
    return line;
  }
  Extended value(Extended x) {
    bool ok = false;
    Extended y = RatFuncValue(r_.zr, r_.nr, ok, x);
    if (std::fabs(y) < 1e-6L) y = 0;
    widen(x, y);
    return y;
  }
  Extended slope(Extended x) const {
    bool ok = false;
    return RatFuncValue(r_.z1, r_.n1, ok, x);
  }
  bool defined(Extended x) const { return PolyValue(r_.nr, x) != 0; }
  Extended second(Extended x) const {
    bool ok = false;
    return RatFuncValue(r_.z2, r_.n2, ok, x);
  }

  void zeros() {
    QStringList& L = r_.lines;
    L << Underlined(memo_, t_.zeros);
    const Candidates c = ZerosOf(r_.zr);
    int n = 0;
    for (int i = 1; i <= c.count; ++i)
      if (defined(BruchToReal(c.roots[std::size_t(i)])))
        L << exactLine(QStringLiteral("N") + SubScriptDigits(++n), c.roots[std::size_t(i)]);
    for (int i = 1; i <= c.numCount; ++i)
      if (defined(c.numeric[std::size_t(i)])) L << numericLine(QStringLiteral("N") + SubScriptDigits(++n), c.numeric[std::size_t(i)]);
    if (c.count + c.numCount == 0) L << QStringLiteral("  ") + t_.noneFound;
    if (!c.restText.empty()) L << QStringLiteral("  ") + t_.furtherSearch + QStringLiteral(": p(x)=") + Q(c.restText);
    L << QString();
  }

  void extrema() {
    QStringList& L = r_.lines;
    L << Underlined(memo_, t_.extrema);
    int found = 0, maxima = 0, minima = 0;
    auto name = [&](bool minimum) {
      return minimum ? QStringLiteral("T") + SubScriptDigits(++minima) : QStringLiteral("H") + SubScriptDigits(++maxima);
    };
    // 1 minimum, −1 maximum, 0 neither.
    auto kindAt = [&](Extended x) {
      const Extended s = RoundDecimals(8, second(x));
      if (s != 0) return s > 0 ? 1 : -1;
      const Extended a = RatioUnclamped(r_.z2, r_.n2, x - kProbe), b = RatioUnclamped(r_.z2, r_.n2, x + kProbe);
      return a < 0 && b < 0 ? -1 : a > 0 && b > 0 ? 1 : 0;
    };
    if (PolyDegree(r_.z1) > 0) {
      const Candidates c = ZerosOf(r_.z1);
      found = c.count + c.numCount;
      for (int i = 1; i <= c.count; ++i) {
        const TBruch xb = c.roots[std::size_t(i)];
        const Extended x = BruchToReal(xb);
        if (defined(x)) {
          const Extended s = RoundDecimals(8, second(x));
          const int k = kindAt(x);
          if (s != 0) L << exactLine(name(k > 0), xb);
          else if (k != 0) L << numericLine(name(k > 0), x);
        }
        if (RatAxisSymmetric(r_.z, r_.n, x, rng_)) axis(Q(BruchToText(xb)));
      }
      for (int i = 1; i <= c.numCount; ++i) {
        const Extended x = c.numeric[std::size_t(i)];
        if (defined(x))
          if (const int k = kindAt(x); k != 0) L << numericLine(name(k > 0), x);
        if (RatAxisSymmetric(r_.z, r_.n, x, rng_)) axis(Q(FormatGeneral(15, x)));
      }
    }
    if (found == 0) L << QStringLiteral("  ") + t_.noneFound;
    L << QString();
  }

  void inflections() {
    QStringList& L = r_.lines;
    L << Underlined(memo_, t_.inflections);
    int found = 0, w = 0;
    auto changes = [&](Extended x) {
      return RatioUnclamped(r_.z2, r_.n2, x - kProbe) * RatioUnclamped(r_.z2, r_.n2, x + kProbe) < 0;
    };
    if (PolyDegree(r_.z2) > 0) {
      const Candidates c = ZerosOf(r_.z2);
      found = c.count + c.numCount;
      for (int i = 1; i <= c.count; ++i) {
        const Extended x = BruchToReal(c.roots[std::size_t(i)]);
        if (defined(x) && changes(x)) L << exactLine(QStringLiteral("W") + SubScriptDigits(++w), c.roots[std::size_t(i)]);
      }
      for (int i = 1; i <= c.numCount; ++i) {
        const Extended x = c.numeric[std::size_t(i)];
        if (defined(x) && changes(x)) L << numericLine(QStringLiteral("W") + SubScriptDigits(++w), x);
      }
    }
    if (found == 0) L << QStringLiteral("  ") + t_.noneFound;
    L << QString();
  }

  void behaviour() {
    QStringList& L = r_.lines;
    L << Underlined(memo_, t_.behaviour + QStringLiteral("  |x| ") + ArrowSign() + QStringLiteral(" ") + InfinitySign());
    L << QStringLiteral("  ") + kind_ + QStringLiteral("  y = ") + Q(PolyToTextFrac(r_.asymptote));
    L << QString();
  }

  void poleSymmetry(Extended p) {
    const Extended y = PolyValue(r_.asymptote, p);
    if (RatPointSymmetric(r_.z, r_.n, p, y, rng_))
      symmetry_ = t_.pointSymmetric + QStringLiteral(" Z(") + Q(FormatGeneral(15, p)) + QStringLiteral(" |") +
                  Q(FormatGeneral(15, y)) + QStringLiteral(")");
  }

  const RatFktTexts& t_;
  const TextMeasurer& memo_;
  std::mt19937& rng_;
  RatFktResult r_;
  TPoly gaps_{}, poles_{};
  int gapCount_ = 0, poleCount_ = 0;
  TArrayExt numGaps_{}, numPoles_{};
  int numGapCount_ = 0, numPoleCount_ = 0;
  int gapIndex_ = 0;
  QString symmetry_, kind_;
};

}  // namespace

RatFktTexts RatFktTexts::current() {
  auto t = [](int item) { return GetText(IRatFkt, item); };
  RatFktTexts r;
  r.function = GetText(IKudis, 11);
  r.gaps = t(60), r.removable = t(61), r.poleWithSign = t(62), r.poleWithoutSign = t(63), r.verticalAsymptote = t(64);
  r.extension = t(21), r.derivatives = t(20), r.zeros = t(31), r.extrema = t(32), r.inflections = t(33);
  r.furtherSearch = t(40), r.noneFound = t(41), r.axisSymmetric = t(42), r.pointSymmetric = t(43), r.symmetry = t(44);
  r.behaviour = t(70), r.horizontal = t(71), r.oblique = t(72), r.approximation = t(73);
  return r;
}

RatFktResult DiscussRational(const TPoly& z, const TPoly& n, const RatFktTexts& texts, const TextMeasurer& memo,
                             std::mt19937& rng) {
  return Discussion(z, n, texts, memo, rng).run();
}

QStringList RationalValueTable(const RatFktResult& r, Extended from, Extended to, Extended step, int digits,
                               const TextMeasurer& memo, const char* stepKey) {
  const int rows = std::max(1, ValueTableRows(from, to, step, stepKey));
  const std::u16string column = EmDashesForWidth(memo, 7 * memo.textWidth(u"\u2014"));
  auto cell = [&](const QString& s) { return Q(PadRightToWidth(memo, column, s.toStdU16String())); };
  const QString sep = QStringLiteral("   ");
  const QString fs = FunctionSign();
  QStringList L = Indented(
      FractionLines(memo, fs.toStdU16String() + u"(x) = ", PolyToTextFrac(r.z), PolyToTextFrac(r.n)), QString());
  L << QString();
  L << QStringLiteral("     ") + cell(QStringLiteral("x:")) + sep + cell(fs + QStringLiteral("(x):")) + sep +
           cell(fs + QStringLiteral("'(x):")) + sep + cell(fs + QStringLiteral("\"(x):"));
  L << QStringLiteral("   ") + QStringList(4, Q(column)).join(sep);
  auto value = [&](const TPoly& p, const TPoly& q, Extended x) {
    bool ok = false;
    const Extended v = RatFuncValue(p, q, ok, x);
    return cell(ok ? Q(FormatRealSigned(digits, v)) : QStringLiteral(" ---"));
  };
  for (int i = 0; i < rows; ++i) {
    const Extended x = from + i * step;
    L << QStringLiteral("    ") + cell(Q(FormatRealSigned(5, x))) + sep + value(r.z, r.n, x) + sep +
             value(r.z1, r.n1, x) + sep + value(r.z2, r.n2, x);
  }
  return L;
}

}  // namespace zw
