#include "topics/solids/SolidWindow.h"

#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPixmap>
#include <algorithm>

#include "charts/Rot3D.h"
#include "shell/Metrics.h"
#include "shell/kit/InputRows.h"
#include "shell/texts/Texts.h"
#include "topics/frame/View3DPicture.h"
#include "topics/solids/SolidScenes.h"

namespace zw {

namespace {

TopicConfig SolidConfig(bool withView, SharedFontId memoFont) {
  TopicConfig c;
  c.pages = withView ? TopicConfig::inputResultsChart() : TopicConfig::inputAndResults(3);
  c.tabStyle = TabStyle::Shell;
  c.taskLines = 2;
  c.memoFont = memoFont;
  return c;
}

bool operator==(const SketchInput& a, const SketchInput& b) {
  return a.side == b.side && a.filled == b.filled && a.colors == b.colors && a.n == b.n;
}

}  // namespace

SolidWindow::SolidWindow(QWidget* owner, std::string_view className, std::span<const SolidRow> rows, bool withView,
                         SharedFontId memoFont)
    : TopicWindow(owner, className, SolidConfig(withView, memoFont)) {
  QWidget* box = inputArea();
  for (const SolidRow& r : rows) {
    auto* e = new QLineEdit(box);
    e->setObjectName(QStringLiteral("Edit%1").arg(r.layoutRow));
    edits_.push_back(e);
    captions_.push_back(new QLabel(box));
    colours_.push_back(r.colour);
    layoutRows_.push_back(r.layoutRow);
    fields().addField(r.key, e, r.kind);
  }
  sketch_ = new QLabel(box);
  sketch_->setObjectName(QStringLiteral("Image1"));
  if (withView) {
    const int chart = pageOf(PageKind::Chart);
    view_ = new TRot3D(contentBox(chart));
    view_->setObjectName(QStringLiteral("Rot3D1"));
    SetUpSolidView(*view_);
    picture_ = std::make_unique<View3DPicture>(*this, *view_, View3DPicture::Click::Recentre);
  }
}

SolidWindow::~SolidWindow() = default;

void SolidWindow::sketchFollows(int i) {
  connect(edit(i), &QLineEdit::textChanged, this, guardedSlot([this] { updateSketch(); }));
}

QString SolidWindow::captionOf(int i) const { return GetText(textPage(), i + 2) + QStringLiteral(" = "); }

Quantities SolidWindow::readValues() const {
  Quantities q{};
  for (int i = 0; i < rowCount() && i < 7; ++i) q[static_cast<std::size_t>(i)] = fields().value(i);
  return q;
}

void SolidWindow::layoutInputs() {
  const LayoutMetrics& m = metrics();
  const FontTextMeasurer font(fonts().TextFont.font);
  int captionWidth = 0;
  for (int i = 0; i < rowCount(); ++i) captionWidth = std::max(captionWidth, font.width(u' ' + captionOf(i)));
  for (int i = 0; i < rowCount(); ++i) {
    QLabel* c = captions_[static_cast<std::size_t>(i)];
    PlaceLabelEdit(c, edit(i), m.ColLeft[1], m.RowTop[static_cast<std::size_t>(layoutRows_[static_cast<std::size_t>(i)])],
                   captionWidth, captionOf(i));
    QPalette pal = c->palette();
    const int colour = colours_[static_cast<std::size_t>(i)];
    pal.setColor(QPalette::WindowText, colour > 0 ? RunningGraphPen(colour).color : palette().color(QPalette::WindowText));
    c->setPalette(pal);
  }
  const QRect top = edit(sketchFirstRow())->geometry(), last = edit(rowCount() - 1)->geometry();
  const int side = std::max(0, last.top() - top.top() + m.RowHeight);
  sketch_->setGeometry(sketchLeft(), top.top(), side, side);
  updateSketch();
}

int SolidWindow::sketchLeft() const { return edit(0)->geometry().right() + 1 + 2 * metrics().ColLeft[1]; }

void SolidWindow::updateSketch() {
  SketchInput in;
  in.side = sketch_->width();
  for (int i = 0; i < 4 && i < rowCount(); ++i) {
    in.filled[static_cast<std::size_t>(i)] = !edit(i)->text().trimmed().isEmpty();
    in.colors[static_cast<std::size_t>(i)] = RunningGraphPen(i + 1).color;
  }
  in.n = sketchVertices();
  // Drawn again only when what it shows changed.
  if (in == shown_ && !sketch_->pixmap().isNull()) return;
  shown_ = in;
  QImage image(std::max(in.side, 1), std::max(in.side, 1), QImage::Format_RGB32);
  {
    QPainter p(&image);
    drawSketch(p, in);
  }
  sketch_->setPixmap(QPixmap::fromImage(image));
}

void SolidWindow::layoutPage(int index) {
  TopicWindow::layoutPage(index);
  if (view_ && index == pageOf(PageKind::Chart)) view_->setGeometry(contentBox(index)->contentsRect());
}

TopicPicture* SolidWindow::picture() { return picture_.get(); }

}  // namespace zw
