#include "topics/frame/ChartDialog.h"

#include <QApplication>
#include <QButtonGroup>
#include <QCheckBox>
#include <QCloseEvent>
#include <QColorDialog>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <cmath>

#include "charts/VIrada.h"
#include "kernel/BasicMath.h"
#include "kernel/CheckedInput.h"
#include "kernel/Format.h"
#include "kernel/KernelState.h"
#include "shell/Fonts.h"
#include "shell/Metrics.h"
#include "shell/Settings.h"
#include "shell/State.h"
#include "shell/commands/Commands.h"
#include "shell/help/Help.h"
#include "shell/kit/PageLayout.h"
#include "shell/texts/Texts.h"

namespace zw {

namespace {

QString txt(int item) { return GetText(IRange, item); }

QString numberText(Extended v) { return QString::fromStdU16String(FormatReal(15, v)); }

Extended readOr(const QString& s, Extended fallback) {
  Extended v = 0;
  std::int32_t ok = 0;
  ReadValue(s.toStdU16String(), v, u'f', ok);
  return ok ? v : fallback;
}

void setPanelColour(QPushButton* b, TColor c) {
  b->setStyleSheet(QStringLiteral("background-color: %1; border: 1px solid gray;").arg(ToQColor(c).name()));
  b->setProperty("colour", QVariant::fromValue<qulonglong>(c));
}

TColor panelColour(const QPushButton* b) { return TColor(b->property("colour").toULongLong()); }

QButtonGroup* radioGroup(QWidget* page, const QString& caption, const QStringList& items, QRect r,
                         QGroupBox** box = nullptr) {
  auto* g = new QGroupBox(caption, page);
  g->setGeometry(r);
  auto* group = new QButtonGroup(g);
  for (int i = 0; i < items.size(); ++i) {
    auto* rb = new QRadioButton(items[i], g);
    rb->setGeometry(ScalePixels(8), ScalePixels(18) + i * ScalePixels(20), r.width() - ScalePixels(12),
                    ScalePixels(20));
    group->addButton(rb, i);
  }
  if (box) *box = g;
  return group;
}

}  // namespace

int RangeDecimals(double span) {
  const double a = std::fabs(span);
  if (!(a > 0)) return 3;
  return std::max(1, 3 - int(std::trunc(std::log10(a))));
}

ChartSettingsValues ReadChartSettings(TVIrada& chart) {
  ChartSettingsValues v;
  const ShellState& s = shellState();
  const double xLo = chart.Layers().X(1).RangeLow(), xHi = chart.Layers().X(1).RangeHigh();
  const double yLo = chart.Layers().Y(1).RangeLow(), yHi = chart.Layers().Y(1).RangeHigh();
  const int dx = RangeDecimals(xHi - xLo), dy = RangeDecimals(yHi - yLo);
  v.xLo = numberText(RoundDecimals(dx, xLo));
  v.xHi = numberText(RoundDecimals(dx, xHi));
  v.yLo = numberText(RoundDecimals(dy, yLo));
  v.yHi = numberText(RoundDecimals(dy, yHi));
  v.xAxis = s.ChartLogX ? 1 : 0;
  v.yAxis = s.ChartLogY ? 1 : 0;
  v.angleMode = kernelState().AngleMode;
  switch (chart.GridStyle()) {
    case GridStyleType::gsNone: v.gridStyle = 0; break;
    case GridStyleType::gsPoints: v.gridStyle = 1; break;
    case GridStyleType::gsDotLines: v.gridStyle = 2; break;
    case GridStyleType::gsLines: v.gridStyle = 3; break;
    default: v.gridStyle = s.ChartGridOption; break;
  }
  v.dx = numberText(chart.GridDx());
  v.dy = numberText(chart.GridDy());
  v.autoGrid = s.ChartGridAuto;
  v.gridColor = chart.GridColor();
  v.chartColor = chart.ChartColor();
  v.windColor = chart.WindColor();
  v.axisColor = chart.ChartFrameColor();
  v.fontColor = chart.FontColor();
  v.printFactor = QString::number(int(std::trunc(s.PrintScale * 100 + 1e-9))) + QStringLiteral(" %");
  v.printBlackWhite = s.PrintBlackWhite;
  v.resolution = s.ChartResolution;
  return v;
}

void ApplyChartSettings(TVIrada& chart, const ChartSettingsValues& v) {
  ShellState& s = shellState();
  const Extended xLo = readOr(v.xLo, -10), xHi = readOr(v.xHi, 10);
  const Extended yLo = readOr(v.yLo, -10), yHi = readOr(v.yHi, 10);
  // An axis becomes linear before it takes the typed ends, so a logarithmic
  // axis cannot refuse them; a logarithmic one then starts at 0.1.
  auto axis = [](TScaleProps& p, int kind, Extended lo, Extended hi, bool& option) {
    if (kind == 0) {
      option = false;
      p.setLogarithmic(false);
      p.setRangeLow(double(lo));
      p.setRangeHigh(double(hi));
      return;
    }
    option = true;
    p.setLogarithmic(false);
    p.setRangeLow(double(lo));
    p.setRangeHigh(double(hi));
    p.setRangeLow(0.1);
    if (p.RangeLow() >= p.RangeHigh()) p.setRangeHigh(10);
    p.setLogarithmic(true);
  };
  axis(chart.Layers().X(1), v.xAxis, xLo, xHi, s.ChartLogX);
  axis(chart.Layers().Y(1), v.yAxis, yLo, yHi, s.ChartLogY);
  kernelState().AngleMode = v.angleMode;
  static constexpr GridStyleType styles[] = {GridStyleType::gsNone, GridStyleType::gsPoints,
                                             GridStyleType::gsDotLines, GridStyleType::gsLines};
  if (v.gridStyle >= 0 && v.gridStyle <= 3) chart.setGridStyle(styles[v.gridStyle]);
  if (v.autoGrid) {
    s.ChartGridAuto = true;
    chart.setGridDx(0);
    chart.setGridDy(0);
  } else {
    s.ChartGridAuto = false;
    chart.setGridDx(double(readOr(v.dx, 0)));
    chart.setGridDy(double(readOr(v.dy, 0)));
  }
  chart.setGridColor(v.gridColor);
  chart.setChartColor(v.chartColor);
  chart.setWindColor(v.windColor);
  chart.setChartFrameColor(v.axisColor);
  chart.setFontColor(v.fontColor);
  s.PrintScale = StrToIntDefault(v.printFactor.left(3).trimmed(), 100) / 100.0;
  s.PrintBlackWhite = v.printBlackWhite;
}

// ----- the dialog -------------------------------------------------------------

TFFormChart::TFFormChart(QWidget* owner) : QDialog(owner) {
  setWindowTitle(txt(5));
  setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint);  // no close box
  setFont(fonts().TextFont.font);
  resize(ScalePixels(440), ScalePixels(306));
  chooseColor = [](QWidget* parent, QColor& c) {
    const QColor chosen = QColorDialog::getColor(c, parent);
    if (!chosen.isValid()) return false;
    c = chosen;
    return true;
  };
  runModal = [](TFFormChart* d) { return d->exec(); };

