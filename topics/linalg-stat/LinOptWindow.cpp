#include "topics/linalg-stat/LinOptWindow.h"

#include <QEvent>
#include <QHeaderView>
#include <QLabel>
#include <QPainter>
#include <QPointer>
#include <QRadioButton>
#include <QStyledItemDelegate>
#include <algorithm>
#include <cmath>
#include <initializer_list>

#include "charts/ChartDraw.h"
#include "kernel/CheckedInput.h"
#include "kernel/TextSigns.h"
#include "shell/Fonts.h"
#include "shell/Metrics.h"
#include "shell/Settings.h"
#include "shell/State.h"
#include "shell/commands/Commands.h"
#include "shell/gridexchange/GridExchange.h"
#include "shell/gridexchange/GridMenu.h"
#include "shell/kit/Grids.h"
#include "shell/texts/Texts.h"
#include "topics/frame/ChartHelpers.h"

namespace zw {

namespace {

TopicConfig linOptConfig() {
  TopicConfig c;
  c.pages = TopicConfig::inputResultsChart();
  c.tabStyle = TabStyle::Shell;
  c.taskLines = 4;
  c.save = SavePolicy::NonEmptyTrimmed;
  // Activation runs the change handler of the page showing again.
  c.focus = FocusPolicy::RecomputeOnActivate;
  c.memoFont = SharedFontId::TextFont2;
  return c;
}

ChartPageOptions linOptChart() {
  ChartPageOptions o;
  o.visit = ChartVisit::FreshEveryVisit;
  o.snapshot = SnapshotColours::BlackWhite;
  o.afterDialog = AfterChartDialog::RedrawTwice;
  o.minVis = 1;
  o.maxVis = 5;
  o.areaVis = true;
  return o;
}

// A grid whose label columns cannot be chosen: the cursor moves on to the
// neighbour in its direction of travel, or to `wrapTo` from the last label
// column; label columns and the head row are painted on the button face.
class LabelColumnGrid : public StringGrid {
public:
  LabelColumnGrid(QWidget* parent, std::vector<int> labels, int wrapFrom, int wrapTo)
      : StringGrid(parent), labels_(std::move(labels)), wrapFrom_(wrapFrom), wrapTo_(wrapTo) {
    setItemDelegate(new Delegate(this));
    setCellsCentred(true);
  }
  bool isLabel(int col) const { return std::find(labels_.begin(), labels_.end(), col) != labels_.end(); }

protected:
  void currentChanged(const QModelIndex& current, const QModelIndex& previous) override {
    StringGrid::currentChanged(current, previous);
    if (moving_ || !current.isValid()) return;
    const int col = current.column() + 1, from = previous.isValid() ? previous.column() + 1 : 0;
    if (!isLabel(col)) return;
    int to = col == wrapFrom_ ? wrapTo_ : (col < from ? col - 1 : col + 1);
    if (to < 1 || to >= ColCount() || isLabel(to)) to = col + 1 < ColCount() ? col + 1 : 1;
    moving_ = true;
    setCurrentGridCell(to, current.row() + 1);
    moving_ = false;
  }

private:
  class Delegate : public QStyledItemDelegate {
  public:
    explicit Delegate(LabelColumnGrid* g) : QStyledItemDelegate(g), g_(g) {}
    void paint(QPainter* p, const QStyleOptionViewItem& option, const QModelIndex& index) const override {
      if (g_->isLabel(index.column() + 1)) p->fillRect(option.rect, g_->palette().button());
      QStyledItemDelegate::paint(p, option, index);
    }

