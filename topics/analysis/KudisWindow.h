#pragma once
// "Kurvendiskussion beliebiger Funktionen": an arbitrary term examined on a
// range for zeros, extrema and inflection points (CurveDiscussion.h), ƒ, ƒ'
// and ƒ'' on the chart page with their switches, and a value table page.
#include <array>

#include "shell/kit/SystemClipboard.h"
#include "topics/analysis/CurveDiscussion.h"
#include "topics/analysis/CurveKit.h"
#include "topics/analysis/DiscussionPages.h"
#include "topics/frame/ChartPage.h"

class QCheckBox;
class QGroupBox;
class QLabel;
class QLineEdit;
class QPlainTextEdit;
class QSpinBox;

namespace zw {

class TFKudis : public ChartTopicWindow {
  Q_OBJECT
public:
  static constexpr std::string_view ClassName = "TFKudis";
  explicit TFKudis(QWidget* owner = nullptr);

  QLineEdit* termEdit() const { return term_; }
  QLineEdit* fromEdit() const { return from_; }
  QLineEdit* toEdit() const { return to_; }
  QCheckBox* firstBox() const { return cbf1_; }
  QCheckBox* secondBox() const { return cbf2_; }
  AngleModeBox& angleMode() { return angle_; }
  CurveSwitches& switches() const { return *switches_; }
  QPlainTextEdit* tableMemo() const { return table_->memo(); }
  std::array<QLineEdit*, 3> tableEdits() const { return table_->edits(); }
  QSpinBox* digits() const { return table_->digits(); }
  // Rebuilds the value table from its three fields (leaving one, Enter).
  void tableFieldsChanged() { table_->changed(); }

protected:
  void layoutInputs() override;
  void layoutPage(int index) override;
  void compute() override;
  void enterOtherPage(int index) override;
  ChartRange chartRange() override;
  void drawFigures(TVIrada& chart) override;
  void graphHints(std::array<QString, 13>& hints) override;
  void printPageRange(QPainter& painter, QPagedPaintDevice& device, PrintCursor& cursor, int first,
                      int last) override;
  QWidget* inputFor(const QString& key) const override;

private:
  FormulaContext context() const { return angle_.context(); }
  std::array<QString, 3> hintTexts() const;
  QStringList tableLines(Extended from, Extended to, Extended step, int digits) const;
  void updateSwitches();
  void showDiscussion(const DiscussionResult& r);

  QLabel *termCaption_ = nullptr, *fromCaption_ = nullptr, *toCaption_ = nullptr;
  QLineEdit *term_ = nullptr, *from_ = nullptr, *to_ = nullptr;
  AngleModeBox angle_;
  QGroupBox* derivatives_ = nullptr;
  QCheckBox *cbf1_ = nullptr, *cbf2_ = nullptr;
  CurveSwitches* switches_ = nullptr;
  ValueTablePage* table_ = nullptr;
  ChartRangeKeys range_;
  SystemTextClipboard clipboard_;
  // What the last discussion read and found.
  std::u16string f0_ = u"0", d1_, d2_;
  Extended xvon_ = -10, xbis_ = 10;
  // The extent of every point listed since the window opened (the origin always inside).
  Extended xmin_ = 0, xmax_ = 0, ymin_ = 0, ymax_ = 0;
  bool rangeBeforeResult_ = false;  // the chart was built while a discussion ran
};

}  // namespace zw
