#pragma once
// "Reihenentwicklung": up to three partial sums dyᵢ + Σ ƒ(x, k) over the whole
// k from a first to a last value, drawn one after the other as a long run
// that ESC stops, keeping what is drawn.
#include "shell/kit/SystemClipboard.h"
#include "topics/analysis/CurveRuns.h"

class QLabel;
class QLineEdit;

namespace zw {

class TFReihen : public RunningChartWindow {
  Q_OBJECT
public:
  static constexpr std::string_view ClassName = "TFReihen";
  explicit TFReihen(QWidget* owner = nullptr);

  QLineEdit* termEdit() const { return term_; }
  // Row i (0 … 2): first k, last k, dy.
  QLineEdit* edit(int row, int column) const { return edits_[std::size_t(row * 3 + column)]; }

protected:
  void layoutInputs() override;
  void compute() override;
  std::vector<std::unique_ptr<Stepper>> curveRuns(TVIrada& chart) override;
  void graphHints(std::array<QString, 13>& hints) override;
  void printBody(QPainter& painter, QPagedPaintDevice& device, PrintCursor& cursor) override;

private:
  QString caption(int row, int column) const;

  QLabel* termCaption_ = nullptr;
  QLineEdit* term_ = nullptr;
  std::array<QLabel*, 9> captions_{};
  std::array<QLineEdit*, 9> edits_{};
  SystemTextClipboard clipboard_;
  // What the chart page read when it was opened.
  QString fkt_;
  std::array<Extended, 9> values_{};
};

}  // namespace zw
