// The walk both exports make over a TM: every entry in KeyIndex order (the
// order they were added), read from the file, with its key words and its
// running number from 1.

#ifndef TARVENNA_INTERCHANGE_ENTRY_WALK_H_
#define TARVENNA_INTERCHANGE_ENTRY_WALK_H_

#include <cstdint>
#include <functional>

#include "tm_engine.h"

using EntryVisitor =
    std::function<void(const TmEntry& entry, const KeyRecord& key, int32_t number)>;

// Visits every entry, telling `progress` how many are done now and then.
// False when the walk had to stop early: an entry that cannot be read, or a
// damaged key record whose offset reads -1 (the walk's end marker); the
// entries from there on are not visited.
bool WalkEntries(TmEngine& store, const EntryVisitor& visit,
                 const ProgressCallback& progress);

#endif  // TARVENNA_INTERCHANGE_ENTRY_WALK_H_
