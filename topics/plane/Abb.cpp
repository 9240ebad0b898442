#include "topics/plane/Abb.h"

#include <algorithm>
#include <cmath>

#include "kernel/BasicMath.h"
#include "kernel/CalcFailure.h"
#include "kernel/CheckedInput.h"
#include "kernel/Format.h"
#include "kernel/FormatGeometry.h"
#include "shell/kit/Symbols.h"
#include "shell/texts/Texts.h"
#include "topics/plane/PlaneKit.h"

namespace zw {

namespace {

// The axis through (w1|w2) and (w3|w4) as y = m·x + n.
void Axis(const Mapping& map, Extended& m, Extended& n) {
  m = map.w[0] != map.w[2] ? (map.w[1] - map.w[3]) / (map.w[0] - map.w[2]) : 1e100L;
  n = map.w[1] - m * map.w[0];
}

QString G(int digits, Extended x) { return Q(FormatGeneral(digits, x)); }

}  // namespace

int ParameterCount(int kind) {
  static constexpr int counts[7] = {0, 2, 4, 2, 3, 3, 5};
  return kind >= 0 && kind <= 6 ? counts[kind] : 0;
}

TVec2 ApplyMapping(const Mapping& map, const TVec2& p) {
  const auto& w = map.w;
  const Extended x = p.x, y = p.y;
  switch (map.kind) {
    case MkTranslation: return {x + w[0], y + w[1]};
    case MkLineReflection: {
      Extended m, n;
      Axis(map, m, n);
      return {2 * ((y - n) * m + x) / (m * m + 1) - x, 2 * ((m * y + x) * m + n) / (m * m + 1) - y};
    }
    case MkPointReflection: return {2 * w[0] - x, 2 * w[1] - y};
    case MkRotation: {
      const Extended c = CosDeg(w[2]), s = SinDeg(w[2]);
      return {w[0] + (x - w[0]) * c - (y - w[1]) * s, w[1] + (x - w[0]) * s + (y - w[1]) * c};
    }
    case MkDilation: return {w[0] + (x - w[0]) * w[2], w[1] + (y - w[1]) * w[2]};
    case MkShear: {
      Extended m, n;
      Axis(map, m, n);
      const Extended g = (m * x - y + n) * TanDeg(w[4]) / (m * m + 1);
      return {x + g, y + m * g};
    }
    default: return p;
  }
}

void MappingChain::remove(int t) {
  if (t < 1 || t > count_) return;
  for (int i = t; i < count_; ++i) map_[std::size_t(i)] = map_[std::size_t(i + 1)];
  map_[std::size_t(count_)] = {};
  --count_;
}

void MappingChain::replace(int t, const Mapping& m) { map_[std::size_t(std::clamp(t > count_ ? count_ : t, 0, MaxMappings))] = m; }

int MappingChain::insert(int t, const Mapping& m) {
  if (count_ >= MaxMappings) throw CalcFailure(msg::TooManyData);
  int slot = count_ + 1;
  if (t >= 1 && t <= count_) {
    for (int i = count_; i >= t; --i) map_[std::size_t(i + 1)] = map_[std::size_t(i)];
    slot = t;
  }
  ++count_;
  map_[std::size_t(slot)] = m;
  return slot;
}

void MappingChain::toggleConstruction(int t) {
  if (t >= 1 && t <= count_) map_[std::size_t(t)].construction = !map_[std::size_t(t)].construction;
}

void MappingChain::setCount(int n) { count_ = std::clamp(n, 0, MaxMappings); }

void MappingChain::clear() { *this = MappingChain(); }

std::vector<std::vector<TVec2>> RunMappings(const MappingChain& chain, const std::vector<TVec2>& corners) {
  std::vector<std::vector<TVec2>> images{corners};
  images.reserve(std::size_t(chain.count()) + 1);
  for (int a = 1; a <= chain.count(); ++a) {
    std::vector<TVec2> next;
    next.reserve(corners.size());
    for (const TVec2& p : images.back()) {
      const TVec2 q = ApplyMapping(chain.at(a), p);
      // A chain of large factors or steep shears outgrows what the chart and
      // the text can hold.
      if (!std::isfinite(double(q.x)) || !std::isfinite(double(q.y))) throw CalcFailure(msg::ImproperData);
      next.push_back(q);
    }
    images.push_back(std::move(next));
  }
  return images;
}

QString MappingText(int i, const Mapping& m) {
  if (m.kind < 1 || m.kind > 6) return QString::number(i) + QStringLiteral(": ") + QString(30, QLatin1Char(' '));
  const auto& w = m.w;
  const QString bar = QString(QChar(0x01C0)), alpha = AlphaSign();
  QString t;
  switch (m.kind) {
    case MkTranslation: t = QStringLiteral("dx=") + G(5, w[0]) + QStringLiteral(", dy=") + G(5, w[1]); break;
    case MkLineReflection:
      t = QStringLiteral("a=(PQ), P(") + G(4, w[0]) + bar + G(4, w[1]) + QStringLiteral("), Q(") + G(4, w[2]) + bar +
          G(4, w[3]) + QStringLiteral(")");
      break;
    case MkPointReflection: t = QStringLiteral("Z(") + G(5, w[0]) + QStringLiteral("|") + G(5, w[1]) + QStringLiteral(")"); break;
    case MkRotation:
      t = QStringLiteral("Z(") + G(5, w[0]) + bar + G(5, w[1]) + QStringLiteral("), ") + alpha + QStringLiteral("=") +
          G(5, w[2]) + DegreeSign();
      break;
    case MkDilation:
      t = QStringLiteral("Z(") + G(5, w[0]) + QStringLiteral("|") + G(5, w[1]) + QStringLiteral("), k=") + G(5, w[2]);
      break;
    case MkShear:
      t = QStringLiteral("a=(PQ), P(") + G(4, w[0]) + bar + G(4, w[1]) + QStringLiteral("), Q(") + G(4, w[2]) + bar +
          G(4, w[3]) + QStringLiteral("), ") + alpha + QStringLiteral("=") + G(4, w[4]) + DegreeSign();
      break;
    default: break;
  }
  QString line = Q(FormatReal(2, i)) + QStringLiteral(". ") + GetText(IAbb, 10 * m.kind + 200) + QStringLiteral(": ") + t;
  if (m.construction) line += QStringLiteral("  ") + QString::fromUtf8("\xF0\x9F\x97\xB9");
  return line;
}

QStringList MappingResults(const MappingChain& chain, const std::vector<std::vector<TVec2>>& images) {
  QStringList lines;
  auto corners = [&](int m) {
    QStringList points;
    const QString index = m > 0 ? SubScriptDigits(m) : QString();
    for (std::size_t c = 0; c < images[std::size_t(m)].size(); ++c)
      points << Q(FormatPoint2((QString(QChar(char16_t(u'A' + c))) + index).toStdU16String(), images[std::size_t(m)][c], 15));
    lines << points.join(QStringLiteral(", ")) << QString();
  };
  lines << GetText(IAbb, 301);
  corners(0);
  for (int a = 1; a <= chain.count() && a < int(images.size()); ++a) {
    lines << MappingText(a, chain.at(a));
    corners(a);
  }
  return lines;
}

Extended ReadMappingValue(const QString& text) {
  QString t = text.trimmed();
  t.replace(QLatin1Char(','), QLatin1Char('.'));
  bool ok = false;
  const double v = t.toDouble(&ok);
  return ok && std::isfinite(v) ? Extended(v) : 0;
}

int ReadMappingKind(const QString& text) {
  const Extended v = ReadMappingValue(text);
  return v >= 0 && v <= 6 && v == std::floor(v) ? int(v) : 0;
}

int ReadMappingCount(const QString& text) {
  const Extended v = ReadMappingValue(text);
  if (!(v > 0)) return 0;
  return v >= MaxMappings ? MaxMappings : int(v);
}

QString MappingValueText(Extended x) { return Q(FormatGeneral(15, x)); }

}  // namespace zw
