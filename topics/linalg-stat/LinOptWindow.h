#pragma once
// "Lineare Optimierung": the objective and up to six constraints in two
// grids, maximise or minimise; the vertices' optimum on the results page and
// the feasible region under the constraint lines and the level line on the
// chart page. The computation is topics/linalg-stat/LinOpt.h.
#include <memory>

#include "topics/frame/ChartPage.h"
#include "topics/linalg-stat/LinOpt.h"

class QLabel;
class QRadioButton;

namespace zw {

class StringGrid;

class TFLinOpt : public ChartTopicWindow {
  Q_OBJECT
public:
  static constexpr std::string_view ClassName = "TFLinOpt";
  explicit TFLinOpt(QWidget* owner = nullptr);
  ~TFLinOpt() override;

  StringGrid* objectiveGrid() const { return objective_; }
  StringGrid* constraintGrid() const { return constraints_; }
  QRadioButton* maxButton() const { return max_; }
  QRadioButton* minButton() const { return min_; }
  bool maximising() const { return maximise_; }
  // The problem and result of the last computation that passed.
  const LinOptProblem& problem() const { return problem_; }
  const LinOptResult& result() const { return result_; }
  // How many computations ran (an activation reruns the page showing).
  int runs() const { return runs_; }

protected:
  void layoutInputs() override;
  bool readInputs() override;
  void compute() override;
  QWidget* failureFocus() const override;
  void noMemoryDefaults() override;
  TopicPicture* picture() override;
  ChartRange chartRange() override;
  void drawFigures(TVIrada& chart) override;
  void graphHints(std::array<QString, 13>& hints) override;

private:
  class Picture;
  void setMaximise(bool on);
  void writeLabels();
  void fillRegion(QPainter& canvas, int top, int left);
  bool reading_ = false;  // a box of the reading is open: an activation starts no second run
  bool blackWhite_ = false;
  bool maximise_ = false;
  bool solved_ = false;
  int runs_ = 0;
  StringGrid* objective_ = nullptr;
  StringGrid* constraints_ = nullptr;
  QLabel* objectiveHead_ = nullptr;
  QLabel* constraintHead_ = nullptr;
  QRadioButton* max_ = nullptr;
  QRadioButton* min_ = nullptr;
  LinOptProblem problem_;
  LinOptResult result_;
  std::unique_ptr<Picture> picture_;
};

}  // namespace zw
