// Default window sizes, the button bar, the chart page and the tab captions.
#include <QGroupBox>
#include <QImage>
#include <QPainter>
#include <QPushButton>
#include <gtest/gtest.h>

#include "charts/NumLab.h"
#include "shell/Fonts.h"
#include "shell/Metrics.h"
#include "shell/State.h"
#include "shell/kit/PageLayout.h"
#include "tests/shell/kit_test_support.h"

namespace zw {
namespace {

class KitPageLayout : public test::KitTest {};

TEST_F(KitPageLayout, DefaultFormSizeBySizeClassAndZoom) {
  // Two pages of each size class (and pages outside the topic range).
  struct Case { TTextIndex page; int w, h; } cases[] = {
      {IHuge, 520, 260},   {IMeldung, 520, 260}, {IVorlage, 520, 260}, {IAbstEE, 520, 260},
      {IggT, 600, 340},    {IPseudo, 600, 340},  {IStat, 640, 400},    {INormVer, 640, 400},
      {IBigInt, 720, 440}, {IRatFkt, 720, 440},  {IAbb, 720, 480},     {IVerhulst, 720, 480},
      {IPlot3d, 600, 520}, {ILinOpt, 600, 520},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(DefaultFormSizeAt(c.page, 100), QSize(c.w, c.h)) << int(c.page);
    EXPECT_EQ(DefaultFormSizeAt(c.page, 120), QSize(c.w * 120 / 100, c.h * 120 / 100)) << int(c.page);
  }
  EXPECT_EQ(DefaultFormSizeAt(IggT, 120), QSize(720, 408));
  EXPECT_EQ(DefaultFormSizeAt(IPseudo, 75), QSize(450, 255));
  // The page number counts modulo 128.
  EXPECT_EQ(DefaultFormBaseSize(TTextIndex(128 + IggT)), QSize(600, 340));
  shellState().Zoom = 120;
  QSize s;
  DefaultFormSize(IggT, s);
  EXPECT_EQ(s, QSize(720, 408));
}

TEST_F(KitPageLayout, ButtonBarGeometry) {
  // Each button S(4) below the previous one, every measure scaled on its own:
  // at 110 % the help button's top is 13 + 22 + 4 + 22 + 4 = 65, not S(60) = 66.
  struct Case { int zoom, legend; QRect ok, cancel, help; } cases[] = {
      {75, 66, QRect(3, 9, 60, 15), QRect(3, 27, 60, 15), QRect(3, 45, 60, 15)},
      {100, 88, QRect(4, 12, 80, 20), QRect(4, 36, 80, 20), QRect(4, 60, 80, 20)},
      {110, 96, QRect(4, 13, 88, 22), QRect(4, 39, 88, 22), QRect(4, 65, 88, 22)},
      {150, 132, QRect(6, 18, 120, 30), QRect(6, 54, 120, 30), QRect(6, 90, 120, 30)},
  };
  for (const Case& c : cases) {
    const ButtonBarRects r = buttonBarRects(c.zoom);
    EXPECT_EQ(r.legendWidth, c.legend) << c.zoom;
    EXPECT_EQ(r.ok, c.ok) << c.zoom;
    EXPECT_EQ(r.cancel, c.cancel) << c.zoom;
    EXPECT_EQ(r.help, c.help) << c.zoom;
  }
  EXPECT_EQ(pageRects(QSize(600, 300), 100).content, QRect(0, 0, 512, 300));
  EXPECT_EQ(pageRects(QSize(600, 300), 100).legend, QRect(512, 0, 88, 300));
}

TEST_F(KitPageLayout, ChartToolButtonsCentredButNeverAboveHelp) {
  const QRect help(4, 60, 80, 20);
  // Tall legend box: centred, yc = 150 - 36 = 114.
  auto tall = chartToolButtonRects(QSize(88, 300), QSize(24, 24), help);
  EXPECT_EQ(tall[0], QRect(32, 114, 24, 24));
  EXPECT_EQ(tall[1], QRect(32, 140, 24, 24));
  EXPECT_EQ(tall[2], QRect(32, 166, 24, 24));
  // Short legend box: directly below the help button (82), not above it.
  auto shortBox = chartToolButtonRects(QSize(88, 100), QSize(24, 24), help);
  EXPECT_EQ(shortBox[0].top(), 82);
  EXPECT_EQ(shortBox[2].top(), 82 + 2 * 26);
}

struct Page {
  QWidget page;
  QGroupBox* box = new QGroupBox(QStringLiteral("design caption"), &page);
  QGroupBox* legend = new QGroupBox(QStringLiteral("legend"), &page);
  QPushButton* ok = new QPushButton(legend);
  QPushButton* cancel = new QPushButton(legend);
  QPushButton* help = new QPushButton(legend);
  Page() { page.resize(600, 300); }
};

TEST_F(KitPageLayout, InputPagePlacesBoxesAndButtons) {
  Page p;
  p.ok->setAutoDefault(true);
  LayoutInputPage(p.page.width(), p.box, p.legend, p.ok, p.cancel, p.help);
  EXPECT_EQ(p.box->geometry(), QRect(0, 0, 512, 300));
  EXPECT_EQ(p.legend->geometry(), QRect(512, 0, 88, 300));
  EXPECT_TRUE(p.box->title().isEmpty());
  EXPECT_TRUE(p.legend->title().isEmpty());
  EXPECT_EQ(p.ok->geometry(), QRect(4, 12, 80, 20));
  EXPECT_EQ(p.cancel->geometry(), QRect(4, 36, 80, 20));
  EXPECT_EQ(p.help->geometry(), QRect(4, 60, 80, 20));
  EXPECT_EQ(p.ok->text(), QStringLiteral("OK"));
  EXPECT_EQ(p.cancel->text(), GetText(IQuit, 3));
  EXPECT_EQ(p.help->text(), GetText(IHelp, 0));
  EXPECT_FALSE(p.ok->autoDefault());  // Enter does not press OK
  EXPECT_TRUE(p.ok->font().bold());
  EXPECT_FALSE(p.box->font().bold());

  // The page follows a resize and the zoom at the next relayout.
  p.page.resize(700, 400);
  applyZoom(150);
  LayoutInputPage(p.page.width(), p.box, p.legend, p.ok, p.cancel, p.help);
  EXPECT_EQ(p.box->geometry(), QRect(0, 0, 568, 400));
  EXPECT_EQ(p.legend->geometry(), QRect(568, 0, 132, 400));
  EXPECT_EQ(p.help->geometry(), QRect(6, 90, 120, 30));
}

// From right to left the button bar stands on the left and the content beside it.
TEST_F(KitPageLayout, RightToLeftPagesHaveTheButtonBarOnTheLeft) {
  EXPECT_EQ(pageRects(QSize(600, 300), 100, Qt::RightToLeft).content, QRect(88, 0, 512, 300));
  EXPECT_EQ(pageRects(QSize(600, 300), 100, Qt::RightToLeft).legend, QRect(0, 0, 88, 300));
  Page p;
  p.page.setLayoutDirection(Qt::RightToLeft);
  LayoutInputPage(p.page.width(), p.box, p.legend, p.ok, p.cancel, p.help);
  EXPECT_EQ(p.box->geometry(), QRect(88, 0, 512, 300));
  EXPECT_EQ(p.legend->geometry(), QRect(0, 0, 88, 300));
  EXPECT_EQ(p.ok->geometry(), QRect(4, 12, 80, 20));  // centred in its box either way
}

TEST_F(KitPageLayout, ChartPageToolButtonsHintsAndReadouts) {
  Page p;
  auto* aspect = new QPushButton(p.legend);
  auto* centre = new QPushButton(p.legend);
  auto* settings = new QPushButton(p.legend);
  for (QPushButton* b : {aspect, centre, settings}) b->resize(24, 24);
  auto* x = new TNumLab(p.box);
  auto* y = new TNumLab(p.box);
  LayoutChartPage(p.page.width(), p.box, p.legend, p.ok, p.cancel, p.help, aspect, centre, settings, x, y);
  EXPECT_EQ(aspect->geometry(), QRect(32, 114, 24, 24));
  EXPECT_EQ(centre->geometry(), QRect(32, 140, 24, 24));
  EXPECT_EQ(settings->geometry(), QRect(32, 166, 24, 24));
  EXPECT_EQ(aspect->toolTip(), GetText(IRange, 4) + QStringLiteral("  1 : 1"));
  EXPECT_EQ(settings->toolTip(), GetText(IRange, 5));
  EXPECT_EQ(centre->toolTip(), GetText(IRange, 6));
  // Read-outs at the bottom of the chart box, x lowest; unscaled measures.
  EXPECT_EQ(x->geometry(), QRect(0, 272, 512, 28));
  EXPECT_EQ(y->geometry(), QRect(0, 244, 512, 28));
  EXPECT_EQ(x->LeftText(), QStringLiteral("x="));
  EXPECT_EQ(y->LeftText(), QStringLiteral("y="));
  EXPECT_EQ(x->LabelWidth(), 100);
  EXPECT_EQ(x->LeftSpace(), 20);
  EXPECT_EQ(x->FrameStyle(), TFrameStyle::fsNone);
  EXPECT_TRUE(x->Transparent());
  EXPECT_EQ(x->font().pointSize(), 10);
}

// Bounding box of the non-white pixels of an image.
QRect inkOf(const QImage& img) {
  QRect r;
  for (int yy = 0; yy < img.height(); ++yy)
    for (int xx = 0; xx < img.width(); ++xx)
      if (img.pixelColor(xx, yy) != QColor(Qt::white)) r = r.united(QRect(xx, yy, 1, 1));
  return r;
}

TEST_F(KitPageLayout, TabCaptionsStartAtTheirOffsets) {
  for (int zoom : {100, 150}) {
    applyZoom(zoom);
    QImage img(300, 80, QImage::Format_RGB32);
    img.fill(Qt::white);
    const QRect tab(40, 10, 200, 50);
    {
      QPainter p(&img);
      DrawTabCaption(p, tab, QStringLiteral("Eingabe"));
    }
    const QRect ink = inkOf(img);
    ASSERT_FALSE(ink.isEmpty());
    // " " + caption: the ink starts one blank right of the offset.
    const int blank = QFontMetrics(fonts().BoldFont.font).horizontalAdvance(u' ');
    EXPECT_GE(ink.left(), tab.left() + ScalePixels(2) + blank - 1) << zoom;
    EXPECT_LE(ink.left(), tab.left() + ScalePixels(2) + blank + 3) << zoom;
    EXPECT_GE(ink.top(), tab.top() + ScalePixels(4)) << zoom;
    EXPECT_LE(ink.bottom(), tab.top() + ScalePixels(4) + QFontMetrics(fonts().BoldFont.font).height()) << zoom;
  }
}

TEST_F(KitPageLayout, CaptionTabBarSizesTabsToTheirCaptions) {
  for (auto style : {CaptionTabBar::CaptionStyle::Shell, CaptionTabBar::CaptionStyle::Topic}) {
    CaptionTabBar bar(style);
    bar.addTab(QStringLiteral("Eingabe"));
    bar.addTab(QStringLiteral("Ergebnisse und eine lange Beschriftung"));
    bar.resize(bar.sizeHint());
    QFont f = style == CaptionTabBar::CaptionStyle::Shell ? fonts().BoldFont.font : fonts().TextFont.font;
    f.setBold(true);
    const int needed = QFontMetrics(f).horizontalAdvance(bar.tabText(1));
    EXPECT_GT(bar.tabRect(1).width(), needed);
    QImage img(bar.size(), QImage::Format_RGB32);
    img.fill(Qt::white);
    bar.render(&img);
    EXPECT_FALSE(inkOf(img).isEmpty());
  }
}

}  // namespace
}  // namespace zw
