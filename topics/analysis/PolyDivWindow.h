#pragma once
// The polynomial topics' windows: division (product, quotient, remainder),
// gcd and lcm, factorisation, and shift or stretch. Each only chooses its
// grid and extra inputs and calls its computation in PolyTopics.h.
#include "topics/analysis/PolyTopicWindow.h"

class QLineEdit;
class QRadioButton;

namespace zw {

class TFPolyDiv : public PolyTopicWindow {
  Q_OBJECT
public:
  static constexpr std::string_view ClassName = "TFPolyDiv";
  explicit TFPolyDiv(QWidget* owner = nullptr);
protected:
  void compute() override;
  void afterLoad() override;
};

class TFPolyggT : public PolyTopicWindow {
  Q_OBJECT
public:
  static constexpr std::string_view ClassName = "TFPolyggT";
  explicit TFPolyggT(QWidget* owner = nullptr);
protected:
  void compute() override;
};

class TFPolyFak : public PolyTopicWindow {
  Q_OBJECT
public:
  static constexpr std::string_view ClassName = "TFPolyFak";
  explicit TFPolyFak(QWidget* owner = nullptr);
protected:
  void compute() override;
};

class TFPolTrans : public PolyTopicWindow {
  Q_OBJECT
public:
  static constexpr std::string_view ClassName = "TFPolTrans";
  explicit TFPolTrans(QWidget* owner = nullptr);
  QLineEdit* dxEdit() const { return dx_; }
  QLineEdit* dyEdit() const { return dy_; }
  QRadioButton* stretchButton() const { return stretch_; }
  QWidget* inputFor(const QString& key) const override;
protected:
  void compute() override;
  int extraInputsHeight() const override;
  void layoutExtraInputs(int top) override;
  void readExtraInputs() const override;
private:
  void relabel();
  QRadioButton* shift_ = nullptr;
  QRadioButton* stretch_ = nullptr;
  QLabel* dxCaption_ = nullptr;
  QLabel* dyCaption_ = nullptr;
  QLineEdit* dx_ = nullptr;
  QLineEdit* dy_ = nullptr;
  mutable TBruch u_{}, v_{};  // the factors of the last reading
};

}  // namespace zw
