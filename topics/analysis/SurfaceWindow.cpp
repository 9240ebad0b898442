#include "topics/analysis/SurfaceWindow.h"

#include <QCheckBox>
#include <QEvent>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QSpinBox>
#include <algorithm>
#include <cmath>

#include "charts/Plot3D.h"
#include "kernel/CheckedInput.h"
#include "kernel/Format.h"
#include "shell/Metrics.h"
#include "shell/Settings.h"
#include "shell/State.h"
#include "shell/kit/InputRows.h"
#include "shell/texts/Texts.h"
#include "topics/frame/InputRejected.h"
#include "topics/frame/TopicPrinting.h"
#include "topics/frame/View3DPicture.h"

namespace zw {

namespace {

TopicConfig surfaceConfig() {
  TopicConfig c;
  c.pages = TopicConfig::inputAndChart();
  c.taskLines = 2;
  return c;
}

const QString kKeys[SurfaceFieldCount] = {QStringLiteral("f(x,y)"), QStringLiteral("u(x,y)"), QStringLiteral("x1"),
                                          QStringLiteral("x2"),     QStringLiteral("y1"),     QStringLiteral("y2"),
                                          QStringLiteral("z1"),     QStringLiteral("z2")};

constexpr int kInitialLines = 40;

QColor ToQColor(ColorValue v) { return QColor(v & 0xFF, (v >> 8) & 0xFF, (v >> 16) & 0xFF); }

// A range text that reads as a number (blank texts do not count here).
bool ReadsAsNumber(const QString& text, Extended& v) {
  if (text.trimmed().isEmpty()) return false;
  std::int32_t ok = 1;
  ReadValue(text.toStdU16String(), v, u'e', ok);
  return ok != 0;
}

}  // namespace

TFPlot3d::TFPlot3d(QWidget* owner) : TopicWindow(owner, ClassName, surfaceConfig()) {
  QWidget* box = inputArea();
  for (int k = 0; k < SurfaceFieldCount; ++k) {
    captions_[static_cast<size_t>(k)] = new QLabel(box);
    edits_[static_cast<size_t>(k)] = new QLineEdit(box);
    fields().addField(kKeys[k], edits_[static_cast<size_t>(k)], k < 2 ? 0 : u'e');
  }
  symmetric_ = new QCheckBox(box);
  autoScale_ = new QCheckBox(box);
  colour_ = new QCheckBox(box);
  linesCaption_ = new QLabel(box);
  lines_ = new QSpinBox(box);
  lines_->setRange(3, 99);
  lines_->setValue(kInitialLines);
  fields().addInteger(QStringLiteral("n"), [this] { return lines_->value(); }, [this](int v) { lines_->setValue(v); },
                      20, lines_->minimum(), lines_->maximum());
  fields().addInteger(QStringLiteral("Color"), [this] { return colour_->isChecked() ? 1 : 0; },
                      [this](int v) { colour_->setChecked(v != 0); }, 0, 0, 1);
  for (QCheckBox* b : {symmetric_, autoScale_, colour_})
    connect(b, &QCheckBox::clicked, this, guardedSlot([this] { makeSymmetric(); }));
  connect(edit(SurfaceField::X1), &QLineEdit::textEdited, this, guardedSlot([this] { mirrorX1(); }));

  const int chart = pageOf(PageKind::Chart);
  plot_ = new TPlot3D(contentBox(chart));
  plot_->setObjectName(QStringLiteral("Plot3D1"));
  plot_->setAutoCenter(true);
  plot_->setColorBakGnd(Qt::white);
  plot_->setBoundBoxStyle(TBoundingBox::bbFaces);
  plot_->setMeshVisible(true);
  plot_->setMeshKind(TMeshKind::mkMesh);
  plot_->setColorCodingMode(TColorCodingMode::ccmTwoColors);
  plot_->setMagnification(0.9);
  plot_->setMouseAction(TMouseActMode::maRotAndZoom);
  plot_->SetViewAngles(60, 15);
  for (int axis = 0; axis < 3; ++axis) {
    plot_->setCaption(axis, QString(QChar(u'X' + axis)));
    plot_->setDecPlace(axis, axis < 2 ? 1 : 2);
    plot_->setMinTick(axis, 3);
  }
  // Zoomed out further the surface is a speck that is hard to catch again.
  plot_->OnMouseAction = [](TPlot3D*, int&, int&, double&, double&, double& magnification, Qt::MouseButtons) {
    magnification = std::max(magnification, 0.2);
  };
  plot_->installEventFilter(this);
  picture_ = std::make_unique<View3DPicture>(*this, *plot_);
  connect(&longRun(), &LongRun::ended, this, [this](Stepper::End how) { runEnded(how); });
  if (memo()) memo()->hide();  // the picture is the result; there is no text
  initTopic();
}

TFPlot3d::~TFPlot3d() = default;

void TFPlot3d::initialValues() { lines_->setValue(kInitialLines); }

QString TFPlot3d::rangeCaption(int axis, bool high) const {
  if (high) return QStringLiteral("  ") + GetText(ITabelle, 2).trimmed() + QStringLiteral("  ");
  return QString(QChar(u'x' + axis)) + QStringLiteral("  ") + GetText(ITabelle, 1).trimmed() + QStringLiteral(" ");
}

void TFPlot3d::layoutInputs() {
  const LayoutMetrics& m = metrics();
  const FontTextMeasurer font(fonts().TextFont.font);
  const int left = ScalePixels(16);
  const QString termCaptions[2] = {GetText(IPlot3d, 2), GetText(IPlot3d, 3)};
  int captionWidth = std::max(font.width(termCaptions[0]), font.width(termCaptions[1]));
  for (int axis = 0; axis < 3; ++axis) captionWidth = std::max(captionWidth, font.width(rangeCaption(axis, false)));
  const int highCaptionWidth = font.width(rangeCaption(0, true));
  QCheckBox* besideRow[3] = {symmetric_, nullptr, autoScale_};
  const int boxItems[3] = {9, 0, 10};
  for (int axis = 0; axis < 3; ++axis) {
    const int top = m.RowTop[4 + axis];
    const size_t lo = static_cast<size_t>(2 + 2 * axis), hi = lo + 1;
    PlaceLabelEdit(captions_[lo], edits_[lo], left, top, captionWidth, rangeCaption(axis, false));
    PlaceLabelEdit(captions_[hi], edits_[hi], edits_[lo]->geometry().right() + 1, top, highCaptionWidth,
                   rangeCaption(axis, true));
    if (QCheckBox* b = besideRow[axis]) {
      b->setFont(fonts().TextFont.font);
      b->setText(GetText(IPlot3d, boxItems[axis]));
      b->setGeometry(edits_[hi]->geometry().right() + ScalePixels(16), top, b->sizeHint().width(), m.RowHeight);
    }
  }
  // The term fields end where the check boxes of the range rows end: a width
  // taken from the window would keep the window from getting narrower again.
  const int termLeft = left + captionWidth;
  const int termWidth = std::max(m.EditWidth, symmetric_->geometry().right() + 1 - termLeft);
  for (int k = 0; k < 2; ++k) {
    PlaceLabelEditSized(captions_[static_cast<size_t>(k)], edits_[static_cast<size_t>(k)], left, m.RowTop[1 + k],
                        captionWidth, termWidth, termCaptions[k]);
  }
  const QString linesText = GetText(IPlot3d, 8);
  PlaceLabelEditSized(linesCaption_, lines_, left, m.RowTop[8], font.width(linesText), EditWidthFor(QStringLiteral("999")),
                      linesText);
  lines_->setFont(fonts().TextFont.font);
  colour_->setFont(fonts().TextFont.font);
  colour_->setText(GetText(IPlot3d, 11));
  colour_->setGeometry(lines_->geometry().right() + ScalePixels(16), m.RowTop[8], colour_->sizeHint().width(),
                       m.RowHeight);
}

void TFPlot3d::layoutPage(int index) {
  TopicWindow::layoutPage(index);
  if (index == pageOf(PageKind::Chart)) plot_->setGeometry(contentBox(index)->contentsRect());
}

void TFPlot3d::enterChartPage(int) {
  std::array<std::u16string, SurfaceFieldCount> texts;
  for (size_t k = 0; k < texts.size(); ++k) texts[k] = edits_[k]->text().toStdU16String();
  SurfaceRanges r;
  const bool fit = autoScale_->isChecked();
  const SurfaceField bad = CheckSurfaceInput(texts, r, !fit);
  if (bad != SurfaceField::None) throw InputRejected(kKeys[static_cast<size_t>(bad)].toStdString());
  // A long term takes seconds: the samples are taken in steps, and the plot
  // shows the new surface once all are in; ESC keeps the last one.
  startLongRun(std::make_unique<SurfaceRun>(SurfaceTerm(texts[0], texts[1]), r, SurfaceGridSize(lines_->value()),
                                            FormulaContext::current(),
                                            [this, r, fit](SurfaceSamples& s) { showSurface(s, r, fit); }));
}

void TFPlot3d::showSurface(SurfaceSamples& s, const SurfaceRanges& r, bool fit) {
  // The typed z range is the box: the surface is clipped to it.
  PutSurface(plot_->GridMat, s, r, !fit);
  applyColours();
  // The colour scale spans the values drawn; the component keeps low below high.
  if (s.zmin < s.zmax) {
    if (s.zmin < plot_->ColorScaleHigh()) {
      plot_->setColorScaleLow(s.zmin);
      plot_->setColorScaleHigh(s.zmax);
    } else {
      plot_->setColorScaleHigh(s.zmax);
      plot_->setColorScaleLow(s.zmin);
    }
  }
  plot_->setCentX(plot_->width() / 2);
  plot_->setCentY(plot_->height() / 2);
  plot_->SetRange(static_cast<double>(r.x1), static_cast<double>(r.x2), static_cast<double>(r.y1),
                  static_cast<double>(r.y2), fit ? s.zmin : static_cast<double>(r.z1),
                  fit ? s.zmax : static_cast<double>(r.z2));
}

void TFPlot3d::runEnded(Stepper::End how) {
  // A drawing stopped half way leaves no picture to look at: back to the inputs.
  if (how == Stepper::End::Stopped) {
    showPageSilently(pageOf(PageKind::Input));
    focusFirstInput();
  }
}

void TFPlot3d::applyColours() {
  const ShellState& st = shellState();
  plot_->setColorCodingMode(TColorCodingMode::ccmTwoColors);
  // The settings' area colour and graph 12: this window has no chart settings of its own.
  plot_->setColorLow(colour_->isChecked() ? ToQColor(PaletteColor(st.SettingsAreaColor)) : QColor(Qt::white));
  plot_->setColorHigh(Qt::white);
  plot_->setColorMesh(ToQColor(PaletteColor(GraphColorIndex(st.SettingsLineColor, 12))));
  plot_->setColorXCoords(Qt::black);
  plot_->setColorYCoords(Qt::black);
  plot_->setColorZCoords(Qt::black);
  plot_->setLabDistZ(50);
}

void TFPlot3d::setSymmetric(Extended a) {
  const QString low = QString::fromStdU16String(FormatReal(15, -a));
  const QString high = QString::fromStdU16String(FormatReal(15, a));
  edit(SurfaceField::X1)->setText(low);
  edit(SurfaceField::X2)->setText(high);
  edit(SurfaceField::Y1)->setText(low);
  edit(SurfaceField::Y2)->setText(high);
}

void TFPlot3d::makeSymmetric() {
  if (!symmetric_->isChecked()) return;
  Extended a = 0;
  for (SurfaceField f : {SurfaceField::X1, SurfaceField::X2, SurfaceField::Y1, SurfaceField::Y2}) {
    Extended v = 0;
    if (ReadsAsNumber(edit(f)->text(), v)) a = std::max(a, std::fabs(v));
  }
  if (a == 0) a = 10;
  setSymmetric(a);
}

void TFPlot3d::mirrorX1() {
  Extended v = 0;
  if (!symmetric_->isChecked() || !ReadsAsNumber(edit(SurfaceField::X1)->text(), v)) return;
  const Extended a = std::fabs(v);
  setSymmetric(a);
}

void TFPlot3d::printBody(QPainter& painter, QPagedPaintDevice& device, PrintCursor& cursor) {
  QStringList lines{GetText(IPlot3d, 2) + edit(SurfaceField::F)->text(),
                    GetText(IPlot3d, 3) + edit(SurfaceField::U)->text(), QString()};
  for (int axis = 0; axis < 3; ++axis)
    lines << rangeCaption(axis, false) + edits_[static_cast<size_t>(2 + 2 * axis)]->text() + rangeCaption(axis, true) +
                 edits_[static_cast<size_t>(3 + 2 * axis)]->text();
  PrintMemoLines(painter, device, fonts().FixedFont.font, lines, cursor);
  picture_->print(painter, device, cursor);
}

TopicPicture* TFPlot3d::picture() { return picture_.get(); }

bool TFPlot3d::eventFilter(QObject* watched, QEvent* event) {
  if (watched == plot_ && event->type() == QEvent::MouseButtonDblClick) plot_->setMagnification(0.9);
  return TopicWindow::eventFilter(watched, event);
}

}  // namespace zw
