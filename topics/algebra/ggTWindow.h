#pragma once
// The greatest-common-divisor topic window: ten whole numbers a ... k (a and
// b required), gcd, lcm, divisor sets and divisor sums in the memo. The
// computation is topics/algebra/ggT.h; this class only reads the fields and
// shows the lines.
#include <array>
#include <string_view>

#include "topics/algebra/ggT.h"
#include "topics/frame/TopicWindow.h"

class QLabel;
class QLineEdit;

namespace zw {

class TFggT : public TopicWindow {
  Q_OBJECT
public:
  static constexpr std::string_view ClassName = "TFggT";
  explicit TFggT(QWidget* owner = nullptr);

  // Edit1 ... Edit10 and their caption panels, index 0 ... 9.
  QLineEdit* edit(int index) const { return edits_.at(static_cast<std::size_t>(index)); }
  QLabel* captionPanel(int index) const { return captions_.at(static_cast<std::size_t>(index)); }

protected:
  void layoutInputs() override;
  void compute() override;

private:
  std::array<QLineEdit*, GgtFieldCount> edits_{};
  std::array<QLabel*, GgtFieldCount> captions_{};
};

}  // namespace zw
