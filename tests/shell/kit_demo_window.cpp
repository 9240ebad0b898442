#include "tests/shell/kit_demo_window.h"

#include <QVBoxLayout>

#include "shell/Fonts.h"
#include "shell/Metrics.h"
#include "shell/State.h"
#include "shell/kit/InputRows.h"
#include "shell/texts/Texts.h"

namespace zw::test {

template <class W>
W* KitDemoWindow::add(DemoPage& page, const char* name, QWidget* container) {
  auto* w = new W(container);
  page.controls.push_back({QString::fromLatin1(name), w, container});
  return w;
}

KitDemoWindow::DemoPage KitDemoWindow::makePage(const QString& caption) {
  DemoPage p;
  p.page = new QWidget;
  p.box = new QGroupBox(p.page);
  p.legend = new QGroupBox(p.page);
  p.ok = add<QPushButton>(p, "ok", p.legend);
  p.cancel = add<QPushButton>(p, "cancel", p.legend);
  p.help = add<QPushButton>(p, "help", p.legend);
  tabs->addTab(p.page, caption);
  return p;
}

KitDemoWindow::KitDemoWindow() {
  tabs = new PageControl(CaptionTabBar::CaptionStyle::Shell, this);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->addWidget(tabs);
  input = makePage(QStringLiteral("Eingabe"));
  results = makePage(QStringLiteral("Ergebnisse"));
  chart = makePage(QStringLiteral("Grafik"));

  QWidget* box = input.box;
  textPanel = new QWidget(box);
  textLabel = add<QLabel>(input, "text", box);
  textLabel->setParent(textPanel);
  input.controls.back().container = box;
  capA = add<QLabel>(input, "capA", box);
  editA = add<QLineEdit>(input, "editA", box);
  capB = add<QLabel>(input, "capB", box);
  editB = add<QLineEdit>(input, "editB", box);
  pointOpen = add<QLabel>(input, "pointOpen", box);
  px = add<QLineEdit>(input, "px", box);
  py = add<QLineEdit>(input, "py", box);
  pz = add<QLineEdit>(input, "pz", box);
  pointClose = add<QLabel>(input, "pointClose", box);
  circle1 = add<QLabel>(input, "circle1", box);
  cx = add<QLineEdit>(input, "cx", box);
  cy = add<QLineEdit>(input, "cy", box);
  circle2 = add<QLabel>(input, "circle2", box);
  cr = add<QLineEdit>(input, "cr", box);
  line1 = add<QLabel>(input, "line1", box);
  la = add<QLineEdit>(input, "la", box);
  line2 = add<QLabel>(input, "line2", box);
  lb = add<QLineEdit>(input, "lb", box);
  line3 = add<QLabel>(input, "line3", box);
  lc = add<QLineEdit>(input, "lc", box);
  plane1 = add<QLabel>(input, "plane1", box);
  ea = add<QLineEdit>(input, "ea", box);
  plane2 = add<QLabel>(input, "plane2", box);
  eb = add<QLineEdit>(input, "eb", box);
  plane3 = add<QLabel>(input, "plane3", box);
  ec = add<QLineEdit>(input, "ec", box);
  plane4 = add<QLabel>(input, "plane4", box);
  ed = add<QLineEdit>(input, "ed", box);
  arrow = add<QLabel>(input, "arrow", box);
  lineName = add<QLabel>(input, "lineName", box);
  lineParam = add<QLabel>(input, "lineParam", box);
  p0 = add<QLineEdit>(input, "p0", box);
  p1 = add<QLineEdit>(input, "p1", box);
  p2 = add<QLineEdit>(input, "p2", box);
  u0 = add<QLineEdit>(input, "u0", box);
  u1 = add<QLineEdit>(input, "u1", box);
  u2 = add<QLineEdit>(input, "u2", box);
  head1 = add<QLabel>(input, "head1", box);
  head2 = add<QLabel>(input, "head2", box);
  head3 = add<QLabel>(input, "head3", box);
  head4 = add<QLabel>(input, "head4", box);
  from = add<QLineEdit>(input, "from", box);
  to = add<QLineEdit>(input, "to", box);
  step = add<QLineEdit>(input, "step", box);
  digits = add<QLineEdit>(input, "digits", box);
  updown = add<QLineEdit>(input, "updown", box);

  memo = add<QPlainTextEdit>(results, "memo", results.box);
  matrix = add<StringGrid>(results, "matrix", results.box);

  aspect = add<QPushButton>(chart, "aspect", chart.legend);
  centre = add<QPushButton>(chart, "centre", chart.legend);
  settings = add<QPushButton>(chart, "settings", chart.legend);
  yReadout = add<TNumLab>(chart, "yReadout", chart.box);
  xReadout = add<TNumLab>(chart, "xReadout", chart.box);

  QSize size;
  DefaultFormSize(IBigInt, size);
  // Wider where the rows need it: their fields show the widest number.
  const CurrentRowContext ctx;
  const LayoutMetrics& m = metrics();
  QRect rows;
  for (const RowLayout& r : {planeRowLayout(*ctx, QStringLiteral("E: "), m.ColLeft[1], 0),
                             paramLineLayout(*ctx, QStringLiteral("h"), QStringLiteral("t"), m.ColLeft[1], 0)}) {
    for (const PlacedCaption& c : r.captions) rows |= c.rect;
    for (const QRect& f : r.fields) rows |= f;
  }
  size.setWidth(std::max(size.width(), rows.right() + 1 + m.ColLeft[1] + ScalePixels(88) + ScalePixels(16)));
  resize(size);
}

int KitDemoWindow::rowTop(int i) const {
  const LayoutMetrics& m = metrics();
  return textPanel->height() + m.RowTop[1] + (i - 1) * (m.RowTop[2] - m.RowTop[1]);
}

void KitDemoWindow::relayout() {
  const LayoutMetrics& m = metrics();
  const int left = m.ColLeft[1];
  for (DemoPage* p : {&input, &results, &chart}) p->page->resize(tabs->currentWidget()->size());

  // Input page.
  LayoutInputPage(input.page->width(), input.box, input.legend, input.ok, input.cancel, input.help);
  SetupTextPanelTop(textLabel, textPanel, fonts().TextFont.font,
                    QStringLiteral("Gib die Werte ein und dr\u00FCcke OK."), 2);
  const FontTextMeasurer canvas(fonts().TextFont.font);
  const int capWidth = std::max(canvas.width(QStringLiteral(" a = ")), canvas.width(QStringLiteral(" b = ")));
  PlaceLabelEdit(capA, editA, left, rowTop(1), capWidth, QStringLiteral("a = "));
  PlaceLabelEdit(capB, editB, left, rowTop(2), capWidth, QStringLiteral("b = "));
  PlacePointInput(pointOpen, pointClose, px, py, pz, canvas, QStringLiteral("P"), left, rowTop(3));
  PlaceCircleInput(circle1, circle2, canvas, cx, cy, cr, QStringLiteral("k"), left, rowTop(4));
  PlaceLineInput(line1, line2, line3, canvas, la, lb, lc, left, rowTop(5), QStringLiteral("g: "));
  PlacePlaneInput(plane1, plane2, plane3, plane4, ea, eb, ec, ed, canvas, QStringLiteral("E: "), left,
                  rowTop(6));
  PlaceParamLineInput(arrow, lineName, lineParam, p0, p1, p2, u0, u1, u2, canvas, QStringLiteral("h"),
                      QStringLiteral("t"), left, rowTop(7));
  SetupColumnHeads4(head1, head2, head3, head4, from, to, step, digits, updown, left, rowTop(10),
                    m.NarrowColWidth);

  // Results page: the memo above a 3 x 3 matrix grid.
  LayoutInputPage(results.page->width(), results.box, results.legend, results.ok, results.cancel, results.help);
  const MatrixGridGeometry g = matrixGridGeometry(m, 3, 3, StringGrid::GridLineWidth);
  const int gridTop = results.box->height() - g.size.height() - m.RowTop[1];
  memo->setGeometry(left, m.RowTop[1], results.box->width() - 2 * left, gridTop - 2 * m.RowTop[1]);
  applySharedFont(memo, fonts().FixedFont);
  SetupMatrixGrid(matrix, left, gridTop, 3, 3, QStringLiteral("A"));

  // Chart page.
  for (QPushButton* b : {aspect, centre, settings}) b->resize(ScalePixels(24), ScalePixels(24));
  LayoutChartPage(chart.page->width(), chart.box, chart.legend, chart.ok, chart.cancel, chart.help, aspect,
                  centre, settings, xReadout, yReadout);
}

void KitDemoWindow::resizeEvent(QResizeEvent* e) {
  QWidget::resizeEvent(e);
  relayout();
}

void KitDemoWindow::showEvent(QShowEvent* e) {
  QWidget::showEvent(e);
  relayout();
}

}  // namespace zw::test
