#include "common/XmlTagReader.h"

#include "common/ChartStrings.h"
#include "platform/text/Cp1252.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <limits>

namespace zw {

namespace {

constexpr char16_t lowerAscii(char16_t c) { return (c >= u'A' && c <= u'Z') ? static_cast<char16_t>(c + 32) : c; }
constexpr char lowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; }

std::u16string lowered(std::u16string_view s) {
  std::u16string out(s);
  for (char16_t& c : out) c = lowerAscii(c);
  return out;
}

// Decodes into `out`, reusing its storage (callers read many tags into the same strings).
// Plain widening first (the compiler vectorises it); only the rare bytes
// 0x80..0x9F then take the table.
void decodeInto(std::string_view bytes, std::u16string& out) {
  const size_t n = bytes.size();
  out.resize(n);
  const auto* in = reinterpret_cast<const std::uint8_t*>(bytes.data());
  char16_t* o = out.data();
  std::uint8_t high = 0;
  for (size_t i = 0; i < n; ++i) {
    o[i] = in[i];
    high |= in[i];
  }
  if (high & 0x80)
    for (size_t i = 0; i < n; ++i) o[i] = cp1252::ToUnicode(in[i]);
}

std::string_view trimBlanks(std::string_view s) {
  const size_t first = s.find_first_not_of(' ');
  if (first == std::string_view::npos) return {};
  return s.substr(first, s.find_last_not_of(' ') - first + 1);
}

// The index of the lower-cased name in the table, else the last index.
int lookup(std::string_view name, std::span<const std::u16string_view> tags) {
  if (tags.empty()) return -1;
  const int last = static_cast<int>(tags.size()) - 1;
  for (int i = 0; i < last; ++i) {
    const std::u16string_view t = tags[static_cast<size_t>(i)];
    if (t.size() != name.size()) continue;
    size_t k = 0;
    while (k < name.size() && lowerAscii(cp1252::ToUnicode(static_cast<std::uint8_t>(name[k]))) == t[k]) ++k;
    if (k == name.size()) return i;
  }
  return last;
}

// `bytes` ends with "</" + lowerName + ">" when its ASCII capitals are lowered.
bool endsWithClosingTag(std::string_view bytes, std::string_view lowerName) {
  const size_t n = lowerName.size() + 3;
  if (bytes.size() < n) return false;
  const std::string_view tail = bytes.substr(bytes.size() - n);
  if (tail[0] != '<' || tail[1] != '/' || tail[n - 1] != '>') return false;
  for (size_t k = 0; k < lowerName.size(); ++k)
    if (lowerAscii(tail[k + 2]) != lowerName[k]) return false;
  return true;
}

// The rules on a byte source with three calls: skipPast(c) consumes up to and
// including the next c (false at the end of the input); readUntil(c, out)
// appends the bytes before the next c to out and consumes c (false when the
// input ended first); readThrough(c, scratch, found) consumes the same bytes
// and returns them with the c when found, either in place in the source's
// buffer (valid until the next call on the source) or copied into scratch.
// Bytes are decoded only at the end, which is exact because the code page
// maps byte to character one to one and only ASCII letters change case.
template <class Source>
int readTag(Source& src, std::span<const std::u16string_view> tags, std::u16string& attributes,
            std::u16string& content) {
  attributes.clear();
  content.clear();
  thread_local std::string tagScratch, bytes;
  bool closed = false;
  // The tag text with its final ">" when the input holds one; a tag cut off
  // by the end of the input has none.
  std::string_view tag;
  if (src.skipPast('<')) tag = src.readThrough('>', tagScratch, closed);

  const size_t blank = tag.find(' ');
  if (tag.find("/>") != std::string_view::npos) {
    const size_t from = blank == std::string_view::npos ? 0 : blank + 1;
    const size_t to = tag.size() >= 2 ? tag.size() - 2 : 0;
    if (from < to) decodeInto(trimBlanks(tag.substr(from, to - from)), attributes);
    return lookup(blank == std::string_view::npos ? tag : tag.substr(0, blank), tags);
  }

  std::string_view name = tag;
  if (blank != std::string_view::npos) {
    const size_t to = tag.size() - 1;  // the final ">"
    if (blank + 1 < to) decodeInto(trimBlanks(tag.substr(blank + 1, to - blank - 1)), attributes);
    name = tag.substr(0, blank);
  } else if (!name.empty()) {
    // The final character is the ">"; a tag cut off by the end of the input
    // loses its last character too, so a truncated file reads as the catch-all.
    name.remove_suffix(1);
  }
  // Names are short (the small-string buffer holds them); `tag` may point
  // into the source's buffer, so the name is copied before reading on.
  std::string lowerName(name);
  for (char& c : lowerName) c = lowerAscii(c);
  const int index = lookup(lowerName, tags);
  if (lowerName.empty() || lowerName.front() == '/') return index;

  // Only text that ends with the ">" just read can complete the closing tag
  // (an earlier one would have been found at its own ">"), so the search is
  // linear in the content length. The usual element ends at its first ">"
  // and is decoded straight from the source's buffer.
  const std::string_view first = src.readThrough('>', bytes, closed);
  if (!closed) {
    decodeInto(first, content);
    return index;
  }
  if (endsWithClosingTag(first, lowerName)) {
    decodeInto(first.substr(0, first.size() - lowerName.size() - 3), content);
    return index;
  }
  if (first.data() != bytes.data()) bytes.assign(first);
  while (src.readUntil('>', bytes)) {
    bytes += '>';
    if (endsWithClosingTag(bytes, lowerName)) {
      bytes.resize(bytes.size() - lowerName.size() - 3);
      break;
    }
  }
  decodeInto(bytes, content);
  return index;
}

// readThrough for a source whose bytes are not at hand in one piece.
template <class Source>
std::string_view readThroughCopy(Source& src, char c, std::string& scratch, bool& found) {
  scratch.clear();
  found = src.readUntil(c, scratch);
  if (found) scratch += c;
  return scratch;
}

// Reads the stream's buffered bytes in place, so that the delimiters are
// found with memchr; a stream without a buffer is read byte by byte.
struct BufferAccess : std::streambuf {
  static char* begin(std::streambuf* b) { return (b->*(&BufferAccess::gptr))(); }
  static char* end(std::streambuf* b) { return (b->*(&BufferAccess::egptr))(); }
  static void consume(std::streambuf* b, std::ptrdiff_t n) { (b->*(&BufferAccess::gbump))(static_cast<int>(n)); }
};

struct StreamSource {
  std::istream& in;

