#pragma once
// The decimal-to-fraction topic window: the non-repeating part and the
// period; every conversion is appended to the record in the memo, a repeat
// of the last one is skipped. The computation is topics/algebra/Dez2Br.h.
#include <array>

#include "topics/frame/TopicWindow.h"

class QLabel;
class QLineEdit;

namespace zw {

class TFDez2Br : public TopicWindow {
  Q_OBJECT
public:
  static constexpr std::string_view ClassName = "TFDez2Br";
  explicit TFDez2Br(QWidget* owner = nullptr);

  QLineEdit* edit(int index) const { return edits_.at(static_cast<std::size_t>(index)); }

protected:
  void layoutInputs() override;
  bool readInputs() override;
  void compute() override;

private:
  std::array<QLineEdit*, 2> edits_{};
  std::array<QLabel*, 2> captions_{};
  QString lastShown_;  // the key of the last conversion in the record (Dez2BrAlt)
};

}  // namespace zw
