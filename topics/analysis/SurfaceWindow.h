#pragma once
// The surface-plot topic window: the term f(x, y) with its auxiliary term u,
// the ranges and the number of lines on the input page, the rotatable surface
// on the picture page (Surface.h samples it).
#include <array>
#include <memory>
#include <string_view>

#include "topics/analysis/Surface.h"
#include "topics/frame/TopicWindow.h"

class QCheckBox;
class QLabel;
class QLineEdit;
class QSpinBox;

namespace zw {

class TPlot3D;
class View3DPicture;

class TFPlot3d : public TopicWindow {
  Q_OBJECT
public:
  static constexpr std::string_view ClassName = "TFPlot3d";
  explicit TFPlot3d(QWidget* owner = nullptr);
  ~TFPlot3d() override;

  QLineEdit* edit(SurfaceField f) const { return edits_[static_cast<size_t>(f)]; }
  QCheckBox* symmetricBox() const { return symmetric_; }
  QCheckBox* autoScaleBox() const { return autoScale_; }
  QCheckBox* colourBox() const { return colour_; }
  QSpinBox* linesSpin() const { return lines_; }
  TPlot3D* plot() const { return plot_; }

protected:
  void layoutInputs() override;
  // Without stored inputs the mesh has 40 lines; a worksheet section
  // without "n" reads 20.
  void initialValues() override;
  void layoutPage(int index) override;
  void enterChartPage(int index) override;
  void printBody(QPainter& painter, QPagedPaintDevice& device, PrintCursor& cursor) override;
  TopicPicture* picture() override;
  bool eventFilter(QObject* watched, QEvent* event) override;

private:
  QString rangeCaption(int axis, bool high) const;
  // The samples of a finished run into the plot, with its ranges and colours.
  void showSurface(SurfaceSamples& s, const SurfaceRanges& r, bool fit);
  void runEnded(Stepper::End how);
  void applyColours();
  void makeSymmetric();     // a check box was clicked
  void mirrorX1();          // Editx1 was typed in
  void setSymmetric(Extended a);  // x and y from -a to a

  std::array<QLineEdit*, SurfaceFieldCount> edits_{};
  std::array<QLabel*, SurfaceFieldCount> captions_{};
  QLabel* linesCaption_ = nullptr;
  QCheckBox *symmetric_ = nullptr, *autoScale_ = nullptr, *colour_ = nullptr;
  QSpinBox* lines_ = nullptr;
  TPlot3D* plot_ = nullptr;
  std::unique_ptr<View3DPicture> picture_;
};

}  // namespace zw
