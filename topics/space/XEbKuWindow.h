#pragma once
// "Schnitt von Kugel und Ebene": a plane a·x + b·y + c·z = d (also through
// three points or from its vector equation) and a sphere; the circle in
// which the plane cuts the sphere, or the touching point; sphere, plane and
// circle on the picture page.
#include <array>
#include <functional>
#include <optional>

#include "topics/space/SpaceWindowKit.h"
#include "topics/space/XEbKu.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace zw {

class TFXEbKu : public SpaceWindow {
  Q_OBJECT
public:
  static constexpr std::string_view ClassName = "TFXEbKu";
  explicit TFXEbKu(QWidget* owner = nullptr);
  QPushButton* threePointButton() const { return btn1_; }
  QPushButton* vectorButton() const { return btn2_; }
  // Run the plane dialogs (null: exec); tests answer through them.
  std::function<int(TFGetABC*)> runThreePointDialog;
  std::function<int(TFGetVGl*)> runVectorDialog;

protected:
  void layoutInputs() override;
  void compute() override;
  bool buildScene(TRot3D& view) override;
  void forgetScene() override { scene_.reset(); }

private:
  std::array<QLineEdit*, 4> planeEdits() const { return {edits_[0], edits_[1], edits_[2], edits_[3]}; }
  std::array<QLineEdit*, 8> edits_{};
  std::array<QLabel*, 6> panels_{};
  QPushButton* btn1_ = nullptr;
  QPushButton* btn2_ = nullptr;
  struct Scene {
    PlaneAndSphere in;
    PlaneAndSphereResult res;
  };
  std::optional<Scene> scene_;
};

}  // namespace zw
