#pragma once
// The five Platonic solid windows: one quantity of seven given, the edge
// and the others computed; the sketch thickens the lines of the first four
// fields that are filled; the picture page shows the wire frame.
#include <string_view>

#include "topics/solids/Platonic.h"
#include "topics/solids/SolidWindow.h"

namespace zw {

class PlatonicWindow : public SolidWindow {
  Q_OBJECT
public:
  Platonic solid() const { return solid_; }

protected:
  PlatonicWindow(QWidget* owner, std::string_view className, Platonic solid);
  // Exactly one quantity above 0: fewer give message 3, more message 4;
  // with one, fields that failed their read give message 22 and the first
  // of them takes the focus.
  bool readInputs() override;
  void compute() override;
  void rebuildPicture() override;
  void drawSketch(QPainter& p, const SketchInput& in) override;

private:
  Platonic solid_;
  int given_ = 0;
};

// The five windows, told apart by their solid and their class of the topic
// registry.
template <Platonic Solid>
class PlatonicTopic : public PlatonicWindow {
public:
  static constexpr std::string_view ClassName = Solid == Platonic::Tetra    ? "TFTetra"
                                                : Solid == Platonic::Hexa   ? "TFHexa"
                                                : Solid == Platonic::Okta   ? "TFOkta"
                                                : Solid == Platonic::Dodeka ? "TFDodeka"
                                                                            : "TFIkosa";
  explicit PlatonicTopic(QWidget* owner = nullptr) : PlatonicWindow(owner, ClassName, Solid) {}
};
using TFTetra = PlatonicTopic<Platonic::Tetra>;
using TFHexa = PlatonicTopic<Platonic::Hexa>;
using TFOkta = PlatonicTopic<Platonic::Okta>;
using TFDodeka = PlatonicTopic<Platonic::Dodeka>;
using TFIkosa = PlatonicTopic<Platonic::Ikosa>;

}  // namespace zw
