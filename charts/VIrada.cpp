#include "charts/VIrada.h"

#include "charts/ChartDataFile.h"

#include <QEnterEvent>
#include <QMessageBox>
#include <QPainter>
#include <QWheelEvent>
#include <algorithm>
#include <cmath>
#include <vector>

namespace zw {

namespace {

// Runs a clean-up on every way out of a scope.
template <class F>
struct ScopeExit {
  F f;
  ~ScopeExit() { f(); }
};
template <class F>
ScopeExit(F) -> ScopeExit<F>;

}  // namespace

TVIrada::TVIrada(QWidget* parent) : QWidget(parent) {
  setFocusPolicy(Qt::NoFocus);
  setMouseTracking(true);
  setAttribute(Qt::WA_OpaquePaintEvent);
  style_.Font.setFamily(QStringLiteral("Liberation Sans"));
  style_.Font.setPixelSize(11);
  layers_.OnRepaint = [this] { markStale(); };
  layers_.Joint().OnChange = [this] { markStale(); };
  for (int i = 1; i <= 16; ++i) {
    auto keepX = layers_.X(i).OnChange, keepY = layers_.Y(i).OnChange;
    layers_.X(i).OnChange = nullptr;
    layers_.Y(i).OnChange = nullptr;
    layers_.X(i).setFont(style_.Font);
    layers_.Y(i).setFont(style_.Font);
    layers_.X(i).OnChange = keepX;
    layers_.Y(i).OnChange = keepY;
  }
  for (int n = 1; n <= 4; ++n) {
    TCrossHair& ch = FCrossHair[std::size_t(n - 1)];
    ch.setLayer(n);
    ch.setMode(TCrossHMode::chOff);
    ch.OnChange = [this](TCrossHair*) { update(); };
  }
  FBakGndFile.OnChange = [this] { markStale(); };
  for (TTextLabel& l : FTextLabels) {
    l.setPosX(0), l.setPosY(0), l.setAttachToData(TTxtLblAttachMode::tlamBoth);
    l.setAlignment(Qt::AlignHCenter), l.setVerticalAlignment(TVerticalAlignment::vaBottom);
    l.setColorBkg(Qt::white), l.setColorBorder(Qt::black), l.setShadowDx(3), l.setShadowDy(3);
    l.setColorShadow(QColor(0x80, 0x80, 0x80)), l.setTransparent(false), l.setFont(style_.Font);
    l.setVisible(false), l.setMode(TTxtLblMode::tlOff);
    l.OnChange = [this](TCustomTextLabel*) { markStale(); };
  }
  resize(280, 200);
  layers_.SetSize(280, 200);
  setStandardLayout(TrcLayout::rcl_X1Bottom_Y1Left);
}

TVIrada::~TVIrada() {
  // Users keep a copy of what they showed; the owner forgets this user.
  for (const QPointer<TVIrada>& u : FDataUsers)
    if (u) {
      u->list_ = std::make_shared<TDisplayList>(*list_);
      u->FUseDataOf = nullptr;
    }
  leaveOwner();
}

std::function<void(QWidget*, const QString&)> TVIrada::DataShareMessage = [](QWidget* parent, const QString& text) {
  QMessageBox::information(parent, QString(), text);
};

int TVIrada::DataUsersNum() const {
  int n = 0;
  for (const QPointer<TVIrada>& u : FDataUsers) n += !u.isNull();
  return n;
}

void TVIrada::leaveOwner() {
  if (!FUseDataOf) return;
  auto& users = FUseDataOf->FDataUsers;
  users.erase(std::remove_if(users.begin(), users.end(),
                             [this](const QPointer<TVIrada>& u) { return u.isNull() || u.data() == this; }),
              users.end());
  FUseDataOf = nullptr;
}

void TVIrada::setUseDataOf(TVIrada* c) {
  if (c == this) {
    if (DataShareMessage) DataShareMessage(this, QStringLiteral("VIrada: Cannot share data with myself"));
    return;
  }
  if (DataUsersNum() > 0) {
    if (DataShareMessage)
      DataShareMessage(this, QStringLiteral("VIrada: Cannot use foreign data. Other VIradas are using my own data."));
    return;
  }
  if (c == FUseDataOf.data()) return;
  if (c) {
    TVIrada* owner = c->FUseDataOf ? c->FUseDataOf.data() : c;
    if (owner == FUseDataOf.data()) return;
    if (owner->DataUsersNum() >= 4) {
      if (DataShareMessage) DataShareMessage(this, QStringLiteral("VIrada: Max. number of data shares exceeded"));
      return;
    }
    leaveOwner();
    FUseDataOf = owner;
    list_ = owner->list_;
    owner->FDataUsers.emplace_back(this);
  } else {
    if (!FUseDataOf) return;
    leaveOwner();
    list_ = std::make_shared<TDisplayList>(*list_);
  }
  shownCount_ = 0;
  changed();
}

void TVIrada::Loaded() {
  if (!layers_.Loading) return;
  layers_.SetSize(width(), height());
  layers_.Loaded();
  layers_.ClearZoomHistory();
  markStale();
}

void TVIrada::setSuppressPaint(bool v) {
  if (v == FSuppressPaint) return;
  FSuppressPaint = v;
  if (!v) markStale();
}

void TVIrada::showEvent(QShowEvent*) {
  if (!shownOnce_) {
    shownOnce_ = true;
    FSuppressPaint = false;
    Loaded();
  }
  markStale();
}

void TVIrada::resizeEvent(QResizeEvent*) {
  layers_.SetSize(width(), height());
  markStale();
}

void TVIrada::markStale() {
  stale_ = true;
  update();
}

void TVIrada::changed() {
  if (AutoRedraw) markStale();
}

// ----- adders ---------------------------------------------------------------

TrcChartItem TVIrada::newItem(TrcItem kind) const {
  TrcChartItem it;
  it.ItemKind = kind;
  it.Layer = FActiveLayer;
  it.ItemClass = RcClassDefault;
  it.Color = RcDataCol;
  it.PenStyle = RcPenStyle;
  it.Tag = FDataTag;
  it.LWid = RcLineWid;
  return it;
}

void TVIrada::add(TrcChartItem item) { list_->Add(item); }

void TVIrada::MarkAt(double x, double y, std::uint8_t mk) {
  TrcChartItem it = newItem(TrcItem::tkMarkAt);
  it.x = x, it.y = y, it.MarkOrAlign = mk;
  add(it);
}
// The pen moves: line kinds carry the fill colour as well.
void TVIrada::addPenStep(TrcItem kind, double x, double y) {
  TrcChartItem it = newItem(kind);
  it.x = x, it.y = y;
  if (kind == TrcItem::tkLineto || kind == TrcItem::tkLineRelPix) it.FillColor = RcFillCol;
  add(it);
}
void TVIrada::MoveTo(double x, double y) { addPenStep(TrcItem::tkMoveTo, x, y); }
void TVIrada::DrawTo(double x, double y) { addPenStep(TrcItem::tkLineto, x, y); }
void TVIrada::MoveToRelPix(int dx, int dy) { addPenStep(TrcItem::tkMoveRelPix, dx, dy); }
void TVIrada::DrawToRelPix(int dx, int dy) { addPenStep(TrcItem::tkLineRelPix, dx, dy); }
void TVIrada::Line(double x1, double y1, double x2, double y2) {
  TrcChartItem it = newItem(TrcItem::tkLine);
  it.x = x1, it.y = y1, it.x2 = x2, it.y2 = y2, it.FillColor = RcFillCol;
  add(it);
}
void TVIrada::Rectangle(double x1, double y1, double x2, double y2) {
  TrcChartItem it = newItem(TrcItem::tkRect);
  it.x = x1, it.y = y1, it.x2 = x2, it.y2 = y2, it.FillColor = RcFillCol, it.Transp = FTranspItems;
  add(it);
}
void TVIrada::RectangleRelPix(double cx, double cy, int dx, int dy) {
  TrcChartItem it = newItem(TrcItem::tkRectRelPix);
  it.x = cx, it.y = cy, it.x2 = dx, it.y2 = dy, it.FillColor = RcFillCol, it.Transp = FTranspItems;
  add(it);
}
void TVIrada::RectFrame(double x1, double y1, double x2, double y2, TFrameStyle style, TColor shadow,
                        TColor hilight) {
  TrcChartItem it = newItem(TrcItem::tkRectFrame);
  it.x = x1, it.y = y1, it.x2 = x2, it.y2 = y2, it.FillColor = RcFillCol, it.LWid = 1;
  it.FrameStyle = style, it.ShadowColor = shadow, it.HiLightColor = hilight;
  add(it);
}
void TVIrada::Bar3D(double llx, double lly, double urx, double ury, int depth, int angle) {
  TrcChartItem it = newItem(TrcItem::tk3DBar);
  it.x = llx, it.y = lly, it.x2 = urx, it.y2 = ury, it.FillColor = RcFillCol;
  it.Depth = depth, it.SizeOrAngle = std::clamp(angle, 0, 180);
  add(it);
}
void TVIrada::Ellipse(double cx, double cy, double hx, double hy) {
  TrcChartItem it = newItem(TrcItem::tkEllipse);
  it.x = cx, it.y = cy, it.x2 = hx, it.y2 = hy, it.FillColor = RcFillCol, it.Transp = FTranspItems;
  add(it);
}
void TVIrada::Arrow(double x1, double y1, double x2, double y2, int headSize) {
  TrcChartItem it = newItem(TrcItem::tkArrow);
  it.x = x1, it.y = y1, it.x2 = x2, it.y2 = y2, it.FillColor = RcFillCol, it.Transp = FTranspItems;
  it.SizeOrAngle = headSize;
  add(it);
}
void TVIrada::Text(double x, double y, int size, const QString& txt) {
  TrcChartItem it = newItem(TrcItem::tkText);
  it.x = x, it.y = y, it.SizeOrAngle = size, it.MarkOrAlign = std::uint8_t(FTextAlignment);
  it.setText(txt, 15);
  add(it);
}
void TVIrada::Text(double x, double y, int size, const QString& txt, int dx, int dy, TAlignment align) {
  TrcChartItem it = newItem(TrcItem::tkTextOfs);
  it.x = x, it.y = y, it.x2 = dx, it.y2 = dy, it.SizeOrAngle = size, it.MarkOrAlign = std::uint8_t(align);
  it.setText(txt, 15);
  add(it);
}

void TVIrada::ClearGraf() {
  list_->Clear();
  FLastElemOnShow = 0;
  shownCount_ = 0;
  if (!GrafBmp.isNull()) {
    QPainter p(&GrafBmp);
    DrawBackground(p, style_, 0, 0, TChartMedia::Screen);
  }
}

bool TVIrada::SaveData(const QString& fileName) const { return SaveChartData(*list_, fileName); }
bool TVIrada::SaveDataASC(const QString& fileName) const { return SaveChartDump(*list_, fileName); }
bool TVIrada::LoadData(const QString& fileName, bool append) {
  if (!LoadChartData(*list_, fileName, append)) return false;
  if (!append) FLastElemOnShow = 0;
  shownCount_ = 0;
  markStale();
  return true;
}

int TVIrada::FindNearestItemScreen(double mx, double my, TrcItem id, std::uint8_t c, double& dist) const {
  return list_->FindNearestItemScreen(mx, my, id, c, dist, [this](double x, double y, int& px, int& py) {
    layers_.R2M(FActiveLayer, x, y, px, py);
  });
}

// ----- setters --------------------------------------------------------------

void TVIrada::setActiveLayer(int v) {
  if (v < 1 || v > 16) return;
  FActiveLayer = v;
  changed();
}

void TVIrada::setTextAlignment(TAlignment v) {
  FTextAlignment = v;
  changed();
}

void TVIrada::setGridDx(double v) {
  if (v < -3) return;
  style_.GridDx = v;
  changed();
}

void TVIrada::setGridDy(double v) {
  if (v < -3) return;
  style_.GridDy = v;
  changed();
}

void TVIrada::setTextFontStyle(bool bold, bool italic, bool underline) {
  FBold = bold, FItalic = italic, FUnderline = underline;
  changed();
}

void TVIrada::SetRange(int layer, double xLo, double yLo, double xHi, double yHi) {
  layers_.SetRange(layer, xLo, yLo, xHi, yHi);
  if (AutoRedraw && !layers_.Loading) markStale();
}

void TVIrada::autoRange(int layer, double margin, double minRange, bool doX, bool doY) {
  if (layer < 0 || layer > 16) return;
  if (!(doX && doY)) layers_.Isometric = false;
  const bool saved = layers_.SuppressRepaint;
  layers_.SuppressRepaint = true;
  for (int l = layer == 0 ? 1 : layer; l <= (layer == 0 ? 16 : layer); ++l) {
    double xLo, yLo, xHi, yHi;
    list_->LayerDataExtent(l, margin, minRange, layers_.X(l).Logarithmic(), layers_.Y(l).Logarithmic(), xLo, yLo, xHi,
                          yHi);
    if (!doX) xLo = layers_.X(l).RangeLow(), xHi = layers_.X(l).RangeHigh();
    if (!doY) yLo = layers_.Y(l).RangeLow(), yHi = layers_.Y(l).RangeHigh();
    if (layers_.Isometric) {
      const double c = (yLo + yHi) / 2, h = layers_.IsoSpan(xHi - xLo) / 2;
      yLo = c - h, yHi = c + h;
    }
    layers_.ApplyJointRange(l, true, xLo, yLo, xHi, yHi, false);
  }
  layers_.SuppressRepaint = saved;
  changed();
}

void TVIrada::AutoRange(int layer, double margin, double minRange) { autoRange(layer, margin, minRange, true, true); }
void TVIrada::AutoRangeXOnly(int layer, double margin, double minRange) {
  autoRange(layer, margin, minRange, true, false);
}
void TVIrada::AutoRangeYOnly(int layer, double margin, double minRange) {
  autoRange(layer, margin, minRange, false, true);
}

void TVIrada::SetEqualRange(std::uint32_t set) { layers_.SetEqualRange(set, true, true); }
void TVIrada::SetEqualRangeXOnly(std::uint32_t set) { layers_.SetEqualRange(set, true, false); }
void TVIrada::SetEqualRangeYOnly(std::uint32_t set) { layers_.SetEqualRange(set, false, true); }

void TVIrada::ZoomHistory(int index) {
  if (layers_.ZoomHistory(index)) markStale();
}

void TVIrada::setIsometric(bool v) {
  layers_.SetIsometric(v);
  if (v) changed();
}

void TVIrada::setMargin(int& field, int v) {
  field = v;
  if (layers_.Isometric) layers_.RecentreIsometric();
  layers_.ApplyAllScaleProps();
  layers_.CalcTransformParams();
  changed();
}

void TVIrada::setShadowWidth(int v) {
  layers_.F3DRim = std::clamp(v, 0, 32);
  layers_.ApplyAllScaleProps();
  layers_.CalcTransformParams();
  changed();
}

void TVIrada::setStandardLayout(TrcLayout layout) {
  ApplyStandardLayout(layers_, style_, layout);
  changed();
}

// ----- painting -------------------------------------------------------------

TItemStyle TVIrada::itemStyle(const TChromeStyle& chrome, TChartMedia media) const {
  TItemStyle s;
  s.ChartColor = chrome.ChartColor;
  s.LineWidth = RcLineWid;
  s.TextFont = chrome.Font;
  s.Bold = FBold, s.Italic = FItalic, s.Underline = FUnderline;
  s.TextBkStyle = FTextBkStyle;
  s.TextBkColor = FTextBkColor;
  s.Printer = media == TChartMedia::Print;
  return s;
}

void TVIrada::runHook(const TRenderEvent& hook, QPainter& p, int top, int left) {
  if (!hook) return;
  QPainter* cp = &p;
  p.save();
  hook(this, cp, top, left);
  p.restore();
}

void TVIrada::DrawChartFrame(QPainter& p, const TChromeStyle& s) {
  chrome_.PaintFrame(p, s);
  runHook(OnScalesRendered, p, 0, 0);
}

void TVIrada::DrawBackground(QPainter& p, const TChromeStyle& s, int x0, int y0, TChartMedia media) {
  if (chrome_.PaintBackground(p, s, FBakGndFile, x0, y0, media)) return;
  // No usable picture: the name goes, and one repaint follows later (never a
  // repaint from inside this painting).
  QMetaObject::invokeMethod(this, [this] { FBakGndFile.setName(QString()); }, Qt::QueuedConnection);
}

void TVIrada::fillLabel(int idx, double posX, double posY, TColor txtColor, const QString& txt, int tmpl) {
  TTextLabel& l = FTextLabels[std::size_t(idx - 1)];
  auto keep = l.OnChange;
  l.OnChange = nullptr;
  l.setPosX(posX), l.setPosY(posY), l.setLayer(FActiveLayer);
  if (tmpl >= 1 && tmpl <= 30) {
    const TTextLabel& t = FTextLabels[std::size_t(tmpl - 1)];
    l.setAttachToData(t.AttachToData()), l.setAlignment(t.Alignment());
    l.setShadowDx(t.ShadowDx()), l.setShadowDy(t.ShadowDy()), l.setColorShadow(t.ColorShadow());
    l.setColorBkg(t.ColorBkg()), l.setColorBorder(t.ColorBorder()), l.setTransparent(t.Transparent());
    l.setMode(t.Mode() == TTxtLblMode::tlOff ? TTxtLblMode::tlsimple : t.Mode());
  } else {
    l.setAttachToData(TTxtLblAttachMode::tlamBoth), l.setAlignment(Qt::AlignHCenter);
    l.setShadowDx(0), l.setShadowDy(0), l.setColorShadow(QColor(0x80, 0x80, 0x80));
    l.setColorBkg(ToQColor(style_.ChartColor)), l.setColorBorder(ToQColor(style_.FrameColor)), l.setTransparent(false);
    l.setMode(TTxtLblMode::tlsimple);
  }
  l.setCaption(txt);
  FLabelColors[std::size_t(idx - 1)] = txtColor;
  l.setVisible(true);
  l.OnChange = keep;
  markStale();
}

int TVIrada::AddTextLabel(double posX, double posY, TColor txtColor, const QString& txt, int tmpl) {
  for (int n = 1; n <= 30; ++n)
    if (FTextLabels[std::size_t(n - 1)].Mode() == TTxtLblMode::tlOff) {
      fillLabel(n, posX, posY, txtColor, txt, tmpl);
      return n;
    }
  return 0;
}

void TVIrada::SetTextLabel(int idx, double posX, double posY, TColor txtColor, const QString& txt, int tmpl) {
  if (idx >= 1 && idx <= 30) fillLabel(idx, posX, posY, txtColor, txt, tmpl);
}

void TVIrada::AllTextLabelsOff() {
  for (TTextLabel& l : FTextLabels) l.setVisible(false);
}

void TVIrada::DrawItems(QPainter& p, const TChromeStyle& s, int x0, int y0, const TRenderOptions& options,
                        int firstItem) {
  {
    const QColor pen = p.pen().color();
    const QBrush brush = p.brush();
    runHook(OnBeforeRenderData, p, layers_.RcTRim - y0, layers_.RcLRim - x0);
    QPen pp = p.pen();
    pp.setColor(pen);
    p.setPen(pp);
    p.setBrush(brush);
  }
  if (s.GridStyle != GridStyleType::gsNone && firstItem == 0) chrome_.PaintGrid(p, s, FActiveLayer, x0, y0);
  // Only the screen's replays go on later: every other picture starts afresh.
  TItemRenderer local;
  const bool screen = options.Media == TChartMedia::Screen && !options.BlackWhite;
  TItemRenderer& r = screen ? screenRenderer_ : local;
  const TItemStyle st = itemStyle(s, options.Media);
  if (screen && firstItem > 0)
    r.Resume(p, layers_, st, x0, y0, options.BlackWhite);
  else
    r.Begin(p, layers_, st, x0, y0, options.BlackWhite);
  const auto& items = list_->items();
  if (firstItem < int(items.size()))
    r.Draw(std::span<const TrcChartItem>(items.data() + firstItem, items.size() - std::size_t(firstItem)));
  r.End();
  chrome_.PaintTextLabels(p, FTextLabels, FLabelColors, x0, y0);
  runHook(OnDataRendered, p, layers_.RcTRim - y0, layers_.RcLRim - x0);
  chrome_.PaintPlotFrame(p, s, x0, y0);
}

void TVIrada::copyPlotIntoChart() {
  plotBehind_ = false;
  QPainter p(&ChartBmp);
  p.drawImage(QPoint(layers_.RcLRim, layers_.RcTRim), GrafBmp);
}

void TVIrada::render() {
  ++renderCount_;
  const qreal dpr = devicePixelRatioF();
  const int W = std::max(1, width()), H = std::max(1, height());
  if (layers_.Width != W || layers_.Height != H) layers_.SetSize(W, H);
  ChartBmp = QImage(int(W * dpr), int(H * dpr), QImage::Format_RGB32);
  ChartBmp.setDevicePixelRatio(dpr);
  {
    QPainter p(&ChartBmp);
    DrawChartFrame(p, style_);
  }
  const int gw = std::max(1, layers_.xR() - layers_.xL() + 1), gh = std::max(1, layers_.yB() - layers_.yT() + 1);
  GrafBmp = QImage(int(gw * dpr), int(gh * dpr), QImage::Format_RGB32);
  GrafBmp.setDevicePixelRatio(dpr);
  {
    QPainter p(&GrafBmp);
    DrawBackground(p, style_, 0, 0, TChartMedia::Screen);
    DrawItems(p, style_, 0, 0, {.Media = TChartMedia::Screen});
  }
  copyPlotIntoChart();
  shownCount_ = list_->NumItems();
  stale_ = false;
}

const QImage& TVIrada::ChartImage() {
  if (stale_ || ChartBmp.isNull()) render();
  if (plotBehind_) {
    copyPlotIntoChart();
    plotBehind_ = false;
  }
  return ChartBmp;
}

void TVIrada::paintEvent(QPaintEvent*) {
  QPainter p(this);
  if (FSuppressPaint || layers_.Loading) {
    if (!ChartBmp.isNull()) p.drawImage(0, 0, ChartBmp);
    return;
  }
  if (stale_ || ChartBmp.isNull()) render();
  p.drawImage(0, 0, ChartBmp);
  if (plotBehind_) p.drawImage(QPoint(layers_.RcLRim, layers_.RcTRim), GrafBmp);
  chrome_.PaintCrossHairs(p, FCrossHair, 0, 0);
  if (const auto box = mouse_.BoxBeingDrawn()) {
    p.setPen(QPen(Qt::black, 1, Qt::DotLine));
    p.setBrush(Qt::NoBrush);
    p.drawRect(*box);
  }
}

void TVIrada::CrossHairSetup(int n, TColor color, TCrossHMode mode, Qt::PenStyle lineType, int lineWidth) {
  if (n < 1 || n > 4) return;
  TCrossHair& ch = CrossHair(n);
  ch.setColor(ToQColor(color));
  ch.setMode(mode);
  ch.setLineType(lineType);
  ch.setLineWid(lineWidth);
  repaint();
}

void TVIrada::CrossHairSetPos(int n, double x, double y) {
  if (n < 1 || n > 4) return;
  TCrossHair& ch = CrossHair(n);
  ch.setPosX(x);
  ch.setPosY(y);
  if (ch.Mode() != TCrossHMode::chOff) repaint();
}

void TVIrada::ShowGraf() {
  showOwn();
  refreshSharers();
}

void TVIrada::refreshSharers() {
  // The charts that show the same items follow.
  TVIrada* owner = FUseDataOf ? FUseDataOf.data() : this;
  std::vector<TVIrada*> others;
  if (owner != this) others.push_back(owner);
  for (const QPointer<TVIrada>& u : owner->FDataUsers)
    if (u && u.data() != this) others.push_back(u.data());
  for (TVIrada* o : others) o->markStale();
}

void TVIrada::showOwn() {
  if (!isVisible() || FSuppressPaint || layers_.Loading || ChartBmp.isNull() || stale_ || !AutoRedraw) {
    FLastElemOnShow = std::max(0, list_->NumItems() - 1);
    if (isVisible() && !FSuppressPaint && !layers_.Loading) {
      render();
      repaint();
    } else {
      stale_ = true;
    }
    return;
  }
  FLastElemOnShow = std::max(0, list_->NumItems() - 1);
  ++renderCount_;
  {
    QPainter p(&GrafBmp);
    DrawBackground(p, style_, 0, 0, TChartMedia::Screen);
    DrawItems(p, style_, 0, 0, {.Media = TChartMedia::Screen});
  }
  shownCount_ = list_->NumItems();
  copyPlotIntoChart();
  repaint();
}

void TVIrada::ShowGrafNewOnly() {
  // A fresh picture, or a hook that draws under the items, needs the full replay.
  if (shownCount_ == 0 || shownCount_ > list_->NumItems() || stale_ || ChartBmp.isNull() || OnBeforeRenderData || !isVisible() || FSuppressPaint ||
      layers_.Loading) {
    ShowGraf();
    return;
  }
  if (shownCount_ < list_->NumItems()) {
    ++renderCount_;
    QPainter p(&GrafBmp);
    DrawItems(p, style_, 0, 0, {.Media = TChartMedia::Screen}, shownCount_);
  }
  shownCount_ = list_->NumItems();
  FLastElemOnShow = std::max(0, list_->NumItems() - 1);
  plotBehind_ = true;  // the chart image holds an older plot: paint puts the new one on top
  repaint(QRect(layers_.RcLRim, layers_.RcTRim, GrafBmp.width(), GrafBmp.height()));
  refreshSharers();
}

void TVIrada::RenderTo(QPainter& p, const TRenderOptions& options) {
  // A copy lays the chart out at the control's size even when it was never
  // shown, and no paint of the widget comes in between.
  if (layers_.Width != width() || layers_.Height != height()) layers_.SetSize(std::max(1, width()), std::max(1, height()));
  const bool savedSuppress = FSuppressPaint;
  FSuppressPaint = true;
  // Black and white: the axes' renderers are recoloured only for this
  // rendering and take their settings back on every way out.
  const bool blackWhite = options.BlackWhite;
  ScopeExit restore{[&, this] {
    if (blackWhite) layers_.ApplyAllScaleProps();  // only black and white touched the axes
    FSuppressPaint = savedSuppress;
  }};
  const TChromeStyle s = blackWhite ? style_.BlackWhite() : style_;
  if (blackWhite) {
    for (int i = 1; i <= 16; ++i) {
      layers_.ScaleX(i).ColorScale = layers_.ScaleX(i).FontColor = clBlack;
      layers_.ScaleY(i).ColorScale = layers_.ScaleY(i).FontColor = clBlack;
    }
  }
  p.save();
  DrawChartFrame(p, s);
  const int L = layers_.RcLRim, T = layers_.RcTRim;
  if (options.Media == TChartMedia::Print) {
    DrawBackground(p, s, L, T, TChartMedia::Print);
    p.setClipRect(QRect(L, T, layers_.xR() - 1 - L + 1, layers_.yB() - 1 - T + 1));
    DrawItems(p, s, L, T, options);
    p.setClipping(false);
  } else {
    // The plot goes through an image of its own, kept between exports of
    // the same size (the background covers all of it every time).
    const int gw = std::max(1, layers_.xR() - L + 1), gh = std::max(1, layers_.yB() - T + 1);
    if (exportPlot_.size() != QSize(gw, gh)) exportPlot_ = QImage(gw, gh, QImage::Format_RGB32);
    {
      QPainter gp(&exportPlot_);
      DrawBackground(gp, s, 0, 0, TChartMedia::Bitmap);
      DrawItems(gp, s, 0, 0, {.Media = TChartMedia::Bitmap, .BlackWhite = blackWhite});
    }
    p.drawImage(QPoint(L, T), exportPlot_);
  }
  p.restore();
}

// ----- mouse ----------------------------------------------------------------

void TVIrada::mousePressEvent(QMouseEvent* e) { mouse_.Press(e); }
void TVIrada::mouseMoveEvent(QMouseEvent* e) { mouse_.Move(e); }
void TVIrada::mouseReleaseEvent(QMouseEvent* e) { mouse_.Release(e); }
void TVIrada::mouseDoubleClickEvent(QMouseEvent*) { mouse_.DoubleClick(); }

void TVIrada::enterEvent(QEnterEvent*) {
  if (OnMouseEnter) OnMouseEnter(this);
}

void TVIrada::leaveEvent(QEvent*) {
  if (OnMouseLeave) OnMouseLeave(this);
}

void TVIrada::wheelEvent(QWheelEvent* e) {
  // The chart does not zoom by the wheel itself: the window decides.
  e->ignore();
}

}  // namespace zw
