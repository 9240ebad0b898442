#pragma once
// "Schnitt von Kugel und Gerade": a sphere and a line x = p + t·u (also
// through two points); the two points, the touching point of a tangent or
// a message; sphere, chord and points on the picture page.
#include <array>
#include <functional>
#include <optional>

#include "topics/space/SpaceWindowKit.h"
#include "topics/space/XGerK.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace zw {

class TFXGerK : public SpaceWindow {
  Q_OBJECT
public:
  static constexpr std::string_view ClassName = "TFXGerK";
  explicit TFXGerK(QWidget* owner = nullptr);
  QPushButton* twoPointButton() const { return btnGetAB_; }
  // Runs the two-point dialog (null: exec); tests answer through it.
  std::function<int(TFGetAB3D*)> runTwoPointDialog;

protected:
  void layoutInputs() override;
  void compute() override;
  bool buildScene(TRot3D& view) override;
  void forgetScene() override { scene_.reset(); }
  QWidget* failureFocus() const override;

private:
  std::array<QLineEdit*, 6> lineEdits() const;
  std::array<QLineEdit*, 10> edits_{};
  std::array<QLabel*, 5> panels_{};
  QPushButton* btnGetAB_ = nullptr;
  struct Scene {
    LineAndSphere in;
    LineAndSphereResult res;
  };
  std::optional<Scene> scene_;
};

}  // namespace zw
