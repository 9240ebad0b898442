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

  tabs = new PageControl(CaptionTabBar::CaptionStyle::Shell, this);
  tabs->setGeometry(0, 0, width(), height());
  QWidget* pages[3];
  const int captions[3] = {10, 20, 30};
  for (int i = 0; i < 3; ++i) {
    pages[i] = new QWidget;
    tabs->addTab(pages[i], txt(captions[i]));
    okButtons[i] = new QPushButton(QStringLiteral("OK"), pages[i]);
    cancelButtons[i] = new QPushButton(GetText(IVorlage, 2).isEmpty() ? QStringLiteral("Abbrechen") : GetText(IVorlage, 2),
                                pages[i]);
    helpButtons[i] = new QPushButton(QStringLiteral("?"), pages[i]);
    const int y = height() - ScalePixels(64);
    okButtons[i]->setGeometry(ScalePixels(16), y, ScalePixels(90), ScalePixels(26));
    cancelButtons[i]->setGeometry(ScalePixels(116), y, ScalePixels(90), ScalePixels(26));
    helpButtons[i]->setGeometry(ScalePixels(216), y, ScalePixels(40), ScalePixels(26));
    connect(okButtons[i], &QPushButton::clicked, this, [this] {
      confirmed_ = true;
      accept();
    });
    connect(cancelButtons[i], &QPushButton::clicked, this, [this] {
      confirmed_ = false;
      reject();
    });
    connect(helpButtons[i], &QPushButton::clicked, this, [] { ShowCompiledHelp(HelpContextOf(IRange)); });
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
  xFromEdit = labelled(pages[0], txt(12), left, m.RowTop[1]);
  xToEdit = labelled(pages[0], txt(14), xFromEdit->geometry().right() + left, m.RowTop[1]);
  yFromEdit = labelled(pages[0], txt(13), left, m.RowTop[2]);
  yToEdit = labelled(pages[0], txt(14), yFromEdit->geometry().right() + left, m.RowTop[2]);
  const int sq = ScalePixels(100);
  xAxisGroup = radioGroup(pages[0], txt(16), {txt(18), QStringLiteral(" logar.")}, QRect(left, m.RowTop[4], sq, sq));
  yAxisGroup = radioGroup(pages[0], txt(17), {txt(18), QStringLiteral(" logar.")},
                        QRect(sq + 2 * left, m.RowTop[4], sq, sq));
  angleGroup = radioGroup(pages[0], txt(19), {QStringLiteral(" DEG"), QStringLiteral(" RAD"), QStringLiteral(" GON")},
                        QRect(2 * sq + 3 * left, m.RowTop[4], sq, sq));

  // Page 2: grid.
  gridStyleGroup = radioGroup(pages[1], txt(21), {txt(210), txt(211), txt(212), txt(213)},
                           QRect(left, m.RowTop[1], ScalePixels(108), ScalePixels(124)));
  auto* gbSpace = new QGroupBox(txt(23), pages[1]);
  gbSpace->setGeometry(ScalePixels(128), m.RowTop[1], ScalePixels(100), ScalePixels(124));
  auto* ldx = new QLabel(QStringLiteral("dx = "), gbSpace);
  ldx->setGeometry(ScalePixels(6), ScalePixels(22), ScalePixels(34), ScalePixels(22));
  dxEdit = new QLineEdit(gbSpace);
  dxEdit->setGeometry(ScalePixels(40), ScalePixels(22), ScalePixels(54), ScalePixels(22));
  auto* ldy = new QLabel(QStringLiteral("dy = "), gbSpace);
  ldy->setGeometry(ScalePixels(6), ScalePixels(50), ScalePixels(34), ScalePixels(22));
  dyEdit = new QLineEdit(gbSpace);
  dyEdit->setGeometry(ScalePixels(40), ScalePixels(50), ScalePixels(54), ScalePixels(22));
  autoGridBox = new QCheckBox(QStringLiteral(" auto"), gbSpace);
  autoGridBox->setGeometry(ScalePixels(6), ScalePixels(80), ScalePixels(88), ScalePixels(22));
  auto* gbcolors = new QGroupBox(txt(25), pages[1]);
  gbcolors->setGeometry(ScalePixels(232), m.RowTop[1], ScalePixels(112), ScalePixels(208));
  QPushButton** colourPanels[5] = {&gridColorButton, &chartColorButton, &windColorButton, &axisColorButton, &fontColorButton};
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
  resolutionGroup = radioGroup(pages[2], txt(40), {txt(401), txt(402), txt(403), txt(404)},
                            QRect(ScalePixels(16), ScalePixels(16), ScalePixels(100), ScalePixels(100)));
  auto* gbAusdruck = new QGroupBox(txt(43), pages[2]);
  gbAusdruck->setGeometry(ScalePixels(124), ScalePixels(14), ScalePixels(100), ScalePixels(100));
  printFactorBox = new QComboBox(gbAusdruck);
  for (int p = 100; p >= 50; p -= 10) printFactorBox->addItem(QString::number(p) + QStringLiteral(" %"));
  printFactorBox->setGeometry(ScalePixels(8), ScalePixels(24), ScalePixels(84), ScalePixels(24));
  blackWhiteBox = new QCheckBox(txt(45), gbAusdruck);
  blackWhiteBox->setGeometry(ScalePixels(8), ScalePixels(60), ScalePixels(84), ScalePixels(22));
  areaGroup = new QGroupBox(txt(251), pages[2]);
  areaGroup->setGeometry(ScalePixels(232), ScalePixels(14), ScalePixels(100), ScalePixels(100));
  auto* gbgrafcolor = new QGroupBox(txt(41), pages[2]);
  gbgrafcolor->setGeometry(ScalePixels(16), ScalePixels(134), ScalePixels(316), ScalePixels(44));
  auto* gbgrafwidth = new QGroupBox(txt(42), pages[2]);
  gbgrafwidth->setGeometry(ScalePixels(16), ScalePixels(188), ScalePixels(316), ScalePixels(44));
  auto* l0 = new QLabel(txt(44), areaGroup);
  l0->setGeometry(ScalePixels(6), ScalePixels(24), ScalePixels(50), ScalePixels(20));
  auto* l1 = new QLabel(txt(252), areaGroup);
  l1->setGeometry(ScalePixels(6), ScalePixels(56), ScalePixels(50), ScalePixels(20));
  for (int row = 0; row <= 12; ++row) {
    QWidget* colourParent = row == 0 ? static_cast<QWidget*>(areaGroup) : gbgrafcolor;
    QWidget* widthParent = row == 0 ? static_cast<QWidget*>(areaGroup) : gbgrafwidth;
    rowColorButtons[row] = new QPushButton(row == 0 ? QString() : QString::number(row), colourParent);
    rowWidthEdits[row] = new QLineEdit(widthParent);
    const int x = row == 0 ? ScalePixels(60) : ScalePixels(10 + 23 * (row - 1));
    rowColorButtons[row]->setGeometry(x, row == 0 ? ScalePixels(24) : ScalePixels(16), ScalePixels(20), ScalePixels(20));
    rowWidthEdits[row]->setGeometry(x, row == 0 ? ScalePixels(56) : ScalePixels(16), ScalePixels(20), ScalePixels(20));
    connect(rowColorButtons[row], &QPushButton::clicked, this, [this, row] { panelClicked(row); });
    connect(rowWidthEdits[row], &QLineEdit::editingFinished, this, [this, row] { widthLeft(row); });
  }
  resetColorsButton = new QPushButton(QStringLiteral("R"), gbgrafcolor);
  resetColorsButton->setGeometry(ScalePixels(10 + 23 * 12 + 4), ScalePixels(16), ScalePixels(20), ScalePixels(20));
  resetWidthsButton = new QPushButton(QStringLiteral("R"), gbgrafwidth);
  resetWidthsButton->setGeometry(ScalePixels(10 + 23 * 12 + 4), ScalePixels(16), ScalePixels(20), ScalePixels(20));
  connect(resetColorsButton, &QPushButton::clicked, this,
          [this] { resetColors(QApplication::keyboardModifiers() == Qt::ShiftModifier); });
  connect(resetWidthsButton, &QPushButton::clicked, this,
          [this] { resetWidths(QApplication::keyboardModifiers() == Qt::ShiftModifier); });
  paletteGroup = new QGroupBox(txt(410), pages[2]);
  paletteGroup->setGeometry(ScalePixels(16), ScalePixels(16), ScalePixels(316), ScalePixels(110));
  for (int i = 1; i <= 48; ++i) {
    swatches[i] = new QPushButton(paletteGroup);
    swatches[i]->setGeometry(ScalePixels(10 + 23 * ((i - 1) % 12)), ScalePixels(16 + 22 * ((i - 1) / 12)),
                             ScalePixels(20), ScalePixels(20));
    setPanelColour(swatches[i], PaletteColor(i));
    connect(swatches[i], &QPushButton::clicked, this, [this, i] { swatchClicked(i); });
  }
  closePaletteButton = new QPushButton(QStringLiteral("x"), paletteGroup);
  closePaletteButton->setGeometry(ScalePixels(10 + 23 * 12), ScalePixels(16), ScalePixels(18), ScalePixels(19));
  connect(closePaletteButton, &QPushButton::clicked, paletteGroup, &QWidget::hide);
  paletteGroup->hide();
  connect(tabs, &QTabWidget::currentChanged, this, [this](int i) {
    if (i == 2) paletteGroup->hide();
  });

  // Options that change at once, whether the dialog is confirmed or not.
  connect(gridStyleGroup, &QButtonGroup::idClicked, this, [](int id) { shellState().ChartGridOption = id; });
  connect(resolutionGroup, &QButtonGroup::idClicked, this, [](int id) { shellState().ChartResolution = id; });
  connect(blackWhiteBox, &QCheckBox::clicked, this, [](bool on) { shellState().PrintBlackWhite = on; });
  connect(autoGridBox, &QCheckBox::clicked, this, [](bool on) { shellState().ChartGridAuto = on; });
  connect(printFactorBox, &QComboBox::currentIndexChanged, this,
          [](int index) { shellState().PrintScale = 1 - 0.1 * index; });

  showInitialState();
}

