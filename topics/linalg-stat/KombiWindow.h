#pragma once
// "Kombinatorik": n and k; the five counts of selections of k out of n on
// the results page. The computation is topics/linalg-stat/Kombi.h.
#include <array>

#include "topics/frame/TopicWindow.h"

class QLabel;
class QLineEdit;

namespace zw {

class TFKombi : public TopicWindow {
  Q_OBJECT
public:
  static constexpr std::string_view ClassName = "TFKombi";
  explicit TFKombi(QWidget* owner = nullptr);

  QLineEdit* edit(int i) const { return edits_.at(static_cast<std::size_t>(i)); }

protected:
  void layoutInputs() override;
  void compute() override;

private:
  std::array<QLineEdit*, 2> edits_{};
  std::array<QLabel*, 2> captions_{};
};

}  // namespace zw
