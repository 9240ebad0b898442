#include "topics/linalg-stat/NormVer.h"

#include <QFont>
#include <QFontMetrics>
#include <QPainter>
#include <cmath>

#include "charts/VIrada.h"
#include "kernel/Format.h"
#include "kernel/FormatFixed.h"
#include "kernel/NormalDistribution.h"
#include "shell/kit/Symbols.h"
#include "shell/texts/Texts.h"
#include "topics/frame/ChartHelpers.h"
#include "topics/frame/InputRejected.h"

namespace zw {

namespace {

constexpr TextItem kNormDe[] = {
    {1, u"Für eine normalverteilte Zufallsgröße mit dem Mittelwert \u03BC und der Standardabweichung \u03C3 "
        u"werden als Grafik und als Wertetabelle gezeigt:"},
    {2, u"- die Dichtefunktion "},
    {3, u"- und die Verteilungsfunktion "},
};
constexpr TextItem kNormEn[] = {
    {1, u"For a normally distributed random variable with mean \u03BC and standard deviation \u03C3 the "
        u"following are shown as a chart and as a table of values:"},
    {2, u"- the density function "},
    {3, u"- and the distribution function "},
};
constexpr TextItem kNormFr[] = {
    {1, u"Pour une variable aléatoire de loi normale de moyenne \u03BC et d'écart type \u03C3 sont "
        u"montrées en graphique et en table de valeurs :"},
    {2, u"- la densité "},
    {3, u"- et la fonction de répartition "},
};

QString Fixed(int precision, int decimals, Extended x) {
  return QString::fromStdU16String(FormatFixed(precision, decimals, x));
}

}  // namespace

NormalRange NormalDefaults(Extended mu, Extended sigma) {
  if (!(sigma > 0) || !std::isfinite(sigma) || !std::isfinite(mu)) throw InputRejected(NormSigmaKey);
  NormalRange r;
  r.from = mu - 4 * sigma;
  r.to = mu + 4 * sigma;
  r.step = std::max(0.25L / sigma, 0.1L);
  return r;
}

QStringList NormalTableLines(const QString& muText, const QString& sigmaText, Extended mu, Extended sigma,
                             const NormalRange& range, int digits, const TextMeasurer& memo) {
  const Extended step = range.step;
  if (!(step > 0) || !std::isfinite(step) || !std::isfinite(range.from) || !std::isfinite(range.to) ||
      range.from + step == range.from)
    throw InputRejected(NormStepKey);
  if (range.to > range.from && (range.to - range.from) / step > NormMaxRows) throw InputRejected(NormStepKey);
  const QString w = EmDash().repeated(digits);
  const QString ref = BlankWidthOf(memo, w);
  const QString g = BlankWidthOf(memo, QStringLiteral("  "));
  QStringList out;
  out << QStringLiteral("   ") + MuSign() + QStringLiteral(" = ") + muText.trimmed() + QStringLiteral(" ,   ") +
             SigmaSign() + QStringLiteral(" = ") + sigmaText.trimmed();
  out << QString();
  out << QStringLiteral("  ") + PadCenterToWidth(memo, ref, QStringLiteral("x")) + g +
             PadCenterToWidth(memo, ref, FunctionSign() + QStringLiteral("(x)")) + g +
             PadCenterToWidth(memo, ref, PhiSign() + QStringLiteral("(x)"));
  out << QStringLiteral("  ") + w + g + w + g + w;
  long rows = 0;
  // The step is added to the running value, as one counts along the axis.
  for (Extended x = range.from; x < range.to && rows <= NormMaxRows; x += step, ++rows) {
    Extended P = 0;
    int ok = 0;
    NormalDistribution(P, ok, x, mu, sigma);
    out << g + PadRightToWidth(memo, ref, QString::fromStdU16String(FormatReal(digits, x))) + g +
               PadRightToWidth(memo, ref, Fixed(digits + 2, digits, NormalDensity(x, mu, sigma))) + g +
               PadRightToWidth(memo, ref, ok ? Fixed(digits + 2, digits, P) : QStringLiteral("---"));
  }
  return out;
}

void DrawNormalCurves(TVIrada& chart, Extended mu, Extended sigma, const GraphPens& pens) {
  const int first = chart.MarginLeft(), last = chart.width() - chart.MarginRight();
  const double lo = chart.Layers().X(1).RangeLow();
  for (int curve = 1; curve <= 2; ++curve) {
    chart.setDataColor(pens.color[std::size_t(curve)]);
    chart.setLineWidth(pens.width[std::size_t(curve)]);
    auto value = [&](double x, double& y) {
      if (curve == 1) {
        y = double(NormalDensity(x, mu, sigma));
        return true;
      }
      Extended P = 0;
      int ok = 0;
      NormalDistribution(P, ok, x, mu, sigma);
      y = double(P);
      return ok != 0;
    };
    double y = 0;
    value(lo, y);
    chart.MoveTo(lo, y);
    for (int c = first; c <= last; ++c) {
      double x = 0, unused = 0;
      chart.Layers().M2R(1, c, 0, x, unused);
      if (value(x, y)) chart.DrawTo(x, y);
    }
  }
}

QImage NormalFormulaPicture(int which, int textHeight) {
  QFont font(QStringLiteral("Serif"));
  font.setPixelSize(std::max(6, textHeight));
  QFont small = font;
  small.setPixelSize(std::max(5, textHeight * 2 / 3));
  const QFontMetrics fm(font), sm(small);
  const QString name = which == 0 ? QStringLiteral("\u03C6(x) = ") : PhiSign() + QStringLiteral("(x) = ");
  const QString den = SigmaSign() + QStringLiteral("\u00B7\u221A(2\u03C0)");
  const QString var = which == 0 ? QStringLiteral("x") : QStringLiteral("t");
  const QString power = QStringLiteral("\u2212(") + var + QStringLiteral("\u2212") + MuSign() +
                        QStringLiteral(")\u00B2 / (2") + SigmaSign() + QStringLiteral("\u00B2)");
  const int h = fm.height() * 3, base = h / 2 + fm.ascent() / 2;
  const int width = fm.horizontalAdvance(name) + fm.horizontalAdvance(den) + fm.horizontalAdvance(QStringLiteral("\u222B  dt")) +
                    sm.horizontalAdvance(power) + fm.horizontalAdvance(QStringLiteral(" e ")) + sm.horizontalAdvance(QStringLiteral("\u2212\u221E")) + 16;
  QImage image(width, h, QImage::Format_ARGB32_Premultiplied);
  image.fill(Qt::transparent);
  QPainter p(&image);
  p.setRenderHint(QPainter::TextAntialiasing);
  p.setPen(Qt::black);
  p.setFont(font);
  int x = 2;
  p.drawText(x, base, name);
  x += fm.horizontalAdvance(name);
  // The fraction 1 / (σ·√(2π)).
  const int denWidth = fm.horizontalAdvance(den), bar = base - fm.ascent() / 3;
  p.drawText(x + (denWidth - fm.horizontalAdvance(QStringLiteral("1"))) / 2, bar - fm.descent() - 1, QStringLiteral("1"));
  p.drawLine(x, bar, x + denWidth, bar);
  p.drawText(x, bar + fm.ascent() + 1, den);
  x += denWidth + fm.horizontalAdvance(QStringLiteral(" "));
  if (which == 1) {
    // The integral from −∞ to x.
    p.drawText(x, base, QStringLiteral("\u222B"));
    p.setFont(small);
    const int iw = fm.horizontalAdvance(QStringLiteral("\u222B"));
    p.drawText(x + iw, base - fm.ascent() + sm.ascent() / 2, QStringLiteral("x"));
    p.drawText(x + iw, base + sm.ascent(), QStringLiteral("\u2212\u221E"));
    x += iw + sm.horizontalAdvance(QStringLiteral("\u2212\u221E")) + 2;
    p.setFont(font);
  }
  p.drawText(x, base, QStringLiteral("e"));
  x += fm.horizontalAdvance(QStringLiteral("e"));
  p.setFont(small);
  p.drawText(x, base - fm.ascent() / 2, power);
  x += sm.horizontalAdvance(power);
  if (which == 1) {
    p.setFont(font);
    p.drawText(x + 2, base, QStringLiteral(" dt"));
  }
  return image;
}

void RegisterNormVerTexts() {
  static const TextPageRegistration de{INormVer, TextLanguage::German, kNormDe};
  static const TextPageRegistration en{INormVer, TextLanguage::English, kNormEn};
  static const TextPageRegistration fr{INormVer, TextLanguage::French, kNormFr};
}

}  // namespace zw
