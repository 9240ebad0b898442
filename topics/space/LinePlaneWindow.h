#pragma once
// The line-and-plane window: a plane and a line by their coefficients or
// through the dialogs, the intersection point and angle or the distance of
// a parallel line, and the plane, the line and the point in a rotatable
// picture.
#include <array>
#include <optional>
#include <string_view>

#include "topics/space/LinePlane.h"
#include "topics/space/SpaceWindowKit.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace zw {

class TFXGerEb : public SpaceWindow {
  Q_OBJECT
public:
  static constexpr std::string_view ClassName = "TFXGerEb";
  explicit TFXGerEb(QWidget* owner = nullptr);

  // a, b, c, d, px, py, pz, ux, uy, uz.
  QLineEdit* edit(int i) const { return edits_[static_cast<std::size_t>(i)]; }
  // The plane by its vector equation, through three points, the line through two points.
  QPushButton* button(int i) const { return buttons_[static_cast<std::size_t>(i)]; }

protected:
  void layoutInputs() override;
  void compute() override;
  bool buildScene(TRot3D& view) override;
  void forgetScene() override;
  QWidget* failureFocus() const override;

private:
  std::array<QLabel*, 7> panels_{};
  std::array<QLineEdit*, 10> edits_{};
  std::array<QPushButton*, 3> buttons_{};
  std::optional<LinePlaneResult> result_;
};

}  // namespace zw
