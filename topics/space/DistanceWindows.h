#pragma once
// The three distance windows: two points, a point and a line, a point and a
// plane. The point-line and point-plane windows keep their inputs in one
// worksheet section, each only under its own keys.
#include <array>
#include <string_view>
#include <vector>

#include "topics/space/SpaceWindowKit.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace zw {

// A distance window: its fields in reading order, the echo of a point's raw
// texts, and New that erases only the window's own keys of the section.
class DistanceWindow : public SpaceWindow {
  Q_OBJECT
public:
  QLineEdit* edit(int i) const { return edits_[static_cast<std::size_t>(i)]; }
  int editCount() const { return static_cast<int>(edits_.size()); }
  void cmdNew(const QString& file) override;

protected:
  DistanceWindow(QWidget* owner, std::string_view className, std::initializer_list<const char*> keys,
                 int panels);
  TVec3 point(int first) const;
  std::array<QString, 3> texts(int first) const;
  std::vector<QLabel*> panels_;
  std::vector<QLineEdit*> edits_;
};

class TFAbstPP : public DistanceWindow {
  Q_OBJECT
public:
  static constexpr std::string_view ClassName = "TFAbstPP";
  explicit TFAbstPP(QWidget* owner = nullptr);

protected:
  void layoutInputs() override;
  void compute() override;
};

class TFAbstPG : public DistanceWindow {
  Q_OBJECT
public:
  static constexpr std::string_view ClassName = "TFAbstPG";
  explicit TFAbstPG(QWidget* owner = nullptr);
  // g through two points.
  QPushButton* button() const { return button_; }

protected:
  void layoutInputs() override;
  void compute() override;

private:
  QPushButton* button_ = nullptr;
};

class TFAbstPE : public DistanceWindow {
  Q_OBJECT
public:
  static constexpr std::string_view ClassName = "TFAbstPE";
  explicit TFAbstPE(QWidget* owner = nullptr);

protected:
  void layoutInputs() override;
  void compute() override;
};

}  // namespace zw
