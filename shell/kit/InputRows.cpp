#include "shell/kit/InputRows.h"

#include <QAbstractButton>
#include <QFrame>
#include <QFontMetrics>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QStyleOptionFrame>
#include <algorithm>
#include <initializer_list>

#include "kernel/CheckedInput.h"
#include "shell/State.h"
#include "shell/kit/Symbols.h"
#include "shell/texts/Texts.h"

namespace zw {

int RowContext::width(const QString& t) const { return text ? textWidthOf(*text, t) : 0; }

CurrentRowContext::CurrentRowContext() : measurer_(fonts().TextFont.font) {
  ctx_.metrics = metrics();
  ctx_.zoom = shellState().Zoom;
  ctx_.text = &measurer_;
  ctx_.numberWidth = NumberEditWidth();
}

namespace {

constexpr Qt::Alignment kPanelLeft = Qt::AlignLeft | Qt::AlignVCenter;
constexpr Qt::Alignment kPanelRight = Qt::AlignRight | Qt::AlignVCenter;
constexpr Qt::Alignment kLabelRight = Qt::AlignRight | Qt::AlignTop;

// EditWidth * 0.8 to the nearest integer (the product never ends in .5).
int fourFifths(int w) { return (8 * w + (w >= 0 ? 5 : -5)) / 10; }

// The width of a row's fields: the row's own, or the widest number's.
int fieldWidth(const RowContext& c, int own) { return std::max(own, c.numberWidth); }

// Appends a caption-and-edit pair; returns the edit's rectangle.
QRect addLabelEdit(RowLayout& r, const RowContext& c, int left, int top, int captionWidth, int editWidth,
                   const QString& caption) {
  const int rh = c.metrics.RowHeight;
  r.captions.push_back({QRect(left, top, captionWidth, rh), u' ' + caption, kPanelRight});
  r.fields.emplace_back(left + captionWidth, top, editWidth, rh);
  return r.fields.back();
}

QRect addRightLabelEdit(RowLayout& r, const RowContext& c, int left, int top, int labelWidth, int editWidth,
                        const QString& caption) {
  const int rh = c.metrics.RowHeight;
  if (labelWidth == 0) labelWidth = c.width(caption);
  r.captions.push_back({QRect(left, top + c.S(4), labelWidth, rh), caption, kLabelRight});
  r.fields.emplace_back(left + labelWidth, top, editWidth, rh);
  return r.fields.back();
}

void addHeads3(RowLayout& r, const RowContext& c, int left, int top, int width) {
  int x = left;
  for (int k = 1; k <= 3; ++k) {
    r.captions.push_back({QRect(x, top, width, c.S(20)), GetTextSpaced2(ITabelle, k), kPanelLeft});
    r.fields.emplace_back(x, top + c.S(18), width, c.S(20));
    x += width + c.S(4);
  }
}

}  // namespace

// --- pure layouts ---------------------------------------------------------

RowLayout labelEditLayout(const RowContext& c, int left, int top, int captionWidth, int editWidth,
                          const QString& caption) {
  RowLayout r;
  addLabelEdit(r, c, left, top, captionWidth, editWidth, caption);
  return r;
}

RowLayout rightLabelEditLayout(const RowContext& c, int left, int top, int labelWidth, int editWidth,
                               const QString& caption) {
  RowLayout r;
  addRightLabelEdit(r, c, left, top, labelWidth, editWidth, caption);
  return r;
}

RowLayout spinInputLayout(const RowContext& c, int left, int top, int size, const QString& caption) {
  RowLayout r;
  const int w = c.width(caption) + c.S(8);
  // A plain panel centres its caption: S(4) on either side.
  r.captions.push_back({QRect(left, top, w, size), caption, Qt::AlignCenter});
  r.fields.emplace_back(left + w, top, size, size);
  r.fields.emplace_back(left + w + size, top, size, size);
  return r;
}

RowLayout columnHeads3Layout(const RowContext& c, int left, int top, int width) {
  RowLayout r;
  addHeads3(r, c, left, top, width);
  return r;
}

RowLayout columnHeads4Layout(const RowContext& c, int left, int top, int width) {
  RowLayout r;
  addHeads3(r, c, left, top, width);
  const int x4 = r.captions[2].rect.left() + width + c.metrics.HalfRowStep;
  r.captions.push_back({QRect(x4, top, width, c.S(20)), GetTextSpaced2(ITabelle, 5), kPanelLeft});
  r.fields.emplace_back(x4, top + c.S(18), c.S(20), c.S(20));
  r.fields.emplace_back(x4 + c.S(20), top + c.S(18), c.S(20), c.S(20));
  return r;
}

RowLayout captionedHeadsLayout(const RowContext& c, int left, int top, int captionWidth, int headWidth,
                               const QString& caption) {
  RowLayout r;
  r.captions.push_back({QRect(left, top + c.S(18), captionWidth, c.S(20)), caption, kPanelLeft});
  addHeads3(r, c, left + captionWidth, top, headWidth);
  return r;
}

RowLayout pointRowLayout(const RowContext& c, const QString& name, int left, int top) {
  RowLayout r;
  const QString t = name + QStringLiteral(" ( ");
  const int w = c.width(t), e = fieldWidth(c, fourFifths(c.metrics.EditWidth)), rh = c.metrics.RowHeight;
  r.captions.push_back({QRect(left, top, w, rh), t, kPanelLeft});
  int x = left + w;
  for (int i = 0; i < 3; ++i, x += e + 1) r.fields.emplace_back(x, top, e, rh);
  r.captions.push_back({QRect(x, top, w, rh), QStringLiteral(" )"), kPanelLeft});
  return r;
}

RowLayout circleRowLayout(const RowContext& c, const QString& name, int left, int top) {
  RowLayout r;
  const int ew = fieldWidth(c, c.metrics.EditWidth), rh = c.metrics.RowHeight;
  const QString t1 = name + QStringLiteral(" :  M ( "), t2 = QStringLiteral(" )    r = ");
  const QRect ex = addLabelEdit(r, c, left, top, c.width(t1), ew, t1);
  const QRect ey(ex.left() + ew + c.S(4), top, ew, rh);
  r.fields.push_back(ey);
  addLabelEdit(r, c, ey.left() + ew, top, c.width(t2), ew, t2);
  return r;
}

RowLayout circleRowLabelsLayout(const RowContext& c, const QString& name, int left, int top) {
  return pointRadiusLabelsLayout(c, name + QStringLiteral(" :  M( "), 0, true, left, top);
}

RowLayout pointRadiusLabelsLayout(const RowContext& c, const QString& caption, int captionWidth, bool radius,
                                  int left, int top) {
  RowLayout r;
  const int ew = fieldWidth(c, c.metrics.EditWidth), rh = c.metrics.RowHeight;
  const QRect ex = addRightLabelEdit(r, c, left, top, captionWidth, ew, caption);
  const QRect ey(ex.left() + ew, top, ew, rh);
  r.fields.push_back(ey);
  if (radius) {
    addRightLabelEdit(r, c, ey.left() + ew, top, 0, ew, QStringLiteral(" )    r = "));
  } else {
    const QString close = QStringLiteral(" )");
    r.captions.push_back({QRect(ey.left() + ew, top + c.S(4), c.width(close), rh), close, kLabelRight});
  }
  return r;
}

RowLayout twoValueRowLayout(const RowContext& c, const QString& caption1, const QString& caption2, int left,
                            int top) {
  RowLayout r;
  const int ew = fieldWidth(c, c.S(80)), rh = c.metrics.RowHeight;
  QRect f = addLabelEdit(r, c, left, top, c.width(caption1), ew, caption1);
  for (int i = 0; i < 2; ++i) {
    f = QRect(f.left() + ew, top, ew, rh);
    r.fields.push_back(f);
  }
  addLabelEdit(r, c, f.left() + ew, top, c.width(caption2), ew, caption2);
  return r;
}

RowLayout lineRowLabelsLayout(const RowContext& c, const QString& caption, int left, int top) {
  RowLayout r;
  const int ew = fieldWidth(c, c.metrics.EditWidth);
  QRect f = addRightLabelEdit(r, c, left, top, 0, ew, caption);
  f = addRightLabelEdit(r, c, f.left() + ew, top, 0, ew, u' ' + MulDot() + QStringLiteral(" x + "));
  addRightLabelEdit(r, c, f.left() + ew, top, 0, ew, u' ' + MulDot() + QStringLiteral(" y = "));
  return r;
}

RowLayout lineRowLayout(const RowContext& c, const QString& caption, int left, int top) {
  RowLayout r;
  const int ew = fieldWidth(c, c.metrics.EditWidth);
  const QString tx = u' ' + MulDot() + QStringLiteral(" x + "), ty = u' ' + MulDot() + QStringLiteral(" y = ");
  QRect f = addLabelEdit(r, c, left, top, c.width(caption), ew, caption);
  f = addLabelEdit(r, c, f.left() + ew, top, c.width(tx), ew, tx);
  addLabelEdit(r, c, f.left() + ew, top, c.width(ty), ew, ty);
  return r;
}

RowLayout planeRowLayout(const RowContext& c, const QString& caption, int left, int top) {
  RowLayout r;
  const int ew = fieldWidth(c, fourFifths(c.metrics.EditWidth));
  const QString texts[4] = {caption, u' ' + MulDot() + QStringLiteral("x + "),
                            u' ' + MulDot() + QStringLiteral("y + "), u' ' + MulDot() + QStringLiteral("z = ")};
  int x = left;
  for (const QString& t : texts) {
    const int w = c.width(t);
    addLabelEdit(r, c, x, top, w, ew, t);
    x += w + ew;
  }
  return r;
}

RowLayout paramLineLayout(const RowContext& c, const QString& name, const QString& param, int left, int top) {
  RowLayout r;
  const int ew = fieldWidth(c, c.metrics.EditWidth), rh = c.metrics.RowHeight;
  const QString t0 = QString(QChar(0x27F6)) + QStringLiteral("  ");
  const QString t1 = name + QStringLiteral(" : x = ");
  const QString t2 = QStringLiteral(" + ") + param + u' ' + MulDot() + u' ';
  const int w1 = c.width(t1), w2 = c.width(t2);
  RowLayout name1, arrow;
  const QRect p1 = addLabelEdit(name1, c, left, top + rh, w1, ew, t1);
  const QRect p0 = addLabelEdit(arrow, c, left, top, w1, ew, t0);
  const QRect p2(left + w1, top + 2 * rh, ew, rh);
  const int x2 = p0.left() + ew;
  RowLayout paramRow;
  const QRect u1 = addLabelEdit(paramRow, c, x2, top + rh, w2, ew, t2);
  r.captions = {arrow.captions[0], name1.captions[0], paramRow.captions[0]};
  r.fields = {p0, p1, p2, QRect(x2 + w2, top, ew, rh), u1, QRect(x2 + w2, top + 2 * rh, ew, rh)};
  return r;
}

RowLayout planeVectorLayout(const RowContext& c, const QString& name, const QString& param1,
                            const QString& param2, int left, int top) {
  RowLayout r;
  const int ew = fieldWidth(c, c.metrics.EditWidth), rh = c.metrics.RowHeight;
  RowLayout nameRow, arrowRow, p1Row, p2Row;
  const QRect p1 = addRightLabelEdit(nameRow, c, left, top + rh, 0, ew, name + QStringLiteral(" : x = "));
  const int w = nameRow.captions[0].rect.width();
  const QRect p0 = addRightLabelEdit(arrowRow, c, left, top, w, ew, EnDash() + QStringLiteral(">   "));
  const QRect p2(left + w, top + 2 * rh, ew, rh);
  const int x2 = p0.left() + ew;
  const QRect a1 =
      addRightLabelEdit(p1Row, c, x2, top + rh, 0, ew, QStringLiteral(" + ") + param1 + u' ' + MulDot() + u' ');
  const int w2 = p1Row.captions[0].rect.width();
  const QRect a0(x2 + w2, top, ew, rh), a2(x2 + w2, top + 2 * rh, ew, rh);
  const int x3 = a0.left() + ew;
  const QRect b1 =
      addRightLabelEdit(p2Row, c, x3, top + rh, 0, ew, QStringLiteral(" + ") + param2 + u' ' + MulDot() + u' ');
  const int w3 = p2Row.captions[0].rect.width();
  r.captions = {arrowRow.captions[0], nameRow.captions[0], p1Row.captions[0], p2Row.captions[0]};
  r.fields = {p0, p1, p2, a0, a1, a2, QRect(x3 + w3, top, ew, rh), b1, QRect(x3 + w3, top + 2 * rh, ew, rh)};
  return r;
}

// --- applying -------------------------------------------------------------

namespace {

// No outer bevel, no parent background, drawn by the label itself.
void standardPanelLook(QWidget* w) {
  if (auto* l = qobject_cast<QLabel*>(w)) l->setFrameShape(QFrame::NoFrame);
  w->setAutoFillBackground(false);
}

void setCaptionOf(QWidget* w, const QString& caption) {
  if (auto* l = qobject_cast<QLabel*>(w))
    l->setText(caption);
  else if (auto* b = qobject_cast<QAbstractButton*>(w))
    b->setText(caption);
  else if (auto* e = qobject_cast<QLineEdit*>(w))
    e->setText(caption);
  else if (auto* g = qobject_cast<QGroupBox*>(w))
    g->setTitle(caption);
}

// A control of a row that keeps left-to-right order carries the row's
// rectangle, so that mirroring moves the row as one block.
constexpr const char* kLeftToRightRow = "zwLeftToRightRow";
constexpr const char* kMirroredWidth = "zwMirroredWidth";

void setRowBlock(QWidget* w, const QRect* block) {
  if (block)
    w->setProperty(kLeftToRightRow, *block);
  else if (w->property(kLeftToRightRow).isValid())
    w->setProperty(kLeftToRightRow, QVariant());
}

void placeField(QWidget* field, const QRect& r, const QRect* ltrBlock = nullptr) {
  if (!field) return;
  field->setGeometry(r);
  applySharedFont(field, fonts().TextFont);
  if (ltrBlock) field->setLayoutDirection(Qt::LeftToRight);
  setRowBlock(field, ltrBlock);
}

void placeCaption(QLabel* label, const PlacedCaption& pc, const SharedFont& font, const QRect* ltrBlock = nullptr,
                  bool keepEmpty = true) {
  if (!label) return;
  applySharedFont(label, font);
  label->setGeometry(pc.rect);
  setRowBlock(label, ltrBlock);
  if (!pc.text.isEmpty() || !keepEmpty) label->setText(pc.text);
  label->setAlignment(pc.alignment);
  label->setWordWrap(false);
  standardPanelLook(label);
  if (ltrBlock) label->setLayoutDirection(Qt::LeftToRight);
}

void apply(const RowLayout& r, std::initializer_list<QLabel*> captions, std::initializer_list<QWidget*> fields,
           const SharedFont& font, bool leftToRight) {
  QRect block;
  for (const PlacedCaption& c : r.captions) block |= c.rect;
  for (const QRect& f : r.fields) block |= f;
  const QRect* ltr = leftToRight ? &block : nullptr;
  size_t i = 0;
  for (QLabel* l : captions) placeCaption(l, r.captions[i++], font, ltr);
  i = 0;
  for (QWidget* f : fields) placeField(f, r.fields[i++], ltr);
}

// Containers whose children are placed by hand: Qt's layouts and composite
// widgets (spin boxes, grids, scroll areas) mirror themselves.
bool isPlainContainer(const QWidget* w) {
  const QMetaObject* m = w->metaObject();
  return !w->layout() &&
         (m == &QWidget::staticMetaObject || m == &QFrame::staticMetaObject || m == &QGroupBox::staticMetaObject);
}

// Moves the children of `area` between left-to-right coordinates and their
// mirror image in an area `width` wide (toMirror) or back.
void reflectChildren(QWidget* area, int width, bool toMirror) {
  for (QWidget* w : area->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
    if (w->isWindow()) continue;
    const QRect g = w->geometry();
    const QVariant row = w->property(kLeftToRightRow);
    int x = width - g.x() - g.width();
    if (row.isValid()) {
      const QRect b = row.toRect();
      const int shift = width - b.left() - (b.left() + b.width());
      x = toMirror ? g.x() + shift : g.x() - shift;
    }
    if (x != g.x()) w->move(x, g.y());
  }
}

// Lays `child` over `panel` (inside it when it is the panel's child), with
// the given side padding.
void fillPanel(QWidget* child, QWidget* panel, int padding) {
  if (!child || !panel) return;
  QRect r = child->parentWidget() == panel ? QRect(QPoint(0, 0), panel->size()) : panel->geometry();
  child->setGeometry(r.adjusted(padding, 0, -padding, 0));
}

void placeTextLabel(QLabel* label, QWidget* panel, int padding, const SharedFont& font, const QString& caption,
                    Qt::Alignment alignment, bool wrap) {
  if (!label) return;
  fillPanel(label, panel, padding);
  applySharedFont(label, font);
  label->setWordWrap(wrap);
  label->setAlignment(alignment);
  if (!caption.isEmpty()) label->setText(caption);
}

void alignTop(QWidget* panel, int height) {
  const int w = panel->parentWidget() ? panel->parentWidget()->width() : panel->width();
  panel->setGeometry(0, 0, w, height);
}

}  // namespace

// --- panels and labels ----------------------------------------------------

void SetupPanel(QLabel* panel, int left, int top, int width, int height, const QString& caption,
                const SharedFont& font) {
  placeCaption(panel, {QRect(left, top, width, height), caption, kPanelLeft}, font);
}

void SetupPanelAligned(QLabel* panel, int left, int top, int width, int height, const QString& caption,
                       const SharedFont& font, Qt::Alignment alignment) {
  SetupPanel(panel, left, top, width, height, caption, font);
  if (panel) panel->setAlignment((alignment & Qt::AlignHorizontal_Mask) | Qt::AlignVCenter);
}

void SetupTextPanelTop(QLabel* label, QWidget* panel, const QFont& canvasFont, const QString& caption,
                       int lines) {
  if (!panel) return;
  alignTop(panel, QFontMetrics(canvasFont).height() * lines);
  setCaptionOf(panel, QString());
  standardPanelLook(panel);
  placeTextLabel(label, panel, metrics().ColLeft[1], fonts().LabelFont, caption, Qt::AlignLeft | Qt::AlignTop,
                 true);
  // A narrow window wraps the text into more lines than planned: the panel
  // grows, so that no line is cut off.
  if (label && label->width() > 0) {
    const int extra = label->heightForWidth(label->width()) - label->height();
    if (extra > 0) {
      panel->resize(panel->width(), panel->height() + extra);
      fillPanel(label, panel, metrics().ColLeft[1]);
    }
  }
}

void SetupTextPanelAt(QLabel* label, QWidget* panel, int left, int top, int width, int height,
                      const QString& caption) {
  if (!panel) return;
  panel->setGeometry(left, top, width, height);
  setCaptionOf(panel, QString());
  standardPanelLook(panel);
  placeTextLabel(label, panel, metrics().ColLeft[1], fonts().LabelFont, caption, Qt::AlignLeft | Qt::AlignTop,
                 true);
}

void SetupTwoLabelPanel(QLabel* topLabel, QLabel* bottomLabel, QWidget* panel, int height,
                        const QString& topCaption, const QString& bottomCaption) {
  if (!panel) return;
  alignTop(panel, height);
  standardPanelLook(panel);
  const int pad = metrics().ColLeft[1];
  placeTextLabel(topLabel, panel, pad, fonts().LabelFont, topCaption, Qt::AlignLeft | Qt::AlignTop, true);
  placeTextLabel(bottomLabel, panel, pad, fonts().LabelFont, bottomCaption, Qt::AlignLeft | Qt::AlignBottom,
                 true);
}

void SetupLabelPanel(QLabel* label, QWidget* panel, int left, int top, int width, int height,
                     const QString& caption, const SharedFont& font) {
  if (!panel) return;
  panel->setGeometry(left, top, width, height);
  standardPanelLook(panel);
  if (label) label->setText(caption);
  placeTextLabel(label, panel, 0, font, caption, Qt::AlignLeft | Qt::AlignTop, false);
}

void SetupThreeLabelPanel(QLabel* label1, QLabel* label2, QLabel* label3, QWidget* panel, int left, int top,
                          int width, int height, const QString& text1, const QString& text2,
                          const QString& text3, const SharedFont& font) {
  if (!panel) return;
  panel->setGeometry(left, top, width, height);
  standardPanelLook(panel);
  setCaptionOf(panel, QString());
  SharedFont italic = font;
  italic.font.setItalic(true);
  QLabel* labels[3] = {label1, label2, label3};
  const QString* texts[3] = {&text1, &text2, &text3};
  const Qt::Alignment vertical[3] = {Qt::AlignTop, Qt::AlignVCenter, Qt::AlignBottom};
  for (int i = 0; i < 3; ++i) {
    if (!labels[i]) continue;
    labels[i]->setText(*texts[i]);
    labels[i]->setAutoFillBackground(false);  // transparent
    placeTextLabel(labels[i], panel, 0, italic, *texts[i], Qt::AlignLeft | vertical[i], false);
  }
}

void PlaceLabel(QLabel* label, int left, int top, int width, int height, const QString& caption,
                const SharedFont& font) {
  if (!label) return;
  if (width == 0) width = FontTextMeasurer(font.font).width(caption);
  applySharedFont(label, font);
  label->setGeometry(left, top, width, height);
  label->setText(caption);
}

void SetWrappedLabel(QLabel* label, int left, int top, int width, int height, const QString& caption,
                     const SharedFont& font) {
  if (!label) return;
  label->setWordWrap(true);
  PlaceLabel(label, left, top, width, height, caption, font);
}

void SetControlTextBounds(QWidget* control, int left, int top, int width, int height, const QString& caption,
                          const SharedFont& font) {
  if (!control) return;
  applySharedFont(control, font);
  control->setGeometry(left, top, width, height);
  setCaptionOf(control, caption);
}

void SetControlTextBoundsBold(QWidget* control, int left, int top, int width, int height,
                              const QString& caption) {
  SetControlTextBounds(control, left, top, width, height, caption, fonts().BoldFont);
}

void SetControlTextBoundsBold2(QWidget* control, int left, int top, int width, int height,
                               const QString& caption) {
  SetControlTextBoundsBold(control, left, top, width, height, caption);
}

// --- column heads ---------------------------------------------------------

void SetupColumnHeads3(QLabel* head1, QLabel* head2, QLabel* head3, QWidget* control1, QWidget* control2,
                       QWidget* control3, int left, int top, int width) {
  apply(columnHeads3Layout(*CurrentRowContext(), left, top, width), {head1, head2, head3},
        {control1, control2, control3}, fonts().BoldFont, false);
}

void SetupColumnHeads4(QLabel* head1, QLabel* head2, QLabel* head3, QLabel* head4, QWidget* edit1,
                       QWidget* edit2, QWidget* edit3, QWidget* spinEdit, QWidget* upDown, int left, int top,
                       int width) {
  apply(columnHeads4Layout(*CurrentRowContext(), left, top, width), {head1, head2, head3, head4},
        {edit1, edit2, edit3, spinEdit, upDown}, fonts().BoldFont, false);
}

void SetupCaptionedHeads(QLabel* captionPanel, QLabel* head1, QLabel* head2, QLabel* head3,
                         const QString& caption, QWidget* edit1, QWidget* edit2, QWidget* edit3, int left,
                         int top, int captionWidth, int headWidth) {
  apply(captionedHeadsLayout(*CurrentRowContext(), left, top, captionWidth, headWidth, caption),
        {captionPanel, head1, head2, head3}, {edit1, edit2, edit3}, fonts().BoldFont, false);
}

// --- caption-and-field rows -----------------------------------------------

void PlaceCaptionControl(QLabel* panel, QWidget* control, int left, int top, int captionWidth,
                         int controlWidth, int height, const QString& caption, Qt::Alignment alignment,
                         const SharedFont& font) {
  placeCaption(panel,
               {QRect(left, top, captionWidth, height), u' ' + caption,
                (alignment & Qt::AlignHorizontal_Mask) | Qt::AlignVCenter},
               font);
  placeField(control, QRect(left + captionWidth, top, controlWidth, height));
}

void PlaceLabelEdit(QLabel* panel, QWidget* edit, int left, int top, int captionWidth, const QString& caption) {
  PlaceLabelEditSized(panel, edit, left, top, captionWidth, NumberEditWidth(), caption);
}

int EditWidthFor(const QString& longest) {
  // Measured on an edit as the rows set it up, so frame, margins and the
  // caret are those the style draws.
  QLineEdit probe;
  applySharedFont(&probe, fonts().TextFont);
  QStyleOptionFrame option;
  option.initFrom(&probe);
  option.lineWidth = probe.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, &option, &probe);
  const QFontMetrics fm(probe.font());
  const QMargins text = probe.textMargins() + probe.contentsMargins();
  // The line edit keeps 2 px of room on each side of its text, and one more
  // for the caret after the last character.
  const QSize content(fm.horizontalAdvance(longest) + 2 * 2 + 1 + text.left() + text.right(), fm.height());
  const int needed = probe.style()->sizeFromContents(QStyle::CT_LineEdit, &option, content, &probe).width();
  // A few pixels to spare, so the last digit never touches the frame.
  return std::max(metrics().EditWidth, needed + ScalePixels(4));
}

