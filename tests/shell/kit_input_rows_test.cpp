// Caption-and-field rows, column heads and panels.
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <gtest/gtest.h>

#include "common/TextMeasurer.h"
#include "kernel/CheckedInput.h"
#include "shell/Fonts.h"
#include "shell/Metrics.h"
#include "shell/State.h"
#include "shell/kit/InputRows.h"
#include "shell/texts/Texts.h"
#include "tests/shell/kit_test_support.h"

namespace zw {
namespace {

class KitInputRows : public test::KitTest {
protected:
  // Every character 5 pixels wide.
  FixedWidthMeasurer five{5};
  RowContext at(int zoom) {
    RowContext c;
    c.metrics = computeMetrics(zoom);
    c.zoom = zoom;
    c.text = &five;
    return c;
  }
};

TEST_F(KitInputRows, PlaceLabelEditAtZoom100) {
  QWidget page;
  auto* panel = new QLabel(&page);
  auto* edit = new QLineEdit(&page);
  PlaceLabelEdit(panel, edit, 16, 40, 120, QStringLiteral("a = "));
  EXPECT_EQ(panel->geometry(), QRect(16, 40, 120, 20));
  EXPECT_EQ(panel->text(), QStringLiteral(" a = "));
  EXPECT_TRUE(panel->alignment() & Qt::AlignRight);
  // The field shows the widest number a field accepts.
  EXPECT_EQ(edit->geometry(), QRect(136, 40, NumberEditWidth(), 20));
  EXPECT_EQ(edit->font(), fonts().TextFont.font);

  applyZoom(150);
  PlaceLabelEdit(panel, edit, 24, 60, 180, QStringLiteral("a = "));
  EXPECT_EQ(edit->geometry(), QRect(204, 60, NumberEditWidth(), 30));
}

TEST_F(KitInputRows, RightLabelSizedToCaptionAndFourPixelsLower) {
  RowLayout r = rightLabelEditLayout(at(100), 16, 40, 0, 100, QStringLiteral("abc"));
  EXPECT_EQ(r.captions[0].rect, QRect(16, 44, 15, 20));
  EXPECT_EQ(r.fields[0], QRect(31, 40, 100, 20));
  r = rightLabelEditLayout(at(150), 16, 40, 50, 100, QStringLiteral("abc"));
  EXPECT_EQ(r.captions[0].rect, QRect(16, 46, 50, 30));

  // Applied on widgets, width 0 measures in the label's font.
  QWidget page;
  auto* label = new QLabel(&page);
  auto* edit = new QLineEdit(&page);
  PlaceRightLabelEdit(label, edit, 16, 40, 0, QStringLiteral("Radius r = "));
  EXPECT_EQ(label->width(), FontTextMeasurer(fonts().TextFont.font).width(QStringLiteral("Radius r = ")));
  EXPECT_EQ(label->y(), 44);
  EXPECT_EQ(edit->geometry(), QRect(16 + label->width(), 40, NumberEditWidth(), 20));
}

TEST_F(KitInputRows, ColumnHeads) {
  const RowLayout r = columnHeads4Layout(at(100), 16, 16, 100);
  ASSERT_EQ(r.captions.size(), 4u);
  const int heads[] = {16, 120, 224, 324 + 12};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(r.captions[i].rect.left(), heads[i]) << i;
    EXPECT_EQ(r.captions[i].rect.top(), 16);
  }
  for (int i = 0; i < 3; ++i) EXPECT_EQ(r.fields[i], QRect(heads[i], 34, 100, 20)) << i;
  EXPECT_EQ(r.fields[3], QRect(336, 34, 20, 20));  // spin edit
  EXPECT_EQ(r.fields[4], QRect(356, 34, 20, 20));  // up-down
  EXPECT_EQ(r.captions[0].text, GetTextSpaced2(ITabelle, 1));
  EXPECT_EQ(r.captions[3].text, GetTextSpaced2(ITabelle, 5));

