#pragma once
// "Integralrechnung": the integral of ƒ1 − ƒ2 over [a; b] (Integral.h) with
// the areas and, on request, arc lengths, moments, volumes and centroid; a
// chart of both curves with the area between them filled.
#include <array>
#include <vector>

#include "shell/kit/SystemClipboard.h"
#include "topics/analysis/CurveKit.h"
#include "topics/analysis/Integral.h"
#include "topics/frame/ChartPage.h"

class QCheckBox;
class QLabel;
class QLineEdit;

namespace zw {

class TFInteg : public ChartTopicWindow {
  Q_OBJECT
public:
  static constexpr std::string_view ClassName = "TFInteg";
  explicit TFInteg(QWidget* owner = nullptr);
  ~TFInteg() override;

  QLineEdit* f1Edit() const { return f1_; }
  QLineEdit* f2Edit() const { return f2_; }
  QLineEdit* aEdit() const { return a_; }
  QLineEdit* bEdit() const { return b_; }
  QCheckBox* arcsBox() const { return arcs_; }
  QCheckBox* momentsBox() const { return moments_; }
  QCheckBox* volumesBox() const { return volumes_; }
  // The boundary of the filled area as the last drawing made it: along ƒ1
  // from a to b, back along ƒ2.
  const std::vector<TVec2>& boundary() const { return boundary_; }

protected:
  void layoutInputs() override;
  void compute() override;
  void enterChartPage(int index) override;
  ChartRange chartRange() override;
  void drawFigures(TVIrada& chart) override;
  void graphHints(std::array<QString, 13>& hints) override;
  void printBody(QPainter& painter, QPagedPaintDevice& device, PrintCursor& cursor) override;

private:
  void readTerms();
  void fillArea(QPainter& canvas, int top, int left);

  QLabel *f1Caption_ = nullptr, *f2Caption_ = nullptr, *aCaption_ = nullptr, *bCaption_ = nullptr;
  QLineEdit *f1_ = nullptr, *f2_ = nullptr, *a_ = nullptr, *b_ = nullptr;
  QCheckBox *arcs_ = nullptr, *moments_ = nullptr, *volumes_ = nullptr;
  ChartRangeKeys range_;
  SystemTextClipboard clipboard_;
  std::u16string fkt1_ = u"0", fkt2_ = u"0";
  Extended a0_ = 0, b0_ = 1;
  std::vector<TVec2> boundary_;
};

}  // namespace zw
