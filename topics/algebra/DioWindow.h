#pragma once
// The Diophantine equations topic window: the coefficients a, b, c of
// a·x + b·y + c = 0 below an HTML label with the equation form; each
// equation and its solution set are appended to the record in the memo (a
// repeat of the last one is skipped). The computation is topics/algebra/Dio.h.
#include <array>

#include "topics/frame/TopicWindow.h"

class QLabel;
class QLineEdit;

namespace zw {

class THtmlLab;

class TFDio : public TopicWindow {
  Q_OBJECT
public:
  static constexpr std::string_view ClassName = "TFDio";
  explicit TFDio(QWidget* owner = nullptr);

  QLineEdit* edit(int index) const { return edits_.at(static_cast<std::size_t>(index)); }
  THtmlLab* equationLabel() const { return equation_; }

protected:
  void layoutInputs() override;
  void compute() override;

private:
  std::array<QLineEdit*, 3> edits_{};
  std::array<QLabel*, 3> captions_{};
  THtmlLab* equation_ = nullptr;  // HtmlGleichung
  QString lastShown_;             // DioAlt: the equation line of the last solution listed
};

}  // namespace zw
