#pragma once
// The number-system calculator: 32-bit integers in two bases at once.
#include <QLabel>
#include <QSpinBox>

#include "topics/algebra/CalcWindow.h"
#include "topics/algebra/SystemeCalc.h"

namespace zw {

class TFsysteme : public CalcWindow {
  Q_OBJECT
public:
  static constexpr std::string_view ClassName = "TFsysteme";
  explicit TFsysteme(QWidget* owner = nullptr);

  const SystemeCalc& calc() const { return calc_; }
  QLabel* display1() const { return result1_; }
  QLabel* display2() const { return result2_; }
  QSpinBox* base1Box() const { return base1_; }
  QSpinBox* base2Box() const { return base2_; }

protected:
  void handleKey(int code) override;
  void layoutCalc() override;

  void refresh() override;

private:

  SystemeCalc calc_;
  QLabel* result1_;
  QLabel* result2_;
  QLabel* basis_;
  QSpinBox* base1_;
  QSpinBox* base2_;
};

// The topic's text page in German, English and French (called by
// RegisterAlgebraTopics).
void RegisterSystemeTexts();

}  // namespace zw
