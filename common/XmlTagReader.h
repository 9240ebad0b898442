#pragma once
// A reader for the simple tag-structured text of the matrix files (and of the
// HTML label's font attributes), without a full XML parser. Nothing is kept
// between calls: the caller's stream or file keeps the position.
//
// Tag tables are the caller's lower-case names in order; the LAST entry is
// the answer for every name that is not in the table (callers end it with a
// catch-all such as "invalidtag"). End tags are looked up with their "/", so
// a table can list "/matrix". The table must not be empty.
//
//   constexpr std::u16string_view kTags[] = {u"numcols", u"cell", u"/matrix", u"invalidtag"};
//   std::u16string attrs, content;
//   int tag = ReadXMLTagFromStream(in, kTags, attrs, content);
//
// Bytes are Windows-1252 characters. Malformed input never throws; the end of
// the input yields the last index with empty Attributes and Content.
#include <cstdio>
#include <istream>
#include <span>
#include <string>
#include <string_view>

namespace zw {

// Reads up to the next "<", then the tag up to its ">".
// - "<name attr />": Attributes = the trimmed text between the first blank
//   and "/>", no content; the result is the index of the lower-cased name.
//   Without a blank ("<br/>") the whole text before "/>" is Attributes and the
//   lookup of the whole tag text gives the last index.
// - "<name attr>": Attributes = the trimmed text after the first blank; unless
//   the name is empty or starts with "/", Content collects every following
//   byte up to the closing "</name>" (matched without regard to case), or up
//   to the end of the input when it never comes. Nested elements of other
//   names stay in Content as raw text.
int ReadXMLTagFromStream(std::istream& in, std::span<const std::u16string_view> tagNames,
                         std::u16string& attributes, std::u16string& content);

// The same rules on a file opened in binary mode ("rb").
int ReadXMLTagFromFile(std::FILE* file, std::span<const std::u16string_view> tagNames,
                       std::u16string& attributes, std::u16string& content);

// The value of attribute `attrName` (without regard to case) in an attribute
// text such as `color="#0000EE" size=12`; name = "v", name = v and name= v
// read alike, blanks inside a quoted value are kept, the first of repeated
// attributes wins. Empty when the name is absent or the text is malformed up
// to it (a double quote in a name, "==", "=" inside a bare value).
void ReadAttributeValue(std::u16string_view attrText, std::u16string_view attrName, std::u16string& value);
std::u16string ReadAttributeValue(std::u16string_view attrText, std::u16string_view attrName);

}  // namespace zw
