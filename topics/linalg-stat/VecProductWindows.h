#pragma once
// "Skalarprodukt", "Vektorprodukt" and "Spatprodukt": two or three vectors
// of space typed as columns side by side; the products on the output page.
// One window template; every layout restores the default size. The
// computations are topics/linalg-stat/VecProducts.h.
#include <QStringList>
#include <array>
#include <functional>
#include <vector>

#include "kernel/Types.h"
#include "topics/frame/TopicWindow.h"

class QLabel;
class QLineEdit;

namespace zw {

class VectorProductWindow : public TopicWindow {
  Q_OBJECT
public:
  // The coordinate edits in key order: ax, ay, az, bx, ...
  QLineEdit* edit(int i) const { return edits_.at(static_cast<std::size_t>(i)); }

protected:
  struct Shape {
    int vectors = 2;
    int taskLines = 2;
    FocusPolicy focus = FocusPolicy::None;
    QString nameCaption;  // " a = " or "  a = " ('a' stands for each name)
    std::function<QStringList(const std::vector<TVec3>&, const TextMeasurer&)> lines;
  };
  VectorProductWindow(QWidget* owner, std::string_view className, Shape shape);
  void layoutInputs() override;
  void compute() override;

private:
  Shape shape_;
  std::vector<QLineEdit*> edits_;
  std::vector<QLabel*> arrows_, names_;
};

class TFSProd : public VectorProductWindow {
  Q_OBJECT
public:
  static constexpr std::string_view ClassName = "TFSProd";
  explicit TFSProd(QWidget* owner = nullptr);
};

class TFVProd : public VectorProductWindow {
  Q_OBJECT
public:
  static constexpr std::string_view ClassName = "TFVProd";
  explicit TFVProd(QWidget* owner = nullptr);
};

class TFSpat : public VectorProductWindow {
  Q_OBJECT
public:
  static constexpr std::string_view ClassName = "TFSpat";
  explicit TFSpat(QWidget* owner = nullptr);
};

}  // namespace zw
