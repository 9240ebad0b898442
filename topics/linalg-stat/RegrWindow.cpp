#include "topics/linalg-stat/RegrWindow.h"

#include <QFontMetrics>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPlainTextEdit>
#include <QRadioButton>
#include <QSpinBox>

#include "charts/HtmlLab.h"
#include "kernel/CheckedInput.h"
#include "kernel/Format.h"
#include "platform/ini/IniFile.h"
#include "shell/Fonts.h"
#include "shell/Metrics.h"
#include "shell/State.h"
#include "shell/commands/Commands.h"
#include "shell/gridexchange/GridExchange.h"
#include "shell/gridexchange/GridMenu.h"
#include "shell/kit/Grids.h"
#include "shell/kit/InputRows.h"
#include "shell/texts/Texts.h"
#include "topics/frame/InputRejected.h"
#include "topics/frame/TopicPrinting.h"

namespace zw {

namespace {

constexpr int kTablePage = 3;
// Keys of the refusals: the grid, the four edits, the value table's fields.
constexpr char kGridKey[] = "grid";
const char* const kEditKeys[4] = {"dx", "dy", "sx", "sy"};
const char* const kTableKeys[3] = {"ed41", "ed42", "ed43"};

TopicConfig RegrConfig() {
  TopicConfig c;
  c.pages = TopicConfig::fourPages();
  c.tabStyle = TabStyle::Shell;
  c.taskLines = 2;
  return c;
}

ChartPageOptions RegrChart() {
  ChartPageOptions o;
  // Every visit reads the points anew and sets the range up from them.
  o.visit = ChartVisit::FreshEveryVisit;
  o.afterDialog = AfterChartDialog::Rebuild;
  o.minVis = 1;
  o.maxVis = 2;
  return o;
}

bool IsCsv(const QString& file) { return file.endsWith(QStringLiteral(".csv"), Qt::CaseInsensitive); }

}  // namespace

TFRegr::TFRegr(QWidget* owner) : ChartTopicWindow(owner, ClassName, RegrConfig(), RegrChart()) {
  QWidget* box = inputArea();
  grid_ = CreatePointGrid(box, QStringLiteral("x"), QStringLiteral("y"));
  GridMenuOptions menu;
  // An import keeps the grid's 1,023 rows: the file's lines from row 1, the
  // rows after them emptied.
  menu.importFile = [](StringGrid* g, const QString& file) {
    CsvRows read;
    if (!ReadCsvFile(file, read)) return false;
    for (int r = 1; r <= PointFileMaxRows; ++r) {
      const PackedRow* row = r <= int(read.rows.size()) ? &read.rows[std::size_t(r - 1)] : nullptr;
      for (int c = 1; c <= 2; ++c)
        g->setCells(c, r, row && row->count() >= c ? row->item(c - 1).toString() : QString());
    }
    return true;
  };
  AttachGridMenu(grid_, std::move(menu));

  modelBox_ = new QGroupBox(box);
  modelBox_->setObjectName(QStringLiteral("rgRegrTyp"));
  for (int i = 0; i < 6; ++i) {
    models_[std::size_t(i)] = new QRadioButton(modelBox_);
    connect(models_[std::size_t(i)], &QRadioButton::toggled, this, [this](bool on) {
      if (on) modelChanged();
    });
  }
  models_[1]->setChecked(true);
  shiftBox_ = new QGroupBox(box);
  shiftBox_->setObjectName(QStringLiteral("gbVerschiebung"));
  stretchBox_ = new QGroupBox(box);
  stretchBox_->setObjectName(QStringLiteral("gbStreckung"));
  const char* const names[4] = {"eddx", "eddy", "edsx", "edsy"};
  for (int i = 0; i < 4; ++i) {
    QGroupBox* parent = i < 2 ? shiftBox_ : stretchBox_;
    captions_[std::size_t(i)] = new QLabel(parent);
    edits_[std::size_t(i)] = new QLineEdit(parent);
    edits_[std::size_t(i)]->setObjectName(QString::fromLatin1(names[i]));
  }
  degreeBox_ = new QGroupBox(box);
  degreeBox_->setObjectName(QStringLiteral("gbGrad"));
  degreeCaption_ = new QLabel(QStringLiteral("n = "), degreeBox_);
  degree_ = new QSpinBox(degreeBox_);
  degree_->setObjectName(QStringLiteral("udSpin"));
  degree_->setRange(1, RegrMaxDegree);
  degree_->setValue(3);
  formulaBox_ = new QGroupBox(box);
  formulaBox_->setObjectName(QStringLiteral("gbFormel"));
  formula_ = new THtmlLab(formulaBox_);
  formula_->setObjectName(QStringLiteral("HtmFormel"));
  formula_->setTransparent(true);

  table_ = CreateValueTable(contentBox(kTablePage), 3, 1, 6, this);
  table_.table->setObjectName(QStringLiteral("Memo2"));
  table_.digits->setObjectName(QStringLiteral("udSpin4"));
  connect(table_.digits, &QSpinBox::valueChanged, this, [this] { tableFieldsChanged(); });
  chartPage().chart().installEventFilter(this);
  addChartKeys();
  modelChanged();
  initTopic();
}

int TFRegr::model() const {
  for (int i = 0; i < 6; ++i)
    if (models_[std::size_t(i)]->isChecked()) return i;
  return RegrLinear;
}

void TFRegr::setModel(int m) { models_[std::size_t(std::clamp(m, 0, 5))]->setChecked(true); }

void TFRegr::modelChanged() {
  if (!formula_ || !degreeBox_) return;  // during construction
  formula_->setCaption(RegrFormulaCaption(model()));
  degreeBox_->setVisible(model() == RegrPolynomial);
}

QWidget* TFRegr::inputFor(const QString& key) const {
  if (key == QLatin1String(kGridKey)) return grid_;
  for (int i = 0; i < 4; ++i)
    if (key == QLatin1String(kEditKeys[i])) return edits_[std::size_t(i)];
  for (int i = 0; i < 3; ++i)
    if (key == QLatin1String(kTableKeys[i])) return table_.edits[std::size_t(i)];
  return ChartTopicWindow::inputFor(key);
}

QWidget* TFRegr::failureFocus() const { return grid_; }

void TFRegr::showEvent(QShowEvent* event) {
  ChartTopicWindow::showEvent(event);
  if (currentPage() == 0) grid_->setFocus(Qt::OtherFocusReason);
}

void TFRegr::layoutInputs() {
  const LayoutMetrics& m = metrics();
  const FontTextMeasurer font(fonts().TextFont.font);
  const int left = ScalePixels(16), gap = ScalePixels(12);
  const int top = m.RowTop[1];
  PlacePointGrid(grid_, left, top);

  int x = grid_->geometry().right() + 1 + gap;
  modelBox_->setFont(fonts().TextFont.font);
  modelBox_->setTitle(GetText(IRegr, 31));
  int widest = font.width(GetText(IRegr, 31)) + ScalePixels(16);
  for (int i = 0; i < 6; ++i) {
    QRadioButton* b = models_[std::size_t(i)];
    b->setFont(fonts().TextFont.font);
    b->setText(GetText(IRegr, 11 + i).trimmed());
    widest = std::max(widest, b->sizeHint().width() + ScalePixels(16));
  }
  const int title = QFontMetrics(fonts().TextFont.font).height() + ScalePixels(4);
  for (int i = 0; i < 6; ++i)
    models_[std::size_t(i)]->setGeometry(ScalePixels(8), title + i * m.RowHeight, widest - ScalePixels(12), m.RowHeight);
  modelBox_->setGeometry(x, top - ScalePixels(4), widest, title + 6 * m.RowHeight + ScalePixels(6));

  // Shift and stretch side by side under the models.
  const QString caps[4] = {QStringLiteral("dx = "), QStringLiteral("dy = "), QStringLiteral("sx = "),
                           QStringLiteral("sy = ")};
  const int capWidth = font.width(QStringLiteral("dx = ")) + ScalePixels(4);
  const int editWidth = EditWidthFor(QStringLiteral("-99999,99"));
  const int groupWidth = std::max({capWidth + editWidth + ScalePixels(20), font.width(GetText(IRegr, 32)) + ScalePixels(24),
                                   font.width(GetText(IRegr, 33)) + ScalePixels(24)});
  const int groupHeight = title + 2 * m.RowHeight + ScalePixels(12);
  const int groupTop = modelBox_->geometry().bottom() + ScalePixels(8);
  shiftBox_->setTitle(GetText(IRegr, 32));
  stretchBox_->setTitle(GetText(IRegr, 33));
  for (QGroupBox* b : {shiftBox_, stretchBox_}) b->setFont(fonts().TextFont.font);
  shiftBox_->setGeometry(x, groupTop, groupWidth, groupHeight);
  stretchBox_->setGeometry(x + groupWidth + ScalePixels(8), groupTop, groupWidth, groupHeight);
  for (int i = 0; i < 4; ++i) {
    const int rowTop = title + (i % 2) * (m.RowHeight + ScalePixels(4));
    PlaceLabelEditSized(captions_[std::size_t(i)], edits_[std::size_t(i)], ScalePixels(8), rowTop, capWidth, editWidth,
                        caps[i]);
  }

  // The degree and the general formula right of the models.
  const int rx = modelBox_->geometry().right() + 1 + gap;
  degreeBox_->setFont(fonts().TextFont.font);
  degreeBox_->setTitle(GetText(IRegr, 16).trimmed());
  degree_->setFont(fonts().TextFont.font);
  const int spinWidth = std::max(ScalePixels(56), degree_->sizeHint().width());
  const int dcw = font.width(QStringLiteral("n = ")) + ScalePixels(4);
  degreeCaption_->setFont(fonts().TextFont.font);
  degreeCaption_->setGeometry(ScalePixels(8), title, dcw, m.RowHeight);
  degree_->setGeometry(ScalePixels(8) + dcw, title, spinWidth, m.RowHeight);
  const int dw = std::max(dcw + spinWidth + ScalePixels(20), font.width(degreeBox_->title()) + ScalePixels(24));
  degreeBox_->setGeometry(rx, top - ScalePixels(4), dw, title + m.RowHeight + ScalePixels(10));
  formulaBox_->setFont(fonts().TextFont.font);
  formula_->setFont(fonts().TextFont.font);
  const int fw = std::max(dw, font.width(QStringLiteral("y = a0 + a1·x + . . . + an·xn")) + ScalePixels(32));
  formulaBox_->setGeometry(rx, degreeBox_->geometry().bottom() + ScalePixels(8), fw, title + 2 * m.RowHeight);
  formula_->setGeometry(ScalePixels(8), title, fw - ScalePixels(16), m.RowHeight + ScalePixels(6));
  formula_->setPosY(m.RowHeight);
}

void TFRegr::layoutPage(int index) {
  ChartTopicWindow::layoutPage(index);
  if (index != kTablePage) return;
  table_.table->setFont(memoFont());
  LayoutValueTable(table_, contentBox(kTablePage),
                   {GetText(ITabelle, 1), GetText(ITabelle, 2), GetText(ITabelle, 3), GetText(ITabelle, 5)});
}

void TFRegr::compute() {
  std::vector<TVec2> points = ReadGridPoints(grid_, true, 1, kGridKey);
  // Empty shift and stretch texts mean no shift and no stretch.
  Extended v[4] = {0, 0, 1, 1};
  int badEdit = -1;
  for (int i = 0; i < 4; ++i) {
    const QString t = edits_[std::size_t(i)]->text().trimmed();
    if (t.isEmpty()) continue;
    std::int32_t ok = 0;
    ReadValue(t.toStdU16String(), v[i], u'f', ok);
    if (!ok) badEdit = i;
  }
  if (badEdit >= 0) throw InputRejected(kEditKeys[badEdit]);
  if (points.size() < 3) {
    grid_->setCurrentGridCell(1, 1);
    throw InputRejected(kGridKey, msg::TooFewData);
  }
  RegrInput in;
  in.points = points;
  in.model = model();
  in.degree = degree_->value();
  in.dx = v[0], in.dy = v[1], in.sx = v[2], in.sy = v[3];
  try {
    fit_ = FitRegression(in);
  } catch (const CalcFailure& e) {
    grid_->setCurrentGridCell(1, 1);
    throw InputRejected(kGridKey, e.message());
  }
  points_ = std::move(points);
  fitted_ = true;
  setMemoLines(RegrMemoLines(fit_, FontTextMeasurer(memoFont())));
  chartPage().setRebuildPending(true);
}

void TFRegr::enterOtherPage(int index) {
  if (index != kTablePage) return;
  // The table uses the last fit; before any fit it fits once.
  if (!fitted_) {
    runComputation();
    if (currentPage() != kTablePage) return;  // the inputs were refused
  }
  table_.edits[0]->setText(QString::fromStdU16String(FormatReal(8, fit_.x1)));
  table_.edits[1]->setText(QString::fromStdU16String(FormatReal(8, fit_.x2)));
  table_.edits[2]->setText(QString::fromStdU16String(FormatReal(8, RegrTableStep(fit_.x1, fit_.x2))));
  tableFieldsChanged();
  table_.edits[0]->setFocus();
}

void TFRegr::tableFieldsChanged() {
  runGuarded([this] { buildTable(); });
}

void TFRegr::buildTable() {
  Extended v[3] = {};
  for (int i = 0; i < 3; ++i) {
    std::int32_t ok = 0;
    ReadValue(table_.edits[std::size_t(i)]->text().trimmed().toStdU16String(), v[i], u'e', ok);
    if (!ok) throw InputRejected(kTableKeys[i]);
  }
  table_.table->setPlainText(RegrValueTable(fit_, v[0], v[1], v[2], table_.digits->value(), kTableKeys[2]).join(u'\n'));
  table_.table->moveCursor(QTextCursor::Start);
}

bool TFRegr::eventFilter(QObject* watched, QEvent* event) {
  if (TableEditEvent(table_, watched, event, isActiveWindow() && currentPage() == kTablePage)) tableFieldsChanged();
  // The right button released on the chart opens the chart settings.
  if (watched == &chartPage().chart() && event->type() == QEvent::MouseButtonRelease &&
      static_cast<QMouseEvent*>(event)->button() == Qt::RightButton)
    runGuarded([this] { cmdChartSettings(); });
  return ChartTopicWindow::eventFilter(watched, event);
}

ChartRange TFRegr::chartRange() {
  ChartRange r;
  if (fitted_) r.xLo = fit_.x1, r.xHi = fit_.x2, r.yLo = fit_.y1, r.yHi = fit_.y2;
  return r;
}

void TFRegr::drawFigures(TVIrada& chart) {
  if (fitted_) DrawRegrPicture(chart, fit_, points_, chartPage().pens());
}

void TFRegr::graphHints(std::array<QString, 13>& hints) {
  hints[1] = GetText(IRegr, 11 + fit_.model).trimmed();
  hints[2] = GetText(IRegr, 38);
}

void TFRegr::printBody(QPainter& painter, QPagedPaintDevice& device, PrintCursor& cursor) {
  PrintMemoLines(painter, device, memoFont(), memoLines(), cursor);
  // The chart shows even when its page was never opened; the table follows it.
  if (fitted_ && chartPage().rebuildPending()) chartPage().initChart();
  chartPage().print(painter, device, cursor);
  PrintMemoLines(painter, device, memoFont(), table_.table->toPlainText().split(u'\n'), cursor);
}

void TFRegr::loadInputs(const QString& file) {
  showPageSilently(0);
  if (!file.isEmpty() && IsCsv(file)) {
    QString text, message;
    if (!ReadPointFile(file, text, &message)) {
      ShowErrorBox(this, message);
      return;
    }
    PointRows r = GridPointRows(grid_);
    ReadRegrCsv(text, shellState().CsvSeparator.isEmpty() ? QChar(u';') : shellState().CsvSeparator[0], r);
    SetGridPointRows(grid_, r);
  } else {
    // The chart lists through the frame; the rest by the section's own rules.
    ChartTopicWindow::loadInputs(file);
    const IniFile ini(file);
    RegrSettings s;
    PointRows r;
    LoadRegrSection(ini, section(), s, r);
    setModel(s.model);
    const QString* texts[4] = {&s.dx, &s.dy, &s.sx, &s.sy};
    for (int i = 0; i < 4; ++i) edits_[std::size_t(i)]->setText(*texts[i]);
    table_.digits->blockSignals(true);
    table_.digits->setValue(s.digits);
    table_.digits->blockSignals(false);
    degree_->setValue(s.degree);
    SetGridPointRows(grid_, r);
  }
  fitted_ = false;
  chartPage().setRebuildPending(true);
  grid_->setCurrentGridCell(1, 1);
}

bool TFRegr::saveInputs(const QString& file, QString* error) {
  if (file.isEmpty()) return true;
  if (IsCsv(file)) {
    const QString& sep = shellState().CsvSeparator;
    const QString& dec = shellState().CsvDecimal;
    return WritePointFile(file, RegrCsvText(GridPointRows(grid_), sep.isEmpty() ? QChar(u';') : sep[0], dec.isEmpty() ? QChar(u',') : dec[0]),
                          error);
  }
  IniFile ini(file);
  RegrSettings s;
  s.model = model();
  s.dx = edits_[0]->text(), s.dy = edits_[1]->text(), s.sx = edits_[2]->text(), s.sy = edits_[3]->text();
  s.degree = degree_->value();
  s.digits = table_.digits->value();
  SaveRegrSection(ini, section(), s, GridPointRows(grid_));
  fields().save(ini, section(), SavePolicy::RawTexts);
  return ini.save(error);
}

}  // namespace zw
