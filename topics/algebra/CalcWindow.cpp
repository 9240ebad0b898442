#include "topics/algebra/CalcWindow.h"

#include <QApplication>
#include <QKeyEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QTimer>

#include "shell/Fonts.h"
#include "shell/Guard.h"
#include "shell/Metrics.h"
#include "shell/help/Help.h"
#include "shell/kit/PageLayout.h"

namespace zw {

namespace {
constexpr int kWidth = 438;
constexpr int kHeight = 256;
const char* const kCodeProperty = "keyCode";

bool hasCommandModifier(const QKeyEvent* e) {
  return (e->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) != 0;
}

// The error and overflow texts (items 2 and 3) of the three calculators.
constexpr TextItem kDe[] = {{2, u"Fehler"}, {3, u"Überlauf"}};
constexpr TextItem kEn[] = {{2, u"Error"}, {3, u"Overflow"}};
constexpr TextItem kFr[] = {{2, u"Erreur"}, {3, u"Dépassement"}};
}  // namespace

CalcWindow::CalcWindow(QWidget* owner, std::string_view className) : TopicWindowBase(owner, className) {
  setWindowTitle(GetText(textPage(), 0));
  box_ = new QGroupBox(this);
  legend_ = new QGroupBox(this);
  ok_ = new QPushButton(legend_);
  esc_ = new QPushButton(legend_);
  help_ = new QPushButton(legend_);
  for (QPushButton* b : {ok_, esc_, help_}) b->setFocusPolicy(Qt::NoFocus);
  connect(ok_, &QPushButton::clicked, this, [this] { pressKey('='); });
  connect(esc_, &QPushButton::clicked, this, Guarded(this, [this] {
            if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget())) sub->close();
            else close();
          }));
  connect(help_, &QPushButton::clicked, this, Guarded(this, [this] { ShowCompiledHelp(HelpContextOf(textPage())); }));
  setFocusPolicy(Qt::StrongFocus);
}

void CalcWindow::pressKey(int code) {
  RunGuarded(this, [&] { handleKey(code); });
}

QPushButton* CalcWindow::addKey(const QString& caption, int code, bool bold) {
  auto* b = new QPushButton(caption, box_);
  b->setProperty(kCodeProperty, code);
  b->setFocusPolicy(Qt::NoFocus);
  b->setAutoDefault(false);
  if (bold) b->setFont(fonts().BoldFont.font);
  connect(b, &QPushButton::clicked, this, [this, code] { pressKey(code); });
  keys_.push_back(b);
  return b;
}

void CalcWindow::addOperatorKeys() {
  addKey(QStringLiteral("±"), '#');
  addKey(QStringLiteral("CE"), KeyCE);
  addKey(QStringLiteral("AC"), KeyAC);
  addKey(QStringLiteral("×"), '*');
  addKey(QStringLiteral("÷"), '/');
  addKey(QStringLiteral("+"), '+');
  addKey(QStringLiteral("−"), '-');
  addKey(QStringLiteral("="), '=');
}

void CalcWindow::markSelected(QLabel* l, bool selected) {
  QPalette p = l->palette();
  p.setColor(QPalette::Window, selected ? QColor(Qt::yellow) : QColor(0xEE, 0xEE, 0xEE));
  p.setColor(QPalette::WindowText, selected ? QColor(Qt::red) : QColor(Qt::black));
  l->setPalette(p);
}

QPushButton* CalcWindow::keyButton(int code) const {
  for (QPushButton* b : keys_)
    if (b->property(kCodeProperty).toInt() == code) return b;
  return nullptr;
}

void CalcWindow::placeKeyRow(int left, int top, int keySize, int groupGap,
                             const std::vector<std::vector<KeySpec>>& groups) {
  int x = left;
  for (const auto& group : groups) {
    for (const KeySpec& k : group) {
      const int w = keySize * k.widthInKeys;
      if (k.code != 0)
        if (QPushButton* b = keyButton(k.code)) b->setGeometry(x, top, w, keySize);
      x += w;
    }
    x += groupGap;
  }
}

