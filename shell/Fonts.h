#pragma once
// The nine shared fonts of the program with their colours. Their heights are
// cell heights in pixels (internal leading included) that follow the zoom:
// ApplyFontHeights() picks, for each font, the largest pixel size whose line
// height does not exceed the target.
#include <QColor>
#include <QFont>
#include <QString>
#include <QStringList>

#include "common/TextMeasurer.h"
#include "shell/Metrics.h"

class QWidget;

namespace zw {

enum class SharedFontId {
  TextFont,
  LabelFont,
  SymbolFont,
  FixedFont,
  GreenFont,
  ItalicFont,
  BoldFont,
  TextFont2,
  SmallItalicFont,
};
inline constexpr int SharedFontCount = 9;

struct SharedFont {
  QFont font;
  QColor color = Qt::black;
  operator const QFont&() const { return font; }
};

struct SharedFonts {
  SharedFont TextFont, LabelFont, SymbolFont, FixedFont, GreenFont, ItalicFont, BoldFont, TextFont2,
      SmallItalicFont;
  SharedFont& operator[](SharedFontId id);
  const SharedFont& operator[](SharedFontId id) const;
};

// The fonts of the running program (ApplyFonts has run once when first used).
SharedFonts& fonts();

// The family installed for a font name of the settings and layouts:
// "Arial" -> Liberation Sans, "Lucida Console" -> Liberation Mono, any other
// name -> DejaVu Sans.
QString mapFontFamily(const QString& name);
// The family that carries every mathematical sign of the program (superscript
// zero, element-of, the big-parenthesis pieces, the long arrow) where the
// Liberation families lack them.
inline constexpr const char* MathFallbackFamily = "DejaVu Sans";
// The family list to set on a font of that name: the mapped family first, then
// MathFallbackFamily.
QStringList fontFamiliesFor(const QString& name);

// The target cell height of a shared font under the given metrics (pure).
int fontCellHeight(SharedFontId id, const LayoutMetrics& m, int zoom);
// The largest pixel size (at least 1) whose QFontMetrics::height() stays
// within cellHeight. Needs a QGuiApplication.
int pixelSizeForCellHeight(const QFont& font, int cellHeight);

// Names, colours and styles of the nine fonts, then ApplyFontHeights().
void ApplyFonts();
// The heights of the nine fonts from metrics() and shellState().Zoom.
void ApplyFontHeights();
// Point size of the main window's tile captions: S(17).
int TileCaptionPointSize();

// Measures texts in a font, as the windows draw them.
class FontTextMeasurer : public TextMeasurer {
public:
  explicit FontTextMeasurer(const QFont& font) : font_(font) {}
  int textWidth(std::u16string_view text) const override;
  int width(const QString& text) const;

private:
  QFont font_;
};

// Pixel width of a QString through any measurer.
int textWidthOf(const TextMeasurer& measurer, const QString& text);

// Gives a widget the font and its colour (text and window-text roles).
void applySharedFont(QWidget* widget, const SharedFont& font);

}  // namespace zw
