#pragma once
// "Kurvenscharen": a family of curves y = ƒ(x, k) for the k of a range (at
// most 29) and of a list, each member in its own graph colour, drawn member
// by member as a long run.
#include <memory>

#include "shell/kit/SystemClipboard.h"
#include "topics/analysis/CurveRuns.h"
#include "topics/analysis/Family.h"

class QLabel;
class QLineEdit;

namespace zw {

class TFSchar : public RunningChartWindow {
  Q_OBJECT
public:
  static constexpr std::string_view ClassName = "TFSchar";
  explicit TFSchar(QWidget* owner = nullptr);

  QLineEdit* termEdit() const { return term_; }
  QLineEdit* listEdit() const { return list_; }
  std::array<QLineEdit*, 3> rangeEdits() const { return rangeEdits_; }
  // The members drawn by the last drawing so far.
  int membersDrawn() const { return *drawn_; }

protected:
  void layoutInputs() override;
  void compute() override;
  std::vector<std::unique_ptr<Stepper>> curveRuns(TVIrada& chart) override;
  void graphHints(std::array<QString, 13>&) override {}
  void printBody(QPainter& painter, QPagedPaintDevice& device, PrintCursor& cursor) override;

private:
  QString rangeCaption(int i) const;

  QLabel *termCaption_ = nullptr, *listCaption_ = nullptr, *listClose_ = nullptr;
  std::array<QLabel*, 3> rangeCaptions_{};
  QLineEdit *term_ = nullptr, *list_ = nullptr;
  std::array<QLineEdit*, 3> rangeEdits_{};
  // The k values read when the chart page was opened.
  std::vector<std::u16string> values_;
  SystemTextClipboard clipboard_;
  std::shared_ptr<int> drawn_ = std::make_shared<int>(0);
};

}  // namespace zw
