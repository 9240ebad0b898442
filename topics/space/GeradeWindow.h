#pragma once
// "Gerade durch zwei Punkte": two points in a grid; the line through them
// and its position to the coordinate planes.
#include "topics/space/SpaceWindowKit.h"

namespace zw {

class TFGerade : public SpaceWindow {
  Q_OBJECT
public:
  static constexpr std::string_view ClassName = "TFGerade";
  explicit TFGerade(QWidget* owner = nullptr);

protected:
  void compute() override;
};

}  // namespace zw