void CalcWindow::styleDisplay(QLabel* label) {
  label->setAutoFillBackground(true);
  label->setFrameStyle(QFrame::Panel | QFrame::Sunken);
  QPalette p = label->palette();
  p.setColor(QPalette::Window, QColor(0xEE, 0xEE, 0xEE));
  label->setPalette(p);
}

void CalcWindow::relayout() {
  RunGuarded(this, [this] {
    const QSize size(ScalePixels(kWidth), ScalePixels(kHeight));
    setFixedSize(size);
    setFont(fonts().BoldFont.font);
    LayoutInputPage(size.width(), box_, legend_, ok_, esc_, help_);
    box_->setTitle(QString());
    layoutCalc();
  });
}

void CalcWindow::cmdHelp() { ShowWebHelp(HelpContextOf(textPage())); }

void CalcWindow::showEvent(QShowEvent* event) {
  TopicWindowBase::showEvent(event);
  relayout();
  if (placed_) return;
  placed_ = true;
  // A small fixed window: single border, minimise button only, centred in
  // the area of the child windows.
  if (auto* sub = qobject_cast<QMdiSubWindow*>(parentWidget())) {
    sub->setWindowFlags(Qt::SubWindow | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                        Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    sub->resize(sub->sizeHint().expandedTo(size() + (sub->size() - sub->contentsRect().size())));
    sub->show();
    // After the main window has placed its new child (it cascades them).
    QTimer::singleShot(0, sub, [sub] {
      if (QMdiArea* area = sub->mdiArea()) {
        const QSize room = area->viewport()->size();
        sub->move(std::max(0, (room.width() - sub->width()) / 2), std::max(0, (room.height() - sub->height()) / 2));
      }
    });
  }
  setFocus();
}

bool CalcWindow::event(QEvent* event) {
  // Tab is ours before the focus navigation sees it.
  if (event->type() == QEvent::KeyPress && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Tab) {
    return true;
  }
  if (event->type() == QEvent::KeyRelease && static_cast<QKeyEvent*>(event)->key() == Qt::Key_Tab) {
    if (!static_cast<QKeyEvent*>(event)->isAutoRepeat() && tabSwitchesColumn()) pressKey(KeyTab);
    return true;
  }
  if (event->type() == QEvent::ShortcutOverride) {
    // Characters the key pad knows are keys here, not shortcuts.
    auto* k = static_cast<QKeyEvent*>(event);
    if (!hasCommandModifier(k) && !k->text().isEmpty() && k->text().at(0).isPrint()) {
      event->accept();
      return true;
    }
  }
  if (event->type() == QEvent::KeyPress && previewKey(static_cast<QKeyEvent*>(event))) return true;
  return TopicWindowBase::event(event);
}

bool CalcWindow::previewKey(QKeyEvent* e) {
  if (hasCommandModifier(e)) return false;  // menu and command shortcuts
  switch (e->key()) {
    case Qt::Key_Backspace: pressKey(KeyBackspace); return true;
    case Qt::Key_Return:
    case Qt::Key_Enter: pressKey('='); return true;
    case Qt::Key_Space: return true;  // never presses a key
    default: break;
  }
  const QString t = e->text();
  if (t.size() != 1 || !t.at(0).isPrint()) return false;
  pressKey(t.at(0).unicode());
  return true;
}

// The texts of the calculators' pages; called by the area's registration.
void RegisterCalculatorTexts() {
  static const TextPageRegistration regs[] = {
    {ISysteme, TextLanguage::German, kDe}, {ISysteme, TextLanguage::English, kEn}, {ISysteme, TextLanguage::French, kFr},
    {IBruch, TextLanguage::German, kDe},   {IBruch, TextLanguage::English, kEn},   {IBruch, TextLanguage::French, kFr},
    {IComplex, TextLanguage::German, kDe}, {IComplex, TextLanguage::English, kEn}, {IComplex, TextLanguage::French, kFr},
  };
}

}  // namespace zw