  private:
    LabelColumnGrid* g_;
  };
  std::vector<int> labels_;
  int wrapFrom_, wrapTo_;
  bool moving_ = false;
};

// The worksheet keys of the cells; the label columns have none.
QString objectiveKey(int col, int row) {
  if (row != 1) return {};
  return col == 1 ? QStringLiteral("a") : col == 3 ? QStringLiteral("b") : QString();
}

QString constraintKey(int col, int row) {
  if (row < 1 || row > LinOptConstraintRows) return {};
  const char16_t* letter = col == 1 ? u"x" : col == 3 ? u"y" : col == 5 ? u"z" : nullptr;
  return letter ? QString::fromUtf16(letter) + QString::number(row) : QString();
}

}  // namespace

// The chart as snapshot and printout: the region in black and white too.
class TFLinOpt::Picture : public TopicPicture {
public:
  explicit Picture(TFLinOpt& w) : w_(w) {}
  void copyToClipboard(bool) override {
    w_.blackWhite_ = true;  // always black and white
    w_.chartPage().copyToClipboard(true);
    w_.blackWhite_ = false;
  }
  void print(QPainter& painter, QPagedPaintDevice& device, PrintCursor& cursor) override {
    w_.blackWhite_ = shellState().PrintBlackWhite;
    w_.chartPage().print(painter, device, cursor);
    w_.blackWhite_ = false;
  }

private:
  TFLinOpt& w_;
};

TFLinOpt::TFLinOpt(QWidget* owner) : ChartTopicWindow(owner, ClassName, linOptConfig(), linOptChart()) {
  QWidget* box = inputArea();
  objective_ = new LabelColumnGrid(box, {2, 4}, 4, 1);
  objective_->setObjectName(QStringLiteral("sgZielfunktion"));
  constraints_ = new LabelColumnGrid(box, {2, 4}, -1, -1);
  constraints_->setObjectName(QStringLiteral("sgBedingungen"));
  objective_->setColCount(5);
  objective_->setRowCount(2);
  constraints_->setColCount(6);
  constraints_->setRowCount(LinOptConstraintRows + 1);
  for (StringGrid* g : {objective_, constraints_}) {
    auto* head = new QLabel(g->horizontalHeader());
    head->setAttribute(Qt::WA_TransparentForMouseEvents);
    head->setAlignment(Qt::AlignCenter);
    (g == objective_ ? objectiveHead_ : constraintHead_) = head;
  }
  max_ = new QRadioButton(box);
  max_->setObjectName(QStringLiteral("rbMax"));
  min_ = new QRadioButton(box);
  min_->setObjectName(QStringLiteral("rbMin"));
  connect(max_, &QRadioButton::clicked, this, guardedSlot([this] { setMaximise(true); }));
  connect(min_, &QRadioButton::clicked, this, guardedSlot([this] { setMaximise(false); }));

  // The menu acts on the constraints, also when opened on the objective.
  GridMenuOptions menu;
  menu.afterImport = [this](StringGrid*) { relayout(); };
  GridMenu* constraintMenu = AttachGridMenu(constraints_, std::move(menu));
  for (QObject* o : {static_cast<QObject*>(objective_), static_cast<QObject*>(objective_->viewport())})
    o->installEventFilter(constraintMenu);

  fields().addGrid(objective_, objectiveKey);
  fields().addGrid(constraints_, constraintKey);
  addChartKeys();  // with the area keys
  fields().addText(
      QStringLiteral("max"), [this] { return maximise_ ? QStringLiteral("true") : QStringLiteral("false"); },
      [this](const QString& v) { setMaximise(v.trimmed().compare(QStringLiteral("true"), Qt::CaseInsensitive) == 0); },
      QStringLiteral("false"));

  chartPage().chart().OnBeforeRenderData = [this](TVIrada*, QPainter*& canvas, int top, int left) {
    if (canvas) fillRegion(*canvas, top, left);
  };
  picture_ = std::make_unique<Picture>(*this);
  writeLabels();
  initTopic();
}

TFLinOpt::~TFLinOpt() {
  // The chart outlives nothing of this window's: its hook must not call back.
  chartPage().chart().OnBeforeRenderData = nullptr;
}

void TFLinOpt::noMemoryDefaults() {
  ChartTopicWindow::noMemoryDefaults();
  ShellState& s = shellState();
  s.GraphAreaColor = s.SettingsAreaColor;
  s.GraphAreaWidth = s.SettingsRandWidth;
}

TopicPicture* TFLinOpt::picture() { return picture_.get(); }

QWidget* TFLinOpt::failureFocus() const { return constraints_; }

void TFLinOpt::setMaximise(bool on) {
  maximise_ = on;
  max_->setChecked(on);
  min_->setChecked(!on);
  writeLabels();
  update();
}

void TFLinOpt::writeLabels() {
  const QString dot = QString::fromStdU16String(ksym::MulDotSign);
  objective_->setCells(0, 1, QString::fromStdU16String(ksym::FunctionSign) + QStringLiteral("(x,y) = "));
  objective_->setCells(2, 1, dot + QStringLiteral(" x  + "));
  objective_->setCells(4, 1, dot + QStringLiteral(" y "));
  const QString relation =
      QString::fromStdU16String(maximise_ ? ksym::LessEqualSign : ksym::GreaterEqualSign);
  for (int r = 1; r <= LinOptConstraintRows; ++r) {
    constraints_->setCells(2, r, u' ' + dot + QStringLiteral(" x  + "));
    constraints_->setCells(4, r, dot + QStringLiteral(" y    ") + relation);
  }
}

void TFLinOpt::layoutInputs() {
  const LayoutMetrics& m = metrics();
  const int left = ScalePixels(16);
  const int glw = StringGrid::GridLineWidth;

  // A label column is as wide as its text needs, never narrower than the
  // given scaled width.
  const FontTextMeasurer cellFont(objective_->font());
  const auto fit = [&](StringGrid* g, int col, int least) {
    int w = ScalePixels(least);
    for (int r = 1; r < g->RowCount(); ++r) w = std::max(w, cellFont.width(g->Cells(col, r)) + ScalePixels(8));
    g->setColWidth(col, w);
  };
  // A data column shows the widest number a cell takes.
  const int dataWidth = NumberCellWidth(m.EditWidth);
  const auto widen = [dataWidth](StringGrid* g, std::initializer_list<int> cols) {
    for (int c : cols) g->setColWidth(c, dataWidth);
  };
  const auto outerWidth = [glw](const StringGrid* g) {
    int w = 2 * g->frameWidth();
    for (int c = 0; c < g->ColCount(); ++c) w += g->colWidth(c) + glw;
    return w;
  };

  // The objective: ƒ(x,y) = [a] · x + [b] · y.
  SetupNumberedGrid(objective_, left, m.RowTop[1], 5, 2);
  StyleGrid(objective_);
  writeLabels();
  fit(objective_, 0, 48);
  fit(objective_, 2, 36);
  fit(objective_, 4, 36);
  widen(objective_, {1, 3});
  objective_->setGeometry(left, m.RowTop[1], outerWidth(objective_), 2 * m.RowHeight + 3 * glw + 2 * objective_->frameWidth());
  objective_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  objective_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

  // Maximise or minimise, right of the objective.
  const int radioLeft = objective_->geometry().right() + 2 * ScalePixels(8);
  for (QRadioButton* b : {max_, min_}) {
    b->setFont(fonts().TextFont.font);
    b->setText(GetText(ILinOpt, b == max_ ? 4 : 5));
    b->adjustSize();
  }
  max_->move(radioLeft, m.RowTop[1]);
  min_->move(radioLeft, m.RowTop[1] + m.RowHeight + ScalePixels(4));
  max_->setChecked(maximise_);
  min_->setChecked(!maximise_);

  // The constraints: six rows [a] · x + [b] · y ≤ [c].
  const int top = std::max(objective_->geometry().bottom(), min_->geometry().bottom()) + ScalePixels(12);
  SetupNumberedGrid(constraints_, left, top, 6, LinOptConstraintRows + 1);
  StyleGrid(constraints_);
  fit(constraints_, 2, 36);
  fit(constraints_, 4, 48);
  widen(constraints_, {1, 3, 5});
  constraints_->setGeometry(left, top, outerWidth(constraints_),
                            (LinOptConstraintRows + 1) * m.RowHeight + 8 * glw + 2 * constraints_->frameWidth());
  constraints_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  constraints_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

  // One caption across each head row, centred over the data columns (the
  // head row starts at the first of them).
  const struct {
    QLabel* label;
    StringGrid* grid;
    int item;
  } heads[2] = {{objectiveHead_, objective_, 2}, {constraintHead_, constraints_, 3}};
  for (const auto& h : heads) {
    for (int c = 1; c < h.grid->ColCount(); ++c) h.grid->setCells(c, 0, QString());
    h.label->setFont(fonts().TextFont.font);
    h.label->setText(GetText(ILinOpt, h.item) + QStringLiteral(" :"));
    // The caption covers the whole head row, so that no column line runs
    // through it.
    h.label->setAutoFillBackground(true);
    h.label->setBackgroundRole(QPalette::Button);
    h.label->setGeometry(0, 0, h.grid->horizontalHeader()->length(), m.RowHeight);
    h.label->show();
  }
}

bool TFLinOpt::readInputs() {
  // A box of this reading may activate the window again; that activation
  // must not start a second reading.
  if (reading_) return false;
  reading_ = true;
  QPointer<TFLinOpt> alive(this);
  const auto done = [&](bool ok) {
    if (alive) reading_ = false;
    return ok;
  };
  objective_->commitEditor();
  constraints_->commitEditor();
  // Every cell must be readable: the first bad one takes the editor.
  const auto read = [&](StringGrid* g, int col, int row, Extended& x) {
    std::int32_t ok = 0;
    ReadValue(g->Cells(col, row).toStdU16String(), x, u'f', ok);
    if (ok) return true;
    rejectInput(g, 22);
    if (alive) FocusCell(g, col, row);
    return false;
  };
  LinOptProblem p;
  p.maximise = maximise_;
  if (!read(objective_, 1, 1, p.zx) || !read(objective_, 3, 1, p.zy)) return done(false);
  for (int r = 1; r <= LinOptConstraintRows; ++r) {
    Extended a = 0, b = 0, c = 0;
    if (!read(constraints_, 1, r, a) || !read(constraints_, 3, r, b) || !read(constraints_, 5, r, c))
      return done(false);
    // A row with a and b both 0 is empty; its c does not count.
    if (a != 0 || b != 0) p.constraints.push_back(StoredConstraint(a, b, c, maximise_));
  }
  if (p.zx == 0 && p.zy == 0) {
    rejectInput(objective_, 3);
    if (alive) FocusCell(objective_, 1, 1);
    return done(false);
  }
  LinOptResult r = SolveLinOpt(p);
  if (r.outcome == LinOptResult::Outcome::Infeasible) {
    rejectInput(constraints_, msg::ImproperData);
    if (alive) FocusFirstCell(constraints_);
    return done(false);
  }
  problem_ = std::move(p);
  result_ = std::move(r);
  solved_ = true;
  ++runs_;
  return done(true);
}

void TFLinOpt::compute() { setMemoLines(LinOptMemoLines(problem_, result_)); }

ChartRange TFLinOpt::chartRange() {
  ChartRange r{-10, -10, 200, 200};
  const Extended xs = result_.xsmax, ys = result_.ysmax;
  // A region on one axis has no span there: the fixed range instead.
  if (solved_ && xs > 0 && ys > 0 && std::isfinite(xs) && std::isfinite(ys)) r = {-0.1L * xs, -0.1L * ys, 1.2L * xs, 1.2L * ys};
  return r;
}

void TFLinOpt::drawFigures(TVIrada& chart) {
  if (!solved_) return;
  ChartPage& page = chartPage();
  int k = 0;
  for (const LinOptLine& l : problem_.constraints) {
    ++k;
    DrawLineOfRecord(chart, TVec3{l.a, l.b, l.c}, page.color(k), page.width(k));
  }
  // The level line through the optimum, with the fifth graph's colour.
  if (result_.outcome != LinOptResult::Outcome::Unbounded)
    DrawLineOfRecord(chart, TVec3{problem_.zx, problem_.zy, result_.value}, page.color(5), page.width(5));
}

void TFLinOpt::graphHints(std::array<QString, 13>& hints) {
  for (int k = 1; k <= 4; ++k)
    hints[static_cast<std::size_t>(k)] =
        k <= static_cast<int>(problem_.constraints.size())
            ? QString::fromStdU16String(FormatConstraintText(problem_.constraints[static_cast<std::size_t>(k - 1)]))
            : QString();
  hints[5] = GetText(ILinOpt, 2);
}

void TFLinOpt::fillRegion(QPainter& canvas, int top, int left) {
  if (!solved_ || result_.polygon.size() < 3) return;
  const TVIrada& chart = chartPage().chart();
  QPolygon polygon;
  for (const TVec2& p : result_.polygon) {
    int x = 0, y = 0;
    chart.Layers().R2M(1, static_cast<double>(p.x), static_cast<double>(p.y), x, y);
    polygon << QPoint(x - left, y - top);
  }
  const ShellState& s = shellState();
  canvas.save();
  if (s.GraphAreaWidth > 0)
    canvas.setPen(QPen(Qt::black, s.GraphAreaWidth));
  else
    canvas.setPen(Qt::NoPen);
  // In black and white the region is hatched instead of filled.
  canvas.setBrush(blackWhite_ ? QBrush(Qt::black, Qt::BDiagPattern) : QBrush(ToQColor(PaletteColor(s.GraphAreaColor))));
  canvas.drawPolygon(polygon);
  canvas.restore();
}

}  // namespace zw
