#include "topics/plane/Drei1Window.h"

#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QTabWidget>
#include <cmath>

#include "kernel/CalcFailure.h"
#include "shell/Metrics.h"
#include "shell/kit/InputRows.h"
#include "shell/texts/Texts.h"
#include "topics/frame/ChartHelpers.h"
#include "topics/plane/PlaneWindowKit.h"

namespace zw {

namespace {

// The fields in the order they are read and focused, with their worksheet
// keys; the second column holds p, q and A.
struct FieldDef {
  int quantity;
  const char* key;
  const char16_t* name;
  int textItem;  // item of IDrei1 before the name
};
constexpr FieldDef kFields[RtCount] = {
    {RtA, "a", u"  a = ", 2},     {RtB, "b", u"  b = ", 2},         {RtC, "c", u"  c = ", 4},
    {RtAlpha, "alpha", u"  α = ", 5}, {RtBeta, "beta", u"  β = ", 5}, {RtH, "h", u"  h = ", 7},
    {RtP, "p", u"  p = ", 6},     {RtQ, "q", u"  q = ", 6},         {RtArea, "F", u"  A = ", 8},
};

QString CaptionOf(const FieldDef& f) { return GetText(IDrei1, f.textItem) + QString::fromUtf16(f.name); }

TopicConfig Config() {
  TopicConfig c = PlaneChartConfig();
  c.check = InputCheck::OneBoxFirstField;
  c.save = SavePolicy::NonEmptyTrimmed;
  c.taskLines = 2;
  return c;
}

}  // namespace

QImage Drei1Sketch(int W, int H, const QFont& font) {
  QImage img(std::max(W, 1), std::max(H, 1), QImage::Format_RGB32);
  img.fill(QColor(0xF0, 0xF0, 0xF0));
  if (W < 30 || H < 20) return img;
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  p.setFont(font);
  p.setPen(Qt::black);
  const QFontMetrics fm(font);
  const int wo = fm.horizontalAdvance(QLatin1Char('O')), ho = fm.height();
  const int y0 = H - int(std::lround(10.0 * W / 60)), y1 = H - int(std::lround(33.0 * W / 60));
  const QPoint A(int(std::lround(4.0 * W / 60)), y0), B(int(std::lround(54.0 * W / 60)), y0),
      C(int(std::lround(36.0 * W / 60)), y1);
  p.drawLine(QPoint(C.x(), y0), C);
  p.drawPolygon(QPolygon({A, B, C}));
  auto letter = [&](int x, int top, const char* t) { p.drawText(QPoint(x, top + fm.ascent()), QString::fromLatin1(t)); };
  const int mid = (y0 + y1 - ho) / 2;
  letter((A.x() + C.x()) / 2 - 2 * wo, mid, "b");
  letter((C.x() + B.x()) / 2 + wo, mid, "a");
  letter(C.x() - wo - 1, mid, "h");
  letter(C.x() - wo - 1, y0, "c");
  letter((A.x() + C.x()) / 2, y0 - ho - 1, "q");
  letter((C.x() + B.x() - wo) / 2, y0 - ho - 1, "p");
  letter(A.x() - wo / 2, y0, "A");
  letter(B.x(), y0, "B");
  letter(C.x() - wo / 2, y1 - ho, "C");
  return img;
}

TFDrei1::TFDrei1(QWidget* owner)
    : ChartTopicWindow(owner, ClassName, Config(), [this] {
        ChartPageOptions o;
        o.wheelOnEveryPage = true;
        o.colorList = &colorList_;
        o.widthList = &widthList_;
        o.minVis = 1;
        o.maxVis = 4;
        return o;
      }()) {
  for (int i = 0; i < RtCount; ++i) {
    auto* e = edits_[std::size_t(i)] = new QLineEdit(inputArea());
    e->setObjectName(QStringLiteral("ed_%1").arg(QString::fromLatin1(kFields[i].key)));
    captions_[std::size_t(i)] = new QLabel(inputArea());
    fields().addField(QString::fromLatin1(kFields[i].key), e, u'P');
  }
  sketch_ = new QLabel(inputArea());
  sketch_->setObjectName(QStringLiteral("Image1"));
  // Back on the inputs, the next visit of the chart builds it afresh.
  connect(pageControl(), &QTabWidget::currentChanged, this, [this](int index) {
    if (index == 0) chartPage().setRebuildPending(true);
  });
  addChartKeys();
  initTopic();
}

void TFDrei1::layoutInputs() {
  const LayoutMetrics& m = metrics();
  const FontTextMeasurer text(fonts().TextFont.font);
  int capW[2] = {0, 0};
  for (int i = 0; i < RtCount; ++i) capW[i / 6] = std::max(capW[i / 6], text.width(CaptionOf(kFields[i])));
  capW[0] += ScalePixels(4);
  capW[1] += ScalePixels(4);
  const int editW = NumberEditWidth();
  const int left0 = m.ColLeft[1], left1 = left0 + capW[0] + editW + 2 * ScalePixels(16);
  for (int i = 0; i < RtCount; ++i) {
    const int row = i < 6 ? 1 + i : 4 + (i - 6);
    PlaceLabelEditSized(captions_[std::size_t(i)], edits_[std::size_t(i)], i < 6 ? left0 : left1,
                        m.RowTop[std::size_t(row)], i < 6 ? capW[0] : capW[1], editW, CaptionOf(kFields[i]));
  }
  // The sketch above the second column, from row 1 down to row 3.
  const int top = m.RowTop[1], H = std::max(0, edits_[2]->geometry().top() - top);
  const int W = int(std::lround(1.5 * H));
  sketch_->setGeometry(left1 + ScalePixels(8), top, W, H);
  if (sketch_->pixmap().size() != QSize(W, H) || sketch_->pixmap().isNull())
    sketch_->setPixmap(QPixmap::fromImage(Drei1Sketch(W, H, fonts().TextFont.font)));
  edits_[0]->selectAll();
}

void TFDrei1::compute() {
  int given[2] = {-1, -1}, n = 0;
  Extended values[2] = {0, 0};
  for (int i = 0; i < RtCount; ++i) {
    const Extended v = fields().value(QString::fromLatin1(kFields[i].key));
    if (v > 0) {
      if (n < 2) given[n] = kFields[i].quantity, values[n] = v;
      ++n;
    }
  }
  if (n < 2) throw CalcFailure(3);
  if (n > 2) throw CalcFailure(4);
  const RightTriangle t = SolveRightTriangle(given[0], values[0], given[1], values[1]);
  triangle_ = t;
  solved_ = true;
  setMemoLines(Drei1MemoLines(t, given[0], given[1], FontTextMeasurer(memoFont())));
}

ChartRange TFDrei1::chartRange() {
  const TVIrada& c = chartPage().chart();
  const Extended ratio = c.height() > 0 ? Extended(c.width()) / c.height() : 1;
  const RightTriangle& t = triangle_;
  return {t.M.x - 1.1L * t.ru * ratio, t.M.y - t.ru, t.M.x + 1.1L * t.ru * ratio, t.M.y + t.ru};
}

void TFDrei1::drawFigures(TVIrada& chart) {
  if (!solved_) return;
  const ChartPage& p = chartPage();
  const RightTriangle& t = triangle_;
  DrawTriangle(chart, t.A, t.B, t.C, p.color(1), p.width(1));
  DrawSegment(chart, t.D, t.C, p.color(2), p.width(2));
  DrawCircle(chart, t.M, p.color(3), t.ru, p.width(3));
  DrawCircle(chart, t.O, p.color(4), t.ri, p.width(4));
  chart.setLineWidth(1);
}

void TFDrei1::graphHints(std::array<QString, 13>& hints) {
  hints[1] = GetText(IDrei, 0);
  hints[2] = GetText(IDrei1, 7);
  hints[3] = GetText(IDrei, 7);
  hints[4] = GetText(IDrei, 8);
}

}  // namespace zw
