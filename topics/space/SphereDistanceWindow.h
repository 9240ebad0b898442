#pragma once
// The sphere-distance window: a radius and two named points by latitude and
// longitude, the points in five forms, the central angle and the distance.
#include <array>
#include <string_view>

#include "topics/space/SphereDistance.h"
#include "topics/space/SpaceWindowKit.h"

class QLabel;
class QLineEdit;

namespace zw {

class TFAbstGPS : public SpaceWindow {
  Q_OBJECT
public:
  static constexpr std::string_view ClassName = "TFAbstGPS";
  explicit TFAbstGPS(QWidget* owner = nullptr);

  // Radius, name 1, latitude 1, longitude 1, name 2, latitude 2, longitude 2.
  QLineEdit* edit(int i) const { return edits_[static_cast<std::size_t>(i)]; }

protected:
  void layoutInputs() override;
  void initialValues() override;
  bool readInputs() override;
  void compute() override;
  QWidget* inputFor(const QString& key) const override;

private:
  std::array<QLabel*, 3> panels_{};
  std::array<QLineEdit*, 7> edits_{};
  Extended radius_ = 0;
  std::array<Extended, 4> angles_{};
};

}  // namespace zw
