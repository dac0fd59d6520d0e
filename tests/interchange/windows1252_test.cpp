#include <gtest/gtest.h>

#include "windows1252.h"

namespace {

TEST(Windows1252Test, HighControlRangeHoldsCharactersAndFiveGaps) {
  EXPECT_EQ(Windows1252ToUnicode(0x80), 0x20AC);
  EXPECT_EQ(Windows1252ToUnicode(0x92), 0x2019);
  EXPECT_EQ(Windows1252ToUnicode(0x96), 0x2013);
  EXPECT_EQ(Windows1252ToUnicode(0x9F), 0x0178);
  for (uint8_t undefined : {0x81, 0x8D, 0x8F, 0x90, 0x9D}) {
    EXPECT_EQ(Windows1252ToUnicode(undefined), -1) << int(undefined);
  }
  EXPECT_EQ(Windows1252ToUnicode(0x7F), 0x7F);
  EXPECT_EQ(Windows1252ToUnicode(0xE9), 0xE9);
}

TEST(Windows1252Test, EveryDefinedByteMapsBack) {
  for (int b = 0; b < 256; ++b) {
    const int32_t c = Windows1252ToUnicode(static_cast<uint8_t>(b));
    if (c >= 0) {
      EXPECT_EQ(UnicodeToWindows1252(static_cast<uint32_t>(c)), b);
    }
  }
  EXPECT_EQ(UnicodeToWindows1252(0x0080), -1);  // the C1 control itself
  EXPECT_EQ(UnicodeToWindows1252(0x4E2D), -1);
}

TEST(Windows1252Test, Utf8Conversions) {
  EXPECT_EQ(Utf8ToWindows1252("caf\xC3\xA9 \xE2\x82\xAC \xE2\x80\x99"), "caf\xE9 \x80 \x92");
  EXPECT_EQ(Utf8ToWindows1252("\xE4\xB8\xAD \xF0\x9F\x98\x80"), "? ?");  // lacking
  EXPECT_EQ(Utf8ToWindows1252("a\xC3"), "a?");                         // cut short
  EXPECT_EQ(Utf8ToWindows1252("\xC0\xAF\xED\xA0\x80"), "?????");       // overlong, surrogate
  EXPECT_EQ(Windows1252ToUtf8("caf\xE9 \x80\x81"), "caf\xC3\xA9 \xE2\x82\xAC?");
}

TEST(Windows1252Test, NameIsComparedIgnoringCase) {
  EXPECT_TRUE(IsWindows1252Name("windows-1252"));
  EXPECT_TRUE(IsWindows1252Name("Windows-1252"));
  EXPECT_FALSE(IsWindows1252Name("iso-8859-1"));
  EXPECT_FALSE(IsWindows1252Name("windows-12520"));
}

}  // namespace
