// The HTML label: runs on one baseline, the tag table, its errors, painting.
#include <QApplication>
#include <QFontMetrics>
#include <QImage>
#include <QPainter>
#include <QWidget>
#include <gtest/gtest.h>

#include "charts/HtmlLab.h"
#include "tests/common/RecordingPaintDevice.h"

namespace zw {
namespace {

using test::PaintCall;
using test::RecordingPaintDevice;

QFont baseFont() {
  QFont f(QStringLiteral("DejaVu Sans"));
  f.setPointSize(12);  // 16 pixels at 96 ppi
  return f;
}

// A text run as drawn: string, baseline start, font and colour.
struct Run {
  QString text;
  QPointF pos;
  QFont font;
  QColor color;
};

struct Rendered {
  std::vector<Run> runs;
  int endX = 0;
};

Rendered render(const QString& text, bool ignoreColors = false, bool suppress = false) {
  RecordingPaintDevice dev;
  Rendered r;
  {
    QPainter p(&dev);
    p.setFont(baseFont());
    p.setPen(Qt::black);
    r.endX = RenderHtmlText(p, text, 1, ignoreColors, suppress, 20);
  }
  for (const PaintCall& c : dev.callsOf(PaintCall::Text)) r.runs.push_back({c.text, c.points[0], c.font, c.pen});
  return r;
}

int advance(const QString& s, int pixelSize, bool bold = false) {
  QFont f(QStringLiteral("DejaVu Sans"));
  f.setPixelSize(pixelSize);
  f.setBold(bold);
  return QFontMetrics(f).horizontalAdvance(s);
}

TEST(HtmlLab, SubscriptAndSuperscriptRuns) {
  struct Case { QString text; int nBaseline; } cases[] = {
      {"x<sub>n</sub>", 20 + 7},  // 12 pt -> 9 pt, lowered by Round(0.8 * 9)
      {"x<sup>n</sup>", 20 - 7},
  };
  for (const Case& c : cases) {
    const Rendered r = render(c.text);
    ASSERT_EQ(r.runs.size(), 2u) << c.text.toStdString();
    EXPECT_EQ(r.runs[0].text, "x");
    EXPECT_EQ(r.runs[0].pos, QPointF(1, 20));
    EXPECT_EQ(r.runs[0].font.pixelSize(), 16);
    const int nX = 1 + advance("x", 16) + 2;
    EXPECT_EQ(r.runs[1].text, "n");
    EXPECT_EQ(r.runs[1].pos, QPointF(nX, c.nBaseline)) << c.text.toStdString();
    EXPECT_EQ(r.runs[1].font.pixelSize(), 12);
    EXPECT_EQ(r.endX, nX + advance("n", 12) + 2);
  }
  EXPECT_EQ(render("").endX, 1);
  // Nested: the size shrinks twice, the offsets add up.
  const Rendered nested = render("a<sub>b<sub>c</sub></sub>");
  ASSERT_EQ(nested.runs.size(), 3u);
  EXPECT_EQ(nested.runs[2].font.pixelSize(), 9);      // 9 pt -> Round(6.75) = 7 pt
  EXPECT_EQ(nested.runs[2].pos.y(), 20 + 7 + 6);     // + Round(0.8 * 7)
}

TEST(HtmlLab, StyleAndFontTags) {
  const Rendered r = render("<b>a</b><I>b</I><u>c</u><s>d</s>e<br>f</br>");
  ASSERT_EQ(r.runs.size(), 6u);
  EXPECT_TRUE(r.runs[0].font.bold());
  EXPECT_TRUE(r.runs[1].font.italic());
  EXPECT_TRUE(r.runs[2].font.underline());
  EXPECT_TRUE(r.runs[3].font.strikeOut());
  EXPECT_FALSE(r.runs[4].font.bold());
  EXPECT_EQ(r.runs[5].font.pixelSize(), 16);  // <br> is a level in the default style
  EXPECT_EQ(r.runs[1].pos.x(), 1 + advance("a", 16, true) + 2);

  struct Case { QString text; bool ignoreColors; QColor color; int pixelSize; QString family; } cases[] = {
      {"<font color=\"#0000EE\">a</font>", false, QColor(0, 0, 0xEE), 16, "DejaVu Sans"},
      {"<font color=#ff8000>a</font>", false, QColor(0xFF, 0x80, 0), 16, "DejaVu Sans"},
      {"<font COLOR = 255>a</font>", false, QColor(0xFF, 0, 0), 16, "DejaVu Sans"},  // 0xBBGGRR
      {"<font color=\"#0000EE\">a</font>", true, Qt::black, 16, "DejaVu Sans"},
      {"<font size=24 face=\"Liberation Serif\">a</font>", false, Qt::black, 32, "Liberation Serif"},
      // numbers from the caption are read saturating, sizes clamped to 1..500 pt
      {"<font size=99999999999999999999>a</font>", false, Qt::black, 667, "DejaVu Sans"},
      {"<font size=-3>a</font>", false, Qt::black, 1, "DejaVu Sans"},
      {"<font color=#FFFFFFFFFFFFFFFFFFFF>a</font>", false, Qt::white, 16, "DejaVu Sans"},
  };
  for (const Case& c : cases) {
    const Rendered f = render(c.text, c.ignoreColors);
    ASSERT_EQ(f.runs.size(), 1u) << c.text.toStdString();
    EXPECT_EQ(f.runs[0].color, c.color) << c.text.toStdString();
    EXPECT_EQ(f.runs[0].font.pixelSize(), c.pixelSize) << c.text.toStdString();
    EXPECT_EQ(f.runs[0].font.family(), c.family) << c.text.toStdString();
  }
}

TEST(HtmlLab, TagErrorsAndTheirSuppression) {
  const QString nine = QString("<b>").repeated(9);
  struct Case { QString text; const char* message; } cases[] = {
      {"</b>x", "invalid tag sequence: </b> follows <*default*>"},
      {"<b>x</i>", "invalid tag sequence: </i> follows <b>"},
      {"<sub>x</br>", "invalid tag sequence: </*default*> follows <sub>"},
      {nine + QString("<b>"), "HTML label rendering stack overflow"},
      {nine + QString("x"), "HTML label rendering stack overflow"},  // the end counts as a tag
      {nine, nullptr},
      {"<br>x</br>", nullptr},
      {"a > b <foo>c</foo>", nullptr},
  };
  for (const Case& c : cases) {
    if (c.message) {
      try {
        render(c.text);
        ADD_FAILURE() << "no error for " << c.text.toStdString();
      } catch (const EZwHtmlLabelError& e) {
        EXPECT_STREQ(e.what(), c.message);
      }
    } else {
      EXPECT_NO_THROW(render(c.text)) << c.text.toStdString();
    }
    EXPECT_NO_THROW(render(c.text, false, true)) << c.text.toStdString();
  }
  // Suppressed: a stray end tag keeps the depth at 1, the next tag opens level 2.
  const Rendered r = render("</b>x<b>y</b>z", false, true);
  ASSERT_EQ(r.runs.size(), 3u);
  EXPECT_FALSE(r.runs[0].font.bold());
  EXPECT_TRUE(r.runs[1].font.bold());
  EXPECT_FALSE(r.runs[2].font.bold());
  // Suppressed overflow: the ninth level is changed in place.
  const Rendered deep = render(QString("<sub>").repeated(9) + "<b>x", false, true);
  ASSERT_EQ(deep.runs.size(), 1u);
  EXPECT_TRUE(deep.runs[0].font.bold());
}

// A label on a red parent, grabbed as an image.
struct LabelOnParent {
  QWidget parent;
  THtmlLab* lab;
  LabelOnParent() {
    parent.resize(200, 60);
    parent.setAutoFillBackground(true);
    QPalette pal = parent.palette();
    pal.setColor(QPalette::Window, Qt::red);
    parent.setPalette(pal);
    lab = new THtmlLab(&parent);
    lab->setGeometry(0, 0, 200, 30);
    lab->setFont(baseFont());
    lab->setFrameStyle(TFrameStyle::fsNone);
    lab->setColorBkg(Qt::yellow);
  }
  QImage grab() { return parent.grab().toImage().convertToFormat(QImage::Format_RGB32); }
  // First and last column of the label holding a dark pixel.
  std::pair<int, int> inkColumns() {
    const QImage img = grab();
    int first = -1, last = -1;
    for (int x = 0; x < 200; ++x)
      for (int y = 0; y < 30; ++y)
        if (const QColor c(img.pixel(x, y)); c.red() < 100 && c.green() < 100 && c.blue() < 100) {
          if (first < 0) first = x;
          last = x;
          break;
        }
    return {first, last};
  }
};

TEST(HtmlLab, PaintsBackgroundOrLetsTheParentShowThrough) {
  LabelOnParent w;
  w.lab->setCaption("x");
  EXPECT_EQ(QColor(w.grab().pixel(150, 5)), QColor(Qt::yellow));
  w.lab->setTransparent(true);
  EXPECT_EQ(QColor(w.grab().pixel(150, 5)), QColor(Qt::red));
  w.lab->setCaption("");
  EXPECT_EQ(w.inkColumns().first, -1);  // an empty caption draws nothing
}

TEST(HtmlLab, AlignmentPlacesTheLine) {
  LabelOnParent w;
  w.lab->setCaption("HHHH");
  w.lab->setAlignment(Qt::AlignLeft);
  auto [left0, left1] = w.inkColumns();
  EXPECT_GE(left0, 2);
  EXPECT_LE(left0, 5);
  w.lab->setAlignment(Qt::AlignRight);
  auto [right0, right1] = w.inkColumns();
  EXPECT_GE(right1, 190);
  EXPECT_LE(right1, 199);
  w.lab->setAlignment(Qt::AlignHCenter);
  auto [c0, c1] = w.inkColumns();
  EXPECT_NEAR((c0 + c1) / 2.0, 100, 4);
  // A caption wider than the label, centred, shows its middle part.
  w.lab->setCaption(QString("H").repeated(60));
  auto [m0, m1] = w.inkColumns();
  EXPECT_LE(m0, 3);
  EXPECT_GE(m1, 196);
}

int gWarnings = 0;
void countWarnings(QtMsgType type, const QMessageLogContext&, const QString&) {
  if (type == QtWarningMsg) ++gWarnings;
}

TEST(HtmlLab, APaintEventReportsAnErrorOnceAndShowsWhatWasDrawn) {
  LabelOnParent w;
  w.lab->setCaption("HH</b>");
  gWarnings = 0;
  auto old = qInstallMessageHandler(countWarnings);
  const auto ink = w.inkColumns();
  w.lab->repaint();
  w.grab();
  qInstallMessageHandler(old);
  EXPECT_EQ(gWarnings, 1);
  EXPECT_GE(ink.first, 0);  // "HH" is drawn
  w.lab->setSuppressExceptions(true);
  gWarnings = 0;
  old = qInstallMessageHandler(countWarnings);
  w.lab->setCaption("HH</i>");
  w.grab();
  qInstallMessageHandler(old);
  EXPECT_EQ(gWarnings, 0);
}

TEST(HtmlLab, AssignCopiesTheCaptionAndLook) {
  THtmlLab a, b;
  a.setCaption("a<sup>2</sup>");
  a.setAlignment(Qt::AlignRight);
  a.setColorBkg(Qt::green);
  a.setTransparent(true);
  a.setPosY(25);
  a.setFrameStyle(TFrameStyle::fsRaised);
  a.setSuppressExceptions(true);
  a.setIgnoreColorTags(true);
  b.Assign(a);
  EXPECT_EQ(b.Caption(), a.Caption());
  EXPECT_EQ(b.Alignment(), Qt::AlignRight);
  EXPECT_EQ(b.ColorBkg(), QColor(Qt::green));
  EXPECT_TRUE(b.Transparent());
  EXPECT_EQ(b.PosY(), 25);
  EXPECT_EQ(b.FrameStyle(), TFrameStyle::fsRaised);
  EXPECT_TRUE(b.SuppressExceptions());
  EXPECT_TRUE(b.IgnoreColorTags());
  EXPECT_EQ(THtmlLab().size(), QSize(520, 50));
}

}  // namespace
}  // namespace zw
