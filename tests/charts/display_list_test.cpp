// The display list: storage, edits, classes, rescaling and the queries.
#include <gtest/gtest.h>

#include <cmath>

#include "charts/DisplayList.h"

namespace zw {
namespace {

TrcChartItem item(TrcItem kind, double x, double y, double x2 = 0, double y2 = 0, int layer = 1, int cls = 0) {
  TrcChartItem it;
  it.ItemKind = kind;
  it.x = x, it.y = y, it.x2 = x2, it.y2 = y2;
  it.Layer = layer;
  it.ItemClass = std::uint8_t(cls);
  return it;
}

TEST(DisplayList, NewListAndGrowth) {
  TDisplayList l;
  EXPECT_EQ(l.NumItems(), 0);
  EXPECT_EQ(l.TypeOfFirstItem(), TrcItem::tkNone);
  EXPECT_EQ(l.TypeOfLastItem(), TrcItem::tkNone);
  l.setAllocSize(3);
  for (int i = 0; i < 3; ++i) l.Add(item(TrcItem::tkLine, i, 0));
  EXPECT_EQ(l.NumAllocated(), 3);
  l.Add(item(TrcItem::tkMoveTo, 9, 9));
  EXPECT_EQ(l.NumAllocated(), 6);
  EXPECT_EQ(l.TypeOfLastItem(), TrcItem::tkMoveTo);
  l.setAllocSize(0);
  l.setAllocSize(2000000);
  EXPECT_EQ(l.AllocSize(), 3);
}

TEST(DisplayList, RemovingKeepsOrder) {
  TDisplayList l;
  for (int i = 0; i < 5; ++i) l.Add(item(TrcItem::tkLine, i, 0, 0, 0, 1, i % 2));
  l.RemoveItem(-1);
  l.RemoveItem(5);
  EXPECT_EQ(l.NumItems(), 5);
  l.RemoveItem(1);
  EXPECT_EQ(l[1].x, 2);
  EXPECT_EQ(l.RemoveItemsByClass(7), 0);
  EXPECT_EQ(l.RemoveItemsByClass(0), 3);  // items 0, 2, 4
  ASSERT_EQ(l.NumItems(), 1);
  EXPECT_EQ(l[0].x, 3);
  l.RemoveLastItem();
  EXPECT_EQ(l.NumItems(), 0);
  EXPECT_EQ(l.NumAllocated(), 0);
  l.Add(item(TrcItem::tkLine, 0, 0));
  EXPECT_EQ(l.NumAllocated(), 1000);
}

TEST(DisplayList, BadIndexesAndSelectors) {
  TDisplayList l;
  l.Add(item(TrcItem::tkLine, 1, 1));
  EXPECT_EQ(l.GetItemParams(7).ItemKind, TrcItem::tkNone);
  EXPECT_EQ(l.GetItemParams(-1).ItemKind, TrcItem::tkNone);
  EXPECT_FALSE(l.SetItemParams(0, item(TrcItem::tkEverything, 5, 5)));
  EXPECT_FALSE(l.SetItemParams(3, item(TrcItem::tkLine, 5, 5)));
  EXPECT_TRUE(l.SetItemParams(0, item(TrcItem::tkMarkAt, 5, 5)));
  EXPECT_EQ(l[0].ItemKind, TrcItem::tkMarkAt);
  l.ScaleItem(9, 2, 0, 2, 0);  // ignored
  EXPECT_EQ(l[0].x, 5);
}

TEST(DisplayList, MarkingByKindAndWindow) {
  TDisplayList l;
  l.Add(item(TrcItem::tkMoveTo, 1, 1));
  l.Add(item(TrcItem::tkLineto, 5, 5));
  l.Add(item(TrcItem::tkLine, 3, 0.5));
  l.Add(item(TrcItem::tkMarkAt, 1, 5));
  l.MarkAllItems(TrcItem::tkNotMoveTo, 2);
  EXPECT_EQ(l[0].ItemClass, 0);
  EXPECT_EQ(l[1].ItemClass, 2);
  l.MarkAllItems(TrcItem::tkEverything, 255);  // no change
  EXPECT_EQ(l[0].ItemClass, 0);
  // Corners in any order; borders included.
  EXPECT_EQ(l.MarkItemsInWindow(5, 5, 1, 1, TrcItem::tkEverything, 3), 3);
  EXPECT_EQ(l[2].ItemClass, 2);
  EXPECT_EQ(l.MarkItemsInWindow(5, 5, 1, 1, TrcItem::tkEverything, 255), 0);
  l.NewColorOfClassItems(0x123456, 3);
  EXPECT_EQ(l[0].Color, 0x123456u);
  EXPECT_EQ(l[2].Color, 0u);
}

TEST(DisplayList, RescalingKeepsLengthsAndPixelOffsets) {
  TDisplayList l;
  l.Add(item(TrcItem::tkEllipse, 1, 0, 1, 1));
  l.Add(item(TrcItem::tkLine, 1, 1, 2, 2));
  l.Add(item(TrcItem::tkMoveRelPix, 5, 5));
  l.Add(item(TrcItem::tkTextOfs, 1, 1, 4, 4));
  l.ScaleAllItems(2, 1, 1, 0);
  EXPECT_EQ(l[0].x, 3);
  EXPECT_EQ(l[0].x2, 2);
  EXPECT_EQ(l[0].y2, 1);
  EXPECT_EQ(l[1].x2, 5);
  EXPECT_EQ(l[2].x, 5);
  EXPECT_EQ(l[3].x, 3);
  EXPECT_EQ(l[3].x2, 4);
  l.ScaleAllItems(-1, 0, 1, 0);
  EXPECT_EQ(l[0].x2, 2);  // a half-axis stays positive
}

TEST(DisplayList, QueriesOverTheItems) {
  TDisplayList l;
  double d;
  EXPECT_EQ(l.FindNearestItemReal(0, 0, TrcItem::tkEverything, 255, d), -1);
  EXPECT_NEAR(d, std::sqrt(1.7e308), 1e145);
  l.Add(item(TrcItem::tkLine, 1, 0, 4, 4, 1));
  l.Add(item(TrcItem::tkMarkAt, -1, 0, 0, 0, 1));
  l.Add(item(TrcItem::tkMarkAt, 2, 2, 0, 0, 3));
  EXPECT_EQ(l.FindNearestItemReal(0, 0, TrcItem::tkEverything, 255, d), 0);  // tie: the earlier
  EXPECT_EQ(l.FindNearestItemReal(0, 0, TrcItem::tkMarkAt, 255, d), 1);
  EXPECT_EQ(l.FindNearestItemReal(0, 0, TrcItem::tkNone, 255, d), -1);
  EXPECT_EQ(l.FindUsedLayers(), (1u << 1) | (1u << 3));
  double minX, minY, maxX, maxY;
  l.FindMinMax(1, -1, -1, 4, 5, minX, minY, maxX, maxY);  // -1 and 4 lie on the border
  EXPECT_EQ(minX, 1);
  EXPECT_EQ(maxX, 1);
  EXPECT_EQ(maxY, 0);
}

TEST(DisplayList, ExtentRule) {
  struct Case { std::vector<std::pair<double, double>> pts; double margin, minRange; bool logX; double lo, hi; };
  const Case cases[] = {
      {{}, 10, 0, false, -1, 1},
      {{{2, 3}}, 10, 0, false, 1, 3},
      {{{10, 0}, {20, 0}}, 0, 100, false, -5, 35},
      // The minimum span uses the magnitude of a negative midpoint too.
      {{{-20, 0}, {-10, 0}}, 0, 100, false, -35, 5},
      // Non-positive points do not count on a logarithmic axis.
      {{{-3, 1}, {1, 1}, {100, 1}}, 0, 0, true, 1, 100},
      {{{1, 1}, {100, 1}}, 50, 0, true, 0.1, 1000},
  };
  for (const Case& c : cases) {
    TDisplayList l;
    for (auto [x, y] : c.pts) l.Add(item(TrcItem::tkMarkAt, x, y));
    double xLo, yLo, xHi, yHi;
    l.LayerDataExtent(1, c.margin, c.minRange, c.logX, false, xLo, yLo, xHi, yHi);
    EXPECT_NEAR(xLo, c.lo, 1e-9);
    EXPECT_NEAR(xHi, c.hi, 1e-9);
  }
  TDisplayList l;
  l.Add(item(TrcItem::tkMarkAt, 2, 3));
  double xLo, yLo, xHi, yHi;
  l.LayerDataExtent(1, 10, 0, false, false, xLo, yLo, xHi, yHi);
  EXPECT_EQ(yLo, 2);
  EXPECT_EQ(yHi, 4);
}

TEST(DisplayList, TextsInTheCodePage) {
  TrcChartItem it;
  it.setText(QStringLiteral("Größe €uro ∑ twenty chars"), 15);
  EXPECT_EQ(it.TextLen, 15);
  EXPECT_EQ(it.text(), QStringLiteral("Größe €uro ? tw"));
  EXPECT_EQ(static_cast<unsigned char>(it.Text[6]), 0x80);
}

}  // namespace
}  // namespace zw
