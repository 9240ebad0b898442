#include "topics/algebra/AlgebraKit.h"

#include <QLabel>
#include <QLineEdit>
#include <algorithm>

#include "shell/Fonts.h"
#include "shell/Metrics.h"
#include "shell/kit/InputRows.h"
#include "shell/texts/Texts.h"

namespace zw {

QStringList UnderlinedLines(const TextMeasurer& font, const QString& text) {
  return UnderlineText(font, text).split(QStringLiteral("\r\n"));
}

int PlaceCaptionRows(std::span<QLabel* const> captions, std::span<QLineEdit* const> edits,
                      std::span<const QString> texts, std::span<const int> tops, int editWidth) {
  const FontTextMeasurer canvas(fonts().TextFont.font);
  int width = 0;
  for (const QString& t : texts) width = std::max(width, canvas.width(u' ' + t));
  for (std::size_t i = 0; i < captions.size() && i < edits.size() && i < texts.size() && i < tops.size(); ++i)
    PlaceLabelEditSized(captions[i], edits[i], ScalePixels(16), tops[i], width,
                        editWidth > 0 ? editWidth : NumberEditWidth(), texts[i]);
  return width;
}

}  // namespace zw
