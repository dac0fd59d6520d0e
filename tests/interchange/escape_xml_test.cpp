#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "escape_xml.h"

namespace {

struct EscapeCase {
  std::string text;
  bool quotes;
  bool c1;
  std::string escaped;
};

TEST(EscapeXmlTest, Cases) {
  const EscapeCase cases[] = {
      {"", false, false, ""},
      {"a&b<c>d", false, false, "a&amp;b&lt;c>d"},
      {"\"it's\"", false, false, "\"it's\""},
      {"\"it's\"", true, false, "&quot;it&apos;s&quot;"},
      {"&amp;", false, false, "&amp;amp;"},
      {"\x80\x9F\x7F\xA0\xE9", false, true, "??\x7F\xA0\xE9"},
      {"\x80\x9F\x7F\xA0\xE9", false, false, "\x80\x9F\x7F\xA0\xE9"},
      // "]]>" may not stand in XML content; a lone ">" may.
      {"a]]>b", false, false, "a]]&gt;b"},
      {"]>]]]>", false, false, "]>]]]&gt;"},
      // Controls no XML 1.0 document may hold; TAB, LF and CR stay.
      {std::string("a\x01\x08\x0B\x0C\x1A\x1F\tb\nc\rd", 13), false, false, "a??????\tb\nc\rd"},
      {std::string("x\0y", 3), false, false, "x?y"},
  };
  for (const EscapeCase& c : cases) {
    std::string text = c.text;
    const char* result = EscapeXml(text, c.quotes, c.c1);
    EXPECT_EQ(text, c.escaped) << c.text;
    EXPECT_STREQ(result, c.escaped.c_str());
    EXPECT_EQ(result, text.c_str());
  }
}

TEST(EscapeXmlTest, EachCallEscapesAgain) {
  std::string text = "a&b";
  EscapeXml(text, false, false);
  EscapeXml(text, false, false);
  EXPECT_EQ(text, "a&amp;amp;b");
}

}  // namespace
