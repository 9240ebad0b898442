#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>

#include "numerics/CurveFit.h"
#include "numerics/NumComponent.h"
#include "temp_file_fixture.h"

namespace zw {
namespace {

class DataTable : public TempFileTest {
protected:
  DataTable() : TempFileTest("zw_table_", ".asc") {}
};

TEST_F(DataTable, ExportIsByteExactAndReadsBack) {
  TCurveFit f;
  f.EnterStatValue(1.5, -2);
  f.EnterStatValue(-0.125, 1e3);
  EXPECT_EQ(f.ExportAsASC(path, "two\r\nlines", 3), "");
  EXPECT_EQ(Read(),
            "two  lines\r\n2\t;nr. of columns\r\n2\t;nr. of rows\r\n"
            "FALSE TRUE FALSE\t;row attributes, column names, row names\r\nx   y\r\n"
            "1.500\t-2.000\r\n-0.125\t1000.000\r\n");
  EXPECT_EQ(f.ExportAsASC(path, "", 1), "");
  EXPECT_EQ(Read().substr(0, Read().find('\r')), "Exported by Zahlwerk TCurveFit component: " + path);

  TCurveFit g;
  g.EnterStatValue(99, 99);  // replaced by the import
  EXPECT_EQ(g.ImportASC(path), 0);
  ASSERT_EQ(g.NumData(), 2);
  EXPECT_EQ(g.DataX(1), 1.5);
  EXPECT_EQ(g.Data().Elem(2, 1), -2);
  EXPECT_EQ(g.DataX(2), -0.1);  // one decimal written
  EXPECT_DOUBLE_EQ(g.Sums().sumx, 1.4);
  EXPECT_EQ(g.MaxX(), 1.5);

  EXPECT_NE(f.ExportAsASC("/nonexistent-dir/x.asc", "", 2), "");
}

TEST_F(DataTable, HeaderCodes) {
  struct Case {
    const char* file;
    int code;
  };
  const Case cases[] = {
      {"t\r\n2\r\n3\r\nfalse\tTrue  false\r\n", 0},
      {"t\r\nx\r\n3\r\nFALSE TRUE FALSE\r\n", 255},
      {"t\r\n2\r\n\r\nFALSE TRUE FALSE\r\n", 254},
      {"t\r\n99999999999\r\n3\r\nFALSE TRUE FALSE\r\n", 255},  // out of range is no count
      {"t\r\n2\r\n3\r\nFALSE MAYBE FALSE\r\n", 253},
      {"t\r\n2\r\n3\r\nFALSE TRUE\r\n", 253},
      {"t\r\n2\r\n3\r\nFALSE TRUE FALSE TRUE\r\n", 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    Write(c.file);
    std::string title;
    std::int32_t cols, rows;
    bool a, n, r, fourth;
    EXPECT_EQ(ReadAscHeader(path, title, cols, rows, a, n, r, fourth), c.code);
    if (c.code == 0) {
      EXPECT_EQ(title, "t");
      EXPECT_EQ(cols, 2);
      EXPECT_EQ(rows, 3);
      EXPECT_FALSE(a);
      EXPECT_TRUE(n);
      EXPECT_FALSE(r);
    }
  }
  std::string title;
  std::int32_t cols, rows;
  bool a, n, r, fourth;
  EXPECT_THROW(ReadAscHeader(path + ".missing", title, cols, rows, a, n, r, fourth), std::ios_base::failure);
}

TEST_F(DataTable, ImportWithAttributesNamesAndErrors) {
  TCurveFit f;
  Write("t\r\n2\r\n2\r\nTRUE TRUE TRUE\r\n\"first col\" y\r\n7 row1 1 2\r\n8 \"row 2\" 3\t4\r\n");
  EXPECT_EQ(f.ImportASC(path), 0);
  ASSERT_EQ(f.NumData(), 2);
  EXPECT_EQ(f.DataX(2), 3);
  EXPECT_EQ(f.Data().Elem(2, 2), 4);

  struct Case {
    const char* file;
    int code;
  };
  const Case cases[] = {
      {"t\r\n2\r\n2\r\nFALSE FALSE FALSE TRUE\r\n1 2\r\n", -7},
      {"t\r\n2\r\n2\r\nFALSE FALSE FALSE\r\n1 2\r\n3 x\r\n", 250},
      {"t\r\n2\r\n3\r\nFALSE FALSE FALSE\r\n1 2\r\n3 4\r\n", 250},  // truncated
      {"t\r\n2\r\n2\r\nTRUE FALSE FALSE\r\n1 1 2\r\nq 3 4\r\n", 251},
      {"t\r\n2\r\n-1\r\nFALSE FALSE FALSE\r\n", 254},
      {"t\r\n2\r\n2000000000\r\nFALSE FALSE FALSE\r\n1 2\r\n", 254},  // not allocated
      {"t\r\nz\r\n", 255},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.file);
    Write(c.file);
    EXPECT_EQ(f.ImportASC(path), c.code);
    EXPECT_EQ(f.NumData(), 2);  // unchanged
    EXPECT_EQ(f.DataX(2), 3);
    EXPECT_DOUBLE_EQ(f.Sums().sumx, 4);
  }

  Write("t\r\n3\r\n1\r\nFALSE FALSE FALSE\r\n1 2 3\r\n");
  try {
    f.ImportASC(path);
    FAIL();
  } catch (const EZwMath2Error& e) {
    EXPECT_STREQ(e.what(), "TCurveFit.ImportASC: number of columns must be 2 (is actually 3).");
  }
}

}  // namespace
}  // namespace zw
