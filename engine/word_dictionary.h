// WordDictionary: numbers the distinct key words of a TM, 0, 1, 2, ...
//
// Words are copied into one arena, so the dictionary does not depend on the
// KeyIndex block, which moves when it grows. Lookup is open addressing with
// linear probing over (hash, id) slots.

#ifndef TARVENNA_ENGINE_WORD_DICTIONARY_H_
#define TARVENNA_ENGINE_WORD_DICTIONARY_H_

#include <cstdint>
#include <string>
#include <vector>

#include "key_record.h"

class WordDictionary {
 public:
  static constexpr uint32_t kNone = UINT32_MAX;

  // The word's number, or kNone when it has none.
  uint32_t Find(const KeyWord& word) const;
  // The word's number, giving it the next one when it is new.
  uint32_t FindOrAdd(const KeyWord& word);

  uint32_t size() const { return static_cast<uint32_t>(ends_.size()); }
  void Clear();
  size_t MemoryUsage() const;

 private:
  struct Slot {
    uint32_t hash;
    uint32_t idPlusOne;  // 0 marks an empty slot
  };

  static uint32_t Hash(const KeyWord& word);
  bool Holds(uint32_t id, const KeyWord& word) const;
  void Grow();

  std::string arena_;           // every word, back to back
  std::vector<uint32_t> ends_;  // end of word i in the arena
  std::vector<Slot> slots_;     // size 0 or a power of two
};

#endif  // TARVENNA_ENGINE_WORD_DICTIONARY_H_
