// Zoom-derived layout metrics and the heights of the shared fonts.
#include <QFontInfo>
#include <QFontMetrics>
#include <gtest/gtest.h>

#include "shell/Fonts.h"
#include "shell/Metrics.h"
#include "shell/State.h"
#include "tests/shell/kit_test_support.h"

namespace zw {
namespace {

class MetricsTest : public test::KitTest {};

TEST_F(MetricsTest, ScalePixelsTruncatesTowardZero) {
  struct Case { int v, zoom, expected; } cases[] = {
      {88, 100, 88}, {88, 120, 105}, {88, 75, 66}, {-88, 75, -66}, {1, 150, 1}, {0, 150, 0},
      // The product must not overflow 32 bits.
      {30'000'000, 150, 45'000'000},
  };
  for (const Case& c : cases) EXPECT_EQ(ScalePixelsAt(c.v, c.zoom), c.expected) << c.v << " at " << c.zoom;
  shellState().Zoom = 120;
  EXPECT_EQ(ScalePixels(88), 105);
}

TEST_F(MetricsTest, MetricsAtZoom100And150) {
  const LayoutMetrics a = computeMetrics(100);
  EXPECT_EQ(a.RowHeight, 20);
  EXPECT_EQ(a.EditWidth, 100);
  EXPECT_EQ(a.WideEditWidth, 136);
  EXPECT_EQ(a.NarrowColWidth, 80);
  EXPECT_EQ(a.GridColWidth, 100);
  EXPECT_EQ(a.GridFirstColWidth, 24);
  const int rowTops[] = {0, 16, 40, 64, 88, 112, 136, 160, 184, 208, 208};
  for (int i = 1; i <= 10; ++i) EXPECT_EQ(a.RowTop[i], rowTops[i]) << i;
  const int colLefts[] = {0, 16, 76, 136, 196, 256, 316, 376};
  for (int i = 1; i <= 7; ++i) EXPECT_EQ(a.ColLeft[i], colLefts[i]) << i;
  EXPECT_EQ(a.HalfRowStep, 12);
  EXPECT_EQ(a.QuarterRowStep, 6);

  const LayoutMetrics b = computeMetrics(150);
  EXPECT_EQ(b.RowHeight, 30);
  EXPECT_EQ(b.RowTop[2], 60);
  EXPECT_EQ(b.ColLeft[7], 564);
  EXPECT_EQ(b.HalfRowStep, 18);
  EXPECT_EQ(b.QuarterRowStep, 9);

  // Each measure is scaled on its own, not derived from a scaled one.
  const LayoutMetrics c = computeMetrics(75);
  EXPECT_EQ(c.RowTop[2], 30);  // 40 * 75 / 100, not 16*0.75 + 24*0.75 rounded twice
  EXPECT_EQ(c.HalfRowStep, (c.RowTop[2] - c.RowTop[1]) / 2);
}

TEST_F(MetricsTest, FontCellHeightsFollowTheRowHeight) {
  struct Case { SharedFontId id; int at100; int at150; } cases[] = {
      {SharedFontId::TextFont, 16, 24},   {SharedFontId::LabelFont, 16, 24},
      {SharedFontId::SymbolFont, 16, 24}, {SharedFontId::GreenFont, 16, 24},
      {SharedFontId::TextFont2, 16, 24},  {SharedFontId::FixedFont, 14, 21},
      {SharedFontId::BoldFont, 15, 23},   {SharedFontId::ItalicFont, 17, 26},
      {SharedFontId::SmallItalicFont, 10, 15},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(fontCellHeight(c.id, computeMetrics(100), 100), c.at100) << int(c.id);
    EXPECT_EQ(fontCellHeight(c.id, computeMetrics(150), 150), c.at150) << int(c.id);
  }
}

TEST_F(MetricsTest, PixelSizeIsTheLargestThatFitsTheCell) {
  QFont f;
  f.setFamilies(fontFamiliesFor(QStringLiteral("Arial")));
  for (int target : {10, 14, 16, 24, 40}) {
    const int px = pixelSizeForCellHeight(f, target);
    QFont probe(f);
    probe.setPixelSize(px);
    EXPECT_LE(QFontMetrics(probe).height(), target) << target;
    probe.setPixelSize(px + 1);
    EXPECT_GT(QFontMetrics(probe).height(), target) << target;
  }
  // A target below any real font still gives a usable size.
  EXPECT_EQ(pixelSizeForCellHeight(f, 0), 1);
}

TEST_F(MetricsTest, ApplyZoomRecomputesMetricsAndFontHeights) {
  applyZoom(150);
  EXPECT_EQ(shellState().Zoom, 150);
  EXPECT_EQ(metrics().RowHeight, 30);
  EXPECT_EQ(metrics().ColLeft[7], 564);
  const int textAt150 = QFontMetrics(fonts().TextFont.font).height();
  EXPECT_LE(textAt150, 24);

  applyZoom(100);
  EXPECT_EQ(metrics().RowHeight, 20);
  for (int i = 0; i < SharedFontCount; ++i) {
    const auto id = SharedFontId(i);
    EXPECT_LE(QFontMetrics(fonts()[id].font).height(), fontCellHeight(id, metrics(), 100)) << i;
  }
  EXPECT_LT(QFontMetrics(fonts().TextFont.font).height(), textAt150);
  EXPECT_EQ(TileCaptionPointSize(), 17);
}

TEST_F(MetricsTest, FontsHaveTheirFamiliesColoursAndStyles) {
  applyZoom(100);
  const SharedFonts& f = fonts();
  EXPECT_EQ(QFontInfo(f.TextFont.font).family(), QStringLiteral("Liberation Sans"));
  EXPECT_EQ(QFontInfo(f.FixedFont.font).family(), QStringLiteral("Liberation Mono"));
  EXPECT_EQ(QFontInfo(f.SymbolFont.font).family(), QStringLiteral("DejaVu Sans"));
  EXPECT_EQ(f.LabelFont.color, QColor(0, 0, 0x80));  // navy
  EXPECT_EQ(f.GreenFont.color, QColor(0, 0x80, 0));
  EXPECT_EQ(f.TextFont.color, QColor(Qt::black));
  EXPECT_TRUE(f.BoldFont.font.bold());
  EXPECT_TRUE(f.ItalicFont.font.italic());
  EXPECT_TRUE(f.SmallItalicFont.font.italic());
  EXPECT_FALSE(f.TextFont2.font.bold() || f.TextFont2.font.italic());
}

TEST_F(MetricsTest, FontNamesMapToInstalledFamilies) {
  struct Case { const char* name; const char* family; } cases[] = {
      {"Arial", "Liberation Sans"}, {"arial", "Liberation Sans"}, {"Lucida Console", "Liberation Mono"},
      {"Symbol", "DejaVu Sans"},    {"Times New Roman", "DejaVu Sans"}, {"", "DejaVu Sans"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(mapFontFamily(QString::fromLatin1(c.name)), QString::fromLatin1(c.family)) << c.name;
}

}  // namespace
}  // namespace zw
