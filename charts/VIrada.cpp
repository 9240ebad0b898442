#include "charts/VIrada.h"

#include "charts/ChartDataFile.h"

#include <QFileInfo>
#include <QEnterEvent>
#include <QFontMetrics>
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
  FChartFont.setFamily(QStringLiteral("Liberation Sans"));
  FChartFont.setPixelSize(11);
  layers_.OnRepaint = [this] { markStale(); };
  layers_.Joint().OnChange = [this] { markStale(); };
  for (int i = 1; i <= 16; ++i) {
    auto keepX = layers_.X(i).OnChange, keepY = layers_.Y(i).OnChange;
    layers_.X(i).OnChange = nullptr;
    layers_.Y(i).OnChange = nullptr;
    layers_.X(i).setFont(FChartFont);
    layers_.Y(i).setFont(FChartFont);
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
    l.setColorShadow(QColor(0x80, 0x80, 0x80)), l.setTransparent(false), l.setFont(FChartFont);
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
    DrawBackground(p, 0, 0, TChartMedia::Screen);
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
  RcGridDx = v;
  changed();
}

void TVIrada::setGridDy(double v) {
  if (v < -3) return;
  RcGridDy = v;
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
  struct Row {
    int l, r, t, b, cx, cy;
    TAlignment ca;
    TCaptionAnchorHoriz ah;
  };
  static const Row rows[] = {
      {50, 20, 20, 40, 0, -16, TAlignment::taRightJustify, TCaptionAnchorHoriz::cahChartRight},
      {100, 20, 24, 40, 0, -16, TAlignment::taRightJustify, TCaptionAnchorHoriz::cahChartRight},
      {150, 20, 24, 40, 0, -16, TAlignment::taRightJustify, TCaptionAnchorHoriz::cahChartRight},
      {200, 20, 24, 40, 0, -16, TAlignment::taRightJustify, TCaptionAnchorHoriz::cahChartRight},
      {50, 50, 24, 40, 0, -20, TAlignment::taCenter, TCaptionAnchorHoriz::cahChartCenter},
      {100, 20, 24, 70, 0, -16, TAlignment::taRightJustify, TCaptionAnchorHoriz::cahChartRight},
      {50, 50, 48, 40, 0, -46, TAlignment::taCenter, TCaptionAnchorHoriz::cahChartCenter},
  };
  const int li = int(layout);
  const Row& row = rows[li];
  const bool saved = layers_.SuppressRepaint;
  layers_.SuppressRepaint = true;
  layers_.RcLRim = row.l, layers_.RcRRim = row.r, layers_.RcTRim = row.t, layers_.RcBRim = row.b;
  FCaptPosX = row.cx, FCaptPosY = row.cy, FCaptAlignment = row.ca, FCaptAnchorX = row.ah;
  FCaptAnchorY = TCaptionAnchorVert::cavChartTop;

  // Axis settings of layers 1..4: visible, location, caption placement, position.
  struct Axis {
    bool visible;
    int loc;  // x: 0 bottom, 1 top; y: 0 left, 1 right
    int pos, cx, cy;
    Qt::Alignment ca;
    TScaleUnitAnchor an;
  };
  const Axis xInv{false, 0, 0, 10, 100, Qt::AlignHCenter, TScaleUnitAnchor::uaSclCenter};
  const Axis yInv{false, 0, 0, 10, 100, Qt::AlignRight, TScaleUnitAnchor::uaSclTopLft};
  const Axis xStd{true, 0, 0, 0, 22, Qt::AlignHCenter, TScaleUnitAnchor::uaSclCenter};
  const Axis yFirst{true, 0, 0, 0, -16, Qt::AlignLeft, TScaleUnitAnchor::uaSclTopLft};
  auto yLeft = [](int pos) { return Axis{true, 0, pos, 0, -23, Qt::AlignRight, TScaleUnitAnchor::uaSclTopLft}; };
  std::array<Axis, 5> xs{xInv, xInv, xInv, xInv, xInv}, ys{yInv, yInv, yInv, yInv, yInv};
  switch (layout) {
    case TrcLayout::rcl_X1Bottom_Y1Left: xs[1] = xStd; ys[1] = yFirst; break;
    case TrcLayout::rcl_X1Bottom_Y2Left: xs[1] = xStd; ys[1] = yLeft(0); ys[2] = yLeft(50); break;
    case TrcLayout::rcl_X1Bottom_Y3Left:
      xs[1] = xStd; ys[1] = yLeft(0); ys[2] = yLeft(50); ys[3] = yLeft(100); break;
    case TrcLayout::rcl_X1Bottom_Y4Left:
      xs[1] = xStd; ys[1] = yLeft(0); ys[2] = yLeft(50); ys[3] = yLeft(100); ys[4] = yLeft(150); break;
    case TrcLayout::rcl_X1Bottom_Y2Both:
      xs[1] = xStd; ys[1] = yLeft(0);
      ys[2] = Axis{true, 1, 0, 0, -23, Qt::AlignLeft, TScaleUnitAnchor::uaSclTopLft};
      break;
    case TrcLayout::rcl_X2Bottom_Y2Left:
      xs[1] = Axis{true, 0, 0, -20, 7, Qt::AlignRight, TScaleUnitAnchor::uaSclTopLft};
      xs[2] = Axis{true, 0, 30, -20, 7, Qt::AlignRight, TScaleUnitAnchor::uaSclTopLft};
      ys[1] = yLeft(0); ys[2] = yLeft(50);
      break;
    case TrcLayout::rcl_X2Both_Y2Both:
      xs[1] = Axis{true, 0, 0, -20, 7, Qt::AlignRight, TScaleUnitAnchor::uaSclTopLft};
      xs[2] = Axis{true, 1, 0, -20, -24, Qt::AlignRight, TScaleUnitAnchor::uaSclTopLft};
      ys[1] = Axis{true, 0, 0, 0, -40, Qt::AlignRight, TScaleUnitAnchor::uaSclTopLft};
      ys[2] = Axis{true, 1, 0, 0, -40, Qt::AlignLeft, TScaleUnitAnchor::uaSclTopLft};
      ys[3] = ys[4] = Axis{false, 0, 0, 0, -23, Qt::AlignRight, TScaleUnitAnchor::uaSclTopLft};
      break;
  }
  for (int i = 1; i <= 16; ++i) {
    TScalePropsHoriz& x = layers_.X(i);
    TScalePropsVert& y = layers_.Y(i);
    auto kx = x.OnChange, ky = y.OnChange;
    x.OnChange = nullptr, y.OnChange = nullptr;
    if (i <= 4) {
      const Axis& a = xs[i];
      if (a.visible) x.setScaleLocation(a.loc ? TScaleLocationHoriz::slTop : TScaleLocationHoriz::slBottom);
      x.setCaptionPosX(a.cx), x.setCaptionPosY(a.cy), x.setCaptionAlignment(a.ca), x.setCaptionAnchor(a.an);
      x.setScalePos(a.pos), x.setVisible(a.visible);
      const Axis& b = ys[i];
      if (b.visible) y.setScaleLocation(b.loc ? TScaleLocationVert::slRight : TScaleLocationVert::slLeft);
      y.setCaptionPosX(b.cx), y.setCaptionPosY(b.cy), y.setCaptionAlignment(b.ca), y.setCaptionAnchor(b.an);
      y.setScalePos(b.pos), y.setVisible(b.visible);
    } else {
      x.setVisible(false);
      y.setVisible(false);
    }
    x.OnChange = kx, y.OnChange = ky;
  }
  (void)li;
  layers_.ApplyAllScaleProps();
  layers_.CalcTransformParams();
  layers_.SuppressRepaint = saved;
  changed();
}

