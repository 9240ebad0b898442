// Files and streams of the two matrices: the text file, the binary stream,
// the XML element and (TIntMatrix) the sparse text file. Counts and bounds
// read from a file are checked before anything is allocated.
#include <algorithm>
#include <cmath>
#include <ios>
#include <string>
#include <type_traits>
#include <vector>

#include "common/AtomicFile.h"
#include "common/XmlTagReader.h"
#include "numerics/IntMatrix.h"
#include "numerics/Matrix.h"
#include "numerics/NumberText.h"

namespace zw {

namespace {

// The rectangle of the writers: reversed pairs exchanged, low bounds raised
// to 1, high bounds cut to the counts.
struct TRect {
  std::int32_t loC, loR, hiC, hiR;
  bool empty() const { return loC > hiC || loR > hiR; }
};

TRect WriteRect(std::int32_t LoC, std::int32_t LoR, std::int32_t HiC, std::int32_t HiR, std::int32_t nc,
                std::int32_t nr) {
  if (LoC > HiC) std::swap(LoC, HiC);
  if (LoR > HiR) std::swap(LoR, HiR);
  return {std::max(LoC, 1), std::max(LoR, 1), std::min(HiC, nc), std::min(HiR, nr)};
}

std::string Bounds(std::int32_t lo, std::int32_t hi) { return std::to_string(lo) + " " + std::to_string(hi) + "\r\n"; }

// Characters of the tag reader's texts; numbers are ASCII, anything else
// only has to stay out of their way.
std::string Narrow(const std::u16string& s) {
  std::string out(s.size(), '?');
  for (std::size_t i = 0; i < s.size(); ++i)
    if (s[i] < 0x80) out[i] = static_cast<char>(s[i]);
  return out;
}

std::string TrimBlanks8(std::string_view s) {
  const std::size_t a = s.find_first_not_of(' ');
  if (a == std::string_view::npos) return {};
  return std::string(s.substr(a, s.find_last_not_of(' ') - a + 1));
}

// The integer after `name` and its double quote in an attribute text.
std::optional<std::int32_t> AttributeInteger(const std::string& lowerAttrs, std::string_view name) {
  const std::size_t at = lowerAttrs.find(name);
  if (at == std::string::npos) return std::nullopt;
  std::size_t next = at + name.size();
  if (next < lowerAttrs.size() && lowerAttrs[next] == '"') ++next;
  auto pos = static_cast<std::int32_t>(next + 1);
  return ScanInteger(lowerAttrs, pos);
}

// A bound of the stream: a whole number of 32 bits.
std::optional<std::int32_t> WholeBound(std::optional<long double> v) {
  if (!v || !(*v >= -2147483648.0L && *v <= 2147483647.0L) || *v != std::nearbyint(*v)) return std::nullopt;
  return static_cast<std::int32_t>(*v);
}

constexpr std::u16string_view kXmlTags[] = {u"numcols", u"numrows", u"numplanes", u"cell",
                                            u"matrix",  u"/matrix", u"invalidtag"};
enum { kNumCols, kNumRows, kNumPlanes, kCell, kMatrix, kEndMatrix };

}  // namespace

template <class Derived, class T>
bool TGridT<Derived, T>::StoreOnFile(std::int32_t LoC, std::int32_t LoR, std::int32_t HiC, std::int32_t HiR,
                                     const std::string& FileName) const {
  const TRect r = WriteRect(LoC, LoR, HiC, HiR, FNCol, FNRow);
  std::string text = Bounds(r.loR, r.hiR) + Bounds(r.loC, r.hiC);
  for (std::int32_t row = r.loR; row <= r.hiR; ++row) {
    for (std::int32_t col = r.loC; col <= r.hiC; ++col) {
      if constexpr (std::is_integral_v<T>)
        text += std::to_string(self().Elem(col, row));
      else
        text += FormatReal(self().Elem(col, row), 15, -1);
      text += ' ';
    }
    text += "\r\n";
  }
  return WriteFileAtomic(FileName, text);
}

template <class Derived, class T>
bool TGridT<Derived, T>::LoadFromFile(const std::string& FileName, bool AdjustMatrixSize) {
  std::string bytes;
  if (!ReadWholeFile(FileName, bytes)) return false;
  TTextNumbers in(bytes);
  std::int32_t loR, hiR, loC, hiC;
  for (std::int32_t* b : {&loR, &hiR, &loC, &hiC})
    if (in.Integer(*b) != TTextNumbers::TRead::Ok) return false;
  if (AdjustMatrixSize) {
    if (!UsableFileShape(hiC, hiR)) return false;
    self().Resize(hiC, hiR);
  }
  const bool ok = FNRow >= hiR && FNCol >= hiC;
  // Every cell takes one item of the file, so the end of the file ends the loops.
  bool more = ok && loC <= hiC;
  for (std::int64_t row = loR; more && row <= hiR; ++row)
    for (std::int64_t col = loC; col <= hiC; ++col) {
      T v{};
      TTextNumbers::TRead got;
      if constexpr (std::is_integral_v<T>)
        got = in.Integer(v);
      else
        got = in.Real(v);
      if (got == TTextNumbers::TRead::End) {
        more = false;
        break;
      }
      if (got == TTextNumbers::TRead::Ok)
        self().SetElem(static_cast<std::int32_t>(col), static_cast<std::int32_t>(row), v);
    }
  Changed();
  return ok;
}

template <class Derived, class T>
std::unique_ptr<std::stringstream> TGridT<Derived, T>::SaveToStream(std::ostream* OutStream, std::int32_t LoC,
                                                                    std::int32_t LoR, std::int32_t HiC,
                                                                    std::int32_t HiR) const {
  std::unique_ptr<std::stringstream> created;
  if (!OutStream) {
    created = std::make_unique<std::stringstream>(std::ios::in | std::ios::out | std::ios::binary);
    OutStream = created.get();
  }
  const TRect r = WriteRect(LoC, LoR, HiC, HiR, FNCol, FNRow);
  auto put = [&](T v) {
    if constexpr (std::is_integral_v<T>)
      WriteStreamInteger(*OutStream, v);
    else
      WriteStreamExtended(*OutStream, v);
  };
  for (std::int32_t b : {r.loR, r.hiR, r.loC, r.hiC}) put(static_cast<T>(b));
  for (std::int32_t row = r.loR; row <= r.hiR; ++row)
    for (std::int32_t col = r.loC; col <= r.hiC; ++col) put(self().Elem(col, row));
  return created;
}

template <class Derived, class T>
bool TGridT<Derived, T>::LoadFromStream(std::istream* InStream, bool AdjustMatrixSize) {
  if (!InStream) return false;
  auto readBound = [&]() -> std::optional<std::int32_t> {
    if constexpr (std::is_integral_v<T>)
      return ReadStreamInteger(*InStream);
    else
      return WholeBound(ReadStreamExtended(*InStream));
  };
  std::int32_t b[4];  // LoR, HiR, LoC, HiC
  for (std::int32_t& v : b) {
    const auto got = readBound();
    if (!got) return false;
    v = *got;
  }
  const auto [loR, hiR, loC, hiC] = b;
  if (AdjustMatrixSize) {
    if (!UsableFileShape(hiC, hiR)) return false;
    self().Resize(hiC, hiR);
  }
  bool ok = FNRow >= hiR && FNCol >= hiC;
  bool more = ok && loC <= hiC;
  for (std::int64_t row = loR; more && row <= hiR; ++row)
    for (std::int64_t col = loC; col <= hiC; ++col) {
      T v{};
      if constexpr (std::is_integral_v<T>) {
        const auto got = ReadStreamInteger(*InStream);
        if (got) v = *got;
        more = got.has_value();
      } else {
        const auto got = ReadStreamExtended(*InStream);
        if (got) v = static_cast<double>(*got);
        more = got.has_value();
      }
      if (!more) {
        // The stream has ended: this cell and every later one cannot be read.
        ok = false;
        break;
      }
      self().SetElem(static_cast<std::int32_t>(col), static_cast<std::int32_t>(row), v);
    }
  Changed();
  return ok;
}

template <class Derived, class T>
std::string TGridT<Derived, T>::xmlText(bool CreateHeader, const std::string& DataID) const {
  const std::string id = Utf8ToCp1252(DataID.empty() ? FDataID : DataID);
  std::string text;
  if (CreateHeader) text += "<?xml version=\"1.0\"?>\r\n";
  text += "\r\n";
  text += std::is_integral_v<T> ? "<!-- TIntMatrix / Zahlwerk Numerics -->\r\n"
                                : "<!-- TMatrix / Zahlwerk Numerics -->\r\n";
  text += "<matrix sig=\"ZWMATRIX\" vers=\"6.0\" dim=\"2\" id=\"" + id + "\">\r\n";
  text += "<numcols>" + std::to_string(FNCol) + "</numcols>\r\n";
  text += "<numrows>" + std::to_string(FNRow) + "</numrows>\r\n";
  auto cell = [&](std::int32_t col, std::int32_t row, T v) {
    if (v == 0) return;
    text += "<cell ix=\"" + std::to_string(col) + "\" iy=\"" + std::to_string(row) + "\">";
    if constexpr (std::is_integral_v<T>)
      text += std::to_string(v);
    else
      text += FormatGeneral15(v);
    text += "</cell>\r\n";
  };
  if constexpr (std::is_same_v<Derived, TIntMatrix>) {
    if (self().IsSparse()) {
      // The stored elements in the order of the dense cells (row by row);
      // unstored cells hold 0 and are left out like every 0.
      std::vector<TSpMatElemInt> elems;
      for (const TSpMatElemInt& e : self().SparseElements())
        if (e.colidx >= 1 && e.rowidx >= 1 && e.colidx <= FNCol && e.rowidx <= FNRow) elems.push_back(e);
      std::sort(elems.begin(), elems.end(), [](const TSpMatElemInt& a, const TSpMatElemInt& b) {
        return a.rowidx != b.rowidx ? a.rowidx < b.rowidx : a.colidx < b.colidx;
      });
      for (const TSpMatElemInt& e : elems) cell(e.colidx, e.rowidx, e.value);
      text += "</matrix>\r\n";
      return text;
    }
  }
  for (std::int32_t row = 1; row <= FNRow; ++row)
    for (std::int32_t col = 1; col <= FNCol; ++col) cell(col, row, self().Elem(col, row));
  text += "</matrix>\r\n";
  return text;
}

template <class Derived, class T>
void TGridT<Derived, T>::WriteToXMLStream(std::ostream& OutStream, bool CreateHeader,
                                          const std::string& DataID) const {
  const std::string text = xmlText(CreateHeader, DataID);
  OutStream.write(text.data(), static_cast<std::streamsize>(text.size()));
}

template <class Derived, class T>
void TGridT<Derived, T>::WriteToOpenXMLFile(std::FILE* F, bool CreateHeader, const std::string& DataID) const {
  const std::string text = xmlText(CreateHeader, DataID);
  if (F) std::fwrite(text.data(), 1, text.size(), F);
}

template <class Derived, class T>
void TGridT<Derived, T>::SaveAsXMLFile(const std::string& FName, const std::string& DataID) const {
  std::string reason;
  if (!WriteFileAtomic(FName, xmlText(true, DataID), &reason))
    throw std::ios_base::failure("cannot write file \"" + FName + "\": " + reason);
}

template <class Derived, class T>
template <class ReadLine, class ReadTag>
bool TGridT<Derived, T>::readXml(const std::string& DataID, ReadLine readLine, ReadTag readTag) {
  const std::string want = LowerAscii(Utf8ToCp1252(DataID));
  std::string line, id;
  bool found = false;
  while (!found && readLine(line)) {
    const std::string l = LowerAscii(line);
    if (l.find("<matrix") == std::string::npos || l.find("zwmatrix") == std::string::npos) continue;
    if (AttributeInteger(l, "dim=") != 2) continue;
    id.clear();
    if (const std::size_t at = l.find("id="); at != std::string::npos) {
      const std::size_t open = l.find('"', at + 3);
      if (open != std::string::npos) {
        const std::size_t close = l.find('"', open + 1);
        id = TrimBlanks8(std::string_view(l).substr(open + 1, close == std::string::npos ? std::string::npos
                                                                                           : close - open - 1));
      }
    }
    found = want.empty() || id == want;
  }
  if (!found) return false;
  FDataID = Cp1252ToUtf8(id);

  std::int64_t pendingC = 0, pendingR = 0;
  std::int32_t shapeC = 0, shapeR = 0;
  bool shaped = false;
  // The counts read so far, with every cell 0; false for counts no matrix
  // file may ask for.
  auto takeShape = [&] {
    if (!UsableFileShape(pendingC, pendingR)) return false;
    shapeC = static_cast<std::int32_t>(pendingC);
    shapeR = static_cast<std::int32_t>(pendingR);
    self().Resize(shapeC, shapeR);
    self().Fill(0);
    shaped = true;
    return true;
  };
  std::u16string attrs, content;
  bool result = false;
  for (bool reading = true; reading;) {
    const int tag = readTag(kXmlTags, attrs, content);
    switch (tag) {
      case kNumCols:
      case kNumRows: {
        std::int32_t pos = 1;
        (tag == kNumCols ? pendingC : pendingR) = ScanInteger(Narrow(content), pos);
        break;
      }
      case kNumPlanes:
      case kMatrix:
        break;
      case kCell: {
        if (!shaped && !takeShape()) {
          reading = false;
          break;
        }
        const std::string a = LowerAscii(Narrow(attrs));
        const auto col = AttributeInteger(a, "ix="), row = AttributeInteger(a, "iy=");
        if (!col || !row || *col < 1 || *row < 1 || *col > shapeC || *row > shapeR) break;
        const std::string c = Narrow(content);
        std::int32_t pos = 1;
        if constexpr (std::is_integral_v<T>)
          self().SetElem(*col, *row, ScanInteger(c, pos));
        else
          self().SetElem(*col, *row, ScanReal(c, true, 1, pos));
        break;
      }
      case kEndMatrix:
        result = shaped || takeShape();
        reading = false;
        break;
      default:
        reading = false;
        break;
    }
  }
  Changed();
  return result;
}

template <class Derived, class T>
bool TGridT<Derived, T>::ReadFromXMLStream(std::istream& InStream, const std::string& DataID) {
  return readXml(
      DataID, [&](std::string& line) { return ReadStreamLine(InStream, line); },
      [&](std::span<const std::u16string_view> tags, std::u16string& attrs, std::u16string& content) {
        return ReadXMLTagFromStream(InStream, tags, attrs, content);
      });
}

template <class Derived, class T>
bool TGridT<Derived, T>::ReadFromOpenXMLFile(std::FILE* F, const std::string& DataID) {
  if (!F) return false;
  return readXml(
      DataID, [&](std::string& line) { return ReadFileLine(F, line); },
      [&](std::span<const std::u16string_view> tags, std::u16string& attrs, std::u16string& content) {
        return ReadXMLTagFromFile(F, tags, attrs, content);
      });
}

template <class Derived, class T>
bool TGridT<Derived, T>::LoadFromXMLFile(const std::string& FName, const std::string& DataID) {
  std::FILE* f = std::fopen(FName.c_str(), "rb");
  if (!f) return false;
  bool ok = false;
  try {
    ok = ReadFromOpenXMLFile(f, DataID);
  } catch (const std::exception&) {
    ok = false;
  }
  std::fclose(f);
  return ok;
}

template class TGridT<TMatrix, double>;
template class TGridT<TIntMatrix, std::int32_t>;

// ---- the sparse text file --------------------------------------------------------

namespace {

// Right-aligned in 6 characters; wider numbers in full.
std::string Aligned6(std::int32_t v) {
  std::string s = std::to_string(v);
  if (s.size() < 6) s.insert(0, 6 - s.size(), ' ');
  return s;
}

}  // namespace

bool TIntMatrix::StoreSparseMat(const std::string& FileName) const {
  if (!FIsSparse) {
    // The file says why it holds no matrix; the result is false either way.
    (void)WriteFileAtomic(FileName, "this matrix is not a sparse matrix\r\n");
    return false;
  }
  std::string text = "ZW_sparse_matrix\r\n";
  text += Aligned6(SparseNumElem()) + "     // number of elements in sparse matrix\r\n";
  text += Aligned6(FSparseLowCol) + " " + Aligned6(FSparseHighCol) + "   // lowest and highest column\r\n";
  text += Aligned6(FSparseLowRow) + " " + Aligned6(FSparseHighRow) + "   // lowest and highest row\r\n";
  for (const TSpMatElemInt& e : SpMat)
    text += "[" + std::to_string(e.colidx) + "," + std::to_string(e.rowidx) + "]=" + std::to_string(e.value) +
            "\r\n";
  return WriteFileAtomic(FileName, text);
}

bool TIntMatrix::LoadSparseMat(const std::string& FileName) {
  std::string bytes;
  if (!ReadWholeFile(FileName, bytes)) return false;
  std::size_t pos = 0;
  // Text lines: LF ends a line, a CR before it is dropped; no line after a final LF.
  auto nextLine = [&](std::string_view& line) {
    if (pos >= bytes.size()) return false;
    const std::size_t end = std::min(bytes.find('\n', pos), bytes.size());
    line = std::string_view(bytes).substr(pos, end - pos);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    pos = end + 1;
    return true;
  };
  std::string_view line;
  if (!nextLine(line) || LowerAscii(line).find("zw_sparse_matrix") == std::string::npos) return false;
  std::int32_t announced = 0;
  if (nextLine(line)) {
    std::int32_t p = 1;
    announced = ScanInteger(line, p);
  }
  if (announced <= 0) return announced == 0;
  nextLine(line);  // the bounds follow from the elements
  nextLine(line);
  std::int64_t count = 0;
  bool bad = false;
  while (nextLine(line)) {
    ++count;
    const std::size_t eq = line.find('=');
    if (eq == std::string_view::npos) {
      bad = true;
      continue;
    }
    std::int32_t p = static_cast<std::int32_t>(std::min<std::size_t>(eq + 2, 2147483647));
    const std::int32_t value = ScanInteger(line, p);
    p = 2;
    const std::int32_t col = ScanInteger(line, p);
    ++p;  // the comma
    const std::int32_t row = ScanInteger(line, p);
    SetElem(col, row, value);
  }
  return count == announced && !bad;
}

}  // namespace zw
