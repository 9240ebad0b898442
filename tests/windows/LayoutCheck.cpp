#include "tests/windows/LayoutCheck.h"

#include <QAbstractButton>
#include <QAbstractScrollArea>
#include <QAbstractSpinBox>
#include <QCheckBox>
#include <QComboBox>
#include <QFontMetrics>
#include <QGroupBox>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QSpinBox>
#include <QStyle>
#include <QStyleOptionFrame>
#include <QStyleOptionGroupBox>
#include <QTabWidget>
#include <QTextDocument>
#include <algorithm>

#include "charts/HtmlLab.h"
#include "kernel/CheckedInput.h"
#include "shell/kit/Grids.h"
#include "topics/frame/TopicWindow.h"

namespace zw {

const char* layoutCheckName(LayoutCheck check) {
  switch (check) {
    case LayoutCheck::Overlap: return "overlap";
    case LayoutCheck::LabelText: return "label text";
    case LayoutCheck::FieldText: return "field text";
    case LayoutCheck::DefaultSize: return "default size";
  }
  return "?";
}

namespace {

QString shortText(QString t) {
  t.replace(u'\n', u' ');
  t = t.trimmed();
  return t.size() > 32 ? t.left(30) + QStringLiteral("…") : t;
}

QString textOf(const QWidget* w) {
  if (auto* l = qobject_cast<const QLabel*>(w)) return l->text();
  if (auto* b = qobject_cast<const QAbstractButton*>(w)) return b->text();
  if (auto* g = qobject_cast<const QGroupBox*>(w)) return g->title();
  if (auto* h = qobject_cast<const THtmlLab*>(w)) return h->Caption();
  return {};
}

// Widgets whose children are other controls placed by hand; everything else
// (edits, spin boxes, grids, charts, buttons) is one control, whatever parts
// it is made of.
bool isContainer(const QWidget* w) {
  const QMetaObject* m = w->metaObject();
  return m == &QWidget::staticMetaObject || m == &QFrame::staticMetaObject || m == &QGroupBox::staticMetaObject;
}

QRect rectIn(const QWidget* w, const QRect& r, const QWidget* ancestor) {
  return QRect(w->mapTo(ancestor, r.topLeft()), r.size());
}

// The ink of a single line of text laid out in `r` with `flags`: what a user
// sees of it (blanks and the room around the glyphs left out).
QRect inkRect(const QFontMetrics& fm, const QRect& r, int flags, const QString& text) {
  const QRect laid = fm.boundingRect(r, flags, text);
  // Blanks draw nothing: the ink starts at the first other character.
  qsizetype first = 0;
  while (first < text.size() && text[first].isSpace()) ++first;
  const QString shown = text.mid(first).trimmed();
  if (shown.isEmpty()) return {};
  const int lead = fm.horizontalAdvance(text.left(first));
  const QRect ink = fm.boundingRect(shown);  // relative to the start of the baseline
  return QRect(laid.left() + lead + ink.left(), laid.top() + fm.ascent() + ink.top(), ink.width(), ink.height());
}

// A label's text as drawn, in the label's coordinates (may reach beyond it).
QRect labelTextRect(const QLabel* l) {
  const QRect cr = l->contentsRect().adjusted(l->margin(), l->margin(), -l->margin(), -l->margin());
  const QFontMetrics fm(l->font());
  const bool rich = l->textFormat() == Qt::RichText ||
                    (l->textFormat() == Qt::AutoText && Qt::mightBeRichText(l->text()));
  Qt::Alignment align = QStyle::visualAlignment(l->layoutDirection(), l->alignment());
  if (rich || l->wordWrap()) {
    const QSize need = rich && !l->wordWrap() ? l->sizeHint() - QSize(2 * l->frameWidth(), 2 * l->frameWidth())
                                              : QSize(cr.width(), l->heightForWidth(l->width()) - 2 * l->frameWidth());
    return QStyle::alignedRect(Qt::LeftToRight, align, need, cr);
  }
  if (l->text().contains(u'\n')) return fm.boundingRect(cr, int(align) | Qt::TextShowMnemonic, l->text());
  return inkRect(fm, cr, int(align) | Qt::TextShowMnemonic, l->text());
}

// What a control shows, in its parent's coordinates.
QRect shownRect(const QWidget* w) {
  if (auto* l = qobject_cast<const QLabel*>(w)) {
    if (l->frameShape() != QFrame::NoFrame || l->autoFillBackground() || !l->pixmap().isNull()) return w->geometry();
    if (l->text().trimmed().isEmpty()) return {};
    const QRect drawn = labelTextRect(l).intersected(l->rect());
    return drawn.translated(w->pos());
  }
  if (qobject_cast<const QCheckBox*>(w) || qobject_cast<const QRadioButton*>(w)) {
    const int width = std::min(w->sizeHint().width(), w->width());
    QRect r(0, 0, width, w->height());
    if (w->isRightToLeft()) r.moveRight(w->width() - 1);
    return r.translated(w->pos());
  }
  return w->geometry();
}

struct Placed {
  const QWidget* widget;
  QRect shown;  // in the container's coordinates
};

void reportLabelText(const QWidget* w, const QString& pageName, const ControlNamer& name,
                     std::vector<LayoutFault>& faults) {
  const auto fault = [&](const QString& detail) {
    faults.push_back({LayoutCheck::LabelText, pageName, name(w), detail});
  };
  if (auto* l = qobject_cast<const QLabel*>(w)) {
    if (l->text().isEmpty() || !l->pixmap().isNull()) return;
    // The text is cut where the label ends. Glyph edges are placed to the
    // pixel by rounding, so the ink may reach one pixel into the edge.
    const QRect drawn = labelTextRect(l), shown = l->rect().adjusted(-1, -1, 1, 1);
    if (drawn.left() < shown.left() || drawn.right() > shown.right())
      fault(QStringLiteral("text needs %1 px from %2, the label shows %3")
                .arg(drawn.width())
                .arg(drawn.left())
                .arg(shown.width()));
    else if (drawn.top() < shown.top() || drawn.bottom() > shown.bottom())
      fault(QStringLiteral("text needs %1 px high from %2, the label shows %3")
                .arg(drawn.height())
                .arg(drawn.top())
                .arg(shown.height()));
    return;
  }
  if (auto* b = qobject_cast<const QPushButton*>(w)) {
    if (b->text().isEmpty()) return;
    const QFontMetrics fm(b->font());
    const int frame = b->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, b);
    // Two pixels of room on each side inside the frame.
    QString text = b->text();
    text.remove(u'&');
    const int need = fm.boundingRect(text).width() + 2 * frame;
    if (need > b->width()) fault(QStringLiteral("text needs %1 px, the button is %2").arg(need).arg(b->width()));
    return;
  }
  if (qobject_cast<const QCheckBox*>(w) || qobject_cast<const QRadioButton*>(w)) {
    auto* b = static_cast<const QAbstractButton*>(w);
    if (b->text().isEmpty()) return;
    const QSize need = b->sizeHint();
    if (need.width() > b->width())
      fault(QStringLiteral("box and caption need %1 px, the control is %2").arg(need.width()).arg(b->width()));
    return;
  }
  if (auto* g = qobject_cast<const QGroupBox*>(w)) {
    if (g->title().isEmpty()) return;
    QStyleOptionGroupBox option;
    option.initFrom(g);
    option.text = g->title();
    option.subControls = QStyle::SC_GroupBoxLabel | QStyle::SC_GroupBoxFrame;
    const QRect label = g->style()->subControlRect(QStyle::CC_GroupBox, &option, QStyle::SC_GroupBoxLabel, g);
    // The style measures the title in the font it draws it with.
    if (label.left() < 0 || label.right() >= g->width())
      fault(QStringLiteral("title needs %1 px, the box is %2").arg(label.width()).arg(g->width()));
    return;
  }
  if (auto* h = qobject_cast<const THtmlLab*>(w)) {
    if (h->RenderedEndX() > h->width())
      fault(QStringLiteral("caption needs %1 px, the label is %2").arg(h->RenderedEndX()).arg(h->width()));
    return;
  }
  if (auto* grid = qobject_cast<const StringGrid*>(w)) {
    // The heads of the fixed row.
    const QFontMetrics fm(grid->font());
    for (int c = 1; c < grid->ColCount(); ++c) {
      const QString head = grid->Cells(c, 0);
      if (head.isEmpty() || grid->isColumnHidden(c - 1)) continue;
      const int need = fm.horizontalAdvance(head) + 4;
      if (need > grid->colWidth(c))
        fault(QStringLiteral("head \"%1\" needs %2 px, the column is %3").arg(head).arg(need).arg(grid->colWidth(c)));
    }
  }
}

void walk(const QWidget* container, const QWidget* page, const QString& pageName, const ControlNamer& name,
          std::vector<LayoutFault>& faults) {
  std::vector<Placed> placed;
  for (const QWidget* w : container->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (w->isWindow() || !w->isVisibleTo(page)) continue;
    reportLabelText(w, pageName, name, faults);
    const QRect shown = shownRect(w);
    if (shown.isEmpty()) {
      if (isContainer(w)) walk(w, page, pageName, name, faults);
      continue;
    }
    // Cut off by the box that holds it.
    if (!container->rect().contains(shown))
      faults.push_back({LayoutCheck::Overlap, pageName, name(w),
                        QStringLiteral("reaches out of %1 (%2,%3 %4x%5 in %6x%7)")
                            .arg(name(container))
                            .arg(shown.x())
                            .arg(shown.y())
                            .arg(shown.width())
                            .arg(shown.height())
                            .arg(container->width())
                            .arg(container->height())});
    for (const Placed& p : placed) {
      const QRect both = p.shown.intersected(shown);
      if (both.isEmpty()) continue;
      faults.push_back({LayoutCheck::Overlap, pageName, name(w),
                        QStringLiteral("overlaps %1 by %2x%3 px").arg(name(p.widget)).arg(both.width()).arg(both.height())});
    }
    placed.push_back({w, shown});
    if (isContainer(w)) walk(w, page, pageName, name, faults);
  }
}

// The room a line edit gives its text.
int lineEditRoom(const QLineEdit* e) {
  QStyleOptionFrame option;
  option.initFrom(e);
  option.rect = e->rect();
  option.lineWidth = e->hasFrame() ? e->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, e) : 0;
  option.midLineWidth = 0;
  option.state |= QStyle::State_Sunken;
  option.features = QStyleOptionFrame::None;
  QRect r = e->style()->subElementRect(QStyle::SE_LineEditContents, &option, e);
  r = r.marginsRemoved(e->textMargins());
  constexpr int horizontalMargin = 2;  // QLineEdit keeps 2 px on either side of its text
  return r.width() - 2 * horizontalMargin;
}