  Tabulator = new PageControl(CaptionTabBar::CaptionStyle::Shell, this);
  Tabulator->setGeometry(0, 0, width(), height());
  QWidget* pages[3];
  const int captions[3] = {10, 20, 30};
  for (int i = 0; i < 3; ++i) {
    pages[i] = new QWidget;
    Tabulator->addTab(pages[i], txt(captions[i]));
    BtnOk[i] = new QPushButton(QStringLiteral("OK"), pages[i]);
    btnESC[i] = new QPushButton(GetText(IVorlage, 2).isEmpty() ? QStringLiteral("Abbrechen") : GetText(IVorlage, 2),
                                pages[i]);
    BtnHelp[i] = new QPushButton(QStringLiteral("?"), pages[i]);
    const int y = height() - ScalePixels(64);
    BtnOk[i]->setGeometry(ScalePixels(16), y, ScalePixels(90), ScalePixels(26));
    btnESC[i]->setGeometry(ScalePixels(116), y, ScalePixels(90), ScalePixels(26));
    BtnHelp[i]->setGeometry(ScalePixels(216), y, ScalePixels(40), ScalePixels(26));
    connect(BtnOk[i], &QPushButton::clicked, this, [this] {
      OK = true;
      accept();
    });
    connect(btnESC[i], &QPushButton::clicked, this, [this] {
      OK = false;
      reject();
    });
    connect(BtnHelp[i], &QPushButton::clicked, this, [] { ShowCompiledHelp(HelpContextOf(IRange)); });
  }

