#pragma once
// The prime-numbers topic window: the primes between a and b, or the primes
// number a to number b. Activation lists again while the results page
// shows; a click on the results page's button bar switches a numbered list
// between one entry per line and a paragraph. The computation is
// topics/algebra/Prim.h.
#include <array>

#include "topics/algebra/Prim.h"
#include "topics/frame/TopicWindow.h"

class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;

namespace zw {

class TFPrim : public TopicWindow, private PrimeMemoOutput {
  Q_OBJECT
public:
  static constexpr std::string_view ClassName = "TFPrim";
  explicit TFPrim(QWidget* owner = nullptr);

  QLineEdit* edit(int i) const { return edits_.at(static_cast<std::size_t>(i)); }  // Edit1 (a), Edit2 (b)
  PrimMode mode() const;
  void setMode(PrimMode mode);
  // The numbered list shows one entry per line.
  bool wrapped() const { return wrap_; }

protected:
  void layoutInputs() override;
  void compute() override;
  void legendClicked(int index) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  void clear() override;
  void appendLines(const QStringList& lines) override;
  void setLines(const QStringList& lines) override;
  // Characters that fit into one memo line (at most 100).
  int lineCapacity() const;

  std::array<QLineEdit*, 2> edits_{};
  std::array<QLabel*, 2> captions_{};
  QGroupBox* modeGroup_ = nullptr;
  std::array<QRadioButton*, 2> radios_{};
  bool wrap_ = false;
};

}  // namespace zw
