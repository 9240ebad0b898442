#include "common/XmlTagReader.h"

#include "common/StringHelpers.h"
#include "common/Cp1252.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <limits>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace zw {

namespace {

constexpr char16_t lowerAscii(char16_t c) { return (c >= u'A' && c <= u'Z') ? static_cast<char16_t>(c + 32) : c; }
constexpr char lowerAscii(char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; }

std::u16string lowered(std::u16string_view s) {
  std::u16string out(s);
  for (char16_t& c : out) c = lowerAscii(c);
  return out;
}

// The first c in [p, e), or null. The usual hit is a few bytes away (the next
// tag after a line break, the end of a short tag or cell value), where a call
// of memchr costs more than the search, so the first 64 bytes are compared
// inline, 16 at a time; memchr takes the long runs.
[[gnu::always_inline]] inline const char* findByte(const char* p, const char* e, char c) {
#if defined(__SSE2__)
  const __m128i needle = _mm_set1_epi8(c);
  for (int k = 0; k < 4 && e - p >= 16; ++k, p += 16) {
    const __m128i chunk = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p));
    if (const unsigned mask = static_cast<unsigned>(_mm_movemask_epi8(_mm_cmpeq_epi8(chunk, needle))))
      return p + __builtin_ctz(mask);
  }
  if (e - p < 16) {
    for (; p < e; ++p)
      if (*p == c) return p;
    return nullptr;
  }
#endif
  return p < e ? static_cast<const char*>(std::memchr(p, c, static_cast<size_t>(e - p))) : nullptr;
}

// Decodes into `out`, reusing its storage: callers read many tags into the
// same strings, and `out` is not cleared first, so only growth is filled
// before it is overwritten. Plain widening first; only the rare bytes
// 0x80..0x9F then take the table.
void decodeInto(std::string_view bytes, std::u16string& out) {
  const size_t n = bytes.size();
  out.resize(n);
  const auto* in = reinterpret_cast<const std::uint8_t*>(bytes.data());
  char16_t* o = out.data();
  unsigned high = 0;  // bit 7: a byte of 0x80 or above
  size_t i = 0;
#if defined(__SSE2__)
  const __m128i zero = _mm_setzero_si128();
  for (; i + 16 <= n; i += 16) {
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(in + i));
    if (_mm_movemask_epi8(v)) high = 0x80;
    _mm_storeu_si128(reinterpret_cast<__m128i*>(o + i), _mm_unpacklo_epi8(v, zero));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(o + i + 8), _mm_unpackhi_epi8(v, zero));
  }
  if (i + 8 <= n) {
    const __m128i v = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(in + i));
    if (_mm_movemask_epi8(v)) high = 0x80;
    _mm_storeu_si128(reinterpret_cast<__m128i*>(o + i), _mm_unpacklo_epi8(v, zero));
    i += 8;
  }
#endif
  for (; i < n; ++i) {
    o[i] = in[i];
    high |= in[i];
  }
  if (high & 0x80)
    for (i = 0; i < n; ++i) o[i] = cp1252::ToUnicode(in[i]);
}

// Decodes the bytes between the first and last non-blank of [from, to) of s.
void decodeTrimmedInto(std::string_view s, size_t from, size_t to, std::u16string& out) {
  while (from < to && s[from] == ' ') ++from;
  while (to > from && s[to - 1] == ' ') --to;
  decodeInto(s.substr(from, to - from), out);
}

// The index of the name in the table, compared in lower case; else the last index.
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

// `bytes` ends with "</" + name + ">", both compared with their ASCII capitals lowered.
[[gnu::always_inline]] inline bool endsWithClosingTag(std::string_view bytes, std::string_view name) {
  const size_t n = name.size() + 3;
  if (bytes.size() < n) return false;
  const char* tail = bytes.data() + bytes.size() - n;
  if (tail[0] != '<' || tail[1] != '/' || tail[n - 1] != '>') return false;
  for (size_t k = 0; k < name.size(); ++k)
    if (lowerAscii(tail[k + 2]) != lowerAscii(name[k])) return false;
  return true;
}

// A scratch string per thread for the bytes that are not at hand in one
// piece; its storage is kept from call to call.
std::string& scratch(int which) {
  thread_local std::string buffers[2];
  return buffers[which];
}

