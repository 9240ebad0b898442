#pragma once
// What the curve discussions with a value table share: the table page and the
// printout of results, chart and table as pages 1 to 3.
//
// The value table page of the curve discussions: the fields "von", "bis",
// "Schrittweite" and the digits above the table. Leaving a bound field for
// another control of the window, Enter in one, or another digit count builds
// the table again; a bound that does not read refuses its field with message
// 22 while the page stays.
#include <QObject>
#include <QStringList>
#include <array>
#include <functional>

#include "kernel/Types.h"

class QFont;
class QLabel;
class QPagedPaintDevice;
class QPainter;
class QLineEdit;
class QPlainTextEdit;
class QRect;
class QSpinBox;
class QWidget;

namespace zw {

class ChartPage;
class CurveSwitches;
class TopicWindow;
struct PrintCursor;

class ValueTablePage : public QObject {
  Q_OBJECT
public:
  // The table's lines for the bounds and the digits (3 … 8, initially 6).
  using Build = std::function<QStringList(Extended from, Extended to, Extended step, int digits)>;
  ValueTablePage(TopicWindow& window, QWidget* box, Build build);

  QPlainTextEdit* memo() const { return memo_; }
  std::array<QLineEdit*, 3> edits() const { return edits_; }
  QSpinBox* digits() const { return digits_; }
  // The field of a worksheet-like key "ed41", "ed42", "ed43", or null.
  QWidget* inputFor(const QString& key) const;

  // Heads, fields and the table in `area` (the page's content rectangle).
  void layout(const QRect& area, const QFont& memoFont);
  // Reads the three fields and builds the table; a bad field throws InputRejected.
  void rebuild();
  // The table for these bounds, whatever the fields say.
  void fill(Extended from, Extended to, Extended step);
  // rebuild() through the window's guard.
  void changed();

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  TopicWindow& window_;
  Build build_;
  QPlainTextEdit* memo_ = nullptr;
  std::array<QLabel*, 4> heads_{};
  std::array<QLineEdit*, 3> edits_{};
  QSpinBox* digits_ = nullptr;
};

// The printout's pages: 1 the title and the results, 2 the function's lines
// and the chart with the legend of the curves shown, 3 the value table.
struct DiscussionPrintout {
  QString title;
  QStringList results;
  QStringList functionLines;
  ChartPage* chart = nullptr;
  const CurveSwitches* switches = nullptr;
  QStringList table;
};
void PrintDiscussionPages(QPainter& painter, QPagedPaintDevice& device, PrintCursor& cursor, int first, int last,
                          const QFont& memoFont, const DiscussionPrintout& out);

}  // namespace zw
