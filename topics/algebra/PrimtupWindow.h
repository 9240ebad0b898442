#pragma once
// The prime-tuples topic window: twins, cousins, sexy primes or triplets
// between a and b. The computation is topics/algebra/Primtup.h.
#include <array>

#include "topics/algebra/Primtup.h"
#include "topics/frame/TopicWindow.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace zw {

class TFPrimtup : public TopicWindow, private PrimeMemoOutput {
  Q_OBJECT
public:
  static constexpr std::string_view ClassName = "TFPrimtup";
  explicit TFPrimtup(QWidget* owner = nullptr);

  QLineEdit* edit(int i) const { return edits_.at(static_cast<std::size_t>(i)); }  // Edit1 (a), Edit2 (b)
  // The chosen kind, 0 ... 3 (twins, cousins, sexy primes, triplets).
  int choice() const;
  void setChoice(int index);

protected:
  void layoutInputs() override;
  void compute() override;

private:
  void clear() override;
  void appendLines(const QStringList& lines) override;
  void setLines(const QStringList& lines) override;

  std::array<QLineEdit*, 2> edits_{};
  std::array<QLabel*, 2> captions_{};
  QGroupBox* choiceGroup_ = nullptr;
  std::array<QRadioButton*, 4> radios_{};
};

}  // namespace zw
