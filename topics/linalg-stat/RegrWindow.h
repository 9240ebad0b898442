#pragma once
// "Regression": up to 1,023 points in a grid, shifted and stretched, fitted
// by one of six models; the formula with r², r, s and the inverse function,
// a chart of the points and the curve, and a value table of the fit. The
// worksheet is the section "regr", or a CSV file when the name ends in ".csv".
#include <array>
#include <vector>

#include "topics/frame/ChartPage.h"
#include "topics/linalg-stat/PointGridKit.h"
#include "topics/linalg-stat/Regr.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QRadioButton;
class QSpinBox;

namespace zw {

class StringGrid;
class THtmlLab;

class TFRegr : public ChartTopicWindow {
  Q_OBJECT
public:
  static constexpr std::string_view ClassName = "TFRegr";
  explicit TFRegr(QWidget* owner = nullptr);

  StringGrid* grid() const { return grid_; }
  QRadioButton* modelButton(int model) const { return models_[std::size_t(model)]; }
  QLineEdit* shiftEdit(int i) const { return edits_[std::size_t(i)]; }  // dx, dy, sx, sy
  QSpinBox* degreeSpin() const { return degree_; }
  QSpinBox* digitsSpin() const { return table_.digits; }
  QLineEdit* tableEdit(int i) const { return table_.edits[std::size_t(i)]; }
  QPlainTextEdit* table() const { return table_.table; }
  THtmlLab* formula() const { return formula_; }
  const RegrFit& fit() const { return fit_; }
  bool fitted() const { return fitted_; }

  void loadInputs(const QString& file) override;
  bool saveInputs(const QString& file, QString* error = nullptr) override;

protected:
  void layoutInputs() override;
  void layoutPage(int index) override;
  void compute() override;
  void enterOtherPage(int index) override;
  ChartRange chartRange() override;
  void drawFigures(TVIrada& chart) override;
  void graphHints(std::array<QString, 13>& hints) override;
  QWidget* inputFor(const QString& key) const override;
  QWidget* failureFocus() const override;
  void printBody(QPainter& painter, QPagedPaintDevice& device, PrintCursor& cursor) override;
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  int model() const;
  void setModel(int model);
  void modelChanged();
  void tableFieldsChanged();
  void buildTable();

  StringGrid* grid_ = nullptr;
  QGroupBox* modelBox_ = nullptr;
  std::array<QRadioButton*, 6> models_{};
  QGroupBox *shiftBox_ = nullptr, *stretchBox_ = nullptr, *degreeBox_ = nullptr, *formulaBox_ = nullptr;
  std::array<QLabel*, 4> captions_{};
  std::array<QLineEdit*, 4> edits_{};
  QLabel* degreeCaption_ = nullptr;
  QSpinBox* degree_ = nullptr;
  THtmlLab* formula_ = nullptr;
  ValueTableControls table_;
  std::vector<TVec2> points_;
  RegrFit fit_;
  bool fitted_ = false;
};

}  // namespace zw
