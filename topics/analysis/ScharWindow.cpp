#include "topics/analysis/ScharWindow.h"

#include <QFontMetrics>
#include <algorithm>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>
#include <QPointer>

#include "shell/Fonts.h"
#include "shell/Metrics.h"
#include "shell/kit/InputRows.h"
#include "shell/kit/Symbols.h"
#include "shell/texts/Texts.h"
#include "topics/frame/ChartHelpers.h"
#include "topics/frame/TopicPrinting.h"

namespace zw {

namespace {

const char* const kRangeKeys[3] = {"k_min", "k_max", "k_step"};

ChartPageOptions scharChart() {
  ChartPageOptions o;
  o.pageIndex = 1;
  o.snapshot = SnapshotColours::FollowSetting;
  o.minVis = 1;
  o.maxVis = 12;
  return o;
}

QString TermCaption() { return FunctionSign() + QStringLiteral("(x,k) = "); }

}  // namespace

TFSchar::TFSchar(QWidget* owner) : RunningChartWindow(owner, ClassName, scharChart()) {
  QWidget* box = inputArea();
  termCaption_ = new QLabel(box);
  listCaption_ = new QLabel(box);
  listClose_ = new QLabel(QStringLiteral(" }"), box);
  term_ = new QLineEdit(box);
  term_->setObjectName(QStringLiteral("ed_fkt"));
  list_ = new QLineEdit(box);
  list_->setObjectName(QStringLiteral("edkaus"));
  fields().addField(QStringLiteral("fkt"), term_, 0).longest = QStringLiteral("sin(k*x)/k+fak(k)*x^2");
  fields().addField(QStringLiteral("k_aus"), list_, 0).longest = QStringLiteral("-1; 0,5; 2; 3,25; 10");
  const char* names[3] = {"edkmin", "edkmax", "edkStep"};
  for (std::size_t i = 0; i < 3; ++i) {
    rangeCaptions_[i] = new QLabel(box);
    rangeEdits_[i] = new QLineEdit(box);
    rangeEdits_[i]->setObjectName(QString::fromLatin1(names[i]));
    fields().addField(QString::fromLatin1(kRangeKeys[i]), rangeEdits_[i], u'f');
  }
  AttachTermEditMenu(term_, clipboard_, [this](const std::function<void()>& f) { runGuarded(f); });
  if (memo()) memo()->hide();  // the chart is the result
  finishCreation();
}

QString TFSchar::rangeCaption(int i) const {
  if (i == 0) return GetText(ISchar, 22) + QStringLiteral("   ");
  return QStringLiteral("   ") + GetText(ISchar, 22 + i) + QStringLiteral("   ");
}

void TFSchar::layoutInputs() {
  const LayoutMetrics& m = metrics();
  const FontTextMeasurer font(fonts().TextFont.font);
  const int left = ScalePixels(16);
  const QString c1 = TermCaption(), c2 = GetText(ISchar, 21);
  const int captionWidth = std::max(font.width(c1), font.width(c2));
  PlaceLabelEdit(termCaption_, term_, left, m.RowTop[1], captionWidth, c1);
  placeStretched(term_, term_->geometry(), left);
  const int closeWidth = font.width(QStringLiteral(" }  "));
  PlaceLabelEdit(listCaption_, list_, left, m.RowTop[3], captionWidth, c2);
  const QRect least = list_->geometry();
  placeStretched(list_, least, left + closeWidth);
  listClose_->setFont(fonts().TextFont.font);
  listClose_->setGeometry(list_->geometry().right() + 1, m.RowTop[3], closeWidth, m.RowHeight);
  // The window's minimum size counts the brace behind the narrowest list field.
  countAsPlaced(listClose_, QRect(least.right() + 1, m.RowTop[3], closeWidth, m.RowHeight));
  // First and last value in one row, the step below them: three number
  // fields in a row do not fit the window's default width.
  const QString r0 = rangeCaption(0), r1 = rangeCaption(1), r2 = rangeCaption(2).trimmed() + QStringLiteral("   ");
  const int first = std::max(font.width(r0), font.width(r2));
  PlaceLabelEdit(rangeCaptions_[0], rangeEdits_[0], left, m.RowTop[5], first, r0);
  PlaceLabelEdit(rangeCaptions_[1], rangeEdits_[1], rangeEdits_[0]->geometry().right() + 1, m.RowTop[5], font.width(r1), r1);
  PlaceLabelEdit(rangeCaptions_[2], rangeEdits_[2], left, m.RowTop[6], first, r2);
}

void TFSchar::compute() {
  FamilyRange r;
  r.given = !rangeEdits_[0]->text().trimmed().isEmpty() && !rangeEdits_[1]->text().trimmed().isEmpty();
  r.kmin = fields().value(QString::fromLatin1(kRangeKeys[0]));
  r.kmax = fields().value(QString::fromLatin1(kRangeKeys[1]));
  r.step = fields().value(QString::fromLatin1(kRangeKeys[2]));
  values_ = FamilyValues(r, list_->text());
}

std::vector<std::unique_ptr<Stepper>> TFSchar::curveRuns(TVIrada& chart) {
  // The term is read at every drawing (zoom and pan included), the k values
  // only when the chart page is opened.
  const QString term = term_->text();
  const int listLength = int(chartPage().colorList().split(u',').size());
  const FormulaContext context = FormulaContext::current();
  std::vector<std::unique_ptr<Stepper>> runs;
  drawn_ = std::make_shared<int>(0);
  int n = 0;
  for (const std::u16string& v : values_) {
    const int entry = FamilyEntry(++n, listLength);
    // A member of a long term takes long: it is built in its own step and its
    // samples are drawn a block at a time.
    runs.push_back(std::make_unique<LaterStepper>(
        [term, v, chart = QPointer<TVIrada>(&chart), color = chartPage().color(entry),
         width = chartPage().width(entry), context]() -> std::unique_ptr<Stepper> {
          const std::u16string member = FamilyTerm(term, v);
          if (!chart || member.empty()) return nullptr;
          return PlotTermSteps(QString::fromStdU16String(member), *chart, color, width, context);
        }));
    runs.push_back(std::make_unique<SingleStep>([drawn = drawn_] { ++*drawn; }));
  }
  return runs;
}

void TFSchar::printBody(QPainter& painter, QPagedPaintDevice& device, PrintCursor& cursor) {
  // The chart shows even when its page was never opened.
  buildChartNow();
  const int step = cursor.lineStep;
  painter.drawText(cursor.x, cursor.y, TermCaption() + term_->text());
  cursor.y += step * 3 / 2;
  painter.drawText(cursor.x, cursor.y, GetText(ISchar, 21) + list_->text() + QStringLiteral("}"));
  cursor.y += step;
  QString line;
  for (std::size_t i = 0; i < 3; ++i) line += rangeCaption(int(i)) + rangeEdits_[i]->text().trimmed();
  painter.drawText(cursor.x, cursor.y, line);
  cursor.y += 2 * step;
  chartPage().print(painter, device, cursor);
  // The legend: eight members a line, each in its graph colour.
  const int listLength = int(chartPage().colorList().split(u',').size());
  int y = cursor.y - step;
  std::vector<LegendEntry> entries;
  for (int i = 1; i <= *drawn_; ++i) {
    entries.push_back({chartPage().color(FamilyEntry(i, listLength)), FunctionSign() + QString::number(i)});
    if (entries.size() == 8 || i == *drawn_) {
      PrintCurveLegend(painter, y, entries, QStringLiteral(" f    "));
      entries.clear();
      y += step;
    }
  }
  cursor.y = std::max(cursor.y, y);
}

}  // namespace zw
