#pragma once
// The sequences topic window and the Newton iteration window. Each reads its
// fields and shows the lines of its computation (Sequences.h, Newton.h).
#include "topics/frame/TopicWindow.h"

class QCheckBox;
class QLabel;
class QLineEdit;

namespace zw {

class TFFolgen : public TopicWindow {
  Q_OBJECT
public:
  static constexpr std::string_view ClassName = "TFFolgen";
  explicit TFFolgen(QWidget* owner = nullptr);
  QLineEdit* startEdit() const { return a0_; }
  QLineEdit* termEdit() const { return ai_; }
  QLineEdit* countEdit() const { return n_; }
  QCheckBox* numberedBox() const { return numbered_; }
protected:
  void layoutInputs() override;
  bool readInputs() override { return true; }  // the computation reads its own fields
  void compute() override;
private:
  QLabel *a0Caption_ = nullptr, *aiCaption_ = nullptr, *nCaption_ = nullptr;
  QLineEdit *a0_ = nullptr, *ai_ = nullptr, *n_ = nullptr;
  QCheckBox* numbered_ = nullptr;
};

class TFIter : public TopicWindow {
  Q_OBJECT
public:
  static constexpr std::string_view ClassName = "TFIter";
  explicit TFIter(QWidget* owner = nullptr);
  QLineEdit* termEdit() const { return term_; }
  QLineEdit* startEdit() const { return x0_; }
protected:
  void layoutInputs() override;
  void compute() override;
private:
  QLabel *termCaption_ = nullptr, *x0Caption_ = nullptr;
  QLineEdit *term_ = nullptr, *x0_ = nullptr;
};

}  // namespace zw
