#pragma once
// The symbolic calculation library: first and second derivatives of terms
// written in the formula evaluator's language, answered in that language.
//
// Commands: "diff(" term ",x)" and "diff(" term ",x,2)". The term is read
// exactly as the evaluator reads it (the same reader, so the case of "x"/"X"
// and "k"/"K" matters as it does there), with the forms "**" (a doubled
// product sign) and "e^" also accepted. In degree and gon mode (the angle
// mode passed, or kernelState().AngleMode) the derivatives of the angle
// functions carry the factor pi/180 or pi/200, so that they match the
// evaluated term.
#include <cstdint>
#include <string>
#include <string_view>

// C entry point: reads the zero-terminated command, writes a zero-terminated
// answer of at most size bytes (terminator included) to output and returns
// its length. A negative result is a failure (unreadable command or term, a
// function without a derivative, an answer that does not fit) and output is
// then not to be used.
extern "C" std::int32_t symbolic_calculate(const char* input, char* output, std::int32_t size);

namespace zw::symbolic {

// The answer to one command; false on failure.
bool Calculate(std::string_view command, std::string& answer);
bool Calculate(std::string_view command, int angleMode, std::string& answer);

// symbolic_calculate in the given angle mode.
std::int32_t CalculateInto(const char* input, char* output, std::int32_t size, int angleMode);

// The order-th derivative (1 or 2) of term with respect to x; false when the
// term cannot be read or has no derivative.
bool Differentiate(std::string_view term, int order, std::string& answer);
bool Differentiate(std::string_view term, int order, int angleMode, std::string& answer);

}  // namespace zw::symbolic
