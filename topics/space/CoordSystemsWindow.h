#pragma once
// The coordinate-systems window: a point in cartesian, spherical or
// cylindrical coordinates, in degrees, radians or gon. Switching the system
// or the unit converts the shown values; the unit is the program's angle
// mode. The results keep a history of blocks.
#include <array>
#include <string_view>

#include "topics/space/CoordSystems.h"
#include "topics/space/SpaceWindowKit.h"

class QButtonGroup;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace zw {

class TFKoSys : public SpaceWindow {
  Q_OBJECT
public:
  static constexpr std::string_view ClassName = "TFKoSys";
  explicit TFKoSys(QWidget* owner = nullptr);

  QLineEdit* edit(int i) const { return edits_[static_cast<std::size_t>(i)]; }
  QRadioButton* systemButton(int i) const { return systems_[static_cast<std::size_t>(i)]; }
  QRadioButton* unitButton(int i) const { return units_[static_cast<std::size_t>(i)]; }
  QLabel* caption(int i) const { return panels_[static_cast<std::size_t>(i)]; }

protected:
  void layoutInputs() override;
  void initialValues() override;
  void compute() override;

private:
  // A click on a system or a unit: the edits read in the old setting, then
  // shown in the new one; a bad edit puts the choice back.
  void systemClicked(int id);
  void unitClicked(int id);
  // The edits as a point in the current system and unit; false (message 22,
  // the last bad edit focused) when one cannot be read.
  bool readPoint();
  void showInSystem();
  void setSystem(int id);
  void setUnit(int id);

  std::array<QLabel*, 3> panels_{};
  std::array<QLineEdit*, 3> edits_{};
  QGroupBox* systemBox_ = nullptr;
  QGroupBox* unitBox_ = nullptr;
  std::array<QRadioButton*, 3> systems_{};
  std::array<QRadioButton*, 3> units_{};
  QButtonGroup* systemGroup_ = nullptr;
  QButtonGroup* unitGroup_ = nullptr;
  int system_ = 0;
  TVec3 point_;
  // The setting and point of the last block written.
  int lastSystem_ = 0, lastUnit_ = 0;
  TVec3 lastPoint_;
};

}  // namespace zw