int NumberEditWidth() {
  // Measured once per font and zoom: every row of every layout asks.
  static QString measuredFor;
  static int width = 0;
  const QString key = fonts().TextFont.font.key() + u'/' + QString::number(shellState().Zoom);
  if (key == measuredFor) return width;
  measuredFor = key;
  return width = std::max(EditWidthFor(QString::fromStdU16String(LongestAcceptedNumber(u'e', u','))),
                  EditWidthFor(QString::fromStdU16String(LongestAcceptedNumber(u'n', u','))));
}

void PlaceLabelEditSized(QLabel* panel, QWidget* edit, int left, int top, int captionWidth, int editWidth,
                         const QString& caption) {
  PlaceCaptionControl(panel, edit, left, top, captionWidth, editWidth, metrics().RowHeight, caption,
                      Qt::AlignRight, fonts().TextFont);
}

void PlaceRightLabelEdit(QLabel* label, QWidget* edit, int left, int top, int labelWidth,
                         const QString& caption) {
  PlaceRightLabelEditFont(label, edit, left, top, labelWidth, NumberEditWidth(), caption, fonts().TextFont);
}

void PlaceRightLabelEditFont(QLabel* label, QWidget* edit, int left, int top, int labelWidth, int editWidth,
                             const QString& caption, const SharedFont& font) {
  RowContext c = *CurrentRowContext();
  FontTextMeasurer m(font.font);
  c.text = &m;
  apply(rightLabelEditLayout(c, left, top, labelWidth, editWidth, caption), {label}, {edit}, font, false);
  if (edit) applySharedFont(edit, fonts().TextFont);
}

