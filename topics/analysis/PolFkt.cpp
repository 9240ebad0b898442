#include "topics/analysis/PolFkt.h"

#include <cmath>
#include <functional>

#include "kernel/BasicMath.h"
#include "kernel/Format.h"
#include "kernel/PolyText.h"
#include "kernel/Roots.h"
#include "kernel/TextPadding.h"
#include "shell/kit/Symbols.h"
#include "shell/texts/Texts.h"
#include "topics/analysis/CurveDiscussion.h"

namespace zw {

namespace {

QString Q(const std::u16string& s) { return QString::fromStdU16String(s); }

constexpr Extended kProbe = 0.0001L;

class Discussion {
public:
  Discussion(const PolFktInput& in, const PolFktTexts& t, const TextMeasurer& memo, std::mt19937& rng)
      : t_(t), memo_(memo), rng_(rng) {
    r_.f = in.f;
    PolyDerivative(r_.f, r_.d1);
    PolyDerivative(r_.d1, r_.d2);
    PolyDerivative(r_.d2, r_.d3);
    r_.antiderivative = Antiderivative(r_.f);
    c_ = in.c, d_ = in.d;
  }

  PolFktResult run() {
    QStringList& L = r_.lines;
    const TPoly* polys[4] = {&r_.f, &r_.d1, &r_.d2, &r_.d3};
    for (int i = 0; i < 4; ++i) r_.texts[std::size_t(i)] = Q(PolyToTextFrac(*polys[i]));
    const QString f = FunctionSign();
    header();
    L << Underlined(memo_, t_.derivatives);
    const QString labels[3] = {f + QStringLiteral("'(x)"), f + QStringLiteral("\"(x)"), f + QStringLiteral("'\"(x)")};
    const std::u16string widest = (labels[2] + QStringLiteral(" ")).toStdU16String();
    for (int i = 0; i < 3; ++i)
      L << QStringLiteral("  ") + Q(PadRightToWidth(memo_, widest, labels[i].toStdU16String())) + QStringLiteral("= ") +
               r_.texts[std::size_t(i + 1)];
    L << QString();
    L << Underlined(memo_, t_.antiderivative);
    L << QStringLiteral("  F(x) = ") + Q(PolyToTextFrac(r_.antiderivative)) + QStringLiteral(" + c");
    L << QString();
    if (c_ != d_) {
      L << Underlined(memo_, t_.integral);
      const Extended v = PolyValue(r_.antiderivative, d_) - PolyValue(r_.antiderivative, c_);
      L << QStringLiteral("  F(") + Q(FormatReal(8, d_)) + QStringLiteral(") - F(") + Q(FormatReal(8, c_)) +
               QStringLiteral(") = ") + Q(FormatReal(8, v));
      L << QString();
    }
    zeros();
    symmetry_ = t_.noneFound;
    extrema();
    inflections();
    L << Underlined(memo_, t_.symmetry);
    L << QStringLiteral("  ") + symmetry_;
    L << QString();
    r_.xmin = std::min(r_.xmin, Extended(-5)), r_.xmax = std::max(r_.xmax, Extended(5));
    r_.ymin = std::min(r_.ymin, Extended(-4)), r_.ymax = std::max(r_.ymax, Extended(4));
    return std::move(r_);
  }

private:
  void header() {
    QStringList& L = r_.lines;
    L << Underlined(memo_, t_.function);
    L << QStringLiteral("  ") + FunctionSign() + QStringLiteral("(x) = ") + r_.texts[0];
    TPoly whole{}, rest{};
    TBruch k{};
    PolyToIntegerCoeffs(r_.f, whole, k);
    const QString factor = Q(BruchFactorText(k));
    const QString wholeText = Q(PolyToTextFrac(whole));
    std::u16string factorised;
    TBruch ignored{};
    PolyFactorisedText(whole, factorised, ignored, rest);
    const QString indent =
        QStringLiteral("  ") + Q(PadRightToWidth(memo_, (FunctionSign() + QStringLiteral("(x)")).toStdU16String(), u""));
    if (!factor.isEmpty()) L << indent + QStringLiteral(" = ") + factor + QStringLiteral("(") + wholeText + QStringLiteral(")");
    if (wholeText != Q(factorised)) L << indent + QStringLiteral(" = ") + factor + Q(factorised);
    L << QString();
    wholeF_ = whole;
    rest_ = rest;
  }

  void zeros() {
    QStringList& L = r_.lines;
    L << Underlined(memo_, t_.zeros);
    TPoly roots{};
    int count = 0;
    RationalRoots(wholeF_, roots, count);
    int n = 0;
    for (int i = 1; i <= count; ++i) L << exactLine(QStringLiteral("N") + SubScriptDigits(++n), roots[std::size_t(i)], true);
    const int restDegree = PolyDegree(rest_);
    int numeric = 0;
    if (restDegree >= 1 && restDegree <= 4 && !PolyIsZero(rest_)) {
      TArrayExt z{};
      QuarticCoeffs c{};
      for (int i = 0; i <= 4; ++i) c[std::size_t(i)] = BruchToReal(rest_[std::size_t(i)]);
      RealRootsDeg4(z, numeric, c);
      for (int j = 1; j <= numeric; ++j)
        L << numericLine(QStringLiteral("N") + SubScriptDigits(++n), z[std::size_t(j)], true, true);
    }
    if (count + numeric == 0) L << t_.noneFound;
    if (restDegree >= 5)
      L << t_.furtherSearch + QStringLiteral(": p(x)=") + Q(PolyToTextFrac(rest_));
    L << QString();
  }

