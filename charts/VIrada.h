#pragma once
// TVIrada: the 2D chart widget of the topic windows. Drawing calls append
// items to a display list (TDisplayList); painting replays the list through
// the layer transforms (TChartLayers) with the item renderer onto the plot
// image, under the chrome (charts/ChartChrome.h: the window background,
// shadow, caption, the 32 axes, grid and labels). The widget owns its images: paintEvent only blits and overlays; ShowGraf and
// ShowGrafNewOnly render at once; setters that change the picture mark it
// stale, so it is rendered once before the next paint. Exports and printing
// (charts/ChartExport.h) render afresh through RenderTo.
#include <QFont>
#include <QImage>
#include <QPointer>
#include <QWidget>
#include <array>
#include <functional>
#include <memory>
#include <vector>

#include "charts/ChartBase.h"
#include "charts/ChartChrome.h"
#include "charts/ChartLayers.h"
#include "charts/ChartMouse.h"
#include "charts/DisplayList.h"
#include "charts/ItemRenderer.h"

class QPainter;

namespace zw {

class TVIrada : public QWidget {
  Q_OBJECT
public:
  // Drawing hooks: (sender, painter, top, left). A hook may replace the painter.
  using TRenderEvent = std::function<void(TVIrada* sender, QPainter*& canvas, int top, int left)>;
  using TMouseMoveInChartEvent =
      std::function<void(TVIrada* sender, bool inChart, Qt::KeyboardModifiers shift, Qt::MouseButtons buttons,
                         double x, double y)>;
  using TNotifyEvent = std::function<void(TVIrada* sender)>;

  explicit TVIrada(QWidget* parent = nullptr);
  ~TVIrada() override;

  // ----- life cycle
  // Ends the loading state (the topic calls it after its layout; the first
  // show calls it otherwise).
  void Loaded();
  bool IsLoading() const { return layers_.Loading; }
  bool SuppressPaint() const { return FSuppressPaint; }
  void setSuppressPaint(bool v);

  // ----- display list: the items to read and edit (charts that share data
  // edit the same list). Editing does not repaint: ShowGraf does.
  TDisplayList& DisplayList() { return *list_; }
  const TDisplayList& DisplayList() const { return *list_; }
  void ClearGraf();
  // The nearest item of a kind and class by its distance in pixels on the
  // active layer (FindNearestItemReal of the list measures in world units).
  int FindNearestItemScreen(double mx, double my, TrcItem id, std::uint8_t c, double& dist) const;

  // The display list as a file of records and as a text dump (true on success);
  // loading replaces the items or appends to them, and repaints.
  bool SaveData(const QString& fileName) const;
  bool LoadData(const QString& fileName, bool append);
  bool SaveDataASC(const QString& fileName) const;

  // ----- data sharing: this chart shows the items of another (its owner);
  // nullptr ends it with a copy. Refusals go to DataShareMessage.
  void setUseDataOf(TVIrada* chart);
  TVIrada* UseDataOf() const { return FUseDataOf; }
  int DataUsersNum() const;
  // How the chart tells about a refused share (default: an information box).
  static std::function<void(QWidget*, const QString&)> DataShareMessage;

  // ----- adders (each takes the current drawing state)
  void MarkAt(double x, double y, std::uint8_t mk);
  void MoveTo(double x, double y);
  void DrawTo(double x, double y);
  void MoveToRelPix(int dx, int dy);
  void DrawToRelPix(int dx, int dy);
  void Line(double x1, double y1, double x2, double y2);
  void Rectangle(double x1, double y1, double x2, double y2);
  void RectangleRelPix(double cx, double cy, int dx, int dy);
  void RectFrame(double x1, double y1, double x2, double y2, TFrameStyle style, TColor shadow, TColor hilight);
  void Bar3D(double llx, double lly, double urx, double ury, int depth, int angle);
  void Ellipse(double cx, double cy, double hx, double hy);
  void Arrow(double x1, double y1, double x2, double y2, int headSize);
  void Text(double x, double y, int size, const QString& txt);
  void Text(double x, double y, int size, const QString& txt, int dx, int dy, TAlignment align);

