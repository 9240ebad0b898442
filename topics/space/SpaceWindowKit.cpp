#include "topics/space/SpaceWindowKit.h"

#include <QGroupBox>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <algorithm>

#include "charts/ChartDraw.h"
#include "charts/Rot3D.h"
#include "kernel/CalcFailure.h"
#include "kernel/CheckedInput.h"
#include "shell/Metrics.h"
#include "shell/Settings.h"
#include "shell/State.h"
#include "shell/commands/Commands.h"
#include "shell/gridexchange/GridExchange.h"
#include "shell/gridexchange/GridMenu.h"
#include "shell/kit/Grids.h"
#include "shell/kit/InputRows.h"
#include "shell/texts/Texts.h"
#include "topics/frame/InputRejected.h"
#include "topics/frame/View3DPicture.h"
#include "topics/space/Scene3D.h"
#include "topics/space/SpaceDialogs.h"

namespace zw {

TopicConfig SpaceConfig(bool picture) {
  TopicConfig c;
  c.pages = picture ? TopicConfig::inputResultsChart() : TopicConfig::inputAndResults(3);
  c.tabStyle = TabStyle::Shell;
  c.taskLines = 2;
  c.memoFont = SharedFontId::TextFont2;
  return c;
}

ScenePen SettingsPen(int n) {
  const ShellState& s = shellState();
  return {ToQColor(GraphColor(s.SettingsLineColor, n)), GraphLineWidth(s.SettingsLineWidth, n)};
}

ScenePen RunningPen(int n) {
  const ShellState& s = shellState();
  return {ToQColor(GraphColor(s.GraphColorList, n)), GraphLineWidth(s.GraphWidthList, n)};
}

void PlaceTextButton(QPushButton* button, int left, int top, const QString& caption, int minWidth) {
  const int width = std::max(minWidth, FontTextMeasurer(fonts().BoldFont.font).width(caption) + ScalePixels(24));
  SetControlTextBoundsBold(button, left, top, width, metrics().RowHeight, caption);
}

QString PointCellKey(int col, int row) { return QChar(char16_t(u'w' + col)) + QString::number(row); }

// ----- the input dialogs ------------------------------------------------------

namespace {

template <std::size_t N>
void SetTexts(const std::array<QLineEdit*, N>& fields, const std::array<std::u16string, N>& texts) {
  for (std::size_t i = 0; i < N; ++i) fields[i]->setText(QString::fromStdU16String(texts[i]));
}

// Turns the dialog's answer into the fields, or shows why it cannot; then
// the focus goes to `focus`.
template <class Answer, class Convert>
void FillFromAnswer(TopicWindow& window, const std::optional<Answer>& answer, QWidget* focus, Convert convert) {
  QPointer<QWidget> target(focus);
  if (answer) {
    try {
      convert(*answer);
    } catch (const CalcFailure& failure) {
      QPointer<TopicWindow> alive(&window);
      ShowErrorBox(&window, GetMessageText(failure.message()));
      if (!alive) return;
    }
  }
  if (target) target->setFocus(Qt::OtherFocusReason);
}

}  // namespace

void FillLineFromTwoPoints(TopicWindow& window, const std::array<QLineEdit*, 6>& fields, DirectionFrom direction,
                           int undeterminedMessage, QWidget* focus, const std::function<int(TFGetAB3D*)>& run) {
  QPointer<TopicWindow> alive(&window);
  const auto answer = AskTwoPoints3D(&window, run);
  if (!alive) return;
  FillFromAnswer(window, answer, focus, [&](const TwoPoints3& a) {
    SetTexts(fields, LineFieldsFromTwoPoints(a.a, a.b, direction, undeterminedMessage).texts);
  });
}

void FillPlaneFromThreePoints(TopicWindow& window, const std::array<QLineEdit*, 4>& fields, QWidget* focus,
                              const std::function<int(TFGetABC*)>& run) {
  QPointer<TopicWindow> alive(&window);
  const auto answer = AskThreePoints3D(&window, run);
  if (!alive) return;
  FillFromAnswer(window, answer, focus,
                 [&](const ThreePoints3& a) { SetTexts(fields, PlaneFieldsFromThreePoints(a.a, a.b, a.c).texts); });
}

void FillPlaneFromVectorEquation(TopicWindow& window, const std::array<QLineEdit*, 4>& fields, QWidget* focus,
                                 const std::function<int(TFGetVGl*)>& run) {
  QPointer<TopicWindow> alive(&window);
  const auto answer = AskPlaneVectorEquation(&window, run);
  if (!alive) return;
  FillFromAnswer(window, answer, focus,
                 [&](const VectorEquation3& a) { SetTexts(fields, PlaneFieldsFromVectorEquation(a.p, a.u, a.v).texts); });
}

// ----- the window -------------------------------------------------------------

SpaceWindow::SpaceWindow(QWidget* owner, std::string_view className, bool picture)
    : TopicWindow(owner, className, SpaceConfig(picture)) {}

SpaceWindow::SpaceWindow(QWidget* owner, std::string_view className, TopicConfig config)
    : TopicWindow(owner, className, std::move(config)) {}

SpaceWindow::~SpaceWindow() = default;

TRot3D* SpaceWindow::addView(SceneRebuild rebuild, bool lowerCaseAxes) {
  const int page = pageOf(PageKind::Chart);
  if (page < 0 || view_) return view_;
  rebuild_ = rebuild;
  view_ = new TRot3D(contentBox(page));
  view_->setObjectName(QStringLiteral("Rot3D1"));
  SetUpSpaceView(*view_, lowerCaseAxes);
  picture_ = std::make_unique<View3DPicture>(*this, *view_);
  sceneChanged_ = true;  // the empty cube at the first chance
  return view_;
}

StringGrid* SpaceWindow::addPointGrid(int points) {
  if (grid_) return grid_;
  points_ = points;
  grid_ = new StringGrid(inputArea());
  grid_->setObjectName(QStringLiteral("Punkte"));
  grid_->setColCount(4);
  grid_->setRowCount(points + 1);
  grid_->setCellsCentred(true);
  GridMenuOptions menu;
  // Of an imported file only these points and their x, y, z are kept.
  menu.afterImport = [rows = points + 1](StringGrid* g) { GridResize(g, rows, 4); };
  AttachGridMenu(grid_, std::move(menu));
  fields().addGrid(grid_, [](int col, int row) { return PointCellKey(col, row); });
  // The editor opens on A's x when the grid takes the focus.
  FocusCell(grid_, 1, 1);
  return grid_;
}

std::vector<TVec3> SpaceWindow::gridPoints() const {
  std::vector<TVec3> p(static_cast<std::size_t>(points_));
  for (int row = 1; row <= points_; ++row) {
    Extended v[3] = {};
    for (int col = 1; col <= 3; ++col) {
      std::int32_t ok = 0;
      ReadValue(grid_->Cells(col, row).trimmed().toStdU16String(), v[col - 1], u'f', ok);
    }
    p[static_cast<std::size_t>(row - 1)] = {v[0], v[1], v[2]};
  }
  return p;
}

void SpaceWindow::failAtFirstCell(const std::function<void()>& compute) {
  try {
    compute();
  } catch (const InputRejected&) {
    throw;
  } catch (const CalcFailure& failure) {
    throw InputRejected(PointCellKey(1, 1).toStdString(), failure.message());
  }
}

void SpaceWindow::layoutInputs() {
  if (!grid_) return;
  SetupCoordGrid(grid_, metrics().ColLeft[1], metrics().RowTop[1]);
  StyleGrid(grid_);
}

void SpaceWindow::layoutPage(int index) {
  TopicWindow::layoutPage(index);
  if (view_ && index == pageOf(PageKind::Chart)) view_->setGeometry(contentBox(index)->contentsRect());
}

void SpaceWindow::enterChartPage(int) { enteringPage_ = true; }

bool SpaceWindow::readInputs() {
  // What is typed into an open cell editor counts.
  if (grid_) grid_->commitEditor();
  return TopicWindow::readInputs();
}

TopicPicture* SpaceWindow::picture() { return picture_.get(); }

void SpaceWindow::rebuildPicture() {
  if (!view_) return;
  const bool build = rebuild_ == SceneRebuild::EveryLayout || sceneChanged_ || enteringPage_;
  sceneChanged_ = enteringPage_ = false;
  if (!build) return;
  view_->Clear();
  if (!buildScene(*view_)) InitView3D(*view_, SceneFrameFor(view_->height(), 1).size);
}

QWidget* SpaceWindow::failureFocus() const { return grid_ ? grid_ : TopicWindow::failureFocus(); }

void SpaceWindow::cmdNew(const QString& file) {
  forgetScene();
  sceneChanged();
  TopicWindow::cmdNew(file);
}

}  // namespace zw
