// The members of a family of curves: k values, member terms and graph entries.
#include <gtest/gtest.h>

#include "topics/analysis/Family.h"

namespace zw {
namespace {

std::vector<std::string> Values(FamilyRange r, const char* list) {
  std::vector<std::string> out;
  for (const std::u16string& v : FamilyValues(r, QString::fromUtf8(list))) out.push_back(QString::fromStdU16String(v).toStdString());
  return out;
}

TEST(FamilyTest, Values) {
  using V = std::vector<std::string>;
  struct Row {
    const char* what;
    FamilyRange range;
    const char* list;
    V values;
  } rows[] = {
      {"range -2 … 2", {true, -2, 2, 1}, "", {"-2", "-1", "0", "1", "2"}},
      {"step 0 counts as 1", {true, 0, 2, 0}, "", {"0", "1", "2"}},
      {"fractional step", {true, 0, 1, 0.5L}, "", {"0", "0,5", "1"}},
      {"at most 29 members", {true, 1, 100, 1}, "", {}},
      {"a negative step counts down to the last value", {true, 3, 1, -1}, "", {"3", "2", "1"}},
      {"a negative step away from the last value draws nothing", {true, 1, 3, -1}, "", {}},
      {"no range without both ends", {false, 1, 3, 1}, "5", {"5"}},
      {"list with ';' and blanks, a doubled separator an empty item", {}, " 1; 2 3 ", {"1", "", "2", "3"}},
      {"range then list", {true, 0, 1, 1}, "2,5", {"0", "1", "2,5"}},
      {"a step too small to move k ends after 29", {true, 1, 2, 1e-30L}, "", {}},
  };
  for (const Row& r : rows) {
    SCOPED_TRACE(r.what);
    const V got = Values(r.range, r.list);
    if (std::string(r.what) == "at most 29 members") {
      ASSERT_EQ(got.size(), 29u);
      EXPECT_EQ(got.back(), "29");
    } else if (std::string(r.what).starts_with("a step too small")) {
      EXPECT_EQ(got.size(), 29u);
    } else {
      EXPECT_EQ(got, r.values);
    }
  }
}

TEST(FamilyTest, MemberTerms) {
  struct Row {
    const char* term;
    const char16_t* value;
    const char16_t* expected;
  } rows[] = {
      {"k*x^2", u"-2", u"(-2)*x^2"},
      {"fak(k)+x", u"3", u"fak((3))+x"},
      {"K*x", u"2", u"(2)*x"},
      {"sin(k*x)/k", u"", u"sin(()*x)/()"},
  };
  for (const Row& r : rows) EXPECT_EQ(FamilyTerm(QString::fromUtf8(r.term), r.value), r.expected) << r.term;
  // A member longer than the bound is empty; one at the bound is built.
  const QString term = QStringLiteral("k+").repeated(1000) + QStringLiteral("fak(1)");
  const std::size_t fits = (FamilyMemberMaxLength - std::size_t(term.size())) / 1000 - 1;
  EXPECT_EQ(FamilyTerm(term, std::u16string(fits, u'1')).size(), term.size() + 1000 * (fits + 1));
  EXPECT_TRUE(FamilyTerm(term, std::u16string(fits + 1, u'1')).empty());
}

TEST(FamilyTest, EntriesCycleThroughTwentyFourAndFoldIntoShorterLists) {
  struct Row {
    int n, length, entry;
  } rows[] = {{1, 12, 1}, {12, 12, 12}, {13, 12, 1}, {24, 12, 12}, {25, 12, 1}, {13, 24, 13}, {25, 24, 1}, {5, 3, 2}};
  for (const Row& r : rows) EXPECT_EQ(FamilyEntry(r.n, r.length), r.entry) << r.n << " of " << r.length;
}

}  // namespace
}  // namespace zw