  // Page 1: ranges, axis kinds, angle mode.
  const LayoutMetrics& m = metrics();
  const int ew = m.EditWidth * 3 / 4, left = std::max(1, m.ColLeft[1]);
  auto labelled = [&](QWidget* page, const QString& caption, int x, int y) {
    auto* l = new QLabel(caption, page);
    const int w = QFontMetrics(font()).horizontalAdvance(caption);
    l->setGeometry(x, y, w, ScalePixels(22));
    auto* e = new QLineEdit(page);
    e->setGeometry(x + w, y, ew, ScalePixels(22));
    return e;
  };
  edxvon = labelled(pages[0], txt(12), left, m.RowTop[1]);
  edxbis = labelled(pages[0], txt(14), edxvon->geometry().right() + left, m.RowTop[1]);
  edyvon = labelled(pages[0], txt(13), left, m.RowTop[2]);
  edybis = labelled(pages[0], txt(14), edyvon->geometry().right() + left, m.RowTop[2]);
  const int sq = ScalePixels(100);
  rbxAchse = radioGroup(pages[0], txt(16), {txt(18), QStringLiteral(" logar.")}, QRect(left, m.RowTop[4], sq, sq));
  rbyAchse = radioGroup(pages[0], txt(17), {txt(18), QStringLiteral(" logar.")},
                        QRect(sq + 2 * left, m.RowTop[4], sq, sq));
  rbWinkel = radioGroup(pages[0], txt(19), {QStringLiteral(" DEG"), QStringLiteral(" RAD"), QStringLiteral(" GON")},
                        QRect(2 * sq + 3 * left, m.RowTop[4], sq, sq));

  // Page 2: grid.
  rblinestyle = radioGroup(pages[1], txt(21), {txt(210), txt(211), txt(212), txt(213)},
                           QRect(left, m.RowTop[1], ScalePixels(108), ScalePixels(124)));
  auto* gbSpace = new QGroupBox(txt(23), pages[1]);
  gbSpace->setGeometry(ScalePixels(128), m.RowTop[1], ScalePixels(100), ScalePixels(124));
  auto* ldx = new QLabel(QStringLiteral("dx = "), gbSpace);
  ldx->setGeometry(ScalePixels(6), ScalePixels(22), ScalePixels(34), ScalePixels(22));
  eddx = new QLineEdit(gbSpace);
  eddx->setGeometry(ScalePixels(40), ScalePixels(22), ScalePixels(54), ScalePixels(22));
  auto* ldy = new QLabel(QStringLiteral("dy = "), gbSpace);
  ldy->setGeometry(ScalePixels(6), ScalePixels(50), ScalePixels(34), ScalePixels(22));
  eddy = new QLineEdit(gbSpace);
  eddy->setGeometry(ScalePixels(40), ScalePixels(50), ScalePixels(54), ScalePixels(22));
  cbAutoscale = new QCheckBox(QStringLiteral(" auto"), gbSpace);
  cbAutoscale->setGeometry(ScalePixels(6), ScalePixels(80), ScalePixels(88), ScalePixels(22));
  auto* gbcolors = new QGroupBox(txt(25), pages[1]);
  gbcolors->setGeometry(ScalePixels(232), m.RowTop[1], ScalePixels(112), ScalePixels(208));
  QPushButton** colourPanels[5] = {&panGridColor, &panChartColor, &panWindColor, &panAxisColor, &panFontColor};
  for (int i = 0; i < 5; ++i) {
    auto* l = new QLabel(txt(250 + i) + QStringLiteral(": "), gbcolors);
    l->setAlignment(Qt::AlignRight | Qt::AlignVCenter);
    l->setGeometry(ScalePixels(2), ScalePixels(24 + 32 * i), ScalePixels(60), ScalePixels(24));
    QPushButton* b = *colourPanels[i] = new QPushButton(gbcolors);
    b->setGeometry(ScalePixels(64), ScalePixels(24 + 32 * i), ScalePixels(24), ScalePixels(24));
    connect(b, &QPushButton::clicked, this, [this, b] {
      QColor c = ToQColor(panelColour(b));
      if (chooseColor && chooseColor(this, c)) setPanelColour(b, FromQColor(c));
    });
  }

