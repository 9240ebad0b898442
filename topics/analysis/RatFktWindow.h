#pragma once
// "Kurvendiskussion rationaler Funktionen": numerator and denominator of
// degree ≤ 9 from the coefficient grid discussed on the results page
// (RatFkt.h); ƒ, ƒ', ƒ'', the pole lines and the asymptote on the chart page
// with their switches (ƒ alone at first), and a value table page.
#include "topics/analysis/CoeffDiscussionWindow.h"
#include "topics/analysis/RatFkt.h"

class QLabel;

namespace zw {

class TFRatFkt : public CoeffDiscussionWindow {
  Q_OBJECT
public:
  static constexpr std::string_view ClassName = "TFRatFkt";
  explicit TFRatFkt(QWidget* owner = nullptr);

  QLabel* functionLabel() const { return function_; }
  const RatFktResult& result() const { return result_; }

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
  QLabel *formHead_ = nullptr, *form_ = nullptr, *function_ = nullptr;
  RatFktResult result_;
};

}  // namespace zw
