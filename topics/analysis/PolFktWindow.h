#pragma once
// "Kurvendiskussion ganzrationaler Funktionen": a polynomial of degree ≤ 9
// from the coefficient grid discussed on the results page (PolFkt.h), ƒ and
// its three derivatives on the chart page with their switches, and a value
// table page.
#include "topics/analysis/CoeffDiscussionWindow.h"
#include "topics/analysis/PolFkt.h"

class QLabel;
class QLineEdit;

namespace zw {

class TFPolFkt : public CoeffDiscussionWindow {
  Q_OBJECT
public:
  static constexpr std::string_view ClassName = "TFPolFkt";
  explicit TFPolFkt(QWidget* owner = nullptr);

  QLabel* polynomialLabel() const { return polynomial_; }
  QLineEdit* fromEdit() const { return from_; }
  QLineEdit* toEdit() const { return to_; }

protected:
  void layoutInputs() override;
  ChartRange chartRange() override;
  void drawFigures(TVIrada& chart) override;
  QStringList discuss() override;
  QStringList tableLines(Extended from, Extended to, Extended step, int digits) const override;
  std::vector<QString> hints() const override;
  QStringList functionLines() const override;
  void showFunction() override;

private:
  QLabel* polynomial_ = nullptr;
  QLabel *fromCaption_ = nullptr, *toCaption_ = nullptr;
  QLineEdit *from_ = nullptr, *to_ = nullptr;
  PolFktResult result_;
};

}  // namespace zw
