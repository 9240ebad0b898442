#include "topics/linalg-stat/StatWindow.h"

#include <QCheckBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QRegularExpression>

#include "kernel/CheckedInput.h"
#include "kernel/Format.h"
#include "platform/ini/IniFile.h"
#include "shell/Fonts.h"
#include "shell/Metrics.h"
#include "shell/kit/InputRows.h"
#include "shell/texts/Texts.h"
#include "topics/frame/InputRejected.h"

namespace zw {

namespace {

TopicConfig StatConfig() {
  TopicConfig c;
  c.pages = {{PageKind::Input, 1}, {PageKind::Results, 2}, {PageKind::Chart, 4}};
  c.tabStyle = TabStyle::Shell;
  c.taskLines = 2;
  return c;
}

// Set-up positions of the scroll bars.
constexpr int kDepth = 10, kAngle = 30;

}  // namespace

TFStat::TFStat(QWidget* owner) : BarChartWindow(owner, ClassName, StatConfig(), BarChartOptions(), 100) {
  QWidget* box = inputArea();
  widthBox_ = new QGroupBox(box);
  widthBox_->setObjectName(QStringLiteral("gbKlabreit"));
  width_ = new QLineEdit(widthBox_);
  width_->setObjectName(QStringLiteral("EdKlaBreit"));
  fields().addField(QString::fromLatin1(StatWidthKey), width_, 0, QStringLiteral("1")).longest =
      QStringLiteral("0,00001");
  hint_ = new QLabel(box);
  hint_->setObjectName(QStringLiteral("panDeliim"));
  colour_ = new QCheckBox(box);
  colour_->setObjectName(QStringLiteral("cbFarbe"));
  colour_->setChecked(true);
  connect(colour_, &QCheckBox::toggled, this, guardedSlot([this] {
            if (computed_) chartPage().drawChart();
          }));
  list_ = new QPlainTextEdit(box);
  list_->setObjectName(QStringLiteral("mmEingabe"));
  list_->setLineWrapMode(QPlainTextEdit::NoWrap);
  resetBars(kDepth, kAngle);
  initTopic();
}

void TFStat::layoutInputs() {
  const LayoutMetrics& m = metrics();
  const FontTextMeasurer font(fonts().TextFont.font);
  const int left = ScalePixels(16);
  hint_->setFont(fonts().TextFont.font);
  hint_->setText(GetText(IStat, 2));
  hint_->setGeometry(left, m.RowTop[1], font.width(hint_->text()) + ScalePixels(8), m.RowHeight);
  const QString caption = GetText(IStat, 3);
  widthBox_->setTitle(caption);
  const int boxWidth = std::max({font.width(caption) + ScalePixels(24), ScalePixels(90), EditWidthFor(QStringLiteral("0,00001")) + ScalePixels(16)});
  const int boxLeft = hint_->geometry().right() + ScalePixels(16);
  const int boxHeight = m.RowHeight * 2 + ScalePixels(8);
  widthBox_->setGeometry(boxLeft, m.RowTop[1] - ScalePixels(4), boxWidth, boxHeight);
  width_->setGeometry(ScalePixels(8), boxHeight - m.RowHeight - ScalePixels(6), boxWidth - ScalePixels(16), m.RowHeight);
  colour_->setText(GetText(IStat, 4));
  const int cw = colour_->sizeHint().width();
  colour_->setGeometry(boxLeft, widthBox_->geometry().bottom() + ScalePixels(4), cw, m.RowHeight);
  const int top = colour_->geometry().bottom() + ScalePixels(8);
  const int right = std::max(widthBox_->geometry().right(), colour_->geometry().right());
  list_->setFont(fonts().TextFont.font);
  placeStretched(list_, QRect(left, top, right - left, 4 * m.RowHeight), left, ScalePixels(8));
}

std::vector<std::u16string> TFStat::lines() const {
  std::vector<std::u16string> out;
  const QStringList l = list_->toPlainText().split(QLatin1Char('\n'));
  for (const QString& s : l) out.push_back(s.toStdU16String());
  // A trailing line break leaves no line of its own.
  if (!out.empty() && out.back().empty()) out.pop_back();
  return out;
}

void TFStat::compute() {
  const std::vector<std::u16string> text = lines();
  const std::vector<double> values = ReadStatValues(text);
  Extended b = 0;
  std::int32_t ok = 0;
  ReadValue(width_->text().trimmed().toStdU16String(), b, u'e', ok);
  if (!ok || width_->text().trimmed().isEmpty()) throw InputRejected(StatWidthKey);
  const StatResult r = ComputeStatistics(values, double(b));
  setMemoLines(StatMemoLines(text, r, FontTextMeasurer(memoFont())));
  picture_ = MakeStatPicture(values, r);
  computed_ = true;
  pictureChanged();
  width_->setText(QString::fromStdU16String(FormatGeneral(15, b)));
}

ChartRange TFStat::chartRange() {
  // Every set-up of the picture starts from the same view.
  resetBars(kDepth, kAngle);
  ChartRange r;
  double xLo = -1, yLo = -1, xHi = 1, yHi = 1;
  if (computed_) StatPictureRange(picture_, xLo, yLo, xHi, yHi);
  r.xLo = xLo, r.yLo = yLo, r.xHi = xHi, r.yHi = yHi;
  chartPage().chart().Layers().Y(1).setScaleInscript(QStringLiteral("& %"));
  return r;
}

void TFStat::drawFigures(TVIrada& chart) {
  if (!computed_) return;
  DrawStatPicture(chart, picture_, chartPage().pens(), barDepth(), barAngle(), colour_->isChecked());
}

void TFStat::graphHints(std::array<QString, 13>&) {}

QWidget* TFStat::inputFor(const QString& key) const {
  if (key.compare(QLatin1String(StatListKey), Qt::CaseInsensitive) == 0) return list_;
  return BarChartWindow::inputFor(key);
}

QWidget* TFStat::failureFocus() const { return list_; }

void TFStat::showEvent(QShowEvent* event) {
  BarChartWindow::showEvent(event);
  if (currentPage() == 0) list_->setFocus(Qt::OtherFocusReason);
}

void TFStat::loadInputs(const QString& file) {
  BarChartWindow::loadInputs(file);
  const IniFile ini(file);
  QStringList values;
  static const QRegularExpression lineKey(QStringLiteral("^z[0-9]+$"), QRegularExpression::CaseInsensitiveOption);
  for (const QString& key : ini.keys(section()))
    if (lineKey.match(key).hasMatch()) values << ini.readString(section(), key);
  list_->setPlainText(values.join(QLatin1Char('\n')));
}

bool TFStat::saveInputs(const QString& file, QString* error) {
  if (file.isEmpty()) return true;
  IniFile ini(file);
  ini.eraseSection(section());
  ini.writeString(section(), QString::fromLatin1(StatWidthKey), width_->text());
  const std::vector<std::u16string> text = lines();
  for (std::size_t i = 0; i < text.size(); ++i)
    ini.writeString(section(), QStringLiteral("z%1").arg(i), QString::fromStdU16String(text[i]));
  return ini.save(error);
}

}  // namespace zw
