// The tag reader of the matrix files and of the HTML label's attributes.
#include <cstdio>
#include <gtest/gtest.h>
#include <sstream>
#include <string>
#include <vector>

#include "common/Cp1252.h"
#include "common/XmlTagReader.h"

namespace zw {
namespace {

constexpr std::u16string_view kTags[] = {u"numcols", u"numrows", u"cell", u"matrix", u"/matrix", u"invalidtag"};
constexpr int kCell = 2, kMatrix = 3, kEndMatrix = 4, kInvalid = 5;

struct Read {
  int tag;
  std::u16string attributes, content;
  std::string rest;  // what the stream still holds
};

Read readStream(const std::string& text) {
  std::istringstream in(text);
  Read r;
  r.tag = ReadXMLTagFromStream(in, kTags, r.attributes, r.content);
  r.rest.assign(std::istreambuf_iterator<char>(in), {});
  return r;
}

TEST(XmlTagReader, OneTagFromAStream) {
  struct Case { std::string input; int tag; std::u16string attributes, content; std::string rest; } cases[] = {
      // empty-element tag: name looked up, attributes trimmed, no content
      {"<cell  row=\"1\" col=\"2\" />next", kCell, u"row=\"1\" col=\"2\"", u"", "next"},
      {"  text before <numcols>3</numcols>\n<x>", 0, u"", u"3", "\n<x>"},
      // closing tag in upper case; nested elements stay raw
      {"<Matrix a=\"1\">x<cell/>y</MATRIX>tail", kMatrix, u"a=\"1\"", u"x<cell/>y", "tail"},
      {"<cell>a</cel></cell>", kCell, u"", u"a</cel>", ""},
      // the closing tag never comes: everything to the end
      {"<matrix>abc<cell>", kMatrix, u"", u"abc<cell>", ""},
      // an end tag reads no content
      {"</matrix><cell>1</cell>", kEndMatrix, u"", u"", "<cell>1</cell>"},
      // unknown names give the catch-all, their content is still read
      {"<foo>1</foo>2", kInvalid, u"", u"1", "2"},
      {"<br/>x", kInvalid, u"br", u"", "x"},
      {"<>x", kInvalid, u"", u"", "x"},
      // the end of the input
      {"", kInvalid, u"", u"", ""},
      {"no tag at all", kInvalid, u"", u"", ""},
      {"<matrix", kInvalid, u"", u"", ""},  // cut off: not taken for a matrix
      // bytes are Windows-1252 characters
      {"<cell>\x80 \xE4\x9F</cell>", kCell, u"", u"\u20AC \u00E4\u0178", ""},
  };
  for (const Case& c : cases) {
    const Read r = readStream(c.input);
    EXPECT_EQ(r.tag, c.tag) << c.input;
    EXPECT_EQ(r.attributes, c.attributes) << c.input;
    EXPECT_EQ(r.content, c.content) << c.input;
    EXPECT_EQ(r.rest, c.rest) << c.input;
  }
}

const char kMatrixFile[] =
    "<numcols>2</numcols><numrows>1</numrows>\n"
    "<cell col=\"1\" row=\"1\">0.5</cell>\n<cell col=\"2\" row=\"1\">-1E3</cell>\n</matrix>";

std::vector<Read> readAll(auto readOne) {
  std::vector<Read> all;
  for (int guard = 0; guard < 20; ++guard) {
    Read r;
    r.tag = readOne(r.attributes, r.content);
    all.push_back(r);
    if (r.tag == kInvalid && r.attributes.empty() && r.content.empty()) break;
  }
  return all;
}

TEST(XmlTagReader, AMatrixFileReadsAlikeFromStreamAndFile) {
  std::istringstream in(kMatrixFile);
  const auto fromStream =
      readAll([&](std::u16string& a, std::u16string& c) { return ReadXMLTagFromStream(in, kTags, a, c); });

  std::FILE* f = std::tmpfile();
  ASSERT_NE(f, nullptr);
  std::fputs(kMatrixFile, f);
  std::rewind(f);
  const auto fromFile =
      readAll([&](std::u16string& a, std::u16string& c) { return ReadXMLTagFromFile(f, kTags, a, c); });
  std::fclose(f);

  ASSERT_EQ(fromStream.size(), fromFile.size());
  for (size_t i = 0; i < fromStream.size(); ++i) {
    EXPECT_EQ(fromStream[i].tag, fromFile[i].tag) << i;
    EXPECT_EQ(fromStream[i].attributes, fromFile[i].attributes) << i;
    EXPECT_EQ(fromStream[i].content, fromFile[i].content) << i;
  }
  std::vector<int> tags;
  for (const Read& r : fromStream) tags.push_back(r.tag);
  EXPECT_EQ(tags, (std::vector<int>{0, 1, kCell, kCell, kEndMatrix, kInvalid}));
  EXPECT_EQ(fromStream[2].attributes, u"col=\"1\" row=\"1\"");
  EXPECT_EQ(fromStream[2].content, u"0.5");
  EXPECT_EQ(fromStream[3].content, u"-1E3");
}

TEST(XmlTagReader, LongContentIsReadWhole) {
  // A closing-tag search over the whole content after every ">" made this
  // quadratic; the result must be the same as a plain search.
  std::string body;
  for (int i = 0; i < 20000; ++i) body += "<b>" + std::to_string(i) + "</b>";
  const Read r = readStream("<matrix>" + body + "</Matrix>x");
  EXPECT_EQ(r.tag, kMatrix);
  EXPECT_EQ(r.content.size(), body.size());
  EXPECT_EQ(r.rest, "x");
}

TEST(XmlTagReader, ReadAttributeValue) {
  struct Case { std::u16string_view text, name, value; } cases[] = {
      {u"color=\"#0000EE\"", u"color", u"#0000EE"},
      {u"color=#0000EE", u"COLOR", u"#0000EE"},
      {u"COLOR = 255", u"color", u"255"},
      {u"size= 12 face=\"Liberation Sans\"", u"face", u"Liberation Sans"},
      {u"a=1 b=\"x = y\" c=3", u"c", u"3"},
      {u"a=\"1\"b=2", u"b", u"2"},           // a quote ends a pair as well
      {u"a=1 a=2", u"a", u"1"},              // the first one wins
      {u"a=1", u"b", u""},
      {u"", u"a", u""},
      {u"a\"b=1 c=2", u"c", u""},            // quote inside a name
      {u"a==1 c=2", u"c", u""},              // "=="
      {u"a=1=2 c=2", u"c", u""},             // "=" inside a bare value
      {u"a=\"open", u"a", u"open"},          // the end completes the pair
      {u"flag", u"flag", u""},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(ReadAttributeValue(c.text, c.name), c.value)
        << std::string(c.text.begin(), c.text.end()) << " / " << std::string(c.name.begin(), c.name.end());
  }
}

TEST(Cp1252, DecodesTheTypographicRange) {
  EXPECT_EQ(cp1252::ToUnicode(0x41), u'A');
  EXPECT_EQ(cp1252::ToUnicode(0x80), u'\u20AC');
  EXPECT_EQ(cp1252::ToUnicode(0x81), u'\u0081');
  EXPECT_EQ(cp1252::ToUnicode(0x96), u'\u2013');
  EXPECT_EQ(cp1252::ToUnicode(0xA0), u'\u00A0');
  EXPECT_EQ(cp1252::ToUnicode(0xFF), u'\u00FF');
}

}  // namespace
}  // namespace zw
