#pragma once
// "Ebene durch drei Punkte": three points in a grid; the plane through them
// in point-direction form and as a coordinate equation, its distance from
// the origin and its trace points; the plane's outline and the trace points
// on the picture page.
#include <optional>

#include "topics/space/Ebene.h"
#include "topics/space/SpaceWindowKit.h"

namespace zw {

class TFEbene : public SpaceWindow {
  Q_OBJECT
public:
  static constexpr std::string_view ClassName = "TFEbene";
  explicit TFEbene(QWidget* owner = nullptr);

protected:
  void compute() override;
  bool buildScene(TRot3D& view) override;
  void forgetScene() override { plane_.reset(); }

private:
  std::optional<PlaneThroughPoints> plane_;
};

}  // namespace zw
