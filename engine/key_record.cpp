#include "key_record.h"

#include <cstring>

#include "byte_order.h"

bool ParseKeyRecord(const uint8_t* block, uint32_t size, uint32_t start,
                    KeyRecord* record) {
  if (start >= size || size - start < 5) return false;
  const uint32_t wordsStart = start + 4;
  // Walk word by word: each word ends at its NUL, and a NUL where a word
  // would begin is the closing one.
  uint32_t p = wordsStart;
  while (p < size && block[p] != 0) {
    const void* zero = std::memchr(block + p, 0, size - p);
    if (zero == nullptr) return false;
    p = static_cast<uint32_t>(static_cast<const uint8_t*>(zero) - block) + 1;
  }
  if (p >= size) return false;

  record->start = start;
  record->end = p + 1;
  record->entryOffset = DecodeI32(block + start);
  record->words = block + wordsStart;
  record->wordsLength = p - wordsStart;
  return true;
}

void KeyRecord::AppendWords(std::vector<KeyWord>& out) const {
  uint32_t p = 0;
  while (p < wordsLength) {
    uint32_t length = static_cast<uint32_t>(
        std::strlen(reinterpret_cast<const char*>(words + p)));
    out.push_back(KeyWord{words + p, length});
    p += length + 1;
  }
}

std::string KeyRecord::JoinedWords() const {
  // The last word's NUL is not part of the text; the others become blanks.
  std::string joined(reinterpret_cast<const char*>(words),
                     wordsLength ? wordsLength - 1 : 0);
  for (char& c : joined) {
    if (c == '\0') c = ' ';
  }
  return joined;
}
