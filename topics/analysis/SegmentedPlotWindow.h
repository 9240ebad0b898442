#pragma once
// "Abschnittsweise Funktionen": up to twelve segments, each a term on its own
// interval whose ends are included ("[" left, "]" right) or not, drawn over
// that interval only, on request with a disc or a hollow square at each end.
#include <array>

#include "shell/kit/SystemClipboard.h"
#include "topics/analysis/CurveKit.h"
#include "topics/frame/ChartPage.h"

class QCheckBox;
class QGroupBox;

namespace zw {

class StringGrid;

inline constexpr int SegmentCount = 12;

// One segment as the chart draws it.
struct CurveSegment {
  QString term;  // trimmed; empty: no segment
  Extended from = 0, to = 0;
  bool fromIncluded = false, toIncluded = false;
};
using CurveSegments = std::array<CurveSegment, SegmentCount>;  // segment i at index i - 1

class TFFPLot2 : public ChartTopicWindow {
  Q_OBJECT
public:
  static constexpr std::string_view ClassName = "TFFPLot2";
  explicit TFFPLot2(QWidget* owner = nullptr);

  StringGrid* grid() const { return grid_; }
  StringGrid* brackets() const { return brackets_; }
  QCheckBox* endMarks() const { return marks_; }
  AngleModeBox& angleMode() { return angle_; }
  const CurveSegments& segments() const { return segments_; }
  // A click on a bracket cell: "[" becomes "]", anything else "[".
  void toggleBracket(int col, int row);

protected:
  void layoutInputs() override;
  bool readInputs() override { return true; }  // the interval ends are read with the segments
  void compute() override;
  ChartRange chartRange() override;
  void drawFigures(TVIrada& chart) override;
  void graphHints(std::array<QString, 13>& hints) override;
  void printBody(QPainter& painter, QPagedPaintDevice& device, PrintCursor& cursor) override;
  QWidget* failureFocus() const override;

private:
  QString rowLabel(int i) const;
  void readSegments();

  StringGrid* grid_ = nullptr;
  StringGrid* brackets_ = nullptr;
  QGroupBox* marksGroup_ = nullptr;
  QCheckBox* marks_ = nullptr;
  AngleModeBox angle_;
  ChartRangeKeys range_;
  SystemTextClipboard clipboard_;
  CurveSegments segments_{};
};

}  // namespace zw