void PlaceSpinInput(QLabel* panel, QWidget* edit, QWidget* upDown, int left, int top, int size,
                    const QString& caption) {
  apply(spinInputLayout(*CurrentRowContext(), left, top, size, caption), {panel}, {edit, upDown},
        fonts().TextFont, false);
}

namespace {
RowContext withCanvas(const TextMeasurer& canvas) {
  RowContext c = *CurrentRowContext();
  c.text = &canvas;
  return c;
}
}  // namespace

void PlacePointInput(QLabel* openPanel, QLabel* closePanel, QWidget* editX, QWidget* editY, QWidget* editZ,
                     const TextMeasurer& canvas, const QString& name, int left, int top) {
  apply(pointRowLayout(withCanvas(canvas), name, left, top), {openPanel, closePanel}, {editX, editY, editZ},
        fonts().TextFont, true);
}

void PlaceCircleInput(QLabel* panel1, QLabel* panel2, const TextMeasurer& canvas, QWidget* editX,
                      QWidget* editY, QWidget* editR, const QString& name, int left, int top) {
  apply(circleRowLayout(withCanvas(canvas), name, left, top), {panel1, panel2}, {editX, editY, editR},
        fonts().TextFont, true);
}

void PlaceCircleInputLabels(QLabel* label1, QLabel* label2, QWidget* editX, QWidget* editY, QWidget* editR,
                            const QString& name, int left, int top) {
  PlacePointRadiusLabels(label1, label2, editX, editY, editR, name + QStringLiteral(" :  M( "), 0, left, top);
}

