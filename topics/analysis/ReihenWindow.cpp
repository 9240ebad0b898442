#include "topics/analysis/ReihenWindow.h"

#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPlainTextEdit>

#include "shell/Fonts.h"
#include "shell/Metrics.h"
#include "shell/kit/InputRows.h"
#include "shell/kit/Symbols.h"
#include "shell/texts/Texts.h"
#include "topics/frame/ChartHelpers.h"
#include "topics/frame/TopicPrinting.h"

namespace zw {

namespace {

ChartPageOptions reihenChart() {
  ChartPageOptions o;
  o.pageIndex = 1;
  o.snapshot = SnapshotColours::BlackWhite;
  o.minVis = 1;
  o.maxVis = 3;
  return o;
}

QString TermCaption() { return FunctionSign() + QStringLiteral("(x,k) = "); }
QString Key(int row, int column) {
  static const char* const suffix[3] = {"_von", "_bis", "_dy"};
  return QStringLiteral("f%1").arg(row + 1) + QLatin1String(suffix[column]);
}

}  // namespace

TFReihen::TFReihen(QWidget* owner) : RunningChartWindow(owner, ClassName, reihenChart()) {
  QWidget* box = inputArea();
  termCaption_ = new QLabel(box);
  term_ = new QLineEdit(box);
  term_->setObjectName(QStringLiteral("ed_fkt"));
  fields().addField(QStringLiteral("fkt"), term_, 0).longest = QStringLiteral("x^k/fak(k)");
  for (int row = 0; row < 3; ++row)
    for (int column = 0; column < 3; ++column) {
      const std::size_t i = std::size_t(row * 3 + column);
      captions_[i] = new QLabel(box);
      edits_[i] = new QLineEdit(box);
      edits_[i]->setObjectName(QStringLiteral("Edit%1%2").arg(row + 1).arg(column + 1));
      fields().addField(Key(row, column), edits_[i], column < 2 ? u'i' : u'f');
    }
  AttachTermEditMenu(term_, clipboard_, [this](const std::function<void()>& f) { runGuarded(f); });
  if (memo()) memo()->hide();  // the chart is the result
  finishCreation();
}

QString TFReihen::caption(int row, int column) const {
  switch (column) {
    case 0: return FunctionSign() + QString::number(row + 1) + QStringLiteral(":  ") + GetText(IReihen, 11) + QStringLiteral("  ");
    case 1: return QStringLiteral("   ") + GetText(IReihen, 12) + QStringLiteral("  ");
    default: return QStringLiteral("   ") + GetText(IReihen, 13) + QStringLiteral(" ");
  }
}

void TFReihen::layoutInputs() {
  const LayoutMetrics& m = metrics();
  const FontTextMeasurer font(fonts().TextFont.font);
  const int left = ScalePixels(16);
  const QString c = TermCaption();
  PlaceLabelEdit(termCaption_, term_, left, m.RowTop[1], font.width(c), c);
  placeStretched(term_, term_->geometry(), left);
  int first = 0;
  for (int row = 0; row < 3; ++row) first = std::max(first, font.width(caption(row, 0)));
  const int editWidth = NumberEditWidth();
  for (int row = 0; row < 3; ++row) {
    int x = left;
    for (int column = 0; column < 3; ++column) {
      const std::size_t i = std::size_t(row * 3 + column);
      const QString text = caption(row, column);
      const int w = column == 0 ? first : font.width(text);
      PlaceLabelEditSized(captions_[i], edits_[i], x, m.RowTop[3 + row], w, editWidth, text);
      x = edits_[i]->geometry().right() + 1;
    }
  }
}

void TFReihen::compute() {
  fkt_ = term_->text().trimmed();
  for (int row = 0; row < 3; ++row)
    for (int column = 0; column < 3; ++column)
      values_[std::size_t(row * 3 + column)] = fields().value(Key(row, column));
}

std::vector<std::unique_ptr<Stepper>> TFReihen::curveRuns(TVIrada& chart) {
  std::vector<std::unique_ptr<Stepper>> runs;
  if (fkt_.isEmpty()) return runs;
  const FormulaContext context = FormulaContext::current();
  for (int i = 0; i < 3; ++i) {
    const Extended kmin = values_[std::size_t(i * 3)], kmax = values_[std::size_t(i * 3 + 1)];
    if (!(kmax > kmin)) continue;
    if (auto run = PlotSeries(fkt_, chart, chartPage().color(i + 1), kmin, kmax, values_[std::size_t(i * 3 + 2)],
                              chartPage().width(i + 1), context))
      runs.push_back(std::move(run));
  }
  return runs;
}

void TFReihen::graphHints(std::array<QString, 13>& hints) {
  for (int i = 0; i < 3; ++i)
    hints[std::size_t(i + 1)] = FunctionSign() + QStringLiteral("(x, ") + edit(i, 0)->text() + QStringLiteral("-") +
                                edit(i, 1)->text() + QStringLiteral(")+") + edit(i, 2)->text();
}

void TFReihen::printBody(QPainter& painter, QPagedPaintDevice& device, PrintCursor& cursor) {
  buildChartNow();
  const int step = cursor.lineStep;
  painter.drawText(cursor.x, cursor.y, TermCaption() + term_->text());
  cursor.y += step * 3 / 2;
  for (int row = 0; row < 3; ++row) {
    painter.drawText(cursor.x, cursor.y,
                     caption(row, 0) + edit(row, 0)->text() + caption(row, 1) + QStringLiteral(" ") +
                         edit(row, 1)->text() + caption(row, 2) + edit(row, 2)->text());
    cursor.y += step;
  }
  cursor.y += step;
  chartPage().print(painter, device, cursor);
  std::vector<LegendEntry> legend;
  for (int i = 0; i < 3; ++i)
    if (!edit(i, 0)->text().trimmed().isEmpty())
      legend.push_back({chartPage().color(i + 1), FunctionSign() + QString::number(i + 1)});
  PrintCurveLegend(painter, cursor.y - step, legend, QStringLiteral(" f    "));
}

}  // namespace zw
