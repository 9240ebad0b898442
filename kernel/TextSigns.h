#pragma once
// Mathematical signs as one-character texts and whole numbers written in
// superscript or subscript digits: the characters the kernel's number texts
// and the shell's memo texts share. The shell hands them out as QStrings
// (shell/kit/Symbols.h).
#include <cstdint>
#include <string>

namespace zw::ksym {

inline constexpr char16_t MulDotSign[] = u"\u00B7";        // ·
inline constexpr char16_t FunctionSign[] = u"\u0192";      // ƒ
inline constexpr char16_t MacronSign[] = u"\u00AF";        // ¯
inline constexpr char16_t EmDash[] = u"\u2014";            // —, fraction bars
inline constexpr char16_t EnDash[] = u"\u2013";            // –, minus sign
inline constexpr char16_t ElementSign[] = u"\u0404";       // Є, used as the element-of sign
inline constexpr char16_t SqrtSign[] = u"\u221A";          // √
inline constexpr char16_t InfinitySign[] = u"\u221E";      // ∞
inline constexpr char16_t LessEqualSign[] = u"\u2264";     // ≤
inline constexpr char16_t GreaterEqualSign[] = u"\u2265";  // ≥
inline constexpr char16_t IntersectionSign[] = u"\u2229";  // ∩
inline constexpr char16_t ArrowSign[] = u"\u2192";         // →
inline constexpr char16_t DegreeSign[] = u"\u00B0";        // °
inline constexpr char16_t SuperscriptNSign[] = u"\u207F";  // ⁿ
inline constexpr char16_t ThinSpace[] = u"\u2009";         // the last part of a blank in pixel padding
inline constexpr char16_t SigmaSign[] = u"\u03C3";         // σ
inline constexpr char16_t MuSign[] = u"\u03BC";            // μ
inline constexpr char16_t PhiSign[] = u"\u03A6";           // Φ
inline constexpr char16_t AlphaSign[] = u"\u03B1";         // α
inline constexpr char16_t SumSign[] = u"\u2211";           // ∑

// The decimal digits of n as superscript (subscript) digits. Exponents and
// indices are never negative; should a negative n come, it gets the
// superscript (subscript) minus in front rather than a plain "-".
std::u16string SupScriptDigits(std::int64_t n);
std::u16string SubScriptDigits(std::int64_t n);

}  // namespace zw::ksym
