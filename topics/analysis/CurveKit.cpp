#include "topics/analysis/CurveKit.h"

#include <QContextMenuEvent>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLineEdit>
#include <QMenu>
#include <QPainter>
#include <QRadioButton>
#include <cmath>

#include "charts/ChartDraw.h"
#include "kernel/Format.h"
#include "kernel/PolyText.h"
#include "shell/Fonts.h"
#include "shell/Metrics.h"
#include "shell/kit/Grids.h"
#include "shell/kit/Symbols.h"
#include "shell/texts/Texts.h"
#include "topics/frame/FieldRegistry.h"

namespace zw {

// ----- range keys

namespace {
const char* const kRangeKeys[4] = {"xmin", "xmax", "ymin", "ymax"};
}

bool ReadRangeText(const QString& text, Extended& value) {
  QString t = text.trimmed();
  t.replace(u',', u'.');
  if (t.isEmpty()) return false;
  // Only a plain decimal: digits, one point, a sign and an exponent.
  for (QChar c : t)
    if (!(c.isDigit() || c == u'.' || c == u'-' || c == u'+' || c == u'e' || c == u'E')) return false;
  bool ok = false;
  const double v = t.toDouble(&ok);
  if (!ok || !std::isfinite(v)) return false;
  value = v;
  return true;
}

ChartRangeKeys::ChartRangeKeys(const ChartPage& page, std::array<QString, 4> defaults)
    : texts(defaults), page_(page), defaults_(std::move(defaults)) {}

QString ChartRangeKeys::saved(int i) const {
  if (page_.rebuildPending()) return texts[std::size_t(i)];
  const TChartLayers& layers = page_.chart().Layers();
  const TScaleProps& s = i < 2 ? static_cast<const TScaleProps&>(layers.X(1)) : layers.Y(1);
  return QString::fromStdU16String(FormatGeneral(15, i % 2 == 0 ? s.RangeLow() : s.RangeHigh()));
}

void ChartRangeKeys::registerKeys(FieldRegistry& fields) {
  for (int i = 0; i < 4; ++i)
    fields.addText(
        QString::fromLatin1(kRangeKeys[i]), [this, i] { return saved(i); },
        [this, i](const QString& v) { texts[std::size_t(i)] = v; }, defaults_[std::size_t(i)]);
}

bool ChartRangeKeys::readable() const {
  Extended v = 0;
  for (const QString& t : texts)
    if (!ReadRangeText(t, v)) return false;
  return true;
}

ChartRange ChartRangeKeys::range(const ChartRange& fallback) const {
  std::array<Extended, 4> v{};
  for (int i = 0; i < 4; ++i)
    if (!ReadRangeText(texts[std::size_t(i)], v[std::size_t(i)])) return fallback;
  ChartRange r;
  r.xLo = v[0], r.xHi = v[1], r.yLo = v[2], r.yHi = v[3];
  return r;
}

// ----- curve switches

CurveSwitches::CurveSwitches(QWidget* parent, int count, TColor hiddenColor, std::function<void(int)> toggled)
    : QObject(parent), shown_(std::size_t(count), true), hidden_(hiddenColor), toggled_(std::move(toggled)) {
  for (int i = 1; i <= count; ++i) {
    auto* e = new QLineEdit(parent);
    e->setObjectName(QStringLiteral("show%1").arg(i));
    e->setReadOnly(true);
    e->setFocusPolicy(Qt::NoFocus);
    e->setAlignment(Qt::AlignCenter);
    e->setCursor(Qt::PointingHandCursor);
    e->setVisible(false);
    e->installEventFilter(this);
    boxes_.push_back(e);
  }
}

void CurveSwitches::showAll() { std::fill(shown_.begin(), shown_.end(), true); }

void CurveSwitches::setLabels(const std::vector<QString>& labels) {
  for (std::size_t i = 0; i < boxes_.size() && i < labels.size(); ++i) boxes_[i]->setText(labels[i]);
}

void CurveSwitches::update(const std::vector<bool>& present, const GraphPens& pens, const std::vector<QString>& hints) {
  for (std::size_t i = 0; i < boxes_.size(); ++i) {
    const bool has = i < present.size() && present[i];
    QLineEdit* e = boxes_[i];
    e->setVisible(has);
    const TColor c = has && shown_[i] ? pens.color[i + 1] : hidden_;
    QPalette p = e->palette();
    p.setColor(QPalette::Text, ToQColor(c));
    e->setPalette(p);
    if (i < hints.size()) e->setToolTip(hints[i]);
  }
}

void CurveSwitches::place(int left, int top, int side, int step) {
  for (std::size_t i = 0; i < boxes_.size(); ++i) boxes_[i]->setGeometry(left, top + int(i) * step, side, side);
}

void CurveSwitches::placeBesideChart(TVIrada& chart) {
  const LayoutMetrics& m = metrics();
  QRect r = chart.geometry();
  r.setWidth(std::max(ScalePixels(100), r.width() - m.RowHeight * 3 / 2));
  chart.setGeometry(r);
  place(r.right() + 1 + ScalePixels(2), r.top() + chart.MarginTop(), m.RowHeight + 2, m.RowHeight + 4);
}

bool CurveSwitches::eventFilter(QObject* watched, QEvent* event) {
  if (event->type() == QEvent::MouseButtonPress) {
    for (std::size_t i = 0; i < boxes_.size(); ++i)
      if (watched == boxes_[i]) {
        shown_[i] = !shown_[i];
        if (toggled_) toggled_(int(i) + 1);
        return true;
      }
  }
  return QObject::eventFilter(watched, event);
}

// ----- printed legend

void PrintCurveLegend(QPainter& painter, int y, const std::vector<LegendEntry>& entries, const QString& stepText) {
  const QString dashes = EmDash() + EmDash() + EmDash();
  const int step = QFontMetrics(painter.font(), painter.device()).horizontalAdvance(dashes + stepText);
  const QPen old = painter.pen();
  int x = 200;
  for (const LegendEntry& e : entries) {
    x += step;
    painter.setPen(ToQColor(e.color));
    painter.drawText(x, y, dashes + e.text);
  }
  painter.setPen(old);
}

// ----- term grid menu

namespace {

// Cut, copy and paste of one term: the grid's current cell or a field.
class TermMenu : public QObject {
public:
  TermMenu(StringGrid* grid, int column, TextClipboard& clipboard,
           std::function<void(const std::function<void()>&)> guard)
      : QObject(grid), grid_(grid), column_(column), clipboard_(clipboard), guard_(std::move(guard)) {
    grid_->installEventFilter(this);
    grid_->viewport()->installEventFilter(this);
  }
  TermMenu(QLineEdit* edit, TextClipboard& clipboard, std::function<void(const std::function<void()>&)> guard)
      : QObject(edit), edit_(edit), clipboard_(clipboard), guard_(std::move(guard)) {
    edit_->installEventFilter(this);
  }

protected:
  bool eventFilter(QObject* watched, QEvent* event) override {
    if (event->type() == QEvent::ChildAdded && grid_ && watched == grid_->viewport()) {
      // A cell editor: its right click shows this menu, not the editor's own.
      QObject* child = static_cast<QChildEvent*>(event)->child();
      if (child->isWidgetType()) child->installEventFilter(this);
    } else if (event->type() == QEvent::ContextMenu) {
      popup(static_cast<QContextMenuEvent*>(event)->globalPos());
      return true;
    }
    return QObject::eventFilter(watched, event);
  }

private:
  QWidget* owner() const { return grid_ ? static_cast<QWidget*>(grid_) : edit_; }
  QString text() const { return grid_ ? grid_->Cells(column_, row()) : edit_->text(); }
  void setText(const QString& t) { grid_ ? grid_->setCells(column_, row(), t) : edit_->setText(t); }
  void popup(const QPoint& at) {
    if (grid_) grid_->commitEditor();
    if (!menu_) menu_ = new QMenu(owner());
    menu_->clear();
    menu_->addAction(GetText(ITool, 1), this, [this] { run([this] { copy(true); }); });
    menu_->addAction(GetText(ITool, 2), this, [this] { run([this] { copy(false); }); });
    menu_->addAction(GetText(ITool, 3), this, [this] { run([this] { paste(); }); });
    menu_->popup(at);
  }
  void run(const std::function<void()>& f) { guard_ ? guard_(f) : f(); }
  int row() const { return std::max(1, grid_->Row()); }
  void copy(bool cut) {
    if (grid_) grid_->commitEditor();
    clipboard_.setText(text().toStdU16String());
    if (cut) setText(QString());
  }
  void paste() {
    std::u16string pasted;
    PolyGridPaste(pasted, clipboard_);
    if (!pasted.empty()) setText(QString::fromStdU16String(pasted));
  }

