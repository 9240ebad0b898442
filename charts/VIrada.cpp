#include "charts/VIrada.h"

#include "charts/ChartDataFile.h"

#include <QEnterEvent>
#include <QMessageBox>
#include <QEventLoop>
#include <QMouseEvent>
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

void TVIrada::equalRange(std::uint32_t set, bool doX, bool doY) {
  double xLo = 0, xHi = 0, yLo = 0, yHi = 0;
  bool first = true;
  for (int l = 1; l <= 16; ++l) {
    if (!(set & (1u << l))) continue;
    const double a = layers_.X(l).RangeLow(), b = layers_.X(l).RangeHigh();
    const double c = layers_.Y(l).RangeLow(), d = layers_.Y(l).RangeHigh();
    if (first) {
      xLo = a, xHi = b, yLo = c, yHi = d;
      first = false;
    } else {
      xLo = std::min(xLo, a), xHi = std::max(xHi, b), yLo = std::min(yLo, c), yHi = std::max(yHi, d);
    }
  }
  if (first) return;  // an empty set changes nothing
  for (int l = 1; l <= 16; ++l) {
    if (!(set & (1u << l))) continue;
    layers_.AdjustLayerRange(l, true, doX ? xLo : layers_.X(l).RangeLow(), doY ? yLo : layers_.Y(l).RangeLow(),
                             doX ? xHi : layers_.X(l).RangeHigh(), doY ? yHi : layers_.Y(l).RangeHigh(), false);
  }
}

void TVIrada::SetEqualRange(std::uint32_t set) { equalRange(set, true, true); }
void TVIrada::SetEqualRangeXOnly(std::uint32_t set) { equalRange(set, true, false); }
void TVIrada::SetEqualRangeYOnly(std::uint32_t set) { equalRange(set, false, true); }

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
  if (FZoomState == TZoomState::zsDrawWin || MouseBoxState == TMouseBoxState::msRectDraw) {
    // The box being drawn, over the picture (it never enters the images).
    const QPoint a = MouseBoxState == TMouseBoxState::msRectDraw ? boxP1_ : windAnchor_;
    p.setPen(QPen(Qt::black, 1, Qt::DotLine));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRect(a, windCorner_).normalized());
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

bool TVIrada::inside(int x, int y) const {
  return layers_.xL() <= x && x <= layers_.xR() && layers_.yT() <= y && y <= layers_.yB();
}

void TVIrada::takeAnchors(int x, int y) {
  anchorX_ = x, anchorY_ = y;
  anchorXLo_ = layers_.X(1).RangeLow(), anchorXHi_ = layers_.X(1).RangeHigh();
  anchorYLo_ = layers_.Y(1).RangeLow(), anchorYHi_ = layers_.Y(1).RangeHigh();
}

int TVIrada::nearestCrossHair(int x, int y) const {
  int best = 0;
  double bestD = 0;
  for (int n = 1; n <= 4; ++n) {
    const TCrossHair& ch = FCrossHair[std::size_t(n - 1)];
    const TCrossHMode m = ch.Mode();
    if (m == TCrossHMode::chOff) continue;
    int px, py;
    layers_.R2M(ch.Layer(), ch.PosX(), ch.PosY(), px, py);
    double d = 0;
    if (m != TCrossHMode::chHoriz) d += double(px - x) * (px - x);
    if (m != TCrossHMode::chVert) d += double(py - y) * (py - y);
    if (best == 0 || d < bestD) best = n, bestD = d;  // a tie keeps the lower number
  }
  return best;
}

int TVIrada::nearestTextLabel(int x, int y) const {
  int best = 0;
  double bestD = 0;
  for (int n = 1; n <= 30; ++n) {
    const TTextLabel& l = FTextLabels[std::size_t(n - 1)];
    if (l.Mode() == TTxtLblMode::tlOff || !l.Visible()) continue;
    const QPoint p = LabelAnchor(layers_, l);
    const double d = double(p.x() - x) * (p.x() - x) + double(p.y() - y) * (p.y() - y);
    if (best == 0 || d < bestD) best = n, bestD = d;
  }
  return best;
}

