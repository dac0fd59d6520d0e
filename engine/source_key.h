// SourceKey: the normalised word list that all text comparisons work on.
//
// Keys are stored in TM files and compared with keys built later, so these
// byte classes are part of the file format and must never change:
//
//   word byte  A-Z (lower-cased by adding 0x20), a-z, ] ` }
//   ignored    &   (neither ends a word nor starts one: "AT&T" gives "att")
//   separator  every other byte: controls, blanks, digits, other
//              punctuation, and every byte from 0x80 up
//
// The key comes out laid out as a KeyRecord whose entry offset is still
// zero: 4 zero bytes, the words in text order each followed by a NUL, and a
// closing NUL. A text without word bytes has the empty key (length 0).

#ifndef TARVENNA_ENGINE_SOURCE_KEY_H_
#define TARVENNA_ENGINE_SOURCE_KEY_H_

#include <cstdint>
#include <vector>

#include "key_record.h"

// Builds the key of the NUL-terminated `text`. On success sets *keyLength
// and, unless the key is empty, hands a malloc'd buffer of that many bytes
// to *keyBuffer, which the caller frees. False only when that buffer could
// not be allocated (*keyBuffer is then null).
bool BuildSourceKey(const char* text, uint8_t** keyBuffer,
                    uint32_t* keyLength);

// Owns the key of one text for the length of a scope.
class SourceKey {
 public:
  explicit SourceKey(const char* text);
  ~SourceKey();
  SourceKey(const SourceKey&) = delete;
  SourceKey& operator=(const SourceKey&) = delete;

  bool built() const { return built_; }          // false: out of memory
  bool empty() const { return length_ == 0; }
  const uint8_t* data() const { return buffer_; }
  uint8_t* data() { return buffer_; }
  uint32_t length() const { return length_; }

  // The key's words, or nothing for an empty key.
  std::vector<KeyWord> Words() const;
  // The bytes between the entry offset slot and the closing NUL.
  const uint8_t* WordBytes() const { return buffer_ + 4; }
  uint32_t WordBytesLength() const { return length_ ? length_ - 5 : 0; }

 private:
  uint8_t* buffer_ = nullptr;
  uint32_t length_ = 0;
  bool built_ = false;
};

#endif  // TARVENNA_ENGINE_SOURCE_KEY_H_
