#pragma once
// The two-lines window: two lines by point and direction or through two
// points each, their classification with distances, feet or intersection,
// and both lines with the intersection point or the common perpendicular in
// a rotatable picture once computed.
#include <array>
#include <optional>
#include <string_view>

#include "topics/space/SpaceWindowKit.h"
#include "topics/space/TwoLines.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace zw {

class TFXGer3d : public SpaceWindow {
  Q_OBJECT
public:
  static constexpr std::string_view ClassName = "TFXGer3d";
  explicit TFXGer3d(QWidget* owner = nullptr);

  // px, py, pz, ux, uy, uz, qx, qy, qz, vx, vy, vz.
  QLineEdit* edit(int i) const { return edits_[static_cast<std::size_t>(i)]; }
  // g and h through two points.
  QPushButton* button(int i) const { return buttons_[static_cast<std::size_t>(i)]; }

protected:
  void layoutInputs() override;
  void compute() override;
  bool buildScene(TRot3D& view) override;
  void forgetScene() override;
  QWidget* failureFocus() const override;

private:
  std::array<QLabel*, 6> panels_{};
  std::array<QLineEdit*, 12> edits_{};
  std::array<QPushButton*, 2> buttons_{};
  std::optional<SpaceLinesResult> result_;
};

}  // namespace zw