// The first move with the button down picks the nearest item; later moves,
// also outside the plot, carry it to the pointer. With nothing to pick the
// drag moves nothing.
void TVIrada::dragItem(TMouseActMode mode, int x, int y) {
  const bool cross = mode == TMouseActMode::maDragCrossH;
  if (!LButtonWasDown || dragKind_ != (cross ? 3 : 4)) {
    takeAnchors(x, y);
    if (cross)
      CHNext = nearestCrossHair(x, y);
    else
      TLNext = nearestTextLabel(x, y);
    dragKind_ = cross ? 3 : 4;
    LButtonWasDown = true;
    return;
  }
  if (cross) {
    if (CHNext == 0) return;
    TCrossHair& ch = FCrossHair[std::size_t(CHNext - 1)];
    double wx, wy;
    layers_.M2R(ch.Layer(), x, y, wx, wy);
    ch.setPosX(wx);
    ch.setPosY(wy);
    update();
    if (OnCrossHairMove) OnCrossHairMove(this, CHNext);
    return;
  }
  if (TLNext == 0) return;
  TTextLabel& l = FTextLabels[std::size_t(TLNext - 1)];
  double wx, wy;
  layers_.M2R(l.Layer(), x, y, wx, wy);
  l.setPosX(LabelAttachedX(l) ? wx : x);
  l.setPosY(LabelAttachedY(l) ? wy : y);
  markStale();
  if (OnTextLabelMove) OnTextLabelMove(this, TLNext);
}

void TVIrada::updateCursor(int x, int y) {
  if (!inside(x, y) || MouseCursorFixed) {
    unsetCursor();
    return;
  }
  switch (layers_.MouseAction) {
    case TMouseActMode::maNone: setCursor(Qt::CrossCursor); break;
    case TMouseActMode::maPan:
    case TMouseActMode::maPanHoriz:
    case TMouseActMode::maPanVert: setCursor(Qt::OpenHandCursor); break;
    case TMouseActMode::maZoomWind:
    case TMouseActMode::maZoomWindPos: setCursor(Qt::CrossCursor); break;
    case TMouseActMode::maZoomDrag: setCursor(Qt::SizeAllCursor); break;
    // Zooming and turning belong to the 3D views: the cursor stays as it is.
    case TMouseActMode::maZoom:
    case TMouseActMode::maRotate:
    case TMouseActMode::maRotAndZoom:
    case TMouseActMode::maRotXOnly:
    case TMouseActMode::maRotZOnly: break;
    default: unsetCursor(); break;
  }
}

void TVIrada::mousePressEvent(QMouseEvent* e) {
  if (FWasDblClk) {
    FWasDblClk = false;
    return;
  }
  e->accept();
  const QPoint at(int(e->position().x()), int(e->position().y()));
  if (MouseBoxState == TMouseBoxState::msFirstCorner) {
    if (e->button() == Qt::RightButton) {
      MouseBoxState = TMouseBoxState::msNormal;
    } else {
      boxP1_ = windCorner_ = at;
      MouseBoxState = TMouseBoxState::msRectDraw;
    }
  }
  const TMouseActMode mode = layers_.MouseAction;
  if ((mode == TMouseActMode::maRubberBand || mode == TMouseActMode::maZoomWind ||
       mode == TMouseActMode::maZoomWindPos) &&
      FZoomState == TZoomState::zsNormal && e->button() == Qt::LeftButton && inside(at.x(), at.y())) {
    FZoomState = TZoomState::zsDrawWin;
    windAnchor_ = windCorner_ = at;
  }
  try {
    if (OnMouseDown) OnMouseDown(this, e->button(), e->modifiers(), int(e->position().x()), int(e->position().y()));
  } catch (const std::exception&) {
  }
}

// The range of one axis dragged `moved` pixels (towards higher values) over a
// plot `extent` pixels long, from the range it had at the start of the drag.
static void panAxis(bool logarithmic, double& lo, double& hi, double lo0, double hi0, int moved, double extent) {
  if (logarithmic && lo > 0 && hi > 0) {
    const double f = std::exp(std::log(hi / lo) * -moved / extent);
    lo = lo0 * f, hi = hi0 * f;
  } else {
    const double d = (hi - lo) * moved / extent;
    lo = lo0 - d, hi = hi0 - d;
  }
}