int lineEditNeed(const QLineEdit* e, const QString& text) {
  const QFontMetrics fm(e->font());
  // The text and the caret after it; with the caret at the end, a text this
  // wide shows whole.
  return fm.horizontalAdvance(text) + 1;
}

}  // namespace

ControlNamer namerFor(QWidget* window) {
  TopicWindow* topic = qobject_cast<TopicWindow*>(window);
  return [topic](const QWidget* w) -> QString {
    if (!w) return QStringLiteral("?");
    if (topic) {
      for (const InputField& f : topic->fields().fields())
        if (f.edit == w) return QStringLiteral("field \"%1\"").arg(f.key);
      if (w == topic->taskPanel()) return QStringLiteral("task panel");
      if (w == topic->taskLabel()) return QStringLiteral("task text");
      if (w == topic->inputArea()) return QStringLiteral("input area");
      for (int i = 0; i < topic->pageCount(); ++i) {
        if (w == topic->contentBox(i)) return QStringLiteral("content box");
        if (w == topic->legendBox(i)) return QStringLiteral("button bar");
        if (w == topic->page(i)) return QStringLiteral("page");
      }
    }
    QString s = QString::fromLatin1(w->metaObject()->className());
    if (!w->objectName().isEmpty()) s += u' ' + w->objectName();
    const QString text = shortText(textOf(w));
    if (!text.isEmpty()) s += QStringLiteral(" \"%1\"").arg(text);
    return s;
  };
}

