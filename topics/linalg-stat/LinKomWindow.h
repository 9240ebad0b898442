#pragma once
// "Linearkombination": the equation a·u + b·v + c·w = d typed as four
// column vectors; the coefficients, or that u, v, w are linearly dependent,
// on the output page. The computation is topics/linalg-stat/LinKom.h.
#include <array>

#include "topics/frame/TopicWindow.h"

class QLabel;
class QLineEdit;

namespace zw {

class TFLinKom : public TopicWindow {
  Q_OBJECT
public:
  static constexpr std::string_view ClassName = "TFLinKom";
  explicit TFLinKom(QWidget* owner = nullptr);

  // ax, ay, az, bx, ..., dz.
  QLineEdit* edit(int i) const { return edits_.at(static_cast<std::size_t>(i)); }

protected:
  void layoutInputs() override;
  void compute() override;

private:
  std::array<QLineEdit*, 12> edits_{};
  std::array<QLabel*, 4> panels_{};
};

}  // namespace zw