void TVIrada::mouseMoveEvent(QMouseEvent* e) {
  try {
    const int X = int(e->position().x()), Y = int(e->position().y());
    const TMouseActMode mode = layers_.MouseAction;
    if (MouseBoxState == TMouseBoxState::msRectDraw) {
      windCorner_ = QPoint(std::clamp(X, layers_.xL(), layers_.xR()), std::clamp(Y, layers_.yT(), layers_.yB()));
      update();
    }
    if ((mode == TMouseActMode::maRubberBand || mode == TMouseActMode::maZoomWind ||
         mode == TMouseActMode::maZoomWindPos) &&
        FZoomState == TZoomState::zsDrawWin) {
      const int cx = std::clamp(X, layers_.xL(), layers_.xR());
      int cy = Y;
      if (layers_.Isometric) {
        const int d = cx - windAnchor_.x();
        cy = (cy - windAnchor_.y()) * d < 1 ? windAnchor_.y() - d : windAnchor_.y() + d;
      }
      windCorner_ = QPoint(cx, std::clamp(cy, layers_.yT(), layers_.yB()));
      update();
    }
    const bool pan = mode == TMouseActMode::maPan || mode == TMouseActMode::maPanHoriz ||
                     mode == TMouseActMode::maPanVert;
    if (pan || mode == TMouseActMode::maZoomDrag) {
      static_assert(sizeof(TMouseActMode) > 0);
      if (!(e->buttons() & Qt::LeftButton)) {
        LButtonWasDown = false;
      } else if (!LButtonWasDown || dragKind_ != (pan ? 1 : 2)) {
        // A drag starts, or the action changed in the middle of one: the
        // ranges of this moment are the new anchors.
        takeAnchors(X, Y);
        dragKind_ = pan ? 1 : 2;
        LButtonWasDown = true;
      } else if (inside(X, Y)) {
        TScaleProps& px = layers_.X(1);
        TScaleProps& py = layers_.Y(1);
        double xLo = px.RangeLow(), xHi = px.RangeHigh(), yLo = py.RangeLow(), yHi = py.RangeHigh();
        const double w = layers_.xR() - layers_.xL(), h = layers_.yB() - layers_.yT();
        if (pan) {
          // The values follow the pointer: x grows to the right, y upwards.
          if (mode != TMouseActMode::maPanVert && w > 0)
            panAxis(px.Logarithmic(), xLo, xHi, anchorXLo_, anchorXHi_, X - anchorX_, w);
          if (mode != TMouseActMode::maPanHoriz && h > 0)
            panAxis(py.Logarithmic(), yLo, yHi, anchorYLo_, anchorYHi_, anchorY_ - Y, h);
        } else {
          const double gx = 1 - double(X - anchorX_) / std::max(1, width());
          const double gy = layers_.Isometric ? gx : 1 + double(Y - anchorY_) / std::max(1, height());
          const double cx = (anchorXLo_ + anchorXHi_) / 2, sx = anchorXHi_ - anchorXLo_;
          const double cy = (anchorYLo_ + anchorYHi_) / 2, sy = anchorYHi_ - anchorYLo_;
          xLo = cx - sx * gx / 2, xHi = cx + sx * gx / 2;
          yLo = cy - sy * gy / 2, yHi = cy + sy * gy / 2;
        }
        layers_.ApplyJointRange(1, false, xLo, yLo, xHi, yHi, true);
        markStale();
        if (OnZoomPan) OnZoomPan(this);
      }
    }
    if (mode == TMouseActMode::maDragCrossH || mode == TMouseActMode::maDragLabel) {
      if (!(e->buttons() & Qt::LeftButton))
        LButtonWasDown = false;
      else
        dragItem(mode, X, Y);
    }
    const bool in = inside(X, Y);
    if (in) layers_.M2R(FActiveLayer, X, Y, FMousePosX, FMousePosY);
    updateCursor(X, Y);
    double wx, wy;
    layers_.M2R(FActiveLayer, X, Y, wx, wy);
    if (OnMouseMoveInChart) OnMouseMoveInChart(this, in, e->modifiers(), e->buttons(), wx, wy);
  } catch (const std::exception&) {
    // A handler of the page failed; the chart stays usable.
  }
}

