#include "common/XmlTagReader.h"

#include "common/ChartStrings.h"
#include "common/Cp1252.h"

namespace zw {

namespace {

constexpr char16_t lowerAscii(char16_t c) { return (c >= u'A' && c <= u'Z') ? static_cast<char16_t>(c + 32) : c; }

std::u16string lowered(std::u16string_view s) {
  std::u16string out(s);
  for (char16_t& c : out) c = lowerAscii(c);
  return out;
}

int lookup(std::u16string_view name, std::span<const std::u16string_view> tags) {
  if (tags.empty()) return -1;
  const std::u16string lower = lowered(name);
  const int last = static_cast<int>(tags.size()) - 1;
  for (int i = 0; i < last; ++i)
    if (tags[static_cast<size_t>(i)] == lower) return i;
  return last;
}

bool endsWith(std::u16string_view s, std::u16string_view tail) {
  return s.size() >= tail.size() && s.substr(s.size() - tail.size()) == tail;
}

// `next()` gives the next character, or -1 at the end of the input.
template <class Next>
int readTag(Next next, std::span<const std::u16string_view> tags, std::u16string& attributes,
            std::u16string& content) {
  attributes.clear();
  content.clear();
  int ch;
  do {
    ch = next();
  } while (ch >= 0 && ch != u'<');

  std::u16string tag;
  if (ch >= 0) {
    while ((ch = next()) >= 0) {
      tag += static_cast<char16_t>(ch);
      if (ch == u'>') break;
    }
  }

  const size_t blank = tag.find(u' ');
  if (tag.find(u"/>") != std::u16string::npos) {
    const size_t from = blank == std::u16string::npos ? 0 : blank + 1;
    const size_t to = tag.size() >= 2 ? tag.size() - 2 : 0;
    attributes = TrimBlanks(from < to ? std::u16string_view(tag).substr(from, to - from) : std::u16string_view());
    if (blank != std::u16string::npos) tag.erase(blank);
    return lookup(tag, tags);
  }

  if (blank != std::u16string::npos) {
    const size_t to = tag.size() - 1;  // the final ">"
    attributes = TrimBlanks(blank + 1 < to ? std::u16string_view(tag).substr(blank + 1, to - blank - 1)
                                           : std::u16string_view());
    tag.erase(blank, to - blank);
  }
  // The final character is the ">"; a tag cut off by the end of the input
  // loses its last character too, so a truncated file reads as the catch-all.
  if (!tag.empty()) tag.pop_back();
  const std::u16string name = lowered(tag);
  const int index = lookup(name, tags);
  if (name.empty() || name.front() == u'/') return index;

  // Only the text that ends with the ">" just read can complete the closing
  // tag (an earlier one would have been found at its own ">"), so testing the
  // tail keeps the search linear in the content length.
  const std::u16string closing = u"</" + name + u">";
  std::u16string lowerContent;
  while ((ch = next()) >= 0) {
    content += static_cast<char16_t>(ch);
    lowerContent += lowerAscii(static_cast<char16_t>(ch));
    if (ch == u'>' && endsWith(lowerContent, closing)) {
      content.resize(content.size() - closing.size());
      break;
    }
  }
  return index;
}

}  // namespace

int ReadXMLTagFromStream(std::istream& in, std::span<const std::u16string_view> tagNames,
                         std::u16string& attributes, std::u16string& content) {
  std::streambuf* buf = in.rdbuf();
  auto next = [&]() -> int {
    if (!buf) return -1;
    const auto c = buf->sbumpc();
    if (c == std::char_traits<char>::eof()) {
      in.setstate(std::ios::eofbit);
      return -1;
    }
    return Cp1252ToUnicode(static_cast<std::uint8_t>(c));
  };
  return readTag(next, tagNames, attributes, content);
}

int ReadXMLTagFromFile(std::FILE* file, std::span<const std::u16string_view> tagNames,
                       std::u16string& attributes, std::u16string& content) {
  auto next = [&]() -> int {
    if (!file) return -1;
    const int c = std::getc(file);
    return c == EOF ? -1 : Cp1252ToUnicode(static_cast<std::uint8_t>(c));
  };
  return readTag(next, tagNames, attributes, content);
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
