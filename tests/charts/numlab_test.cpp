// The numeric label: display formats, overflow, setters and painting.
#include <QApplication>
#include <QImage>
#include <QMouseEvent>
#include <gtest/gtest.h>

#include "charts/DateTimeText.h"
#include "charts/NumLab.h"

namespace zw {
namespace {

struct FormatCase {
  TDisplay type;
  int precision;
  double value;
  const char16_t* expected;
  bool comma = false;
  bool plus = false;
};

TEST(NumLab, DisplayFormats) {
  const FormatCase cases[] = {
      {TDisplay::dtFixP, 2, 3.14159, u"3.14"},
      {TDisplay::dtFixP, 2, 3.14159, u"3,14", true},
      {TDisplay::dtFixP, 2, 3.14159, u"+3.14", false, true},
      {TDisplay::dtFixP, 2, -1, u"-1.00", false, true},
      {TDisplay::dtFloat, 3, 1234.5, u"1.23e+03"},
      {TDisplay::dtFloat, 4, 0.5, u"0.5"},
      {TDisplay::dtExp, 2, 12345, u"1.23e+04"},
      {TDisplay::dtHex, 4, 255, u"00FF"},
      {TDisplay::dtHex, 2, 4096, u"00"},
      {TDisplay::dtHex, 0, 255, u""},
      {TDisplay::dtHex, 8, -1, u"FFFFFFFF"},
      {TDisplay::dtHex, 12, 4294967295.0, u"FFFFFFFF"},
      {TDisplay::dtHex, 4, 5e9, u"*********"},
      {TDisplay::dtHex, 4, 255, u"00FF", true},  // no comma handling for hex
      {TDisplay::dtZeroInt, 4, 42, u"0042"},
      {TDisplay::dtZeroInt, 4, -42, u"-0042"},
      {TDisplay::dtZeroInt, 2, 1e12, u"*********"},
      {TDisplay::dtInt, 0, 2.5, u"2"},  // halves to the even neighbour
      {TDisplay::dtInt, 0, 3.5, u"4"},
      {TDisplay::dtInt, 0, 1e300, u"*********"},
      {TDisplay::dtBin, 8, 5, u"00000101"},
      {TDisplay::dtBin, 3, 5, u"101"},
      {TDisplay::dtOct, 3, 8, u"010"},
      {TDisplay::dtOct, 12, 4294967295.0, u"37777777777"},
      {TDisplay::dtDeg, 1, 45, u"45.0\u00B0"},
      {TDisplay::dtDeg, 20, 1, u"1.00000000\u00B0"},
      {TDisplay::dtDegMin, 1, 12.5, u"12\u00B0 30.0'"},
      {TDisplay::dtDegMin, 1, 12.5, u"12\u00B0 30,0'", true},
      {TDisplay::dtDegMin, 1, -0.5, u"-0\u00B0 30.0'"},      // the sign is kept
      {TDisplay::dtDegMin, 1, 12.999999, u"13\u00B0  0.0'"},  // 60.0 minutes carry
      {TDisplay::dtDegMinSec, 0, 12.5125, u"12\u00B0 30'  45\""},
      {TDisplay::dtDegMinSec, 1, 1.0 + 59.0 / 60 + 59.99 / 3600, u"2\u00B0  0'  0.0\""},
      {TDisplay::dtEEng, 3, 12346, u"12.3k"},
      {TDisplay::dtEEngNoDP, 3, 12346, u"12k3"},
      {TDisplay::dtEEng, 3, 12346, u"12,3k", true},
  };
  TNumLab lab;
  for (const FormatCase& c : cases) {
    lab.setDisplayType(c.type);
    lab.setPrecision(c.precision);
    lab.setComma(c.comma);
    lab.setForcePlusSign(c.plus);
    lab.setValue(c.value);
    EXPECT_EQ(lab.formatValue(), QString::fromUtf16(c.expected))
        << int(c.type) << " p" << c.precision << " v" << c.value;
  }
}

TEST(NumLab, StateAndDateTime) {
  TNumLab lab;
  lab.setDisplayType(TDisplay::dtState);
  EXPECT_EQ(lab.formatValue(), QStringLiteral("undefined"));
  lab.setDisplayType(TDisplay::dtDateTime);
  lab.setDTFormat(QStringLiteral("yyyy-mm-dd hh:nn:ss"));
  lab.setValue(45000.5);
  EXPECT_EQ(lab.formatValue(), QStringLiteral("2023-03-15 12:00:00"));
  auto months = [](int m) { return QStringLiteral("M%1").arg(m); };
  EXPECT_EQ(FormatDateTimePattern(QStringLiteral("mmm-dd, yyyy"), 45000, months), QStringLiteral("M3-15, 2023"));
  EXPECT_EQ(FormatDateTimePattern(QStringLiteral("h:nn am/pm \"at\" yy"), 45000.75, months),
            QStringLiteral("6:00 pm at 23"));
  EXPECT_EQ(FormatDateTimePattern(QStringLiteral("dd.mm.yyyy"), 0, months), QStringLiteral("30.12.1899"));
}

TEST(NumLab, OverflowAndHooks) {
  TNumLab lab;
  lab.setDisplayType(TDisplay::dtFixP);
  lab.setPrecision(0);
  lab.setValue(12345678901234567890.0);  // 20 digits in an 80-pixel box
  EXPECT_EQ(lab.displayedText(), QStringLiteral("*********"));
  lab.setValue(42);
  EXPECT_EQ(lab.displayedText(), QStringLiteral("42"));
  lab.OnBeforeDisplay = [](TNumLab*, QString& t) { t += QStringLiteral(" m"); };
  EXPECT_EQ(lab.displayedText(), QStringLiteral("42 m"));
  lab.OnBeforeDisplay = nullptr;
  lab.setDisplayType(TDisplay::dtState);
  lab.setStateText(QStringLiteral("a state text far too long for the value box"));
  EXPECT_EQ(lab.displayedText(), lab.StateText());  // clipped when painted, never replaced
}

TEST(NumLab, SetterLimits) {
  TNumLab lab;
  EXPECT_EQ(lab.size(), QSize(160, 28));
  lab.setLeftSpace(500);
  EXPECT_EQ(lab.LeftSpace(), 160);
  lab.setLeftSpace(-3);
  EXPECT_EQ(lab.LeftSpace(), 160);
  lab.setPrecision(-1);
  EXPECT_EQ(lab.Precision(), 2);
  lab.setPrecision(40);
  EXPECT_EQ(lab.Precision(), 15);
  lab.setColorScheme(TColorScheme::csSystem);
  lab.setColorScheme(TColorScheme::csBWG);

  TNumLab copy;
  lab.setLeftText(QStringLiteral("x="));
  lab.setValue(7);
  lab.setDisplayType(TDisplay::dtInt);
  copy.Assign(lab);
  EXPECT_EQ(copy.LeftText(), QStringLiteral("x="));
  EXPECT_EQ(copy.Value(), 7);
  EXPECT_EQ(copy.DisplayType(), TDisplay::dtInt);
  EXPECT_EQ(copy.LeftSpace(), 160);
}

TEST(NumLab, RepaintsOnlyOnChange) {
  TNumLab lab;
  lab.show();
  QApplication::processEvents();
  const int before = lab.paintCount();
  lab.setValue(0);  // the value it already has
  lab.setPrecision(2);
  lab.setLeftText(QString());
  EXPECT_EQ(lab.paintCount(), before);
  lab.setValue(1.5);
  EXPECT_EQ(lab.paintCount(), before + 1);
}

TEST(NumLab, MouseAreaCode) {
  TNumLab lab;
  lab.setLeftSpace(35);
  lab.setLabelWidth(80);
  struct Case { int x, code; } cases[] = {{10, 0}, {35, 0}, {36, 1}, {115, 1}, {116, 2}};
  for (const Case& c : cases) {
    QMouseEvent move(QEvent::MouseMove, QPointF(c.x, 5), QPointF(c.x, 5), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(&lab, &move);
    EXPECT_EQ(lab.MouseAreaCode(), c.code) << c.x;
  }
}

TEST(NumLab, PaintsFrameAndValue) {
  TNumLab lab;
  lab.setLeftText(QStringLiteral("x="));
  lab.setValue(1.25);
  lab.setColorLabBakG(Qt::white);
  lab.setColorOutBakG(QColor(0xC0, 0xC0, 0xC0));
  QImage img(lab.size(), QImage::Format_RGB32);
  img.fill(Qt::red);
  lab.render(&img);
  const int L = lab.LeftSpace(), W = lab.LabelWidth();
  EXPECT_EQ(img.pixelColor(L + 1, 5), QColor(Qt::black));         // lowered: black upper-left line
  EXPECT_EQ(img.pixelColor(L + W + 2, 10), QColor(Qt::white));     // white lower-right line
  EXPECT_EQ(img.pixelColor(2, 2), QColor(0xC0, 0xC0, 0xC0));        // outside background
  bool valueInk = false, leftInk = false;
  for (int y = 3; y < 25; ++y) {
    for (int x = L + 3; x < L + W - 1; ++x) valueInk = valueInk || img.pixelColor(x, y) != QColor(Qt::white);
    for (int x = 0; x < L; ++x)
      leftInk = leftInk || img.pixelColor(x, y) != QColor(0xC0, 0xC0, 0xC0);
  }
  EXPECT_TRUE(valueInk);
  EXPECT_TRUE(leftInk);
  lab.setEmpty(true);
  img.fill(Qt::red);
  lab.render(&img);
  for (int x = L + 3; x < L + W - 1; ++x) EXPECT_EQ(img.pixelColor(x, 14), QColor(Qt::white)) << x;
}

}  // namespace
}  // namespace zw