void TFFormChart::showInitialState() {
  gridStyleGroup->button(std::clamp(shellState().ChartGridOption, 0, 3))->setChecked(true);
  ChartGraphRows none;
  none.maxVis = 0;
  showRows(none);
}

void TFFormChart::showRows(const ChartGraphRows& rows) {
  minVis_ = std::clamp(rows.minVis, 0, 12);
  maxVis_ = std::clamp(rows.maxVis, 0, 12);
  rowColors_.fill(0);
  rowWidths_.fill(0);
  rowColors_[0] = 28;
  if (rows.areaVis) {
    rowColors_[0] = rows.areaColor;
    rowWidths_[0] = rows.areaWidth;
  }
  for (int i = 1; i <= maxVis_; ++i) {
    rowColors_[i] = GraphColorIndex(rows.colorList, i);
    rowWidths_[i] = GraphLineWidth(rows.widthList, i);
  }
  rowShown_.fill(false);
  for (int i = minVis_; i <= maxVis_; ++i) rowShown_[i] = true;
  areaVis_ = rowShown_[0];
  for (int i = 0; i <= 12; ++i) {
    rowColorButtons[i]->setVisible(rowShown_[i]);
    rowWidthEdits[i]->setVisible(rowShown_[i]);
    rowColorButtons[i]->setToolTip(rows.hints[i]);
    rowWidthEdits[i]->setToolTip(rows.hints[i]);
  }
  areaGroup->setVisible(rows.areaVis);
  recolourPanels();
  refillWidths();
}