void checkControls(QWidget* page, const QString& pageName, const ControlNamer& name,
                   std::vector<LayoutFault>& faults) {
  // A paint first: some controls measure their text only when they draw it.
  (void)page->grab();
  walk(page, page, pageName, name, faults);
}

void checkFieldTexts(QWidget* window, const QString& pageName, const ControlNamer& name,
                     std::vector<LayoutFault>& faults) {
  const auto fault = [&](const QWidget* w, const QString& detail) {
    faults.push_back({LayoutCheck::FieldText, pageName, name(w), detail});
  };
  if (TopicWindow* topic = qobject_cast<TopicWindow*>(window)) {
    for (const InputField& f : topic->fields().fields()) {
      if (!f.edit || !f.edit->isVisibleTo(window)) continue;
      const QString longest = LongestAcceptedText(f);
      if (longest.isEmpty()) {
        fault(f.edit, QStringLiteral("reads its text itself and names no longest text"));
        continue;
      }
      const QString text = f.edit->text();
      const int need = lineEditNeed(f.edit, text), room = lineEditRoom(f.edit);
      if (need > room) fault(f.edit, QStringLiteral("\"%1\" needs %2 px, the field shows %3").arg(text).arg(need).arg(room));
      const int height = QFontMetrics(f.edit->font()).height();
      QStyleOptionFrame option;
      option.initFrom(f.edit);
      option.lineWidth = f.edit->style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, f.edit);
      const QRect contents = f.edit->style()->subElementRect(QStyle::SE_LineEditContents, &option, f.edit);
      if (height > contents.height())
        fault(f.edit, QStringLiteral("text %1 px high, the field shows %2").arg(height).arg(contents.height()));
    }
    for (const GridBinding& g : topic->fields().grids()) {
      if (!g.grid || !g.grid->isVisibleTo(window)) continue;
      const QFontMetrics fm(g.grid->font());
      // A cell keeps the focus frame's margin and a pixel on either side.
      const int margin = g.grid->style()->pixelMetric(QStyle::PM_FocusFrameHMargin, nullptr, g.grid) + 1;
      for (int c = 1; c < g.grid->ColCount(); ++c)
        for (int r = 1; r < g.grid->RowCount(); ++r) {
          if (g.cellKey(c, r).isEmpty()) continue;
          const QString text = g.grid->Cells(c, r);
          const int need = fm.horizontalAdvance(text) + 2 * margin;
          if (need > g.grid->colWidth(c))
            fault(g.grid, QStringLiteral("cell (%1,%2) \"%3\" needs %4 px, the column is %5")
                              .arg(c)
                              .arg(r)
                              .arg(text)
                              .arg(need)
                              .arg(g.grid->colWidth(c)));
        }
    }
  }
  for (const QAbstractSpinBox* s : window->findChildren<QAbstractSpinBox*>()) {
    if (!s->isVisibleTo(window)) continue;
    const QSize need = s->sizeHint();
    if (need.width() > s->width())
      fault(s, QStringLiteral("its values need %1 px, the box is %2").arg(need.width()).arg(s->width()));
  }
}

