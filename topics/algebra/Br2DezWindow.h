#pragma once
// The fraction-to-decimal topic window: numerator and denominator; every
// expansion is appended to the record in the memo (a repeat of the last
// one is skipped). Enter on a line "z/n" typed into the memo expands that
// fraction too. The computation is topics/algebra/Br2Dez.h.
#include <array>
#include <cstdint>

#include "topics/frame/TopicWindow.h"

class QLabel;
class QLineEdit;

namespace zw {

class TFBr2Dez : public TopicWindow {
  Q_OBJECT
public:
  static constexpr std::string_view ClassName = "TFBr2Dez";
  explicit TFBr2Dez(QWidget* owner = nullptr);

  QLineEdit* edit(int index) const { return edits_.at(static_cast<std::size_t>(index)); }

protected:
  void layoutInputs() override;
  void compute() override;
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  // Appends the record of z/n unless it is the last one shown.
  void showResults(std::uint64_t z, std::uint64_t n);
  // Enter in the memo: the last line, when it reads as a fraction, is replaced by its record.
  void memoEnter();

  std::array<QLineEdit*, 2> edits_{};
  std::array<QLabel*, 2> captions_{};
  QString lastShown_ = QStringLiteral("0/1");  // BrAlt
};

}  // namespace zw
