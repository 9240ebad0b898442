#include "topics/plane/AbbWindow.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTextBlock>
#include <QTextEdit>
#include <algorithm>
#include <cmath>

#include "charts/ChartDraw.h"
#include "kernel/CalcFailure.h"
#include "kernel/CheckedInput.h"
#include "kernel/Geometry.h"
#include "shell/Metrics.h"
#include "shell/kit/Grids.h"
#include "shell/kit/Symbols.h"
#include "shell/texts/Texts.h"
#include "topics/frame/InputRejected.h"
#include "topics/plane/PlaneWindowKit.h"

namespace zw {

namespace {

constexpr TColor kRed = 0x0000FF;  // 0xBBGGRR

TopicConfig Config() {
  TopicConfig c = PlaneChartConfig();
  c.check = InputCheck::OneBoxFirstField;
  c.save = SavePolicy::NonEmptyTrimmed;
  c.taskLines = 1;
  c.focus = FocusPolicy::RecomputeOnActivate;
  return c;
}

QString ParamKey(int i, int j) { return QStringLiteral("abb%1_param%2").arg(i).arg(j); }

Extended PolarAngle(const TVec2& v) { return std::atan2(v.y, v.x) * 180 / M_PI; }

}  // namespace

void DrawMappings(TVIrada& chart, const MappingChain& chain, const std::vector<std::vector<TVec2>>& images,
                  const GraphPens& pens, Extended r) {
  const TColor silver = clSilver;
  for (int a = 1; a <= chain.count() && a < int(images.size()); ++a) {
    const Mapping& m = chain.at(a);
    if (!m.construction) continue;
    const std::vector<TVec2>&P = images[std::size_t(a - 1)], &Q = images[std::size_t(a)];
    const TVec2 Z{m.w[0], m.w[1]}, axisP{m.w[0], m.w[1]}, axisQ{m.w[2], m.w[3]};
    switch (m.kind) {
      case MkTranslation:
      case MkPointReflection:
      case MkLineReflection:
        for (std::size_t c = 0; c < P.size(); ++c) DrawSegment(chart, P[c], Q[c], silver, 1);
        if (m.kind == MkLineReflection) DrawLineThrough(chart, axisP, axisQ, kRed, pens.width[1]);
        break;
      case MkRotation: {
        // An arc of more than a turn shows no more than the full circle, but
        // an angle like 10^9° would cost millions of chords per corner.
        const Extended turn = std::clamp(m.w[2], Extended(-360), Extended(360));
        for (std::size_t c = 0; c < P.size(); ++c) {
          DrawSegment(chart, Z, P[c], silver, 1);
          DrawSegment(chart, Z, Q[c], silver, 1);
          const Extended phi = PolarAngle({P[c].x - Z.x, P[c].y - Z.y});
          DrawArcBetween(chart, Z, silver, VertexDist(Z, P[c]), phi, phi + turn, 1);
          DrawArcBetween(chart, Z, silver, r * (Extended(c + 1) / 5 + 0.5L), phi, phi + turn, 1);
        }
        break;
      }
      case MkDilation:
        for (std::size_t c = 0; c < P.size(); ++c) DrawSegment(chart, m.w[2] > 0 ? Z : P[c], Q[c], silver, 1);
        break;
      case MkShear:
        DrawLineThrough(chart, axisP, axisQ, kRed, pens.width[1]);
        for (std::size_t c = 0; c < P.size(); ++c) {
          TVec2 F;
          AltitudeFoot(P[c], axisP, axisQ, F);
          DrawSegment(chart, P[c], Q[c], silver, 1);
          DrawSegment(chart, F, Q[c], silver, 1);
          DrawSegment(chart, F, P[c], silver, 1);
          DrawArcBetween(chart, F, silver, r, PolarAngle({P[c].x - F.x, P[c].y - F.y}),
                         PolarAngle({Q[c].x - F.x, Q[c].y - F.y}), 1);
        }
        break;
      default: break;
    }
  }
  for (std::size_t m = 0; m < images.size(); ++m) {
    const std::vector<TVec2>& p = images[m];
    if (p.empty()) continue;
    const std::size_t g = m % 12 + 1;
    TVec2 from = p.back();
    for (const TVec2& to : p) {
      DrawSegment(chart, from, to, pens.color[g], pens.width[g]);
      from = to;
    }
  }
  chart.setLineWidth(1);
}

// ----- the editor ---------------------------------------------------------------

MappingEditor::MappingEditor(QWidget* parent) : QObject(parent) {
  kindBox = new QGroupBox(parent);
  kindBox->setObjectName(QStringLiteral("rgAbbildungen"));
  kinds = new QButtonGroup(this);
  for (int k = 0; k < 6; ++k) {
    auto* b = kindButtons[std::size_t(k)] = new QRadioButton(kindBox);
    kinds->addButton(b, k + 1);
    auto* g = groups[std::size_t(k)] = new QGroupBox(parent);
    g->setObjectName(QStringLiteral("gbKind%1").arg(k + 1));
  }
  auto edit = [](QWidget* owner, const char* name) {
    auto* e = new QLineEdit(owner);
    e->setObjectName(QString::fromLatin1(name));
    return e;
  };
  auto grid = [](QWidget* owner, const char* name) {
    auto* g = new StringGrid(owner);
    g->setObjectName(QString::fromLatin1(name));
    return g;
  };
  dx = edit(groups[0], "edtVerschiebung_dx");
  dy = edit(groups[0], "edtVerschiebung_dy");
  axis = grid(groups[1], "stgSpiegelung_Achse");
  reflectCentre = grid(groups[2], "stgSpiegelung_Zentrum");
  rotateCentre = grid(groups[3], "stgDrehung_Zentrum");
  angle = edit(groups[3], "edtDrehung_Winkel");
  dilateCentre = grid(groups[4], "stgStreckung_Zentrum");
  factor = edit(groups[4], "edtStreckung_Faktor");
  shearAxis = grid(groups[5], "stgScherung_Achse");
  shearAngle = edit(groups[5], "edtScherung_Winkel");
  for (auto [g, name] : {std::pair{0, "capDx"}, {0, "capDy"}, {3, "capAngle"}, {4, "capFactor"}, {5, "capShear"}}) {
    auto* l = new QLabel(groups[std::size_t(g)]);
    l->setObjectName(QString::fromLatin1(name));
  }
  auto button = [parent](const char* name) {
    auto* b = new QPushButton(parent);
    b->setObjectName(QString::fromLatin1(name));
    b->setAutoDefault(false);
    return b;
  };
  cut = button("BtnCut");
  copy = button("BtnCopy");
  paste = button("BtnPaste");
  insert = button("BtnInsert");
  construction = new QCheckBox(parent);
  construction->setObjectName(QStringLiteral("cbxLine"));
  list = new QPlainTextEdit(parent);
  list->setObjectName(QStringLiteral("mmAbbildungen"));
  list->setReadOnly(true);
  list->setLineWrapMode(QPlainTextEdit::NoWrap);
  list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  QPalette pal = list->palette();
  pal.setColor(QPalette::Base, pal.color(QPalette::Button));
  list->setPalette(pal);
  selectKind(1);
}

int MappingEditor::kind() const { return std::max(1, kinds->checkedId()); }

void MappingEditor::selectKind(int k) {
  k = std::clamp(k, 1, 6);
  kindButtons[std::size_t(k - 1)]->setChecked(true);
  for (int i = 0; i < 6; ++i) groups[std::size_t(i)]->setVisible(i == k - 1);
}

bool MappingEditor::read(Mapping& out, QWidget*& bad) const {
  Mapping m;
  m.kind = kind();
  int n = 0;
  auto field = [&](const QString& text, QWidget* w) {
    Extended v = 0;
    std::int32_t ok = 0;
    ReadValue(text.toStdU16String(), v, u'f', ok);
    if (ok != 1 || text.trimmed().isEmpty()) {
      if (!bad) bad = w;
      return;
    }
    m.w[std::size_t(n++)] = v;
  };
  auto cells = [&](StringGrid* g, int rows) {
    for (int r = 1; r <= rows; ++r)
      for (int c = 1; c <= 2; ++c) field(g->Cells(c, r), g);
  };
  bad = nullptr;
  switch (m.kind) {
    case MkTranslation: field(dx->text(), dx), field(dy->text(), dy); break;
    case MkLineReflection: cells(axis, 2); break;
    case MkPointReflection: cells(reflectCentre, 1); break;
    case MkRotation: cells(rotateCentre, 1), field(angle->text(), angle); break;
    case MkDilation: cells(dilateCentre, 1), field(factor->text(), factor); break;
    case MkShear: cells(shearAxis, 2), field(shearAngle->text(), shearAngle); break;
    default: break;
  }
  // An axis needs two different points.
  if (!bad && (m.kind == MkLineReflection || m.kind == MkShear) && m.w[0] == m.w[2] && m.w[1] == m.w[3])
    bad = m.kind == MkShear ? shearAxis : axis;
  if (bad) return false;
  m.construction = construction->isChecked();
  out = m;
  return true;
}

void MappingEditor::show(const Mapping& m) {
  if (m.kind < 1 || m.kind > 6) return;
  selectKind(m.kind);
  auto t = [&](int i) { return MappingValueText(m.w[std::size_t(i)]); };
  auto cells = [&](StringGrid* g, int rows) {
    for (int r = 1; r <= rows; ++r)
      for (int c = 1; c <= 2; ++c) g->setCells(c, r, t(2 * (r - 1) + c - 1));
  };
  switch (m.kind) {
    case MkTranslation: dx->setText(t(0)), dy->setText(t(1)); break;
    case MkLineReflection: cells(axis, 2); break;
    case MkPointReflection: cells(reflectCentre, 1); break;
    case MkRotation: cells(rotateCentre, 1), angle->setText(t(2)); break;
    case MkDilation: cells(dilateCentre, 1), factor->setText(t(2)); break;
    case MkShear: cells(shearAxis, 2), shearAngle->setText(t(4)); break;
    default: break;
  }
  construction->setChecked(m.construction);
}

void MappingEditor::retranslate() {
  for (int k = 0; k < 6; ++k) kindButtons[std::size_t(k)]->setText(GetText(IAbb, 10 * (k + 1) + 200));
  static const int captions[6] = {211, 221, 231, 241, 251, 261};
  for (int k = 0; k < 6; ++k) groups[std::size_t(k)]->setTitle(GetText(IAbb, captions[k]));
  cut->setText(GetText(IAbb, 203));
  copy->setText(GetText(IAbb, 202));
  paste->setText(GetText(IAbb, 201));
  construction->setText(GetText(IAbb, 206));
}

// ----- the window ---------------------------------------------------------------

TFAbb::TFAbb(QWidget* owner)
    : ChartTopicWindow(owner, ClassName, Config(), [] {
        ChartPageOptions o;
        o.visit = ChartVisit::FreshEveryVisit;
        o.snapshot = SnapshotColours::FollowSetting;
        o.minVis = 1;
        o.maxVis = 12;
        return o;
      }()) {
  grid_ = AddPointGrid(*this, MaxPolygonCorners);
  grid_->setObjectName(QStringLiteral("sgPunkte"));
  editor_ = new MappingEditor(inputArea());
  fields().addText(
      QStringLiteral("AbbZahl"), [this] { return QString::number(chain_.count()); },
      [this](const QString& v) { chain_.setCount(ReadMappingCount(v)); }, QStringLiteral("0"));
  for (int i = 0; i <= MaxMappings; ++i)
    for (int j = 0; j <= 6; ++j)
      fields().addText(
          ParamKey(i, j),
          [this, i, j] {
            const Mapping& m = chain_.at(i);
            const Extended v = j == 0 ? Extended(m.kind) : j == 6 ? Extended(m.construction ? 1 : 0) : m.w[std::size_t(j - 1)];
            return v == 0 ? QString() : MappingValueText(v);
          },
          [this, i, j](const QString& v) {
            Mapping& m = chain_.at(i);
            if (j == 0)
              m.kind = ReadMappingKind(v);
            else if (j == 6)
              m.construction = ReadMappingValue(v) != 0;
            else
              m.w[std::size_t(j - 1)] = ReadMappingValue(v);
          },
          QStringLiteral("0"));
  connect(editor_->kinds, &QButtonGroup::idClicked, this, guardedSlot([this] { editor_->selectKind(editor_->kind()); }));
  connect(editor_->copy, &QPushButton::clicked, this, guardedSlot([this] { copyMapping(); }));
  connect(editor_->cut, &QPushButton::clicked, this, guardedSlot([this] { cutMapping(); }));
  connect(editor_->paste, &QPushButton::clicked, this, guardedSlot([this] { replaceMapping(); }));
  connect(editor_->insert, &QPushButton::clicked, this, guardedSlot([this] { insertMapping(); }));
  connect(editor_->list, &QPlainTextEdit::cursorPositionChanged, this,
          guardedSlot([this] { setListLine(editor_->list->textCursor().blockNumber()); }));
  editor_->construction->installEventFilter(this);
  connect(pageControl(), &QTabWidget::currentChanged, this, guardedSlot([this] {
            if (currentPage() == 0) {
              editor_->selectKind(1);
              showList();
            }
          }));
  addChartKeys();
  initTopic();
  lineNr_ = chain_.count() + 1;  // past the end: insert appends
  showList();
}

TFAbb::~TFAbb() { editor_->construction->removeEventFilter(this); }

void TFAbb::initialValues() {
  chain_.clear();
  corners_.clear();
  images_.clear();
}

void TFAbb::afterLoad() {
  lineNr_ = chain_.count() + 1;  // past the end: insert appends
  showList();
}

void TFAbb::setListLine(int line) {
  lineNr_ = std::max(0, line);
  editor_->insert->setText(GetText(IAbb, lineNr_ < chain_.count() ? 205 : 204));
  // The whole line the buttons act on is marked (without moving the caret,
  // which would come back here).
  QList<QTextEdit::ExtraSelection> marks;
  if (lineNr_ < chain_.count()) {
    QTextEdit::ExtraSelection mark;
    mark.cursor = QTextCursor(editor_->list->document()->findBlockByNumber(lineNr_));
    mark.format.setBackground(editor_->list->palette().color(QPalette::Highlight));
    mark.format.setForeground(editor_->list->palette().color(QPalette::HighlightedText));
    mark.format.setProperty(QTextFormat::FullWidthSelection, true);
    marks << mark;
  }
  editor_->list->setExtraSelections(marks);
}

void TFAbb::showList() {
  QStringList lines;
  for (int i = 1; i <= chain_.count(); ++i) lines << MappingText(i, chain_.at(i));
  const QSignalBlocker block(editor_->list);
  editor_->list->setPlainText(lines.join(QLatin1Char('\n')));
  QTextCursor c(editor_->list->document()->findBlockByNumber(std::min(lineNr_, std::max(0, int(lines.size()) - 1))));
  editor_->list->setTextCursor(c);
  setListLine(lineNr_);
}

void TFAbb::copyMapping() {
  if (chain_.count() > 0) editor_->show(chain_.at(chain_.editorSlot(lineNr_ + 1)));
}

void TFAbb::cutMapping() {
  if (chain_.count() == 0) return;
  const int t = chain_.editorSlot(lineNr_ + 1);
  editor_->show(chain_.at(t));
  chain_.remove(t);
  showList();
}

void TFAbb::replaceMapping() {
  Mapping m;
  QWidget* bad = nullptr;
  if (!editor_->read(m, bad)) {
    rejectInput(bad, msg::InvalidInput);
    return;
  }
  chain_.replace(lineNr_ + 1, m);
  showList();
}

void TFAbb::insertMapping() {
  if (chain_.count() >= MaxMappings) {
    rejectInput(editor_->insert, msg::TooManyData);
    return;
  }
  // The slot is made first: a mapping the editor cannot give leaves it empty
  // (an identity the user can replace), and the box says why.
  Mapping m;
  QWidget* bad = nullptr;
  const bool ok = editor_->read(m, bad);
  chain_.insert(lineNr_ + 1, ok ? m : Mapping{});
  showList();
  if (!ok) rejectInput(bad, msg::InvalidInput);
}

bool TFAbb::eventFilter(QObject* watched, QEvent* event) {
  // A key released on "Konstruktion" switches the construction lines of the
  // mapping on the list's caret line.
  if (watched == editor_->construction && event->type() == QEvent::KeyRelease &&
      !static_cast<QKeyEvent*>(event)->isAutoRepeat()) {
    runGuarded([this] {
      chain_.toggleConstruction(lineNr_ + 1);
      showList();
    });
  }
  return ChartTopicWindow::eventFilter(watched, event);
}

void TFAbb::layoutInputs() {
  const LayoutMetrics& m = metrics();
  const int top = m.RowTop[1];
  const int h = std::max(4 * m.RowHeight, inputArea()->height() - top - m.RowHeight / 2);
  SetupPointListGrid(grid_, m.ColLeft[1], top, h);
  // The cells show the longest number a corner takes whole.
  const int cellW =
      std::max(m.EditWidth, GridCellWidthFor(QString::fromStdU16String(LongestAcceptedNumber(u'f', u','))));
  grid_->setDefaultColWidth(cellW);
  grid_->resize(grid_->width() + 2 * (cellW - m.EditWidth), grid_->height());
  grid_->setRowCount(MaxPolygonCorners + 1);
  for (int r = 1; r <= MaxPolygonCorners; ++r) grid_->setCells(0, r, QString(QChar(char16_t(u'A' + r - 1))));
  countAsPlaced(grid_, QRect(m.ColLeft[1], top, grid_->width(), 4 * m.RowHeight));
  editor_->retranslate();
  setListLine(lineNr_);
  const int left = grid_->geometry().right() + 1 + ScalePixels(12);
  // The kinds in a column, their editor beside them.
  const int rowH = m.RowHeight;
  int y = ScalePixels(20);
  for (QRadioButton* b : editor_->kindButtons) {
    b->adjustSize();
    b->move(ScalePixels(8), y);
    y += std::max(rowH, b->height());
  }
  int kindW = 0;
  for (QRadioButton* b : editor_->kindButtons) kindW = std::max(kindW, b->width());
  editor_->kindBox->setGeometry(left, top, kindW + ScalePixels(16), y + ScalePixels(6));
  const int gx = editor_->kindBox->geometry().right() + 1 + ScalePixels(8);
  const int colW = m.EditWidth * 2 / 3;
  const FontTextMeasurer text(fonts().TextFont.font);
  int groupW = 0, groupH = 0;
  auto labelled = [&](QWidget* group, QLabel* label, QLineEdit* e, int gy, const QString& caption) {
    Q_UNUSED(group);
    label->setText(caption);
    label->adjustSize();
    label->move(ScalePixels(8), gy);
    e->setGeometry(label->geometry().right() + 1, gy, m.EditWidth, rowH);
    return e->geometry().right() + ScalePixels(8);
  };
  QLabel* capAngle = editor_->groups[3]->findChild<QLabel*>(QStringLiteral("capAngle"));
  const int gy0 = ScalePixels(22);
  int w0 = labelled(editor_->groups[0], editor_->groups[0]->findChild<QLabel*>(QStringLiteral("capDx")), editor_->dx, gy0,
                    QStringLiteral("dx = "));
  w0 = std::max(w0, labelled(editor_->groups[0], editor_->groups[0]->findChild<QLabel*>(QStringLiteral("capDy")),
                             editor_->dy, gy0 + rowH + ScalePixels(4), QStringLiteral("dy = ")));
  groupW = std::max(groupW, w0);
  SetupTwoPointGrid(editor_->axis, ScalePixels(8), gy0, colW);
  SetupOnePointGrid(editor_->reflectCentre, ScalePixels(8), gy0, colW);
  SetupOnePointGrid(editor_->rotateCentre, ScalePixels(8), gy0, colW);
  SetupOnePointGrid(editor_->dilateCentre, ScalePixels(8), gy0, colW);
  SetupTwoPointGrid(editor_->shearAxis, ScalePixels(8), gy0, colW);
  const QString alpha = QStringLiteral("  ") + AlphaSign() + QStringLiteral(" = ");
  auto below = [&](QWidget* g) { return g->geometry().bottom() + ScalePixels(6); };
  groupW = std::max(groupW, labelled(editor_->groups[3], capAngle, editor_->angle, below(editor_->rotateCentre),
                                     GetText(IAbb, 242) + alpha));
  groupW = std::max(groupW, labelled(editor_->groups[4], editor_->groups[4]->findChild<QLabel*>(QStringLiteral("capFactor")),
                                     editor_->factor, below(editor_->dilateCentre),
                                     GetText(IAbb, 252) + QStringLiteral("  k = ")));
  groupW = std::max(groupW, labelled(editor_->groups[5], editor_->groups[5]->findChild<QLabel*>(QStringLiteral("capShear")),
                                     editor_->shearAngle, below(editor_->shearAxis), GetText(IAbb, 262) + alpha));
  for (StringGrid* g : {editor_->axis, editor_->shearAxis}) groupW = std::max(groupW, g->geometry().right() + ScalePixels(8));
  for (QGroupBox* g : editor_->groups) groupW = std::max(groupW, text.width(g->title()) + ScalePixels(24));
  groupH = std::max({below(editor_->shearAngle) + ScalePixels(4), editor_->kindBox->height()});
  for (QGroupBox* g : editor_->groups) g->setGeometry(gx, top, groupW, groupH);
  // The buttons and the check box under the kinds and their editor.
  int bx = left;
  const int by = top + groupH + ScalePixels(8);
  for (QPushButton* b : {editor_->cut, editor_->copy, editor_->paste, editor_->insert}) {
    b->setFont(fonts().BoldFont.font);
    const int w = std::max(QFontMetrics(b->font()).horizontalAdvance(GetText(IAbb, 204)),
                           QFontMetrics(b->font()).horizontalAdvance(b->text())) +
                  ScalePixels(16);
    b->setGeometry(bx, by, w, rowH + ScalePixels(4));
    bx += w + ScalePixels(4);
  }
  editor_->construction->adjustSize();
  editor_->construction->move(bx + ScalePixels(8), by + ScalePixels(2));
  const int listTop = by + rowH + ScalePixels(12);
  const int right = std::max(gx + groupW, editor_->construction->geometry().right() + 1);
  const int listW = right - left;
  editor_->list->setFont(memoFont());
  placeStretched(editor_->list, QRect(left, listTop, listW, 3 * rowH), 0, 0);
}

bool TFAbb::readInputs() {
  int last = 0;
  for (int row = 1; row <= MaxPolygonCorners; ++row)
    if (!grid_->Cells(1, row).trimmed().isEmpty()) last = row;
  const std::vector<TVec2> p = ReadGridPoints(grid_, MaxPolygonCorners);
  // A gap in the list would make a corner (0|0) of an empty row.
  for (int row = 1; row < last; ++row)
    if (grid_->Cells(1, row).trimmed().isEmpty()) throw InputRejected(PlaneCellKey(1, row).toStdString());
  corners_.assign(p.begin(), p.begin() + last);
  editor_->selectKind(1);
  return true;
}

void TFAbb::runChain() {
  try {
    images_ = RunMappings(chain_, corners_);
  } catch (const CalcFailure&) {
    throw InputRejected(PlaneCellKey(1, 1).toStdString(), msg::ImproperData);
  }
}

void TFAbb::compute() {
  runChain();
  setMemoLines(MappingResults(chain_, images_));
}

void TFAbb::enterChartPage(int index) {
  // The chart maps the corners read at the last visit of the results.
  runChain();
  if (index == chartPage().options().pageIndex) chartPage().visit();
}

ChartRange TFAbb::chartRange() {
  bool any = false;
  ChartRange r;
  auto add = [&](const TVec2& p) {
    if (!any) r = {p.x, p.y, p.x, p.y}, any = true;
    r.xLo = std::min(r.xLo, p.x), r.xHi = std::max(r.xHi, p.x);
    r.yLo = std::min(r.yLo, p.y), r.yHi = std::max(r.yHi, p.y);
  };
  for (const auto& image : images_)
    for (const TVec2& p : image) add(p);
  for (int a = 1; a <= chain_.count(); ++a) {
    const Mapping& m = chain_.at(a);
    if (m.kind == MkPointReflection || m.kind == MkRotation || m.kind == MkDilation) add({m.w[0], m.w[1]});
  }
  if (!any) return {};
  const Extended dx = r.xHi > r.xLo ? (r.xHi - r.xLo) / 10 : 1, dy = r.yHi > r.yLo ? (r.yHi - r.yLo) / 10 : 1;
  return {r.xLo - dx, r.yLo - dy, r.xHi + dx, r.yHi + dy};
}

void TFAbb::drawFigures(TVIrada& chart) {
  const TScaleProps& y = chart.Layers().Y(1);
  DrawMappings(chart, chain_, images_, chartPage().pens(), Extended(y.RangeHigh() - y.RangeLow()) / 20);
}

void TFAbb::graphHints(std::array<QString, 13>& hints) {
  hints[1] = GetText(IAbb, 301);
  for (int i = 1; i <= 11; ++i)
    hints[std::size_t(i + 1)] = i <= chain_.count() && chain_.at(i).kind > 0 ? MappingText(i, chain_.at(i)) : QString();
}

}  // namespace zw