  // Page 3: graphs, resolution, printing, area.
  rgaufloesung = radioGroup(pages[2], txt(40), {txt(401), txt(402), txt(403), txt(404)},
                            QRect(ScalePixels(16), ScalePixels(16), ScalePixels(100), ScalePixels(100)));
  auto* gbAusdruck = new QGroupBox(txt(43), pages[2]);
  gbAusdruck->setGeometry(ScalePixels(124), ScalePixels(14), ScalePixels(100), ScalePixels(100));
  cbFaktor = new QComboBox(gbAusdruck);
  for (int p = 100; p >= 50; p -= 10) cbFaktor->addItem(QString::number(p) + QStringLiteral(" %"));
  cbFaktor->setGeometry(ScalePixels(8), ScalePixels(24), ScalePixels(84), ScalePixels(24));
  cbFarbe = new QCheckBox(txt(45), gbAusdruck);
  cbFarbe->setGeometry(ScalePixels(8), ScalePixels(60), ScalePixels(84), ScalePixels(22));
  gbFlaeche = new QGroupBox(txt(251), pages[2]);
  gbFlaeche->setGeometry(ScalePixels(232), ScalePixels(14), ScalePixels(100), ScalePixels(100));
  auto* gbgrafcolor = new QGroupBox(txt(41), pages[2]);
  gbgrafcolor->setGeometry(ScalePixels(16), ScalePixels(134), ScalePixels(316), ScalePixels(44));
  auto* gbgrafwidth = new QGroupBox(txt(42), pages[2]);
  gbgrafwidth->setGeometry(ScalePixels(16), ScalePixels(188), ScalePixels(316), ScalePixels(44));
  auto* l0 = new QLabel(txt(44), gbFlaeche);
  l0->setGeometry(ScalePixels(6), ScalePixels(24), ScalePixels(50), ScalePixels(20));
  auto* l1 = new QLabel(txt(252), gbFlaeche);
  l1->setGeometry(ScalePixels(6), ScalePixels(56), ScalePixels(50), ScalePixels(20));
  for (int row = 0; row <= 12; ++row) {
    QWidget* colourParent = row == 0 ? static_cast<QWidget*>(gbFlaeche) : gbgrafcolor;
    QWidget* widthParent = row == 0 ? static_cast<QWidget*>(gbFlaeche) : gbgrafwidth;
    panCol[row] = new QPushButton(row == 0 ? QString() : QString::number(row), colourParent);
    edWid[row] = new QLineEdit(widthParent);
    const int x = row == 0 ? ScalePixels(60) : ScalePixels(10 + 23 * (row - 1));
    panCol[row]->setGeometry(x, row == 0 ? ScalePixels(24) : ScalePixels(16), ScalePixels(20), ScalePixels(20));
    edWid[row]->setGeometry(x, row == 0 ? ScalePixels(56) : ScalePixels(16), ScalePixels(20), ScalePixels(20));
    connect(panCol[row], &QPushButton::clicked, this, [this, row] { panelClicked(row); });
    connect(edWid[row], &QLineEdit::editingFinished, this, [this, row] { widthLeft(row); });
  }
  BtnResetC = new QPushButton(QStringLiteral("R"), gbgrafcolor);
  BtnResetC->setGeometry(ScalePixels(10 + 23 * 12 + 4), ScalePixels(16), ScalePixels(20), ScalePixels(20));
  BtnResetW = new QPushButton(QStringLiteral("R"), gbgrafwidth);
  BtnResetW->setGeometry(ScalePixels(10 + 23 * 12 + 4), ScalePixels(16), ScalePixels(20), ScalePixels(20));
  connect(BtnResetC, &QPushButton::clicked, this,
          [this] { resetColors(QApplication::keyboardModifiers() == Qt::ShiftModifier); });
  connect(BtnResetW, &QPushButton::clicked, this,
          [this] { resetWidths(QApplication::keyboardModifiers() == Qt::ShiftModifier); });
  gbFarbtabelle = new QGroupBox(txt(410), pages[2]);
  gbFarbtabelle->setGeometry(ScalePixels(16), ScalePixels(16), ScalePixels(316), ScalePixels(110));
  for (int i = 1; i <= 48; ++i) {
    swatches[i] = new QPushButton(gbFarbtabelle);
    swatches[i]->setGeometry(ScalePixels(10 + 23 * ((i - 1) % 12)), ScalePixels(16 + 22 * ((i - 1) / 12)),
                             ScalePixels(20), ScalePixels(20));
    setPanelColour(swatches[i], PaletteColor(i));
    connect(swatches[i], &QPushButton::clicked, this, [this, i] { swatchClicked(i); });
  }
  BtnClose = new QPushButton(QStringLiteral("x"), gbFarbtabelle);
  BtnClose->setGeometry(ScalePixels(10 + 23 * 12), ScalePixels(16), ScalePixels(18), ScalePixels(19));
  connect(BtnClose, &QPushButton::clicked, gbFarbtabelle, &QWidget::hide);
  gbFarbtabelle->hide();
  connect(Tabulator, &QTabWidget::currentChanged, this, [this](int i) {
    if (i == 2) gbFarbtabelle->hide();
  });