  // The rational and the numeric zeros of p (scaled to whole coefficients).
  void candidates(const TPoly& p, TPoly& roots, int& count, TArrayExt& numeric, int& numCount) {
    TPoly whole{}, rest{};
    TBruch k{};
    PolyToIntegerCoeffs(p, whole, k);
    RationalRoots(whole, roots, count);
    std::u16string restText;
    numCount = 0;
    PolyZerosAll(whole, roots, count, numeric, numCount, rest, restText);
  }

  // A turning point of ƒ' where ƒ'' is 0 there: decided by the sign of ƒ'' on both sides.
  int flatKind(Extended x) const {
    const Extended a = HornerUnclamped(r_.d2, x - kProbe), b = HornerUnclamped(r_.d2, x + kProbe);
    if (a < 0 && b < 0) return -1;
    if (a > 0 && b > 0) return 1;
    return 0;
  }

  void extrema() {
    QStringList& L = r_.lines;
    L << Underlined(memo_, t_.extrema);
    TPoly roots{};
    TArrayExt numeric{};
    int count = 0, numCount = 0;
    candidates(r_.d1, roots, count, numeric, numCount);
    for (int i = 1; i <= count; ++i) {
      const TBruch xb = roots[std::size_t(i)];
      const Extended x = BruchToReal(xb);
      const Extended s = RoundDecimals(8, PolyValue(r_.d2, x));
      if (s != 0) {
        L << exactLine(s > 0 ? QStringLiteral("T") : QStringLiteral("H"), xb, false);
      } else if (const int kind = flatKind(x); kind != 0) {
        L << numericLine(kind > 0 ? QStringLiteral("T") + SubScriptDigits(++minima_)
                                  : QStringLiteral("H") + SubScriptDigits(++maxima_),
                         x, false, true);
      }
      if (PolyAxisSymmetric(r_.f, x, rng_))
        symmetry_ = t_.axisSymmetric + QStringLiteral(" a: x =") + Q(BruchToText(xb));
    }
    for (int j = 1; j <= numCount; ++j) {
      const Extended x = numeric[std::size_t(j)];
      const Extended s = RoundDecimals(8, PolyValue(r_.d2, x));
      const int kind = s > 0 ? 1 : s < 0 ? -1 : flatKind(x);
      if (kind != 0)
        L << numericLine(kind > 0 ? QStringLiteral("T") + SubScriptDigits(++minima_)
                                  : QStringLiteral("H") + SubScriptDigits(++maxima_),
                         x, false, true);
      if (PolyAxisSymmetric(r_.f, x, rng_))
        symmetry_ = t_.axisSymmetric + QStringLiteral(" a: x =") + Q(FormatGeneral(15, x));
    }
    if (count + numCount == 0) L << t_.noneFound;
    L << QString();
  }

  void inflections() {
    QStringList& L = r_.lines;
    L << Underlined(memo_, t_.inflections);
    TPoly roots{};
    TArrayExt numeric{};
    int count = 0, numCount = 0;
    candidates(r_.d2, roots, count, numeric, numCount);
    int w = 0;
    auto test = [&](Extended x, const std::function<QString()>& exact) {
      const Extended t = RoundDecimals(8, PolyValue(r_.d3, x));
      const Extended a = HornerUnclamped(r_.d2, x - kProbe), b = HornerUnclamped(r_.d2, x + kProbe);
      if (t != 0 && exact)
        L << exact();
      else if (t != 0 || a * b < 0)
        L << numericLine(QStringLiteral("W") + SubScriptDigits(++w), x, false, true);
      if (PolyPointSymmetric(r_.f, x, PolyValue(r_.f, x), rng_))
        symmetry_ = t_.pointSymmetric + QStringLiteral(" ") +
                    numericLine(QStringLiteral("W") + SubScriptDigits(w), x, false, false, false);
    };
    for (int i = 1; i <= count; ++i) {
      const TBruch xb = roots[std::size_t(i)];
      test(BruchToReal(xb), [&] { return exactLine(QStringLiteral("W") + SubScriptDigits(++w), xb, false); });
    }
    for (int j = 1; j <= numCount; ++j) test(numeric[std::size_t(j)], nullptr);
    if (count + numCount == 0) L << t_.noneFound;
    L << QString();
  }

