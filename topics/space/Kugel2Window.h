#pragma once
// "Kugel durch vier Punkte": four points in a grid; the sphere through them
// as its vector equation and as centre and radius.
#include "topics/space/SpaceWindowKit.h"

namespace zw {

class TFKugel2 : public SpaceWindow {
  Q_OBJECT
public:
  static constexpr std::string_view ClassName = "TFKugel2";
  explicit TFKugel2(QWidget* owner = nullptr);

protected:
  void compute() override;
};

}  // namespace zw
