#pragma once
// The sphere window: one of radius, diameter, circumference, surface and
// volume given, with an optional latitude for the parallel circle; a fixed
// sketch beside the inputs and no picture page.
#include <string_view>

#include "topics/solids/SolidWindow.h"

namespace zw {

class TFKugel1 : public SolidWindow {
  Q_OBJECT
public:
  static constexpr std::string_view ClassName = "TFKugel1";
  explicit TFKugel1(QWidget* owner = nullptr);

protected:
  // Any field that fails its read: message 22 with the focus on the first
  // of them. Then exactly one of the five quantities above 0: none gives
  // message 3, more message 4, each with the focus on the radius.
  bool readInputs() override;
  void compute() override;
  void drawSketch(QPainter& p, const SketchInput& in) override;

private:
  int given_ = 0;
};

}  // namespace zw
