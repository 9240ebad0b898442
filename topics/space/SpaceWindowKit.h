#pragma once
// What the analytic-geometry windows share: their frame configuration, the
// graph pens of their pictures, the 3D view on the picture page with the
// rule for when its scene is built, the point grids of the windows that
// take points (A, B, ... with x, y, z), and the buttons that fill a line's
// or a plane's fields from the input dialogs.
//
// A window derives from SpaceWindow, adds its fields, its view
// (addView) or its point grid (addPointGrid) in the constructor before
// initTopic(), computes in compute() and keeps what its picture needs; it
// calls sceneChanged() after a computation that changed the picture, and
// builds the picture in buildScene():
//
//   bool TFXKugel::buildScene(TRot3D& view) {
//     if (!result_) return false;            // the empty cube and axes
//     BuildTwoSpheresScene(view, *result_, SettingsPen(1), SettingsPen(2), SettingsPen(3));
//     return true;                           // the builder ended with InitView3D
//   }
#include <QColor>
#include <QString>
#include <array>
#include <functional>
#include <memory>
#include <vector>

#include "kernel/Types.h"
#include "topics/frame/TopicWindow.h"
#include "topics/space/DialogInputs.h"
#include "topics/space/Scene3D.h"

class QLineEdit;
class QPushButton;

namespace zw {

class CalcFailure;
class StringGrid;
class TFGetAB3D;
class TFGetABC;
class TFGetVGl;
class TRot3D;
class View3DPicture;

// Pages Eingabe / Ergebnisse, with `picture` also Grafik; the shell's tabs,
// a task text of two lines, the results in TextFont2.
TopicConfig SpaceConfig(bool picture);

// Graph n of the settings file's lists (LineColor, LineWidth), which the
// pictures of the intersections take.
ScenePen SettingsPen(int n);
// Graph n of the running program's lists, which the plane through three
// points takes.
ScenePen RunningPen(int n);

// A bold button as wide as its caption needs (at least `minWidth`), one row
// high.
void PlaceTextButton(QPushButton* button, int left, int top, const QString& caption, int minWidth = 0);

// The worksheet key of a point grid's cell: "x1" for column 1 (x) of row 1
// (A), "z4" for z of D.
QString PointCellKey(int col, int row);

// ----- the input dialogs behind a window's buttons ----------------------------
// Each opens its dialog; on OK the answer goes into the fields (15 digits),
// or, when it is degenerate, the error box shows its message and the fields
// stay. Whatever the answer, `focus` takes the focus afterwards.

// The line's six fields p.x, p.y, p.z, u.x, u.y, u.z through the points A
// and B: point A, direction B - A or A - B; A = B shows `undeterminedMessage`.
void FillLineFromTwoPoints(TopicWindow& window, const std::array<QLineEdit*, 6>& fields, DirectionFrom direction,
                           int undeterminedMessage, QWidget* focus,
                           const std::function<int(TFGetAB3D*)>& run = {});
// The plane's four fields a, b, c, d through A, B and C (message 8 for
// collinear points).
void FillPlaneFromThreePoints(TopicWindow& window, const std::array<QLineEdit*, 4>& fields, QWidget* focus,
                              const std::function<int(TFGetABC*)>& run = {});
// The plane's four fields from x = p + r·u + s·v (message 22 for parallel u
// and v).
void FillPlaneFromVectorEquation(TopicWindow& window, const std::array<QLineEdit*, 4>& fields, QWidget* focus,
                                 const std::function<int(TFGetVGl*)>& run = {});

// ----- the window -------------------------------------------------------------

// When a window's scene is built again.
enum class SceneRebuild {
  // After a computation, on entering the picture page and after every
  // layout (a resize): the picture always fits its view.
  EveryLayout,
  // After a computation that changed it and on entering the picture page
  // only: a resize leaves the picture as it was drawn.
  ComputeAndPage,
};

class SpaceWindow : public TopicWindow {
  Q_OBJECT
public:
  ~SpaceWindow() override;
  // The 3D view of the picture page, or null.
  TRot3D* view() const { return view_; }
  // The point grid of the input page, or null.
  StringGrid* pointGrid() const { return grid_; }
  int pointCount() const { return points_; }

  // New also forgets the picture of the inputs before.
  void cmdNew(const QString& file) override;

protected:
  SpaceWindow(QWidget* owner, std::string_view className, bool picture);
  // A configuration other than SpaceConfig's (another reading strategy, say).
  SpaceWindow(QWidget* owner, std::string_view className, TopicConfig config);

  // The view that fills the picture page, set up as every analytic-geometry
  // view ("x", "y", "z" as axis names with `lowerCaseAxes`).
  TRot3D* addView(SceneRebuild rebuild, bool lowerCaseAxes = false);
  // The grid of `points` points (A, B, ...) with x, y, z: cells centred,
  // saved under PointCellKey, its pop-up menu, and an import cut back to
  // these points. It takes the focus on the input page, the editor open on
  // its current cell (A's x at first).
  StringGrid* addPointGrid(int points);
  // The points as the grid's cells read (kind 'f'; they passed the check).
  std::vector<TVec3> gridPoints() const;
  // Runs `compute`; a computation that fails refuses the grid's first cell
  // with its message (the input page, the box, A's x in edit mode).
  void failAtFirstCell(const std::function<void()>& compute);

  // Adds the scene to the emptied view and ends with InitView3D; false
  // when there is nothing to draw yet (the frame then shows the empty cube
  // and axes).
  virtual bool buildScene(TRot3D& view) { return false; }
  // Forgets the picture's data (New).
  virtual void forgetScene() {}
  // The picture's data changed (a computation went through).
  void sceneChanged() { sceneChanged_ = true; }

  // The point grid below the task text, when there is one.
  void layoutInputs() override;
  void layoutPage(int index) override;
  void enterChartPage(int index) override;
  bool readInputs() override;
  TopicPicture* picture() override;
  void rebuildPicture() override;
  QWidget* failureFocus() const override;

private:
  TRot3D* view_ = nullptr;
  std::unique_ptr<View3DPicture> picture_;
  SceneRebuild rebuild_ = SceneRebuild::EveryLayout;
  bool sceneChanged_ = false;
  bool enteringPage_ = false;
  StringGrid* grid_ = nullptr;
  int points_ = 0;
};

}  // namespace zw
