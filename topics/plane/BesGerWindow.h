#pragma once
// "Besondere Geraden im Dreieck": the special lines, centres and circles of
// the triangle of three points; a check list chooses the layers that the
// memo lists and the chart draws over the filled triangle.
#include "topics/frame/ChartPage.h"
#include "topics/plane/BesGer.h"

class QListWidget;
class QPainter;

namespace zw {

class StringGrid;

// The chosen layers on the chart: the triangle outline (black, `areaRand`),
// each chosen layer in its graph's pen, the outline again on top when wider
// than 1, and the navy vertex labels. `captions` receives the texts of the
// layers drawn.
void DrawSpecialLines(TVIrada& chart, const SpecialLines& t, int choice, const GraphPens& pens, int areaRand,
                      QStringList& captions);

class TFBesGer : public ChartTopicWindow {
  Q_OBJECT
public:
  static constexpr std::string_view ClassName = "TFBesGer";
  explicit TFBesGer(QWidget* owner = nullptr);
  ~TFBesGer() override;
  StringGrid* grid() const { return grid_; }
  QListWidget* checkList() const { return list_; }
  const SpecialLines& lines() const { return lines_; }
  int choice() const;
  void setChoice(int bits);
  int areaColor() const { return areaColor_; }
  int areaRand() const { return areaRand_; }

protected:
  void layoutInputs() override;
  bool readInputs() override;
  void compute() override;
  ChartRange chartRange() override;
  void drawFigures(TVIrada& chart) override;
  void graphHints(std::array<QString, 13>& hints) override;

private:
  void fillTriangle(QPainter& canvas, int top, int left);

  StringGrid* grid_ = nullptr;
  QListWidget* list_ = nullptr;
  TVec2 points_[3];
  SpecialLines lines_;
  bool solved_ = false;
  // The window's own graph lists and area values (the chart page points at them).
  QString colorList_, widthList_;
  int areaColor_ = 1, areaRand_ = 1;
};

}  // namespace zw
