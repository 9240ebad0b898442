#include "shell/Fonts.h"

#include <QFontMetrics>
#include <QPalette>
#include <QWidget>
#include <algorithm>


namespace zw {

namespace {

// Colour values of the fonts' table are 0xBBGGRR.
QColor fromColorValue(unsigned v) { return QColor(v & 0xFF, (v >> 8) & 0xFF, (v >> 16) & 0xFF); }

struct FontSpec {
  SharedFontId id;
  const char* name;
  unsigned color;
  bool italic;
  bool bold;
};

constexpr FontSpec kSpecs[SharedFontCount] = {
    {SharedFontId::TextFont, "Arial", 0x000000, false, false},
    {SharedFontId::LabelFont, "Arial", 0x800000, false, false},
    {SharedFontId::SymbolFont, "Symbol", 0x000000, false, false},
    {SharedFontId::FixedFont, "Lucida Console", 0x000000, false, false},
    {SharedFontId::GreenFont, "Arial", 0x008000, false, false},
    {SharedFontId::ItalicFont, "Arial", 0x000000, true, false},
    {SharedFontId::BoldFont, "Arial", 0x000000, false, true},
    {SharedFontId::TextFont2, "Arial", 0x000000, false, false},
    {SharedFontId::SmallItalicFont, "Arial", 0x000000, true, false},
};

bool g_applied = false;

SharedFonts& storage() {
  static SharedFonts f;
  return f;
}

}  // namespace

SharedFont& SharedFonts::operator[](SharedFontId id) {
  switch (id) {
    case SharedFontId::TextFont: return TextFont;
    case SharedFontId::LabelFont: return LabelFont;
    case SharedFontId::SymbolFont: return SymbolFont;
    case SharedFontId::FixedFont: return FixedFont;
    case SharedFontId::GreenFont: return GreenFont;
    case SharedFontId::ItalicFont: return ItalicFont;
    case SharedFontId::BoldFont: return BoldFont;
    case SharedFontId::TextFont2: return TextFont2;
    case SharedFontId::SmallItalicFont: return SmallItalicFont;
  }
  return TextFont;
}

const SharedFont& SharedFonts::operator[](SharedFontId id) const {
  return const_cast<SharedFonts&>(*this)[id];
}

SharedFonts& fonts() {
  if (!g_applied) ApplyFonts();
  return storage();
}

QString mapFontFamily(const QString& name) {
  if (name.compare(QStringLiteral("Arial"), Qt::CaseInsensitive) == 0) return QStringLiteral("Liberation Sans");
  if (name.compare(QStringLiteral("Lucida Console"), Qt::CaseInsensitive) == 0)
    return QStringLiteral("Liberation Mono");
  return QStringLiteral("DejaVu Sans");
}

QStringList fontFamiliesFor(const QString& name) {
  const QString mapped = mapFontFamily(name);
  const QString fallback = QString::fromLatin1(MathFallbackFamily);
  // After the mathematical signs, the pictographs DejaVu lacks (the ballot
  // box with a check that marks a mapping drawn with its construction lines).
  const QString pictographs = QStringLiteral("Symbola");
  if (mapped == fallback) return {mapped, pictographs};
  return {mapped, fallback, pictographs};
}

int FontTextMeasurer::textWidth(std::u16string_view text) const {
  return QFontMetrics(font_).horizontalAdvance(
      QString::fromUtf16(text.data(), static_cast<qsizetype>(text.size())));
}

int FontTextMeasurer::width(const QString& text) const { return QFontMetrics(font_).horizontalAdvance(text); }

int textWidthOf(const TextMeasurer& measurer, const QString& text) {
  return measurer.textWidth(std::u16string_view(reinterpret_cast<const char16_t*>(text.utf16()),
                                                static_cast<size_t>(text.size())));
}

int fontCellHeight(SharedFontId id, const LayoutMetrics& m, int zoom) {
  auto s = [zoom](int v) { return ScalePixelsAt(v, zoom); };
  switch (id) {
    case SharedFontId::FixedFont: return m.RowHeight - s(6);
    case SharedFontId::ItalicFont: return m.RowHeight - s(3);
    case SharedFontId::BoldFont: return m.RowHeight - s(5);
    case SharedFontId::SmallItalicFont: return m.RowHeight / 2;
    default: return m.RowHeight - s(4);
  }
}

int pixelSizeForCellHeight(const QFont& font, int cellHeight) {
  QFont f(font);
  int best = 1;
  // Line heights grow monotonically with the pixel size, but not by exactly
  // one per step, so walk up until the height first exceeds the target.
  for (int px = 1; px <= std::max(1, cellHeight); ++px) {
    f.setPixelSize(px);
    if (QFontMetrics(f).height() > cellHeight) break;
    best = px;
  }
  return best;
}

void ApplyFonts() {
  SharedFonts& f = storage();
  for (const FontSpec& spec : kSpecs) {
    SharedFont& sf = f[spec.id];
    QFont font;
    font.setFamilies(fontFamiliesFor(QString::fromLatin1(spec.name)));
    font.setItalic(spec.italic);
    font.setBold(spec.bold);
    font.setUnderline(false);
    font.setStrikeOut(false);
    if (spec.id == SharedFontId::FixedFont) font.setStyleHint(QFont::Monospace);
    sf.font = font;
    sf.color = fromColorValue(spec.color);
  }
  g_applied = true;
  ApplyFontHeights();
}

void ApplyFontHeights() {
  if (!g_applied) {
    ApplyFonts();  // sets the heights itself
    return;
  }
  // The heights follow the metrics, whose zoom is the one they were made for.
  const int zoom = metricsZoom();
  const LayoutMetrics& m = metrics();
  SharedFonts& f = storage();
  for (const FontSpec& spec : kSpecs) {
    SharedFont& sf = f[spec.id];
    sf.font.setPixelSize(pixelSizeForCellHeight(sf.font, fontCellHeight(spec.id, m, zoom)));
  }
}

int TileCaptionPointSize() { return ScalePixels(17); }

void applySharedFont(QWidget* widget, const SharedFont& font) {
  if (!widget) return;
  widget->setFont(font.font);
  QPalette pal = widget->palette();
  pal.setColor(QPalette::WindowText, font.color);
  pal.setColor(QPalette::Text, font.color);
  pal.setColor(QPalette::ButtonText, font.color);
  widget->setPalette(pal);
}

}  // namespace zw
