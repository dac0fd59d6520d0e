// FuzzSourceKey: the source key of arbitrary text must always have the
// KeyRecord layout that the KeyIndex, matching and the exports read in place.

#include <cstdlib>
#include <string>

#include "fuzz_bodies.h"
#include "fuzz_check.h"
#include "source_key.h"

namespace {

bool IsUpper(uint8_t b) { return b >= 'A' && b <= 'Z'; }

bool IsKeyByte(uint8_t b) {
  return (b >= 'a' && b <= 'z') || b == ']' || b == '`' || b == '}';
}

// The text's word bytes in text order, lower-cased: what the key's words
// must hold between them, whatever the separators were.
std::string WordBytesOf(const char* text) {
  std::string bytes;
  for (const uint8_t* p = reinterpret_cast<const uint8_t*>(text); *p; ++p) {
    const uint8_t b = IsUpper(*p) ? static_cast<uint8_t>(*p + 0x20) : *p;
    if (IsKeyByte(b)) bytes.push_back(static_cast<char>(b));
  }
  return bytes;
}

void CheckLayout(const uint8_t* key, uint32_t length,
                 const std::string& wordBytes) {
  Require(length >= 7, "a key holds at least one word");
  Require(key[0] == 0 && key[1] == 0 && key[2] == 0 && key[3] == 0,
          "the entry offset slot is zero");
  Require(key[length - 2] == 0 && key[length - 1] == 0,
          "the key ends in a NUL pair");
  std::string joined;
  uint32_t words = 0;
  uint32_t p = 4;
  while (p < length - 1) {
    const uint32_t start = p;
    while (key[p] != 0) {
      Require(IsKeyByte(key[p]), "words hold lower-case word bytes only");
      joined.push_back(static_cast<char>(key[p]));
      ++p;
    }
    Require(p > start, "no word is empty, so the only NUL pair ends the key");
    ++words;
    ++p;
  }
  Require(p == length - 1, "the closing NUL is the last byte");
  Require(joined == wordBytes, "the words are the text's word bytes");
  Require(length == wordBytes.size() + words + 5,
          "the length is the words, their NULs, the slot and the closing NUL");
}

}  // namespace

void FuzzSourceKey(const uint8_t* data, size_t size) {
  const std::string text(reinterpret_cast<const char*>(data), size);
  uint8_t* key = nullptr;
  uint32_t length = 0;
  Require(BuildSourceKey(text.c_str(), &key, &length), "the key is built");
  const std::string wordBytes = WordBytesOf(text.c_str());
  if (wordBytes.empty()) {
    Require(length == 0, "a text without word bytes has the empty key");
  } else {
    CheckLayout(key, length, wordBytes);
  }
  std::free(key);
}
