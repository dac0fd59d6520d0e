// KeyRecord: one entry's record in the KeyIndex, read in place.
//
//   u32 entry offset (little-endian) | word NUL | word NUL | ... | NUL
//
// The words are the entry's SourceKey. A record is complete only when its
// closing NUL lies inside the block that holds it; readers never look past
// the end of that block, so a damaged index cannot make them overrun it.

#ifndef TARVENNA_ENGINE_KEY_RECORD_H_
#define TARVENNA_ENGINE_KEY_RECORD_H_

#include <cstdint>
#include <string>
#include <vector>

// One key word, pointing into the buffer that holds it.
struct KeyWord {
  const uint8_t* bytes;
  uint32_t length;
};

struct KeyRecord {
  uint32_t start = 0;         // position of the record in its block
  uint32_t end = 0;           // position just past its closing NUL
  int32_t entryOffset = -1;   // where the entry record lies in the TM file
  const uint8_t* words = nullptr;  // first word byte
  uint32_t wordsLength = 0;   // bytes from `words` up to the closing NUL

  // The words in stored order, appended to `out`.
  void AppendWords(std::vector<KeyWord>& out) const;
  // The words joined by single blanks, as the exports write them.
  std::string JoinedWords() const;
};

// Reads the record that starts at `start` in a block of `size` bytes. False
// when no complete record starts there (the block ends first).
bool ParseKeyRecord(const uint8_t* block, uint32_t size, uint32_t start,
                    KeyRecord* record);

inline bool operator==(const KeyWord& a, const KeyWord& b) {
  if (a.length != b.length) return false;
  for (uint32_t i = 0; i < a.length; ++i) {
    if (a.bytes[i] != b.bytes[i]) return false;
  }
  return true;
}

#endif  // TARVENNA_ENGINE_KEY_RECORD_H_
