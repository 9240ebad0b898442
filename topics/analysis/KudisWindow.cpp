#include "topics/analysis/KudisWindow.h"

#include <QCheckBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>

#include "kernel/CheckedInput.h"
#include "kernel/Format.h"
#include "shell/Fonts.h"
#include "shell/Metrics.h"
#include "shell/kit/InputRows.h"
#include "shell/kit/Symbols.h"
#include "shell/texts/Texts.h"
#include "topics/frame/ChartHelpers.h"
#include "topics/frame/InputRejected.h"
#include "topics/frame/TopicPrinting.h"

namespace zw {

namespace {

constexpr int kTablePage = 3;
const char* const kTableKeys[3] = {"ed41", "ed42", TableStepKey};

TopicConfig kudisConfig() {
  TopicConfig c;
  c.pages = TopicConfig::fourPages();
  c.printPages = 3;
  return c;
}

ChartPageOptions kudisChart() {
  ChartPageOptions o;
  o.snapshot = SnapshotColours::FollowSetting;
  o.minVis = 1;
  o.maxVis = 3;
  return o;
}

DiscussionTexts Texts() {
  return {GetText(IKudis, 11), GetText(IKudis, 12), GetText(IKudis, 13), GetText(IKudis, 20),
          GetText(IKudis, 31), GetText(IKudis, 32), GetText(IKudis, 33)};
}

}  // namespace

TFKudis::TFKudis(QWidget* owner)
    : ChartTopicWindow(owner, ClassName, kudisConfig(), kudisChart()),
      angle_(inputArea()),
      range_(chartPage(), {}) {
  QWidget* box = inputArea();
  termCaption_ = new QLabel(box);
  fromCaption_ = new QLabel(box);
  toCaption_ = new QLabel(box);
  term_ = new QLineEdit(box);
  term_->setObjectName(QStringLiteral("edFkt"));
  from_ = new QLineEdit(box);
  from_->setObjectName(QStringLiteral("edxmin"));
  to_ = new QLineEdit(box);
  to_->setObjectName(QStringLiteral("edxmax"));
  derivatives_ = new QGroupBox(box);
  derivatives_->setObjectName(QStringLiteral("gbAbleitungen"));
  auto* column = new QVBoxLayout(derivatives_);
  cbf1_ = new QCheckBox(FunctionSign() + QStringLiteral("'(x)"), derivatives_);
  cbf2_ = new QCheckBox(FunctionSign() + QStringLiteral("\"(x)"), derivatives_);
  column->addWidget(cbf1_);
  column->addWidget(cbf2_);
  cbf1_->setChecked(true);
  cbf2_->setChecked(true);
  // The second derivative is symbolic only together with the first.
  connect(cbf1_, &QCheckBox::clicked, this, [this](bool on) {
    if (!on) cbf2_->setChecked(false);
  });
  connect(cbf2_, &QCheckBox::clicked, this, [this](bool on) {
    if (on) cbf1_->setChecked(true);
  });
  fields().addField(QString::fromLatin1(KudisTermKey), term_, 0).longest = QStringLiteral("sin(x)*exp(-x^2/10)+x^3");
  fields().addField(QString::fromLatin1(KudisFromKey), from_, u'e', QStringLiteral("-10"));
  fields().addField(QString::fromLatin1(KudisToKey), to_, u'e', QStringLiteral("10"));
  AttachTermEditMenu(term_, clipboard_, [this](const std::function<void()>& f) { runGuarded(f); });

  switches_ = new CurveSwitches(contentBox(2), 3, clSilver, [this](int) {
    updateSwitches();
    chartPage().drawChart();
  });
  switches_->setLabels({QStringLiteral(" ") + FunctionSign(), QStringLiteral(" ") + FunctionSign() + QStringLiteral("'"),
                        QStringLiteral(" ") + FunctionSign() + QStringLiteral("\"")});

  QWidget* tableBox = contentBox(kTablePage);
  table_ = new QPlainTextEdit(tableBox);
  table_->setObjectName(QStringLiteral("Memo2"));
  table_->setReadOnly(true);
  table_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  table_->setLineWrapMode(QPlainTextEdit::NoWrap);
  for (auto& h : tableHeads_) h = new QLabel(tableBox);
  for (int i = 0; i < 3; ++i) {
    auto* e = tableEdits_[std::size_t(i)] = new QLineEdit(tableBox);
    e->setObjectName(QStringLiteral("ed4%1").arg(i + 1));
    e->installEventFilter(this);
  }
  digits_ = new QSpinBox(tableBox);
  digits_->setObjectName(QStringLiteral("udSpin4"));
  digits_->setRange(3, 8);
  digits_->setValue(6);
  connect(digits_, &QSpinBox::valueChanged, this, [this] { tableFieldsChanged(); });
  range_.registerKeys(fields());
  addChartKeys();
  initTopic();
}

QWidget* TFKudis::inputFor(const QString& key) const {
  for (int i = 0; i < 3; ++i)
    if (key == QLatin1String(kTableKeys[i])) return tableEdits_[std::size_t(i)];
  return ChartTopicWindow::inputFor(key);
}

void TFKudis::layoutInputs() {
  const LayoutMetrics& m = metrics();
  const FontTextMeasurer font(fonts().TextFont.font);
  const QString c1 = QStringLiteral("  ") + FunctionSign() + QStringLiteral("(x) = ");
  const QString c2 = QStringLiteral("  ") + GetText(IKudis, 12) + QStringLiteral("  ");
  const QString c3 = QStringLiteral("  ") + GetText(IKudis, 13) + QStringLiteral("  ");
  const int left = ScalePixels(16);
  PlaceLabelEdit(termCaption_, term_, left, m.RowTop[1], font.width(c1), c1);
  placeStretched(term_, term_->geometry(), ScalePixels(24));
  PlaceLabelEdit(fromCaption_, from_, left, m.RowTop[2], font.width(c2), c2);
  PlaceLabelEdit(toCaption_, to_, from_->geometry().right() + 1, m.RowTop[2], font.width(c3), c3);
  const int top = m.RowTop[3] + m.HalfRowStep;
  angle_.place(left, top, ScalePixels(240), GetText(IKudis, 15));
  derivatives_->setTitle(GetText(IKudis, 20));
  derivatives_->setFont(fonts().TextFont.font);
  const QSize d = derivatives_->sizeHint();
  derivatives_->setGeometry(angle_.box()->geometry().right() + 1 + ScalePixels(16), top,
                            std::max(d.width(), ScalePixels(120)), std::max(d.height(), angle_.box()->height()));
}

void TFKudis::layoutPage(int index) {
  ChartTopicWindow::layoutPage(index);
  const LayoutMetrics& m = metrics();
  if (index == chartPage().options().pageIndex) {
    TVIrada& chart = chartPage().chart();
    QRect r = chart.geometry();
    r.setWidth(std::max(ScalePixels(100), r.width() - m.RowHeight * 3 / 2));
    chart.setGeometry(r);
    switches_->place(r.right() + 1 + ScalePixels(2), r.top() + chart.MarginTop(), m.RowHeight + 2, m.RowHeight + 4);
  } else if (index == kTablePage) {
    const QRect area = contentBox(kTablePage)->contentsRect();
    const int gap = ScalePixels(8);
    const int editWidth = EditWidthFor(QStringLiteral("-1000000000000"));
    const QString heads[4] = {GetText(ITabelle, 1), GetText(ITabelle, 2), GetText(ITabelle, 3), GetText(ITabelle, 5)};
    int x = area.left() + gap;
    const int top = area.top() + gap;
    for (int i = 0; i < 4; ++i) {
      QLabel* h = tableHeads_[std::size_t(i)];
      h->setFont(fonts().TextFont.font);
      h->setText(heads[i]);
      QWidget* field = i < 3 ? static_cast<QWidget*>(tableEdits_[std::size_t(i)]) : digits_;
      field->setFont(fonts().TextFont.font);
      const int w = i < 3 ? editWidth : std::max(ScalePixels(56), digits_->sizeHint().width());
      const int colWidth = std::max(w, h->sizeHint().width());
      h->setGeometry(x, top, colWidth, m.RowHeight);
      field->setGeometry(x, top + m.RowHeight, w, m.RowHeight);
      x += colWidth + gap;
    }
    const int memoTop = top + 2 * m.RowHeight + gap;
    table_->setFont(memoFont());
    table_->setGeometry(area.left() + gap, memoTop, area.width() - 2 * gap, std::max(m.RowHeight, area.bottom() - memoTop - gap));
  }
}

void TFKudis::compute() {
  DiscussionInput in;
  in.term = DiscussionTerm(term_->text());
  in.fromText = from_->text();
  in.toText = to_->text();
  in.from = fields().value(QString::fromLatin1(KudisFromKey));
  in.to = fields().value(QString::fromLatin1(KudisToKey));
  in.symbolic1 = cbf1_->isChecked();
  in.symbolic2 = cbf2_->isChecked();
  in.context = context();
  f0_ = in.term;
  xvon_ = in.from;
  xbis_ = in.to;
  const DiscussionResult r = DiscussCurve(in, Texts(), FontTextMeasurer(memoFont()));
  d1_ = r.d1;
  d2_ = r.d2;
  for (const DiscussionPoint& p : r.points) {
    xmin_ = std::min(xmin_, p.x), xmax_ = std::max(xmax_, p.x);
    ymin_ = std::min(ymin_, p.y), ymax_ = std::max(ymax_, p.y);
  }
  setMemoLines(r.lines);
  updateSwitches();
}

std::array<QString, 3> TFKudis::hintTexts() const {
  const QString f = FunctionSign();
  return {f + QStringLiteral("(x) = ") + QString::fromStdU16String(f0_),
          f + QStringLiteral("'(x) = ") + QString::fromStdU16String(d1_),
          f + QStringLiteral("\"(x) = ") + QString::fromStdU16String(d2_)};
}

void TFKudis::updateSwitches() {
  const auto h = hintTexts();
  switches_->update({true, true, true}, chartPage().pens(), {h[0], h[1], h[2]});
}

void TFKudis::graphHints(std::array<QString, 13>& hints) {
  const auto h = hintTexts();
  for (int i = 0; i < 3; ++i) hints[std::size_t(i + 1)] = h[std::size_t(i)];
}

ChartRange TFKudis::chartRange() {
  if (xmax_ == xmin_ || ymax_ == ymin_) {
    xmin_ = xvon_, xmax_ = xbis_;
    ymax_ = 0.8L * (xbis_ - xvon_);
    ymin_ = -ymax_;
  }
  ChartRange r;
  const Extended dx = std::fabs(xmax_ - xmin_) / 5, dy = std::fabs(ymax_ - ymin_) / 5;
  r.xLo = xmin_ - dx, r.xHi = xmax_ + dx, r.yLo = ymin_ - dy, r.yHi = ymax_ + dy;
  // A remembered range replaces the ends it names; then the scales are as given.
  bool stored = false;
  Extended v = 0;
  Extended* ends[4] = {&r.xLo, &r.xHi, &r.yLo, &r.yHi};
  const Extended extent[4] = {xmin_, xmax_, ymin_, ymax_};
  for (const QString& t : range_.texts) stored |= !t.trimmed().isEmpty();
  if (stored) {
    for (int i = 0; i < 4; ++i) *ends[i] = ReadRangeText(range_.texts[std::size_t(i)], v) ? v : extent[i];
    r.equalScales = false;
  }
  return r;
}

void TFKudis::drawFigures(TVIrada& chart) {
  const FormulaContext c = context();
  const GraphPens pens = chartPage().pens();
  const QString term = QString::fromStdU16String(f0_);
  updateSwitches();
  if (switches_->shown(1)) PlotTerm(term, chart, pens.color[1], pens.width[1], c);
  // The derivative curves are the numeric ones whatever the check boxes say.
  if (switches_->shown(2)) PlotDerivative1(term, chart, pens.color[2], pens.width[2], c);
  if (switches_->shown(3)) PlotDerivative2(term, chart, pens.color[3], pens.width[3], c);
}

void TFKudis::enterOtherPage(int index) {
  if (index != kTablePage) return;
  runComputation();
  if (currentPage() != kTablePage) return;  // the inputs were refused
  tableEdits_[0]->setText(from_->text().trimmed().isEmpty() ? QStringLiteral("0") : from_->text());
  tableEdits_[1]->setText(to_->text().trimmed().isEmpty() ? QStringLiteral("0") : to_->text());
  Extended a = xvon_, b = xbis_;
  if (a > b) std::swap(a, b);
  const Extended step = ValueTableStep(a, b);
  tableEdits_[2]->setText(QString::fromStdU16String(FormatReal(8, step)));
  buildTable(a, b, step);
  tableEdits_[0]->setFocus();
}

void TFKudis::tableFieldsChanged() {
  runGuarded([this] { readTableFields(); });
}

void TFKudis::readTableFields() {
  Extended v[3] = {};
  for (int i = 0; i < 3; ++i) {
    std::int32_t ok = 0;
    ReadValue(tableEdits_[std::size_t(i)]->text().trimmed().toStdU16String(), v[i], u'e', ok);
    if (!ok) throw InputRejected(kTableKeys[i]);
  }
  buildTable(v[0], v[1], v[2]);
}

void TFKudis::buildTable(Extended from, Extended to, Extended step) {
  ValueTableInput in;
  in.term = f0_;
  in.fromText = tableEdits_[0]->text();
  in.toText = tableEdits_[1]->text();
  in.from = from, in.to = to, in.step = step;
  in.digits = digits_->value();
  in.symbolic1 = cbf1_->isChecked();
  in.symbolic2 = cbf2_->isChecked();
  in.context = context();
  table_->setPlainText(KudisValueTable(in, GetText(ITabelle, 1), GetText(ITabelle, 2), FontTextMeasurer(memoFont()))
                           .join(u'\n'));
}

bool TFKudis::eventFilter(QObject* watched, QEvent* event) {
  for (QLineEdit* e : tableEdits_) {
    if (watched != e) continue;
    const bool enter = event->type() == QEvent::KeyRelease &&
                       (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Return ||
                        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Enter);
    // Leaving a field for another of this window (not for an error box).
    if (enter || (event->type() == QEvent::FocusOut && isActiveWindow()))
      tableFieldsChanged();
  }
  return ChartTopicWindow::eventFilter(watched, event);
}

void TFKudis::printPageRange(QPainter& painter, QPagedPaintDevice& device, PrintCursor& cursor, int first, int last) {
  const QFont font = PrinterFont(memoFont());
  for (int page = first; page <= last; ++page) {
    if (page > first) device.newPage();
    painter.setFont(font);
    cursor.lineStep = QFontMetrics(font, &device).height();
    switch (page) {
      case 1:
        PrintPageHeader(painter, cursor, GetText(IKudis, 0));
        PrintMemoLines(painter, device, memoFont(), memoLines(), cursor);
        break;
      case 2: {
        // The chart shows even when its page was never opened.
        if (chartPage().rebuildPending()) chartPage().initChart();
        painter.setFont(font);
        cursor.y = 300 + cursor.lineStep;
        painter.drawText(500, cursor.y, FunctionSign() + QStringLiteral("(x) = ") + term_->text());
        cursor.y = 300 + 2 * cursor.lineStep;
        chartPage().print(painter, device, cursor);
        const GraphPens pens = chartPage().pens();
        std::vector<LegendEntry> legend;
        for (int i = 1; i <= 3; ++i)
          if (switches_->shown(i)) legend.push_back({pens.color[std::size_t(i)], switches_->box(i)->text()});
        PrintCurveLegend(painter, cursor.y - cursor.lineStep, legend, QStringLiteral(" f    "));
        break;
      }
      default:
        cursor.y = 300;
        PrintMemoLines(painter, device, memoFont(), table_->toPlainText().split(u'\n'), cursor);
        break;
    }
  }
}

}  // namespace zw
