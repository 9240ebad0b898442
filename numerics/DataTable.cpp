// Data tables ("ASC" files): a title line, the column and row counts, the
// attribute switches, optional column names, then the rows of numbers.
// Numbers go through to_chars/from_chars, never the C locale.
#include <algorithm>
#include <cctype>
#include <charconv>
#include <cstring>
#include <fstream>
#include <ios>
#include <iterator>
#include <sstream>
#include <utility>

#include "common/AtomicFile.h"
#include "common/StringHelpers.h"
#include "common/Cp1252.h"
#include "numerics/CurveFit.h"
#include "numerics/NumComponent.h"
#include "numerics/NumberText.h"

namespace zw {

namespace {

// More rows than this would ask for more cells than a file may (two a row).
constexpr std::int32_t kMaxRows = static_cast<std::int32_t>(kMaxFileCells / 2);

std::string ReadWholeFile(const std::string& name) {
  std::ifstream in(name, std::ios::binary);
  if (!in) throw std::ios_base::failure("cannot open file \"" + name + "\"");
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// Cuts the next line (ended by LF, a CR before it dropped) from text at pos.
std::string NextLine(const std::string& text, std::size_t& pos) {
  const std::size_t end = std::min(text.find('\n', pos), text.size());
  std::string line = text.substr(pos, end - pos);
  pos = end < text.size() ? end + 1 : end;
  if (!line.empty() && line.back() == '\r') line.pop_back();
  return line;
}

// An integer at the start of the line (after blanks), with range check.
bool LeadingInteger(const std::string& line, std::int32_t& value) {
  std::size_t i = line.find_first_not_of(" \t");
  if (i == std::string::npos) return false;
  if (line[i] == '+') ++i;
  const auto [p, ec] = std::from_chars(line.data() + i, line.data() + line.size(), value);
  return ec == std::errc() && p != line.data() + i;
}

std::string Trim(const std::string& s) {
  const std::size_t a = s.find_first_not_of(' ');
  if (a == std::string::npos) return "";
  return s.substr(a, s.find_last_not_of(' ') - a + 1);
}

bool IsSpace(char c) { return static_cast<unsigned char>(c) <= ' '; }

// Reads white-space separated items from the body of a table.
class TBodyReader {
public:
  TBodyReader(const std::string& text, std::size_t pos) : text_(text), pos_(pos) {}
  bool Number(double& value) {
    while (pos_ < text_.size() && IsSpace(text_[pos_])) ++pos_;
    const std::size_t start = pos_;
    while (pos_ < text_.size() && !IsSpace(text_[pos_])) ++pos_;
    if (start == pos_) return false;
    const char* first = text_.data() + start;
    if (*first == '+') ++first;
    const auto [p, ec] = std::from_chars(first, text_.data() + pos_, value);
    return ec == std::errc() && p == text_.data() + pos_;
  }
  // A name token; it may be quoted to hold blanks.
  void Name() {
    std::u16string token;
    TQuotedStrState state = TQuotedStrState::vsStart;
    while (pos_ < text_.size()) {
      const char16_t ch = cp1252::ToUnicode(static_cast<std::uint8_t>(text_[pos_++]));
      if (ScanQuotedStr(ch, u'"', token, state)) return;
    }
  }

private:
  const std::string& text_;
  std::size_t pos_;
};

}  // namespace

std::uint8_t ReadAscHeader(const std::string& FileName, std::string& Title, std::int32_t& NumCols,
                           std::int32_t& NumRows, bool& RowAttributes, bool& ColumnNames, bool& RowNames,
                           bool& Fourth) {
  const std::string text = ReadWholeFile(FileName);
  std::size_t pos = 0;
  Title = NextLine(text, pos);
  NumCols = NumRows = 0;
  RowAttributes = ColumnNames = RowNames = Fourth = false;
  if (!LeadingInteger(NextLine(text, pos), NumCols)) return 255;
  if (Title.find('\n') != std::string::npos) return 252;
  if (!LeadingInteger(NextLine(text, pos), NumRows)) return 254;
  std::string sw = NextLine(text, pos);
  std::replace(sw.begin(), sw.end(), '\t', ' ');
  std::transform(sw.begin(), sw.end(), sw.begin(), [](char c) {
    return static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
  });
  sw = Trim(sw);
  bool* const switches[] = {&RowAttributes, &ColumnNames, &RowNames};
  for (bool* s : switches) {
    if (sw.rfind("TRUE", 0) == 0) {
      *s = true;
      sw.erase(0, 4);
    } else if (sw.rfind("FALSE", 0) == 0) {
      sw.erase(0, 5);
    } else {
      return 253;
    }
    sw = Trim(sw);
  }
  Fourth = sw.rfind("TRUE", 0) == 0;
  return 0;
}

std::string TCurveFit::ExportAsASC(const std::string& FName, const std::string& Comment,
                                   std::int32_t Precision) const {
  std::string title = Comment;
  // Both line-break characters: the title must stay on one line to read back.
  std::replace(title.begin(), title.end(), '\n', ' ');
  std::replace(title.begin(), title.end(), '\r', ' ');
  if (title.empty()) title = "Exported by Zahlwerk TCurveFit component: " + FName;
  std::string text = title + "\r\n";
  text += "2\t;nr. of columns\r\n";
  text += std::to_string(FNumData) + "\t;nr. of rows\r\n";
  text += "FALSE TRUE FALSE\t;row attributes, column names, row names\r\n";
  text += "x   y\r\n";
  for (std::int32_t i = 1; i <= FNumData; ++i) {
    text += FormatFixedWidth(1, Precision, FData->Elem(1, i));
    text += '\t';
    text += FormatFixedWidth(1, Precision, FData->Elem(2, i));
    text += "\r\n";
  }
  std::string reason;
  if (!WriteFileAtomic(FName, text, &reason)) return "cannot write file \"" + FName + "\": " + reason;
  return "";
}

std::int32_t TCurveFit::ImportASC(const std::string& FName) {
  invalidateCaches();
  std::string title;
  std::int32_t cols, rows;
  bool rowAttr, colNames, rowNames, fourth;
  const std::uint8_t code = ReadAscHeader(FName, title, cols, rows, rowAttr, colNames, rowNames, fourth);
  if (code != 0) return code;
  if (fourth) return -7;
  if (cols != 2)
    throw EZwMath2Error("TCurveFit.ImportASC: number of columns must be 2 (is actually " + std::to_string(cols) +
                        ").");
  // A row count that cannot be a table is refused before anything is allocated.
  if (rows < 0 || rows > kMaxRows) return 254;
  const std::string text = ReadWholeFile(FName);
  std::size_t pos = 0;
  for (int i = 0; i < 4; ++i) NextLine(text, pos);
  TBodyReader body(text, pos);
  if (colNames)
    for (std::int32_t c = 0; c < cols; ++c) body.Name();
  // Read into a temporary: a failed import leaves the object as it was.
  std::vector<std::pair<double, double>> pairs;
  for (std::int32_t r = 0; r < rows; ++r) {
    double attr, x, y;
    if (rowAttr && !body.Number(attr)) return 251;
    if (rowNames) body.Name();
    if (!body.Number(x) || !body.Number(y)) return 250;
    pairs.emplace_back(x, y);
  }
  Init();
  FData->Resize(2, rows);
  for (auto [x, y] : pairs) EnterStatValue(x, y);
  return 0;
}

}  // namespace zw