void PlacePointRadiusLabels(QLabel* label1, QLabel* label2, QWidget* editX, QWidget* editY, QWidget* editR,
                            const QString& caption, int captionWidth, int left, int top) {
  const RowLayout r = pointRadiusLabelsLayout(*CurrentRowContext(), caption, captionWidth, editR != nullptr, left, top);
  if (editR)
    apply(r, {label1, label2}, {editX, editY, editR}, fonts().TextFont, true);
  else
    apply(r, {label1, label2}, {editX, editY}, fonts().TextFont, true);
}

void PlaceTwoValueInput(QLabel* panel1, QLabel* panel2, QWidget* editX, QWidget* editY, QWidget* editZ,
                        QWidget* editR, const TextMeasurer& canvas, const QString& caption1,
                        const QString& caption2, int left, int top) {
  apply(twoValueRowLayout(withCanvas(canvas), caption1, caption2, left, top), {panel1, panel2},
        {editX, editY, editZ, editR}, fonts().TextFont, true);
}

void PlaceLineInputLabels(QLabel* label1, QLabel* label2, QLabel* label3, QWidget* editA, QWidget* editB,
                          QWidget* editC, const QString& caption, int left, int top) {
  apply(lineRowLabelsLayout(*CurrentRowContext(), caption, left, top), {label1, label2, label3},
        {editA, editB, editC}, fonts().TextFont, true);
}