  // Scans for c, handing every byte before it to `take`; consumes c.
  template <class Take>
  bool scan(char c, Take take) {
    std::streambuf* buf = in.rdbuf();
    if (!buf || !in.good()) return false;
    for (;;) {
      char* g = BufferAccess::begin(buf);
      char* e = BufferAccess::end(buf);
      if (g == e) {
        if (buf->sgetc() == std::char_traits<char>::eof()) {
          in.setstate(std::ios::eofbit);
          return false;
        }
        if (BufferAccess::begin(buf) == BufferAccess::end(buf)) {  // unbuffered
          const char ch = std::char_traits<char>::to_char_type(buf->sbumpc());
          if (ch == c) return true;
          take(&ch, &ch + 1);
        }
        continue;
      }
      // A get area is far below 2 GB, so the consumed count fits gbump's int.
      const std::ptrdiff_t n = std::min<std::ptrdiff_t>(e - g, 1 << 30);
      if (const void* hit = std::memchr(g, c, static_cast<size_t>(n))) {
        const char* h = static_cast<const char*>(hit);
        take(g, h);
        BufferAccess::consume(buf, h - g + 1);
        return true;
      }
      take(g, g + n);
      BufferAccess::consume(buf, n);
    }
  }
  bool skipPast(char c) {
    return scan(c, [](const char*, const char*) {});
  }
  bool readUntil(char c, std::string& out) {
    return scan(c, [&out](const char* from, const char* to) { out.append(from, to); });
  }
  std::string_view readThrough(char c, std::string& scratch, bool& found) {
    std::streambuf* buf = in.rdbuf();
    if (buf && in.good()) {
      char* g = BufferAccess::begin(buf);
      const std::ptrdiff_t n = std::min<std::ptrdiff_t>(BufferAccess::end(buf) - g, 1 << 30);
      if (n > 0)
        if (const void* hit = std::memchr(g, c, static_cast<size_t>(n))) {
          const char* h = static_cast<const char*>(hit);
          BufferAccess::consume(buf, h - g + 1);  // the bytes stay in place until the next read
          found = true;
          return {g, static_cast<size_t>(h - g + 1)};
        }
    }
    return readThroughCopy(*this, c, scratch, found);
  }
};

struct FileSource {
  std::FILE* f;
  bool skipPast(char c) {
    if (!f) return false;
    for (int ch; (ch = getc_unlocked(f)) != EOF;)
      if (ch == static_cast<unsigned char>(c)) return true;
    return false;
  }
  bool readUntil(char c, std::string& out) {
    if (!f) return false;
    for (int ch; (ch = getc_unlocked(f)) != EOF;) {
      if (ch == static_cast<unsigned char>(c)) return true;
      out += static_cast<char>(ch);
    }
    return false;
  }
  std::string_view readThrough(char c, std::string& scratch, bool& found) {
    return readThroughCopy(*this, c, scratch, found);
  }
};

}  // namespace

int ReadXMLTagFromStream(std::istream& in, std::span<const std::u16string_view> tagNames,
                         std::u16string& attributes, std::u16string& content) {
  StreamSource src{in};
  return readTag(src, tagNames, attributes, content);
}

int ReadXMLTagFromFile(std::FILE* file, std::span<const std::u16string_view> tagNames,
                       std::u16string& attributes, std::u16string& content) {
  FileSource src{file};
  return readTag(src, tagNames, attributes, content);
}

void ReadAttributeValue(std::u16string_view attrText, std::u16string_view attrName, std::u16string& value) {
  value.clear();
  const std::u16string wanted = lowered(attrName);
  enum class State { name, valueStart, quoted, bare };
  size_t pos = 0;
  while (pos < attrText.size()) {
    State state = State::name;
    std::u16string name, val;
    bool complete = false;
    while (!complete && pos < attrText.size()) {
      const char16_t c = attrText[pos];
      switch (state) {
        case State::name:
          if (c == u'"') return;  // a name never holds a quote
          if (c == u'=') state = State::valueStart;
          else name += c;
          break;
        case State::valueStart:
          if (c == u'"') state = State::quoted;
          else if (c == u'=') return;
          else if (c != u' ') {
            state = State::bare;
            val += c;
          }
          break;
        case State::quoted:
          if (c == u'"') complete = true;
          else val += c;
          break;
        case State::bare:
          if (c == u' ' || c == u'"') complete = true;
          else if (c == u'=') return;
          else val += c;
          break;
      }
      ++pos;
    }
    if (lowered(TrimBlanks(name)) == wanted) {
      value = std::move(val);
      return;
    }
  }
}

std::u16string ReadAttributeValue(std::u16string_view attrText, std::u16string_view attrName) {
  std::u16string value;
  ReadAttributeValue(attrText, attrName, value);
  return value;
}

}  // namespace zw
