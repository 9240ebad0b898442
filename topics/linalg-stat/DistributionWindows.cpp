#include "topics/linalg-stat/DistributionWindows.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <cmath>

#include "common/TextMeasurer.h"
#include "shell/Fonts.h"
#include "shell/Metrics.h"
#include "shell/kit/InputRows.h"
#include "shell/texts/Texts.h"
#include "topics/frame/InputRejected.h"

namespace zw {

namespace {

TopicConfig DistributionConfig(int taskLines) {
  TopicConfig c;
  c.pages = TopicConfig::inputResultsChart();
  c.tabStyle = TabStyle::Shell;
  c.check = InputCheck::OneBoxLastField;
  c.taskLines = taskLines;
  return c;
}

ChartPageOptions DistributionChartOptions(bool areaVisible) {
  ChartPageOptions o = BarChartOptions();
  o.areaVis = areaVisible;
  return o;
}

// Set-up positions of the scroll bars.
constexpr int kDepth = 10, kAngle = 30;

// A whole number read by the field check as an integer; far beyond every
// bound for a value no 64-bit integer holds, so the bounds refuse it.
std::int64_t Whole(Extended x, const char* key) {
  x = std::trunc(x);
  if (!(std::fabs(x) < 1e18L)) throw InputRejected(key);
  return std::int64_t(x);
}

}  // namespace

DistributionWindow::DistributionWindow(QWidget* owner, std::string_view className, int taskLines,
                                       bool areaVisible)
    : BarChartWindow(owner, className, DistributionConfig(taskLines), DistributionChartOptions(areaVisible), 50) {
  colour_ = new QCheckBox(inputArea());
  colour_->setObjectName(QStringLiteral("cbFarbe"));
  connect(colour_, &QCheckBox::toggled, this, guardedSlot([this] {
            if (computed_) chartPage().drawChart();
          }));
  resetBars(kDepth, kAngle);
}

QLineEdit* DistributionWindow::addEdit(const char* key, char16_t kind) {
  QLabel* caption = new QLabel(inputArea());
  QLineEdit* e = new QLineEdit(inputArea());
  e->setObjectName(QStringLiteral("Edit%1").arg(editCount_ + 1));
  captions_[std::size_t(editCount_)] = caption;
  edits_[std::size_t(editCount_++)] = e;
  fields().addField(QString::fromLatin1(key), e, kind);
  return e;
}

QLineEdit* DistributionWindow::edit(const char* key) const {
  return qobject_cast<QLineEdit*>(inputFor(QString::fromLatin1(key)));
}

QString DistributionWindow::trimmed(const char* key) const { return edit(key)->text().trimmed(); }

bool DistributionWindow::readInputs() {
  if (trimmed(DistKMinKey).isEmpty()) edit(DistKMinKey)->setText(kminDefault_);
  if (trimmed(DistKMaxKey).isEmpty()) edit(DistKMaxKey)->setText(edit(DistNKey)->text());
  return BarChartWindow::readInputs();
}

void DistributionWindow::showTable(const QString& head, DistributionTable table, const QString& equals) {
  const std::int64_t kmin = Whole(fields().value(DistKMinKey), DistKMinKey);
  const std::int64_t kmax = Whole(fields().value(DistKMaxKey), DistKMaxKey);
  setMemoLines(DistributionMemoLines(head, table, kmin, kmax, equals));
  table_ = std::move(table);
  kmin_ = kmin;
  kmax_ = kmax;
  computed_ = true;
  pictureChanged();
}

ChartRange DistributionWindow::chartRange() {
  // Every set-up of the picture starts from the same view.
  resetBars(kDepth, kAngle);
  ChartRange r;
  r.equalScales = false;
  if (!computed_) return r;
  const double lo = double(std::min(kmin_, kmax_)), hi = double(std::max(kmin_, kmax_));
  const double margin = hi > lo ? (hi - lo) / 10 : 1;
  r.xLo = lo - margin;
  r.xHi = hi + margin;
  r.yLo = -0.01;
  r.yHi = std::max(DistributionChartTop(table_), 0.01);
  chartPage().chart().Layers().Y(1).setDecPlaces(2);
  return r;
}

void DistributionWindow::drawFigures(TVIrada& chart) {
  if (!computed_) return;
  DrawDistributionBars(chart, table_, kmin_, kmax_, barDepth(), barAngle(), colour_->isChecked());
}

// ----- binomial distribution

TFBinVer::TFBinVer(QWidget* owner) : DistributionWindow(owner, ClassName, 7, false) {
  kminDefault_ = QStringLiteral("1");
  addEdit(DistNKey, u'n');
  addEdit(DistPKey, u'e');
  addEdit(DistKMinKey, u'N');
  addEdit(DistKMaxKey, u'n');
  hint_ = new QLabel(inputArea());
  hint_->setObjectName(QStringLiteral("Panel2"));
  colour_->setChecked(true);
  initTopic();
}

void TFBinVer::layoutInputs() {
  const LayoutMetrics& m = metrics();
  const FontTextMeasurer font(fonts().TextFont.font);
  const int captionWidth = std::max(font.width(QStringLiteral("k-max = ")), font.width(QStringLiteral("n = ")));
  const int editWidth = NumberEditWidth();
  const int left = m.ColLeft[1];
  const int second = left + captionWidth + editWidth + ScalePixels(24);
  const char* captions[4] = {"n = ", "p = ", "k-min = ", "k-max = "};
  for (int i = 0; i < 4; ++i)
    PlaceLabelEditSized(captions_[std::size_t(i)], edits_[std::size_t(i)], i % 2 ? second : left,
                        m.RowTop[std::size_t(1 + i / 2)], captionWidth, editWidth, QString::fromLatin1(captions[i]));
  PlaceLabel(hint_, second + captionWidth + editWidth + ScalePixels(8), m.RowTop[1], 0, m.RowHeight,
             QStringLiteral("( 0 ") + QChar(0x2264) + QStringLiteral(" p ") + QChar(0x2264) + QStringLiteral(" 1 )"),
             fonts().TextFont);
  colour_->setFont(fonts().TextFont.font);
  colour_->setText(QStringLiteral(" ") + GetText(IRange, 44));
  colour_->setGeometry(left + captionWidth, m.RowTop[3], colour_->sizeHint().width(), m.RowHeight);
}

void TFBinVer::compute() {
  const std::int64_t n = Whole(fields().value(DistNKey), DistNKey);
  DistributionTable t = BinomialTable(n, double(fields().value(DistPKey)));
  showTable(QStringLiteral("  n = ") + trimmed(DistNKey) + QStringLiteral(";    p = ") + trimmed(DistPKey), std::move(t),
       QStringLiteral(") ="));
}

// ----- hypergeometric distribution

TFHypVer::TFHypVer(QWidget* owner) : DistributionWindow(owner, ClassName, 8, true) {
  kminDefault_ = QStringLiteral("0");
  addEdit(DistNKey, u'n');
  addEdit(DistMKey, u'e');
  addEdit(DistRKey, u'e');
  addEdit(DistKMinKey, u'N');
  addEdit(DistKMaxKey, u'n');
  initTopic();
}

void TFHypVer::layoutInputs() {
  const LayoutMetrics& m = metrics();
  const FontTextMeasurer font(fonts().TextFont.font);
  const int captionWidth = font.width(QStringLiteral("k-max = "));
  const int editWidth = NumberEditWidth();
  const int step = captionWidth + editWidth + ScalePixels(24);
  const int lefts[3] = {m.ColLeft[1], m.ColLeft[1] + step, m.ColLeft[1] + 2 * step};
  const char* captions[5] = {"n = ", "m = ", "r = ", "k-min = ", "k-max = "};
  for (int i = 0; i < 5; ++i)
    PlaceLabelEditSized(captions_[std::size_t(i)], edits_[std::size_t(i)], lefts[i < 3 ? i : i - 3],
                        m.RowTop[std::size_t(i < 3 ? 1 : 2)], captionWidth, editWidth,
                        QString::fromLatin1(captions[i]));
  colour_->setFont(fonts().TextFont.font);
  colour_->setText(QStringLiteral(" ") + GetText(IRange, 44));
  colour_->setGeometry(lefts[2] + captionWidth, m.RowTop[2], colour_->sizeHint().width(), m.RowHeight);
}

void TFHypVer::compute() {
  const std::int64_t n = Whole(fields().value(DistNKey), DistNKey);
  const std::int64_t mm = Whole(fields().value(DistMKey), DistMKey);
  const std::int64_t r = Whole(fields().value(DistRKey), DistRKey);
  DistributionTable t = HypergeometricTable(n, mm, r);
  showTable(QStringLiteral("  n = ") + trimmed(DistNKey) + QStringLiteral(";    m = ") + trimmed(DistMKey) +
           QStringLiteral(";    r = ") + trimmed(DistRKey),
       std::move(t), QStringLiteral(") = "));
}

}  // namespace zw