void checkDefaultSize(QWidget* window, QWidget* inputPage, const QString& pageName, const ControlNamer& name,
                      std::vector<LayoutFault>& faults) {
  const auto fault = [&](const QWidget* w, const QString& detail) {
    faults.push_back({LayoutCheck::DefaultSize, pageName, name(w), detail});
  };
  if (auto* scroll = window->findChild<QScrollArea*>(QString(), Qt::FindDirectChildrenOnly)) {
    if (scroll->horizontalScrollBar()->maximum() > 0)
      fault(window, QStringLiteral("scrolls sideways by %1 px").arg(scroll->horizontalScrollBar()->maximum()));
    if (scroll->verticalScrollBar()->maximum() > 0)
      fault(window, QStringLiteral("scrolls down by %1 px").arg(scroll->verticalScrollBar()->maximum()));
  }
  // Every visible control of the input page lies inside the window.
  const QRect inside = window->rect();
  for (const QWidget* w : inputPage->findChildren<QWidget*>()) {
    if (w->isWindow() || !w->isVisibleTo(inputPage)) continue;
    const QRect shown = shownRect(w);
    if (shown.isEmpty()) continue;
    const QRect r = rectIn(w->parentWidget(), shown, window);
    if (!inside.contains(r))
      fault(w, QStringLiteral("lies at %1,%2 %3x%4, outside the window of %5x%6")
                   .arg(r.x())
                   .arg(r.y())
                   .arg(r.width())
                   .arg(r.height())
                   .arg(window->width())
                   .arg(window->height()));
  }
}

void fillLongestTexts(TopicWindow& window) {
  for (const InputField& f : window.fields().fields()) {
    const QString longest = LongestAcceptedText(f);
    if (f.edit && !longest.isEmpty()) f.edit->setText(longest);
  }
  const QString number = QString::fromStdU16String(LongestAcceptedNumber(u'f', u','));
  for (const GridBinding& g : window.fields().grids()) {
    if (!g.grid) continue;
    const QString cell = g.longest.isEmpty() ? number : g.longest;
    for (int c = 1; c < g.grid->ColCount(); ++c)
      for (int r = 1; r < g.grid->RowCount(); ++r)
        if (!g.cellKey(c, r).isEmpty()) g.grid->setCells(c, r, cell);
  }
}

}  // namespace zw
