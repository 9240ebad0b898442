#pragma once
// "Schnitt von zwei Kugeln": two spheres by centre and radius; the circle and
// the plane in which they meet; both spheres and the circle on the picture
// page.
#include <array>
#include <optional>

#include "topics/space/SpaceWindowKit.h"
#include "topics/space/XKugel.h"

class QLabel;
class QLineEdit;

namespace zw {

// Both spheres in the pens of graphs 1 and 2 (width 1) and the circle in
// graph 3's, the cube fitted to the view's height; ends with InitView3D.
void BuildTwoSpheresScene(TRot3D& view, const TwoSpheresResult& res, const ScenePen& sphere1,
                          const ScenePen& sphere2, const ScenePen& circle);

class TFXKugel : public SpaceWindow {
  Q_OBJECT
public:
  static constexpr std::string_view ClassName = "TFXKugel";
  explicit TFXKugel(QWidget* owner = nullptr);

protected:
  void layoutInputs() override;
  void compute() override;
  bool buildScene(TRot3D& view) override;
  void forgetScene() override { result_.reset(); }

private:
  std::array<QLineEdit*, 8> edits_{};
  std::array<QLabel*, 4> panels_{};
  std::optional<TwoSpheresResult> result_;
};

}  // namespace zw
