// TmEngine::AddEntry: the one operation that makes a TM grow.

#include <cstring>

#include "byte_order.h"
#include "tm_engine.h"

namespace {

bool AnyTooLong(std::initializer_list<const char*> texts) {
  for (const char* text : texts) {
    if (std::strlen(text) > kMaxTextLength) return true;
  }
  return false;
}

}  // namespace

AddOutcome TmEngine::AddEntry(const char* source, const char* target,
                              const char* type, const char* id, int32_t x,
                              int32_t y, int32_t cx, int32_t cy) {
  // A text the record could hold but never give back would be an entry that
  // no query, duplicate test or export could read.
  if (file_ == nullptr || readOnly_ ||
      AnyTooLong({source, target, type, id})) {
    return AddOutcome::kError;
  }
  SourceKey key(source);
  if (!key.built()) return AddOutcome::kError;
  if (key.empty()) return AddOutcome::kEmpty;
  EnsureDuplicateIndex();
  if (HoldsEntry(key, source, target, type)) {
    return AddOutcome::kAlreadyPresent;
  }

  TmEntry entry;
  entry.source = source;
  entry.target = target;
  entry.type = type;
  entry.id = id;
  entry.x = x;
  entry.y = y;
  entry.cx = cx;
  entry.cy = cy;
  // Offsets travel as int32_t: the file must not grow past 2^31 bytes.
  const uint64_t newEnd = static_cast<uint64_t>(header_.indexOffset) +
                          entry.RecordLength() + keys_.size() + key.length();
  if (newEnd > kMaxFileOffset || header_.entryCount == INT32_MAX) {
    return AddOutcome::kError;
  }

  // The record is written where the KeyIndex began; SaveIndex later writes
  // the index behind it. What it overwrites is journalled first.
  if (!BeginChange()) return AddOutcome::kError;
  EncodeU32(key.data(), header_.indexOffset);
  const uint32_t recordStart = keys_.size();
  if (!keys_.Append(key.data(), key.length())) return AddOutcome::kError;
  uint32_t position = header_.indexOffset;
  if (std::fseek(file_, static_cast<long>(header_.indexOffset), SEEK_SET) != 0 ||
      !entry.WriteEntry(file_, position)) {
    keys_.TruncateTo(recordStart);
    return AddOutcome::kError;
  }
  header_.indexOffset = position;
  ++header_.entryCount;
  unsaved_ = true;
  duplicates_.Add(keys_, recordStart);
  words_.Add(keys_, recordStart);
  return AddOutcome::kAdded;
}

void TmEngine::EnsureDuplicateIndex() {
  if (duplicatesBuilt_) return;
  duplicates_.Build(keys_);
  duplicatesBuilt_ = true;
}

// Whether an entry with this source, target and type is stored already.
// Such an entry's source is byte for byte `source`, so its key words equal
// `key`'s: the duplicate index yields every candidate, and each is then read
// to compare the texts themselves. An entry that cannot be read is passed
// over.
bool TmEngine::HoldsEntry(const SourceKey& key, const char* source,
                          const char* target, const char* type) {
  TmEntry stored;
  for (const KeyRecord& record :
       duplicates_.Find(keys_, key.WordBytes(), key.WordBytesLength())) {
    if (ReadEntry(stored, record.entryOffset) && stored.source == source &&
        stored.target == target && stored.type == type) {
      return true;
    }
  }
  return false;
}
