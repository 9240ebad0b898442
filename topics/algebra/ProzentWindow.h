#pragma once
// The percentage topic window: five fields G, W, p, q, E (two of them
// given), two stacked-fraction panels with the formulas, the results in the
// memo. The computation is topics/algebra/Prozent.h.
#include <array>

#include "topics/algebra/Prozent.h"
#include "topics/frame/TopicWindow.h"

class QLabel;
class QLineEdit;

namespace zw {

class TFProz : public TopicWindow {
  Q_OBJECT
public:
  static constexpr std::string_view ClassName = "TFProz";
  explicit TFProz(QWidget* owner = nullptr);

  QLineEdit* edit(int index) const { return edits_.at(static_cast<std::size_t>(index)); }
  QLabel* formulaLabel(int panel, int line) const {
    return formula_.at(static_cast<std::size_t>(panel * 3 + line));
  }

protected:
  void layoutInputs() override;
  bool readInputs() override;
  void compute() override;

private:
  std::array<QLineEdit*, ProzCount> edits_{};
  std::array<QLabel*, ProzCount> captions_{};
  std::array<QWidget*, 2> panels_{};
  std::array<QLabel*, 6> formula_{};  // lblFormel11 ... lblFormel23
  ProzReading reading_;
};

}  // namespace zw