  // Options that change at once, whether the dialog is confirmed or not.
  connect(rblinestyle, &QButtonGroup::idClicked, this, [](int id) { shellState().ChartGridOption = id; });
  connect(rgaufloesung, &QButtonGroup::idClicked, this, [](int id) { shellState().ChartResolution = id; });
  connect(cbFarbe, &QCheckBox::clicked, this, [](bool on) { shellState().PrintBlackWhite = on; });
  connect(cbAutoscale, &QCheckBox::clicked, this, [](bool on) { shellState().ChartGridAuto = on; });
  connect(cbFaktor, &QComboBox::currentIndexChanged, this,
          [](int index) { shellState().PrintScale = 1 - 0.1 * index; });

  FormCreate();
}

void TFFormChart::FormCreate() {
  rblinestyle->button(std::clamp(shellState().ChartGridOption, 0, 3))->setChecked(true);
  ChartGraphRows none;
  none.maxVis = 0;
  showRows(none);
}

void TFFormChart::showRows(const ChartGraphRows& rows) {
  minVis_ = std::clamp(rows.minVis, 0, 12);
  maxVis_ = std::clamp(rows.maxVis, 0, 12);
  col.fill(0);
  wid.fill(0);
  col[0] = 28;
  if (rows.areaVis) {
    col[0] = rows.areaColor;
    wid[0] = rows.areaWidth;
  }
  for (int i = 1; i <= maxVis_; ++i) {
    col[i] = GraphColorIndex(rows.colorList, i);
    wid[i] = GraphLineWidth(rows.widthList, i);
  }
  vis.fill(false);
  for (int i = minVis_; i <= maxVis_; ++i) vis[i] = true;
  areaVis_ = vis[0];
  for (int i = 0; i <= 12; ++i) {
    panCol[i]->setVisible(vis[i]);
    edWid[i]->setVisible(vis[i]);
    panCol[i]->setToolTip(rows.hints[i]);
    edWid[i]->setToolTip(rows.hints[i]);
  }
  gbFlaeche->setVisible(rows.areaVis);
  recolourPanels();
  refillWidths();
}

void TFFormChart::recolourPanels() {
  for (int i = 0; i <= 12; ++i)
    if (vis[i]) setPanelColour(panCol[i], PaletteColor(col[i]));
}

void TFFormChart::refillWidths() {
  for (int i = 0; i <= 12; ++i) edWid[i]->setText(QString::number(wid[i]));
}

void TFFormChart::panelClicked(int row) {
  PanelNr = row;
  QString name = row == 0 ? txt(251) : QString::number(row);
  QString caption = txt(50);
  caption.replace(QStringLiteral("XXX"), name, Qt::CaseInsensitive);
  gbFarbtabelle->setTitle(caption);
  gbFarbtabelle->move(gbFarbtabelle->x(), row == 0 ? ScalePixels(125) : ScalePixels(10));
  gbFarbtabelle->show();
  gbFarbtabelle->raise();
}

void TFFormChart::swatchClicked(int index) {
  col[std::size_t(PanelNr)] = index;
  recolourPanels();
  gbFarbtabelle->hide();
}

void TFFormChart::widthLeft(int row) {
  bool ok = false;
  const int v = edWid[row]->text().trimmed().toInt(&ok);
  if (ok && v >= 0 && v <= 255) {
    wid[row] = v;
    return;
  }
  // Not a width: the old value stays and the field keeps the focus.
  QSignalBlocker block(edWid[row]);
  ShowErrorBox(this, GetMessageText(22));
  edWid[row]->setText(QString::number(wid[row]));
  edWid[row]->setFocus();
}

