// DuplicateIndex: finds the KeyRecords whose words equal a given key.
//
// Adding an entry must refuse one the TM already holds, and only an entry
// whose source is byte for byte the new source can be such a one. Equal
// sources give equal key words, so hashing the words finds every candidate
// without a pass over the whole KeyIndex; an import then costs linear time
// instead of quadratic. The table lives in memory only: built when the first
// entry is added to an open TM, dropped when the TM is closed.
//
// Open addressing with linear probing; a slot holds a 32-bit hash of the
// words and the record's position in the KeyIndex. Records with equal words
// share a hash and simply occupy neighbouring slots.

#ifndef TARVENNA_ENGINE_DUPLICATE_INDEX_H_
#define TARVENNA_ENGINE_DUPLICATE_INDEX_H_

#include <cstdint>
#include <vector>

#include "key_index.h"

class DuplicateIndex {
 public:
  // Indexes every complete record of `keys`.
  void Build(const KeyIndex& keys);

  // Indexes the record at `recordStart`, which must be complete.
  void Add(const KeyIndex& keys, uint32_t recordStart);

  void Clear();
  size_t MemoryUsage() const { return slots_.capacity() * sizeof(Slot); }

  // The records of `keys` whose words are exactly `words` (the bytes between
  // a record's entry offset and its closing NUL), in no particular order.
  std::vector<KeyRecord> Find(const KeyIndex& keys, const uint8_t* words,
                              uint32_t wordsLength) const;

 private:
  struct Slot {
    uint32_t hash;
    uint32_t recordStartPlusOne;  // 0 marks an empty slot
  };

  void Insert(uint32_t hash, uint32_t recordStart);
  void Grow();

  std::vector<Slot> slots_;  // size is 0 or a power of two
  uint32_t count_ = 0;
};

#endif  // TARVENNA_ENGINE_DUPLICATE_INDEX_H_
