#pragma once
// The Pythagorean triples topic window: lower and upper bound; the triples
// are listed by a long run in slices, so a large upper bound keeps the
// window usable and ESC stops it. The computation is topics/algebra/Pyth.h.
#include <array>

#include "topics/frame/TopicWindow.h"

class QLabel;
class QLineEdit;

namespace zw {

class TFPyth : public TopicWindow {
  Q_OBJECT
public:
  static constexpr std::string_view ClassName = "TFPyth";
  explicit TFPyth(QWidget* owner = nullptr);

  QLineEdit* edit(int index) const { return edits_.at(static_cast<std::size_t>(index)); }
  // Blanks of the memo font that fit in one memo line (at most 100).
  int memoLineCapacity() const;

protected:
  void layoutInputs() override;
  void compute() override;

private:
  std::array<QLineEdit*, 2> edits_{};
  std::array<QLabel*, 2> captions_{};
};

}  // namespace zw