  // ----- drawing state (no repaint)
  TColor DataColor() const { return RcDataCol; }
  void setDataColor(TColor v) { RcDataCol = v; }
  TColor FillColor() const { return RcFillCol; }
  void setFillColor(TColor v) { RcFillCol = v; }
  TPenStyle PenStyle() const { return RcPenStyle; }
  void setPenStyle(TPenStyle v) { RcPenStyle = v; }
  int LineWidth() const { return RcLineWid; }
  void setLineWidth(int v) { RcLineWid = std::uint8_t(v < 0 ? 0 : (v > 255 ? 255 : v)); }
  std::uint8_t ClassDefault() const { return RcClassDefault; }
  void setClassDefault(std::uint8_t v) {
    if (v != 255) RcClassDefault = v;
  }
  int ActiveLayer() const { return FActiveLayer; }
  void setActiveLayer(int v);
  int DataTag() const { return FDataTag; }
  void setDataTag(int v) { FDataTag = v; }
  bool TransparentItems() const { return FTranspItems; }
  void setTransparentItems(bool v) { FTranspItems = v; }
  TAlignment TextAlignment() const { return FTextAlignment; }
  void setTextAlignment(TAlignment v);

  // ----- display settings (repaint)
  TColor ChartFrameColor() const { return style_.FrameColor; }
  void setChartFrameColor(TColor v) { style_.FrameColor = v; changed(); }
  TColor ShadowColor() const { return style_.ShadowColor; }
  void setShadowColor(TColor v) { style_.ShadowColor = v; changed(); }
  TColor ShadowBakColor() const { return style_.ShadowBakColor; }
  void setShadowBakColor(TColor v) { style_.ShadowBakColor = v; changed(); }
  TColor ChartColor() const { return style_.ChartColor; }
  void setChartColor(TColor v) { style_.ChartColor = v; changed(); }
  TColor WindColor() const { return style_.WindColor; }
  void setWindColor(TColor v) { style_.WindColor = v; changed(); }
  TColor GridColor() const { return style_.GridColor; }
  void setGridColor(TColor v) { style_.GridColor = v; changed(); }
  GridStyleType GridStyle() const { return style_.GridStyle; }
  void setGridStyle(GridStyleType v) { style_.GridStyle = v; changed(); }
  double GridDx() const { return style_.GridDx; }
  void setGridDx(double v);
  double GridDy() const { return style_.GridDy; }
  void setGridDy(double v);
  TShadowStyle ShadowStyle() const { return style_.ShadowStyle; }
  void setShadowStyle(TShadowStyle v) { style_.ShadowStyle = v; changed(); }
  const QString& Caption() const { return style_.Caption; }
  void setCaption(const QString& v) { style_.Caption = v; changed(); }
  int CaptionPosX() const { return style_.CaptionPosX; }
  void setCaptionPosX(int v) { style_.CaptionPosX = v; changed(); }
  int CaptionPosY() const { return style_.CaptionPosY; }
  void setCaptionPosY(int v) { style_.CaptionPosY = v; changed(); }
  TAlignment CaptionAlignment() const { return style_.CaptionAlignment; }
  void setCaptionAlignment(TAlignment v) { style_.CaptionAlignment = v; changed(); }
  TCaptionAnchorHoriz CaptionAnchorHoriz() const { return style_.CaptionAnchorX; }
  void setCaptionAnchorHoriz(TCaptionAnchorHoriz v) { style_.CaptionAnchorX = v; changed(); }
  TCaptionAnchorVert CaptionAnchorVert() const { return style_.CaptionAnchorY; }
  void setCaptionAnchorVert(TCaptionAnchorVert v) { style_.CaptionAnchorY = v; changed(); }
  TTextBkg TextBkStyle() const { return FTextBkStyle; }
  void setTextBkStyle(TTextBkg v) { FTextBkStyle = v; changed(); }
  TColor TextBkColor() const { return FTextBkColor; }
  void setTextBkColor(TColor v) { FTextBkColor = v; changed(); }
  void setTextFontStyle(bool bold, bool italic, bool underline);
  // The chart font (caption, text items) and its colour; pixel sizes at 96 ppi.
  const QFont& ChartFont() const { return style_.Font; }
  void setChartFont(const QFont& f) { style_.Font = f; changed(); }
  TColor FontColor() const { return style_.FontColor; }
  void setFontColor(TColor v) { style_.FontColor = v; changed(); }
  bool AutoRedraw = true;
  TMouseActMode MouseAction() const { return layers_.MouseAction; }
  void setMouseAction(TMouseActMode m) { layers_.MouseAction = m; }
  bool MouseCursorFixed = true;

