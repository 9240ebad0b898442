#include "topics/linalg-stat/NormVerWindow.h"

#include <QFontMetrics>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPixmap>
#include <QPlainTextEdit>
#include <QSpinBox>

#include "charts/ChartDraw.h"
#include "kernel/CheckedInput.h"
#include "kernel/Format.h"
#include "kernel/FormatFixed.h"
#include "shell/Fonts.h"
#include "shell/Metrics.h"
#include "shell/kit/InputRows.h"
#include "shell/kit/Symbols.h"
#include "shell/texts/Texts.h"
#include "topics/frame/ChartPrinting.h"
#include "topics/frame/InputRejected.h"
#include "topics/frame/TopicPrinting.h"
#include "topics/frame/ValueTableLayout.h"

namespace zw {

namespace {

constexpr int kChartPage = 1, kTablePage = 2;
const char* const kTableKeys[3] = {NormFromKey, NormToKey, NormStepKey};

TopicConfig NormConfig() {
  TopicConfig c;
  c.pages = {{PageKind::Input, 1}, {PageKind::Chart, 4}, {PageKind::Other, 5}};
  c.tabStyle = TabStyle::Shell;
  c.check = InputCheck::OneBoxLastField;
  c.taskLines = 4;
  c.printPages = 2;
  return c;
}

ChartPageOptions NormChart() {
  ChartPageOptions o;
  o.pageIndex = kChartPage;
  o.snapshot = SnapshotColours::FollowSetting;
  o.minVis = 1;
  o.maxVis = 2;
  return o;
}

QString Fixed8(Extended x) { return QString::fromStdU16String(FormatFixed(10, 8, x)); }

}  // namespace

TFNormVer::TFNormVer(QWidget* owner) : ChartTopicWindow(owner, ClassName, NormConfig(), NormChart()) {
  QWidget* box = inputArea();
  label1_ = new QLabel(box);
  label1_->setObjectName(QStringLiteral("Label1"));
  label2_ = new QLabel(box);
  label2_->setObjectName(QStringLiteral("Label2"));
  image1_ = new QLabel(box);
  image1_->setObjectName(QStringLiteral("Image1"));
  image2_ = new QLabel(box);
  image2_->setObjectName(QStringLiteral("Image2"));
  muCaption_ = new QLabel(box);
  sigmaCaption_ = new QLabel(box);
  mu_ = new QLineEdit(box);
  mu_->setObjectName(QStringLiteral("Edit1"));
  sigma_ = new QLineEdit(box);
  sigma_->setObjectName(QStringLiteral("Edit2"));
  fields().addField(QString::fromLatin1(NormMuKey), mu_, u'e');
  fields().addField(QString::fromLatin1(NormSigmaKey), sigma_, u'e');

  QWidget* tableBox = contentBox(kTablePage);
  table_ = new QPlainTextEdit(tableBox);
  table_->setObjectName(QStringLiteral("Memo"));
  table_->setReadOnly(true);
  table_->setLineWrapMode(QPlainTextEdit::NoWrap);
  for (auto& h : tableHeads_) h = new QLabel(tableBox);
  for (int i = 0; i < 3; ++i) {
    auto* e = tableEdits_[std::size_t(i)] = new QLineEdit(tableBox);
    e->setObjectName(QStringLiteral("Edit4%1").arg(i + 1));
    e->installEventFilter(this);
  }
  digits_ = new QSpinBox(tableBox);
  digits_->setObjectName(QStringLiteral("upd4"));
  digits_->setRange(3, 8);
  digits_->setValue(6);
  connect(digits_, &QSpinBox::valueChanged, this, guardedSlot([this] {
            if (read_) tableFieldsChanged();
          }));
  if (memo()) memo()->hide();  // chart and value table are the results; there is no text
  initTopic();
}

QWidget* TFNormVer::inputFor(const QString& key) const {
  for (int i = 0; i < 3; ++i)
    if (key == QLatin1String(kTableKeys[i])) return tableEdits_[std::size_t(i)];
  return ChartTopicWindow::inputFor(key);
}

bool TFNormVer::readInputs() {
  if (sigma_->text().isEmpty()) sigma_->setText(QStringLiteral("1"));
  return ChartTopicWindow::readInputs();
}

void TFNormVer::layoutInputs() {
  const LayoutMetrics& m = metrics();
  const QFontMetrics fm(fonts().TextFont.font);
  // The formula pictures follow the text size (zoom); drawn once per size.
  const int textHeight = fm.height();
  if (textHeight != pictureHeight_) {
    pictureHeight_ = textHeight;
    for (int i = 0; i < 2; ++i) pictures_[std::size_t(i)] = NormalFormulaPicture(i, textHeight);
    image1_->setPixmap(QPixmap::fromImage(pictures_[0]));
    image2_->setPixmap(QPixmap::fromImage(pictures_[1]));
  }
  const int left = m.ColLeft[1];
  const QString t2 = GetText(INormVer, 2), t3 = GetText(INormVer, 3);
  const int labelWidth = std::max(fm.horizontalAdvance(t2), fm.horizontalAdvance(t3)) + ScalePixels(8);
  int top = m.RowTop[1];
  QLabel* labels[2] = {label1_, label2_};
  QLabel* images[2] = {image1_, image2_};
  const QString texts[2] = {t2, t3};
  for (int i = 0; i < 2; ++i) {
    const QSize s = pictures_[std::size_t(i)].size();
    PlaceLabel(labels[i], left, top + (s.height() - m.RowHeight) / 2, labelWidth, m.RowHeight, texts[i],
               fonts().TextFont);
    images[i]->setGeometry(left + labelWidth, top, s.width(), s.height());
    top += s.height();
  }
  const QString c1 = QStringLiteral("    ") + MuSign() + QStringLiteral(" = ");
  const QString c2 = QStringLiteral("  ") + SigmaSign() + QStringLiteral(" = ");
  const int captionWidth = std::max(fm.horizontalAdvance(c1), fm.horizontalAdvance(c2));
  const int editWidth = NumberEditWidth();
  top += m.HalfRowStep;
  PlaceLabelEditSized(muCaption_, mu_, left, top, captionWidth, editWidth, c1);
  PlaceLabelEditSized(sigmaCaption_, sigma_, left + captionWidth + editWidth + ScalePixels(24), top, captionWidth,
                      editWidth, c2);
}

void TFNormVer::layoutPage(int index) {
  ChartTopicWindow::layoutPage(index);
  if (index != kTablePage) return;
  const int editWidth = NumberEditWidth();
  const QString heads[4] = {GetText(ITabelle, 1), GetText(ITabelle, 2), GetText(ITabelle, 3), GetText(ITabelle, 5)};
  QWidget* const fields[4] = {tableEdits_[0], tableEdits_[1], tableEdits_[2], digits_};
  const int widths[4] = {editWidth, editWidth, editWidth, DigitsControlWidth(digits_)};
  table_->setFont(memoFont());
  PlaceValueTablePage(contentBox(kTablePage)->contentsRect(), tableHeads_, heads, fields, widths, nullptr, table_);
}

void TFNormVer::compute() {
  const Extended mu = fields().value(QString::fromLatin1(NormMuKey));
  const Extended sigma = fields().value(QString::fromLatin1(NormSigmaKey));
  const NormalRange r = NormalDefaults(mu, sigma);
  // The range fields keep what the user typed, and the chart its zoom,
  // until μ or σ change.
  if (!read_ || mu != muValue_ || sigma != sigmaValue_) {
    tableEdits_[0]->setText(Fixed8(r.from));
    tableEdits_[1]->setText(Fixed8(r.to));
    tableEdits_[2]->setText(Fixed8(r.step));
    chartPage().setRebuildPending(true);
  }
  muValue_ = mu;
  sigmaValue_ = sigma;
  defaults_ = r;
  read_ = true;
}

void TFNormVer::enterOtherPage(int index) {
  if (index != kTablePage) return;
  runComputation();
  if (currentPage() != kTablePage) return;  // the inputs were refused
  // A field that does not read takes its default here, without a message.
  NormalRange r = defaults_;
  Extended* ends[3] = {&r.from, &r.to, &r.step};
  const Extended fallback[3] = {defaults_.from, defaults_.to, 1};
  for (int i = 0; i < 3; ++i) {
    std::int32_t ok = 0;
    Extended v = 0;
    ReadValue(tableEdits_[std::size_t(i)]->text().trimmed().toStdU16String(), v, u'e', ok);
    *ends[i] = ok ? v : fallback[i];
  }
  tableEdits_[0]->setFocus();
  buildTable(r);
}

void TFNormVer::tableFieldsChanged() {
  runGuarded([this] {
    NormalRange r;
    Extended* ends[3] = {&r.from, &r.to, &r.step};
    for (int i = 0; i < 3; ++i) {
      std::int32_t ok = 0;
      ReadValue(tableEdits_[std::size_t(i)]->text().trimmed().toStdU16String(), *ends[i], u'e', ok);
      if (!ok) throw InputRejected(kTableKeys[i]);
    }
    buildTable(r);
  });
}

void TFNormVer::buildTable(const NormalRange& range) {
  const QStringList lines = NormalTableLines(mu_->text(), sigma_->text(), muValue_, sigmaValue_, range,
                                             digits_->value(), FontTextMeasurer(memoFont()));
  table_->setPlainText(lines.join(u'\n'));
}

ChartRange TFNormVer::chartRange() {
  ChartRange r;
  r.xLo = defaults_.from;
  r.xHi = defaults_.to;
  r.yLo = 0;
  r.yHi = 1;
  chartPage().chart().Layers().Y(1).setDecPlaces(2);
  return r;
}

void TFNormVer::drawFigures(TVIrada& chart) {
  if (read_) DrawNormalCurves(chart, muValue_, sigmaValue_, chartPage().pens());
}

void TFNormVer::graphHints(std::array<QString, 13>& hints) {
  hints[1] = FunctionSign() + QStringLiteral("(x)");
  hints[2] = PhiSign() + QStringLiteral("(x)");
}

bool TFNormVer::eventFilter(QObject* watched, QEvent* event) {
  for (QLineEdit* e : tableEdits_) {
    if (watched != e || !read_) continue;
    const bool enter = event->type() == QEvent::KeyRelease &&
                       (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Return ||
                        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Enter);
    // Leaving a field for another of this window (not for an error box).
    if (enter || (event->type() == QEvent::FocusOut && isActiveWindow())) tableFieldsChanged();
  }
  return ChartTopicWindow::eventFilter(watched, event);
}

void TFNormVer::showEvent(QShowEvent* event) {
  ChartTopicWindow::showEvent(event);
  if (currentPage() == kTablePage) tableEdits_[0]->setFocus(Qt::OtherFocusReason);
}

void TFNormVer::printFirstPage(QPainter& painter, QPagedPaintDevice& device, PrintCursor& cursor) {
  PrintPageHeader(painter, cursor, GetText(INormVer, 0));
  painter.drawText(cursor.x, cursor.y, QStringLiteral("   ") + MuSign() + QStringLiteral(" = ") + mu_->text().trimmed() +
                                           QStringLiteral(" ,   ") + SigmaSign() + QStringLiteral(" = ") +
                                           sigma_->text().trimmed());
  cursor.y += 5 * cursor.lineStep;
  // The pictures from screen to printer resolution, wider by half again.
  const double scale = double(device.logicalDpiX()) / 96.0;
  int x = cursor.x, tallest = 0;
  for (const QImage& image : pictures_) {
    const QRect target(x, cursor.y, int(image.width() * scale * 1.5), int(image.height() * scale));
    painter.drawImage(target, image);
    x = target.right() + int(40 * scale);
    tallest = std::max(tallest, target.height());
  }
  cursor.y += tallest + cursor.lineStep;
  // The chart shows even when its page was never opened.
  if (chartPage().rebuildPending()) chartPage().initChart();
  PrintChart(painter, device, cursor, chartPage().chart());
  // The legend below the chart, in the colours of the curves.
  const GraphPens pens = chartPage().pens();
  const QString dashes = EmDash().repeated(3);
  const int step = QFontMetrics(painter.font(), &device).horizontalAdvance(dashes + QStringLiteral(" f(x)    "));
  const QPen old = painter.pen();
  const int y = cursor.y - 2 * cursor.lineStep;
  painter.setPen(ToQColor(pens.color[1]));
  painter.drawText(500, y, dashes + FunctionSign() + QStringLiteral("(x)"));
  painter.setPen(ToQColor(pens.color[2]));
  painter.drawText(500 + step, y, dashes + PhiSign() + QStringLiteral("(x)"));
  painter.setPen(old);
}

void TFNormVer::printPageRange(QPainter& painter, QPagedPaintDevice& device, PrintCursor& cursor, int first,
                               int last) {
  const QFont font = PrinterFont(memoFont());
  for (int page = first; page <= last; ++page) {
    if (page > first) device.newPage();
    painter.setFont(font);
    cursor.lineStep = QFontMetrics(font, &device).height();
    if (page == 1) {
      printFirstPage(painter, device, cursor);
    } else {
      cursor.x = 500;
      cursor.y = 300;
      PrintMemoLines(painter, device, memoFont(), table_->toPlainText().split(u'\n'), cursor);
    }
  }
}

}  // namespace zw
