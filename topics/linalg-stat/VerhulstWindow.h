#pragma once
// "Logistische Regression": logistic growth fitted to measured pairs for a
// given saturation limit (and an optional dark-figure factor); the formula,
// inflection point and maximum growth rate, a chart and a dated value table.
// Its worksheets are CSV files ("memory.csv", "DEMO.CSV", files of the user).
#include <array>
#include <vector>

#include "topics/frame/ChartPage.h"
#include "topics/linalg-stat/PointGridKit.h"
#include "topics/linalg-stat/Verhulst.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QSpinBox;

namespace zw {

class StringGrid;

class TFVerhulst : public ChartTopicWindow {
  Q_OBJECT
public:
  static constexpr std::string_view ClassName = "TFVerhulst";
  explicit TFVerhulst(QWidget* owner = nullptr);

  StringGrid* grid() const { return grid_; }
  QLineEdit* limitEdit() const { return limit_; }
  QLineEdit* factorEdit() const { return factor_; }
  QLineEdit* tableEdit(int i) const { return table_.edits[std::size_t(i)]; }  // date, from, to, step
  QSpinBox* digitsSpin() const { return table_.digits; }
  QCheckBox* roundBox() const { return round_; }
  QPlainTextEdit* table() const { return table_.table; }
  const VerhulstFit& fit() const { return fit_; }
  const QString& dataFile() const { return dataFile_; }
  const QString& day1() const { return day1_; }

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
  void showEvent(QShowEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  void tableFieldsChanged();
  void buildTable();

  StringGrid* grid_ = nullptr;
  QLabel *limitCaption_ = nullptr, *factorCaption_ = nullptr, *optional_ = nullptr;
  QLabel *theory_ = nullptr, *solution_ = nullptr;
  QLineEdit *limit_ = nullptr, *factor_ = nullptr;
  ValueTableControls table_;
  QCheckBox* round_ = nullptr;
  std::vector<TVec2> points_;
  VerhulstFit fit_;
  bool fitted_ = false;
  QString dataFile_, day1_;
};

}  // namespace zw