  // ----- layers, ranges, layout
  TChartLayers& Layers() { return layers_; }
  const TChartLayers& Layers() const { return layers_; }
  // Ranges through the layers' one range path, repainting.
  void SetRange(int layer, double xLo, double yLo, double xHi, double yHi);
  // Ranges from the extent of a layer's items (layer 0: every layer), widened
  // by margin per cent and at least minRange per cent of the midpoint.
  void AutoRange(int layer, double margin, double minRange = 0);
  void AutoRangeXOnly(int layer, double margin, double minRange = 0);
  void AutoRangeYOnly(int layer, double margin, double minRange = 0);
  // Every layer of the set (bit i for layer i) gets the union of their ranges.
  void SetEqualRange(std::uint32_t layers);
  void SetEqualRangeXOnly(std::uint32_t layers);
  void SetEqualRangeYOnly(std::uint32_t layers);
  void ZoomHistory(int index);
  bool Isometric() const { return layers_.Isometric; }
  void setIsometric(bool v);
  int MarginLeft() const { return layers_.RcLRim; }
  int MarginRight() const { return layers_.RcRRim; }
  int MarginTop() const { return layers_.RcTRim; }
  int MarginBottom() const { return layers_.RcBRim; }
  void setMarginLeft(int v) { setMargin(layers_.RcLRim, v); }
  void setMarginRight(int v) { setMargin(layers_.RcRRim, v); }
  void setMarginTop(int v) { setMargin(layers_.RcTRim, v); }
  void setMarginBottom(int v) { setMargin(layers_.RcBRim, v); }
  int ShadowWidth() const { return layers_.F3DRim; }
  void setShadowWidth(int v);
  void setStandardLayout(TrcLayout layout);

  // ----- painting
  void ShowGraf();
  void ShowGrafNewOnly();
  // The whole control image as the screen shows it (rendered when stale).
  const QImage& ChartImage();
  // Draws the control image (frame and axes, background, items) afresh onto
  // any painter whose units are screen pixels at 96 ppi; the painter's
  // transform scales it. The exports and printing of charts/ChartExport.h
  // all come through here.
  void RenderTo(QPainter& p, const TRenderOptions& options);

  TRenderEvent OnScalesRendered, OnBeforeRenderData, OnDataRendered;

  TBakGndImg& BackGroundImg() { return FBakGndFile; }

  // ----- the 30 text labels
  TTextLabel& TextLabel(int n) { return FTextLabels[std::size_t(std::clamp(n, 1, 30) - 1)]; }
  // Takes the first free label; 0 when all 30 are in use. A template 1..30
  // lends its look.
  int AddTextLabel(double posX, double posY, TColor txtColor, const QString& txt, int propertyTemplate);
  void SetTextLabel(int idx, double posX, double posY, TColor txtColor, const QString& txt, int propertyTemplate);
  void AllTextLabelsOff();
  TColor TextLabelColor(int n) const { return FLabelColors[std::size_t(std::clamp(n, 1, 30) - 1)]; }

  // ----- boxes drawn with the mouse
  using TRubberBandEvent = std::function<void(TVIrada* sender, int layer, double loX, double loY, double hiX, double hiY)>;
  TRubberBandEvent OnRubberBand;
  TZoomState ZoomState() const { return mouse_.ZoomState(); }
  // Lets the user draw a rectangle (press, drag, release); true with its world
  // corners (active layer, ordered) when finished, false when aborted by a
  // right click, MouseBoxAbort, or the chart going away. Waits in a local
  // event loop.
  bool MouseBox(double& xLo, double& yLo, double& xHi, double& yHi) { return mouse_.MouseBox(xLo, yLo, xHi, yHi); }
  void MouseBoxAbort() { mouse_.MouseBoxAbort(); }

  // ----- crosshairs (1..4), drawn over the picture on screen
  TCrossHair& CrossHair(int n) { return FCrossHair[std::size_t(std::clamp(n, 1, 4) - 1)]; }
  void CrossHairSetup(int ch, TColor color, TCrossHMode mode, Qt::PenStyle lineType, int lineWidth);
  void CrossHairSetPos(int ch, double x, double y);