void TFFormChart::recolourPanels() {
  for (int i = 0; i <= 12; ++i)
    if (rowShown_[i]) setPanelColour(rowColorButtons[i], PaletteColor(rowColors_[i]));
}

void TFFormChart::refillWidths() {
  for (int i = 0; i <= 12; ++i) rowWidthEdits[i]->setText(QString::number(rowWidths_[i]));
}

void TFFormChart::panelClicked(int row) {
  paletteRow_ = row;
  QString name = row == 0 ? txt(251) : QString::number(row);
  QString caption = txt(50);
  caption.replace(QStringLiteral("XXX"), name, Qt::CaseInsensitive);
  paletteGroup->setTitle(caption);
  paletteGroup->move(paletteGroup->x(), row == 0 ? ScalePixels(125) : ScalePixels(10));
  paletteGroup->show();
  paletteGroup->raise();
}

void TFFormChart::swatchClicked(int index) {
  rowColors_[std::size_t(paletteRow_)] = index;
  recolourPanels();
  paletteGroup->hide();
}

void TFFormChart::widthLeft(int row) {
  bool ok = false;
  const int v = rowWidthEdits[row]->text().trimmed().toInt(&ok);
  if (ok && v >= 0 && v <= 255) {
    rowWidths_[row] = v;
    return;
  }
  // Not a width: the old value stays and the field keeps the focus.
  QSignalBlocker block(rowWidthEdits[row]);
  ShowErrorBox(this, GetMessageText(22));
  rowWidthEdits[row]->setText(QString::number(rowWidths_[row]));
  rowWidthEdits[row]->setFocus();
}