  StringGrid* grid_ = nullptr;
  QLineEdit* edit_ = nullptr;
  int column_ = 1;
  TextClipboard& clipboard_;
  std::function<void(const std::function<void()>&)> guard_;
  QMenu* menu_ = nullptr;
};

}  // namespace

void AttachTermMenu(StringGrid* grid, int column, TextClipboard& clipboard,
                    std::function<void(const std::function<void()>&)> guard) {
  new TermMenu(grid, column, clipboard, std::move(guard));
}

void AttachTermEditMenu(QLineEdit* edit, TextClipboard& clipboard,
                        std::function<void(const std::function<void()>&)> guard) {
  new TermMenu(edit, clipboard, std::move(guard));
}

// ----- angle mode

AngleModeBox::AngleModeBox(QWidget* parent) : box_(new QGroupBox(parent)) {
  box_->setObjectName(QStringLiteral("rbWinkel"));
  auto* row = new QHBoxLayout(box_);
  const char16_t* names[3] = {u"  DEG", u"  RAD", u"  GON"};
  for (int i = 0; i < 3; ++i) {
    buttons_[std::size_t(i)] = new QRadioButton(QString::fromUtf16(names[i]), box_);
    row->addWidget(buttons_[std::size_t(i)]);
  }
  setMode(1);
}

int AngleModeBox::mode() const {
  for (int i = 0; i < 3; ++i)
    if (buttons_[std::size_t(i)]->isChecked()) return i;
  return 1;
}

void AngleModeBox::setMode(int mode) { buttons_[std::size_t(std::clamp(mode, 0, 2))]->setChecked(true); }

FormulaContext AngleModeBox::context() const {
  FormulaContext c = FormulaContext::current();
  c.AngleMode = mode();
  return c;
}

void AngleModeBox::place(int left, int top, int width, const QString& caption) {
  box_->setTitle(caption);
  box_->setFont(fonts().TextFont.font);
  box_->setGeometry(left, top, width, std::max(box_->sizeHint().height(), 2 * metrics().RowHeight + ScalePixels(8)));
}


FormulaContext RadiansContext() {
  FormulaContext c = FormulaContext::current();
  c.AngleMode = 1;
  return c;
}

}  // namespace zw
