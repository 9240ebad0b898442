#pragma once
// The binomial expansion topic window: a, b and the exponent n; the terms
// of (a·x + b·y)^n in the memo. The computation is topics/algebra/Bino.h.
#include <array>

#include "topics/frame/TopicWindow.h"

class QLabel;
class QLineEdit;

namespace zw {

class TFBino : public TopicWindow {
  Q_OBJECT
public:
  static constexpr std::string_view ClassName = "TFBino";
  explicit TFBino(QWidget* owner = nullptr);

  QLineEdit* edit(int index) const { return edits_.at(static_cast<std::size_t>(index)); }

protected:
  void layoutInputs() override;
  bool readInputs() override;
  void compute() override;

private:
  std::array<QLineEdit*, 3> edits_{};
  std::array<QLabel*, 3> captions_{};
};

}  // namespace zw
