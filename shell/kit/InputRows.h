#pragma once
// Captions, panels and caption-and-field rows of the topic windows' pages.
// Every routine sets bounds, captions and fonts of controls the window owns;
// none creates or frees one. Panels and labels are QLabels, fields any
// widget (QLineEdit, QSpinBox, ...).
//
// The positions come from pure functions (the *Layout functions below) of the
// metrics, the zoom and a TextMeasurer, so tests can check them without a
// display; the Place* and Setup* routines apply them.
//
// The mathematical rows (point, circle, sphere, line, plane and the vector
// forms) keep left-to-right order inside a right-to-left window: their
// captions and fields are set to left-to-right, and mirroring (below) moves
// such a row as a whole.
#include <QFont>
#include <QRect>
#include <QString>
#include <vector>

#include "shell/Fonts.h"
#include "shell/Metrics.h"

class QLabel;
class QWidget;

namespace zw {

class TextMeasurer;

// What a row routine needs besides its arguments.
struct RowContext {
  LayoutMetrics metrics;
  int zoom = 100;
  const TextMeasurer* text = nullptr;  // the font the captions are shown in
  // The fields of the rows are never narrower than this (0: no minimum); the
  // running program's context gives NumberEditWidth(), so that every field
  // shows the widest number it accepts.
  int numberWidth = 0;

