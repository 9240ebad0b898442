#include "topics/plane/KreisWindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <cmath>

#include "kernel/CalcFailure.h"
#include "shell/Metrics.h"
#include "shell/kit/InputRows.h"
#include "shell/texts/Texts.h"
#include "topics/frame/ChartHelpers.h"
#include "topics/plane/PlaneWindowKit.h"

namespace zw {

namespace {

// Fields in the order they are read and focused: r, α, b, s, d, h, A1.
struct FieldDef {
  const char* key;
  int bit;
  int column, row;  // place on the input page
};
constexpr FieldDef kFields[7] = {{"r", KR, 0, 0},   {"alpha", KAlpha, 0, 1}, {"b", KB, 0, 2}, {"s", KS, 1, 0},
                                 {"d", KD, 1, 1},   {"h", KH, 1, 2},         {"F", KA1, 1, 3}};

QString captionOf(int i) {
  static const char16_t* names[6] = {u"  r = ", u"  α = ", u"  b = ", u"  s = ", u"  d = ", u"  h = "};
  return i < 6 ? QString::fromUtf16(names[i]) : GetText(IKreis, 6) + QStringLiteral(" = ");
}

ChartPageOptions Options() {
  ChartPageOptions o;
  o.visit = ChartVisit::FreshEveryVisit;
  o.maxVis = 6;
  return o;
}

QColor Qc(TColor c) { return QColor(int(c & 0xFF), int((c >> 8) & 0xFF), int((c >> 16) & 0xFF)); }

}  // namespace

QImage KreisSketch(int S, const std::array<bool, 6>& given, const std::array<TColor, 6>& colors) {
  QImage img(std::max(S, 1), std::max(S, 1), QImage::Format_RGB32);
  img.fill(QColor(0xF0, 0xF0, 0xF0));
  if (S < 20) return img;
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  QFont f = fonts().TextFont.font;
  p.setFont(f);
  const double u = S / 40.0;
  auto pt = [&](double x, double y) { return QPointF(x * u, S - y * u); };  // sketch units, y up
  const double R = 33, a = 60 * M_PI / 180;
  const QPointF C = pt(3, 5), P0 = pt(3 + R, 5), Pa = pt(3 + R * std::cos(a), 5 + R * std::sin(a));
  const QPointF Q = (P0 + Pa) / 2;
  const QPointF T = pt(3 + R * std::cos(a / 2), 5 + R * std::sin(a / 2));
  auto pen = [&](int i) {
    p.setPen(QPen(given[std::size_t(i)] ? Qc(colors[std::size_t(i)]) : QColor(Qt::black), given[std::size_t(i)] ? 2 : 1));
  };
  auto letter = [&](const QPointF& at, const QString& t) { p.drawText(at, t); };
  pen(0);  // r
  p.drawLine(C, P0);
  p.drawLine(C, Pa);
  letter((C + P0) / 2 + QPointF(0, -3), QStringLiteral("r"));
  pen(2);  // b
  const QRectF circle(pt(3 - R, 5 + R), pt(3 + R, 5 - R));
  p.drawArc(circle, 0, 60 * 16);
  letter(pt(3 + (R + 2) * std::cos(a * 0.8), 5 + (R + 2) * std::sin(a * 0.8)), QStringLiteral("b"));
  pen(3);  // s
  p.drawLine(P0, Pa);
  // Labels apart from each other: s low on the chord, h beyond the arc's middle.
  letter(P0 + (Pa - P0) * 0.25 + QPointF(-3 * u, 0), QStringLiteral("s"));
  pen(4);  // d
  p.drawLine(C, Q);
  letter((C + Q) / 2 + QPointF(0, -3), QStringLiteral("d"));
  pen(5);  // h
  p.drawLine(Q, T);
  letter(T + QPointF(u, u), QStringLiteral("h"));
  pen(1);  // α
  const double ra = R / 5;
  p.drawArc(QRectF(pt(3 - ra, 5 + ra), pt(3 + ra, 5 - ra)), 0, 60 * 16);
  letter(pt(3 + ra + 1, 5 + 1), QStringLiteral("α"));
  return img;
}

TFKreis::TFKreis(QWidget* owner) : ChartTopicWindow(owner, ClassName, PlaneChartConfig(), Options()) {
  for (int i = 0; i < 7; ++i) {
    auto* e = edits_[std::size_t(i)] = new QLineEdit(inputArea());
    e->setObjectName(QStringLiteral("Edit%1").arg(i + 1));
    captions_[std::size_t(i)] = new QLabel(inputArea());
    fields().addField(QString::fromLatin1(kFields[i].key), e, u'P');
    // The sketch follows the typing.
    connect(e, &QLineEdit::textChanged, this, guardedSlot([this] { updateSketch(); }));
  }
  sketch_ = new QLabel(inputArea());
  sketch_->setObjectName(QStringLiteral("Image1"));
  addChartKeys();
  initTopic();
}

void TFKreis::layoutInputs() {
  const LayoutMetrics& m = metrics();
  const FontTextMeasurer text(fonts().TextFont.font);
  int capW[2] = {0, 0};
  for (int i = 0; i < 6; ++i) capW[kFields[i].column] = std::max(capW[kFields[i].column], text.width(captionOf(i)) + ScalePixels(4));
  const int editW = NumberEditWidth();
  const int left0 = m.ColLeft[1], left1 = left0 + capW[0] + editW + ScalePixels(16);
  for (int i = 0; i < 7; ++i) {
    const FieldDef& f = kFields[i];
    int left = f.column == 0 ? left0 : left1, cw = capW[f.column];
    if (i == 6) {  // the A1 caption ends where the second column's fields begin
      cw = text.width(captionOf(6)) + ScalePixels(4);
      left = left1 + capW[1] - cw;
    }
    PlaceLabelEditSized(captions_[std::size_t(i)], edits_[std::size_t(i)], left, m.RowTop[std::size_t(1 + f.row)], cw,
                        editW, captionOf(i));
    if (i < 6) {
      QPalette pal = captions_[std::size_t(i)]->palette();
      pal.setColor(QPalette::WindowText, QColor(Qc(chartPage().color(i + 1))));
      captions_[std::size_t(i)]->setPalette(pal);
    }
  }
  const QRect sField = edits_[3]->geometry();
  const int side = std::max(0, edits_[6]->geometry().bottom() - sField.top());
  sketch_->setGeometry(sField.right() + 1 + ScalePixels(16), sField.top(), side, side);
  updateSketch();
}

void TFKreis::updateSketch() {
  std::array<bool, 6> given{};
  for (int i = 0; i < 6; ++i) given[std::size_t(i)] = !edits_[std::size_t(i)]->text().trimmed().isEmpty();
  // Redrawn only when what it shows changed.
  if (sketch_->size() == sketchSize_ && given == sketchGiven_ && !sketch_->pixmap().isNull()) return;
  sketchSize_ = sketch_->size();
  sketchGiven_ = given;
  std::array<TColor, 6> colors{};
  for (int i = 0; i < 6; ++i) colors[std::size_t(i)] = chartPage().color(i + 1);
  sketch_->setPixmap(QPixmap::fromImage(KreisSketch(sketch_->width(), given, colors)));
}

void TFKreis::compute() {
  CircleParts p;
  int mask = 0, n = 0;
  Extended* vals[7] = {&p.r, &p.alpha, &p.b, &p.s, &p.d, &p.h, &p.A1};
  for (int i = 0; i < 7; ++i) {
    *vals[i] = fields().value(QString::fromLatin1(kFields[i].key));
    if (*vals[i] > 0) mask |= kFields[i].bit, ++n;
  }
  if (n >= 3) throw CalcFailure(4);
  if (n <= 1 && mask != KR) throw CalcFailure(3);
  try {
    parts_ = SolveCircleParts(mask, p);
  } catch (const CalcFailure&) {
    mask_ = 0;
    throw;
  }
  mask_ = mask;
  setMemoLines(KreisMemoLines(mask_, parts_, FontTextMeasurer(memoFont())));
}

void TFKreis::enterChartPage(int index) {
  // The chart works from the last reading that passed; a window that has
  // none yet reads its fields first.
  if (mask_ == 0) {
    runComputation();
    if (currentPage() != index) return;  // the reading failed and brought the inputs back
  }
  if (mask_ == 0) throw CalcFailure(32);
  setMemoLines(KreisMemoLines(mask_, parts_, FontTextMeasurer(memoFont())));
  if (index == chartPage().options().pageIndex) chartPage().visit();
}

ChartRange TFKreis::chartRange() {
  ChartRange r;
  KreisRange(parts_, r.xLo, r.yLo, r.xHi, r.yHi);
  return r;
}

void TFKreis::drawFigures(TVIrada& chart) {
  ChartPage& pg = chartPage();
  const TVec2 M{1, 1};
  const Extended r = parts_.r, a = parts_.alpha * M_PIl / 180;
  const TVec2 P0{M.x + r, M.y}, Pa{M.x + r * std::cos(a), M.y + r * std::sin(a)};
  const TVec2 Q{(P0.x + Pa.x) / 2, (P0.y + Pa.y) / 2};
  const TVec2 T{M.x + r * std::cos(a / 2), M.y + r * std::sin(a / 2)};
  if (pg.width(1) >= 1) {
    DrawSegment(chart, M, P0, pg.color(1), pg.width(1));
    DrawSegment(chart, M, Pa, pg.color(1), pg.width(1));
  }
  DrawArc(chart, M, pg.color(2), r, parts_.alpha, pg.width(2));
  DrawChord(chart, M, pg.color(3), r, parts_.alpha, pg.width(3));
  if (pg.width(4) >= 1) DrawSegment(chart, M, Q, pg.color(4), pg.width(4));
  if (pg.width(5) >= 1) DrawSegment(chart, Q, T, pg.color(5), pg.width(5));
  DrawArc(chart, M, pg.color(6), r / 8, parts_.alpha, pg.width(6));
  chart.setLineWidth(1);
}

void TFKreis::graphHints(std::array<QString, 13>& hints) {
  const int items[6] = {2, 4, 5, 10, 11, 3};
  for (int i = 0; i < 6; ++i) hints[std::size_t(i + 1)] = GetText(IKreis, items[i]);
}

}  // namespace zw
