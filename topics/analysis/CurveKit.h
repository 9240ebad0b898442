#pragma once
// What the curve windows of the analysis topics share: the chart range kept
// as worksheet texts, the column of boxes that switch curves on and off, the
// coloured legend of the printout and the term grid's pop-up menu.
#include <QObject>
#include <QString>
#include <array>
#include <functional>
#include <vector>

#include "charts/VIrada.h"
#include "kernel/FormulaContext.h"
#include "topics/frame/ChartPage.h"

class QGroupBox;
class QLineEdit;
class QMenu;
class QPainter;
class QRadioButton;

namespace zw {

class FieldRegistry;
class StringGrid;
class TextClipboard;

// The keys "xmin", "xmax", "ymin", "ymax": the range a fresh build of the
// chart applies. Saving writes the chart's current range once the chart was
// built, else the stored texts, so a remembered range is never lost to the
// unbuilt chart's 0 … 1; texts are written with the regional separator and
// read accepting "," or ".".
class ChartRangeKeys {
public:
  ChartRangeKeys(const ChartPage& page, std::array<QString, 4> defaults);
  void registerKeys(FieldRegistry& fields);
  // The stored range, or `fallback` when a text is not a number.
  ChartRange range(const ChartRange& fallback) const;
  bool readable() const;
  std::array<QString, 4> texts;

private:
  QString saved(int i) const;
  const ChartPage& page_;
  std::array<QString, 4> defaults_;
};

// A range text read as a plain decimal number ("," or "."); false when it is none.
bool ReadRangeText(const QString& text, Extended& value);

// Read-only boxes beside the chart, one per curve: a box shows when its curve
// has a term, its text in the graph colour while the curve is shown and in
// `hiddenColor` while it is hidden; a click toggles the curve and calls back.
class CurveSwitches : public QObject {
  Q_OBJECT
public:
  CurveSwitches(QWidget* parent, int count, TColor hiddenColor, std::function<void(int)> toggled);
  int count() const { return int(boxes_.size()); }
  QLineEdit* box(int i) const { return boxes_[std::size_t(i - 1)]; }
  bool shown(int i) const { return shown_[std::size_t(i - 1)]; }
  void showAll();
  void setShown(int i, bool on) { shown_[std::size_t(i - 1)] = on; }
  // Visibility, colours and hints of the boxes: `present[i - 1]` says curve i has a term.
  void update(const std::vector<bool>& present, const GraphPens& pens, const std::vector<QString>& hints);
  // A column of boxes with its top left at (left, top), a square of side
  // `side` each, `step` apart.
  void place(int left, int top, int side, int step);
  // Narrows the chart by 1.5 row heights and stands the column in that room,
  // the first box level with the top of the plot area.
  void placeBesideChart(TVIrada& chart);
  // The box texts: ƒ and the number.
  void setLabels(const std::vector<QString>& labels);

protected:
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  std::vector<QLineEdit*> boxes_;
  std::vector<bool> shown_;
  TColor hidden_;
  std::function<void(int)> toggled_;
};

// The legend line of a printed chart at height y: from x = 200 on, each
// entry one step further right (the width of three em dashes and
// `stepText`), three em dashes and its text in its colour.
struct LegendEntry {
  TColor color;
  QString text;
};
void PrintCurveLegend(QPainter& painter, int y, const std::vector<LegendEntry>& entries, const QString& stepText);

// The pop-up menu of a term grid: cut, copy and paste the text of `column` in
// the current row; a paste takes the clipboard through PolyGridPaste (a
// coefficient list becomes its polynomial). Every action runs through `guard`.
void AttachTermMenu(StringGrid* grid, int column, TextClipboard& clipboard,
                    std::function<void(const std::function<void()>&)> guard);
// The same menu on a term field.
void AttachTermEditMenu(QLineEdit* edit, TextClipboard& clipboard,
                        std::function<void(const std::function<void()>&)> guard);

// The evaluator's context of the windows that read their terms in radians
// whatever the program's setting; Y, Z and K as the program has them.
FormulaContext RadiansContext();

// The angle-mode group of the curve windows: DEG, RAD, GON in three columns.
class AngleModeBox {
public:
  explicit AngleModeBox(QWidget* parent);
  QGroupBox* box() const { return box_; }
  QRadioButton* button(int mode) const { return buttons_[std::size_t(mode)]; }
  int mode() const;  // 0 degrees, 1 radians, 2 gon
  void setMode(int mode);
  // The evaluator's context with the chosen mode; Y, Z and K as the program has them.
  FormulaContext context() const;
  void place(int left, int top, int width, const QString& caption);

private:
  QGroupBox* box_;
  std::array<QRadioButton*, 3> buttons_{};
};


}  // namespace zw
