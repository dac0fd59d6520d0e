#include "word_dictionary.h"

#include <cstring>

uint32_t WordDictionary::Hash(const KeyWord& word) {
  uint64_t hash = 14695981039346656037ull;
  for (uint32_t i = 0; i < word.length; ++i) {
    hash ^= word.bytes[i];
    hash *= 1099511628211ull;
  }
  return static_cast<uint32_t>(hash ^ (hash >> 32));
}

bool WordDictionary::Holds(uint32_t id, const KeyWord& word) const {
  const uint32_t start = id == 0 ? 0 : ends_[id - 1];
  return ends_[id] - start == word.length &&
         std::memcmp(arena_.data() + start, word.bytes, word.length) == 0;
}

uint32_t WordDictionary::Find(const KeyWord& word) const {
  if (slots_.empty()) return kNone;
  const uint32_t hash = Hash(word);
  const size_t mask = slots_.size() - 1;
  for (size_t i = hash & mask; slots_[i].idPlusOne != 0; i = (i + 1) & mask) {
    if (slots_[i].hash == hash && Holds(slots_[i].idPlusOne - 1, word)) {
      return slots_[i].idPlusOne - 1;
    }
  }
  return kNone;
}

uint32_t WordDictionary::FindOrAdd(const KeyWord& word) {
  if ((size() + 1) * 2 > slots_.size()) Grow();
  const uint32_t hash = Hash(word);
  const size_t mask = slots_.size() - 1;
  size_t i = hash & mask;
  for (; slots_[i].idPlusOne != 0; i = (i + 1) & mask) {
    if (slots_[i].hash == hash && Holds(slots_[i].idPlusOne - 1, word)) {
      return slots_[i].idPlusOne - 1;
    }
  }
  const uint32_t id = size();
  arena_.append(reinterpret_cast<const char*>(word.bytes), word.length);
  ends_.push_back(static_cast<uint32_t>(arena_.size()));
  slots_[i] = Slot{hash, id + 1};
  return id;
}

void WordDictionary::Grow() {
  std::vector<Slot> old;
  old.swap(slots_);
  slots_.assign(old.empty() ? 1024 : old.size() * 2, Slot{0, 0});
  const size_t mask = slots_.size() - 1;
  for (const Slot& slot : old) {
    if (slot.idPlusOne == 0) continue;
    size_t i = slot.hash & mask;
    while (slots_[i].idPlusOne != 0) i = (i + 1) & mask;
    slots_[i] = slot;
  }
}

void WordDictionary::Clear() {
  std::string().swap(arena_);
  std::vector<uint32_t>().swap(ends_);
  std::vector<Slot>().swap(slots_);
}

size_t WordDictionary::MemoryUsage() const {
  return arena_.capacity() + ends_.capacity() * sizeof(uint32_t) +
         slots_.capacity() * sizeof(Slot);
}
