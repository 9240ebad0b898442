#include <gtest/gtest.h>

#include <cerrno>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <sstream>
#include <string>

#include "change_counter.h"
#include "common/AtomicFile.h"
#include "numerics/CurveFit.h"
#include "numerics/IntMatrix.h"
#include "numerics/Matrix.h"
#include "numerics/NumberText.h"
#include "numerics/Vector.h"
#include "temp_file_fixture.h"

namespace zw {
namespace {

class Files : public TempFileTest {
protected:
  Files() : TempFileTest("zw_matfile_", ".txt") {}
};

void Fill(TMatrix& m, std::int32_t nc, std::int32_t nr) {
  m.Resize(nc, nr);
  for (std::int32_t c = 1; c <= nc; ++c)
    for (std::int32_t r = 1; r <= nr; ++r) m.SetElem(c, r, c * 10 + r + 0.25);
}

// ---- vector text files ------------------------------------------------------

TEST_F(Files, VectorStoreIsByteExact) {
  TVector v;
  v.Resize(2);
  v.SetElem(1, 1234.5);
  v.SetElem(2, -0.5);
  struct Case {
    std::int32_t first, last, precision;
    const char* want;
  } cases[] = {
      {1, 2, -1, "1 2\r\n 1.2345E+0003\r\n-5.0000E-0001\r\n"},
      {3, 1, 2, "1 2\r\n1234.50\r\n-0.50\r\n"},  // reversed, clamped
      {2, 2, -7, "2 2\r\n-0.50\r\n"},            // below -2: two decimals
      {1, 1, 25, "1 1\r\n1234.50000000000000000000\r\n"},
      {1, 1, -2, "1 1\r\n 1.23450000000000000E+0003\r\n"},
  };
  for (const Case& c : cases) {
    EXPECT_TRUE(v.StoreOnFile(c.first, c.last, c.precision, path));
    EXPECT_EQ(Read(), c.want) << c.precision;
  }
  TIntVector iv;
  iv.Resize(3);
  iv.SetElem(2, -7);
  EXPECT_TRUE(iv.StoreOnFile(0, 9, path));
  EXPECT_EQ(Read(), "1 3\r\n0\r\n-7\r\n0\r\n");
  EXPECT_FALSE(iv.StoreOnFile(1, 3, "/nonexistent-folder/x.txt"));
}

TEST_F(Files, VectorRoundTrips) {
  TVector v;
  v.Resize(4);
  const double values[] = {0.1, -1e300, 4.9e-324, 12345.678901234567};
  for (int i = 0; i < 4; ++i) v.SetElem(i + 1, values[i]);
  ASSERT_TRUE(v.StoreOnFile(1, 4, -2, path));
  TVector back;
  EXPECT_TRUE(back.LoadFromFile(path, true));
  ASSERT_EQ(back.NrOfElem(), 4);
  for (int i = 0; i < 4; ++i) EXPECT_NEAR(back.Elem(i + 1), values[i], std::fabs(values[i]) * 1e-17);

  TIntVector iv;
  iv.Resize(3);
  iv.SetElem(1, 2147483647);
  iv.SetElem(3, -2147483647 - 1);
  ASSERT_TRUE(iv.StoreOnFile(1, 3, path));
  TIntVector ib;
  EXPECT_TRUE(ib.LoadFromFile(path, true));
  EXPECT_EQ(ib.CRCofData(), iv.CRCofData());
}

TEST_F(Files, VectorLoadCases) {
  struct Case {
    const char* file;
    std::int32_t startSize;
    bool adjust, ok;
    std::int32_t size;
    double e1, e2, e3;
    bool notified;  // the header was read
  } cases[] = {
      {"1 3\n1\n2\n3\n4\n", 1, true, true, 3, 1, 2, 3, true},          // an extra value is ignored
      {"1 3\n1\n2\n3\n", 2, false, false, 2, 9, 9, 0, true},           // the vector is too short
      {"2 3  7.5\t8e1", 3, false, true, 3, 9, 7.5, 80, true},          // any white space separates
      {"1 3\n1\nx\n3\n", 3, false, true, 3, 1, 9, 3, true},            // unreadable: element unchanged
      {"1 3\n1\n", 3, false, true, 3, 1, 9, 9, true},                  // the file ends early
      {"0 2\n5\n6\n7\n", 2, false, true, 2, 6, 7, 0, true},            // element 0 is dropped
      {"1 x\n1\n", 2, true, false, 2, 9, 9, 0, false},                  // bad header
      {"", 2, true, false, 2, 9, 9, 0, false},
      {"1 2000000000\n1\n", 2, true, false, 2, 9, 9, 0, false},         // refused, nothing allocated
      {"1 0\n", 2, true, true, 2, 9, 9, 0, true},                      // Resize refuses 0 and keeps the count
  };
  for (const Case& c : cases) {
    Write(c.file);
    TVector v;
    v.Resize(c.startSize);
    v.Fill(9);
    ChangeCounter changes(v);
    EXPECT_EQ(v.LoadFromFile(path, c.adjust), c.ok) << c.file;
    EXPECT_EQ(v.NrOfElem(), c.size) << c.file;
    EXPECT_EQ(v.Elem(1), c.e1) << c.file;
    EXPECT_EQ(v.Elem(2), c.e2) << c.file;
    EXPECT_EQ(v.Elem(3), c.e3) << c.file;
    EXPECT_EQ(changes.changes > 0, c.notified) << c.file;
  }
  EXPECT_FALSE(TVector().LoadFromFile("/nonexistent-folder/none.txt", true));
}

TEST_F(Files, IntVectorRoundsHalvesToEven) {
  Write("1 5\n2.5\n3.5\n-2.5\n1e10\n7\n");
  TIntVector v;
  v.Resize(5);
  v.Fill(1);
  EXPECT_TRUE(v.LoadFromFile(path, false));
  EXPECT_EQ(v.Elem(1), 2);
  EXPECT_EQ(v.Elem(2), 4);
  EXPECT_EQ(v.Elem(3), -2);
  EXPECT_EQ(v.Elem(4), 1);  // beyond 32 bits: unreadable, unchanged
  EXPECT_EQ(v.Elem(5), 7);
}

// ---- matrix text files ------------------------------------------------------

TEST_F(Files, MatrixTextIsByteExact) {
  TMatrix m;
  m.SetElem(1, 1, 2.5);
  EXPECT_TRUE(m.StoreOnFile(1, 1, 1, 1, path));
  EXPECT_EQ(Read(), "1 1\r\n1 1\r\n 2.500000E+0000 \r\n");
  TIntMatrix im;
  im.Resize(3, 2);
  im.SetElem(2, 1, -4);
  im.SetElem(3, 2, 12);
  EXPECT_TRUE(im.StoreOnFile(9, 0, 2, 5, path));  // columns 2..3, rows 1..2
  EXPECT_EQ(Read(), "1 2\r\n2 3\r\n-4 0 \r\n0 12 \r\n");
}

TEST_F(Files, MatrixTextRoundTripAndLoadCases) {
  TMatrix m;
  Fill(m, 3, 2);
  ASSERT_TRUE(m.StoreOnFile(1, 1, 3, 2, path));
  TMatrix back;
  ChangeCounter changes(back);
  EXPECT_TRUE(back.LoadFromFile(path, true));
  EXPECT_EQ(back.NrOfColumns(), 3);
  EXPECT_EQ(back.NrOfRows(), 2);
  EXPECT_FLOAT_EQ(back.Elem(3, 2), 32.25);
  EXPECT_GT(changes.changes, 6);

  struct Case {
    const char* file;
    bool adjust, ok;
    double c11, c21, c12;
  } cases[] = {
      {"1 2\n1 2\n1 2\n3 4\n", false, true, 1, 2, 3},
      {"1 2\n1 2\n1 x\n3 4\n", false, true, 1, 9, 3},   // unreadable value skipped
      {"1 3\n1 2\n1 2 3 4 5 6", false, false, 9, 9, 9},  // 3 rows into 2
      {"1 1\n2 2\n5", false, true, 9, 5, 9},            // only cell [2, 1]
      {"1 1\n1 1", false, true, 9, 9, 9},               // no values at all
      {"1 2\n1", true, false, 9, 9, 9},                 // header cut short
      {"1 1\n1 99999999\n", true, false, 9, 9, 9},      // refused before allocating
      {"-2000000000 2\n1 2\n1 2 3 4", false, true, 9, 9, 9},  // values go to rows below 1
  };
  for (const Case& c : cases) {
    Write(c.file);
    TMatrix t;
    t.Resize(2, 2);
    t.Fill(9);
    EXPECT_EQ(t.LoadFromFile(path, c.adjust), c.ok) << c.file;
    EXPECT_EQ(t.NrOfColumns(), 2) << c.file;
    EXPECT_EQ(t.Elem(1, 1), c.c11) << c.file;
    EXPECT_EQ(t.Elem(2, 1), c.c21) << c.file;
    EXPECT_EQ(t.Elem(1, 2), c.c12) << c.file;
  }
}

// ---- binary streams ---------------------------------------------------------

TEST(MatrixStream, LayoutAndRoundTrip) {
  TMatrix m;
  Fill(m, 2, 3);
  auto s = m.SaveToStream(nullptr, 1, 1, 2, 3);
  ASSERT_TRUE(s);
  const std::string bytes = s->str();
  ASSERT_EQ(bytes.size(), 100u);
  // The first bound, 1, as an extended real.
  EXPECT_EQ(bytes.substr(0, 10), std::string("\0\0\0\0\0\0\0\x80\xFF\x3F", 10));
  TMatrix back;
  EXPECT_TRUE(back.LoadFromStream(s.get(), true));
  EXPECT_EQ(back.CRCofData(), m.CRCofData());

  // Into a caller's stream at its position, a sub-rectangle.
  std::stringstream mine;
  mine << "HEAD";
  EXPECT_EQ(m.SaveToStream(&mine, 2, 2, 2, 3), nullptr);
  EXPECT_EQ(mine.str().size(), 4u + 10 * (4 + 2));
  mine.seekg(4);
  TMatrix part;
  part.Resize(2, 3);
  EXPECT_TRUE(part.LoadFromStream(&mine, false));
  EXPECT_EQ(part.Elem(2, 3), m.Elem(2, 3));
  EXPECT_EQ(part.Elem(1, 3), 0);

  TIntMatrix im;
  im.Resize(2, 2);
  im.SetElem(2, 1, -5);
  auto is = im.SaveToStream(nullptr, 1, 1, 2, 2);
  EXPECT_EQ(is->str().size(), 4u * (4 + 4));
  EXPECT_EQ(is->str().substr(16 + 4, 4), std::string("\xFB\xFF\xFF\xFF", 4));
  TIntMatrix ib;
  EXPECT_TRUE(ib.LoadFromStream(is.get(), true));
  EXPECT_EQ(ib.Elem(2, 1), -5);
  EXPECT_FALSE(ib.LoadFromStream(nullptr, true));
}

TEST(MatrixStream, TruncatedAndMalformed) {
  TMatrix m;
  Fill(m, 2, 3);
  const std::string bytes = m.SaveToStream(nullptr, 1, 1, 2, 3)->str();
  {
    // Only the bounds: every cell fails, nothing changes, OnChange fires.
    std::istringstream in(bytes.substr(0, 40));
    TMatrix t;
    Fill(t, 2, 3);
    t.SMult(2);
    const std::string crc = t.CRCofData();
    ChangeCounter changes(t);
    EXPECT_FALSE(t.LoadFromStream(&in, false));
    EXPECT_EQ(t.CRCofData(), crc);
    EXPECT_EQ(changes.changes, 1);
  }
  auto boundsOnly = [](double loR, double hiR, double loC, double hiC) {
    std::stringstream s;
    for (double b : {loR, hiR, loC, hiC}) WriteStreamExtended(s, b);
    return s.str();
  };
  struct Case {
    std::string bytes;
    bool adjust;
  } bad[] = {
      {bytes.substr(0, 35), true},                  // a bound cut off
      {boundsOnly(1, 2.5, 1, 2), true},             // not a whole number
      {boundsOnly(1, 1e12, 1, 2), true},            // beyond 32 bits
      {boundsOnly(1, 100000, 1, 100000), true},     // 10^10 cells refused
      {boundsOnly(1, 3, 1, 15000000), true},        // few cells, but 15 million column blocks
      {boundsOnly(1, 5, 1, 2), false},              // more rows than the matrix holds
      {boundsOnly(1, 1, 1, std::nan("")), true},
  };
  for (const Case& c : bad) {
    std::istringstream in(c.bytes);
    TMatrix t;
    t.Resize(2, 3);
    EXPECT_FALSE(t.LoadFromStream(&in, c.adjust));
    EXPECT_EQ(t.NrOfColumns(), 2);
    EXPECT_EQ(t.NrOfRows(), 3);
  }
}

// ---- XML ------------------------------------------------------------------------

TEST(MatrixXml, WriterIsByteExact) {
  TMatrix m;
  m.Resize(3, 2);
  m.SetElem(2, 1, 2.5);
  m.SetElem(1, 2, -1e20);
  m.SetDataID("Ma\xC3\x9F");  // UTF-8 inside, Windows-1252 in the file
  std::ostringstream out;
  m.WriteToXMLStream(out, true, "");
  EXPECT_EQ(out.str(),
            "<?xml version=\"1.0\"?>\r\n\r\n<!-- TMatrix / Zahlwerk Numerics -->\r\n"
            "<matrix sig=\"ZWMATRIX\" vers=\"6.0\" dim=\"2\" id=\"Ma\xDF\">\r\n"
            "<numcols>3</numcols>\r\n<numrows>2</numrows>\r\n"
            "<cell ix=\"2\" iy=\"1\">2.5</cell>\r\n<cell ix=\"1\" iy=\"2\">-1E20</cell>\r\n</matrix>\r\n");
  TIntMatrix im;
  std::ostringstream iout;
  im.WriteToXMLStream(iout, false, "grid");
  EXPECT_EQ(iout.str(),
            "\r\n<!-- TIntMatrix / Zahlwerk Numerics -->\r\n"
            "<matrix sig=\"ZWMATRIX\" vers=\"6.0\" dim=\"2\" id=\"grid\">\r\n"
            "<numcols>1</numcols>\r\n<numrows>1</numrows>\r\n</matrix>\r\n");
}

TEST(MatrixXml, SparseWriterVisitsStoredCellsRowByRow) {
  auto sp = TIntMatrix::CreateSparse(4);
  sp->SetElem(2, 1, 7);
  sp->SetElem(1, 2, 3);
  sp->SetElem(1, 1, 0);  // stored 0: left out like every 0
  std::ostringstream out;
  sp->WriteToXMLStream(out, false, "s");
  const std::string text = out.str();
  EXPECT_NE(text.find("<numcols>2</numcols>\r\n<numrows>2</numrows>\r\n"
                      "<cell ix=\"2\" iy=\"1\">7</cell>\r\n<cell ix=\"1\" iy=\"2\">3</cell>\r\n</matrix>"),
            std::string::npos);
  EXPECT_TRUE(sp->IsSparse());  // not converted
  TIntMatrix dense;
  std::istringstream in(text);
  EXPECT_TRUE(dense.ReadFromXMLStream(in, ""));
  EXPECT_EQ(dense.Elem(2, 1), 7);
  EXPECT_EQ(dense.Elem(1, 2), 3);
}

TEST(MatrixXml, RoundTripsAndIds) {
  TMatrix a, b;
  Fill(a, 3, 2);
  Fill(b, 1, 4);
  b.SetElem(1, 4, 1.0 / 3);
  std::stringstream s;
  a.WriteToXMLStream(s, true, "a");
  b.WriteToXMLStream(s, false, "b");
  struct Case {
    const char* id;
    bool ok;
    std::int32_t nc, nr;
    const char* dataId;
  } cases[] = {{"B", true, 1, 4, "b"}, {"a", true, 3, 2, "a"}, {"", true, 3, 2, "a"}, {"c", false, 2, 2, "old"}};
  for (const Case& c : cases) {
    std::istringstream in(s.str());
    TMatrix t;
    t.Resize(2, 2);
    t.SetDataID("old");
    EXPECT_EQ(t.ReadFromXMLStream(in, c.id), c.ok) << c.id;
    EXPECT_EQ(t.NrOfColumns(), c.nc) << c.id;
    EXPECT_EQ(t.NrOfRows(), c.nr) << c.id;
    EXPECT_EQ(t.DataID(), c.dataId) << c.id;
    if (c.ok && c.nc == 3) {
      EXPECT_EQ(t.CRCofData(), a.CRCofData()) << c.id;
    }
    if (c.ok && c.nc == 1) {
      EXPECT_NEAR(t.Elem(1, 4), 1.0 / 3, 1e-15);  // 15 significant digits written
    }
  }
  // LF line ends and upper-case tags read alike.
  std::istringstream lf("<MATRIX SIG=\"ZWMATRIX\" DIM=\"2\" ID=\" X \">\n<NUMCOLS>2</NUMCOLS><NUMROWS>1</NUMROWS>\n"
                        "<CELL IX=\"2\" IY=\"1\">-4.5E-3</CELL></MATRIX>\n");
  TMatrix t;
  EXPECT_TRUE(t.ReadFromXMLStream(lf, "x"));
  EXPECT_EQ(t.DataID(), "x");
  EXPECT_EQ(t.Elem(2, 1), -0.0045);
}

TEST(MatrixXml, MalformedInput) {
  struct Case {
    const char* text;
    bool ok;
    std::int32_t nc, nr;
    double c11;
  } cases[] = {
      // A matrix of zeros: no cell line, the shape is still taken.
      {"<matrix sig=\"zwmatrix\" dim=\"2\">\n<numcols>3</numcols><numrows>2</numrows></matrix>", true, 3, 2, 0},
      {"<matrix sig=\"zwmatrix\" dim=\"3\">\n<numcols>3</numcols></matrix>", false, 1, 1, 5},  // not 2-D
      {"<matrix dim=\"2\">\n<numcols>3</numcols></matrix>", false, 1, 1, 5},                  // no signature
      {"<matrix sig=\"zwmatrix\" dim=\"2\">\n<numcols>3</numcols><numrows>2</numrows>", false, 1, 1, 5},
      {"<matrix sig=\"zwmatrix\" dim=\"2\">\n<numcols>3</numcols><numrows>2</numrows><cell ix=\"1\" iy=\"1\">4</cell>",
       false, 3, 2, 4},  // cut off: the cells read stay, the result is False
      {"<matrix sig=\"zwmatrix\" dim=\"2\">\n<numcols>99999</numcols><numrows>99999</numrows><cell ix=\"1\" "
       "iy=\"1\">4</cell></matrix>",
       false, 1, 1, 5},  // refused before allocating
      {"<matrix sig=\"zwmatrix\" dim=\"2\">\n<numcols>-3</numcols><numrows>2</numrows></matrix>", false, 1, 1, 5},
      {"<matrix sig=\"zwmatrix\" dim=\"2\">\n<numcols>2</numcols><numrows>2</numrows><cell ix=\"9\" iy=\"1\">4</cell>"
       "<cell iy=\"1\">6</cell><cell ix=\"1\" iy=\"1\">1E</cell><bogus/></matrix>",
       false, 2, 2, 1},  // outside the shape, no column, dangling E; an unknown tag ends it
      {"", false, 1, 1, 5},
  };
  for (const Case& c : cases) {
    std::istringstream in(c.text);
    TMatrix t;
    t.SetElem(1, 1, 5);
    EXPECT_EQ(t.ReadFromXMLStream(in, ""), c.ok) << c.text;
    EXPECT_EQ(t.NrOfColumns(), c.nc) << c.text;
    EXPECT_EQ(t.NrOfRows(), c.nr) << c.text;
    EXPECT_EQ(t.Elem(1, 1), c.c11) << c.text;
  }
}

// Every writer of the numeric components reports a write that fails (a full
// disk at the first piece) and leaves the old file as it was.
TEST_F(Files, AFailedWriteIsReportedAndKeepsTheOldFile) {
  TVector v;
  v.Resize(3);
  TIntVector iv;
  iv.Resize(3);
  TMatrix m;
  Fill(m, 2, 2);
  TIntMatrix im;
  im.Resize(2, 2);
  TCurveFit fit;
  fit.EnterStatValue(1, 2);
  struct Case {
    const char* writer;
    std::function<bool()> write;  // true: reported as written
  };
  const Case cases[] = {
      {"TVector::StoreOnFile", [&] { return v.StoreOnFile(1, 3, 2, path); }},
      {"TIntVector::StoreOnFile", [&] { return iv.StoreOnFile(1, 3, path); }},
      {"TMatrix::StoreOnFile", [&] { return m.StoreOnFile(1, 1, 2, 2, path); }},
      {"TIntMatrix::StoreOnFile", [&] { return im.StoreOnFile(1, 1, 2, 2, path); }},
      {"SaveAsXMLFile",
       [&] {
         try {
           m.SaveAsXMLFile(path, "m");
           return true;
         } catch (const std::ios_base::failure&) {
           return false;
         }
       }},
      {"ExportAsASC", [&] { return fit.ExportAsASC(path, "", 2).empty(); }},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.writer);
    Write("old contents\r\n");
    {
      ScopedWriteFault full({WriteStage::Write, 1, ENOSPC});
      EXPECT_FALSE(c.write());
    }
    EXPECT_EQ(Read(), "old contents\r\n");
    EXPECT_TRUE(c.write());
    EXPECT_NE(Read(), "old contents\r\n");
  }
}

TEST_F(Files, XmlFileRoundTrip) {
  TIntMatrix m;
  m.Resize(2, 3);
  m.SetElem(2, 3, -2147483647 - 1);
  m.SaveAsXMLFile(path, "grid");
  TIntMatrix back;
  EXPECT_TRUE(back.LoadFromXMLFile(path, "GRID"));
  EXPECT_EQ(back.CRCofData(), m.CRCofData());
  EXPECT_FALSE(back.LoadFromXMLFile(path + ".none", ""));
  EXPECT_THROW(m.SaveAsXMLFile("/nonexistent-folder/m.xml", ""), std::ios_base::failure);
  // The open-file pair: a second matrix after the first one.
  std::FILE* f = std::fopen(path.c_str(), "wb");
  TMatrix a, b;
  b.SetElem(1, 1, 7);
  a.WriteToOpenXMLFile(f, true, "one");
  b.WriteToOpenXMLFile(f, false, "two");
  std::fclose(f);
  f = std::fopen(path.c_str(), "rb");
  TMatrix t;
  EXPECT_TRUE(t.ReadFromOpenXMLFile(f, "two"));
  std::fclose(f);
  EXPECT_EQ(t.Elem(1, 1), 7);
}

// ---- sparse text file ---------------------------------------------------------

TEST_F(Files, SparseFileIsByteExactAndReadsBack) {
  auto sp = TIntMatrix::CreateSparse(2);
  sp->SetElem(2, 5, 7);
  sp->SetElem(1, 9, -3);
  sp->SetElem(1234567, 1, 1);
  EXPECT_TRUE(sp->StoreSparseMat(path));
  EXPECT_EQ(Read(),
            "ZW_sparse_matrix\r\n     3     // number of elements in sparse matrix\r\n"
            "     1 1234567   // lowest and highest column\r\n     1      9   // lowest and highest row\r\n"
            "[1,9]=-3\r\n[2,5]=7\r\n[1234567,1]=1\r\n");
  auto back = TIntMatrix::CreateSparse(1);
  back->SetElem(3, 3, 4);  // loading merges
  EXPECT_TRUE(back->LoadSparseMat(path));
  EXPECT_EQ(back->SparseNumElem(), 4);
  EXPECT_EQ(back->Elem(1234567, 1), 1);
  EXPECT_EQ(back->Elem(3, 3), 4);

  auto empty = TIntMatrix::CreateSparse(1);
  EXPECT_TRUE(empty->StoreSparseMat(path));
  EXPECT_NE(Read().find("2147483647      1   // lowest and highest column"), std::string::npos);

  TIntMatrix dense;
  EXPECT_FALSE(dense.StoreSparseMat(path));
  EXPECT_EQ(Read(), "this matrix is not a sparse matrix\r\n");
}

TEST_F(Files, SparseLoadCases) {
  struct Case {
    const char* file;
    bool ok;
    std::int32_t stored;
  } cases[] = {
      {"zw_sparse_matrix\n3\n\n\n[1,1]=5\n[2,3]=6\n", false, 2},  // fewer lines than announced
      {"ZW_SPARSE_MATRIX\r\n  2\r\nx\r\ny\r\n[1,1]=5\r\n[2,3]=6\r\n", true, 2},
      {"zw_sparse_matrix\n2\n\n\n[1,1]=5\nno equals\n", false, 1},
      {"zw_sparse_matrix\n0\n", true, 0},
      {"zw_sparse_matrix\n-4\n\n\n[1,1]=5\n", false, 0},
      {"sparse\n1\n\n\n[1,1]=5\n", false, 0},
      {"", false, 0},
  };
  for (const Case& c : cases) {
    Write(c.file);
    auto sp = TIntMatrix::CreateSparse(1);
    EXPECT_EQ(sp->LoadSparseMat(path), c.ok) << c.file;
    EXPECT_EQ(sp->SparseNumElem(), c.stored) << c.file;
  }
  // Dense: only the cells inside the shape.
  Write("zw_sparse_matrix\n2\n\n\n[1,2]=5\n[9,9]=6\n");
  TIntMatrix dense;
  dense.Resize(2, 2);
  EXPECT_TRUE(dense.LoadSparseMat(path));
  EXPECT_EQ(dense.Elem(1, 2), 5);
  EXPECT_EQ(dense.NrOfColumns(), 2);
}

}  // namespace
}  // namespace zw
