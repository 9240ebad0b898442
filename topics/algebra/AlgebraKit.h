#pragma once
// Small pieces the algebra topics share beyond the frame: underlined
// headings as two memo lines and caption rows.
#include <QStringList>
#include <span>

class QLabel;
class QLineEdit;

namespace zw {

class TextMeasurer;

// UnderlineText as the two lines it shows in a memo: the text and its macrons.
QStringList UnderlinedLines(const TextMeasurer& font, const QString& text);

// Caption-and-field rows in the left column: row i at tops[i], every
// caption panel as wide as the widest " " + caption in TextFont (the
// width returned); the fields editWidth wide (0: NumberEditWidth).
int PlaceCaptionRows(std::span<QLabel* const> captions, std::span<QLineEdit* const> edits,
                      std::span<const QString> texts, std::span<const int> tops, int editWidth = 0);

}  // namespace zw
