#include "topics/plane/Poly1Window.h"

#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <QSpinBox>
#include <cmath>
#include <limits>
#include <numbers>

#include "charts/ChartDraw.h"
#include "kernel/CalcFailure.h"
#include "shell/Metrics.h"
#include "shell/Settings.h"
#include "shell/State.h"
#include "shell/kit/InputRows.h"
#include "shell/texts/Texts.h"
#include "topics/plane/Poly1.h"

namespace zw {

namespace {
const char* const kKeys[PolygonQuantityCount] = {"a", "ru", "ri", "u", "F"};

TopicConfig Config() {
  TopicConfig c;
  c.memoFont = SharedFontId::TextFont2;
  c.taskLines = 2;
  c.focus = FocusPolicy::RecomputeOnActivate;
  return c;
}
}  // namespace

QImage Poly1Sketch(int side, int n, const std::array<QColor, 3>& colors, const std::array<int, 3>& widths) {
  const int s = std::max(side, 1);
  QImage img(s, s, QImage::Format_RGB32);
  img.fill(QColor(0xF0, 0xF0, 0xF0));
  if (s < 10 || n < 3) return img;
  QPainter p(&img);
  p.setRenderHint(QPainter::Antialiasing);
  const double pi = std::numbers::pi, d = 2 * pi / n, phi0 = d / 2 - pi / 2;
  // The unit circle becomes a circle of radius s / 2.5 about the centre.
  auto at = [s](double x, double y) { return QPointF(x / 2.5 * s + s / 2.0, s / 2.0 - y / 2.5 * s); };
  auto pen = [&](int i) { p.setPen(QPen(colors[std::size_t(i)], std::max(widths[std::size_t(i)], 1))); };
  pen(0);
  QPolygonF corners;
  for (int j = 0; j <= n; ++j) corners << at(std::cos(phi0 + j * d), std::sin(phi0 + j * d));
  p.drawPolyline(corners);
  pen(1);
  p.drawLine(at(0, 0), corners[0]);
  pen(2);
  p.drawLine(at(0, 0), at(0, (std::sin(phi0) + std::sin(phi0 - d)) / 2));
  return img;
}

TFPoly1::TFPoly1(QWidget* owner) : TopicWindow(owner, ClassName, Config()) {
  for (int i = 0; i < PolygonQuantityCount; ++i) {
    auto* e = edits_[std::size_t(i)] = new QLineEdit(inputArea());
    e->setObjectName(QStringLiteral("Edit%1").arg(i + 1));
    captions_[std::size_t(i)] = new QLabel(inputArea());
    fields().addField(QString::fromLatin1(kKeys[i]), e, u'P');
  }
  spinCaption_ = new QLabel(inputArea());
  spin_ = new QSpinBox(inputArea());
  spin_->setObjectName(QStringLiteral("edSpin"));
  spin_->setRange(Poly1MinCorners, Poly1MaxCorners);
  spin_->setValue(Poly1MinCorners);
  // A stored count outside 3 .. 99 is brought into the range by the spinner;
  // a text that is no whole number loads as 3.
  fields().addInteger(QStringLiteral("n"), [this] { return spin_->value(); }, [this](int v) { spin_->setValue(v); },
                      Poly1MinCorners, std::numeric_limits<int>::min(), std::numeric_limits<int>::max());
  // The sketch follows the spinner at once; the results wait for the next OK.
  connect(spin_, &QSpinBox::valueChanged, this, guardedSlot([this] { updateSketch(); }));
  sketch_ = new QLabel(inputArea());
  sketch_->setObjectName(QStringLiteral("Image1"));
  initTopic();
}

void TFPoly1::layoutInputs() {
  const LayoutMetrics& m = metrics();
  const FontTextMeasurer text(fonts().TextFont.font);
  int capW = 0;
  for (int i = 0; i < PolygonQuantityCount; ++i) capW = std::max(capW, text.width(GetTextEq(IPoly1, 2 + i)));
  capW += ScalePixels(4);
  const int editW = NumberEditWidth();
  const int left = m.ColLeft[1];
  // The n row above the five quantities.
  spin_->setFont(fonts().TextFont.font);
  const QString nCaption = QStringLiteral(" n = ");
  PlaceLabelEditSized(spinCaption_, spin_, left, m.RowTop[1], capW,
                      std::max(spin_->sizeHint().width(), ScalePixels(60)), nCaption);
  for (int i = 0; i < PolygonQuantityCount; ++i) {
    PlaceLabelEditSized(captions_[std::size_t(i)], edits_[std::size_t(i)], left, m.RowTop[std::size_t(2 + i)], capW,
                        editW, GetTextEq(IPoly1, 2 + i));
    if (i < 3) {
      QPalette pal = captions_[std::size_t(i)]->palette();
      pal.setColor(QPalette::WindowText, ToQColor(GraphColor(shellState().GraphColorList, i + 1)));
      captions_[std::size_t(i)]->setPalette(pal);
    }
  }
  const QRect top = spin_->geometry(), last = edits_[PolygonQuantityCount - 1]->geometry();
  const int side = std::max(0, last.bottom() - top.top());
  sketch_->setGeometry(last.right() + 1 + ScalePixels(24), top.top(), side, side);
  updateSketch();
}

void TFPoly1::updateSketch() {
  std::array<QColor, 3> colors;
  std::array<int, 3> widths{};
  const ShellState& st = shellState();
  for (int i = 0; i < 3; ++i) {
    colors[std::size_t(i)] = ToQColor(GraphColor(st.SettingsLineColor, i + 1));
    widths[std::size_t(i)] = GraphLineWidth(st.SettingsLineWidth, i + 1);
  }
  sketch_->setPixmap(QPixmap::fromImage(Poly1Sketch(sketch_->width(), spin_->value(), colors, widths)));
}

void TFPoly1::compute() {
  int given = -1, count = 0;
  Extended value = 0;
  for (int i = 0; i < PolygonQuantityCount; ++i) {
    const Extended v = fields().value(QString::fromLatin1(kKeys[i]));
    if (v > 0) given = i, value = v, ++count;
  }
  if (count == 0) throw CalcFailure(3);
  if (count > 1) throw CalcFailure(4);
  const PolygonQuantity q = static_cast<PolygonQuantity>(given);
  setMemoLines(Poly1MemoLines(SolveRegularPolygon(spin_->value(), q, value), q, FontTextMeasurer(memoFont())));
}

}  // namespace zw
