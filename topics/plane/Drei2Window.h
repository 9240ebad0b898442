#pragma once
// "Dreiecke aus drei Größen": three of the sides and angles give the
// triangle with all its inner quantities; the ambiguous case lists both
// triangles, each on a chart page of its own. A labelled sketch stands
// beside the inputs.
#include <QImage>
#include <array>

#include "topics/frame/ChartPage.h"
#include "topics/plane/Drei2.h"

class QLabel;
class QLineEdit;

namespace zw {

// The labelled sketch of a triangle with its angles, w × h pixels.
QImage Drei2Sketch(int w, int h, const QFont& font);

class TFDrei2 : public ChartTopicWindow {
  Q_OBJECT
public:
  static constexpr std::string_view ClassName = "TFDrei2";
  explicit TFDrei2(QWidget* owner = nullptr);
  ChartPage& secondChartPage() { return *chart2_; }
  const Drei2Result& result() const { return result_; }
  bool hasSecondSolution() const { return solved_ && result_.hasSecond; }
  QLabel* sketch() const { return sketch_; }
  void cmdChartSettings2() override;
  void relayout() override;

protected:
  void layoutInputs() override;
  void layoutPage(int index) override;
  void compute() override;
  void enterChartPage(int index) override;
  ChartRange chartRange() override;
  void drawFigures(TVIrada& chart) override;
  void graphHints(std::array<QString, 13>& hints) override;
  // The chart of the chart page showing.
  TopicPicture* picture() override;
  void printBody(QPainter& painter, QPagedPaintDevice& device, PrintCursor& cursor) override;

private:
  void showSolutionCount();

  std::array<QLineEdit*, TqCount> edits_{};
  std::array<QLabel*, TqCount> captions_{};
  QLabel* sketch_ = nullptr;
  ChartPage* chart2_ = nullptr;
  Drei2Result result_;
  bool solved_ = false;
  // The figure of the last second solution stays for its page.
  TriangleData secondFigure_;
  bool secondDrawn_ = false;
  // The chart pages show the last computation (a printout builds them else).
  bool fresh1_ = false, fresh2_ = false;
  // The window's own graph lists (both chart pages point at them).
  QString colorList_, widthList_;
};

}  // namespace zw