void PlaceLineInput(QLabel* panel1, QLabel* panel2, QLabel* panel3, const TextMeasurer& canvas,
                    QWidget* editA, QWidget* editB, QWidget* editC, int left, int top, const QString& caption) {
  apply(lineRowLayout(withCanvas(canvas), caption, left, top), {panel1, panel2, panel3}, {editA, editB, editC},
        fonts().TextFont, true);
}

void PlacePlaneInput(QLabel* panel1, QLabel* panel2, QLabel* panel3, QLabel* panel4, QWidget* editA,
                     QWidget* editB, QWidget* editC, QWidget* editD, const TextMeasurer& canvas,
                     const QString& caption, int left, int top) {
  apply(planeRowLayout(withCanvas(canvas), caption, left, top), {panel1, panel2, panel3, panel4},
        {editA, editB, editC, editD}, fonts().TextFont, true);
}

void PlaceParamLineInput(QLabel* arrowPanel, QLabel* namePanel, QLabel* paramPanel, QWidget* p0, QWidget* p1,
                         QWidget* p2, QWidget* u0, QWidget* u1, QWidget* u2, const TextMeasurer& canvas,
                         const QString& name, const QString& param, int left, int top) {
  apply(paramLineLayout(withCanvas(canvas), name, param, left, top), {arrowPanel, namePanel, paramPanel},
        {p0, p1, p2, u0, u1, u2}, fonts().TextFont, true);
}

