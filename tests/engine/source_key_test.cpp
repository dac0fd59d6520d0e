// Source keys: which bytes make words, and the KeyRecord layout they take.

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>
#include <vector>

#include "source_key.h"
#include "test_support.h"

namespace {

std::vector<std::string> WordsOf(const SourceKey& key) {
  std::vector<std::string> words;
  for (const KeyWord& word : key.Words()) {
    words.emplace_back(reinterpret_cast<const char*>(word.bytes), word.length);
  }
  return words;
}

struct KeyCase {
  std::string text;
  std::vector<std::string> words;
  uint32_t length;
};

TEST(SourceKeyTest, WordsAndLengths) {
  const KeyCase cases[] = {
      {"Save &As...", {"save", "as"}, 13},
      {"  Hello, World!  ", {"hello", "world"}, 17},
      {"R2-D2", {"r", "d"}, 9},
      {"Don't", {"don", "t"}, 11},
      {"AT&T", {"att"}, 9},
      {"a & b", {"a", "b"}, 9},
      {"x[1]", {"x", "]"}, 9},
      {"{a}", {"a}"}, 8},
      {"Version 2.0", {"version"}, 13},
      {"OPEN File", {"open", "file"}, 15},
      {"open file", {"open", "file"}, 15},
      {"caf\xE9 au lait", {"caf", "au", "lait"}, 17},
      {"123 !!!", {}, 0},
      {"", {}, 0},
      {"&&&", {}, 0},
      // Separators the table singles out, one of each.
      {"a\\b^c_d{e|f~g\x7Fh\x80i\xFFj", {"a", "b", "c", "d", "e", "f", "g", "h", "i", "j"}, 25},
      {"a`b]c}d", {"a`b]c}d"}, 13},
      {"\t\r\nTab\tand\r\nlines\x01", {"tab", "and", "lines"}, 19},
      // A separator, then an ampersand, still separates.
      {"ab &cd", {"ab", "cd"}, 11},
      {"ab& cd", {"ab", "cd"}, 11},
  };
  for (const KeyCase& c : cases) {
    SourceKey key(c.text.c_str());
    ASSERT_TRUE(key.built()) << c.text;
    EXPECT_EQ(key.length(), c.length) << c.text;
    EXPECT_EQ(WordsOf(key), c.words) << c.text;
  }
}

TEST(SourceKeyTest, BufferIsAKeyRecordWithAZeroOffset) {
  uint8_t* buffer = nullptr;
  uint32_t length = 0;
  ASSERT_TRUE(BuildSourceKey("Save &As...", &buffer, &length));
  const Bytes expected = {0, 0, 0, 0, 's', 'a', 'v', 'e', 0, 'a', 's', 0, 0};
  ASSERT_EQ(length, expected.size());
  EXPECT_EQ(Bytes(buffer, buffer + length), expected);
  std::free(buffer);
}

TEST(SourceKeyTest, EmptyKeyDeliversNoBuffer) {
  uint8_t* buffer = reinterpret_cast<uint8_t*>(&buffer);  // must stay as it is
  uint8_t* const before = buffer;
  uint32_t length = 99;
  ASSERT_TRUE(BuildSourceKey("12 -- 34", &buffer, &length));
  EXPECT_EQ(length, 0u);
  EXPECT_EQ(buffer, before);
}

// Every byte from 0x01 to 0xFF on its own: exactly the word bytes give a
// one-word key, and only A to Z change.
TEST(SourceKeyTest, EveryByteFallsInExactlyOneClass) {
  for (int b = 1; b <= 0xFF; ++b) {
    const char text[] = {'x', static_cast<char>(b), 'y', 0};
    SourceKey key(text);
    std::vector<std::string> words = WordsOf(key);
    const bool word = (b >= 'A' && b <= 'Z') || (b >= 'a' && b <= 'z') ||
                      b == ']' || b == '`' || b == '}';
    std::vector<std::string> expected;
    if (word) {
      char lower = static_cast<char>((b >= 'A' && b <= 'Z') ? b + 0x20 : b);
      expected = {std::string("x") + lower + "y"};
    } else if (b == '&') {
      expected = {"xy"};
    } else {
      expected = {"x", "y"};
    }
    EXPECT_EQ(words, expected) << "byte " << b;
  }
}

}  // namespace
