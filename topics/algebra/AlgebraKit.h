#pragma once
// Small pieces the algebra topics share beyond the frame: a reading failure
// that focuses a chosen field (the frame's own failure always focuses the
// first one), and underlined headings as two memo lines.
#include <QStringList>
#include <span>

class QLabel;
class QLineEdit;
class QWidget;

namespace zw {

class TextMeasurer;
class TopicWindow;

// The input page to the front, an error box with the numbered message, then
// the focus on `field` (when the window still exists).
void FailOnField(TopicWindow& window, int message, QWidget* field);

// UnderlineText as the two lines it shows in a memo: the text and its macrons.
QStringList UnderlinedLines(const TextMeasurer& font, const QString& text);

// Caption-and-field rows in the left column: row i at tops[i], every
// caption panel as wide as the widest " " + caption in TextFont (the
// width returned).
int PlaceCaptionRows(std::span<QLabel* const> captions, std::span<QLineEdit* const> edits,
                      std::span<const QString> texts, std::span<const int> tops);

}  // namespace zw