// ----- painting -------------------------------------------------------------

TItemStyle TVIrada::itemStyle(TChartMedia media) const {
  TItemStyle s;
  s.ChartColor = RcChartCol;
  s.LineWidth = RcLineWid;
  s.TextFont = FChartFont;
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

void TVIrada::DrawChartFrame(QPainter& p) {
  const int W = layers_.Width, H = layers_.Height, s = layers_.F3DRim;
  p.fillRect(QRect(0, 0, W, H), ToQColor(RcWindCol));
  if (s > 0) {
    p.fillRect(QRect(W - s, 0, s, s), ToQColor(RcShadowBakCol));
    p.fillRect(QRect(0, H - s, s, s), ToQColor(RcShadowBakCol));
    p.setBrush(ToQColor(FShadowColor));
    const bool flying = RcShadowStyle == TShadowStyle::ssFlying;
    p.setPen(ChartPen(flying ? ToQColor(FShadowColor) : QColor(Qt::black), 1));
    const int a = flying ? s - 1 : 0;
    const QPoint bottom[4] = {{a, H - s}, {s - 1, H - 1}, {W - 1, H - 1}, {W - s, H - s}};
    draw::Polygon(p, bottom, 4);
    const QPoint right[4] = {{W - s, H - s}, {W - 1, H - 1}, {W - 1, s - 1}, {W - s, a}};
    draw::Polygon(p, right, 4);
    p.setPen(ChartPen(Qt::black, 1));
    PenCursor c(p);
    c.moveTo(0, 0);
    c.lineTo(W - s, 0);
    c.lineTo(W - s, H - s);
    c.lineTo(0, H - s);
    c.lineTo(0, 0);
  }
  p.setBrush(Qt::NoBrush);
  p.setFont(FChartFont);
  if (!FChartCaption.isEmpty()) {
    const int L = layers_.RcLRim, R = layers_.RcRRim, T = layers_.RcTRim, B = layers_.RcBRim;
    int ax = 0, ay = 0;
    switch (FCaptAnchorX) {
      case TCaptionAnchorHoriz::cahControlLeft: ax = 0; break;
      case TCaptionAnchorHoriz::cahChartLeft: ax = L; break;
      case TCaptionAnchorHoriz::cahChartCenter: ax = L + (W - L - R - s) / 2; break;
      case TCaptionAnchorHoriz::cahChartRight: ax = W - R - s; break;
      case TCaptionAnchorHoriz::cahControlRight: ax = W; break;
    }
    switch (FCaptAnchorY) {
      case TCaptionAnchorVert::cavControlTop: ay = 0; break;
      case TCaptionAnchorVert::cavChartTop: ay = T; break;
      case TCaptionAnchorVert::cavChartCenter: ay = T + (H - T - B - s) / 2; break;
      case TCaptionAnchorVert::cavChartBottom: ay = H - B; break;
      case TCaptionAnchorVert::cavControlBottom: ay = H; break;
    }
    int x = FCaptPosX + ax;
    const int y = FCaptPosY + ay;
    const int w = QFontMetrics(FChartFont).horizontalAdvance(FChartCaption);
    if (FCaptAlignment == TAlignment::taRightJustify)
      x -= w;
    else if (FCaptAlignment == TAlignment::taCenter)
      x -= w / 2;
    p.setPen(ChartPen(ToQColor(FFontColor), 1));
    draw::TextTopLeft(p, x, y, FChartCaption);
  }
  layers_.CalcTransformParams();
  for (int pass = 0; pass < 2; ++pass)
    for (int i = 1; i <= 16; ++i) {
      TScaleRenderer& r = pass == 0 ? layers_.ScaleX(i) : layers_.ScaleY(i);
      const TScaleProps& props = pass == 0 ? static_cast<const TScaleProps&>(layers_.X(i)) : layers_.Y(i);
      if (props.Visible()) r.Render(p);
    }
  runHook(OnScalesRendered, p, 0, 0);
}

void TVIrada::DrawBackground(QPainter& p, int x0, int y0, TChartMedia media) {
  // On pixels the plot's picture reaches one column and row further, onto
  // the frame line that is drawn last.
  const int e = media == TChartMedia::Print ? 0 : 1;
  const int Wg = std::max(0, layers_.Width - layers_.RcLRim - layers_.RcRRim - layers_.F3DRim + e);
  const int Hg = std::max(0, layers_.Height - layers_.RcTRim - layers_.RcBRim - layers_.F3DRim + e);
  p.setPen(ChartPen(ToQColor(FChartFrameCol), 1));
  p.setBrush(ToQColor(RcChartCol));
  const TBakGndImg& bg = FBakGndFile;
  if (!bg.Name().isEmpty()) {
    const QFileInfo fi(bg.Name());
    if (fi.absoluteFilePath() != bgPath_ || fi.lastModified() != bgStamp_) {
      bgPath_ = fi.absoluteFilePath();
      bgStamp_ = fi.lastModified();
      bgImage_ = QImage(bgPath_);
    }
    if (bgImage_.isNull() || bgImage_.width() == 0 || bgImage_.height() == 0) {
      // No usable picture: the name goes, and one repaint follows later
      // (never a repaint from inside this painting).
      draw::Rect(p, x0, y0, x0 + Wg, y0 + Hg);
      QMetaObject::invokeMethod(this, [this] { FBakGndFile.setName(QString()); }, Qt::QueuedConnection);
      return;
    }
    switch (bg.FillMode()) {
      case TBkgFill::bfSimple:
        draw::Rect(p, x0, y0, x0 + Wg, y0 + Hg);
        p.drawImage(QPoint(x0, y0), bgImage_);
        break;
      case TBkgFill::bfStretch: p.drawImage(QRect(x0, y0, Wg, Hg), bgImage_); break;
      case TBkgFill::bfTile:
        for (int cx = 0; cx < (Wg - 1) / bgImage_.width() + 1; ++cx)
          for (int cy = 0; cy < (Hg - 1) / bgImage_.height() + 1; ++cy)
            p.drawImage(QPoint(x0 + cx * bgImage_.width(), y0 + cy * bgImage_.height()), bgImage_);
        break;
    }
    return;
  }
  draw::Rect(p, x0, y0, x0 + Wg, y0 + Hg);
  if (bg.AreaMode() == TBGAreaMode::bamNone) return;
  int ax1, ay1, ax2, ay2;
  layers_.R2M(1, bg.AreaLeft(), bg.AreaTop(), ax1, ay1);
  layers_.R2M(1, bg.AreaRight(), bg.AreaBottom(), ax2, ay2);
  auto c30k = [](int v) { return std::clamp(v, -30000, 30000); };
  const int u1 = x0 + c30k(ax1) - layers_.RcLRim, u2 = x0 + c30k(ax2) - layers_.RcLRim;
  const int v1 = y0 + c30k(ay1) - layers_.RcTRim, v2 = y0 + c30k(ay2) - layers_.RcTRim;
  const QColor area = ToQColor(bg.AreaColor());
  p.setPen(ChartPen(area, 1));
  p.setBrush(area);
  switch (bg.AreaMode()) {
    case TBGAreaMode::bamLeft: draw::Rect(p, x0, y0, u1, y0 + Hg); break;
    case TBGAreaMode::bamRight: draw::Rect(p, u2, y0, x0 + Wg, y0 + Hg); break;
    case TBGAreaMode::bamTop: draw::Rect(p, x0, y0, x0 + Wg, v1); break;
    case TBGAreaMode::bamBottom: draw::Rect(p, x0, v2, x0 + Wg, y0 + Hg); break;
    case TBGAreaMode::bamVStripe: draw::Rect(p, u1, y0, u2, y0 + Hg); break;
    case TBGAreaMode::bamHStripe: draw::Rect(p, x0, v1, x0 + Wg, v2); break;
    case TBGAreaMode::bamRect: draw::Rect(p, u1, v1, u2, v2); break;
    default: break;
  }
}

void TVIrada::DrawTextLabels(QPainter& p, int x0, int y0) {
  const int dx = x0 - layers_.RcLRim, dy = y0 - layers_.RcTRim;
  for (int n = 30; n >= 1; --n) {  // label 1 ends on top
    const TTextLabel& l = FTextLabels[std::size_t(n - 1)];
    if (l.Mode() == TTxtLblMode::tlOff || !l.Visible()) continue;
    const QPoint a = labelAnchor(l);
    int x = std::clamp(a.x(), -30000, 30000) + dx;
    int y = std::clamp(a.y(), -30000, 30000) + dy;
    p.setFont(l.Font());
    const QFontMetrics fm(l.Font());
    const QStringList lines = l.Caption().split(u'\n');
    const int R = int(lines.size()), H = fm.height();
    int N = 0;
    for (const QString& t : lines) N = std::max(N, fm.horizontalAdvance(t));
    if (l.VerticalAlignment() == TVerticalAlignment::vaTop) y += H * R;
    if (l.VerticalAlignment() == TVerticalAlignment::vaCenter) y += H * R / 2;
    if (l.Alignment() & Qt::AlignRight) x -= N;
    else if (l.Alignment() & Qt::AlignHCenter) x -= N / 2;
    const QRect box(QPoint(x - 4, y - H * R - 2), QPoint(x + N + 4 - 1, y + 2 - 1));
    const QPen border = ChartPen(l.ColorBorder(), 1);
    const QBrush back = l.Transparent() ? QBrush(Qt::NoBrush) : QBrush(l.ColorBkg());
    auto drawBox = [&](const QRect& b, const QPen& pen, const QBrush& brush) {
      p.setPen(pen);
      p.setBrush(brush);
      draw::Rect(p, b.left(), b.top(), b.right() + 1, b.bottom() + 1);
    };
    switch (l.Mode()) {
      case TTxtLblMode::tlsimple:
        if (!l.Transparent()) drawBox(box, ChartPen(l.ColorBkg(), 1), back);
        break;
      case TTxtLblMode::tlBox: drawBox(box, border, back); break;
      case TTxtLblMode::tlUnderline:
        if (!l.Transparent()) drawBox(box, ChartPen(l.ColorBkg(), 1), back);
        p.setPen(border);
        draw::Line(p, x, y, x + N, y);
        break;
      case TTxtLblMode::tlShadow:
        drawBox(box.translated(l.ShadowDx(), l.ShadowDy()), ChartPen(l.ColorShadow(), 1), QBrush(l.ColorShadow()));
        drawBox(box, border, back);
        break;
      default: break;
    }
    p.setPen(ChartPen(ToQColor(FLabelColors[std::size_t(n - 1)]), 1));
    for (int k = 1; k <= R; ++k) {
      const QString& t = lines[k - 1];
      int sx = x;
      if (l.Alignment() & Qt::AlignRight) sx += N - fm.horizontalAdvance(t);
      else if (l.Alignment() & Qt::AlignHCenter) sx += (N - fm.horizontalAdvance(t)) / 2;
      draw::TextTopLeft(p, sx, y - H * (R - k + 1), t);
    }
  }
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
    l.setColorBkg(ToQColor(RcChartCol)), l.setColorBorder(ToQColor(FChartFrameCol)), l.setTransparent(false);
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

void TBakGndImg::setName(const QString& v) {
  FName = FIncldPath ? v : QFileInfo(v).fileName();
  changed();
}

void TBakGndImg::setIncludePath(bool v) {
  FIncldPath = v;
  if (!v) FName = QFileInfo(FName).fileName();
  changed();
}

namespace {
// The grid values of one axis from its start value by the spacing rule.
std::vector<double> gridWalk(const TScaleProps& props, const TScaleRenderer& r, double D) {
  std::vector<double> out;
  double lo = std::min(props.RangeLow(), props.RangeHigh()), hi = std::max(props.RangeLow(), props.RangeHigh());
  const bool log = props.Logarithmic();
  auto decade = [](double v, double& m, int& e) {
    double l = std::log10(v);
    if (std::fabs(l - std::nearbyint(l)) < 1e-14) l = std::nearbyint(l);
    e = int(std::floor(l));
    m = v / std::pow(10.0, e);
  };
  double v;
  if (D == 0)
    v = r.NumTicks() >= 1 ? r.TickPosition(1) : lo;
  else if (!log || D > 0)
    v = std::ceil(lo / D) * D;
  else if (lo <= 0)
    return out;
  else {
    double m;
    int e;
    decade(lo, m, e);
    const double k = std::nearbyint(m), p10 = std::pow(10.0, e);
    if (D == -1)
      v = std::pow(10.0, std::ceil(std::log10(lo) - 1e-14));
    else if (D == -2)
      v = (k <= 2 ? 2 : (k <= 5 ? 5 : 10)) * p10;
    else if (D == -3)
      v = p10 * k;
    else
      v = lo;
  }
  for (int n = 2; v < hi && out.size() < 1000; ++n) {
    out.push_back(v);
    double next;
    if (D == 0)
      next = n <= r.NumTicks() ? r.TickPosition(n) : hi;
    else if (D > 0 || !log)
      next = v + std::fabs(D);
    else {
      double m;
      int e;
      decade(v, m, e);
      const double k = std::nearbyint(m), p10 = std::pow(10.0, e);
      if (D == -1)
        next = 10 * v;
      else if (D == -2)
        next = (k < 2 ? 2 : (k < 5 ? 5 : 10)) * p10;
      else
        next = (k + 1) * p10;
    }
    if (!(next > v)) break;  // a step too small to advance ends the walk
    v = next;
  }
  return out;
}
}  // namespace

void TVIrada::DrawGrid(QPainter& p, int x0, int y0) {
  const int l = FActiveLayer;
  const TScaleProps& px = layers_.X(l);
  const TScaleProps& py = layers_.Y(l);
  const std::vector<double> xs = gridWalk(px, layers_.ScaleX(l), RcGridDx);
  const std::vector<double> ys = gridWalk(py, layers_.ScaleY(l), RcGridDy);
  const int dx = x0 - layers_.RcLRim, dy = y0 - layers_.RcTRim;
  const QColor gc = ToQColor(RcGridCol);
  p.setBrush(ToQColor(RcChartCol));
  const GridStyleType gs = RcGridStyle;
  const bool dotted = gs == GridStyleType::gsVertDotLines || gs == GridStyleType::gsHorizDotLines ||
                      gs == GridStyleType::gsDotLines;
  p.setPen(ChartPen(gc, 1, dotted ? Qt::DotLine : Qt::SolidLine));
  auto pix = [&](double x, double y) {
    int a, b;
    layers_.R2M(l, x, y, a, b);
    return QPoint(int(std::clamp<long long>((long long)a + dx, -30000, 30000)),
                  int(std::clamp<long long>((long long)b + dy, -30000, 30000)));
  };
  if (gs == GridStyleType::gsPoints) {
    int n = 0;
    for (double x : xs)
      for (double y : ys) {
        if (n++ >= 1000) return;
        const QPoint q = pix(x, y);
        draw::Pixel(p, q.x(), q.y(), gc);
      }
    return;
  }
  const bool vert = gs == GridStyleType::gsVertLines || gs == GridStyleType::gsVertDotLines ||
                    gs == GridStyleType::gsLines || gs == GridStyleType::gsDotLines;
  const bool horiz = gs == GridStyleType::gsHorizLines || gs == GridStyleType::gsHorizDotLines ||
                     gs == GridStyleType::gsLines || gs == GridStyleType::gsDotLines;
  if (vert)
    for (double x : xs) {
      const QPoint a = pix(x, py.RangeLow()), b = pix(x, py.RangeHigh());
      draw::Line(p, a.x(), a.y(), b.x(), b.y());
    }
  if (horiz)
    for (double y : ys) {
      const QPoint a = pix(px.RangeLow(), y), b = pix(px.RangeHigh(), y);
      draw::Line(p, a.x(), a.y(), b.x(), b.y());
    }
}

void TVIrada::drawPlotFrame(QPainter& p, int x0, int y0) {
  const int w = layers_.Width - layers_.RcLRim - layers_.RcRRim - layers_.F3DRim;
  const int h = layers_.Height - layers_.RcTRim - layers_.RcBRim - layers_.F3DRim;
  p.setPen(ChartPen(ToQColor(FChartFrameCol), 1));
  const QPoint pts[5] = {{x0, y0}, {x0 + w, y0}, {x0 + w, y0 + h}, {x0, y0 + h}, {x0, y0}};
  draw::Polyline(p, pts, 5);
}

void TVIrada::DrawItems(QPainter& p, int x0, int y0, const TRenderOptions& options, int firstItem) {
  {
    const QColor pen = p.pen().color();
    const QBrush brush = p.brush();
    runHook(OnBeforeRenderData, p, layers_.RcTRim - y0, layers_.RcLRim - x0);
    QPen pp = p.pen();
    pp.setColor(pen);
    p.setPen(pp);
    p.setBrush(brush);
  }
  if (RcGridStyle != GridStyleType::gsNone && firstItem == 0) DrawGrid(p, x0, y0);
  // Only the screen's replays go on later: every other picture starts afresh.
  TItemRenderer local;
  const bool screen = options.Media == TChartMedia::Screen && !options.BlackWhite;
  TItemRenderer& r = screen ? screenRenderer_ : local;
  const TItemStyle st = itemStyle(options.Media);
  if (screen && firstItem > 0)
    r.Resume(p, layers_, st, x0, y0, options.BlackWhite);
  else
    r.Begin(p, layers_, st, x0, y0, options.BlackWhite);
  const auto& items = list_->items();
  if (firstItem < int(items.size()))
    r.Draw(std::span<const TrcChartItem>(items.data() + firstItem, items.size() - std::size_t(firstItem)));
  r.End();
  DrawTextLabels(p, x0, y0);
  runHook(OnDataRendered, p, layers_.RcTRim - y0, layers_.RcLRim - x0);
  drawPlotFrame(p, x0, y0);
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
    DrawChartFrame(p);
  }
  const int gw = std::max(1, layers_.xR() - layers_.xL() + 1), gh = std::max(1, layers_.yB() - layers_.yT() + 1);
  GrafBmp = QImage(int(gw * dpr), int(gh * dpr), QImage::Format_RGB32);
  GrafBmp.setDevicePixelRatio(dpr);
  {
    QPainter p(&GrafBmp);
    DrawBackground(p, 0, 0, TChartMedia::Screen);
    DrawItems(p, 0, 0, {.Media = TChartMedia::Screen});
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
  DrawCrossHairs(p, 0, 0);
  if (FZoomState == TZoomState::zsDrawWin || MouseBoxState == TMouseBoxState::msRectDraw) {
    // The box being drawn, over the picture (it never enters the images).
    const QPoint a = MouseBoxState == TMouseBoxState::msRectDraw ? boxP1_ : windAnchor_;
    p.setPen(QPen(Qt::black, 1, Qt::DotLine));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRect(a, windCorner_).normalized());
  }
}

void TVIrada::DrawCrossHairs(QPainter& p, int dx, int dy) {
  const int xL = layers_.xL(), xR = layers_.xR(), yT = layers_.yT(), yB = layers_.yB();
  for (const TCrossHair& ch : FCrossHair) {
    if (ch.Mode() == TCrossHMode::chOff) continue;
    int px, py;
    layers_.R2M(ch.Layer(), ch.PosX(), ch.PosY(), px, py);
    QPen pen(ch.Color(), std::max(1, ch.LineWid()), ch.LineType());
    p.setPen(pen);
    const int h = ch.LineWid() / 2;
    const bool horiz = ch.Mode() == TCrossHMode::chHoriz || ch.Mode() == TCrossHMode::chBoth;
    const bool vert = ch.Mode() == TCrossHMode::chVert || ch.Mode() == TCrossHMode::chBoth;
    // A crosshair on the plot border (within half its width) is not drawn.
    if (horiz && yT + h < py && py < yB - h) draw::Line(p, xL + h + 1 - dx, py - dy, xR - h - dx, py - dy);
    if (vert && xL + h < px && px < xR - h) draw::Line(p, px - dx, yT + h + 1 - dy, px - dx, yB - h - dy);
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
    DrawBackground(p, 0, 0, TChartMedia::Screen);
    DrawItems(p, 0, 0, {.Media = TChartMedia::Screen});
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
    DrawItems(p, 0, 0, {.Media = TChartMedia::Screen}, shownCount_);
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
  // Black and white: the control's own colours are swapped only for this
  // rendering and come back on every way out.
  const bool blackWhite = options.BlackWhite;
  const TColor wind = RcWindCol, chart = RcChartCol, frame = FChartFrameCol, font = FFontColor,
               shadow = FShadowColor, shadowBak = RcShadowBakCol;
  ScopeExit restore{[&, this] {
    RcWindCol = wind, RcChartCol = chart, FChartFrameCol = frame, FFontColor = font;
    FShadowColor = shadow, RcShadowBakCol = shadowBak;
    if (blackWhite) layers_.ApplyAllScaleProps();  // only black and white touched the axes
    FSuppressPaint = savedSuppress;
  }};
  if (blackWhite) {
    RcWindCol = RcChartCol = clWhite;
    FChartFrameCol = FFontColor = clBlack;
    FShadowColor = clSilver;
    RcShadowBakCol = clWhite;
    for (int i = 1; i <= 16; ++i) {
      layers_.ScaleX(i).ColorScale = layers_.ScaleX(i).FontColor = clBlack;
      layers_.ScaleY(i).ColorScale = layers_.ScaleY(i).FontColor = clBlack;
    }
  }
  p.save();
  DrawChartFrame(p);
  const int L = layers_.RcLRim, T = layers_.RcTRim;
  if (options.Media == TChartMedia::Print) {
    DrawBackground(p, L, T, TChartMedia::Print);
    p.setClipRect(QRect(L, T, layers_.xR() - 1 - L + 1, layers_.yB() - 1 - T + 1));
    DrawItems(p, L, T, options);
    p.setClipping(false);
  } else {
    // The plot goes through an image of its own, kept between exports of
    // the same size (the background covers all of it every time).
    const int gw = std::max(1, layers_.xR() - L + 1), gh = std::max(1, layers_.yB() - T + 1);
    if (exportPlot_.size() != QSize(gw, gh)) exportPlot_ = QImage(gw, gh, QImage::Format_RGB32);
    {
      QPainter gp(&exportPlot_);
      DrawBackground(gp, 0, 0, TChartMedia::Bitmap);
      DrawItems(gp, 0, 0, {.Media = TChartMedia::Bitmap, .BlackWhite = blackWhite});
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

// Whether a label's x or y is a world coordinate (else control pixels).
static bool attachedX(const TTextLabel& l) {
  return l.AttachToData() == TTxtLblAttachMode::tlamXOnly || l.AttachToData() == TTxtLblAttachMode::tlamBoth;
}
static bool attachedY(const TTextLabel& l) {
  return l.AttachToData() == TTxtLblAttachMode::tlamYOnly || l.AttachToData() == TTxtLblAttachMode::tlamBoth;
}

QPoint TVIrada::labelAnchor(const TTextLabel& l) const {
  int ax, ay;
  layers_.R2M(l.Layer(), l.PosX(), l.PosY(), ax, ay);
  return {attachedX(l) ? ax : int(std::nearbyint(std::clamp(l.PosX(), -1e9, 1e9))),
          attachedY(l) ? ay : int(std::nearbyint(std::clamp(l.PosY(), -1e9, 1e9)))};
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
    const QPoint p = labelAnchor(l);
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
  l.setPosX(attachedX(l) ? wx : x);
  l.setPosY(attachedY(l) ? wy : y);
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