void PlacePlaneVectorInput(QLabel* arrowLabel, QLabel* nameLabel, QLabel* param1Label, QLabel* param2Label,
                           QWidget* p0, QWidget* p1, QWidget* p2, QWidget* a0, QWidget* a1, QWidget* a2,
                           QWidget* b0, QWidget* b1, QWidget* b2, const QString& name, const QString& param1,
                           const QString& param2, int left, int top) {
  apply(planeVectorLayout(*CurrentRowContext(), name, param1, param2, left, top),
        {arrowLabel, nameLabel, param1Label, param2Label}, {p0, p1, p2, a0, a1, a2, b0, b1, b2},
        fonts().TextFont, true);
}

// --- right-to-left windows -------------------------------------------------

void MirrorChildren(QWidget* area) {
  if (!area || !area->isRightToLeft()) return;
  const int width = area->width();
  reflectChildren(area, width, true);
  area->setProperty(kMirroredWidth, width);
  for (QWidget* w : area->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
    if (!w->isWindow() && isPlainContainer(w)) MirrorChildren(w);
}

void UnmirrorChildren(QWidget* area) {
  if (!area) return;
  const QVariant width = area->property(kMirroredWidth);
  if (!width.isValid()) return;
  reflectChildren(area, width.toInt(), false);
  area->setProperty(kMirroredWidth, QVariant());
  for (QWidget* w : area->findChildren<QWidget*>(Qt::FindDirectChildrenOnly))
    if (!w->isWindow()) UnmirrorChildren(w);
}

}  // namespace zw
