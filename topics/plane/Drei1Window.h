#pragma once
// "Rechtwinklige Dreiecke": two of nine quantities of a right triangle give
// the others; the chart shows the triangle with its altitude, circumcircle
// and incircle, a labelled sketch stands beside the inputs.
#include <QImage>
#include <array>

#include "topics/frame/ChartPage.h"
#include "topics/plane/Drei1.h"

class QLabel;
class QLineEdit;

namespace zw {

// The labelled sketch of a right triangle with its altitude, w × h pixels.
QImage Drei1Sketch(int w, int h, const QFont& font);

class TFDrei1 : public ChartTopicWindow {
  Q_OBJECT
public:
  static constexpr std::string_view ClassName = "TFDrei1";
  explicit TFDrei1(QWidget* owner = nullptr);
  QLabel* sketch() const { return sketch_; }
  const RightTriangle& triangle() const { return triangle_; }

protected:
  void layoutInputs() override;
  void compute() override;
  // No snapshot, and the printout holds the results only.
  TopicPicture* picture() override { return nullptr; }
  ChartRange chartRange() override;
  void drawFigures(TVIrada& chart) override;
  void graphHints(std::array<QString, 13>& hints) override;

private:
  std::array<QLineEdit*, RtCount> edits_{};
  std::array<QLabel*, RtCount> captions_{};
  QLabel* sketch_ = nullptr;
  RightTriangle triangle_;
  bool solved_ = false;
  // The window's own graph lists (the chart page points at them).
  QString colorList_, widthList_;
};

}  // namespace zw
