#include "topics/linalg-stat/VerhulstWindow.h"

#include <QCheckBox>
#include <QClipboard>
#include <QDate>
#include <QFileInfo>
#include <QFontMetrics>
#include <QGroupBox>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QPlainTextEdit>
#include <QSpinBox>

#include "charts/VIrada.h"
#include "kernel/CheckedInput.h"
#include "kernel/Format.h"
#include "shell/Fonts.h"
#include "shell/Metrics.h"
#include "shell/commands/Commands.h"
#include "shell/gridexchange/GridExchange.h"
#include "shell/gridexchange/GridMenu.h"
#include "shell/kit/Grids.h"
#include "shell/kit/InputRows.h"
#include "shell/kit/Symbols.h"
#include "shell/texts/Texts.h"
#include "topics/frame/InputRejected.h"
#include "topics/linalg-stat/Regr.h"

namespace zw {

namespace {

constexpr int kTablePage = 3;
constexpr char kGridKey[] = "grid";
constexpr char kLimitKey[] = "INF";
const char* const kTableKeys[4] = {"ed40", "ed41", "ed42", "ed43"};

TopicConfig VerhulstConfig() {
  TopicConfig c;
  c.pages = TopicConfig::fourPages();
  c.tabStyle = TabStyle::Shell;
  c.taskLines = 2;
  c.memoryFileName = QStringLiteral("memory.csv");
  return c;
}

ChartPageOptions VerhulstChart() {
  ChartPageOptions o;
  o.visit = ChartVisit::FreshEveryVisit;
  o.afterDialog = AfterChartDialog::Rebuild;
  o.minVis = 1;
  o.maxVis = 4;
  o.equalScalesOnBuild = false;
  return o;
}

// The locale's short date with a four-digit year.
QString ShortDate(std::chrono::year_month_day d) {
  QString format = QLocale().dateFormat(QLocale::ShortFormat);
  if (!format.contains(QStringLiteral("yyyy"))) format.replace(QStringLiteral("yy"), QStringLiteral("yyyy"));
  return QDate(int(d.year()), int(unsigned(d.month())), int(unsigned(d.day()))).toString(format);
}

}  // namespace

TFVerhulst::TFVerhulst(QWidget* owner) : ChartTopicWindow(owner, ClassName, VerhulstConfig(), VerhulstChart()) {
  QWidget* box = inputArea();
  grid_ = CreatePointGrid(box, QStringLiteral("t"), QStringLiteral("f(t)"));
  GridMenuOptions menu;
  // An import reads a logistic-growth file, key lines and all.
  menu.importFile = [this](StringGrid*, const QString& file) {
    loadInputs(file);
    return false;
  };
  AttachGridMenu(grid_, std::move(menu));
  limitCaption_ = new QLabel(box);
  limit_ = new QLineEdit(box);
  limit_->setObjectName(QStringLiteral("edtSGrenze"));
  factorCaption_ = new QLabel(box);
  factor_ = new QLineEdit(box);
  factor_->setObjectName(QStringLiteral("edtDZiffer"));
  optional_ = new QLabel(box);
  theory_ = new QLabel(box);
  theory_->setObjectName(QStringLiteral("lblProport"));
  theory_->setWordWrap(true);
  solution_ = new QLabel(box);
  solution_->setObjectName(QStringLiteral("panLoesung"));

  QGroupBox* tableBox = contentBox(kTablePage);
  table_ = CreateValueTable(tableBox, 4, 0, 8, this);
  table_.longest[0] = QStringLiteral("00.00.0000");
  table_.table->setObjectName(QStringLiteral("mmWertetabelle"));
  table_.digits->setObjectName(QStringLiteral("spin44"));
  connect(table_.digits, &QSpinBox::valueChanged, this, [this] { tableFieldsChanged(); });
  round_ = new QCheckBox(tableBox);
  round_->setObjectName(QStringLiteral("cbRound"));
  table_.extra = round_;
  connect(round_, &QCheckBox::clicked, this, [this] { tableFieldsChanged(); });
  addChartKeys();
  initTopic();
}

QWidget* TFVerhulst::inputFor(const QString& key) const {
  if (key == QLatin1String(kGridKey)) return grid_;
  if (key == QLatin1String(kLimitKey)) return limit_;
  for (int i = 0; i < 4; ++i)
    if (key == QLatin1String(kTableKeys[i])) return table_.edits[std::size_t(i)];
  return ChartTopicWindow::inputFor(key);
}

QWidget* TFVerhulst::failureFocus() const { return grid_; }

void TFVerhulst::showEvent(QShowEvent* event) {
  ChartTopicWindow::showEvent(event);
  if (currentPage() == 0) grid_->setFocus(Qt::OtherFocusReason);
}

void TFVerhulst::layoutInputs() {
  const LayoutMetrics& m = metrics();
  const QFont& textFont = fonts().TextFont.font;
  const FontTextMeasurer font(textFont);
  const int left = ScalePixels(16), gap = ScalePixels(16), top = m.RowTop[1];
  PlacePointGrid(grid_, left, top);

  const int x = grid_->geometry().right() + 1 + gap;
  const QString F = FunctionChar() + QStringLiteral("(t)"), D = FunctionChar() + QStringLiteral("'(t)");
  theory_->setFont(textFont);
  theory_->setText(GetText(IVerhulst, 10) + QStringLiteral("\n\n   ") + D + QStringLiteral(" ~ ") + F +
                   QStringLiteral(" ;     ") + D + QStringLiteral(" ~ ( S - ") + F + QStringLiteral(" )\n\n") +
                   GetText(IVerhulst, 11) + QStringLiteral("\n\n   ") + D + QStringLiteral(" =  k ") + MulDot() +
                   QStringLiteral(" ") + F + MulDot() + QStringLiteral(" ( S - ") + F + QStringLiteral(" )\n\n") +
                   GetText(IVerhulst, 12));
  const int tw = std::max(ScalePixels(300), font.width(QStringLiteral("   ") + D + QStringLiteral(" ~ ") + F +
                                                           QStringLiteral(" ;     ") + D + QStringLiteral(" ~ ( S - ") +
                                                           F + QStringLiteral(" )")) + ScalePixels(8));
  theory_->setGeometry(x, top, tw, theory_->heightForWidth(tw));
  solution_->setFont(textFont);
  solution_->setText(QStringLiteral("        ") + FunctionChar() + QStringLiteral("(0) ") + MulDot() +
                     QStringLiteral(" S\n") + FunctionChar() + QStringLiteral("(t) = ") + QString(14, QChar(0x2014)) +
                     QStringLiteral("\n        ") + FunctionChar() + QStringLiteral("(0) + ( S ") + QChar(0x2013) +
                     QStringLiteral(" ") + FunctionChar() + QStringLiteral("(0) ) ") + MulDot() + QStringLiteral(" e") +
                     QChar(0x207B) + QStringLiteral("S") + MulDot() + QStringLiteral("k") + MulDot() +
                     QStringLiteral("t"));
  const QSize sh = solution_->sizeHint();
  solution_->setGeometry(x, theory_->geometry().bottom() + ScalePixels(8), sh.width(), sh.height());
  const int rowTop = solution_->geometry().bottom() + ScalePixels(12);
  const QString c2 = GetTextEq(IVerhulst, 2), c6 = GetTextEq(IVerhulst, 6);
  const int capWidth = std::max(font.width(c2), font.width(c6)) + ScalePixels(4);
  const int ew = EditWidthFor(QStringLiteral("-99999999999999,9"));
  PlaceLabelEditSized(limitCaption_, limit_, x, rowTop, capWidth, ew, c2);
  PlaceLabelEditSized(factorCaption_, factor_, x, rowTop + m.RowHeight + ScalePixels(6), capWidth,
                      EditWidthFor(QStringLiteral("100,5")), c6);
  optional_->setFont(textFont);
  optional_->setText(QStringLiteral("(optional)"));
  optional_->setGeometry(factor_->geometry().right() + ScalePixels(8), factor_->geometry().top(),
                         optional_->sizeHint().width(), m.RowHeight);
}

void TFVerhulst::layoutPage(int index) {
  ChartTopicWindow::layoutPage(index);
  if (index != kTablePage) return;
  table_.table->setFont(memoFont());
  round_->setText(GetText(IVerhulst, 7));
  LayoutValueTable(table_, contentBox(kTablePage),
                   {GetText(IVerhulst, 8), GetText(ITabelle, 1), GetText(ITabelle, 2), GetText(ITabelle, 3),
                    GetText(ITabelle, 5)});
}

void TFVerhulst::compute() {
  const Extended factor = LogisticFactor(factor_->text());
  std::vector<TVec2> points = ReadGridPoints(grid_, false, factor, kGridKey);
  Extended S = 0;
  std::int32_t ok = 0;
  ReadValue(limit_->text().trimmed().toStdU16String(), S, u'f', ok);
  if (!ok) throw InputRejected(kLimitKey);
  if (points.size() < 3) {
    grid_->setCurrentGridCell(1, 1);
    throw InputRejected(kGridKey, msg::TooFewData);
  }
  try {
    fit_ = FitVerhulst(points, S, factor);
  } catch (const CalcFailure& e) {
    grid_->setCurrentGridCell(1, 1);
    throw InputRejected(kGridKey, e.message());
  }
  points_ = std::move(points);
  fitted_ = true;
  // The formula for the function plotter, at every successful fit.
  if (QClipboard* cb = QGuiApplication::clipboard()) cb->setText(VerhulstClipboardText(fit_));
  setMemoLines(VerhulstMemoLines(fit_, dataFile_, FontTextMeasurer(memoFont())));
  chartPage().setRebuildPending(true);
}

void TFVerhulst::enterOtherPage(int index) {
  if (index != kTablePage) return;
  runComputation();
  if (currentPage() != kTablePage) return;  // the inputs were refused
  table_.edits[0]->setText(day1_);
  table_.edits[1]->setText(QString::fromStdU16String(FormatReal(8, fit_.x1)));
  table_.edits[2]->setText(QString::fromStdU16String(FormatReal(8, fit_.x2)));
  table_.edits[3]->setText(QString::fromStdU16String(FormatReal(8, RegrTableStep(fit_.x1, fit_.x2))));
  tableFieldsChanged();
  table_.edits[1]->setFocus();
}

void TFVerhulst::tableFieldsChanged() {
  runGuarded([this] { buildTable(); });
}

void TFVerhulst::buildTable() {
  if (!fitted_) return;
  Extended v[3] = {};
  for (int i = 0; i < 3; ++i) {
    std::int32_t ok = 0;
    ReadValue(table_.edits[std::size_t(i + 1)]->text().trimmed().toStdU16String(), v[i], u'e', ok);
    if (!ok) throw InputRejected(kTableKeys[i + 1]);
  }
  VerhulstTable t;
  t.from = std::min(v[0], v[1]);
  t.to = std::max(v[0], v[1]);
  t.step = v[2];
  t.digits = table_.digits->value();
  t.round = round_->isChecked();
  t.day1 = table_.edits[0]->text().trimmed().toStdU16String();
  table_.table->setPlainText(
      VerhulstValueTable(fit_, t, ShortDate, FontTextMeasurer(memoFont()), kTableKeys[3]).join(u'\n'));
  table_.table->moveCursor(QTextCursor::Start);
}

bool TFVerhulst::eventFilter(QObject* watched, QEvent* event) {
  if (TableEditEvent(table_, watched, event, isActiveWindow() && currentPage() == kTablePage)) tableFieldsChanged();
  return ChartTopicWindow::eventFilter(watched, event);
}

ChartRange TFVerhulst::chartRange() {
  ChartRange r;
  r.equalScales = false;
  if (!fitted_) return r;
  r.xLo = 2 * fit_.firstT - fit_.xw, r.xHi = 3 * fit_.xw - fit_.firstT;
  if (!(r.xHi > r.xLo)) r.xLo = fit_.x1, r.xHi = fit_.x2;
  r.yLo = -0.1L * fit_.limit, r.yHi = 1.1L * fit_.limit;
  if (!(r.yHi > r.yLo)) r.yLo = fit_.y1, r.yHi = fit_.y2;
  return r;
}

void TFVerhulst::drawFigures(TVIrada& chart) {
  if (!fitted_) return;
  chart.Layers().Y(1).setDecPlaces(-2);
  const GraphPens pens = chartPage().pens();
  const double lo = chart.Layers().X(1).RangeLow(), hi = chart.Layers().X(1).RangeHigh();
  const double dx = (hi - lo) / std::max(1, chart.width() - chart.MarginLeft() - chart.MarginRight());
  const double dy = (chart.Layers().Y(1).RangeHigh() - chart.Layers().Y(1).RangeLow()) /
                    std::max(1, chart.height() - chart.MarginTop() - chart.MarginBottom());
  const TColor colour = chart.DataColor();
  const int width = chart.LineWidth();
  if (pens.width[3] >= 1) {
    chart.setDataColor(pens.color[3]);
    chart.setLineWidth(pens.width[3]);
    chart.setPenStyle(TPenStyle::psDot);
    chart.Line(lo, double(fit_.limit), hi, double(fit_.limit));
    chart.setPenStyle(TPenStyle::psSolid);
  }
  if (pens.width[1] >= 1) {
    chart.setDataColor(pens.color[1]);
    chart.setLineWidth(pens.width[1]);
    PlotByPixel(chart, [this](Extended t) { return VerhulstModel(fit_, t); }, lo);
  }
  chart.setDataColor(pens.color[2]);
  chart.setLineWidth(std::max(1, pens.width[2]));
  for (const TVec2& p : points_) chart.MarkAt(double(p.x), double(p.y), 17);
  chart.setDataColor(pens.color[4]);
  chart.MarkAt(double(fit_.xw), double(fit_.yw), 17);
  chart.Text(double(fit_.xw) - 10 * dx, double(fit_.yw) + 5 * dy, 8, QStringLiteral("W"));
  chart.setDataColor(colour);
  chart.setLineWidth(width);
}

void TFVerhulst::graphHints(std::array<QString, 13>& hints) {
  hints[1] = GetText(IVerhulst, 14);
  hints[2] = GetText(IVerhulst, 13);
  hints[3] = GetText(IVerhulst, 2);
  hints[4] = GetText(IVerhulst, 4);
}

void TFVerhulst::loadInputs(const QString& file) {
  showPageSilently(0);
  ChartTopicWindow::loadInputs(QString());  // the chart lists' defaults
  if (file.isEmpty()) return;
  QString text, message;
  if (!ReadPointFile(file, text, &message)) {
    // No memory file yet is no error: the grid stays empty.
    if (file != memoryFile()) ShowErrorBox(this, message);
    return;
  }
  const LogisticFile f = ReadLogisticText(text);
  day1_ = f.day1;
  factor_->setText(f.factor);
  if (f.hasLimit) limit_->setText(f.limit);
  for (int r = 1; r <= PointFileMaxRows; ++r) {
    const bool in = r <= int(f.rows.size());
    grid_->setCells(1, r, in ? f.rows[std::size_t(r - 1)].x : QString());
    grid_->setCells(2, r, in ? f.rows[std::size_t(r - 1)].y : QString());
  }
  dataFile_ = QStringLiteral("\"") + QFileInfo(file).fileName() + QStringLiteral("\"");
  fitted_ = false;
  chartPage().setRebuildPending(true);
  grid_->setCurrentGridCell(1, 1);
}

bool TFVerhulst::saveInputs(const QString& file, QString* error) {
  if (file.isEmpty()) return true;
  const QString text = LogisticCsvText(GridPointRows(grid_), limit_->text().trimmed(), day1_, factor_->text().trimmed(),
                                       LogisticFactorWorthSaving(factor_->text()));
  return WritePointFile(ForceCsvExt(file), text, error);
}

}  // namespace zw
