#include "topics/analysis/DiscussionPages.h"

#include <QKeyEvent>
#include <QLabel>
#include <QFontMetrics>
#include <QLineEdit>
#include <QPagedPaintDevice>
#include <QPainter>
#include <QPlainTextEdit>
#include <QSpinBox>

#include "kernel/CheckedInput.h"
#include "shell/Fonts.h"
#include "shell/Metrics.h"
#include "shell/kit/InputRows.h"
#include "shell/texts/Texts.h"
#include "topics/analysis/CurveDiscussion.h"
#include "topics/analysis/CurveKit.h"
#include "topics/frame/ChartPage.h"
#include "topics/frame/InputRejected.h"
#include "topics/frame/TopicPrinting.h"
#include "topics/frame/TopicWindow.h"
#include "topics/frame/ValueTableLayout.h"

namespace zw {

namespace {
const char* const kTableKeys[3] = {"ed41", "ed42", TableStepKey};
}

ValueTablePage::ValueTablePage(TopicWindow& window, QWidget* box, Build build)
    : QObject(box), window_(window), build_(std::move(build)) {
  memo_ = new QPlainTextEdit(box);
  memo_->setObjectName(QStringLiteral("Memo2"));
  memo_->setReadOnly(true);
  memo_->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
  memo_->setLineWrapMode(QPlainTextEdit::NoWrap);
  for (auto& h : heads_) h = new QLabel(box);
  for (int i = 0; i < 3; ++i) {
    auto* e = edits_[std::size_t(i)] = new QLineEdit(box);
    e->setObjectName(QStringLiteral("ed4%1").arg(i + 1));
    e->installEventFilter(this);
  }
  digits_ = new QSpinBox(box);
  digits_->setObjectName(QStringLiteral("udSpin4"));
  digits_->setRange(3, 8);
  digits_->setValue(6);
  connect(digits_, &QSpinBox::valueChanged, this, [this] { changed(); });
}

QWidget* ValueTablePage::inputFor(const QString& key) const {
  for (int i = 0; i < 3; ++i)
    if (key == QLatin1String(kTableKeys[i])) return edits_[std::size_t(i)];
  return nullptr;
}

void ValueTablePage::layout(const QRect& area, const QFont& memoFont) {
  const int editWidth = EditWidthFor(QStringLiteral("-1000000000000"));
  const QString heads[4] = {GetText(ITabelle, 1), GetText(ITabelle, 2), GetText(ITabelle, 3), GetText(ITabelle, 5)};
  QWidget* const fields[4] = {edits_[0], edits_[1], edits_[2], digits_};
  const int widths[4] = {editWidth, editWidth, editWidth, DigitsControlWidth(digits_)};
  memo_->setFont(memoFont);
  PlaceValueTablePage(area, heads_, heads, fields, widths, nullptr, memo_);
}

void ValueTablePage::rebuild() {
  Extended v[3] = {};
  for (int i = 0; i < 3; ++i) {
    std::int32_t ok = 0;
    ReadValue(edits_[std::size_t(i)]->text().trimmed().toStdU16String(), v[i], u'e', ok);
    if (!ok) throw InputRejected(kTableKeys[i]);
  }
  fill(v[0], v[1], v[2]);
}

void ValueTablePage::fill(Extended from, Extended to, Extended step) {
  memo_->setPlainText(build_(from, to, step, digits_->value()).join(u'\n'));
}

void ValueTablePage::changed() {
  window_.runGuarded([this] { rebuild(); });
}

bool ValueTablePage::eventFilter(QObject* watched, QEvent* event) {
  for (QLineEdit* e : edits_) {
    if (watched != e) continue;
    const bool enter = event->type() == QEvent::KeyRelease &&
                       (static_cast<QKeyEvent*>(event)->key() == Qt::Key_Return ||
                        static_cast<QKeyEvent*>(event)->key() == Qt::Key_Enter);
    // Leaving a field for another of this window (not for an error box).
    if (enter || (event->type() == QEvent::FocusOut && window_.isActiveWindow())) changed();
  }
  return QObject::eventFilter(watched, event);
}

void PrintDiscussionPages(QPainter& painter, QPagedPaintDevice& device, PrintCursor& cursor, int first, int last,
                          const QFont& memoFont, const DiscussionPrintout& out) {
  const QFont font = PrinterFont(memoFont);
  for (int page = first; page <= last; ++page) {
    if (page > first) device.newPage();
    painter.setFont(font);
    cursor.lineStep = QFontMetrics(font, &device).height();
    switch (page) {
      case 1:
        PrintPageHeader(painter, cursor, out.title);
        PrintMemoLines(painter, device, memoFont, out.results, cursor);
        break;
      case 2: {
        // The chart shows even when its page was never opened.
        if (out.chart->rebuildPending()) out.chart->initChart();
        painter.setFont(font);
        int line = 0;
        for (const QString& l : out.functionLines) painter.drawText(500, 300 + ++line * cursor.lineStep, l);
        cursor.y = 300 + (line + 1) * cursor.lineStep;
        out.chart->print(painter, device, cursor);
        const GraphPens pens = out.chart->pens();
        std::vector<LegendEntry> legend;
        for (int i = 1; i <= out.switches->count(); ++i)
          if (out.switches->shown(i))
            legend.push_back({pens.color[std::size_t(i)], out.switches->box(i)->text()});
        PrintCurveLegend(painter, cursor.y - cursor.lineStep, legend, QStringLiteral(" f    "));
        break;
      }
      default:
        cursor.y = 300;
        PrintMemoLines(painter, device, memoFont, out.table, cursor);
        break;
    }
  }
}

}  // namespace zw
