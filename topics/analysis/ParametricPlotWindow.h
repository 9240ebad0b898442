#pragma once
// "Parameterkurven": one plane curve x = x(k), y = y(k) for k from a first to
// a last value, drawn as a polygon of 400 steps; every visit of the chart page
// sets the chart up afresh in the stored or the default range.
#include <array>

#include "shell/kit/SystemClipboard.h"
#include "topics/analysis/CurveKit.h"
#include "topics/frame/ChartPage.h"

class QLabel;
class QLineEdit;

namespace zw {

class TFFPLot3 : public ChartTopicWindow {
  Q_OBJECT
public:
  static constexpr std::string_view ClassName = "TFFPLot3";
  explicit TFFPLot3(QWidget* owner = nullptr);

  QLineEdit* xEdit() const { return x_; }
  QLineEdit* yEdit() const { return y_; }
  QLineEdit* fromEdit() const { return kmin_; }
  QLineEdit* toEdit() const { return kmax_; }

protected:
  void layoutInputs() override;
  void compute() override;
  ChartRange chartRange() override;
  void drawFigures(TVIrada& chart) override;
  void graphHints(std::array<QString, 13>& hints) override;
  void printBody(QPainter& painter, QPagedPaintDevice& device, PrintCursor& cursor) override;

private:
  QString fromCaption() const;
  QString toCaption() const;

  QLabel *xCaption_ = nullptr, *yCaption_ = nullptr, *fromCaption_ = nullptr, *toCaption_ = nullptr;
  QLineEdit *x_ = nullptr, *y_ = nullptr, *kmin_ = nullptr, *kmax_ = nullptr;
  ChartRangeKeys range_;
  SystemTextClipboard clipboard_;
  QString xTerm_, yTerm_;
  Extended k1_ = 0, k2_ = 0;
};

}  // namespace zw
