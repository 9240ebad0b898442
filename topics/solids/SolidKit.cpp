#include "topics/solids/SolidKit.h"

#include "common/TextMeasurer.h"
#include "kernel/CalcFailure.h"
#include "kernel/Format.h"
#include "kernel/TextPadding.h"
#include "shell/kit/Symbols.h"
#include "shell/texts/Texts.h"
#include "topics/frame/InputCheck.h"

namespace zw {

CountVerdict JudgeCount(const FieldReading& reading, int count, int required) {
  CountVerdict v;
  int above = 0;
  for (int i = 0; i < count && i < static_cast<int>(reading.values.size()); ++i)
    if (reading.values[static_cast<std::size_t>(i)] > 0) {
      v.mask |= 1 << i;
      v.last = i;
      ++above;
    }
  if (reading.bad.empty() && above == required) return v;
  if (above < required)
    v.message = msg::TooFewData;
  else if (above > required)
    v.message = msg::TooManyData;
  else {
    v.message = msg::InvalidInput;
    v.focus = reading.bad.front();
  }
  return v;
}

QStringList HeadingLines(const TextMeasurer& font, const QString& text) {
  return UnderlineText(font, text).split(QStringLiteral("\r\n"));
}

QStringList MessageHeading(const TextMeasurer& font, int message) {
  return HeadingLines(font, GetMessageText(message) + u':');
}

QString NameColumn(const TextMeasurer& font, std::span<const QString> names) {
  int widest = 0;
  for (const QString& n : names) widest = std::max(widest, font.textWidth(n.toStdU16String()));
  return QString::fromStdU16String(BlanksCoveringWidth(font, widest)) + QStringLiteral("  ");
}

QString ResultLine(const TextMeasurer& font, const QString& column, const QString& name, const QString& value) {
  return PadLeftToWidth(font, column, name) + QStringLiteral(" = ") + value;
}

QString Real8(Extended x) { return QString::fromStdU16String(FormatReal(8, x)); }

}  // namespace zw
