#pragma once
// Mathematical signs as one-character texts, whole numbers in superscript and
// subscript digits, and padding that lines up texts of different pixel widths
// in proportional fonts with blanks and, for the last part of a blank, a thin
// space. All widths come through a TextMeasurer of the font the text will be
// shown in. The shared fonts list MathFallbackFamily (shell/Fonts.h) after
// their own family, which shows the signs Liberation Sans lacks (superscript
// zero, minus and the long arrow among them).
// These are the QString forms of kernel/TextSigns.h and kernel/TextPadding.h.
#include <QChar>
#include <QString>

namespace zw {

class TextMeasurer;

QString MulDot();        // U+00B7
QString MulDotSign();    // U+00B7
QChar FunctionChar();    // U+0192
QChar FunctionCharSign();
QString FunctionSign();  // U+0192
QString MacronSign();    // U+00AF
QString EmDash();        // U+2014, fraction bars
QString EnDash();        // U+2013, minus sign
QString ElementSign();   // U+0404, used as the element-of sign
QString SqrtSign();      // U+221A
QString InfinitySign();  // U+221E
QString LessEqualSign();     // U+2264
QString GreaterEqualSign();  // U+2265
QString IntersectionSign();  // U+2229
QString ArrowSign();         // U+2192
QString DegreeSign();        // U+00B0
QString SuperscriptNSign();  // U+207F
QString ThinSpace();         // U+2009
QString SigmaSign();         // U+03C3
QString MuSign();            // U+03BC
QString PhiSign();           // U+03A6
QString AlphaSign();         // U+03B1
QString SumSign();           // U+2211

// The decimal digits of n in superscript (subscript) form. A negative n gets
// the superscript (subscript) minus in front.
QString SupScriptDigits(int n);
QString SubScriptDigits(int n);

// k + 1 blanks, k = the width of the widest text div the width of a blank.
// A blank of width 0 or less gives the empty text.
QString BlankWidthOf(const TextMeasurer& font, const QString& t);
QString BlankWidthOf2(const TextMeasurer& font, const QString& t1, const QString& t2);
QString BlankWidthOf3(const TextMeasurer& font, const QString& t1, const QString& t2, const QString& t3,
                      const QString& t4, const QString& t5);
QString BlankWidthOf4(const TextMeasurer& font, const QString& t1, const QString& t2, const QString& t3,
                      const QString& t4, const QString& t5, const QString& t6, const QString& t7);

// Padding to the width of `reference`. A blank of width 0 or less pads
// nothing, and a thin space of width 0 or less is never added. The thin
// space, when the rest allows one, stands next to the text.
QString PadLeftToWidth(const TextMeasurer& font, const QString& reference, const QString& text);
QString PadRightToWidth(const TextMeasurer& font, const QString& reference, const QString& text);
QString PadCenterToWidth(const TextMeasurer& font, const QString& reference, const QString& text);
QString PadBetweenToWidth(const TextMeasurer& font, const QString& reference, const QString& a,
                          const QString& b);

// Em dashes as wide as t (rounded down); empty when an em dash has no width.
QString FractionBar(const TextMeasurer& font, const QString& t);

}  // namespace zw
