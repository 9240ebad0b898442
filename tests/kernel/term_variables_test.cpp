// A variable letter is substituted only where the evaluator does not read it
// as part of one of its names.
#include <gtest/gtest.h>

#include "kernel/TermVariables.h"

namespace zw {
namespace {

TEST(SubstituteVariable, SparesTheLettersOfNames) {
  struct Case {
    std::u16string text;
    char16_t letter;
    std::u16string expected;
  };
  const Case cases[] = {
      {u"2i+1", u'i', u"2(3)+1"},
      {u"I*I", u'i', u"(3)*(3)"},
      {u"sin(i)+pi", u'i', u"sin((3))+pi"},
      {u"int(i/2)", u'i', u"int((3)/2)"},
      {u"asinh(i)", u'i', u"asinh((3))"},
      {u"xi", u'i', u"x(3)"},
      {u"relu(u)*u", u'u', u"relu((3))*(3)"},
      {u"fak(k)", u'k', u"fak((3))"},
      {u"x^2", u'x', u"(3)^2"},
      {u"exp(x)", u'x', u"exp((3))"},
  };
  for (const Case& c : cases) EXPECT_EQ(SubstituteVariable(c.text, c.letter, u"(3)"), c.expected);
}

}  // namespace
}  // namespace zw