// The rules on a byte source with four calls: skipPast(c) consumes up to and
// including the next c (false at the end of the input); readUntil(c, out)
// appends the bytes before the next c to out and consumes c (false when the
// input ended first); readThrough(c, found) consumes the same bytes and
// returns them with the c when found, either in place in the source's buffer
// (valid until the next call on the source) or copied into a scratch string;
// peekThrough(c, out) does the same only when the bytes lie in place and
// consumes nothing otherwise, so that views taken before stay valid.
// Bytes are decoded only at the end, which is exact because the code page
// maps byte to character one to one and only ASCII letters change case.
template <class Source>
int readTag(Source& src, std::span<const std::u16string_view> tags, std::u16string& attributes,
            std::u16string& content) {
  bool closed = false;
  // The tag text with its final ">" when the input holds one; a tag cut off
  // by the end of the input has none.
  std::string_view tag;
  if (src.skipPast('<')) tag = src.readThrough('>', closed);

  // The tag ends at its first ">", so "/>" can only be its end.
  const char* blankAt = static_cast<const char*>(tag.empty() ? nullptr : std::memchr(tag.data(), ' ', tag.size()));
  const size_t blank = blankAt ? static_cast<size_t>(blankAt - tag.data()) : std::string_view::npos;
  if (closed && tag.size() >= 2 && tag[tag.size() - 2] == '/') {
    const size_t from = blank == std::string_view::npos ? 0 : blank + 1;
    const size_t to = tag.size() - 2;
    if (from < to) decodeTrimmedInto(tag, from, to, attributes);
    else attributes.clear();
    content.clear();
    return lookup(blank == std::string_view::npos ? tag : tag.substr(0, blank), tags);
  }

  std::string_view name = tag;
  attributes.clear();
  content.clear();
  if (blank != std::string_view::npos) {
    const size_t to = tag.size() - 1;  // the final ">"
    if (blank + 1 < to) decodeTrimmedInto(tag, blank + 1, to, attributes);
    name = tag.substr(0, blank);
  } else if (!name.empty()) {
    // The final character is the ">"; a tag cut off by the end of the input
    // loses its last character too, so a truncated file reads as the catch-all.
    name.remove_suffix(1);
  }
  const int index = lookup(name, tags);
  if (name.empty() || name.front() == '/') return index;

  // Only text that ends with the ">" just read can complete the closing tag
  // (an earlier one would have been found at its own ">"), so the search is
  // linear in the content length. The usual element ends at its first ">"
  // and is decoded straight from the source's buffer.
  std::string_view first;
  if (src.peekThrough('>', first)) {
    if (endsWithClosingTag(first, name)) {
      decodeInto(first.substr(0, first.size() - name.size() - 3), content);
      return index;
    }
  }
  // `name` may point into the source's buffer, which reading on may refill.
  const std::string nameCopy(name);
  std::string& bytes = scratch(1);
  bytes.assign(first);
  while (src.readUntil('>', bytes)) {
    bytes += '>';
    if (endsWithClosingTag(bytes, nameCopy)) {
      bytes.resize(bytes.size() - nameCopy.size() - 3);
      break;
    }
  }
  decodeInto(bytes, content);
  return index;
}

// readThrough for a source whose bytes are not at hand in one piece.
template <class Source>
std::string_view readThroughCopy(Source& src, char c, bool& found) {
  std::string& bytes = scratch(0);
  bytes.clear();
  found = src.readUntil(c, bytes);
  if (found) bytes += c;
  return bytes;
}

// The bytes a stream holds in its buffer. Most tags and elements lie there
// whole, and reading them needs neither the stream's checks nor a copy. A
// search that reaches the end of the bytes sets `ranOut`: the result is then
// dropped, and the tag is read again from the stream, where nothing was consumed.
struct SpanSource {
  const char* p;
  const char* e;
  bool ranOut = false;

  const char* find(char c) {
    const char* h = findByte(p, e, c);
    if (!h) ranOut = true;
    return h;
  }
  bool skipPast(char c) {
    const char* h = find(c);
    if (h) p = h + 1;
    return h;
  }
  bool readUntil(char c, std::string& out) {
    const char* h = find(c);
    if (!h) return false;
    out.append(p, h);
    p = h + 1;
    return true;
  }
  bool peekThrough(char c, std::string_view& out) {
    const char* h = find(c);
    if (!h) return false;
    out = {p, static_cast<size_t>(h + 1 - p)};
    p = h + 1;
    return true;
  }
  std::string_view readThrough(char c, bool& found) {
    std::string_view out;
    found = peekThrough(c, out);
    return out;
  }
};

// Reads the stream's buffered bytes in place, so that the delimiters are
// found without a call per byte; a stream without a buffer is read byte by byte.
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
      e = g + std::min<std::ptrdiff_t>(e - g, 1 << 30);
      if (const char* h = findByte(g, e, c)) {
        take(g, h);
        BufferAccess::consume(buf, h - g + 1);
        return true;
      }
      take(g, e);
      BufferAccess::consume(buf, e - g);
    }
  }
  bool skipPast(char c) {
    return scan(c, [](const char*, const char*) {});
  }
  bool readUntil(char c, std::string& out) {
    return scan(c, [&out](const char* from, const char* to) { out.append(from, to); });
  }
  bool peekThrough(char c, std::string_view& out) {
    std::streambuf* buf = in.rdbuf();
    if (!buf || !in.good()) return false;
    const char* g = BufferAccess::begin(buf);
    const char* h = findByte(g, g + std::min<std::ptrdiff_t>(BufferAccess::end(buf) - g, 1 << 30), c);
    if (!h) return false;
    BufferAccess::consume(buf, h - g + 1);  // the bytes stay in place until the next read
    out = {g, static_cast<size_t>(h - g + 1)};
    return true;
  }
  std::string_view readThrough(char c, bool& found) {
    std::string_view out;
    if ((found = peekThrough(c, out))) return out;
    return readThroughCopy(*this, c, found);
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
  bool peekThrough(char, std::string_view&) { return false; }
  std::string_view readThrough(char c, bool& found) { return readThroughCopy(*this, c, found); }
};

}  // namespace

int ReadXMLTagFromStream(std::istream& in, std::span<const std::u16string_view> tagNames,
                         std::u16string& attributes, std::u16string& content) {
  if (std::streambuf* buf = in.rdbuf(); buf && in.good()) {
    char* begin = BufferAccess::begin(buf);
    // A get area is far below 2 GB, so the consumed count fits gbump's int.
    SpanSource span{begin, begin + std::min<std::ptrdiff_t>(BufferAccess::end(buf) - begin, 1 << 30)};
    const int index = readTag(span, tagNames, attributes, content);
    if (!span.ranOut) {
      BufferAccess::consume(buf, span.p - begin);
      return index;
    }
  }
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
