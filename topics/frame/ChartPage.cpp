#include "topics/frame/ChartPage.h"

#include <algorithm>

#include <QApplication>
#include <QGroupBox>
#include <QPointer>
#include <QPushButton>
#include <QResizeEvent>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>

#include "charts/ChartExport.h"
#include "charts/NumLab.h"
#include "shell/Metrics.h"
#include "shell/State.h"
#include "shell/kit/PageLayout.h"
#include "topics/frame/ChartDialog.h"
#include "topics/frame/ChartHelpers.h"
#include "topics/frame/ChartPrinting.h"

namespace zw {

QString MergeGraphList(const QString& old, const QString& fromDialog, int minVis, int maxVis) {
  const int n = std::max(CommaListCount(old), maxVis);
  QStringList out;
  for (int i = 1; i <= n; ++i) {
    const bool shown = i >= minVis && i <= maxVis;
    out << ((shown || i > CommaListCount(old)) ? CommaListItem(fromDialog, i) : CommaListItem(old, i));
  }
  return out.join(u',');
}

ChartPage::ChartPage(TopicWindow& window, ChartPageOptions options, Topic topic)
    : QObject(&window), window_(window), options_(options), topic_(std::move(topic)) {
  QWidget* box = window.contentBox(options_.pageIndex);
  QWidget* legend = window.legendBox(options_.pageIndex);
  chart_ = new TVIrada(box);
  chart_->setObjectName(QStringLiteral("VIrada1"));
  chart_->DisplayList().setAllocSize(1000);
  chart_->setMarginRight(20);
  chart_->setMarginTop(20);
  chart_->setMarginBottom(40);
  chart_->setGridStyle(GridStyleType::gsNone);
  chart_->setGridDx(1.0);
  chart_->setGridDy(1.0);
  chart_->setIsometric(false);
  chart_->setMouseAction(TMouseActMode::maNone);
  chart_->setClassDefault(0);
  QFont scaleFont(QStringLiteral("DejaVu Sans"));
  scaleFont.setPixelSize(11);
  for (auto* s : {static_cast<TScaleProps*>(&chart_->Layers().X(1)), static_cast<TScaleProps*>(&chart_->Layers().Y(1))}) {
    s->setMinTicks(3);
    s->setMinRange(1e-10);
    s->setRangeHigh(1.0);
    s->setDecPlaces(-2);
    s->setLabelType(TFigType::ftNum);
    s->setShortTicks(true);
    s->setFont(scaleFont);
    s->setColorScale(clBlack);
  }
  for (int layer = 2; layer <= 4; ++layer) {
    chart_->Layers().X(layer).setVisible(false);
    chart_->Layers().Y(layer).setVisible(false);
  }
  chart_->setShadowStyle(TShadowStyle::ssFlying);
  chart_->setShadowColor(clGrayText);
  chart_->setShadowBakColor(clBtnFace);
  chart_->setTextBkStyle(TTextBkg::tbClear);
  // A right-button drag is a zoom gesture, never a context menu.
  chart_->setContextMenuPolicy(Qt::PreventContextMenu);
  chart_->OnMouseUp = [this](TVIrada*, Qt::MouseButton, Qt::KeyboardModifiers, int, int) {
    // Figures such as lines are computed from the visible range.
    chart_->setMouseAction(TMouseActMode::maPan);
    guarded([this] { drawChart(); });
  };

  // The drag's action is chosen at the press, so that its first step counts:
  // Shift with the left button zooms, and so does a right button pressed
  // while the left one pans (the move handler below keeps the rule while the
  // buttons change; a right press alone is undone by the first move).
  chart_->OnMouseDown = [this](TVIrada*, Qt::MouseButton button, Qt::KeyboardModifiers shift, int, int) {
    if ((button == Qt::LeftButton && (shift & Qt::ShiftModifier)) || button == Qt::RightButton)
      chart_->setMouseAction(TMouseActMode::maZoomDrag);
  };
  chart_->OnDblClick = [this](TVIrada*) { guarded([this] { doubleClicked(); }); };
  chart_->OnMouseEnter = [this](TVIrada*) {
    xRead_->setVisible(true);
    yRead_->setVisible(true);
  };
  chart_->OnMouseLeave = [this](TVIrada*) {
    xRead_->setVisible(false);
    yRead_->setVisible(false);
  };
  chart_->OnMouseMoveInChart = [this](TVIrada*, bool inChart, Qt::KeyboardModifiers shift, Qt::MouseButtons buttons,
                                       double x, double y) {
    // Left with right or Shift drags a zoom rectangle; right alone does nothing.
    const bool left = buttons & Qt::LeftButton, right = buttons & Qt::RightButton;
    const bool withShift = shift & Qt::ShiftModifier;
    if (left && (right || withShift))
      chart_->setMouseAction(TMouseActMode::maZoomDrag);
    else if (right && !left && !withShift)
      chart_->setMouseAction(TMouseActMode::maNone);
    xRead_->setEmpty(!inChart);
    yRead_->setEmpty(!inChart);
    if (inChart) {
      xRead_->setValue(x);
      yRead_->setValue(y);
    }
  };

  auto makeButton = [legend](const char* name, const QString& glyph) {
    auto* b = new QPushButton(glyph, legend);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    b->setFocusPolicy(Qt::NoFocus);
    return b;
  };
  aspect_ = makeButton("btnAspect", QStringLiteral("1:1"));
  center_ = makeButton("btnCenter", QStringLiteral("\u25CE"));
  settings_ = makeButton("btnSettings", QStringLiteral("\u2699"));
  connect(aspect_, &QPushButton::clicked, this, [this] { guarded([this] { aspect11(); }); });
  connect(center_, &QPushButton::clicked, this, [this] { guarded([this] { centre(); }); });
  connect(settings_, &QPushButton::clicked, this, [this] { guarded([this] { openSettings(); }); });
  xRead_ = new TNumLab(legend);
  yRead_ = new TNumLab(legend);
  xRead_->setObjectName(QStringLiteral("NumLab1"));
  yRead_->setObjectName(QStringLiteral("NumLab2"));
  xRead_->setVisible(false);
  yRead_->setVisible(false);
  // The wheel acts wherever the pointer is over the window: the filter sees
  // the event before the chart or the frame's scroll area could take it.
  qApp->installEventFilter(this);
}

ChartPage::~ChartPage() { qApp->removeEventFilter(this); }

void ChartPage::guarded(const std::function<void()>& f) { window_.runGuarded(f); }

QString& ChartPage::colorList() const {
  return options_.colorList ? *options_.colorList : shellState().GraphColorList;
}
QString& ChartPage::widthList() const {
  return options_.widthList ? *options_.widthList : shellState().GraphWidthList;
}
TColor ChartPage::color(int i) const { return GraphColor(colorList(), i); }
int ChartPage::width(int i) const { return GraphLineWidth(widthList(), i); }

GraphPens ChartPage::pens() const {
  GraphPens p;
  for (int i = 1; i <= 12; ++i) p.color[std::size_t(i)] = color(i), p.width[std::size_t(i)] = width(i);
  return p;
}

bool ChartPage::chartShowing() const { return window_.currentPage() == options_.pageIndex; }

void ChartPage::layout() {
  const int size = ScalePixels(28);
  for (QPushButton* b : {aspect_, center_, settings_}) b->resize(size, size);
  const int i = options_.pageIndex;
  LayoutChartPage(window_.page(i)->width(), window_.contentBox(i), window_.legendBox(i), window_.okButton(i),
                  window_.escButton(i), window_.helpButton(i), aspect_, center_, settings_, xRead_, yRead_);
  window_.contentBox(i)->setTitle(QString());
  chart_->setGeometry(window_.contentBox(i)->contentsRect());
  if (!loaded_) {
    loaded_ = true;
    chart_->Loaded();
  }
}

void ChartPage::visit() {
  if (neuzeichnen_ || options_.visit == ChartVisit::FreshEveryVisit)
    initChart();
  else
    drawChart();
}

void ChartPage::fitScalesToSize() {
  // A chart whose page is not showing gets its resize events only when
  // shown. Drawn before that (for a printout, a snapshot or a window's own
  // filling), its scales must already have the size the page gave it: the
  // range set-up and the arcs' pieces depend on the pixels.
  TChartLayers& layers = chart_->Layers();
  if (chart_->isVisible() || (layers.Width == chart_->width() && layers.Height == chart_->height())) return;
  QResizeEvent resized(chart_->size(), QSize(layers.Width, layers.Height));
  QCoreApplication::sendEvent(chart_, &resized);
}

void ChartPage::initChart() {
  fitScalesToSize();
  chart_->ClearGraf();
  SetGridStyle(*chart_);
  const ChartRange r = topic_.range();
  chart_->SetRange(1, double(r.xLo), double(r.yLo), double(r.xHi), double(r.yHi));
  if (options_.equalScalesOnBuild && r.equalScales) SetAspect11(*chart_);
  SetDefaultChartColors(*chart_);
  neuzeichnen_ = false;
  drawChart();
}

void ChartPage::drawChart() {
  fitScalesToSize();
  chart_->ClearGraf();
  DrawAxes(*chart_);
  topic_.draw(*chart_);
  chart_->ShowGraf();
  drawnStamp_ = window_.resultsStamp();
  drawnOnce_ = true;
}

bool ChartPage::bringUpToDate() {
  // What shows is what the user sees, zoom and all.
  if (chartShowing()) return true;
  if (!window_.hasResults()) return false;
  // A chart is otherwise drawn only when its page is entered: printing right
  // after OK would give empty axes, or the results before.
  if (!drawnOnce_ || drawnStamp_ != window_.resultsStamp()) visit();
  return true;
}

void ChartPage::wheel(int notches) {
  const int s = notches > 0 ? 1 : (notches < 0 ? -1 : 0);
  const bool suppress = options_.wheelSuppressesPaint;
  const bool wasSuppressed = chart_->SuppressPaint();
  if (suppress) chart_->setSuppressPaint(true);
  for (TScaleProps* p : {static_cast<TScaleProps*>(&chart_->Layers().X(1)), static_cast<TScaleProps*>(&chart_->Layers().Y(1))}) {
    const double d = s * (p->RangeHigh() - p->RangeLow()) / options_.wheelDivisor;
    p->setRangeLow(p->RangeLow() + d);
    p->setRangeHigh(p->RangeHigh() - d);
  }
  if (suppress) chart_->setSuppressPaint(wasSuppressed);
  drawChart();
}

void ChartPage::centre() {
  for (TScaleProps* p : {static_cast<TScaleProps*>(&chart_->Layers().X(1)), static_cast<TScaleProps*>(&chart_->Layers().Y(1))}) {
    const double half = std::fabs(p->RangeHigh() - p->RangeLow()) / 2;
    // Widen first, so the ends never cross on the way.
    p->setRangeLow(-half);
    p->setRangeHigh(half);
  }
  drawChart();
}

void ChartPage::aspect11() {
  SetAspect11(*chart_);
  drawChart();
}

void ChartPage::doubleClicked() { initChart(); }

void ChartPage::openSettings() {
  ShellState& s = shellState();
  ChartGraphRows rows;
  rows.colorList = colorList();
  rows.widthList = widthList();
  rows.minVis = options_.minVis;
  rows.maxVis = options_.maxVis;
  rows.areaVis = options_.areaVis;
  int& areaColor = options_.areaColor ? *options_.areaColor : s.GraphAreaColor;
  int& areaWidth = options_.areaWidth ? *options_.areaWidth : s.GraphAreaWidth;
  if (options_.areaVis) {
    rows.areaColor = areaColor;
    rows.areaWidth = areaWidth;
  }
  if (topic_.hints) topic_.hints(rows.hints);
  QPointer<ChartPage> self(this);
  bool ok = false;
  {
    TFFormChart dlg(&window_);
    if (runDialog) dlg.runModal = runDialog;
    ok = dlg.SetGrid(*chart_, rows);
  }
  if (!self) return;
  if (options_.afterDialog == AfterChartDialog::RedrawTwice) drawChart();
  if (ok) {
    colorList() = MergeGraphList(colorList(), rows.colorList, options_.minVis, options_.maxVis);
    widthList() = MergeGraphList(widthList(), rows.widthList, options_.minVis, options_.maxVis);
    if (options_.areaVis) {
      areaColor = rows.areaColor;
      areaWidth = rows.areaWidth;
    }
  }
  if (options_.afterDialog == AfterChartDialog::Rebuild)
    initChart();
  else
    drawChart();
}

void ChartPage::registerKeys(FieldRegistry& fields) {
  fields.addText(
      QStringLiteral("LineColor"), [this] { return colorList(); }, [this](const QString& v) { colorList() = v; },
      shellState().SettingsLineColor);
  fields.addText(
      QStringLiteral("LineWidth"), [this] { return widthList(); }, [this](const QString& v) { widthList() = v; },
      shellState().SettingsLineWidth);
  // A window's own area values: a stored value that is no integer in the
  // palette or the widths loads as the settings' value.
  const ShellState& st = shellState();
  if (options_.areaColor || options_.areaWidth) {
    if (options_.areaColor)
      fields.addInteger(
          QStringLiteral("AreaColor"), [this] { return *options_.areaColor; },
          [this](int v) { *options_.areaColor = v; }, std::clamp(st.SettingsAreaColor, 1, PaletteSize), 1,
          PaletteSize);
    if (options_.areaWidth)
      fields.addInteger(
          QStringLiteral("AreaRand"), [this] { return *options_.areaWidth; },
          [this](int v) { *options_.areaWidth = v; }, std::clamp(st.SettingsRandWidth, 0, MaxLineWidth), 0,
          MaxLineWidth);
    return;
  }
  if (!options_.areaVis) return;
  // The area's colour and border: out of range, the settings' values kept
  // within the palette and the widths.
  fields.addInteger(
      QStringLiteral("AreaColor"), [] { return shellState().GraphAreaColor; },
      [](int v) { shellState().GraphAreaColor = v; }, std::clamp(st.SettingsAreaColor, 1, PaletteSize), 1, PaletteSize);
  fields.addInteger(
      QStringLiteral("AreaRand"), [] { return shellState().GraphAreaWidth; },
      [](int v) { shellState().GraphAreaWidth = v; }, std::clamp(st.SettingsRandWidth, 0, MaxLineWidth), 0,
      MaxLineWidth);
}

void ChartPage::resetLists() {
  ShellState& s = shellState();
  colorList() = s.SettingsLineColor;
  widthList() = s.SettingsLineWidth;
  if (!options_.colorList) {
    // Kept within the palette and the widths, as the area keys load them.
    s.GraphAreaColor = std::clamp(s.SettingsAreaColor, 1, PaletteSize);
    s.GraphAreaWidth = std::clamp(s.SettingsRandWidth, 0, MaxLineWidth);
  }
  if (options_.areaColor) *options_.areaColor = std::clamp(s.SettingsAreaColor, 1, PaletteSize);
  if (options_.areaWidth) *options_.areaWidth = std::clamp(s.SettingsRandWidth, 0, MaxLineWidth);
}

void ChartPage::copyToClipboard(bool blackWhite) {
  if (!bringUpToDate()) return;
  switch (options_.snapshot) {
    case SnapshotColours::BlackWhite: blackWhite = true; break;
    case SnapshotColours::FollowSetting: break;
    case SnapshotColours::OppositeOfPrint: blackWhite = !shellState().PrintBlackWhite; break;
  }
  ChartCopyToClipboard(*chart_, blackWhite);
}

void ChartPage::print(QPainter& painter, QPagedPaintDevice& device, PrintCursor& cursor) {
  if (!bringUpToDate()) return;
  PrintChart(painter, device, cursor, *chart_);
}

bool ChartPage::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::Wheel) {
    auto* w = qobject_cast<QWidget*>(watched);
    if (!w || !(w == &window_ || window_.isAncestorOf(w))) return false;
    if (!options_.wheelOnEveryPage && !chartShowing()) return false;
    // A fine wheel or a touch pad sends many small deltas: one step per 120 units.
    wheelAccu_ += static_cast<QWheelEvent*>(event)->angleDelta().y();
    while (std::abs(wheelAccu_) >= 120) {
      const int s = wheelAccu_ > 0 ? 1 : -1;
      wheelAccu_ -= s * 120;
      guarded([this, s] { wheel(s); });
    }
    event->accept();
    return true;
  }
  return false;
}

// ----- ChartTopicWindow

ChartTopicWindow::ChartTopicWindow(QWidget* owner, std::string_view className, TopicConfig config,
                                   ChartPageOptions options)
    : TopicWindow(owner, className, std::move(config)) {
  chartPage_ = new ChartPage(*this, options,
                             {[this] { return chartRange(); }, [this](TVIrada& c) { drawFigures(c); },
                              [this](std::array<QString, 13>& h) { graphHints(h); }});
}

void ChartTopicWindow::cmdChartSettings() {
  runGuarded([this] { chartPage_->openSettings(); });
}

void ChartTopicWindow::layoutPage(int index) {
  if (index == chartPage_->options().pageIndex)
    chartPage_->layout();
  else
    TopicWindow::layoutPage(index);
}

void ChartTopicWindow::enterChartPage(int index) {
  // The chart shows what the fields hold: read and compute first; a failed
  // check has already brought the input page back.
  runComputation();
  if (index == chartPage_->options().pageIndex) chartPage_->visit();
}

}  // namespace zw
