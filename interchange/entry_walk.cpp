#include "entry_walk.h"

bool WalkEntries(TmEngine& store, const EntryVisitor& visit,
                 const ProgressCallback& progress) {
  TmEntry entry;
  KeyRecord key;
  int32_t number = 1;
  for (int32_t offset = store.FirstKey(); offset != -1;
       offset = store.NextKey(), ++number) {
    if (!store.ReadEntry(entry, offset) || !store.CurrentKey(&key)) return false;
    visit(entry, key, number);
    if (progress && number % TmEngine::kProgressInterval == 0) progress(number);
  }
  // A walk that ended at its true end no longer stands at a record.
  return !store.CurrentKey(&key);
}