void TFFormChart::resetColors(bool fromFirst) {
  static const QString defaults = QStringLiteral("5,19,13,3,14,4,6,20,21,10,11,24");
  for (int i = fromFirst ? 2 : 1; i <= maxVis_; ++i)
    rowColors_[i] = fromFirst ? rowColors_[1] : GraphColorIndex(defaults, i);
  recolourPanels();
  okButtons[2]->setFocus();
}

void TFFormChart::resetWidths(bool fromFirst) {
  static const QString defaults = QStringLiteral("2,2,2,2,2,2,2,2,2,2,2,2");
  for (int i = fromFirst ? 2 : 1; i <= maxVis_; ++i)
    rowWidths_[i] = fromFirst ? rowWidths_[1] : GraphLineWidth(defaults, i);
  refillWidths();
  okButtons[2]->setFocus();
}

ChartSettingsValues TFFormChart::values() const {
  ChartSettingsValues v;
  v.xLo = xFromEdit->text(), v.xHi = xToEdit->text(), v.yLo = yFromEdit->text(), v.yHi = yToEdit->text();
  v.xAxis = std::max(0, xAxisGroup->checkedId());
  v.yAxis = std::max(0, yAxisGroup->checkedId());
  v.angleMode = std::max(0, angleGroup->checkedId());
  v.gridStyle = std::max(0, gridStyleGroup->checkedId());
  v.dx = dxEdit->text(), v.dy = dyEdit->text();
  v.autoGrid = autoGridBox->isChecked();
  v.gridColor = panelColour(gridColorButton), v.chartColor = panelColour(chartColorButton);
  v.windColor = panelColour(windColorButton), v.axisColor = panelColour(axisColorButton);
  v.fontColor = panelColour(fontColorButton);
  v.printFactor = printFactorBox->currentText();
  v.printBlackWhite = blackWhiteBox->isChecked();
  v.resolution = std::max(0, resolutionGroup->checkedId());
  return v;
}

void TFFormChart::showValues(const ChartSettingsValues& v) {
  const QSignalBlocker b1(gridStyleGroup), b2(resolutionGroup), b3(printFactorBox), b4(blackWhiteBox), b5(autoGridBox);
  xFromEdit->setText(v.xLo), xToEdit->setText(v.xHi), yFromEdit->setText(v.yLo), yToEdit->setText(v.yHi);
  xAxisGroup->button(std::clamp(v.xAxis, 0, 1))->setChecked(true);
  yAxisGroup->button(std::clamp(v.yAxis, 0, 1))->setChecked(true);
  angleGroup->button(std::clamp(v.angleMode, 0, 2))->setChecked(true);
  gridStyleGroup->button(std::clamp(v.gridStyle, 0, 3))->setChecked(true);
  dxEdit->setText(v.dx), dyEdit->setText(v.dy);
  autoGridBox->setChecked(v.autoGrid);
  setPanelColour(gridColorButton, v.gridColor);
  setPanelColour(chartColorButton, v.chartColor);
  setPanelColour(windColorButton, v.windColor);
  setPanelColour(axisColorButton, v.axisColor);
  setPanelColour(fontColorButton, v.fontColor);
  const int item = printFactorBox->findText(v.printFactor);
  printFactorBox->setCurrentIndex(item >= 0 ? item : 0);
  blackWhiteBox->setChecked(v.printBlackWhite);
  resolutionGroup->button(std::clamp(v.resolution, 0, 3))->setChecked(true);
}

bool TFFormChart::SetGrid(TVIrada& chart, ChartGraphRows& rows) {
  showValues(ReadChartSettings(chart));
  showRows(rows);
  confirmed_ = false;
  QPointer<TVIrada> guard(&chart);
  runModal(this);
  if (!confirmed_) return false;
  writeBack(rows);
  if (!guard) return false;
  ApplyChartSettings(chart, values());
  return true;
}

void TFFormChart::writeBack(ChartGraphRows& rows) const {
  if (areaVis_) {
    rows.areaColor = rowColors_[0];
    rows.areaWidth = rowWidths_[0];
  }
  QStringList c, w;
  for (int i = 1; i <= maxVis_; ++i) {
    c << QString::number(rowColors_[i]);
    w << QString::number(rowWidths_[i]);
  }
  rows.colorList = c.join(u',');
  rows.widthList = w.join(u',');
}

void TFFormChart::closeEvent(QCloseEvent* e) {
  // Only the buttons close the dialog.
  e->ignore();
}

}  // namespace zw
