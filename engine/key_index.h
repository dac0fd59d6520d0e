// KeyIndex: every entry's KeyRecord, byte for byte as at the end of the file.
//
// The block is kept whole in memory while a TM is open: matching works on it
// in place and never reads the index from disk. Records are only ever
// appended (and the last one taken back when its entry could not be
// written), so a record's position in the block never changes.

#ifndef TARVENNA_ENGINE_KEY_INDEX_H_
#define TARVENNA_ENGINE_KEY_INDEX_H_

#include <cstdint>

#include "key_record.h"

class KeyIndex {
 public:
  KeyIndex() = default;
  ~KeyIndex();
  KeyIndex(const KeyIndex&) = delete;
  KeyIndex& operator=(const KeyIndex&) = delete;

  // Replaces the contents by `size` uninitialised bytes for the caller to
  // fill. False when they cannot be allocated; the index is then empty.
  bool Reset(uint32_t size);

  // Appends one record. False, with nothing changed, when out of memory.
  bool Append(const uint8_t* record, uint32_t length);

  // Drops every byte from `size` on.
  void TruncateTo(uint32_t size);

  // Drops the bytes after the last complete record: a record cut short at
  // the end of a damaged index, which no reader ever reaches.
  void DropCutRecord();

  void Clear();

  uint8_t* data() { return block_; }
  const uint8_t* data() const { return block_; }
  uint32_t size() const { return size_; }
  bool empty() const { return size_ == 0; }

  // The complete record that starts at `start`, if there is one.
  bool RecordAt(uint32_t start, KeyRecord* record) const {
    return ParseKeyRecord(block_, size_, start, record);
  }

 private:
  uint8_t* block_ = nullptr;
  uint32_t size_ = 0;
  uint32_t capacity_ = 0;
};

#endif  // TARVENNA_ENGINE_KEY_INDEX_H_