void TVIrada::mouseReleaseEvent(QMouseEvent* e) {
  if (FWasDblClk) {
    FWasDblClk = false;
    return;
  }
  const TMouseActMode mode = layers_.MouseAction;
  if (MouseBoxState == TMouseBoxState::msRectDraw) {
    if (e->button() == Qt::RightButton) {
      MouseBoxState = TMouseBoxState::msNormal;
    } else {
      boxP2_ = QPoint(int(e->position().x()), int(e->position().y()));
      MouseBoxState = TMouseBoxState::msFinished;
    }
    update();
  }
  zoomRelease(e);
  if (mode == TMouseActMode::maPan || mode == TMouseActMode::maPanHoriz || mode == TMouseActMode::maPanVert ||
      mode == TMouseActMode::maZoomDrag)
    layers_.PushZoomHistory();
  if (!(e->buttons() & Qt::LeftButton)) LButtonWasDown = false;
  e->accept();
  try {
    if (OnMouseUp) OnMouseUp(this, e->button(), e->modifiers(), int(e->position().x()), int(e->position().y()));
  } catch (const std::exception&) {
  }
}

bool TVIrada::zoomRelease(QMouseEvent* e) {
  const TMouseActMode mode = layers_.MouseAction;
  if (FZoomState != TZoomState::zsDrawWin) return false;
  if (mode != TMouseActMode::maRubberBand && mode != TMouseActMode::maZoomWind && mode != TMouseActMode::maZoomWindPos)
    return false;
  FZoomState = TZoomState::zsNormal;
  update();
  if (e->button() != Qt::LeftButton || windAnchor_.x() == windCorner_.x() || windAnchor_.y() == windCorner_.y())
    return true;
  double ax, ay, bx, by;
  layers_.M2R(1, windAnchor_.x(), windAnchor_.y(), ax, ay);
  layers_.M2R(1, windCorner_.x(), windCorner_.y(), bx, by);
  if (mode != TMouseActMode::maZoomWind) {
    // The axes keep their direction.
    const TScaleProps& px = layers_.X(1);
    const TScaleProps& py = layers_.Y(1);
    if ((bx < ax && px.RangeLow() < px.RangeHigh()) || (bx > ax && px.RangeLow() > px.RangeHigh())) std::swap(ax, bx);
    if ((by < ay && py.RangeLow() < py.RangeHigh()) || (by > ay && py.RangeLow() > py.RangeHigh())) std::swap(ay, by);
  }
  if (layers_.Isometric) {
    const double c = (ay + by) / 2, sp = layers_.IsoSpan(bx - ax);
    ay = c - sp / 2, by = c + sp / 2;
  }
  try {
    if (mode == TMouseActMode::maRubberBand) {
      if (OnRubberBand) OnRubberBand(this, 1, ax, ay, bx, by);
    } else {
      layers_.ApplyJointRange(1, true, ax, ay, bx, by, false);
      markStale();
    }
    if (OnZoomPan) OnZoomPan(this);
  } catch (const std::exception&) {
  }
  return true;
}

bool TVIrada::MouseBox(double& xLo, double& yLo, double& xHi, double& yHi) {
  MouseBoxState = TMouseBoxState::msFirstCorner;
  QPointer<TVIrada> alive(this);
  QEventLoop loop;
  while (alive && MouseBoxState != TMouseBoxState::msFinished && MouseBoxState != TMouseBoxState::msNormal)
    loop.processEvents(QEventLoop::WaitForMoreEvents);
  if (!alive) return false;  // the chart went away while waiting
  const bool finished = MouseBoxState == TMouseBoxState::msFinished;
  MouseBoxState = TMouseBoxState::msNormal;
  if (!finished) return false;
  double x1, y1, x2, y2;
  layers_.M2R(FActiveLayer, boxP1_.x(), boxP1_.y(), x1, y1);
  layers_.M2R(FActiveLayer, boxP2_.x(), boxP2_.y(), x2, y2);
  xLo = std::min(x1, x2), xHi = std::max(x1, x2);
  yLo = std::min(y1, y2), yHi = std::max(y1, y2);
  return true;
}

void TVIrada::MouseBoxAbort() {
  MouseBoxState = TMouseBoxState::msNormal;
  FZoomState = TZoomState::zsNormal;
  update();
}

void TVIrada::mouseDoubleClickEvent(QMouseEvent*) {
  FWasDblClk = true;
  try {
    if (OnDblClick) OnDblClick(this);
  } catch (const std::exception&) {
  }
}

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
