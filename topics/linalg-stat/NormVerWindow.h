#pragma once
// "Normalverteilung": the density φ and the distribution function Φ of a
// normally distributed variable on a chart and as a value table, printed on
// two pages.
#include <QImage>
#include <array>

#include "topics/frame/ChartPage.h"
#include "topics/linalg-stat/NormVer.h"

class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QSpinBox;

namespace zw {

class TFNormVer : public ChartTopicWindow {
  Q_OBJECT
public:
  static constexpr std::string_view ClassName = "TFNormVer";
  explicit TFNormVer(QWidget* owner = nullptr);

  QLineEdit* muEdit() const { return mu_; }
  QLineEdit* sigmaEdit() const { return sigma_; }
  std::array<QLineEdit*, 3> tableEdits() const { return tableEdits_; }
  QSpinBox* digits() const { return digits_; }
  QPlainTextEdit* tableMemo() const { return table_; }
  // Rebuilds the value table from its three fields (leaving one, Enter).
  void tableFieldsChanged();

protected:
  bool readInputs() override;
  void layoutInputs() override;
  void layoutPage(int index) override;
  void compute() override;
  void enterOtherPage(int index) override;
  ChartRange chartRange() override;
  void drawFigures(TVIrada& chart) override;
  void graphHints(std::array<QString, 13>& hints) override;
  void printPageRange(QPainter& painter, QPagedPaintDevice& device, PrintCursor& cursor, int first,
                      int last) override;
  QWidget* inputFor(const QString& key) const override;
  bool eventFilter(QObject* watched, QEvent* event) override;
  void showEvent(QShowEvent* event) override;

private:
  void buildTable(const NormalRange& range);
  void printFirstPage(QPainter& painter, QPagedPaintDevice& device, PrintCursor& cursor);

  QLabel *label1_ = nullptr, *label2_ = nullptr, *image1_ = nullptr, *image2_ = nullptr;
  QLabel *muCaption_ = nullptr, *sigmaCaption_ = nullptr;
  QLineEdit *mu_ = nullptr, *sigma_ = nullptr;
  QPlainTextEdit* table_ = nullptr;
  std::array<QLabel*, 4> tableHeads_{};
  std::array<QLineEdit*, 3> tableEdits_{};
  QSpinBox* digits_ = nullptr;
  // The formula pictures at the text height they were drawn for.
  std::array<QImage, 2> pictures_;
  int pictureHeight_ = 0;
  // μ and σ of the last reading; the table fields were filled from them.
  Extended muValue_ = 0, sigmaValue_ = 1;
  NormalRange defaults_;
  bool read_ = false;
};

}  // namespace zw