  // ----- mouse (charts/ChartMouse.h): pan and drag zoom follow the pointer
  // from the press; MouseAction says what a drag does.
  double MousePosX() const { return mouse_.PosX(); }
  double MousePosY() const { return mouse_.PosY(); }
  TMouseMoveInChartEvent OnMouseMoveInChart;
  TNotifyEvent OnZoomPan, OnMouseEnter, OnMouseLeave, OnDblClick;
  // A crosshair (1..4) or a text label (1..30) moved by the mouse.
  std::function<void(TVIrada* sender, int crossHair)> OnCrossHairMove;
  std::function<void(TVIrada* sender, int textLabel)> OnTextLabelMove;
  using TMouseEvent = std::function<void(TVIrada* sender, Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y)>;
  TMouseEvent OnMouseDown, OnMouseUp;

  // Counts of renders (tests check that setters do not render at once).
  int renderCount() const { return renderCount_; }

protected:
  void paintEvent(QPaintEvent*) override;
  void resizeEvent(QResizeEvent*) override;
  void showEvent(QShowEvent*) override;
  void mousePressEvent(QMouseEvent*) override;
  void mouseMoveEvent(QMouseEvent*) override;
  void mouseReleaseEvent(QMouseEvent*) override;
  void mouseDoubleClickEvent(QMouseEvent*) override;
  void enterEvent(QEnterEvent*) override;
  void leaveEvent(QEvent*) override;
  void wheelEvent(QWheelEvent*) override;

private:
  void add(TrcChartItem item);
  void addPenStep(TrcItem kind, double x, double y);
  TrcChartItem newItem(TrcItem kind) const;
  void changed();  // repaint rule: with AutoRedraw the picture goes stale and repaints
  void markStale();
  void render();
  // The chrome around the plot, then the page's hook.
  void DrawChartFrame(QPainter& p, const TChromeStyle& s);
  void DrawBackground(QPainter& p, const TChromeStyle& s, int x0, int y0, TChartMedia media);
  // The items from firstItem on, with the grid under a full replay (a replay
  // from a later item goes on where the screen renderer stopped), the hooks,
  // the labels and the plot frame.
  void DrawItems(QPainter& p, const TChromeStyle& s, int x0, int y0, const TRenderOptions& options, int firstItem = 0);
  void runHook(const TRenderEvent& hook, QPainter& p, int top, int left);
  void setMargin(int& field, int v);
  void autoRange(int layer, double margin, double minRange, bool doX, bool doY);
  void copyPlotIntoChart();
  TItemStyle itemStyle(const TChromeStyle& s, TChartMedia media) const;

  // The items; charts that share data hold the same list.
  std::shared_ptr<TDisplayList> list_ = std::make_shared<TDisplayList>();
  QPointer<TVIrada> FUseDataOf;
  std::vector<QPointer<TVIrada>> FDataUsers;
  void leaveOwner();
  void showOwn();
  void refreshSharers();
  TChartLayers layers_;
  TChromeStyle style_;
  TChartChrome chrome_{layers_};
  TItemRenderer screenRenderer_;
  QImage ChartBmp, GrafBmp;
  QImage exportPlot_;  // the plot of RenderTo, reused while its size stays
  bool stale_ = true;
  bool plotBehind_ = false;  // GrafBmp is newer than the plot inside ChartBmp
  int shownCount_ = 0;  // items drawn into GrafBmp
  int FLastElemOnShow = 0;
  int renderCount_ = 0;
  bool FSuppressPaint = true;
  bool shownOnce_ = false;

  TColor RcDataCol = clBlack, RcFillCol = clWhite;
  TPenStyle RcPenStyle = TPenStyle::psSolid;
  std::uint8_t RcLineWid = 1, RcClassDefault = 0;
  int FActiveLayer = 1, FDataTag = 0;
  bool FTranspItems = false;
  TAlignment FTextAlignment = TAlignment::taLeftJustify;

  bool FBold = false, FItalic = false, FUnderline = false;
  TTextBkg FTextBkStyle = TTextBkg::tbClear;
  TColor FTextBkColor = clWhite;

  TCrossHairs FCrossHair;
  TBakGndImg FBakGndFile;
  TTextLabels FTextLabels;
  std::array<TColor, 30> FLabelColors{};
  void fillLabel(int idx, double posX, double posY, TColor txtColor, const QString& txt, int propertyTemplate);

  friend class TChartMouse;  // repaints through markStale
  TChartMouse mouse_{*this};
};

}  // namespace zw
