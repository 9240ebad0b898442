// Signs, superscript and subscript digits, and pixel padding.
#include <QFont>
#include <QFontMetrics>
#include <climits>
#include <gtest/gtest.h>

#include "common/TextMeasurer.h"
#include "shell/Fonts.h"
#include "shell/kit/Symbols.h"

namespace zw {
namespace {

const QChar kThin(0x2009);

TEST(KitSymbols, SuperscriptAndSubscriptDigits) {
  struct Case { int n; const char16_t* sup; const char16_t* sub; } cases[] = {
      {0, u"\u2070", u"\u2080"},
      {10, u"\u00B9\u2070", u"\u2081\u2080"},
      {12, u"\u00B9\u00B2", u"\u2081\u2082"},
      {3, u"\u00B3", u"\u2083"},
      {4567, u"\u2074\u2075\u2076\u2077", u"\u2084\u2085\u2086\u2087"},
      {89, u"\u2078\u2079", u"\u2088\u2089"},
      {-2, u"\u207B\u00B2", u"\u208B\u2082"},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(SupScriptDigits(c.n), QString::fromUtf16(c.sup)) << c.n;
    EXPECT_EQ(SubScriptDigits(c.n), QString::fromUtf16(c.sub)) << c.n;
  }
  EXPECT_EQ(SupScriptDigits(INT_MIN).size(), 11);  // minus and ten digits
}

// wb = 4 (blank), wt = 2 (thin space), every other character 1 pixel: a text
// of n letters is n pixels wide.
FixedWidthMeasurer measurer() { return FixedWidthMeasurer(1, {{u' ', 4}, {u'\u2009', 2}, {u'\u2014', 6}}); }

QString letters(int n) { return QString(n, u'a'); }

TEST(KitSymbols, PaddingPlacesBlanksAndThinSpace) {
  const FixedWidthMeasurer m = measurer();
  // wr = 30, wx = 19: n = 2, rest 3 >= 2: two blanks and a thin space.
  const QString ref = letters(30), text = letters(19);
  EXPECT_EQ(PadLeftToWidth(m, ref, text), QStringLiteral("  ") + kThin + text);
  EXPECT_EQ(PadRightToWidth(m, ref, text), text + kThin + QStringLiteral("  "));
  EXPECT_EQ(PadBetweenToWidth(m, ref, letters(9), letters(10)),
            letters(9) + QStringLiteral("  ") + kThin + letters(10));
  // The padded texts are as wide as the reference, give or take one pixel.
  EXPECT_EQ(textWidthOf(m, PadLeftToWidth(m, ref, text)), 29);
  // wr = 28: rest 1 < wt, no thin space.
  EXPECT_EQ(PadLeftToWidth(m, letters(28), text), QStringLiteral("  ") + text);
}

TEST(KitSymbols, CentrePaddingPutsTheLargerHalfInFront) {
  const FixedWidthMeasurer m = measurer();
  // n = 5 blanks (20 px) and a rest of 3 px: 3 blanks and the thin space in
  // front, 2 blanks behind.
  const QString text = letters(7);
  EXPECT_EQ(PadCenterToWidth(m, letters(30), text), QStringLiteral("   ") + kThin + text + QStringLiteral("  "));
}

TEST(KitSymbols, NoPadForTextsAsWideOrWider) {
  const FixedWidthMeasurer m = measurer();
  for (int wx : {30, 31, 45}) {
    const QString text = letters(wx);
    EXPECT_EQ(PadLeftToWidth(m, letters(30), text), text) << wx;
    EXPECT_EQ(PadRightToWidth(m, letters(30), text), text) << wx;
    EXPECT_EQ(PadCenterToWidth(m, letters(30), text), text) << wx;
  }
}

TEST(KitSymbols, BlankWidthsAndFractionBar) {
  const FixedWidthMeasurer m = measurer();
  EXPECT_EQ(BlankWidthOf(m, letters(9)), QString(3, u' '));   // 9 div 4 + 1
  EXPECT_EQ(BlankWidthOf(m, QString()), QString(1, u' '));
  EXPECT_EQ(BlankWidthOf2(m, letters(3), letters(12)), QString(4, u' '));
  EXPECT_EQ(BlankWidthOf3(m, letters(1), letters(2), letters(21), letters(3), letters(4)), QString(6, u' '));
  EXPECT_EQ(BlankWidthOf4(m, letters(1), letters(2), letters(3), letters(4), letters(5), letters(6), letters(8)),
            QString(3, u' '));
  EXPECT_EQ(FractionBar(m, letters(13)), QString(2, QChar(0x2014)));
  EXPECT_EQ(FractionBar(m, letters(5)), QString());  // narrower than one em dash
}

TEST(KitSymbols, ZeroWidthUnitsMeanNoPadding) {
  const FixedWidthMeasurer zero(0);
  EXPECT_EQ(BlankWidthOf(zero, letters(9)), QString());
  EXPECT_EQ(PadLeftToWidth(zero, letters(30), letters(3)), letters(3));
  EXPECT_EQ(PadCenterToWidth(zero, letters(30), letters(3)), letters(3));
  EXPECT_EQ(FractionBar(zero, letters(30)), QString());
  const FixedWidthMeasurer negativeBlank(1, {{u' ', -3}});
  EXPECT_EQ(PadRightToWidth(negativeBlank, letters(30), letters(3)), letters(3));
}

TEST(KitSymbols, EverySignShowsInTheSharedFonts) {
  const QString signs[] = {MulDot(), FunctionSign(), MacronSign(), EmDash(), EnDash(), ElementSign(), SqrtSign(),
                           InfinitySign(), LessEqualSign(), GreaterEqualSign(), IntersectionSign(), ArrowSign(),
                           DegreeSign(), SuperscriptNSign(), ThinSpace(), SigmaSign(), MuSign(), PhiSign(),
                           AlphaSign(), SumSign(), SupScriptDigits(1234567890), SubScriptDigits(1234567890),
                           SupScriptDigits(-1), SubScriptDigits(-1),
                           // Signs of results and input rows beyond the routines.
                           QStringLiteral("\u2260\u2208\u239B\u239C\u239D\u239E\u239F\u23A0\u27F6")};
  for (const char* name : {"Arial", "Lucida Console"}) {
    const QStringList families = fontFamiliesFor(QString::fromLatin1(name));
    for (const QString& s : signs) {
      for (QChar ch : s) {
        bool shown = false;
        for (const QString& fam : families) shown = shown || QFontMetrics(QFont(fam)).inFont(ch);
        EXPECT_TRUE(shown) << name << " lacks U+" << std::hex << int(ch.unicode());
      }
    }
  }
  EXPECT_EQ(FunctionChar(), QChar(0x0192));
  EXPECT_EQ(ElementSign(), QString(QChar(0x0404)));
}

}  // namespace
}  // namespace zw
