#include "topics/linalg-stat/VecProductWindows.h"

#include <QLabel>
#include <QLineEdit>

#include "shell/Fonts.h"
#include "shell/Metrics.h"
#include "shell/kit/InputRows.h"
#include "topics/linalg-stat/VecProducts.h"

namespace zw {

namespace {

const char16_t kNames[3] = {u'a', u'b', u'c'};
const char16_t kAxes[3] = {u'x', u'y', u'z'};

TopicConfig productConfig(int taskLines, FocusPolicy focus) {
  TopicConfig c;
  c.tabStyle = TabStyle::Shell;
  c.taskLines = taskLines;
  c.focus = focus;
  c.size = SizePolicy::KeepDefault;
  c.memoFont = SharedFontId::FixedFont;  // column vectors side by side
  return c;
}

}  // namespace

VectorProductWindow::VectorProductWindow(QWidget* owner, std::string_view className, Shape shape)
    : TopicWindow(owner, className, productConfig(shape.taskLines, shape.focus)), shape_(std::move(shape)) {
  QWidget* box = inputArea();
  for (int v = 0; v < shape_.vectors; ++v) {
    arrows_.push_back(new QLabel(box));
    names_.push_back(new QLabel(box));
    for (int k = 0; k < 3; ++k) {
      auto* e = new QLineEdit(box);
      e->setObjectName(QStringLiteral("Edit%1").arg(3 * v + k + 1));
      edits_.push_back(e);
      // Any term, no range: an empty field reads as 0.
      fields().addField(QString(QChar(kNames[v])) + QChar(kAxes[k]), e, u'e');
    }
  }
  initTopic();
}

void VectorProductWindow::layoutInputs() {
  const LayoutMetrics& m = metrics();
  const FontTextMeasurer text(fonts().TextFont.font);
  const int step = m.RowTop[2] - m.RowTop[1];
  const int top = m.RowTop[1];
  int left = ScalePixels(16);
  // Each field shows the widest number it takes.
  const int editWidth = NumberEditWidth();
  for (int v = 0; v < shape_.vectors; ++v) {
    const std::size_t i = static_cast<std::size_t>(v);
    QString name = shape_.nameCaption;
    name.replace(u'a', QChar(kNames[v]));
    const int w = text.width(shape_.nameCaption);
    // The arrow stands over the name, the coordinates one under the other.
    SetupPanelAligned(arrows_[i], left, top + m.QuarterRowStep, w, m.RowHeight, QStringLiteral("-> "),
                      fonts().LabelFont, Qt::AlignRight);
    SetupPanelAligned(names_[i], left, top + step, w, m.RowHeight, name, fonts().TextFont, Qt::AlignRight);
    for (int k = 0; k < 3; ++k) {
      QLineEdit* e = edits_[static_cast<std::size_t>(3 * v + k)];
      e->setFont(fonts().TextFont.font);
      e->setGeometry(left + w, top + k * step, editWidth, m.RowHeight);
    }
    left += w + editWidth + ScalePixels(16);
  }
}

void VectorProductWindow::compute() {
  std::vector<TVec3> v(static_cast<std::size_t>(shape_.vectors));
  for (int i = 0; i < shape_.vectors; ++i) {
    const QString n(QChar(kNames[i]));
    v[static_cast<std::size_t>(i)] = {fields().value(n + u'x'), fields().value(n + u'y'), fields().value(n + u'z')};
  }
  setMemoLines(shape_.lines(v, FontTextMeasurer(memoFont())));
}

TFSProd::TFSProd(QWidget* owner)
    : VectorProductWindow(owner, ClassName,
                          {2, 2, FocusPolicy::OnShowAndActivate, QStringLiteral("  a = "),
                           [](const std::vector<TVec3>& v, const TextMeasurer& font) {
                             return SProdMemoLines(v[0], v[1], font);
                           }}) {}

TFVProd::TFVProd(QWidget* owner)
    : VectorProductWindow(owner, ClassName,
                          {2, 2, FocusPolicy::None, QStringLiteral("  a = "),
                           [](const std::vector<TVec3>& v, const TextMeasurer&) { return VProdMemoLines(v[0], v[1]); }}) {}

TFSpat::TFSpat(QWidget* owner)
    : VectorProductWindow(owner, ClassName,
                          {3, 1, FocusPolicy::None, QStringLiteral(" a = "),
                           [](const std::vector<TVec3>& v, const TextMeasurer&) {
                             return SpatMemoLines(v[0], v[1], v[2]);
                           }}) {}

}  // namespace zw
