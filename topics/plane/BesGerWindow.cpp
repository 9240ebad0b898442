#include "topics/plane/BesGerWindow.h"

#include <QListWidget>
#include <QPainter>
#include <QStyledItemDelegate>
#include <limits>

#include "charts/ChartDraw.h"
#include "shell/Metrics.h"
#include "shell/Settings.h"
#include "shell/kit/Grids.h"
#include "shell/texts/Texts.h"
#include "topics/plane/PlaneWindowKit.h"

namespace zw {

namespace {

constexpr TColor kNavy = 0x800000;  // 0xBBGGRR
// The IDrei items of the layers, in the order of the check list.
constexpr int kLayerItems[SpecialLayerCount] = {12, 5, 6, 4, 8, 7, 18, 25};

TopicConfig Config() {
  TopicConfig c = PlaneChartConfig();
  c.taskLines = 4;
  c.focus = FocusPolicy::RecomputeOnActivate;
  return c;
}

// The header item of the check list in navy; the layers in the list's text colour.
class HeaderDelegate : public QStyledItemDelegate {
public:
  using QStyledItemDelegate::QStyledItemDelegate;
  void initStyleOption(QStyleOptionViewItem* option, const QModelIndex& index) const override {
    QStyledItemDelegate::initStyleOption(option, index);
    if (index.row() == 0) option->palette.setColor(QPalette::Text, QColor(0, 0, 0x80));
  }
};

}  // namespace

void DrawSpecialLines(TVIrada& chart, const SpecialLines& t, int choice, const GraphPens& pens, int areaRand,
                      QStringList& captions) {
  auto color = [&](int i) { return pens.color[std::size_t(i)]; };
  auto width = [&](int i) { return pens.width[std::size_t(i)]; };
  auto line = [&](const TDrei& g, TColor c, int w) { DrawLineABC(chart, c, w, g.a, g.b, g.c); };
  auto caption = [&](int layer) { captions << GetText(IDrei, kLayerItems[layer]); };
  const TVec2 V[3] = {t.A, t.B, t.C}, L[3] = {t.La, t.Lb, t.Lc};
  const Extended angle[3] = {t.winkel.a, t.winkel.b, t.winkel.c};
  DrawTriangle(chart, t.A, t.B, t.C, clBlack, areaRand);
  if (choice & SlPerpBisectors) {
    caption(0);
    for (const TDrei* g : {&t.ma, &t.mb, &t.mc}) line(*g, color(1), width(1));
  }
  if (choice & SlMedians) {
    caption(1);
    DrawRay(chart, t.A, t.Ms2, color(2), width(2));
    DrawRay(chart, t.B, t.Ms3, color(2), width(2));
    DrawRay(chart, t.C, t.Ms1, color(2), width(2));
  }
  // With the excircles the inner bisectors belong to their layer.
  if ((choice & SlBisectors) && !(choice & SlExcircles)) {
    caption(2);
    for (const TVec2& v : V) DrawRay(chart, v, t.Mi, color(3), width(3));
  }
  if (choice & SlAltitudes) {
    caption(3);
    for (int i = 0; i < 3; ++i) {
      if (!(angle[i] > 90)) continue;
      // At an obtuse vertex the altitudes meet outside: their lines and the
      // sides at the vertex continued to the orthocentre.
      const int j = (i + 1) % 3, k = (i + 2) % 3;
      DrawRay(chart, L[i], V[i], clBlack, 1);
      DrawRay(chart, V[j], V[i], clBlack, 1);
      DrawRay(chart, V[k], V[i], clBlack, 1);
      DrawRay(chart, V[j], L[j], clBlack, 1);
      DrawRay(chart, V[k], L[k], clBlack, 1);
    }
    for (int i = 0; i < 3; ++i) DrawSegment(chart, V[i], L[i], color(4), width(4));
  }
  if (choice & SlIncircle) {
    caption(4);
    DrawCircle(chart, t.Mi, color(5), t.ri, width(5));
  }
  if (choice & SlCircumcircle) {
    caption(5);
    DrawCircle(chart, t.Mu, color(6), t.ru, width(6));
  }
  if (choice & SlExcircles) {
    caption(6);
    DrawCircle(chart, t.Ma1, color(7), t.r1, width(7));
    DrawCircle(chart, t.Ma2, color(7), t.r2, width(7));
    DrawCircle(chart, t.Ma3, color(7), t.r3, width(7));
    for (const TDrei* g : {&t.ga, &t.gb, &t.gc}) line(*g, clSilver, 1);
    for (const TVec2& v : V) DrawRay(chart, v, t.Mi, clBlack, 1);
    DrawLineThrough(chart, t.Ma1, t.Ma2, clBlack, 1);
    DrawLineThrough(chart, t.Ma2, t.Ma3, clBlack, 1);
    DrawLineThrough(chart, t.Ma3, t.Ma1, clBlack, 1);
  }
  if (choice & SlNinePoint) {
    caption(7);
    DrawCircle(chart, t.M9, color(8), t.r9, width(8));
  }
  if (areaRand > 1) DrawTriangle(chart, t.A, t.B, t.C, clBlack, areaRand);
  chart.setLineWidth(1);
  chart.setDataColor(kNavy);
  static const char* const names[3] = {"A", "B", "C"};
  for (int i = 0; i < 3; ++i) {
    const TVec2 at{t.Mi.x + 1.1L * (V[i].x - t.Mi.x), t.Mi.y + 1.1L * (V[i].y - t.Mi.y)};
    chart.Text(double(at.x), double(at.y), 12, QString::fromLatin1(names[i]));
  }
}

TFBesGer::TFBesGer(QWidget* owner)
    : ChartTopicWindow(owner, ClassName, Config(), [this] {
        ChartPageOptions o;
        o.wheelDivisor = 32;
        o.wheelSuppressesPaint = true;
        o.snapshot = SnapshotColours::OppositeOfPrint;
        o.colorList = &colorList_;
        o.widthList = &widthList_;
        o.areaColor = &areaColor_;
        o.areaWidth = &areaRand_;
        o.minVis = 0;
        o.maxVis = 8;
        o.areaVis = true;
        return o;
      }()) {
  grid_ = AddPointGrid(*this, 3);
  list_ = new QListWidget(inputArea());
  list_->setObjectName(QStringLiteral("CheckListBox1"));
  list_->setFrameShape(QFrame::NoFrame);
  list_->setItemDelegate(new HeaderDelegate(list_));
  list_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  list_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  QPalette pal = list_->palette();
  pal.setColor(QPalette::Base, pal.color(QPalette::Button));
  list_->setPalette(pal);
  auto* head = new QListWidgetItem(list_);
  head->setFlags(Qt::ItemIsEnabled);
  for (int i = 0; i < SpecialLayerCount; ++i) {
    auto* item = new QListWidgetItem(list_);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsUserCheckable);
    item->setCheckState(Qt::Unchecked);
  }
  // A click on the list gives the grid the focus back.
  connect(list_, &QListWidget::itemClicked, this, guardedSlot([this] { grid_->setFocus(); }));
  fields().addInteger(
      QStringLiteral("Auswahl"), [this] { return choice(); }, [this](int v) { setChoice(v); }, 0, 0,
      std::numeric_limits<int>::max());
  chartPage().chart().OnBeforeRenderData = [this](TVIrada*, QPainter*& canvas, int top, int left) {
    if (canvas) fillTriangle(*canvas, top, left);
  };
  addChartKeys();
  initTopic();
}

