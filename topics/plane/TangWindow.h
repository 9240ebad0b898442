#pragma once
// "Kreistangenten": four tasks (tangent at a point, from a point, parallel to
// a line, common tangents of two circles); the tangents listed and drawn,
// each with its construction lines on request (its label on the chart page).
#include <array>

#include "topics/frame/ChartPage.h"
#include "topics/plane/Tang.h"

class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace zw {

class TFTang : public ChartTopicWindow {
  Q_OBJECT
public:
  static constexpr std::string_view ClassName = "TFTang";
  explicit TFTang(QWidget* owner = nullptr);
  int task() const { return fall_; }
  void setTask(int task);  // anything but 1 ... 4 is task 1
  QPushButton* tangentLabel(int j) const { return labels_[std::size_t(j - 1)]; }
  const TangResult& result() const { return res_; }

  // The web help page of the topic's context plus the index of the page showing.
  void cmdHelp() override;

protected:
  void layoutInputs() override;
  // Without stored inputs a window starts with two circles (task 4); a
  // worksheet section without "type" reads task 1.
  void initialValues() override { setTask(4); }
  void layoutPage(int index) override;
  bool readInputs() override;
  void compute() override;
  ChartRange chartRange() override;
  void drawFigures(TVIrada& chart) override;
  void graphHints(std::array<QString, 13>& hints) override;

private:
  void setupTaskInputs();
  std::array<QLineEdit*, 9> edits_{};   // x1 y1 r1, x2 y2 r2, a b c
  std::array<QLabel*, 7> captions_{};   // k1 row 2, k2 row 2, g row 3
  QGroupBox* taskBox_ = nullptr;
  QButtonGroup* tasks_ = nullptr;
  std::array<QPushButton*, 4> labels_{};
  int fall_ = 4;
  TangInput in_;
  TangResult res_;
};

}  // namespace zw
