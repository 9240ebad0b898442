#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "kernel/CheckedInput.h"
#include "kernel/KernelState.h"

namespace zw {
namespace {

std::u16string u16(const std::string& s) { return std::u16string(s.begin(), s.end()); }

struct KindCase {
  const char* text;
  char16_t kind;
  std::int32_t ok;
  Extended x;  // NAN: not checked
};

TEST(CheckedInput, KindsAndBounds) {
  kernelState().reset();
  const KindCase cases[] = {
      {"", u'n', 0, 0},        {"", u'P', 1, 0},        {"   ", u'P', 1, 0},
      {"", u'M', 0, 0},        {"", u'p', 0, 0},        {" \t12\r\n", u'B', 1, 12},
      {"12", u'B', 1, 12},     {"500", u'B', 1, 500},   {"501", u'B', 0, NAN},
      {"2.5", u'B', 0, NAN},   {"-3", u'B', 1, -3},     {"2", u'M', 1, 2},
      {"20", u'M', 1, 20},     {"21", u'M', 0, NAN},    {"1", u'M', 0, NAN},
      {"0", u'N', 1, 0},       {"-1", u'N', 0, NAN},    {"0", u'P', 1, 0},
      {"-0.1", u'P', 0, NAN},  {"2*pi", u'P', 1, 2 * 3.141592653589793238462643383279502884L},
      {"2*pi", u'Z', 0, NAN},  {"-7", u'Z', 1, -7},     {"2.5", u'i', 1, 3},
      {"-2.5", u'i', 1, -3},   {"2.4", u'i', 1, 2},     {"0", u'n', 0, NAN},
      {"3", u'n', 1, 3},       {"0", u'p', 0, NAN},     {"0.1", u'p', 1, 0.1L},
      {"90", u'r', 1, 90},     {"-90", u'r', 1, -90},   {"90.5", u'r', 0, NAN},
      {"1e16", u'e', 0, NAN},  {"1e16", u'Z', 0, NAN},  {"-1e16", u'f', 0, NAN},
      {"1e15", u'e', 1, 1e15L}, {"abc", u'e', 0, NAN},  {"abc", u'f', 0, NAN},
      {"sqrt(-1)", u'e', 0, NAN}, {"3,5", u'f', 1, 3.5}, {"1/0", u'e', 0, NAN},
  };
  for (const auto& c : cases) {
    Extended x = -99;
    std::int32_t ok = -1;
    ReadValue(u16(c.text), x, c.kind, ok);
    EXPECT_EQ(ok, c.ok) << c.text << " kind " << static_cast<char>(c.kind);
    if (!std::isnan(static_cast<double>(c.x))) {
      EXPECT_EQ(x, c.x) << c.text;
    }
  }
}

// The widest number named for each kind is one the kind accepts, with either
// decimal separator; for the whole kinds one more is refused.
TEST(CheckedInput, TheLongestAcceptedNumberIsAccepted) {
  kernelState().reset();
  for (char16_t kind : {u'B', u'M', u'N', u'P', u'Z', u'i', u'n', u'p', u'r', u'e', u'f'})
    for (char16_t separator : {u',', u'.'}) {
      const std::u16string text = LongestAcceptedNumber(kind, separator);
      Extended x = 0;
      std::int32_t ok = 0;
      ReadValue(text, x, kind, ok);
      EXPECT_EQ(ok, 1) << static_cast<char>(kind) << " " << std::string(text.begin(), text.end());
    }
  EXPECT_TRUE(LongestAcceptedNumber(0, u',').empty());
  struct Beyond {
    char16_t kind;
    const char* text;
  };
  for (const Beyond& b : {Beyond{u'n', "1000000000000001"}, Beyond{u'Z', "-1000000000000001"}, Beyond{u'M', "21"}}) {
    Extended x = 0;
    std::int32_t ok = 1;
    ReadValue(u16(b.text), x, b.kind, ok);
    EXPECT_EQ(ok, 0) << b.text;
  }
}

TEST(CheckedInput, EditFieldsKeepOkAndReactPerBadField) {
  RecordingInputReactions ui;
  std::int32_t ok = 1;
  Extended a = 0, b = 0, c = 0;
  ReadEditValue(u"4", a, u'n', ui, 0, ok);
  EXPECT_EQ(ok, 1);
  EXPECT_TRUE(ui.events.empty());
  ReadEditValue(u"x+", b, u'n', ui, 0, ok);
  ReadEditValue(u"7", c, u'n', ui, 0, ok);
  ReadEditValue(u"", c, u'p', ui, 2, ok);
  EXPECT_EQ(ok, 0);  // an accepted field later does not set it back
  EXPECT_EQ(a, 4);
  EXPECT_EQ(ui.events, (std::vector<std::string>{"page 0", "error 22", "focus", "page 2", "error 22",
                                                  "focus"}));
}

class TestGrid : public GridCells {
public:
  std::vector<std::vector<std::string>> cols;  // cols[c][r], fixed column/row included
  int columnCount() const override { return static_cast<int>(cols.size()); }
  int rowCount() const override { return static_cast<int>(cols[0].size()); }
  std::u16string cell(int c, int r) const override { return u16(cols[c][r]); }
};

TEST(CheckedInput, GridReportsEveryBadCellColumnByColumn) {
  TestGrid grid;
  grid.cols = {{"", "head", "head"}, {"x", "1", "bad"}, {"y", "oops", "2,5"}};
  RecordingInputReactions ui;
  std::int32_t ok = 1;
  ReadGridValues(grid, ui, 0, ok);
  EXPECT_EQ(ok, 0);
  EXPECT_EQ(ui.events, (std::vector<std::string>{"page 0", "error 22", "edit 1 2", "page 0",
                                                  "error 22", "edit 2 1"}));
  grid.cols = {{"", "", ""}, {"", "1", "2"}, {"", "", "pi"}};
  ui.events.clear();
  ReadGridValues(grid, ui, 0, ok);
  EXPECT_EQ(ok, 1);
  EXPECT_TRUE(ui.events.empty());
}

TEST(CheckedInput, EvalToInt64) {
  struct Case {
    const char* text;
    std::int64_t n;
    std::int32_t ok;
  };
  const Case cases[] = {
      {"12", 12, 1},
      {" 2^62 ", 4611686018427387904LL, 1},
      {"9223372036854775807", 9223372036854775807LL, 1},  // beyond the 1e15 bound of ReadValue
      {"-9223372036854775808", INT64_MIN, 1},
      {"9223372036854775808", 0, 0},
      {"2.5", 2, 1},  // halves to the even neighbour
      {"3.5", 4, 1},
      {"-3", -3, 1},   // the kind does not matter here
      {"", 0, 1},
      {"12a", 0, 0},   // not 12: a text that cannot be evaluated gives 0
      {"1/0", 0, 0},
  };
  for (const auto& c : cases) {
    std::int64_t n = -1;
    std::int32_t ok = -1;
    EvalToInt64(u16(c.text), n, ok);
    EXPECT_EQ(n, c.n) << c.text;
    EXPECT_EQ(ok, c.ok) << c.text;
  }
}

}  // namespace
}  // namespace zw