  int S(int v) const { return ScalePixelsAt(v, zoom); }
  int width(const QString& t) const;
};

// The context of the running program: metrics(), the shell's zoom and a
// measurer of TextFont (kept alive by the returned object).
class CurrentRowContext {
public:
  CurrentRowContext();
  const RowContext& operator*() const { return ctx_; }
  const RowContext* operator->() const { return &ctx_; }

private:
  FontTextMeasurer measurer_;
  RowContext ctx_;
};

struct PlacedCaption {
  QRect rect;
  QString text;
  Qt::Alignment alignment;
};

// Captions and fields of a row, each in the order of the routine's arguments.
struct RowLayout {
  std::vector<PlacedCaption> captions;
  std::vector<QRect> fields;
};

// --- pure layouts ---------------------------------------------------------

// Field widths: EditWidth (0.8 of it for the point and plane rows, S(80) for
// the two-value row), never narrower than numberWidth.
//
// Caption panel (left, top, captionWidth, RowHeight) with " " + caption,
// right-justified; the field beside it.
RowLayout labelEditLayout(const RowContext& c, int left, int top, int captionWidth, int editWidth,
                          const QString& caption);
// Label S(4) lower than the field; labelWidth 0 means the caption's width.
RowLayout rightLabelEditLayout(const RowContext& c, int left, int top, int labelWidth, int editWidth,
                               const QString& caption);
// Panel, square edit and up-down control.
RowLayout spinInputLayout(const RowContext& c, int left, int top, int size, const QString& caption);
// Three heads (ITabelle items 1..3) and the fields below them.
RowLayout columnHeads3Layout(const RowContext& c, int left, int top, int width);
// As above plus head 4 (item 5), the spin edit and the up-down control.
RowLayout columnHeads4Layout(const RowContext& c, int left, int top, int width);
// A caption panel beside the field row, then three heads.
RowLayout captionedHeadsLayout(const RowContext& c, int left, int top, int captionWidth, int headWidth,
                               const QString& caption);

RowLayout pointRowLayout(const RowContext& c, const QString& name, int left, int top);
RowLayout circleRowLayout(const RowContext& c, const QString& name, int left, int top);
RowLayout circleRowLabelsLayout(const RowContext& c, const QString& name, int left, int top);
// «caption [x] [y] )    r = [r]» with labels, or without the radius
// «caption [x] [y] )»; the caption captionWidth wide (0: its own width) and
// right-justified, so that rows of different captions align their fields.
RowLayout pointRadiusLabelsLayout(const RowContext& c, const QString& caption, int captionWidth, bool radius,
                                  int left, int top);
RowLayout twoValueRowLayout(const RowContext& c, const QString& caption1, const QString& caption2, int left,
                            int top);
RowLayout lineRowLabelsLayout(const RowContext& c, const QString& caption, int left, int top);
RowLayout lineRowLayout(const RowContext& c, const QString& caption, int left, int top);
RowLayout planeRowLayout(const RowContext& c, const QString& caption, int left, int top);
// Captions: arrow, name, parameter; fields: p0, p1, p2, u0, u1, u2.
RowLayout paramLineLayout(const RowContext& c, const QString& name, const QString& param, int left, int top);
// Captions: arrow, name, param1, param2; fields p0..p2, a0..a2, b0..b2.
RowLayout planeVectorLayout(const RowContext& c, const QString& name, const QString& param1,
                            const QString& param2, int left, int top);

// --- panels and labels ----------------------------------------------------

void SetupPanel(QLabel* panel, int left, int top, int width, int height, const QString& caption,
                const SharedFont& font);
void SetupPanelAligned(QLabel* panel, int left, int top, int width, int height, const QString& caption,
                       const SharedFont& font, Qt::Alignment alignment);
void SetupTextPanelTop(QLabel* label, QWidget* panel, const QFont& canvasFont, const QString& caption,
                       int lines);
void SetupTextPanelAt(QLabel* label, QWidget* panel, int left, int top, int width, int height,
                      const QString& caption);
void SetupTwoLabelPanel(QLabel* topLabel, QLabel* bottomLabel, QWidget* panel, int height,
                        const QString& topCaption, const QString& bottomCaption);
void SetupLabelPanel(QLabel* label, QWidget* panel, int left, int top, int width, int height,
                     const QString& caption, const SharedFont& font);
void SetupThreeLabelPanel(QLabel* label1, QLabel* label2, QLabel* label3, QWidget* panel, int left, int top,
                          int width, int height, const QString& text1, const QString& text2,
                          const QString& text3, const SharedFont& font);
// width 0: the caption's width in the font.
void PlaceLabel(QLabel* label, int left, int top, int width, int height, const QString& caption,
                const SharedFont& font);
void SetWrappedLabel(QLabel* label, int left, int top, int width, int height, const QString& caption,
                     const SharedFont& font);
void SetControlTextBounds(QWidget* control, int left, int top, int width, int height, const QString& caption,
                          const SharedFont& font);
void SetControlTextBoundsBold(QWidget* control, int left, int top, int width, int height,
                              const QString& caption);
void SetControlTextBoundsBold2(QWidget* control, int left, int top, int width, int height,
                               const QString& caption);

// --- column heads ---------------------------------------------------------

void SetupColumnHeads3(QLabel* head1, QLabel* head2, QLabel* head3, QWidget* control1, QWidget* control2,
                       QWidget* control3, int left, int top, int width);
void SetupColumnHeads4(QLabel* head1, QLabel* head2, QLabel* head3, QLabel* head4, QWidget* edit1,
                       QWidget* edit2, QWidget* edit3, QWidget* spinEdit, QWidget* upDown, int left, int top,
                       int width);
void SetupCaptionedHeads(QLabel* captionPanel, QLabel* head1, QLabel* head2, QLabel* head3,
                         const QString& caption, QWidget* edit1, QWidget* edit2, QWidget* edit3, int left,
                         int top, int captionWidth, int headWidth);

// --- caption-and-field rows -----------------------------------------------

void PlaceCaptionControl(QLabel* panel, QWidget* control, int left, int top, int captionWidth,
                         int controlWidth, int height, const QString& caption, Qt::Alignment alignment,
                         const SharedFont& font);
void PlaceLabelEdit(QLabel* panel, QWidget* edit, int left, int top, int captionWidth, const QString& caption);
// The width an edit field needs to show `longest` whole in the shared text
// font at the current zoom (frame and margins included), at least EditWidth.
int EditWidthFor(const QString& longest);
// The width of a number field: EditWidthFor the widest plain number a field
// accepts (15 digits with sign and decimal separator, or 10^15). The rows and
// PlaceLabelEdit give their fields at least this width.
int NumberEditWidth();
void PlaceLabelEditSized(QLabel* panel, QWidget* edit, int left, int top, int captionWidth, int editWidth,
                         const QString& caption);
void PlaceRightLabelEdit(QLabel* label, QWidget* edit, int left, int top, int labelWidth,
                         const QString& caption);
void PlaceRightLabelEditFont(QLabel* label, QWidget* edit, int left, int top, int labelWidth, int editWidth,
                             const QString& caption, const SharedFont& font);
void PlaceSpinInput(QLabel* panel, QWidget* edit, QWidget* upDown, int left, int top, int size,
                    const QString& caption);

// The mathematical rows. `canvas` measures the captions (the TextFont the
// window shows them in).
void PlacePointInput(QLabel* openPanel, QLabel* closePanel, QWidget* editX, QWidget* editY, QWidget* editZ,
                     const TextMeasurer& canvas, const QString& name, int left, int top);
void PlaceCircleInput(QLabel* panel1, QLabel* panel2, const TextMeasurer& canvas, QWidget* editX,
                      QWidget* editY, QWidget* editR, const QString& name, int left, int top);
void PlaceCircleInputLabels(QLabel* label1, QLabel* label2, QWidget* editX, QWidget* editY, QWidget* editR,
                            const QString& name, int left, int top);
// pointRadiusLabelsLayout applied; a null editR is the row without radius.
void PlacePointRadiusLabels(QLabel* label1, QLabel* label2, QWidget* editX, QWidget* editY, QWidget* editR,
                            const QString& caption, int captionWidth, int left, int top);
// Fields S(80) wide (the shared metrics stay as they are).
void PlaceTwoValueInput(QLabel* panel1, QLabel* panel2, QWidget* editX, QWidget* editY, QWidget* editZ,
                        QWidget* editR, const TextMeasurer& canvas, const QString& caption1,
                        const QString& caption2, int left, int top);
void PlaceLineInputLabels(QLabel* label1, QLabel* label2, QLabel* label3, QWidget* editA, QWidget* editB,
                          QWidget* editC, const QString& caption, int left, int top);
void PlaceLineInput(QLabel* panel1, QLabel* panel2, QLabel* panel3, const TextMeasurer& canvas,
                    QWidget* editA, QWidget* editB, QWidget* editC, int left, int top, const QString& caption);
// Fields 0.8 of EditWidth (the shared metrics stay as they are).
void PlacePlaneInput(QLabel* panel1, QLabel* panel2, QLabel* panel3, QLabel* panel4, QWidget* editA,
                     QWidget* editB, QWidget* editC, QWidget* editD, const TextMeasurer& canvas,
                     const QString& caption, int left, int top);
void PlaceParamLineInput(QLabel* arrowPanel, QLabel* namePanel, QLabel* paramPanel, QWidget* p0, QWidget* p1,
                         QWidget* p2, QWidget* u0, QWidget* u1, QWidget* u2, const TextMeasurer& canvas,
                         const QString& name, const QString& param, int left, int top);
void PlacePlaneVectorInput(QLabel* arrowLabel, QLabel* nameLabel, QLabel* param1Label, QLabel* param2Label,
                           QWidget* p0, QWidget* p1, QWidget* p2, QWidget* a0, QWidget* a1, QWidget* a2,
                           QWidget* b0, QWidget* b1, QWidget* b2, const QString& name, const QString& param1,
                           const QString& param2, int left, int top);

// --- right-to-left windows -------------------------------------------------
// Rows are computed and placed from the left, as in a left-to-right window.
// In a right-to-left window (area->isRightToLeft()) MirrorChildren then
// reflects every control of the area within its width: captions come to
// stand right of their fields and rows start at the right edge. The
// mathematical rows keep their left-to-right order and move as one block;
// plain containers (QWidget, QFrame, QGroupBox without a layout) are
// mirrored inside as well. UnmirrorChildren brings the controls back to
// left-to-right coordinates (at the width they were mirrored at), so the next
// layout starts from them again; it does nothing for an area not mirrored.
void MirrorChildren(QWidget* area);
void UnmirrorChildren(QWidget* area);

}  // namespace zw