TFBesGer::~TFBesGer() {
  // The chart must not call back into a window being destroyed.
  chartPage().chart().OnBeforeRenderData = nullptr;
}

int TFBesGer::choice() const {
  int bits = 0;
  for (int i = 0; i < SpecialLayerCount; ++i)
    if (list_->item(i + 1)->checkState() == Qt::Checked) bits |= 1 << i;
  return bits;
}

void TFBesGer::setChoice(int bits) {
  // Every layer follows its bit of the low byte.
  for (int i = 0; i < SpecialLayerCount; ++i)
    list_->item(i + 1)->setCheckState(bits & (1 << i) ? Qt::Checked : Qt::Unchecked);
}

void TFBesGer::layoutInputs() {
  const LayoutMetrics& m = metrics();
  SetupPointGrid(grid_, m.ColLeft[1], m.RowTop[1] + ScalePixels(12));
  grid_->setCells(0, 1, QStringLiteral("A"));
  grid_->setCells(0, 2, QStringLiteral("B"));
  grid_->setCells(0, 3, QStringLiteral("C"));
  list_->setFont(fonts().TextFont.font);
  list_->item(0)->setText(QStringLiteral(" ") + GetText(IBesGer, 13));
  for (int i = 0; i < SpecialLayerCount; ++i)
    list_->item(i + 1)->setText(QStringLiteral(" ") + GetText(IDrei, kLayerItems[i]));
  const int itemH = QFontMetrics(list_->font()).height() + ScalePixels(6);
  for (int i = 0; i < list_->count(); ++i) list_->item(i)->setSizeHint(QSize(0, itemH));
  int textW = 0;
  for (int i = 0; i < list_->count(); ++i) textW = std::max(textW, QFontMetrics(list_->font()).horizontalAdvance(list_->item(i)->text()));
  // As wide as the grid, or as its texts need with the check box.
  const int w = std::max(grid_->width(), textW + ScalePixels(40));
  list_->setGeometry(grid_->geometry().right() + 1 + m.ColLeft[1], m.RowTop[1], w, 9 * itemH + 2);
}

