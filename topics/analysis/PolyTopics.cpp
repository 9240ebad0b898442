#include "topics/analysis/PolyTopics.h"

#include "kernel/Format.h"
#include "kernel/Fraction.h"
#include "kernel/PolyText.h"
#include "kernel/Roots.h"
#include "common/TextMeasurer.h"
#include "shell/kit/Symbols.h"
#include "shell/texts/Texts.h"

namespace zw {

namespace {

QString Q(const std::u16string& s) { return QString::fromStdU16String(s); }

QString PolyText(const TPoly& p, bool decimal) { return Q(decimal ? PolyToTextDecimal(p) : PolyToTextFrac(p)); }

// The text of a result, or the overflow line when its coefficients left the
// 32-bit fraction range on the way.
template <typename F>
QString TextOrOverflow(F&& text, bool& overflow) {
  try {
    return text();
  } catch (const FractionOverflow&) {
    overflow = true;
    return PolyOverflowLine();
  }
}

}  // namespace

QString PolyOverflowLine() { return QStringLiteral("*** OVERFLOW ***"); }

// ----- division ------------------------------------------------------------

PolyDivLabels PolyDivLabels::current() {
  return {GetText(IPolDiv, 2), GetText(IPolDiv, 3), GetText(IPolDiv, 4), GetText(IPolDiv, 5),
          GetMessageText(24)};
}

PolyComputation PolyDivision(const TPoly& p1, const TPoly& p2, bool decimal, const TextMeasurer& memo,
                             const PolyDivLabels& labels) {
  // The labels are right-aligned to the width of the widest one's stand-in.
  const QString w = labels.polynomial + QString(8, u' ');
  auto head = [&](const QString& label) { return PadLeftToWidth(memo, w, label + QStringLiteral(": ")); };
  PolyComputation out;
  out.lines << head(QStringLiteral("1. ") + labels.polynomial) + Q(PolyToTextFrac(p1))
            << head(QStringLiteral("2. ") + labels.polynomial) + Q(PolyToTextFrac(p2)) << QString();

  bool productOverflow = false;
  const QString product = TextOrOverflow(
      [&] {
        TPoly p{};
        PolyMul(p1, p2, p);
        return PolyText(p, decimal);
      },
      productOverflow);

  QString quotient, remainder;
  bool divisionOverflow = false;
  std::optional<TPoly> q;
  if (PolyIsZero(p2) && !PolyIsZero(p1)) {
    // Dividing by the zero polynomial has no result; say so in both lines.
    quotient = remainder = labels.divisionByZero;
  } else {
    try {
      TPoly qq{}, r{};
      bool exact = false;
      PolyDivMod(p1, p2, qq, r, exact);
      quotient = PolyText(qq, decimal);
      remainder = PolyText(r, decimal);
      q = qq;
    } catch (const FractionOverflow&) {
      divisionOverflow = true;
      quotient = remainder = PolyOverflowLine();
    }
  }
  out.lines << head(labels.product) + (productOverflow ? QString() : product)
            << head(labels.quotient) + (divisionOverflow ? QString() : quotient)
            << head(labels.remainder) + (divisionOverflow ? QString() : remainder);
  // An overflow line stands alone, without its label.
  if (productOverflow) out.lines[3] = PolyOverflowLine();
  if (divisionOverflow) out.lines[4] = out.lines[5] = PolyOverflowLine();
  out.clipboard = q;
  return out;
}

// ----- gcd and lcm --------------------------------------------------------

PolyGcdLabels PolyGcdLabels::current() { return {GetText(IggT, 2), GetText(IggT, 3)}; }

std::optional<PolyComputation> PolyGcdLcm(const TPoly& p1, const TPoly& p2, bool decimal,
                                          const PolyGcdLabels& labels) {
  if (PolyDegree(p1) < 1 || PolyDegree(p2) < 1) return std::nullopt;
  const QString s1 = SubScriptDigits(1), s2 = SubScriptDigits(2);
  const QString h = QStringLiteral("(p") + s1 + QStringLiteral(",p") + s2 + QStringLiteral(") =  ");
  PolyComputation out;
  out.lines << QStringLiteral("p") + s1 + QStringLiteral("(x) =  ") + Q(PolyToTextFrac(p1))
            << QStringLiteral("p") + s2 + QStringLiteral("(x) =  ") + Q(PolyToTextFrac(p2)) << QString();
  try {
    TPoly g{}, l{}, c1{}, c2{}, r{};
    bool exact = false;
    PolyGcd(p1, p2, g);
    PolyMulDiv(p1, p2, g, l);
    PolyDivMod(p1, g, c1, r, exact);
    PolyDivMod(p2, g, c2, r, exact);
    if (!PolyDivides(p1, g) || !PolyDivides(p2, g)) throw FractionOverflow();
    const QString dot = MulDot();
    out.lines << labels.gcd + h + PolyText(g, decimal) << labels.lcm + h + PolyText(l, decimal) << QString()
              << QStringLiteral("p") + s1 + QStringLiteral("(x) =  (") + PolyText(g, decimal) + QStringLiteral(")") +
                     dot + QStringLiteral("(") + PolyText(c1, decimal) + QStringLiteral(")")
              << QStringLiteral("p") + s2 + QStringLiteral("(x) =  (") + PolyText(g, decimal) + QStringLiteral(")") +
                     dot + QStringLiteral("(") + PolyText(c2, decimal) + QStringLiteral(")");
    out.clipboard = g;
  } catch (const FractionOverflow&) {
    out.lines << PolyOverflowLine();
  }
  return out;
}

// ----- factorisation --------------------------------------------------------

PolyFactorLabels PolyFactorLabels::current() {
  return {GetText(IPolFak, 2), GetText(IPolFak, 3), GetText(IPolFak, 4)};
}

std::optional<PolyComputation> PolyFactorisation(const TPoly& input, const TextMeasurer& memo,
                                                 const PolyFactorLabels& labels) {
  if (PolyDegree(input) < 1) return std::nullopt;
  const QString head = QStringLiteral("p(x)");
  const QString eq = QStringLiteral(" = ");
  PolyComputation out;
  const QString t0 = Q(PolyToTextFrac(input));
  out.lines << head + eq + t0;
  try {
    TPoly p = input;
    TBruch k{1, 1};
    PolyMakeInteger(p, k);
    const QString t1 = Q(BruchFactorText(k));
    const QString t2 = Q(PolyToTextFrac(p));
    TPoly zeros{};
    int m = 0;
    RationalRoots(p, zeros, m);
    std::u16string t3u;
    TBruch factor{1, 1};
    TPoly rest{};
    PolyFactorisedText(p, t3u, factor, rest);
    const QString t3 = Q(t3u);
    const QString indent = BlankWidthOf(memo, head);
    if (!t1.isEmpty()) out.lines << indent + eq + t1 + QStringLiteral("(") + t2 + QStringLiteral(")");
    if (t2 != t3) out.lines << indent + eq + t1 + t3;
    out.lines << QString();

    const QString c = BlankWidthOf2(memo, labels.rationalZeros, labels.irrationalZeros);
    if (m < 1) {
      out.lines << labels.noRationalZeros;
    } else {
      QStringList list;
      for (int i = 1; i <= m; ++i) list << Q(BruchToText(zeros[static_cast<std::size_t>(i)]));
      out.lines << PadRightToWidth(memo, c, labels.rationalZeros) + QStringLiteral(":   ") +
                       list.join(QStringLiteral(", "));
    }
    const int restDegree = PolyDegree(rest);
    if (restDegree >= 1 && restDegree <= 4) {
      QuarticCoeffs coeffs{};
      for (int i = 0; i <= 4; ++i) coeffs[static_cast<std::size_t>(i)] = rest[static_cast<std::size_t>(i)].z;
      TArrayExt roots{};
      int count = 0;
      RealRootsDeg4(roots, count, coeffs);
      if (count > 0) {
        QStringList list;
        for (int i = 1; i <= count; ++i) list << Q(FormatReal(6, roots[static_cast<std::size_t>(i)]));
        out.lines << PadRightToWidth(memo, c, labels.irrationalZeros) + QStringLiteral(":   ") +
                         list.join(QStringLiteral(",  "))
                  << QString();
      }
    }
  } catch (const FractionOverflow&) {
    out.lines << PolyOverflowLine();
  }
  return out;
}

// ----- shift and stretch ----------------------------------------------------

PolyTransformLabels PolyTransformLabels::current() { return {GetText(IPolTrans, 2), GetText(IPolTrans, 3)}; }

PolyComputation PolyTransform(const TPoly& p, TBruch u, TBruch v, bool stretch, const PolyTransformLabels& labels) {
  const QString f = FunctionSign();
  const QString dot = MulDot();
  PolyComputation out;
  out.lines << f + QStringLiteral("(x) = ") + Q(PolyToTextFrac(p)) << QString();
  auto text = [](TBruch b) { return Q(BruchToText(b)); };
  try {
    TPoly r{};
    if (!stretch) {
      TPoly shifted{};
      PolyShift(p, BruchNeg(u), shifted);
      PolyAddConst(shifted, v, r);
      const TBruch h = BruchNeg(u);
      QString shiftPart, liftPart;
      if (h.z < 0) shiftPart = text(h);
      else if (h.z > 0) shiftPart = QStringLiteral("+ ") + text(h);
      if (v.z < 0) liftPart = text(v);
      else if (v.z > 0) liftPart = QStringLiteral(" + ") + text(v);
      out.lines << labels.shiftBy + QStringLiteral(" dx = ") + text(u) + QStringLiteral(" ,  dy = ") + text(v)
                << QString()
                << f + QStringLiteral("(x ") + shiftPart + QStringLiteral(")") + liftPart + QStringLiteral(" = ") +
                       Q(PolyToTextFrac(r));
    } else {
      if (u.z == 0) u = TBruch{1, 1};
      if (v.z == 0) v = TBruch{1, 1};
      TPoly stretched{};
      PolyStretchX(p, u, stretched);
      PolyScale(stretched, v, r);
      const TBruch one{1, 1};
      QString line;
      if (!(v == one)) line += text(v) + dot;
      line += f + QStringLiteral("(");
      if (!(u == one)) line += text(BruchDiv(TBruch{1, 1}, u)) + dot;
      line += QStringLiteral("x) = ") + Q(PolyToTextFrac(r));
      out.lines << labels.stretchBy + QStringLiteral(" sx = ") + text(u) + QStringLiteral(" ,  sy = ") + text(v)
                << QString() << line;
    }
    out.clipboard = r;
  } catch (const FractionOverflow&) {
    out.lines << PolyOverflowLine();
  }
  return out;
}

QString PolyGeneralForm(bool twoPolynomials) {
  const QString dot = MulDot();
  auto form = [&](const QString& head, QChar c) {
    return head + QStringLiteral("(x) = ") + c + SubScriptDigits(9) + dot + QStringLiteral("x") + SupScriptDigits(9) +
           QStringLiteral(" + ") + c + SubScriptDigits(8) + dot + QStringLiteral("x") + SupScriptDigits(8) +
           QStringLiteral(" + ... + ") + c + SubScriptDigits(0);
  };
  if (!twoPolynomials) return form(QStringLiteral("p "), u'a');
  return form(QStringLiteral("p") + SubScriptDigits(1), u'a') + QStringLiteral("     ") +
         form(QStringLiteral("p") + SubScriptDigits(2), u'b');
}

}  // namespace zw
