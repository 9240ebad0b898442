#pragma once
// Equations up to degree four: five coefficient cells, the solution set.
#include "topics/frame/TopicWindow.h"

namespace zw {

class StringGrid;
class THtmlLab;

class TFGlei4 : public TopicWindow {
  Q_OBJECT
public:
  static constexpr std::string_view ClassName = "TFGlei4";
  explicit TFGlei4(QWidget* owner = nullptr);

  StringGrid* grid() const { return grid_; }

protected:
  void layoutInputs() override;
  bool readInputs() override;
  void compute() override;

private:
  THtmlLab* equation_;
  StringGrid* grid_;
};

}  // namespace zw
