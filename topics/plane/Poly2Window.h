#pragma once
// "Beliebige Vielecke": the corners of a polygon in a list grid give its
// area, perimeter, centroids, sides and angles and its kind; the chart shows
// it with the circumcircle and incircle where they exist.
#include "topics/frame/ChartPage.h"
#include "topics/plane/Poly2.h"

namespace zw {

class StringGrid;

class TFPoly2 : public ChartTopicWindow {
  Q_OBJECT
public:
  static constexpr std::string_view ClassName = "TFPoly2";
  explicit TFPoly2(QWidget* owner = nullptr);
  StringGrid* grid() const { return grid_; }
  const PolygonAnalysis& analysis() const { return analysis_; }

protected:
  void layoutInputs() override;
  bool readInputs() override;
  void compute() override;
  ChartRange chartRange() override;
  void drawFigures(TVIrada& chart) override;
  void graphHints(std::array<QString, 13>& hints) override;
  bool event(QEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;

private:
  StringGrid* grid_ = nullptr;
  std::vector<TVec2> corners_;
  PolygonAnalysis analysis_;
  bool solved_ = false;
};

}  // namespace zw
