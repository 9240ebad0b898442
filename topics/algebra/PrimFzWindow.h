#pragma once
// The prime-factorisation topic window: a single number, an interval with a
// step or a recursively defined sequence, factorised line by line into the
// memo by a long run that ESC stops. The computation is
// topics/algebra/PrimFz.h; this class only reads the fields and starts it.
#include <array>
#include <cstdint>

#include "topics/algebra/PrimFz.h"
#include "topics/frame/TopicWindow.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace zw {

class TFPrimFz : public TopicWindow, private PrimeMemoOutput {
  Q_OBJECT
public:
  static constexpr std::string_view ClassName = "TFPrimFz";
  explicit TFPrimFz(QWidget* owner = nullptr);

  // The radio index: 0 single number, 1 interval, 2 sequence.
  int mode() const;
  void setMode(int index);
  QLineEdit* edn(int i) const { return edn_.at(static_cast<std::size_t>(i)); }  // edn0 ... edn3
  QLineEdit* eda0() const { return eda0_; }
  QLineEdit* edai() const { return edai_; }
  QLineEdit* ednCount() const { return ednCount_; }
  QCheckBox* stopwatch() const { return stopwatch_; }
  QGroupBox* modeBox(int i) const { return boxes_.at(static_cast<std::size_t>(i)); }

protected:
  void layoutInputs() override;
  void compute() override;
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  void clear() override;
  void appendLines(const QStringList& lines) override;
  void setLines(const QStringList& lines) override;
  // Return in the memo: the last line factorised.
  void factoriseTypedLine();

  QGroupBox* modeGroup_ = nullptr;
  std::array<QRadioButton*, 3> radios_{};
  std::array<QGroupBox*, 3> boxes_{};  // gbZahl, gbIntervall, gbFolge
  std::array<QLineEdit*, 4> edn_{};
  std::array<QLabel*, 4> ednCaptions_{};
  QLabel* intervalCaption_ = nullptr;  // "n = "
  QLineEdit* eda0_ = nullptr;
  QLineEdit* edai_ = nullptr;
  QLineEdit* ednCount_ = nullptr;
  std::array<QLabel*, 3> sequenceCaptions_{};
  QCheckBox* stopwatch_ = nullptr;
  std::int64_t lastSingle_ = 1;  // n0_alt: a single number equal to the last one is skipped
};

}  // namespace zw