bool TFBesGer::readInputs() {
  const std::vector<TVec2> p = ReadGridPoints(grid_, 3);
  for (int i = 0; i < 3; ++i) points_[i] = p[std::size_t(i)];
  return true;
}

void TFBesGer::compute() {
  lines_ = SolveSpecialLines(points_[0], points_[1], points_[2]);
  solved_ = true;
  setMemoLines(SpecialLinesMemo(lines_, choice(), FontTextMeasurer(memoFont())));
}

ChartRange TFBesGer::chartRange() {
  if (!solved_ || !(lines_.ru > 0)) return {};
  const Extended r = 2 * lines_.ru;
  return {lines_.Mu.x - r, lines_.Mu.y - r, lines_.Mu.x + r, lines_.Mu.y + r};
}

void TFBesGer::drawFigures(TVIrada& chart) {
  QStringList captions;
  if (solved_) DrawSpecialLines(chart, lines_, choice(), chartPage().pens(), areaRand_, captions);
  chart.setCaption(captions.join(QStringLiteral(" + ")));
}

void TFBesGer::graphHints(std::array<QString, 13>& hints) {
  hints[0] = GetText(IRange, 251);
  for (int i = 0; i < SpecialLayerCount; ++i) hints[std::size_t(i + 1)] = GetText(IDrei, kLayerItems[i]);
}

void TFBesGer::fillTriangle(QPainter& canvas, int top, int left) {
  if (!solved_) return;
  const TVIrada& chart = chartPage().chart();
  QPolygon polygon;
  for (const TVec2& p : {lines_.A, lines_.B, lines_.C}) {
    int x = 0, y = 0;
    chart.Layers().R2M(1, double(p.x), double(p.y), x, y);
    polygon << QPoint(x - left, y - top);
  }
  canvas.save();
  canvas.setPen(areaRand_ > 0 ? QPen(Qt::black, areaRand_) : QPen(Qt::NoPen));
  canvas.setBrush(ToQColor(PaletteColor(areaColor_)));
  canvas.drawPolygon(polygon);
  canvas.restore();
}

}  // namespace zw
