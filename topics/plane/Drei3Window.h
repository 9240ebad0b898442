#pragma once
// "Dreiecke aus drei Punkten": the inner quantities of the triangle whose
// vertices are typed, pasted or imported into a small grid; the chart shows
// it at its true place with circumcircle and incircle.
#include "topics/frame/ChartPage.h"
#include "topics/plane/PlaneKit.h"

namespace zw {

class StringGrid;

class TFDrei3 : public ChartTopicWindow {
  Q_OBJECT
public:
  static constexpr std::string_view ClassName = "TFDrei3";
  explicit TFDrei3(QWidget* owner = nullptr);
  StringGrid* grid() const { return grid_; }
  const TriangleData& triangle() const { return triangle_; }

protected:
  void layoutInputs() override;
  bool readInputs() override;
  void compute() override;
  void rebuildPicture() override;
  ChartRange chartRange() override;
  void drawFigures(TVIrada& chart) override;
  void graphHints(std::array<QString, 13>& hints) override;

private:
  StringGrid* grid_ = nullptr;
  TVec2 points_[3];
  TriangleData triangle_;
  bool solved_ = false;
  // The window's own graph lists (the chart page points at them).
  QString colorList_, widthList_;
};

}  // namespace zw
