#include "key_index.h"

#include <cstdlib>
#include <cstring>

KeyIndex::~KeyIndex() { std::free(block_); }

bool KeyIndex::Reset(uint32_t size) {
  Clear();
  if (size == 0) return true;
  block_ = static_cast<uint8_t*>(std::malloc(size));
  if (block_ == nullptr) return false;
  size_ = capacity_ = size;
  return true;
}

bool KeyIndex::Append(const uint8_t* record, uint32_t length) {
  const uint64_t needed = static_cast<uint64_t>(size_) + length;
  if (needed > UINT32_MAX) return false;
  if (needed > capacity_) {
    // Growing by half again keeps a long import from copying the whole
    // index once per entry.
    uint64_t capacity = capacity_ + capacity_ / 2;
    if (capacity < needed) capacity = needed;
    if (capacity < 256) capacity = 256;
    if (capacity > UINT32_MAX) capacity = UINT32_MAX;
    void* grown = std::realloc(block_, static_cast<size_t>(capacity));
    if (grown == nullptr) return false;
    block_ = static_cast<uint8_t*>(grown);
    capacity_ = static_cast<uint32_t>(capacity);
  }
  std::memcpy(block_ + size_, record, length);
  size_ = static_cast<uint32_t>(needed);
  return true;
}

void KeyIndex::TruncateTo(uint32_t size) {
  if (size < size_) size_ = size;
}

void KeyIndex::DropCutRecord() {
  uint32_t end = 0;
  KeyRecord record;
  while (RecordAt(end, &record)) end = record.end;
  TruncateTo(end);
}

void KeyIndex::Clear() {
  std::free(block_);
  block_ = nullptr;
  size_ = capacity_ = 0;
}
