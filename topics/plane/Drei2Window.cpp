#include "topics/plane/Drei2Window.h"

#include <QLabel>
#include <QLineEdit>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QTabWidget>
#include <cmath>

#include "kernel/CalcFailure.h"
#include "shell/Metrics.h"
#include "shell/kit/InputRows.h"
#include "shell/texts/Texts.h"
#include "topics/frame/ChartPrinting.h"
#include "topics/frame/TopicPrinting.h"
#include "topics/plane/PlaneWindowKit.h"

namespace zw {

namespace {

constexpr int kChart1 = 2, kChart2 = 3;

const char* const kKeys[TqCount] = {"a", "b", "c", "alpha", "beta", "gamma"};
const char16_t* const kNames[TqCount] = {u"  a = ", u"  b = ", u"  c = ", u"  α = ", u"  β = ", u"  γ = "};

TopicConfig Config() {
  TopicConfig c = PlaneChartConfig();
  c.pages.push_back({PageKind::Chart, 0, IVorlage});  // captioned only while a second solution exists
  c.check = InputCheck::OneBoxFirstField;
  c.taskLines = 1;
  return c;
}

ChartPageOptions ChartOptions(int page, QString* colors, QString* widths) {
  ChartPageOptions o;
  o.pageIndex = page;
  o.visit = ChartVisit::FreshEveryVisit;
  o.colorList = colors;
  o.widthList = widths;
  o.minVis = 1;
  o.maxVis = 3;
  return o;
}

}  // namespace

QImage Drei2Sketch(int W, int H, const QFont& font) {
  QImage img(std::max(W, 1), std::max(H, 1), QImage::Format_RGB32);
  img.fill(QColor(0xF0, 0xF0, 0xF0));
  if (W < 30 || H < 20) return img;
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  p.setFont(font);
  p.setPen(Qt::black);
  const QFontMetrics fm(font);
  const int wo = fm.horizontalAdvance(QLatin1Char('O')), ho = fm.height();
  auto r = [W](double k) { return int(std::lround(k * W / 60)); };
  const QPoint A(r(4), H - r(10)), B(r(54), H - r(10)), C(r(36), H - r(33));
  p.drawPolygon(QPolygon({A, B, C}));
  auto letter = [&](QPoint at, const QString& t) { p.drawText(QPoint(at.x(), at.y() + fm.ascent()), t); };
  letter((B + C) / 2 + QPoint(wo / 2, -ho / 2), QStringLiteral("a"));
  letter((A + C) / 2 + QPoint(-wo - wo / 2, -ho / 2), QStringLiteral("b"));
  letter(QPoint(C.x() - 2 * wo, A.y()), QStringLiteral("c"));
  // The angle at each vertex: an arc between its sides and the Greek letter inside.
  auto direction = [](QPoint from, QPoint to) {
    return std::atan2(double(from.y() - to.y()), double(to.x() - from.x())) * 180 / M_PI;
  };
  auto angle = [&](QPoint V, QPoint P, QPoint Q, double radius, const QString& name) {
    double a1 = direction(V, P), a2 = direction(V, Q);
    double span = a2 - a1;
    while (span < 0) span += 360;
    if (span > 180) {
      std::swap(a1, a2);
      span = 360 - span;
    }
    const int rr = int(std::lround(radius * wo));
    p.drawArc(QRect(V.x() - rr, V.y() - rr, 2 * rr, 2 * rr), int(std::lround(a1 * 16)), int(std::lround(span * 16)));
    const double mid = (a1 + span / 2) * M_PI / 180, at = rr * 0.55;
    const QPoint centre(V.x() + int(std::lround(at * std::cos(mid))), V.y() - int(std::lround(at * std::sin(mid))));
    letter(centre - QPoint(fm.horizontalAdvance(name) / 2, ho / 2), name);
  };
  angle(A, B, C, 2.5, QStringLiteral("α"));
  angle(B, C, A, 2.0, QStringLiteral("β"));
  angle(C, A, B, 1.6, QStringLiteral("γ"));
  return img;
}

TFDrei2::TFDrei2(QWidget* owner)
    : ChartTopicWindow(owner, ClassName, Config(), ChartOptions(kChart1, &colorList_, &widthList_)) {
  for (int i = 0; i < TqCount; ++i) {
    auto* e = edits_[std::size_t(i)] = new QLineEdit(inputArea());
    e->setObjectName(QStringLiteral("Edit%1").arg(i + 1));
    captions_[std::size_t(i)] = new QLabel(inputArea());
    fields().addField(QString::fromLatin1(kKeys[i]), e, u'P');
  }
  sketch_ = new QLabel(inputArea());
  sketch_->setObjectName(QStringLiteral("Image1"));
  chart2_ = new ChartPage(*this, ChartOptions(kChart2, &colorList_, &widthList_),
                          {[this] { return secondFigure_.ku.c > 0 ? TriangleChartRange(secondFigure_, chart2_->chart()) : ChartRange{}; },
                           [this](TVIrada& c) {
                             if (secondDrawn_) DrawTriangleWithCircles(c, *chart2_, secondFigure_);
                           },
                           [](std::array<QString, 13>& h) { TriangleGraphHints(h); }});
  chart2_->chart().setObjectName(QStringLiteral("VIrada2"));
  chart2_->aspectButton()->setObjectName(QStringLiteral("btnAspect2"));
  chart2_->centerButton()->setObjectName(QStringLiteral("btnCenter2"));
  chart2_->settingsButton()->setObjectName(QStringLiteral("btnSettings2"));
  // Equal scales on the second chart wait for its next drawing.
  QObject::disconnect(chart2_->aspectButton(), &QPushButton::clicked, chart2_, nullptr);
  connect(chart2_->aspectButton(), &QPushButton::clicked, this,
          guardedSlot([this] { SetAspect11(chart2_->chart()); }));
  // OK on the first chart goes on to the second only while there is one.
  QObject::disconnect(okButton(kChart1), &QPushButton::clicked, this, nullptr);
  connect(okButton(kChart1), &QPushButton::clicked, this, guardedSlot([this] {
            const int next = hasSecondSolution() ? kChart2 : 0;
            showPageSilently(next);
            pageChanged(next);
          }));
  addChartKeys();
  initTopic();
  showSolutionCount();
}

void TFDrei2::relayout() {
  ChartTopicWindow::relayout();
  showSolutionCount();
}

void TFDrei2::showSolutionCount() {
  const bool two = hasSecondSolution();
  pageControl()->setTabText(kChart2, two ? GetText(IPage, 4) + QStringLiteral(" 2") : QString());
  pageControl()->setTabEnabled(kChart2, two);
}

void TFDrei2::layoutInputs() {
  const LayoutMetrics& m = metrics();
  const FontTextMeasurer text(fonts().TextFont.font);
  const int capW = text.width(QStringLiteral("  a = ")) + ScalePixels(4);
  const int editW = NumberEditWidth();
  const int left0 = m.ColLeft[1], left1 = left0 + capW + editW + 2 * ScalePixels(16);
  for (int i = 0; i < TqCount; ++i) {
    const int row = i % 3;
    PlaceLabelEditSized(captions_[std::size_t(i)], edits_[std::size_t(i)], i < 3 ? left0 : left1,
                        m.RowTop[std::size_t(1 + row)] + ScalePixels(8 * row), capW, editW,
                        QString::fromUtf16(kNames[i]));
  }
  // The sketch right of the angles, from the top of α down.
  const QRect first = edits_[TqAlpha]->geometry(), last = edits_[TqGamma]->geometry();
  const int H = int(std::lround(1.2 * (last.bottom() - first.top())));
  const int W = int(std::lround(1.5 * H));
  sketch_->setGeometry(first.right() + 1 + ScalePixels(16), first.top(), W, H);
  if (sketch_->pixmap().size() != QSize(W, H) || sketch_->pixmap().isNull())
    sketch_->setPixmap(QPixmap::fromImage(Drei2Sketch(W, H, fonts().TextFont.font)));
}

void TFDrei2::layoutPage(int index) {
  if (index == kChart2)
    chart2_->layout();
  else
    ChartTopicWindow::layoutPage(index);
}

void TFDrei2::compute() {
  std::array<Extended, TqCount> values{};
  std::array<QString, TqCount> texts;
  for (int i = 0; i < TqCount; ++i) {
    values[std::size_t(i)] = fields().value(QString::fromLatin1(kKeys[i]));
    texts[std::size_t(i)] = edits_[std::size_t(i)]->text().trimmed();
  }
  Drei2Result r;
  try {
    SolveDrei2(values, texts, FontTextMeasurer(memoFont()), r);
  } catch (const CalcFailure&) {
    // What was written before the failure stays.
    if (!r.memo.isEmpty()) setMemoLines(r.memo);
    throw;
  }
  result_ = r;
  solved_ = true;
  fresh1_ = fresh2_ = false;
  if (r.hasSecond) {
    secondFigure_ = r.second;
    secondDrawn_ = true;
  }
  setMemoLines(r.memo);
  pageControl()->setTabText(kChart1, GetText(IPage, 4) + (r.hasSecond ? QStringLiteral(" 1") : QString()));
  showSolutionCount();
}

void TFDrei2::enterChartPage(int index) {
  ChartTopicWindow::enterChartPage(index);
  if (index == kChart1) fresh1_ = true;
  if (index == kChart2) {
    chart2_->visit();
    fresh2_ = true;
  }
}

ChartRange TFDrei2::chartRange() {
  return solved_ ? TriangleChartRange(result_.first, chartPage().chart()) : ChartRange{};
}

void TFDrei2::drawFigures(TVIrada& chart) {
  if (solved_) DrawTriangleWithCircles(chart, chartPage(), result_.first);
}

void TFDrei2::graphHints(std::array<QString, 13>& hints) { TriangleGraphHints(hints); }

void TFDrei2::cmdChartSettings2() {
  runGuarded([this] { chart2_->openSettings(); });
}

TopicPicture* TFDrei2::picture() {
  if (currentPage() == kChart1) return &chartPage();
  if (currentPage() == kChart2) return chart2_;
  return nullptr;
}

void TFDrei2::printBody(QPainter& painter, QPagedPaintDevice& device, PrintCursor& cursor) {
  // The charts show the last computation even when their pages were never opened.
  if (solved_ && !fresh1_) {
    chartPage().initChart();
    fresh1_ = true;
  }
  const QStringList lines = memoLines();
  if (!hasSecondSolution() || result_.ruleLine < 0 || result_.ruleLine > lines.size()) {
    PrintMemoLines(painter, device, memoFont(), lines, cursor);
    chartPage().print(painter, device, cursor);
    return;
  }
  if (!fresh2_) {
    chart2_->initChart();
    fresh2_ = true;
  }
  // Each solution on a page of its own, the rule between them left out.
  PrintMemoLines(painter, device, memoFont(), lines.mid(0, result_.ruleLine), cursor);
  chartPage().print(painter, device, cursor);
  device.newPage();
  cursor.x = 500;
  cursor.y = 300;
  PrintMemoLines(painter, device, memoFont(), lines.mid(result_.ruleLine + 1), cursor);
  chart2_->print(painter, device, cursor);
}

}  // namespace zw
