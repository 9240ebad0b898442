#pragma once
// Text and stream routines of the vector and matrix files: the number
// scanners of the XML and sparse formats, the fixed-width real form of the
// text files, the 10-byte extended reals of the binary stream, line reading,
// and the 8-bit code page of identifiers. Nothing here depends on the C
// locale: numbers go through to_chars/from_chars with "." as the point.
#include <array>
#include <cstdint>
#include <cstdio>
#include <istream>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

namespace zw {

// Most cells a size read from a file may ask for (2^26); larger sizes are
// refused before anything is allocated. The fuzz targets build with a smaller
// limit: they test the logic of the limit, and at the full size they would
// only measure how much freed memory the sanitizer keeps.
#ifndef ZW_MAX_FILE_CELLS_LOG2
#define ZW_MAX_FILE_CELLS_LOG2 26
#endif
inline constexpr std::int64_t kMaxFileCells = std::int64_t{1} << ZW_MAX_FILE_CELLS_LOG2;

// Every column of a dense matrix is a block of its own on the heap; a file
// asking for millions of columns of one row costs far more than its cells.
// The shape check counts each column as this many cells more.
inline constexpr std::int64_t kColumnCostCells = 16;

// A count read from a file that a matrix or vector may take: 1 .. 2^31 - 1,
// and columns * (rows + kColumnCostCells) within kMaxFileCells.
bool UsableFileShape(std::int64_t columns, std::int64_t rows);

// The integer at Pos (1-based): blanks skipped, an optional sign, digits.
// Pos is left on the first character after the digits. Without digits the
// result is 0; a value beyond 32 bits saturates.
std::int32_t ScanInteger(std::string_view Text, std::int32_t& Pos);

// The real at Pos. SepMode 1 accepts "." as decimal separator, 2 ",", 3
// both; AllowExp allows an exponent after "E". Pos is left on the character
// that ended the number. A malformed start gives 0; a dangling "E" or "E+"
// is dropped. The result is limited to -1.7e308 .. 1.7e308.
double ScanReal(std::string_view Text, bool AllowExp, int SepMode, std::int32_t& Pos);

// The formatted-real form of the text files: Decimals >= 0 fixed (from a
// magnitude of 1e36 on the exponent form instead), right-aligned in Width;
// Decimals < 0 the exponent form of Width characters with Width - 8
// significant digits (2 .. 18) and four exponent digits.
std::string FormatReal(double x, int Width, int Decimals);

// The shortest general text of x with at most 15 significant digits, "."
// as the point, the exponent form ("1.5E20", "2E-7") outside 1e-5 .. 1e15.
std::string FormatGeneral15(double x);

// x87 extended real: 8 bytes of mantissa (explicit integer bit), then sign
// and 15-bit exponent (bias 16383), little-endian.
using TExtendedBytes = std::array<unsigned char, 10>;
TExtendedBytes EncodeExtended(double x);
long double DecodeExtended(const TExtendedBytes& bytes);

// Binary stream items; the readers give nothing at the end of the stream.
void WriteStreamExtended(std::ostream& out, double x);
void WriteStreamInteger(std::ostream& out, std::int32_t v);
std::optional<long double> ReadStreamExtended(std::istream& in);
std::optional<std::int32_t> ReadStreamInteger(std::istream& in);

// A line of bytes up to a line feed, control characters other than TAB
// dropped (so CR LF and LF ends both work). False at the end of the input
// when nothing was read.
bool ReadStreamLine(std::istream& in, std::string& line);
bool ReadFileLine(std::FILE* file, std::string& line);

// Whole files: false when the file cannot be opened or read. (Files are
// written through WriteFileAtomic of common/AtomicFile.h.)
bool ReadWholeFile(const std::string& name, std::string& bytes);

// Identifiers: UTF-8 inside the program, Windows-1252 in the files.
std::string Utf8ToCp1252(std::string_view utf8);
std::string Cp1252ToUtf8(std::string_view bytes);
std::string LowerAscii(std::string_view s);

// White-space separated numbers of the vector and matrix text files.
class TTextNumbers {
public:
  enum class TRead { Ok, Bad, End };
  explicit TTextNumbers(std::string_view text) : text_(text) {}
  TRead Integer(std::int32_t& value);
  TRead Real(double& value);

private:
  std::string_view next();
  std::string_view text_;
  std::size_t pos_ = 0;
};

}  // namespace zw
