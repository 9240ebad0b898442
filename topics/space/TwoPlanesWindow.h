#pragma once
// The two-planes window: two planes by their coefficients or through the
// plane dialogs, the line of intersection or the distance of parallel
// planes, and both planes with the line in a rotatable picture.
#include <array>
#include <optional>
#include <string_view>

#include "topics/space/SpaceWindowKit.h"
#include "topics/space/TwoPlanes.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace zw {

class TFXEbene : public SpaceWindow {
  Q_OBJECT
public:
  static constexpr std::string_view ClassName = "TFXEbene";
  explicit TFXEbene(QWidget* owner = nullptr);

  // a1, b1, c1, d1, a2, b2, c2, d2.
  QLineEdit* edit(int i) const { return edits_[static_cast<std::size_t>(i)]; }
  // Plane 1 and 2 through three points, plane 1 and 2 by the vector equation.
  QPushButton* button(int i) const { return buttons_[static_cast<std::size_t>(i)]; }

protected:
  void layoutInputs() override;
  void compute() override;
  bool buildScene(TRot3D& view) override;
  void forgetScene() override;
  QSize defaultSize() const override;

private:
  std::array<QLineEdit*, 4> plane(int i) const;
  std::array<QLabel*, 8> panels_{};
  std::array<QLineEdit*, 8> edits_{};
  std::array<QPushButton*, 4> buttons_{};
  std::optional<TwoPlanesResult> result_;
  Extended lastDd_ = 0;
};

}  // namespace zw
