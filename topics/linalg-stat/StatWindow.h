#pragma once
// "Statistik": a free list of measured values with its characteristic
// numbers, class table, quartiles and whiskers; a 3D histogram in percent
// with the box plot under it.
#include <string>
#include <vector>

#include "topics/linalg-stat/BarChartWindow.h"
#include "topics/linalg-stat/Stat.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;

namespace zw {

class TFStat : public BarChartWindow {
  Q_OBJECT
public:
  static constexpr std::string_view ClassName = "TFStat";
  explicit TFStat(QWidget* owner = nullptr);

  QPlainTextEdit* valueList() const { return list_; }
  QLineEdit* classWidthEdit() const { return width_; }
  QCheckBox* colourBox() const { return colour_; }
  void loadInputs(const QString& file) override;
  bool saveInputs(const QString& file, QString* error = nullptr) override;

protected:
  void layoutInputs() override;
  void compute() override;
  ChartRange chartRange() override;
  void drawFigures(TVIrada& chart) override;
  void graphHints(std::array<QString, 13>& hints) override;
  QWidget* inputFor(const QString& key) const override;
  QWidget* failureFocus() const override;
  void showEvent(QShowEvent* event) override;

private:
  std::vector<std::u16string> lines() const;
  QPlainTextEdit* list_ = nullptr;
  QGroupBox* widthBox_ = nullptr;
  QLineEdit* width_ = nullptr;
  QLabel* hint_ = nullptr;
  QCheckBox* colour_ = nullptr;
  StatPicture picture_;
  bool computed_ = false;
};

}  // namespace zw
