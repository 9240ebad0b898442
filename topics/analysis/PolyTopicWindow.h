#pragma once
// What the four polynomial topic windows share: one page with the task text,
// the general form of the polynomials, the coefficient grid, an optional
// "decimal" check box and the memo below; recomputation on a grid click, on
// leaving the grid, on Enter (and Tab where a topic says so), on OK and on the
// check box. The topics supply the computation (PolyTopics.h) and any extra
// inputs. The memo keeps its text when a computation has nothing to show.
#include <QString>
#include <QStringList>
#include <vector>

#include "shell/kit/SystemClipboard.h"
#include "topics/analysis/PolyGrid.h"
#include "topics/analysis/PolyTopics.h"
#include "topics/frame/TopicWindow.h"

class QCheckBox;
class QLabel;

namespace zw {

struct PolyWindowSpec {
  int polynomials = 1;        // grid rows
  bool rowHeads = false;      // a fixed column "a", "b"
  bool decimalBox = false;    // the check box "Koeff. dezimal"
  bool tabComputes = false;   // Tab in the grid computes like Enter
};

class PolyTopicWindow : public TopicWindow {
  Q_OBJECT
public:
  PolyTopicWindow(QWidget* owner, std::string_view className, PolyWindowSpec spec);

  PolyGrid* grid() const { return grid_; }
  QCheckBox* decimalBox() const { return decimal_; }
  QLabel* generalFormLabel() const { return form_; }
  bool decimal() const;

protected:
  // The polynomials of the last reading that passed (row 1 first).
  const std::vector<TPoly>& polynomials() const { return polys_; }
  // Shows a result: its lines in the memo (nothing happens without one) and
  // its row on the clipboard.
  void showResult(const std::optional<PolyComputation>& result);
  // Room the topic's own inputs need between the grid and the memo, and
  // their placement (top = the first pixel below the grid).
  virtual int extraInputsHeight() const { return 0; }
  virtual void layoutExtraInputs(int top) {}
  // Reads the extra inputs after the grid; a bad one throws InputRejected
  // with its key (which inputFor() knows).
  virtual void readExtraInputs() const {}

  void layoutInputs() override;
  bool readInputs() override;
  void afterLoad() override;

  SystemTextClipboard clipboard_;

private:
  // The grid lost the focus.
  void leftGrid();
  // Every cell and extra input reads (nothing is shown).
  bool inputsReadable() const;

  PolyWindowSpec spec_;
  PolyGrid* grid_ = nullptr;
  QLabel* form_ = nullptr;
  QLabel* decimalCaption_ = nullptr;
  QCheckBox* decimal_ = nullptr;
  std::vector<TPoly> polys_;
};

}  // namespace zw
