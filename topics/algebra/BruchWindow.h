#pragma once
// The fraction calculator: numerator and denominator typed into two fields.
#include <QButtonGroup>
#include <QLabel>
#include <QRadioButton>
#include <array>

#include "topics/algebra/BruchCalc.h"
#include "topics/algebra/CalcWindow.h"

namespace zw {

class TFBruch : public CalcWindow {
  Q_OBJECT
public:
  static constexpr std::string_view ClassName = "TFBruch";
  explicit TFBruch(QWidget* owner = nullptr);

  const BruchCalc& calc() const { return calc_; }
  QLabel* numeratorLabel() const { return zaehler_; }
  QLabel* denominatorLabel() const { return nenner_; }
  QLabel* secondLine() const { return dezimal_; }
  QRadioButton* viewButton(int i) const { return views_[static_cast<std::size_t>(i)]; }

protected:
  void handleKey(int code) override;
  void layoutCalc() override;
  bool tabSwitchesColumn() const override { return true; }
  bool eventFilter(QObject* watched, QEvent* event) override;

  void refresh() override;

private:

  BruchCalc calc_;
  QLabel* capZaehler_;
  QLabel* capNenner_;
  QLabel* zaehler_;
  QLabel* nenner_;
  QLabel* dezimal_;
  QGroupBox* viewBox_;
  QButtonGroup viewGroup_;
  std::array<QRadioButton*, 4> views_{};
};

}  // namespace zw
