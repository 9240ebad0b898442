// The term of a sequence for one index with the earlier terms put in.
#include "kernel/SequenceTerms.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

namespace zw {
namespace {

std::string Narrow(const std::u16string& s) { return std::string(s.begin(), s.end()); }

std::optional<std::u16string> Expand(std::u16string_view term, std::int64_t i, const std::vector<std::u16string>& terms) {
  std::u16string out;
  if (!ExpandSequenceTerm(term, i, terms.size(), [&](std::size_t k) { return terms[k]; }, out)) return std::nullopt;
  return out;
}

TEST(SequenceTerms, ReferencesAndTheIndexArePutIn) {
  const struct {
    std::u16string term;
    std::int64_t i;
    std::vector<std::u16string> terms;
    std::optional<std::u16string> expected;  // nullopt: refused
  } cases[] = {
      {u"a[i-1]+a[i-2]", 2, {u"1", u"1"}, u"(1)+(1)"},
      {u"a[i-1]^2", 1, {u"-2"}, u"(-2)^2"},  // a term enters as one value
      {u"2i+sin(i)-pi", 3, {}, u"2(3)+sin((3))-pi"},  // the i of sin and pi stays
      {u"a[i/2]", 3, {u"x", u"y", u"z"}, u"(z)"},       // 1.5 rounds to 2
      {u"a[ i - 1 ]*i", 1, {u"7"}, u"(7)*(1)"},
      // A start term whose text names a term is put in once, never read again.
      {u"a[i-1]", 1, {u"a[0]"}, u"(a[0])"},
      {u"a[0]*a[i-1]", 1, {u"a[0]+a[0]"}, u"(a[0]+a[0])*(a[0]+a[0])"},
      {u"a[i-1", 1, {u"1"}, std::nullopt},   // no "]"
      {u"a[i]", 1, {u"1"}, std::nullopt},    // not computed yet
      {u"a[i-5]", 1, {u"1"}, std::nullopt},  // before the first
      {u"a[x+]", 1, {u"1"}, std::nullopt},   // no index
      {u"a[1e30]", 1, {u"1"}, std::nullopt},
  };
  for (const auto& c : cases) {
    const auto got = Expand(c.term, c.i, c.terms);
    if (c.expected)
      EXPECT_EQ(got.value_or(u"<refused>"), *c.expected) << Narrow(c.term);
    else
      EXPECT_FALSE(got) << Narrow(c.term) << " -> " << Narrow(*got);
  }
}

TEST(SequenceTerms, StartTermsAsTyped) {
  using V = std::vector<std::u16string>;
  EXPECT_EQ(SplitStartTerms(u" 1; 1 ;"), (V{u"1", u"1"}));  // a trailing ";" adds none
  EXPECT_EQ(SplitStartTerms(u"1/2;;3"), (V{u"1/2", u"", u"3"}));
  EXPECT_EQ(SplitStartTerms(u"  "), V{});
  EXPECT_EQ(SplitStartTerms(u""), V{});
  EXPECT_TRUE(EvaluatesAlone(u"1/2"));
  for (const char16_t* bad : {u"", u"a[0]", u"ln(0)", u"1+"}) EXPECT_FALSE(EvaluatesAlone(bad)) << Narrow(bad);
}

// Long terms put into many references could grow without bound: beyond
// MaxBuiltTermLength the term is refused.
TEST(SequenceTerms, BuiltTermsHaveABound) {
  std::u16string term;
  while (term.size() < 30000) term += u"a[0]+";
  term += u"1";
  const std::u16string start(1000, u'1');
  EXPECT_FALSE(Expand(term, 1, {start}));
  EXPECT_TRUE(Expand(term, 1, {u"1"}));
}

}  // namespace
}  // namespace zw