  QString slope(Extended x) const { return SlopeText(PolyValue(r_.d1, x)); }
  void widen(Extended x, Extended y) {
    r_.xmin = std::min(r_.xmin, x), r_.xmax = std::max(r_.xmax, x);
    r_.ymin = std::min(r_.ymin, y), r_.ymax = std::max(r_.ymax, y);
  }
  QString exactLine(const QString& name, TBruch xb, bool zero) {
    const Extended x = BruchToReal(xb);
    Extended y = PolyValue(r_.f, x);
    if (zero || std::fabs(y) < 1e-5L) y = 0;
    widen(x, y);
    return PaddedPoint(memo_, ExactPointText(name, xb, y)) + slope(x);
  }
  QString numericLine(const QString& name, Extended x, bool zero, bool withSlope, bool listed = true) {
    Extended y = PolyValue(r_.f, x);
    if (zero || std::fabs(y) < 1e-6L) y = 0;
    if (listed) widen(x, y);
    return PaddedPoint(memo_, NumericPointText(name, x, y)) + (withSlope ? slope(x) : QString());
  }

  const PolFktTexts& t_;
  const TextMeasurer& memo_;
  std::mt19937& rng_;
  PolFktResult r_;
  Extended c_ = 0, d_ = 0;
  TPoly wholeF_{}, rest_{};
  QString symmetry_;
  int minima_ = 0, maxima_ = 0;
};

}  // namespace

QString ExactPointText(const QString& name, TBruch x, Extended y) {
  return name + QStringLiteral("(") + (BruchToReal(x) >= 0 ? QStringLiteral(" ") : QString()) + Q(BruchToText(x)) +
         QStringLiteral(" |") + Q(FormatRealSigned(6, y)) + QStringLiteral(" )");
}

QString NumericPointText(const QString& name, Extended x, Extended y) {
  return name + QStringLiteral("(") + Q(FormatRealSigned(6, x)) + QStringLiteral(" |") + Q(FormatRealSigned(6, y)) +
         QStringLiteral(" )");
}

QString PaddedPoint(const TextMeasurer& memo, const QString& point) {
  return QStringLiteral("  ") + Q(PadRightToWidth(memo, std::u16string(24, u'w'), point.toStdU16String()));
}

QString SlopeText(Extended m) {
  if (std::fabs(m) < 1e-5L) m = 0;
  return QStringLiteral("m = ") + Q(FormatRealSigned(6, m));
}

Extended HornerUnclamped(const TPoly& p, Extended x) {
  Extended v = 0;
  for (int i = PolyDegree(p); i >= 0; --i) v = v * x + BruchToReal(p[std::size_t(i)]);
  return v;
}

PolFktTexts PolFktTexts::current() {
  auto t = [](int item) { return GetText(IPolFkt, item); };
  return {GetText(IKudis, 11), t(3),  t(20), t(21), t(31), t(32), t(33),
          t(40),               t(41), t(42), t(43), t(44)};
}

TPoly Antiderivative(const TPoly& p) {
  TPoly F{};
  PolyClear(F);
  for (int i = 0; i < PolyMaxDegree; ++i) F[std::size_t(i + 1)] = BruchOp(p[std::size_t(i)], BruchFromInt(i + 1), '/');
  return F;
}

PolFktResult DiscussPolynomial(const PolFktInput& in, const PolFktTexts& texts, const TextMeasurer& memo,
                               std::mt19937& rng) {
  return Discussion(in, texts, memo, rng).run();
}

QStringList PolynomialValueTable(const TPoly& f, Extended from, Extended to, Extended step, int digits,
                                 const TextMeasurer& memo, const char* stepKey) {
  const int rows = std::max(1, ValueTableRows(from, to, step, stepKey));
  TPoly d1{}, d2{};
  PolyDerivative(f, d1);
  PolyDerivative(d1, d2);
  const std::u16string column = EmDashesForWidth(memo, 7 * memo.textWidth(u"\u2014"));
  auto cell = [&](const QString& s) { return Q(PadRightToWidth(memo, column, s.toStdU16String())); };
  const QString sep = QStringLiteral("   ");
  const QString fs = FunctionSign();
  QStringList L;
  L << QString() << QStringLiteral("   ") + fs + QStringLiteral("(x) = ") + Q(PolyToTextFrac(f)) << QString();
  L << QStringLiteral("     ") + cell(QStringLiteral(" x")) + sep + cell(fs + QStringLiteral("(x)")) + sep +
           cell(fs + QStringLiteral("'(x)")) + sep + cell(fs + QStringLiteral("\"(x)"));
  L << QStringLiteral("   ") + QStringList(4, Q(column)).join(sep);
  for (int i = 0; i < rows; ++i) {
    const Extended x = from + i * step;
    L << QStringLiteral("    ") + cell(Q(FormatRealSigned(5, x))) + sep +
             cell(Q(FormatRealSigned(digits, PolyValue(f, x)))) + sep +
             cell(Q(FormatRealSigned(digits, PolyValue(d1, x)))) + sep +
             cell(Q(FormatRealSigned(digits, PolyValue(d2, x))));
  }
  return L;
}

}  // namespace zw