void TFFormChart::resetColors(bool fromFirst) {
  static const QString defaults = QStringLiteral("5,19,13,3,14,4,6,20,21,10,11,24");
  for (int i = fromFirst ? 2 : 1; i <= maxVis_; ++i)
    col[i] = fromFirst ? col[1] : GraphColorIndex(defaults, i);
  recolourPanels();
  BtnOk[2]->setFocus();
}

void TFFormChart::resetWidths(bool fromFirst) {
  static const QString defaults = QStringLiteral("2,2,2,2,2,2,2,2,2,2,2,2");
  for (int i = fromFirst ? 2 : 1; i <= maxVis_; ++i)
    wid[i] = fromFirst ? wid[1] : GraphLineWidth(defaults, i);
  refillWidths();
  BtnOk[2]->setFocus();
}

ChartSettingsValues TFFormChart::values() const {
  ChartSettingsValues v;
  v.xLo = edxvon->text(), v.xHi = edxbis->text(), v.yLo = edyvon->text(), v.yHi = edybis->text();
  v.xAxis = std::max(0, rbxAchse->checkedId());
  v.yAxis = std::max(0, rbyAchse->checkedId());
  v.angleMode = std::max(0, rbWinkel->checkedId());
  v.gridStyle = std::max(0, rblinestyle->checkedId());
  v.dx = eddx->text(), v.dy = eddy->text();
  v.autoGrid = cbAutoscale->isChecked();
  v.gridColor = panelColour(panGridColor), v.chartColor = panelColour(panChartColor);
  v.windColor = panelColour(panWindColor), v.axisColor = panelColour(panAxisColor);
  v.fontColor = panelColour(panFontColor);
  v.printFactor = cbFaktor->currentText();
  v.printBlackWhite = cbFarbe->isChecked();
  v.resolution = std::max(0, rgaufloesung->checkedId());
  return v;
}

void TFFormChart::showValues(const ChartSettingsValues& v) {
  const QSignalBlocker b1(rblinestyle), b2(rgaufloesung), b3(cbFaktor), b4(cbFarbe), b5(cbAutoscale);
  edxvon->setText(v.xLo), edxbis->setText(v.xHi), edyvon->setText(v.yLo), edybis->setText(v.yHi);
  rbxAchse->button(std::clamp(v.xAxis, 0, 1))->setChecked(true);
  rbyAchse->button(std::clamp(v.yAxis, 0, 1))->setChecked(true);
  rbWinkel->button(std::clamp(v.angleMode, 0, 2))->setChecked(true);
  rblinestyle->button(std::clamp(v.gridStyle, 0, 3))->setChecked(true);
  eddx->setText(v.dx), eddy->setText(v.dy);
  cbAutoscale->setChecked(v.autoGrid);
  setPanelColour(panGridColor, v.gridColor);
  setPanelColour(panChartColor, v.chartColor);
  setPanelColour(panWindColor, v.windColor);
  setPanelColour(panAxisColor, v.axisColor);
  setPanelColour(panFontColor, v.fontColor);
  const int item = cbFaktor->findText(v.printFactor);
  cbFaktor->setCurrentIndex(item >= 0 ? item : 0);
  cbFarbe->setChecked(v.printBlackWhite);
  rgaufloesung->button(std::clamp(v.resolution, 0, 3))->setChecked(true);
}

bool TFFormChart::SetGrid(TVIrada& chart, ChartGraphRows& rows) {
  showValues(ReadChartSettings(chart));
  showRows(rows);
  OK = false;
  QPointer<TVIrada> guard(&chart);
  runModal(this);
  if (!OK) return false;
  writeBack(rows);
  if (!guard) return false;
  ApplyChartSettings(chart, values());
  return true;
}

void TFFormChart::writeBack(ChartGraphRows& rows) const {
  if (areaVis_) {
    rows.areaColor = col[0];
    rows.areaWidth = wid[0];
  }
  QStringList c, w;
  for (int i = 1; i <= maxVis_; ++i) {
    c << QString::number(col[i]);
    w << QString::number(wid[i]);
  }
  rows.colorList = c.join(u',');
  rows.widthList = w.join(u',');
}

void TFFormChart::closeEvent(QCloseEvent* e) {
  // Only the buttons close the dialog.
  e->ignore();
}

}  // namespace zw
