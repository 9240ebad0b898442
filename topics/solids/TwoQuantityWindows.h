#pragma once
// The windows of the solids given by two quantities: cone, cylinder, square
// pyramid and regular prism (with its vertex count on a spinner). The sketch
// thickens the lines of the filled fields it follows; the picture page shows
// the outline, or both outlines when the pair has two solutions.
#include <optional>
#include <string_view>

#include "topics/solids/SolidWindow.h"
#include "topics/solids/TwoQuantity.h"

class QLabel;
class QSpinBox;

namespace zw {

class TwoQuantityWindow : public SolidWindow {
  Q_OBJECT
public:
  TwoQuantitySolid solid() const { return solid_; }

protected:
  // The sketch follows the first `sketched` fields.
  TwoQuantityWindow(QWidget* owner, std::string_view className, TwoQuantitySolid solid, int sketched);
  // Exactly two quantities above 0: fewer give message 3, more message 4;
  // with two, fields that failed their read give message 22 and the first
  // of them takes the focus.
  bool readInputs() override;
  void compute() override;
  void rebuildPicture() override;
  void drawSketch(QPainter& p, const SketchInput& in) override;
  // The prism's vertex count (3 elsewhere).
  virtual int vertices() const { return 3; }

private:
  TwoQuantitySolid solid_;
  int mask_ = 0;
  // The last computation, which the picture shows while the window has results.
  std::optional<TwoQuantityResult> result_;
  int resultVertices_ = 3;
};

// Cone, cylinder and pyramid, told apart by their solid and their class of
// the topic registry. Typing in the radius, the height or the slant height
// redraws the cone's sketch; only the radius the cylinder's; the first four
// fields the pyramid's.
template <TwoQuantitySolid Solid>
class TwoQuantityTopic : public TwoQuantityWindow {
public:
  static constexpr std::string_view ClassName = Solid == TwoQuantitySolid::Cone       ? "TFKegel"
                                                : Solid == TwoQuantitySolid::Cylinder ? "TFZyl"
                                                                                      : "TFPyra";
  explicit TwoQuantityTopic(QWidget* owner = nullptr)
      : TwoQuantityWindow(owner, ClassName, Solid,
                          Solid == TwoQuantitySolid::Cone ? 3 : Solid == TwoQuantitySolid::Cylinder ? 1 : 4) {
    initTopic();
  }
};
using TFKegel = TwoQuantityTopic<TwoQuantitySolid::Cone>;
using TFZyl = TwoQuantityTopic<TwoQuantitySolid::Cylinder>;
using TFPyra = TwoQuantityTopic<TwoQuantitySolid::Pyramid>;

class TFPrisma : public TwoQuantityWindow {
  Q_OBJECT
public:
  static constexpr std::string_view ClassName = "TFPrisma";
  explicit TFPrisma(QWidget* owner = nullptr);
  QSpinBox* spinner() const { return spin_; }

protected:
  void layoutInputs() override;
  int vertices() const override;
  int sketchVertices() const override { return vertices(); }
  int sketchFirstRow() const override { return 1; }

private:
  QLabel* spinCaption_ = nullptr;
  QSpinBox* spin_ = nullptr;
};

}  // namespace zw