  const RowLayout c = captionedHeadsLayout(at(100), 10, 16, 60, 100, QStringLiteral("P"));
  EXPECT_EQ(c.captions[0].rect, QRect(10, 34, 60, 20));
  EXPECT_EQ(c.captions[1].rect.left(), 70);
  EXPECT_EQ(c.fields[2], QRect(70 + 2 * 104, 34, 100, 20));
}

TEST_F(KitInputRows, NarrowRowsLeaveTheSharedMetricsAlone) {
  QWidget page;
  QLabel p1(&page), p2(&page), p3(&page), p4(&page);
  QLineEdit e1(&page), e2(&page), e3(&page), e4(&page);
  const LayoutMetrics before = metrics();
  PlaceTwoValueInput(&p1, &p2, &e1, &e2, &e3, &e4, five, QStringLiteral("M ( "), QStringLiteral(" )  r = "), 16,
                     16);
  // S(80), or wider for the widest number.
  const int w = std::max(80, NumberEditWidth());
  EXPECT_EQ(e1.width(), w);
  EXPECT_EQ(e2.x(), e1.x() + w);
  EXPECT_EQ(e4.x(), e3.x() + w + 40);  // caption 2 is 8 characters

  PlacePlaneInput(&p1, &p2, &p3, &p4, &e1, &e2, &e3, &e4, five, QStringLiteral("E: "), 16, 16);
  EXPECT_EQ(e1.width(), w);  // 0.8 of the standard width, or the widest number's
  EXPECT_EQ(metrics().EditWidth, before.EditWidth);
  EXPECT_EQ(metrics().HalfRowStep, before.HalfRowStep);
}

TEST_F(KitInputRows, MathematicalRows) {
  // Point: "P ( " is 20 px, fields 80 wide one pixel apart.
  RowLayout pt = pointRowLayout(at(100), QStringLiteral("P"), 16, 40);
  EXPECT_EQ(pt.captions[0].rect, QRect(16, 40, 20, 20));
  EXPECT_EQ(pt.fields[0], QRect(36, 40, 80, 20));
  EXPECT_EQ(pt.fields[1], QRect(117, 40, 80, 20));
  EXPECT_EQ(pt.fields[2], QRect(198, 40, 80, 20));
  EXPECT_EQ(pt.captions[1].rect, QRect(279, 40, 20, 20));
  EXPECT_EQ(pt.captions[1].text, QStringLiteral(" )"));

  // Circle: "k :  M ( " is 45 px, the y field S(4) further.
  RowLayout ci = circleRowLayout(at(100), QStringLiteral("k"), 16, 40);
  EXPECT_EQ(ci.fields[0], QRect(61, 40, 100, 20));
  EXPECT_EQ(ci.fields[1], QRect(165, 40, 100, 20));
  EXPECT_EQ(ci.captions[1].rect, QRect(265, 40, 50, 20));  // " )    r = "
  EXPECT_EQ(ci.fields[2], QRect(315, 40, 100, 20));

  // Line: "g: " 15 px, " · x + " 35 px.
  RowLayout li = lineRowLayout(at(100), QStringLiteral("g: "), 16, 40);
  EXPECT_EQ(li.fields[0].left(), 31);
  EXPECT_EQ(li.captions[1].rect, QRect(131, 40, 35, 20));
  EXPECT_EQ(li.fields[1].left(), 166);
  EXPECT_EQ(li.fields[2].left(), 301);

  // Plane: fields 80 wide, each caption right before its field.
  RowLayout pl = planeRowLayout(at(100), QStringLiteral("E: "), 16, 40);
  EXPECT_EQ(pl.fields[0], QRect(31, 40, 80, 20));
  EXPECT_EQ(pl.captions[1].rect.left(), 111);
  EXPECT_EQ(pl.fields[1].left(), 111 + 30);  // " ·x + " is 6 characters
}

TEST_F(KitInputRows, VectorFormsStackThreeRows) {
  // x = p + t · u: "g : x = " 40 px, " + t · " 35 px.
  RowLayout r = paramLineLayout(at(100), QStringLiteral("g"), QStringLiteral("t"), 16, 40);
  EXPECT_EQ(r.captions[0].rect, QRect(16, 40, 40, 20));  // arrow over the x
  EXPECT_EQ(r.captions[1].rect, QRect(16, 60, 40, 20));
  const QRect p0 = r.fields[0], p1 = r.fields[1], p2 = r.fields[2];
  EXPECT_EQ(p0, QRect(56, 40, 100, 20));
  EXPECT_EQ(p1, QRect(56, 60, 100, 20));
  EXPECT_EQ(p2, QRect(56, 80, 100, 20));
  EXPECT_EQ(r.captions[2].rect, QRect(156, 60, 35, 20));
  EXPECT_EQ(r.fields[3], QRect(191, 40, 100, 20));
  EXPECT_EQ(r.fields[4], QRect(191, 60, 100, 20));
  EXPECT_EQ(r.fields[5], QRect(191, 80, 100, 20));

  RowLayout v = planeVectorLayout(at(100), QStringLiteral("E"), QStringLiteral("r"), QStringLiteral("s"), 16, 40);
  EXPECT_EQ(v.captions[1].rect, QRect(16, 64, 40, 20));  // labels sit S(4) lower
  EXPECT_EQ(v.captions[0].rect.width(), 40);             // the arrow takes the name's width
  for (int col = 0; col < 3; ++col)
    for (int row = 0; row < 3; ++row) EXPECT_EQ(v.fields[col * 3 + row].top(), 40 + 20 * row);
  EXPECT_EQ(v.fields[0].left(), 56);
  EXPECT_EQ(v.fields[3].left(), 156 + 35);
  EXPECT_EQ(v.fields[6].left(), 291 + 35);
}

TEST_F(KitInputRows, MathematicalRowsStayLeftToRightInRightToLeftWindows) {
  QWidget page;
  page.setLayoutDirection(Qt::RightToLeft);
  QLabel open(&page), close(&page);
  QLineEdit x(&page), y(&page), z(&page);
  PlacePointInput(&open, &close, &x, &y, &z, five, QStringLiteral("P"), 16, 40);
  for (QWidget* w : std::initializer_list<QWidget*>{&open, &close, &x, &y, &z})
    EXPECT_EQ(w->layoutDirection(), Qt::LeftToRight);
  EXPECT_LT(x.x(), y.x());
  EXPECT_LT(y.x(), z.x());
  // Other captions follow the window.
  QLabel other(&page);
  SetupPanel(&other, 0, 0, 50, 20, QStringLiteral("Text"), fonts().TextFont);
  EXPECT_EQ(other.layoutDirection(), Qt::RightToLeft);
}

// Mirrored, a caption stands right of its field, rows start at the right
// edge, a mathematical row moves as a block in its own order, and a plain
// container is mirrored inside. Unmirroring restores the placed geometry,
// also after the area changed its width.
TEST_F(KitInputRows, RightToLeftAreasMirrorTheirRows) {
  QWidget area;
  area.resize(500, 300);
  area.setLayoutDirection(Qt::RightToLeft);
  QLabel caption(&area), open(&area), close(&area);
  QLineEdit edit(&area), x(&area), y(&area), z(&area);
  auto* group = new QWidget(&area);
  auto* inner = new QLabel(group);
  auto placeAll = [&] {
    PlaceLabelEditSized(&caption, &edit, 16, 40, 60, 100, QStringLiteral("a = "));
    PlacePointInput(&open, &close, &x, &y, &z, five, QStringLiteral("P"), 16, 80);
    group->setGeometry(16, 120, 200, 40);
    inner->setGeometry(10, 0, 50, 20);
  };
  placeAll();
  RowContext wide = at(100);
  wide.numberWidth = NumberEditWidth();
  const RowLayout point = pointRowLayout(wide, QStringLiteral("P"), 16, 80);
  const QRect ltrPoint = point.captions[0].rect | point.captions[1].rect;  // "P ( " to " )"
  MirrorChildren(&area);
  EXPECT_EQ(caption.geometry(), QRect(500 - 16 - 60, 40, 60, 20));
  EXPECT_EQ(edit.geometry(), QRect(500 - 76 - 100, 40, 100, 20));
  EXPECT_GT(caption.x(), edit.x() + edit.width() - 1);  // the label lies right of its edit
  const int shift = 500 - ltrPoint.left() - (ltrPoint.left() + ltrPoint.width());
  EXPECT_EQ(x.geometry(), point.fields[0].translated(shift, 0));
  EXPECT_LT(x.x(), y.x());
  EXPECT_LT(y.x(), z.x());
  EXPECT_EQ(close.geometry().right(), 500 - 16 - 1);  // the row ends at the right margin
  EXPECT_EQ(group->geometry(), QRect(500 - 216, 120, 200, 40));
  EXPECT_EQ(inner->geometry(), QRect(200 - 60, 0, 50, 20));

  // The next layout starts from the placed geometry: unmirrored at the old
  // width, placed again, mirrored at the new width.
  area.resize(600, 300);
  UnmirrorChildren(&area);
  EXPECT_EQ(caption.geometry(), QRect(16, 40, 60, 20));
  EXPECT_EQ(x.geometry(), point.fields[0]);
  EXPECT_EQ(inner->geometry(), QRect(10, 0, 50, 20));
  MirrorChildren(&area);
  EXPECT_EQ(caption.geometry(), QRect(600 - 16 - 60, 40, 60, 20));
  EXPECT_EQ(close.geometry().right(), 600 - 16 - 1);

  // A left-to-right area is left alone.
  UnmirrorChildren(&area);
  area.setLayoutDirection(Qt::LeftToRight);
  MirrorChildren(&area);
  EXPECT_EQ(caption.geometry(), QRect(16, 40, 60, 20));
  UnmirrorChildren(&area);
  EXPECT_EQ(caption.geometry(), QRect(16, 40, 60, 20));
}

// A number field shows the widest number of every kind letter whole, at
// every zoom: its text, the caret and the edit's own margins fit inside.
TEST_F(KitInputRows, NumberFieldsShowTheWidestAcceptedNumber) {
  for (int zoom : {75, 100, 150}) {
    applyZoom(zoom);
    QLineEdit edit;
    applySharedFont(&edit, fonts().TextFont);
    edit.resize(NumberEditWidth(), metrics().RowHeight);
    const int frame = edit.style()->pixelMetric(QStyle::PM_DefaultFrameWidth, nullptr, &edit);
    const int room = edit.width() - 2 * frame - 2 * 2 - 1;  // 2 px each side, then the caret
    for (char16_t kind : {u'e', u'f', u'n', u'N', u'Z', u'p', u'r', u'B', u'M'}) {
      const QString widest = QString::fromStdU16String(LongestAcceptedNumber(kind, u','));
      EXPECT_LE(QFontMetrics(edit.font()).horizontalAdvance(widest), room)
          << "zoom " << zoom << " kind " << char(kind);
    }
    EXPECT_GE(NumberEditWidth(), metrics().EditWidth);
  }
}

// Rows of different captions align their fields at a common caption width;
// a row without radius ends with its parenthesis beside the y field.
TEST_F(KitInputRows, PointRowsWithAndWithoutRadius) {
  RowContext c = at(100);
  const RowLayout k = pointRadiusLabelsLayout(c, QStringLiteral(" k :  M( "), 60, true, 16, 40);
  const RowLayout b = pointRadiusLabelsLayout(c, QStringLiteral("B( "), 60, false, 16, 64);
  ASSERT_EQ(k.fields.size(), 3u);
  ASSERT_EQ(b.fields.size(), 2u);
  EXPECT_EQ(k.fields[0].x(), b.fields[0].x());
  EXPECT_EQ(k.fields[1].x(), b.fields[1].x());
  EXPECT_EQ(b.captions[1].text, QStringLiteral(" )"));
  EXPECT_EQ(b.captions[1].rect.left(), b.fields[1].right() + 1);
  EXPECT_EQ(b.captions[1].rect.width(), 10);  // its own text, 2 characters
  EXPECT_EQ(k.captions[1].text, QStringLiteral(" )    r = "));
  EXPECT_EQ(k.fields[2].left(), k.captions[1].rect.right() + 1);
  // The running program's rows give every field the widest number's width.
  c.numberWidth = 150;
  EXPECT_EQ(pointRadiusLabelsLayout(c, QStringLiteral("B( "), 0, false, 16, 64).fields[1].width(), 150);
}

TEST_F(KitInputRows, PanelsAndLabels) {
  QWidget page;
  page.resize(400, 300);
  QLabel panel(&page);
  SetupPanel(&panel, 1, 2, 30, 20, QStringLiteral("first"), fonts().TextFont);
  SetupPanel(&panel, 1, 2, 30, 20, QString(), fonts().BoldFont);
  EXPECT_EQ(panel.text(), QStringLiteral("first"));  // an empty caption keeps the old one
  EXPECT_TRUE(panel.font().bold());

  QWidget textPanel(&page);
  auto* text = new QLabel(&textPanel);
  SetupTextPanelTop(text, &textPanel, fonts().TextFont.font, QStringLiteral("Explanation"), 2);
  const int h = QFontMetrics(fonts().TextFont.font).height() * 2;
  EXPECT_EQ(textPanel.geometry(), QRect(0, 0, 400, h));
  EXPECT_EQ(text->geometry(), QRect(16, 0, 400 - 32, h));  // ColLeft[1] on both sides
  EXPECT_TRUE(text->wordWrap());
  EXPECT_EQ(text->palette().color(QPalette::WindowText), fonts().LabelFont.color);

  QLabel sized(&page);
  PlaceLabel(&sized, 5, 6, 0, 20, QStringLiteral("width"), fonts().BoldFont);
  EXPECT_EQ(sized.width(), FontTextMeasurer(fonts().BoldFont.font).width(QStringLiteral("width")));

  QLabel spinPanel(&page);
  QLineEdit spin(&page), updown(&page);
  PlaceSpinInput(&spinPanel, &spin, &updown, 10, 10, 20, QStringLiteral("n"));
  const int w = FontTextMeasurer(fonts().TextFont.font).width(QStringLiteral("n")) + 8;
  EXPECT_EQ(spinPanel.geometry(), QRect(10, 10, w, 20));
  EXPECT_EQ(spin.geometry(), QRect(10 + w, 10, 20, 20));
  EXPECT_EQ(updown.geometry(), QRect(30 + w, 10, 20, 20));
}

}  // namespace
}  // namespace zw
