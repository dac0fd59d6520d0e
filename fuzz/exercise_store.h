// What the TM fuzz bodies do with a TM that opened: everything the program
// and the command-line tool do to read one.

#ifndef TARVENNA_FUZZ_EXERCISE_STORE_H_
#define TARVENNA_FUZZ_EXERCISE_STORE_H_

#include <cstdint>
#include <string>

#include "scratch_files.h"
#include "tm_store.h"

// Walks the KeyIndex from FirstKey to the end, reading each record's words
// and entry. Returns the number of records walked; `firstSource` receives
// the source of the first entry that could be read, or stays as it was.
int32_t WalkKeys(TmStore& store, std::string& firstSource);

// Queries `text` and a fixed sentence in normal and concordance mode at
// several thresholds (0 and 100 among them), and walks every result list.
void QueryAll(TmStore& store, const std::string& text);

// Exports the TM as OpenTag and as TMX, with keys, to scratch files.
void ExportBoth(TmStore& store, ScratchFiles& scratch);

#endif  // TARVENNA_FUZZ_EXERCISE_STORE_H_
