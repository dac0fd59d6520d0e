#include "duplicate_index.h"

#include <cstring>

namespace {

// FNV-1a, folded to 32 bits.
uint32_t HashWords(const uint8_t* words, uint32_t length) {
  uint64_t hash = 14695981039346656037ull;
  for (uint32_t i = 0; i < length; ++i) {
    hash ^= words[i];
    hash *= 1099511628211ull;
  }
  return static_cast<uint32_t>(hash ^ (hash >> 32));
}

}  // namespace

void DuplicateIndex::Build(const KeyIndex& keys) {
  Clear();
  KeyRecord record;
  for (uint32_t start = 0; keys.RecordAt(start, &record); start = record.end) {
    Insert(HashWords(record.words, record.wordsLength), start);
  }
}

void DuplicateIndex::Add(const KeyIndex& keys, uint32_t recordStart) {
  KeyRecord record;
  if (keys.RecordAt(recordStart, &record)) {
    Insert(HashWords(record.words, record.wordsLength), recordStart);
  }
}

void DuplicateIndex::Clear() {
  std::vector<Slot>().swap(slots_);
  count_ = 0;
}

std::vector<KeyRecord> DuplicateIndex::Find(const KeyIndex& keys,
                                            const uint8_t* words,
                                            uint32_t wordsLength) const {
  std::vector<KeyRecord> found;
  if (slots_.empty()) return found;
  const uint32_t hash = HashWords(words, wordsLength);
  const size_t mask = slots_.size() - 1;
  for (size_t i = hash & mask; slots_[i].recordStartPlusOne != 0;
       i = (i + 1) & mask) {
    if (slots_[i].hash != hash) continue;
    KeyRecord record;
    if (keys.RecordAt(slots_[i].recordStartPlusOne - 1, &record) &&
        record.wordsLength == wordsLength &&
        std::memcmp(record.words, words, wordsLength) == 0) {
      found.push_back(record);
    }
  }
  return found;
}

void DuplicateIndex::Insert(uint32_t hash, uint32_t recordStart) {
  if ((count_ + 1) * 2 > slots_.size()) Grow();
  const size_t mask = slots_.size() - 1;
  size_t i = hash & mask;
  while (slots_[i].recordStartPlusOne != 0) i = (i + 1) & mask;
  slots_[i] = Slot{hash, recordStart + 1};
  ++count_;
}

void DuplicateIndex::Grow() {
  std::vector<Slot> old;
  old.swap(slots_);
  slots_.assign(old.empty() ? 64 : old.size() * 2, Slot{0, 0});
  count_ = 0;
  for (const Slot& slot : old) {
    if (slot.recordStartPlusOne != 0) {
      Insert(slot.hash, slot.recordStartPlusOne - 1);
    }
  }
}
